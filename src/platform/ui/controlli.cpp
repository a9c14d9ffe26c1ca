#include "platform/ui/controlli.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/data_opzionale.h"
#include "platform/ui/limite_caratteri.h"
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

QLineEdit* casella(QWidget* padre, const QString& nome, int limite)
{
    auto* e = controllo<QLineEdit>(padre, nome);
    if (limite > 0)
        limitaCaratteri(e, limite);
    return e;
}

QCheckBox* spunta(QWidget* padre, const QString& nome, const QString& testo)
{
    return controllo<QCheckBox>(padre, nome, testo);
}

QRadioButton* opzione(QWidget* padre, const QString& nome, const QString& testo)
{
    return controllo<QRadioButton>(padre, nome, testo);
}

QComboBox* elenco(QWidget* padre, const QString& nome, const QStringList& voci)
{
    auto* c = controllo<QComboBox>(padre, nome);
    c->addItems(voci);
    c->setCurrentIndex(-1);
    return c;
}

QComboBox* elencoMesi(QWidget* padre, const QString& nome)
{
    return elenco(padre, nome,
                  {u"Gennaio"_s, u"Febbraio"_s, u"Marzo"_s, u"Aprile"_s, u"Maggio"_s, u"Giugno"_s, u"Luglio"_s,
                   u"Agosto"_s, u"Settembre"_s, u"Ottobre"_s, u"Novembre"_s, u"Dicembre"_s});
}

ComboDati* combo(QWidget* padre, const QString& nome)
{
    return controllo<ComboDati>(padre, nome);
}

ComboDati* combo(QWidget* padre, const QString& nome, const QString& sqlMancante)
{
    auto* c = combo(padre, nome);
    c->conservaChiaviMancanti(sqlMancante);
    return c;
}

DataOpzionale* data(QWidget* padre, const QString& nome)
{
    return controllo<DataOpzionale>(padre, nome, true);
}

QPushButton* pulsante(QWidget* padre, const QString& nome, const QString& testo, const QString& suggerimento)
{
    auto* p = controllo<QPushButton>(padre, nome, testo);
    if (!suggerimento.isEmpty())
        p->setToolTip(suggerimento);
    return p;
}

QPushButton* pulsanteIcona(QWidget* padre, const QString& nome, QStyle::StandardPixmap icona,
                           const QString& suggerimento)
{
    auto* p = controllo<QPushButton>(padre, nome);
    p->setIcon(p->style()->standardIcon(icona));
    p->setToolTip(suggerimento);
    p->setAccessibleName(suggerimento);
    return p;
}

QLabel* etichetta(QWidget* padre, const QString& testo, QWidget* campo)
{
    auto* l = new QLabel(testo, padre);
    l->setBuddy(campo);
    return l;
}

QLabel* etichetta(QWidget* padre, const QString& nome, const QString& testo, QWidget* campo)
{
    QLabel* l = etichetta(padre, testo, campo);
    l->setObjectName(nome);
    return l;
}

QLabel* intestazione(QWidget* padre, const QString& testo)
{
    auto* l = new QLabel(testo, padre);
    l->setAlignment(Qt::AlignCenter);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QLineEdit* casellaPassword(QWidget* padre)
{
    auto* e = new QLineEdit(padre);
    e->setEchoMode(QLineEdit::Password);
    e->setStyleSheet(u"lineedit-password-character: 42"_s);
    return e;
}

void filaPulsanti(QBoxLayout* finestra, std::initializer_list<QPushButton*> pulsanti, Lato lato)
{
    const bool finestraInRiga = finestra->direction() == QBoxLayout::LeftToRight
                                || finestra->direction() == QBoxLayout::RightToLeft;
    QBoxLayout* fila = finestraInRiga ? static_cast<QBoxLayout*>(new QVBoxLayout) : new QHBoxLayout;
    if (lato == Lato::fine)
        fila->addStretch();
    for (QPushButton* p : pulsanti)
        fila->addWidget(p);
    if (lato == Lato::inizio)
        fila->addStretch();
    finestra->addLayout(fila);
}
