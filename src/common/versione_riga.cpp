#include "common/versione_riga.h"
#include "platform/db/connessione.h"
#include "platform/ui/messaggi.h"

using namespace Qt::StringLiterals;

void VersioneRiga::leggi(const QString& s, const QVariantList& v)
{
    sql = s;
    valori = v;
    righe = attuale();
}

void VersioneRiga::dimentica()
{
    *this = VersioneRiga();
}

void VersioneRiga::imposta(const QString& colonna, const QVariant& valore)
{
    for (int i = 0; i < colonne.size(); ++i)
        if (colonne[i].compare(colonna, Qt::CaseInsensitive) == 0)
            for (QVariantList& r : righe)
                r[i] = valore;
}

QVector<QVariantList> VersioneRiga::attuale()
{
    QVector<QVariantList> r;
    Recordset rs = connessione.apriAvanti(sql, valori);
    colonne.clear();
    for (int i = 0; i < rs.numeroCampi(); ++i)
        colonne << rs.nomeCampo(i);
    for (; !rs.eof(); rs.moveNext()) {
        QVariantList v;
        for (int i = 0; i < rs.numeroCampi(); ++i)
            v << rs.campo(i);
        r << v;
    }
    return r;
}

EsitoScrittura VersioneRiga::scriviSeInvariata(const QString& avviso, const std::function<void()>& scrivi)
{
    for (;;) {
        QVector<QVariantList> ora;
        {
            // Read, compare and write under one lock: no other workstation writes in between.
            Transazione t(connessione);
            if (!sql.isEmpty())
                ora = attuale();
            if (sql.isEmpty() || ora.isEmpty() || ora == righe) {
                scrivi();
                if (!sql.isEmpty())
                    righe = attuale();
                t.conferma();
                return EsitoScrittura::scritta;
            }
        }
        // The question comes with the lock released.
        // The question opens on No: Enter keeps the other workstation's version.
        if (!confermaEliminazione(avviso
                                  + u"\r\nSovrascrivere con i dati di questa scheda?\r\n"
                                    "Sì: salva i dati mostrati.\r\n"
                                    "No: mantiene la versione dell'altra postazione, che la scheda mostrerà."_s))
            return EsitoScrittura::altraVersione;
        // What the other workstation wrote is overwritten; a further change asks again.
        righe = ora;
    }
}
