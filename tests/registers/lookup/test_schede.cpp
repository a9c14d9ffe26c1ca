#include "ambiente_test.h"
#include "platform/db/connessione.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include "registers/lookup/zone.h"
#include "registri_prova.h"
#include "supporto_finestre.h"
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <optional>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
// The texts of each card: caption, code and name boxes, messages of check().
struct TestiScheda {
    QString registro, titolo, sigla, nome, manca1, manca2;
};

const QList<TestiScheda>& testiSchede()
{
    static const QList<TestiScheda> t = {
        {u"posizioni"_s, u"Scheda Posizione"_s, u"txtSiglaPosizione"_s, u"txtNomePosizione"_s,
         u"Inserire la sigla della posizione !"_s, u"Inserire il nome della posizione !"_s},
        {u"zone"_s, u"Scheda Zona"_s, u"txtSigla"_s, u"txtDescrizione"_s, u"Inserire la sigla della zona !"_s,
         u"Inserire il nome della zona !"_s},
        {u"tipi prodotto"_s, u"Scheda Tipo Prodotto"_s, u"txtSigla"_s, u"txtNome"_s,
         u"Inserire la sigla del tipo di prodotto !"_s, u"Inserire il nome del tipo di prodotto !"_s},
        {u"tipi cliente"_s, u"Scheda Tipo Cliente"_s, u"txtSigla"_s, u"txtNome"_s,
         u"Inserire la sigla del tipo di cliente !"_s, u"Inserire il nome del tipo di cliente !"_s},
        {u"abbonamenti"_s, u"Scheda Tipo Abbonamento"_s, u"txtSigla"_s, u"txtNome"_s,
         u"Inserire la sigla del tipo di abbonamento !"_s, u"Inserire il nome del tipo di abbonamento !"_s},
        {u"marche"_s, u" Scheda Marca"_s, u"txtSigla"_s, u"txtNome"_s, u"Inserire la sigla della marca !"_s,
         u"Inserire il nome della marca !"_s},
        {u"attivita"_s, u"Scheda Tipo Attività"_s, u"txtSigla"_s, u"txtNome"_s,
         u"Inserire la sigla del tipo di attività !"_s, u"Inserire il nome del tipo di attività !"_s},
        {u"richieste"_s, u"Scheda Tipo Richiesta"_s, u"txtSigla"_s, u"txtnome_ins"_s,
         u"Manca la sigla della richiesta"_s, u"Manca il nome dalla richiesta"_s},
        {u"aree intervento"_s, u"Scheda Area Interventi"_s, u"txtSigla"_s, u"txtNome"_s,
         u"Inserire la sigla dell' area di intervento !"_s, u"Inserire il nome dell'area di intervento !"_s},
        {u"difetti"_s, u"Scheda Difetto"_s, u"txtSigla"_s, u"txtNome"_s, u"Inserire la sigla del difetto !"_s,
         u"Inserire il nome del difetto !"_s},
        {u"alimentazioni"_s, u"Scheda Alimentazioni"_s, u"txtSigla"_s, u"txtNome"_s,
         u"Inserire la sigla del tipo di alimentazione !"_s, u"Inserire il nome del tipo di alimentazione !"_s},
        {u"manutenzioni"_s, u"Scheda Tipo Manutenzione"_s, u"txtSigla"_s, u"txtNome"_s,
         u"Inserire la sigla del tipo di Manutenzione !"_s, u"Inserire il nome del tipo di manutenzione !"_s},
    };
    return t;
}

const TestiScheda& testi(const QString& registro)
{
    for (const TestiScheda& t : testiSchede())
        if (t.registro == registro)
            return t;
    qFatal("no card %s", qPrintable(registro));
}

void aggiungiRegistri()
{
    QTest::addColumn<QString>("registro");
    for (const TestiScheda& t : testiSchede())
        QTest::newRow(qPrintable(t.registro)) << t.registro;
}

QLineEdit* casella(QWidget* scheda, const QString& nome)
{
    return scheda->findChild<QLineEdit*>(nome);
}

