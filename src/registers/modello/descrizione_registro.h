#pragma once
#include "platform/db/modello_recordset.h"
#include "platform/ui/messaggi.h"
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class ProtocolloScheda;

// What a register's list window is made of. The list template (ElencoRegistro) does the
// rest; a register fills this in and says nothing else unless it really differs.
struct DescrizioneElenco {
    QString tabella{};               // the register's table
    QString chiave{};                // its key column
    QString titolo{};                // window caption
    QString etichettaRicerca{};      // caption of the label of the search box
    QList<ColonnaGriglia> colonne{}; // grid columns, left to right
    QString colonnaRicerca{};        // the typed prefix is matched at the start of this column
    QString ordinamento{};           // text after "order by"; empty: no ORDER BY
    bool soloVivi = true;            // only live rows are listed (the flag column is 0)
    bool eliminazioneLogica = true;  // delete sets the flag column to 1; false: the row is removed
    QString colonnaEliminato = QStringLiteral("eliminato"); // the soft-delete flag
    QString colonnaMostrata{};       // the value the delete question shows; empty: none
    QString messaggioVuoto{};        // delete with no current row (information box)
    QString domandaElimina{};        // delete question; followed by the shown value and "?"
    int stileDomanda = stile::siNo;
    // An SQL condition on the row (in the register's table) that must hold for a delete;
    // when it does not, messaggioRifiuto is shown (information box) and nothing changes.
    QString condizioneElimina{};
    QString messaggioRifiuto{};
    std::function<ProtocolloScheda&()> scheda{}; // the register's card: schedaDi<schZona>
    bool menuScheda = true;          // the menu "Scheda"
    bool ricercaMaiuscola = false;   // letters typed in the search box become capitals
    bool tastiPrima = true;          // F8, F7, F3, F4, Esc work whichever control has the focus
    bool resetPrimo = false;         // cmdReset comes before the search box in the tab order
    bool centrata = true;            // opens centred on the screen
    QString testoDettagli = QStringLiteral("Dettagli"); // caption of the toolbar button "dettagli"
};

// One field of a card: its control, its label, its column and how it is checked.
struct CampoScheda {
    enum class Tipo {
        testo,  // text box; written in capitals
        memo,   // box of several lines; written like a text
        elenco, // list of fixed entries, not editable; written like a text
        spunta, // check box; written as 1 or 0
        combo,  // data combo (ComboDati) over sqlVoci; written as its key, 0 with no choice
        data,   // date picker; written as a date literal of the chosen date
    };
    QString colonna{};
    QString controllo{};           // object name of the control (txtSigla, cmbTipoOp, ...)
    QString etichetta{};           // caption of its label, the control's buddy; empty: no label
    QString nomeEtichetta{};       // object name of the label (lblFieldLabel, Label1, ...)
    QString nome{};                // a field without a label: its name for screen readers
    QString messaggioVuoto{};      // check(): the message for an empty field; empty: not checked
    Tipo tipo = Tipo::testo;
    bool maiuscoloInUscita = true; // testo: leaving the box turns its text into capitals
    QStringList voci{};            // elenco: the entries, in order
    QString sqlVoci{};             // combo: the statement of the rows offered
    QString campoMostrato{};       // combo: the field shown
    QString campoLegato{};         // combo: the key field
    QString formatoData = QStringLiteral("dd/MM/yyyy"); // data: shown in this form; without a year, the current one
    bool accanto = false;          // laid on the line of the field before it
    int larghezza = 0;             // testo: width of a short box, in pixels; 0: the usual width
};

// A text box written as typed (in capitals), not checked, its label named after the box
// (txtComune → lblComune).
inline CampoScheda casella(const QString& colonna, const QString& controllo, const QString& etichetta)
{
    return {.colonna = colonna,
            .controllo = controllo,
            .etichetta = etichetta,
            .nomeEtichetta = QStringLiteral("lbl") + controllo.mid(3),
            .maiuscoloInUscita = false};
}

// A field on the line of the one before it.
inline CampoScheda accanto(CampoScheda c, int larghezza = 0)
{
    c.accanto = true;
    c.larghezza = larghezza;
    return c;
}

// What a register's card is made of; the card template (SchedaRegistro) does the rest.
struct DescrizioneScheda {
    // How check() puts together the messages of the empty fields, taken in field order.
    enum class Controllo {
        sostituisce, // each message replaces the one before: only the last is shown
        accoda,      // the messages are joined with nothing between them
        elenca,      // "Attenzione ! si sono verificati i seguenti errori", one per line
    };
    QString tabella{};
    QString chiave{};
    QString titolo{};           // window caption
    QList<CampoScheda> campi{}; // in tab order
    Controllo controllo = Controllo::sostituisce;
    bool coloriFocus = false;      // the field with the focus turns yellow
    bool ridimensionabile = false; // sizable border instead of the fixed dialog border
    QString testoOk = QStringLiteral("&OK");
    QString nomeOk = QStringLiteral("cmdOk");
    // The row to edit no longer exists (exclamation box).
    QString messaggioInesistente = QStringLiteral("Attenzione ! Il record non esiste piu' nell'archivio.");
};
