#include "ambiente_test.h"
#include "fixture_accensioni.h"
#include "ignitions/frm_importa_accensioni_cat.h"
#include "ignitions/frm_storico_importazioni_cat.h"
#include "platform/db/connessione.h"
#include "platform/ui/griglia.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/modale.h"
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
// Centres 1 and 2; run 1 of centre 1 and run 2 of centre 2 on the same day, run 3 of centre 1
// later; run 2 has a duplicate of a row of run 1 and one of its own row.
void fixture()
{
    inserisci(u"CAT"_s, {{u"nomeCAT"_s, u"ALFA"_s}});
    inserisci(u"CAT"_s, {{u"nomeCAT"_s, u"BETA"_s}});
    const auto run = [](int id, int cat, QDate giorno) {
        inserisci(u"movImportazioniCAT"_s, {{u"idMov"_s, id}, {u"codCAT"_s, cat}, {u"dataImp"_s, giorno},
                                            {u"esitoImportazione"_s, u"CONCLUSA POSITIVAMENTE"_s}});
    };
    run(1, 1, QDate(2005, 3, 1));
    run(2, 2, QDate(2005, 3, 1));
    run(3, 1, QDate(2005, 3, 9));
    const qint64 uno = inserisci(u"accensioniCAT"_s, {{u"codCAT"_s, 1}, {u"codMov"_s, 1}, {u"matricola"_s, u"A1"_s}});
    inserisci(u"accensioniCAT"_s, {{u"codCAT"_s, 1}, {u"codMov"_s, 1}, {u"matricola"_s, u"A2"_s}});
    const qint64 due = inserisci(u"accensioniCAT"_s, {{u"codCAT"_s, 2}, {u"codMov"_s, 2}, {u"matricola"_s, u"B1"_s}});
    inserisci(u"accensioniDoppie"_s,
              {{u"codCAT"_s, 2}, {u"codMov"_s, 2}, {u"riferimentoAccensione"_s, uno}, {u"matricola"_s, u"A1"_s}});
    inserisci(u"accensioniDoppie"_s,
              {{u"codCAT"_s, 1}, {u"codMov"_s, 1}, {u"riferimentoAccensione"_s, due}, {u"matricola"_s, u"B1"_s}});
}

QStringList righe(frmStoricoImportazioniCAT& w)
{
    QStringList r;
    const QAbstractItemModel* m = w.controlli().griglia->model();
    for (int i = 0; i < m->rowCount(); ++i)
        r << m->index(i, 0).data().toString() + u' ' + m->index(i, 1).data().toString();
    return r;
}

QString conta(const QString& sql)
{
    return connessione.apriAvanti(sql).campo(0).toString();
}

void scegli(frmStoricoImportazioniCAT& w, int idMov)
{
    Griglia* g = w.controlli().griglia;
    g->recordset().cerca(u"idMov"_s, idMov);
    g->sincronizza();
}
} // namespace

class TestStorico : public QObject {
    Q_OBJECT
private slots:
    // The newest day first, with its centre.
    void elenco()
    {
        DatabaseTest db;
        fixture();
        auto& w = istanza<frmStoricoImportazioniCAT>();
        QCOMPARE(righe(w), QStringList({u"09/03/2005 ALFA"_s, u"01/03/2005 BETA"_s, u"01/03/2005 ALFA"_s}));
    }

