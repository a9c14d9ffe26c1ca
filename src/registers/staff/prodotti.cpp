#include "registers/staff/prodotti.h"
#include "platform/db/testi_sql.h"
#include "platform/ui/combo_dati.h"
#include <QLineEdit>

using namespace Qt::StringLiterals;

schProdotto::schProdotto()
    : SchedaSecondaDisposizione({
          .tabella = u"prodotti"_s,
          .chiave = u"idModello"_s,
          .titolo = u"Scheda Prodotto"_s,
          .campi = {{.colonna = u"cod_tipo_prodotto"_s,
                     .controllo = u"cmbTipo"_s,
                     .etichetta = u"Tipo"_s,
                     .nomeEtichetta = u"Label1"_s,
                     .messaggioVuoto = u"Selezionare la tipologia del modello"_s,
                     .tipo = CampoScheda::Tipo::combo,
                     .sqlVoci = u"SELECT idTpProd,tipo_nome from tipoprod where  eliminato=0 order by tipo_nome COLLATE ITALIANO asc"_s,
                     .campoMostrato = u"tipo_nome"_s,
                     .campoLegato = u"idTpProd"_s},
                    {.colonna = u"cod_marca"_s,
                     .controllo = u"cmbMarca"_s,
                     .etichetta = u"Marca"_s,
                     .nomeEtichetta = u"Label2"_s,
                     .messaggioVuoto = u"Selezionare la marca del modello"_s,
                     .tipo = CampoScheda::Tipo::combo,
                     .sqlVoci = u"SELECT idMarca,marca from marche where eliminato=0  order by marca COLLATE ITALIANO asc"_s,
                     .campoMostrato = u"marca"_s,
                     .campoLegato = u"idMarca"_s},
                    {.colonna = u"modello"_s,
                     .controllo = u"txtModello"_s,
                     .etichetta = u"Modello"_s,
                     .nomeEtichetta = u"Label3"_s}},
          .messaggioInesistente = u"Modello inesistente!"_s,
      })
{
}

bool schProdotto::inserisci()
{
    if (!SchedaSecondaDisposizione::inserisci())
        return false;
    // Only a model that was stored is handed back to the caller.
    codTipo = long(campo<ComboDati>(u"cod_tipo_prodotto"_s)->valoreLegato().toLongLong());
    codMarca = long(campo<ComboDati>(u"cod_marca"_s)->valoreLegato().toLongLong());
    prodotto = maiuscolo(campo<QLineEdit>(u"modello"_s)->text());
    return true;
}

frmProdotti::frmProdotti()
    : ElencoOrdinato(
          {
              .tabella = u"prodotti"_s,
              .chiave = u"idModello"_s,
              .titolo = u"TABELLA - ASSOCIAZIONE TIPO / MARCA / MODELLO"_s,
              .etichettaRicerca = u"Criterio"_s,
              .colonne = {{u"tipo_nome"_s, u"Tipo"_s}, {u"marca"_s, u"Marca"_s}, {u"modello"_s, u"Modello"_s}},
              .colonnaMostrata = u"modello"_s,
              .messaggioVuoto = u"Selezionare il modello da eliminare"_s,
              .domandaElimina = u"ELiminare il modello:"_s,
              .stileDomanda = stile::siNo | stile::domanda,
              .scheda = schedaDi<schProdotto>,
          },
          {
              .etichetta = u"Ordinamento"_s,
              // Models of a soft-deleted brand or type are listed all the same.
              .selezione = u"SELECT * FROM (prodotti inner join marche on prodotti.cod_marca = marche.idMarca)"
                           u" inner join tipoProd on prodotti.cod_tipo_prodotto = tipoProd.idTpProd"_s,
              .filtro = u"prodotti.eliminato=0"_s,
              .opzioni = {{u"optOrdinaPerTipo"_s, u"Tipo"_s, u"tipo_nome COLLATE ITALIANO"_s, u"tipoProd.tipo_nome"_s,
                           u"tipo_nome COLLATE ITALIANO, marca COLLATE ITALIANO, modello COLLATE ITALIANO"_s},
                          {u"optOrdinaPerMarca"_s, u"Marca"_s, u"marca COLLATE ITALIANO"_s, u"marche.marca"_s,
                           u"marca COLLATE ITALIANO, modello COLLATE ITALIANO, tipo_nome COLLATE ITALIANO"_s},
                          {u"optOrdinaPerModello"_s, u"Modello"_s, u"modello COLLATE ITALIANO"_s, u"prodotti.modello"_s,
                           u"modello COLLATE ITALIANO, marca COLLATE ITALIANO, tipo_nome COLLATE ITALIANO"_s}},
          })
{
}
