#pragma once
#include <QDate>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

// The limit of the customer list: a bare Qt program drawing its pages onto a QPdfWriter, A4
// landscape with margins of 10 mm, in the same fonts: title and date, the column headings
// wrapped and set on a rule, each cell wrapped within its column, a grey rule under each row,
// the page number in the footer, a row that does not fit moved to the next page. Each text is
// laid out once with QTextLayout, as drawText lays it out, and its lines drawn from that layout;
// the headings are laid out once for all pages.
namespace elenco_essenziale {

struct Colonna {
    const char* titolo;
    double mm;
};

// The columns of the shipped customer list, in the order of its query.
inline constexpr Colonna colonne[] = {
    {"Cognome", 30}, {"Nome", 24}, {"Indirizzo", 39}, {"Citta", 24}, {"Telefono", 22},
    {"Sigla Prodotto", 17}, {"Sigla Marca", 15}, {"Modello", 28}, {"Data ultima manutenzione", 26},
    {"Sigla Abbonamento", 26}, {"Scadenza abbonamento", 26}};
inline constexpr std::size_t telefono = 4; // its two numbers on two lines
inline constexpr std::size_t scadenza = 10; // a date as SQLite holds it, printed dd/MM/yyyy

inline QFont carattere(double punti, bool grassetto)
{
    QFont f;
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return f;
}

// A text wrapped to a width, each line on a whole unit below the one before; its height.
inline double disponi(QTextLayout& l, double larghezza, double interlinea)
{
    QTextOption o(Qt::AlignLeft);
    o.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    l.setTextOption(o);
    l.setCacheEnabled(true);
    double alto = -interlinea;
    l.beginLayout();
    for (QTextLine riga = l.createLine(); riga.isValid(); riga = l.createLine()) {
        riga.setLineWidth(larghezza);
        alto = std::ceil(alto + interlinea);
        riga.setPosition(QPointF(0, alto));
        alto += riga.ascent() + riga.descent();
    }
    l.endLayout();
    return alto;
}

inline void disegna(QPainter& p, const QTextLayout& l, const QPointF& punto)
{
    for (int i = 0; i < l.lineCount(); ++i)
        l.lineAt(i).draw(&p, punto);
}

inline void disegnaElenco(const QString& file, const std::vector<std::vector<std::string>>& righe)
{
    QPdfWriter pdf(file);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()));
    QPainter p(&pdf);
    const double mm = pdf.logicalDpiX() / 25.4;
    const double spazio = mm;
    const QRectF area(10 * mm, 10 * mm, 277 * mm, 190 * mm);
    const QFont titolo = carattere(14, true), testata = carattere(8, true), corpo = carattere(8, false);
    const double altoTesta = QFontMetricsF(titolo, &pdf).height();
    const QFontMetricsF metrica(corpo, &pdf);

    constexpr std::size_t n = std::size(colonne);
    double x[n], larghezza[n]; // each cell 1 mm inside its column
    double sinistra = area.left();
    for (std::size_t c = 0; c < n; ++c) {
        x[c] = sinistra + spazio;
        larghezza[c] = colonne[c].mm * mm - 2 * spazio;
        sinistra += colonne[c].mm * mm;
    }
    std::unique_ptr<QTextLayout> titoli[n];
    double altoTitolo[n], altoTitoli = 0;
    for (std::size_t c = 0; c < n; ++c) {
        titoli[c] = std::make_unique<QTextLayout>(QString::fromUtf8(colonne[c].titolo), testata, &pdf);
        altoTitolo[c] = disponi(*titoli[c], larghezza[c], QFontMetricsF(testata, &pdf).leading());
        altoTitoli = std::max(altoTitoli, altoTitolo[c]);
    }
    const QString oggi = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));

    int pagina = 0;
    double y = 0, inizio = 0, limite = 0;
    const auto linea = [&](const QPen& penna) {
        p.setPen(penna);
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        p.setPen(QPen(Qt::black));
    };
    const auto nuovaPagina = [&] {
        if (pagina++ > 0)
            pdf.newPage();
        const QRectF testa(area.left(), area.top(), area.width(), altoTesta);
        p.setFont(titolo);
        p.drawText(testa, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Elenco clienti"));
        p.setFont(corpo);
        p.drawText(testa, Qt::AlignRight | Qt::AlignVCenter, oggi);
        y = testa.bottom() + 2 * spazio;
        for (std::size_t c = 0; c < n; ++c)
            disegna(p, *titoli[c], QPointF(x[c], y + spazio / 2 + altoTitoli - altoTitolo[c]));
        y += altoTitoli + spazio;
        linea(QPen(Qt::black, spazio / 4));
        inizio = y;
        const QRectF piede(area.left(), area.bottom() - metrica.height(), area.width(), metrica.height());
        p.drawText(piede, Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Pagina %1").arg(pagina));
        limite = piede.top() - spazio;
    };

    nuovaPagina();
    std::unique_ptr<QTextLayout> celle[n];
    for (const std::vector<std::string>& riga : righe) {
        double alto = 0;
        for (std::size_t c = 0; c < n; ++c) {
            const std::string& t = riga[c];
            QString testo = c == scadenza && t.size() == 10
                ? QString::fromStdString(t.substr(8, 2) + '/' + t.substr(5, 2) + '/' + t.substr(0, 4))
                : QString::fromStdString(t);
            if (c == telefono)
                testo.replace(u'\n', QChar::LineSeparator);
            celle[c] = std::make_unique<QTextLayout>(testo, corpo, &pdf);
            alto = std::max(alto, disponi(*celle[c], larghezza[c], metrica.leading()));
        }
        alto += spazio;
        if (y + alto > limite && y > inizio)
            nuovaPagina();
        for (std::size_t c = 0; c < n; ++c)
            disegna(p, *celle[c], QPointF(x[c], y + spazio / 2));
        y += alto;
        linea(QPen(Qt::lightGray, spazio / 8));
    }
}

} // namespace elenco_essenziale
