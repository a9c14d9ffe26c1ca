#include "ambiente_test.h"
#include "platform/excel/errore_excel.h"
#include "lettori_esterni.h"
#include "platform/excel/libro_excel.h"
#include <QFile>
#include <QTemporaryDir>
#include <map>
#include <memory>

namespace {

QString fixture(const QString& nome)
{
    return QStringLiteral(FIXTURE_EXCEL "/") + nome;
}

// Texts that a careless writer loses or turns into something else.
QList<QPair<QString, QString>> testiDifficili()
{
    return {
        {QStringLiteral("A2"), QStringLiteral("00100")},
        {QStringLiteral("B2"), QStringLiteral("01/03/2005")},
        {QStringLiteral("C2"), QStringLiteral("1E5")},
        {QStringLiteral("D2"), QStringLiteral("  blank ai lati  ")},
        {QStringLiteral("E2"), QStringLiteral("a < b && c > \"d\" 'e'")},
        {QStringLiteral("F2"), QStringLiteral("_x0041_ resta così")},
        {QStringLiteral("G2"), QStringLiteral("Località àèìòù € 🔥")},
        {QStringLiteral("H2"), QStringLiteral("riga uno\nriga due")},
        {QStringLiteral("I2"), QStringLiteral("=SOMMA(A1:A2)")},
        {QStringLiteral("AQ3"), QStringLiteral("ultima colonna")},
        {QStringLiteral("R10001"), QStringLiteral("SERIALE")},
    };
}

} // namespace

// The workbook layer on workbooks of spreadsheet programs and on what it writes itself.
class TestLibroExcel : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QMap<QString, QString> misti; // the mixed workbook by its maker
    std::map<QString, std::unique_ptr<LibroExcel>> letti;

    // The workbook opened once for every test that only reads it (an .xls takes a second).
    const Foglio& foglioDi(const QString& file)
    {
        std::unique_ptr<LibroExcel>& libro = letti[file];
        if (!libro)
            libro = LibroExcel::apri(file);
        return libro->foglio();
    }


    QString copia(const QString& sorgente, const QString& nome)
    {
        const QString destinazione = dir.filePath(nome);
        QFile::remove(destinazione);
        QFile::copy(sorgente, destinazione);
        QFile(destinazione).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        return destinazione;
    }

