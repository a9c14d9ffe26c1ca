// A static recordset of 100,000 rows x 10 columns through the shared connection, against the
// same query's rows through the SQLite C API.
// Run by hand: QT_QPA_PLATFORM=offscreen bench_recordset
#include "ambiente_test.h"
#include "lettura_sqlite.h"
#include "misure.h"
#include "platform/db/connessione.h"

namespace {
const QString query = QStringLiteral("SELECT * FROM righe");
constexpr int ripetizioni = 9;

void riempi()
{
    connessione.esegui("CREATE TABLE righe (id INTEGER PRIMARY KEY, a TEXT(255), b TEXT(255), c TEXT(255), d INTEGER, e REAL, "
                       "f DATE, g TIME, h TEXT(255), i INTEGER)");
    connessione.esegui("WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 100000) "
                       "INSERT INTO righe SELECT x, 'COGNOME ' || x, 'NOME', 'VIA ROMA ' || x, x % 97, x * 1.5, "
                       "'2026-12-10', '09:30', 'NOTE', x % 2 FROM n");
}
} // namespace

int main(int argc, char** argv)
{
    preparaAmbienteTest();
    QApplication app(argc, argv);
    DatabaseTest db(false);
    riempi();
    LetturaSqlite limite(db.file());
    QList<double> nostri, limiti;
    for (int i = 0; i < ripetizioni; ++i) {
        QElapsedTimer t;
        t.start();
        const Recordset rs = connessione.apriStatico(query);
        nostri << ms(t);
        t.restart();
        limite.leggi(query);
        limiti << ms(t);
    }
    std::printf("%d runs\n", ripetizioni);
    intestazione("A static recordset of 100,000 rows x 10 columns (dates and times typed)",
                 "the same rows through the SQLite C API, every row stepped and every column read");
    confronto("static recordset via the shared connection", nostri, limiti);
    return 0;
}
