// The first-ignition windows at the size of a large centre: importing a workbook of 10,000
// rows (one in ten a serial already archived) against 150,000 and 1,500,000 archived serials,
// the second once more after another ODBC tool wrote 10,000 rows of serials the import must
// fold first (accented: none folded by the schema's triggers), and exporting 10,000 first
// ignitions (430,000 cells). Both through their windows, offscreen, the progress label
// repainted as the window does it.
// The import's limit: the same workbook's sheet streamed by expat (a parser not ours) as libzip
// inflates it, each row's serial folded as the import folds it and looked up, and the row
// stored through the SQLite C API (one prepared lookup, one prepared insert per table), all in
// one transaction. Each run starts from a fresh copy of the seeded archive; seeding and
// copying are outside the timing.
// The export's limit: the queries the export ran, every row stepped through the SQLite C API,
// and the rows of the one that gives the layout's fields written as they come, each cell by its
// column's rule, into the template's sheet by a plain loop, deflated by libzip at our level
// (libro_essenziale.h); the rows it writes are checked to be the export's.
// Then the memory of an import of 50,000 rows: each in a process of its own, the peak of
// the program's process and of its reading process, for the workbook as our writer, as
// LibreOffice's .xlsx (shared strings) and as LibreOffice's .xls hold it.
#include "ambiente_test.h"
#include "fixture_accensioni.h"
#include "foglio_expat.h"
#include "istruzioni_eseguite.h"
#include "lettura_sqlite.h"
#include "libro_essenziale.h"
#include "ignitions/esportazione_excel.h"
#include "ignitions/frm_importa_accensioni_cat.h"
#include "ignitions/sch_ex_prime_accensioni.h"
#include "ignitions/tracciato_accensioni.h"
#include "misure.h"
#include "picchi_memoria.h"
#include "platform/db/connessione.h"
#include "platform/db/testi_sql.h"
#include "platform/ui/campo_data.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/forma_dialogo.h"
#include "platform/ui/messaggi.h"
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>
#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace {
constexpr int righe = 10000;
constexpr int nuove = righe * 9 / 10;

// N numbers from 1, for INSERT ... SELECT.
QString numeri(int n)
{
    return u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i < %1) "_s.arg(n);
}

// Milliseconds per run of each measure, by its name.
QMap<QString, QList<double>>& tempi()
{
    static QMap<QString, QList<double>> t;
    return t;
}

// A centre's workbook of that many rows of 43 columns, with each row's serial.
void libroDelCentro(const QString& file, int righe, const std::function<QString(int)>& matricola)
{
    QList<QMap<QString, QString>> foglio;
    const QStringList lettere = lettereTracciato();
    for (int r = 0; r < righe; ++r) {
        QMap<QString, QString> riga;
        for (const QString& l : lettere)
            riga.insert(l, u"VALORE %1 %2"_s.arg(r).arg(l));
        riga[u"R"_s] = matricola(r);
        riga[u"AH"_s] = u"01/03/2005"_s;
        foglio << riga;
    }
    creaLibro(file, foglio);
}

// A seeded archive and the workbook of the import, made once for each size; the archive again
// with the rows of another tool.
struct Carico {
    QTemporaryDir cartella;
    QString archivio;
    QString conAltroStrumento;
    QString libro;
};

// Another ODBC tool's rows: through the SQLite C API, with none of the program's functions.
void scriviComeAltroStrumento(const QString& file)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(file).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    const QByteArray sql = (u"INSERT INTO accensioniCAT (codCAT, codMov, cognome, matricola, dataCollaudo) "_s
                            + numeri(righe) + u"SELECT 1, 1, 'ALTRO ' || i, 'àltra' || i, '2005-01-01' FROM n"_s)
                               .toUtf8();
    if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        qFatal("another tool's rows: %s", sqlite3_errmsg(db));
    sqlite3_close(db);
}

