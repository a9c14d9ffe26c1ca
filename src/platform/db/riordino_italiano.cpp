#include "platform/db/riordino_italiano.h"
#include "platform/db/ordine_italiano.h"
#include <QList>
#include <algorithm>
#include <array>

namespace {
constexpr int coda = RiordinoItaliano::inizioCoda;

// NOCASE compares the bytes with A to Z folded to their small letters.
constexpr uchar piegato(uchar c)
{
    return c >= 'A' && c <= 'Z' ? uchar(c + ('a' - 'A')) : c;
}

struct Tabelle {
    // The characters both orders rank alike: letters, digits, the blank, the apostrophe, and
    // the signs that agree with them.
    std::array<bool, 128> piano{};
    // For a read that has reached a text beginning with this (folded) byte: every text still
    // to come before the tail begins with a byte from here on, so it sorts at or after this
    // one-character text, the least of them in Italian order; 0 where a character of no rank
    // (a control character, which the collator passes over) could still come.
    std::array<char, coda> limite{};

    Tabelle()
    {
        const auto rango = [](uchar c) { return ordineItaliano::rango(c); };
        QList<uchar> candidati;
        for (uchar c = 'a'; c <= 'z'; ++c)
            candidati << c << uchar(c - ('a' - 'A'));
        for (uchar c = '0'; c <= '9'; ++c)
            candidati << c;
        candidati << ' ' << '\'';
        for (uchar c = ' '; c < coda; ++c)
            if (!candidati.contains(c))
                candidati << c;
        QList<uchar> scelti;
        for (const uchar c : candidati) {
            const bool concorde = rango(c) && std::all_of(scelti.begin(), scelti.end(), [&](uchar s) {
                const int byte = int(piegato(c)) - int(piegato(s)), posto = rango(c) - rango(s);
                return (byte > 0) == (posto > 0) && (byte < 0) == (posto < 0);
            });
            if (concorde) {
                scelti << c;
                piano[c] = true;
            }
        }
        for (int f = 0; f < coda; ++f) {
            int minimo = 0;
            char scelto = 0;
            for (int b = f; b < coda; ++b) {
                if (b >= 'A' && b <= 'Z')
                    continue;
                const int r = rango(uchar(b));
                if (!r) {
                    scelto = 0;
                    break;
                }
                if (!minimo || r < minimo) {
                    minimo = r;
                    scelto = char(b);
                }
            }
            limite[f] = scelto;
        }
    }
};

const Tabelle& tabelle()
{
    static const Tabelle t;
    return t;
}

using Testo = DatiRecordset::Testo;

bool piano(const Testo& t)
{
    const auto& p = tabelle().piano;
    return std::all_of(t.byte, t.byte + t.lunghezza, [&](char c) { return uchar(c) < 128 && p[uchar(c)]; });
}

// Null first, then texts in Italian order, then anything else as it came.
int confronta(const Testo& a, const Testo& b)
{
    if (a.classe != b.classe)
        return a.classe < b.classe ? -1 : 1;
    if (a.classe != Testo::Classe::testo)
        return 0;
    return ordineItaliano::confronta(a.byte, a.lunghezza, b.byte, b.lunghezza);
}
} // namespace

RiordinoItaliano::RiordinoItaliano(const DatiRecordset& dati, int colonna) : d(dati), colonna(colonna) {}

bool RiordinoItaliano::prima(int a, int b) const
{
    return confronta(testo(a), testo(b)) < 0;
}

bool RiordinoItaliano::primaDi(int riga, const Testo& limite) const
{
    return confronta(testo(riga), limite) < 0;
}

void RiordinoItaliano::coda(int riga)
{
    altre.append(riga);
}

bool RiordinoItaliano::aggiungi(int riga)
{
    const Testo t = testo(riga);
    if (t.classe == Testo::Classe::altro
        || (t.classe == Testo::Classe::testo && t.lunghezza > 0 && uchar(t.byte[0]) >= uchar(inizioCoda)))
        return false;
    if (t.classe == Testo::Classe::testo)
        ultimoPrimo = t.lunghezza > 0 ? piegato(uchar(t.byte[0])) : 0;
    if (t.classe == Testo::Classe::nullo || piano(t))
        piane.append(riga);
    else
        altre.append(riga);
    return true;
}

void RiordinoItaliano::mostra(DatiRecordset& dati, bool fine)
{
    const auto meno = [this](int a, int b) { return prima(a, b); };
    if (ordinate < altre.size()) {
        std::stable_sort(altre.begin() + ordinate, altre.end(), meno);
        std::inplace_merge(altre.begin(), altre.begin() + ordinate, altre.end(), meno);
        ordinate = altre.size();
    }

    // What may be shown: rows before the least text still to come (the empty text: only Nulls).
    const char* c = ultimoPrimo < 0 || !tabelle().limite[ultimoPrimo] ? "" : &tabelle().limite[ultimoPrimo];
    const Testo limite{Testo::Classe::testo, c, *c ? 1 : 0};
    qsizetype mostrate = 0;
    for (;;) {
        const bool altra = mostrate < altre.size() && (fine || primaDi(altre[mostrate], limite));
        const auto inizio = piane.begin() + primaPiana;
        const auto finePiane = altra ? std::upper_bound(inizio, piane.end(), altre[mostrate], meno)
                               : fine ? piane.end()
                                      : std::partition_point(inizio, piane.end(), [&](int r) { return primaDi(r, limite); });
        for (auto p = inizio; p != finePiane; ++p)
            dati.mostra(*p);
        primaPiana = finePiane - piane.begin();
        if (!altra)
            break;
        dati.mostra(altre[mostrate++]);
    }
    if (mostrate > 0) {
        altre.remove(0, mostrate);
        ordinate -= mostrate;
    }
    if (primaPiana * 2 > piane.size()) {
        piane.remove(0, primaPiana);
        primaPiana = 0;
    }
}