// Fills the card shown next and presses OK; tells whether the card was still open then.
void compilaEConferma(const TestiScheda& t, const QString& sigla, const QString& nome, bool* restaAperta = nullptr)
{
    seamModale::accoda([=](QWidget* scheda) {
        casella(scheda, t.sigla)->setText(sigla);
        casella(scheda, t.nome)->setText(nome);
        premi(scheda, u"cmdOk"_s);
        if (restaAperta)
            *restaAperta = scheda->isVisible();
    });
}

// The database's file and folder made read-only while the program runs, until destroyed. Root
// writes whatever the permissions say, so as root the process acts as nobody meanwhile.
class ArchivioInSolaLettura {
public:
    explicit ArchivioInSolaLettura(const QString& file)
        : file(file), cartella(QFileInfo(file).path()), permessiFile(QFile::permissions(file)),
          permessiCartella(QFile::permissions(cartella))
    {
        QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        QFile::setPermissions(cartella, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                                            | QFile::ReadOther | QFile::ExeOther);
        if (root && (setegid(nessuno) != 0 || seteuid(nessuno) != 0))
            qFatal("seteuid");
    }
    ~ArchivioInSolaLettura()
    {
        if (root && (seteuid(0) != 0 || setegid(0) != 0))
            qFatal("seteuid");
        QFile::setPermissions(cartella, permessiCartella);
        QFile::setPermissions(file, permessiFile);
    }
    ArchivioInSolaLettura(const ArchivioInSolaLettura&) = delete;
    ArchivioInSolaLettura& operator=(const ArchivioInSolaLettura&) = delete;

private:
    static constexpr uid_t nessuno = 65534;
    const bool root = geteuid() == 0;
    QString file, cartella;
    QFile::Permissions permessiFile, permessiCartella;
};

QStringList riga(const RegistroProva& r, long chiave)
{
    Recordset rs = connessione.apriAvanti(u"SELECT "_s + r.codice + u", "_s + r.descrizione + u" FROM "_s + r.tabella
                                          + u" WHERE "_s + r.chiave + u" = "_s + QString::number(chiave));
    return rs.eof() ? QStringList() : QStringList{rs.campo(0).toString(), rs.campo(1).toString()};
}

int righe(const RegistroProva& r)
{
    return connessione.apriAvanti(u"SELECT count(*) FROM "_s + r.tabella).campo(0).toInt();
}

// The card protocol of an edit: load, key, mode 1, predisponi, modal show.
bool apriInModifica(SchedaRegistro& s, long chiave)
{
    s.carica();
    s.nID = chiave;
    s.nModalità = 1;
    if (!s.predisponi())
        return false;
    s.mostraModale();
    return true;
}
} // namespace

class TestSchede : public QObject {
    Q_OBJECT
private slots:
    void controllo_data()
    {
        QTest::addColumn<QString>("registro");
        QTest::addColumn<QString>("sigla");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("messaggio");
        for (const TestiScheda& t : testiSchede()) {
            // The request card joins its two messages; the others show only the name message.
            const QString entrambi = t.registro == u"richieste"_s ? t.manca1 + t.manca2 : t.manca2;
            QTest::addRow("%s, both empty", qPrintable(t.registro)) << t.registro << QString() << QString() << entrambi;
            QTest::addRow("%s, code empty", qPrintable(t.registro)) << t.registro << QString() << u"N"_s << t.manca1;
            QTest::addRow("%s, name empty", qPrintable(t.registro)) << t.registro << u"S"_s << QString() << t.manca2;
        }
    }
    void controllo()
    {
        QFETCH(QString, registro);
        QFETCH(QString, sigla);
        QFETCH(QString, nome);
        QFETCH(QString, messaggio);
        DatabaseTest db;
        const RegistroProva& r = registroProva(registro);
        SchedaRegistro& s = r.scheda();
        s.nModalità = 0;
        bool restaAperta = false;
        compilaEConferma(testi(registro), sigla, nome, &restaAperta);
        s.mostraModale();
        QCOMPARE(seamModale::mostrate(), QList<QString>{testi(registro).titolo});
        QCOMPARE(seamMessaggi::mostrati().size(), 1);
        QCOMPARE(seamMessaggi::mostrati().first().testo, messaggio);
        QCOMPARE(seamMessaggi::mostrati().first().stile, stile::soloOK);
        QVERIFY(restaAperta);
        QVERIFY(!s.bConferma);
        QCOMPARE(righe(r), 0);
    }

