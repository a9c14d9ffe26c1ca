#pragma once

// The hourglass over the whole screen, and the normal pointer again.
void cursoreClessidra();
void cursoreNormale();
bool clessidraAttiva();

// The hourglass for a scope: the normal pointer returns on every path out of it.
class Clessidra {
public:
    Clessidra() { cursoreClessidra(); }
    ~Clessidra() { cursoreNormale(); }
    Clessidra(const Clessidra&) = delete;
    Clessidra& operator=(const Clessidra&) = delete;
};
