#pragma once
#include <QDate>
#include <QString>
#include <QVariant>
#include <optional>

// The states the route sheet prints.
struct StatiGiro {
    bool daSvolgere = false, sospeso = false, annullato = false, svolto = false;
};

// The route sheet's selection formula: the technician and the zone when given (Null: any),
// the days from `da` to `a` and the states; none when no state is chosen.
std::optional<QString> formulaGiro(const QVariant& tecnico, const QVariant& zona, const QDate& da, const QDate& a,
                                   const StatiGiro& stati);
