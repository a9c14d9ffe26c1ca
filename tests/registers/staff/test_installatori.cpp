#include "ambiente_test.h"
#include "platform/db/connessione.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include "registers/staff/installatori.h"
#include "supporto_finestre.h"
#include <QLabel>

using namespace Qt::StringLiterals;

namespace {
// The thirteen boxes in the order of the table's columns, with a value of their own each.
struct Casella {
    QString controllo, colonna, etichetta, valore;
};
const QList<Casella>& caselle()
{
    static const QList<Casella> c = {
        {u"txtnome_ins"_s, u"nome_ins"_s, u"Nome Installatore"_s, u"rossi d'angelo"_s},
        {u"txtRagioneSociale"_s, u"ragionesociale_ins"_s, u"Ragione Sociale"_s, u"Rossi srl"_s},
        {u"txtIndirizzo"_s, u"indirizzo_ins"_s, u"Indirizzo"_s, u"via roma"_s},
        {u"txtNumeroCivico"_s, u"numero_ins"_s, u"Numero"_s, u"12"_s},
        {u"txtInterno"_s, u"interno_ins"_s, u"Interno"_s, u"b"_s},
        {u"txtLocalita"_s, u"localita_ins"_s, u"Località"_s, u"borgo"_s},
        {u"txtCapLocalita"_s, u"caplocalita_ins"_s, u"CAP Località"_s, u"00101"_s},
        {u"txtComune"_s, u"comune_ins"_s, u"Comune"_s, u"roma"_s},
        {u"txtCapComune"_s, u"capcomune_ins"_s, u"CAP Comune"_s, u"00100"_s},
        {u"txtProvincia"_s, u"provincia_ins"_s, u"Provincia"_s, u"rm"_s},
        {u"txtTelefono"_s, u"telefono_ins"_s, u"Telefono"_s, u"06 123"_s},
        {u"txtCellulare"_s, u"cellulare_ins"_s, u"Cellulare"_s, u"333 456"_s},
        {u"txtEmail"_s, u"email_ins"_s, u"Email"_s, u"info@rossi.it"_s},
    };
    return c;
}

QString colonne()
{
    QStringList c;
    for (const Casella& x : caselle())
        c << x.colonna;
    return c.join(u',');
}

QLineEdit* box(QWidget* f, const QString& nome)
{
    return f->findChild<QLineEdit*>(nome);
}
} // namespace

class TestInstallatori : public QObject {
    Q_OBJECT
private slots:
    void init() { db = std::make_unique<DatabaseTest>(); }
    void cleanup() { db.reset(); }

    void soloIlNome()
    {
        schInstallatore& s = istanza<schInstallatore>();
        s.nModalità = 0;
        seamModale::accoda([](QWidget* f) {
            box(f, u"txtnome_ins"_s)->setText(u"bianchi"_s);
            premi(f, u"cmdOk"_s);
        });
        s.mostraModale();
        QVERIFY(s.bConferma);
        QStringList attesa(13, QString());
        attesa[0] = u"BIANCHI"_s;
        QCOMPARE(riga(u"SELECT "_s + colonne() + u" FROM installatori"_s), attesa);
        // Empty boxes are stored as empty texts, never as Null.
        QCOMPARE(conta(u"SELECT count(*) FROM installatori WHERE email_ins IS NULL OR telefono_ins IS NULL"_s), 0);
    }

