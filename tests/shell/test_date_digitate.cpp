#include "ambiente_test.h"
#include "calls/frm_chiamata.h"
#include "finestre_programma.h"
#include "calls/frm_planning.h"
#include "calls/frm_stampa_planner.h"
#include "customers/scheda_prodotto_cliente.h"
#include "ignitions/sch_ex_prime_accensioni.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/connessione.h"
#include "platform/ui/campo_data.h"
#include "platform/ui/campo_ora.h"
#include "platform/ui/data_opzionale.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include "registers/staff/ferie.h"
#include "registers/staff/festivita.h"
#include "search/scheda_ricerca.h"
#include "supporto_finestre.h"
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {
// Marks among the keys typed into a field.
const QString clic = u"\x01"_s;       // a click on the field's day
const QString doppioClic = u"\x02"_s; // a double click on the field's day
const QString invio = u"\n"_s;
const QString esc = u"\x1b"_s;
const QString tab = u"\t"_s;
// The text goes to the clipboard and is pasted with Ctrl+V.
QString incolla(const QString& testo)
{
    return u"\x16"_s + testo;
}

void digita(CampoDigitato* campo, const QString& tasti)
{
    const QPoint giorno(campo->fontMetrics().horizontalAdvance(u'0') + 3, campo->height() / 2);
    for (qsizetype i = 0; i < tasti.size(); ++i) {
        QWidget* w = QApplication::focusWidget() ? QApplication::focusWidget() : campo;
        switch (const char16_t c = tasti[i].unicode()) {
        case 1:
            QTest::mouseClick(campo, Qt::LeftButton, {}, giorno);
            break;
        case 2:
            QTest::mouseDClick(campo, Qt::LeftButton, {}, giorno);
            break;
        case '\n':
            QTest::keyClick(w, Qt::Key_Return);
            break;
        case 0x1b:
            QTest::keyClick(w, Qt::Key_Escape);
            break;
        case '\t':
            QTest::keyClick(w, Qt::Key_Tab);
            break;
        case 0x16:
            QApplication::clipboard()->setText(tasti.mid(i + 1));
            QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
            return;
        default:
            QTest::keyClick(w, char(c));
        }
    }
}

// The date or time field a label names in a window.
CampoDigitato* campoDi(QWidget* f, const QString& etichetta)
{
    for (QLabel* l : f->findChildren<QLabel*>()) {
        QString t = l->text().remove(u'&');
        while (t.endsWith(u':') || t.endsWith(u' '))
            t.chop(1);
        if (t != etichetta || !l->buddy())
            continue;
        if (auto* d = qobject_cast<DataOpzionale*>(l->buddy()))
            return d->campoData();
        if (auto* c = qobject_cast<CampoDigitato*>(l->buddy()))
            return c;
    }
    return nullptr;
}

// What the field shows before the operator types: a date (a ticked one when optional) or a time.
void mostra(CampoDigitato* c, const QString& valore)
{
    const QDate giorno = QDate::fromString(valore, u"dd/MM/yyyy"_s);
    if (auto* d = qobject_cast<DataOpzionale*>(c->parentWidget()))
        d->impostaValore(giorno);
    else if (auto* d = qobject_cast<CampoData*>(c))
        d->setDate(giorno);
    else
        static_cast<CampoOra*>(c)->setTime(QTime::fromString(valore, u"HH:mm"_s));
}

void riempi()
{
    for (const char* sql : {
             "INSERT INTO tecnici (idTecn, sigla_tecnico, tecnico) VALUES (1, 'R', 'ROSSI'), (2, 'B', 'BIANCHI')",
             "INSERT INTO zone (idZona, sigla_zona, desc_zona) VALUES (1, 'FC', 'FORLI')",
             "INSERT INTO tecnici_per_zona (codTecnico, codZona) VALUES (1, 1)",
             "INSERT INTO clienti (idCli, cognome, nome, cod_zona) VALUES (1, 'ROSSI', 'MARIO', 1)",
             "INSERT INTO marche (idMarca, sigla_marca, marca) VALUES (1, 'BX', 'BAXI')",
             "INSERT INTO tipoProd (idTpProd, sigla_tipo_prodotto) VALUES (1, 'CALD')",
             "INSERT INTO prodotti (idModello, modello, cod_marca, cod_tipo_prodotto) VALUES (1, 'LUNA', 1, 1)",
             "INSERT INTO tipoabb (idTpAbb, sigla_abbonamento, desc_abb) VALUES (1, 'A', 'ANNUALE')",
             "INSERT INTO prodotti_ai_clienti (id_pro_cli, cod_cliente, cod_prodotto, data_coll) VALUES "
             "(7, 1, 1, '2026-12-31')",
             "INSERT INTO prodotti_ai_clienti (id_pro_cli, cod_cliente, cod_prodotto, data_coll, cod_tipo_abbonamento, "
             "data_abb, sc_abb) VALUES (8, 1, 1, '2027-01-05', 1, '2026-04-16', '2027-04-16')",
             "INSERT INTO chiamate (idChiamata, cod_cliente, ch_data) VALUES (1, 1, '2026-08-03')",
             "INSERT INTO interventi (cod_chiamata, cod_tecnico, data_int, cod_stato_int, ora_inizio, ora_fine) VALUES "
             "(1, 1, '2026-08-04', 'DA SVOLGERE', '09:00', '10:00')",
             "INSERT INTO prodotti_in_chiamata (idProdChiamata, cod_chiamata, cod_ch_prodotto) VALUES (1, 1, 7)",
             "INSERT INTO ferie (idFerie, ferieCodTecnico, ferieDataDa, ferieDataA) VALUES "
             "(1, 2, '2026-04-16', '2026-04-16')",
             "INSERT INTO festivita (idFestivita, dataFestivita, desc_festivita) VALUES (1, '2027-05-20', 'PROVA')",
         })
        connessione.esegui(QString::fromUtf8(sql));
}

using Azione = std::function<void(QWidget*)>;

// A window that keeps what is typed: how it is opened with an action on it, and confirmed.
struct FinestraProva {
    std::function<void(Azione)> apri;
    std::function<void(QWidget*)> conferma;
};

void chiamata(Azione azione)
{
    frmChiamata& s = istanza<frmChiamata>();
    s.nIdChiamata = 1;
    s.nIDcliente = 1;
    s.strCliente = u"ROSSI MARIO"_s;
    s.nModalita = 1;
    s.carica();
    s.riempiCombo();
    QVERIFY(s.predisponi());
    seamModale::accoda(std::move(azione));
    s.mostraModale();
}

template <class Scheda>
void scheda(Azione azione)
{
    Scheda& s = istanza<Scheda>();
    s.carica();
    s.nModalità = 1;
    s.nID = 1;
    QVERIFY(s.predisponi());
    seamModale::accoda(std::move(azione));
    s.mostraModale();
}

void prodotto(Azione azione)
{
    schProdottoCliente& s = istanza<schProdottoCliente>();
    s.nModalità = 1;
    s.carica();
    s.nIdProdotto = 8;
    s.nIDcliente = 1;
    QVERIFY(s.ripristinaProdotto());
    seamModale::accoda(std::move(azione));
    s.mostraModale();
}

// The brand chosen; the export's question is answered No.
void esportazione(Azione azione)
{
    schExPrimeAccensioni& s = istanza<schExPrimeAccensioni>();
    seamModale::accoda([&s, azione = std::move(azione)](QWidget* f) {
        s.lstElencoMarche()->item(0)->setSelected(true);
        seamMessaggi::rispondi(Risposta::No);
        azione(f);
    });
    s.mostraModale();
}

void tastoF10(QWidget* f)
{
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : f, Qt::Key_F10);
}