    void inserimento_data() { aggiungiRegistri(); }
    void inserimento()
    {
        QFETCH(QString, registro);
        DatabaseTest db;
        const RegistroProva& r = registroProva(registro);
        SchedaRegistro& s = r.scheda();
        s.nModalità = 0;
        bool restaAperta = true;
        compilaEConferma(testi(registro), u"d'uno"_s, u"nome è"_s, &restaAperta);
        s.mostraModale();
        QVERIFY(!restaAperta);
        QVERIFY(s.bConferma);
        QVERIFY(seamMessaggi::mostrati().isEmpty());
        QCOMPARE(righe(r), 1);
        QCOMPARE(riga(r, s.nNuovoID), (QStringList{u"D'UNO"_s, u"NOME È"_s}));
        if (r.conEliminato)
            QCOMPARE(connessione.apriAvanti(u"SELECT eliminato FROM "_s + r.tabella).campo(0).toInt(), 0);
    }

    void modifica_data() { aggiungiRegistri(); }
    void modifica()
    {
        QFETCH(QString, registro);
        DatabaseTest db;
        const RegistroProva& r = registroProva(registro);
        const TestiScheda& t = testi(registro);
        aggiungiRiga(r, u"ALTRA"_s, u"ALTRA"_s);
        const long chiave = aggiungiRiga(r, u"VEC'CHIA"_s, u"NOME VECCHIO"_s);
        QString siglaMostrata, nomeMostrato;
        seamModale::accoda([&](QWidget* scheda) {
            siglaMostrata = casella(scheda, t.sigla)->text();
            nomeMostrato = casella(scheda, t.nome)->text();
            casella(scheda, t.sigla)->setText(u"n'uova"_s);
            casella(scheda, t.nome)->setText(u"così"_s);
            premi(scheda, u"cmdOk"_s);
        });
        SchedaRegistro& s = r.scheda();
        QVERIFY(apriInModifica(s, chiave));
        QCOMPARE(siglaMostrata, u"VEC'CHIA"_s);
        QCOMPARE(nomeMostrato, u"NOME VECCHIO"_s);
        QVERIFY(s.bConferma);
        QCOMPARE(riga(r, chiave), (QStringList{u"N'UOVA"_s, u"COSÌ"_s}));
        QCOMPARE(riga(r, 1), (QStringList{u"ALTRA"_s, u"ALTRA"_s}));
    }

    void maiuscoloLasciandoLaCasella_data()
    {
        QTest::addColumn<QString>("registro");
        QTest::addColumn<QString>("mostrato");
        for (const TestiScheda& t : testiSchede())
            QTest::newRow(qPrintable(t.registro)) << t.registro
                                                  << (t.registro == u"richieste"_s ? u"così"_s : u"COSÌ"_s);
    }
    void maiuscoloLasciandoLaCasella()
    {
        QFETCH(QString, registro);
        QFETCH(QString, mostrato);
        DatabaseTest db;
        const TestiScheda& t = testi(registro);
        SchedaRegistro& s = registroProva(registro).scheda();
        s.nModalità = 0;
        QString sigla, nome;
        seamModale::accoda([&](QWidget* scheda) {
            QApplication::setActiveWindow(scheda);
            for (const QString& c : {t.sigla, t.nome}) {
                QLineEdit* e = casella(scheda, c);
                e->setFocus();
                QTest::keyClicks(e, u"cos"_s);
                QTest::sendKeyEvent(QTest::Click, e, Qt::Key_Igrave, u"ì"_s, Qt::NoModifier);
                QTest::keyClick(e, Qt::Key_Tab);
            }
            sigla = casella(scheda, t.sigla)->text();
            nome = casella(scheda, t.nome)->text();
        });
        s.mostraModale();
        QCOMPARE(sigla, mostrato);
        QCOMPARE(nome, mostrato);
    }