    // Deleting a run removes its rows and its duplicates, and nothing else.
    void eliminazione()
    {
        DatabaseTest db;
        fixture();
        auto& w = istanza<frmStoricoImportazioniCAT>();
        scegli(w, 1);
        seamMessaggi::rispondi(Risposta::No);
        w.controlli().cmdElimina->click();
        QCOMPARE(conta(u"SELECT count(*) FROM accensioniCAT"_s), u"3"_s);

        seamMessaggi::rispondi(Risposta::Si);
        w.controlli().cmdElimina->click();
        QCOMPARE(seamMessaggi::testi(), QStringList(2, u"confermi l'eliminazione del movimento in data:01/03/2005?"_s));
        QCOMPARE(seamMessaggi::mostrati()[1].stile, stile::siNo | stile::domanda | stile::secondoPredefinito);
        QCOMPARE(conta(u"SELECT group_concat(matricola) FROM accensioniCAT"_s), u"B1"_s);
        QCOMPARE(conta(u"SELECT group_concat(codMov) FROM accensioniDoppie"_s), u"2"_s);
        QCOMPARE(conta(u"SELECT group_concat(idMov) FROM movImportazioniCAT"_s), u"2,3"_s);
        QCOMPARE(conta(u"SELECT count(*) FROM CAT"_s), u"2"_s);
        QCOMPARE(righe(w), QStringList({u"09/03/2005 ALFA"_s, u"01/03/2005 BETA"_s}));

        // Run 2's duplicate points into the deleted run: it stays, but its grid leaves it out.
        auto& importa = istanza<frmImportaAccensioniCAT>();
        importa.aggiornaMatricoleDoppie(2);
        QCOMPARE(importa.controlli().grigliaDoppia->model()->rowCount(), 0);
    }

    // A failing statement leaves the run whole.
    void eliminazioneTuttaONiente()
    {
        DatabaseTest db;
        fixture();
        connessione.esegui(u"CREATE TRIGGER blocca BEFORE DELETE ON movImportazioniCAT BEGIN "
                           "SELECT RAISE(ABORT, 'bloccato'); END"_s);
        auto& w = istanza<frmStoricoImportazioniCAT>();
        scegli(w, 1);
        seamMessaggi::rispondi(Risposta::Si);
        w.controlli().cmdElimina->click();
        QVERIFY(seamMessaggi::testi().last().contains(u"bloccato"_s));
        QCOMPARE(conta(u"SELECT count(*) FROM accensioniCAT WHERE codMov = 1"_s), u"2"_s);
        QCOMPARE(conta(u"SELECT count(*) FROM accensioniDoppie WHERE codMov = 1"_s), u"1"_s);
    }

    void listaVuota()
    {
        DatabaseTest db;
        auto& w = istanza<frmStoricoImportazioniCAT>();
        w.controlli().cmdSeleziona->click();
        w.controlli().cmdElimina->click();
        QCOMPARE(seamMessaggi::testi(), QStringList(2, u"Nessun elemento selezionato in elenco"_s));
        QCOMPARE(seamMessaggi::mostrati()[0].stile, stile::esclamazione);
    }

    // Runs of a centre deleted from the register are no longer listed.
    void centroEliminato()
    {
        DatabaseTest db;
        fixture();
        connessione.esegui(u"DELETE FROM CAT WHERE idCAT = 1"_s);
        QCOMPARE(righe(istanza<frmStoricoImportazioniCAT>()), QStringList{u"01/03/2005 BETA"_s});
    }

    // "Seleziona" reopens the run in the import window, for review.
    void riapertura()
    {
        DatabaseTest db;
        fixture();
        auto& w = istanza<frmStoricoImportazioniCAT>();
        scegli(w, 2);
        bool revisione = false;
        int righeDoppie = -1;
        seamModale::accoda([&](QWidget*) {
            auto& c = istanza<frmImportaAccensioniCAT>().controlli();
            revisione = !c.cmdImporta->isEnabled() && c.cmbCAT->currentText() == u"BETA"_s;
            righeDoppie = c.grigliaDoppia->model()->rowCount();
        });
        w.controlli().cmdSeleziona->click();
        QCOMPARE(seamModale::mostrate(), QStringList{u"Importazione prime Accensioni da CAT"_s});
        QVERIFY(revisione);
        QCOMPARE(righeDoppie, 1);
    }
};

CORVEXT_TEST_MAIN(TestStorico)
#include "test_storico.moc"
