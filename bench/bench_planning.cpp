// The planner on a busy archive: 30 technicians, 20,000 interventions of which 2,000 fall in
// the 31 days shown, leave and holidays in the range. Times one fill of "30 Giorni" and one
// cell selection with its appointment list, each beside the statements it ran through the
// SQLite C API.
// Run by hand: QT_QPA_PLATFORM=offscreen bench_planning
#include "ambiente_test.h"
#include "istruzioni_eseguite.h"
#include "lettura_sqlite.h"
#include "misure.h"
#include "calls/frm_planning.h"
#include "calls/griglia_planning.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/connessione.h"
#include "platform/ui/griglia.h"
#include <QComboBox>
#include <QElapsedTimer>
#include <QTableWidget>

using namespace Qt::StringLiterals;

namespace {
constexpr int ripetizioni = 9;

// Interventions 1..2,000 fall from 1 to 31 March 2026, the rest over the two years before.
void riempi()
{
    Transazione t(connessione);
    for (const QString& sql : {
             u"WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 30) "
             "INSERT INTO tecnici (idTecn, sigla_tecnico, tecnico) SELECT x, 'T' || x, 'TECNICO ' || x FROM n"_s,
             u"INSERT INTO prodotti (idModello, modello) VALUES (1, 'LUNA')"_s,
             u"WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 1000) "
             "INSERT INTO clienti (idCli, cognome, nome, indirizzo, citta) SELECT x, 'COGNOME ' || x, 'NOME', "
             "'VIA ' || x, 'TORINO' FROM n"_s,
             u"INSERT INTO prodotti_ai_clienti (id_pro_cli, cod_cliente, cod_prodotto) SELECT idCli, idCli, 1 FROM clienti"_s,
             u"WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 20000) "
             "INSERT INTO chiamate (idChiamata, cod_cliente) SELECT x, 1 + x % 1000 FROM n"_s,
             u"INSERT INTO interventi (cod_chiamata, cod_tecnico, data_int, cod_stato_int, ora_inizio, ora_fine) "
             "SELECT idChiamata, 1 + idChiamata % 30, CASE WHEN idChiamata <= 2000 THEN date('2026-03-01', "
             "'+' || (idChiamata % 31) || ' days') ELSE date('2024-01-01', '+' || (idChiamata % 700) || ' days') END, "
             "CASE idChiamata % 4 WHEN 0 THEN 'DA SVOLGERE' WHEN 1 THEN 'SOSPESO' WHEN 2 THEN 'ANNULLATO' ELSE "
             "'ESEGUITO' END, printf('%02d:00', 8 + idChiamata % 9), printf('%02d:30', 8 + idChiamata % 9) FROM chiamate"_s,
             u"INSERT INTO prodotti_in_chiamata (cod_chiamata, cod_ch_prodotto, lista_richieste) "
             "SELECT idChiamata, cod_cliente, 'A - M' FROM chiamate"_s,
             u"WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 30) "
             "INSERT INTO ferie (ferieCodTecnico, ferieDataDa, ferieDataA) SELECT x, date('2026-03-01', '+' || x || "
             "' days'), date('2026-03-03', '+' || x || ' days') FROM n"_s,
             u"INSERT INTO festivita (dataFestivita, desc_festivita) VALUES ('2026-03-19', 'SAN GIUSEPPE'), "
             "('2026-03-25', 'FESTA'), ('2026-12-25', 'NATALE')"_s,
         })
        connessione.esegui(sql);
    t.conferma();
}
} // namespace

int main(int argc, char** argv)
{
    preparaAmbienteTest();
    QApplication app(argc, argv);
    DatabaseTest db;
    riempi();
    impostaOrologio([] { return QDate(2026, 3, 1); });
    frmPlanning& p = istanza<frmPlanning>();
    p.forma()->show();
    p.controlli().cmbGiorniVisualizzati->setCurrentIndex(3);
    QCoreApplication::processEvents();
    LetturaSqlite limite(db.file());
    QList<double> riempimento, riempimentoLimite, selezione, selezioneLimite;
    int righe = 0;
    const auto misura = [&](const std::function<void()>& lavoro, QList<double>& nostri, QList<double>& limiti) {
        QStringList letture;
        QElapsedTimer t;
        {
            const IstruzioniEseguite eseguite;
            t.start();
            lavoro();
            nostri << ms(t);
            letture = eseguite.letture();
        }
        t.restart();
        limite.leggi(letture);
        limiti << ms(t);
    };
    for (int i = 0; i < ripetizioni; ++i) {
        misura([&] { p.riempiPlanning(); }, riempimento, riempimentoLimite);
        misura([&] { p.controlli().griglia->setCurrentCell(i % 30, 1 + i); }, selezione, selezioneLimite);
        righe += p.controlli().grigliaInterventi->recordset().recordCount();
    }
    std::printf("%d technicians x %d days; %d rows listed over %d runs\n", p.controlli().griglia->rowCount(),
                p.controlli().griglia->columnCount(), righe, ripetizioni);
    intestazione("The planner", "the statements it ran, through the SQLite C API");
    confronto("fill of the planner", riempimento, riempimentoLimite);
    confronto("cell selection with its appointments", selezione, selezioneLimite);
    return 0;
}
