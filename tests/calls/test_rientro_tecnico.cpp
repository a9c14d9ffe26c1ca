#include "altra_postazione.h"
#include "ambiente_test.h"
#include "calls/rientro_chiamata.h"
#include "calls/rientro_tecnico.h"
#include "calls/scheda_manutenzione.h"
#include "platform/db/connessione.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/data_opzionale.h"
#include "platform/ui/forma_dialogo.h"
#include "platform/ui/griglia.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include "supporto_finestre.h"
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
// Call 100 (intervention 10/03/2025, "DA SVOLGERE") on appliances 10 (row 1) and 11 (row 2);
// call 101 on appliance 10 (row 3). Activity 1 of row 1 used materials of two areas.
void riempi()
{
    for (const char* sql : {
             "INSERT INTO clienti (idCli, cognome) VALUES (1, 'ROSSI')",
             "INSERT INTO prodotti (idModello, modello) VALUES (1, 'CALDAIA'), (2, 'BOILER')",
             "INSERT INTO tipoabb (idTpAbb, sigla_abbonamento, desc_abb) VALUES (1, 'ANN', 'ANNUALE')",
             "INSERT INTO prodotti_ai_clienti (id_pro_cli, cod_prodotto, cod_cliente, codice_interno, "
             "cod_tipo_abbonamento, vl_abb, rf_abb, mm_man, aa_man, manutenzione) VALUES "
             "(10, 1, 1, 'A1', 1, 0, 'R1', 12, 2025, 'ORD-10/03/2025'), (11, 2, 1, NULL, NULL, NULL, NULL, NULL, NULL, '-')",
             "INSERT INTO chiamate (idChiamata, cod_cliente, ch_rientro_note) VALUES (100, 1, 'PRIMA'), (101, 1, NULL)",
             "INSERT INTO interventi (cod_chiamata, data_int, cod_stato_int) VALUES (100, '2025-03-10', 'DA SVOLGERE'), "
             "(101, '2024-05-01', 'ESEGUITO')",
             "INSERT INTO prodotti_in_chiamata (idProdChiamata, cod_chiamata, cod_ch_prodotto) VALUES (1, 100, 10), "
             "(2, 100, 11), (3, 101, 10)",
             "INSERT INTO difetti (idDifetto, df_nome, df_descrizione) VALUES (1, 'PERD', 'PERDITA'), (2, 'RUM', 'RUMORE')",
             "INSERT INTO riscontro_su_prodotto (at_pr_codice, at_difetto, at_note) VALUES (1, 1, 'NOTA A'), "
             "(2, 2, 'NOTA B'), (3, 2, 'ALTRA')",
             "INSERT INTO tipologia_attivita (idTipoAttività, at_codice, at_nome) VALUES (1, 'PUL', 'PULIZIA'), "
             "(2, 'SOS', 'SOSTITUZIONE')",
             "INSERT INTO attività_svolte (idAttivita, cod_prodotto, cod_operazione, note_att) VALUES (1, 1, 1, 'N1'), "
             "(2, 1, 2, 'N2'), (3, 2, 1, 'N3'), (4, 3, 2, 'ALTRA')",
             "INSERT INTO area_int (idGruppo, gruppo_nome) VALUES (1, 'ELE'), (2, 'IDR')",
             "INSERT INTO materiali (idMat, mat_nome, cod_gruppo) VALUES (1, 'FUS', 1), (2, 'VAL', 2)",
             "INSERT INTO matAtt (codAtt, codMat) VALUES (1, 1), (1, 2), (2, 2), (3, 1), (4, 1)",
             "INSERT INTO tipoManutenzioni (idTipoMan, sigla_tipo_man, desc_tipo_man) VALUES (1, 'ORD', 'ORDINARIA'), "
             "(2, 'STR', 'STRAORDINARIA')",
             "INSERT INTO manutenzioni (dataMan, codTipoMan, codChiamata, codProdotto) VALUES "
             "('2025-03-10', 1, 100, 10), ('2024-05-01', 2, 101, 10), ('2023-01-01', 1, 100, 11)",
         })
        connessione.esegui(QString::fromUtf8(sql));
}

ControlliRientro& c()
{
    return istanza<schRientroTecnico>().controlli();
}

QStringList colonna(Griglia* g, int indice)
{
    QStringList r;
    for (int i = 0; i < g->model()->rowCount(); ++i)
        r << g->model()->index(i, indice).data().toString();
    return r;
}