Carico& carico(int archiviate)
{
    static QMap<int, Carico*> carichi;
    if (Carico* c = carichi.value(archiviate))
        return *c;
    auto* c = new Carico;
    carichi.insert(archiviate, c);
    {
        DatabaseTest db;
        inserisci(u"CAT"_s, {{u"nomeCAT"_s, u"ALFA"_s}});
        inserisci(u"movImportazioniCAT"_s, {{u"idMov"_s, 1}, {u"codCAT"_s, 1}, {u"dataImp"_s, QDate(2005, 1, 1)},
                                            {u"esitoImportazione"_s, u"CONCLUSA POSITIVAMENTE"_s}});
        connessione.esegui(u"INSERT INTO accensioniCAT (codCAT, codMov, cognome, matricola, dataCollaudo) "_s
                           + numeri(archiviate) + u"SELECT 1, 1, 'COGNOME ' || i, 'ARC' || i, '2005-01-01' FROM n"_s);
        c->libro = c->cartella.path() + u"/grande.xlsx"_s;
        libroDelCentro(c->libro, righe, [](int r) { return r % 10 == 0 ? u"arc%1"_s.arg(r * 7 + 1) : u"NUOVA%1"_s.arg(r); });
        connessione.chiudi();
        c->archivio = c->cartella.path() + u"/archivio.db"_s;
        QFile::copy(db.file(), c->archivio);
        c->conAltroStrumento = c->cartella.path() + u"/altro_strumento.db"_s;
        QFile::copy(db.file(), c->conAltroStrumento);
        scriviComeAltroStrumento(c->conAltroStrumento);
    }
    return *c;
}

// A fresh copy of a seeded archive, for one run.
QString copiaFresca(const Carico& c, const QString& archivio)
{
    const QString file = c.cartella.path() + u"/corsa.db"_s;
    QFile::remove(file);
    QFile::copy(archivio, file);
    return file;
}

void importazione(benchmark::State& s, int archiviate, bool altroStrumento)
{
    Carico& c = carico(archiviate);
    const QString misura = altroStrumento ? u"other tool %1"_s.arg(archiviate) : u"ours %1"_s.arg(archiviate);
    DatabaseTest db;
    auto& w = istanza<frmImportaAccensioniCAT>();
    w.controlli().forma->show();
    for (auto _ : s) {
        connessione.apriFile(copiaFresca(c, altroStrumento ? c.conAltroStrumento : c.archivio));
        w.riempiCAT();
        w.controlli().cmbCAT->impostaValoreLegato(1);
        w.controlli().txtNomeFile->setText(c.libro);
        seamMessaggi::azzera();
        QElapsedTimer t;
        t.start();
        w.controlli().cmdImporta->click();
        const double durata = ms(t);
        s.SetIterationTime(durata / 1000);
        tempi()[misura] << durata;
        if (connessione.apriAvanti(u"SELECT count(*) FROM accensioniCAT WHERE codMov = 2"_s).campo(0).toInt() != nuove
            || connessione.apriAvanti(u"SELECT count(*) FROM accensioniDoppie WHERE codMov = 2"_s).campo(0).toInt()
                   != righe - nuove
            || connessione.apriAvanti(u"SELECT count(*) FROM matricoleArchiviate WHERE matricolaDaContr = 'ÀLTRA7'"_s)
                       .campo(0)
                       .toInt()
                   != int(altroStrumento))
            s.SkipWithError("not the described workload");
    }
}

