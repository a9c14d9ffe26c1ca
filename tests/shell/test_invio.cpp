#include "ambiente_test.h"
#include "shell/autenticazione.h"
#include "shell/cambio_password.h"
#include "platform/ui/combo_dati.h"
#include "platform/db/connessione.h"
#include "platform/ui/messaggi.h"
#include "registers/operatori/sch_operatori.h"
#include "registers/staff/scheda_tec_zona.h"
#include "common/stato.h"
#include "registers/lookup/zone.h"
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
// One window as the operator leaves it before pressing Enter, and what Enter made of it.
struct Prova {
    std::function<Finestra&()> finestra;
    std::function<void()> apri; // builds the window and types into it
    std::function<QString()> esito;
    QString predefinito; // the caption of the window's default button, if it has one
};

// The first field of each row of a statement.
QString righe(const QString& sql)
{
    QStringList r;
    for (Recordset rs = connessione.apriAvanti(sql); !rs.eof(); rs.moveNext())
        r << rs.campo(0).toString();
    return r.join(u", "_s);
}

void scrivi(Finestra& f, const QString& casella, const QString& testo)
{
    f.forma()->findChild<QLineEdit*>(casella)->setText(testo);
}

// The zone card, filled in by compila; its rows and bConferma.
Prova schedaZona(void (*compila)(schZona&))
{
    return {[]() -> Finestra& { return istanza<schZona>(); }, [compila] { compila(istanza<schZona>()); },
            [] {
                return righe(u"SELECT sigla_zona || ' ' || desc_zona FROM zone ORDER BY idZona"_s) + u" | bConferma "_s
                       + QString::number(istanza<schZona>().bConferma);
            },
            u"&OK"_s};
}

Prova prova(const QString& nome)
{
    if (nome == u"scheda nuova"_s)
        return schedaZona([](schZona& s) {
            s.nModalità = 0;
            scrivi(s, u"txtSigla"_s, u"N"_s);
            scrivi(s, u"txtDescrizione"_s, u"NORD"_s);
        });
    if (nome == u"scheda in modifica"_s)
        return schedaZona([](schZona& s) {
            connessione.esegui(u"INSERT INTO zone (sigla_zona, desc_zona) VALUES ('V', 'VECCHIA')"_s);
            s.carica();
            s.nID = long(connessione.ultimoId());
            s.nModalità = 1;
            QVERIFY(s.predisponi());
            scrivi(s, u"txtDescrizione"_s, u"NUOVA"_s);
        });
    if (nome == u"scheda operatore"_s)
        return {[]() -> Finestra& { return istanza<schOperatori>(); },
                [] {
                    codiceOperatore = 1; // ADMIN
                    auto& s = istanza<schOperatori>();
                    s.nModalità = 0;
                    scrivi(s, u"txtSigla"_s, u"ROSSI"_s);
                    scrivi(s, u"txtNome"_s, u"PW"_s);
                    s.forma()->findChild<QComboBox*>(u"cmbTipoOp"_s)->setCurrentText(u"OPERATORE"_s);
                },
                [] {
                    return righe(u"SELECT opUser FROM operatori ORDER BY idOperatore"_s) + u" | bConferma "_s
                           + QString::number(istanza<schOperatori>().bConferma);
                },
                u"&OK"_s};
    if (nome == u"autenticazione"_s)
        return {[]() -> Finestra& { return istanza<schAutenticazione>(); },
                [] {
                    nomeOperatore.clear();
                    codiceOperatore = 0;
                    auto& c = istanza<schAutenticazione>().controlli();
                    c.txtOperatore->setText(u"admin"_s);
                    c.txtPassword->setText(u"admin"_s);
                },
                [] { return u"operatore "_s + nomeOperatore; },
                u"Conferma"_s};
    if (nome == u"cambio password"_s)
        return {[]() -> Finestra& { return istanza<frmCambioPassword>(); },
                [] {
                    codiceOperatore = connessione.apriAvanti(u"SELECT idOperatore FROM operatori"_s).campo(0).toInt();
                    auto& c = istanza<frmCambioPassword>().controlli();
                    c.txtOldPwd->setText(u"admin"_s);
                    c.txtPwd1->setText(u"nuova"_s);
                    c.txtPwd2->setText(u"nuova"_s);
                },
                [] { return u"password "_s + righe(u"SELECT opPassword FROM operatori"_s); },
                {}};
    if (nome == u"tecnico per zona"_s)
        return {[]() -> Finestra& { return istanza<schTecZona>(); },
                [] {
                    // Rossi has Nord; Sud is chosen and Nord selected in his list.
                    connessione.esegui(u"INSERT INTO tecnici (sigla_tecnico, tecnico, eliminato) VALUES "
                                       u"('R1', 'ROSSI', 0)"_s);
                    connessione.esegui(u"INSERT INTO zone (sigla_zona, desc_zona, eliminato) VALUES "
                                       u"('N', 'NORD', 0), ('S', 'SUD', 0)"_s);
                    connessione.esegui(u"INSERT INTO tecnici_per_zona (codZona, codTecnico, eliminato) VALUES "
                                       u"(1, 1, 0)"_s);
                    QWidget* f = istanza<schTecZona>().forma();
                    f->findChild<ComboDati*>(u"cmbZona"_s)->impostaValoreLegato(2);
                    auto* l = f->findChild<QListWidget*>(u"lstZone"_s);
                    l->setCurrentItem(l->item(0));
                },
                [] {
                    QString e = u"zone "_s
                                + righe(u"SELECT sigla_zona FROM tecnici_per_zona INNER JOIN zone ON codZona = idZona "
                                        u"WHERE tecnici_per_zona.eliminato = 0 ORDER BY sigla_zona"_s);
                    auto& s = istanza<schTecZona>();
                    if (s.caricata())
                        e += u" | scelta "_s + s.forma()->findChild<ComboDati*>(u"cmbZona"_s)->currentText();
                    return e;
                },
                {}};
    if (nome == u"elenco"_s)
        return {[]() -> Finestra& { return istanza<frmZone>(); },
                [] { scrivi(istanza<frmZone>(), u"txtNome"_s, u"N"_s); },
                [] {
                    auto& l = istanza<frmZone>();
                    return l.caricata() ? u"ricerca "_s + l.forma()->findChild<QLineEdit*>(u"txtNome"_s)->text()
                                        : QString();
                },
                {}};
    qFatal("no window %s", qPrintable(nome));
}

