#include "fixture_accensioni.h"
#include "lettori_esterni.h"
#include "platform/db/connessione.h"
#include "platform/excel/indirizzo_cella.h"
#include "platform/excel/libro_excel.h"
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

void preparaTemplate(const QString& cartella, bool riempito)
{
    const QString file = cartella + QStringLiteral("/template.xlsx");
    QFile::remove(file);
    QVERIFY(QFile::copy(QStringLiteral(TEMPLATE_XLSX), file));
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    if (!riempito)
        return;
    const auto libro = LibroExcel::apri(file);
    for (int r = 2; r <= 8; ++r)
        for (const QString& c : lettereTracciato())
            libro->foglio().scrivi(c + QString::number(r), QStringLiteral("T"));
    libro->salva();
}

void creaLibro(const QString& file, const QList<QMap<QString, QString>>& righe)
{
    QFile::remove(file);
    QVERIFY(QFile::copy(QStringLiteral(TEMPLATE_XLSX), file));
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    const auto libro = LibroExcel::apri(file);
    int r = 2;
    for (const auto& riga : righe) {
        for (auto i = riga.begin(); i != riga.end(); ++i)
            libro->foglio().scrivi(i.key() + QString::number(r), i.value());
        ++r;
    }
    libro->salva();
}

void creaLibroOpenpyxl(const QString& file, const QList<QMap<QString, QVariant>>& righe, int prima)
{
    QJsonArray json;
    for (const auto& riga : righe) {
        QJsonObject o;
        for (auto i = riga.begin(); i != riga.end(); ++i)
            o.insert(i.key(), i.value().typeId() == QMetaType::QDate
                                  ? QJsonValue(QJsonObject{{QStringLiteral("data"), i.value().toDate().toString(Qt::ISODate)}})
                                  : QJsonValue::fromVariant(i.value()));
        json.append(o);
    }
    eseguiPython(QStringLiteral(LIBRO_RIGHE),
                 {file, QString::number(prima), QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Compact))});
}

QStringList lettereTracciato()
{
    QStringList l;
    for (int c = 1; c <= 43; ++c)
        l << lettereColonna(c);
    return l;
}

qint64 inserisci(const QString& tabella, const QMap<QString, QVariant>& valori)
{
    connessione.esegui(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                           .arg(tabella, valori.keys().join(QLatin1Char(',')),
                                QStringList(valori.size(), QStringLiteral("?")).join(QLatin1Char(','))),
                       valori.values());
    return connessione.ultimoId();
}
