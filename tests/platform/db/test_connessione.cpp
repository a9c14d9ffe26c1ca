#include "altra_postazione.h"
#include "ambiente_test.h"
#include "platform/db/connessione.h"
#include "platform/db/errore_db.h"
#include "platform/db/istruzione_ripetuta.h"
#include "platform/db/modello_recordset.h"
#include "platform/odbc/origine_dati.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
void creaProve()
{
    connessione.esegui("CREATE TABLE prove (id INTEGER PRIMARY KEY AUTOINCREMENT, nome TEXT COLLATE NOCASE UNIQUE, "
                       "peso REAL, giorno DATE, ora TIME)");
    connessione.esegui("INSERT INTO prove (nome, peso, giorno, ora) VALUES ('BETA', 2.5, #3/7/2024#, #09:30#)");
    connessione.esegui("INSERT INTO prove (nome, peso, giorno, ora) VALUES ('alfa', 10, null, null)");
    connessione.esegui("INSERT INTO prove (nome, peso, giorno, ora) VALUES ('Gamma', 1, #12/31/2023#, #18:00#)");
}

// What another workstation holds.
enum Blocco { scritture, tutto, lettura };

// Opening the file as an ordinary user would: what the failure says, or "aperto". Root may read
// anything, so as root the opening runs in a child process that has become nobody.
QString aperturaDaUtente(const QString& file)
{
    const auto apri = [&file] {
        try {
            Connessione c;
            c.apriFile(file);
            return QStringLiteral("aperto");
        } catch (const ErroreDb& e) {
            return e.descrizione;
        }
    };
    if (geteuid() != 0)
        return apri();
    int tubo[2];
    if (pipe(tubo) != 0)
        return QStringLiteral("pipe");
    const pid_t figlio = fork();
    if (figlio == 0) {
        close(tubo[0]);
        const QByteArray r = diventaNessuno() ? apri().toUtf8() : QByteArray("setuid");
        [[maybe_unused]] const ssize_t scritti = write(tubo[1], r.constData(), size_t(r.size()));
        _exit(0);
    }
    close(tubo[1]);
    QByteArray letto;
    char blocco[512];
    for (ssize_t n; (n = read(tubo[0], blocco, sizeof blocco)) > 0;)
        letto.append(blocco, n);
    close(tubo[0]);
    waitpid(figlio, nullptr, 0);
    return QString::fromUtf8(letto);
}

long numeroErrore(const QString& sql)
{
    try {
        connessione.esegui(sql);
    } catch (const ErroreDb& e) {
        return e.numero;
    }
    return 0;
}
} // namespace

