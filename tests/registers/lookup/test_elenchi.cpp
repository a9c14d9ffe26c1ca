#include "ambiente_test.h"
#include "platform/db/connessione.h"
#include "platform/ui/griglia.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include "registers/lookup/zone.h"
#include "registri_prova.h"
#include "supporto_finestre.h"
#include <QAction>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
// Search column and order column disagree, so a wrong one shows as a wrong set or order.
// Keys 1 to 8; key 5 is deleted where the table keeps deleted rows.
void riempi(const RegistroProva& r)
{
    const QList<QPair<QString, QString>> righe = {
        {u"DA3"_s, u"DA1"_s}, {u"DA1"_s, u"XY9"_s}, {u"ZZ1"_s, u"DA2"_s}, {u"DA2"_s, u"DA3"_s},
        {u"DA9"_s, u"DA9"_s}, {u"D'A"_s, u"D'A"_s}, {u"D%A"_s, u"D%A"_s}, {u"D_A"_s, u"D_A"_s},
    };
    for (const auto& [codice, descrizione] : righe)
        aggiungiRiga(r, codice, descrizione);
    if (r.conEliminato)
        connessione.esegui(u"UPDATE "_s + r.tabella + u" SET eliminato = 1 WHERE "_s + r.chiave + u" = 5"_s);
}

Griglia* griglia(ElencoRegistro& l)
{
    return l.forma()->findChild<Griglia*>(u"griglia"_s);
}

QStringList codici(ElencoRegistro& l)
{
    return colonna(l, 0);
}

QString ultimoMessaggio()
{
    return seamMessaggi::mostrati().isEmpty() ? QString() : seamMessaggi::mostrati().last().testo;
}
} // namespace

class TestElenchi : public QObject {
    Q_OBJECT
private slots:
    void ricercaEdEliminazione_data()
    {
        QTest::addColumn<QString>("registro");
        QTest::addColumn<QStringList>("attesi");
        QTest::addColumn<QString>("domanda");
        QTest::addColumn<int>("chiavePrima");
        const QStringList perCodice = {u"DA1"_s, u"DA2"_s, u"DA3"_s};
        const QStringList perNome = {u"DA3"_s, u"ZZ1"_s, u"DA2"_s};
        QTest::newRow("posizioni") << u"posizioni"_s << QStringList{u"DA3"_s, u"DA1"_s, u"DA2"_s}
                                   << u"ELiminare il tipo di posizione:DA3?"_s << 1;
        QTest::newRow("zone") << u"zone"_s << QStringList{u"DA3"_s, u"DA2"_s, u"DA1"_s} << u"ELiminare la zona:DA3?"_s
                              << 1;
        QTest::newRow("tipi prodotto") << u"tipi prodotto"_s << perNome << u"ELiminare il tipo di prodotto:DA1?"_s
                                       << 1;
        QTest::newRow("tipi cliente") << u"tipi cliente"_s << perNome << u"ELiminare la tipologia di cliente:DA1?"_s
                                      << 1;
        QTest::newRow("abbonamenti") << u"abbonamenti"_s << QStringList{u"DA2"_s, u"DA3"_s, u"ZZ1"_s}
                                     << u"ELiminare la tipologia di abbonamento:DA2?"_s << 4;
        QTest::newRow("marche") << u"marche"_s << perNome << u"ELiminare la marca:DA1?"_s << 1;
        QTest::newRow("attivita") << u"attivita"_s << perNome << u"ELiminare la tipologia di attività:DA1?"_s << 1;
        QTest::newRow("richieste") << u"richieste"_s << QStringList{u"DA2"_s, u"DA3"_s, u"DA9"_s, u"ZZ1"_s}
                                   << u"ELiminare la tipologia di richiesta:4?"_s << 4;
        QTest::newRow("aree intervento") << u"aree intervento"_s << perCodice
                                         << u"ELiminare l'area di intervento:DA1?"_s << 2;
        QTest::newRow("difetti") << u"difetti"_s << perCodice << u"ELiminare il difetto:DA1?"_s << 2;
        QTest::newRow("alimentazioni") << u"alimentazioni"_s << perNome << u"ELiminare la tipologia:DA1?"_s << 1;
        QTest::newRow("manutenzioni") << u"manutenzioni"_s << perCodice << u"ELiminare il tipo di manutenzione:DA1?"_s
                                      << 2;
    }
    void ricercaEdEliminazione()
    {
        QFETCH(QString, registro);
        QFETCH(QStringList, attesi);
        QFETCH(QString, domanda);
        QFETCH(int, chiavePrima);
        DatabaseTest db;
        const RegistroProva& r = registroProva(registro);
        riempi(r);
        ElencoRegistro& l = r.elenco();
        QTest::keyClicks(ricerca(l), u"DA"_s);
        QCOMPARE(codici(l), attesi);
        QCOMPARE(griglia(l)->valore(r.chiave).toInt(), chiavePrima);

        seamMessaggi::rispondi(Risposta::Si);
        l.cancella();
        QCOMPARE(seamMessaggi::mostrati().size(), 1);
        QCOMPARE(seamMessaggi::mostrati().first().testo, domanda);
        QCOMPARE(seamMessaggi::mostrati().first().stile & 7, stile::siNo);
        QCOMPARE(codici(l), attesi.mid(1));
        QCOMPARE(ricerca(l)->text(), u"DA"_s);
        const QString riga = u" FROM "_s + r.tabella + u" WHERE "_s + r.chiave + u" = "_s + QString::number(chiavePrima);
        if (r.conEliminato)
            QCOMPARE(conta(u"SELECT count(*)"_s + riga + u" AND eliminato = 1"_s), 1);
        else
            QCOMPARE(conta(u"SELECT count(*)"_s + riga), 0);
    }

