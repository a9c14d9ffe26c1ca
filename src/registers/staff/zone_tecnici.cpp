#include "registers/staff/zone_tecnici.h"
#include "platform/ui/forma_dialogo.h"
#include "registers/staff/scheda_tec_zona.h"

using namespace Qt::StringLiterals;

frmZoneTecnici::frmZoneTecnici()
    : ElencoOrdinato(
          {
              .tabella = u"tecnici_per_zona"_s,
              .chiave = u"idTecZon"_s,
              .titolo = u"TABELLA - TECNIZI / ZONA"_s,
              .etichettaRicerca = u"Nome"_s,
              .colonne = {{u"sigla_zona"_s, u"Sigla Zona"_s}, {u"desc_zona"_s, u"Zona"_s}, {u"tecnico"_s, u"Tecnico"_s}},
              .colonnaMostrata = u"associazione"_s,
              .messaggioVuoto = u"Selezionare l'associazione della zona tecnico da eliminare"_s,
              .domandaElimina = u"ELiminare l'associazione:"_s,
              .scheda = schedaDi<schTecZona>,
              .menuScheda = false,
          },
          {
              .etichetta = u"Ordinamento :"_s,
              .selezione = u"SELECT *, ifnull(tecnico,'') || '-' || ifnull(desc_zona,'') as associazione"
                           u" FROM (tecnici_per_zona inner join tecnici on tecnici_per_zona.codtecnico=tecnici.idTecn)"
                           u" inner join zone on tecnici_per_zona.codzona=zone.idzona"_s,
              .filtro = u"tecnici_per_zona.eliminato=0"_s,
              .opzioni = {{u"optOrdinaPerTecnico"_s, u"Tecnico"_s, u"sigla_tecnico COLLATE ITALIANO"_s, u"tecnici.sigla_tecnico"_s,
                           u"sigla_tecnico COLLATE ITALIANO"_s},
                          {u"optOrdinaPerZona"_s, u"Zona"_s, u"desc_zona COLLATE ITALIANO"_s, u"zone.desc_zona"_s, u"desc_zona COLLATE ITALIANO"_s}},
              .iniziale = 1,
          })
{
}

void frmZoneTecnici::alCaricamento()
{
    ui().forma->resize(589, 399);
    ElencoOrdinato::alCaricamento();
}