// The codes each grid lists, and the panel's fields.
QStringList pannelli()
{
    auto& k = c();
    return {colonna(k.grigliaDifetti, 0).join(u','), colonna(k.grigliaTipologia, 0).join(u','),
            colonna(k.grigliaMateriale, 0).join(u','), colonna(k.grigliaManutenzioni, 1).join(u','),
            k.cmbTipoAbbonamento->currentText(), k.txtCosto->text(), k.txtNumRicevuta->text(),
            k.cmbMese->currentText(), k.txtAnno->text()};
}

// A pick in the appliance selector.
void scegli(qint64 riga)
{
    ComboDati* s = c().cmbProdotti;
    const int i = s->findData(QVariant(riga));
    s->setCurrentIndex(i);
    emit s->activated(i);
}

// The call card's side: its appliance grid, state list and bSvolto.
struct SchedaChiamata {
    Griglia griglia;
    QComboBox stato;
    bool bSvolto = false;
    int conferme = 0;
    SchedaChiamata()
    {
        stato.addItems({u"DA SVOLGERE"_s, u"ESEGUITO"_s, u"SOSPESO"_s, u"ANNULLATO"_s});
        aggiorna();
    }
    void aggiorna()
    {
        griglia.imposta(connessione.apriStatico(
            u"SELECT idProdChiamata FROM prodotti_in_chiamata WHERE cod_chiamata = 100 ORDER BY idProdChiamata DESC"_s));
    }
    // RIENTRO on an appliance row; `azione` runs while the report is shown.
    void rientro(qint64 riga, std::function<void(ControlliRientro&)> azione)
    {
        griglia.recordset().cerca(u"idProdChiamata"_s, riga);
        griglia.sincronizza();
        seamModale::accoda([azione](QWidget*) { azione(c()); });
        rientroTecnico({100, false, QDate(2025, 3, 10), &griglia, &stato, &bSvolto, [this] { aggiorna(); },
                        [this] { ++conferme; }});
    }
};

const QStringList prodotto10{u"PERD"_s, u"PUL,SOS"_s, u"ELE,IDR"_s, u"ORD,STR"_s, u"ANN - ANNUALE"_s,
                             u"0,00"_s,  u"R1"_s,      u"Dicembre"_s, u"2025"_s};
const QStringList prodotto11{u"RUM"_s, u"PUL"_s, u"ELE"_s, u"ORD"_s, u""_s, u"0,00"_s, u""_s, u""_s, u""_s};
} // namespace

class TestRientroTecnico : public QObject {
    Q_OBJECT
private slots:
    // Each panel shows the rows of the appliance picked, and only of this call.
    void cambioProdotto_data()
    {
        QTest::addColumn<qint64>("primo");
        QTest::addColumn<qint64>("secondo");
        QTest::addColumn<QStringList>("prima");
        QTest::addColumn<QStringList>("dopo");
        QTest::newRow("10 then 11") << qint64(1) << qint64(2) << prodotto10 << prodotto11;
        QTest::newRow("11 then 10") << qint64(2) << qint64(1) << prodotto11 << prodotto10;
    }
    void cambioProdotto()
    {
        QFETCH(qint64, primo);
        QFETCH(qint64, secondo);
        QFETCH(QStringList, prima);
        QFETCH(QStringList, dopo);
        DatabaseTest db;
        riempi();
        SchedaChiamata scheda;
        QStringList letti[2], voci;
        QString titolo, note;
        scheda.rientro(primo, [&](ControlliRientro& k) {
            titolo = k.forma->windowTitle();
            voci = vociCombo(k.cmbProdotti);
            note = k.txtNote->toPlainText();
            letti[0] = pannelli();
            scegli(secondo);
            letti[1] = pannelli();
        });
        QCOMPARE(titolo, u"Scheda Rientro Tecnico"_s);
        QCOMPARE(voci, (QStringList{u"BOILER-"_s, u"CALDAIA-A1"_s}));
        QCOMPARE(note, u"PRIMA"_s);
        QCOMPARE(letti[0], prima);
        QCOMPARE(letti[1], dopo);
        QVERIFY(seamMessaggi::mostrati().isEmpty());
    }

