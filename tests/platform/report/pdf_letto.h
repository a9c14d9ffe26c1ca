#pragma once
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

// A PDF read back with pdftotext: each page's text as laid out, its size and its words
// with their boxes, in mm from the page's top left corner.
struct PdfLetto {
    struct Parola {
        int pagina; // 0-based
        QRectF mm;
        QString testo;
    };
    QStringList pagine; // the text of each page, lines kept as laid out
    QList<QSizeF> formati;
    QList<Parola> parole;

    // The first word with this text; its pagina is -1 when there is none.
    Parola parola(const QString& testo) const;
};

PdfLetto leggiPdf(const QString& file);
