#include "ambiente_test.h"
#include "platform/excel/archivio_zip.h"
#include "platform/excel/errore_excel.h"
#include "platform/excel/libro_excel.h"
#include "platform/excel/limiti_libro.h"
#include "platform/excel/processo_lettura.h"
#include "platform/excel/protocollo_lettura.h"
#include "libri_ostili.h"
#include "lettore_sostituito.h"
#include "lettori_esterni.h"
#include <QFile>
#include <QTemporaryDir>

// Workbooks the program refuses through its reading process: parts past the limits, a reading
// process past its memory, and a reading program that crashes, fails or is missing.
class TestGuastiExcel : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
private slots:
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
        ContoLibro conto(massimoMemoriaLettura);
        QVERIFY(ArchivioZip::leggi(inutile, conto).contiene(QStringLiteral("xl/media/enorme.bin")));
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

    // The reading process runs under its cap of memory whatever program it runs: the one here
    // reads only under it. A workbook that takes the reading past the cap (lowered here below
    // the 35 MB its sheet part asks for) is refused as too large, and the next one is read.
    void memoriaDellaLettura()
    {
        const qint64 cap = memoriaMassimaLettura();
        const QString file = dir.filePath(QStringLiteral("resto_grande.xlsx"));
        xlsxRestoGrande(file, 650000);
        const auto leggi = [&](qint64 memoria) {
            memoriaMassimaLettura() = memoria;
            QString esito = QStringLiteral("read");
            try {
                LibroExcel::apri(file);
            } catch (const ErroreExcel& e) {
                esito = e.descrizione;
            }
            memoriaMassimaLettura() = cap;
            return esito;
        };
        {
            const LettoreSostituito limitato(dir.filePath(QStringLiteral("lettore_sotto_il_limite")),
                                             "[ \"$(ulimit -d)\" = " + QByteArray::number(cap / 1024)
                                                 + " ] || exit 3\nexec \"$VERO\" \"$@\"");
            QCOMPARE(leggi(cap), QStringLiteral("read"));
        }
        QCOMPARE(leggi(16 << 20), QStringLiteral("La cartella di lavoro %1 non si può leggere: la cartella di lavoro è "
                                                 "troppo grande da leggere").arg(file));
        QCOMPARE(leggi(cap), QStringLiteral("read"));
    }

    // A workbook is opened by the reading process only, never by the program: the program names
    // a file of other bytes, the reading program reads the workbook, and the program has it,
    // an .xlsx as an .xls; the file named is left as it was.
    void soloIlProcessoDiLettura_data()
    {
        QTest::addColumn<QString>("libro");
        QTest::addColumn<QString>("a1");
        QTest::newRow("xlsx") << "dati_1900.xlsx" << "Matricola";
        QTest::newRow("xls") << "dati_1900.xls" << "Matricola";
    }
    void soloIlProcessoDiLettura()
    {
        QFETCH(QString, libro);
        QFETCH(QString, a1);
        const QString finto = dir.filePath(QStringLiteral("finto_") + libro);
        scriviFile(finto, "non sono un libro");
        std::unique_ptr<LibroExcel> letto;
        {
            const LettoreSostituito altrove(dir.filePath(QStringLiteral("lettore_altrove")),
                                            leggeAltrove(finto, QStringLiteral(FIXTURE_EXCEL "/") + libro));
            letto = LibroExcel::apri(finto);
        }
        QCOMPARE(letto->foglio().valore(QStringLiteral("A1")), a1);
        QCOMPARE(contenutoFile(finto), QByteArray("non sono un libro"));
    }

    // A reading program that crashes or fails half-way, runs out of memory, or is not there,
    // gives a message.
    void programmaDiLetturaGuasto_data()
    {
        QTest::addColumn<QByteArray>("script"); // the reading program; empty: none
        QTest::addColumn<QString>("atteso");
        QTest::newRow("crashes") << QByteArray("kill -SEGV $$") << "si è interrotta: il file è danneggiato";
        QTest::newRow("fails") << QByteArray("exit 3") << "si è interrotta: il file è danneggiato";
        QTest::newRow("stops half-way") << QByteArray("printf '\\004\\005\\000'; exit 0") << "si è interrotta";
        QTest::newRow("runs out of memory") << "exit " + QByteArray::number(uscitaMemoriaEsaurita) << "è troppo grande da leggere";
        QTest::newRow("missing") << QByteArray() << "non si avvia";
    }
    void programmaDiLetturaGuasto()
    {
        QFETCH(QByteArray, script);
        QFETCH(QString, atteso);
        QString letto;
        try {
            const LettoreSostituito guasto(dir.filePath(QStringLiteral("lettore_%1").arg(QTest::currentDataTag())), script);
            letto = LibroExcel::apri(QStringLiteral(FIXTURE_EXCEL "/semplice.xlsx"))->foglio().valore(QStringLiteral("A1"));
        } catch (const ErroreExcel& e) {
            letto = e.descrizione;
        }
        QVERIFY2(letto.contains(atteso), qPrintable(letto));
        QVERIFY2(letto.contains(QStringLiteral("semplice.xlsx")), qPrintable(letto));
    }
};

CORVEXT_TEST_MAIN(TestGuastiExcel)
#include "test_guasti_excel.moc"
