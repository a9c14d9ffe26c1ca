#include "registers/modello/legame_campi.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/errore_db.h"
#include "platform/db/testi_sql.h"
#include "platform/ui/campo_ora.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/data_opzionale.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

bool leggiIntero(const QString& testo, qlonglong* valore)
{
    static const QRegularExpression intero(u"^[+-]?\\d{1,18}$"_s);
    const QString t = testo.trimmed();
    if (!intero.match(t).hasMatch())
        return false;
    *valore = t.toLongLong();
    return true;
}

bool leggiDecimale(const QString& testo, double* valore)
{
    // The Italian comma or a point is the decimal mark; no grouping of thousands.
    static const QRegularExpression decimale(u"^[+-]?(\\d+([.,]\\d*)?|[.,]\\d+)$"_s);
    QString t = testo.trimmed();
    if (!decimale.match(t).hasMatch())
        return false;
    t.replace(u',', u'.');
    bool ok = false;
    *valore = t.toDouble(&ok);
    return ok;
}

QString testoColonna(const QString& testo)
{
    return testo.isEmpty() ? QStringLiteral("") : maiuscolo(testo);
}

double numeroIniziale(const QString& testo)
{
    static const QRegularExpression iniziale(u"^\\s*[+-]?\\d*(\\.\\d*)?"_s);
    bool ok = false;
    const double n = iniziale.match(testo).captured().trimmed().toDouble(&ok);
    return ok ? n : 0;
}

namespace {
// The property of a `voce` field that keeps a stored number its entries do not list.
constexpr char voceConservata[] = "voceConservata";

QString testoDecimale(const QVariant& v)
{
    return v.isNull() ? QString() : QString::number(v.toDouble(), 'g', 15).replace(u'.', u',');
}

// The day of a picker that shows day and month, in the current year; invalid when that
// year has no such day.
QDate nellAnnoCorrente(const QDate& d)
{
    return QDate(oggi().year(), d.month(), d.day());
}

// A ticked date typed that cannot be is refused, never read as the one shown before.
QVariant valoreData(const DataOpzionale* d)
{
    if (d->spuntata() && !d->campoData()->valido())
        throw ErroreDb(erroreComando, u"Scheda"_s, d->campoData()->rifiuto());
    return d->valore();
}
} // namespace

void LegameCampi::lega(Legame l)
{
    legami.append(std::move(l));
}

const LegameCampi::Legame* LegameCampi::trova(const QString& colonna) const
{
    for (const Legame& l : legami)
        if (l.colonna.compare(colonna, Qt::CaseInsensitive) == 0)
            return &l;
    return nullptr;
}

QWidget* LegameCampi::controllo(const QString& colonna) const
{
    const Legame* l = trova(colonna);
    return l ? l->controllo : nullptr;
}

void LegameCampi::nonTrovato(const QString& colonna)
{
    throw ErroreDb(erroreCampo, u"Scheda"_s, u"Nessun campo per la colonna "_s + colonna);
}

void LegameCampi::mostra(const Recordset& rs) const
{
    for (const Legame& l : legami)
        if (rs.haCampo(l.colonna))
            mostra(l.colonna, rs.campo(l.colonna));
}

void LegameCampi::mostra(const QString& colonna, const QVariant& v) const
{
    const Legame* l = trova(colonna);
    if (!l)
        nonTrovato(colonna);
    QWidget* w = l->controllo;
    switch (l->tipo) {
    case TipoCampo::testo:
    case TipoCampo::intero:
        static_cast<QLineEdit*>(w)->setText(nz(v).toString());
        break;
    case TipoCampo::decimale:
        static_cast<QLineEdit*>(w)->setText(testoDecimale(v));
        break;
    case TipoCampo::numeroIniziale:
        // With a point, so that the text writes back the same number.
        static_cast<QLineEdit*>(w)->setText(v.isNull() ? QString() : QString::number(v.toDouble(), 'g', 15));
        break;
    case TipoCampo::memo:
        static_cast<QPlainTextEdit*>(w)->setPlainText(nz(v).toString());
        break;
    case TipoCampo::ora:
        static_cast<CampoOra*>(w)->setTime(v.toTime().isValid() ? v.toTime() : QTime(0, 0));
        break;
    case TipoCampo::data:
        static_cast<DataOpzionale*>(w)->impostaValore(v);
        break;
    case TipoCampo::giornoMese: {
        // The stored day in the current year (29/02 of a leap year stays as it was).
        const QDate d = v.toDate();
        const QDate corrente = d.isValid() ? nellAnnoCorrente(d) : QDate();
        static_cast<DataOpzionale*>(w)->impostaValore(corrente.isValid() ? QVariant(corrente) : v);
        break;
    }
    case TipoCampo::spunta:
        static_cast<QCheckBox*>(w)->setChecked(nz(v).toInt() != 0);
        break;
    case TipoCampo::elenco: {
        auto* c = static_cast<QComboBox*>(w);
        c->setCurrentIndex(c->findText(nz(v).toString(), Qt::MatchFixedString));
        break;
    }
    case TipoCampo::voce: {
        auto* c = static_cast<QComboBox*>(w);
        const qlonglong n = nz(v).toLongLong();
        c->setCurrentIndex(n >= 1 && n <= c->count() ? int(n - 1) : -1);
        // Kept while no entry is chosen; showing Null (emptying the field) forgets it.
        c->setProperty(voceConservata, n != 0 && c->currentIndex() < 0 ? QVariant(n) : QVariant());
        break;
    }
    case TipoCampo::combo:
        static_cast<ComboDati*>(w)->impostaValoreLegato(v);
        break;
    }
}

