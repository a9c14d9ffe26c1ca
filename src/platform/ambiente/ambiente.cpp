#include "platform/ambiente/ambiente.h"
#include <QCoreApplication>

namespace {
std::function<QDate()>& orologioCorrente()
{
    static std::function<QDate()> f;
    return f;
}
QString& cartellaImpostata()
{
    static QString c;
    return c;
}
}

QDate oggi()
{
    auto& f = orologioCorrente();
    return f ? f() : QDate::currentDate();
}

void impostaOrologio(std::function<QDate()> orologio)
{
    orologioCorrente() = std::move(orologio);
}

QString cartellaProgramma()
{
    const QString& c = cartellaImpostata();
    return c.isEmpty() ? QCoreApplication::applicationDirPath() : c;
}

void impostaCartellaProgramma(const QString& cartella)
{
    cartellaImpostata() = cartella;
}

namespace {
QString& titolo()
{
    static QString t = QStringLiteral("Corvext");
    return t;
}
}

QString titoloApplicazione()
{
    return titolo();
}

void impostaTitoloApplicazione(const QString& t)
{
    titolo() = t;
}
