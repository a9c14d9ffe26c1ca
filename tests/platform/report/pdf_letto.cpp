#include "pdf_letto.h"
#include <QProcess>
#include <QXmlStreamReader>

namespace {
constexpr double mmPerPunto = 25.4 / 72;

QByteArray pdftotext(const QStringList& argomenti)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), argomenti);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        qFatal("pdftotext failed: %s", p.readAllStandardError().constData());
    return p.readAllStandardOutput();
}
}

PdfLetto::Parola PdfLetto::parola(const QString& testo) const
{
    for (const Parola& p : parole)
        if (p.testo == testo)
            return p;
    return {-1, {}, {}};
}

PdfLetto leggiPdf(const QString& file)
{
    PdfLetto pdf;
    pdf.pagine = QString::fromUtf8(pdftotext({QStringLiteral("-layout"), file, QStringLiteral("-")})).split(u'\f');
    pdf.pagine.removeLast(); // the text after the last page break

    QXmlStreamReader xml(pdftotext({QStringLiteral("-bbox"), file, QStringLiteral("-")}));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto a = xml.attributes();
        const auto n = [&](const char* nome) { return a.value(QLatin1String(nome)).toDouble() * mmPerPunto; };
        if (xml.name() == QLatin1String("page")) {
            pdf.formati.append({n("width"), n("height")});
        } else if (xml.name() == QLatin1String("word")) {
            const QRectF box(QPointF(n("xMin"), n("yMin")), QPointF(n("xMax"), n("yMax")));
            pdf.parole.append({int(pdf.formati.size()) - 1, box, xml.readElementText()});
        }
    }
    return pdf;
}
