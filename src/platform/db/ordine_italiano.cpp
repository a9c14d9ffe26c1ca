#include "platform/db/ordine_italiano.h"
#include "platform/db/testo_citato.h"
#include <QCollator>
#include <QLocale>
#include <QRegularExpression>
#include <QVarLengthArray>
#include <algorithm>
#include <array>
#include <sqlite3.h>

namespace ordineItaliano {
namespace {
// The collator, and the rank of each printable ASCII character in its order (0: not
// printable ASCII). Two texts of printable ASCII compare as their ranks do, letter by letter,
// which spares the collator the great majority of names.
struct Ordine {
    QCollator collatore{QLocale(QLocale::Italian, QLocale::Italy)};
    std::array<quint8, 128> rango{};

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
    }
};

const Ordine& ordine()
{
    static const Ordine o;
    return o;
}

// The ranks compared as far as they decide: < 0 or > 0 as the ASCII fast path orders the two
// texts, 0 when equal, or `nonDecide` when a character outside printable ASCII is reached first.
constexpr int nonDecide = 2;

template <class C>
int rapido(const C* a, qsizetype na, const C* b, qsizetype nb)
{
    const auto& rango = ordine().rango;
    const auto r = [&](C c) -> int { return quint32(c) < 128 ? rango[quint32(c)] : 0; };
    const qsizetype n = std::min(na, nb);
    for (qsizetype i = 0; i < n; ++i) {
        const int x = r(a[i]), y = r(b[i]);
        if (!x || !y)
            return nonDecide;
        if (x != y)
            return x < y ? -1 : 1;
    }
    // The longer text comes after, when what it has more is printable ASCII.
    const C* resto = na > nb ? a : b;
    for (qsizetype i = n; i < std::max(na, nb); ++i)
        if (!r(resto[i]))
            return nonDecide;
    return na == nb ? 0 : (na < nb ? -1 : 1);
}

int sqliteConfronta(void*, int na, const void* a, int nb, const void* b)
{
    return confronta(static_cast<const char*>(a), na, static_cast<const char*>(b), nb);
}
} // namespace

int confronta(QStringView a, QStringView b)
{
    const int r = rapido(a.utf16(), a.size(), b.utf16(), b.size());
    if (r != nonDecide)
        return r;
    return ordine().collatore.compare(a, b);
}

int confronta(const char* a, qsizetype na, const char* b, qsizetype nb)
{
    const int r = rapido(reinterpret_cast<const uchar*>(a), na, reinterpret_cast<const uchar*>(b), nb);
    if (r != nonDecide)
        return r;
    return ordine().collatore.compare(QString::fromUtf8(a, na), QString::fromUtf8(b, nb));
}

bool registra(sqlite3* db)
{
    return sqlite3_create_collation_v2(db, nome, SQLITE_UTF8, nullptr, sqliteConfronta, nullptr) == SQLITE_OK;
}

namespace {
// A word or a sign of the statement, outside quoted texts and names, at bracket depth 0.
struct Parola {
    qsizetype inizio, fine;
    bool virgola = false;
};

bool lettera(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

// The words and commas at depth 0, quoted texts, names and brackets left out.
QList<Parola> parole(const QString& sql)
{
    QList<Parola> p;
    int profondita = 0;
    const qsizetype n = sql.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = sql[i];
        if (apreCitazione(c)) {
            const qsizetype fine = fineCitazione(sql, i);
            if (profondita == 0)
                p.append({i, fine});
            i = fine;
        } else if (c == u'(') {
            if (profondita++ == 0)
                p.append({i, i + 1});
            ++i;
        } else if (c == u')') {
            if (--profondita == 0)
                p.append({i, i + 1});
            ++i;
        } else if (profondita > 0 || c.isSpace()) {
            ++i;
        } else if (lettera(c)) {
            qsizetype j = i;
            while (j < n && lettera(sql[j]))
                ++j;
            p.append({i, j});
            i = j;
        } else {
            p.append({i, i + 1, c == u','});
            ++i;
        }
    }
    return p;
}
} // namespace

QString applica(const QString& sql)
{
    static const QRegularExpression interrogazione(QStringLiteral("^\\s*(SELECT|WITH)\\b"),
                                                   QRegularExpression::CaseInsensitiveOption);
    if (!sql.contains(QLatin1String("order"), Qt::CaseInsensitive) || !interrogazione.match(sql).hasMatch())
        return sql;
    const QList<Parola> p = parole(sql);
    const auto testo = [&](qsizetype k) { return QStringView(sql).mid(p[k].inizio, p[k].fine - p[k].inizio); };
    const auto e = [&](qsizetype k, const char* parola) {
        return k < p.size() && testo(k).compare(QLatin1String(parola), Qt::CaseInsensitive) == 0;
    };
    // Where COLLATE ITALIANO goes: after the last word of each term that is not ASC, DESC,
    // NULLS FIRST or NULLS LAST.
    QList<qsizetype> punti;
    for (qsizetype k = 0; k + 1 < p.size(); ++k) {
        if (!e(k, "order") || !e(k + 1, "by"))
            continue;
        k += 2;
        while (k < p.size()) {
            qsizetype fine = k;
            bool collazione = false;
            while (fine < p.size() && !p[fine].virgola && !e(fine, "limit") && testo(fine) != u";") {
                collazione = collazione || e(fine, "collate");
                ++fine;
            }
            qsizetype ultima = fine;
            while (ultima > k && (e(ultima - 1, "asc") || e(ultima - 1, "desc") || e(ultima - 1, "first")
                                  || e(ultima - 1, "last") || e(ultima - 1, "nulls")))
                --ultima;
            if (!collazione && ultima > k)
                punti.append(p[ultima - 1].fine);
            if (fine >= p.size() || !p[fine].virgola)
                break;
            k = fine + 1;
        }
    }
    QString esito = sql;
    for (qsizetype i = punti.size() - 1; i >= 0; --i)
        esito.insert(punti[i], QStringLiteral(" COLLATE ") + QLatin1String(nome));
    return esito;
}
} // namespace ordineItaliano
