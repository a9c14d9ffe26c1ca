#include "ambiente_test.h"
#include "odbc_esterno.h"
#include "platform/db/connessione.h"
#include "platform/db/errore_db.h"
#include "schema/aggiornamenti.h"
#include "schema/controllo_archivio.h"
#include "schema/schema.h"
#include <QDate>
#include <QFile>
#include <QTime>
#include <memory>

namespace {
struct Tabella {
    const char* nome;
    int colonne;
    bool autonumero;
};

// Every table of a new database, spelled as created, with its number of columns.
const Tabella tabelle[] = {
    {"operatori", 4, true},
    {"zone", 4, true},
    {"posizione", 4, true},
    {"tipoProd", 4, true},
    {"tipocli", 4, true},
    {"tipoabb", 4, true},
    {"marche", 4, true},
    {"tipologia_attivita", 4, true},
    {"tipoRichiesta", 3, true},
    {"area_int", 4, true},
    {"difetti", 4, true},
    {"tipogas", 4, true},
    {"tipoManutenzioni", 4, true},
    {"installatori", 15, true},
    {"tecnici", 4, true},
    {"tecnici_per_zona", 4, true},
    {"prodotti", 5, true},
    {"materiali", 5, true},
    {"ferie", 6, true},
    {"festivita", 3, true},
    {"clienti", 24, false},
    {"contatori", 2, false},
    {"prodotti_ai_clienti", 39, true},
    {"stampe", 1, false},
    {"chiamate", 6, false},
    {"interventi", 8, true},
    {"prodotti_in_chiamata", 4, true},
    {"richieste", 4, true},
    {"riscontro_su_prodotto", 4, true},
    {"attività_svolte", 4, true},
    {"matAtt", 3, true},
    {"manutenzioni", 5, true},
    {"CAT", 7, true},
    {"movImportazioniCAT", 4, false},
    {"accensioniCAT", 46, true},
    {"accensioniDoppie", 47, true},
    {"matricoleArchiviate", 2, false},
};

// The workbook columns A..AQ, in the order the import and the export use them.
const QStringList colonneFoglio = {
    "ragionesociale", "cognome", "nome", "indirizzo", "numero", "interno", "localita", "caplocalita",
    "colonnaI", "colonnaJ", "provincia", "telefono", "cellulare", "colonnaN", "propanoValvola",
    "propanoEntrata", "marchio", "matricola", "modello", "installatore", "indirizzoInst", "numeroInst",
    "internoInst", "localitaInst", "capLocalitaInst", "capComuneInst", "provinciaInst", "comuneInst",
    "telefonoInst", "cellulareInst", "emailInst", "dataInstallazione", "conformita", "dataCollaudo",
    "luogoInstallazione", "tipoScarico", "alimentazione", "verificaTensione", "verificaConsumo",
    "verificaPrima", "mezzoVerifica", "altroMezzoVerifica", "note",
};

QVariant valore(const QString& sql)
{
    const Recordset rs = connessione.apriAvanti(sql);
    return rs.eof() ? QVariant() : rs.campo(0);
}

int intero(const QString& sql)
{
    return valore(sql).toInt();
}

// The text of every object of the schema, to tell whether anything changed.
QString descrizioneSchema()
{
    return valore("SELECT group_concat(type || ' ' || name || ' ' || ifnull(sql, ''), char(10)) "
                  "FROM (SELECT * FROM sqlite_master ORDER BY name)")
        .toString();
}
} // namespace

class TestSchema : public QObject {
    Q_OBJECT

    std::unique_ptr<DatabaseTest> db;

private slots:
    void init()
    {
        db = std::make_unique<DatabaseTest>(false);
        preparaDatabase(connessione);
    }
    void cleanup() { db.reset(); }

    void tabelleDelDatabase()
    {
        QStringList attese;
        for (const Tabella& t : tabelle)
            attese << QString::fromUtf8(t.nome);
        attese.sort();
        QStringList presenti;
        Recordset rs = connessione.apriAvanti("SELECT name FROM sqlite_master WHERE type = 'table' "
                                              "AND name <> 'sqlite_sequence'");
        for (; !rs.eof(); rs.moveNext())
            presenti << rs.campo(0).toString();
        presenti.sort();
        QCOMPARE(presenti, attese);
    }