    void ogniCasellaNellaSuaColonna()
    {
        schInstallatore& s = istanza<schInstallatore>();
        s.nModalità = 0;
        seamModale::accoda([](QWidget* f) {
            for (const Casella& c : caselle()) {
                QCOMPARE(f->findChild<QLabel*>(c.controllo == u"txtnome_ins"_s ? u"lblFieldLabel"_s
                                                                                 : u"lbl"_s + c.controllo.mid(3))
                             ->buddy(),
                         box(f, c.controllo));
                box(f, c.controllo)->setText(c.valore);
                // The box keeps small letters when left.
                emit box(f, c.controllo)->editingFinished();
                QCOMPARE(box(f, c.controllo)->text(), c.valore);
            }
            premi(f, u"cmdOk"_s);
        });
        s.mostraModale();
        QStringList maiuscole;
        for (const Casella& c : caselle())
            maiuscole << c.valore.toUpper();
        QCOMPARE(riga(u"SELECT "_s + colonne() + u" FROM installatori"_s), maiuscole);

        // Editing shows every value in its own box; OK without changes writes them back.
        s.carica();
        s.nID = s.nNuovoID;
        s.nModalità = 1;
        QVERIFY(s.predisponi());
        for (int i = 0; i < caselle().size(); ++i)
            QCOMPARE(box(s.forma(), caselle()[i].controllo)->text(), maiuscole[i]);
        seamModale::accoda([](QWidget* f) { premi(f, u"cmdOk"_s); });
        s.mostraModale();
        QVERIFY(s.bConferma);
        QCOMPARE(riga(u"SELECT "_s + colonne() + u" FROM installatori"_s), maiuscole);
    }

    void righeDellaScheda()
    {
        QWidget* f = istanza<schInstallatore>().forma();
        f->show();
        auto riga = [f](const QString& nome) { return f->findChild<QWidget*>(nome)->geometry().top(); };
        const QStringList righe[] = {{u"txtnome_ins"_s},
                                     {u"txtIndirizzo"_s, u"txtNumeroCivico"_s, u"txtInterno"_s},
                                     {u"txtLocalita"_s, u"txtCapLocalita"_s},
                                     {u"txtComune"_s, u"txtCapComune"_s},
                                     {u"txtProvincia"_s}};
        int sopra = -1;
        for (const QStringList& r : righe) {
            for (const QString& nome : r)
                QCOMPARE(riga(nome), riga(r.first()));
            QVERIFY(riga(r.first()) > sopra);
            sopra = riga(r.first());
        }
    }

    void nomeMancante()
    {
        schInstallatore& s = istanza<schInstallatore>();
        s.nModalità = 0;
        seamModale::accoda([](QWidget* f) {
            box(f, u"txtEmail"_s)->setText(u"x@y.it"_s);
            premi(f, u"cmdOk"_s);
            QVERIFY(f->isVisible());
            QCOMPARE(box(f, u"txtEmail"_s)->text(), u"x@y.it"_s);
        });
        s.mostraModale();
        QCOMPARE(unicoMessaggio(), u"Manca il nome dell'installatore"_s);
        QVERIFY(!s.bConferma);
        QCOMPARE(conta(u"SELECT count(*) FROM installatori"_s), 0);
    }

    void ricercaEdEliminazione()
    {
        connessione.esegui(u"INSERT INTO installatori (nome_ins) VALUES ('ROSSO'),('BIANCHI'),('ROMANO'),('ROSA')"_s);
        connessione.esegui(u"UPDATE installatori SET eliminato = 1 WHERE nome_ins = 'ROSA'"_s);
        frmInstallatori& l = istanza<frmInstallatori>();
        QCOMPARE(intestazioni(l), QStringList{u"Nome Installatore"_s});
        QCOMPARE(colonna(l, 0), (QStringList{u"BIANCHI"_s, u"ROMANO"_s, u"ROSSO"_s}));
        QTest::keyClicks(ricerca(l), u"RO"_s);
        QCOMPARE(colonna(l, 0), (QStringList{u"ROMANO"_s, u"ROSSO"_s}));

        seamMessaggi::rispondi(Risposta::Si);
        l.cancella();
        QCOMPARE(unicoMessaggio(), u"ELiminare l'installatore:ROMANO?"_s);
        QCOMPARE(colonna(l, 0), QStringList{u"ROSSO"_s});
        QCOMPARE(conta(u"SELECT eliminato FROM installatori WHERE nome_ins = 'ROMANO'"_s), 1);
    }

private:
    std::unique_ptr<DatabaseTest> db;
};

CORVEXT_TEST_MAIN(TestInstallatori)
#include "test_installatori.moc"
