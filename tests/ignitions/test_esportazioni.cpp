#include "ambiente_test.h"
#include "fixture_accensioni.h"
#include "ignitions/date_accensioni.h"
#include "ignitions/esportazione_excel.h"
#include "ignitions/sch_ex_dededod.h"
#include "ignitions/sch_ex_prime_accensioni.h"
#include "lettori_esterni.h"
#include "platform/db/connessione.h"
#include "platform/ui/campo_data.h"
#include "platform/ui/messaggi.h"
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;
using Celle = QMap<QString, QString>;

namespace {
const QDate primo(2005, 3, 1);
const QDate ultimo(2005, 3, 31);

// Two brands, one customer, an installer with company and name, one with the company only,
// a position and a gas supply; first ignitions of brand 1 that cover the value rules.
void fixture()
{
    inserisci(u"marche"_s, {{u"sigla_marca"_s, u"BX"_s}, {u"marca"_s, u"BAXI"_s}});
    inserisci(u"marche"_s, {{u"sigla_marca"_s, u"VL"_s}, {u"marca"_s, u"VAILLANT"_s}});
    inserisci(u"prodotti"_s, {{u"modello"_s, u"LUNA"_s}, {u"cod_marca"_s, 1}});
    inserisci(u"prodotti"_s, {{u"modello"_s, u"ECO"_s}, {u"cod_marca"_s, 2}});
    inserisci(u"clienti"_s, {{u"idCli"_s, 1}, {u"rag_soc"_s, u"ROSSI SNC"_s}, {u"cognome"_s, u"ROSSI"_s},
                             {u"nome"_s, u"ANNA"_s}, {u"indirizzo"_s, u"VIA ROMA 1"_s}, {u"citta"_s, u"ROMA"_s},
                             {u"cap"_s, u"00100"_s}, {u"pv"_s, u"RM"_s}, {u"tel_casa"_s, u"06123"_s},
                             {u"tel_cel"_s, u"333"_s}});
    inserisci(u"installatori"_s,
              {{u"ragionesociale_ins"_s, u"IDRO SRL"_s}, {u"nome_ins"_s, u"MARIO"_s}, {u"indirizzo_ins"_s, u"VIA PO"_s},
               {u"numero_ins"_s, u"12/3"_s}, {u"interno_ins"_s, u"B"_s}, {u"localita_ins"_s, u"TIVOLI"_s},
               {u"caplocalita_ins"_s, u"00019"_s}, {u"capcomune_ins"_s, u"00018"_s}, {u"provincia_ins"_s, u"RM"_s},
               {u"comune_ins"_s, u"GUIDONIA"_s}, {u"telefono_ins"_s, u"0774"_s}, {u"cellulare_ins"_s, u"347"_s},
               {u"email_ins"_s, u"a@b.it"_s}});
    inserisci(u"installatori"_s, {{u"ragionesociale_ins"_s, u"SOLO SRL"_s}});
    inserisci(u"posizione"_s, {{u"sigla_posizione"_s, u"INT"_s}});
    inserisci(u"tipogas"_s, {{u"sigla_tipo_gas"_s, u"MET"_s}});

    const auto accensione = [](const QString& matricola, QMap<QString, QVariant> campi) {
        campi.insert(u"matr_1"_s, matricola);
        campi.insert(u"cod_cliente"_s, 1);
        if (!campi.contains(u"cod_prodotto"_s))
            campi.insert(u"cod_prodotto"_s, 1);
        if (!campi.contains(u"data_coll"_s))
            campi.insert(u"data_coll"_s, QDate(2005, 3, 15));
        inserisci(u"prodotti_ai_clienti"_s, campi);
    };
    const auto risposte = [](const QVariant& v) {
        return QMap<QString, QVariant>{{u"gasPropanoValvola"_s, v}, {u"gasPropanoEntrata"_s, v}, {u"dich_conf"_s, v},
                                       {u"tensione"_s, v}, {u"consumoGas"_s, v}, {u"primaVerifica"_s, v},
                                       {u"tipoScarico"_s, v}, {u"catAttesta"_s, v}};
    };
    auto uno = risposte(1);
    uno.insert({{u"tipoScarico"_s, 0}, {u"catAttesta"_s, 0}, {u"cod_installatore"_s, 1}, {u"cod_posizione"_s, 1},
                {u"cod_tipo_gas"_s, 1}, {u"altroCatAttesta"_s, u"ALTRO"_s}, {u"note_coll"_s, u"NOTE"_s},
                {u"dataInstallazione"_s, QDate(2005, 2, 10)}, {u"data_coll"_s, primo}});
    accensione(u"UNO"_s, uno);
    auto zero = risposte(0);
    zero.insert({{u"tipoScarico"_s, 1}, {u"catAttesta"_s, 1}, {u"cod_installatore"_s, 2}, {u"data_coll"_s, ultimo}});
    accensione(u"ZERO"_s, zero);
    accensione(u"NULLI"_s, {{u"cod_installatore"_s, 0}, {u"cod_posizione"_s, 0}, {u"cod_tipo_gas"_s, 0}});
    accensione(u"MENO"_s, risposte(-1));
    for (const auto& [matricola, codice] : {std::pair{u"DUE"_s, 2}, {u"TRE"_s, 3}, {u"QUATTRO"_s, 4}})
        accensione(matricola, {{u"tipoScarico"_s, codice}, {u"catAttesta"_s, codice}});
    accensione(u"FUORI"_s, {{u"data_coll"_s, QDate(2005, 4, 1)}});
    accensione(u"ALTRA"_s, {{u"cod_prodotto"_s, 2}});
}

// The cells of a complete row: the customer, then "T" (the filled template's untouched cell)
// where a value rule writes nothing, unless the case says otherwise.
Celle completa(const QString& matricola, const Celle& diverse)
{
    Celle c = {{u"A"_s, u"ROSSI SNC"_s}, {u"B"_s, u"ROSSI"_s}, {u"C"_s, u"ANNA"_s}, {u"D"_s, u"VIA ROMA 1"_s},
               {u"G"_s, u"ROMA"_s}, {u"H"_s, u"00100"_s}, {u"K"_s, u"RM"_s}, {u"L"_s, u"06123"_s},
               {u"M"_s, u"333"_s}, {u"O"_s, u"T"_s}, {u"P"_s, u"T"_s}, {u"Q"_s, u"BAXI"_s}, {u"R"_s, matricola},
               {u"S"_s, u"LUNA"_s}, {u"AG"_s, u"T"_s}, {u"AH"_s, u"15/03/2005"_s}, {u"AJ"_s, u"T"_s},
               {u"AL"_s, u"T"_s}, {u"AM"_s, u"T"_s}, {u"AN"_s, u"T"_s}, {u"AO"_s, u"T"_s}};
    for (const QString& l : lettereTracciato())
        c.insert(l, c.value(l));
    c.insert(diverse);
    return c;
}

// The same row of the DUZ workbook: the customer, propane and installer cells untouched.
Celle duz(const Celle& completa)
{
    static const QStringList scritte = {u"Q"_s,  u"R"_s,  u"S"_s,  u"AF"_s, u"AG"_s, u"AH"_s, u"AI"_s, u"AJ"_s,
                                        u"AK"_s, u"AL"_s, u"AM"_s, u"AN"_s, u"AO"_s, u"AP"_s, u"AQ"_s};
    Celle c;
    for (const QString& l : lettereTracciato())
        c.insert(l, scritte.contains(l) ? completa.value(l) : u"T"_s);
    return c;
}

// The rows of the active sheet from row 2, by serial: column letters to text.
QMap<QString, Celle> righeLette(const QString& file)
{
    const LettoOpenpyxl letto = leggiConOpenpyxl(file);
    QMap<QString, Celle> righe;
    for (int r = 2; letto.valori.contains(u"R"_s + QString::number(r)); ++r) {
        Celle c;
        for (const QString& l : lettereTracciato())
            c.insert(l, letto.valori.value(l + QString::number(r)));
        righe.insert(c.value(u"R"_s), c);
    }
    return righe;
}

void esporta(FinestraEsportazione& w, QDate da = primo, QDate a = ultimo)
{
    w.controlli().dtpDataDa->setDate(da);
    w.controlli().dtpDataA->setDate(a);
    w.controlli().cmdEsporta->click();
}

void scegliMarca(schExPrimeAccensioni& w, const QString& voce)
{
    for (int i = 0; i < w.lstElencoMarche()->count(); ++i)
        if (w.lstElencoMarche()->item(i)->text() == voce)
            w.lstElencoMarche()->item(i)->setSelected(true);
}

QString file(const DatabaseTest& db, const QString& prefisso)
{
    return db.cartella() + u'/' + nomeFileEsportazione(prefisso, primo, ultimo);
}

// Imported first ignitions tested in March 2005, enough for a workbook many times the template's size.
void archiviate(int quante)
{
    connessione.esegui(u"INSERT INTO accensioniCAT (codCAT, codMov, cognome, matricola, dataCollaudo) "
                       "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i < %1) "
                       "SELECT 1, 1, 'COGNOME ' || i, 'M' || i, '2005-03-15' FROM n"_s.arg(quante));
}

// Every file of the folder, hidden ones too, in order.
QStringList fileDi(const QString& cartella)
{
    QStringList l = QDir(cartella).entryList(QDir::Files | QDir::Hidden | QDir::System);
    l.sort();
    return l;
}

// The files, in order, with one more.
QStringList conFile(QStringList file, const QString& nome)
{
    file << nome;
    file.sort();
    return file;
}

QString successo(const DatabaseTest& db, const QString& nome)
{
    return u"Esportazione avvenuta con successo...il file si trova nella cartella:\r\n"_s + db.cartella()
           + u" con il nome \r\n"_s + nome;
}
// The manufacturer's export of the rows of archiviate(500), run once more: it ends well, and
// the folder holds what it held before and the whole workbook.
void esportaIntero(const DatabaseTest& db, const QStringList& prima)
{
    const QString nome = nomeFileEsportazione(u"DEDEDOD da "_s, primo, ultimo);
    seamMessaggi::azzera();
    seamMessaggi::rispondi(Risposta::Si);
    esporta(istanza<schExDededod>());
    QCOMPARE(seamMessaggi::testi().last(), successo(db, nome));
    QCOMPARE(righeLette(db.cartella() + u'/' + nome).size(), 500);
    QCOMPARE(fileDi(db.cartella()), conFile(prima, nome));
}
} // namespace

