#include "fixture_report.h"
#include "platform/db/connessione.h"
#include <QSqlError>
#include <QSqlQuery>

QString fileStampa(const QString& nome)
{
    return QStringLiteral(CORVEXT_STAMPE "/") + nome;
}

void eseguiTest(const QString& sql, const QVariantList& valori)
{
    QSqlQuery q(connessione.database());
    if (!q.prepare(sql))
        qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
    for (const QVariant& v : valori)
        q.addBindValue(v);
    if (!q.exec())
        qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
}

void clientiInStampe(int quanti)
{
    Transazione t(connessione);
    for (int i = 1; i <= quanti; ++i) {
        const QString n = QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
        eseguiTest(QStringLiteral("INSERT INTO clienti (idCli, cognome, nome, indirizzo, cap, citta, pv) "
                                  "VALUES (?, ?, ?, ?, ?, ?, 'RM')"),
                   {i, QStringLiteral("COGNOME") + n, QStringLiteral("NOME") + n, QStringLiteral("VIA ") + n,
                    QStringLiteral("00") + QString::number(100 + i),
                    QStringLiteral("CITTA") + n});
        eseguiTest(QStringLiteral("INSERT INTO stampe (idcli) VALUES (?)"), {i});
    }
    t.conferma();
}

void preparaGiro()
{
    eseguiTest(QStringLiteral("INSERT INTO tecnici (idTecn, sigla_tecnico, tecnico) VALUES (3, 'T3', 'BIANCHI'), "
                              "(4, 'T4', 'VERDI')"));
    eseguiTest(QStringLiteral("INSERT INTO zone (idZona, sigla_zona, desc_zona) VALUES (2, 'Z2', 'CENTRO'), "
                              "(5, 'Z5', 'NORD')"));
    struct Intervento {
        const char* cognome;
        int tecnico;
        int zona;
        const char* data;
        const char* ora;
        const char* stato;
    };
    const QList<Intervento> interventi = {
        {"ALFA", 3, 2, "2026-12-09", "09:00", "DA SVOLGERE"}, {"BETA", 3, 2, "2026-12-10", "08:30", "SOSPESO"},
        {"GAMMA", 3, 2, "2026-12-10", "11:00", "ESEGUITO"},   {"DELTA", 3, 2, "2026-12-08", "09:00", "DA SVOLGERE"},
        {"EPSILON", 3, 2, "2026-12-11", "09:00", "DA SVOLGERE"}, {"ZETA", 4, 2, "2026-12-09", "09:00", "DA SVOLGERE"},
        {"ETA", 3, 5, "2026-12-09", "14:00", "DA SVOLGERE"},  {"D'ANGELO", 3, 0, "2026-12-09", "16:00", "ANNULLATO"},
    };
    for (int n = 1; n <= interventi.size(); ++n) {
        const Intervento& i = interventi[n - 1];
        eseguiTest(QStringLiteral("INSERT INTO clienti (idCli, cognome, nome, indirizzo, cap, citta, pv, tel_casa, "
                                  "cod_zona) VALUES (?, ?, '', 'VIA ROMA 1', '20100', 'MILANO', 'MI', '02 1234', ?)"),
                   {n, QString::fromUtf8(i.cognome), i.zona});
        eseguiTest(QStringLiteral("INSERT INTO chiamate (idChiamata, cod_cliente, ch_data, ch_note) "
                                  "VALUES (?, ?, '2026-12-01', 'NESSUNA NOTA')"),
                   {100 + n, n});
        eseguiTest(QStringLiteral("INSERT INTO interventi (cod_chiamata, cod_tecnico, data_int, note_int, "
                                  "cod_stato_int, ora_inizio, ora_fine) VALUES (?, ?, ?, '', ?, ?, '18:00')"),
                   {100 + n, i.tecnico, QString::fromUtf8(i.data), QString::fromUtf8(i.stato),
                    QString::fromUtf8(i.ora)});
    }
    eseguiTest(QStringLiteral("UPDATE chiamate SET ch_note = 'CITOFONARE DUE VOLTE' WHERE idChiamata = 101"));
    eseguiTest(QStringLiteral("UPDATE interventi SET note_int = 'PORTARE LA SCALA' WHERE cod_chiamata = 101"));
    eseguiTest(QStringLiteral("INSERT INTO prodotti (idModello, modello) VALUES (1, 'CALDAIA X1'), "
                              "(2, 'SCALDABAGNO S2')"));
    eseguiTest(QStringLiteral("INSERT INTO prodotti_ai_clienti (id_pro_cli, cod_cliente, cod_prodotto, matr_1) "
                              "VALUES (1, 1, 1, 'M123'), (2, 1, 2, 'S9')"));
    eseguiTest(QStringLiteral("INSERT INTO prodotti_in_chiamata (idProdChiamata, cod_chiamata, cod_ch_prodotto) "
                              "VALUES (1, 101, 1), (2, 101, 2)"));
    eseguiTest(QStringLiteral("INSERT INTO tipoRichiesta (idTipoRichiesta, tipoRicSigla, tipoRicNome) "
                              "VALUES (1, 'MO', 'MANUTENZIONE ORDINARIA'), (2, 'PA', 'PERDITA ACQUA')"));
    eseguiTest(QStringLiteral("INSERT INTO richieste (ricCodChiamata, ricCodRichiesta) VALUES (1, 1), (1, 2)"));
}