// The limit: see the top of the file.
void limite(benchmark::State& s, int archiviate)
{
    Carico& c = carico(archiviate);
    const QStringList lettere = lettereTracciato();
    const QString segnaposti = QStringList(lettere.size() + 2, u"?"_s).join(u',');
    const QByteArray buona = (u"INSERT INTO accensioniCAT VALUES (NULL,"_s + segnaposti + u")"_s).toUtf8();
    const QByteArray doppia = (u"INSERT INTO accensioniDoppie VALUES (NULL,?,"_s + segnaposti + u")"_s).toUtf8();
    for (auto _ : s) {
        const QByteArray file = QFile::encodeName(copiaFresca(c, c.archivio));
        QElapsedTimer t;
        t.start();
        sqlite3* db = nullptr;
        sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        sqlite3_stmt *cerca = nullptr, *nuova = nullptr, *ripetuta = nullptr;
        sqlite3_prepare_v2(db,
                           "SELECT idPrimaAccensione FROM matricoleArchiviate WHERE matricolaDaContr = ? "
                           "ORDER BY idPrimaAccensione LIMIT 1",
                           -1, &cerca, nullptr);
        sqlite3_prepare_v2(db, buona.constData(), -1, &nuova, nullptr);
        sqlite3_prepare_v2(db, doppia.constData(), -1, &ripetuta, nullptr);
        const int matricola = int(lettere.indexOf(u"R"_s));
        int doppie = 0;
        FoglioExpat::leggi(c.libro, [&](int numero, const std::vector<std::string>& celle) {
            if (numero < 2)
                return;
            static const std::string vuota;
            const auto cella = [&](qsizetype i) -> const std::string& {
                return i < qsizetype(celle.size()) ? celle[std::size_t(i)] : vuota;
            };
            const QByteArray piegata = maiuscolo(QString::fromStdString(cella(matricola))).trimmed().toUtf8();
            sqlite3_bind_text(cerca, 1, piegata.constData(), int(piegata.size()), SQLITE_STATIC);
            const bool trovata = sqlite3_step(cerca) == SQLITE_ROW;
            const qint64 riferimento = trovata ? sqlite3_column_int64(cerca, 0) : 0;
            sqlite3_reset(cerca);
            sqlite3_stmt* st = trovata ? ripetuta : nuova;
            int p = 1;
            if (trovata)
                sqlite3_bind_int64(st, p++, riferimento);
            sqlite3_bind_int(st, p++, 1);
            sqlite3_bind_int(st, p++, 2);
            for (qsizetype l = 0; l < lettere.size(); ++l) {
                const std::string& v = cella(l);
                sqlite3_bind_text(st, p++, v.data(), int(v.size()), SQLITE_STATIC);
            }
            sqlite3_step(st);
            sqlite3_reset(st);
            doppie += trovata;
        });
        for (sqlite3_stmt* st : {cerca, nuova, ripetuta})
            sqlite3_finalize(st);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        const double durata = ms(t);
        s.SetIterationTime(durata / 1000);
        tempi()[u"limit %1"_s.arg(archiviate)] << durata;
        if (doppie != righe - nuove)
            s.SkipWithError("not the described workload");
    }
}

// A column's text as SQLite holds it; Null empty.
std::string_view testoSqlite(sqlite3_stmt* st, int colonna)
{
    const auto* testo = reinterpret_cast<const char*>(sqlite3_column_text(st, colonna));
    return testo ? std::string_view(testo, std::size_t(sqlite3_column_bytes(st, colonna))) : std::string_view();
}

// The layout's fields among the statement's columns, A first (-1 for an empty column; the
// installer's name last); none when the statement lacks one of them.
std::vector<int> campiTracciato(sqlite3_stmt* st)
{
    const auto posto = [st](const QString& campo) {
        for (int i = 0; i < sqlite3_column_count(st); ++i)
            if (campo.compare(QString::fromUtf8(sqlite3_column_name(st, i)), Qt::CaseInsensitive) == 0)
                return i;
        return -2;
    };
    std::vector<int> campi;
    for (const ColonnaTracciato& c : colonneTracciatoAccensioni())
        campi.push_back(c.campo.isEmpty() ? -1 : posto(c.campo));
    campi.push_back(posto(u"nome_ins"_s));
    return std::find(campi.begin(), campi.end(), -2) == campi.end() ? campi : std::vector<int>();
}

