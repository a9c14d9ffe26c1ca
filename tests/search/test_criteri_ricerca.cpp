#include "ambiente_test.h"
#include "platform/db/connessione.h"
#include "search/criteri_ricerca.h"
#include "supporto_finestre.h"

using namespace Qt::StringLiterals;

using Imposta = std::function<void(CriteriRicerca&)>;
Q_DECLARE_METATYPE(Imposta)

namespace {
using D = CriteriRicerca::Date;

// 1 ROSSI D'ANGELO of FORLÌ, 2 ROSSETTI DANGELO of FORLI, 3 BROSSI without appliances:
// each criterion finds one of the first two and misses the other by a little.
void riempi()
{
    for (const char* sql : {
             "INSERT INTO marche (idMarca, sigla_marca, marca) VALUES (1, 'B', 'BAXI'), (2, 'V', 'VAILLANT')",
             "INSERT INTO prodotti (idModello, modello, cod_marca, cod_tipo_prodotto) VALUES (1, 'X', 1, 1), (2, 'Y', 2, 1)",
             "INSERT INTO clienti (idCli, cognome, nome, citta, note_cli, note_pag, contatto, cod_zona, "
             "cod_tipo_appartenenza) VALUES "
             "(1, 'ROSSI', 'D''ANGELO', 'FORLÌ', 'PAGA 10% SUBITO', 'RATE', 1, 7, 1), "
             "(2, 'ROSSETTI', 'DANGELO', 'FORLI', 'PAGA 100 SUBITO', 'RATEALE', 0, 3, 2), "
             "(3, 'BROSSI', 'ANNA', 'ROMA', null, null, 0, 0, 0)",
             "INSERT INTO prodotti_ai_clienti (id_pro_cli, cod_cliente, cod_prodotto, data_coll, vl_abb, dim_aria, "
             "cod_tipo_abbonamento, sc_abb, mm_man, aa_man, dich_conf, matr_1, num_libr) VALUES "
             "(10, 1, 1, '2004-03-15', 12.5, 80, 2, '2005-06-30', 3, 2005, 1, 'AB_1', 'L''1'), "
             "(11, 2, 2, '2004-04-15', 125, 8.0, 0, null, 0, 0, 0, 'ABX1', 'L1')",
             "INSERT INTO manutenzioni (codProdotto, dataMan) VALUES (10, '2004-06-01'), (11, '2005-02-01')",
         })
        connessione.esegui(QString::fromUtf8(sql));
}

QList<qint64> trovati(const Lettura& lettura)
{
    QList<qint64> id;
    for (Recordset rs = connessione.apriStatico(lettura); !rs.eof(); rs.moveNext())
        id << rs.campo(u"idcli"_s).toLongLong();
    return id;
}

QList<qint64> trovati(const CriteriRicerca& c)
{
    return trovati(letturaRicerca(c));
}

// The search as it always joined every table, whatever the criteria: the same customers, in
// the same order, are found.
QString conTutteLeTabelle(const CriteriRicerca& c)
{
    const QString tutte = u"SELECT idcli,cognome , nome , rag_soc,indirizzo,citta,tel_casa,tel_cel FROM ((((clienti "
                          "left join prodotti_ai_clienti on clienti.idCli = prodotti_ai_clienti.cod_cliente) "
                          "left join prodotti on prodotti_ai_clienti.cod_prodotto=prodotti.idModello) "
                          "left join installatori on prodotti_ai_clienti.cod_installatore = installatori.idInst) "
                          "left join tecnici on prodotti_ai_clienti.cod_tecnico=tecnici.idTecn) "
                          "left join manutenzioni on prodotti_ai_clienti.id_pro_cli=manutenzioni.codPRodotto "_s;
    const QString gruppi = u" group by idCli,Cognome,nome,rag_soc,indirizzo,citta,tel_casa,tel_cel "
                           "ORDER BY Cognome COLLATE ITALIANO"_s;
    const QString condizione = condizioneRicerca(c);
    if (condizione.isEmpty())
        return tutte + gruppi;
    return tutte + u"where "_s + condizione + gruppi
           + u", Nome COLLATE ITALIANO, Citta COLLATE ITALIANO, Indirizzo COLLATE ITALIANO"_s;
}
} // namespace

