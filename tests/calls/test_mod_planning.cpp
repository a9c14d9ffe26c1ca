#include "altra_postazione.h"
#include "ambiente_test.h"
#include "calls/celle_planning.h"
#include "calls/mod_planning.h"
#include "platform/db/connessione.h"
#include "platform/ui/messaggi.h"
#include "supporto_finestre.h"

using namespace Qt::StringLiterals;

namespace {
void esegui(const QString& sql)
{
    connessione.esegui(sql);
}

// Call `chiamata` on appliances `prodotti` (one row each, in order), each row with an
// activity and its material, a defect and a request; a maintenance per appliance row.
void chiamata(int chiamata, const QList<int>& prodotti, const QString& dataMan)
{
    esegui(u"INSERT INTO chiamate (idChiamata, cod_cliente) VALUES (%1, 1)"_s.arg(chiamata));
    esegui(u"INSERT INTO interventi (cod_chiamata, cod_tecnico, data_int, cod_stato_int) "
           "VALUES (%1, 1, '2025-05-01', 'DA SVOLGERE')"_s.arg(chiamata));
    for (const int p : prodotti) {
        esegui(u"INSERT INTO prodotti_in_chiamata (cod_chiamata, cod_ch_prodotto) VALUES (%1, %2)"_s.arg(chiamata).arg(p));
        const qint64 riga = connessione.ultimoId();
        esegui(u"INSERT INTO attività_svolte (cod_prodotto) VALUES (%1)"_s.arg(riga));
        esegui(u"INSERT INTO matAtt (codAtt, codMat) VALUES (%1, 1)"_s.arg(connessione.ultimoId()));
        esegui(u"INSERT INTO riscontro_su_prodotto (at_pr_codice) VALUES (%1)"_s.arg(riga));
        esegui(u"INSERT INTO richieste (ricCodChiamata, ricCodRichiesta) VALUES (%1, 1)"_s.arg(riga));
        esegui(u"INSERT INTO manutenzioni (dataMan, codTipoMan, codChiamata, codProdotto) VALUES ('%1', %2, %3, %4)"_s
                   .arg(dataMan)
                   .arg(chiamata == 100 ? 1 : 2)
                   .arg(chiamata)
                   .arg(p));
    }
}

// What hangs on a call, as "table:count" for every table of the cascade.
QString resti(int chiamata)
{
    const QString righe = u"(SELECT idProdChiamata FROM prodotti_in_chiamata WHERE cod_chiamata = %1)"_s.arg(chiamata);
    return QStringList{
        u"chiamate:"_s + QString::number(conta(u"SELECT count(*) FROM chiamate WHERE idChiamata = %1"_s.arg(chiamata))),
        u"interventi:"_s + QString::number(conta(u"SELECT count(*) FROM interventi WHERE cod_chiamata = %1"_s.arg(chiamata))),
        u"righe:"_s + QString::number(conta(u"SELECT count(*) FROM prodotti_in_chiamata WHERE cod_chiamata = %1"_s.arg(chiamata))),
        u"attivita:"_s + QString::number(conta(u"SELECT count(*) FROM attività_svolte WHERE cod_prodotto IN "_s + righe)),
        u"materiali:"_s + QString::number(conta(u"SELECT count(*) FROM matAtt WHERE codAtt IN (SELECT idAttivita FROM "
                                                "attività_svolte WHERE cod_prodotto IN "_s + righe + u")"_s)),
        u"difetti:"_s + QString::number(conta(u"SELECT count(*) FROM riscontro_su_prodotto WHERE at_pr_codice IN "_s + righe)),
        u"richieste:"_s + QString::number(conta(u"SELECT count(*) FROM richieste WHERE ricCodChiamata IN "_s + righe)),
        u"manutenzioni:"_s + QString::number(conta(u"SELECT count(*) FROM manutenzioni WHERE codChiamata = %1"_s.arg(chiamata))),
    }.join(u" "_s);
}

QString riassunto(int prodotto)
{
    return riga(u"SELECT manutenzione FROM prodotti_ai_clienti WHERE id_pro_cli = ?"_s, {prodotto}).value(0);
}

QStringList nomi(Recordset rs)
{
    QStringList n;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext())
        n << rs[u"tecnico"_s].toString();
    return n;
}
} // namespace