class TestEsportazioni : public QObject {
    Q_OBJECT
private slots:
    void dataCompleta_data()
    {
        QTest::addColumn<QVariant>("valore");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("stored date") << QVariant(QDate(2005, 3, 1)) << u"01/03/2005"_s;
        QTest::newRow("stored date, two-digit day and month") << QVariant(QDate(1999, 12, 31)) << u"31/12/1999"_s;
        QTest::newRow("d/m/yyyy") << QVariant(u"1/3/2005"_s) << u"01/03/2005"_s;
        QTest::newRow("dd/MM/yyyy") << QVariant(u"01/03/2005"_s) << u"01/03/2005"_s;
        QTest::newRow("ISO") << QVariant(u"2005-03-01"_s) << u"01/03/2005"_s;
        QTest::newRow("day and month") << QVariant(u"12/3"_s) << QString();
        QTest::newRow("house number") << QVariant(u"3-4"_s) << QString();
        QTest::newRow("d-m-yyyy") << QVariant(u"31-03-2005"_s) << u"31/03/2005"_s;
        QTest::newRow("two-digit year") << QVariant(u"1/3/05"_s) << u"01/03/2005"_s;
        QTest::newRow("two-digit year, 1900s") << QVariant(u"1-3-45"_s) << u"01/03/1945"_s;
        QTest::newRow("trailing blank") << QVariant(u"05/03/2005 "_s) << u"05/03/2005"_s;
        QTest::newRow("blanks around") << QVariant(u" 1/3/2005 "_s) << u"01/03/2005"_s;
        QTest::newRow("mixed separators") << QVariant(u"1/3-2005"_s) << QString();
        QTest::newRow("three-digit year") << QVariant(u"1/3/205"_s) << QString();
        QTest::newRow("five-digit year") << QVariant(u"1/3/20055"_s) << QString();
        QTest::newRow("three-digit day") << QVariant(u"001/3/2005"_s) << QString();
        QTest::newRow("Arabic-Indic digits") << QVariant(u"١/٣/٢٠٠٥"_s) << QString();
        QTest::newRow("no such day") << QVariant(u"31/02/2005"_s) << QString();
        QTest::newRow("time") << QVariant(u"12:30"_s) << QString();
        QTest::newRow("Null") << QVariant() << QString();
        QTest::newRow("number") << QVariant(38412) << QString();
        QTest::newRow("number text") << QVariant(u"38412"_s) << QString();
    }
    void dataCompleta()
    {
        QFETCH(QVariant, valore);
        QFETCH(QString, atteso);
        QCOMPARE(testoData(::dataCompleta(valore)), atteso);
    }

