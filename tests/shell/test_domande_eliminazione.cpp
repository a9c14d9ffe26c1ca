#include "altra_postazione.h"
#include "ambiente_test.h"
#include "calls/frm_chiamata.h"
#include "customers/scheda_cliente.h"
#include "finestre_programma.h"
#include "ignitions/centri_cat.h"
#include "ignitions/esportazione_excel.h"
#include "ignitions/frm_storico_importazioni_cat.h"
#include "ignitions/sch_ex_prime_accensioni.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/connessione.h"
#include "platform/ui/campo_data.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include "registers/operatori/frm_operatori.h"
#include "registers/staff/ferie.h"
#include "registers/staff/festivita.h"
#include "registers/staff/installatori.h"
#include "registers/staff/materiali.h"
#include "registers/staff/prodotti.h"
#include "registers/staff/tecnici.h"
#include "registers/staff/zone_tecnici.h"
#include "registri_prova.h"
#include "search/scheda_ricerca.h"
#include "supporto_finestre.h"
#include <QFile>
#include <QListWidget>

using namespace Qt::StringLiterals;

namespace {
void riempi()
{
    for (const RegistroProva& r : registriProva())
        aggiungiRiga(r, u"X1"_s, u"X1"_s);
    for (const char* sql : {
             "INSERT INTO tecnici (idTecn, sigla_tecnico, tecnico) VALUES (1, 'R', 'ROSSI')",
             "INSERT INTO tecnici_per_zona (codTecnico, codZona) VALUES (1, 1)",
             "INSERT INTO installatori (nome_ins) VALUES ('IDRO')",
             "INSERT INTO ferie (ferieCodTecnico, ferieDataDa, ferieDataA) VALUES (1, '2026-08-10', '2026-08-11')",
             "INSERT INTO festivita (dataFestivita, desc_festivita) VALUES ('2026-08-15', 'FERRAGOSTO')",
             "INSERT INTO prodotti (idModello, modello, cod_marca, cod_tipo_prodotto) VALUES (1, 'LUNA', 1, 1)",
             "INSERT INTO materiali (idMat, mat_nome, cod_gruppo) VALUES (1, 'VALVOLA', 1)",
             "INSERT INTO operatori (opUser, opPassword, opTipo) VALUES ('AAA', 'X', 'OPERATORE')",
             "INSERT INTO CAT (idCAT, nomeCAT) VALUES (1, 'BETA'), (2, 'ZETA')",
             "INSERT INTO movImportazioniCAT (idMov, codCAT, dataImp) VALUES (1, 2, '2026-03-02')",
             "INSERT INTO accensioniCAT (codCAT, codMov) VALUES (2, 1)",
             "INSERT INTO clienti (idCli, cognome, nome) VALUES (1, 'ROSSI', 'MARIO'), (2, 'VERDI', 'LUCA')",
             "INSERT INTO prodotti_ai_clienti (id_pro_cli, cod_cliente, cod_prodotto, data_coll) VALUES "
             "(7, 1, 1, '2026-03-02'), (9, 2, 1, NULL)",
             "INSERT INTO chiamate (idChiamata, cod_cliente) VALUES (1, 1)",
             "INSERT INTO interventi (cod_chiamata, cod_tecnico, data_int, cod_stato_int) VALUES "
             "(1, 1, '2026-08-04', 'DA SVOLGERE')",
             "INSERT INTO prodotti_in_chiamata (idProdChiamata, cod_chiamata, cod_ch_prodotto) VALUES (1, 1, 7)",
             "INSERT INTO riscontro_su_prodotto (at_pr_codice, at_difetto) VALUES (1, 1)",
             "INSERT INTO attività_svolte (idAttivita, cod_prodotto, cod_operazione) VALUES (1, 1, 1)",
             "INSERT INTO matAtt (codAtt, codMat) VALUES (1, 1)",
             "UPDATE contatori SET chiamata = 1",
         })
        connessione.esegui(QString::fromUtf8(sql));
}

QString fileEsportato()
{
    return cartellaProgramma() + u'/' + nomeFileEsportazione(u"completa da "_s, QDate(2026, 3, 1), QDate(2026, 3, 31));
}

// What a deletion or an overwrite could take away: the rows of every table it touches, what
// another workstation wrote into a card's row, the export's file, and the call the planner
// deletes when the card asks it to.
QString stato()
{
    QStringList s;
    for (const RegistroProva& r : registriProva())
        s << QString::number(conta(u"SELECT count(*) FROM "_s + r.tabella
                                   + (r.conEliminato ? u" WHERE eliminato = 0"_s : QString())));
    for (const char* sql : {
             "SELECT count(*) FROM tecnici WHERE eliminato = 0", "SELECT count(*) FROM tecnici_per_zona",
             "SELECT count(*) FROM installatori WHERE eliminato = 0", "SELECT count(*) FROM ferie WHERE ferieEliminato = 0",
             "SELECT count(*) FROM festivita", "SELECT count(*) FROM prodotti WHERE eliminato = 0",
             "SELECT count(*) FROM materiali WHERE eliminato = 0", "SELECT count(*) FROM operatori",
             "SELECT count(*) FROM CAT", "SELECT count(*) FROM movImportazioniCAT", "SELECT count(*) FROM clienti",
             "SELECT count(*) FROM prodotti_ai_clienti", "SELECT count(*) FROM chiamate",
             "SELECT count(*) FROM prodotti_in_chiamata", "SELECT count(*) FROM riscontro_su_prodotto",
             "SELECT count(*) FROM attività_svolte", "SELECT count(*) FROM matAtt",
         })
        s << QString::number(conta(QString::fromUtf8(sql)));
    for (const char* sql : {
             "SELECT group_concat(nome) FROM clienti", "SELECT group_concat(matr_2) FROM prodotti_ai_clienti",
             "SELECT group_concat(note_int) FROM interventi",
         })
        s << riga(QString::fromUtf8(sql)).value(0);
    s << (QFile::exists(fileEsportato()) ? u"file"_s : u"no file"_s);
    s << (esisteIstanza<frmChiamata>() && istanza<frmChiamata>().bElimina ? u"call to delete"_s : QString());
    return s.join(u' ');
}

using Apri = std::function<QWidget*()>;

template <class T>
Apri elenco()
{
    return [] { return istanza<T>().forma(); };
}

Apri registro(const QString& nome)
{
    return [nome] { return registroProva(nome).elenco().forma(); };
}

QWidget* chiamata(int modalita)
{
    frmChiamata& s = istanza<frmChiamata>();
    s.nModalita = modalita;
    s.nIDcliente = modalita == 1 ? 1 : 2;
    s.strCliente = u"ROSSI MARIO"_s;
    s.carica();
    s.nIdChiamata = modalita == 1 ? 1 : s.incChiamata();
    s.riempiCombo();
    if (modalita == 1)
        s.predisponi();
    s.bElimina = false;
    return s.forma();
}

QWidget* cliente()
{
    schCliente& s = istanza<schCliente>();
    s.carica();
    s.nModalità = 1;
    s.ripristinaCliente(1);
    return s.forma();
}

QWidget* ricercaClienti()
{
    schRicCliente& s = istanza<schRicCliente>();
    s.carica();
    s.Ricerca();
    return s.forma();
}

// The export of March 2026 whose workbook is already in the program folder; its count is
// confirmed, so that the next question is about the file.
QWidget* esportazione()
{
    QFile f(fileEsportato());
    f.open(QIODevice::WriteOnly);
    schExPrimeAccensioni& s = istanza<schExPrimeAccensioni>();
    s.lstElencoMarche()->item(0)->setSelected(true);
    s.controlli().dtpDataDa->setDate(QDate(2026, 3, 1));
    s.controlli().dtpDataA->setDate(QDate(2026, 3, 31));
    seamMessaggi::rispondi(Risposta::Si);
    return s.forma();
}

void esegui(QWidget* f, const QString& comando)
{
    static const QMap<QString, Qt::Key> tasti = {
        {u"F7"_s, Qt::Key_F7}, {u"F8"_s, Qt::Key_F8}, {u"Esc"_s, Qt::Key_Escape}};
    if (tasti.contains(comando))
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : f, tasti[comando]);
    else
        premi(f, comando);
}
} // namespace

