#pragma once
#include "platform/excel/contenuto_libro.h"
#include "platform/excel/limiti_libro.h"
#include "platform/excel/protocollo_lettura.h"
#include <QByteArray>
#include <memory>

// The program's side of the reading: builds the workbook from the records as they come,
// every byte it keeps within one account.
class Composizione {
public:
    // Takes the records complete at the start of dati and drops them from it. Throws
    // ErroreExcel with the reading's reason, past a limit, or when a record is damaged.
    void aggiungi(QByteArray& dati);

    bool finita() const { return fine; }
    // The workbook read. Throws ErroreExcel when the records did not end.
    ContenutoLibro risultato();

private:
    void record(VoceLettura voce, QByteArrayView campi);
    Foglio& foglio();

    // Everything kept of the workbook, counted once.
    ContoLibro conto{massimoMemoriaLibro};
    ElencoContato stili{conto, "formati di cella", sizeof(int)};
    ElencoContato formati{conto, "formati di numero", 64}; // what each shows, in a map
    qint64 contatiFoglio = 0; // the sheet's bytes in the account
    std::unique_ptr<Stili> elencoStili = std::make_unique<Stili>();
    std::unique_ptr<Foglio> letto;
    std::unique_ptr<PartiLette> partiLette;
    int colonneViste = 0; // the last column of the ranges so far
    uint32_t rigaCelle = 0; // the row of the last cell
    bool fine = false;
};
