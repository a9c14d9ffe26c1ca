#include "altra_postazione.h"
#include "ambiente_test.h"
#include "concorrenza_schede.h"
#include "customers/elimina_prodotto.h"
#include "customers/scheda_cliente.h"
#include "platform/db/connessione.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/forma_dialogo.h"
#include "platform/ui/griglia.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include "registers/lookup/zone.h"
#include "supporto_finestre.h"
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {
// Zones 1 NORD (live) and 2 EST (deleted); types 1 PRIVATO and 2 DITTA; customers 10 a
// group, 11 an owner, 12 a tenant of 11.
void riempi()
{
    for (const char* sql : {
             "INSERT INTO zone (idZona, sigla_zona, desc_zona, eliminato) VALUES (1, 'N', 'NORD', 0), (2, 'E', 'EST', 1)",
             "INSERT INTO tipocli (idTipoCli, sigla_tipo_cli, cli_nome_tipo, eliminato) VALUES (1, 'P', 'PRIVATO', 0), "
             "(2, 'D', 'DITTA', 1)",
             "INSERT INTO clienti (idCli, cognome, nome, cod_tipo_appartenenza) VALUES (10, 'CONDOMINIO', 'AURORA', 1), "
             "(11, 'ROSSI', 'MARIO', 2), (12, 'BIANCHI', 'LUCA', 3)",
             "UPDATE contatori SET cliente = 12",
         })
        connessione.esegui(QString::fromUtf8(sql));
}

ControlliCliente& c()
{
    return istanza<schCliente>().controlli();
}

// The card for a new customer, as the main window opens it; `azione` runs while it is shown.
bool nuovoCliente(std::function<void(ControlliCliente&)> azione)
{
    seamModale::accoda([azione](QWidget*) { azione(c()); });
    schCliente& s = istanza<schCliente>();
    s.nModalità = 0;
    if (!s.predisponi())
        return false;
    s.mostraModale();
    return s.bConferma;
}

// The card on a stored customer, as the search opens it.
bool modificaCliente(long id, std::function<void(ControlliCliente&)> azione)
{
    seamModale::accoda([azione](QWidget*) { azione(c()); });
    schCliente& s = istanza<schCliente>();
    s.carica();
    s.nModalità = 1;
    if (!s.ripristinaCliente(id))
        return false;
    s.mostraModale();
    return s.bConferma;
}

QStringList cliente(long id)
{
    return riga(u"SELECT cod_tipo_cli, cognome, nome, rag_soc, indirizzo, indirizzo2, cond_fraz, note_ind, note_cli, "
                "tel_casa, tel_cel, tel_old, cap, citta, pv, nazcli, gruppo, cod_tipo_appartenenza, note_pag, gas_cod, "
                "contatto, cod_appartenenza, cod_zona FROM clienti WHERE idCli = ?"_s,
                {qlonglong(id)});
}
} // namespace

