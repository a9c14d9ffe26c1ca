#include "platform/excel/lettura_biff.h"
#include "platform/excel/dati_binari.h"
#include "platform/excel/limiti_libro.h"
#include "platform/excel/record_biff.h"
#include "platform/excel/stili.h"
#include <QStringDecoder>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

enum : uint16_t {
    recFormula = 0x0006, recEof = 0x000A, recDatemode = 0x0022, recFilepass = 0x002F, recWindow1 = 0x003D,
    recCodepage = 0x0042, recBoundsheet = 0x0085, recMulrk = 0x00BD, recRstring = 0x00D6, recXf = 0x00E0, recSst = 0x00FC,
    recLabelsst = 0x00FD, recNumber = 0x0203, recLabel = 0x0204, recBoolerr = 0x0205, recString = 0x0207,
    recRk = 0x027E, recFormat = 0x041E, recBof = 0x0809,
};

[[noreturn]] void danneggiato(const char* motivo = "biff")
{
    throw std::runtime_error(motivo);
}

double rk(uint32_t v)
{
    double d;
    if (v & 2) {
        d = double(int32_t(v) >> 2);
    } else {
        const uint64_t bit = uint64_t(v & 0xFFFFFFFC) << 32;
        std::memcpy(&d, &bit, 8);
    }
    return v & 1 ? d / 100 : d;
}

const char* erroreExcel(uint8_t codice)
{
    switch (codice) {
    case 0x00: return "#NULL!";
    case 0x07: return "#DIV/0!";
    case 0x0F: return "#VALUE!";
    case 0x17: return "#REF!";
    case 0x1D: return "#NAME?";
    case 0x24: return "#NUM!";
    default: return "#N/A";
    }
}

constexpr uint16_t codepageUtf16 = 1200;

// The code page of a BIFF5 workbook's texts (CODEPAGE record), by the name the converter knows.
// The texts are 8-bit: a code page of Unicode (UTF-16's 1200 among them, which Gnumeric keeps
// when it saves as Excel 95 a workbook of Excel 97) reads as windows-1252, as other readers read it.
QByteArray nomeCodifica(uint16_t codepage)
{
    switch (codepage) {
    case 367: return "US-ASCII";
    case 10000:
    case 32768: return "macintosh";
    case codepageUtf16:
    case 1201:  // UTF-16 big-endian
    case 12000: // UTF-32
    case 12001:
    case 65000: // UTF-7
    case 65001: // UTF-8
    case 32769: return "windows-1252";
    default: return "cp" + QByteArray::number(codepage);
    }
}

// A BIFF5 text: its length in one or two bytes, then its bytes.
std::string_view testoBiff5(std::string_view dati, size_t dove, size_t byteLunghezza)
{
    if (dove + byteLunghezza > dati.size())
        danneggiato();
    const size_t lunghezza = byteLunghezza == 1 ? uint8_t(dati[dove]) : u16(dati, dove);
    if (dove + byteLunghezza + lunghezza > dati.size())
        danneggiato();
    return dati.substr(dove + byteLunghezza, lunghezza);
}

// The workbook globals a sheet's cells need.
struct Globali {
    bool biff5 = false;          // Excel 5 and 95: 8-bit texts in the code page, no shared strings
    mutable QStringDecoder codifica{"windows-1252"};
    // Under code page 1200 Gnumeric writes a text past ASCII in UTF-16, its byte count as length.
    bool utf16 = false;
    uint32_t stringhe = 0;       // the shared strings handed over
    std::vector<uint16_t> formatoXf; // each cell format's number format
    std::map<uint16_t, Mostra> formati; // the number formats the workbook defines, and what each shows
    struct Foglio {
        uint32_t inizio;
        uint8_t tipo;
    };
    std::vector<Foglio> fogli;
    size_t attivo = SIZE_MAX; // from the first window's record
    bool sistema1904 = false;

    TipoBiff tipoNumero(uint16_t xf) const
    {
        if (xf >= formatoXf.size())
            return TipoBiff::Numero;
        const uint16_t id = formatoXf[xf];
        // A format the file defines wins over the built-in one of the same number (Gnumeric
        // numbers its own from 50).
        const auto f = formati.find(id);
        switch (f != formati.end() ? f->second : mostraPredefinito(id)) {
        case Mostra::Data:
            return TipoBiff::Data;
        case Mostra::Ora:
            return TipoBiff::Ora;
        case Mostra::Durata:
            return TipoBiff::Durata;
        case Mostra::Numero:
            break;
        }
        return TipoBiff::Numero;
    }

