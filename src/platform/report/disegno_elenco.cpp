#include "platform/report/disegno_elenco.h"
#include "platform/ambiente/ambiente.h"
#include "platform/report/scala_mm.h"
#include "platform/report/testo_a_capo.h"
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <vector>

namespace {

QFont carattere(double punti, bool grassetto)
{
    QFont f;
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return f;
}

class Elenco {
public:
    Elenco(QPainter& p, QPagedPaintDevice& pagine, const DefinizioneReport& d, const DatiReport& dati)
        : p(p), pagine(pagine), d(d), dati(dati), scala(pagine),
          area(scala.rettangolo(d.pagina.paintRect(QPageLayout::Millimeter))),
          titolo(carattere(d.carattere + 6, true), &pagine), testata(carattere(d.carattere, true), &pagine),
          gruppo(carattere(d.carattere + 1, true), &pagine), corpo(carattere(d.carattere, false), &pagine),
          spazio(scala.larghezza(1))
    {
        double x = area.left();
        for (const DefinizioneReport::Colonna& c : d.colonne) {
            const double larghezza = scala.larghezza(c.larghezza);
            colonne.append({x, larghezza});
            campiColonne.append(dati.indice(c.campo));
            x += larghezza;
        }
        for (const DefinizioneReport::Gruppo& g : d.gruppi)
            campiGruppi.append(dati.indice(g.campo));
        p.setFont(testata.font);
        for (qsizetype c = 0; c < colonne.size(); ++c)
            altezzaTitoli
                = std::max(altezzaTitoli, titoli.emplace_back(p, cella(c).width(), d.colonne[c].titolo).altezza());
    }

    void disegna()
    {
        const qsizetype livelli = d.gruppi.size();
        QStringList correnti(livelli);
        nuovaPagina();
        for (qsizetype r = 0; r < dati.righe.size(); ++r) {
            const QStringList& riga = dati.righe[r];
            qsizetype cambio = r == 0 ? 0 : livelli;
            for (qsizetype k = 0; k < livelli && cambio == livelli; ++k)
                if (riga[campiGruppi[k]] != correnti[k])
                    cambio = k;
            for (qsizetype k = cambio; k < livelli; ++k)
                correnti[k] = riga[campiGruppi[k]];
            const bool saltoPagina = r > 0 && std::any_of(d.gruppi.begin() + cambio, d.gruppi.end(),
                                                           [](const auto& g) { return g.nuovaPagina; });
            if (saltoPagina)
                nuovaPagina();
            daStampare = std::min(daStampare, cambio);
            const double altezza = impagina(riga);
            if (y + altezzaGruppi() + altezza > limite && y > inizioContenuto)
                nuovaPagina();
            for (; daStampare < livelli; ++daStampare)
                disegnaGruppo(daStampare, correnti[daStampare]);
            disegnaRiga(std::min(altezza, limite - y));
        }
    }

private:
    struct Colonna {
        double x;
        double larghezza;
    };

    void nuovaPagina()
    {
        if (numero > 0)
            pagine.newPage();
        ++numero;
        daStampare = 0;

        const QRectF testa(area.left(), area.top(), area.width(), titolo.altezza());
        p.setFont(titolo.font);
        p.drawText(testa, Qt::AlignLeft | Qt::AlignVCenter, d.titolo);
        p.setFont(corpo.font);
        p.drawText(testa, Qt::AlignRight | Qt::AlignVCenter, oggi().toString(QStringLiteral("dd/MM/yyyy")));
        y = testa.bottom() + 2 * spazio;

        p.setFont(testata.font);
        for (qsizetype c = 0; c < colonne.size(); ++c)
            titoli[c].disegna(p, cella(c, altezzaTitoli), Qt::AlignLeft | Qt::AlignBottom);
        y += altezzaTitoli + spazio;
        linea(QPen(Qt::black, spazio / 4));
        inizioContenuto = y;

        const QRectF piede(area.left(), area.bottom() - corpo.altezza(), area.width(), corpo.altezza());
        p.setFont(corpo.font);
        p.drawText(piede, Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Pagina %1").arg(numero));
        limite = piede.top() - spazio;
    }

    double altezzaGruppi() const
    {
        return (d.gruppi.size() - daStampare) * (gruppo.altezza() + spazio);
    }

    // The row's cells laid out, to be drawn as they are; the row's height.
    double impagina(const QStringList& riga)
    {
        double altezza = 0;
        p.setFont(corpo.font);
        celle.clear();
        for (qsizetype c = 0; c < colonne.size(); ++c)
            altezza = std::max(altezza, celle.emplace_back(p, cella(c).width(), riga[campiColonne[c]]).altezza());
        return altezza + spazio;
    }

    void disegnaGruppo(qsizetype livello, const QString& testo)
    {
        const double rientro = 3 * spazio * livello;
        p.setFont(gruppo.font);
        p.drawText(QRectF(area.left() + rientro, y + spazio / 2, area.width() - rientro, gruppo.altezza()),
                   Qt::AlignLeft | Qt::AlignVCenter, d.gruppi[livello].etichetta + testo);
        y += gruppo.altezza() + spazio;
    }

    // A row taller than a whole page is cut at the footer.
    void disegnaRiga(double altezza)
    {
        p.setFont(corpo.font);
        for (qsizetype c = 0; c < colonne.size(); ++c)
            celle[c].disegna(p, cella(c, altezza), Qt::AlignLeft | Qt::AlignTop);
        y += altezza;
        linea(QPen(Qt::lightGray, spazio / 8));
    }

    // 1 mm inside each side of its column, so neighbouring columns stand 2 mm apart.
    QRectF cella(qsizetype c, double altezza = 0) const
    {
        return {colonne[c].x + spazio, y + spazio / 2, colonne[c].larghezza - 2 * spazio, altezza};
    }

    void linea(const QPen& penna)
    {
        p.setPen(penna);
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        p.setPen(QPen(Qt::black));
    }

    struct Stile {
        Stile(const QFont& f, QPaintDevice* dispositivo) : font(f), metrica(f, dispositivo) {}
        double altezza() const { return metrica.height(); }
        QFont font;
        QFontMetricsF metrica;
    };

    QPainter& p;
    QPagedPaintDevice& pagine;
    const DefinizioneReport& d;
    const DatiReport& dati;
    const ScalaMm scala;
    const QRectF area;
    const Stile titolo, testata, gruppo, corpo;
    const double spazio; // 1 mm
    QList<Colonna> colonne;
    QList<int> campiColonne;
    QList<int> campiGruppi;
    std::vector<TestoACapo> titoli; // the column headings, the same on every page
    double altezzaTitoli = 0;
    std::vector<TestoACapo> celle; // the row being drawn
    qsizetype daStampare = 0; // the first group level whose header is still to be drawn on this page
    int numero = 0;
    double y = 0;
    double inizioContenuto = 0;
    double limite = 0;
};

}

void disegnaElenco(QPainter& p, QPagedPaintDevice& pagine, const DefinizioneReport& d, const DatiReport& dati)
{
    Elenco(p, pagine, d, dati).disegna();
}