class TestSchedaCliente : public QObject {
    Q_OBJECT
private slots:
    // A new customer: the number from the counter, the fields in capitals, the keys of the
    // combos (0 for none), the membership of the options.
    void nuovo_data()
    {
        QTest::addColumn<QStringList>("testi");
        QTest::addColumn<QString>("opzione");
        QTest::addColumn<QVariant>("tipo");
        QTest::addColumn<QVariant>("zona");
        QTest::addColumn<QVariant>("genitore");
        QTest::addColumn<bool>("escludere");
        QTest::addColumn<QStringList>("atteso");
        auto riga = [](QStringList inizio, const QString& appartenenza, const QString& contatto,
                       const QString& genitore, const QString& zona) {
            inizio.resize(5);
            return inizio + QStringList(12) + QStringList{appartenenza, u""_s, u""_s, contatto, genitore, zona};
        };
        QTest::newRow("nothing chosen: a tenant")
            << QStringList{u"ROSSI"_s} << u"optInquilino"_s << QVariant() << QVariant() << QVariant() << false
            << riga({u"0"_s, u"ROSSI"_s}, u"3"_s, u"0"_s, u"0"_s, u"0"_s);
        QTest::newRow("apostrophes, accents, emoji, everything chosen")
            << QStringList{u"d'amico"_s, u"niccolò"_s, u"l'ape srl"_s, u"via dell'orto 🔥"_s} << u"optInquilino"_s
            << QVariant(1) << QVariant(1) << QVariant(11) << true
            << riga({u"1"_s, u"D'AMICO"_s, u"NICCOLÒ"_s, u"L'APE SRL"_s, u"VIA DELL'ORTO 🔥"_s}, u"3"_s, u"1"_s,
                    u"11"_s, u"1"_s);
        QTest::newRow("an owner of a group") << QStringList{u"VERDI"_s} << u"optProprietario"_s << QVariant()
                                             << QVariant() << QVariant(10) << false
                                             << riga({u"0"_s, u"VERDI"_s}, u"2"_s, u"0"_s, u"10"_s, u"0"_s);
        QTest::newRow("a group") << QStringList{u"CONDOMINIO"_s} << u"optGruppo"_s << QVariant() << QVariant()
                                 << QVariant() << false
                                 << riga({u"0"_s, u"CONDOMINIO"_s}, u"1"_s, u"0"_s, u"0"_s, u"0"_s);
    }
    void nuovo()
    {
        QFETCH(QStringList, testi);
        QFETCH(QString, opzione);
        QFETCH(QVariant, tipo);
        QFETCH(QVariant, zona);
        QFETCH(QVariant, genitore);
        QFETCH(bool, escludere);
        QFETCH(QStringList, atteso);
        DatabaseTest db;
        riempi();
        QString titolo;
        const bool confermata = nuovoCliente([&](ControlliCliente& k) {
            titolo = k.forma->windowTitle();
            QList<QLineEdit*> caselle{k.txtCognome, k.txtNome, k.txtRagione, k.txtIndirizzo};
            for (int i = 0; i < testi.size(); ++i)
                caselle[i]->setText(testi[i]);
            premi(k.forma, opzione);
            k.cmbTipoCliente->impostaValoreLegato(tipo);
            k.cmbZona->impostaValoreLegato(zona);
            k.cmbAppartenenza->impostaValoreLegato(genitore);
            k.chkContatto->setChecked(escludere);
            k.cmdConferma->click();
        });
        QCOMPARE(titolo, u"SCHEDA CLIENTE - NUOVO INSERIMENTO"_s);
        QVERIFY(confermata);
        QCOMPARE(istanza<schCliente>().nIDcliente, 13);
        QCOMPARE(cliente(13), atteso);
        QVERIFY(seamMessaggi::mostrati().isEmpty());
    }

    void cognomeMancante()
    {
        DatabaseTest db;
        riempi();
        bool aperta = false;
        const bool confermata = nuovoCliente([&](ControlliCliente& k) {
            k.txtNome->setText(u"MARIO"_s);
            k.cmdConferma->click();
            aperta = istanza<schCliente>().caricata();
            k.txtCognome->setText(u" "_s);
            k.cmdConferma->click();
        });
        QVERIFY(aperta);
        QCOMPARE(seamMessaggi::testi(),
                 QStringList{u"Attenzione si sono commessi i seguenti errori:\r\nMancato inserimento del Cognome del "
                             "cliente\r\n"_s});
        QCOMPARE(seamMessaggi::mostrati().first().stile, stile::soloOK);
        QVERIFY(confermata);
        QCOMPARE(conta(u"SELECT count(*) FROM clienti WHERE idCli = 13 AND nome = 'MARIO'"_s), 1);
    }

