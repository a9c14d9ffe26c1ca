// The labels and the customer list for 5,000 customers (one appliance each, with a
// subscription and two maintenances) rendered to PDF through the report control, each beside
// its limit: the statements it ran, through the SQLite C API, and a bare Qt program drawing
// the rows' texts with QPainter onto a QPdfWriter: the labels' texts on as many A4 pages, the
// customer list's very pages, which are checked to be the same as ours.
// Run by hand: QT_QPA_PLATFORM=offscreen bench_report
#include "ambiente_test.h"
#include "elenco_essenziale.h"
#include "istruzioni_eseguite.h"
#include "lettura_sqlite.h"
#include "misure.h"
#include "pdf_letto.h"
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

// The labels' bare Qt program: the rows' texts, 27 a page, 3 side by side.
void disegnaEtichette(const QString& file, const std::vector<std::vector<std::string>>& righe)
{
    constexpr int perPagina = 27;
    constexpr int perRiga = 3;
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
        p.drawText(riquadro, Qt::TextWordWrap, testi.join(u'\n'));
    }
}

// The same pages: as many, each with the same words in the same boxes to 0.01 mm (so in the
// same type and size); the counts compared are printed.
bool stessePagine(const QString& nostro, const QString& limite)
{
    const PdfLetto a = leggiPdf(nostro);
    const PdfLetto b = leggiPdf(limite);
    const auto uguali = [](const PdfLetto::Parola& x, const PdfLetto::Parola& y) {
        const auto vicini = [](double a, double b) { return qAbs(a - b) < 0.01; };
        return x.pagina == y.pagina && x.testo == y.testo && vicini(x.mm.left(), y.mm.left())
            && vicini(x.mm.top(), y.mm.top()) && vicini(x.mm.right(), y.mm.right())
            && vicini(x.mm.bottom(), y.mm.bottom());
    };
    const bool stesse = a.formati == b.formati
        && std::equal(a.parole.begin(), a.parole.end(), b.parole.begin(), b.parole.end(), uguali);
    std::printf("the limit's customer list against ours: %lld and %lld pages, %lld and %lld words, %s\n",
                qlonglong(a.formati.size()), qlonglong(b.formati.size()), qlonglong(a.parole.size()),
                qlonglong(b.parole.size()), stesse ? "the same" : "NOT THE SAME");
    return stesse;
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
    intestazione("Reports of 5,000 customers to PDF",
                 "the statements the report ran through the SQLite C API, and QPainter onto a QPdfWriter drawing "
                 "their rows' texts on as many label sheets, or the customer list's pages");
    using Disegno = void (*)(const QString&, const std::vector<std::vector<std::string>>&);
    struct Report {
        const char* file;
        Disegno limite;
    };
    const QString essenziale = db.cartella() + QStringLiteral("/essenziale.pdf");
    for (const Report& r :
         {Report{"etichette.rpt", disegnaEtichette}, Report{"clienti.rpt", elenco_essenziale::disegnaElenco}}) {
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
            r.limite(essenziale, righe);
            limiti << ms(t);
        }
        confronto(r.file, nostri, limiti);
    }
    return stessePagine(file, essenziale) ? 0 : 1;
}
