#include "libri_ostili.h"
#include "platform/excel/archivio_zip.h"
#include <QFile>
#include <QtEndian>
#include <zip.h>

namespace {

const char* spazioNomi = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";

// A workbook of one sheet, "Dati": what each part holds, where the hostile ones differ.
struct LibroOstile {
    QByteArray foglio;   // the sheet part's content
    QByteArray stringhe; // the shared strings; none when null
    QByteArray fogli = "<sheet name=\"Dati\" sheetId=\"1\" r:id=\"r1\"/>"; // the workbook's sheets
    QByteArray relazioni; // the workbook's relationships besides its sheet's, its styles and strings
    QByteArray stili = "<cellXfs count=\"1\"><xf numFmtId=\"0\"/></cellXfs>"; // the styles part's content
};

void scriviXlsx(const QString& file, const LibroOstile& libro)
{
    ArchivioZip zip;
    zip.poni(QStringLiteral("[Content_Types].xml"),
             "<?xml version=\"1.0\"?><Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
             "<Default Extension=\"xml\" ContentType=\"application/xml\"/></Types>");
    zip.poni(QStringLiteral("_rels/.rels"),
             "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"><Relationship Id=\"r1\" "
             "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
             "Target=\"xl/workbook.xml\"/></Relationships>");
    zip.poni(QStringLiteral("xl/workbook.xml"), QByteArray("<workbook xmlns=\"") + spazioNomi
                                                    + "\" xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                                                      "relationships\"><sheets>" + libro.fogli + "</sheets></workbook>");
    QByteArray relazioni = "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                           "<Relationship Id=\"r1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                           "relationships/worksheet\" Target=\"worksheets/sheet1.xml\"/>"
                           "<Relationship Id=\"r2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                           "relationships/styles\" Target=\"styles.xml\"/>";
    if (!libro.stringhe.isNull()) {
        relazioni += "<Relationship Id=\"r3\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                     "relationships/sharedStrings\" Target=\"sharedStrings.xml\"/>";
        zip.poni(QStringLiteral("xl/sharedStrings.xml"), QByteArray("<sst xmlns=\"") + spazioNomi + "\">" + libro.stringhe + "</sst>");
    }
    zip.poni(QStringLiteral("xl/_rels/workbook.xml.rels"), relazioni + libro.relazioni + "</Relationships>");
    zip.poni(QStringLiteral("xl/styles.xml"), QByteArray("<styleSheet xmlns=\"") + spazioNomi + "\">" + libro.stili + "</styleSheet>");
    zip.poni(QStringLiteral("xl/worksheets/sheet1.xml"), QByteArray("<worksheet xmlns=\"") + spazioNomi + "\">" + libro.foglio + "</worksheet>");
    zip.scrivi(file);
}

void scriviXlsx(const QString& file, const QByteArray& foglio, const QByteArray& stringhe = {})
{
    LibroOstile libro;
    libro.foglio = foglio;
    libro.stringhe = stringhe;
    scriviXlsx(file, libro);
}

// A sheet of one cell, A1 "a".
const QByteArray foglioA1 = "<sheetData><row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>a</t></is></c></row></sheetData>";

// n times the text, each with its number where "@" stands, and where "#" stands its number
// filled with x up to `caratteri` characters.
QByteArray ripetuti(qint64 n, const QByteArray& testo, int caratteri)
{
    const QByteArray riempimento(caratteri, 'x');
    QByteArray tutti;
    tutti.reserve(n * (testo.size() + caratteri));
    for (qint64 i = 0; i < n; ++i) {
        const QByteArray numero = QByteArray::number(i);
        QByteArray voce = testo;
        voce.replace('@', numero);
        voce.replace('#', numero + riempimento.left(std::max<qsizetype>(0, caratteri - numero.size())));
        tutti += voce;
    }
    return tutti;
}

void aggiungi16(QByteArray& b, quint16 v)
{
    b.append(char(v & 0xFF)).append(char(v >> 8));
}

void aggiungi32(QByteArray& b, quint32 v)
{
    aggiungi16(b, quint16(v & 0xFFFF));
    aggiungi16(b, quint16(v >> 16));
}

void record(QByteArray& flusso, quint16 tipo, const QByteArray& dati)
{
    aggiungi16(flusso, tipo);
    aggiungi16(flusso, quint16(dati.size()));
    flusso += dati;
}

// A compound file of 512-byte sectors holding a Workbook stream: in sectors of the file, or
// in the mini stream of 64-byte sectors, with every stream small (the cutoff at its largest).
struct Composto {
    QByteArray flusso;
    quint32 miniByte = 0;   // the mini stream's size, the Workbook stream in it; 0: none
    quint32 dichiarati = 0; // the size its entry declares; 0: its own
    bool ciclo = false;     // its chain comes back to its first sector (all zeros when small)
};

// The chains of the file's sectors one after the other, then the allocation table, its list
// (beyond the header's 109 sectors) and the directory.
QByteArray filecomposto(const Composto& c)
{
    QByteArray settori, tabella;
    const auto catena = [&](QByteArray dati, bool torna) {
        dati.append(QByteArray((512 - dati.size() % 512) % 512, '\0'));
        const quint32 primo = quint32(settori.size() / 512), n = quint32(dati.size() / 512);
        for (quint32 s = primo; s < primo + n; ++s)
            aggiungi32(tabella, s + 1 < primo + n ? s + 1 : torna ? primo : 0xFFFFFFFE);
        settori += dati;
        return primo;
    };
    quint32 inizio = 0, radice = 0xFFFFFFFE, tabellaMini = 0xFFFFFFFE, settoriTabellaMini = 0;
    if (c.miniByte > 0) {
        QByteArray voci;
        const quint32 usati = quint32((c.flusso.size() + 63) / 64);
        for (quint32 i = 0; i < c.miniByte / 64; ++i)
            aggiungi32(voci, c.ciclo ? 0 : i + 1 < usati ? i + 1 : i + 1 == usati ? 0xFFFFFFFE : 0xFFFFFFFF);
        radice = catena(c.flusso + QByteArray(c.miniByte - c.flusso.size(), '\0'), false);
        tabellaMini = catena(voci, false);
        settoriTabellaMini = quint32((voci.size() + 511) / 512);
    } else {
        inizio = catena(c.flusso, c.ciclo);
    }
    const quint32 dati = quint32(settori.size() / 512);
    quint32 tabelle = 1, elenchi = 0;
    for (;;) {
        elenchi = tabelle > 109 ? (tabelle - 109 + 126) / 127 : 0;
        if ((dati + tabelle + elenchi + 1) <= tabelle * 128)
            break;
        ++tabelle;
    }
    const quint32 primaTabella = dati, primoElenco = dati + tabelle, cartella = dati + tabelle + elenchi;
    for (quint32 i = 0; i < tabelle; ++i)
        aggiungi32(tabella, 0xFFFFFFFD);
    for (quint32 i = 0; i < elenchi; ++i)
        aggiungi32(tabella, 0xFFFFFFFC);
    aggiungi32(tabella, 0xFFFFFFFE);
    while (tabella.size() < qsizetype(tabelle) * 512)
        aggiungi32(tabella, 0xFFFFFFFF);
    QByteArray elenco; // 127 of the table's sectors in each, then the next one
    for (quint32 j = 0; j < elenchi; ++j) {
        for (quint32 k = 0; k < 127; ++k)
            aggiungi32(elenco, 109 + 127 * j + k < tabelle ? primaTabella + 109 + 127 * j + k : 0xFFFFFFFF);
        aggiungi32(elenco, j + 1 < elenchi ? primoElenco + j + 1 : 0xFFFFFFFE);
    }
    const auto voce = [](const char16_t* nome, quint8 tipo, quint32 figlio, quint32 inizio, quint32 dimensione) {
        QByteArray v(128, '\0');
        int n = 0;
        for (; nome[n]; ++n)
            qToLittleEndian<quint16>(nome[n], v.data() + 2 * n);
        qToLittleEndian<quint16>(quint16(2 * n + 2), v.data() + 0x40);
        v[0x42] = char(tipo);
        v[0x43] = 1;
        qToLittleEndian<quint32>(0xFFFFFFFF, v.data() + 0x44);
        qToLittleEndian<quint32>(0xFFFFFFFF, v.data() + 0x48);
        qToLittleEndian<quint32>(figlio, v.data() + 0x4C);
        qToLittleEndian<quint32>(inizio, v.data() + 0x74);
        qToLittleEndian<quint32>(dimensione, v.data() + 0x78);
        return v;
    };
    const quint32 lunghezza = c.dichiarati ? c.dichiarati : quint32(c.flusso.size());
    QByteArray directory = voce(u"Root Entry", 5, 1, radice, c.miniByte) + voce(u"Workbook", 2, 0xFFFFFFFF, inizio, lunghezza)
                           + QByteArray(256, '\0');
    QByteArray testa(512, '\0');
    testa.replace(0, 8, QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8));
    qToLittleEndian<quint16>(0x3E, testa.data() + 0x18);
    qToLittleEndian<quint16>(3, testa.data() + 0x1A);
    qToLittleEndian<quint16>(0xFFFE, testa.data() + 0x1C);
    qToLittleEndian<quint16>(9, testa.data() + 0x1E);
    qToLittleEndian<quint16>(6, testa.data() + 0x20);
    qToLittleEndian<quint32>(tabelle, testa.data() + 0x2C);
    qToLittleEndian<quint32>(cartella, testa.data() + 0x30);
    qToLittleEndian<quint32>(c.miniByte > 0 ? 0xFFFFFFFF : 4096, testa.data() + 0x38);
    qToLittleEndian<quint32>(tabellaMini, testa.data() + 0x3C);
    qToLittleEndian<quint32>(settoriTabellaMini, testa.data() + 0x40);
    qToLittleEndian<quint32>(elenchi ? primoElenco : 0xFFFFFFFE, testa.data() + 0x44);
    qToLittleEndian<quint32>(elenchi, testa.data() + 0x48);
    for (quint32 i = 0; i < 109; ++i)
        qToLittleEndian<quint32>(i < tabelle ? primaTabella + i : 0xFFFFFFFF, testa.data() + 0x4C + 4 * i);
    return testa + settori + tabella + elenco + directory;
}

