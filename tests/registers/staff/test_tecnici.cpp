#include "ambiente_test.h"
#include "platform/db/connessione.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include "registers/staff/ferie.h"
#include "registers/staff/scheda_tec_zona.h"
#include "registers/staff/tecnici.h"
#include "supporto_finestre.h"
#include <QCheckBox>

using namespace Qt::StringLiterals;

// Technicians: enabled and disabled, and who offers which.
class TestTecnici : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        db = std::make_unique<DatabaseTest>();
        // 1 MARIO (enabled), 2 MASSIMO (disabled), 3 BRUNO (enabled).
        connessione.esegui(u"INSERT INTO tecnici (sigla_tecnico,tecnico,eliminato) VALUES "
                           u"('T1','MARIO',0),('T2','MASSIMO',1),('T3','BRUNO',0)"_s);
    }
    void cleanup() { db.reset(); }

    void abilitazione_data()
    {
        QTest::addColumn<int>("modalita");
        QTest::addColumn<bool>("spunta");
        QTest::addColumn<int>("tecnico"); // 0: a new one
        QTest::addColumn<int>("flagDopo");
        QTest::newRow("new, unticked") << 0 << false << 0 << 0;
        QTest::newRow("new, ticked") << 0 << true << 0 << 1;
        QTest::newRow("enabled, ticked") << 1 << true << 1 << 1;
        QTest::newRow("enabled, unticked") << 1 << false << 1 << 0;
        QTest::newRow("disabled, unticked") << 1 << false << 2 << 0;
        QTest::newRow("disabled, ticked") << 1 << true << 2 << 1;
    }
    void abilitazione()
    {
        QFETCH(int, modalita);
        QFETCH(bool, spunta);
        QFETCH(int, tecnico);
        QFETCH(int, flagDopo);
        schTecnico& s = istanza<schTecnico>();
        s.carica();
        s.nModalità = modalita;
        s.nID = tecnico;
        QVERIFY(s.predisponi());
        auto* box = s.forma()->findChild<QCheckBox*>(u"chkDisabilita"_s);
        // The box shows the stored state; a new technician starts enabled.
        QCOMPARE(box->isChecked(), tecnico == 2);
        seamModale::accoda([&](QWidget* f) {
            if (modalita == 0) {
                f->findChild<QLineEdit*>(u"txtSigla"_s)->setText(u"t9"_s);
                f->findChild<QLineEdit*>(u"txtNome"_s)->setText(u"nuovo"_s);
            }
            f->findChild<QCheckBox*>(u"chkDisabilita"_s)->setChecked(spunta);
            premi(f, u"cmdOk"_s);
        });
        s.mostraModale();
        QVERIFY(s.bConferma);
        const long chiave = modalita == 0 ? s.nNuovoID : tecnico;
        QCOMPARE(conta(u"SELECT eliminato FROM tecnici WHERE idTecn = "_s + QString::number(chiave)), flagDopo);
        QCOMPARE(conta(u"SELECT count(*) FROM tecnici"_s), modalita == 0 ? 4 : 3);
        if (modalita == 0)
            QCOMPARE(riga(u"SELECT sigla_tecnico, tecnico FROM tecnici WHERE idTecn = 4"_s),
                     (QStringList{u"T9"_s, u"NUOVO"_s}));
    }

    void eliminazioneDisabilita_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::newRow("enabled") << u"MARIO"_s;
        QTest::newRow("already disabled") << u"MASSIMO"_s;
    }
    void eliminazioneDisabilita()
    {
        QFETCH(QString, nome);
        frmTecnici& l = istanza<frmTecnici>();
        ricerca(l)->setText(nome);
        seamMessaggi::rispondi(Risposta::Si);
        l.cancella();
        QCOMPARE(unicoMessaggio(), u"Eliminare il tecnico:"_s + nome + u"?"_s);
        QCOMPARE(conta(u"SELECT eliminato FROM tecnici WHERE tecnico = '"_s + nome + u"'"_s), 1);
        QCOMPARE(colonna(l, 1), QStringList{nome});
        QCOMPARE(colonna(l, 2), QStringList{u"SI"_s});
    }

    void elenco()
    {
        frmTecnici& l = istanza<frmTecnici>();
        QCOMPARE(intestazioni(l), (QStringList{u"Sigla"_s, u"Nome Tecnico"_s, u"Disabilitato"_s}));
        QCOMPARE(colonna(l, 1), (QStringList{u"BRUNO"_s, u"MARIO"_s, u"MASSIMO"_s}));
        QCOMPARE(colonna(l, 2), (QStringList{u"NO"_s, u"NO"_s, u"SI"_s}));
        QTest::keyClicks(ricerca(l), u"ma"_s);
        QCOMPARE(colonna(l, 0), (QStringList{u"T1"_s, u"T2"_s}));
    }

    void soloAbilitatiPerIlNuovoLavoro()
    {
        QCOMPARE(vociCombo(istanza<schTecZona>().forma()->findChild<ComboDati*>(u"cmbTecnico"_s)),
                 (QStringList{u"T3 - BRUNO"_s, u"T1 - MARIO"_s}));
        QCOMPARE(vociCombo(istanza<schFerie>().forma()->findChild<ComboDati*>(u"cmbTecnico"_s)),
                 (QStringList{u"T1 MARIO"_s, u"T3 BRUNO"_s}));
    }

    void controllo_data()
    {
        QTest::addColumn<QString>("sigla");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("both empty") << QString() << QString() << u"Inserire il nome del tecnico"_s;
        QTest::newRow("name empty") << u"T9"_s << QString() << u"Inserire il nome del tecnico"_s;
        QTest::newRow("code empty") << QString() << u"NUOVO"_s << u"Inserire la sigla del tecnico"_s;
    }
    void controllo()
    {
        QFETCH(QString, sigla);
        QFETCH(QString, nome);
        QFETCH(QString, atteso);
        schTecnico& s = istanza<schTecnico>();
        s.nModalità = 0;
        seamModale::accoda([&](QWidget* f) {
            f->findChild<QLineEdit*>(u"txtSigla"_s)->setText(sigla);
            f->findChild<QLineEdit*>(u"txtNome"_s)->setText(nome);
            premi(f, u"cmdOk"_s);
            QVERIFY(f->isVisible());
        });
        s.mostraModale();
        QCOMPARE(unicoMessaggio(), atteso);
        QVERIFY(!s.bConferma);
        QCOMPARE(conta(u"SELECT count(*) FROM tecnici"_s), 3);
    }

private:
    std::unique_ptr<DatabaseTest> db;
};

CORVEXT_TEST_MAIN(TestTecnici)
#include "test_tecnici.moc"