private slots:
    // The mixed workbook as openpyxl writes it, and as LibreOffice converts it to each format.
    void initTestCase()
    {
        const QString misto = dir.filePath(QStringLiteral("misto.xlsx"));
        eseguiPython(QStringLiteral(FIXTURE_EXCEL "/libro_misto.py"), {misto});
        const QString cartella = dir.filePath(QStringLiteral("libreoffice"));
        QVERIFY(QDir().mkpath(cartella));
        misti[QStringLiteral("openpyxl xlsx")] = misto;
        misti[QStringLiteral("LibreOffice xlsx")] = convertiConLibreOffice(misto, QStringLiteral("xlsx"), cartella);
        misti[QStringLiteral("LibreOffice xls")] = convertiConLibreOffice(misto, QStringLiteral("xls"), cartella);
        for (const QString& file : std::as_const(misti))
            QVERIFY2(QFileInfo::exists(file), "the mixed workbook was not made");
    }
    void leggeLeCelle_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("indirizzo");
        QTest::addColumn<QString>("atteso");
        const QString x1900 = QStringLiteral("dati_1900.xlsx");
        QTest::newRow("active sheet is the second") << x1900 << "A1" << "Matricola";
        QTest::newRow("rich text runs, phonetic left out") << x1900 << "B1" << "Rossi Mario";
        QTest::newRow("leading zeros in a shared string") << x1900 << "C1" << "00100";
        QTest::newRow("escaped characters") << x1900 << "D1" << "A\rB & _x0041_";
        QTest::newRow("accented letters") << x1900 << "E1" << "Località àèìòù €";
        QTest::newRow("integer") << x1900 << "A2" << "1234567";
        QTest::newRow("decimal") << x1900 << "B2" << "0,5";
        QTest::newRow("negative decimal") << x1900 << "C2" << "-1234,25";
        QTest::newRow("huge number") << x1900 << "D2" << "1E+25";
        QTest::newRow("binary noise") << x1900 << "E2" << "0,3";
        QTest::newRow("long serial as number") << x1900 << "F2" << "12345678901234";
        QTest::newRow("exponent in the file") << x1900 << "G2" << "0,0015";
        QTest::newRow("built-in date format") << x1900 << "A3" << "01/03/2005";
        QTest::newRow("custom date format") << x1900 << "B3" << "02/01/1900";
        QTest::newRow("day after 29 Feb 1900") << x1900 << "C3" << "01/03/1900";
        QTest::newRow("29 Feb 1900") << x1900 << "D3" << "29/02/1900";
        QTest::newRow("time alone") << x1900 << "E3" << "12:00:00";
        QTest::newRow("date and time") << x1900 << "F3" << "01/03/2005";
        QTest::newRow("inline string keeps blanks") << x1900 << "A4" << "  spazi  ";
        QTest::newRow("formula result") << x1900 << "B4" << "MatricolaX";
        QTest::newRow("boolean") << x1900 << "C4" << "VERO";
        QTest::newRow("format only") << x1900 << "D4" << "";
        QTest::newRow("rich inline string") << x1900 << "E4" << "ricco";
        QTest::newRow("missing row") << x1900 << "A5" << "";
        QTest::newRow("cell past the row's last") << x1900 << "Z2" << "";
        QTest::newRow("far column") << x1900 << "R6" << "00100";
        QTest::newRow("last cell of a sheet") << x1900 << "XFD1048576" << "";
        QTest::newRow("lower-case address") << x1900 << "a2" << "1234567";
        QTest::newRow("1904: date format") << "dati_1904.xlsx" << "A1" << "01/03/2005";
        QTest::newRow("1904: day 0") << "dati_1904.xlsx" << "B1" << "01/01/1904";
        QTest::newRow("1904: plain number") << "dati_1904.xlsx" << "C1" << "36950";
        QTest::newRow("xls: text") << "semplice.xls" << "A1" << "Matricola";
        QTest::newRow("xls: integer") << "semplice.xls" << "B1" << "1234567";
        QTest::newRow("xls: decimal") << "semplice.xls" << "C1" << "0,5";
        QTest::newRow("xls: date") << "semplice.xls" << "D1" << "01/03/2005";
        QTest::newRow("xls: text with zeros") << "semplice.xls" << "E1" << "00100";
        QTest::newRow("xls: accented text") << "semplice.xls" << "R3" << "Località";
        QTest::newRow("xls: empty") << "semplice.xls" << "R4" << "";
        QTest::newRow("xls: the active sheet, the second") << "dati_1900.xls" << "A1" << "Matricola";

        // Gnumeric's workbook as Excel 97 and 95 files and as an .xlsx, which again with its own
        // number formats numbered where the built-in dates are: what the file defines counts.
        const QList<QPair<const char*, const char*>> gnumeric = {
            {"A2", "47121"},         // "00000"
            {"B2", "7,125"},         // "0.000"
            {"C2", "12:30:00"},      // "hh:mm"
            {"D2", "01/03/2005"},    // "dd/mm/yyyy"
            {"E2", "VERO"},          {"F2", "FALSO"},
            {"G2", "VERO"},          // =1>0
            {"H2", "VERO"},          // =E2
            {"I2", "FALSO"},         // =NOT(E2)
            {"J2", "Località àèìòù € 100"}, // the Windows code page of Excel 95
            {"K2", "SN-0042"},       // a text formula
            {"L2", "0,5"},
        };
        for (const char* f : {"gnumeric.xls", "gnumeric95.xls", "gnumeric.xlsx", "gnumeric_id50.xlsx"})
            for (const auto& [indirizzo, atteso] : gnumeric)
                QTest::addRow("%s: %s", f, indirizzo) << f << indirizzo << QString::fromUtf8(atteso);
        QTest::newRow("xlwt: constant true") << "xlwt.xls" << "A1" << "VERO";
        QTest::newRow("xlwt: constant false") << "xlwt.xls" << "B1" << "FALSO";
        QTest::newRow("xlwt: from 16 to 8 bits at a CONTINUE")
            << "xlwt.xls" << "A2" << QStringLiteral("€") + QString(9000, u'a') + u'z';
        QTest::newRow("xlwt: from 8 to 16 bits at a CONTINUE")
            << "xlwt.xls" << "A3" << QString(9000, u'b') + QStringLiteral("€ fine");
        QTest::newRow("xlwt: the string after them") << "xlwt.xls" << "A4" << "dopo";
        QTest::newRow("xls: the top-level workbook, not the embedded one") << "incorporato.xls" << "A1" << "esterno";

        // An Excel 95 file whose code page says UTF-16 (Gnumeric's, from xlwt's Excel 97 one):
        // 8-bit texts, those past ASCII in UTF-16.
        const QList<QPair<const char*, const char*>> codepage1200 = {
            {"A1", "D'Angelo"}, {"A2", "Rossi"}, {"A3", "01/03/2005"}, {"A4", "Località àèìòù € 100"},
            {"A5", "Niccolò"},  {"B1", "1234"},
        };
        for (const auto& [indirizzo, atteso] : codepage1200)
            QTest::addRow("gnumeric95_1200.xls: %s", indirizzo) << "gnumeric95_1200.xls" << indirizzo << QString::fromUtf8(atteso);
        // openpyxl's ISO date cells, a time alone among them, and durations (10 days and
        // 15:10:10) under elapsed-time formats, as openpyxl writes them and as LibreOffice
        // converts them to an .xls.
        const QList<QPair<const char*, const char*>> tempi = {
            {"A1", "10:10:10"},  // a time alone
            {"A2", "01/03/2005"}, {"A3", "01/03/2005"}, // a date, a date and time
            {"B1", "255:10:10"}, // [h]:mm:ss
            {"B2", "255:10:10"}, // openpyxl's timedelta, [hh]:mm:ss
            {"B3", "255:10:10"}, // [mm]:ss
            {"B4", "255:10:10"}, // [ss]
            {"B5", "06:00:00"},  // a quarter of a day, [h]:mm:ss
            {"B6", "15:10:10"},  // h:mm:ss, a time of day
        };
        for (const char* f : {"openpyxl_tempi.xlsx", "libreoffice_tempi.xls"})
            for (const auto& [indirizzo, atteso] : tempi)
                QTest::addRow("%s: %s", f, indirizzo) << f << indirizzo << QString::fromUtf8(atteso);
    }
    void leggeLeCelle()
    {
        QFETCH(QString, file);
        QFETCH(QString, indirizzo);
        QFETCH(QString, atteso);
        QCOMPARE(foglioDi(fixture(file)).valore(indirizzo), atteso);
    }

    // Each cell as a spreadsheet shows it, from the sheet that was active. openpyxl writes
    // no formula results, so its workbook is not asked for them.
    void leggeIlLibroMisto_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("indirizzo");
        QTest::addColumn<QString>("atteso");
        struct Caso {
            const char* nome;
            const char* indirizzo;
            const char* atteso;
            bool formula;
        };
        const Caso casi[] = {
            {"active sheet", "A1", "Intestazione", false},
            {"not the first sheet's cell", "R2", "", false},
            {"number formula", "A2", "3", true},
            {"text formula", "B2", "SN-0042", true},
            {"true", "C2", "VERO", false},
            {"false", "D2", "FALSO", false},
            {"blanks only", "E2", "   ", false},
            {"rich text with a blank run", "F2", "Mario Giuseppe", false},
            {"time hh:mm:ss", "G2", "12:30:00", false},
            {"time h:mm AM/PM", "H2", "08:05:07", false},
            {"date", "I2", "01/03/2005", false},
            {"error formula", "K2", "#DIV/0!", true},
            {"plain decimal", "L2", "0,5", false},
            {"CDATA, references, line end", "M2", "<dentro> & &é€\nfine", false},
        };
        for (auto m = misti.cbegin(); m != misti.cend(); ++m)
            for (const Caso& c : casi)
                if (!c.formula || !m.key().startsWith(QLatin1String("openpyxl")))
                    QTest::addRow("%s: %s", qPrintable(m.key()), c.nome)
                        << m.value() << QString::fromUtf8(c.indirizzo) << QString::fromUtf8(c.atteso);
    }
    void leggeIlLibroMisto()
    {
        QFETCH(QString, file);
        QFETCH(QString, indirizzo);
        QFETCH(QString, atteso);
        QCOMPARE(foglioDi(file).valore(indirizzo), atteso);
    }

    // Many varied rows, converted by LibreOffice to both formats: the .xls reads cell for cell
    // as the .xlsx, strings that cross the records of the .xls included, in a file large
    // enough (over 7 MB) that its allocation table goes on past the header's list.
    void xlsComeXlsx()
    {
        constexpr int righe = 11000;
        const QString vario = dir.filePath(QStringLiteral("vario.xlsx"));
        eseguiPython(QStringLiteral(FIXTURE_EXCEL "/libro_vario.py"), {vario, QString::number(righe)});
        const QString cartella = dir.filePath(QStringLiteral("vario"));
        QVERIFY(QDir().mkpath(cartella));
        const auto xls = LibroExcel::apri(convertiConLibreOffice(vario, QStringLiteral("xls"), cartella));
        const auto xlsx = LibroExcel::apri(convertiConLibreOffice(vario, QStringLiteral("xlsx"), cartella));
        QCOMPARE(xls->foglio().valore(QStringLiteral("C1")), QStringLiteral("02/01/2000"));
        QCOMPARE(xls->foglio().valore(QStringLiteral("D1")), QStringLiteral("01:01:01"));
        for (int r = 1; r <= righe + 1; ++r)
            for (int c = 1; c <= 7; ++c) {
                const QString indirizzo = lettereColonna(c) + QString::number(r);
                QCOMPARE(xls->foglio().valore(indirizzo), xlsx->foglio().valore(indirizzo));
            }
    }

    // A sheet long enough to be read in many pieces reads back cell for cell.
    void rileggeUnFoglioLungo()
    {
        const QString file = copia(QStringLiteral(TEMPLATE_XLSX), QStringLiteral("lungo.xlsx"));
        constexpr int righe = 20000;
        const auto testo = [](int r, int c) {
            return QStringLiteral("riga %1 & <colonna> %2 \"àè\" ").arg(r).arg(c) + QString(r % 7, QLatin1Char(' '));
        };
        {
            const auto libro = LibroExcel::apri(file);
            for (int r = 2; r <= righe; ++r)
                for (int c = 1; c <= 3; ++c)
                    libro->foglio().scrivi(lettereColonna(c) + QString::number(r), testo(r, c));
            libro->salva();
        }
        const auto riletto = LibroExcel::apri(file);
        for (int r = 2; r <= righe; ++r)
            for (int c = 1; c <= 3; ++c)
                QCOMPARE(riletto->foglio().valore(lettereColonna(c) + QString::number(r)), testo(r, c));
    }

    // The largest sheet a centre sends, within the reading's limits: 65,535 rows of 43 columns,
    // a note of 32,767 characters every 32 rows.
    void leggeIlFoglioPiuGrande()
    {
        const QString file = copia(QStringLiteral(TEMPLATE_XLSX), QStringLiteral("grande.xlsx"));
        constexpr int righe = 65535;
        const auto nota = [](int r) { return r % 32 == 0 ? QString(32767, QChar(u'a' + r % 26)) : QStringLiteral("nota %1").arg(r); };
        {
            const auto libro = LibroExcel::apri(file);
            for (int r = 2; r <= righe; ++r) {
                const QString numero = QString::number(r);
                for (int c = 1; c < 43; ++c)
                    libro->foglio().scrivi(lettereColonna(c) + numero, numero);
                libro->foglio().scrivi(QStringLiteral("AQ") + numero, nota(r));
            }
            libro->salva();
        }
        const auto riletto = LibroExcel::apri(file);
        for (int r = 2; r <= righe; r += 97) {
            QCOMPARE(riletto->foglio().valore(QStringLiteral("A%1").arg(r)), QString::number(r));
            QCOMPARE(riletto->foglio().valore(QStringLiteral("AP%1").arg(r)), QString::number(r));
        }
        for (int r = 32; r <= righe; r += 32 * 13)
            QCOMPARE(riletto->foglio().valore(QStringLiteral("AQ%1").arg(r)), nota(r));
        QCOMPARE(riletto->foglio().valore(QStringLiteral("AQ%1").arg(righe)), nota(righe));
    }

    // A copy of the template, filled, formatted and saved, reads back cell for cell in our
    // layer, in openpyxl and in LibreOffice, with the text format and the widths.
    void rileggeCioCheScrive()
    {
        const QString file = copia(QStringLiteral(TEMPLATE_XLSX), QStringLiteral("esporta.xlsx"));
        const QString lungo(32767, QLatin1Char('x')); // the longest text a cell holds
        {
            const auto libro = LibroExcel::apri(file);
            for (const auto& [indirizzo, testo] : testiDifficili())
                libro->foglio().scrivi(indirizzo, testo);
            libro->foglio().scrivi(QStringLiteral("B3"), lungo);
            libro->foglio().scrivi(QStringLiteral("A1"), QString()); // a heading emptied
            libro->foglio().formattaTesto();
            libro->foglio().adattaColonne();
            libro->salva();
        }
        QCOMPARE(QFileInfo(file).permissions() & ~QFile::Permissions(QFile::ReadUser | QFile::WriteUser),
                 QFile::Permissions(QFile::ReadOwner | QFile::WriteOwner)); // the file's mode is kept
        const auto riletto = LibroExcel::apri(file);
        for (const auto& [indirizzo, testo] : testiDifficili())
            QCOMPARE(riletto->foglio().valore(indirizzo), testo);
        QCOMPARE(riletto->foglio().valore(QStringLiteral("B3")), lungo);
        QCOMPARE(riletto->foglio().valore(QStringLiteral("A1")), QString());
        QCOMPARE(riletto->foglio().valore(QStringLiteral("B1")), QStringLiteral("Cognome"));

        const LettoOpenpyxl letto = leggiConOpenpyxl(file);
        for (const auto& [indirizzo, testo] : testiDifficili()) {
            // openpyxl does not decode "_xHHHH_" escapes, which Excel and LibreOffice do.
            if (!testo.startsWith(QLatin1String("_x")))
                QCOMPARE(letto.valori.value(indirizzo), testo);
            QCOMPARE(letto.formati.value(indirizzo), QStringLiteral("@"));
        }
        QVERIFY(!letto.valori.contains(QStringLiteral("A1")));
        QCOMPARE(letto.formati.value(QStringLiteral("A1")), QStringLiteral("@"));
        QCOMPARE(letto.valori.value(QStringLiteral("B3")), lungo);
        QCOMPARE(letto.larghezze.value(QStringLiteral("B")), 255.0); // the widest a column gets
        QVERIFY(letto.larghezze.value(QStringLiteral("G")) > letto.larghezze.value(QStringLiteral("A")));
        // Characters count, not bytes: G's longest text has 19 (the flame counts two, as in Excel).
        QCOMPARE(letto.larghezze.value(QStringLiteral("G")), 1.1 * QStringLiteral("Località àèìòù € 🔥").size() + 2);
        QVERIFY(letto.larghezze.value(QStringLiteral("AQ")) >= 14);

        const QList<QStringList> righe = leggiConLibreOffice(file, dir.path());
        QVERIFY2(righe.size() >= 10001, "LibreOffice did not convert the workbook");
        for (const auto& [indirizzo, testo] : testiDifficili()) {
            const QString lettere = indirizzo.left(indirizzo.indexOf(QRegularExpression(QStringLiteral("\\d"))));
            int colonna = 0;
            for (QChar c : lettere)
                colonna = colonna * 26 + (c.unicode() - 'A' + 1);
            const int riga = indirizzo.mid(lettere.size()).toInt();
            QCOMPARE(righe.value(riga - 1).value(colonna - 1), testo);
        }
        QCOMPARE(righe[0].value(1), QStringLiteral("Cognome"));
    }

    // The template: the 43 headings of the layout in row 1, and a data cell written without
    // any formatting takes the template's text format.
    void template_()
    {
        const QString file = copia(QStringLiteral(TEMPLATE_XLSX), QStringLiteral("modello.xlsx"));
        {
            const auto libro = LibroExcel::apri(file);
            for (int c = 1; c <= 43; ++c)
                QVERIFY2(!libro->foglio().valore(lettereColonna(c) + QLatin1Char('1')).isEmpty(),
                         qPrintable(lettereColonna(c)));
            QCOMPARE(libro->foglio().valore(QStringLiteral("AR1")), QString());
            QCOMPARE(libro->foglio().valore(QStringLiteral("R1")), QStringLiteral("Matricola"));
            libro->foglio().scrivi(QStringLiteral("H2"), QStringLiteral("00100"));
            libro->salva();
        }
        const LettoOpenpyxl letto = leggiConOpenpyxl(file);
        QCOMPARE(letto.valori.value(QStringLiteral("H2")), QStringLiteral("00100"));
        QCOMPARE(letto.formati.value(QStringLiteral("H2")), QStringLiteral("@"));
    }

    // A text that is no UTF-8 (another program's bytes in the archive) reaches the file with
    // U+FFFD for each bad byte, and the workbook stays readable.
    void testoNonUtf8()
    {
        const QString file = copia(QStringLiteral(TEMPLATE_XLSX), QStringLiteral("non_utf8.xlsx"));
        {
            const auto libro = LibroExcel::apri(file);
            libro->foglio().scrivi(2, 1, QByteArrayView("caff\xE8 \xFF\xFEok")); // Latin-1 and stray bytes
            libro->salva();
        }
        const QString atteso = QStringLiteral("caff\uFFFD \uFFFD\uFFFDok");
        QCOMPARE(LibroExcel::apri(file)->foglio().valore(QStringLiteral("A2")), atteso);
        QCOMPARE(leggiConOpenpyxl(file).valori.value(QStringLiteral("A2")), atteso);
    }

    // Saving a workbook of a spreadsheet program keeps its other sheet and what the sheet
    // held; the calculation chain goes, so that no program finds it stale.
    void salvaUnLibroAltrui()
    {
        const QString file = copia(fixture(QStringLiteral("dati_1900.xlsx")), QStringLiteral("altrui.xlsx"));
        {
            const auto libro = LibroExcel::apri(file);
            libro->foglio().scrivi(QStringLiteral("B5"), QStringLiteral("nuovo"));
            libro->foglio().formattaTesto();
            libro->salva();
        }
        const auto riletto = LibroExcel::apri(file);
        QCOMPARE(riletto->foglio().valore(QStringLiteral("B5")), QStringLiteral("nuovo"));
        QCOMPARE(riletto->foglio().valore(QStringLiteral("B1")), QStringLiteral("Rossi Mario"));
        QCOMPARE(riletto->foglio().valore(QStringLiteral("B4")), QStringLiteral("MatricolaX"));
        // Text format: a number no longer reads as a date.
        QCOMPARE(riletto->foglio().valore(QStringLiteral("A3")), QStringLiteral("38412"));
        const LettoOpenpyxl letto = leggiConOpenpyxl(file);
        QCOMPARE(letto.foglio, QStringLiteral("Dati"));
        QCOMPARE(letto.valori.value(QStringLiteral("A2")), QStringLiteral("1234567"));
        QCOMPARE(letto.formati.value(QStringLiteral("A3")), QStringLiteral("@"));
        const QList<QStringList> righe = leggiConLibreOffice(file, dir.path(), 2);
        QCOMPARE(righe.value(4).value(1), QStringLiteral("nuovo"));
        QCOMPARE(righe.value(0).value(1), QStringLiteral("Rossi Mario"));
    }

    void errori_data()
    {
        QTest::addColumn<QByteArray>("contenuto"); // what the file holds; "<dir>" a folder, "<none>" nothing
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("missing file") << QByteArray("<none>") << "Impossibile aprire il file";
        QTest::newRow("a folder") << QByteArray("<dir>") << "è una cartella";
        QTest::newRow("empty file") << QByteArray() << "non è una cartella di lavoro Excel";
        QTest::newRow("text file") << QByteArray("Matricola;Nome\n") << "non è una cartella di lavoro Excel";
        QTest::newRow("zip header only") << QByteArray("PK\x03\x04 troncato") << "l'archivio non è leggibile";
        QTest::newRow("xls header only") << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1 troncato")
                                         << "il file .xls non è leggibile";
    }
    void errori()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(QString, messaggio);
        const QString file = dir.filePath(QStringLiteral("guasto_%1").arg(QTest::currentDataTag()));
        if (contenuto == QLatin1String("<dir>"))
            QDir().mkpath(file);
        else if (contenuto != QLatin1String("<none>")) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(contenuto);
        }
        try {
            LibroExcel::apri(file);
            QFAIL("opened");
        } catch (const ErroreExcel& e) {
            QVERIFY2(e.descrizione.contains(messaggio), qPrintable(e.descrizione));
            QVERIFY2(e.descrizione.contains(file), qPrintable(e.descrizione));
        }
    }

    void indirizzoNonValido_data()
    {
        QTest::addColumn<QString>("indirizzo");
        for (const char* a : {"", "A", "12", "A0", "R 2", "XFE1", "A1048577", "A1:B2", "À1", "R2x"})
            QTest::newRow(a) << QString::fromUtf8(a);
        QTest::newRow("NUL inside") << QStringLiteral("A1") + QChar(0) + QStringLiteral("9");
    }
    void indirizzoNonValido()
    {
        QFETCH(QString, indirizzo);
        const auto libro = LibroExcel::apri(fixture(QStringLiteral("semplice.xlsx")));
        QVERIFY_THROWS_EXCEPTION(ErroreExcel, libro->foglio().valore(indirizzo));
        QVERIFY_THROWS_EXCEPTION(ErroreExcel, libro->foglio().scrivi(indirizzo, QStringLiteral("x")));
    }

    // A read-only file, and an .xls, are not written: a message, and the file as it was.
    void salvataggioRifiutato_data()
    {
        QTest::addColumn<QString>("sorgente");
        QTest::addColumn<bool>("solaLettura");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("read-only file") << "semplice.xlsx" << true << "sola lettura";
        QTest::newRow("xls") << "semplice.xls" << false << "si legge soltanto";
    }
    void salvataggioRifiutato()
    {
        QFETCH(QString, sorgente);
        QFETCH(bool, solaLettura);
        QFETCH(QString, messaggio);
        const QString file = copia(fixture(sorgente), QStringLiteral("rifiuto_") + sorgente);
        if (solaLettura)
            QFile(file).setPermissions(QFile::ReadOwner);
        const QByteArray prima = [&] { QFile f(file); f.open(QIODevice::ReadOnly); return f.readAll(); }();
        const auto libro = LibroExcel::apri(file);
        libro->foglio().scrivi(QStringLiteral("A1"), QStringLiteral("cambiato"));
        try {
            libro->salva();
            QFAIL("saved");
        } catch (const ErroreExcel& e) {
            QVERIFY2(e.descrizione.contains(messaggio), qPrintable(e.descrizione));
        }
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), prima);
    }
};

CORVEXT_TEST_MAIN(TestLibroExcel)
#include "test_libro_excel.moc"
