#include "ignitions/importazione_cat.h"
#include "ignitions/date_accensioni.h"
#include "ignitions/mod_excel.h"
#include "ignitions/tracciato_accensioni.h"
#include "platform/db/connessione.h"
#include "platform/db/testi_sql.h"
#include "platform/excel/foglio.h"
#include "platform/excel/indirizzo_cella.h"
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {
// AH, the test date: the one column stored as a date.
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

// The column letters A to AQ, as colonnaSuccessiva steps them.
const QStringList& colonneFoglio()
{
    static const QStringList lettere = [] {
        QStringList l;
        for (QString c = u"A"_s; l.size() < colonneTracciato; c = colonnaSuccessiva(c))
            l << c;
        return l;
    }();
    return lettere;
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
    return matricolaDaConfrontare(foglio.valore(u"R"_s + QString::number(riga)));
}

bool fineRighe(const Foglio& foglio, int riga)
{
    for (int r = riga; r < riga + 3 && r <= ultimaRiga; ++r)
        if (!foglio.valore(u"R"_s + QString::number(r)).isEmpty())
            return false;
    return true;
}

QVariantList valoriRiga(const Foglio& foglio, int riga)
{
    QVariantList valori;
    valori.reserve(colonneTracciato);
    const QString numero = QString::number(riga);
    for (int i = 0; i < colonneTracciato; ++i) {
        const QString testo = foglio.valore(colonneFoglio()[i] + numero);
        if (testo.isEmpty())
            valori << QVariant();
        else if (i != colonnaDataCollaudo)
            valori << testo;
        else if (const QDate d = dataCollaudoCella(testo); d.isValid())
            valori << d;
        else
            valori << testo;
    }
    return valori;
}

QString causaRifiuto(const QVariantList& valori)
{
    const QVariant& data = valori[colonnaDataCollaudo];
    if (data.typeId() == QMetaType::QString)
        return u"Data di collaudo non valida (colonna AH)"_s;
    return {};
}

RigheImportate::RigheImportate(long codCAT, long idMov)
    : codCAT(codCAT),
      idMov(idMov),
      buona(connessione, istruzioneInserimento(u"accensioniCAT"_s, {u"codCAT"_s, u"codMov"_s})),
      doppia(connessione,
             istruzioneInserimento(u"accensioniDoppie"_s, {u"codCAT"_s, u"codMov"_s, u"riferimentoAccensione"_s}))
{
}

void RigheImportate::inserisciMatricolaBuona(const QVariantList& valori)
{
    // A refused row undoes itself alone (SQLite rolls back the one statement).
    buona.esegui(QVariantList{qlonglong(codCAT), qlonglong(idMov)} + valori);
}

void RigheImportate::inserisciMatricolaDoppia(const QVariantList& valori, qint64 riferimento)
{
    doppia.esegui(QVariantList{qlonglong(codCAT), qlonglong(idMov), qlonglong(riferimento)} + valori);
}

void eliminaImportazione(long idMov)
{
    Transazione t(connessione);
    for (const QString& sql : {u"DELETE FROM accensioniCAT where codMov=?"_s, u"DELETE FROM accensioniDoppie where codMov=?"_s,
                               u"DELETE FROM movImportazioniCAT where idMov=?"_s})
        connessione.esegui(sql, {qlonglong(idMov)});
    t.conferma();
}
