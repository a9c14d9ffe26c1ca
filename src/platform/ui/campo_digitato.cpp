#include "platform/ui/campo_digitato.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/utilita_form.h"
#include <QApplication>
#include <QKeyEvent>

using namespace Qt::StringLiterals;

namespace {
// What may stand between the numbers when they are typed or pasted.
bool separatore(QChar c)
{
    return u"/.-:, "_s.contains(c);
}

const QColor rosso(255, 0, 0);
} // namespace

CampoDigitato::CampoDigitato(Schema s, QWidget* parent) : QLineEdit(parent), schema(std::move(s))
{
    connect(this, &QLineEdit::textChanged, this, &CampoDigitato::testoCambiato);
}

void CampoDigitato::impostaValore(const QVariant& v)
{
    const bool diverso = v != corrente;
    corrente = v;
    mostra(testoDi(v));
    marca(false);
    if (diverso)
        emit cambiato();
}

void CampoDigitato::impostaSchema(Schema s)
{
    schema = std::move(s);
    mostra(testoDi(corrente));
    updateGeometry();
}

bool CampoDigitato::valido() const
{
    QList<int> numeri;
    return leggi(text(), &numeri, true) == Esito::intero && interpreta(numeri).isValid();
}

QString CampoDigitato::rifiuto() const
{
    const QString campo = nomeNelMessaggio(this);
    QList<int> numeri;
    if (leggi(text(), &numeri, true) == Esito::intero)
        return u"%1 \"%2\" nel campo \"%3\" non esiste"_s.arg(schema.nome, text(), campo);
    return u"%1 \"%2\" nel campo \"%3\" è incompleta: scriverla come %4"_s.arg(schema.nome, text(), campo,
                                                                                 schema.modello);
}

// A whole text: every section's digits with the separators between them (only the last section
// must have all its digits: 1/2/2026; see Schema::ultimaBreve), or all the digits and nothing else.
CampoDigitato::Esito CampoDigitato::leggi(const QString& testo, QList<int>* numeri, bool finale) const
{
    QStringList parti{QString()};
    for (const QChar c : testo) {
        if (c.isDigit())
            parti.last() += c;
        else if (separatore(c))
            parti << QString();
        else
            return Esito::incompleto;
    }
    const qsizetype n = schema.cifre.size();
    const bool ultimaBreve = finale && schema.ultimaBreve;
    if (parti.size() == 1) {
        QString cifre = parti.first();
        parti.clear();
        for (const int c : schema.cifre) {
            parti << cifre.left(c);
            cifre.remove(0, c);
        }
        if (!cifre.isEmpty())
            return Esito::incompleto;
    }
    if (parti.size() != n)
        return Esito::incompleto;
    numeri->clear();
    for (qsizetype i = 0; i < n; ++i) {
        const qsizetype cifre = parti[i].size();
        if (cifre == 0 || cifre > schema.cifre[i] || (i == n - 1 && cifre != schema.cifre[i] && !ultimaBreve))
            return Esito::incompleto;
        numeri->append(parti[i].toInt());
    }
    return Esito::intero;
}

// The text typed so far, with the shown separator between sections: one comes by itself when a
// section is full and another digit follows, a typed one closes a section begun; digits past the
// last section and anything else are left out.
QString CampoDigitato::riordina(const QString& testo) const
{
    QString r;
    qsizetype sezione = 0;
    int cifre = 0;
    const qsizetype ultima = schema.cifre.size() - 1;
    for (const QChar c : testo) {
        if (c.isDigit()) {
            if (cifre == schema.cifre[sezione]) {
                if (sezione == ultima)
                    continue;
                r += schema.separatore;
                ++sezione;
                cifre = 0;
            }
            r += c;
            ++cifre;
        } else if (separatore(c) && cifre > 0 && sezione < ultima) {
            r += schema.separatore;
            ++sezione;
            cifre = 0;
        }
    }
    return r;
}

void CampoDigitato::testoCambiato(const QString& testo)
{
    if (scrivendo)
        return;
    // Typing at the end gets its separators; an edit inside the text keeps what it typed.
    if (cursorPosition() == testo.size()) {
        const QString riordinato = riordina(testo);
        if (riordinato != testo)
            mostra(riordinato);
    }
    valuta(false);
}

