#include "lettori_esterni.h"
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {

// Debian's python3, where python3-openpyxl is installed.
QString python()
{
    const QString debian = QStandardPaths::findExecutable(QStringLiteral("python3"), {QStringLiteral("/usr/bin")});
    return debian.isEmpty() ? QStringLiteral("python3") : debian;
}

const char* programma = R"(
import json, sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
ws = wb.active
valori, formati = {}, {}
for riga in ws.iter_rows():
    for c in riga:
        formati[c.coordinate] = c.number_format
        if c.value is not None:
            valori[c.coordinate] = str(c.value)
larghezze = {k: d.width for k, d in ws.column_dimensions.items() if d.customWidth}
print(json.dumps({"valori": valori, "formati": formati, "larghezze": larghezze, "foglio": ws.title}))
)";

// The script's output; the test fails when it does.
QByteArray eseguiScript(const QStringList& argomenti)
{
    QProcess p;
    p.start(python(), argomenti);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        QTest::qFail(qPrintable(QStringLiteral("python: ") + QString::fromUtf8(p.readAllStandardError())), __FILE__,
                     __LINE__);
        return {};
    }
    return p.readAllStandardOutput();
}

} // namespace

void eseguiPython(const QString& script, const QStringList& argomenti)
{
    eseguiScript(QStringList{script} + argomenti);
}

LettoOpenpyxl leggiConOpenpyxl(const QString& file)
{
    LettoOpenpyxl letto;
    const QByteArray uscita = eseguiScript({QStringLiteral("-c"), QString::fromUtf8(programma), file});
    if (uscita.isEmpty())
        return letto;
    const QJsonObject json = QJsonDocument::fromJson(uscita).object();
    const QJsonObject valori = json.value(QStringLiteral("valori")).toObject();
    for (auto i = valori.begin(); i != valori.end(); ++i)
        letto.valori[i.key()] = i.value().toString();
    const QJsonObject formati = json.value(QStringLiteral("formati")).toObject();
    for (auto i = formati.begin(); i != formati.end(); ++i)
        letto.formati[i.key()] = i.value().toString();
    const QJsonObject larghezze = json.value(QStringLiteral("larghezze")).toObject();
    for (auto i = larghezze.begin(); i != larghezze.end(); ++i)
        letto.larghezze[i.key()] = i.value().toDouble();
    letto.foglio = json.value(QStringLiteral("foglio")).toString();
    return letto;
}

QString convertiConLibreOffice(const QString& file, const QString& formato, const QString& cartella)
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        return {};
    // A chosen sheet of a CSV goes to "<name>-<sheet>.csv".
    const QString base = QFileInfo(file).completeBaseName();
    const QStringList filtro{base + QLatin1Char('*') + QLatin1Char('.') + formato.section(QLatin1Char(':'), 0, 0)};
    for (const QString& vecchio : QDir(cartella).entryList(filtro, QDir::Files))
        QFile::remove(cartella + QLatin1Char('/') + vecchio);
    QProcess p;
    p.start(soffice, {QStringLiteral("-env:UserInstallation=file://") + cartella + QStringLiteral("/profilo"),
                      QStringLiteral("--headless"), QStringLiteral("--convert-to"), formato, QStringLiteral("--outdir"),
                      cartella, file});
    if (!p.waitForFinished(120000))
        return {};
    const QStringList convertiti = QDir(cartella).entryList(filtro, QDir::Files);
    return convertiti.isEmpty() ? QString() : cartella + QLatin1Char('/') + convertiti.first();
}

QList<QStringList> leggiConLibreOffice(const QString& file, const QString& cartella, int foglio)
{
    QList<QStringList> righe;
    // Comma, double quotes, UTF-8 (76), from row 1, every text quoted, cells as shown, the sheet.
    const QString convertito = convertiConLibreOffice(
        file, QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1,,0,true,true,true,false,false,%1").arg(foglio),
        cartella);
    QFile csv(convertito);
    if (convertito.isEmpty() || !csv.open(QIODevice::ReadOnly))
        return righe;
    // Fields in double quotes may hold commas, doubled quotes and line breaks.
    const QString testo = QString::fromUtf8(csv.readAll());
    QStringList riga;
    QString campo;
    bool virgolette = false;
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const QChar c = testo[i];
        if (virgolette) {
            if (c == QLatin1Char('"') && i + 1 < testo.size() && testo[i + 1] == QLatin1Char('"'))
                campo += testo[++i];
            else if (c == QLatin1Char('"'))
                virgolette = false;
            else
                campo += c;
        } else if (c == QLatin1Char('"')) {
            virgolette = true;
        } else if (c == QLatin1Char(',')) {
            riga << campo;
            campo.clear();
        } else if (c == QLatin1Char('\n')) {
            riga << campo;
            righe << riga;
            riga.clear();
            campo.clear();
        } else if (c != QLatin1Char('\r')) {
            campo += c;
        }
    }
    return righe;
}
