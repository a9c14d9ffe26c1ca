#include "platform/report/formula_lessico.h"
#include "platform/report/errori_report.h"

void formulaNonValida(const QString& motivo, int posizione)
{
    erroreReport(erroreFormulaReport,
                 QStringLiteral("Formula di selezione non valida (posizione %1): %2").arg(posizione).arg(motivo));
}

namespace {

class Lettore {
public:
    explicit Lettore(const QString& f) : f(f) {}

    QList<Lessema> leggi()
    {
        QList<Lessema> lessemi;
        for (;;) {
            while (i < f.size() && f[i].isSpace())
                ++i;
            if (i >= f.size())
                break;
            lessemi.append(prossimo());
        }
        lessemi.append({Lessema::Tipo::Fine, {}, {}, int(f.size()) + 1});
        return lessemi;
    }

private:
    Lessema prossimo()
    {
        const QChar c = f[i];
        if (c == u'{')
            return campo();
        if (c.isDigit() || (c == u'.' && i + 1 < f.size() && f[i + 1].isDigit()))
            return numero();
        if (c == u'"' || c == u'\'')
            return testo();
        if (c.isLetter())
            return parola();
        return simbolo();
    }

    Lessema campo()
    {
        const int inizio = i;
        const int fine = f.indexOf(u'}', i);
        const int altra = f.indexOf(u'{', i + 1);
        if (fine < 0 || (altra >= 0 && altra < fine))
            formulaNonValida(QStringLiteral("manca la parentesi graffa di chiusura"), inizio + 1);
        QString nome = f.mid(i + 1, fine - i - 1).toLower();
        nome.removeIf([](QChar c) { return c.isSpace(); });
        i = fine + 1;
        return {Lessema::Tipo::Campo, nome, {}, inizio + 1};
    }

    Lessema numero()
    {
        const int inizio = i;
        while (i < f.size() && f[i].isDigit())
            ++i;
        const bool decimale = i < f.size() && f[i] == u'.';
        if (decimale) {
            ++i;
            while (i < f.size() && f[i].isDigit())
                ++i;
        }
        const QString cifre = f.mid(inizio, i - inizio);
        bool ok = false;
        const QVariant valore = decimale ? QVariant(cifre.toDouble(&ok)) : QVariant(cifre.toLongLong(&ok));
        if (!ok)
            formulaNonValida(QStringLiteral("numero non valido"), inizio + 1);
        return {Lessema::Tipo::Numero, cifre, valore, inizio + 1};
    }

    // A quote inside a text is written twice.
    Lessema testo()
    {
        const int inizio = i;
        const QChar virgolette = f[i++];
        QString valore;
        for (;;) {
            if (i >= f.size())
                formulaNonValida(QStringLiteral("testo non chiuso"), inizio + 1);
            if (f[i] == virgolette) {
                if (i + 1 < f.size() && f[i + 1] == virgolette) {
                    valore += virgolette;
                    i += 2;
                    continue;
                }
                ++i;
                return {Lessema::Tipo::Testo, f.mid(inizio, i - inizio), valore, inizio + 1};
            }
            valore += f[i++];
        }
    }

    Lessema parola()
    {
        const int inizio = i;
        while (i < f.size() && (f[i].isLetterOrNumber() || f[i] == u'_'))
            ++i;
        const QString p = f.mid(inizio, i - inizio).toUpper();
        static const QStringList note = {QStringLiteral("AND"), QStringLiteral("OR"), QStringLiteral("NOT"),
                                         QStringLiteral("DATE")};
        if (!note.contains(p))
            formulaNonValida(QStringLiteral("parola sconosciuta \"%1\"").arg(f.mid(inizio, i - inizio)), inizio + 1);
        return {Lessema::Tipo::Parola, p, {}, inizio + 1};
    }

    Lessema simbolo()
    {
        const int inizio = i;
        static const QStringList doppi = {QStringLiteral("<>"), QStringLiteral("<="), QStringLiteral(">=")};
        const QString due = f.mid(i, 2);
        if (doppi.contains(due)) {
            i += 2;
            return {Lessema::Tipo::Simbolo, due, {}, inizio + 1};
        }
        const QChar c = f[i];
        if (!QStringLiteral("=<>(),-").contains(c))
            formulaNonValida(QStringLiteral("carattere inatteso \"%1\"").arg(c), inizio + 1);
        ++i;
        return {Lessema::Tipo::Simbolo, QString(c), {}, inizio + 1};
    }

    const QString& f;
    int i = 0;
};

}

QList<Lessema> leggiLessemi(const QString& formula)
{
    return Lettore(formula).leggi();
}
