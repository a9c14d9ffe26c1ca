#include "campo_password.h"

QLineEdit* nuovoCampoPassword(QWidget* padre)
{
    auto* e = new QLineEdit(padre);
    e->setEchoMode(QLineEdit::Password);
    e->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    return e;
}