    void colonne_data()
    {
        QTest::addColumn<QString>("tabella");
        QTest::addColumn<int>("colonne");
        for (const Tabella& t : tabelle)
            QTest::newRow(t.nome) << QString::fromUtf8(t.nome) << t.colonne;
    }
    void colonne()
    {
        QFETCH(QString, tabella);
        QFETCH(int, colonne);
        QCOMPARE(intero(QString("SELECT count(*) FROM pragma_table_info('%1')").arg(tabella)), colonne);
    }

    // The two names outside ASCII must carry the precomposed à, byte for byte.
    void nomiAccentati_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("esadecimale");
        QTest::newRow("attività_svolte") << "SELECT hex(name) FROM sqlite_master WHERE name LIKE 'attivit%'"
                                         << "61747469766974C3A05F73766F6C7465";
        QTest::newRow("idTipoAttività") << "SELECT hex(name) FROM pragma_table_info('tipologia_attivita') "
                                           "WHERE cid = 0"
                                        << "69645469706F41747469766974C3A0";
    }
    void nomiAccentati()
    {
        QFETCH(QString, sql);
        QFETCH(QString, esadecimale);
        QCOMPARE(valore(sql).toString(), esadecimale);
    }

    // The import fills and the export reads these tables by field position.
    void ordineAccensioni_data()
    {
        QTest::addColumn<QString>("tabella");
        QTest::addColumn<QStringList>("campi");
        QTest::newRow("accensioniCAT") << "accensioniCAT"
                                       << QStringList{"idPrimaAccensione", "codCAT", "codMov"} + colonneFoglio;
        QTest::newRow("accensioniDoppie")
            << "accensioniDoppie"
            << QStringList{"idPrimaAccensione", "codCAT", "codMov", "riferimentoAccensione"} + colonneFoglio;
    }
    void ordineAccensioni()
    {
        QFETCH(QString, tabella);
        QFETCH(QStringList, campi);
        const Recordset rs = connessione.apriStatico("SELECT * FROM " + tabella);
        QStringList presenti;
        for (int i = 0; i < rs.numeroCampi(); ++i)
            presenti << rs.nomeCampo(i);
        QCOMPARE(presenti, campi);
    }

    void datiIniziali()
    {
        QCOMPARE(intero("SELECT count(*) FROM contatori"), 1);
        QCOMPARE(intero("SELECT count(*) FROM contatori WHERE cliente = 0 AND chiamata = 0"), 1);
        QCOMPARE(intero("SELECT count(*) FROM operatori"), 1);
        QCOMPARE(intero("SELECT count(*) FROM operatori WHERE opUser = 'ADMIN' AND opPassword = 'ADMIN' "
                        "AND opTipo = 'AMMINISTRATORE'"),
                 1);
        // The operator card looks names up as typed, in any case.
        QCOMPARE(intero("SELECT count(*) FROM operatori WHERE opUser = 'admin'"), 1);
        QCOMPARE(intero("SELECT user_version FROM pragma_user_version"), aggiornamenti().last().versione);
    }

    // The database the build puts in the program folder is a new database, ready for the login.
    void archivioSpedito()
    {
        const QString schemaNuovo = descrizioneSchema();
        connessione.chiudi();
        QFile::remove(db->file());
        QVERIFY(QFile::copy(CORVEXT_ARCHIVIO_SPEDITO, db->file()));
        connessione.apri("dsn=corvext");
        QCOMPARE(descrizioneSchema(), schemaNuovo);
        datiIniziali();
    }

    // A database with tables but no version (one migrated from elsewhere) is taken to hold
    // the base schema.
    void secondaPreparazione_data()
    {
        QTest::addColumn<int>("versione");
        QTest::newRow("prepared") << aggiornamenti().last().versione;
        QTest::newRow("serials folded by the program's function") << 4;
        QTest::newRow("base version") << 1;
        QTest::newRow("without version") << 0;
    }
    void secondaPreparazione()
    {
        QFETCH(int, versione);
        connessione.esegui(QString("PRAGMA user_version = %1").arg(versione));
        connessione.esegui("INSERT INTO clienti (idCli, cognome) VALUES (1, 'ROSSI')");
        connessione.esegui("UPDATE contatori SET cliente = 1");
        const QString prima = descrizioneSchema();

        preparaDatabase(connessione);

        QCOMPARE(descrizioneSchema(), prima);
        QCOMPARE(valore("SELECT cognome FROM clienti WHERE idCli = 1").toString(), QString("ROSSI"));
        QCOMPARE(intero("SELECT count(*) FROM contatori WHERE cliente = 1 AND chiamata = 0"), 1);
        QCOMPARE(intero("SELECT count(*) FROM contatori"), 1);
        QCOMPARE(intero("SELECT count(*) FROM operatori"), 1);
        QCOMPARE(intero("SELECT user_version FROM pragma_user_version"), aggiornamenti().last().versione);
    }

    // A new database and nothing more, whatever its version: any row beyond its first ones counts.
    void archivioIntatto_data()
    {
        QTest::addColumn<QStringList>("istruzioni");
        QTest::addColumn<bool>("intatto");
        QTest::newRow("new") << QStringList{} << true;
        QTest::newRow("an earlier version") << QStringList{"PRAGMA user_version = 1"} << true;
        QTest::newRow("a customer") << QStringList{"INSERT INTO clienti (idCli, cognome) VALUES (1, 'ROSSI')"}
                                    << false;
        QTest::newRow("a zone") << QStringList{"INSERT INTO zone (sigla_zona) VALUES ('Z1')"} << false;
        QTest::newRow("a zone added and removed")
            << QStringList{"INSERT INTO zone (sigla_zona) VALUES ('Z1')", "DELETE FROM zone"} << true;
        QTest::newRow("a customer number drawn") << QStringList{"UPDATE contatori SET cliente = 1"} << false;
        QTest::newRow("a call number drawn") << QStringList{"UPDATE contatori SET chiamata = 1"} << false;
        QTest::newRow("the administrator's password") << QStringList{"UPDATE operatori SET opPassword = 'SEGRETA'"}
                                                      << false;
        QTest::newRow("a second operator")
            << QStringList{"INSERT INTO operatori (opUser, opPassword, opTipo) VALUES ('MARIO', 'X', 'OPERATORE')"}
            << false;
        QTest::newRow("the administrator created again")
            << QStringList{"DELETE FROM operatori",
                           "INSERT INTO operatori (opUser, opPassword, opTipo) VALUES ('ADMIN', 'ADMIN', 'AMMINISTRATORE')"}
            << false;
        QTest::newRow("a table of another program")
            << QStringList{"CREATE TABLE fatture (numero INTEGER)", "INSERT INTO fatture VALUES (1)"} << false;
        QTest::newRow("a table missing") << QStringList{"DROP TABLE tipoabb"} << false;
    }
    void archivioIntatto()
    {
        QFETCH(QStringList, istruzioni);
        QFETCH(bool, intatto);
        for (const QString& istruzione : istruzioni)
            connessione.esegui(istruzione);
        QCOMPARE(::archivioIntatto(connessione), intatto);
    }

    // A database of the first version gets the later steps at open, its rows kept.
    void aggiornamentoDallaVersione1()
    {
        const QString nuovo = descrizioneSchema();
        for (const char* innesco : {"accensioniCAT_dataCollaudo_INSERT", "accensioniCAT_dataCollaudo_UPDATE",
                                    "accensioniDoppie_dataCollaudo_INSERT", "accensioniDoppie_dataCollaudo_UPDATE"})
            connessione.esegui(QString("DROP TRIGGER %1").arg(innesco));
        for (const char* oggetto : {"TABLE matricoleArchiviate", "TRIGGER accensioniCAT_matricola_INSERT",
                                    "TRIGGER accensioniCAT_matricola_UPDATE", "TRIGGER accensioniCAT_matricola_DELETE"})
            connessione.esegui(QString("DROP %1").arg(oggetto));
        connessione.esegui("PRAGMA user_version = 1");
        connessione.esegui("INSERT INTO accensioniCAT (matricola, dataCollaudo) VALUES ('m1', '2024-05-01')");
        connessione.esegui("INSERT INTO accensioniCAT (matricola) VALUES (' àè-2'), (null)");
        preparaDatabase(connessione);
        QCOMPARE(descrizioneSchema(), nuovo);
        // The serials already archived are folded where SQLite can, the others marked for the program.
        QCOMPARE(valore("SELECT group_concat(ifnull(matricolaDaContr, '<da piegare>'), '|') FROM "
                        "(SELECT * FROM matricoleArchiviate ORDER BY idPrimaAccensione)").toString(),
                 QString("M1|<da piegare>"));
        QCOMPARE(intero("SELECT user_version FROM pragma_user_version"), aggiornamenti().last().versione);
        QCOMPARE(intero("SELECT count(*) FROM accensioniCAT WHERE matricola = 'm1'"), 1);
        QVERIFY_THROWS_EXCEPTION(ErroreDb, connessione.esegui("INSERT INTO accensioniCAT (dataCollaudo) VALUES ('3/5/24')"));
        QVERIFY_THROWS_EXCEPTION(ErroreDb, connessione.esegui("INSERT INTO accensioniDoppie (dataCollaudo) VALUES ('x')"));
        connessione.esegui("INSERT INTO accensioniDoppie (dataCollaudo) VALUES (null)");
    }

    // The folded serials follow the archive: a row added, its serial changed, the row deleted;
    // a serial of printable ASCII upper-cased, any other marked for the program to fold.
    void matricoleArchiviateSeguonoLArchivio()
    {
        const auto piegate = [] {
            return valore("SELECT group_concat(idPrimaAccensione || '=' || ifnull(matricolaDaContr, '?'), '|') FROM "
                          "(SELECT * FROM matricoleArchiviate ORDER BY idPrimaAccensione)")
                .toString();
        };
        connessione.esegui("INSERT INTO accensioniCAT (matricola) VALUES ('àb-1'), (null), (' x-~ '), ('a	b')");
        QCOMPARE(piegate(), QString("1=?|3= X-~ |4=?"));
        connessione.esegui("UPDATE accensioniCAT SET matricola = 'cd' WHERE idPrimaAccensione = 2");
        connessione.esegui("UPDATE accensioniCAT SET matricola = null WHERE idPrimaAccensione = 3");
        connessione.esegui("UPDATE accensioniCAT SET matricola = 'ef' WHERE idPrimaAccensione = 1");
        QCOMPARE(piegate(), QString("1=EF|2=CD|4=?"));
        connessione.esegui("UPDATE accensioniCAT SET matricola = 'straße' WHERE idPrimaAccensione = 2");
        connessione.esegui("DELETE FROM accensioniCAT WHERE idPrimaAccensione = 1");
        QCOMPARE(piegate(), QString("2=?|4=?"));
    }

    // Another ODBC tool, through the data source, writes the imported first ignitions: rows
    // added, changed and deleted, their serials followed; no function of ours in the schema.
    void altroStrumentoOdbc()
    {
        const QString dsn = "DSN=corvext";
        for (const char* sql : {"INSERT INTO accensioniCAT (codCAT, codMov, matricola) VALUES (1, 1, 'ab-1')",
                                "INSERT INTO accensioniCAT (codCAT, codMov, matricola) VALUES (1, 1, 'straße-7')",
                                "INSERT INTO accensioniCAT (codCAT, codMov) VALUES (1, 1)",
                                "UPDATE accensioniCAT SET matricola = 'cd-3' WHERE idPrimaAccensione = 3",
                                "UPDATE accensioniCAT SET matricola = 'Çe-1' WHERE idPrimaAccensione = 1",
                                "DELETE FROM accensioniCAT WHERE idPrimaAccensione = 2",
                                "INSERT INTO accensioniDoppie (codCAT, codMov, matricola) VALUES (1, 1, 'x')"}) {
            const QString errore = eseguiConDsn(dsn, QString::fromUtf8(sql));
            QVERIFY2(errore.isEmpty(), qPrintable(QString::fromUtf8(sql) + ": " + errore));
        }
        QCOMPARE(valore("SELECT group_concat(idPrimaAccensione || '=' || ifnull(matricolaDaContr, '?'), '|') FROM "
                        "(SELECT * FROM matricoleArchiviate ORDER BY idPrimaAccensione)").toString(),
                 QString("1=?|3=CD-3"));
        QCOMPARE(valore("SELECT matricola FROM accensioniCAT WHERE idPrimaAccensione = 1").toString(), QString("Çe-1"));
        QVERIFY(valore("SELECT sql FROM sqlite_master WHERE sql LIKE '%maiuscolo%'").isNull());
    }

    // At open, an index or a trigger that is missing or was written otherwise is written
    // again; where one of the archive's serials was, the rows written meanwhile are folded.
    void oggettiRipristinati_data()
    {
        QTest::addColumn<QStringList>("guasti"); // statements of another tool
        QTest::addColumn<QString>("piegate");    // the folded serials after the open
        const QString aggiunte = "INSERT INTO accensioniCAT (matricola) VALUES ('ab-1'), ('àè-2')";
        QTest::newRow("an index dropped") << QStringList{"DROP INDEX ix_clienti_cognome"} << "";
        QTest::newRow("the serials' index dropped")
            << QStringList{"DROP INDEX ix_matricoleArchiviate_matricolaDaContr"} << "";
        QTest::newRow("a trigger dropped, rows added")
            << QStringList{"DROP TRIGGER accensioniCAT_matricola_INSERT", aggiunte} << "1=AB-1|2=?";
        QTest::newRow("every trigger of the serials dropped, rows added and deleted")
            << QStringList{"DROP TRIGGER accensioniCAT_matricola_INSERT", "DROP TRIGGER accensioniCAT_matricola_UPDATE",
                           "DROP TRIGGER accensioniCAT_matricola_DELETE", aggiunte,
                           "UPDATE accensioniCAT SET matricola = 'cd' WHERE idPrimaAccensione = 1",
                           "DELETE FROM accensioniCAT WHERE idPrimaAccensione = 2"}
            << "1=CD";
        QTest::newRow("a trigger written otherwise")
            << QStringList{"DROP TRIGGER accensioniCAT_matricola_INSERT",
                           "CREATE TRIGGER accensioniCAT_matricola_INSERT AFTER INSERT ON accensioniCAT BEGIN "
                           "SELECT 1; END",
                           aggiunte}
            << "1=AB-1|2=?";
        QTest::newRow("a date check dropped") << QStringList{"DROP TRIGGER accensioniDoppie_dataCollaudo_UPDATE"} << "";
    }
    void oggettiRipristinati()
    {
        QFETCH(QStringList, guasti);
        QFETCH(QString, piegate);
        const QString nuovo = descrizioneSchema();
        for (const QString& sql : guasti) {
            const QString errore = eseguiConDsn("DSN=corvext", sql);
            QVERIFY2(errore.isEmpty(), qPrintable(sql + ": " + errore));
        }
        QVERIFY(descrizioneSchema() != nuovo);
        preparaDatabase(connessione);
        QCOMPARE(descrizioneSchema(), nuovo);
        QCOMPARE(valore("SELECT ifnull(group_concat(idPrimaAccensione || '=' || ifnull(matricolaDaContr, '?'), '|'), '') "
                        "FROM (SELECT * FROM matricoleArchiviate ORDER BY idPrimaAccensione)").toString(),
                 piegate);
    }

    // An index whose name another object took cannot be written again: the file is refused
    // as incomplete, and left as it was.
    void oggettoNonRipristinabile()
    {
        connessione.esegui("DROP INDEX ix_clienti_cognome");
        connessione.esegui("CREATE TABLE ix_clienti_cognome (x)");
        const QString prima = descrizioneSchema();
        try {
            preparaDatabase(connessione);
            QFAIL("the database was accepted");
        } catch (const ErroreDb& e) {
            QCOMPARE(e.numero, erroreFormatoArchivio);
            QVERIFY2(e.descrizione.contains("è incompleto"), qPrintable(e.descrizione));
        }
        QCOMPARE(descrizioneSchema(), prima);
    }

    // A statement of the schema failing halfway leaves the file as it was, so the next
    // start builds it again instead of taking a half-built database for a complete one.
    void fallimentoSenzaResidui()
    {
        db.reset();
        db = std::make_unique<DatabaseTest>(false);
        connessione.esegui("CREATE VIEW posizione AS SELECT 1 AS x");
        QVERIFY_THROWS_EXCEPTION(ErroreDb, preparaDatabase(connessione));
        QCOMPARE(intero("SELECT count(*) FROM sqlite_master WHERE type = 'table'"), 0);
        QCOMPARE(intero("SELECT user_version FROM pragma_user_version"), 0);
    }

    // What a statement writes comes back in the form and type the windows read.
    void valoriConservati_data()
    {
        QTest::addColumn<QString>("tabella");
        QTest::addColumn<QString>("colonna");
        QTest::addColumn<QString>("scritto");
        QTest::addColumn<QVariant>("letto");
        QTest::newRow("postcode") << "clienti" << "cap" << "'00184'" << QVariant(QString("00184"));
        QTest::newRow("telephone") << "clienti" << "tel_casa" << "'0612345678'" << QVariant(QString("0612345678"));
        QTest::newRow("serial") << "prodotti_ai_clienti" << "matr_1" << "'000123'" << QVariant(QString("000123"));
        QTest::newRow("workbook postcode") << "accensioniCAT" << "caplocalita" << "'00184'"
                                           << QVariant(QString("00184"));
        QTest::newRow("workbook serial") << "accensioniDoppie" << "matricola" << "'0012'"
                                         << QVariant(QString("0012"));
        QTest::newRow("date") << "chiamate" << "ch_data" << "'2026-12-10'" << QVariant(QDate(2026, 12, 10));
        QTest::newRow("Jet date") << "manutenzioni" << "dataMan" << "#12/10/2026#" << QVariant(QDate(2026, 12, 10));
        QTest::newRow("workbook date") << "accensioniCAT" << "dataCollaudo" << "#3/31/2005#"
                                       << QVariant(QDate(2005, 3, 31));
        QTest::newRow("Jet time") << "interventi" << "ora_inizio" << "#08:30#" << QVariant(QTime(8, 30));
        QTest::newRow("amount") << "prodotti_ai_clienti" << "vl_abb" << "12.5" << QVariant(12.5);
    }
    void valoriConservati()
    {
        QFETCH(QString, tabella);
        QFETCH(QString, colonna);
        QFETCH(QString, scritto);
        QFETCH(QVariant, letto);
        connessione.esegui(QString("INSERT INTO %1 (%2) VALUES (%3)").arg(tabella, colonna, scritto));
        const QVariant v = valore(QString("SELECT %2 FROM %1").arg(tabella, colonna));
        QCOMPARE(QString(v.metaType().name()), QString(letto.metaType().name()));
        QCOMPARE(v, letto);
    }

    // Columns an insert leaves out and the program relies on; the flags and counters never
    // hold Null, since a Null flag would hide a row from every "eliminato = 0" list.
    void valoriPredefiniti_data()
    {
        QTest::addColumn<QString>("tabella");
        QTest::addColumn<QString>("colonna");
        QTest::addColumn<QString>("atteso");
        QTest::addColumn<bool>("maiNullo");
        for (const char* t : {"zone", "posizione", "tipoProd", "tipocli", "tipoabb", "marche",
                              "tipologia_attivita", "area_int", "difetti", "tipogas", "tipoManutenzioni",
                              "installatori", "tecnici", "tecnici_per_zona", "prodotti", "materiali"})
            QTest::newRow(t) << QString::fromUtf8(t) << "eliminato" << "0" << true;
        QTest::newRow("ferie") << "ferie" << "ferieEliminato" << "0" << true;
        QTest::newRow("contatori.cliente") << "contatori" << "cliente" << "0" << true;
        QTest::newRow("contatori.chiamata") << "contatori" << "chiamata" << "0" << true;
        QTest::newRow("manutenzione") << "prodotti_ai_clienti" << "manutenzione" << "-" << false;
    }
    void valoriPredefiniti()
    {
        QFETCH(QString, tabella);
        QFETCH(QString, colonna);
        QFETCH(QString, atteso);
        QFETCH(bool, maiNullo);
        connessione.esegui(QString("DELETE FROM %1").arg(tabella));
        connessione.esegui(QString("INSERT INTO %1 DEFAULT VALUES").arg(tabella));
        QCOMPARE(valore(QString("SELECT %2 FROM %1").arg(tabella, colonna)).toString(), atteso);
        const QString annulla = QString("UPDATE %1 SET %2 = NULL").arg(tabella, colonna);
        if (maiNullo)
            QVERIFY_THROWS_EXCEPTION(ErroreDb, connessione.esegui(annulla));
    }

    // A deleted autonumber is never handed out again.
    void autonumeroNonRiusato_data()
    {
        QTest::addColumn<QString>("tabella");
        for (const Tabella& t : tabelle)
            if (t.autonumero)
                QTest::newRow(t.nome) << QString::fromUtf8(t.nome);
    }
    void autonumeroNonRiusato()
    {
        QFETCH(QString, tabella);
        const QString chiave =
            valore(QString("SELECT name FROM pragma_table_info('%1') WHERE pk = 1").arg(tabella)).toString();
        QVERIFY(!chiave.isEmpty());
        connessione.esegui(QString("DELETE FROM %1").arg(tabella));
        connessione.esegui(QString("INSERT INTO %1 DEFAULT VALUES").arg(tabella));
        const qint64 prima = connessione.ultimoId();
        connessione.esegui(QString("INSERT INTO %1 DEFAULT VALUES").arg(tabella));
        connessione.esegui(QString("DELETE FROM %1 WHERE %2 = %3").arg(tabella, chiave).arg(prima + 1));
        connessione.esegui(QString("INSERT INTO %1 DEFAULT VALUES").arg(tabella));
        QCOMPARE(valore(QString("SELECT max(%2) FROM %1").arg(tabella, chiave)).toLongLong(), prima + 2);
    }

    // Numbers the program draws itself, and the one intervention per call, refuse a repeat
    // as a command error, so the card shows its duplicate-record text.
    void chiaveRipetuta_data()
    {
        QTest::addColumn<QString>("tabella");
        QTest::addColumn<QString>("colonna");
        QTest::newRow("clienti") << "clienti" << "idCli";
        QTest::newRow("chiamate") << "chiamate" << "idChiamata";
        QTest::newRow("movImportazioniCAT") << "movImportazioniCAT" << "idMov";
        QTest::newRow("interventi") << "interventi" << "cod_chiamata";
    }
    void chiaveRipetuta()
    {
        QFETCH(QString, tabella);
        QFETCH(QString, colonna);
        const QString inserisci = QString("INSERT INTO %1 (%2) VALUES (7)").arg(tabella, colonna);
        connessione.esegui(inserisci);
        try {
            connessione.esegui(inserisci);
            QFAIL("the repeated key was accepted");
        } catch (const ErroreDb& e) {
            QCOMPARE(e.numero, erroreComando);
        }
        QCOMPARE(intero(QString("SELECT count(*) FROM %1").arg(tabella)), 1);
    }

    // The first-ignition export reads the view by field name, with the selection of its window.
    void primeAccensioni()
    {
        connessione.esegui("INSERT INTO clienti (idCli, cognome, nome, cap) VALUES (1, 'ROSSI', 'MARIO', '00184')");
        connessione.esegui("INSERT INTO marche (sigla_marca, marca) VALUES ('BX', 'BAXI')");
        const qint64 marca = connessione.ultimoId();
        connessione.esegui(QString("INSERT INTO prodotti (modello, cod_marca, cod_tipo_prodotto) VALUES "
                                   "('LUNA', %1, 0)")
                               .arg(marca));
        const qint64 modello = connessione.ultimoId();
        connessione.esegui(QString("INSERT INTO prodotti_ai_clienti (cod_tecnico, cod_prodotto, cod_cliente, "
                                   "cod_installatore, cod_posizione, cod_tipo_gas, matr_1, data_coll) VALUES "
                                   "(0, %1, 1, 0, 0, 0, '0042', #12/10/2026#)")
                               .arg(modello));

        Recordset rs = connessione.apriStatico(
            QString("SELECT * FROM primeAccensioni where (data_coll >=#12/1/2026# and data_coll "
                    "<=#12/31/2026#) and idMarca in (%1)")
                .arg(marca));
        QCOMPARE(rs.recordCount(), 1);
        for (const char* campo :
             {"rag_soc", "cognome", "nome", "indirizzo", "citta", "cap", "pv", "tel_casa", "tel_cel",
              "gasPropanoValvola", "gasPropanoEntrata", "marca", "matr_1", "modello", "ragioneSociale_ins",
              "nome_ins", "indirizzo_ins", "numero_ins", "interno_ins", "localita_ins", "caplocalita_ins",
              "capComune_ins", "provincia_ins", "comune_ins", "telefono_ins", "cellulare_ins", "email_ins",
              "dataInstallazione", "dich_conf", "data_coll", "sigla_posizione", "tipoScarico", "sigla_tipo_gas",
              "tensione", "consumoGas", "primaVerifica", "catAttesta", "altroCatAttesta", "note_Coll", "idMarca"})
            QVERIFY2(rs.haCampo(campo), campo);
        QCOMPARE(rs.campo("cognome").toString(), QString("ROSSI"));
        QCOMPARE(rs.campo("cap").toString(), QString("00184"));
        QCOMPARE(rs.campo("marca").toString(), QString("BAXI"));
        QCOMPARE(rs.campo("matr_1").toString(), QString("0042"));
        QCOMPARE(rs.campo("data_coll"), QVariant(QDate(2026, 12, 10)));
        QVERIFY(rs.campo("nome_ins").isNull());
        QVERIFY(rs.campo("sigla_posizione").isNull());
        QVERIFY(rs.campo("sigla_tipo_gas").isNull());
    }
};

CORVEXT_TEST_MAIN(TestSchema)
#include "tst_schema.moc"
