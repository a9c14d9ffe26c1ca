#include "platform/report/formula.h"
#include "platform/report/errori_report.h"
#include "platform/report/formula_lessico.h"
#include <QDate>

namespace {

// or := and (OR and)*; and := not (AND not)*; not := NOT not | '(' or ')' | operand comparison operand
class Compilatore {
public:
    Compilatore(const QList<Lessema>& l, const CampiFormula& campi) : l(l), campi(campi) {}

    CondizioneSql compila()
    {
        CondizioneSql c;
        c.testo = o();
        if (attuale().tipo != Lessema::Tipo::Fine)
            formulaNonValida(QStringLiteral("\"%1\" inatteso").arg(attuale().testo), attuale().posizione);
        c.valori = valori;
        return c;
    }

private:
    QString o()
    {
        QString s = e();
        while (accetta(Lessema::Tipo::Parola, QStringLiteral("OR")))
            s += QStringLiteral(" OR ") + e();
        return s;
    }

    QString e()
    {
        QString s = non();
        while (accetta(Lessema::Tipo::Parola, QStringLiteral("AND")))
            s += QStringLiteral(" AND ") + non();
        return s;
    }

    QString non()
    {
        if (accetta(Lessema::Tipo::Parola, QStringLiteral("NOT")))
            return QStringLiteral("NOT (") + non() + u')';
        if (accetta(Lessema::Tipo::Simbolo, QStringLiteral("("))) {
            const QString s = o();
            richiedi(QStringLiteral(")"));
            return u'(' + s + u')';
        }
        return confronto();
    }

    QString confronto()
    {
        const QString sinistra = operando();
        static const QStringList operatori = {QStringLiteral("="),  QStringLiteral("<>"), QStringLiteral("<"),
                                              QStringLiteral(">"),  QStringLiteral("<="), QStringLiteral(">=")};
        const Lessema& op = attuale();
        if (op.tipo != Lessema::Tipo::Simbolo || !operatori.contains(op.testo))
            formulaNonValida(QStringLiteral("atteso un confronto"), op.posizione);
        ++i;
        return sinistra + u' ' + op.testo + u' ' + operando();
    }

    QString operando()
    {
        const Lessema& x = l[i];
        switch (x.tipo) {
        case Lessema::Tipo::Campo:
            ++i;
            return campo(x);
        case Lessema::Tipo::Numero:
        case Lessema::Tipo::Testo:
            ++i;
            return valore(x.valore);
        case Lessema::Tipo::Parola:
            if (x.testo == QStringLiteral("DATE")) {
                ++i;
                return data(x.posizione);
            }
            break;
        case Lessema::Tipo::Simbolo:
            if (x.testo == QStringLiteral("-") && l[i + 1].tipo == Lessema::Tipo::Numero) {
                i += 2;
                const QVariant n = l[i - 1].valore;
                return valore(n.typeId() == QMetaType::Double ? QVariant(-n.toDouble()) : QVariant(-n.toLongLong()));
            }
            break;
        case Lessema::Tipo::Fine:
            break;
        }
        formulaNonValida(QStringLiteral("atteso un campo o un valore"), x.posizione);
    }

    QString campo(const Lessema& x)
    {
        const auto trovato = campi.constFind(x.testo);
        if (trovato == campi.constEnd())
            erroreReport(erroreCampoReport,
                         QStringLiteral("Campo sconosciuto nella formula di selezione: {%1}").arg(x.testo));
        return *trovato;
    }

    // Dates are stored as 'yyyy-mm-dd' texts.
    QString data(int posizione)
    {
        richiedi(QStringLiteral("("));
        const qlonglong anno = intero();
        richiedi(QStringLiteral(","));
        const qlonglong mese = intero();
        richiedi(QStringLiteral(","));
        const qlonglong giorno = intero();
        richiedi(QStringLiteral(")"));
        const bool inIntervallo = anno >= 1 && anno <= 9999 && mese >= 1 && mese <= 12 && giorno >= 1 && giorno <= 31;
        const QDate d = inIntervallo ? QDate(int(anno), int(mese), int(giorno)) : QDate();
        if (!d.isValid())
            formulaNonValida(QStringLiteral("data inesistente"), posizione);
        return valore(d.toString(Qt::ISODate));
    }

    qlonglong intero()
    {
        const Lessema& x = attuale();
        if (x.tipo != Lessema::Tipo::Numero || x.valore.typeId() != QMetaType::LongLong)
            formulaNonValida(QStringLiteral("atteso un numero intero"), x.posizione);
        ++i;
        return x.valore.toLongLong();
    }

    QString valore(const QVariant& v)
    {
        valori.append(v);
        return QStringLiteral("?");
    }

    bool accetta(Lessema::Tipo tipo, const QString& testo)
    {
        if (attuale().tipo != tipo || attuale().testo != testo)
            return false;
        ++i;
        return true;
    }

    void richiedi(const QString& simbolo)
    {
        if (!accetta(Lessema::Tipo::Simbolo, simbolo))
            formulaNonValida(QStringLiteral("atteso \"%1\"").arg(simbolo), attuale().posizione);
    }

    const Lessema& attuale() const { return l[i]; }

    const QList<Lessema>& l;
    const CampiFormula& campi;
    qsizetype i = 0;
    QVariantList valori;
};

}

CondizioneSql compilaFormula(const QString& formula, const CampiFormula& campi)
{
    const QList<Lessema> lessemi = leggiLessemi(formula);
    if (lessemi.size() == 1)
        return {};
    return Compilatore(lessemi, campi).compila();
}
