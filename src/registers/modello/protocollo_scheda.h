#pragma once
#include "platform/ui/finestra.h"

// What a list asks of its card: which row to show, preparing it, and the window itself.
class ProtocolloScheda {
public:
    int nModalità = 0; // 0 new row, 1 edit of row nID
    long nID = 0;      // key of the row to edit

    // Mode 1 loads row nID; false when the row is gone (the card has said so).
    virtual bool predisponi() = 0;
    virtual Finestra& finestra() = 0;

protected:
    ~ProtocolloScheda() = default;
};
