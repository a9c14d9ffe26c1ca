#include "registers/operatori/sch_operatori.h"
#include "common/funzioni.h"
#include "platform/db/connessione.h"
#include "platform/db/testi_sql.h"
#include "platform/ui/messaggi.h"
#include "registers/operatori/amministratori.h"
#include <QComboBox>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {
const QString amministratore = u"AMMINISTRATORE"_s;
}

schOperatori::schOperatori()
    : SchedaRegistro({
          .tabella = u"operatori"_s,
          .chiave = u"idOperatore"_s,
          .titolo = u"Scheda OPERATORE"_s,
          .campi = {{.colonna = u"opUser"_s,
                     .controllo = u"txtSigla"_s,
                     .etichetta = u"Nome:"_s,
                     .nomeEtichetta = u"lblFieldLabel"_s,
                     .messaggioVuoto = u"Inserire il nome dell'operatore !"_s},
                    {.colonna = u"opPassword"_s,
                     .controllo = u"txtNome"_s,
                     .etichetta = u"Password"_s,
                     .nomeEtichetta = u"Label1"_s,
                     .messaggioVuoto = u"Inserire la password !"_s},
                    {.colonna = u"opTipo"_s,
                     .controllo = u"cmbTipoOp"_s,
                     .nome = u"Tipo operatore"_s,
                     .messaggioVuoto = u"Selezionare il tipo di operatore!"_s,
                     .tipo = CampoScheda::Tipo::elenco,
                     .voci = {amministratore, u"OPERATORE"_s}}},
      })
{
}

QString schOperatori::nome()
{
    return campo<QLineEdit>(u"opUser"_s)->text();
}

bool schOperatori::predisponi()
{
    if (!SchedaRegistro::predisponi())
        return false;
    if (nModalità == 1)
        strOpNome = nome();
    return true;
}

bool schOperatori::nomeGiaUsato()
{
    // The operator himself, under his own name in other letters, is not a duplicate.
    QString sql = u"SELECT opUser FROM operatori WHERE opUser = ?"_s;
    QVariantList valori{maiuscolo(nome())};
    if (nModalità == 1) {
        sql += u" AND idOperatore <> ?"_s;
        valori << qlonglong(nID);
    }
    if (connessione.apriAvanti(sql, valori).eof())
        return false;
    messaggio(u"ATTENZIONE ! Operatore già esistente"_s);
    return true;
}

bool schOperatori::inserisci()
{
    // A refused duplicate writes nothing and keeps the card open.
    bool doppio = false;
    return gestisci([&] { doppio = nomeGiaUsato(); }) && !doppio && SchedaRegistro::inserisci();
}

bool schOperatori::modificaScheda()
{
    bool rifiutata = false;
    const bool letto = gestisci([&] {
        const QString tipo = campo<QComboBox>(u"opTipo"_s)->currentText();
        if (tipo != amministratore
            && !connessione
                    .apriAvanti(u"SELECT 1 FROM operatori WHERE idOperatore = "_s + QString::number(nID)
                                + u" AND NOT ("_s + nonUltimoAmministratore() + u")"_s)
                    .eof()) {
            messaggio(messaggioUltimoAmministratore());
            rifiutata = true;
            return;
        }
        rifiutata = maiuscolo(nome()) != maiuscolo(strOpNome) && nomeGiaUsato();
    });
    return letto && !rifiutata && SchedaRegistro::modificaScheda();
}

void schOperatori::alCaricamento()
{
    SchedaRegistro::alCaricamento();
    if (caricamentoRiuscito())
        controllaAmministratore();
}