    // Unsaved changes are offered for saving to the appliance they were typed for.
    void domandaAlCambio_data()
    {
        QTest::addColumn<QList<Risposta>>("risposte");
        QTest::addColumn<QString>("anno");
        QTest::addColumn<bool>("conMouse");
        QTest::addColumn<QString>("costo10");
        QTest::addColumn<qint64>("scelto");
        QTest::addColumn<int>("domande");
        QTest::newRow("yes saves to the previous one") << QList{Risposta::Si} << u"2030"_s << false << u"99"_s
                                                       << qint64(2) << 1;
        QTest::newRow("no discards") << QList{Risposta::No} << u"2030"_s << false << u"0"_s << qint64(2) << 1;
        QTest::newRow("mouse: at the drop-down and at the pick")
            << QList{Risposta::No, Risposta::No} << u"2030"_s << true << u"0"_s << qint64(2) << 2;
        QTest::newRow("a refused save keeps the previous appliance")
            << QList{Risposta::Si} << u"20x6"_s << false << u"0"_s << qint64(1) << 1;
    }
    void domandaAlCambio()
    {
        QFETCH(QList<Risposta>, risposte);
        QFETCH(QString, anno);
        QFETCH(bool, conMouse);
        QFETCH(QString, costo10);
        QFETCH(qint64, scelto);
        QFETCH(int, domande);
        DatabaseTest db;
        riempi();
        SchedaChiamata scheda;
        for (Risposta r : risposte)
            seamMessaggi::rispondi(r);
        QVariant sceltoDopo;
        QString annoDopo;
        scheda.rientro(1, [&](ControlliRientro& k) {
            k.txtCosto->setText(u"99"_s);
            k.txtAnno->setText(anno);
            if (conMouse) {
                k.cmbProdotti->showPopup();
                k.cmbProdotti->hidePopup();
            }
            scegli(2);
            sceltoDopo = k.cmbProdotti->valoreLegato();
            annoDopo = k.txtAnno->text();
        });
        const QStringList testi = seamMessaggi::testi();
        QCOMPARE(testi.count(u"Attenzione! vuoi modificare i dati del prodotto?"_s), domande);
        QCOMPARE(riga(u"SELECT vl_abb FROM prodotti_ai_clienti WHERE id_pro_cli = 10"_s).value(0), costo10);
        QCOMPARE(riga(u"SELECT ifnull(vl_abb, 'null') FROM prodotti_ai_clienti WHERE id_pro_cli = 11"_s).value(0),
                 u"null"_s);
        QCOMPARE(sceltoDopo.toLongLong(), scelto);
        QCOMPARE(annoDopo, scelto == 1 ? anno : QString());
    }

    // What the panel writes is what it shows again.
    void pannello_data()
    {
        QTest::addColumn<QString>("costo");
        QTest::addColumn<int>("mese");
        QTest::addColumn<QString>("anno");
        QTest::addColumn<QStringList>("scritto");
        QTest::addColumn<QStringList>("mostrato");
        QTest::newRow("comma, December, apostrophe")
            << u"12,50"_s << 11 << u"2026"_s
            << QStringList{u"1"_s, u"12.5"_s, u"L'1"_s, u"12"_s, u"2026"_s}
            << QStringList{u"ANN - ANNUALE"_s, u"12,5"_s, u"L'1"_s, u"Dicembre"_s, u"2026"_s};
        QTest::newRow("no month, no year, no cost")
            << u""_s << -1 << u""_s << QStringList{u"1"_s, u"0"_s, u"L'1"_s, u"0"_s, u"0"_s}
            << QStringList{u"ANN - ANNUALE"_s, u"0,00"_s, u"L'1"_s, u""_s, u"0"_s};
    }
    void pannello()
    {
        QFETCH(QString, costo);
        QFETCH(int, mese);
        QFETCH(QString, anno);
        QFETCH(QStringList, scritto);
        QFETCH(QStringList, mostrato);
        DatabaseTest db;
        riempi();
        SchedaChiamata scheda;
        QStringList dopo;
        QVariant scadenza;
        bool aggiornato = false;
        scheda.rientro(2, [&](ControlliRientro& k) {
            k.cmbTipoAbbonamento->impostaValoreLegato(1);
            k.txtCosto->setText(costo);
            k.txtNumRicevuta->setText(u"l'1"_s);
            k.dtpDataStipulazione->impostaValore(QDate(2024, 2, 29));
            scadenza = k.dtpDataScadenza->valore();
            k.cmbMese->setCurrentIndex(mese);
            k.txtAnno->setText(anno);
            k.cmdAggiorna->click();
            aggiornato = istanza<schRientroTecnico>().bGiaAggiornato;
            istanza<schRientroTecnico>().aggiornaDettProdotto();
            dopo = {k.cmbTipoAbbonamento->currentText(), k.txtCosto->text(), k.txtNumRicevuta->text(),
                    k.cmbMese->currentText(), k.txtAnno->text()};
        });
        QCOMPARE(scadenza, QVariant(QDate(2025, 2, 28)));
        QVERIFY(aggiornato);
        QCOMPARE(riga(u"SELECT cod_tipo_abbonamento, vl_abb, rf_abb, mm_man, aa_man, data_abb, sc_abb, tstcmb "
                      "FROM prodotti_ai_clienti WHERE id_pro_cli = 11"_s),
                 (scritto + QStringList{u"2024-02-29"_s, u"2025-02-28"_s, u""_s}));
        QCOMPARE(dopo, mostrato);
    }

