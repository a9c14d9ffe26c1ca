#include "ambiente_test.h"
#include "platform/excel/archivio_zip.h"
#include "platform/excel/errore_excel.h"
#include "platform/excel/libro_excel.h"
#include "platform/excel/limiti_libro.h"
#include "platform/excel/processo_lettura.h"
#include "libri_ostili.h"
#include "lettori_esterni.h"
#include <QFile>
#include <QTemporaryDir>

// Workbooks the program refuses through its reading process: parts past the limits, and a
// reading program that crashes, fails or is missing.
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

    // A reading program that crashes or fails half-way, or is not there, gives a message.
    void programmaDiLetturaGuasto_data()
    {
        QTest::addColumn<QByteArray>("script"); // the reading program; empty: none
        QTest::addColumn<QString>("atteso");
        QTest::newRow("crashes") << QByteArray("kill -SEGV $$") << "si è interrotta: il file è danneggiato";
        QTest::newRow("fails") << QByteArray("exit 3") << "si è interrotta: il file è danneggiato";
        QTest::newRow("stops half-way") << QByteArray("printf '\\004\\005\\000'; exit 0") << "si è interrotta";
        QTest::newRow("missing") << QByteArray() << "non si avvia";
    }
    void programmaDiLetturaGuasto()
    {
        QFETCH(QByteArray, script);
        QFETCH(QString, atteso);
        const QString programma = dir.filePath(QStringLiteral("lettore_%1").arg(QTest::currentDataTag()));
        if (!script.isEmpty()) {
            scriviFile(programma, "#!/bin/sh\n" + script + '\n');
            QFile::setPermissions(programma, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        const QString vero = programmaDiLettura();
        programmaDiLettura() = programma;
        QString letto;
        try {
            letto = LibroExcel::apri(QStringLiteral(FIXTURE_EXCEL "/semplice.xlsx"))->foglio().valore(QStringLiteral("A1"));
        } catch (const ErroreExcel& e) {
            letto = e.descrizione;
        }
        programmaDiLettura() = vero;
        QVERIFY2(letto.contains(atteso), qPrintable(letto));
        QVERIFY2(letto.contains(QStringLiteral("semplice.xlsx")), qPrintable(letto));
    }
};

CORVEXT_TEST_MAIN(TestGuastiExcel)
#include "test_guasti_excel.moc"
