#pragma once
#include "platform/db/connessione.h"
#include <QString>

// The report control: it is given the report file, the connection, the selection formula and
// the destination, then produci() reads the rows and sends the pages to the destination.
class ControlloReport {
public:
    enum class Destinazione { Anteprima, Stampante, Pdf };

    // The rows are read through this connection (by default the shared one).
    explicit ControlloReport(Connessione& c = connessione);

    void impostaFileReport(const QString& file); // backslashes count as folder separators
    void impostaConnessione(const QString& stringa); // "dsn=NAME" or NAME
    void impostaFormula(const QString& formula); // empty: every row
    void impostaDestinazione(Destinazione d);
    void impostaFilePdf(const QString& file); // for Destinazione::Pdf

    // Reads the file, compiles the formula, reads the rows, then prints them. Throws ErroreDb
    // on any failure; nothing is printed when the file, the formula or the query fail.
    void produci();

private:
    QSqlDatabase database() const;

    Connessione& c;
    QString fileReport;
    QString stringaConnessione;
    QString formula;
    Destinazione destinazione = Destinazione::Anteprima;
    QString filePdf;
};