// Every question whose Yes deletes or overwrites opens on No: Enter destroys nothing.
class TestDomandeEliminazione : public QObject {
    Q_OBJECT

    std::unique_ptr<DatabaseTest> db;

private slots:
    void init()
    {
        db = std::make_unique<DatabaseTest>();
        impostaCartellaProgramma(db->cartella());
        riempi();
        seamMessaggi::azzera();
    }
    void cleanup()
    {
        rilasciaTutteLeFinestre();
        seamModale::azzera();
        seamMessaggi::azzera();
        impostaCartellaProgramma({});
        db.reset();
    }

    void apreSuNo_data()
    {
        QTest::addColumn<Apri>("apri");
        QTest::addColumn<QString>("comando"); // a key, or the button pressed
        QTest::addColumn<QString>("domanda");
        QTest::newRow("positions") << registro(u"posizioni"_s) << u"F7"_s << u"ELiminare il tipo di posizione:X1?"_s;
        QTest::newRow("zones") << registro(u"zone"_s) << u"F7"_s << u"ELiminare la zona:X1?"_s;
        QTest::newRow("product types") << registro(u"tipi prodotto"_s) << u"F7"_s
                                       << u"ELiminare il tipo di prodotto:X1?"_s;
        QTest::newRow("customer types") << registro(u"tipi cliente"_s) << u"F7"_s
                                        << u"ELiminare la tipologia di cliente:X1?"_s;
        QTest::newRow("subscription types") << registro(u"abbonamenti"_s) << u"F7"_s
                                            << u"ELiminare la tipologia di abbonamento:X1?"_s;
        QTest::newRow("brands") << registro(u"marche"_s) << u"F7"_s << u"ELiminare la marca:X1?"_s;
        QTest::newRow("activity types") << registro(u"attivita"_s) << u"F7"_s
                                        << u"ELiminare la tipologia di attività:X1?"_s;
        QTest::newRow("request types") << registro(u"richieste"_s) << u"F7"_s
                                       << u"ELiminare la tipologia di richiesta:1?"_s;
        QTest::newRow("intervention areas") << registro(u"aree intervento"_s) << u"F7"_s
                                            << u"ELiminare l'area di intervento:X1?"_s;
        QTest::newRow("defects") << registro(u"difetti"_s) << u"F7"_s << u"ELiminare il difetto:X1?"_s;
        QTest::newRow("gas supplies") << registro(u"alimentazioni"_s) << u"F7"_s << u"ELiminare la tipologia:X1?"_s;
        QTest::newRow("maintenance types") << registro(u"manutenzioni"_s) << u"F7"_s
                                           << u"ELiminare il tipo di manutenzione:X1?"_s;
        QTest::newRow("technicians") << elenco<frmTecnici>() << u"F7"_s << u"Eliminare il tecnico:ROSSI?"_s;
        QTest::newRow("installers") << elenco<frmInstallatori>() << u"F7"_s << u"ELiminare l'installatore:IDRO?"_s;
        QTest::newRow("technician zones") << elenco<frmZoneTecnici>() << u"F7"_s
                                          << u"ELiminare l'associazione:ROSSI-X1?"_s;
        QTest::newRow("leave") << elenco<frmFerie>() << u"F7"_s << u"ELiminare il periodo di ferie selezionato?"_s;
        QTest::newRow("holidays") << elenco<frmFestivita>() << u"F7"_s << u"ELiminare la festività selezionata ?"_s;
        QTest::newRow("models") << elenco<frmProdotti>() << u"F7"_s << u"ELiminare il modello:LUNA?"_s;
        QTest::newRow("materials") << elenco<frmMateriali>() << u"F7"_s << u"ELiminare il materiale:VALVOLA?"_s;
        QTest::newRow("operators") << elenco<frmOperatori>() << u"F7"_s << u"ELiminare l'operatore :AAA?"_s;
        QTest::newRow("service centres") << elenco<frmElencoCAT>() << u"F7"_s << u"ELiminare il CAT:BETA?"_s;
        QTest::newRow("import history") << elenco<frmStoricoImportazioniCAT>() << u"cmdElimina"_s
                                        << u"confermi l'eliminazione del movimento in data:02/03/2026?"_s;
        QTest::newRow("call, ELIMINA") << Apri([] { return chiamata(1); }) << u"F8"_s
                                       << u"Confermare l'eliminazione dell'appuntamento ?"_s;
        QTest::newRow("new call, ANNULLA")
            << Apri([] { return chiamata(0); }) << u"Esc"_s
            << u"Attenzione! annullando verranno persi i dati raccolti in questa chiamata... continuare ?"_s;
        QTest::newRow("return report, defect") << Apri(rientroChiamataUno) << u"cmdRimuoviDifetto"_s
                                               << u"Eliminare il difetto riscontrato ?"_s;
        QTest::newRow("return report, activity") << Apri(rientroChiamataUno) << u"cmdRimuoviAttivita"_s
                                                 << u"Eliminare l'azione effettuata ?"_s;
        QTest::newRow("return report, material") << Apri(rientroChiamataUno) << u"cmdRimuoviMateriale"_s
                                                 << u"Eliminare materiale selezionato ?"_s;
        QTest::newRow("export, the existing file")
            << Apri(esportazione) << u"cmdEsporta"_s
            << u"Attenzione! la procedura per poter funzionare neccessità che non ci sia il file "_s
                   + nomeFileEsportazione(u"completa da "_s, QDate(2026, 3, 1), QDate(2026, 3, 31))
                   + u" nella cartella:"_s + u"%1  ... procedere con l'eliminazione del file "_s
                   + nomeFileEsportazione(u"completa da "_s, QDate(2026, 3, 1), QDate(2026, 3, 31));
        QTest::newRow("customer card, appliance")
            << Apri(cliente) << u"F8"_s
            << u"Questa operazione eliminerà il prodotto e tutti gli interventi ad esso collegati.\r\n"
               "Confermi l'operazione ?"_s;
        QTest::newRow("search, customer")
            << Apri(ricercaClienti) << u"F8"_s
            << u"Confermare l'eliminazione del cliente:ROSSI MARIO\r\nTale operazione cancellerà anche tutte le "
               "informazioni correlate a tale cliente quali:\r\n\r\n- Chiamate ed interventi\r\n-  Prodotti e "
               "Manutenzioni\r\nProcedere con l'eliminazione del cliente ?"_s;
        // Another workstation wrote the card's row after the card loaded it.
        const auto dopo = [this](Apri apri, const char* sql) {
            return Apri([this, apri, sql] {
                QWidget* f = apri();
                AltraPostazione(db->file()).esegui(QString::fromUtf8(sql));
                return f;
            });
        };
        const QString sovrascrivere = u"\r\nSovrascrivere con i dati di questa scheda?\r\nSì: salva i dati mostrati.\r\n"
                                      "No: mantiene la versione dell'altra postazione, che la scheda mostrerà."_s;
        QTest::newRow("call, another workstation's version")
            << dopo([] { return chiamata(1); }, "UPDATE interventi SET note_int = 'DA B' WHERE cod_chiamata = 1")
            << u"cmdConferma"_s
            << u"Attenzione! la chiamata è stata modificata da un'altra postazione dopo l'apertura della scheda."_s
                   + sovrascrivere;
        QTest::newRow("customer card, another workstation's version")
            << dopo(cliente, "UPDATE clienti SET nome = 'ANAME' WHERE idCli = 1") << u"cmdConferma"_s
            << u"Attenzione! il cliente è stato modificato da un'altra postazione dopo l'apertura della scheda."_s
                   + sovrascrivere;
        QTest::newRow("appliance card, another workstation's version")
            << dopo(prodottoSetteClienteUno, "UPDATE prodotti_ai_clienti SET matr_2 = 'B2' WHERE id_pro_cli = 7")
            << u"cmConferma"_s
            << u"Attenzione! il prodotto è stato modificato da un'altra postazione dopo l'apertura della scheda."_s
                   + sovrascrivere;
    }
    void apreSuNo()
    {
        QFETCH(Apri, apri);
        QFETCH(QString, comando);
        QFETCH(QString, domanda);
        domanda.replace(u"%1"_s, cartellaProgramma());
        QWidget* f = apri();
        f->show();
        QVERIFY(QTest::qWaitForWindowActive(f));
        const QString prima = stato();
        esegui(f, comando);
        const auto& m = seamMessaggi::mostrati();
        const auto d = std::find_if(m.begin(), m.end(), [&](const auto& x) { return x.testo == domanda; });
        QVERIFY2(d != m.end(), qPrintable(seamMessaggi::testi().join(u" | "_s)));
        QCOMPARE(d->predefinita, Risposta::No);
        QCOMPARE(stato(), prima);
    }
};

CORVEXT_TEST_MAIN(TestDomandeEliminazione)
#include "test_domande_eliminazione.moc"
