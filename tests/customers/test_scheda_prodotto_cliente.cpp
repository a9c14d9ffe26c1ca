#include "altra_postazione.h"
#include "ambiente_test.h"
#include "concorrenza_schede.h"
#include "customers/scheda_prodotto_cliente.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/connessione.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/data_opzionale.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include "supporto_finestre.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {
const QString colonne =
    u"cod_tecnico,cod_prodotto,cod_cliente,cod_installatore,cod_posizione,cod_tipo_abbonamento,vl_abb,data_abb,"
    u"rf_abb,sc_abb,matr_1,matr_2,cod_tipo_gas,codice_interno,data_coll,data_ins,num_rf,note_coll,dich_conf,"
    u"num_libr,data_lib,fumi,aria,dim_aria,crono,mm_man,aa_man,tstcmb,gasPropanoValvola,gasPropanoEntrata,"
    u"dataInstallazione,tipoScarico,tensione,consumoGas,primaVerifica,catAttesta,altroCatAttesta"_s;

QStringList rigaProdotto(qlonglong id)
{
    return riga(u"SELECT "_s + colonne + u" FROM prodotti_ai_clienti WHERE id_pro_cli = ?"_s, {id});
}

// Every row of the table, to see that nothing else changed.
QList<QStringList> tutte()
{
    QList<QStringList> r;
    for (qlonglong id : {1, 2, 3})
        r << rigaProdotto(id);
    return r;
}

ComboDati* cmb(QWidget* f, const QString& nome)
{
    return f->findChild<ComboDati*>(nome);
}
QLineEdit* txt(QWidget* f, const QString& nome)
{
    return f->findChild<QLineEdit*>(nome);
}
DataOpzionale* dtp(QWidget* f, const QString& nome)
{
    return f->findChild<DataOpzionale*>(nome);
}

// Every field of the card typed in as an operator would.
void compila(QWidget* f)
{
    cmb(f, u"cmbTipoProdotto"_s)->impostaValoreLegato(1);
    cmb(f, u"cmbMarcaProdotto"_s)->impostaValoreLegato(2);
    cmb(f, u"cmbModello"_s)->impostaValoreLegato(2);
    cmb(f, u"cmbPosizione"_s)->impostaValoreLegato(1);
    cmb(f, u"cmbTipoGas"_s)->impostaValoreLegato(1);
    cmb(f, u"cmbTecnico"_s)->impostaValoreLegato(1);
    cmb(f, u"cmbInstallatore"_s)->impostaValoreLegato(1);
    cmb(f, u"cmbTipoAbbonamento"_s)->impostaValoreLegato(1);
    txt(f, u"txtCosto"_s)->setText(u"12,50"_s);
    txt(f, u"txtNumRicevuta"_s)->setText(u"r1"_s);
    dtp(f, u"dtpDataStipulazione"_s)->impostaValore(QDate(2024, 3, 15));
    txt(f, u"txtMatricola1"_s)->setText(u"m1"_s);
    txt(f, u"txtMatricola2"_s)->setText(u"m2"_s);
    txt(f, u"txtCodiceInterno"_s)->setText(u"ci"_s);
    dtp(f, u"dtpDataCollaudo"_s)->impostaValore(QDate(2024, 4, 1));
    dtp(f, u"dtpDataInserimento"_s)->impostaValore(QDate(2024, 4, 2));
    txt(f, u"txtNumRf"_s)->setText(u"rf"_s);
    txt(f, u"txtNoteColli"_s)->setText(u"nota d'esempio"_s);
    f->findChild<QCheckBox*>(u"chkDichConf"_s)->setChecked(true);
    txt(f, u"txtNumLibretto"_s)->setText(u"nl"_s);
    dtp(f, u"dtpDataLibretto"_s)->impostaValore(QDate(2024, 4, 3));
    f->findChild<QCheckBox*>(u"chkFumi"_s)->setChecked(true);
    txt(f, u"txtDimAria"_s)->setText(u"12,5"_s);
    txt(f, u"txtCrono"_s)->setText(u"cr"_s);
    f->findChild<QComboBox*>(u"cmbMese"_s)->setCurrentIndex(11);
    txt(f, u"txtAnno"_s)->setText(u"2025"_s);
    dtp(f, u"dtpUltimaCombustione"_s)->impostaValore(QDate(2024, 4, 4));
}

