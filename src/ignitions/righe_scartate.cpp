#include "ignitions/righe_scartate.h"
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {
// Runs of consecutive rows shown on one line of the summary at most.
constexpr int tratti = 20;

// "5, 9-12, 20": the ascending rows as runs; after `tratti` runs, how many rows are left.
QString elencoRighe(const QList<int>& righe)
{
    QStringList parti;
    int i = 0;
    while (i < righe.size() && parti.size() < tratti) {
        int j = i;
        while (j + 1 < righe.size() && righe[j + 1] == righe[j] + 1)
            ++j;
        parti << (j == i ? QString::number(righe[i]) : u"%1-%2"_s.arg(righe[i]).arg(righe[j]));
        i = j + 1;
    }
    QString testo = parti.join(u", "_s);
    if (i < righe.size())
        testo += u" e altre %1"_s.arg(righe.size() - i);
    return testo;
}
} // namespace

void RigheScartate::aggiungi(int riga, const QString& causa)
{
    ++totale;
    for (auto& [c, righe] : perCausa)
        if (c == causa) {
            righe << riga;
            return;
        }
    perCausa.append({causa, {riga}});
}

QString RigheScartate::riepilogo() const
{
    QString testo = u"Righe non importate: %1"_s.arg(totale);
    for (const auto& [causa, righe] : perCausa)
        testo += u"\r\n"_s + causa + (righe.size() == 1 ? u": riga "_s : u": righe "_s) + elencoRighe(righe);
    return testo;
}
