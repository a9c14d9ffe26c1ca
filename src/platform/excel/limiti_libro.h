#pragma once
#include "platform/excel/errore_excel.h"
#include <QByteArrayView>
#include <QString>
#include <cstdint>

// What the reading of a workbook may build, whatever the file claims. Each limit is far above
// what a centre's workbook needs: 65,535 rows of 43 columns, notes of 32,767 characters among them.

// A cell's text, in the characters a spreadsheet counts (UTF-16 units).
inline constexpr qint64 massimoCaratteriCella = 32767;
// What the program keeps of a workbook: the sheet's cells, rows, texts and attributes, the
// formats, the parts kept for saving.
inline constexpr qint64 massimoMemoriaLibro = 160ll << 20;
// What the reading process keeps while it reads: the zip's part names, the relationships, the
// sheets' list, the sheet part besides its cells, the lists of an .xls.
inline constexpr qint64 massimoMemoriaLettura = 32ll << 20;
// How deep XML elements may nest.
inline constexpr int massimoLivelliXml = 256;
// One tag, comment or other markup of the XML; texts go in pieces and have their own limit.
inline constexpr qint64 massimoElementoXml = 1 << 20;
// What the sheet part holds besides its cells (kept for saving).
inline constexpr qint64 massimoRestoFoglio = 16ll << 20;
// Entries of a workbook's list: cell formats, number formats, relationships, sheets.
inline constexpr qint64 massimoVociElenco = 65536;
// A sheet's name: what an .xls holds (Excel itself writes 31 at most).
inline constexpr qint64 massimoCaratteriNomeFoglio = 255;
// Entries of the zip file.
inline constexpr qint64 massimoPartiArchivio = 10000;
// Bytes inflated: one part, and all the parts read.
inline constexpr qint64 massimoParteDecompressa = 512ll << 20;
inline constexpr qint64 massimoTotaleDecompresso = 1024ll << 20;
// The directory of an .xls (its streams' names).
inline constexpr qint64 massimoElencoFlussi = 1 << 20;

// The refusal of a workbook past a limit: "La cartella di lavoro supera il limite di <N>
// <unità> (<cosa>): non è stata importata". Sizes in bytes are given in MB.
ErroreExcel superaLimite(qint64 limite, const char* unita, const char* cosa);
ErroreExcel superaLimiteMb(qint64 byte, const char* cosa);

// Everything a process keeps from a workbook passes through one account, whatever holds it
// (the sheet, a list, the parts kept for saving): past its bytes the reading stops, and the
// refusal names what was being kept.
class ContoLibro {
public:
    explicit ContoLibro(qint64 massimo) : massimo(massimo) {}
    ContoLibro(const ContoLibro&) = delete;
    ContoLibro& operator=(const ContoLibro&) = delete;

    // byte more bytes kept for cosa. Throws ErroreExcel past the account's limit.
    void tieni(qint64 byte, const char* cosa);
    // What grows by itself (the sheet), measured again: counted by what it grew since.
    void misura(qint64& contati, qint64 ora, const char* cosa);
    qint64 tenuti() const { return usati; }

private:
    qint64 massimo;
    qint64 usati = 0;
};

// A list kept from a workbook: its entries within a list's limit, each one's room and texts in
// the account.
class ElencoContato {
public:
    // costoVoce: the room of an entry besides its texts (its place in the list, the allocator's).
    ElencoContato(ContoLibro& conto, const char* cosa, qint64 costoVoce) : conto(conto), cosa(cosa), costo(costoVoce) {}

    // One more entry, its texts taking byte bytes. Throws ErroreExcel past either limit.
    void voce(qint64 byte = 0);
    qint64 voci() const { return quante; }

private:
    ContoLibro& conto;
    const char* cosa;
    qint64 costo;
    qint64 quante = 0;
};

// The room of a list's entry holding QStrings besides their characters, and of a text in it.
inline constexpr qint64 costoVoceTesti = 128;
inline qint64 byteTesto(const QString& testo)
{
    return 32 + 2 * testo.size();
}

// The UTF-16 length of a UTF-8 text.
qint64 caratteriUtf16(QByteArrayView utf8);
// Refuses a cell's text past its limit.
void controllaTestoCella(QByteArrayView utf8);
