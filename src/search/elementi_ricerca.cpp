#include "search/elementi_ricerca.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/data_opzionale.h"
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace elementi {
namespace {
template <class T>
T* nominato(T* w, const QString& nome)
{
    w->setObjectName(nome);
    return w;
}
} // namespace

QLineEdit* testo(QWidget* padre, const QString& nome)
{
    return nominato(new QLineEdit(padre), nome);
}

QCheckBox* spunta(QWidget* padre, const QString& nome, const QString& didascalia)
{
    return nominato(new QCheckBox(didascalia, padre), nome);
}

QRadioButton* opzione(QWidget* padre, const QString& nome, const QString& didascalia)
{
    return nominato(new QRadioButton(didascalia, padre), nome);
}

ComboDati* combo(QWidget* padre, const QString& nome)
{
    return nominato(new ComboDati(padre), nome);
}

DataOpzionale* data(QWidget* padre, const QString& nome)
{
    return nominato(new DataOpzionale(true, padre), nome);
}

QPushButton* pulsante(QWidget* padre, const QString& nome, const QString& didascalia, const QString& suggerimento)
{
    auto* p = nominato(new QPushButton(didascalia, padre), nome);
    p->setAutoDefault(false);
    if (!suggerimento.isEmpty())
        p->setToolTip(suggerimento);
    return p;
}

} // namespace elementi