// The row's cells by the layout's rules, straight from the statement.
void celleTracciato(sqlite3_stmt* st, const std::vector<int>& campi, LibroEssenziale& libro, std::string& installatore)
{
    static constexpr std::string_view scarichi[] = {"NATURALE", "COASSIALE", "SDOPPIATO", "FORZATO"};
    static constexpr std::string_view mezzi[] = {"libretto d'impianto", "documento fiscale", "matricola caldaia", "altro"};
    libro.riga();
    for (std::size_t c = 0; c < std::size_t(colonneTracciato); ++c) {
        const int i = campi[c];
        const RegolaTracciato regola = colonneTracciatoAccensioni()[c].regola;
        const bool nullo = i < 0 || sqlite3_column_type(st, i) == SQLITE_NULL;
        switch (regola) {
        case RegolaTracciato::vuota:
            break;
        case RegolaTracciato::semplice:
            libro.cella(c, testoSqlite(st, i));
            break;
        case RegolaTracciato::risposta:
        case RegolaTracciato::siNo: {
            const sqlite3_int64 codice = nullo ? 0 : sqlite3_column_int64(st, i);
            // An unanswered question (-1) is no "SI".
            if (!nullo && !(regola == RegolaTracciato::risposta && codice == -1))
                libro.cella(c, codice == 0 ? "NO" : "SI");
            break;
        }
        case RegolaTracciato::data: {
            const std::string_view d = testoSqlite(st, i);
            if (d.size() != 10 || d[4] != '-' || d[7] != '-') {
                libro.cella(c, d);
                break;
            }
            const char testo[10] = {d[8], d[9], '/', d[5], d[6], '/', d[0], d[1], d[2], d[3]};
            libro.cella(c, std::string_view(testo, 10));
            break;
        }
        case RegolaTracciato::installatore: {
            installatore.assign(testoSqlite(st, i));
            installatore += ' ';
            installatore += testoSqlite(st, campi.back());
            const std::size_t inizio = installatore.find_first_not_of(" \t\r\n");
            if (inizio != std::string::npos)
                libro.cella(c, std::string_view(installatore).substr(inizio, installatore.find_last_not_of(" \t\r\n") + 1 - inizio));
            break;
        }
        case RegolaTracciato::scarico:
        case RegolaTracciato::attesta: {
            const sqlite3_int64 codice = nullo ? -1 : sqlite3_column_int64(st, i);
            if (codice >= 0 && codice < 4)
                libro.cella(c, (regola == RegolaTracciato::scarico ? scarichi : mezzi)[codice]);
            break;
        }
        }
    }
}

void esportazione(benchmark::State& s)
{
    DatabaseTest db;
    preparaTemplate(db.cartella());
    inserisci(u"marche"_s, {{u"sigla_marca"_s, u"BX"_s}, {u"marca"_s, u"BAXI"_s}});
    inserisci(u"prodotti"_s, {{u"modello"_s, u"LUNA"_s}, {u"cod_marca"_s, 1}});
    inserisci(u"installatori"_s, {{u"ragionesociale_ins"_s, u"IDRO SRL"_s}, {u"nome_ins"_s, u"MARIO"_s},
                                  {u"indirizzo_ins"_s, u"VIA PO 1"_s}, {u"localita_ins"_s, u"TIVOLI"_s}});
    inserisci(u"posizione"_s, {{u"sigla_posizione"_s, u"INT"_s}});
    inserisci(u"tipogas"_s, {{u"sigla_tipo_gas"_s, u"MET"_s}});
    connessione.esegui(u"INSERT INTO clienti (idCli, rag_soc, cognome, nome, indirizzo, citta, cap, pv, tel_casa) "_s
                       + numeri(righe)
                       + u"SELECT i, 'DITTA ' || i, 'COGNOME ' || i, 'NOME', 'VIA ROMA ' || i, 'ROMA', '00100', 'RM', "
                         "'06' || i FROM n"_s);
    connessione.esegui(
        u"INSERT INTO prodotti_ai_clienti (cod_cliente, cod_prodotto, cod_installatore, cod_posizione, cod_tipo_gas, "
        "matr_1, data_coll, dataInstallazione, dich_conf, tipoScarico, tensione, consumoGas, primaVerifica, catAttesta, "
        "gasPropanoValvola, gasPropanoEntrata, altroCatAttesta, note_coll) "_s
        + numeri(righe)
        + u"SELECT i, 1, 1, 1, 1, 'M' || i, '2005-03-15', '2005-02-01', 1, i % 4, 1, 0, -1, i % 4, 1, 0, 'ALTRO', "
          "'NOTE ' || i FROM n"_s);

    auto& w = istanza<schExPrimeAccensioni>();
    w.controlli().forma->show();
    w.lstElencoMarche()->item(0)->setSelected(true);
    w.controlli().dtpDataDa->setDate(QDate(2005, 3, 1));
    w.controlli().dtpDataA->setDate(QDate(2005, 3, 31));
    const QString file = db.cartella() + u'/' + nomeFileEsportazione(u"completa da "_s, QDate(2005, 3, 1), QDate(2005, 3, 31));
    LetturaSqlite limite(db.file());
    for (auto _ : s) {
        seamMessaggi::rispondi(Risposta::Si);
        QStringList letture;
        QElapsedTimer t;
        {
            const IstruzioniEseguite eseguite;
            t.start();
            w.controlli().cmdEsporta->click();
            tempi()[u"export"_s] << ms(t);
            letture = eseguite.letture();
        }
        s.SetIterationTime(tempi()[u"export"_s].last() / 1000);
        if (!seamMessaggi::testi().last().startsWith(u"Esportazione avvenuta"_s))
            s.SkipWithError("export failed");
        const std::string nostre = righeScritte(file);
        QFile::remove(file);
        seamMessaggi::azzera();
        t.restart();
        LibroEssenziale libro(db.cartella() + u"/template.xlsx"_s);
        std::string installatore;
        for (const QString& sql : letture) {
            std::optional<std::vector<int>> campi;
            limite.scorri(sql, [&](sqlite3_stmt* st) {
                if (!campi)
                    campi = campiTracciato(st);
                if (!campi->empty())
                    celleTracciato(st, *campi, libro, installatore);
            });
        }
        libro.salva(file);
        tempi()[u"export limit"_s] << ms(t);
        if (libro.righe() != nostre)
            s.SkipWithError("the limit wrote other rows than the export");
        QFile::remove(file);
    }
}
BENCHMARK(esportazione)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(7);