class TestCriteriRicerca : public QObject {
    Q_OBJECT
private slots:
    void criteri_data()
    {
        QTest::addColumn<Imposta>("imposta");
        QTest::addColumn<QList<qint64>>("attesi");
        const auto riga = [](const char* nome, Imposta i, QList<qint64> a) { QTest::newRow(nome) << i << a; };
        riga("nothing: every customer once, by surname", [](auto&) {}, {3, 2, 1});
        riga("surname begins with", [](auto& c) { c.testi[u"cognome"_s] = u"ros"_s; }, {2, 1});
        riga("surname, near miss", [](auto& c) { c.testi[u"cognome"_s] = u"rossi"_s; }, {1});
        riga("name with an apostrophe", [](auto& c) { c.testi[u"nome"_s] = u"d'angelo"_s; }, {1});
        riga("accented capital", [](auto& c) { c.testi[u"citta"_s] = u"forlì"_s; }, {1});
        riga("% is itself (notes member)", [](auto& c) { c.testi[u"note_cli"_s] = u"10%"_s; }, {1});
        riga("_ is itself", [](auto& c) { c.testi[u"matr_1"_s] = u"b_"_s; }, {1});
        riga("payment notes member", [](auto& c) { c.testi[u"note_pag"_s] = u"rateal"_s; }, {2});
        riga("booklet number with an apostrophe", [](auto& c) { c.testi[u"num_libr"_s] = u"l'"_s; }, {1});
        riga("lookup key", [](auto& c) { c.chiavi[u"cod_marca"_s] = 2; }, {2});
        riga("zone", [](auto& c) { c.chiavi[u"cod_zona"_s] = 7; }, {1});
        riga("category", [](auto& c) { c.chiavi[u"cod_tipo_appartenenza"_s] = 2; }, {2});
        riga("yes", [](auto& c) { c.siNo[u"contatto"_s] = CriteriRicerca::SiNo::si; }, {1});
        riga("no", [](auto& c) { c.siNo[u"dich_conf"_s] = CriteriRicerca::SiNo::no; }, {2});
        riga("date range", [](auto& c) { c.date[u"data_coll"_s] = D{true, false, false, {2004, 3, 1}, {2004, 3, 31}}; }, {1});
        riga("date, only to", [](auto& c) { c.date[u"data_coll"_s] = D{true, false, false, {}, {2004, 3, 31}}; }, {1});
        riga("date, neither: has one", [](auto& c) { c.date[u"data_coll"_s] = D{true, false, false, {}, {}}; }, {2, 1});
        riga("Nessuno: no date, customers without appliances too", [](auto& c) { c.date[u"data_lib"_s] = D{true, true, false, {}, {}}; },
             {3, 2, 1});
        riga("maintenance in the year",
             [](auto& c) { c.date[u"dataman"_s] = D{true, false, false, {2004, 1, 1}, {2004, 12, 31}}; }, {1});
        riga("NON: a maintenance outside the year",
             [](auto& c) { c.date[u"dataman"_s] = D{true, false, true, {2004, 1, 1}, {2004, 12, 31}}; }, {2});
        riga("subscription", [](auto& c) { c.abbonamento.attivo = true; }, {1});
        riga("no subscription (not customers without appliances)", [](auto& c) {
            c.abbonamento = {true, true, 2, {2005, 1, 1}, {}, {}, {}, u"X"_s};
        }, {2});
        riga("subscription expiry", [](auto& c) {
            c.abbonamento.attivo = true;
            c.abbonamento.scadenzaDa = {2005, 6, 1};
            c.abbonamento.scadenzaA = {2005, 6, 30};
        }, {1});
        riga("cost with a decimal comma", [](auto& c) { c.testi[u"vl_abb"_s] = u"12,5"_s; }, {1});
        riga("cost, whole number", [](auto& c) { c.testi[u"vl_abb"_s] = u"125"_s; }, {2});
        riga("air diameter without a trailing ,0", [](auto& c) { c.testi[u"dim_aria"_s] = u"8"_s; }, {2, 1});
        riga("air diameter 80", [](auto& c) { c.testi[u"dim_aria"_s] = u"80"_s; }, {1});
        riga("cost with an apostrophe finds nothing", [](auto& c) { c.testi[u"vl_abb"_s] = u"1'"_s; }, {});
        riga("scheduled, March to June from 2005", [](auto& c) {
            c.manutenzione = {true, false, 3, 6, u"2005"_s, {}};
        }, {1});
        riga("scheduled, nothing chosen", [](auto& c) { c.manutenzione.attivo = true; }, {1});
        riga("no scheduled maintenance", [](auto& c) { c.manutenzione = {true, true, 3, 0, u"2005"_s, {}}; }, {2});
        riga("all together", [](auto& c) {
            c.testi[u"cognome"_s] = u"ros"_s;
            c.chiavi[u"cod_zona"_s] = 7;
            c.date[u"dataman"_s] = D{true, false, false, {2004, 1, 1}, {}};
        }, {1});
    }

    void criteri()
    {
        QFETCH(Imposta, imposta);
        QFETCH(QList<qint64>, attesi);
        DatabaseTest db;
        riempi();
        CriteriRicerca c;
        imposta(c);
        QVERIFY(verificaCriteri(c).isEmpty());
        QCOMPARE(trovati(c), attesi);
        QCOMPARE(trovati(c), trovati(Lettura{conTutteLeTabelle(c)}));
    }

    void testi()
    {
        CriteriRicerca c;
        QCOMPARE(condizioneRicerca(c), QString());
        QVERIFY(!letturaRicerca(CriteriRicerca{}).sql.contains(u"where"_s));
        c.testi[u"cognome"_s] = u"ros"_s;
        c.chiavi[u"cod_zona"_s] = 7;
        QCOMPARE(condizioneRicerca(c), u"COGNOME LIKE 'ROS%' ESCAPE '\\' AND COD_ZONA = 7 AND cod_zona = 7"_s);
        QVERIFY(letturaRicerca(c).sql.endsWith(
            u"ORDER BY Cognome COLLATE ITALIANO, Nome COLLATE ITALIANO, Citta COLLATE ITALIANO, Indirizzo COLLATE ITALIANO"_s));
    }

    void rifiutati_data()
    {
        QTest::addColumn<Imposta>("imposta");
        QTest::newRow("hostile year") << Imposta([](auto& c) { c.manutenzione = {true, false, 0, 0, u"0 or 1=1"_s, {}}; });
        QTest::newRow("year with a decimal") << Imposta([](auto& c) { c.manutenzione = {true, false, 0, 0, {}, u"2005.5"_s}; });
        QTest::newRow("NON without Al") << Imposta([](auto& c) {
            c.date[u"dataman"_s] = D{true, false, true, {2004, 1, 1}, {}};
        });
    }

    void rifiutati()
    {
        QFETCH(Imposta, imposta);
        CriteriRicerca c;
        imposta(c);
        QVERIFY(!verificaCriteri(c).isEmpty());
    }
};

CORVEXT_TEST_MAIN(TestCriteriRicerca)
#include "test_criteri_ricerca.moc"
