#pragma once
#include <QDate>
#include <QString>

// The first-ignition answers of an installed appliance, kept by the appliance card and edited
// on the first-ignition card. Answers: 1 yes, 0 no, -1 not answered; list codes: the position
// chosen, -1 none.
struct DatiPrimaAccensione {
    int nPressioneValvola = -1;
    int nPressioneCaldaia = -1;
    QDate dDataInstallazione;
    bool nNoDataInstallazione = true; // the installation date is not given
    int nTipoScarico = -1;
    int nTensione = -1;
    int nConsumo = -1;
    int nPrimaVerifica = -1;
    int nVerificaInstallazione = -1;
    QString altroVerificaInstallazione;
};