    // A value that is not of its field is refused with a message, and nothing is written.
    void pannelloRifiutato_data()
    {
        QTest::addColumn<QString>("costo");
        QTest::addColumn<QString>("anno");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("year") << u"1"_s << u"2o25"_s
                              << u"L'anno della manutenzione programmata deve essere un numero intero"_s;
        QTest::newRow("pasted cost") << u"1.234,5"_s << u""_s
                                     << u"Il costo dell'abbonamento deve essere un importo, ad esempio 120,50"_s;
    }
    void pannelloRifiutato()
    {
        QFETCH(QString, costo);
        QFETCH(QString, anno);
        QFETCH(QString, messaggio);
        DatabaseTest db;
        riempi();
        SchedaChiamata scheda;
        bool aggiornato = true;
        scheda.rientro(1, [&](ControlliRientro& k) {
            k.txtCosto->setText(costo);
            k.txtAnno->setText(anno);
            k.cmdAggiorna->click();
            aggiornato = istanza<schRientroTecnico>().bGiaAggiornato;
        });
        QCOMPARE(seamMessaggi::testi().value(0), messaggio);
        QVERIFY(!aggiornato);
        QCOMPARE(riga(u"SELECT vl_abb, aa_man FROM prodotti_ai_clienti WHERE id_pro_cli = 10"_s),
                 (QStringList{u"0"_s, u"2025"_s}));
    }

    // The cost box takes digits and one comma ("." becomes ",").
    void tastiCosto()
    {
        DatabaseTest db;
        riempi();
        SchedaChiamata scheda;
        QString testo;
        scheda.rientro(1, [&](ControlliRientro& k) {
            k.txtCosto->clear();
            QTest::keyClicks(k.txtCosto, u"1a2.5.,3"_s);
            testo = k.txtCosto->text();
        });
        QCOMPARE(testo, u"12,53"_s);
    }

    // The confirmation: the panel, the note, then the question, unless the card is already
    // "ESEGUITO"; the report closes and the card confirms itself when the call was marked done.
    void conferma_data()
    {
        QTest::addColumn<int>("statoScheda");
        QTest::addColumn<QList<Risposta>>("risposte");
        QTest::addColumn<QString>("statoDb");
        QTest::addColumn<bool>("svolto");
        QTest::newRow("yes") << 0 << QList{Risposta::Si} << u"ESEGUITO"_s << true;
        QTest::newRow("no") << 2 << QList{Risposta::No} << u"DA SVOLGERE"_s << false;
        QTest::newRow("already done: no question") << 1 << QList<Risposta>{} << u"DA SVOLGERE"_s << false;
    }
    void conferma()
    {
        QFETCH(int, statoScheda);
        QFETCH(QList<Risposta>, risposte);
        QFETCH(QString, statoDb);
        QFETCH(bool, svolto);
        DatabaseTest db;
        riempi();
        SchedaChiamata scheda;
        scheda.stato.setCurrentIndex(statoScheda);
        for (Risposta r : risposte)
            seamMessaggi::rispondi(r);
        scheda.rientro(2, [](ControlliRientro& k) {
            k.txtNote->setPlainText(u"tutto ok, dell'impianto"_s);
            k.txtAnno->setText(u"2031"_s);
            QTest::keyClick(k.txtNote, Qt::Key_F10);
        });
        QVERIFY(!istanza<schRientroTecnico>().caricata());
        QCOMPARE(seamMessaggi::testi().size(), risposte.size());
        QCOMPARE(riga(u"SELECT ch_rientro_note, (SELECT aa_man FROM prodotti_ai_clienti WHERE id_pro_cli = 11), "
                      "(SELECT cod_stato_int FROM interventi WHERE cod_chiamata = 100) FROM chiamate WHERE idChiamata = 100"_s),
                 (QStringList{u"TUTTO OK, DELL'IMPIANTO"_s, u"2031"_s, statoDb}));
        QCOMPARE(scheda.bSvolto, svolto);
        QCOMPARE(scheda.stato.currentIndex(), svolto ? 1 : statoScheda);
        QCOMPARE(scheda.conferme, svolto ? 1 : 0);
        // Not confirmed: the card is back on the appliance row it was on.
        QCOMPARE(scheda.griglia.valore(u"idProdChiamata"_s).toInt(), 2);
    }

