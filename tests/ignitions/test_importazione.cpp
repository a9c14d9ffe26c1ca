#include "ambiente_test.h"
#include "fixture_accensioni.h"
#include "lettore_sostituito.h"
#include "libri_ostili.h"
#include "odbc_esterno.h"
#include "ignitions/frm_importa_accensioni_cat.h"
#include "ignitions/importazione_cat.h"
#include "ignitions/righe_scartate.h"
#include "ignitions/mod_excel.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/connessione.h"
#include "platform/excel/foglio.h"
#include "platform/excel/indirizzo_cella.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/dialogo_file.h"
#include "platform/ui/griglia.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

using namespace Qt::StringLiterals;
using Riga = QMap<QString, QString>;

namespace {
const QDate giorno(2005, 4, 16);

// A centre, and two archived rows of an earlier run: "abc" and " XY " (with its blanks).
qint64 archiviata = 0;
void fixture()
{
    impostaOrologio([] { return giorno; });
    inserisci(u"CAT"_s, {{u"nomeCAT"_s, u"ALFA"_s}});
    inserisci(u"CAT"_s, {{u"nomeCAT"_s, u"BETA"_s}});
    inserisci(u"movImportazioniCAT"_s, {{u"idMov"_s, 7}, {u"codCAT"_s, 2}, {u"dataImp"_s, QDate(2005, 1, 1)},
                                        {u"esitoImportazione"_s, u"CONCLUSA POSITIVAMENTE"_s}});
    archiviata = inserisci(u"accensioniCAT"_s, {{u"codCAT"_s, 2}, {u"codMov"_s, 7}, {u"matricola"_s, u"abc"_s},
                                                {u"marchio"_s, u"BAXI"_s}, {u"modello"_s, u"LUNA"_s}});
    inserisci(u"accensioniCAT"_s, {{u"codCAT"_s, 2}, {u"codMov"_s, 7}, {u"matricola"_s, u" XY "_s}});
}

// The rows of the workbook of most cases, from row 2.
QList<Riga> righeDiProva()
{
    return {
        {{u"R"_s, u" abc "_s}, {u"B"_s, u"DOPPIA"_s}, {u"Q"_s, u"ARISTON"_s}},                  // 2: archived
        {{u"R"_s, u"NEW1"_s}, {u"B"_s, u"rossi "_s}, {u"AH"_s, u"1/3/2005"_s}, {u"H"_s, u"00100"_s}}, // 3
        {{u"B"_s, u"VUOTA1"_s}},                                                                 // 4: no serial
        {{u"B"_s, u"VUOTA2"_s}},                                                                 // 5: no serial
        {{u"R"_s, u"NEW1"_s}, {u"B"_s, u"ANCORA"_s}},                                            // 6: not archived before
        {{u"R"_s, u"O'HARA"_s}, {u"B"_s, u"APOSTROFO"_s}},                                       // 7
        {{u"R"_s, u"XY"_s}, {u"B"_s, u"SPAZI"_s}},                                               // 8: " XY " is no match
        {{u"R"_s, u"BAD"_s}, {u"B"_s, u"DATA"_s}, {u"AH"_s, u"31/02/2005"_s}},                   // 9: refused
        {}, {}, {},                                                                              // 10-12: the end
        {{u"R"_s, u"DOPO"_s}},                                                                   // 13: never read
    };
}

frmImportaAccensioniCAT& finestra(const QString& file)
{
    auto& w = istanza<frmImportaAccensioniCAT>();
    w.controlli().cmbCAT->impostaValoreLegato(1);
    w.controlli().txtNomeFile->setText(file);
    return w;
}

// The import window on the workbook of righeDiProva, the centre chosen.
frmImportaAccensioniCAT& conRigheDiProva(const DatabaseTest& db)
{
    fixture();
    const QString file = db.cartella() + u"/cat.xlsx"_s;
    creaLibro(file, righeDiProva());
    return finestra(file);
}

QStringList colonna(const QString& sql)
{
    QStringList l;
    for (Recordset rs = connessione.apriAvanti(sql); !rs.eof(); rs.moveNext())
        l << (rs.campo(0).isNull() ? u"<null>"_s : rs.campo(0).toString());
    return l;
}

QString esito(long run)
{
    return connessione.apriAvanti(u"SELECT esitoImportazione FROM movImportazioniCAT WHERE idMov = ?"_s, {qlonglong(run)})
        .campo(0)
        .toString();
}

const QString conferma = u"Il sistema si appresta ad importare i dati relativi alle prime accensioni del catALFA... continuare ?"_s;
} // namespace

