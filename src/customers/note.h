#pragma once
#include "platform/ui/finestra.h"
#include <QString>

class FormaDialogo;
class QPlainTextEdit;
class QPushButton;

struct ControlliNote {
    FormaDialogo* forma;
    QPlainTextEdit* txtTesto;
    QPushButton* cmdConferma;
    QPushButton* cmdAnnulla;
};

// Edits one free text and hands it back: the opener puts the text into txtTesto, shows the
// window and, when bConferma, takes Testo. A fresh instance serves each use.
class schNote : public FinestraCon<ControlliNote> {
public:
    bool bConferma = false;
    QString Testo;

    ControlliNote& controlli() { return ui(); }

protected:
    QWidget* costruisci() override;

private:
    void cmdConferma_Click();
    void cmdAnnulla_Click();
};

// The protocol of a notes button: a fresh notes window over `testo`; true (and `testo`
// replaced) when it was confirmed. The instance is released afterwards.
bool modificaNote(QString& testo);
