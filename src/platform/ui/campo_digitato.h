#pragma once
#include <QLineEdit>
#include <QList>
#include <QVariant>

// A field where a date or a time is typed whole. Clicking on it (or coming by Tab) and typing
// replaces what was shown; the separators come by themselves (31122026 reads 31/12/2026) or as
// typed (1/2/2026), and a pasted text goes the same way. The value changes once, when the text
// is whole and exists. A text that is not (31/02/2026, or 31/12/20 left there) stays as typed,
// in red, and the value stays what it was: the window's confirmation refuses it (see
// campiDigitatiValidi). Esc puts back what the field showed.
class CampoDigitato : public QLineEdit {
    Q_OBJECT
public:
    // The text is whole and names a value that exists: what is shown is the value.
    bool valido() const;
    // Why the text is refused, naming the field (nomeNelMessaggio) and the text as typed.
    QString rifiuto() const;
    // As wide as its longest text.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The value changed, typed or set by the program.
    void cambiato();

protected:
    // How the value is typed: the digits of each section (dd/MM/yyyy: 2, 2, 4), the separator
    // shown, the value's name in a refusal ("La data") and the pattern it asks for ("gg/mm/aaaa").
    // The last section must have all its digits, unless ultimaBreve: then, once the typing is
    // over (Tab, Enter, the window's confirmation), it may have fewer, as the other sections
    // may (a month: 1/5 reads 01/05).
    struct Schema {
        QList<int> cifre;
        QChar separatore;
        QString nome;
        QString modello;
        bool ultimaBreve = false;
    };
    // The derived field shows its first value with impostaValore.
    CampoDigitato(Schema schema, QWidget* parent);

    // The value of the typed numbers, one per section; invalid when there is none.
    virtual QVariant interpreta(const QList<int>& numeri) const = 0;
    virtual QString testoDi(const QVariant& valore) const = 0;
    const QVariant& valore() const { return corrente; }
    void impostaValore(const QVariant& valore);
    void impostaSchema(Schema s);

    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    enum class Esito { intero, incompleto };
    // finale: the typing is over.
    Esito leggi(const QString& testo, QList<int>* numeri, bool finale) const;
    QString riordina(const QString& testo) const;
    void testoCambiato(const QString& testo);
    // The text as it stands: a whole, existing value becomes the value; otherwise the text is
    // marked when it is whole, or when the typing is over (Enter, leaving the field).
    void valuta(bool finale);
    void mostra(const QString& testo);
    void marca(bool m);
    bool inAttesa() const { return text() != testoDi(corrente); }

    friend bool campiDigitatiValidi(QWidget* finestra);

    Schema schema;
    QVariant corrente;
    bool sostituisci = false; // the next character typed replaces the whole text
    bool scrivendo = false;   // the field is writing its own text
    bool marcato = false;
};

// The typing in the window's dates and times is over: each text becomes its field's value. They
// are whole and exist; otherwise the first field that is not says why in a message and gets the
// focus, and the result is false. Fields that cannot be used (an unticked date) are not asked.
bool campiDigitatiValidi(QWidget* finestra);
