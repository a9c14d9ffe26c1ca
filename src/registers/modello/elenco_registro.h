#pragma once
#include "platform/ui/finestra.h"
#include "registers/modello/descrizione_registro.h"
#include "registers/modello/scheda_registro.h"

class FormaDialogo;
class Griglia;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QToolBar;

struct ControlliElenco {
    FormaDialogo* forma;
    QToolBar* tbBarra; // actions nuovo, elimina, trova, stampa, dettagli, uscita
    QMenuBar* menu;    // nullptr without the menu "Scheda"
    QLabel* Label1;
    QLineEdit* txtNome;
    QPushButton* cmdReset;
    Griglia* griglia;
};

// The list template: the live rows of a register, narrowed as the operator types the start
// of a value; new, edit and delete go through the register's card.
class ElencoRegistro : public FinestraCon<ControlliElenco> {
public:
    QString criterio; // the search prefix; empty: every row

    void stampa();            // printing a register is not offered
    void Ricerca();           // the search is the search box itself
    virtual void cancella();  // deletes the current row after the question, then refreshes
    void aggiornaGriglia();   // reloads the rows from criterio
    virtual void dettagli();  // opens the card on the current row, then refreshes
    virtual void inserisci(); // opens the card for a new row, then refreshes
    void uscita();            // closes the window

    const DescrizioneElenco& descrizione() const { return d; }

protected:
    explicit ElencoRegistro(DescrizioneElenco descrizione);
    QWidget* costruisci() override;
    void alCaricamento() override;
    // The statement of a refresh; a register with a query of its own overrides it.
    virtual QString istruzioneElenco() const;
    // Controls of a register's own, laid out between the search box and the grid.
    virtual QWidget* costruisciOpzioni(QWidget*) { return nullptr; }
    Griglia* griglia() { return ui().griglia; }

private:
    void costruisciBarra();
    void costruisciMenu();
    bool tasto(int tasto);
    // The register keeps the row (its delete condition does not hold): says so, true.
    bool trattenuta(const QString& dove);
    DescrizioneElenco d;
};

// For DescrizioneElenco::scheda: the card of a register by its class.
template <class T>
ProtocolloScheda& schedaDi()
{
    return istanza<T>();
}
