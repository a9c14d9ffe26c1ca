#include "libri_ostili.h"
#include "lettura_qui.h"
#ifndef __SANITIZE_ADDRESS__
#include "misura_lettura.h"
#endif
#include "platform/excel/archivio_zip.h"
#include "platform/excel/errore_excel.h"
#include "platform/excel/lettore_xml.h"
#include "platform/excel/limiti_libro.h"
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <random>
#include <string>

// The readers on workbooks of every shape, in this process: thousands of damaged copies of the
// fixtures, and files made to take the reader's memory or time. Each either is read (and, an
// .xlsx, saved and read again) or gives an ErroreExcel; a crash fails the test.
class TestLettoriGuasti : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::mt19937 caso{20240611};

    int aCaso(int n) { return int(caso() % unsigned(std::max(n, 1))); }

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

    // Read, every cell that could be there read, formatted, fitted and saved when it is an
    // .xlsx: only ErroreExcel may stop it, and the reading runs here, so a crash is the test's.
    void prova(const QString& file, int& aperti, int& rifiutati)
    {
        try {
            ContenutoLibro libro = leggiQui(file);
            ++aperti;
            Foglio& foglio = *libro.foglio;
            for (int r = 1; r <= 8; ++r)
                for (int c = 1; c <= 20; ++c)
                    foglio.valore(lettereColonna(c) + QString::number(r));
            foglio.scrivi(QStringLiteral("A1"), QStringLiteral("scritto"));
            foglio.formattaTesto();
            foglio.adattaColonne();
            if (!libro.parti)
                return;
            // Saved as a new file, as each damaged one is written (one replaced in place is
            // written out to the disk at once, which a busy disk makes slow).
            const QString salvato = file + QStringLiteral(".salvato");
            scriviXlsx(*libro.parti, *libro.stili, foglio, salvato);
            const QString a1 = leggiQui(salvato).foglio->valore(QStringLiteral("A1"));
            QFile::remove(salvato);
            QCOMPARE(a1, QStringLiteral("scritto"));
        } catch (const ErroreExcel& e) {
            ++rifiutati;
            QVERIFY2(!e.descrizione.isEmpty(), "an empty message");
        }
    }

    // The events of the XML reader on a part: "<name a=value>" (names without their prefix),
    // "</name>", a run of texts in brackets; a long text or value by its length, as "#N", an
    // element repeated empty as "<p/>*N"; an error by its reason after "!".
    QString eventi(const QByteArray& xml)
    {
        ArchivioZip zip;
        zip.poni(QStringLiteral("parte.xml"), xml);
        const QString file = dir.filePath(QStringLiteral("parte.zip"));
        zip.scrivi(file);
        ContoLibro conto(massimoMemoriaLettura);
        const ArchivioZip letto = ArchivioZip::leggi(file, conto);
        const std::unique_ptr<FlussoZip> flusso = letto.flusso(QStringLiteral("parte.xml"));
        const auto breve = [](std::string_view t) {
            return t.size() > 40 ? QStringLiteral("#%1").arg(t.size()) : QString::fromUtf8(t.data(), qsizetype(t.size()));
        };
        QString traccia, vuoto;
        int volte = 0;
        const auto ripetuti = [&] {
            if (volte > 0)
                traccia += volte == 1 ? vuoto : vuoto + QLatin1Char('*') + QString::number(volte);
            volte = 0;
        };
        std::string testo;
        try {
            LettoreXml lettore(*flusso, "di prova");
            for (LettoreXml::Evento e; (e = lettore.prossimo()) != LettoreXml::Evento::FineDocumento;) {
                if (e == LettoreXml::Evento::Testo) {
                    ripetuti();
                    testo += lettore.testo();
                    continue;
                }
                if (!testo.empty())
                    traccia += QLatin1Char('[') + breve(testo) + QLatin1Char(']');
                testo.clear();
                if (e == LettoreXml::Evento::Inizio) {
                    if (lettore.grezzo().ends_with("/>") && lettore.attributi().empty()) {
                        const QString questo = QLatin1Char('<') + breve(lettore.nome()) + QStringLiteral("/>");
                        if (questo != vuoto)
                            ripetuti();
                        vuoto = questo;
                        ++volte;
                        lettore.prossimo(); // its end
                        continue;
                    }
                    ripetuti();
                    traccia += QLatin1Char('<') + breve(lettore.nome());
                    for (const auto& [nome, valore] : lettore.attributi())
                        traccia += QLatin1Char(' ') + breve(nome) + QLatin1Char('=') + breve(valore);
                    traccia += QLatin1Char('>');
                } else if (e == LettoreXml::Evento::Fine) {
                    ripetuti();
                    traccia += QStringLiteral("</") + breve(lettore.nome()) + QLatin1Char('>');
                }
            }
        } catch (const ErroreExcel& e) {
            ripetuti();
            traccia += QLatin1Char('!') + e.descrizione.section(QLatin1Char('('), 1).chopped(1);
        }
        return traccia;
    }