    // Every cell of every row of the complete and of the DUZ workbook, as openpyxl reads them.
    void celle_data()
    {
        QTest::addColumn<bool>("rur");
        QTest::addColumn<QString>("matricola");
        QTest::addColumn<Celle>("attese");
        const QMap<QString, Celle> casi = {
            {u"UNO"_s,
             completa(u"UNO"_s,
                      {{u"O"_s, u"SI"_s}, {u"P"_s, u"SI"_s}, {u"T"_s, u"IDRO SRL MARIO"_s}, {u"U"_s, u"VIA PO"_s},
                       {u"V"_s, u"12/3"_s}, {u"W"_s, u"B"_s}, {u"X"_s, u"TIVOLI"_s}, {u"Y"_s, u"00019"_s},
                       {u"Z"_s, u"00018"_s}, {u"AA"_s, u"RM"_s}, {u"AB"_s, u"GUIDONIA"_s}, {u"AC"_s, u"0774"_s},
                       {u"AD"_s, u"347"_s}, {u"AE"_s, u"a@b.it"_s}, {u"AF"_s, u"10/02/2005"_s}, {u"AG"_s, u"SI"_s},
                       {u"AH"_s, u"01/03/2005"_s}, {u"AI"_s, u"INT"_s}, {u"AJ"_s, u"NATURALE"_s},
                       {u"AK"_s, u"MET"_s}, {u"AL"_s, u"SI"_s}, {u"AM"_s, u"SI"_s}, {u"AN"_s, u"SI"_s},
                       {u"AO"_s, u"libretto d'impianto"_s}, {u"AP"_s, u"ALTRO"_s}, {u"AQ"_s, u"NOTE"_s}})},
            {u"ZERO"_s,
             completa(u"ZERO"_s, {{u"O"_s, u"NO"_s}, {u"P"_s, u"NO"_s}, {u"T"_s, u"SOLO SRL"_s}, {u"AG"_s, u"NO"_s},
                                  {u"AH"_s, u"31/03/2005"_s}, {u"AJ"_s, u"COASSIALE"_s}, {u"AL"_s, u"NO"_s},
                                  {u"AM"_s, u"NO"_s}, {u"AN"_s, u"NO"_s}, {u"AO"_s, u"documento fiscale"_s}})},
            {u"NULLI"_s, completa(u"NULLI"_s, {})},
            // -1, a question left unanswered: an empty cell, but a declaration (AG) is a yes.
            {u"MENO"_s, completa(u"MENO"_s, {{u"O"_s, QString()}, {u"P"_s, QString()}, {u"AG"_s, u"SI"_s},
                                             {u"AJ"_s, QString()}, {u"AL"_s, QString()}, {u"AM"_s, QString()},
                                             {u"AN"_s, QString()}})},
            {u"DUE"_s, completa(u"DUE"_s, {{u"AJ"_s, u"SDOPPIATO"_s}, {u"AO"_s, u"matricola caldaia"_s}})},
            {u"TRE"_s, completa(u"TRE"_s, {{u"AJ"_s, u"FORZATO"_s}, {u"AO"_s, u"altro"_s}})},
            {u"QUATTRO"_s, completa(u"QUATTRO"_s, {{u"AJ"_s, QString()}})},
        };
        for (auto i = casi.begin(); i != casi.end(); ++i) {
            QTest::addRow("complete %s", qPrintable(i.key())) << false << i.key() << i.value();
            QTest::addRow("DUZ %s", qPrintable(i.key())) << true << i.key() << duz(i.value());
        }
    }
    void celle()
    {
        QFETCH(bool, rur);
        QFETCH(QString, matricola);
        QFETCH(Celle, attese);
        DatabaseTest db;
        fixture();
        preparaTemplate(db.cartella(), true);
        auto& w = istanza<schExPrimeAccensioni>();
        scegliMarca(w, u"BX - BAXI"_s);
        w.optRUR()->setChecked(rur);
        seamMessaggi::rispondi(Risposta::Si);
        esporta(w);
        const QMap<QString, Celle> righe = righeLette(file(db, rur ? u"DUZ da "_s : u"completa da "_s));
        QCOMPARE(righe.keys().size(), 7);
        QCOMPARE(righe.value(matricola), attese);
    }

