#include "altra_postazione.h"
#include "ambiente_test.h"
#include "calls/dati_rientro.h"
#include "calls/registro_manutenzioni.h"
#include "calls/scadenza_abbonamento.h"
#include "common/righe_collegate.h"
#include "platform/db/connessione.h"
#include "platform/db/errore_db.h"
#include "supporto_finestre.h"

using namespace Qt::StringLiterals;

namespace {
// Appliance 10 with maintenances of 10/03/2025 (call 100, ORD) and 01/05/2024 (call 101, STR).
void manutenzioni()
{
    for (const char* sql : {
             "INSERT INTO chiamate (idChiamata) VALUES (100), (101)",
             "INSERT INTO tipoManutenzioni (idTipoMan, sigla_tipo_man) VALUES (1, 'ORD'), (2, 'STR')",
             "INSERT INTO prodotti_ai_clienti (id_pro_cli, manutenzione) VALUES (10, 'ORD-10/03/2025'), (11, '-')",
             "INSERT INTO manutenzioni (id, dataMan, codTipoMan, codChiamata, codProdotto) VALUES "
             "(1, '2025-03-10', 1, 100, 10), (2, '2024-05-01', 2, 101, 10)",
         })
        connessione.esegui(QString::fromUtf8(sql));
}

QString riassunto(int prodotto)
{
    return riga(u"SELECT manutenzione FROM prodotti_ai_clienti WHERE id_pro_cli = ?"_s, {prodotto}).value(0);
}
} // namespace

class TestDatiRientro : public QObject {
    Q_OBJECT
private slots:
    void giaAssegnata_data()
    {
        QTest::addColumn<int>("prodotto");
        QTest::addColumn<QString>("data");
        QTest::addColumn<bool>("atteso");
        QTest::newRow("same day, this call") << 10 << u"10/03/2025"_s << true;
        QTest::newRow("same day, another call") << 10 << u"01/05/2024"_s << true;
        QTest::newRow("another day") << 10 << u"11/03/2025"_s << false;
        QTest::newRow("another appliance") << 11 << u"10/03/2025"_s << false;
    }
    void giaAssegnata()
    {
        QFETCH(int, prodotto);
        QFETCH(QString, data);
        QFETCH(bool, atteso);
        DatabaseTest db;
        manutenzioni();
        QCOMPARE(manutenzioneGiaAssegnata(prodotto, data), atteso);
    }

    // The summary names the latest maintenance, whichever was entered last.
    void inserimento_data()
    {
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("newer") << u"02/04/2025"_s << u"STR-02/04/2025"_s;
        QTest::newRow("older keeps the newer") << u"15/01/2020"_s << u"ORD-10/03/2025"_s;
    }
    void inserimento()
    {
        QFETCH(QString, data);
        QFETCH(QString, atteso);
        DatabaseTest db;
        manutenzioni();
        inserisciManutenzione(data, 2, 100, 10);
        QCOMPARE(riassunto(10), atteso);
        QCOMPARE(riga(u"SELECT codTipoMan, codChiamata, codProdotto FROM manutenzioni WHERE dataMan = ?"_s,
                      {QDate::fromString(data, u"dd/MM/yyyy"_s)}),
                 (QStringList{u"2"_s, u"100"_s, u"10"_s}));
    }

    // A summary that cannot be written takes the new maintenance back with it.
    void inserimentoRifiutato()
    {
        DatabaseTest db;
        manutenzioni();
        connessione.esegui(u"CREATE TRIGGER no BEFORE UPDATE ON prodotti_ai_clienti BEGIN SELECT RAISE(ABORT, 'no'); END"_s);
        QVERIFY_THROWS_EXCEPTION(ErroreDb, inserisciManutenzione(u"02/04/2025"_s, 1, 100, 10));
        QCOMPARE(conta(u"SELECT count(*) FROM manutenzioni"_s), 2);
    }

    void rimozione()
    {
        DatabaseTest db;
        manutenzioni();
        eliminaManutenzione(1, 10);
        QCOMPARE(riassunto(10), u"STR-01/05/2024"_s);
        eliminaManutenzione(2, 10);
        QCOMPARE(riassunto(10), u"-"_s);
        QCOMPARE(conta(u"SELECT count(*) FROM manutenzioni"_s), 0);
    }

    // An activity and its materials go together, or not at all.
    void rimozioneAttivita()
    {
        DatabaseTest db;
        connessione.esegui(u"INSERT INTO attività_svolte (idAttivita, cod_prodotto) VALUES (1, 5), (2, 5)"_s);
        connessione.esegui(u"INSERT INTO matAtt (codAtt, codMat) VALUES (1, 7), (1, 8), (2, 7)"_s);
        connessione.esegui(u"CREATE TRIGGER no BEFORE DELETE ON attività_svolte WHEN old.idAttivita = 2 "
                           "BEGIN SELECT RAISE(ABORT, 'no'); END"_s);
        eliminaAttivita(1);
        QVERIFY_THROWS_EXCEPTION(ErroreDb, eliminaAttivita(2));
        QCOMPARE(riga(u"SELECT group_concat(idAttivita), (SELECT group_concat(codAtt) FROM matAtt) FROM attività_svolte"_s),
                 (QStringList{u"2"_s, u"2"_s}));
    }

