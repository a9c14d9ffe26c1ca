#include "shell/controlli_accesso.h"

QLineEdit* nuovoCampoPassword(QWidget* padre)
{
    auto* e = new QLineEdit(padre);
    e->setEchoMode(QLineEdit::Password);
    e->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    return e;
}

QLabel* nuovaIntestazione(const QString& testo, QWidget* padre)
{
    auto* l = new QLabel(testo, padre);
    l->setAlignment(Qt::AlignCenter);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}