// A workbook stream whose `celle` cells all show one shared string of `caratteri` characters,
// the cells pointing at `indice` among the shared strings.
QByteArray flussoStringaRipetuta(int celle, int caratteri, quint32 indice)
{
    QByteArray bof;
    aggiungi16(bof, 0x0600);
    aggiungi16(bof, 0x0005);
    aggiungi32(bof, 0);
    aggiungi32(bof, 0);
    aggiungi32(bof, 6);
    QByteArray flusso;
    record(flusso, 0x0809, bof);
    // The shared string, its characters going on in CONTINUE records after a flags byte each.
    QByteArray sst;
    aggiungi32(sst, quint32(celle));
    aggiungi32(sst, 1);
    aggiungi16(sst, quint16(caratteri));
    sst.append('\0');
    int scritti = 0;
    for (bool primo = true; primo || scritti < caratteri; primo = false) {
        QByteArray pezzo = primo ? sst : QByteArray(1, '\0');
        const int qui = std::min(caratteri - scritti, 8224 - int(pezzo.size()));
        pezzo.append(QByteArray(qui, 'x'));
        scritti += qui;
        record(flusso, primo ? 0x00FC : 0x003C, pezzo);
    }
    QByteArray foglio;
    aggiungi32(foglio, 0); // the sheet's offset, set below
    foglio.append('\0').append('\0').append('\1').append('\0').append('S');
    const qsizetype dove = flusso.size() + 4;
    record(flusso, 0x0085, foglio);
    record(flusso, 0x000A, {});
    qToLittleEndian<quint32>(quint32(flusso.size()), flusso.data() + dove);
    bof[2] = 0x10;
    record(flusso, 0x0809, bof);
    for (int i = 0; i < celle; ++i) {
        QByteArray cella;
        aggiungi16(cella, quint16(i / 256));
        aggiungi16(cella, quint16(i % 256));
        aggiungi16(cella, 0);
        aggiungi32(cella, indice);
        record(flusso, 0x00FD, cella);
    }
    record(flusso, 0x000A, {});
    return flusso;
}

} // namespace