void LegameCampi::svuota() const
{
    for (const Legame& l : legami)
        mostra(l.colonna, QVariant());
}

QStringList LegameCampi::errori() const
{
    QStringList e;
    for (const Legame& l : legami) {
        try {
            valore(l.colonna);
        } catch (const ErroreDb& errore) {
            e << errore.descrizione;
        }
    }
    return e;
}

QVariant LegameCampi::valore(const QString& colonna) const
{
    const Legame* l = trova(colonna);
    if (!l)
        nonTrovato(colonna);
    QWidget* w = l->controllo;
    auto rifiuta = [l](const QString& predefinito) -> QVariant {
        throw ErroreDb(erroreComando, u"Scheda"_s, l->messaggio.isEmpty() ? predefinito : l->messaggio);
    };
    switch (l->tipo) {
    case TipoCampo::testo:
    case TipoCampo::memo: {
        const QString t = l->tipo == TipoCampo::testo ? static_cast<QLineEdit*>(w)->text()
                                                      : static_cast<QPlainTextEdit*>(w)->toPlainText();
        return l->maiuscolo ? testoColonna(t) : (t.isEmpty() ? QStringLiteral("") : t);
    }
    case TipoCampo::intero: {
        const QString t = static_cast<QLineEdit*>(w)->text();
        qlonglong n = 0;
        if (t.trimmed().isEmpty())
            return l->vuoto;
        return leggiIntero(t, &n) ? QVariant(n) : rifiuta(u"Il valore \""_s + t + u"\" non e' un numero intero"_s);
    }
    case TipoCampo::decimale:
    case TipoCampo::numeroIniziale: {
        const QString t = static_cast<QLineEdit*>(w)->text();
        double d = 0;
        if (t.trimmed().isEmpty())
            return l->vuoto;
        if (!leggiDecimale(t, &d))
            return rifiuta(u"Il valore \""_s + t + u"\" non e' un numero"_s);
        return l->tipo == TipoCampo::decimale ? d : numeroIniziale(t);
    }
    case TipoCampo::ora: {
        const auto* o = static_cast<CampoOra*>(w);
        if (!o->valido())
            throw ErroreDb(erroreComando, u"Scheda"_s, o->rifiuto());
        return o->time();
    }
    case TipoCampo::data:
        return valoreData(static_cast<DataOpzionale*>(w));
    case TipoCampo::giornoMese: {
        const QVariant v = valoreData(static_cast<DataOpzionale*>(w));
        if (v.isNull())
            return v;
        const QDate d = nellAnnoCorrente(v.toDate());
        if (!d.isValid())
            return rifiuta(u"La data %1 non esiste nell'anno %2"_s.arg(v.toDate().toString(u"dd/MM"_s))
                               .arg(oggi().year()));
        return d;
    }
    case TipoCampo::spunta:
        return static_cast<QCheckBox*>(w)->isChecked() ? 1 : 0;
    case TipoCampo::elenco:
        return maiuscolo(static_cast<QComboBox*>(w)->currentText());
    case TipoCampo::voce: {
        const auto* c = static_cast<QComboBox*>(w);
        const QVariant conservata = c->property(voceConservata);
        if (c->currentIndex() >= 0)
            return qlonglong(c->currentIndex() + 1);
        return conservata.isValid() ? conservata : QVariant(0LL);
    }
    case TipoCampo::combo: {
        const QVariant k = static_cast<ComboDati*>(w)->valoreLegato();
        return k.isNull() ? QVariant(0) : QVariant(k.toLongLong());
    }
    }
    return {};
}

QStringList LegameCampi::colonne() const
{
    QStringList c;
    for (const Legame& l : legami)
        c << l.colonna;
    return c;
}

QVariantList LegameCampi::valori() const
{
    QVariantList v;
    for (const Legame& l : legami)
        v << valore(l.colonna);
    return v;
}

QString LegameCampi::istruzioneInserimento(const QString& tabella, const QStringList& prime) const
{
    return sqlInserimento(tabella, prime + colonne());
}

QString LegameCampi::istruzioneModifica(const QString& tabella, const QString& chiave, const QStringList& prime) const
{
    return sqlModifica(tabella, prime + colonne(), chiave);
}

QString sqlInserimento(const QString& tabella, const QStringList& colonne)
{
    return u"INSERT INTO "_s + tabella + u" ("_s + colonne.join(u',') + u") VALUES ("_s
           + QStringList(colonne.size(), u"?"_s).join(u',') + u")"_s;
}

QString sqlModifica(const QString& tabella, const QStringList& colonne, const QString& chiave)
{
    return u"UPDATE "_s + tabella + u" SET "_s + colonne.join(u"=?,"_s) + u"=? WHERE "_s + chiave + u"=?"_s;
}
