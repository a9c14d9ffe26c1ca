#include "ignitions/importazione_cat.h"
#include "ignitions/date_accensioni.h"
#include "platform/db/connessione.h"
#include "platform/db/testi_sql.h"
#include "platform/db/valori_sqlite.h"
#include "platform/excel/foglio.h"
#include <QStringList>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
// R, the serial (1-based).
constexpr int colonnaMatricola = 18;
// AH, the test date: the one column stored as a date (0-based).
constexpr int colonnaDataCollaudo = 33;

// "INSERT INTO <table> (<leading>,<the fields from position primo>) VALUES (?,...)": the
// workbook columns are the table's fields from that position on, in order.
QString istruzioneInserimento(const QString& tabella, const QStringList& chiavi)
{
    Recordset campi = connessione.apriAvanti(u"SELECT name FROM pragma_table_info('"_s + tabella + u"')"_s);
    QStringList nomi;
    for (; !campi.eof(); campi.moveNext())
        nomi << campi.campo(0).toString();
    nomi = chiavi + nomi.mid(chiavi.size() + 1);
    return u"INSERT INTO "_s + tabella + u" ("_s + nomi.join(u',') + u") VALUES ("_s
           + QStringList(nomi.size(), u"?"_s).join(u',') + u")"_s;
}

bool ascii(QByteArrayView testo)
{
    return std::all_of(testo.begin(), testo.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}
} // namespace

long prossimoNumeroImportazione()
{
    Transazione t(connessione);
    const long numero =
        long(connessione.apriAvanti(u"select ifnull(max(idMov),0)+1 from movImportazioniCAT"_s).campo(0).toLongLong());
    t.conferma();
    return numero;
}

long apriImportazione(long codCAT, const QDate& giorno)
{
    Transazione t(connessione);
    const long numero = prossimoNumeroImportazione();
    connessione.esegui(u"insert into movImportazioniCAT (idMov,codCAT,dataImp,esitoImportazione) "
                       "values (?,?,?,'IN CORSO...')"_s,
                       {qlonglong(numero), qlonglong(codCAT), giorno});
    t.conferma();
    return numero;
}

void chiudiImportazione(long idMov, bool positiva, int scartate)
{
    QString esito = positiva && scartate == 0 ? u"CONCLUSA POSITIVAMENTE"_s : u"CONCLUSA NEGATIVAMENTE"_s;
    if (scartate > 0)
        esito += scartate == 1 ? u" - 1 riga scartata"_s : u" - %1 righe scartate"_s.arg(scartate);
    connessione.esegui(u"update movImportazioniCAT set esitoImportazione=? WHERE idmov=?"_s, {esito, qlonglong(idMov)});
}

void piegaMatricoleSegnate()
{
    if (connessione.apriAvanti(u"SELECT count(*) FROM (SELECT 1 FROM matricoleArchiviate "
                               "WHERE matricolaDaContr IS NULL LIMIT 1)"_s)
            .campo(0)
            .toInt()
        == 0)
        return;
    // Read and written under the write lock, so that no serial changes in between.
    Transazione t(connessione);
    QList<std::pair<qint64, QString>> segnate;
    for (Recordset rs = connessione.apriAvanti(u"SELECT m.idPrimaAccensione, a.matricola FROM matricoleArchiviate m "
                                               "JOIN accensioniCAT a ON a.idPrimaAccensione = m.idPrimaAccensione "
                                               "WHERE m.matricolaDaContr IS NULL"_s);
         !rs.eof(); rs.moveNext())
        segnate.append({rs.campo(0).toLongLong(), rs.campo(1).toString()});
    IstruzioneRipetuta piega(connessione,
                             u"UPDATE matricoleArchiviate SET matricolaDaContr = ? WHERE idPrimaAccensione = ?"_s);
    for (const auto& [chiave, matricola] : segnate)
        piega.esegui({maiuscolo(matricola), chiave});
    t.conferma();
}