class TestModPlanning : public QObject {
    Q_OBJECT

    std::unique_ptr<DatabaseTest> db;

private slots:
    void init() { db = std::make_unique<DatabaseTest>(); }
    void cleanup() { db.reset(); }

    // Call 100 goes with everything of its rows; call 200 and the appliances' other
    // maintenances stay, and the summaries fall back to them.
    void cascata_data()
    {
        QTest::addColumn<QList<int>>("prodotti");
        QTest::addColumn<QString>("riassunto7");
        QTest::addColumn<QString>("riassunto8");
        QTest::newRow("no appliance") << QList<int>{} << "VECCHIO" << "VECCHIO";
        QTest::newRow("one appliance") << QList<int>{7} << "ORD-01/01/2024" << "VECCHIO";
        QTest::newRow("one appliance added twice") << QList<int>{7, 7} << "ORD-01/01/2024" << "VECCHIO";
        QTest::newRow("two appliances, one without others") << QList<int>{7, 8} << "ORD-01/01/2024" << "-";
    }
    void cascata()
    {
        QFETCH(QList<int>, prodotti);
        QFETCH(QString, riassunto7);
        QFETCH(QString, riassunto8);
        esegui(u"INSERT INTO tipoManutenzioni (idTipoMan, sigla_tipo_man) VALUES (1, 'STR'), (2, 'ORD')"_s);
        esegui(u"INSERT INTO prodotti_ai_clienti (id_pro_cli, cod_cliente, manutenzione) VALUES "
               "(7, 1, 'VECCHIO'), (8, 1, 'VECCHIO'), (9, 1, 'VECCHIO')"_s);
        chiamata(200, {7, 9}, u"2024-01-01"_s);
        chiamata(100, prodotti, u"2025-05-01"_s);
        const QString altra = resti(200);
        QVERIFY(eliminaAppuntamento(100));
        QCOMPARE(resti(100), u"chiamate:0 interventi:0 righe:0 attivita:0 materiali:0 difetti:0 richieste:0 manutenzioni:0"_s);
        QCOMPARE(resti(200), altra);
        QCOMPARE(riassunto(7), riassunto7);
        QCOMPARE(riassunto(8), riassunto8);
        QVERIFY(seamMessaggi::mostrati().isEmpty());
    }

    // A failure half-way leaves every row and shows one box.
    void cascataFallita()
    {
        esegui(u"INSERT INTO prodotti_ai_clienti (id_pro_cli, cod_cliente, manutenzione) VALUES (7, 1, 'VECCHIO')"_s);
        chiamata(100, {7, 7}, u"2025-05-01"_s);
        esegui(u"CREATE TRIGGER blocca BEFORE DELETE ON interventi BEGIN SELECT RAISE(ABORT, 'bloccato'); END"_s);
        const QString prima = resti(100);
        QVERIFY(!eliminaAppuntamento(100));
        QCOMPARE(resti(100), prima);
        QCOMPARE(riassunto(7), u"VECCHIO"_s);
        QVERIFY(unicoMessaggio().contains(u"bloccato"_s));
    }

