#include "registers/staff/elenco_ordinato.h"
#include "platform/db/ricerca_prefisso.h"
#include "platform/ui/controlli.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

using namespace Qt::StringLiterals;

ElencoOrdinato::ElencoOrdinato(DescrizioneElenco elenco, DescrizioneOrdinamento ordinamenti)
    : ElencoRegistro(std::move(elenco)), o(std::move(ordinamenti))
{
}

void ElencoOrdinato::alCaricamento()
{
    ordinamento = o.opzioni[o.iniziale].ordinamento;
    ElencoRegistro::alCaricamento();
}

QWidget* ElencoOrdinato::costruisciOpzioni(QWidget* genitore)
{
    auto* w = new QWidget(genitore);
    auto* l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    auto* etichetta = new QLabel(o.etichetta, w);
    l->addWidget(etichetta);
    for (int i = 0; i < o.opzioni.size(); ++i) {
        const OpzioneOrdinamento& voce = o.opzioni[i];
        auto* b = opzione(w, voce.controllo, voce.testo);
        b->setChecked(i == o.iniziale);
        if (i == 0)
            etichetta->setBuddy(b);
        l->addWidget(b);
        QObject::connect(b, &QRadioButton::clicked, w, [this, valore = voce.ordinamento] {
            ordinamento = valore;
            aggiornaGriglia();
        });
    }
    l->addStretch();
    return w;
}

const OpzioneOrdinamento& ElencoOrdinato::scelta() const
{
    for (const OpzioneOrdinamento& opzione : o.opzioni)
        if (opzione.ordinamento == ordinamento)
            return opzione;
    return o.opzioni[o.iniziale];
}

QString ElencoOrdinato::istruzioneElenco() const
{
    if (criterio.isEmpty())
        return o.selezione + u" where "_s + o.filtro + u" order by "_s + ordinamento;
    const OpzioneOrdinamento& opzione = scelta();
    return o.selezione + u" where "_s + o.filtro + u" and "_s + condizionePrefisso(opzione.colonnaRicerca, criterio)
           + u" order by "_s + opzione.ordinePrefisso;
}
