#include "fixture_accensioni.h"
#include "platform/db/connessione.h"
#include "platform/excel/indirizzo_cella.h"
#include "platform/excel/libro_excel.h"
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
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
    static const char* programma = R"(
import datetime, json, sys, openpyxl
wb = openpyxl.Workbook()
ws = wb.active
ws.title = "Dati"
ws["R1"] = "Matricola"
for n, riga in enumerate(json.load(sys.stdin), start=int(sys.argv[2])):
    for colonna, v in riga.items():
        ws[colonna + str(n)] = datetime.date.fromisoformat(v["data"]) if isinstance(v, dict) else v
wb.save(sys.argv[1])
)";
    QJsonArray json;
    for (const auto& riga : righe) {
        QJsonObject o;
        for (auto i = riga.begin(); i != riga.end(); ++i)
            o.insert(i.key(), i.value().typeId() == QMetaType::QDate
                                  ? QJsonValue(QJsonObject{{QStringLiteral("data"), i.value().toDate().toString(Qt::ISODate)}})
                                  : QJsonValue::fromVariant(i.value()));
        json.append(o);
    }
    QProcess p;
    p.start(QStandardPaths::findExecutable(QStringLiteral("python3"), {QStringLiteral("/usr/bin")}),
            {QStringLiteral("-c"), QString::fromUtf8(programma), file, QString::number(prima)});
    p.write(QJsonDocument(json).toJson());
    p.closeWriteChannel();
    QVERIFY2(p.waitForFinished(60000) && p.exitCode() == 0, p.readAllStandardError().constData());
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