    // Only the chosen brand, both ends of the range included; one file, rows counted, the messages.
    void selezioneEMessaggi()
    {
        DatabaseTest db;
        fixture();
        preparaTemplate(db.cartella());
        auto& w = istanza<schExPrimeAccensioni>();
        QCOMPARE(w.lstElencoMarche()->count(), 2);
        esporta(w);
        QVERIFY(seamMessaggi::testi().isEmpty()); // no brand: nothing happens

        scegliMarca(w, u"BX - BAXI"_s);
        scegliMarca(w, u"VL - VAILLANT"_s);
        QCOMPARE(w.componiSELECT(), u"SELECT * FROM primeAccensioni where (data_coll >=#3/1/2005# and "
                                    "data_coll <=#3/31/2005#) and idMarca in (1,2)"_s);
        seamMessaggi::rispondi(Risposta::No);
        esporta(w);
        QCOMPARE(seamMessaggi::testi(), QStringList{u"Verranno esportati nr:8 informazioni... proseguire?"_s});
        QVERIFY(QDir(db.cartella()).entryList({u"completa*"_s}).isEmpty());

        seamMessaggi::azzera();
        w.lstElencoMarche()->item(1)->setSelected(false);
        seamMessaggi::rispondi(Risposta::Si);
        esporta(w);
        const QString nome = nomeFileEsportazione(u"completa da "_s, primo, ultimo);
        QCOMPARE(nome, u"completa da 01-03-2005 a 31-03-2005.xlsx"_s);
        QCOMPARE(seamMessaggi::testi(),
                 QStringList({u"Verranno esportati nr:7 informazioni... proseguire?"_s, successo(db, nome)}));
        QCOMPARE(seamMessaggi::mostrati().last().stile, stile::esclamazione);
        QCOMPARE(w.controlli().lblNum->text(), u"7"_s);
        QVERIFY(w.controlli().cmdEsporta->isEnabled() && w.controlli().cmdAnnulla->isEnabled());
        QVERIFY(QDir(db.cartella()).entryList({u"DUZ*"_s}).isEmpty());

        // A range that holds nothing: nothing shown.
        seamMessaggi::azzera();
        esporta(w, ultimo, primo.addDays(-1));
        QVERIFY(seamMessaggi::testi().isEmpty());
    }