    void rispostaNoNonElimina()
    {
        DatabaseTest db;
        const RegistroProva& r = registroProva(u"marche"_s);
        riempi(r);
        ElencoRegistro& l = r.elenco();
        const QStringList prima = codici(l);
        seamMessaggi::rispondi(Risposta::No);
        l.cancella();
        QCOMPARE(codici(l), prima);
        QCOMPARE(conta(u"SELECT count(*) FROM marche WHERE eliminato = 1"_s), 1);
    }

    void prefissoLetterale_data()
    {
        QTest::addColumn<QString>("registro");
        QTest::addColumn<QString>("prefisso");
        QTest::addColumn<QString>("atteso");
        for (const RegistroProva& r : registriProva())
            for (const QString& p : {u"D'"_s, u"D%"_s, u"D_"_s})
                QTest::addRow("%s %s", qPrintable(r.nome), qPrintable(p)) << r.nome << p << p + u"A"_s;
    }
    void prefissoLetterale()
    {
        QFETCH(QString, registro);
        QFETCH(QString, prefisso);
        QFETCH(QString, atteso);
        DatabaseTest db;
        const RegistroProva& r = registroProva(registro);
        riempi(r);
        ElencoRegistro& l = r.elenco();
        QTest::keyClicks(ricerca(l), prefisso);
        QCOMPARE(ricerca(l)->text(), prefisso);
        QCOMPARE(codici(l), QStringList{atteso});
        QVERIFY(seamMessaggi::mostrati().isEmpty());
    }

