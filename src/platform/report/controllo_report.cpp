#include "platform/report/controllo_report.h"
#include "platform/db/errore_db.h"
#include "platform/report/dati_report.h"
#include "platform/report/definizione_report.h"
#include "platform/report/destinazioni_report.h"
#include "platform/report/errori_report.h"
#include "platform/report/formula.h"

ControlloReport::ControlloReport(Connessione& c) : c(c) {}

void ControlloReport::impostaFileReport(const QString& file)
{
    fileReport = QString(file).replace(u'\\', u'/');
}

void ControlloReport::impostaConnessione(const QString& stringa)
{
    stringaConnessione = stringa.trimmed();
}

void ControlloReport::impostaFormula(const QString& f)
{
    formula = f;
}

void ControlloReport::impostaDestinazione(Destinazione d)
{
    destinazione = d;
}

void ControlloReport::impostaFilePdf(const QString& file)
{
    filePdf = file;
}

// The rows come through the control's connection, which must be open on the data source named.
QSqlDatabase ControlloReport::database() const
{
    const QSqlDatabase db = c.database();
    const QString aperta = c.origine();
    if (stringaConnessione.compare(aperta, Qt::CaseInsensitive) != 0
        && stringaConnessione.compare(QStringLiteral("dsn=") + aperta, Qt::CaseInsensitive) != 0)
        erroreReport(erroreConnessione,
                     QStringLiteral("La connessione del report \"%1\" non è quella aperta (\"%2\")")
                         .arg(stringaConnessione, aperta));
    return db;
}

void ControlloReport::produci()
{
    const DefinizioneReport definizione = leggiDefinizione(fileReport);
    const QSqlDatabase db = database();
    const CondizioneSql condizione = compilaFormula(formula, campiDelleTabelle(db, definizione.tabelle));
    const DatiReport dati = leggiDati(db, definizione, condizione);
    switch (destinazione) {
    case Destinazione::Anteprima:
        mostraAnteprima(definizione, dati);
        break;
    case Destinazione::Stampante:
        stampaSuStampantePredefinita(definizione, dati);
        break;
    case Destinazione::Pdf:
        scriviPdf(definizione, dati, filePdf);
        break;
    }
}
