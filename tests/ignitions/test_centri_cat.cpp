#include "ambiente_test.h"
#include "fixture_accensioni.h"
#include "ignitions/centri_cat.h"
#include "platform/db/connessione.h"
#include "platform/ui/griglia.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
QStringList righe(frmElencoCAT& l)
{
    QStringList r;
    const QAbstractItemModel* m = l.forma()->findChild<Griglia*>(u"griglia"_s)->model();
    for (int i = 0; i < m->rowCount(); ++i)
        r << m->index(i, 0).data().toString() + u'|' + m->index(i, 3).data().toString();
    return r;
}
} // namespace

// What the centres' register does beyond the template: every centre listed, the S/N column,
// real deletion, its own texts.
class TestCentriCat : public QObject {
    Q_OBJECT
private slots:
    void elencoEEliminazione()
    {
        DatabaseTest db;
        inserisci(u"CAT"_s, {{u"nomeCAT"_s, u"BETA"_s}, {u"ufficiale"_s, 0}});
        inserisci(u"CAT"_s, {{u"nomeCAT"_s, u"ALFA"_s}, {u"ufficiale"_s, 1}});
        inserisci(u"movImportazioniCAT"_s, {{u"idMov"_s, 1}, {u"codCAT"_s, 2}});
        auto& l = istanza<frmElencoCAT>();
        QCOMPARE(righe(l), QStringList({u"ALFA|S"_s, u"BETA|N"_s}));
        QCOMPARE(l.forma()->windowTitle(), u"Elenco CAT"_s);
        QAction* elimina = l.forma()->findChild<QAction*>(u"elimina"_s);

        // A centre with import runs stays, and the operator is told why.
        seamMessaggi::rispondi(Risposta::Si);
        elimina->trigger();
        QCOMPARE(seamMessaggi::testi(),
                 QStringList{u"Il CAT ha almeno un'importazione di prime accensioni: non e' possibile eliminarlo."_s});
        QCOMPARE(seamMessaggi::mostrati()[0].stile, stile::informazione);
        QCOMPARE(righe(l).size(), 2);

        seamMessaggi::azzera();
        Griglia* g = l.forma()->findChild<Griglia*>(u"griglia"_s);
        g->recordset().cerca(u"nomeCAT"_s, u"BETA"_s);
        g->sincronizza();
        seamMessaggi::rispondi(Risposta::Si);
        elimina->trigger();
        QCOMPARE(seamMessaggi::testi(), QStringList{u"ELiminare il CAT:BETA?"_s});
        QCOMPARE(seamMessaggi::mostrati()[0].stile, stile::siNo | stile::domanda | stile::secondoPredefinito);
        QCOMPARE(righe(l), QStringList{u"ALFA|S"_s});
        QCOMPARE(connessione.apriAvanti(u"SELECT count(*) FROM movImportazioniCAT"_s).campo(0).toInt(), 1);

        connessione.esegui(u"DELETE FROM CAT"_s);
        l.aggiornaGriglia();
        seamMessaggi::azzera();
        elimina->trigger();
        QCOMPARE(seamMessaggi::testi(), QStringList{u"Selezionare il CAT da eliminare"_s});
    }

    // A new centre: the name is required; texts go in capitals, the tick as 1.
    void scheda()
    {
        DatabaseTest db;
        auto& l = istanza<frmElencoCAT>();
        seamModale::accoda([](QWidget* f) {
            f->findChild<QPushButton*>(u"cmdOk"_s)->click();
            QCOMPARE(seamMessaggi::testi(), QStringList{u"Inserire il nome del CAT!"_s});
            QCOMPARE(seamMessaggi::mostrati()[0].stile, stile::soloOK);
            f->findChild<QLineEdit*>(u"txtNomeCAT"_s)->setText(u"d'angelo"_s);
            f->findChild<QPlainTextEdit*>(u"txtNoteCAT"_s)->setPlainText(u"note\nseconda riga"_s);
            f->findChild<QCheckBox*>(u"chkUfficiale"_s)->setChecked(true);
            f->findChild<QPushButton*>(u"cmdOk"_s)->click();
        });
        l.forma()->findChild<QAction*>(u"nuovo"_s)->trigger();
        QCOMPARE(seamModale::mostrate(), QStringList{u"Scheda CAT"_s});
        QCOMPARE(righe(l), QStringList{u"D'ANGELO|S"_s});
        QCOMPARE(connessione.apriAvanti(u"SELECT noteCAT || cittaCAT FROM CAT"_s).campo(0).toString(), u"NOTE\nSECONDA RIGA"_s);
        l.forma()->findChild<QLineEdit*>(u"txtNome"_s)->setText(u"d'a"_s);
        QCOMPARE(righe(l), QStringList{u"D'ANGELO|S"_s});
    }
};

CORVEXT_TEST_MAIN(TestCentriCat)
#include "test_centri_cat.moc"