    // Texts of every kind go in, are found and come back as typed (in capitals); the other
    // row of the table is never touched.
    void testiDiOgniGenere_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::newRow("accented") << u"perché così à"_s;
        QTest::newRow("Greek") << u"Αθήνα"_s;
        QTest::newRow("CJK") << u"東京都"_s;
        QTest::newRow("emoji") << u"fuoco 🔥"_s;
        QTest::newRow("emoji and comment") << u"NUOVO😧--"_s;
        QTest::newRow("quote") << u"d'Annunzio"_s;
        QTest::newRow("Jet date") << u"#1/1/2000#"_s;
        QTest::newRow("wildcards") << u"50%_*?"_s;
    }
    void testiDiOgniGenere()
    {
        QFETCH(QString, testo);
        DatabaseTest db;
        const RegistroProva& r = registroProva(u"zone"_s);
        aggiungiRiga(r, u"ALTRA"_s, u"ALTRA"_s);
        ElencoRegistro& l = r.elenco();
        auto compila = [](const QString& sigla, const QString& nome) {
            seamModale::accoda([=](QWidget* scheda) {
                scheda->findChild<QLineEdit*>(u"txtSigla"_s)->setText(sigla);
                scheda->findChild<QLineEdit*>(u"txtDescrizione"_s)->setText(nome);
                scheda->findChild<QPushButton*>(u"cmdOk"_s)->click();
            });
        };
        auto righeZone = [] {
            QStringList t;
            for (Recordset rs = connessione.apriStatico(u"SELECT * FROM zone ORDER BY idZona"_s); !rs.eof(); rs.moveNext())
                t << rs[u"sigla_zona"_s].toString() + u"|"_s + rs[u"desc_zona"_s].toString();
            return t;
        };
        const QString maiuscolo = testo.toUpper();

        compila(testo, testo);
        l.inserisci();
        QCOMPARE(righeZone(), QStringList({u"ALTRA|ALTRA"_s, maiuscolo + u"|"_s + maiuscolo}));

        ricerca(l)->setText(testo);
        QCOMPARE(codici(l), QStringList{maiuscolo});

        compila(testo + u" 2"_s, u"due "_s + testo);
        l.dettagli();
        QCOMPARE(righeZone(),
                 QStringList({u"ALTRA|ALTRA"_s, maiuscolo + u" 2|DUE "_s + maiuscolo}));
        QVERIFY(seamMessaggi::mostrati().isEmpty());
    }

    // A search text cannot read another table.
    void ricercaNonLeggeAltreTabelle()
    {
        DatabaseTest db;
        ElencoRegistro& l = registroProva(u"zone"_s).elenco();
        ricerca(l)->setText(u"😧 UNION SELECT opUser, opPassword FROM operatori--"_s);
        QVERIFY(codici(l).isEmpty());
        QVERIFY(seamMessaggi::mostrati().isEmpty());
    }

    void listaVuota_data()
    {
        QTest::addColumn<QString>("registro");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("posizioni") << u"posizioni"_s << u"Selezionare la posizione da eliminare"_s;
        QTest::newRow("zone") << u"zone"_s << u"Selezionare la zona da eliminare"_s;
        QTest::newRow("tipi prodotto") << u"tipi prodotto"_s << u"Selezionare il tipo di prodotto da eliminare"_s;
        QTest::newRow("tipi cliente") << u"tipi cliente"_s << u"Selezionare la tipologia di cliente da eliminare"_s;
        QTest::newRow("abbonamenti") << u"abbonamenti"_s << u"Selezionare la tipologia di abbonamento da eliminare"_s;
        QTest::newRow("marche") << u"marche"_s << u"Selezionare la marca da eliminare"_s;
        QTest::newRow("attivita") << u"attivita"_s << u"Selezionare la tipologia di attività da eliminare"_s;
        QTest::newRow("richieste") << u"richieste"_s << u"Selezionare la tipologia di richiesta da eliminare"_s;
        QTest::newRow("aree intervento") << u"aree intervento"_s << u"Selezionare l'area di intervento da eliminare"_s;
        QTest::newRow("difetti") << u"difetti"_s << u"Selezionare il difetto da eliminare"_s;
        QTest::newRow("alimentazioni") << u"alimentazioni"_s << u"Selezionare la Tipologia di gas da eliminare"_s;
        QTest::newRow("manutenzioni") << u"manutenzioni"_s
                                      << u"Selezionare la tipologia di manutenzione da eliminare"_s;
    }
    void listaVuota()
    {
        QFETCH(QString, registro);
        QFETCH(QString, messaggio);
        DatabaseTest db;
        const RegistroProva& r = registroProva(registro);
        riempi(r);
        ElencoRegistro& l = r.elenco();
        QTest::keyClicks(ricerca(l), u"QQ"_s);
        QVERIFY(codici(l).isEmpty());
        l.cancella();
        QCOMPARE(seamMessaggi::mostrati().size(), 1);
        QCOMPARE(seamMessaggi::mostrati().first().testo, messaggio);
        QCOMPARE(seamMessaggi::mostrati().first().stile, stile::informazione);
        l.dettagli();
        QVERIFY(seamModale::mostrate().isEmpty());
    }

    void ricercaInMaiuscolo_data()
    {
        QTest::addColumn<QString>("registro");
        QTest::addColumn<QString>("mostrato");
        QTest::newRow("posizioni") << u"posizioni"_s << u"DA"_s;
        QTest::newRow("manutenzioni") << u"manutenzioni"_s << u"DA"_s;
        QTest::newRow("zone, as typed") << u"zone"_s << u"da"_s;
    }
    void ricercaInMaiuscolo()
    {
        QFETCH(QString, registro);
        QFETCH(QString, mostrato);
        DatabaseTest db;
        const RegistroProva& r = registroProva(registro);
        riempi(r);
        ElencoRegistro& l = r.elenco();
        QTest::keyClicks(ricerca(l), u"da"_s);
        QCOMPARE(ricerca(l)->text(), mostrato);
        QCOMPARE(l.criterio, mostrato);
        QCOMPARE(codici(l).size(), 3);
    }

    void lettereAccentate()
    {
        DatabaseTest db;
        const RegistroProva& r = registroProva(u"marche"_s);
        aggiungiRiga(r, u"EL"_s, u"ÈLITE"_s);
        aggiungiRiga(r, u"EX"_s, u"EXTRA"_s);
        ElencoRegistro& l = r.elenco();
        QTest::sendKeyEvent(QTest::Click, ricerca(l), Qt::Key_Egrave, u"è"_s, Qt::NoModifier);
        QCOMPARE(codici(l), QStringList{u"EL"_s});
    }

    void tastiFunzione_data()
    {
        QTest::addColumn<QString>("controllo");
        QTest::newRow("search box") << u"txtNome"_s;
        QTest::newRow("grid") << u"griglia"_s;
    }
    void tastiFunzione()
    {
        QFETCH(QString, controllo);
        DatabaseTest db;
        const RegistroProva& r = registroProva(u"zone"_s);
        riempi(r);
        auto& l = istanza<frmZone>();
        QTest::keyClicks(ricerca(l), u"DA"_s);
        QWidget* w = l.forma()->findChild<QWidget*>(controllo);
        QTest::keyClick(w, Qt::Key_F3);
        QTest::keyClick(w, Qt::Key_F4);
        QVERIFY(seamMessaggi::mostrati().isEmpty());
        QVERIFY(seamModale::mostrate().isEmpty());
        QTest::keyClick(w, Qt::Key_F8);
        QCOMPARE(seamModale::mostrate(), QList<QString>{u"Scheda Zona"_s});
        seamMessaggi::rispondi(Risposta::No);
        QTest::keyClick(w, Qt::Key_F7);
        QCOMPARE(ultimoMessaggio(), u"ELiminare la zona:DA3?"_s);
        QVERIFY(l.caricata());
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(!l.caricata());
    }

    void dopoLaSchedaRicarica_data()
    {
        QTest::addColumn<QString>("pulsante");
        QTest::newRow("OK") << u"cmdOk"_s;
        QTest::newRow("Annulla") << u"cmdAnnulla"_s;
    }
    void dopoLaSchedaRicarica()
    {
        QFETCH(QString, pulsante);
        DatabaseTest db;
        const RegistroProva& r = registroProva(u"zone"_s);
        riempi(r);
        auto& l = istanza<frmZone>();
        QTest::keyClicks(ricerca(l), u"DA"_s);
        griglia(l)->selectRow(2);
        seamModale::accoda([&](QWidget* scheda) {
            scheda->findChild<QLineEdit*>(u"txtSigla"_s)->setText(u"DA0"_s);
            scheda->findChild<QLineEdit*>(u"txtDescrizione"_s)->setText(u"AAA"_s);
            // Meanwhile another workstation adds a zone.
            aggiungiRiga(r, u"DA5"_s, u"DA5"_s);
            QTest::mouseClick(scheda->findChild<QPushButton*>(pulsante), Qt::LeftButton);
        });
        l.inserisci();
        QStringList attesi = {u"DA3"_s, u"DA2"_s, u"DA5"_s, u"DA1"_s};
        if (pulsante == u"cmdOk"_s)
            attesi.prepend(u"DA0"_s);
        QCOMPARE(codici(l), attesi);
        QCOMPARE(griglia(l)->currentIndex().row(), 0);
        QCOMPARE(griglia(l)->valore(u"sigla_zona"_s).toString(), attesi.first());
    }

    void azzera()
    {
        DatabaseTest db;
        const RegistroProva& r = registroProva(u"zone"_s);
        riempi(r);
        auto& l = istanza<frmZone>();
        auto* reset = l.forma()->findChild<QPushButton*>(u"cmdReset"_s);
        QTest::keyClicks(ricerca(l), u"DA"_s);
        QCOMPARE(codici(l).size(), 3);
        QTest::mouseClick(reset, Qt::LeftButton);
        QVERIFY(ricerca(l)->text().isEmpty());
        QVERIFY(l.criterio.isEmpty());
        QCOMPARE(codici(l).size(), 7);
        aggiungiRiga(r, u"NEW"_s, u"NEW"_s);
        QTest::mouseClick(reset, Qt::LeftButton);
        QCOMPARE(codici(l).size(), 8);
    }

    void doppioClicModifica()
    {
        DatabaseTest db;
        const RegistroProva& r = registroProva(u"zone"_s);
        riempi(r);
        auto& l = istanza<frmZone>();
        l.forma()->show();
        QTest::keyClicks(ricerca(l), u"DA"_s);
        QString sigla, descrizione;
        seamModale::accoda([&](QWidget* scheda) {
            sigla = scheda->findChild<QLineEdit*>(u"txtSigla"_s)->text();
            descrizione = scheda->findChild<QLineEdit*>(u"txtDescrizione"_s)->text();
        });
        Griglia* g = griglia(l);
        const QRect cella = g->visualRect(g->model()->index(1, 1));
        // What the window system sends for a double click: a click, then the double click.
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, cella.center());
        QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, cella.center());
        QCOMPARE(seamModale::mostrate(), QList<QString>{u"Scheda Zona"_s});
        QCOMPARE(sigla, u"DA2"_s);
        QCOMPARE(descrizione, u"DA3"_s);
        QCOMPARE(istanza<schZona>().nModalità, 1);
        QCOMPARE(istanza<schZona>().nID, 4L);
    }

    void modificaDiUnaRigaScomparsa()
    {
        DatabaseTest db;
        const RegistroProva& r = registroProva(u"zone"_s);
        riempi(r);
        auto& l = istanza<frmZone>();
        const QStringList prima = codici(l);
        connessione.esegui(u"DELETE FROM zone WHERE idZona = "_s + griglia(l)->valore(u"idZona"_s).toString());
        l.dettagli();
        QVERIFY(seamModale::mostrate().isEmpty());
        QCOMPARE(seamMessaggi::mostrati().size(), 1);
        QCOMPARE(seamMessaggi::mostrati().first().stile, stile::esclamazione);
        QCOMPARE(codici(l), prima);
    }

    void aggiornamentoFallito()
    {
        DatabaseTest db;
        const RegistroProva& r = registroProva(u"zone"_s);
        riempi(r);
        auto& l = istanza<frmZone>();
        const QStringList prima = codici(l);
        connessione.esegui(u"ALTER TABLE zone RENAME TO zone_altrove"_s);
        QTest::keyClicks(ricerca(l), u"D"_s);
        QCOMPARE(seamMessaggi::mostrati().size(), 1);
        QVERIFY(ultimoMessaggio().contains(u"zone"_s));
        QCOMPARE(codici(l), prima);
    }
};

CORVEXT_TEST_MAIN(TestElenchi)
#include "test_elenchi.moc"
