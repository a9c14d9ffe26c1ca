// The XML reader of the workbooks, ours, against Qt's QXmlStreamReader and expat, each doing
// the reading's work on the large parts of a centre's workbook: every cell's attributes and
// the texts of its values and strings, decoded. The workbooks: 10,000 and 50,000 rows of 43
// columns, written by openpyxl (inline strings: the sheet part) and by LibreOffice (shared
// strings: their part, then the sheet's). Each run in a process of its own, for its peak
// memory; the limit is the parts inflated by libzip and nothing else. Medians of 5 runs.
// Run by hand: bench_lettore_xml
#include "misure.h"
#include "picchi_memoria.h"
#include "platform/excel/archivio_zip.h"
#include "platform/excel/lettore_xml.h"
#include "platform/excel/limiti_libro.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <cstdio>
#include <cstring>
#include <expat.h>

namespace {
constexpr int ripetizioni = 5;
constexpr qint64 pezzo = 256 * 1024;

// What each reader finds: cells, and the characters of their attributes and texts.
struct Conta {
    long long celle = 0, caratteri = 0;
};

Conta nostro(FlussoZip& flusso)
{
    Conta n;
    LettoreXml xml(flusso, "di prova");
    bool valore = false;
    using Evento = LettoreXml::Evento;
    for (Evento e; (e = xml.prossimo()) != Evento::FineDocumento;) {
        if (e == Evento::Inizio) {
            if (xml.nome() == "c") {
                ++n.celle;
                for (const auto& [a, v] : xml.attributi())
                    n.caratteri += qsizetype(v.size());
            }
            valore = xml.nome() == "t" || xml.nome() == "v";
        } else if (e == Evento::Testo && valore) {
            n.caratteri += qsizetype(xml.testo().size());
        } else if (e == Evento::Fine) {
            valore = false;
        }
    }
    return n;
}

Conta qt(FlussoZip& flusso)
{
    Conta n;
    QXmlStreamReader xml;
    QByteArray dati(pezzo, '\0');
    bool valore = false;
    for (;;) {
        while (!xml.atEnd()) {
            const QXmlStreamReader::TokenType t = xml.readNext();
            if (t == QXmlStreamReader::StartElement) {
                if (xml.name() == u"c") {
                    ++n.celle;
                    for (const QXmlStreamAttribute& a : xml.attributes())
                        n.caratteri += a.value().toUtf8().size();
                }
                valore = xml.name() == u"t" || xml.name() == u"v";
            } else if (t == QXmlStreamReader::Characters && valore) {
                n.caratteri += xml.text().toUtf8().size();
            } else if (t == QXmlStreamReader::EndElement) {
                valore = false;
            } else if (t == QXmlStreamReader::Invalid) {
                break;
            }
        }
        if (xml.hasError() && xml.error() != QXmlStreamReader::PrematureEndOfDocumentError)
            std::exit(3);
        const qint64 letti = flusso.leggi(dati.data(), pezzo);
        if (letti == 0)
            return n;
        xml.addData(dati.left(letti));
    }
}

struct StatoExpat {
    Conta n;
    bool valore = false;
};

Conta expat(FlussoZip& flusso)
{
    StatoExpat stato;
    XML_Parser xml = XML_ParserCreate(nullptr);
    XML_SetUserData(xml, &stato);
    XML_SetElementHandler(
        xml,
        [](void* s, const char* nome, const char** attributi) {
            auto& stato = *static_cast<StatoExpat*>(s);
            if (std::strcmp(nome, "c") == 0) {
                ++stato.n.celle;
                for (; *attributi; attributi += 2)
                    stato.n.caratteri += qsizetype(std::strlen(attributi[1]));
            }
            stato.valore = std::strcmp(nome, "t") == 0 || std::strcmp(nome, "v") == 0;
        },
        [](void* s, const char*) { static_cast<StatoExpat*>(s)->valore = false; });
    XML_SetCharacterDataHandler(xml, [](void* s, const char* testo, int lunghezza) {
        auto& stato = *static_cast<StatoExpat*>(s);
        if (stato.valore)
            stato.n.caratteri += lunghezza;
        (void)testo;
    });
    for (;;) {
        void* dati = XML_GetBuffer(xml, int(pezzo));
        const qint64 letti = flusso.leggi(static_cast<char*>(dati), pezzo);
        if (XML_ParseBuffer(xml, int(letti), letti == 0) == XML_STATUS_ERROR)
            std::exit(3);
        if (letti == 0)
            break;
    }
    XML_ParserFree(xml);
    return stato.n;
}

Conta soloZip(FlussoZip& flusso)
{
    Conta n;
    QByteArray dati(pezzo, '\0');
    for (qint64 letti; (letti = flusso.leggi(dati.data(), pezzo)) > 0;)
        n.caratteri += letti;
    return n;
}

// The child's work: the parts with one reader; prints "ms peak-kB cells characters".
int leggi(const QString& lettore, const QString& file, const QStringList& parti)
{
    const auto leggiParte = lettore == u"ours" ? nostro : lettore == u"qt" ? qt : lettore == u"expat" ? expat : soloZip;
    QElapsedTimer t;
    t.start();
    ContoLibro conto(massimoMemoriaLettura);
    const ArchivioZip archivio = ArchivioZip::leggi(file, conto);
    Conta totale;
    for (const QString& parte : parti) {
        const Conta n = leggiParte(*archivio.flusso(parte));
        totale.celle += n.celle;
        totale.caratteri += n.caratteri;
    }
    std::printf("%f %ld %lld %lld\n", ms(t), piccoKb(), totale.celle, totale.caratteri);
    return 0;
}

struct Misura {
    double ms = 0, ms1 = 0, ms2 = 0, mb = 0;
    QByteArray conta;
};

Misura misura(const QString& lettore, const QString& file, const QStringList& parti)
{
    QList<double> tempi, picchi;
    Misura m;
    for (int i = 0; i < ripetizioni; ++i) {
        QProcess p;
        p.start(QCoreApplication::applicationFilePath(), QStringList{QStringLiteral("--leggi"), lettore, file} + parti);
        p.waitForFinished(-1);
        const QList<QByteArray> campi = p.readAllStandardOutput().simplified().split(' ');
        if (campi.size() != 4) {
            std::fprintf(stderr, "%s failed\n", qPrintable(lettore));
            std::exit(1);
        }
        tempi << campi[0].toDouble();
        picchi << campi[1].toDouble() / 1024;
        m.conta = campi[2] + ' ' + campi[3];
    }
    m.ms = mediana(tempi);
    m.ms1 = *std::min_element(tempi.begin(), tempi.end());
    m.ms2 = *std::max_element(tempi.begin(), tempi.end());
    m.mb = mediana(picchi);
    return m;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList argomenti = app.arguments();
    if (argomenti.size() >= 5 && argomenti[1] == QLatin1String("--leggi"))
        return leggi(argomenti[2], argomenti[3], argomenti.mid(4));
    QTemporaryDir dir;
    std::printf("%-44s %-7s %10s %17s %9s %8s\n", "workbook", "reader", "ms", "(fastest-slowest)", "peak MB", "x limit");
    for (const int righe : {10000, 50000}) {
        const QString openpyxl = dir.filePath(QStringLiteral("openpyxl%1.xlsx").arg(righe));
        QProcess python;
        python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(LIBRO_OPENPYXL), openpyxl, QString::number(righe)});
        python.waitForFinished(-1);
        QProcess soffice;
        soffice.start(QStringLiteral("soffice"),
                      {QStringLiteral("-env:UserInstallation=file://") + dir.filePath(QStringLiteral("profilo")),
                       QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("xlsx"),
                       QStringLiteral("--outdir"), dir.filePath(QStringLiteral("lo%1").arg(righe)), openpyxl});
        soffice.waitForFinished(-1);
        const QString libreoffice = dir.filePath(QStringLiteral("lo%1/openpyxl%1.xlsx").arg(righe));
        const QList<std::tuple<QString, QString, QStringList>> libri = {
            {QStringLiteral("%1 rows, openpyxl, inline strings").arg(righe), openpyxl, {QStringLiteral("xl/worksheets/sheet1.xml")}},
            {QStringLiteral("%1 rows, LibreOffice, shared strings").arg(righe), libreoffice,
             {QStringLiteral("xl/sharedStrings.xml"), QStringLiteral("xl/worksheets/sheet1.xml")}},
        };
        for (const auto& [nome, file, parti] : libri) {
            if (!QFile::exists(file))
                continue;
            const Misura limite = misura(QStringLiteral("zip"), file, parti);
            QByteArray conta;
            for (const QString& lettore : {QStringLiteral("zip"), QStringLiteral("ours"), QStringLiteral("expat"), QStringLiteral("qt")}) {
                const Misura m = lettore == u"zip" ? limite : misura(lettore, file, parti);
                if (lettore != u"zip" && !conta.isEmpty() && m.conta != conta)
                    std::printf("  (%s found other cells or texts: %s against %s)\n", qPrintable(lettore), m.conta.constData(),
                                conta.constData());
                if (lettore != u"zip")
                    conta = m.conta;
                std::printf("%-44s %-7s %10.0f %8.0f-%-8.0f %9.1f %8.2f\n", qPrintable(nome), qPrintable(lettore), m.ms, m.ms1,
                            m.ms2, m.mb, m.ms / limite.ms);
            }
        }
    }
    return 0;
}