    // A panel save the database refuses stops the confirmation: nothing more is written.
    void confermaRifiutata()
    {
        DatabaseTest db;
        riempi();
        connessione.esegui(u"CREATE TRIGGER no BEFORE UPDATE ON prodotti_ai_clienti BEGIN SELECT RAISE(ABORT, 'no'); END"_s);
        SchedaChiamata scheda;
        bool aperta = false;
        QString anno;
        scheda.rientro(1, [&](ControlliRientro& k) {
            k.txtNote->setPlainText(u"NUOVA"_s);
            k.txtAnno->setText(u"2031"_s);
            k.cmdChiudi->click();
            aperta = istanza<schRientroTecnico>().caricata();
            anno = k.txtAnno->text();
        });
        QVERIFY(aperta);
        QCOMPARE(anno, u"2031"_s);
        QCOMPARE(seamMessaggi::mostrati().size(), 1); // the error box, no question
        QCOMPARE(riga(u"SELECT ch_rientro_note, (SELECT cod_stato_int FROM interventi WHERE cod_chiamata = 100) "
                      "FROM chiamate WHERE idChiamata = 100"_s),
                 (QStringList{u"PRIMA"_s, u"DA SVOLGERE"_s}));
        QVERIFY(!scheda.bSvolto);
    }

    // With no appliance selected the confirmation says so and goes on.
    void confermaSenzaProdotto()
    {
        DatabaseTest db;
        riempi();
        SchedaChiamata scheda;
        seamMessaggi::rispondi(Risposta::Si); // the information box
        seamMessaggi::rispondi(Risposta::Si);
        scheda.rientro(1, [](ControlliRientro& k) {
            k.cmbProdotti->svuotaScelta();
            k.cmdChiudi->click();
        });
        QCOMPARE(seamMessaggi::testi().value(0), u"Seleziona il prodotto per favore!"_s);
        QVERIFY(scheda.bSvolto);
    }

    // Another workstation deletes the call, before the report opens or while it is open: the
    // report is not shown, or hangs nothing more on the call and its confirmation says so and
    // closes it.
    void chiamataEliminata_data()
    {
        QTest::addColumn<bool>("aperta");
        QTest::addColumn<QStringList>("messaggi");
        const QString chiamata = u"Attenzione! la chiamata non esiste più nell'archivio: è stata eliminata da "
                                 "un'altra postazione.\r\nNulla è stato salvato."_s;
        const QString riga = u"Attenzione! il prodotto non fa più parte della chiamata: è stato rimosso da un'altra "
                             "postazione.\r\nNulla è stato salvato."_s;
        QTest::newRow("before the report opens")
            << false
            << QStringList{u"Attenzione! la chiamata non esiste più nell'archivio: è stata eliminata da un'altra "
                           "postazione."_s};
        QTest::newRow("while the report is open")
            << true << QStringList{riga, riga, chiamata, u"Nessun Cliente identificato"_s};
    }
    void chiamataEliminata()
    {
        QFETCH(bool, aperta);
        QFETCH(QStringList, messaggi);
        DatabaseTest db;
        riempi();
        const QString eliminazione =
            u"BEGIN; DELETE FROM manutenzioni WHERE codChiamata = 100; DELETE FROM matAtt WHERE codAtt IN (1, 2, 3); "
            "DELETE FROM attività_svolte WHERE cod_prodotto IN (1, 2); "
            "DELETE FROM riscontro_su_prodotto WHERE at_pr_codice IN (1, 2); DELETE FROM interventi WHERE cod_chiamata = 100; "
            "DELETE FROM prodotti_in_chiamata WHERE cod_chiamata = 100; DELETE FROM chiamate WHERE idChiamata = 100; COMMIT"_s;
        AltraPostazione altra(db.file());
        SchedaChiamata scheda;
        if (!aperta)
            altra.esegui(eliminazione);
        bool apertaDopo = false;
        scheda.rientro(1, [&](ControlliRientro& k) {
            altra.esegui(eliminazione);
            k.cmbDifetti->impostaValoreLegato(2);
            k.cmdAggiungiDifetto->click();
            k.cmbTipoAttivita->impostaValoreLegato(1);
            k.cmdAggiungiAttivita->click();
            k.txtNote->setPlainText(u"nota"_s);
            k.cmdChiudi->click();
            apertaDopo = istanza<schRientroTecnico>().caricata();
        });
        QCOMPARE(seamModale::mostrate().size(), aperta ? 1 : 0);
        QVERIFY(!apertaDopo);
        QVERIFY(!istanza<schRientroTecnico>().caricata());
        QCOMPARE(seamMessaggi::testi(), messaggi);
        QCOMPARE(seamMessaggi::mostrati().first().stile, stile::esclamazione);
        QVERIFY(!scheda.bSvolto);
        QCOMPARE(conta(u"SELECT count(*) FROM riscontro_su_prodotto WHERE at_pr_codice IN (1, 2)"_s), 0);
        QCOMPARE(conta(u"SELECT count(*) FROM attività_svolte WHERE cod_prodotto IN (1, 2)"_s), 0);
        QCOMPARE(conta(u"SELECT count(*) FROM chiamate WHERE idChiamata = 100"_s), 0);
    }