    // A BIFF5 text in UTF-8. One of UTF-16 is told by the NUL bytes of its characters up to
    // U+00FF, which no 8-bit text holds.
    void testo8bit(std::string_view byte, std::string& utf8) const
    {
        const QByteArrayView dati(byte.data(), qsizetype(byte.size()));
        if (utf16 && byte.size() % 2 == 0 && byte.find('\0') != std::string_view::npos) {
            utf8 = QString(QStringDecoder(QStringDecoder::Utf16LE)(dati)).toStdString();
            return;
        }
        codifica.resetState();
        utf8 = QString(codifica(dati)).toStdString();
    }

    // The text of a record from `dove`, in UTF-8: a BIFF8 string (its flags byte and its
    // characters), or BIFF5 bytes after a length of `byteLunghezza5` bytes.
    void testo(std::string_view dati, size_t dove, size_t byteLunghezza5, std::string& utf8) const
    {
        if (biff5) {
            testo8bit(testoBiff5(dati, dove, byteLunghezza5), utf8);
        } else {
            Segmenti s({dati.substr(std::min(dove, dati.size()))});
            s.stringa(utf8);
        }
    }
};

Globali leggiGlobali(Records& records, bool biff5, CelleBiff& celle, ContoLibro& conto)
{
    Globali g;
    g.biff5 = biff5;
    ElencoContato xf(conto, "formati di cella", sizeof(uint16_t)), formati(conto, "formati di numero", 64),
        fogli(conto, "fogli", sizeof(Globali::Foglio));
    std::string testo;
    for (Record r; records.prossimo(r) && r.tipo != recEof;) {
        switch (r.tipo) {
        case recDatemode:
            g.sistema1904 = u16(r.dati, 0) == 1;
            break;
        case recXf:
            xf.voce();
            g.formatoXf.push_back(u16(r.dati, 2));
            break;
        case recCodepage:
            if (biff5) {
                g.utf16 = u16(r.dati, 0) == codepageUtf16;
                g.codifica = QStringDecoder(nomeCodifica(u16(r.dati, 0)).constData());
                if (!g.codifica.isValid())
                    g.codifica = QStringDecoder("windows-1252");
            }
            break;
        case recFormat: {
            g.testo(r.dati, 2, 1, testo);
            const QString codice = QString::fromUtf8(testo.data(), qsizetype(testo.size()));
            formati.voce();
            g.formati[u16(r.dati, 0)] = mostraCodice(codice);
            break;
        }
        case recSst: {
            Segmenti s = records.conSeguito(r);
            s.salta(4);
            const uint32_t quante = s.u32();
            // Each string is handed over as it is read.
            for (; g.stringhe < quante && !s.finiti(); ++g.stringhe) {
                s.stringa(testo);
                celle.stringaCondivisa(testo);
            }
            break;
        }
        case recBoundsheet:
            if (r.dati.size() < 6)
                danneggiato();
            fogli.voce();
            g.fogli.push_back({u32(r.dati, 0), uint8_t(r.dati[5])});
            break;
        case recWindow1:
            if (g.attivo == SIZE_MAX)
                g.attivo = u16(r.dati, 10);
            break;
        case recFilepass:
            danneggiato("password");
        default:
            break;
        }
    }
    return g;
}