constexpr int righeGrandi = 50000;
constexpr double bilancioMb = 250; // the program and its reading process together

// The child's work: imports the workbook into an empty archive through the window, prints
// "ms program-peak-kB rows".
int importaGrande(const QString& libro)
{
    DatabaseTest db;
    inserisci(u"CAT"_s, {{u"nomeCAT"_s, u"ALFA"_s}});
    auto& w = istanza<frmImportaAccensioniCAT>();
    w.controlli().forma->show();
    w.riempiCAT();
    w.controlli().cmbCAT->impostaValoreLegato(1);
    w.controlli().txtNomeFile->setText(libro);
    QElapsedTimer t;
    t.start();
    w.controlli().cmdImporta->click();
    const double durata = ms(t);
    std::printf("%f %ld %d\n", durata, piccoKb(), connessione.apriAvanti(u"SELECT count(*) FROM accensioniCAT"_s).campo(0).toInt());
    return 0;
}

void picchiImportazione()
{
    QTemporaryDir dir;
    const QString nostro = dir.path() + u"/grande.xlsx"_s;
    libroDelCentro(nostro, righeGrandi, [](int r) { return u"MATR%1"_s.arg(r); });
    QStringList libri{nostro};
    for (const QString& formato : {u"xlsx"_s, u"xls"_s}) {
        QProcess soffice;
        soffice.start(u"soffice"_s, {u"-env:UserInstallation=file://"_s + dir.path() + u"/profilo"_s, u"--headless"_s,
                                     u"--convert-to"_s, formato, u"--outdir"_s, dir.path() + u"/lo"_s, nostro});
        soffice.waitForFinished(-1);
        libri << dir.path() + u"/lo/grande."_s + formato;
    }
    const QStringList nomi{u"ours .xlsx (inline strings)"_s, u"LibreOffice .xlsx (shared strings)"_s, u"LibreOffice .xls"_s};
    std::printf("\nimport of %d rows, each in a process of its own (median of 3): peak of the program, of its reading "
                "process, their sum against %.0f MB\n", righeGrandi, bilancioMb);
    for (int i = 0; i < libri.size(); ++i) {
        if (!QFile::exists(libri[i]))
            continue;
        QList<double> tempi, programma, lettore, somma;
        for (int volta = 0; volta < 3; ++volta) {
            QProcess p;
            p.start(QCoreApplication::applicationFilePath(), {u"--picco"_s, libri[i]});
            p.waitForFinished(-1);
            const QList<QByteArray> campi = p.readAllStandardOutput().simplified().split(' ');
            if (campi.size() != 3 || campi[2].toInt() != righeGrandi) {
                std::printf("%s: the import failed\n", qPrintable(nomi[i]));
                break;
            }
            tempi << campi[0].toDouble();
            programma << campi[1].toDouble() / 1024;
            lettore << piccoLettoreMb(libri[i]);
            somma << programma.last() + lettore.last();
        }
        if (tempi.isEmpty())
            continue;
        std::printf("%-38s %9lld bytes: %6.0f ms, program %6.1f MB (%.1f-%.1f), reader %6.1f MB (%.1f-%.1f), sum %6.1f MB\n",
                    qPrintable(nomi[i]), QFile(libri[i]).size(), mediana(tempi), mediana(programma),
                    *std::min_element(programma.begin(), programma.end()), *std::max_element(programma.begin(), programma.end()),
                    mediana(lettore), *std::min_element(lettore.begin(), lettore.end()),
                    *std::max_element(lettore.begin(), lettore.end()), mediana(somma));
    }
}
} // namespace

