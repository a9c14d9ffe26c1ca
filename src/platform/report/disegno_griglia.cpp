#include "platform/report/disegno_griglia.h"
#include "platform/report/scala_mm.h"
#include "platform/report/testo_a_capo.h"
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <vector>

namespace {

constexpr double carattereMinimo = 6; // points

// Each text starts a line of the block and wraps within it. When they do not fit its height the
// type shrinks, down to the smallest size; what is still too long is cut at the block's bottom.
void disegnaBlocco(QPainter& p, const QRectF& blocco, const QStringList& testi, double punti)
{
    const double minimo = std::min(punti, carattereMinimo);
    QFont carattere;
    std::vector<TestoACapo> righe;
    for (;; punti -= 0.5) {
        carattere.setPointSizeF(std::max(punti, minimo));
        p.setFont(carattere);
        righe.clear();
        double altezza = 0;
        for (const QString& t : testi)
            altezza += righe.emplace_back(p, blocco.width(), t).altezza();
        if (punti <= minimo || altezza <= blocco.height())
            break;
    }
    double alto = blocco.top();
    for (std::size_t k = 0; k < righe.size() && alto < blocco.bottom(); ++k) {
        righe[k].disegna(p, QRectF(blocco.left(), alto, blocco.width(), blocco.bottom() - alto),
                         Qt::AlignLeft | Qt::AlignTop);
        alto += righe[k].altezza();
    }
}

}

void disegnaGriglia(QPainter& p, QPagedPaintDevice& pagine, const DefinizioneReport& d, const DatiReport& dati)
{
    const DefinizioneReport::Griglia& g = d.griglia;
    const ScalaMm scala(pagine);
    const QPointF origine = d.pagina.paintRect(QPageLayout::Millimeter).topLeft();
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
        QStringList testi;
        for (int campo : campi)
            testi.append(dati.righe[i][campo]);
        disegnaBlocco(p, scala.rettangolo(g.testo.translated(cella)), testi, d.carattere);
    }
}