class TestImportazione : public QObject {
    Q_OBJECT
private slots:
    // Duplicates against the archive only, empty serials, a refused date, the end of the rows,
    // the counts, the outcome and the messages.
    void importazione()
    {
        DatabaseTest db;
        auto& w = conRigheDiProva(db);
        w.controlli().cmdImporta->click();

        // The refused row in one summary, and the run not ended as a success.
        QCOMPARE(seamMessaggi::testi(),
                 QStringList({conferma,
                              u"Righe non importate: 1\r\nData di collaudo non valida (colonna AH): riga 9\r\n"
                              "Procedura di importazione conclusa con errori..."_s,
                              u"Attenzione! sono state trovate matricole ripetute durante la procedura di importazione..."_s}));
        QCOMPARE(seamMessaggi::mostrati()[1].stile, stile::esclamazione);
        QCOMPARE(seamMessaggi::mostrati()[2].stile, stile::informazione);
        QCOMPARE(w.controlli().SSTab1->currentIndex(), 1);
        QCOMPARE(w.controlli().lblNum->text(), u"8"_s);

        // Run 8, after the highest on file; today; the centre chosen.
        QCOMPARE(colonna(u"SELECT idMov || ' ' || codCAT || ' ' || dataImp FROM movImportazioniCAT WHERE idMov = 8"_s),
                 QStringList{u"8 1 2005-04-16"_s});
        QCOMPARE(esito(8), u"CONCLUSA NEGATIVAMENTE - 1 riga scartata"_s);
        // Cells stored as they were, empty ones as Null, the test date as a date.
        QCOMPARE(colonna(u"SELECT cognome FROM accensioniCAT WHERE codMov = 8 ORDER BY idPrimaAccensione"_s),
                 QStringList({u"rossi "_s, u"VUOTA1"_s, u"VUOTA2"_s, u"ANCORA"_s, u"APOSTROFO"_s, u"SPAZI"_s}));
        QCOMPARE(colonna(u"SELECT matricola FROM accensioniCAT WHERE codMov = 8 ORDER BY idPrimaAccensione"_s),
                 QStringList({u"NEW1"_s, u"<null>"_s, u"<null>"_s, u"NEW1"_s, u"O'HARA"_s, u"XY"_s}));
        QCOMPARE(colonna(u"SELECT dataCollaudo || caplocalita || codCAT FROM accensioniCAT WHERE matricola = 'NEW1' "
                         "AND dataCollaudo IS NOT NULL"_s),
                 QStringList{u"2005-03-01001001"_s});
        QCOMPARE(colonna(u"SELECT ifnull(nome, 'N') || ifnull(dataCollaudo, 'N') FROM accensioniCAT WHERE cognome = 'VUOTA1'"_s),
                 QStringList{u"NN"_s});
        QCOMPARE(colonna(u"SELECT matricola || '|' || riferimentoAccensione || '|' || codCAT || '|' || marchio "
                         "FROM accensioniDoppie WHERE codMov = 8"_s),
                 QStringList{u" abc |"_s + QString::number(archiviata) + u"|1|ARISTON"_s});
        QCOMPARE(colonna(u"SELECT count(*) FROM accensioniCAT WHERE matricola IN ('BAD', 'DOPO')"_s), QStringList{u"0"_s});

        // The grids show the run.
        QCOMPARE(w.controlli().griglia->model()->rowCount(), 6);
        QAbstractItemModel* doppie = w.controlli().grigliaDoppia->model();
        QCOMPARE(doppie->rowCount(), 1);
        QCOMPARE(doppie->index(0, 3).data().toString(), u"BAXI"_s);
        QCOMPARE(doppie->headerData(3, Qt::Horizontal).toString(), u"Marca già presente"_s);
        QVERIFY(w.controlli().cmdImporta->isEnabled());
        QVERIFY(!libroExcel());
    }

