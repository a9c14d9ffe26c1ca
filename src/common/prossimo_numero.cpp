#include "common/prossimo_numero.h"
#include "platform/db/connessione.h"
#include "platform/db/errore_db.h"

qint64 prossimoNumero(const QString& contatore, const std::function<bool(qint64)>& inUso)
{
    if (contatore != QLatin1String("cliente") && contatore != QLatin1String("chiamata"))
        throw ErroreDb(erroreComando, QStringLiteral("Contatori"), QStringLiteral("Contatore sconosciuto: ") + contatore);
    Transazione t(connessione);
    const Recordset rs = connessione.apriAvanti(QStringLiteral("SELECT max(%1)+1 as totale from contatori").arg(contatore));
    qint64 numero = 1;
    if (rs.eof() || rs.campo(QStringLiteral("totale")).isNull())
        connessione.esegui(QStringLiteral("insert into contatori (cliente,chiamata) values (0,0)"));
    else
        numero = rs.campo(QStringLiteral("totale")).toLongLong();
    while (inUso && inUso(numero))
        ++numero;
    connessione.esegui(QStringLiteral("update contatori set %1=?").arg(contatore), {numero});
    t.conferma();
    return numero;
}