    void tecnici_data()
    {
        QTest::addColumn<int>("zona");
        QTest::addColumn<QStringList>("attesi");
        const QStringList tutti{u"AZZURRI"_s, u"BIANCHI"_s, u"ROSSI"_s};
        QTest::newRow("no zone") << 0 << tutti;
        QTest::newRow("pair stored twice") << 1 << QStringList{u"BIANCHI"_s, u"ROSSI"_s};
        QTest::newRow("only disabled technicians") << 2 << tutti;
        QTest::newRow("no association") << 3 << tutti;
        QTest::newRow("deleted association") << 4 << tutti;
    }
    void tecnici()
    {
        QFETCH(int, zona);
        QFETCH(QStringList, attesi);
        esegui(u"INSERT INTO tecnici (idTecn, sigla_tecnico, tecnico, eliminato) VALUES "
               "(1, 'R', 'ROSSI', 0), (2, 'B', 'BIANCHI', 0), (3, 'V', 'VERDI', 1), (4, 'A', 'AZZURRI', 0)"_s);
        esegui(u"INSERT INTO tecnici_per_zona (codTecnico, codZona, eliminato) VALUES "
               "(1, 1, 0), (2, 1, 0), (1, 1, 0), (3, 2, 0), (4, 4, 1)"_s);
        QCOMPARE(nomi(caricaTecnici(zona)), attesi);
        QVERIFY(seamMessaggi::mostrati().isEmpty());
    }

    void nessunTecnico()
    {
        esegui(u"INSERT INTO tecnici (idTecn, sigla_tecnico, tecnico, eliminato) VALUES (3, 'V', 'VERDI', 1)"_s);
        QCOMPARE(caricaTecnici(5).recordCount(), 0);
        QCOMPARE(seamMessaggi::testi(),
                 (QStringList{u"Attenzione tabella tecnici vuota"_s,
                              u"Attenzione! controllare l'esistenza di associazione tra tecnici e zone"_s}));
        QCOMPARE(seamMessaggi::mostrati().first().stile, stile::esclamazione);
    }

    // Done interventions are no appointments; every state is an intervention; one row per
    // appliance; by start, then end.
    void appuntamentiEInterventi()
    {
        esegui(u"INSERT INTO clienti (idCli, cognome, nome, indirizzo, citta) VALUES (1, 'ROSSI', 'MARIO', 'VIA PO', 'TORINO')"_s);
        esegui(u"INSERT INTO prodotti (idModello, modello) VALUES (1, 'ALFA')"_s);
        esegui(u"INSERT INTO prodotti_ai_clienti (id_pro_cli, cod_cliente, cod_prodotto) VALUES (7, 1, 1), (8, 1, 1)"_s);
        const struct {
            int id, tecnico;
            const char *giorno, *stato, *inizio, *fine;
            QList<int> prodotti;
        } chiamate[] = {{1, 1, "2026-03-10", "DA SVOLGERE", "10:00", "11:00", {7, 8}},
                        {2, 1, "2026-03-10", "ESEGUITO", "08:00", "08:30", {7}},
                        {3, 1, "2026-03-10", "ANNULLATO", "09:00", "09:30", {7}},
                        {4, 1, "2026-03-10", "SOSPESO", "09:00", "09:15", {8}},
                        {5, 1, "2026-03-11", "DA SVOLGERE", "09:00", "09:15", {8}},
                        {6, 2, "2026-03-10", "DA SVOLGERE", "09:00", "09:15", {8}},
                        {7, 1, "2026-03-10", "DA SVOLGERE", "07:00", "07:15", {}}};
        for (const auto& c : chiamate) {
            esegui(u"INSERT INTO chiamate (idChiamata, cod_cliente) VALUES (%1, 1)"_s.arg(c.id));
            esegui(u"INSERT INTO interventi (cod_chiamata, cod_tecnico, data_int, cod_stato_int, ora_inizio, ora_fine) "
                   "VALUES (%1, %2, '%3', '%4', '%5', '%6')"_s.arg(c.id).arg(c.tecnico).arg(c.giorno, c.stato, c.inizio, c.fine));
            for (const int p : c.prodotti)
                esegui(u"INSERT INTO prodotti_in_chiamata (cod_chiamata, cod_ch_prodotto, lista_richieste) VALUES (%1, %2, 'X')"_s
                           .arg(c.id)
                           .arg(p));
        }
        QStringList righe;
        for (Recordset rs = appuntamentiTecnico(1, QDate(2026, 3, 10)); !rs.eof(); rs.moveNext())
            righe << QStringList{rs[u"idChiamata"_s].toString(), rs[u"orario"_s].toString(), rs[u"cliente"_s].toString(),
                                 rs[u"modello"_s].toString(), rs[u"indirizzo"_s].toString(), rs[u"citta"_s].toString(),
                                 rs[u"cod_stato_int"_s].toString(), rs[u"lista_richieste"_s].toString()}
                         .join(u"|"_s);
        QCOMPARE(righe, (QStringList{u"4|09:00 - 09:15|ROSSI MARIO|ALFA|VIA PO|TORINO|SOSPESO|X"_s,
                                     u"3|09:00 - 09:30|ROSSI MARIO|ALFA|VIA PO|TORINO|ANNULLATO|X"_s,
                                     u"1|10:00 - 11:00|ROSSI MARIO|ALFA|VIA PO|TORINO|DA SVOLGERE|X"_s,
                                     u"1|10:00 - 11:00|ROSSI MARIO|ALFA|VIA PO|TORINO|DA SVOLGERE|X"_s}));
        QStringList stati;
        for (Recordset rs = interventiTecnico(1, QDate(2026, 3, 10)); !rs.eof(); rs.moveNext())
            stati << rs[u"cod_stato_int"_s].toString();
        stati.sort();
        QCOMPARE(stati, (QStringList{u"ANNULLATO"_s, u"DA SVOLGERE"_s, u"DA SVOLGERE"_s, u"ESEGUITO"_s, u"SOSPESO"_s}));
    }