    // What is stored is shown as stored, and an unrelated change writes it back whole: the
    // disabled boxes, a text longer than its box, a deleted zone, a parent of another kind.
    void ripristinoEModifica()
    {
        DatabaseTest db;
        riempi();
        const QString lungo(60, u'X');
        connessione.esegui(u"INSERT INTO clienti (idCli, cod_tipo_cli, cognome, nome, indirizzo, indirizzo2, gruppo, "
                           "gas_cod, note_ind, note_cli, note_pag, contatto, cod_tipo_appartenenza, cod_appartenenza, "
                           "cod_zona) VALUES (20, 2, ?, 'anna', 'VIA ROMA', 'scala b', 'g1', 'gas 7', ?, 'NOTA', '', "
                           "1, 3, 12, 2)"_s,
                           {lungo, u"riga 1\nriga 2"_s});
        const QStringList prima = cliente(20);
        QStringList mostrati;
        QString tipo, titolo;
        bool escludere = false;
        const bool confermata = modificaCliente(20, [&](ControlliCliente& k) {
            titolo = k.forma->windowTitle();
            mostrati = {k.txtCognome->text(), k.txtIndirizzo2->text(), k.txtGruppo->text(), k.txtCodGas->text(),
                        k.txtNote->toPlainText(), k.cmbZona->currentText(), k.cmbTipoCliente->currentText(),
                        k.cmbAppartenenza->currentText()};
            tipo = k.lblTipo->text();
            escludere = k.chkContatto->isChecked();
            k.txtTelCasa->setText(u"0123"_s);
            k.cmdConferma->click();
        });
        QCOMPARE(titolo, u"SCHEDA CLIENTE - MODIFICA"_s);
        QCOMPARE(mostrati, (QStringList{lungo, u"scala b"_s, u"g1"_s, u"gas 7"_s, u"riga 1\nriga 2"_s,
                                        u"E - EST (eliminato)"_s, u"DITTA"_s, u"BIANCHI - LUCA"_s}));
        QCOMPARE(tipo, u"Inquilino"_s);
        QVERIFY(escludere);
        QVERIFY(confermata);
        QStringList dopo = prima;
        dopo[1] = lungo;
        dopo[2] = u"ANNA"_s;
        dopo[7] = u"RIGA 1\nRIGA 2"_s;
        dopo[9] = u"0123"_s;
        QCOMPARE(cliente(20), dopo);
    }

    void clienteNonTrovato()
    {
        DatabaseTest db;
        riempi();
        QVERIFY(!modificaCliente(99, [](ControlliCliente&) { QFAIL("shown"); }));
        QCOMPARE(seamMessaggi::testi(), QStringList{u"Cliente non trovato!"_s});
        QCOMPARE(seamMessaggi::mostrati().first().stile, stile::esclamazione);
        QVERIFY(seamModale::mostrate().isEmpty());
        QVERIFY(!istanza<schCliente>().caricata());
    }

    // Another workstation deleted the customer: the update saves nothing and says so.
    void clienteEliminatoNelFrattempo()
    {
        DatabaseTest db;
        riempi();
        bool aperta = false;
        modificaCliente(11, [&](ControlliCliente& k) {
            connessione.esegui(u"DELETE FROM clienti WHERE idCli = 11"_s);
            k.cmdConferma->click();
            aperta = istanza<schCliente>().caricata();
        });
        QVERIFY(aperta);
        QCOMPARE(seamMessaggi::testi(), QStringList{u"Cliente non trovato!"_s});
        QVERIFY(!istanza<schCliente>().bConferma);
        QCOMPARE(conta(u"SELECT count(*) FROM clienti WHERE idCli = 11"_s), 0);
    }

    // Two workstations edit the same customer: the second confirmation is told and chooses.
    void modificatoDaAltraPostazione_data()
    {
        QTest::addColumn<QString>("altra");
        QTest::addColumn<bool>("domanda");
        QTest::addColumn<bool>("sovrascrivi");
        QTest::addColumn<QStringList>("atteso"); // nome, indirizzo
        const QString nome = u"UPDATE clienti SET nome = 'ANAME' WHERE idCli = 12"_s;
        QTest::newRow("nobody else touched it") << QString() << false << true << QStringList{u"LUCA"_s, u"BADDR"_s};
        QTest::newRow("the same values written again") << u"UPDATE clienti SET nome = 'LUCA' WHERE idCli = 12"_s
                                                       << false << true << QStringList{u"LUCA"_s, u"BADDR"_s};
        QTest::newRow("overwritten with the card") << nome << true << true << QStringList{u"LUCA"_s, u"BADDR"_s};
        QTest::newRow("the other version kept") << nome << true << false << QStringList{u"ANAME"_s, QString()};
    }
    void modificatoDaAltraPostazione()
    {
        QFETCH(QString, altra);
        QFETCH(bool, domanda);
        QFETCH(bool, sovrascrivi);
        QFETCH(QStringList, atteso);
        DatabaseTest db;
        riempi();
        const ProvaConcorrenza prova{db.file(), altra, domanda, sovrascrivi};
        EsitoConcorrenza esito;
        const bool confermata = modificaCliente(12, [&](ControlliCliente& k) {
            k.txtIndirizzo->setText(u"baddr"_s);
            esito = confermaConcorrente(
                prova, [&] { k.cmdConferma->click(); }, [] { return istanza<schCliente>().caricata(); },
                [&] { return QStringList{k.txtNome->text(), k.txtIndirizzo->text()}; });
        });
        QVERIFY(verificaConcorrenza(
            prova, esito, u"Attenzione! il cliente è stato modificato da un'altra postazione dopo l'apertura della scheda."_s,
            atteso));
        QVERIFY(confermata);
        QCOMPARE(riga(u"SELECT nome, indirizzo FROM clienti WHERE idCli = 12"_s), atteso);
    }

