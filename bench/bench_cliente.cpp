// The customer card on a large archive: 100,000 customers (10 % groups, 30 % owners, 60 %
// tenants) and 150,000 appliances (ten times as many with --grande). Times opening an edit
// card on a customer with 50 appliances, beside its appliance list read through the SQLite
// C API; confirming it; drawing a customer number; medians of several runs.
// Run by hand: QT_QPA_PLATFORM=offscreen bench_cliente [--grande]
#include "ambiente_test.h"
#include "lettura_sqlite.h"
#include "misure.h"
#include "customers/scheda_cliente.h"
#include "platform/db/connessione.h"
#include "platform/ui/griglia.h"
#include "platform/ui/modale.h"
#include <QElapsedTimer>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {
int clienti = 100000;
constexpr int ripetizioni = 7;

void riempi()
{
    Transazione t(connessione);
    connessione.esegui(u"INSERT INTO marche (idMarca, sigla_marca, marca) VALUES (1, 'B', 'BAXI')"_s);
    connessione.esegui(u"INSERT INTO tipoProd (idTpProd, sigla_tipo_prodotto, tipo_nome) VALUES (1, 'C', 'CALDAIA')"_s);
    connessione.esegui(u"INSERT INTO prodotti (idModello, modello, cod_marca, cod_tipo_prodotto) VALUES (1, 'X', 1, 1)"_s);
    connessione.esegui(u"WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 50) "
                       "INSERT INTO zone (sigla_zona, desc_zona) SELECT 'Z' || x, 'ZONA ' || x FROM n"_s);
    connessione.esegui(u"WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < %1) "
                       "INSERT INTO clienti (idCli, cognome, nome, indirizzo, citta, cod_zona, cod_tipo_appartenenza, "
                       "cod_appartenenza) SELECT x, 'COGNOME ' || x, 'NOME', 'VIA ROMA ' || x, 'TORINO', 1 + x % 50, "
                       "CASE WHEN x % 10 = 0 THEN 1 WHEN x % 10 < 4 THEN 2 ELSE 3 END, 0 FROM n"_s.arg(clienti));
    // 50 appliances for customer 7, the rest spread over the others.
    connessione.esegui(u"WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < %2) "
                       "INSERT INTO prodotti_ai_clienti (cod_cliente, cod_prodotto, data_coll) "
                       "SELECT CASE WHEN x <= 50 THEN 7 ELSE 1 + x % %1 END, 1, '2024-01-01' FROM n"_s.arg(clienti).arg(clienti * 3 / 2));
    connessione.esegui(u"UPDATE contatori SET cliente = %1"_s.arg(clienti));
    t.conferma();
}
} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--grande") == 0)
            clienti = 1000000;
    preparaAmbienteTest();
    QApplication app(argc, argv);
    DatabaseTest db;
    riempi();
    LetturaSqlite limite(db.file());
    QList<double> apertura, elenco, conferma, numero;
    for (int i = 0; i < ripetizioni; ++i) {
        QElapsedTimer t;
        t.start();
        schCliente& s = istanza<schCliente>();
        s.carica();
        s.nModalità = 1;
        s.ripristinaCliente(7);
        s.forma()->show();
        QCoreApplication::processEvents();
        apertura << double(t.nsecsElapsed()) / 1e6;
        const Recordset& prodotti = s.controlli().grigliaProdotti->recordset();
        t.restart();
        limite.leggi(prodotti.istruzione(), prodotti.valori());
        elenco << double(t.nsecsElapsed()) / 1e6;
        t.restart();
        s.controlli().cmdConferma->click();
        conferma << double(t.nsecsElapsed()) / 1e6;
        t.restart();
        s.incCliente();
        numero << double(t.nsecsElapsed()) / 1e6;
        rilasciaTutteLeFinestre();
    }
    std::printf("%d customers, medians of %d runs\n", clienti, ripetizioni);
    std::printf("edit card on a customer with 50 appliances: %.1f ms (its appliance list through the SQLite C API: "
                "%.2f ms)\n",
                mediana(apertura), mediana(elenco));
    std::printf("confirming it: %.1f ms\n", mediana(conferma));
    std::printf("drawing a customer number: %.1f ms\n", mediana(numero));
    return 0;
}