    // Another workstation deletes a row an appointment reads: the planner's cell counts the
    // rows its day list shows, no more.
    void conteggiComeElenco_data()
    {
        QTest::addColumn<QString>("eliminazione");
        QTest::addColumn<QString>("cella");
        QTest::addColumn<int>("elencati");
        QTest::newRow("nothing deleted") << QString() << u"S:1\r\nF:1"_s << 2;
        QTest::newRow("customer deleted") << u"DELETE FROM clienti WHERE idCli = 2"_s << u"F:1"_s << 1;
        QTest::newRow("appliance deleted") << u"DELETE FROM prodotti_ai_clienti WHERE id_pro_cli = 8"_s << u"F:1"_s << 1;
        QTest::newRow("call row deleted") << u"DELETE FROM chiamate WHERE idChiamata = 2"_s << u"F:1"_s << 1;
        QTest::newRow("model deleted") << u"DELETE FROM prodotti WHERE idModello = 2"_s << u"F:1"_s << 1;
    }
    void conteggiComeElenco()
    {
        QFETCH(QString, eliminazione);
        QFETCH(QString, cella);
        QFETCH(int, elencati);
        esegui(u"INSERT INTO clienti (idCli, cognome) VALUES (1, 'ROSSI'), (2, 'BIANCHI')"_s);
        esegui(u"INSERT INTO prodotti (idModello, modello) VALUES (1, 'ALFA'), (2, 'BETA')"_s);
        esegui(u"INSERT INTO prodotti_ai_clienti (id_pro_cli, cod_cliente, cod_prodotto) VALUES (7, 1, 1), (8, 2, 2)"_s);
        esegui(u"INSERT INTO chiamate (idChiamata, cod_cliente) VALUES (1, 1), (2, 2)"_s);
        esegui(u"INSERT INTO interventi (cod_chiamata, cod_tecnico, data_int, cod_stato_int) VALUES "
               "(1, 1, '2026-03-10', 'DA SVOLGERE'), (2, 1, '2026-03-10', 'SOSPESO')"_s);
        esegui(u"INSERT INTO prodotti_in_chiamata (cod_chiamata, cod_ch_prodotto) VALUES (1, 7), (2, 8)"_s);
        if (!eliminazione.isEmpty())
            AltraPostazione(db->file()).esegui(eliminazione);
        QCOMPARE(cellePlanning({1}, QDate(2026, 3, 10), 1)[0][0].testo, cella);
        QCOMPARE(appuntamentiTecnico(1, QDate(2026, 3, 10)).recordCount(), elencati);
    }
};

CORVEXT_TEST_MAIN(TestModPlanning)
#include "test_mod_planning.moc"
