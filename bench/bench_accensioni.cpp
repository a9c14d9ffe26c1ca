// The first-ignition windows at the size of a large centre: importing a workbook of 10,000
// rows against 150,000 archived serials, and exporting 10,000 first ignitions (430,000 cells).
// Both through their windows, offscreen, the progress label repainted after every row.
#include "ambiente_test.h"
#include "fixture_accensioni.h"
#include "ignitions/esportazione_excel.h"
#include "ignitions/frm_importa_accensioni_cat.h"
#include "ignitions/sch_ex_prime_accensioni.h"
#include "platform/db/connessione.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/forma_dialogo.h"
#include "platform/ui/messaggi.h"
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {
constexpr int righe = 10000;
constexpr int archiviate = 150000;

// N numbers from 1, for INSERT ... SELECT.
QString numeri(int n)
{
    return u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i < %1) "_s.arg(n);
}

void importazione(benchmark::State& s)
{
    DatabaseTest db;
    inserisci(u"CAT"_s, {{u"nomeCAT"_s, u"ALFA"_s}});
    connessione.esegui(u"INSERT INTO accensioniCAT (codCAT, codMov, matricola) "_s + numeri(archiviate)
                       + u"SELECT 1, 1, 'ARC' || i FROM n"_s);
    // One row in ten repeats an archived serial.
    QList<QMap<QString, QString>> libro;
    const QStringList lettere = lettereTracciato();
    for (int r = 0; r < righe; ++r) {
        QMap<QString, QString> riga;
        for (const QString& l : lettere)
            riga.insert(l, u"VALORE %1 %2"_s.arg(r).arg(l));
        riga[u"R"_s] = r % 10 == 0 ? u"arc%1"_s.arg(r * 7 + 1) : u"NUOVA%1"_s.arg(r);
        riga[u"AH"_s] = u"01/03/2005"_s;
        libro << riga;
    }
    const QString file = db.cartella() + u"/grande.xlsx"_s;
    creaLibro(file, libro);

    auto& w = istanza<frmImportaAccensioniCAT>();
    w.controlli().forma->show();
    for (auto _ : s) {
        w.controlli().cmbCAT->impostaValoreLegato(1);
        w.controlli().txtNomeFile->setText(file);
        w.controlli().cmdImporta->click();
        s.PauseTiming();
        if (connessione.apriAvanti(u"SELECT count(*) FROM accensioniCAT"_s).campo(0).toInt() != archiviate + righe * 9 / 10)
            s.SkipWithError("rows missing");
        connessione.esegui(u"DELETE FROM accensioniCAT WHERE codMov > 1"_s);
        connessione.esegui(u"DELETE FROM accensioniDoppie"_s);
        seamMessaggi::azzera();
        s.ResumeTiming();
    }
}
BENCHMARK(importazione)->Unit(benchmark::kMillisecond)->Iterations(3);

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
    for (auto _ : s) {
        seamMessaggi::rispondi(Risposta::Si);
        w.controlli().cmdEsporta->click();
        s.PauseTiming();
        if (!seamMessaggi::testi().last().startsWith(u"Esportazione avvenuta"_s))
            s.SkipWithError("export failed");
        QFile::remove(file);
        seamMessaggi::azzera();
        s.ResumeTiming();
    }
}
BENCHMARK(esportazione)->Unit(benchmark::kMillisecond)->Iterations(3);
} // namespace

int main(int argc, char** argv)
{
    preparaAmbienteTest();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
