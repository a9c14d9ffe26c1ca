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

Recordset clientiPerAppartenenza(const QList<int>& tipi, const QString& colonna, ComeElenco::Nulli nulli)
{
    QStringList condizioni;
    for (const int tipo : tipi)
        condizioni << QStringLiteral("cod_tipo_appartenenza=%1").arg(tipo);
    return connessione.apriStatico(
        QStringLiteral("SELECT idcli, %1 as %2 from clienti where %3 order by cognome COLLATE ITALIANO")
            .arg(voceDi(QStringLiteral("cognome"), QStringLiteral("nome"), nulli), colonna,
                 condizioni.join(QStringLiteral(" or "))));
}