    // The centre's workbook reaches the import through the reading process only: the window
    // names a file of other bytes, and the rows stored are those of the workbook read there.
    void soloDalProcessoDiLettura()
    {
        DatabaseTest db;
        fixture();
        const QString libro = db.cartella() + u"/cat.xlsx"_s, finto = db.cartella() + u"/finto.xlsx"_s;
        creaLibro(libro, righeDiProva());
        scriviFile(finto, "non sono un libro");
        auto& w = finestra(finto);
        {
            const LettoreSostituito altrove(db.cartella() + u"/lettore"_s, leggeAltrove(finto, libro));
            w.controlli().cmdImporta->click();
        }
        QCOMPARE(esito(8), u"CONCLUSA NEGATIVAMENTE - 1 riga scartata"_s);
        QCOMPARE(colonna(u"SELECT cognome FROM accensioniCAT WHERE codMov = 8 ORDER BY idPrimaAccensione"_s),
                 QStringList({u"rossi "_s, u"VUOTA1"_s, u"VUOTA2"_s, u"ANCORA"_s, u"APOSTROFO"_s, u"SPAZI"_s}));
    }

    // The test date in every form the spreadsheets hand it over, in a workbook made by openpyxl;
    // the rows whose date is none are named in the one summary, the others are stored.
    void formeDellaDataCollaudo()
    {
        DatabaseTest db;
        fixture();
        const QList<QPair<QVariant, QString>> casi = {
            {u"1/3/2005"_s, u"2005-03-01"_s},
            {u"2005-03-01"_s, u"2005-03-01"_s},
            {u"31-03-2005"_s, u"2005-03-31"_s},
            {u"1/3/05"_s, u"2005-03-01"_s},
            {u"05/03/2005 "_s, u"2005-03-05"_s},
            {38442, u"2005-03-31"_s},            // a date serial number
            {38442.75, u"2005-03-31"_s},         // the same with a time of day
            {QDate(2005, 3, 31), u"2005-03-31"_s}, // a date cell
            {u"31/02/2005"_s, QString()},          // refused from here
            {u"domani"_s, QString()},
            {u"12/3"_s, QString()},
            {QVariant(), u"<null>"_s},
        };
        QList<QMap<QString, QVariant>> righe;
        for (int i = 0; i < casi.size(); ++i) {
            righe.append({{u"R"_s, u"M%1"_s.arg(i)}});
            if (!casi[i].first.isNull())
                righe.last().insert(u"AH"_s, casi[i].first);
        }
        const QString file = db.cartella() + u"/date.xlsx"_s;
        creaLibroOpenpyxl(file, righe);
        finestra(file).controlli().cmdImporta->click();

        for (int i = 0; i < casi.size(); ++i) {
            const QStringList atteso = casi[i].second.isEmpty() ? QStringList() : QStringList{casi[i].second};
            QCOMPARE(colonna(u"SELECT ifnull(dataCollaudo, '<null>') FROM accensioniCAT WHERE matricola = ?"_s
                             .replace(u"?"_s, u"'M%1'"_s.arg(i))),
                     atteso);
        }
        QCOMPARE(seamMessaggi::testi().mid(1),
                 QStringList{u"Righe non importate: 3\r\nData di collaudo non valida (colonna AH): righe 10-12\r\n"
                             "Procedura di importazione conclusa con errori..."_s});
        QCOMPARE(esito(8), u"CONCLUSA NEGATIVAMENTE - 3 righe scartate"_s);
    }