class TestConnessione : public QObject {
    Q_OBJECT
private slots:
    void erroriDelComando_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<long>("numero");
        QTest::newRow("syntax") << "SELEC * FROM prove" << erroreComando;
        QTest::newRow("unknown table") << "SELECT * FROM nessuna" << erroreComando;
        QTest::newRow("unknown column") << "SELECT nessuna FROM prove" << erroreComando;
        QTest::newRow("duplicate key") << "INSERT INTO prove (nome) VALUES ('ALFA')" << erroreComando;
        QTest::newRow("good statement") << "UPDATE prove SET peso = 3 WHERE id = 1" << 0L;
    }
    void erroriDelComando()
    {
        QFETCH(QString, sql);
        QFETCH(long, numero);
        DatabaseTest db(false);
        creaProve();
        QCOMPARE(numeroErrore(sql), numero);
    }

    void unaIstruzionePerVolta()
    {
        DatabaseTest db(false);
        creaProve();
        QVERIFY(numeroErrore("UPDATE prove SET peso = 0; DROP TABLE prove") != 0);
        QCOMPARE(connessione.apriStatico("SELECT * FROM prove WHERE peso <> 0").recordCount(), 3);
    }

    // The data source names the SQLite3 driver by its odbcinst.ini entry or by its library.
    void driverDellOrigine_data()
    {
        QTest::addColumn<QString>("driver");
        QTest::addColumn<bool>("accettato");
        QTest::newRow("entry") << "SQLite3" << true;
        QTest::newRow("library") << "/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so" << true;
        QTest::newRow("library elsewhere") << "/opt/odbc/libsqlite3odbc.so" << true;
        QTest::newRow("another entry") << "PostgreSQL Unicode" << false;
        QTest::newRow("another library") << "/usr/lib/x86_64-linux-gnu/odbc/psqlodbcw.so" << false;
        QTest::newRow("the older SQLite driver") << "/usr/lib/x86_64-linux-gnu/odbc/libsqliteodbc.so" << false;
    }
    void driverDellOrigine()
    {
        QFETCH(QString, driver);
        QFETCH(bool, accettato);
        DatabaseTest db(false);
        connessione.chiudi();
        QVERIFY(odbc::scrivi({{"corvext", "Driver", driver}}));
        try {
            connessione.apri("dsn=corvext");
            QVERIFY(accettato);
            QCOMPARE(connessione.origine(), QString("corvext"));
        } catch (const ErroreDb& e) {
            QVERIFY2(!accettato, qPrintable(e.descrizione));
            QVERIFY(e.descrizione.contains("non usa il driver SQLite3"));
            QVERIFY(!connessione.aperta());
        }
    }

    void erroreDescriveIlProblema()
    {
        DatabaseTest db(false);
        try {
            connessione.esegui("SELECT * FROM nessuna");
            QFAIL("no error");
        } catch (const ErroreDb& e) {
            QVERIFY(e.descrizione.contains("nessuna"));
            QVERIFY(!e.sorgente.isEmpty());
        }
    }

    void connessioneChiusa()
    {
        {
            DatabaseTest db(false);
        }
        QVERIFY(!connessione.aperta());
        const long n = numeroErrore("SELECT 1");
        QVERIFY(n != 0 && n != erroreComando);
    }

    void righeToccate()
    {
        DatabaseTest db(false);
        creaProve();
        QCOMPARE(connessione.esegui("UPDATE prove SET peso = 0 WHERE peso < 5"), 2);
        QCOMPARE(connessione.esegui("UPDATE prove SET peso = 0 WHERE id = 99"), 0);
    }

    void recordsetStatico()
    {
        DatabaseTest db(false);
        creaProve();
        Recordset rs = connessione.apriStatico("SELECT * FROM prove ORDER BY id");
        QCOMPARE(rs.recordCount(), 3);
        QVERIFY(!rs.eof() && !rs.bof());
        // fields by name in any case; Null as a null QVariant; dates and times typed
        QCOMPARE(rs.campo("NOME").toString(), QString("BETA"));
        QCOMPARE(rs["Giorno"].toDate(), QDate(2024, 3, 7));
        QCOMPARE(rs["ora"].toTime(), QTime(9, 30));
        rs.moveNext();
        QVERIFY(rs.campo("giorno").isNull());
        QVERIFY(rs.campo("ora").isNull());
        QVERIFY_THROWS_EXCEPTION(ErroreDb, rs.campo("nessuno"));

        QVERIFY(rs.cerca("nome", "gamma"));
        QCOMPARE(rs.campo("id").toInt(), 3);
        QVERIFY(rs.cerca("id", 2));
        QCOMPARE(rs.campo("nome").toString(), QString("alfa"));
        QVERIFY(!rs.cerca("nome", "delta"));
        QVERIFY(rs.eof());

        rs.ordina("nome");
        QStringList nomi;
        for (rs.moveFirst(); !rs.eof(); rs.moveNext())
            nomi << rs["nome"].toString();
        QCOMPARE(nomi, QStringList({"alfa", "BETA", "Gamma"}));
        rs.ordina("giorno", true);
        QCOMPARE(rs["nome"].toString(), QString("BETA"));
        rs.moveLast();
        QVERIFY(rs["giorno"].isNull());
        rs.ordina("peso");
        QCOMPARE(rs["peso"].toDouble(), 1.0); // numbers by value, not as texts
        rs.moveLast();
        QVERIFY_THROWS_EXCEPTION(ErroreDb, (rs.moveNext(), rs.moveNext()));
    }

    void recordsetVuoto()
    {
        DatabaseTest db(false);
        creaProve();
        Recordset rs = connessione.apriStatico("SELECT * FROM prove WHERE id = 0");
        QCOMPARE(rs.recordCount(), 0);
        QVERIFY(rs.eof() && rs.bof() && rs.vuoto());
        Recordset av = connessione.apriAvanti("SELECT * FROM prove WHERE id = 0");
        QVERIFY(av.eof());
        QCOMPARE(av.recordCount(), -1);
        QVERIFY(!Recordset().vuoto()); // nothing was read: not an empty result
    }

    // A snapshot read on in slices shows the rows read so far; what needs the whole snapshot
    // reads the rest first, and once every row is read the statement lets the file go.
    void recordsetInLettura()
    {
        DatabaseTest db(false);
        connessione.esegui("CREATE TABLE righe (id INTEGER PRIMARY KEY, nome TEXT)");
        connessione.esegui("WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 1000) "
                           "INSERT INTO righe SELECT x, 'R' || x FROM n");
        const Lettura lettura{"SELECT * FROM righe ORDER BY id"};
        Recordset rs = connessione.apriInLettura(lettura);
        QVERIFY(!rs.completo() && !rs.vuoto());
        QCOMPARE(rs.dati()->numeroRighe(), 1);
        QVERIFY(!rs.leggiAltre(10));
        QCOMPARE(rs.dati()->numeroRighe(), 11);
        QVERIFY(rs.cerca("id", 500));
        QCOMPARE(rs.posizione(), 499);
        QCOMPARE(rs.recordCount(), 1000);
        QVERIFY(rs.completo());
        AltraPostazione(db.file()).esegui("UPDATE righe SET nome = 'X' WHERE id = 1");

        Recordset tutte = connessione.apriInLettura(lettura);
        int righe = 0;
        for (; !tutte.eof(); tutte.moveNext())
            ++righe;
        QCOMPARE(righe, 1000);
        Recordset ultima = connessione.apriInLettura(lettura);
        ultima.moveLast();
        QCOMPARE(ultima["id"].toInt(), 1000);

        // The connection closed under a reading: the reading stops with the error of a closed object.
        Recordset interrotta = connessione.apriInLettura(lettura);
        connessione.chiudi();
        QVERIFY_THROWS_EXCEPTION(ErroreDb, interrotta.leggiTutte());
    }

    // A snapshot of megabytes keeps every cell as read while it grows past the allocator's
    // heap into pages of its own, and sorts as a small one.
    void recordsetGrande()
    {
        DatabaseTest db(false);
        constexpr int n = 100000;
        connessione.esegui("CREATE TABLE righe (id INTEGER PRIMARY KEY, nome TEXT, peso REAL)");
        connessione.esegui(u"WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < %1) "
                           "INSERT INTO righe SELECT x, printf('NOME %030d', x), x / 4.0 FROM n"_s.arg(n));
        Recordset rs = connessione.apriStatico("SELECT * FROM righe ORDER BY id");
        QCOMPARE(rs.recordCount(), n);
        const auto d = rs.dati();
        for (int r = 0; r < n; ++r)
            if (d->valore(r, 0).toInt() != r + 1 || d->valore(r, 1).toString() != u"NOME "_s + QString::number(r + 1).rightJustified(30, u'0')
                || d->valore(r, 2).toDouble() != (r + 1) / 4.0)
                QFAIL(qPrintable(u"row %1 as read: %2"_s.arg(r).arg(d->valore(r, 1).toString())));
        rs.ordina("nome", true);
        QCOMPARE(rs["id"].toInt(), n);
    }

    void recordsetInAvanti()
    {
        DatabaseTest db(false);
        creaProve();
        Recordset rs = connessione.apriAvanti("SELECT nome FROM prove ORDER BY nome");
        QStringList nomi;
        for (; !rs.eof(); rs.moveNext())
            nomi << rs["NOME"].toString();
        QCOMPARE(nomi, QStringList({"alfa", "BETA", "Gamma"}));
    }

    void transazioni()
    {
        DatabaseTest db(false);
        creaProve();
        {
            Transazione t(connessione);
            connessione.esegui("DELETE FROM prove");
        } // not confirmed: rolled back
        QCOMPARE(connessione.apriStatico("SELECT * FROM prove").recordCount(), 3);
        try {
            Transazione t(connessione);
            connessione.esegui("DELETE FROM prove WHERE id = 1");
            connessione.esegui("INSERT INTO prove (nome) VALUES ('GAMMA')"); // duplicate
            t.conferma();
        } catch (const ErroreDb&) {
        }
        QCOMPARE(connessione.apriStatico("SELECT * FROM prove").recordCount(), 3);
        {
            Transazione t(connessione);
            connessione.esegui("DELETE FROM prove WHERE id = 1");
            t.conferma();
        }
        QCOMPARE(connessione.apriStatico("SELECT * FROM prove").recordCount(), 2);
    }

    void gruppoDentroUnGruppo()
    {
        DatabaseTest db(false);
        creaProve();
        Transazione esterna(connessione);
        connessione.esegui("DELETE FROM prove WHERE id = 1");
        {
            Transazione interna(connessione);
            connessione.esegui("DELETE FROM prove WHERE id = 2");
        } // rolled back: the whole group with it
        QVERIFY_THROWS_EXCEPTION(ErroreDb, esterna.conferma());
        QCOMPARE(connessione.apriStatico("SELECT * FROM prove").recordCount(), 3);
    }

    // Another workstation's lock that outlasts the wait is reported as such, and what was
    // tried is not left half done.
    void archivioOccupato_data()
    {
        QTest::addColumn<int>("blocco");
        QTest::addColumn<bool>("gruppo");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<long>("numero");
        QTest::addColumn<QString>("pesoDopo");
        const QString aggiorna = "UPDATE prove SET peso = 7 WHERE id = 1";
        const QString leggi = "SELECT peso FROM prove";
        QTest::newRow("write while another writes") << int(scritture) << false << aggiorna << erroreArchivioOccupato << "2.5";
        QTest::newRow("read while another writes") << int(scritture) << false << leggi << 0L << "2.5";
        QTest::newRow("read of a file held whole") << int(tutto) << false << leggi << erroreArchivioOccupato << "2.5";
        QTest::newRow("group on a file held whole") << int(tutto) << true << aggiorna << erroreArchivioOccupato << "2.5";
        QTest::newRow("commit while another reads") << int(lettura) << true << aggiorna << erroreArchivioOccupato << "2.5";
        QTest::newRow("write while another reads") << int(lettura) << false << aggiorna << erroreArchivioOccupato << "2.5";
    }
    void archivioOccupato()
    {
        QFETCH(int, blocco);
        QFETCH(bool, gruppo);
        QFETCH(QString, sql);
        QFETCH(long, numero);
        QFETCH(QString, pesoDopo);
        DatabaseTest db(false);
        creaProve();
        attesaBreve();
        AltraPostazione altra(db.file());
        switch (Blocco(blocco)) {
        case scritture: altra.bloccaScritture(); break;
        case tutto: altra.bloccaTutto(); break;
        case lettura: altra.leggeSenzaFinire(); break;
        }
        long errore = 0;
        QString descrizione;
        try {
            if (gruppo) {
                Transazione t(connessione);
                connessione.esegui(sql);
                t.conferma();
            } else {
                connessione.esegui(sql);
            }
        } catch (const ErroreDb& e) {
            errore = e.numero;
            descrizione = e.descrizione;
        }
        altra.sblocca();
        QCOMPARE(errore, numero);
        if (numero == erroreArchivioOccupato)
            QCOMPARE(descrizione, QString("Attenzione ! L'archivio è occupato da un'altra postazione.\r\n"
                                          "Riprovare tra qualche istante."));
        QCOMPARE(altra.colonna("SELECT peso FROM prove WHERE id = 1"), QStringList{pesoDopo});
        // The lock gone, the same work goes through.
        connessione.esegui("UPDATE prove SET peso = 7 WHERE id = 1");
        QCOMPARE(altra.colonna("SELECT peso FROM prove WHERE id = 1"), QStringList{"7.0"});
    }

    // A statement run many times: each kind of value bound as the connection binds it, a
    // refused run reported as the connection reports it and the next run unaffected; the
    // program's maiuscolo() folds accented letters as the program does.
    void istruzioneRipetuta()
    {
        DatabaseTest db(false);
        creaProve();
        IstruzioneRipetuta inserimento(connessione, "INSERT INTO prove (nome, peso, giorno, ora) VALUES (?, ?, ?, ?)");
        QCOMPARE(inserimento.esegui({"delta", 4, QDate(2024, 2, 29), QTime(7, 5)}), 1);
        QCOMPARE(inserimento.esegui({"èpsilon", 0.5, QVariant(), QVariant()}), 1);
        long errore = 0;
        try {
            inserimento.esegui({"ALFA", 1, QVariant(), QVariant()});
        } catch (const ErroreDb& e) {
            errore = e.numero;
            QVERIFY(e.descrizione.contains("UNIQUE"));
        }
        QCOMPARE(errore, erroreComando);
        QCOMPARE(inserimento.esegui({"zeta", QVariant(), QVariant(), QVariant()}), 1);
        QCOMPARE(connessione.apriAvanti("SELECT group_concat(nome || '|' || ifnull(peso, '') || '|' || ifnull(giorno, '') "
                                        "|| '|' || ifnull(ora, ''), ';') FROM prove WHERE id > 3")
                     .campo(0)
                     .toString(),
                 QString("delta|4.0|2024-02-29|07:05;èpsilon|0.5||;zeta|||"));

        IstruzioneRipetuta ricerca(connessione, "SELECT id FROM prove WHERE maiuscolo(nome) = ? ORDER BY id");
        QCOMPARE(ricerca.valore({"ÈPSILON"}), QVariant(qint64(5)));
        QCOMPARE(ricerca.valore({"NESSUNO"}), QVariant());
        QCOMPARE(ricerca.valore({"DELTA"}), QVariant(qint64(4)));
    }

    // A file the user may not read, or may read but not write, is not reported as missing, nor
    // opened to refuse every save later; each message names the file.
    void fileCheNonSiApre_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QFile::Permissions>("permessiFile");
        QTest::addColumn<QFile::Permissions>("permessiCartella");
        QTest::addColumn<QString>("esito");
        const QFile::Permissions tutti = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                         | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
                                         | QFile::WriteOther | QFile::ExeOther;
        const QFile::Permissions nessunaLettura = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
        const QFile::Permissions senzaIngresso = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                                 | QFile::ReadOther;
        const QFile::Permissions soloLettura = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        const QFile::Permissions senzaNuoviFile = soloLettura | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
        const QString permessi = u"Il file del database non si può aprire per mancanza di permessi: %1"_s;
        const QString nonModificabile
            = u"Il file del database non si può modificare (sola lettura o mancanza di permessi): %1"_s;
        QTest::newRow("readable") << u"corvext.db"_s << tutti << tutti << u"aperto"_s;
        QTest::newRow("missing") << u"manca.db"_s << tutti << tutti << u"Il file del database non esiste: %1"_s;
        QTest::newRow("not readable") << u"corvext.db"_s << nessunaLettura << tutti << permessi;
        QTest::newRow("folder that cannot be entered") << u"corvext.db"_s << tutti << senzaIngresso << permessi;
        QTest::newRow("read only") << u"corvext.db"_s << soloLettura << tutti << nonModificabile;
        // No journal could be made beside it.
        QTest::newRow("folder that takes no new file") << u"corvext.db"_s << tutti << senzaNuoviFile
                                                       << nonModificabile;
    }
    void fileCheNonSiApre()
    {
        QFETCH(QString, file);
        QFETCH(QFile::Permissions, permessiFile);
        QFETCH(QFile::Permissions, permessiCartella);
        QFETCH(QString, esito);
        QTemporaryDir radice;
        QVERIFY(QFile::setPermissions(radice.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                         | QFile::ReadOther | QFile::ExeOther));
        const QString cartella = radice.path() + u"/archivio"_s;
        QVERIFY(QDir().mkdir(cartella));
        QVERIFY(QFile::setPermissions(creaDatabaseVuoto(cartella), permessiFile));
        QVERIFY(QFile::setPermissions(cartella, permessiCartella));
        const QString percorso = cartella + u'/' + file;
        const QString letto = aperturaDaUtente(percorso);
        QFile::setPermissions(cartella, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(letto, esito.arg(percorso));
    }

    // A file that is not a database at all is told apart from a failing connection.
    void fileCheNonEUnDatabase()
    {
        DatabaseTest db(false);
        connessione.chiudi();
        QFile f(db.file());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
        f.close();
        connessione.apriFile(db.file());
        QCOMPARE(numeroErrore("SELECT count(*) FROM sqlite_master"), erroreFormatoArchivio);
    }

    void ultimoIdNonRiusato()
    {
        DatabaseTest db(false);
        creaProve();
        connessione.esegui("DELETE FROM prove WHERE id = 3");
        connessione.esegui("INSERT INTO prove (nome) VALUES ('DELTA')");
        QCOMPARE(connessione.ultimoId(), 4);
    }

    void modelloOrdinaIlRecordset()
    {
        DatabaseTest db(false);
        creaProve();
        ModelloRecordset m;
        m.imposta(connessione.apriStatico("SELECT * FROM prove"),
                  {{"nome", "Nome"}, {"giorno", "Data"}, {"ora", "Ora"}});
        QCOMPARE(m.rowCount(), 3);
        QCOMPARE(m.headerData(1, Qt::Horizontal).toString(), QString("Data"));
        m.sort(0, Qt::DescendingOrder);
        QCOMPARE(m.data(m.index(0, 0)).toString(), QString("Gamma"));
        QCOMPARE(m.data(m.index(0, 1)).toString(), QString("31/12/2023"));
        QCOMPARE(m.data(m.index(0, 2)).toString(), QString("18:00"));
        QCOMPARE(m.data(m.index(2, 1)).toString(), QString());
        QCOMPARE(m.recordset()["nome"].toString(), QString("Gamma"));
    }
};

CORVEXT_TEST_MAIN(TestConnessione)
#include "test_connessione.moc"
