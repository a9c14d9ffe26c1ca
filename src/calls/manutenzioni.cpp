#include "calls/manutenzioni.h"
#include "platform/db/connessione.h"
#include <QDate>

void aggiornaManutenzioneProdotto(qint64 idProdotto)
{
    const Recordset rs = connessione.apriAvanti(
        QStringLiteral("SELECT sigla_tipo_man, dataMan FROM manutenzioni INNER JOIN tipoManutenzioni ON "
                       "manutenzioni.codTipoMan = tipoManutenzioni.idTipoMan where codProdotto=? "
                       "order by dataMan desc, manutenzioni.id desc"),
        {idProdotto});
    QString riassunto = QStringLiteral("-");
    if (!rs.eof())
        riassunto = rs.campo(0).toString() + QStringLiteral("-")
                    + rs.campo(1).toDate().toString(QStringLiteral("dd/MM/yyyy"));
    connessione.esegui(QStringLiteral("update prodotti_ai_clienti set manutenzione = ? where id_pro_cli=?"),
                       {riassunto, idProdotto});
}

void eliminaAttivitaProdotto(qint64 idProdChiamata)
{
    QList<qint64> attivita;
    for (Recordset rs = connessione.apriAvanti(QStringLiteral("SELECT idAttivita FROM attività_svolte where cod_prodotto=?"),
                                               {idProdChiamata});
         !rs.eof(); rs.moveNext())
        attivita << rs.campo(0).toLongLong();
    for (const qint64 a : attivita)
        eliminaMaterialiAttivita(a);
}

void eliminaMaterialiAttivita(qint64 idAttivita)
{
    connessione.esegui(QStringLiteral("DELETE from matAtt where codAtt=?"), {idAttivita});
}