    // The summary groups the refused rows by cause, in runs, and cuts a long list short.
    void riepilogoDegliScarti()
    {
        RigheScartate s;
        for (int riga : {3, 5, 6, 7, 9})
            s.aggiungi(riga, u"Prima causa"_s);
        s.aggiungi(4, u"Seconda causa"_s);
        for (int riga = 20; riga < 82; riga += 2)
            s.aggiungi(riga, u"Terza causa"_s);
        QCOMPARE(s.numero(), 37);
        QCOMPARE(s.riepilogo(), u"Righe non importate: 37\r\nPrima causa: righe 3, 5-7, 9\r\nSeconda causa: riga 4\r\n"
                                "Terza causa: righe 20, 22, 24, 26, 28, 30, 32, 34, 36, 38, 40, 42, 44, 46, 48, 50, 52, "
                                "54, 56, 58 e altre 11"_s);
    }

    // A serial that differs from the archived one in the case of its accented letters is a
    // duplicate, and "Cerca in Archivio" finds the archived row it was matched with.
    void matricolaAccentata()
    {
        DatabaseTest db;
        fixture();
        const qint64 accentata = inserisci(u"accensioniCAT"_s, {{u"codCAT"_s, 2}, {u"codMov"_s, 7},
                                                                {u"matricola"_s, u"àèì-14"_s}, {u"marchio"_s, u"VAILLANT"_s}});
        const QString file = db.cartella() + u"/accenti.xlsx"_s;
        creaLibroOpenpyxl(file, {{{u"R"_s, u" ÀÈÌ-14"_s}, {u"Q"_s, u"BAXI"_s}}});
        auto& w = finestra(file);
        w.controlli().cmdImporta->click();
        QCOMPARE(colonna(u"SELECT riferimentoAccensione FROM accensioniDoppie WHERE codMov = 8"_s),
                 QStringList{QString::number(accentata)});
        QStringList letti;
        seamModale::accoda([&letti](QWidget* f) {
            letti << f->windowTitle() << f->findChild<QLabel*>(u"lblMatricola"_s)->text()
                  << f->findChild<QLabel*>(u"lblMarca"_s)->text();
        });
        w.controlli().cmdArchivio->click();
        QCOMPARE(letti, QStringList({u"Scheda dettaglio Riga in archivio"_s, u"àèì-14"_s, u"VAILLANT"_s}));
    }

    // Another ODBC tool writes the archive through the data source: rows added, changed and
    // deleted. The import finds every serial as it stands, upper-cased one character to one
    // ("ß" is no "SS"), and "Cerca in Archivio" finds a row the tool changed since.
    void matricoleDiAltriStrumenti()
    {
        DatabaseTest db;
        fixture(); // 1 "abc", 2 " XY "
        for (const QString& sql :
             {u"INSERT INTO accensioniCAT (codCAT, codMov, matricola, marchio) VALUES (2, 7, 'straße-7', 'ODBC')"_s,
              u"INSERT INTO accensioniCAT (codCAT, codMov, matricola) VALUES (2, 7, 'vecchia-8')"_s,
              u"INSERT INTO accensioniCAT (codCAT, codMov, matricola) VALUES (2, 7, 'via-9')"_s,
              u"UPDATE accensioniCAT SET matricola = 'çà-8' WHERE idPrimaAccensione = 4"_s,
              u"DELETE FROM accensioniCAT WHERE idPrimaAccensione = 5"_s})
            QCOMPARE(eseguiConDsn(u"DSN=corvext"_s, sql), QString());
        const QString file = db.cartella() + u"/altri.xlsx"_s;
        creaLibro(file, {{{u"R"_s, u" STRAßE-7 "_s}}, {{u"R"_s, u"STRASSE-7"_s}}, {{u"R"_s, u"ÇÀ-8"_s}},
                         {{u"R"_s, u"VECCHIA-8"_s}}, {{u"R"_s, u"via-9"_s}}, {{u"R"_s, u"ABC"_s}}});
        auto& w = finestra(file);
        w.controlli().cmdImporta->click();
        QCOMPARE(colonna(u"SELECT matricola || '>' || riferimentoAccensione FROM accensioniDoppie WHERE codMov = 8 "
                         "ORDER BY idPrimaAccensione"_s),
                 QStringList({u" STRAßE-7 >3"_s, u"ÇÀ-8>4"_s, u"ABC>1"_s}));
        QCOMPARE(colonna(u"SELECT matricola FROM accensioniCAT WHERE codMov = 8 ORDER BY idPrimaAccensione"_s),
                 QStringList({u"STRASSE-7"_s, u"VECCHIA-8"_s, u"via-9"_s}));

        QCOMPARE(eseguiConDsn(u"DSN=corvext"_s, u"UPDATE accensioniCAT SET matricola = 'STRAßE-7', marchio = 'ALTRO' "
                                                "WHERE idPrimaAccensione = 3"_s),
                 QString());
        QStringList letti;
        seamModale::accoda([&letti](QWidget* f) {
            letti << f->findChild<QLabel*>(u"lblMatricola"_s)->text() << f->findChild<QLabel*>(u"lblMarca"_s)->text();
        });
        auto& c = w.controlli();
        c.grigliaDoppia->recordset().cerca(u"matricola"_s, u" STRAßE-7 "_s);
        c.grigliaDoppia->sincronizza();
        c.cmdArchivio->click();
        QCOMPARE(letti, QStringList({u"STRAßE-7"_s, u"ALTRO"_s}));
    }