// The first-ignition card's answers, given through its window.
void rispondiAccensione(QWidget* f)
{
    f->findChild<QRadioButton*>(u"optNoPressioneValvola"_s)->click();
    f->findChild<QRadioButton*>(u"optSiTensione"_s)->click();
    dtp(f, u"dtpDataInstallazione"_s)->impostaValore(QDate(2023, 5, 6));
    f->findChild<QComboBox*>(u"cmbTipoScarico"_s)->setCurrentIndex(1);
    f->findChild<QComboBox*>(u"cmbVerifica"_s)->setCurrentIndex(3);
    txt(f, u"txtAltroVerifica"_s)->setText(u"vedi nota"_s);
    premi(f, u"cmdOk"_s);
}

const QStringList rigaCompleta{
    u"1"_s,  u"2"_s,  u"1"_s,          u"1"_s,  u"1"_s,          u"1"_s,          u"12.5"_s,       u"2024-03-15"_s,
    u"R1"_s, u"2025-03-15"_s,          u"M1"_s, u"M2"_s,         u"1"_s,          u"CI"_s,         u"2024-04-01"_s,
    u"2024-04-02"_s,                   u"RF"_s, u"NOTA D'ESEMPIO"_s,                u"1"_s,          u"NL"_s,
    u"2024-04-03"_s,                   u"1"_s,  u"0"_s,          u"12"_s,         u"CR"_s,         u"12"_s,
    u"2025"_s, u"2024-04-04"_s,        u"0"_s,  u"-1"_s,         u"2023-05-06"_s, u"1"_s,          u"1"_s,
    u"-1"_s, u"-1"_s,                  u"3"_s,  u"VEDI NOTA"_s};
const QStringList rigaMinima{u"0"_s, u"1"_s, u"1"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, {}, {}, {}, {}, {}, u"0"_s,
                             {},     {},     {},     {},     {},     u"0"_s, {}, {}, u"0"_s, u"0"_s, u"0"_s, {},
                             u"0"_s, u"0"_s, {},     u"-1"_s, u"-1"_s, {}, u"-1"_s, u"-1"_s, u"-1"_s, u"-1"_s,
                             u"-1"_s, {}};
} // namespace