    // Another workstation deletes the customer while its card is open: an appliance added
    // then is refused, and nothing is stored for the missing customer.
    void prodottoPerClienteEliminato()
    {
        DatabaseTest db;
        riempi();
        connessione.esegui(u"INSERT INTO prodotti (idModello, modello) VALUES (1, 'LUNA')"_s);
        bool schedaProdottoAperta = false;
        modificaCliente(11, [&](ControlliCliente& k) {
            AltraPostazione(db.file()).esegui(u"DELETE FROM clienti WHERE idCli = 11"_s);
            seamModale::accoda([&](QWidget* f) {
                f->findChild<ComboDati*>(u"cmbModello"_s)->impostaValoreLegato(1);
                premi(f, u"cmConferma"_s);
                schedaProdottoAperta = f->isVisible();
                premi(f, u"cmdAnnulla"_s);
            });
            k.cmdAggiungi->click();
            k.cmdAnnulla->click();
        });
        QVERIFY(schedaProdottoAperta);
        QCOMPARE(seamMessaggi::testi(),
                 QStringList{u"Attenzione! il cliente non esiste più nell'archivio: è stato eliminato da un'altra "
                             "postazione.\r\nNulla è stato salvato."_s});
        QCOMPARE(seamMessaggi::mostrati().first().stile, stile::esclamazione);
        QCOMPARE(conta(u"SELECT count(*) FROM prodotti_ai_clienti"_s), 0);
    }

    void candidatiGenitore_data()
    {
        QTest::addColumn<QString>("opzione");
        QTest::addColumn<QStringList>("candidati");
        QTest::newRow("tenant") << u"optInquilino"_s << QStringList{u"CONDOMINIO - AURORA"_s, u"ROSSI - MARIO"_s};
        QTest::newRow("owner") << u"optProprietario"_s << QStringList{u"CONDOMINIO - AURORA"_s};
        QTest::newRow("group") << u"optGruppo"_s << QStringList{};
    }
    void candidatiGenitore()
    {
        QFETCH(QString, opzione);
        QFETCH(QStringList, candidati);
        DatabaseTest db;
        riempi();
        QStringList voci;
        bool vuota = false;
        nuovoCliente([&](ControlliCliente& k) {
            k.cmbAppartenenza->impostaValoreLegato(10);
            premi(k.forma, opzione);
            vuota = k.cmbAppartenenza->valoreLegato().isNull();
            k.cmbAppartenenza->showPopup();
            voci = vociCombo(k.cmbAppartenenza);
            k.cmbAppartenenza->hidePopup();
        });
        QVERIFY(vuota);
        QCOMPARE(voci, candidati);
    }

    // Clicking a parent shows its kind; a key blanks it; Delete drops the parent.
    void tipoDelGenitore()
    {
        DatabaseTest db;
        riempi();
        QStringList etichette;
        QVariant dopoCanc;
        nuovoCliente([&](ControlliCliente& k) {
            k.cmbAppartenenza->showPopup();
            k.cmbAppartenenza->hidePopup();
            k.cmbAppartenenza->setCurrentIndex(0);
            emit k.cmbAppartenenza->activated(0);
            etichette << k.lblTipo->text();
            QTest::keyClick(k.cmbAppartenenza, Qt::Key_Delete);
            etichette << k.lblTipo->text();
            dopoCanc = k.cmbAppartenenza->valoreLegato();
        });
        QCOMPARE(etichette, (QStringList{u"Gruppo"_s, QString()}));
        QVERIFY(dopoCanc.isNull());
    }