    // Each cell stored as the sheet shows it, whatever it holds: a text with bytes that are no
    // UTF-8, one of other alphabets, entities, a number, a boolean, the test date as a serial.
    void celleComeLeMostraIlFoglio()
    {
        DatabaseTest db;
        fixture();
        const QString file = db.cartella() + u"/celle.xlsx"_s;
        const QByteArray nonUtf8 = "\xE0 caso \xC3";
        xlsxRighe(file, "<row r=\"2\"><c r=\"B2\" t=\"inlineStr\"><is><t>" + nonUtf8
                            + "</t></is></c><c r=\"C2\" t=\"inlineStr\"><is><t>Società ‘Ω’ 🔥</t></is></c>"
                              "<c r=\"D2\"><v>1.5</v></c><c r=\"E2\" t=\"b\"><v>1</v></c>"
                              "<c r=\"F2\" t=\"inlineStr\"><is><t>&lt;a&amp;b&gt;</t></is></c>"
                              "<c r=\"R2\" t=\"inlineStr\"><is><t>M1</t></is></c><c r=\"AH2\"><v>38442</v></c></row>");
        finestra(file).controlli().cmdImporta->click();
        // The bytes stored, as every other tool reads them: the text no UTF-8 made UTF-8 as it shows.
        QCOMPARE(colonna(u"SELECT hex(cognome) || '|' || nome || '|' || indirizzo || '|' || numero || '|' || interno "
                         "|| '|' || dataCollaudo FROM accensioniCAT WHERE matricola = 'M1'"_s),
                 QStringList{QString::fromLatin1(QString::fromUtf8(nonUtf8).toUtf8().toHex().toUpper())
                             + u"|Società ‘Ω’ 🔥|1,5|VERO|<a&b>|2005-03-31"_s});
    }

    // Data down to the sheet's last row: the rows past it count as empty, without an error.
    void ultimaRigaDelFoglio()
    {
        DatabaseTest db;
        const QString file = db.cartella() + u"/fondo.xlsx"_s;
        creaLibroOpenpyxl(file, {{{u"R"_s, u"PENULTIMA"_s}}, {{u"R"_s, u"ULTIMA"_s}, {u"B"_s, u"ROSSI"_s}}},
                          ultimaRiga - 1);
        QVERIFY(apriFileExcel(file));
        const Foglio& f = *foglioExcel();
        QVERIFY(!fineRighe(f, ultimaRiga - 1));
        QVERIFY(!fineRighe(f, ultimaRiga));
        QVERIFY(fineRighe(f, ultimaRiga + 1));
        ValoriRiga valori;
        valori.leggi(f, ultimaRiga);
        QCOMPARE(valori.celle()[1], "ROSSI");
        chiudiExcel();
    }

