#include "platform/excel/testo_valore.h"
#include <QDate>
#include <QTime>
#include <cmath>
#include <cstdio>
#include <cstdlib>

QString testoNumero(double valore)
{
    if (!std::isfinite(valore))
        return QStringLiteral("#NUM!");
    // "-d.dddddddddddddde+XX": 15 significant digits, rounded as a spreadsheet shows them.
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", valore);
    const bool negativo = buf[0] == '-';
    const char* p = buf + (negativo ? 1 : 0);
    QString cifre;
    for (; *p != 'e'; ++p)
        if (*p != '.')
            cifre.append(QLatin1Char(*p));
    int esponente = std::atoi(p + 1);
    while (cifre.size() > 1 && cifre.endsWith(QLatin1Char('0')))
        cifre.chop(1);
    if (cifre == QLatin1String("0"))
        return cifre;

    QString testo;
    if (esponente >= 21 || esponente < -10) {
        testo = cifre.left(1);
        if (cifre.size() > 1)
            testo += QLatin1Char(',') + cifre.mid(1);
        testo += QStringLiteral("E%1%2").arg(esponente < 0 ? '-' : '+').arg(std::abs(esponente), 2, 10, QLatin1Char('0'));
    } else if (esponente < 0) {
        testo = QStringLiteral("0,") + QString(-esponente - 1, QLatin1Char('0')) + cifre;
    } else if (cifre.size() <= esponente + 1) {
        testo = cifre + QString(esponente + 1 - cifre.size(), QLatin1Char('0'));
    } else {
        testo = cifre.left(esponente + 1) + QLatin1Char(',') + cifre.mid(esponente + 1);
    }
    return negativo ? QLatin1Char('-') + testo : testo;
}

QString testoData(double seriale, bool sistema1904)
{
    const double giorni = std::floor(seriale);
    if (!std::isfinite(seriale) || giorni < (sistema1904 ? 0 : 1) || giorni > 2958465)
        return QString();
    if (sistema1904)
        return QDate(1904, 1, 1).addDays(qint64(giorni)).toString(QStringLiteral("dd/MM/yyyy"));
    // The 1900 system counts a 29 February 1900 that never was: serial 60.
    if (giorni == 60)
        return QStringLiteral("29/02/1900");
    const QDate base = giorni < 60 ? QDate(1899, 12, 31) : QDate(1899, 12, 30);
    return base.addDays(qint64(giorni)).toString(QStringLiteral("dd/MM/yyyy"));
}

QString testoOra(double seriale)
{
    if (!std::isfinite(seriale) || seriale < 0)
        return QString();
    const double frazione = seriale - std::floor(seriale);
    const long long secondi = std::llround(frazione * 86400) % 86400;
    return QTime(0, 0).addSecs(int(secondi)).toString(QStringLiteral("HH:mm:ss"));
}

QString testoDurata(double giorni)
{
    // Within what a count of seconds holds.
    if (!std::isfinite(giorni) || giorni < 0 || giorni > 1e13)
        return QString();
    const long long secondi = std::llround(giorni * 86400);
    const auto dueCifre = [](long long n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    return dueCifre(secondi / 3600) + QLatin1Char(':') + dueCifre(secondi / 60 % 60) + QLatin1Char(':') + dueCifre(secondi % 60);
}

QString testoDataIso(const QString& iso)
{
    const QDate data = QDate::fromString(iso.left(10), Qt::ISODate);
    if (data.isValid())
        return data.toString(QStringLiteral("dd/MM/yyyy"));
    const QTime ora = QTime::fromString(iso, Qt::ISODateWithMs);
    return ora.isValid() ? testoOra(ora.msecsSinceStartOfDay() / 86400000.0) : QString();
}
