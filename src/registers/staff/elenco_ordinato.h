#pragma once
#include "registers/modello/elenco_registro.h"

// A sort option of a list: its option button, the order it gives the full list, and how a
// search text is matched while it is chosen.
struct OpzioneOrdinamento {
    QString controllo;      // object name of the option button
    QString testo;          // its caption
    QString ordinamento;    // the list's `ordinamento` while it is chosen
    QString colonnaRicerca; // the search text is matched at the start of this column
    QString ordinePrefisso; // the order while a search text is given
};

// What a list with sort options reads and offers.
struct DescrizioneOrdinamento {
    QString etichetta; // caption of the label of the options
    QString selezione; // "SELECT ... FROM ..." with its joins
    QString filtro;    // the condition of the live rows
    QList<OpzioneOrdinamento> opzioni;
    int iniziale = 0; // the option chosen when the window opens
};

// A register list whose sort option also decides the column the search text is matched against.
class ElencoOrdinato : public ElencoRegistro {
public:
    QString ordinamento; // the order of the full list, set by the sort options

protected:
    ElencoOrdinato(DescrizioneElenco elenco, DescrizioneOrdinamento ordinamenti);
    void alCaricamento() override;
    QString istruzioneElenco() const override;
    QWidget* costruisciOpzioni(QWidget* genitore) override;

private:
    const OpzioneOrdinamento& scelta() const;
    DescrizioneOrdinamento o;
};