    // A run killed outright leaves either all its rows with its outcome, or none of them and
    // "IN CORSO...": killed while it writes its rows, and while its closing box is up.
    void arrestoImprovviso_data()
    {
        QTest::addColumn<QString>("momento");
        QTest::addColumn<bool>("conclusa");
        QTest::newRow("writing the rows") << u"righe"_s << false;
        QTest::newRow("closing box up") << u"fine"_s << true;
    }
    void arrestoImprovviso()
    {
        QFETCH(QString, momento);
        QFETCH(bool, conclusa);
        DatabaseTest db;
        fixture();
        constexpr int righe = 3000;
        QList<Riga> libro;
        for (int r = 0; r < righe; ++r)
            libro.append({{u"R"_s, u"K%1"_s.arg(r)}, {u"B"_s, u"COGNOME"_s}});
        const QString file = db.cartella() + u"/grande.xlsx"_s;
        creaLibro(file, libro);

        QProcess figlio;
        figlio.start(QStringLiteral(FIGLIO_IMPORTAZIONE), {db.file(), file, momento});
        QVERIFY(figlio.waitForReadyRead(120000));
        QCOMPARE(QString::fromUtf8(figlio.readAllStandardOutput()).trimmed(), momento);
        figlio.kill();
        QVERIFY(figlio.waitForFinished());

        QCOMPARE(esito(8), conclusa ? u"CONCLUSA POSITIVAMENTE"_s : u"IN CORSO..."_s);
        QCOMPARE(colonna(u"SELECT count(*) FROM accensioniCAT WHERE codMov = 8"_s),
                 QStringList{QString::number(conclusa ? righe : 0)});
    }

    // Three empty serials at once: nothing imported, a positive run, no duplicates box.
    void soloRigheVuote()
    {
        DatabaseTest db;
        fixture();
        const QString file = db.cartella() + u"/vuoto.xlsx"_s;
        creaLibro(file, {{{u"B"_s, u"SENZA"_s}}, {}, {}, {{u"R"_s, u"DOPO"_s}}});
        auto& w = finestra(file);
        w.controlli().cmdImporta->click();
        QCOMPARE(seamMessaggi::testi(), QStringList({conferma, u"Procedura di importazione conclusa con successo..."_s}));
        QCOMPARE(esito(8), u"CONCLUSA POSITIVAMENTE"_s);
        QCOMPARE(colonna(u"SELECT count(*) FROM accensioniCAT WHERE codMov = 8"_s), QStringList{u"0"_s});
        QCOMPARE(w.controlli().SSTab1->currentIndex(), 0);
    }

    // A run cut short stores none of its rows and ends as failed.
    void interrottaAMeta()
    {
        DatabaseTest db;
        auto& w = conRigheDiProva(db);
        QTimer::singleShot(0, [] { chiudiExcel(); });
        w.controlli().cmdImporta->click();
        QCOMPARE(seamMessaggi::testi().last(),
                 u"La cartella di lavoro non è più aperta\r\nProcedura di importazione conclusa con errori..."_s);
        QCOMPARE(seamMessaggi::mostrati().last().stile, stile::esclamazione);
        QCOMPARE(esito(8), u"CONCLUSA NEGATIVAMENTE"_s);
        QCOMPARE(colonna(u"SELECT count(*) FROM accensioniCAT WHERE codMov = 8"_s), QStringList{u"0"_s});
        QCOMPARE(colonna(u"SELECT count(*) FROM accensioniDoppie"_s), QStringList{u"0"_s});
    }

