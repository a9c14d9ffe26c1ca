#pragma once
#include "platform/db/connessione.h"
#include <QDate>
#include <QHash>
#include <QString>
#include <QVariantList>

class Foglio;

// Import runs of the centres' workbooks and the rows they store.

// The next run number: the highest on file plus one. Call it inside the group that writes
// the run, so that the number and its row are one step for every workstation.
long prossimoNumeroImportazione();
// Starts a run of the centre "IN CORSO..." on that day; its number.
long apriImportazione(long codCAT, const QDate& giorno);
// Writes the run's outcome.
void chiudiImportazione(long idMov, bool positiva);

// The archived serials as the duplicate test compares them (upper case, as stored), each
// with the first archived row that holds it.
QHash<QString, qint64> matricoleArchiviate();
// The serial of a workbook row as it is compared with the archive.
QString matricolaDaConfrontare(const Foglio& foglio, int riga);
// True when the serials of this row and the two after it are all empty: the rows end.
bool fineRighe(const Foglio& foglio, int riga);
// The 43 cells of a workbook row as they are stored: texts unchanged, empty cells Null, the
// test date as a date when it is one (any other text is refused by the database).
QVariantList valoriRiga(const Foglio& foglio, int riga);

// The rows of one run, stored through two inserts prepared once for all of them.
class RigheImportate {
public:
    RigheImportate(long codCAT, long idMov);
    // Stores a row as new in the archive.
    void inserisciMatricolaBuona(const QVariantList& valori);
    // Stores a row as a duplicate of the archived row riferimento.
    void inserisciMatricolaDoppia(const QVariantList& valori, qint64 riferimento);

private:
    long codCAT;
    long idMov;
    IstruzioneRipetuta buona;
    IstruzioneRipetuta doppia;
};

// Deletes a run with the rows it stored, all or nothing.
void eliminaImportazione(long idMov);
