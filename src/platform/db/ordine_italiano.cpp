#include "platform/db/ordine_italiano.h"
#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <array>
#include <sqlite3.h>

namespace ordineItaliano {
namespace {
// The span of Unicode's Latin blocks, from À to the end of Latin Extended-B, whose letters that
// are a plain letter with accents only take that letter's rank.
constexpr char16_t primaLatina = 0xC0, dopoLatine = 0x250;

// The collator, and where each character stands in its order as far as the first level goes
// (letters, digits and signs; accents and case left aside). Printable ASCII has a rank of its
// own; a Latin letter that is a plain letter with accents (À, é, Ç) has its plain letter's
// rank and counts as accented. Two texts made of these characters compare by their ranks as
// far as a rank differs, which spares the collator the great majority of names; texts equal
// in rank with an accent somewhere are left to the collator.
struct Ordine {
    QCollator collatore{QLocale(QLocale::Italian, QLocale::Italy)};
    std::array<quint8, 128> rango{};
    std::array<quint8, dopoLatine - primaLatina> rangoLatine{};

    Ordine()
    {
        collatore.setCaseSensitivity(Qt::CaseInsensitive);
        collatore.setNumericMode(false);
        collatore.setIgnorePunctuation(false);
        QList<QChar> segni;
        for (char16_t c = 0x20; c < 0x7f; ++c)
            segni << QChar(c);
        const auto prima = [this](QChar a, QChar b) { return collatore.compare(QStringView(&a, 1), QStringView(&b, 1)); };
        std::stable_sort(segni.begin(), segni.end(), [&](QChar a, QChar b) { return prima(a, b) < 0; });
        int r = 0;
        for (qsizetype i = 0; i < segni.size(); ++i) {
            if (i == 0 || prima(segni[i - 1], segni[i]) != 0)
                ++r;
            rango[segni[i].unicode()] = quint8(r);
        }
        for (char16_t c = primaLatina; c < dopoLatine; ++c) {
            const QChar q(c);
            const QString d = q.decomposition();
            if (q.decompositionTag() != QChar::Canonical || d.isEmpty() || d[0].unicode() >= 128 || !d[0].isLetter())
                continue;
            if (std::all_of(d.begin() + 1, d.end(), [](QChar m) { return m.category() == QChar::Mark_NonSpacing; }))
                rangoLatine[c - primaLatina] = rango[d[0].unicode()];
        }
    }
};

const Ordine& ordine()
{
    static const Ordine o;
    return o;
}

// One character's rank (0: not known) and whether it carries an accent.
struct Segno {
    int rango;
    bool accentato;
};

Segno segno(char32_t c)
{
    const Ordine& o = ordine();
    if (c < 128)
        return {o.rango[c], false};
    if (c >= primaLatina && c < dopoLatine)
        return {o.rangoLatine[c - primaLatina], true};
    return {0, false};
}

// The characters of a UTF-16 or a UTF-8 text, one at a time.
struct Utf16 {
    const char16_t* p;
    const char16_t* fine;
    bool finito() const { return p == fine; }
    char32_t prossimo() { return *p++; } // a surrogate is no known character
};

struct Utf8 {
    const uchar* p;
    const uchar* fine;
    bool finito() const { return p == fine; }
    char32_t prossimo()
    {
        const uchar c = *p++;
        if (c < 0x80)
            return c;
        // Only two-byte forms can be known characters; any other counts as unknown.
        if ((c & 0xE0) == 0xC0 && p != fine && (*p & 0xC0) == 0x80)
            return (char32_t(c & 0x1F) << 6) | (*p++ & 0x3F);
        return 0xFFFF;
    }
};

// The ranks compared as far as they decide: < 0 or > 0 as the texts' order, 0 when equal, or
// `nonDecide` when an unknown character is reached first, or when the ranks are all equal and
// an accent may tell the texts apart.
constexpr int nonDecide = 2;

template <class T>
int rapido(T a, T b)
{
    bool accenti = false;
    while (!a.finito() && !b.finito()) {
        const Segno x = segno(a.prossimo()), y = segno(b.prossimo());
        if (!x.rango || !y.rango)
            return nonDecide;
        if (x.rango != y.rango)
            return x.rango < y.rango ? -1 : 1;
        accenti = accenti || x.accentato || y.accentato;
    }
    if (a.finito() && b.finito())
        return accenti ? nonDecide : 0;
    // The longer text comes after, when what it has more is made of known characters.
    T& resto = a.finito() ? b : a;
    const int esito = a.finito() ? -1 : 1;
    while (!resto.finito())
        if (!segno(resto.prossimo()).rango)
            return nonDecide;
    return esito;
}

int sqliteConfronta(void*, int na, const void* a, int nb, const void* b)
{
    return confronta(static_cast<const char*>(a), na, static_cast<const char*>(b), nb);
}
} // namespace

int confronta(QStringView a, QStringView b)
{
    const auto* x = reinterpret_cast<const char16_t*>(a.utf16());
    const auto* y = reinterpret_cast<const char16_t*>(b.utf16());
    const int r = rapido(Utf16{x, x + a.size()}, Utf16{y, y + b.size()});
    if (r != nonDecide)
        return r;
    return ordine().collatore.compare(a, b);
}

int confronta(const char* a, qsizetype na, const char* b, qsizetype nb)
{
    const auto* x = reinterpret_cast<const uchar*>(a);
    const auto* y = reinterpret_cast<const uchar*>(b);
    const int r = rapido(Utf8{x, x + na}, Utf8{y, y + nb});
    if (r != nonDecide)
        return r;
    return ordine().collatore.compare(QString::fromUtf8(a, na), QString::fromUtf8(b, nb));
}

int rango(char16_t c)
{
    return c < 128 ? ordine().rango[c] : 0;
}

bool registra(sqlite3* db)
{
    return sqlite3_create_collation_v2(db, nome, SQLITE_UTF8, nullptr, sqliteConfronta, nullptr) == SQLITE_OK;
}
} // namespace ordineItaliano
