#include "disegno_griglia.h"
#include "scala_mm.h"
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

void disegnaGriglia(QPainter& p, QPagedPaintDevice& pagine, const DefinizioneReport& d, const DatiReport& dati)
{
    const DefinizioneReport::Griglia& g = d.griglia;
    const ScalaMm scala(pagine);
    const QPointF origine = d.pagina.paintRect(QPageLayout::Millimeter).topLeft();
    QFont carattere;
    carattere.setPointSizeF(d.carattere);
    p.setFont(carattere);
    const QFontMetricsF metrica(carattere, &pagine);
    QList<int> campi;
    for (const QString& campo : g.campi)
        campi.append(dati.indice(campo));

    const int perPagina = g.colonne * g.righe;
    for (qsizetype i = 0; i < dati.righe.size(); ++i) {
        const int posto = int(i % perPagina);
        if (i > 0 && posto == 0)
            pagine.newPage();
        const QPointF cella
            = origine + QPointF((posto % g.colonne) * g.cella.width(), (posto / g.colonne) * g.cella.height());
        const QRectF blocco = scala.rettangolo(g.testo.translated(cella));
        double alto = blocco.top();
        for (int campo : campi) {
            if (alto + metrica.height() > blocco.bottom())
                break;
            const QString testo = metrica.elidedText(dati.righe[i][campo], Qt::ElideRight, blocco.width());
            p.drawText(QPointF(blocco.left(), alto + metrica.ascent()), testo);
            alto += metrica.lineSpacing();
        }
    }
}