    // A write refused by the database, or by the file made read-only while the program runs:
    // the card stays open with what was typed, and saves it once the cause is gone.
    void scritturaRifiutata_data()
    {
        QTest::addColumn<int>("modalita");
        QTest::addColumn<bool>("solaLettura");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("insert") << 0 << false << u"rifiutato"_s;
        QTest::newRow("update") << 1 << false << u"rifiutato"_s;
        // SQLite's words, as root become nobody or as a user.
        const QString negato = u"attempt to write a readonly database|unable to open database file"_s;
        QTest::newRow("insert, file made read-only") << 0 << true << negato;
        QTest::newRow("update, file made read-only") << 1 << true << negato;
    }
    void scritturaRifiutata()
    {
        QFETCH(int, modalita);
        QFETCH(bool, solaLettura);
        QFETCH(QString, motivo);
        DatabaseTest db;
        const RegistroProva& r = registroProva(u"zone"_s);
        const long chiave = aggiungiRiga(r, u"Z1"_s, u"ZONA"_s);
        if (!solaLettura)
            connessione.esegui(u"CREATE TRIGGER rifiuta BEFORE "_s + (modalita ? u"UPDATE"_s : u"INSERT"_s)
                               + u" ON zone BEGIN SELECT RAISE(ABORT, 'rifiutato'); END"_s);
        auto& s = istanza<schZona>();
        s.nNuovoID = 0;
        bool restaAperta = false, confermata = true, apertaDopo = true;
        long nuovoID = -1;
        QString sigla;
        QStringList rigaIntatta;
        int righeIntatte = 0;
        seamModale::accoda([&](QWidget* scheda) {
            casella(scheda, u"txtSigla"_s)->setText(u"Z2"_s);
            casella(scheda, u"txtDescrizione"_s)->setText(u"ALTRA"_s);
            std::optional<ArchivioInSolaLettura> bloccato;
            if (solaLettura)
                bloccato.emplace(db.file());
            premi(scheda, u"cmdOk"_s);
            bloccato.reset();
            restaAperta = scheda->isVisible();
            confermata = s.bConferma;
            nuovoID = s.nNuovoID;
            sigla = casella(scheda, u"txtSigla"_s)->text();
            rigaIntatta = riga(r, chiave);
            righeIntatte = righe(r);
            connessione.esegui(u"DROP TRIGGER IF EXISTS rifiuta"_s);
            premi(scheda, u"cmdOk"_s);
            apertaDopo = scheda->isVisible();
        });
        if (modalita)
            QVERIFY(apriInModifica(s, chiave));
        else {
            s.nModalità = 0;
            s.mostraModale();
        }
        QVERIFY(restaAperta);
        QVERIFY(!confermata);
        QCOMPARE(sigla, u"Z2"_s);
        QCOMPARE(nuovoID, 0L);
        QCOMPARE(seamMessaggi::mostrati().size(), 1);
        const QString testo = seamMessaggi::mostrati().first().testo;
        QVERIFY2(testo.contains(QRegularExpression(motivo)), qPrintable(testo));
        QCOMPARE(rigaIntatta, (QStringList{u"Z1"_s, u"ZONA"_s}));
        QCOMPARE(righeIntatte, 1);
        // The second OK saved what the card kept.
        QVERIFY(!apertaDopo);
        QVERIFY(s.bConferma);
        QCOMPARE(riga(r, modalita ? chiave : s.nNuovoID), (QStringList{u"Z2"_s, u"ALTRA"_s}));
        QCOMPARE(righe(r), modalita ? 1 : 2);
    }

    void chiusuraDopoUnOk()
    {
        DatabaseTest db;
        auto& s = istanza<schZona>();
        s.nModalità = 0;
        compilaEConferma(testi(u"zone"_s), u"Z1"_s, u"ZONA"_s);
        s.mostraModale();
        QVERIFY(s.bConferma);
        // Shown again and closed with the close box: nothing written, not confirmed.
        seamModale::accoda([](QWidget* scheda) { casella(scheda, u"txtSigla"_s)->setText(u"Z2"_s); });
        s.mostraModale();
        QVERIFY(!s.bConferma);
        QVERIFY(!s.caricata());
        QCOMPARE(righe(registroProva(u"zone"_s)), 1);
    }