const QMap<QString, FinestraProva>& finestre()
{
    static const QMap<QString, FinestraProva> f = {
        {u"chiamata"_s, {chiamata, tastoF10}},
        {u"ferie"_s, {scheda<schFerie>, [](QWidget* f) { premi(f, u"cmdConferma"_s); }}},
        {u"festivita"_s, {scheda<schFestivita>, [](QWidget* f) { premi(f, u"cmdConferma"_s); }}},
        {u"prodotto"_s, {prodotto, tastoF10}},
        {u"esportazione"_s, {esportazione, [](QWidget* f) { premi(f, u"cmdEsporta"_s); }}},
    };
    return f;
}

// A field by its label, its window and where what it keeps is read back: a column, or for the
// export the question that tells how many first ignitions its dates select.
struct Campo {
    QString finestra;
    QString lettura;
};

const QMap<QString, Campo>& campi()
{
    static const QMap<QString, Campo> c = {
        {u"Data Intervento"_s, {u"chiamata"_s, u"SELECT CAST(data_int AS TEXT) FROM interventi"_s}},
        {u"Data Chiamata"_s, {u"chiamata"_s, u"SELECT CAST(ch_data AS TEXT) FROM chiamate"_s}},
        {u"Ora Inizio"_s, {u"chiamata"_s, u"SELECT CAST(ora_inizio AS TEXT) FROM interventi"_s}},
        {u"Ora Fine"_s, {u"chiamata"_s, u"SELECT CAST(ora_fine AS TEXT) FROM interventi"_s}},
        {u"Data a"_s, {u"ferie"_s, u"SELECT CAST(ferieDataA AS TEXT) FROM ferie"_s}},
        {u"Data"_s, {u"festivita"_s, u"SELECT CAST(dataFestivita AS TEXT) FROM festivita"_s}},
        {u"Data Accensione"_s, {u"prodotto"_s, u"SELECT CAST(data_coll AS TEXT) FROM prodotti_ai_clienti WHERE id_pro_cli = 8"_s}},
        {u"Data Stipulazione"_s,
         {u"prodotto"_s, u"SELECT data_abb || ' ' || sc_abb FROM prodotti_ai_clienti WHERE id_pro_cli = 8"_s}},
        {u"A"_s, {u"esportazione"_s, QString()}},
    };
    return c;
}

