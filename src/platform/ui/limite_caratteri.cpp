#include "platform/ui/limite_caratteri.h"
#include <QLineEdit>
#include <algorithm>

namespace {
class LimiteCaratteri : public QObject {
public:
    LimiteCaratteri(QLineEdit* campo, int massimo) : QObject(campo), campo(campo), massimo(massimo)
    {
        // textEdited (the operator's edits only) comes before textChanged (every change); the
        // length is read from the box, since a change cut short here is still signalled whole.
        connect(campo, &QLineEdit::textChanged, this, [this] { lunghezza = this->campo->text().size(); });
        connect(campo, &QLineEdit::textEdited, this, [this](const QString& t) { limita(t); });
        lunghezza = campo->text().size();
    }

private:
    void limita(QString testo)
    {
        const qsizetype ammessa = std::max<qsizetype>(massimo, lunghezza);
        if (testo.size() <= ammessa)
            return;
        // What was typed or pasted ends at the cursor: its excess goes.
        qsizetype eccesso = testo.size() - ammessa;
        const int cursore = campo->cursorPosition();
        qsizetype da = std::max<qsizetype>(0, cursore - eccesso);
        // Never half of a character outside the Basic Multilingual Plane.
        if (da > 0 && testo[da].isLowSurrogate() && testo[da - 1].isHighSurrogate()) {
            --da;
            ++eccesso;
        }
        testo.remove(da, eccesso);
        campo->setText(testo);
        campo->setCursorPosition(int(da));
    }

    QLineEdit* campo;
    int massimo;
    qsizetype lunghezza = 0;
};
} // namespace

void limitaCaratteri(QLineEdit* campo, int massimo)
{
    new LimiteCaratteri(campo, massimo);
}