    // Another workstation removes the appliance row from the call while its report is open:
    // the confirmation says so, keeps nothing of its panel and goes on with the note.
    void rigaRimossa()
    {
        DatabaseTest db;
        riempi();
        SchedaChiamata scheda;
        seamMessaggi::rispondi(Risposta::Si); // the removed row
        seamMessaggi::rispondi(Risposta::No);
        scheda.rientro(2, [&](ControlliRientro& k) {
            AltraPostazione(db.file())
                .esegui(u"BEGIN; DELETE FROM matAtt WHERE codAtt = 3; DELETE FROM attività_svolte WHERE cod_prodotto = 2; "
                        "DELETE FROM riscontro_su_prodotto WHERE at_pr_codice = 2; "
                        "DELETE FROM prodotti_in_chiamata WHERE idProdChiamata = 2; COMMIT"_s);
            k.txtAnno->setText(u"2031"_s);
            k.txtNote->setPlainText(u"nota"_s);
            k.cmdChiudi->click();
        });
        QVERIFY(!istanza<schRientroTecnico>().caricata());
        QCOMPARE(seamMessaggi::testi(),
                 (QStringList{u"Attenzione! il prodotto non fa più parte della chiamata: è stato rimosso da un'altra "
                              "postazione.\r\nI dati del prodotto nel riquadro non sono stati salvati."_s,
                              u"Considerare l'intervento 'SVOLTO' ed eliminare la sua visualizzazione nel planner ?"_s}));
        QCOMPARE(riga(u"SELECT ch_rientro_note, (SELECT ifnull(aa_man, '') FROM prodotti_ai_clienti WHERE id_pro_cli = 11) "
                      "FROM chiamate WHERE idChiamata = 100"_s),
                 (QStringList{u"NOTA"_s, u""_s}));
    }

    void rientroNonPossibile_data()
    {
        QTest::addColumn<bool>("nuova");
        QTest::addColumn<bool>("conProdotti");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("no appliance") << false << false << u"Attenzione! Nessun prodotto Selezionato!"_s;
        QTest::newRow("new call")
            << true << true
            << u"Attenzione! impossibile gestire il rientro del tecnico senza aver prima confermato la chiamata"_s;
    }
    void rientroNonPossibile()
    {
        QFETCH(bool, nuova);
        QFETCH(bool, conProdotti);
        QFETCH(QString, messaggio);
        DatabaseTest db;
        riempi();
        if (!conProdotti)
            connessione.esegui(u"DELETE FROM prodotti_in_chiamata"_s);
        SchedaChiamata scheda;
        rientroTecnico({100, nuova, QDate(2025, 3, 10), &scheda.griglia, &scheda.stato, &scheda.bSvolto, [] {}, [] {}});
        QCOMPARE(unicoMessaggio(), messaggio);
        QVERIFY(seamModale::mostrate().isEmpty());
    }

    // Maintenances: one per appliance and day whatever the call; adding and removing keep
    // the summary on the latest one.
    void manutenzioni()
    {
        DatabaseTest db;
        riempi();
        SchedaChiamata scheda;
        QStringList elenco;
        scheda.rientro(1, [&](ControlliRientro& k) {
            k.cmdAggiungiMan->click(); // appliance 10 already has one on 10/03/2025
            scegli(2);
            seamModale::accoda([](QWidget*) {
                auto& m = istanza<schMan>().controlli();
                m.cmdConferma->click(); // no type
                m.cmbTipoMan->impostaValoreLegato(2);
                m.cmdConferma->click();
            });
            k.cmdAggiungiMan->click();
            elenco << colonna(k.grigliaManutenzioni, 0).join(u',');
            k.cmdRimuoviMan->click(); // the newest first: the one just added
            k.cmdRimuoviMan->click();
            elenco << colonna(k.grigliaManutenzioni, 0).join(u',');
            k.cmdRimuoviMan->click();
        });
        QCOMPARE(seamMessaggi::testi(),
                 (QStringList{u"Attenzione! è già stata assegnata la manutenzione al prodotto"_s,
                              u"Selezionare il tipo di manutenzione"_s, u"Attenzione! nessuna manutenzione selezionata"_s}));
        QCOMPARE(elenco, (QStringList{u"10/03/2025,01/01/2023"_s, u""_s}));
        QCOMPARE(riga(u"SELECT manutenzione FROM prodotti_ai_clienti WHERE id_pro_cli = 11"_s).value(0), u"-"_s);
        QCOMPARE(conta(u"SELECT count(*) FROM manutenzioni WHERE codProdotto = 10"_s), 2);
    }