// A control by its name, by its caption (buttons) or by the caption of its label.
QWidget* controllo(QWidget* forma, const QString& nome)
{
    if (auto* w = forma->findChild<QWidget*>(nome))
        return w;
    for (auto* p : forma->findChildren<QPushButton*>())
        if (p->text() == nome)
            return p;
    for (auto* l : forma->findChildren<QLabel*>())
        if (l->text() == nome)
            return l->buddy();
    return nullptr;
}
} // namespace

// Enter presses the focused button; on any other control the window's default button, if any.
class TestInvio : public QObject {
    Q_OBJECT
private slots:
    void invio_data()
    {
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("tastierino");
        QTest::addColumn<QString>("esito");
        QTest::addColumn<bool>("aperta");

        const QString zonaScritta = u"N NORD | bConferma 1"_s;
        QTest::newRow("new card, OK") << "scheda nuova" << "&OK" << false << zonaScritta << false;
        QTest::newRow("new card, keypad on OK") << "scheda nuova" << "&OK" << true << zonaScritta << false;
        QTest::newRow("new card, Annulla writes nothing") << "scheda nuova" << "&Annulla" << false << " | bConferma 0"
                                                          << false;
        QTest::newRow("new card, keypad on Annulla") << "scheda nuova" << "&Annulla" << true << " | bConferma 0"
                                                     << false;
        QTest::newRow("new card, in a box") << "scheda nuova" << "Sigla Zona" << false << zonaScritta << false;
        QTest::newRow("new card, keypad in a box") << "scheda nuova" << "Descrizione Zona" << true << zonaScritta
                                                   << false;

        QTest::newRow("edit card, OK") << "scheda in modifica" << "&OK" << false << "V NUOVA | bConferma 1" << false;
        QTest::newRow("edit card, Annulla stores nothing") << "scheda in modifica" << "&Annulla" << false
                                                           << "V VECCHIA | bConferma 0" << false;
        QTest::newRow("edit card, in a box") << "scheda in modifica" << "Descrizione Zona" << false
                                             << "V NUOVA | bConferma 1" << false;

        const QString operatoreScritto = u"ADMIN, ROSSI | bConferma 1"_s;
        QTest::newRow("operator card, OK") << "scheda operatore" << "&OK" << false << operatoreScritto << false;
        QTest::newRow("operator card, Annulla") << "scheda operatore" << "&Annulla" << false << "ADMIN | bConferma 0"
                                                << false;
        QTest::newRow("operator card, in a box") << "scheda operatore" << "Password" << false << operatoreScritto
                                                 << false;
        QTest::newRow("operator card, in the type list") << "scheda operatore" << "cmbTipoOp" << false
                                                         << operatoreScritto << false;

        QTest::newRow("login, Conferma") << "autenticazione" << "Conferma" << false << "operatore ADMIN" << false;
        QTest::newRow("login, Annulla logs nobody in") << "autenticazione" << "&Annulla" << false << "operatore "
                                                       << false;
        QTest::newRow("login, keypad on Annulla") << "autenticazione" << "&Annulla" << true << "operatore " << false;
        QTest::newRow("login, in the name") << "autenticazione" << "OPERATORE" << false << "operatore ADMIN" << false;
        QTest::newRow("login, in the password") << "autenticazione" << "PASSWORD" << true << "operatore ADMIN"
                                                << false;

        QTest::newRow("password, CONFERMA") << "cambio password" << "CONFERMA" << false << "password NUOVA" << false;
        QTest::newRow("password, ANNULLA") << "cambio password" << "ANNULLA" << false << "password ADMIN" << false;
        for (const char* casella : {"Digita la vecchia password", "Digita la nuova password",
                                    "Digita nuovamente la nuova password"})
            QTest::addRow("password, nothing in '%s'", casella)
                << "cambio password" << casella << false << "password ADMIN" << true;
        QTest::newRow("password, keypad in a box") << "cambio password" << "Digita la nuova password" << true
                                                   << "password ADMIN" << true;

        QTest::newRow("technician zones, Aggiungi") << "tecnico per zona" << "&Aggiungi" << false
                                                    << "zone N, S | scelta " << true;
        QTest::newRow("technician zones, Rimuovi") << "tecnico per zona" << "&Rimuovi" << false
                                                   << "zone  | scelta " << true;
        QTest::newRow("technician zones, reset zone") << "tecnico per zona" << "R&Z" << false
                                                      << "zone N | scelta " << true;
        QTest::newRow("technician zones, Chiudi") << "tecnico per zona" << "&Chiudi" << false << "zone N" << false;
        QTest::newRow("technician zones, nothing in a list") << "tecnico per zona" << "Zona" << false
                                                             << "zone N | scelta S - SUD" << true;

        QTest::newRow("list, R") << "elenco" << "&R" << false << "ricerca " << true;
        QTest::newRow("list, nothing in the search box") << "elenco" << "Nome Zona" << false << "ricerca N" << true;
    }
    void invio()
    {
        QFETCH(QString, finestra);
        QFETCH(QString, focus);
        QFETCH(bool, tastierino);
        QFETCH(QString, esito);
        QFETCH(bool, aperta);
        DatabaseTest db;
        const Prova p = prova(finestra);
        p.apri();
        QWidget* f = p.finestra().forma();
        f->show();
        QVERIFY(QTest::qWaitForWindowActive(f));
        QWidget* w = controllo(f, focus);
        QVERIFY(w);
        w->setFocus();
        QCOMPARE(f->focusWidget(), w->focusProxy() ? w->focusProxy() : w);
        // Only the declared default is drawn as one, wherever the focus is.
        QStringList predefiniti;
        for (auto* b : f->findChildren<QPushButton*>())
            if (b->isDefault())
                predefiniti << b->text();
        QCOMPARE(predefiniti, p.predefinito.isEmpty() ? QStringList() : QStringList{p.predefinito});
        if (tastierino)
            QTest::keyClick(f->focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
        else
            QTest::keyClick(f->focusWidget(), Qt::Key_Return);
        QCOMPARE(seamMessaggi::testi(), QStringList());
        QCOMPARE(p.esito(), esito);
        QCOMPARE(p.finestra().caricata(), aperta);
    }
};

CORVEXT_TEST_MAIN(TestInvio)
#include "test_invio.moc"