int main(int argc, char** argv)
{
    preparaAmbienteTest();
    QApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--picco") == 0)
        return importaGrande(QString::fromLocal8Bit(argv[2]));
    for (const int archiviate : {150000, 1500000}) {
        benchmark::RegisterBenchmark(u"import, %1 archived"_s.arg(archiviate).toStdString().c_str(),
                                     [archiviate](benchmark::State& s) { importazione(s, archiviate, false); })
            ->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
        benchmark::RegisterBenchmark(u"import limit, %1 archived"_s.arg(archiviate).toStdString().c_str(),
                                     [archiviate](benchmark::State& s) { limite(s, archiviate); })
            ->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
    }
    benchmark::RegisterBenchmark("import, 1500000 archived and 10000 of another tool",
                                 [](benchmark::State& s) { importazione(s, 1500000, true); })
        ->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("\nimport of %d rows, ms (median, fastest-slowest): archived, ours, limit, ratio of medians\n"
                "the limit: the sheet streamed by expat, each serial folded and looked up, the rows inserted through "
                "the SQLite C API, all in one transaction\n",
                righe);
    for (const int archiviate : {150000, 1500000}) {
        const QList<double> nostri = tempi().value(u"ours %1"_s.arg(archiviate));
        const QList<double> limiti = tempi().value(u"limit %1"_s.arg(archiviate));
        if (nostri.isEmpty() || limiti.isEmpty())
            continue;
        const auto [n1, n2] = std::minmax_element(nostri.begin(), nostri.end());
        const auto [l1, l2] = std::minmax_element(limiti.begin(), limiti.end());
        std::printf("%9d %6.0f (%.0f-%.0f) %6.0f (%.0f-%.0f) %6.2f\n", archiviate, mediana(nostri), *n1, *n2,
                    mediana(limiti), *l1, *l2, mediana(nostri) / mediana(limiti));
    }
    const QList<double> senza = tempi().value(u"ours 1500000"_s);
    const QList<double> con = tempi().value(u"other tool 1500000"_s);
    if (!senza.isEmpty() && !con.isEmpty()) {
        const auto [c1, c2] = std::minmax_element(con.begin(), con.end());
        std::printf("after 10000 rows of another tool, 1500000 archived: %.0f (%.0f-%.0f), %.2f times the import "
                    "without them\n",
                    mediana(con), *c1, *c2, mediana(con) / mediana(senza));
    }
    if (!tempi().value(u"export"_s).isEmpty()) {
        intestazione("Export of 10,000 first ignitions",
                     "its queries through the SQLite C API, the rows' cells by the layout's rules into the sheet's XML by "
                     "a plain loop, deflated by libzip at our level");
        confronto("export (430,000 cells)", tempi().value(u"export"_s), tempi().value(u"export limit"_s));
    }
    picchiImportazione();
    return 0;
}