// The installed-appliance card: its row, its lists, its checks and its keys.
class TestSchedaProdottoCliente : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        db = std::make_unique<DatabaseTest>();
        impostaOrologio([] { return QDate(2025, 6, 10); });
        esegui(u"INSERT INTO clienti (idCli, cognome) VALUES (1, 'ROSSI'), (2, 'VERDI')"_s);
        esegui(u"INSERT INTO tipoProd (sigla_tipo_prodotto,tipo_nome,eliminato) VALUES "
               u"('C','CALDAIA',0),('B','BOILER',0),('V','VECCHIO',1)"_s);
        esegui(u"INSERT INTO marche (sigla_marca,marca,eliminato) VALUES ('BX','BAXI',0),('AR','ARISTON',0),"
               u"('CL','CLIMA',1)"_s);
        esegui(u"INSERT INTO prodotti (modello,cod_marca,cod_tipo_prodotto,eliminato) VALUES "
               u"('M10',1,1,0),('A20',2,1,0),('B30',3,2,0),('D50',1,1,1),('X1',2,2,0),('R1',1,3,0)"_s);
        esegui(u"INSERT INTO tecnici (sigla_tecnico,tecnico,eliminato) VALUES ('T1','ROSSI',0),('T2','BIANCHI',1)"_s);
        esegui(u"INSERT INTO installatori (nome_ins,eliminato) VALUES ('INST',0)"_s);
        esegui(u"INSERT INTO posizione (sigla_posizione,posizione,eliminato) VALUES ('CU','CUCINA',0),"
               u"('OL','VECCHIA',1)"_s);
        esegui(u"INSERT INTO tipogas (sigla_tipo_gas,tipogas,eliminato) VALUES ('M','METANO',0)"_s);
        esegui(u"INSERT INTO tipoabb (sigla_abbonamento,desc_abb,eliminato) VALUES ('A','ANNUALE',0)"_s);
    }
    void cleanup() { db.reset(); }

    // The insert and the update write the same 37 values from the same card, and a row
    // loaded and confirmed untouched is written back as it was.
    void rigaScrittaERiletta_data()
    {
        QTest::addColumn<bool>("completa");
        QTest::addColumn<QStringList>("attesa");
        QTest::addColumn<QString>("costoMostrato");
        QTest::newRow("every field") << true << rigaCompleta << u"12,5"_s;
        QTest::newRow("model only") << false << rigaMinima << u"0,00"_s;
    }
    void rigaScrittaERiletta()
    {
        QFETCH(bool, completa);
        QFETCH(QStringList, attesa);
        QFETCH(QString, costoMostrato);
        auto riempi = [completa](QWidget* f) {
            if (!completa) {
                cmb(f, u"cmbModello"_s)->impostaValoreLegato(1);
                premi(f, u"cmConferma"_s);
                return;
            }
            compila(f);
            seamModale::accoda(rispondiAccensione);
            premi(f, u"cmdDatiAccensione"_s);
            premi(f, u"cmConferma"_s);
        };
        if (!completa)
            attesa[1] = u"1"_s;
        QVERIFY(nuovo(riempi));
        QCOMPARE(rigaProdotto(1), attesa);

        // The same content typed over another appliance.
        QVERIFY(nuovo([](QWidget* f) {
            cmb(f, u"cmbModello"_s)->impostaValoreLegato(5);
            premi(f, u"cmConferma"_s);
        }));
        QVERIFY(modifica(2, riempi));
        QCOMPARE(rigaProdotto(2), attesa);

        QString mostrato;
        QVERIFY(modifica(1, [&](QWidget* f) {
            mostrato = txt(f, u"txtCosto"_s)->text();
            premi(f, u"cmConferma"_s);
        }));
        QCOMPARE(mostrato, costoMostrato);
        QCOMPARE(rigaProdotto(1), attesa);
        // Texts are '' and never Null.
        QCOMPARE(conta(u"SELECT count(*) FROM prodotti_ai_clienti WHERE matr_2 IS NULL OR altroCatAttesta IS NULL"_s), 0);
        // Only the serial typed over the second appliance was already on file.
        QCOMPARE(seamMessaggi::testi(), completa ? QStringList{u"MATRICOLA GIA' ESISTENTE"_s} : QStringList{});
    }

    // Retired rows, a month out of range and a diameter with decimals survive an untouched confirm.
    void valoriConservati()
    {
        esegui(u"INSERT INTO prodotti_ai_clienti (cod_cliente,cod_prodotto,cod_tecnico,cod_posizione,mm_man,"
               u"dim_aria,matr_1) VALUES (1,4,2,2,13,12.5,'abc')"_s);
        const QString sql = u"SELECT cod_prodotto, cod_tecnico, cod_posizione, mm_man, dim_aria FROM prodotti_ai_clienti"_s;
        const QStringList prima = riga(sql);
        QStringList visti;
        QVERIFY(modifica(1, [&](QWidget* f) {
            for (const QString& c : {u"cmbTipoProdotto"_s, u"cmbMarcaProdotto"_s, u"cmbModello"_s, u"cmbTecnico"_s,
                                     u"cmbPosizione"_s})
                visti << cmb(f, c)->currentText();
            visti << f->findChild<QComboBox*>(u"cmbMese"_s)->currentText() << txt(f, u"txtDimAria"_s)->text();
            premi(f, u"cmConferma"_s);
        }));
        QCOMPARE(visti, (QStringList{u"C - CALDAIA"_s, u"BX - BAXI"_s, u"D50 (eliminato)"_s, u"T2 - BIANCHI"_s,
                                     u"OL - VECCHIA (eliminato)"_s, QString(), u"12.5"_s}));
        QCOMPARE(riga(sql), prima);
        QCOMPARE(prima, (QStringList{u"4"_s, u"2"_s, u"2"_s, u"13"_s, u"12.5"_s}));
    }

    // A number the statement cannot take is refused with its message; nothing is written.
    void numeriRifiutati_data()
    {
        QTest::addColumn<QString>("casella");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("messaggioAtteso");
        QTest::newRow("hostile year") << u"txtAnno"_s << u"0 --"_s
                                      << u"Espressione non valida! inserire un anno numerico intero"_s;
        QTest::newRow("year with decimals") << u"txtAnno"_s << u"2024,5"_s
                                            << u"Espressione non valida! inserire un anno numerico intero"_s;
        QTest::newRow("pasted cost") << u"txtCosto"_s << u"12,5,1"_s << u"Espressione non valida, inserire un numero"_s;
        QTest::newRow("diameter") << u"txtDimAria"_s << u"dieci"_s
                                  << u"Espressione non valida! inserire un valore numerico"_s;
    }
    void numeriRifiutati()
    {
        QFETCH(QString, casella);
        QFETCH(QString, testo);
        QFETCH(QString, messaggioAtteso);
        for (int i = 0; i < 2; ++i)
            esegui(u"INSERT INTO prodotti_ai_clienti (cod_cliente,cod_prodotto,aa_man,matr_1) VALUES (1,1,2020,'S')"_s);
        const QList<QStringList> prima = tutte();
        bool aperta = false;
        bool focus = false;
        QVERIFY(!modifica(1, [&](QWidget* f) {
            txt(f, casella)->setText(testo);
            QTest::keyClick(txt(f, u"txtMatricola2"_s), Qt::Key_F10);
            aperta = f->isVisible();
            QCoreApplication::processEvents();
            focus = txt(f, casella)->hasFocus();
        }));
        QVERIFY(aperta);
        QVERIFY(focus);
        QCOMPARE(unicoMessaggio(), messaggioAtteso);
        QCOMPARE(seamMessaggi::mostrati().first().stile, stile::informazione);
        QCOMPARE(tutte(), prima);
    }

    // Leaving the cost or the diameter with a text that is not a number: its message, the focus
    // back in the box. The year is checked only at confirmation.
    void uscitaDallaCasella_data()
    {
        QTest::addColumn<QString>("casella");
        QTest::addColumn<QStringList>("messaggi");
        QTest::newRow("cost") << u"txtCosto"_s << QStringList{u"Espressione non valida, inserire un numero"_s};
        QTest::newRow("diameter") << u"txtDimAria"_s
                                  << QStringList{u"Espressione non valida! inserire un valore numerico"_s};
        QTest::newRow("year") << u"txtAnno"_s << QStringList{};
    }
    void uscitaDallaCasella()
    {
        QFETCH(QString, casella);
        QFETCH(QStringList, messaggi);
        QWidget* focale = nullptr;
        nuovo([&](QWidget* f) {
            f->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(f));
            txt(f, casella)->setText(u"1,2,3"_s);
            txt(f, casella)->setFocus(Qt::TabFocusReason);
            txt(f, u"txtCrono"_s)->setFocus(Qt::TabFocusReason);
            QCoreApplication::processEvents();
            focale = f->focusWidget();
        });
        QCOMPARE(seamMessaggi::testi(), messaggi);
        QCOMPARE(focale->objectName(), messaggi.isEmpty() ? u"txtCrono"_s : casella);
    }

    // A write the database refuses keeps the card open, unconfirmed.
    void scritturaRifiutata()
    {
        esegui(u"CREATE TRIGGER rifiuta BEFORE INSERT ON prodotti_ai_clienti BEGIN SELECT RAISE(ABORT,'no'); END"_s);
        bool aperta = false;
        schProdottoCliente& s = istanza<schProdottoCliente>();
        s.bConferma = true;
        QVERIFY(!nuovo([&](QWidget* f) {
            cmb(f, u"cmbModello"_s)->impostaValoreLegato(1);
            premi(f, u"cmConferma"_s);
            aperta = f->isVisible();
        }));
        QVERIFY(aperta);
        QCOMPARE(seamMessaggi::mostrati().size(), 1);
        QCOMPARE(conta(u"SELECT count(*) FROM prodotti_ai_clienti"_s), 0);
    }

    void modelloMancante()
    {
        QVERIFY(!nuovo([](QWidget* f) { premi(f, u"cmConferma"_s); }));
        QCOMPARE(unicoMessaggio(), u"Selezionare il modello"_s);
        QCOMPARE(seamMessaggi::mostrati().first().stile, stile::soloOK);
    }

    // A row whose model was removed cannot be loaded: the message, no card, and a card shown
    // anyway never writes over the row.
    void prodottoInesistente_data()
    {
        QTest::addColumn<qlonglong>("id");
        QTest::newRow("model removed") << 1LL;
        QTest::newRow("no such row") << 9LL;
    }
    void prodottoInesistente()
    {
        QFETCH(qlonglong, id);
        esegui(u"INSERT INTO prodotti_ai_clienti (cod_cliente,cod_prodotto,matr_1) VALUES (1,6,'S')"_s);
        esegui(u"DELETE FROM tipoProd WHERE idTpProd = 3"_s);
        const QList<QStringList> prima = tutte();
        schProdottoCliente& s = istanza<schProdottoCliente>();
        s.bConferma = true;
        s.nModalità = 1;
        s.carica();
        s.nIDcliente = 1;
        s.nIdProdotto = long(id);
        QVERIFY(!s.ripristinaProdotto());
        QVERIFY(!s.caricata());
        QVERIFY(!s.bConferma);
        QCOMPARE(unicoMessaggio(), u"Attenzione! il prodotto associato al cliente non esiste"_s);
        QCOMPARE(seamMessaggi::mostrati().first().stile, stile::informazione);

        seamModale::accoda([](QWidget* f) {
            cmb(f, u"cmbModello"_s)->impostaValoreLegato(1);
            premi(f, u"cmConferma"_s);
        });
        s.mostraModale();
        QVERIFY(!s.bConferma);
        QCOMPARE(tutte(), prima);
    }

    // Two workstations edit the same appliance: the second confirmation is told and chooses.
    void modificatoDaAltraPostazione_data()
    {
        QTest::addColumn<QString>("altra");
        QTest::addColumn<bool>("domanda");
        QTest::addColumn<bool>("sovrascrivi");
        QTest::addColumn<QStringList>("atteso"); // matr_2, crono
        const QString matricola = u"UPDATE prodotti_ai_clienti SET matr_2 = 'B2' WHERE id_pro_cli = 1"_s;
        QTest::newRow("nobody else touched it") << QString() << false << true << QStringList{u"M2"_s, u"CR"_s};
        QTest::newRow("a column the card does not write")
            << u"UPDATE prodotti_ai_clienti SET manutenzione = 'ORD-01/01/2025' WHERE id_pro_cli = 1"_s << false
            << true << QStringList{u"M2"_s, u"CR"_s};
        QTest::newRow("overwritten with the card") << matricola << true << true << QStringList{u"M2"_s, u"CR"_s};
        QTest::newRow("the other version kept") << matricola << true << false << QStringList{u"B2"_s, QString()};
    }
    void modificatoDaAltraPostazione()
    {
        QFETCH(QString, altra);
        QFETCH(bool, domanda);
        QFETCH(bool, sovrascrivi);
        QFETCH(QStringList, atteso);
        esegui(u"INSERT INTO prodotti_ai_clienti (cod_cliente, cod_prodotto, matr_2) VALUES (1, 1, 'M2')"_s);
        const ProvaConcorrenza prova{db->file(), altra, domanda, sovrascrivi};
        EsitoConcorrenza esito;
        const bool confermato = modifica(1, [&](QWidget* f) {
            txt(f, u"txtCrono"_s)->setText(u"cr"_s);
            esito = confermaConcorrente(
                prova, [f] { premi(f, u"cmConferma"_s); }, [f] { return f->isVisible(); },
                [f] { return QStringList{txt(f, u"txtMatricola2"_s)->text(), txt(f, u"txtCrono"_s)->text()}; });
        });
        QVERIFY(verificaConcorrenza(
            prova, esito, u"Attenzione! il prodotto è stato modificato da un'altra postazione dopo l'apertura della scheda."_s,
            atteso));
        QVERIFY(confermato);
        QCOMPARE(riga(u"SELECT matr_2, crono FROM prodotti_ai_clienti WHERE id_pro_cli = 1"_s), atteso);
    }

    // The serial is compared with the one loaded; the appliance itself is not a duplicate.
    void matricolaDuplicata_data()
    {
        QTest::addColumn<qlonglong>("id"); // 0 for a new appliance
        QTest::addColumn<QString>("matricola");
        QTest::addColumn<bool>("primaAccensione");
        QTest::addColumn<bool>("avviso");
        QTest::newRow("new, lower case") << 0LL << u"abc"_s << false << true;
        QTest::newRow("new, apostrophe") << 0LL << u"d'x"_s << false << true;
        QTest::newRow("new, after another window") << 0LL << u"abc"_s << true << true;
        QTest::newRow("new, empty") << 0LL << QString() << false << false;
        QTest::newRow("new, unknown") << 0LL << u"zzz"_s << false << false;
        QTest::newRow("modify, unchanged") << 1LL << u"ABC"_s << false << false;
        QTest::newRow("modify, own serial in lower case") << 1LL << u"abc"_s << false << false;
        QTest::newRow("modify, another's serial") << 2LL << u"abc"_s << false << true;
    }
    void matricolaDuplicata()
    {
        QFETCH(qlonglong, id);
        QFETCH(QString, matricola);
        QFETCH(bool, primaAccensione);
        QFETCH(bool, avviso);
        esegui(u"INSERT INTO prodotti_ai_clienti (cod_cliente,cod_prodotto,matr_1) VALUES "
               u"(1,1,'ABC'),(1,1,'XYZ'),(2,1,'D''X')"_s);
        // Cancel first: the card stays open with nothing saved; then OK saves.
        for (Risposta r : {Risposta::Annulla, Risposta::OK}) {
            seamMessaggi::azzera();
            seamMessaggi::rispondi(r);
            auto azione = [&](QWidget* f) {
                if (id == 0)
                    cmb(f, u"cmbModello"_s)->impostaValoreLegato(1);
                txt(f, u"txtMatricola1"_s)->setText(matricola);
                if (primaAccensione)
                    premi(f, u"cmdDatiAccensione"_s);
                premi(f, u"cmConferma"_s);
            };
            const bool confermato = id == 0 ? nuovo(azione) : modifica(id, azione);
            QCOMPARE(seamMessaggi::testi(), avviso ? QStringList{u"MATRICOLA GIA' ESISTENTE"_s} : QStringList{});
            if (avviso)
                QCOMPARE(seamMessaggi::mostrati().first().stile, stile::okAnnulla);
            QCOMPARE(confermato, !avviso || r == Risposta::OK);
            if (!avviso)
                break;
        }
        const QString cercata = matricola.isEmpty() ? QStringLiteral("") : matricola.toUpper();
        QCOMPARE(conta(u"SELECT count(*) FROM prodotti_ai_clienti WHERE matr_1 = ?"_s, {cercata}),
                 matricola.isEmpty() ? (id == 0 ? 1 : 0) : 1 + (avviso ? 1 : 0));
    }

    void cascata()
    {
        QStringList marche, modelli;
        QVERIFY(!nuovo([&](QWidget* f) {
            ComboDati* tipo = cmb(f, u"cmbTipoProdotto"_s);
            ComboDati* marca = cmb(f, u"cmbMarcaProdotto"_s);
            ComboDati* modello = cmb(f, u"cmbModello"_s);
            QCOMPARE(vociCombo(modello), (QStringList{u"A20"_s, u"B30"_s, u"M10"_s, u"R1"_s, u"X1"_s}));
            // A type: the brands with a model of that type, deleted ones too; its live models.
            tipo->impostaValoreLegato(2);
            QCOMPARE(vociCombo(marca), (QStringList{u"AR - ARISTON"_s, u"CL - CLIMA"_s}));
            QCOMPARE(vociCombo(modello), (QStringList{u"B30"_s, u"X1"_s}));
            marca->impostaValoreLegato(2);
            QCOMPARE(vociCombo(modello), QStringList{u"X1"_s});
            modello->setCurrentIndex(0);
            // Delete on the brand: the type's models, no model chosen.
            QTest::keyClick(marca, Qt::Key_Delete);
            QVERIFY(marca->valoreLegato().isNull());
            QCOMPARE(vociCombo(modello), (QStringList{u"B30"_s, u"X1"_s}));
            QVERIFY(modello->valoreLegato().isNull());
            // Delete on the type clears it alone.
            QTest::keyClick(tipo, Qt::Key_Delete);
            QVERIFY(tipo->valoreLegato().isNull());
            QCOMPARE(vociCombo(marca), (QStringList{u"AR - ARISTON"_s, u"CL - CLIMA"_s}));
            QCOMPARE(vociCombo(modello), (QStringList{u"B30"_s, u"X1"_s}));
            QCOMPARE(vociCombo(cmb(f, u"cmbTecnico"_s)), QStringList{u"T1 - ROSSI"_s});
            premi(f, u"cmdAnnulla"_s);
        }));
    }

    // The type, brand and model lists turn yellow with the focus, like the text boxes, and white again.
    void coloriFocus()
    {
        QStringList sbagliati;
        QVERIFY(!nuovo([&](QWidget* f) {
            f->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(f));
            for (const QString& nome : {u"cmbTipoProdotto"_s, u"cmbMarcaProdotto"_s, u"cmbModello"_s}) {
                ComboDati* lista = cmb(f, nome);
                lista->setFocus(Qt::TabFocusReason);
                const QColor conFocus = lista->grab().toImage().pixelColor(6, lista->height() / 2);
                txt(f, u"txtMatricola2"_s)->setFocus(Qt::TabFocusReason);
                const QColor senza = lista->grab().toImage().pixelColor(6, lista->height() / 2);
                const bool giallo = conFocus.red() > 220 && conFocus.green() > 220 && conFocus.blue() < 128;
                const bool bianco = senza.red() > 220 && senza.green() > 220 && senza.blue() > 220;
                if (!giallo || !bianco)
                    sbagliati << nome + u": "_s + conFocus.name() + u" / "_s + senza.name();
            }
            premi(f, u"cmdAnnulla"_s);
        }));
        QVERIFY2(sbagliati.isEmpty(), qPrintable(sbagliati.join(u", "_s)));
    }

    void scadenzaProposta_data()
    {
        QTest::addColumn<QDate>("stipulazione");
        QTest::addColumn<QDate>("scadenza");
        QTest::newRow("a year later") << QDate(2024, 3, 15) << QDate(2025, 3, 15);
        QTest::newRow("29 February") << QDate(2024, 2, 29) << QDate(2025, 2, 28);
        QTest::newRow("end of year") << QDate(2024, 12, 31) << QDate(2025, 12, 31);
    }
    void scadenzaProposta()
    {
        QFETCH(QDate, stipulazione);
        QFETCH(QDate, scadenza);
        QVERIFY(!nuovo([&](QWidget* f) {
            DataOpzionale* s = dtp(f, u"dtpDataStipulazione"_s);
            DataOpzionale* e = dtp(f, u"dtpDataScadenza"_s);
            QVERIFY(e->valore().isNull());
            s->impostaValore(stipulazione);
            QCOMPARE(e->valore(), QVariant(scadenza));
            // Unticking the stipulation leaves the expiry.
            s->impostaValore({});
            QCOMPARE(e->valore(), QVariant(scadenza));
        }));
    }

    // A quick-add chooses the row it added by its key; a new model brings its type and brand.
    void aggiunteRapide()
    {
        esegui(u"INSERT INTO prodotti_ai_clienti (cod_cliente,cod_prodotto,cod_tecnico) VALUES (1,2,2)"_s);
        QStringList scelti;
        QVERIFY(modifica(1, [&](QWidget* f) {
            seamModale::accoda([](QWidget* s) {
                txt(s, u"txtSiglaPosizione"_s)->setText(u"ba"_s);
                txt(s, u"txtNomePosizione"_s)->setText(u"bagno"_s);
                premi(s, u"cmdOk"_s);
            });
            premi(f, u"cmdNuovaPosizione"_s);
            scelti << cmb(f, u"cmbPosizione"_s)->currentText();
            seamModale::accoda([](QWidget* s) {
                txt(s, u"txtSigla"_s)->setText(u"t3"_s);
                txt(s, u"txtNome"_s)->setText(u"verdi"_s);
                premi(s, u"cmdOk"_s);
            });
            premi(f, u"cmdNuovoTecnico"_s);
            scelti << cmb(f, u"cmbTecnico"_s)->currentText();
            // Enabled technicians only, also when modifying.
            scelti << vociCombo(cmb(f, u"cmbTecnico"_s)).join(u'|');
            // A model named as an existing one: the new one is chosen, by its key.
            seamModale::accoda([](QWidget* s) {
                QCOMPARE(cmb(s, u"cmbMarca"_s)->currentText(), u"ARISTON"_s);
                QCOMPARE(cmb(s, u"cmbTipo"_s)->currentText(), u"CALDAIA"_s);
                txt(s, u"txtModello"_s)->setText(u"a20"_s);
                premi(s, u"cmdConferma"_s);
            });
            premi(f, u"cmdNuovaTipologia"_s);
            scelti << cmb(f, u"cmbTipoProdotto"_s)->currentText() << cmb(f, u"cmbMarcaProdotto"_s)->currentText()
                   << vociCombo(cmb(f, u"cmbModello"_s)).join(u'|');
            premi(f, u"cmConferma"_s);
        }));
        QCOMPARE(scelti, (QStringList{u"BA - BAGNO"_s, u"T3 - VERDI"_s, u"T1 - ROSSI|T3 - VERDI"_s, u"C - CALDAIA"_s,
                                      u"AR - ARISTON"_s, u"A20|A20"_s}));
        QCOMPARE(riga(u"SELECT cod_posizione, cod_tecnico, cod_prodotto FROM prodotti_ai_clienti"_s),
                 (QStringList{u"3"_s, u"3"_s, u"7"_s}));
    }

    // F10 and Esc act on their release, and only when the card saw the press.
    void tasti_data()
    {
        QTest::addColumn<int>("tasto");
        QTest::addColumn<bool>("conPressione");
        QTest::addColumn<bool>("confermato");
        QTest::addColumn<bool>("aperta");
        QTest::newRow("F10") << int(Qt::Key_F10) << true << true << false;
        QTest::newRow("Esc") << int(Qt::Key_Escape) << true << false << false;
        QTest::newRow("Esc released only") << int(Qt::Key_Escape) << false << false << true;
    }
    void tasti()
    {
        QFETCH(int, tasto);
        QFETCH(bool, conPressione);
        QFETCH(bool, confermato);
        QFETCH(bool, aperta);
        bool restaAperta = false;
        QCOMPARE(nuovo([&](QWidget* f) {
                     cmb(f, u"cmbModello"_s)->impostaValoreLegato(1);
                     QLineEdit* campo = txt(f, u"txtCrono"_s);
                     if (conPressione)
                         QTest::keyPress(campo, Qt::Key(tasto));
                     QTest::keyRelease(campo, Qt::Key(tasto));
                     restaAperta = f->isVisible();
                 }),
                 confermato);
        QCOMPARE(restaAperta, aperta);
        QCOMPARE(conta(u"SELECT count(*) FROM prodotti_ai_clienti"_s), confermato ? 1 : 0);
    }

    // Lists that cannot be read while another workstation holds the archive: one message, no
    // card, nothing written; once the archive is free the card opens with its lists.
    void archivioOccupato()
    {
        attesaBreve();
        AltraPostazione altra(db->file());
        altra.bloccaTutto();
        QVERIFY(!nuovo([](QWidget*) {}));
        altra.sblocca();
        QCOMPARE(seamMessaggi::mostrati().size(), 1);
        QVERIFY(seamModale::mostrate().isEmpty());
        QVERIFY(!istanza<schProdottoCliente>().caricata());
        QCOMPARE(altra.colonna(u"SELECT count(*) FROM prodotti_ai_clienti"_s), QStringList{u"0"_s});
        seamModale::azzera();
        int marche = 0;
        nuovo([&](QWidget* f) { marche = f->findChild<ComboDati*>(u"cmbMarcaProdotto"_s)->count(); });
        QCOMPARE(marche, 2);
    }

private:
    static void esegui(const QString& sql) { connessione.esegui(sql); }

    // Opens the card as the customer card does and returns its bConferma.
    static bool nuovo(std::function<void(QWidget*)> azione)
    {
        schProdottoCliente& s = istanza<schProdottoCliente>();
        s.nModalità = 0;
        s.carica();
        s.nIDcliente = 1;
        seamModale::accoda(std::move(azione));
        s.mostraModale();
        return s.bConferma;
    }
    static bool modifica(qlonglong id, std::function<void(QWidget*)> azione)
    {
        schProdottoCliente& s = istanza<schProdottoCliente>();
        s.nModalità = 1;
        s.carica();
        s.nIdProdotto = long(id);
        s.nIDcliente = connessione.apriAvanti(u"SELECT cod_cliente FROM prodotti_ai_clienti WHERE id_pro_cli = ?"_s, {id})
                           .campo(0)
                           .toInt();
        if (!s.ripristinaProdotto())
            return false;
        seamModale::accoda(std::move(azione));
        s.mostraModale();
        return s.bConferma;
    }

    std::unique_ptr<DatabaseTest> db;
};

CORVEXT_TEST_MAIN(TestSchedaProdottoCliente)
#include "test_scheda_prodotto_cliente.moc"
