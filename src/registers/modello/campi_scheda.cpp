#include "registers/modello/campi_scheda.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/connessione.h"
#include "platform/db/errore_db.h"
#include "platform/db/testi_sql.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/data_opzionale.h"
#include <QCheckBox>
#include <QLineEdit>

using namespace Qt::StringLiterals;
using Tipo = CampoScheda::Tipo;

QWidget* creaControllo(const CampoScheda& campo, QWidget* genitore)
{
    QWidget* w = nullptr;
    switch (campo.tipo) {
    case Tipo::testo: {
        auto* t = new QLineEdit(genitore);
        if (campo.maiuscoloInUscita)
            QObject::connect(t, &QLineEdit::editingFinished, t, [t] { t->setText(maiuscolo(t->text())); });
        w = t;
        break;
    }
    case Tipo::elenco: {
        auto* c = new QComboBox(genitore);
        c->addItems(campo.voci);
        c->setCurrentIndex(-1);
        w = c;
        break;
    }
    case Tipo::spunta:
        w = new QCheckBox(genitore);
        break;
    case Tipo::combo:
        w = new ComboDati(genitore);
        break;
    case Tipo::data: {
        auto* d = new DataOpzionale(false, genitore);
        d->campoData()->setDisplayFormat(campo.formatoData);
        w = d;
        break;
    }
    }
    w->setObjectName(campo.controllo);
    return w;
}

bool campoVuoto(const CampoScheda& campo, QWidget* controllo)
{
    switch (campo.tipo) {
    case Tipo::testo:
        return static_cast<QLineEdit*>(controllo)->text().isEmpty();
    case Tipo::elenco:
        return static_cast<QComboBox*>(controllo)->currentIndex() < 0;
    case Tipo::spunta:
        return false;
    case Tipo::combo:
        return static_cast<ComboDati*>(controllo)->valoreLegato().isNull();
    case Tipo::data:
        return static_cast<DataOpzionale*>(controllo)->valore().isNull();
    }
    return false;
}

QVariant valoreDaScrivere(const CampoScheda& campo, QWidget* controllo)
{
    switch (campo.tipo) {
    case Tipo::testo:
        return maiuscolo(static_cast<QLineEdit*>(controllo)->text());
    case Tipo::elenco:
        return maiuscolo(static_cast<QComboBox*>(controllo)->currentText());
    case Tipo::spunta:
        return static_cast<QCheckBox*>(controllo)->isChecked() ? 1 : 0;
    case Tipo::combo: {
        const QVariant k = static_cast<ComboDati*>(controllo)->valoreLegato();
        return k.isNull() ? 0 : k.toLongLong();
    }
    case Tipo::data: {
        const QVariant v = static_cast<DataOpzionale*>(controllo)->valore();
        if (v.isNull())
            return QVariant();
        // The date as chosen, never through a text that could fall back to today; a picker
        // that shows day and month only means that day of the current year.
        QDate d = v.toDate();
        if (!campo.formatoData.contains(u"yy"_s))
            d = QDate(oggi().year(), d.month(), d.day());
        if (!d.isValid())
            throw ErroreDb(erroreComando, u"Scheda"_s,
                           u"La data %1 non esiste nell'anno %2"_s.arg(v.toDate().toString(u"dd/MM"_s)).arg(oggi().year()));
        return d;
    }
    }
    return {};
}

void mostraValore(const CampoScheda& campo, QWidget* controllo, const QVariant& valore)
{
    switch (campo.tipo) {
    case Tipo::testo:
        static_cast<QLineEdit*>(controllo)->setText(nz(valore).toString());
        break;
    case Tipo::elenco: {
        auto* c = static_cast<QComboBox*>(controllo);
        c->setCurrentIndex(c->findText(nz(valore).toString(), Qt::MatchFixedString));
        break;
    }
    case Tipo::spunta:
        static_cast<QCheckBox*>(controllo)->setChecked(nz(valore).toInt() != 0);
        break;
    case Tipo::combo:
        static_cast<ComboDati*>(controllo)->impostaValoreLegato(valore);
        break;
    case Tipo::data:
        static_cast<DataOpzionale*>(controllo)->impostaValore(valore);
        break;
    }
}

void riempiVoci(const CampoScheda& campo, QWidget* controllo)
{
    if (campo.tipo == Tipo::combo)
        static_cast<ComboDati*>(controllo)->riempi(connessione.apriStatico(campo.sqlVoci), campo.campoMostrato,
                                                  campo.campoLegato);
}
