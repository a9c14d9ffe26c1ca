#include "ambiente.h"
#include "connessione.h"
#include "funzioni.h"
#include <QRegularExpression>

QString maiuscolo(const QString& testo)
{
    return testo.toUpper();
}

QString sqlTesto(const QString& testo)
{
    return maiuscolo(QString(testo).replace(u'\'', QStringLiteral("''")));
}

namespace {
// Day before month, as the operators write dates; a missing year is the current one,
// a two-digit year lies between 1930 and 2029.
QDate riconosciData(const QString& testo)
{
    static const QRegularExpression forma(QStringLiteral(R"(^\s*(\d{1,2})[/.-](\d{1,2})(?:[/.-](\d{2}|\d{4}))?\s*$)"));
    const QRegularExpressionMatch m = forma.match(testo);
    if (!m.hasMatch())
        return {};
    int anno = oggi().year();
    if (m.capturedLength(3) == 4)
        anno = m.captured(3).toInt();
    else if (m.capturedLength(3) == 2)
        anno = m.captured(3).toInt() + (m.captured(3).toInt() < 30 ? 2000 : 1900);
    return QDate(anno, m.captured(2).toInt(), m.captured(1).toInt());
}
} // namespace

QString dataSQL(const QDate& data)
{
    return QStringLiteral("%1/%2/%3").arg(data.month()).arg(data.day()).arg(data.year());
}

QString dataSQL(const QString& testo)
{
    const QDate d = riconosciData(testo);
    if (d.isValid())
        return dataSQL(d);
    return oggi().toString(QStringLiteral("MM/dd/yyyy"));
}

QVariant nz(const QVariant& valore)
{
    return valore.isNull() ? QVariant(QString()) : valore;
}

QVariant seNullo(const QVariant& valore, const QVariant& predefinito)
{
    return valore.isNull() ? predefinito : valore;
}

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

int filtraTastoDecimale(int codiceTasto, const QString& testo)
{
    constexpr int punto = 46, virgola = 44, cancella = 8;
    if (testo.contains(u',') && codiceTasto == punto)
        return 0;
    const bool cifra = codiceTasto >= '0' && codiceTasto <= '9';
    if (!cifra && codiceTasto != punto && codiceTasto != cancella)
        return 0;
    return codiceTasto == punto ? virgola : codiceTasto;
}
