#pragma once
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVector>
#include <functional>

enum class EsitoScrittura {
    scritta,      // the card's values were written
    altraVersione // the operator kept the other workstation's version: nothing was written
};

// What a card loaded of its row, so that its confirmation notices when another workstation
// changed the row meanwhile. The statement selects the columns the card writes.
class VersioneRiga {
public:
    // Reads the row now, as the card shows it.
    void leggi(const QString& sql, const QVariantList& valori);
    void dimentica();
    // A column this workstation wrote itself, from another window, while the card was open.
    void imposta(const QString& colonna, const QVariant& valore);

    // Runs `scrivi` in one transaction when the row still holds what was loaded (a row that is
    // gone is left to `scrivi`, which reports it; a version never read writes at once). When
    // another workstation changed it, the operator reads `avviso` and chooses: Sì writes what
    // is on screen over it, No keeps the other version and writes nothing.
    EsitoScrittura scriviSeInvariata(const QString& avviso, const std::function<void()>& scrivi);

private:
    QVector<QVariantList> attuale();
    QString sql;
    QVariantList valori;
    QStringList colonne;
    QVector<QVariantList> righe;
};
