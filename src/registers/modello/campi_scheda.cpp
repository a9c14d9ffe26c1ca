#include "registers/modello/campi_scheda.h"
#include "platform/db/connessione.h"
#include "platform/db/testi_sql.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/controlli.h"
#include "platform/ui/data_opzionale.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;
using Tipo = CampoScheda::Tipo;

QWidget* creaControllo(const CampoScheda& campo, QWidget* genitore)
{
    QWidget* w = nullptr;
    switch (campo.tipo) {
    case Tipo::testo: {
        auto* t = casella(genitore, campo.controllo);
        if (campo.maiuscoloInUscita)
            QObject::connect(t, &QLineEdit::editingFinished, t, [t] { t->setText(maiuscolo(t->text())); });
        w = t;
        break;
    }
    case Tipo::memo: {
        auto* t = controllo<QPlainTextEdit>(genitore, campo.controllo);
        t->setTabChangesFocus(true);
        t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        t->setFixedHeight(t->fontMetrics().lineSpacing() * 4);
        w = t;
        break;
    }
    case Tipo::elenco:
        w = elenco(genitore, campo.controllo, campo.voci);
        break;
    case Tipo::spunta:
        w = controllo<QCheckBox>(genitore, campo.controllo);
        break;
    case Tipo::combo:
        w = combo(genitore, campo.controllo);
        break;
    case Tipo::data: {
        auto* d = controllo<DataOpzionale>(genitore, campo.controllo, false);
        if (tipoCampo(campo) == TipoCampo::giornoMese)
            d->campoData()->soloGiornoMese();
        w = d;
        break;
    }
    }
    w->setAccessibleName(campo.nome);
    return w;
}

bool campoVuoto(const CampoScheda& campo, QWidget* controllo)
{
    switch (campo.tipo) {
    case Tipo::testo:
        return static_cast<QLineEdit*>(controllo)->text().isEmpty();
    case Tipo::memo:
        return static_cast<QPlainTextEdit*>(controllo)->toPlainText().isEmpty();
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

TipoCampo tipoCampo(const CampoScheda& campo)
{
    switch (campo.tipo) {
    case Tipo::testo:
        return TipoCampo::testo;
    case Tipo::memo:
        return TipoCampo::memo;
    case Tipo::elenco:
        return TipoCampo::elenco;
    case Tipo::spunta:
        return TipoCampo::spunta;
    case Tipo::combo:
        return TipoCampo::combo;
    case Tipo::data:
        // A picker that shows day and month only means that day of the current year.
        return campo.formatoData.contains(u"yy"_s) ? TipoCampo::data : TipoCampo::giornoMese;
    }
    return TipoCampo::testo;
}

void riempiVoci(const CampoScheda& campo, QWidget* controllo)
{
    if (campo.tipo == Tipo::combo)
        static_cast<ComboDati*>(controllo)->riempi(connessione.apriStatico(campo.sqlVoci), campo.campoMostrato,
                                                  campo.campoLegato);
}
