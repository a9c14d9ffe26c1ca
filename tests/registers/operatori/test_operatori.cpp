#include "altra_postazione.h"
#include "ambiente_test.h"
#include "common/stato.h"
#include "platform/db/connessione.h"
#include "platform/ui/griglia.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include "registers/operatori/frm_operatori.h"
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
const QString giaEsistente = u"ATTENZIONE ! Operatore già esistente"_s;
const QString nonCiSonoAmministratori = u"ATTENZIONE ! Non ci sono piu' operatori di tipo 'Amministratore'!"_s;

// The new database holds ADMIN (key 1), its only administrator.
long aggiungi(const QString& nome, const QString& tipo = u"OPERATORE"_s)
{
    connessione.esegui(u"INSERT INTO operatori (opUser, opPassword, opTipo) VALUES ('%1', 'PW', '%2')"_s.arg(
        QString(nome).replace(u'\'', u"''"_s), tipo));
    return long(connessione.ultimoId());
}

// The type as another program may have written it.
void impostaTipo(long chiave, const QString& tipo)
{
    connessione.esegui(u"UPDATE operatori SET opTipo = '%1' WHERE idOperatore = %2"_s.arg(tipo).arg(chiave));
}

QStringList operatori(const QString& condizione = u"1=1"_s)
{
    QStringList n;
    for (Recordset rs = connessione.apriAvanti(u"SELECT opUser, opTipo FROM operatori WHERE "_s + condizione
                                               + u" ORDER BY idOperatore"_s);
         !rs.eof(); rs.moveNext())
        n << rs.campo(0).toString() + u"/"_s + rs.campo(1).toString();
    return n;
}

QStringList elencati(frmOperatori& l)
{
    QStringList n;
    const QAbstractItemModel* m = l.forma()->findChild<Griglia*>(u"griglia"_s)->model();
    for (int i = 0; i < m->rowCount(); ++i)
        n << m->index(i, 0).data().toString();
    return n;
}

void cerca(frmOperatori& l, const QString& prefisso)
{
    QTest::keyClicks(l.forma()->findChild<QLineEdit*>(u"txtNome"_s), prefisso);
}

// Fills the card shown next (an empty type leaves the list without a choice) and presses OK.
void compila(const QString& nome, const QString& password, const QString& tipo, bool* restaAperta = nullptr)
{
    seamModale::accoda([=](QWidget* scheda) {
        scheda->findChild<QLineEdit*>(u"txtSigla"_s)->setText(nome);
        scheda->findChild<QLineEdit*>(u"txtNome"_s)->setText(password);
        auto* c = scheda->findChild<QComboBox*>(u"cmbTipoOp"_s);
        c->setCurrentIndex(c->findText(tipo));
        QTest::mouseClick(scheda->findChild<QPushButton*>(u"cmdOk"_s), Qt::LeftButton);
        if (restaAperta)
            *restaAperta = scheda->isVisible();
    });
}

void modifica(long chiave)
{
    auto& s = istanza<schOperatori>();
    s.carica();
    s.nID = chiave;
    s.nModalità = 1;
    QVERIFY(s.predisponi());
    s.mostraModale();
}
} // namespace

class TestOperatori : public QObject {
    Q_OBJECT
private slots:
    // ADMIN, the administrator of a new database, is logged in.
    void init() { codiceOperatore = 1; }

    void ricerca_data()
    {
        QTest::addColumn<QString>("prefisso");
        QTest::addColumn<QStringList>("attesi");
        QTest::newRow("none") << QString() << QStringList{u"AD%X"_s, u"ADELE"_s, u"ADMIN"_s, u"D'ANGELO"_s, u"MARIO"_s};
        QTest::newRow("small letters") << u"ad"_s << QStringList{u"AD%X"_s, u"ADELE"_s, u"ADMIN"_s};
        QTest::newRow("apostrophe") << u"d'"_s << QStringList{u"D'ANGELO"_s};
        QTest::newRow("percent") << u"AD%"_s << QStringList{u"AD%X"_s};
    }
    void ricerca()
    {
        QFETCH(QString, prefisso);
        QFETCH(QStringList, attesi);
        DatabaseTest db;
        for (const QString& n : {u"MARIO"_s, u"D'ANGELO"_s, u"ADELE"_s, u"AD%X"_s})
            aggiungi(n);
        auto& l = istanza<frmOperatori>();
        cerca(l, prefisso);
        QCOMPARE(elencati(l), attesi);
        QVERIFY(seamMessaggi::testi().isEmpty());
    }

