#include "ambiente_test.h"
#include "platform/excel/archivio_zip.h"
#include "platform/excel/errore_excel.h"
#include "platform/excel/libro_excel.h"
#include "lettori_esterni.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <random>

// Workbooks of every shape: thousands of damaged copies of the fixtures. Each either opens,
// reads and saves, or gives an ErroreExcel; nothing else may happen, a crash least of all.
class TestGuastiExcel : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::mt19937 caso{20240611};

    int aCaso(int n) { return int(caso() % unsigned(std::max(n, 1))); }

    QByteArray leggi(const QString& file)
    {
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

    void scrivi(const QString& file, const QByteArray& dati)
    {
        QFile f(file);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(dati);
    }

    // Fragments that push a reader to its limits.
    QByteArray frammento()
    {
        static const char* frammenti[] = {
            "<", ">", "\"", "&", "&#0;", "<row>", "</row>", "<c r=\"XFD1048576\"><v>1</v></c>", "r=\"A0\"",
            "r=\"ZZZZ9\"", "t=\"s\"", "t=\"d\"", "t=\"b\"", "t=\"zz\"", "s=\"99999999\"", "s=\"-1\"",
            "<v>99999999999999999999</v>", "<v>nan</v>", "<v>1e999</v>", "<v>-</v>", "activeTab=\"-1\"",
            "activeTab=\"9\"", "date1904=\"1\"", "min=\"0\"", "max=\"99999\"", "_x", "_xD800_", "_x0000_",
            "\xff\xfe", "\xc3", "<?xml", "<!DOCTYPE a [<!ENTITY e \"x\">]>", "<![CDATA[", "r=\"A1\"",
            "Target=\"../../../../etc/passwd\"", "Target=\"/\"", "<sheetData/>", "numFmtId=\"14\"",
        };
        return QByteArray(frammenti[aCaso(std::size(frammenti))]);
    }

    QByteArray muta(QByteArray dati)
    {
        const int volte = 1 + aCaso(4);
        for (int i = 0; i < volte; ++i) {
            const int dove = aCaso(int(dati.size()));
            switch (aCaso(5)) {
            case 0: // a byte changed
                if (!dati.isEmpty())
                    dati[dove] = char(caso());
                break;
            case 1: // a stretch dropped
                dati.remove(dove, 1 + aCaso(64));
                break;
            case 2: // a stretch repeated
                dati.insert(dove, dati.mid(dove, 1 + aCaso(200)));
                break;
            case 3: // a fragment put in
                dati.insert(dove, frammento());
                break;
            default: // cut short
                dati.truncate(dove);
            }
        }
        return dati;
    }

    // Open, read every cell that could be there, format, fit and save: only ErroreExcel may stop it.
    void prova(const QString& file, int& aperti, int& rifiutati)
    {
        try {
            const auto libro = LibroExcel::apri(file);
            ++aperti;
            Foglio& foglio = libro->foglio();
            for (int r = 1; r <= 8; ++r)
                for (int c = 1; c <= 20; ++c)
                    foglio.valore(lettereColonna(c) + QString::number(r));
            foglio.scrivi(QStringLiteral("A1"), QStringLiteral("scritto"));
            foglio.formattaTesto();
            foglio.adattaColonne();
            libro->salva();
            QCOMPARE(LibroExcel::apri(file)->foglio().valore(QStringLiteral("A1")), QStringLiteral("scritto"));
        } catch (const ErroreExcel& e) {
            ++rifiutati;
            QVERIFY2(!e.descrizione.isEmpty(), "an empty message");
        }
    }

private slots:
    // The parts of the .xlsx damaged one by one, zipped again, so that the XML readers see them.
    void particiXlsxGuaste()
    {
        const ArchivioZip originale = ArchivioZip::leggi(QStringLiteral(FIXTURE_EXCEL "/dati_1900.xlsx"));
        const QStringList parti = {QStringLiteral("xl/workbook.xml"), QStringLiteral("xl/worksheets/sheet2.xml"),
                                   QStringLiteral("xl/sharedStrings.xml"), QStringLiteral("xl/styles.xml"),
                                   QStringLiteral("xl/_rels/workbook.xml.rels"), QStringLiteral("_rels/.rels"),
                                   QStringLiteral("[Content_Types].xml")};
        const QString file = dir.filePath(QStringLiteral("guasto.xlsx"));
        int aperti = 0, rifiutati = 0;
        for (int i = 0; i < 3000; ++i) {
            ArchivioZip archivio = originale;
            const QString parte = parti[aCaso(int(parti.size()))];
            if (aCaso(20) == 0)
                archivio.togli(parte);
            else
                archivio.poni(parte, muta(originale.parte(parte)));
            archivio.scrivi(file);
            prova(file, aperti, rifiutati);
            if (QTest::currentTestFailed())
                return;
        }
        qInfo("xlsx parts: %d opened, %d refused", aperti, rifiutati);
        QVERIFY(aperti > 0 && rifiutati > 0);
    }

    void fileGuasti_data()
    {
        QTest::addColumn<QString>("sorgente");
        QTest::addColumn<int>("quanti");
        QTest::newRow("xlsx bytes") << QStringLiteral("dati_1900.xlsx") << 1000;
        QTest::newRow("xls bytes") << QStringLiteral("semplice.xls") << 1000;
        QTest::newRow("xls with shared strings, bytes") << QStringLiteral("dati_1900.xls") << 2000;
        QTest::newRow("xls of Excel 95, bytes") << QStringLiteral("gnumeric95.xls") << 2000;
        QTest::newRow("xls with an embedded workbook, bytes") << QStringLiteral("incorporato.xls") << 1000;
    }
    void fileGuasti()
    {
        QFETCH(QString, sorgente);
        QFETCH(int, quanti);
        const QByteArray originale = leggi(QStringLiteral(FIXTURE_EXCEL "/") + sorgente);
        const QString file = dir.filePath(QStringLiteral("guasto_") + sorgente);
        int aperti = 0, rifiutati = 0;
        for (int i = 0; i < quanti; ++i) {
            scrivi(file, muta(originale));
            prova(file, aperti, rifiutati);
            if (QTest::currentTestFailed())
                return;
        }
        qInfo("%s: %d opened, %d refused", qPrintable(sorgente), aperti, rifiutati);
    }

    // Parts past the limits: one nothing reads is never inflated, and is kept on saving; the
    // sheet and a text past theirs stop the reading with a message.
    void partiEnormi()
    {
        const QString inutile = dir.filePath(QStringLiteral("inutile.xlsx"));
        const QString foglio = dir.filePath(QStringLiteral("foglio_enorme.xlsx"));
        const QString testo = dir.filePath(QStringLiteral("testo_enorme.xlsx"));
        eseguiPython(QStringLiteral(FIXTURE_EXCEL "/parti_enormi.py"),
                     {QStringLiteral(FIXTURE_EXCEL "/dati_1900.xlsx"), QStringLiteral("xl/worksheets/sheet2.xml"), inutile,
                      foglio, testo});
        {
            const auto libro = LibroExcel::apri(inutile);
            QCOMPARE(libro->foglio().valore(QStringLiteral("A1")), QStringLiteral("Matricola"));
            libro->foglio().scrivi(QStringLiteral("A1"), QStringLiteral("scritto"));
            libro->salva();
        }
        QCOMPARE(LibroExcel::apri(inutile)->foglio().valore(QStringLiteral("A1")), QStringLiteral("scritto"));
        QVERIFY(ArchivioZip::leggi(inutile).contiene(QStringLiteral("xl/media/enorme.bin")));
        for (const auto& [file, messaggio] :
             {std::pair{foglio, QStringLiteral("supera il limite di 512 MB (una parte dell'archivio, decompressa)")},
              std::pair{testo, QStringLiteral("supera il limite di 32.767 caratteri (testo di una cella)")}}) {
            try {
                LibroExcel::apri(file);
                QFAIL("opened");
            } catch (const ErroreExcel& e) {
                QVERIFY2(e.descrizione.contains(messaggio), qPrintable(e.descrizione));
            }
        }
    }

    // A damaged .xls that made FreeXL crash is read.
    void xlsDanneggiato()
    {
        int aperti = 0, rifiutati = 0;
        prova(QStringLiteral(FIXTURE_EXCEL "/fa_cadere_freexl.xls"), aperti, rifiutati);
        QCOMPARE(aperti, 1);
    }
};

CORVEXT_TEST_MAIN(TestGuastiExcel)
#include "test_guasti_excel.moc"
