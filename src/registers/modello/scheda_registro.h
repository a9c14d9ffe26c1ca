#pragma once
#include "platform/ui/finestra.h"
#include "registers/modello/descrizione_registro.h"
#include "registers/modello/legame_campi.h"
#include "registers/modello/protocollo_scheda.h"
#include <QList>
#include <QVariant>

class FormaDialogo;
class QPushButton;

struct ControlliScheda {
    FormaDialogo* forma;
    QList<QWidget*> campi; // one per field of the description, in its order
    LegameCampi legame;    // the same fields bound to their columns
    QPushButton* cmdOk;
    QPushButton* cmdAnnulla;
};

// The card template: a modal window that adds one row to a register or edits one.
// Callers follow the card protocol: set nModalità (and nID), call predisponi for an edit,
// show the card modally, then read bConferma (and nNuovoID after an insert).
class SchedaRegistro : public FinestraCon<ControlliScheda>, public ProtocolloScheda {
public:
    bool bConferma = false; // True once OK has written the row; False on loading, Annulla, close box
    long nNuovoID = 0;      // key of the row the last successful insert made

    // Each returns true when it did its work; a failure has already been shown.
    virtual bool modificaScheda();         // writes the fields into row nID
    bool predisponi() override;            // mode 1: ripristinaInformazione; mode 0: nothing
    Finestra& finestra() override { return *this; }
    virtual bool ripristinaInformazione(); // loads row nID; when it is gone, says so and closes
    virtual bool inserisci();              // adds a row from the fields
    virtual bool check();                  // true when every checked field is filled
    void riempiCombo();                    // refills the data combos from their statements

    const DescrizioneScheda& descrizione() const { return d; }
    // The control of a column as its class (touching it loads the card).
    template <class T>
    T* campo(const QString& colonna)
    {
        return ui().legame.template campo<T>(colonna);
    }

protected:
    explicit SchedaRegistro(DescrizioneScheda descrizione);
    QWidget* costruisci() override;
    void alCaricamento() override;
    // Inside the write group of OK, after the card's own row: rows that hang on it.
    virtual void scriviRigheCollegate() {}
    // The statement that reads row nID: "SELECT * FROM <table> where <key> = <nID>".
    virtual QString istruzioneLettura() const;
    // The box of the cards that list every failing rule under one heading.
    static void elencaErrori(const QString& righe);
    // OK: check, then the insert or the update; only a write that went through confirms.
    void conferma();
    void annulla();

private:
    DescrizioneScheda d;
};
