#pragma once
#include "platform/ui/finestra.h"
#include <QLabel>
// TEMPORARY STUB (never committed)
struct ControlliStub { QWidget* w; };
class schProdottoCliente : public FinestraCon<ControlliStub> {
public:
    int nModalità = 0; long nIDcliente = 0; long nIdProdotto = 0; bool bConferma = false;
    bool ripristinaProdotto() { return true; }
protected:
    QWidget* costruisci() override { auto& c = nuoviControlli(); c.w = new QLabel("stub"); return c.w; }
};
