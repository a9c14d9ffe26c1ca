#include "ambiente_test.h"
#include "common/stato.h"
#include "platform/db/connessione.h"
#include "platform/ui/messaggi.h"
#include "shell/autenticazione.h"
#include "shell/cambio_password.h"
#include "shell/mdi_principale.h"
#include <QLineEdit>
#include <QPushButton>

class TestAutenticazione : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        nomeOperatore.clear();
        codiceOperatore = 0;
    }

    void accesso_data()
    {
        QTest::addColumn<QString>("utente");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("messaggio");
        QTest::addColumn<QString>("operatore");
        QTest::newRow("small letters log in capitals") << "mario" << "segreta" << "" << "MARIO";
        QTest::newRow("wrong password") << "MARIO" << "altra" << "Attenzione! Utente non identificato" << "";
        QTest::newRow("both empty") << "" << "" << "Attenzione! Parametri inseriti non corretti." << "";
        QTest::newRow("empty name with password") << "" << "segreta" << "Attenzione! Utente non identificato" << "";
        QTest::newRow("name with empty password") << "vuoto" << "" << "" << "VUOTO";
        QTest::newRow("apostrophe cannot break the statement") << "d'amico" << "l'x" << "" << "D'AMICO";
        QTest::newRow("injection attempt") << "x' OR '1'='1" << "x' OR '1'='1" << "Attenzione! Utente non identificato"
                                           << "";
        // A character above U+FFFF once reached the statement as an apostrophe.
        QTest::newRow("emoji before the injection") << "😧 OR 1=1--" << "x" << "Attenzione! Utente non identificato"
                                                    << "";
        QTest::newRow("emoji in a name") << "mario🔥" << "segreta" << "" << "MARIO🔥";
    }
    void accesso()
    {
        QFETCH(QString, utente);
        QFETCH(QString, password);
        QFETCH(QString, messaggio);
        QFETCH(QString, operatore);
        DatabaseTest db;
        connessione.esegui("INSERT INTO operatori (opUser, opPassword, opTipo) VALUES ('MARIO', 'SEGRETA', 'OPERATORE')");
        connessione.esegui("INSERT INTO operatori (opUser, opPassword, opTipo) VALUES ('VUOTO', '', 'OPERATORE')");
        connessione.esegui("INSERT INTO operatori (opUser, opPassword, opTipo) VALUES ('D''AMICO', 'L''X', 'AMMINISTRATORE')");
        connessione.esegui("INSERT INTO operatori (opUser, opPassword, opTipo) VALUES ('MARIO🔥', 'SEGRETA', 'OPERATORE')");
        auto& c = istanza<schAutenticazione>().controlli();
        c.txtOperatore->setText(utente);
        c.txtPassword->setText(password);
        c.cmdConferma->click();
        QCOMPARE(seamMessaggi::testi(), messaggio.isEmpty() ? QStringList() : QStringList{messaggio});
        QCOMPARE(nomeOperatore, operatore);
        // success closes the window; a refusal keeps the name and clears the password
        QCOMPARE(istanza<schAutenticazione>().caricata(), operatore.isEmpty());
        if (operatore.isEmpty()) {
            QCOMPARE(c.txtOperatore->text(), utente);
            QVERIFY(c.txtPassword->text().isEmpty());
        } else {
            QVERIFY(codiceOperatore > 0);
            QCOMPARE(istanza<MDIprincipale>().mnuOperatori()->isVisible(), operatore == "D'AMICO");
        }
    }

    void annullaRegistraNessuno()
    {
        DatabaseTest db;
        codiceOperatore = 5;
        nomeOperatore = "X";
        istanza<schAutenticazione>().controlli().cmdAnnulla->click();
        QCOMPARE(nomeOperatore, QString());
        QCOMPARE(codiceOperatore, -1L);
        QVERIFY(!istanza<schAutenticazione>().caricata());
    }

    void invioConfermaEscAnnulla()
    {
        DatabaseTest db;
        auto& l = istanza<schAutenticazione>();
        l.forma()->show();
        QTest::keyClicks(l.controlli().txtOperatore, "admin");
        QTest::keyClicks(l.controlli().txtPassword, "admin");
        QTest::keyClick(l.controlli().txtPassword, Qt::Key_Return);
        QCOMPARE(nomeOperatore, QString("ADMIN"));
        QVERIFY(!l.caricata());
        l.forma()->show();
        QTest::keyClick(l.controlli().txtOperatore, Qt::Key_Escape);
        QCOMPARE(codiceOperatore, -1L);
        QVERIFY(!l.caricata());
    }

    void echoConAsterischi()
    {
        DatabaseTest db;
        auto& c = istanza<schAutenticazione>().controlli();
        QCOMPARE(c.txtPassword->echoMode(), QLineEdit::Password);
        QVERIFY(c.txtPassword->styleSheet().contains("lineedit-password-character: 42"));
    }

    void databaseGuastoTieneApertaLaFinestra()
    {
        DatabaseTest db;
        connessione.esegui("DROP TABLE operatori");
        auto& c = istanza<schAutenticazione>().controlli();
        c.txtOperatore->setText("admin");
        c.txtPassword->setText("admin");
        c.cmdConferma->click();
        QCOMPARE(seamMessaggi::mostrati().size(), 1);
        QVERIFY(seamMessaggi::mostrati().first().testo.contains("no such table"));
        QVERIFY(istanza<schAutenticazione>().caricata());
        QVERIFY(nomeOperatore.isEmpty());
    }

    void cambioPassword_data()
    {
        QTest::addColumn<QString>("vecchia");
        QTest::addColumn<QString>("nuova1");
        QTest::addColumn<QString>("nuova2");
        QTest::addColumn<QString>("messaggio");
        QTest::addColumn<QString>("salvata");
        QTest::newRow("changed, stored in capitals") << "admin" << "nuova" << "nuova" << "" << "NUOVA";
        QTest::newRow("old password wrong") << "altra" << "nuova" << "nuova" << "La vecchia password non corrisponde"
                                            << "ADMIN";
        QTest::newRow("new ones differ in case") << "ADMIN" << "Nuova" << "nuova"
                                                 << "ATTENZIONE ! Le nuove password che hai digitato non corrispondono !"
                                                 << "ADMIN";
        QTest::newRow("empty new password accepted") << "admin" << "" << "" << "" << "";
        QTest::newRow("apostrophe") << "admin" << "l'a" << "l'a" << "" << "L'A";
        QTest::newRow("emoji") << "admin" << "x😧🔥" << "x😧🔥" << "" << "X😧🔥";
    }
    void cambioPassword()
    {
        QFETCH(QString, vecchia);
        QFETCH(QString, nuova1);
        QFETCH(QString, nuova2);
        QFETCH(QString, messaggio);
        QFETCH(QString, salvata);
        DatabaseTest db;
        codiceOperatore = connessione.apriStatico("SELECT idOperatore FROM operatori")["idOperatore"].toInt();
        auto& c = istanza<frmCambioPassword>().controlli();
        c.txtOldPwd->setText(vecchia);
        c.txtPwd1->setText(nuova1);
        c.txtPwd2->setText(nuova2);
        c.cmdOk->click();
        QCOMPARE(seamMessaggi::testi(), messaggio.isEmpty() ? QStringList() : QStringList{messaggio});
        QCOMPARE(connessione.apriStatico("SELECT opPassword FROM operatori")["opPassword"].toString(), salvata);
        QCOMPARE(istanza<frmCambioPassword>().caricata(), !messaggio.isEmpty());
        if (!messaggio.isEmpty()) // all three boxes keep what was typed
            QCOMPARE(QStringList({c.txtOldPwd->text(), c.txtPwd1->text(), c.txtPwd2->text()}),
                     QStringList({vecchia, nuova1, nuova2}));
    }

    // An operator's new password cannot reach the other operators' rows.
    void cambioPasswordNonToccaGliAltri()
    {
        DatabaseTest db;
        connessione.esegui("INSERT INTO operatori (opUser, opPassword, opTipo) VALUES ('MARIO', 'M', 'OPERATORE')");
        codiceOperatore = connessione.apriStatico("SELECT idOperatore FROM operatori WHERE opUser = 'MARIO'")[
            "idOperatore"].toInt();
        const QString nuova = "x😧,opTipo='AMMINISTRATORE',opPassword='x'--";
        auto& c = istanza<frmCambioPassword>().controlli();
        c.txtOldPwd->setText("m");
        c.txtPwd1->setText(nuova);
        c.txtPwd2->setText(nuova);
        c.cmdOk->click();
        QVERIFY(seamMessaggi::testi().isEmpty());
        Recordset rs = connessione.apriStatico("SELECT opUser || ' ' || opPassword || ' ' || opTipo AS r FROM operatori "
                                               "ORDER BY idOperatore");
        QStringList righe;
        for (; !rs.eof(); rs.moveNext())
            righe << rs["r"].toString();
        QCOMPARE(righe, QStringList({"ADMIN ADMIN AMMINISTRATORE",
                                     "MARIO X😧,OPTIPO='AMMINISTRATORE',OPPASSWORD='X'-- OPERATORE"}));
    }

    void nuovaPasswordAlProssimoAccesso()
    {
        DatabaseTest db;
        codiceOperatore = connessione.apriStatico("SELECT idOperatore FROM operatori")["idOperatore"].toInt();
        auto& p = istanza<frmCambioPassword>().controlli();
        p.txtOldPwd->setText("admin");
        p.txtPwd1->setText("rossa");
        p.txtPwd2->setText("rossa");
        p.cmdOk->click();
        // closing discards the controls: the window opens with empty boxes next time
        QVERIFY(istanza<frmCambioPassword>().controlli().txtOldPwd->text().isEmpty());
        auto& c = istanza<schAutenticazione>().controlli();
        c.txtOperatore->setText("admin");
        c.txtPassword->setText("rossa");
        c.cmdConferma->click();
        QCOMPARE(nomeOperatore, QString("ADMIN"));
    }
};

CORVEXT_TEST_MAIN(TestAutenticazione)
#include "test_autenticazione.moc"
