#include "customers/appartenenza.h"
#include "platform/db/connessione.h"

QString descrizioneAppartenenza(long idcli)
{
    Recordset rs = connessione.apriAvanti(QStringLiteral("SELECT * FROM clienti where idcli = ") + QString::number(idcli));
    if (rs.eof())
        return {};
    const QVariant tipo = rs.campo(QStringLiteral("cod_tipo_appartenenza"));
    switch (tipo.isNull() ? 0 : tipo.toInt()) {
    case 1:
        return QStringLiteral("Gruppo");
    case 2:
        return QStringLiteral("Proprietario");
    case 3:
        return QStringLiteral("Inquilino");
    default:
        return {};
    }
}