    // Adding or removing a maintenance keeps the subscription typed and not yet saved.
    void manutenzioniConservanoIlPannello()
    {
        DatabaseTest db;
        riempi();
        SchedaChiamata scheda;
        QStringList dopoAggiunta, dopoRimozione;
        bool daSalvare = false;
        scheda.rientro(2, [&](ControlliRientro& k) {
            k.txtCosto->setText(u"99"_s);
            k.txtAnno->setText(u"2028"_s);
            seamModale::accoda([](QWidget*) {
                auto& m = istanza<schMan>().controlli();
                m.cmbTipoMan->impostaValoreLegato(2);
                m.cmdConferma->click();
            });
            k.cmdAggiungiMan->click();
            dopoAggiunta = {k.txtCosto->text(), k.txtAnno->text(), colonna(k.grigliaManutenzioni, 1).join(u',')};
            k.cmdRimuoviMan->click();
            dopoRimozione = {k.txtCosto->text(), k.txtAnno->text(), colonna(k.grigliaManutenzioni, 1).join(u',')};
            daSalvare = !istanza<schRientroTecnico>().bGiaAggiornato;
            seamMessaggi::rispondi(Risposta::No);
            scegli(1);
        });
        QCOMPARE(dopoAggiunta, (QStringList{u"99"_s, u"2028"_s, u"STR,ORD"_s}));
        QCOMPARE(dopoRimozione, (QStringList{u"99"_s, u"2028"_s, u"ORD"_s}));
        QVERIFY(daSalvare);
        QCOMPARE(seamMessaggi::testi().value(0), u"Attenzione! vuoi modificare i dati del prodotto?"_s);
        QCOMPARE(riga(u"SELECT vl_abb, aa_man FROM prodotti_ai_clienti WHERE id_pro_cli = 11"_s),
                 (QStringList{QString(), QString()}));
    }

    // Defects, activities and materials are written at once; an activity goes with its materials.
    void difettiAttivitaMateriali()
    {
        DatabaseTest db;
        riempi();
        SchedaChiamata scheda;
        QStringList visti;
        for (int i = 0; i < 3; ++i)
            seamMessaggi::rispondi(Risposta::Si);
        scheda.rientro(2, [&](ControlliRientro& k) {
            k.cmbDifetti->impostaValoreLegato(1);
            k.txtNoteDifetto->setText(u"l'acqua"_s);
            k.cmdAggiungiDifetto->click();
            k.cmbTipoAttivita->impostaValoreLegato(2);
            k.cmdAggiungiAttivita->click();
            k.cmbMateriale->impostaValoreLegato(2);
            k.cmdAggiungiMateriale->click(); // to the activity just added
            k.cmdAggiungiMateriale->click();
            visti << colonna(k.grigliaMateriale, 1).join(u',');
            k.cmdRimuoviAttivita->click(); // that activity and its two materials; activity 3 is current
            visti << colonna(k.grigliaTipologia, 0).join(u',') << colonna(k.grigliaMateriale, 1).join(u',');
            k.cmdRimuoviAttivita->click();
            k.cmdAggiungiMateriale->click();
            QTest::keyClick(k.cmbArea, Qt::Key_Delete);
            visti << QString::number(k.cmbMateriale->count());
        });
        QCOMPARE(visti, (QStringList{u"VAL,VAL"_s, u"PUL"_s, u"FUS"_s, u"0"_s}));
        QCOMPARE(seamMessaggi::testi().mid(2),
                 (QStringList{u"Selezionare il tipo di attività svolto "_s}));
        QCOMPARE(riga(u"SELECT group_concat(at_difetto || ':' || at_note) FROM riscontro_su_prodotto WHERE at_pr_codice = 2"_s),
                 (QStringList{u"2:NOTA B,1:L'ACQUA"_s}));
        QCOMPARE(conta(u"SELECT count(*) FROM attività_svolte WHERE cod_prodotto = 2"_s), 0);
        QCOMPARE(conta(u"SELECT count(*) FROM matAtt WHERE codAtt NOT IN (1, 2, 4)"_s), 0);
    }

