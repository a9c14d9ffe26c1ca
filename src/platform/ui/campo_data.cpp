#include "platform/ui/campo_data.h"
#include "platform/ambiente/ambiente.h"
#include <QAction>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QStyle>

using namespace Qt::StringLiterals;

CampoData::CampoData(QWidget* parent)
    : CampoDigitato({{2, 2, 4}, u'/', u"La data"_s, u"gg/mm/aaaa"_s}, parent)
{
    impostaValore(oggi());
    // The calendar's button is named for screen readers; it takes no focus (Alt+Down opens it).
    QAction* calendario = addAction(style()->standardIcon(QStyle::SP_ArrowDown), QLineEdit::TrailingPosition);
    calendario->setText(u"Calendario"_s);
    connect(calendario, &QAction::triggered, this, &CampoData::mostraCalendario);
    connect(this, &CampoDigitato::cambiato, this, [this] { emit dateChanged(date()); });
}

void CampoData::setDate(const QDate& d)
{
    if (d.isValid())
        impostaValore(d);
}

void CampoData::soloGiornoMese()
{
    conAnno = false;
    impostaSchema({{2, 2}, u'/', u"La data"_s, u"gg/mm"_s, true});
}

QVariant CampoData::interpreta(const QList<int>& n) const
{
    if (conAnno) {
        const QDate d(n[2], n[1], n[0]);
        return d.isValid() ? QVariant(d) : QVariant();
    }
    QDate d(date().year(), n[1], n[0]);
    if (!d.isValid())
        d = QDate(2000, n[1], n[0]);
    return d.isValid() ? QVariant(d) : QVariant();
}

QString CampoData::testoDi(const QVariant& v) const
{
    return v.toDate().toString(conAnno ? u"dd/MM/yyyy"_s : u"dd/MM"_s);
}

void CampoData::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Down && e->modifiers() == Qt::AltModifier) {
        mostraCalendario();
        e->accept();
        return;
    }
    CampoDigitato::keyPressEvent(e);
}

void CampoData::mostraCalendario()
{
    auto* c = new QCalendarWidget(this);
    c->setWindowFlags(Qt::Popup);
    c->setAttribute(Qt::WA_DeleteOnClose);
    c->setSelectedDate(date());
    const auto scelta = [this, c](const QDate& d) {
        setDate(d);
        c->close();
        setFocus();
    };
    connect(c, &QCalendarWidget::clicked, this, scelta);
    connect(c, &QCalendarWidget::activated, this, scelta);
    c->move(mapToGlobal(QPoint(0, height())));
    c->show();
    c->setFocus();
}