    // Nothing selected reads no rows rather than a broken statement.
    void nessunaScelta()
    {
        DatabaseTest db;
        connessione.esegui(u"INSERT INTO difetti (idDifetto, df_nome) VALUES (1, 'X')"_s);
        connessione.esegui(u"INSERT INTO riscontro_su_prodotto (at_pr_codice, at_difetto) VALUES (5, 1)"_s);
        QCOMPARE(difettiProdotto(QVariant()).recordCount(), 0);
        QCOMPARE(attivitaProdotto(QVariant(), 100).recordCount(), 0);
        QCOMPARE(materialiAttivita(QVariant()).recordCount(), 0);
        QVERIFY(prodottoInstallato(QVariant()).isNull());
    }

    void scadenza_data()
    {
        QTest::addColumn<QDate>("stipulazione");
        QTest::addColumn<QDate>("atteso");
        QTest::newRow("29/02 of a leap year") << QDate(2024, 2, 29) << QDate(2025, 2, 28);
        QTest::newRow("28/02 before a leap year") << QDate(2027, 2, 28) << QDate(2028, 2, 28);
        QTest::newRow("28/02") << QDate(2023, 2, 28) << QDate(2024, 2, 28);
        QTest::newRow("15/06") << QDate(2023, 6, 15) << QDate(2024, 6, 15);
        QTest::newRow("31/12") << QDate(2023, 12, 31) << QDate(2024, 12, 31);
    }
    void scadenza()
    {
        QFETCH(QDate, stipulazione);
        QFETCH(QDate, atteso);
        QCOMPARE(scadenzaProposta(stipulazione), atteso);
    }

    // A note or a state written to a call that is gone is a failure, not a success.
    void chiamataMancante()
    {
        DatabaseTest db;
        QVERIFY_THROWS_EXCEPTION(RigaMancante, salvaNoteRientro(5, u"X"_s));
        QVERIFY_THROWS_EXCEPTION(RigaMancante, segnaEseguito(5));
        QVERIFY_THROWS_EXCEPTION(RigaMancante, noteRientro(5));
    }

    // Another workstation deletes the row a report's row hangs on: the write is refused and
    // nothing is stored.
    void rigaEliminata_data()
    {
        QTest::addColumn<QString>("eliminazione");
        QTest::addColumn<int>("scrittura");
        QTest::addColumn<QString>("tabella");
        QTest::addColumn<int>("mancante");
        const QString chiamata = u"DELETE FROM chiamate WHERE idChiamata = 100"_s;
        const QString riga = u"DELETE FROM prodotti_in_chiamata WHERE idProdChiamata = 5"_s;
        const int rigaChiamata = int(RigaCollegata::prodottoChiamata);
        QTest::newRow("defect, appliance row removed") << riga << 0 << u"riscontro_su_prodotto"_s << rigaChiamata;
        QTest::newRow("activity, appliance row removed") << riga << 1 << u"attività_svolte"_s << rigaChiamata;
        QTest::newRow("material, activity deleted") << u"DELETE FROM attività_svolte WHERE idAttivita = 1"_s << 2
                                                    << u"matAtt"_s << int(RigaCollegata::attivita);
        QTest::newRow("maintenance, call deleted") << chiamata << 3 << u"manutenzioni"_s << int(RigaCollegata::chiamata);
        QTest::newRow("maintenance, appliance deleted") << u"DELETE FROM prodotti_ai_clienti WHERE id_pro_cli = 10"_s << 3
                                                        << u"manutenzioni"_s << int(RigaCollegata::prodottoCliente);
    }
    void rigaEliminata()
    {
        QFETCH(QString, eliminazione);
        QFETCH(int, scrittura);
        QFETCH(QString, tabella);
        QFETCH(int, mancante);
        DatabaseTest db;
        manutenzioni();
        connessione.esegui(u"INSERT INTO prodotti_in_chiamata (idProdChiamata, cod_chiamata, cod_ch_prodotto) VALUES (5, 100, 10)"_s);
        connessione.esegui(u"INSERT INTO attività_svolte (idAttivita, cod_prodotto) VALUES (1, 5)"_s);
        const int prima = conta(u"SELECT count(*) FROM "_s + tabella);
        AltraPostazione(db.file()).esegui(eliminazione);
        const std::function<void()> scritture[] = {
            [] { aggiungiDifetto(5, 1, u"x"_s); },
            [] { aggiungiAttivita(5, 1, u"x"_s); },
            [] { aggiungiMateriale(1, 7); },
            [] { inserisciManutenzione(u"02/04/2025"_s, 2, 100, 10); },
        };
        try {
            scritture[scrittura]();
            QFAIL("written");
        } catch (const RigaMancante& e) {
            QCOMPARE(int(e.riga), mancante);
        }
        QCOMPARE(conta(u"SELECT count(*) FROM "_s + tabella), prima);
    }
};

CORVEXT_TEST_MAIN(TestDatiRientro)
#include "test_dati_rientro.moc"