    void controllo_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("all empty") << QString() << QString() << QString() << u"Selezionare il tipo di operatore!"_s;
        QTest::newRow("name and password empty")
            << QString() << QString() << u"OPERATORE"_s << u"Inserire la password !"_s;
        QTest::newRow("name empty") << QString() << u"pw"_s << u"OPERATORE"_s << u"Inserire il nome dell'operatore !"_s;
        QTest::newRow("type empty") << u"LUCA"_s << u"pw"_s << QString() << u"Selezionare il tipo di operatore!"_s;
    }
    void controllo()
    {
        QFETCH(QString, nome);
        QFETCH(QString, password);
        QFETCH(QString, tipo);
        QFETCH(QString, messaggio);
        DatabaseTest db;
        auto& s = istanza<schOperatori>();
        s.nModalità = 0;
        bool restaAperta = false;
        compila(nome, password, tipo, &restaAperta);
        s.mostraModale();
        QCOMPARE(seamMessaggi::testi(), QStringList{messaggio});
        QVERIFY(restaAperta);
        QCOMPARE(operatori().size(), 1);
    }

    void inserimento()
    {
        DatabaseTest db;
        auto& l = istanza<frmOperatori>();
        QStringList voci;
        bool modificabile = true;
        seamModale::accoda([&](QWidget* scheda) {
            auto* c = scheda->findChild<QComboBox*>(u"cmbTipoOp"_s);
            for (int i = 0; i < c->count(); ++i)
                voci << c->itemText(i);
            modificabile = c->isEditable();
        });
        compila(u"d'angelo"_s, u"segreta"_s, u"OPERATORE"_s);
        l.inserisci();
        QCOMPARE(voci, (QStringList{u"AMMINISTRATORE"_s, u"OPERATORE"_s}));
        QVERIFY(!modificabile);
        l.inserisci();
        QVERIFY(istanza<schOperatori>().bConferma);
        QCOMPARE(operatori(u"opPassword = 'SEGRETA'"_s), QStringList{u"D'ANGELO/OPERATORE"_s});
        QCOMPARE(elencati(l), (QStringList{u"ADMIN"_s, u"D'ANGELO"_s}));
    }

    void nomeGiaUsato_data()
    {
        QTest::addColumn<bool>("nuovo");
        QTest::newRow("new operator") << true;
        QTest::newRow("renamed operator") << false;
    }
    void nomeGiaUsato()
    {
        QFETCH(bool, nuovo);
        DatabaseTest db;
        const long mario = aggiungi(u"MARIO"_s);
        const QStringList prima = operatori();
        bool restaAperta = false;
        compila(u"Admin"_s, u"pw"_s, u"OPERATORE"_s, &restaAperta);
        if (nuovo) {
            istanza<schOperatori>().nModalità = 0;
            istanza<schOperatori>().mostraModale();
        } else {
            modifica(mario);
        }
        QCOMPARE(seamMessaggi::testi(), QStringList{giaEsistente});
        QVERIFY(restaAperta);
        QVERIFY(!istanza<schOperatori>().bConferma);
        QCOMPARE(operatori(), prima);
    }

    void proprioNomeNonEDoppio_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::newRow("same name") << u"LUCA"_s;
        QTest::newRow("own name in small letters") << u"luca"_s;
    }
    void proprioNomeNonEDoppio()
    {
        QFETCH(QString, nome);
        DatabaseTest db;
        const long luca = aggiungi(u"LUCA"_s);
        compila(nome, u"nuova"_s, u"OPERATORE"_s);
        modifica(luca);
        QVERIFY(seamMessaggi::testi().isEmpty());
        QVERIFY(istanza<schOperatori>().bConferma);
        QCOMPARE(operatori(u"opPassword = 'NUOVA'"_s), QStringList{u"LUCA/OPERATORE"_s});
    }

    void ultimoAmministratore_data()
    {
        QTest::addColumn<QString>("tipoAdmin"); // ADMIN's type as stored
        QTest::addColumn<bool>("secondoAmministratore");
        QTest::addColumn<QStringList>("messaggi");
        QTest::addColumn<QString>("tipoDopo");
        const QString admin = u"AMMINISTRATORE"_s;
        QTest::newRow("only administrator") << admin << false << QStringList{nonCiSonoAmministratori} << admin;
        QTest::newRow("only administrator, type in other letters")
            << u"Amministratore"_s << false << QStringList{nonCiSonoAmministratori} << u"Amministratore"_s;
        QTest::newRow("one of two") << admin << true << QStringList() << u"OPERATORE"_s;
    }
    void ultimoAmministratore()
    {
        QFETCH(QString, tipoAdmin);
        QFETCH(bool, secondoAmministratore);
        QFETCH(QStringList, messaggi);
        QFETCH(QString, tipoDopo);
        DatabaseTest db;
        impostaTipo(1, tipoAdmin);
        if (secondoAmministratore)
            aggiungi(u"CAPO"_s, u"AMMINISTRATORE"_s);
        bool restaAperta = true;
        compila(u"ADMIN"_s, u"ADMIN"_s, u"OPERATORE"_s, &restaAperta);
        modifica(1);
        QCOMPARE(seamMessaggi::testi(), messaggi);
        QCOMPARE(restaAperta, !messaggi.isEmpty());
        QCOMPARE(operatori(u"idOperatore = 1"_s), QStringList{u"ADMIN/"_s + tipoDopo});
    }

    void eliminazione_data()
    {
        QTest::addColumn<QString>("chi");
        QTest::addColumn<QString>("tipoAdmin"); // ADMIN's type as stored
        QTest::addColumn<bool>("secondoAmministratore");
        QTest::addColumn<int>("risposta");
        QTest::addColumn<QStringList>("messaggi");
        QTest::addColumn<bool>("eliminato");
        const QString admin = u"AMMINISTRATORE"_s;
        QTest::newRow("only administrator")
            << u"ADMIN"_s << admin << false << int(Risposta::Si) << QStringList{nonCiSonoAmministratori} << false;
        QTest::newRow("only administrator, type in other letters")
            << u"ADMIN"_s << u"Amministratore"_s << false << int(Risposta::Si) << QStringList{nonCiSonoAmministratori}
            << false;
        QTest::newRow("one of two administrators") << u"ADMIN"_s << admin << true << int(Risposta::Si)
                                                   << QStringList{u"ELiminare l'operatore :ADMIN?"_s} << true;
        QTest::newRow("operator") << u"MARIO"_s << admin << false << int(Risposta::Si)
                                  << QStringList{u"ELiminare l'operatore :MARIO?"_s} << true;
        QTest::newRow("answer No") << u"MARIO"_s << admin << false << int(Risposta::No)
                                   << QStringList{u"ELiminare l'operatore :MARIO?"_s} << false;
    }
    void eliminazione()
    {
        QFETCH(QString, chi);
        QFETCH(QString, tipoAdmin);
        QFETCH(bool, secondoAmministratore);
        QFETCH(int, risposta);
        QFETCH(QStringList, messaggi);
        QFETCH(bool, eliminato);
        DatabaseTest db;
        aggiungi(u"MARIO"_s);
        impostaTipo(1, tipoAdmin);
        if (secondoAmministratore)
            aggiungi(u"CAPO"_s, u"AMMINISTRATORE"_s);
        auto& l = istanza<frmOperatori>();
        cerca(l, chi);
        seamMessaggi::rispondi(Risposta(risposta));
        l.cancella();
        QCOMPARE(seamMessaggi::testi(), messaggi);
        const int stile = seamMessaggi::mostrati().first().stile;
        QCOMPARE(stile, messaggi.first() == nonCiSonoAmministratori
                            ? stile::informazione
                            : stile::siNo | stile::domanda | stile::secondoPredefinito);
        QCOMPARE(operatori(u"opUser = '"_s + chi + u"'"_s).isEmpty(), eliminato);
        QCOMPARE(elencati(l).isEmpty(), eliminato);
    }

    // An administrator that another workstation demoted or removed after his login opens
    // neither the register nor an operator's card, and changes no password; the type is read
    // again at each opening.
    void amministratoreDeclassato_data()
    {
        QTest::addColumn<QString>("altraPostazione");
        QTest::addColumn<bool>("ancoraAmministratore");
        QTest::newRow("demoted") << u"UPDATE operatori SET opTipo = 'OPERATORE' WHERE opUser = 'CAPO'"_s << false;
        QTest::newRow("removed") << u"DELETE FROM operatori WHERE opUser = 'CAPO'"_s << false;
        QTest::newRow("still an administrator") << u"UPDATE operatori SET opPassword = 'X' WHERE opUser = 'CAPO'"_s
                                                << true;
    }
    void amministratoreDeclassato()
    {
        QFETCH(QString, altraPostazione);
        QFETCH(bool, ancoraAmministratore);
        DatabaseTest db;
        codiceOperatore = aggiungi(u"CAPO"_s, u"AMMINISTRATORE"_s);
        aggiungi(u"MARIO"_s);
        auto& l = istanza<frmOperatori>();
        cerca(l, u"MARIO"_s); // opened while he is an administrator
        AltraPostazione altra(db.file());
        altra.esegui(altraPostazione);

        compila(u"MARIO"_s, u"NUOVA"_s, u"OPERATORE"_s);
        l.dettagli();
        l.inserisci();
        l.chiudi();
        l.mostraModale();
        const QString rifiuto = u"ATTENZIONE ! Solo un operatore di tipo 'Amministratore' può gestire gli operatori."_s;
        QCOMPARE(seamMessaggi::testi(), ancoraAmministratore ? QStringList{} : QStringList(3, rifiuto));
        QCOMPARE(seamModale::mostrate().size(), ancoraAmministratore ? 3 : 0);
        QCOMPARE(altra.colonna(u"SELECT opPassword FROM operatori WHERE opUser = 'MARIO'"_s),
                 QStringList{ancoraAmministratore ? u"NUOVA"_s : u"PW"_s});
    }
};

CORVEXT_TEST_MAIN(TestOperatori)
#include "test_operatori.moc"
