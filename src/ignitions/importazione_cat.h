#pragma once
#include "ignitions/tracciato_accensioni.h"
#include "platform/db/connessione.h"
#include "platform/db/istruzione_ripetuta.h"
#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <array>
#include <span>

class Foglio;

// Import runs of the centres' workbooks and the rows they store.

// The next run number: the highest on file plus one. Call it inside the group that writes
// the run, so that the number and its row are one step for every workstation.
long prossimoNumeroImportazione();
// Starts a run of the centre "IN CORSO..." on that day; its number.
long apriImportazione(long codCAT, const QDate& giorno);
// Writes the run's outcome: "CONCLUSA POSITIVAMENTE", or "CONCLUSA NEGATIVAMENTE" when it
// failed or left rows out, followed then by the count of those rows.
void chiudiImportazione(long idMov, bool positiva, int scartate = 0);

// Folds the archived serials that wait for it (those the schema's triggers could not fold, a
// serial written by another ODBC tool among them), so that every archived serial can be looked up.
void piegaMatricoleSegnate();

// The archived serials as the duplicate test compares them (upper case, as stored) and as
// they stood when it was made: rows stored after it do not count. Make it inside the group
// that writes the run; it folds the serials that wait for it first.
class ArchivioMatricole {
public:
    ArchivioMatricole();
    // The first archived row holding this serial (already upper case); 0 when none does.
    qint64 trova(const QString& matricolaDaContr);

private:
    qint64 ultima;
    IstruzioneRipetuta cerca;
};
// A serial as the duplicate test compares it with the archive: upper case, without the
// blanks around it.
QString matricolaDaConfrontare(const QString& matricola);
// The serial of a workbook row, so.
QString matricolaDaConfrontare(const Foglio& foglio, int riga);
// True when the serials of this row and the two after it are all empty (rows past the
// sheet's last row are): the rows end.
bool fineRighe(const Foglio& foglio, int riga);

// The 43 cells of a workbook row as they are stored, in UTF-8: texts unchanged, empty cells
// Null, the test date in the storage form when it is one. One for all the rows of a run.
class ValoriRiga {
public:
    // Reads the row. Its cells stay valid up to the next reading, while the sheet is
    // unchanged.
    void leggi(const Foglio& foglio, int riga);
    // Column A first; a null view for a Null.
    std::span<const QByteArrayView> celle() const { return valori; }
    // Why the row cannot be stored; empty when it can.
    QString causaRifiuto() const;

private:
    std::array<QByteArrayView, colonneTracciato> valori;
    std::array<QByteArray, colonneTracciato> convertiti; // cells stored otherwise than the sheet holds them
    bool dataNonValida = false;
};

// The rows of one run, stored through two inserts prepared once for all of them.
class RigheImportate {
public:
    RigheImportate(long codCAT, long idMov);
    // Stores a row as new in the archive.
    void inserisciMatricolaBuona(const ValoriRiga& valori);
    // Stores a row as a duplicate of the archived row riferimento.
    void inserisciMatricolaDoppia(const ValoriRiga& valori, qint64 riferimento);

private:
    long codCAT;
    long idMov;
    IstruzioneRipetuta buona;
    IstruzioneRipetuta doppia;
};

// Deletes a run with the rows it stored, all or nothing.
void eliminaImportazione(long idMov);