    void aggiuntaRapida()
    {
        DatabaseTest db;
        const RegistroProva& r = registroProva(u"alimentazioni"_s);
        aggiungiRiga(r, u"MET"_s, u"METANO"_s);
        SchedaRegistro& s = r.scheda();
        s.carica();
        s.nModalità = 0;
        seamModale::accoda([&](QWidget* scheda) {
            casella(scheda, u"txtSigla"_s)->setText(u"gpl"_s);
            casella(scheda, u"txtNome"_s)->setText(u"gas liquido"_s);
            premi(scheda, u"cmdOk"_s);
            // Another workstation adds one right after.
            aggiungiRiga(r, u"ARIA"_s, u"ARIA PROPANATA"_s);
        });
        s.mostraModale();
        QVERIFY(s.bConferma);
        QCOMPARE(s.nNuovoID, 2L);
        QCOMPARE(riga(r, s.nNuovoID), (QStringList{u"GPL"_s, u"GAS LIQUIDO"_s}));
    }

    void rigaScomparsaAlSalvataggio()
    {
        DatabaseTest db;
        const RegistroProva& r = registroProva(u"zone"_s);
        const long chiave = aggiungiRiga(r, u"Z1"_s, u"ZONA"_s);
        auto& s = istanza<schZona>();
        bool restaAperta = false;
        seamModale::accoda([&](QWidget* scheda) {
            connessione.esegui(u"DELETE FROM zone"_s);
            casella(scheda, u"txtDescrizione"_s)->setText(u"NUOVA"_s);
            premi(scheda, u"cmdOk"_s);
            restaAperta = scheda->isVisible();
        });
        QVERIFY(apriInModifica(s, chiave));
        QVERIFY(restaAperta);
        QVERIFY(!s.bConferma);
        QCOMPARE(seamMessaggi::mostrati().size(), 1);
        QCOMPARE(seamMessaggi::mostrati().first().stile, stile::esclamazione);
        QCOMPARE(righe(r), 0);
    }

    void modificaDiUnaRigaInesistente()
    {
        DatabaseTest db;
        auto& s = istanza<schZona>();
        QVERIFY(!apriInModifica(s, 99));
        QVERIFY(!s.caricata());
        QVERIFY(seamModale::mostrate().isEmpty());
        QCOMPARE(seamMessaggi::mostrati().size(), 1);
    }

    void invioEdEsc_data()
    {
        QTest::addColumn<int>("tasto");
        QTest::addColumn<int>("righeAttese");
        QTest::newRow("Enter presses OK") << int(Qt::Key_Return) << 1;
        QTest::newRow("Esc presses Annulla") << int(Qt::Key_Escape) << 0;
    }
    void invioEdEsc()
    {
        QFETCH(int, tasto);
        QFETCH(int, righeAttese);
        DatabaseTest db;
        auto& s = istanza<schZona>();
        s.nModalità = 0;
        bool restaAperta = true;
        seamModale::accoda([&](QWidget* scheda) {
            casella(scheda, u"txtSigla"_s)->setText(u"Z1"_s);
            casella(scheda, u"txtDescrizione"_s)->setText(u"ZONA"_s);
            QTest::keyClick(casella(scheda, u"txtDescrizione"_s), Qt::Key(tasto));
            restaAperta = scheda->isVisible();
        });
        s.mostraModale();
        QVERIFY(!restaAperta);
        QCOMPARE(s.bConferma, righeAttese == 1);
        QCOMPARE(righe(registroProva(u"zone"_s)), righeAttese);
    }

    void nuovaDopoUnaModifica()
    {
        DatabaseTest db;
        const RegistroProva& r = registroProva(u"zone"_s);
        const long chiave = aggiungiRiga(r, u"Z1"_s, u"ZONA"_s);
        auto& s = istanza<schZona>();
        seamModale::accoda([](QWidget*) {});
        QVERIFY(apriInModifica(s, chiave));
        QString sigla = u"?"_s;
        seamModale::accoda([&](QWidget* scheda) { sigla = casella(scheda, u"txtSigla"_s)->text(); });
        s.nModalità = 0;
        s.mostraModale();
        QVERIFY(sigla.isEmpty());
    }
};

CORVEXT_TEST_MAIN(TestSchede)
#include "test_schede.moc"