private slots:
    // The XML reader on the markup of the parts, also where a tag, a value or a text runs past
    // the piece it reads at a time (256 KB).
    void lettoreXml_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("atteso");
        // Empty elements up to where the piece ends: n of them after a start of `dopo` bytes
        // leave 256 KB - `dopo` - 4n bytes of the piece for what follows.
        const auto vuoti = [](int n) { return QByteArray("<p/>").repeated(n); };
        QTest::newRow("prefixes, empty elements, texts")
            << QByteArray("<?xml version=\"1.0\"?><x:a xmlns:x=\"u\"><x:b/>uno<!-- no --><c>due</c ></x:a>")
            << "<a xmlns:x=u><b/>[uno]<c>[due]</c></a>";
        QTest::newRow("values decoded, quotes of either kind")
            << QByteArray("<a k='v>\"w' j=\"1&amp;2&#x41;&#66;&foo;\" t=\"a\tb\r\nc\nd\"/>")
            << "<a k=v>\"w j=1&2AB&foo; t=a b c d></a>";
        QTest::newRow("texts decoded, CDATA as written")
            << QByteArray("<a>x &lt;&gt; y\r\nz<![CDATA[<b>&amp;\r\n]]></a>") << "<a>[x <> y\nz<b>&amp;\n]</a>";
        // 13 bytes left: the piece ends inside the value of r.
        QTest::newRow("a tag across the pieces") << "<a>" + vuoti(65532) + "<c r=\"A1\" v=\"abcdefgh\" t='x>y'/></a>"
                                                 << "<a><p/>*65532<c r=A1 v=abcdefgh t=x>y></c></a>";
        QTest::newRow("a decoded value across the pieces")
            << "<a><c v=\"" + QByteArray(300000, 'v') + "&amp;\"/></a>" << "<a><c v=#300001></c></a>";
        // 2 bytes left: "</".
        QTest::newRow("an end tag across the pieces") << "<a><b>" + vuoti(65534) + "</b  ></a>" << "<a><b><p/>*65534</b></a>";
        // A text comes in pieces of 64 KB: none ends inside an entity or between CR and LF.
        QTest::newRow("a text cut at an entity") << "<a>" + QByteArray(65533, 'x') + "&amp;y</a>" << "<a>[#65535]</a>";
        QTest::newRow("a text cut at a line end") << "<a>" + QByteArray(65535, 'x') + "\r\ny</a>" << "<a>[#65537]</a>";
        QTest::newRow("a CDATA section across the pieces")
            << "<a><![CDATA[" + QByteArray(262131, 'x') + "\r\n]]></a>" << "<a>[#262132]</a>";
        QTest::newRow("ends not paired") << QByteArray("<a><b></a></b>") << "<a><b>!elementi non accoppiati";
        QTest::newRow("a tag holding <") << QByteArray("<a><b x<y/></a>") << "<a>!un elemento non chiuso";
        QTest::newRow("a value without quotes") << QByteArray("<a><b x=1/></a>") << "<a>!un attributo senza virgolette";
        QTest::newRow("a value not closed") << "<a><b x=\"" + QByteArray(300000, ' ') + "/></a>" << "<a>!un elemento non chiuso";
        QTest::newRow("elements left open") << QByteArray("<a><b>") << "<a><b>!finisce con elementi aperti";
    }
    void lettoreXml()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, atteso);
        QCOMPARE(eventi(xml), atteso);
    }

    // The parts of the .xlsx damaged one by one, zipped again, so that the XML readers see them.
    void particiXlsxGuaste()
    {
        ContoLibro conto(massimoMemoriaLettura);
        const ArchivioZip originale = ArchivioZip::leggi(QStringLiteral(FIXTURE_EXCEL "/dati_1900.xlsx"), conto);
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
            QFile::remove(file);
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
        QTest::newRow("xls of Excel 95 in code page 1200, bytes") << QStringLiteral("gnumeric95_1200.xls") << 1000;
        QTest::newRow("xls with an embedded workbook, bytes") << QStringLiteral("incorporato.xls") << 1000;
    }
    void fileGuasti()
    {
        QFETCH(QString, sorgente);
        QFETCH(int, quanti);
        const QByteArray originale = contenutoFile(QStringLiteral(FIXTURE_EXCEL "/") + sorgente);
        const QString file = dir.filePath(QStringLiteral("guasto_") + sorgente);
        int aperti = 0, rifiutati = 0;
        for (int i = 0; i < quanti; ++i) {
            scriviFile(file, muta(originale));
            prova(file, aperti, rifiutati);
            if (QTest::currentTestFailed())
                return;
        }
        qInfo("%s: %d opened, %d refused", qPrintable(sorgente), aperti, rifiutati);
    }

    // A damaged .xls that made FreeXL crash is read.
    void xlsDanneggiato()
    {
        int aperti = 0, rifiutati = 0;
        prova(QStringLiteral(FIXTURE_EXCEL "/fa_cadere_freexl.xls"), aperti, rifiutati);
        QCOMPARE(aperti, 1);
    }

    // Each hostile file is read or refused at its limit, with the message that names it, and
    // the reading and the sheet it builds stay within their memory.
    void libriOstili_data()
    {
        using Genera = std::function<void(const QString&)>;
        QTest::addColumn<Genera>("genera");
        QTest::addColumn<QString>("atteso"); // part of the refusal; empty: read
        QTest::addColumn<QString>("a1");     // A1 of the sheet read
        const QString x32767(32767, QLatin1Char('x'));
        QTest::newRow("xls, a long shared string in every cell")
            << Genera([](const QString& f) { xlsStringaRipetuta(f, 30000, 32767); }) << QString() << x32767;
        QTest::newRow("xls, a shared string past a cell's text")
            << Genera([](const QString& f) { xlsStringaRipetuta(f, 10, 40000); }) << "32.767 caratteri (testo di una cella)" << QString();
        QTest::newRow("xls, a shared string index past the last")
            << Genera([](const QString& f) { xlsStringaRipetuta(f, 10, 5, 0xFFFFFFFF); }) << "il file .xls non è leggibile" << QString();
        QTest::newRow("xls, a workbook in the mini stream")
            << Genera([](const QString& f) { xlsFlussoPiccolo(f, 2 << 20); }) << QString() << "xxxxxxx";
        QTest::newRow("xls, a small stream claiming 4 GB, the small-block table a cycle")
            << Genera([](const QString& f) { xlsFlussoPiccolo(f, 2 << 20, 0xFFFFFFF0, true); }) << "il file .xls non è leggibile" << QString();
        QTest::newRow("xls, a small stream within the mini stream, the small-block table a cycle")
            << Genera([](const QString& f) { xlsFlussoPiccolo(f, 2 << 20, 0, true); }) << "il file .xls non è leggibile" << QString();
        QTest::newRow("xls, a small stream claiming more than the mini stream holds")
            << Genera([](const QString& f) { xlsFlussoPiccolo(f, 1 << 16, 1 << 17); }) << "il file .xls non è leggibile" << QString();
        QTest::newRow("xls, a chain of sectors coming back to its first")
            << Genera([](const QString& f) { xlsCatenaCiclica(f); }) << "il file .xls non è leggibile" << QString();
        QTest::newRow("xlsx, a range for each column")
            << Genera([](const QString& f) { xlsxColonne(f, 16384, false); }) << QString() << "a";
        QTest::newRow("xlsx, overlapping column ranges")
            << Genera([](const QString& f) { xlsxColonne(f, 24000, true); }) << "le colonne del foglio non sono valide" << QString();
        QTest::newRow("xlsx, cells of a format only past the sheet's memory")
            << Genera([](const QString& f) { xlsxCelleVuote(f, 14000000); }) << "160 MB (celle e testi del foglio)" << QString();
        QTest::newRow("xlsx, elements nested past the limit")
            << Genera([](const QString& f) { xlsxAnnidato(f, 100000); }) << "256 livelli (annidamento" << QString();
        QTest::newRow("xlsx, open elements' names past an element's size")
            << Genera([](const QString& f) { xlsxNomiLunghi(f, 20, 100000); }) << "1 MB (un elemento XML)" << QString();
        QTest::newRow("xlsx, a row number past the range of int")
            << Genera([](const QString& f) { xlsxRighe(f, "<row r=\"4294967298\"><c r=\"A2\"><v>1</v></c></row>"); })
            << "le righe del foglio non sono in ordine o non sono valide" << QString();
        QTest::newRow("xlsx, nesting within the limit, many times")
            << Genera([](const QString& f) { xlsxAnnidato(f, 250, 2000); }) << QString() << QString();
        QTest::newRow("xlsx, a cell's text of 20 million characters")
            << Genera([](const QString& f) { xlsxTestoLungo(f, 20000000); }) << "32.767 caratteri (testo di una cella)" << QString();
        QTest::newRow("xlsx, a cell's text of 32,767 characters")
            << Genera([](const QString& f) { xlsxTestoLungo(f, 32767); }) << QString() << x32767;
        QTest::newRow("xlsx, shared strings past the sheet's memory")
            << Genera([](const QString& f) { xlsxStringheCondivise(f, 5600, 30000); }) << "160 MB (celle e testi del foglio)" << QString();
        QTest::newRow("xlsx, the sheet's other parts past their limit")
            << Genera([](const QString& f) { xlsxRestoGrande(f, 800000); }) << "16 MB (parti del foglio fuori dalle celle)" << QString();
        QTest::newRow("xlsx, a row's tag of 40,000 attributes")
            << Genera([](const QString& f) { xlsxAttributi(f, 40000); }) << QString() << QString();
        QTest::newRow("xlsx, a tag of 200,000 attributes")
            << Genera([](const QString& f) { xlsxAttributi(f, 200000); }) << "1 MB (un elemento XML)" << QString();
        QTest::newRow("xlsx, a zip of too many parts")
            << Genera([](const QString& f) { xlsxMolteParti(f, 10001); }) << "10.000 parti (parti dell'archivio)" << QString();
        QTest::newRow("xlsx, too many parts behind a forged end record of one")
            << Genera([](const QString& f) { xlsxFineFalsa(f, 20007); }) << "10.000 parti (parti dell'archivio)" << QString();
        QTest::newRow("xlsx, parts of the longest names a zip holds")
            << Genera([](const QString& f) { xlsxMolteParti(f, 480, 65535); }) << "32 MB (nomi delle parti dell'archivio)"
            << QString();
        // Each list with entries of 1 MB (as many as a file of 500 KB holds), and with as many
        // entries as a list holds: kept and counted, or only counted where what each shows is
        // all that is kept (number formats, cell formats). Under the sanitizers fewer entries of
        // 1 MB take the same paths past the same limits; the memory is measured without them.
#ifdef __SANITIZE_ADDRESS__
        constexpr int voci1Mb = 20;
#else
        constexpr int voci1Mb = 480;
#endif
        QTest::newRow("xlsx, number formats of 1 MB")
            << Genera([](const QString& f) { xlsxFormatiNumero(f, voci1Mb, 1 << 20); }) << QString() << "a";
        QTest::newRow("xlsx, number formats, as many as a list holds")
            << Genera([](const QString& f) { xlsxFormatiNumero(f, 65536, 255); }) << QString() << "a";
        QTest::newRow("xlsx, number formats past a list's entries")
            << Genera([](const QString& f) { xlsxFormatiNumero(f, 65537, 4); }) << "65.536 voci (formati di numero)" << QString();
        QTest::newRow("xlsx, cell formats of 1 MB")
            << Genera([](const QString& f) { xlsxFormatiCella(f, voci1Mb, 1 << 20); }) << QString() << "a";
        QTest::newRow("xlsx, cell formats, as many as a list holds")
            << Genera([](const QString& f) { xlsxFormatiCella(f, 65536, 255); }) << QString() << "a";
        QTest::newRow("xlsx, sheet names of 1 MB")
            << Genera([](const QString& f) { xlsxFogli(f, voci1Mb, 1 << 20); }) << "255 caratteri (nome di un foglio)" << QString();
        QTest::newRow("xlsx, sheets of the longest names, as many as a list holds")
            << Genera([](const QString& f) { xlsxFogli(f, 65536, 255); }) << "32 MB (fogli)" << QString();
        QTest::newRow("xlsx, sheets, as many as a list holds")
            << Genera([](const QString& f) { xlsxFogli(f, 65536, 31); }) << QString() << "a";
        QTest::newRow("xlsx, relationship targets of 1 MB")
            << Genera([](const QString& f) { xlsxRelazioni(f, voci1Mb, 1 << 20); }) << "32 MB (relazioni di una parte)" << QString();
        QTest::newRow("xlsx, relationships of long targets, as many as a list holds")
            << Genera([](const QString& f) { xlsxRelazioni(f, 65534, 255); }) << "32 MB (relazioni di una parte)" << QString();
        QTest::newRow("xlsx, relationships, as many as a list holds")
            << Genera([](const QString& f) { xlsxRelazioni(f, 65534, 24); }) << QString() << "a";
    }
    void libriOstili()
    {
        QFETCH(std::function<void(const QString&)>, genera);
        QFETCH(QString, atteso);
        QFETCH(QString, a1);
        const QString file = dir.filePath(QStringLiteral("ostile"));
        genera(file);
        QString esito, letto;
#ifdef __SANITIZE_ADDRESS__
        // The readers in this process, where the sanitizers see them (their memory is theirs).
        try {
            letto = leggiQui(file).foglio->valore(QStringLiteral("A1"));
        } catch (const ErroreExcel& e) {
            esito = e.descrizione;
        }
#else
        // As the import reads it, and what it costs: both processes' peaks together.
        const MisuraLettura misura = misuraLettura(file);
        QVERIFY2(misura.misurata, "lettura_misurata did not end well");
        (misura.letto ? letto : esito) = misura.testo;
        qInfo("%.1f MB composing, %.1f MB reading", misura.programmaMb, misura.lettoreMb);
        QVERIFY2(misura.programmaMb + misura.lettoreMb < 250,
                 qPrintable(QStringLiteral("%1 + %2 MB").arg(misura.programmaMb).arg(misura.lettoreMb)));
#endif
        QFile::remove(file);
        if (atteso.isEmpty())
            QVERIFY2(esito.isEmpty(), qPrintable(esito));
        else
            QVERIFY2(esito.contains(QStringLiteral("La cartella di lavoro supera il limite di ")) || !atteso.contains(QLatin1Char('(')),
                     qPrintable(esito));
        QVERIFY2(esito.contains(atteso), qPrintable(esito));
        QCOMPARE(letto, a1);
    }
};

QTEST_GUILESS_MAIN(TestLettoriGuasti)
#include "test_lettori_guasti.moc"