    // The close box waits while the rows are written; the buttons come back after.
    void chiusuraDuranteLImportazione()
    {
        DatabaseTest db;
        auto& w = conRigheDiProva(db);
        bool bloccati = false;
        QTimer::singleShot(0, [&] {
            bloccati = !w.controlli().cmdChiudi->isEnabled() && !w.controlli().cmbCAT->isEnabled();
            w.forma()->close();
        });
        w.controlli().cmdImporta->click();
        QVERIFY(bloccati);
        QVERIFY(w.caricata());
        QCOMPARE(esito(8), u"CONCLUSA NEGATIVAMENTE - 1 riga scartata"_s);
        QVERIFY(w.controlli().cmdChiudi->isEnabled());
    }

    // A file that is no workbook, and one past a limit of the reading: its error box, the
    // refusal, nothing stored and the run recorded as failed.
    void libroIllegibile_data()
    {
        QTest::addColumn<QByteArray>("contenuto"); // the file's bytes; empty: a cell's text past its limit
        QTest::addColumn<QString>("motivo"); // the error box's, %1 the file
        QTest::newRow("no workbook") << QByteArray("non sono un libro") << u"Il file %1 non è una cartella di lavoro Excel"_s;
        QTest::newRow("past a limit") << QByteArray()
                                      << u"La cartella di lavoro %1 non si può leggere: La cartella di lavoro supera il limite "
                                         "di 32.767 caratteri (testo di una cella): non è stata importata"_s;
    }
    void libroIllegibile()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(QString, motivo);
        DatabaseTest db;
        fixture();
        const QString file = db.cartella() + u"/finto.xlsx"_s;
        if (contenuto.isEmpty())
            xlsxTestoLungo(file, 40000);
        else
            scriviFile(file, contenuto);
        auto& w = finestra(file);
        QVERIFY(!w.importa());
        const QStringList testi = seamMessaggi::testi();
        QCOMPARE(testi.size(), 3);
        QVERIFY2(testi[1].contains(motivo.arg(file)), qPrintable(testi[1]));
        QCOMPARE(testi[2], u"Impossibilità di aprire il file "_s + file + u"... procedura interrotta!"_s);
        QCOMPARE(esito(8), u"CONCLUSA NEGATIVAMENTE"_s);
        QCOMPARE(connessione.apriAvanti(u"SELECT count(*) FROM accensioniCAT WHERE codMov = 8"_s).campo(0).toInt(), 0);
    }

    void rinuncia()
    {
        DatabaseTest db;
        auto& w = conRigheDiProva(db);
        seamMessaggi::rispondi(Risposta::No);
        w.controlli().cmdImporta->click();
        QCOMPARE(seamMessaggi::testi(), QStringList({conferma, u"Procedura interrotta"_s}));
        QCOMPARE(colonna(u"SELECT count(*) FROM movImportazioniCAT"_s), QStringList{u"1"_s});
    }

    void controllo_data()
    {
        QTest::addColumn<bool>("centro");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("messaggio");
        const QString testa = u"Si sono verificati i seguenti errori:\r\n"_s;
        QTest::newRow("nothing") << false << QString()
                                 << testa + u"Selezionare il cat\r\nSelezionare il nome del file da importare\r\n"_s;
        QTest::newRow("missing file") << true << u"/non/esiste.xlsx"_s
                                      << testa + u"Il file non esiste ho possiede nome diverso...\r\n"_s;
        QTest::newRow("a folder") << true << u"/tmp"_s << testa + u"Il file non esiste ho possiede nome diverso...\r\n"_s;
    }
    void controllo()
    {
        QFETCH(bool, centro);
        QFETCH(QString, file);
        QFETCH(QString, messaggio);
        DatabaseTest db;
        fixture();
        auto& w = istanza<frmImportaAccensioniCAT>();
        if (centro)
            w.controlli().cmbCAT->impostaValoreLegato(1);
        w.controlli().txtNomeFile->setText(file);
        w.controlli().cmdImporta->click();
        QCOMPARE(seamMessaggi::testi(), QStringList{messaggio});
        QCOMPARE(seamMessaggi::mostrati()[0].stile, stile::soloOK);
    }

    // The file dialog offers both workbook kinds; a cancelled dialog leaves the name as it was.
    void sfoglia()
    {
        DatabaseTest db;
        auto& c = istanza<frmImportaAccensioniCAT>().controlli();
        seamDialogoFile::rispondi(u"/dati/cat.XLS"_s);
        c.cmdSfoglia->click();
        QCOMPARE(seamDialogoFile::filtro(), u"Files Prime Accensioni (*.xls *.xlsx)"_s);
        QCOMPARE(c.txtNomeFile->text(), u"/dati/cat.XLS"_s);
        c.cmdSfoglia->click();
        QCOMPARE(c.txtNomeFile->text(), u"/dati/cat.XLS"_s);
    }

    // The run reopened for review; the detail card of a row, of a duplicate and of its archived row.
    void revisioneEDettagli()
    {
        DatabaseTest db;
        conRigheDiProva(db).controlli().cmdImporta->click();
        rilascia<frmImportaAccensioniCAT>();
        seamMessaggi::azzera();

        auto& w = istanza<frmImportaAccensioniCAT>();
        w.carica();
        w.nID = 8;
        w.codCAT = 1;
        w.predisponi();
        auto& c = w.controlli();
        QCOMPARE(c.cmbCAT->currentText(), u"ALFA"_s);
        QVERIFY(!c.cmdImporta->isEnabled());
        QVERIFY(c.txtNomeFile->text().isEmpty());
        QCOMPARE(c.griglia->model()->rowCount(), 6);

        QStringList letti;
        const auto leggi = [&letti](QWidget* f) {
            letti << f->windowTitle();
            for (const char* n : {"lblDataImp", "lblCognome", "lblMatricola", "lblMarca", "lblDataCollaudo", "lblNome"})
                letti << f->findChild<QLabel*>(QString::fromLatin1(n))->text();
        };
        c.griglia->recordset().cerca(u"cognome"_s, u"rossi "_s);
        c.griglia->sincronizza();
        seamModale::accoda(leggi);
        emit c.griglia->doubleClicked(c.griglia->currentIndex());
        seamModale::accoda(leggi);
        emit c.grigliaDoppia->doubleClicked(c.grigliaDoppia->currentIndex());
        seamModale::accoda(leggi);
        c.cmdArchivio->click();
        QCOMPARE(letti, QStringList({u"Scheda dettaglio Riga Attuale"_s, u"16/04/2005"_s, u"rossi "_s, u"NEW1"_s, QString(),
                                     u"01/03/2005"_s, QString(),
                                     u"Scheda dettaglio Riga Attuale"_s, u"16/04/2005"_s, u"DOPPIA"_s, u" abc "_s,
                                     u"ARISTON"_s, QString(), QString(),
                                     u"Scheda dettaglio Riga in archivio"_s, u"01/01/2005"_s, QString(), u"abc"_s,
                                     u"BAXI"_s, QString(), QString()}));
        QVERIFY(seamMessaggi::testi().isEmpty());
    }

    // The detail openers with nothing to open.
    void dettagliSenzaRighe()
    {
        DatabaseTest db;
        fixture();
        auto& c = istanza<frmImportaAccensioniCAT>().controlli();
        emit c.griglia->doubleClicked({});
        c.cmdArchivio->click();
        emit c.grigliaDoppia->doubleClicked({});
        QCOMPARE(seamMessaggi::testi().mid(0, 2), QStringList({u"Selezionare la riga per vedere i dettagli..."_s,
                                                               u"Selezionare la riga per vedere i dettagli..."_s}));
        QCOMPARE(seamMessaggi::testi().size(), 3); // the duplicates grid has no test of its own: the error box
        istanza<frmImportaAccensioniCAT>().aggiornaMatricoleDoppie(7);
        seamMessaggi::azzera();
        c.cmdArchivio->click();
        QCOMPARE(seamMessaggi::testi(), QStringList{u"Nessuna riga selezionata nella tabella delle matricole doppie..."_s});
        QVERIFY(seamModale::mostrate().isEmpty());
    }
};

CORVEXT_TEST_MAIN(TestImportazione)
#include "test_importazione.moc"
