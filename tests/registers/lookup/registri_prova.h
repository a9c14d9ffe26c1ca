#pragma once
#include "registers/modello/elenco_registro.h"
#include <QList>
#include <QString>
#include <functional>

// The twelve code-table registers as the tests drive them: their windows and table shape.
struct RegistroProva {
    QString nome;
    std::function<ElencoRegistro&()> elenco;
    std::function<SchedaRegistro&()> scheda;
    QString tabella, chiave, codice, descrizione;
    bool conEliminato; // soft delete; false: rows are removed
};

const QList<RegistroProva>& registriProva();
const RegistroProva& registroProva(const QString& nome);

// Adds a row by hand, as another workstation would; returns its key.
long aggiungiRiga(const RegistroProva& r, const QString& codice, const QString& descrizione);