const QString domandaEsportazione = u"Verranno esportati nr:"_s;

QString letto(const Campo& c)
{
    if (!c.lettura.isEmpty())
        return riga(c.lettura).value(0);
    const QStringList domande = seamMessaggi::testi().filter(domandaEsportazione);
    return domande.value(0);
}
} // namespace

// Dates and times typed whole into the fields of the windows, whatever was shown, and what
// the windows keep of them.
class TestDateDigitate : public QObject {
    Q_OBJECT

    std::unique_ptr<DatabaseTest> db;

private slots:
    void init()
    {
        db = std::make_unique<DatabaseTest>();
        impostaOrologio([] { return QDate(2027, 6, 15); });
        riempi();
        seamMessaggi::azzera();
    }
    void cleanup()
    {
        rilasciaTutteLeFinestre();
        seamModale::azzera();
        seamMessaggi::azzera();
        db.reset();
    }

    void digitate_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("mostrato");
        QTest::addColumn<QString>("tasti");
        QTest::addColumn<QString>("salvato"); // what the field's window keeps afterwards
        QTest::addColumn<QString>("rifiuto"); // the message that refused it; empty when kept
        const QString esportati = domandaEsportazione + u"1 informazioni... proseguire?"_s;
        QTest::newRow("export to 31 December, shown April") << u"A"_s << u"16/04/2003"_s << clic + u"31122026"_s
                                                            << esportati << QString();
        QTest::newRow("export, double click on the day") << u"A"_s << u"16/04/2003"_s << doppioClic + u"31122026"_s
                                                         << esportati << QString();
        QTest::newRow("export to 31 February")
            << u"A"_s << u"16/04/2003"_s << clic + u"31022026"_s << QString()
            << u"La data \"31/02/2026\" nel campo \"A\" non esiste"_s;
        QTest::newRow("digits only, shown a shorter month")
            << u"Data Intervento"_s << u"16/04/2026"_s << clic + u"31122026"_s << u"2026-12-31"_s << QString();
        QTest::newRow("with separators") << u"Data Intervento"_s << u"16/04/2026"_s << clic + u"31/12/2026"_s
                                         << u"2026-12-31"_s << QString();
        QTest::newRow("leap day, shown a year without") << u"Data Intervento"_s << u"16/02/2027"_s
                                                        << clic + u"29022028"_s << u"2028-02-29"_s << QString();
        QTest::newRow("one-digit day and month") << u"Data Intervento"_s << u"16/04/2026"_s << clic + u"1/2/2027"_s
                                                 << u"2027-02-01"_s << QString();
        QTest::newRow("typed again after a double click")
            << u"Data Intervento"_s << u"16/04/2026"_s << clic + u"01012026"_s + doppioClic + u"31122026"_s
            << u"2026-12-31"_s << QString();
        QTest::newRow("pasted") << u"Data Intervento"_s << u"16/04/2026"_s << clic + incolla(u" 31.12.2026 "_s)
                                << u"2026-12-31"_s << QString();
        QTest::newRow("leap day of a year without")
            << u"Data Intervento"_s << u"16/04/2026"_s << clic + u"29022027"_s << u"2026-08-04"_s
            << u"La data \"29/02/2027\" nel campo \"Data Intervento\" non esiste"_s;
        QTest::newRow("left half typed")
            << u"Data Intervento"_s << u"16/04/2026"_s << clic + u"311220"_s + tab << u"2026-08-04"_s
            << u"La data \"31/12/20\" nel campo \"Data Intervento\" è incompleta: scriverla come gg/mm/aaaa"_s;
        QTest::newRow("Esc puts back the shown date") << u"Data Intervento"_s << u"16/04/2026"_s
                                                      << clic + u"3102"_s + esc << u"2026-04-16"_s << QString();
        QTest::newRow("Enter") << u"Data Chiamata"_s << u"16/04/2026"_s << clic + u"01012027"_s + invio
                               << u"2027-01-01"_s << QString();
        QTest::newRow("time with separator") << u"Ora Inizio"_s << u"09:00"_s << clic + u"9:30"_s << u"09:30"_s
                                             << QString();
        QTest::newRow("time, digits only") << u"Ora Fine"_s << u"10:00"_s << clic + u"1400"_s << u"14:00"_s
                                           << QString();
        QTest::newRow("time that cannot be") << u"Ora Fine"_s << u"10:00"_s << clic + u"2500"_s << u"10:00"_s
                                             << u"L'ora \"25:00\" nel campo \"Ora Fine\" non esiste"_s;
        QTest::newRow("time left half typed")
            << u"Ora Fine"_s << u"10:00"_s << clic + u"1"_s + tab << u"10:00"_s
            << u"L'ora \"1\" nel campo \"Ora Fine\" è incompleta: scriverla come hh:mm"_s;
        QTest::newRow("end before the start") << u"Ora Fine"_s << u"10:00"_s << clic + u"0830"_s << u"10:00"_s
                                              << u"L'ora di fine intervento precede l'ora di inizio"_s;
        QTest::newRow("end at the start") << u"Ora Fine"_s << u"10:00"_s << clic + u"0900"_s << u"09:00"_s
                                          << QString();
        QTest::newRow("Enter confirms the card") << u"Data a"_s << u"16/04/2026"_s << clic + u"31122026"_s + invio
                                                 << u"2026-12-31"_s << QString();
        QTest::newRow("31 April, Enter")
            << u"Data a"_s << u"16/04/2026"_s << clic + u"31042026"_s + invio << u"2026-04-16"_s
            << u"La data \"31/04/2026\" nel campo \"Data a\" non esiste"_s;
        QTest::newRow("day and month") << u"Data"_s << u"16/04/2027"_s << clic + u"3112"_s << u"2027-12-31"_s
                                       << QString();
        QTest::newRow("day and month the year lacks") << u"Data"_s << u"16/04/2027"_s << clic + u"2902"_s
                                                      << u"2027-05-20"_s
                                                      << u"La data 29/02 non esiste nell'anno 2027"_s;
        QTest::newRow("day and month that cannot be")
            << u"Data"_s << u"16/04/2027"_s << clic + u"3102"_s << u"2027-05-20"_s
            << u"La data \"31/02\" nel campo \"Data\" non esiste"_s;
        QTest::newRow("optional date stays ticked") << u"Data Accensione"_s << u"16/04/2026"_s
                                                    << clic + u"31122026"_s << u"2026-12-31"_s << QString();
        QTest::newRow("optional date, Esc") << u"Data Accensione"_s << u"16/04/2026"_s << clic + u"3113"_s + esc
                                            << u"2026-04-16"_s << QString();
        // The expiry proposed from the typed date, not from a part of it.
        QTest::newRow("what follows the date") << u"Data Stipulazione"_s << u"16/04/2026"_s
                                               << clic + u"29022028"_s << u"2028-02-29 2029-02-28"_s << QString();
    }
    void digitate()
    {
        QFETCH(QString, campo);
        QFETCH(QString, mostrato);
        QFETCH(QString, tasti);
        QFETCH(QString, salvato);
        QFETCH(QString, rifiuto);
        const Campo& c = campi()[campo];
        const FinestraProva& w = finestre()[c.finestra];
        bool aperta = false, visto = false;
        w.apri([&](QWidget* f) {
            QVERIFY(QTest::qWaitForWindowActive(f));
            CampoDigitato* e = campoDi(f, campo);
            QVERIFY(e);
            mostra(e, mostrato);
            digita(e, tasti);
            // Enter in a field presses the window's default button, when it has one.
            const QList<QPushButton*> pulsanti = f->findChildren<QPushButton*>();
            const bool confermata = tasti.endsWith(invio)
                                    && std::any_of(pulsanti.begin(), pulsanti.end(), [](auto* b) { return b->isDefault(); });
            // Esc was the field's: the window is still there.
            QVERIFY(f->isVisible() || confermata);
            if (!confermata)
                w.conferma(f);
            aperta = f->isVisible();
            visto = true;
        });
        QVERIFY(visto);
        QCOMPARE(letto(c), salvato);
        QStringList rifiuti = seamMessaggi::testi();
        rifiuti.removeIf([](const QString& t) { return t.startsWith(domandaEsportazione); });
        QCOMPARE(rifiuti, rifiuto.isEmpty() ? QStringList{} : QStringList{rifiuto});
        if (!rifiuto.isEmpty())
            QVERIFY(aperta);
    }

    // The holiday's day and month take a one-digit day and month, as a full date does, once the
    // typing is over (Tab, or Enter that confirms the card); while it goes on, "1/1" waits for
    // the month's second digit. Digits alone must be all there.
    void giornoMeseBreve_data()
    {
        QTest::addColumn<QString>("tasti");
        QTest::addColumn<QString>("fine"); // Tab, then Conferma; or Enter
        QTest::addColumn<QString>("mostrato"); // after the confirmation
        QTest::addColumn<QString>("salvato");
        QTest::addColumn<QString>("rifiuto");
        QTest::newRow("1/5, Tab") << u"1/5"_s << tab << u"01/05"_s << u"2027-05-01"_s << QString();
        QTest::newRow("1/5, Enter") << u"1/5"_s << invio << u"01/05"_s << u"2027-05-01"_s << QString();
        QTest::newRow("01/05") << u"01/05"_s << tab << u"01/05"_s << u"2027-05-01"_s << QString();
        QTest::newRow("1/12") << u"1/12"_s << invio << u"01/12"_s << u"2027-12-01"_s << QString();
        QTest::newRow("31/4") << u"31/4"_s << tab << u"31/4"_s << u"2027-05-20"_s
                              << u"La data \"31/4\" nel campo \"Data\" non esiste"_s;
        QTest::newRow("digits only, 15") << u"15"_s << tab << u"15"_s << u"2027-05-20"_s
                                         << u"La data \"15\" nel campo \"Data\" è incompleta: scriverla come gg/mm"_s;
        QTest::newRow("no month") << u"1/"_s << invio << u"1/"_s << u"2027-05-20"_s
                                  << u"La data \"1/\" nel campo \"Data\" è incompleta: scriverla come gg/mm"_s;
    }
    void giornoMeseBreve()
    {
        QFETCH(QString, tasti);
        QFETCH(QString, fine);
        QFETCH(QString, mostrato);
        QFETCH(QString, salvato);
        QFETCH(QString, rifiuto);
        const Campo& c = campi()[u"Data"_s];
        bool aperta = true;
        finestre()[c.finestra].apri([&](QWidget* f) {
            QVERIFY(QTest::qWaitForWindowActive(f));
            CampoDigitato* e = campoDi(f, u"Data"_s);
            const QPointer<CampoDigitato> campo = e;
            digita(e, clic + tasti + fine);
            if (fine == tab)
                premi(f, u"cmdConferma"_s);
            aperta = f->isVisible();
            if (aperta || campo)
                QCOMPARE(campo->text(), mostrato);
        });
        QCOMPARE(letto(c), salvato);
        QCOMPARE(seamMessaggi::testi(), rifiuto.isEmpty() ? QStringList{} : QStringList{rifiuto});
        QCOMPARE(aperta, !rifiuto.isEmpty());
    }

    // The customer search's fourteen "Dal" and "Al": a refusal names the criterion too, in both
    // messages, and the search does not run.
    void ricercaDalAl_data()
    {
        QTest::addColumn<QString>("spunta"); // the box that makes the criterion count
        QTest::addColumn<QString>("controllo");
        QTest::addColumn<QString>("campo");
        struct Criterio {
            const char *spunta, *date, *didascalia;
        };
        const QList<Criterio> criteri = {
            {"chkAbbonamento", "DataStipulazione", "Data Stipulazione"},
            {"chkAbbonamento", "DataScadenza", "Data Scadenza"},
            {"chkDataCollaudo", "DataCollaudo", "Data collaudo"},
            {"chkDataInserimento", "DataInserimento", "Data inserimento"},
            {"chkDataLibretto", "DataLibretto", "Data Libretto"},
            {"chkDataUltimaCombustione", "UltimaCombustione", "Data ultima combustione"},
            {"chkManutenzione", "Man", "Data Manutenzione"},
        };
        for (const Criterio& k : criteri)
            for (const auto& [fine, etichetta] : {std::pair{"Da", "Dal"}, std::pair{"A", "Al"}})
                QTest::addRow("%s - %s", k.didascalia, etichetta)
                    << QString::fromUtf8(k.spunta) << u"dtp"_s + QString::fromUtf8(k.date) + QString::fromUtf8(fine)
                    << QString::fromUtf8(k.didascalia) + u" - "_s + QString::fromUtf8(etichetta);
    }
    void ricercaDalAl()
    {
        QFETCH(QString, spunta);
        QFETCH(QString, controllo);
        QFETCH(QString, campo);
        QWidget* f = istanza<schRicCliente>().forma();
        auto* d = f->findChild<DataOpzionale*>(controllo);
        QVERIFY(d);
        auto* schede = f->findChild<QTabWidget*>();
        for (int i = 0; i < schede->count(); ++i)
            if (schede->widget(i)->isAncestorOf(d))
                schede->setCurrentIndex(i);
        f->show();
        QVERIFY(QTest::qWaitForWindowActive(f));
        f->findChild<QCheckBox*>(spunta)->click();
        d->impostaValore(QDate(2026, 4, 16));
        const QStringList rifiuti = {
            u"La data \"31/02/2026\" nel campo \"%1\" non esiste"_s.arg(campo),
            u"La data \"31/02\" nel campo \"%1\" è incompleta: scriverla come gg/mm/aaaa"_s.arg(campo),
        };
        for (const QString& tasti : {u"31022026"_s, u"3102"_s + tab}) {
            seamMessaggi::azzera();
            digita(d->campoData(), clic + tasti);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
            QCOMPARE(seamMessaggi::testi(), QStringList{rifiuti.value(tasti.size() == 8 ? 0 : 1)});
            QCOMPARE(QApplication::focusWidget(), d->campoData());
        }
    }

    // In every window a refused date or time names its field apart from the window's other
    // controls: no other label has the caption it is named by.
    void rifiutoNominaUnSoloCampo_data() { righeFinestre(); }
    void rifiutoNominaUnSoloCampo()
    {
        QFETCH(FormaFinestra, forma);
        QWidget* f = forma();
        const QRegularExpression nome(u"nel campo \"(.*)\""_s);
        QStringList ambigui;
        for (CampoDigitato* c : f->findChildren<CampoDigitato*>()) {
            c->setText(u"9"_s);
            const QString campo = nome.match(c->rifiuto()).captured(1);
            const QWidget* nominato = qobject_cast<DataOpzionale*>(c->parentWidget()) ? c->parentWidget() : c;
            for (const QLabel* l : f->findChildren<QLabel*>()) {
                QString t = l->text().remove(u'&');
                while (t.endsWith(u':') || t.endsWith(u' '))
                    t.chop(1);
                if (l->buddy() && l->buddy() != nominato && t == campo)
                    ambigui << campo;
            }
        }
        QVERIFY2(ambigui.isEmpty(), qPrintable(ambigui.join(u", "_s)));
    }

    // Esc in a field that shows its value is the window's, as elsewhere in it: its cancel button
    // (pressed by the window, or by its keys when Esc comes up). In a field holding a text of its
    // own, Esc first puts the value back.
    void escAllaFinestra_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::newRow("call card, the window's cancel") << u"Data Intervento"_s;
        QTest::newRow("leave card, the window's cancel") << u"Data a"_s;
        QTest::newRow("holiday card, day and month") << u"Data"_s;
        QTest::newRow("appliance card, its keys") << u"Data Accensione"_s;
    }
    void escAllaFinestra()
    {
        QFETCH(QString, campo);
        const Campo& c = campi()[campo];
        bool chiusa = false;
        finestre()[c.finestra].apri([&](QWidget* f) {
            QVERIFY(QTest::qWaitForWindowActive(f));
            CampoDigitato* e = campoDi(f, campo);
            const QString valore = e->text();
            digita(e, clic + u"3"_s + esc);
            QVERIFY(f->isVisible());
            QCOMPARE(e->text(), valore);
            QCOMPARE(QApplication::focusWidget(), e);
            digita(e, esc);
            chiusa = !f->isVisible();
        });
        QVERIFY(chiusa);
        QVERIFY(seamMessaggi::testi().isEmpty());
    }

    // The planner refills once for a typed start date, whatever else the typing ends with;
    // one that cannot be refills nothing and Enter says why.
    void planningUnaVolta()
    {
        frmPlanning& p = istanza<frmPlanning>();
        p.carica();
        p.cliente = u"ROSSI - MARIO"_s;
        p.nIDcliente = 1;
        p.idZona = 1;
        p.predisponi();
        seamModale::accoda([&](QWidget* f) {
            QVERIFY(QTest::qWaitForWindowActive(f));
            auto* data = p.controlli().dtpData;
            const int volte = p.volte;
            digita(data, clic + u"31122026"_s + invio + tab);
            QCOMPARE(p.volte, volte + 1);
            QCOMPARE(data->date(), QDate(2026, 12, 31));
            digita(data, clic + u"31022027"_s + invio);
            QCOMPARE(p.volte, volte + 1);
            QCOMPARE(seamMessaggi::testi(), QStringList{u"La data \"31/02/2027\" nel campo \"Data\" non esiste"_s});
            QCOMPARE(data->date(), QDate(2026, 12, 31));
            QCOMPARE(data->text(), u"31/02/2027"_s);
        });
        p.mostraModale();
    }

    // "A" follows "Da" once, when its typed date is whole; Esc in a field keeps the window open.
    void stampaPlannerDaEA()
    {
        frmStampaPlanner& s = istanza<frmStampaPlanner>();
        s.carica();
        bool chiusa = false;
        seamModale::accoda([&](QWidget* f) {
            QVERIFY(QTest::qWaitForWindowActive(f));
            auto& c = s.controlli();
            c.dtpDataA->setDate(QDate(2026, 4, 16));
            c.dtpDataDa->setDate(QDate(2026, 4, 16));
            QSignalSpy a(c.dtpDataA, &CampoData::dateChanged);
            digita(c.dtpDataDa, clic + u"3112"_s);
            QCOMPARE(a.count(), 0);
            digita(c.dtpDataDa, u"2026"_s + tab);
            QCOMPARE(a.count(), 1);
            QCOMPARE(c.dtpDataA->date(), QDate(2026, 12, 31));
            digita(c.dtpDataDa, clic + u"0101"_s + esc);
            QVERIFY(f->isVisible());
            QCOMPARE(c.dtpDataDa->text(), u"31/12/2026"_s);
            QCOMPARE(a.count(), 1);
            digita(c.dtpDataDa, esc);
            chiusa = !f->isVisible();
        });
        s.mostraModale();
        QVERIFY(chiusa);
    }
};

CORVEXT_TEST_MAIN(TestDateDigitate)
#include "test_date_digitate.moc"
