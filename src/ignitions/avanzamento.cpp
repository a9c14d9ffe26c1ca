#include "ignitions/avanzamento.h"
#include <QCoreApplication>
#include <QDateTime>
#include <QLabel>

namespace {
constexpr qint64 quadroMs = 16;
}

Avanzamento::Avanzamento(QLabel* etichetta) : etichetta(etichetta) {}

void Avanzamento::segna(int righe)
{
    etichetta->setText(QString::number(righe));
    const qint64 adesso = QDateTime::currentMSecsSinceEpoch();
    if (ultimo >= 0 && adesso - ultimo < quadroMs)
        return;
    ultimo = adesso;
    QCoreApplication::processEvents();
}