QByteArray contenutoFile(const QString& file)
{
    QFile f(file);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void scriviFile(const QString& file, const QByteArray& dati)
{
    // A new file each time: one rewritten in place is written out to the disk at once.
    QFile::remove(file);
    QFile f(file);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(dati);
}

void xlsStringaRipetuta(const QString& file, int celle, int caratteri, quint32 indice)
{
    QByteArray flusso = flussoStringaRipetuta(celle, caratteri, indice);
    flusso.append(QByteArray(std::max<qsizetype>(0, 4096 - flusso.size()), '\0'));
    scriviFile(file, filecomposto({flusso}));
}

void xlsFlussoPiccolo(const QString& file, quint32 miniByte, quint32 dichiarati, bool ciclo)
{
    scriviFile(file, filecomposto({flussoStringaRipetuta(1, 7, 0), miniByte, dichiarati, ciclo}));
}

void xlsCatenaCiclica(const QString& file)
{
    QByteArray flusso = flussoStringaRipetuta(1, 7, 0);
    flusso.append(QByteArray(4096 - flusso.size(), '\0'));
    scriviFile(file, filecomposto({flusso, 0, 2 * 4096, true}));
}

void xlsxColonne(const QString& file, int intervalli, bool sovrapposte)
{
    QByteArray cols = "<cols>";
    for (int i = 1; i <= intervalli; ++i)
        cols += sovrapposte ? QByteArray("<col min=\"1\" max=\"16384\" width=\"9\"/>")
                            : "<col min=\"" + QByteArray::number(i) + "\" max=\"" + QByteArray::number(i) + "\" width=\"9\"/>";
    scriviXlsx(file, cols + "</cols>" + foglioA1);
}

void xlsxCelleVuote(const QString& file, qint64 celle)
{
    QByteArray righe;
    for (qint64 fatte = 0; fatte < celle;) {
        righe += "<row>";
        for (int c = 0; c < 16384 && fatte < celle; ++c, ++fatte)
            righe += "<c s=\"0\"/>";
        righe += "</row>";
    }
    scriviXlsx(file, "<sheetData>" + righe + "</sheetData>");
}

void xlsxAnnidato(const QString& file, int livelli, int volte)
{
    const QByteArray annidati = QByteArray("<a>").repeated(livelli) + QByteArray("</a>").repeated(livelli);
    scriviXlsx(file, "<extLst>" + annidati.repeated(volte) + "</extLst><sheetData/>");
}

void xlsxNomiLunghi(const QString& file, int livelli, int caratteri)
{
    const QByteArray nome(caratteri, 'n');
    const QByteArray annidati = ("<" + nome + ">").repeated(livelli) + ("</" + nome + ">").repeated(livelli);
    scriviXlsx(file, "<extLst>" + annidati + "</extLst><sheetData/>");
}

void xlsxTestoLungo(const QString& file, qint64 caratteri)
{
    scriviXlsx(file, "<sheetData><row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>" + QByteArray(caratteri, 'x')
                         + "</t></is></c></row></sheetData>");
}

void xlsxStringheCondivise(const QString& file, qint64 stringhe, int caratteri)
{
    scriviXlsx(file, "<sheetData><row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c></row></sheetData>",
               ripetuti(stringhe, "<si><t>#</t></si>", caratteri));
}

void xlsxRestoGrande(const QString& file, qint64 elementi)
{
    scriviXlsx(file, "<sheetData/><mergeCells>" + QByteArray("<mergeCell ref=\"A1:B2\"/>").repeated(elementi) + "</mergeCells>");
}

void xlsxAttributi(const QString& file, qint64 attributi)
{
    QByteArray riga = "<row r=\"1\"";
    for (qint64 i = 0; i < attributi; ++i)
        riga += " a" + QByteArray::number(i) + "=\"1\"";
    scriviXlsx(file, "<sheetData>" + riga + "/></sheetData>");
}

void xlsxMolteParti(const QString& file, int parti, int caratteri)
{
    scriviXlsx(file, "<sheetData/>");
    // Put in by libzip itself, which finds a name among thousands at once, stored as they are.
    zip_t* z = zip_open(QFile::encodeName(file).constData(), 0, nullptr);
    for (int i = 0; z && i < parti; ++i) {
        QByteArray nome = "xl/media/parte" + QByteArray::number(i);
        nome += QByteArray(std::max<qsizetype>(0, caratteri - nome.size()), 'n');
        const zip_int64_t indice = zip_file_add(z, nome.constData(), zip_source_buffer(z, "x", 1, 0), 0);
        zip_set_file_compression(z, zip_uint64_t(indice), ZIP_CM_STORE, 0);
    }
    if (z)
        zip_close(z);
}

void xlsxFineFalsa(const QString& file, int parti)
{
    xlsxMolteParti(file, parti);
    // The comment's length in the end record, then the comment: an end record of one entry.
    QByteArray dati = contenutoFile(file);
    QByteArray falso("PK\x05\x06", 4);
    falso += QByteArray("\0\0\0\0\1\0\1\0", 8);
    aggiungi32(falso, 46);
    aggiungi32(falso, quint32(dati.size() - 22 - 46));
    aggiungi16(falso, 0);
    qToLittleEndian<quint16>(quint16(falso.size()), dati.data() + dati.size() - 2);
    scriviFile(file, dati + falso);
}

void xlsxFormatiNumero(const QString& file, qint64 formati, int caratteri)
{
    LibroOstile libro;
    libro.foglio = foglioA1;
    libro.stili = "<numFmts>" + ripetuti(formati, "<numFmt numFmtId=\"200\" formatCode=\"#\"/>", caratteri)
                  + "</numFmts><cellXfs count=\"1\"><xf numFmtId=\"0\"/></cellXfs>";
    scriviXlsx(file, libro);
}

void xlsxFormatiCella(const QString& file, qint64 formati, int caratteri)
{
    LibroOstile libro;
    libro.foglio = foglioA1;
    libro.stili = "<cellXfs>" + ripetuti(formati, "<xf numFmtId=\"0\" a=\"#\"/>", caratteri) + "</cellXfs>";
    scriviXlsx(file, libro);
}

void xlsxFogli(const QString& file, qint64 fogli, int caratteri)
{
    LibroOstile libro;
    libro.foglio = foglioA1;
    libro.fogli = ripetuti(fogli, "<sheet name=\"#\" sheetId=\"1\" r:id=\"r1\"/>", caratteri);
    scriviXlsx(file, libro);
}

void xlsxRelazioni(const QString& file, qint64 relazioni, int caratteri)
{
    LibroOstile libro;
    libro.foglio = foglioA1;
    libro.relazioni = ripetuti(relazioni, "<Relationship Id=\"a@\" Type=\"http://schemas.openxmlformats.org/officeDocument/"
                                          "2006/relationships/image\" Target=\"#\"/>", caratteri);
    scriviXlsx(file, libro);
}

void xlsxRighe(const QString& file, const QByteArray& righe)
{
    scriviXlsx(file, "<sheetData>" + righe + "</sheetData>");
}