ArchivioMatricole::ArchivioMatricole()
    : ultima(connessione.apriAvanti(u"SELECT ifnull(max(idPrimaAccensione), 0) FROM accensioniCAT"_s).campo(0).toLongLong()),
      cerca(connessione, u"SELECT idPrimaAccensione FROM matricoleArchiviate WHERE matricolaDaContr = ? "
                         "AND idPrimaAccensione <= ? ORDER BY idPrimaAccensione LIMIT 1"_s)
{
    piegaMatricoleSegnate();
}

qint64 ArchivioMatricole::trova(const QString& matricolaDaContr)
{
    return cerca.valore({matricolaDaContr, ultima}).toLongLong();
}

QString matricolaDaConfrontare(const QString& matricola)
{
    return maiuscolo(matricola).trimmed();
}

QString matricolaDaConfrontare(const Foglio& foglio, int riga)
{
    return matricolaDaConfrontare(foglio.valore(riga, colonnaMatricola));
}

bool fineRighe(const Foglio& foglio, int riga)
{
    for (int r = riga; r < riga + 3 && r <= ultimaRiga; ++r)
        if (!foglio.valore(r, colonnaMatricola).isEmpty())
            return false;
    return true;
}

void ValoriRiga::leggi(const Foglio& foglio, int riga)
{
    valori.fill({});
    dataNonValida = false;
    if (riga < 1 || size_t(riga) > foglio.righe().size())
        return;
    for (const Cella& cella : foglio.righe()[size_t(riga - 1)].celle) {
        if (cella.colonna > colonneTracciato)
            break;
        const int i = cella.colonna - 1;
        QByteArrayView testo = foglio.grezzo(cella);
        // A text of ASCII is stored as the sheet holds it; any other cell as its text shows it.
        if (cella.tipo != TipoCella::Testo || !ascii(testo) || i == colonnaDataCollaudo) {
            const QString mostrato = foglio.testoCella(cella);
            convertiti[i] = mostrato.toUtf8();
            if (i == colonnaDataCollaudo && !mostrato.isEmpty()) {
                const QDate data = dataCollaudoCella(mostrato);
                dataNonValida = !data.isValid();
                if (data.isValid())
                    convertiti[i] = valoreDaLegare(data).toString().toUtf8();
            }
            testo = convertiti[i];
        }
        if (!testo.isEmpty())
            valori[i] = testo;
    }
}

QString ValoriRiga::causaRifiuto() const
{
    return dataNonValida ? u"Data di collaudo non valida (colonna AH)"_s : QString();
}

RigheImportate::RigheImportate(long codCAT, long idMov)
    : codCAT(codCAT),
      idMov(idMov),
      buona(connessione, istruzioneInserimento(u"accensioniCAT"_s, {u"codCAT"_s, u"codMov"_s})),
      doppia(connessione,
             istruzioneInserimento(u"accensioniDoppie"_s, {u"codCAT"_s, u"codMov"_s, u"riferimentoAccensione"_s}))
{
}

void RigheImportate::inserisciMatricolaBuona(const ValoriRiga& valori)
{
    // A refused row undoes itself alone (SQLite rolls back the one statement).
    buona.esegui({qlonglong(codCAT), qlonglong(idMov)}, valori.celle());
}

void RigheImportate::inserisciMatricolaDoppia(const ValoriRiga& valori, qint64 riferimento)
{
    doppia.esegui({qlonglong(codCAT), qlonglong(idMov), qlonglong(riferimento)}, valori.celle());
}

void eliminaImportazione(long idMov)
{
    Transazione t(connessione);
    for (const QString& sql : {u"DELETE FROM accensioniCAT where codMov=?"_s, u"DELETE FROM accensioniDoppie where codMov=?"_s,
                               u"DELETE FROM movImportazioniCAT where idMov=?"_s})
        connessione.esegui(sql, {qlonglong(idMov)});
    t.conferma();
}