    // The notes buttons: the window's text comes back when confirmed, and the colours follow.
    void note()
    {
        DatabaseTest db;
        riempi();
        QColor pag, note;
        nuovoCliente([&](ControlliCliente& k) {
            k.txtCognome->setText(u"NERI"_s);
            seamModale::accoda([](QWidget* n) {
                n->findChild<QPlainTextEdit*>(u"txtTesto"_s)->setPlainText(u"paga a 30 giorni"_s);
                premi(n, u"cmdConferma"_s);
            });
            k.txtNotePagamento->click();
            seamModale::accoda([](QWidget* n) {
                n->findChild<QPlainTextEdit*>(u"txtTesto"_s)->setPlainText(u"non scritta"_s);
                premi(n, u"cmdAnnulla"_s);
            });
            k.cmdNoteUlteriori->click();
            pag = k.txtNotePagamento->palette().color(QPalette::Button);
            note = k.cmdNoteUlteriori->palette().color(QPalette::Button);
            k.cmdConferma->click();
        });
        QCOMPARE(seamModale::mostrate(), (QStringList{u"SCHEDA CLIENTE - NUOVO INSERIMENTO"_s, u"Note"_s, u"Note"_s}));
        QCOMPARE(pag, QColor(255, 0, 0));
        QVERIFY(note != QColor(0, 255, 255));
        QCOMPARE(riga(u"SELECT note_pag, note_cli FROM clienti WHERE idCli = 13"_s),
                 (QStringList{u"PAGA A 30 GIORNI"_s, u""_s}));
    }

    void nuovaZona()
    {
        DatabaseTest db;
        riempi();
        QVariant scelta;
        nuovoCliente([&](ControlliCliente& k) {
            seamModale::accoda([](QWidget* z) {
                z->findChild<QLineEdit*>(u"txtSigla"_s)->setText(u"S"_s);
                z->findChild<QLineEdit*>(u"txtDescrizione"_s)->setText(u"SUD"_s);
                premi(z, u"cmdOk"_s);
            });
            k.cmdNuovaZona->click();
            scelta = k.cmbZona->valoreLegato();
        });
        QCOMPARE(scelta, QVariant(conta(u"SELECT idZona FROM zone WHERE sigla_zona = 'S'"_s)));
        QVERIFY(!istanza<schZona>().caricata());
    }

    // F10 confirms and Esc cancels, on their release, whichever control has the focus.
    void tasti_data()
    {
        QTest::addColumn<int>("tasto");
        QTest::addColumn<bool>("confermata");
        QTest::newRow("F10") << int(Qt::Key_F10) << true;
        QTest::newRow("Esc") << int(Qt::Key_Escape) << false;
    }
    void tasti()
    {
        QFETCH(int, tasto);
        QFETCH(bool, confermata);
        DatabaseTest db;
        riempi();
        QCOMPARE(nuovoCliente([&](ControlliCliente& k) {
                     k.txtCognome->setText(u"GIALLI"_s);
                     k.txtCitta->setFocus();
                     QTest::keyClick(k.txtCitta, Qt::Key(tasto));
                 }),
                 confermata);
        QCOMPARE(conta(u"SELECT count(*) FROM clienti WHERE cognome = 'GIALLI'"_s), confermata ? 1 : 0);
    }

    // The counter skips a number used by a customer, or by appliances with no customer row.
    void numeroCliente_data()
    {
        QTest::addColumn<QString>("occupa");
        QTest::addColumn<long>("numero");
        QTest::newRow("free") << QString() << 13L;
        QTest::newRow("used by a customer") << u"INSERT INTO clienti (idCli, cognome) VALUES (13, 'X')"_s << 14L;
        QTest::newRow("used by orphan appliances")
            << u"INSERT INTO prodotti_ai_clienti (cod_cliente, cod_prodotto) VALUES (13, 0)"_s << 14L;
    }
    void numeroCliente()
    {
        QFETCH(QString, occupa);
        QFETCH(long, numero);
        DatabaseTest db;
        riempi();
        if (!occupa.isEmpty())
            connessione.esegui(occupa);
        nuovoCliente([](ControlliCliente& k) { k.cmdAnnulla->click(); });
        QCOMPARE(istanza<schCliente>().nIDcliente, numero);
        // A cancelled card uses its number up.
        nuovoCliente([](ControlliCliente& k) { k.cmdAnnulla->click(); });
        QCOMPARE(istanza<schCliente>().nIDcliente, numero + 1);
    }
};

CORVEXT_TEST_MAIN(TestSchedaCliente)
#include "test_scheda_cliente.moc"