void CampoDigitato::valuta(bool finale)
{
    QList<int> numeri;
    const bool intero = leggi(text(), &numeri, finale) == Esito::intero;
    const QVariant v = intero ? interpreta(numeri) : QVariant();
    if (!v.isValid()) {
        marca(intero || finale);
        return;
    }
    const int posizione = cursorPosition();
    const bool allaFine = posizione == text().size();
    const QString testo = testoDi(v);
    if (testo != text()) {
        mostra(testo);
        setCursorPosition(allaFine ? int(testo.size()) : std::min(posizione, int(testo.size())));
    }
    marca(false);
    if (v != corrente) {
        corrente = v;
        emit cambiato();
    }
}

void CampoDigitato::mostra(const QString& testo)
{
    scrivendo = true;
    setText(testo);
    scrivendo = false;
}

void CampoDigitato::marca(bool m)
{
    if (m == marcato)
        return;
    marcato = m;
    QPalette p = palette();
    const QColor colore = m ? rosso : QApplication::palette(this).color(QPalette::Text);
    for (const auto gruppo : {QPalette::Active, QPalette::Inactive})
        p.setColor(gruppo, QPalette::Text, colore);
    setPalette(p);
}

bool CampoDigitato::event(QEvent* e)
{
    // Esc belongs to the field while it holds a text of its own: the window does not see it.
    if (e->type() == QEvent::ShortcutOverride) {
        const auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Escape && k->modifiers() == Qt::NoModifier && inAttesa()) {
            e->accept();
            return true;
        }
    }
    return QLineEdit::event(e);
}

void CampoDigitato::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier && inAttesa()) {
        mostra(testoDi(corrente));
        marca(false);
        selectAll();
        sostituisci = true;
        e->accept();
        return;
    }
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        valuta(true);
        QLineEdit::keyPressEvent(e);
        return;
    }
    const bool modificatore = e->key() == Qt::Key_Shift || e->key() == Qt::Key_Control || e->key() == Qt::Key_Alt
                              || e->key() == Qt::Key_Meta || e->key() == Qt::Key_AltGr;
    if (sostituisci && !modificatore) {
        sostituisci = false;
        const bool carattere = !e->text().isEmpty() && e->text().front().isPrint();
        if (carattere || e->matches(QKeySequence::Paste))
            clear();
    }
    QLineEdit::keyPressEvent(e);
}

void CampoDigitato::focusInEvent(QFocusEvent* e)
{
    sostituisci = true;
    QLineEdit::focusInEvent(e);
}

void CampoDigitato::mousePressEvent(QMouseEvent* e)
{
    sostituisci = true;
    QLineEdit::mousePressEvent(e);
}

void CampoDigitato::mouseDoubleClickEvent(QMouseEvent* e)
{
    sostituisci = true;
    QLineEdit::mouseDoubleClickEvent(e);
}

void CampoDigitato::focusOutEvent(QFocusEvent* e)
{
    if (e->reason() != Qt::PopupFocusReason)
        valuta(true);
    QLineEdit::focusOutEvent(e);
}

QSize CampoDigitato::sizeHint() const
{
    // As wide as its longest text, with the room the line edit keeps around it.
    QSize s = QLineEdit::sizeHint();
    const QFontMetrics fm = fontMetrics();
    QStringList sezioni;
    for (const int cifre : schema.cifre)
        sezioni << QString(cifre, u'0');
    const int testo = fm.horizontalAdvance(sezioni.join(schema.separatore));
    s.setWidth(s.width() - 17 * fm.horizontalAdvance(u'x') + testo);
    return s;
}

QSize CampoDigitato::minimumSizeHint() const
{
    return QSize(sizeHint().width(), QLineEdit::minimumSizeHint().height());
}

bool campiDigitatiValidi(QWidget* finestra)
{
    for (CampoDigitato* c : finestra->findChildren<CampoDigitato*>()) {
        if (!c->isEnabled())
            continue;
        c->valuta(true);
        if (c->valido())
            continue;
        messaggio(c->rifiuto(), stile::esclamazione);
        c->setFocus();
        c->selectAll();
        return false;
    }
    return true;
}