    // A file of the same name: Yes replaces it, No keeps it; one that cannot be deleted is kept too.
    void fileEsistente_data()
    {
        QTest::addColumn<Risposta>("risposta");
        QTest::addColumn<bool>("cartella");
        QTest::addColumn<QString>("esito");
        QTest::addColumn<bool>("sostituito");
        QTest::newRow("Yes") << Risposta::Si << false << u"Esportazione avvenuta"_s << true;
        QTest::newRow("No") << Risposta::No << false
                            << u"Procedura di stampa terminata per impossibilità dovuta alla non cancellazione del file "
                               "completa da 01-03-2005 a 31-03-2005.xlsx"_s
                            << false;
        QTest::newRow("Yes, cannot delete")
            << Risposta::Si << true
            << u"Impossibilità di aprire il file completa da 01-03-2005 a 31-03-2005.xlsx... procedura interrotta!"_s
            << false;
    }
    void fileEsistente()
    {
        QFETCH(Risposta, risposta);
        QFETCH(bool, cartella);
        QFETCH(QString, esito);
        QFETCH(bool, sostituito);
        DatabaseTest db;
        fixture();
        preparaTemplate(db.cartella());
        const QString vecchio = file(db, u"completa da "_s);
        if (cartella) {
            QVERIFY(QDir().mkpath(vecchio + u"/dentro"_s));
        } else {
            QFile f(vecchio);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("vecchio");
        }
        auto& w = istanza<schExPrimeAccensioni>();
        scegliMarca(w, u"BX - BAXI"_s);
        seamMessaggi::rispondi(Risposta::Si);
        seamMessaggi::rispondi(risposta);
        esporta(w);
        const QStringList testi = seamMessaggi::testi();
        QCOMPARE(testi.size(), 3);
        QCOMPARE(testi[1], u"Attenzione! la procedura per poter funzionare neccessità che non ci sia il file "
                           "completa da 01-03-2005 a 31-03-2005.xlsx nella cartella:"_s
                               + db.cartella()
                               + u"  ... procedere con l'eliminazione del file completa da 01-03-2005 a 31-03-2005.xlsx"_s);
        QCOMPARE(seamMessaggi::mostrati()[1].stile, stile::siNo | stile::domanda | stile::secondoPredefinito);
        QVERIFY2(testi[2].startsWith(esito), qPrintable(testi[2]));
        if (sostituito)
            QCOMPARE(righeLette(vecchio).size(), 7);
        else if (!cartella) {
            QFile f(vecchio);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), QByteArray("vecchio"));
        }
    }

    // With "RUR - DUZ" each workbook asks its own question: No to both writes nothing.
    void rurChiedePerOgniFile()
    {
        DatabaseTest db;
        fixture();
        preparaTemplate(db.cartella());
        for (const QString& p : {u"completa da "_s, u"DUZ da "_s}) {
            QFile f(file(db, p));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        auto& w = istanza<schExPrimeAccensioni>();
        scegliMarca(w, u"BX - BAXI"_s);
        w.optRUR()->setChecked(true);
        for (Risposta r : {Risposta::Si, Risposta::No, Risposta::OK, Risposta::No})
            seamMessaggi::rispondi(r);
        esporta(w);
        const QStringList testi = seamMessaggi::testi();
        QCOMPARE(testi.size(), 5);
        QVERIFY(testi[2].endsWith(u"completa da 01-03-2005 a 31-03-2005.xlsx"_s));
        QVERIFY(testi[4].endsWith(u"DUZ da 01-03-2005 a 31-03-2005.xlsx"_s));
    }

    void templateMancante()
    {
        DatabaseTest db;
        fixture();
        auto& w = istanza<schExPrimeAccensioni>();
        scegliMarca(w, u"BX - BAXI"_s);
        seamMessaggi::rispondi(Risposta::Si);
        esporta(w);
        const QStringList testi = seamMessaggi::testi();
        QCOMPARE(testi.size(), 3);
        QVERIFY(testi[1].startsWith(u"Attenzione! si è verificato il seguente errore: "_s));
        QCOMPARE(testi[2],
                 u"Impossibilità di aprire il file completa da 01-03-2005 a 31-03-2005.xlsx... procedura interrotta!"_s);
    }

    // LibreOffice reads the workbook we wrote: the headings and every cell as text.
    void apertoDaLibreOffice()
    {
        DatabaseTest db;
        fixture();
        preparaTemplate(db.cartella());
        auto& w = istanza<schExPrimeAccensioni>();
        scegliMarca(w, u"BX - BAXI"_s);
        seamMessaggi::rispondi(Risposta::Si);
        esporta(w);
        const QList<QStringList> righe = leggiConLibreOffice(file(db, u"completa da "_s), db.cartella());
        if (righe.isEmpty())
            QSKIP("LibreOffice is not installed");
        QCOMPARE(righe.size(), 8);
        QCOMPARE(righe[0].size(), 43);
        QCOMPARE(righe[0][17], u"Matricola"_s);
        const QMap<QString, Celle> attese = righeLette(file(db, u"completa da "_s));
        for (int r = 1; r < righe.size(); ++r) {
            const Celle c = attese.value(righe[r].value(17));
            QStringList l;
            for (const QString& lettera : lettereTracciato())
                l << c.value(lettera);
            QCOMPARE(righe[r], l);
        }
    }

    // An export is whole or absent. A write that fails (a file-size limit on the process
    // stands in for a full disk) leaves nothing under the export's name nor a copy of its own,
    // and the error box names the file; the next export, the limit gone, writes it whole.
    void scritturaFallita()
    {
        DatabaseTest db;
        preparaTemplate(db.cartella());
        archiviate(500);
        const QStringList prima = fileDi(db.cartella());
        const QString percorso = file(db, u"DEDEDOD da "_s);
        auto& w = istanza<schExDededod>();
        seamMessaggi::rispondi(Risposta::Si);
        rlimit limite{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &limite) == 0);
        const rlimit senza = limite;
        limite.rlim_cur = rlim_t(QFileInfo(db.cartella() + u"/template.xlsx"_s).size() + 2048);
        std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &limite) == 0);
        esporta(w);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &senza) == 0);
        std::signal(SIGXFSZ, SIG_DFL);

        const QStringList testi = seamMessaggi::testi();
        QCOMPARE(testi.size(), 2);
        QVERIFY2(testi[1].startsWith(u"Attenzione! si è verificato il seguente errore: "_s), qPrintable(testi[1]));
        QVERIFY2(testi[1].contains(percorso + u" non si può salvare"_s), qPrintable(testi[1]));
        QVERIFY2(testi[1].contains(u": il file non è stato scritto"_s), qPrintable(testi[1]));
        QVERIFY2(!testi[1].contains(u".esportazione"_s), qPrintable(testi[1]));
        QCOMPARE(fileDi(db.cartella()), prima);
        esportaIntero(db, prima);
    }

    // An export killed while it writes its rows leaves nothing under the export's name; the
    // next export removes what it left and writes the workbook whole.
    void arrestoImprovviso()
    {
        DatabaseTest db;
        preparaTemplate(db.cartella());
        archiviate(500);
        const QStringList prima = fileDi(db.cartella());
        QProcess figlio;
        figlio.start(QStringLiteral(FIGLIO_ESPORTAZIONE), {db.file(), db.cartella()});
        QVERIFY(figlio.waitForReadyRead(120000));
        QCOMPARE(QString::fromUtf8(figlio.readAllStandardOutput()).trimmed(), u"righe"_s);
        const QString lasciato = u".esportazione-in-corso-%1.tmp"_s.arg(figlio.processId());
        figlio.kill();
        QVERIFY(figlio.waitForFinished());
        QCOMPARE(fileDi(db.cartella()), conFile(prima, lasciato));
        esportaIntero(db, prima);
    }

    // The manufacturer's workbook: the archived rows of the range, column for column, whole
    // dates as dd/MM/yyyy and nothing else reformatted.
    void dededod()
    {
        DatabaseTest db;
        preparaTemplate(db.cartella());
        inserisci(u"accensioniCAT"_s,
                  {{u"codCAT"_s, 1}, {u"codMov"_s, 1}, {u"cognome"_s, u"ROSSI"_s}, {u"numero"_s, u"12/3"_s},
                   {u"interno"_s, u"3-4"_s}, {u"caplocalita"_s, u"00100"_s}, {u"colonnaI"_s, u"2005-03-04"_s},
                   {u"matricola"_s, u"M1"_s}, {u"dataInstallazione"_s, u"1-2-05 "_s}, {u"conformita"_s, u"SI"_s},
                   {u"telefono"_s, u"38442"_s},
                   {u"dataCollaudo"_s, QDate(2005, 3, 2)}, {u"tipoScarico"_s, u"NATURALE"_s}, {u"note"_s, u"12:30"_s}});
        inserisci(u"accensioniCAT"_s, {{u"matricola"_s, u"FUORI"_s}, {u"dataCollaudo"_s, QDate(2005, 4, 1)}});
        auto& w = istanza<schExDededod>();
        seamMessaggi::rispondi(Risposta::Si);
        esporta(w);
        QCOMPARE(seamMessaggi::testi().first(), u"Verranno esportati nr:1 informazioni... proseguire?"_s);
        const QMap<QString, Celle> righe = righeLette(file(db, u"DEDEDOD da "_s));
        QCOMPARE(righe.keys(), QStringList{u"M1"_s});
        Celle attese;
        for (const QString& l : lettereTracciato())
            attese.insert(l, QString());
        attese.insert({{u"B"_s, u"ROSSI"_s}, {u"E"_s, u"12/3"_s}, {u"F"_s, u"3-4"_s}, {u"H"_s, u"00100"_s},
                       {u"I"_s, u"04/03/2005"_s}, {u"L"_s, u"38442"_s}, {u"R"_s, u"M1"_s}, {u"AF"_s, u"01/02/2005"_s}, {u"AG"_s, u"SI"_s},
                       {u"AH"_s, u"02/03/2005"_s}, {u"AJ"_s, u"NATURALE"_s}, {u"AQ"_s, u"12:30"_s}});
        QCOMPARE(righe.value(u"M1"_s), attese);
    }
};

CORVEXT_TEST_MAIN(TestEsportazioni)
#include "test_esportazioni.moc"
