#include "platform/ui/combo_dati.h"
#include "platform/db/connessione.h"
#include "platform/db/formato_testo.h"
#include <QKeyEvent>
#include <QListView>
#include <QStyle>
#include <QStyleOptionComboBox>

ComboDati::ComboDati(QWidget* parent) : QComboBox(parent), voci(new ModelloVoci(this))
{
    setInsertPolicy(QComboBox::NoInsert);
    setModel(voci);
    // Sized by a typical entry, not by measuring every one of a long list.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(12);
    if (auto* lista = qobject_cast<QListView*>(view()))
        lista->setUniformItemSizes(true);
}

void ComboDati::riempi(Recordset rs, const QString& campoMostrato, const QString& campoLegato)
{
    inAttesa = nullptr;
    // The entries in one go: a list of tens of thousands of customers fills at once.
    QVector<QString> testi;
    QVector<QVariant> chiavi;
    if (const auto d = rs.dati()) {
        // Straight from the snapshot's cells, without seeking the fields by name on each row.
        const int n = rs.recordCount(), mostrato = d->indice(campoMostrato), legato = d->indice(campoLegato);
        if (n > 0 && (mostrato < 0 || legato < 0)) {
            rs.moveFirst();
            rs.campo(mostrato < 0 ? campoMostrato : campoLegato); // the recordset's error for a missing field
        }
        testi.reserve(n);
        chiavi.reserve(n);
        for (int r = 0; r < n; ++r) {
            testi.append(testoValore(d->valore(r, mostrato)));
            chiavi.append(d->valore(r, legato));
        }
    }
    for (; !rs.statico() && !rs.eof(); rs.moveNext()) {
        testi.append(testoValore(rs.campo(campoMostrato)));
        chiavi.append(rs.campo(campoLegato));
    }
    // A short list is measured whole, entry by entry.
    larghezzaVoci = 0;
    if (testi.size() <= vociMisurate)
        for (const QString& t : std::as_const(testi))
            larghezzaVoci = std::max(larghezzaVoci, fontMetrics().horizontalAdvance(t));
    voci->imposta(std::move(testi), std::move(chiavi));
    svuotaScelta();
    updateGeometry();
}

QSize ComboDati::sizeHint() const
{
    QSize s = QComboBox::sizeHint();
    if (larghezzaVoci > 0) {
        QStyleOptionComboBox opzioni;
        initStyleOption(&opzioni);
        const QSize intera =
            style()->sizeFromContents(QStyle::CT_ComboBox, &opzioni, QSize(larghezzaVoci, s.height()), this);
        s.setWidth(std::max(s.width(), intera.width()));
    }
    return s;
}

QVariant ComboDati::valoreLegato() const
{
    return currentIndex() < 0 ? QVariant() : itemData(currentIndex());
}

void ComboDati::impostaValoreLegato(const QVariant& chiave)
{
    if (chiave.isNull() || chiave.toString() == QLatin1String("0")) {
        svuotaScelta();
        return;
    }
    if (const int i = voci->riga(chiave); i >= 0) {
        setCurrentIndex(i);
        return;
    }
    if (!conserva) {
        svuotaScelta();
        return;
    }
    voci->aggiungi(descrizioneMancante(chiave), chiave);
    setCurrentIndex(count() - 1);
}

void ComboDati::conservaChiaviMancanti(const QString& sql)
{
    conserva = true;
    sqlMancante = sql;
}

QString ComboDati::descrizioneMancante(const QVariant& chiave) const
{
    if (sqlMancante.isEmpty())
        return chiave.toString();
    const Recordset rs = connessione.apriAvanti(sqlMancante, {chiave});
    if (rs.eof())
        return chiave.toString();
    const bool eliminato = rs.numeroCampi() > 1 && rs.campo(1).toInt() != 0;
    return testoValore(rs.campo(0)) + (eliminato ? QStringLiteral(" (eliminato)") : QString());
}

void ComboDati::svuotaScelta()
{
    setCurrentIndex(-1);
    if (isEditable())
        clearEditText();
}

void ComboDati::riempiQuandoServe(std::function<void()> riempitore)
{
    voci->imposta({}, {});
    svuotaScelta();
    inAttesa = std::move(riempitore);
}

void ComboDati::riempiSeInAttesa()
{
    if (!inAttesa)
        return;
    const auto riempitore = std::exchange(inAttesa, nullptr);
    const QVariant scelta = valoreLegato();
    riempitore();
    impostaValoreLegato(scelta);
}

void ComboDati::showPopup()
{
    riempiSeInAttesa();
    // A long list opens as the plain list under the box, as wide as its longest entry by
    // characters, measured alone: the style's other form measures every entry first.
    if (count() <= vociMisurate) {
        QComboBox::showPopup();
        return;
    }
    QAbstractItemView* v = view();
    QStyle* s = v->style();
    const int minima = v->minimumWidth();
    const QString voce = model()->index(voci->piuLunga(), 0).data().toString();
    const int margine = 2 * (s->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, v) + 1);
    v->setMinimumWidth(v->fontMetrics().horizontalAdvance(voce) + margine
                       + s->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, v) + 2 * v->frameWidth());
    elencoLungo = true;
    QComboBox::showPopup();
    elencoLungo = false;
    v->setMinimumWidth(minima);
}

void ComboDati::initStyleOption(QStyleOptionComboBox* opzione) const
{
    QComboBox::initStyleOption(opzione);
    // The styles open an editable box's list under it, and only the other form is measured.
    if (elencoLungo)
        opzione->editable = true;
}

void ComboDati::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Delete) {
        svuotaScelta();
        e->accept();
        return;
    }
    riempiSeInAttesa();
    QComboBox::keyPressEvent(e);
}
