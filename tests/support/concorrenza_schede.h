#pragma once
#include <QString>
#include <QStringList>
#include <functional>

// A card confirmed after another workstation wrote its row: the play every card's test runs.
struct ProvaConcorrenza {
    QString fileDatabase;
    QString altra;    // the other workstation's statement, run while the card is open; empty: none
    bool domanda;     // it changes a column the card writes: the card asks
    bool sovrascrivi; // the answer: Sì writes the card over it, No keeps the other version
};

struct EsitoConcorrenza {
    QStringList box;      // what the first confirmation showed
    bool aperta = false;  // the card stayed open after it
    QStringList mostrato; // what the card showed then
};

// Runs inside the card's modal show: the other workstation's statement, the answer, the
// confirmation; when the card stays open it reads what it shows and confirms again.
EsitoConcorrenza confermaConcorrente(const ProvaConcorrenza& p, const std::function<void()>& conferma,
                                     const std::function<bool()>& aperta,
                                     const std::function<QStringList()>& mostrato);

// Checks the outcome against the case: the question (after the card's own first line) only
// when the row changed, the card left open showing `atteso` only when the other version was
// kept, no box at the second confirmation. False when a check failed.
bool verificaConcorrenza(const ProvaConcorrenza& p, const EsitoConcorrenza& e, const QString& primaRiga,
                         const QStringList& atteso);