    // A material goes under the activity selected: the one just added, the one whose note was
    // updated, the same one after the defects changed; after a removal, the first.
    void attivitaCorrente_data()
    {
        // A, B: an activity added (note A or B); N: the selected activity's note updated; 0, 1, 2:
        // the activity grid's row clicked; D: a defect added; d: the defect's note updated; s: the
        // defect grid's second row clicked; R: the defect removed; X: the activity removed.
        QTest::addColumn<QString>("passi");
        QTest::addColumn<QString>("attivita"); // the note of the activity the material went under
        QTest::newRow("added last") << u"AB"_s << u"B"_s;
        QTest::newRow("note updated") << u"AB1N"_s << u"A"_s;
        QTest::newRow("defect added") << u"AB1D"_s << u"A"_s;
        QTest::newRow("defect note updated") << u"AB1d"_s << u"A"_s;
        QTest::newRow("defect picked") << u"AB1Ds"_s << u"A"_s;
        QTest::newRow("defect removed") << u"AB1R"_s << u"A"_s;
        QTest::newRow("activity removed") << u"AB2X"_s << u"N3"_s;
    }
    void attivitaCorrente()
    {
        QFETCH(QString, passi);
        QFETCH(QString, attivita);
        DatabaseTest db;
        riempi();
        SchedaChiamata scheda;
        const auto clicRiga = [](Griglia* g, int riga) {
            QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(riga, 0)).center());
        };
        scheda.rientro(2, [&](ControlliRientro& k) {
            QVERIFY(QTest::qWaitForWindowExposed(k.forma));
            for (const QChar p : passi) {
                switch (p.unicode()) {
                case 'A':
                case 'B':
                    k.cmbTipoAttivita->impostaValoreLegato(1);
                    k.txtNoteAttivita->setText(QString(p));
                    k.cmdAggiungiAttivita->click();
                    break;
                case 'N':
                    k.cmdAggiornaNotaAttivita->click();
                    break;
                case 'D':
                    k.cmbDifetti->impostaValoreLegato(1);
                    k.cmdAggiungiDifetto->click();
                    break;
                case 'd':
                    k.txtNoteDifetto->setText(u"nota"_s);
                    k.cmdAggiornaNotaDifetto->click();
                    break;
                case 's':
                    clicRiga(k.grigliaDifetti, 1);
                    break;
                case 'R':
                case 'X':
                    seamMessaggi::rispondi(Risposta::Si);
                    (p == u'R' ? k.cmdRimuoviDifetto : k.cmdRimuoviAttivita)->click();
                    break;
                default:
                    clicRiga(k.grigliaTipologia, p.digitValue());
                }
            }
            k.cmbMateriale->impostaValoreLegato(2);
            k.cmdAggiungiMateriale->click();
        });
        QCOMPARE(riga(u"SELECT note_att FROM matAtt INNER JOIN attività_svolte ON matAtt.codAtt = "
                      "attività_svolte.idAttivita ORDER BY idMatAtt DESC LIMIT 1"_s),
                 QStringList{attivita});
    }

    // A refresh with no appliance selected reads no rows; an empty selector leaves the
    // activities unread, which adding a material tells apart.
    void senzaProdotto_data()
    {
        QTest::addColumn<qint64>("chiamata");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("call without appliances") << qint64(102) << u"Selezionare il tipo di attività svolto"_s;
        QTest::newRow("nothing selected") << qint64(100) << u"Selezionare il tipo di attività svolto "_s;
    }
    void senzaProdotto()
    {
        QFETCH(qint64, chiamata);
        QFETCH(QString, messaggio);
        DatabaseTest db;
        riempi();
        connessione.esegui(u"INSERT INTO chiamate (idChiamata) VALUES (102)"_s);
        schRientroTecnico& r = istanza<schRientroTecnico>();
        r.nID = chiamata;
        r.predisponi();
        r.aggiornaGrigliaDifetti();
        r.aggiornaMan();
        auto& k = c();
        k.cmbMateriale->setCurrentIndex(0);
        k.cmdAggiungiMateriale->click();
        QCOMPARE(unicoMessaggio(), messaggio);
        QCOMPARE(k.grigliaDifetti->model()->rowCount() + k.grigliaTipologia->model()->rowCount()
                     + k.grigliaManutenzioni->model()->rowCount(),
                 0);
    }
};

CORVEXT_TEST_MAIN(TestRientroTecnico)
#include "test_rientro_tecnico.moc"