void leggiFoglio(Records& records, const Globali& g, CelleBiff& celle)
{
    char numero[40];
    const auto cella = [&](unsigned riga, unsigned colonna, TipoBiff tipo, std::string_view valore) {
        celle.cella(riga, colonna, tipo, valore);
    };
    const auto numeroCella = [&](uint16_t riga, uint16_t colonna, uint16_t xf, double valore) {
        std::snprintf(numero, sizeof numero, "%.17g", valore);
        cella(riga + 1u, colonna + 1u, g.tipoNumero(xf), numero);
    };
    std::string testo;
    int livello = 0;
    bool stringaAttesa = false; // a formula's text result comes in the next STRING record
    uint16_t rigaAttesa = 0, colonnaAttesa = 0;
    for (Record r; records.prossimo(r);) {
        if (r.tipo == recBof) {
            ++livello;
            continue;
        }
        if (r.tipo == recEof) {
            if (--livello <= 0)
                return;
            continue;
        }
        if (livello != 1)
            continue; // a chart's records inside the sheet
        const std::string_view d = r.dati;
        switch (r.tipo) {
        case recLabelsst: {
            const uint32_t indice = u32(d, 6);
            if (indice >= g.stringhe)
                danneggiato();
            celle.cellaCondivisa(u16(d, 0) + 1u, u16(d, 2) + 1u, indice);
            break;
        }
        case recLabel:
        case recRstring: {
            g.testo(d, 6, 2, testo);
            cella(u16(d, 0) + 1u, u16(d, 2) + 1u, TipoBiff::Testo, testo);
            break;
        }
        case recNumber: {
            if (d.size() < 14)
                danneggiato();
            double valore;
            std::memcpy(&valore, d.data() + 6, 8);
            numeroCella(u16(d, 0), u16(d, 2), u16(d, 4), valore);
            break;
        }
        case recRk:
            numeroCella(u16(d, 0), u16(d, 2), u16(d, 4), rk(u32(d, 6)));
            break;
        case recMulrk:
            for (size_t i = 4, c = u16(d, 2); i + 6 + 2 <= d.size(); i += 6, ++c)
                numeroCella(u16(d, 0), uint16_t(c), u16(d, i), rk(u32(d, i + 2)));
            break;
        case recBoolerr:
            if (d.size() < 8)
                danneggiato();
            if (d[7])
                cella(u16(d, 0) + 1u, u16(d, 2) + 1u, TipoBiff::Errore, erroreExcel(uint8_t(d[6])));
            else
                cella(u16(d, 0) + 1u, u16(d, 2) + 1u, TipoBiff::Booleano, d[6] ? "1" : "0");
            break;
        case recFormula: {
            if (d.size() < 14)
                danneggiato();
            const uint16_t riga = u16(d, 0), colonna = u16(d, 2);
            stringaAttesa = false;
            if (u16(d, 12) != 0xFFFF) {
                double valore;
                std::memcpy(&valore, d.data() + 6, 8);
                numeroCella(riga, colonna, u16(d, 4), valore);
            } else if (d[6] == 0) {
                stringaAttesa = true;
                rigaAttesa = riga;
                colonnaAttesa = colonna;
            } else if (d[6] == 1) {
                cella(riga + 1u, colonna + 1u, TipoBiff::Booleano, d[8] ? "1" : "0");
            } else if (d[6] == 2) {
                cella(riga + 1u, colonna + 1u, TipoBiff::Errore, erroreExcel(uint8_t(d[8])));
            }
            break;
        }
        case recString:
            if (stringaAttesa) {
                if (g.biff5) {
                    g.testo8bit(testoBiff5(r.dati, 0, 2), testo);
                } else {
                    Segmenti s = records.conSeguito(r);
                    s.stringa(testo);
                }
                cella(rigaAttesa + 1u, colonnaAttesa + 1u, TipoBiff::Testo, testo);
                stringaAttesa = false;
            }
            break;
        default:
            break;
        }
    }
}

} // namespace

void leggiBiff(FlussoComposto& flusso, bool& sistema1904, CelleBiff& celle, ContoLibro& conto)
{
    Records records(flusso);
    Record bof;
    if (!records.prossimo(bof) || bof.tipo != recBof)
        danneggiato();
    const uint16_t versione = u16(bof.dati, 0);
    if (versione != 0x0600 && versione != 0x0500)
        danneggiato();
    const Globali globali = leggiGlobali(records, versione == 0x0500, celle, conto);
    sistema1904 = globali.sistema1904;
    if (globali.fogli.empty())
        danneggiato();
    const Globali::Foglio& foglio = globali.fogli[globali.attivo < globali.fogli.size() ? globali.attivo : 0];
    if (foglio.tipo != 0)
        danneggiato("foglio");
    records.vai(foglio.inizio);
    leggiFoglio(records, globali, celle);
}
