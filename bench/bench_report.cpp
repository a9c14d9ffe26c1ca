// The labels and the customer list for 5,000 customers (one appliance each, with a
// subscription and two maintenances) rendered to PDF through the report control.
#include "ambiente_test.h"
#include "platform/db/connessione.h"
#include "platform/report/controllo_report.h"
#include <QFileInfo>
#include <benchmark/benchmark.h>

namespace {
constexpr int clienti = 5000;

void riempi()
{
    const QString numeri
        = QStringLiteral("WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < %1) ").arg(clienti);
    connessione.esegui(numeri + QStringLiteral(
                           "INSERT INTO clienti (idCli, cognome, nome, indirizzo, cap, citta, pv, tel_casa) "
                           "SELECT x, 'COGNOME ' || x, 'NOME', 'VIA GIUSEPPE GARIBALDI ' || x, '20100', 'MILANO', "
                           "'MI', '02 ' || (1000000 + x) FROM n"));
    connessione.esegui(QStringLiteral("INSERT INTO marche (idMarca, sigla_marca) VALUES (1, 'BAX')"));
    connessione.esegui(QStringLiteral("INSERT INTO tipoProd (idTpProd, sigla_tipo_prodotto) VALUES (1, 'CAL')"));
    connessione.esegui(QStringLiteral("INSERT INTO tipoabb (idTpAbb, sigla_abbonamento) VALUES (1, 'ABB1')"));
    connessione.esegui(QStringLiteral("INSERT INTO prodotti (idModello, modello, cod_marca, cod_tipo_prodotto) "
                                      "VALUES (1, 'CALDAIA MURALE 24 KW', 1, 1)"));
    connessione.esegui(numeri + QStringLiteral(
                           "INSERT INTO prodotti_ai_clienti (id_pro_cli, cod_cliente, cod_prodotto, "
                           "cod_tipo_abbonamento, sc_abb) SELECT x, x, 1, 1, '2027-03-31' FROM n"));
    connessione.esegui(numeri + QStringLiteral("INSERT INTO manutenzioni (dataMan, codProdotto) SELECT '2025-01-10', x "
                                               "FROM n UNION ALL SELECT '2026-02-20', x FROM n"));
    connessione.esegui(numeri + QStringLiteral("INSERT INTO stampe (idcli) SELECT x FROM n"));
}

void pdf(benchmark::State& s, const QString& report, const QString& cartella)
{
    const QString file = cartella + QStringLiteral("/bench.pdf");
    ControlloReport controllo;
    controllo.impostaFileReport(QStringLiteral(CORVEXT_STAMPE "/") + report);
    controllo.impostaConnessione(QStringLiteral("dsn=corvext"));
    controllo.impostaDestinazione(ControlloReport::Destinazione::Pdf);
    controllo.impostaFilePdf(file);
    for (auto _ : s)
        controllo.produci();
    s.counters["PDF KiB"] = double(QFileInfo(file).size()) / 1024;
}
} // namespace

int main(int argc, char** argv)
{
    preparaAmbienteTest();
    QApplication app(argc, argv);
    DatabaseTest db;
    riempi();
    for (const char* report : {"etichette.rpt", "clienti.rpt"})
        benchmark::RegisterBenchmark(report, [&, report](benchmark::State& s) {
            pdf(s, QString::fromUtf8(report), db.cartella());
        })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
