// The labels and the customer list for 5,000 customers (one appliance each, with a
// subscription and two maintenances) rendered to PDF through the report control, each beside
// its limit: the statements it ran, through the SQLite C API, and a bare Qt program drawing
// the rows' texts on as many A4 pages with QPainter onto a QPdfWriter.
// Run by hand: QT_QPA_PLATFORM=offscreen bench_report
#include "ambiente_test.h"
#include "istruzioni_eseguite.h"
#include "lettura_sqlite.h"
#include "misure.h"
#include "platform/db/connessione.h"
#include "platform/report/controllo_report.h"
#include <QPainter>
#include <QPdfWriter>

namespace {
constexpr int clienti = 5000;
constexpr int ripetizioni = 5;

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

// The bare Qt program: the rows' texts, `perPagina` rows a page, `perRiga` rows side by side.
void disegnaEssenziale(const QString& file, const std::vector<std::vector<std::string>>& righe, int perPagina,
                       int perRiga)
{
    QPdfWriter pdf(file);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    QPainter p(&pdf);
    const QRect pagina = p.viewport();
    const int larghezza = pagina.width() / perRiga;
    const int altezza = pagina.height() / (perPagina / perRiga);
    for (std::size_t r = 0; r < righe.size(); ++r) {
        const int posto = int(r % std::size_t(perPagina));
        if (posto == 0 && r > 0)
            pdf.newPage();
        const QRect riquadro(posto % perRiga * larghezza, posto / perRiga * altezza, larghezza, altezza);
        QStringList testi;
        for (const std::string& t : righe[r])
            testi << QString::fromStdString(t);
        p.drawText(riquadro, Qt::TextWordWrap, testi.join(perRiga > 1 ? u'\n' : u' '));
    }
}
} // namespace

int main(int argc, char** argv)
{
    preparaAmbienteTest();
    QApplication app(argc, argv);
    DatabaseTest db;
    riempi();
    LetturaSqlite limite(db.file());
    const QString file = db.cartella() + QStringLiteral("/bench.pdf");
    ControlloReport controllo;
    controllo.impostaConnessione(QStringLiteral("dsn=corvext"));
    controllo.impostaDestinazione(ControlloReport::Destinazione::Pdf);
    controllo.impostaFilePdf(file);
    struct Report {
        const char* file;
        int perPagina, perRiga;
    };
    intestazione("Reports of 5,000 customers to PDF",
                 "the statements the report ran through the SQLite C API, and their rows' texts drawn by QPainter "
                 "onto a QPdfWriter, as many to a page");
    for (const Report& r : {Report{"etichette.rpt", 27, 3}, Report{"clienti.rpt", 40, 1}}) {
        controllo.impostaFileReport(QStringLiteral(CORVEXT_STAMPE "/") + QString::fromUtf8(r.file));
        QList<double> nostri, limiti;
        for (int i = 0; i < ripetizioni; ++i) {
            QStringList letture;
            QElapsedTimer t;
            {
                const IstruzioniEseguite eseguite;
                t.start();
                controllo.produci();
                nostri << ms(t);
                letture = eseguite.letture();
            }
            t.restart();
            std::vector<std::vector<std::string>> righe;
            for (const QString& sql : letture)
                if (auto testi = limite.testi(sql); testi.size() > righe.size())
                    righe = std::move(testi);
            disegnaEssenziale(db.cartella() + QStringLiteral("/essenziale.pdf"), righe, r.perPagina, r.perRiga);
            limiti << ms(t);
        }
        confronto(r.file, nostri, limiti);
    }
    return 0;
}
