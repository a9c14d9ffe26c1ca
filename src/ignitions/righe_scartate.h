#pragma once
#include <QList>
#include <QPair>
#include <QString>

// The workbook rows a run leaves out, each with its cause, and the one summary the operator
// reads at the end in place of a box per row.
class RigheScartate {
public:
    void aggiungi(int riga, const QString& causa);
    int numero() const { return totale; }
    // "Righe non importate: N", then one line per cause, in the order met, with its rows:
    // "<cause>: righe 5, 9-12" (the first rows of a long list, then how many more).
    QString riepilogo() const;

private:
    QList<QPair<QString, QList<int>>> perCausa;
    int totale = 0;
};
