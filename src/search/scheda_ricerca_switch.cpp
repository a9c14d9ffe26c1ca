#include "search/scheda_ricerca.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/data_opzionale.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

// The boxes that switch criteria on. Changing a tick, from code too, runs the box's handler
// at once; setting the tick it already has runs nothing (toggled).

namespace {
void abilita(std::initializer_list<QWidget*> controlli, bool si)
{
    for (QWidget* w : controlli)
        w->setEnabled(si);
}

void svuota(std::initializer_list<DataOpzionale*> date)
{
    for (DataOpzionale* d : date)
        d->impostaValore(QVariant());
}

void quando(QCheckBox* box, std::function<void(bool)> gestore)
{
    QObject::connect(box, &QCheckBox::toggled, box, std::move(gestore));
}

// "Si" and "No" follow their box; unticked, "Si" is selected again.
void siNo(QCheckBox* box, QRadioButton* si, QRadioButton* no)
{
    quando(box, [=](bool spuntato) {
        abilita({si, no}, spuntato);
        if (!spuntato)
            si->setChecked(true);
    });
}

// A date criterion with its "Nessuno" box.
void date(QCheckBox* box, DataOpzionale* da, DataOpzionale* a, QCheckBox* nessuno)
{
    quando(box, [=](bool spuntato) {
        abilita({da, a, nessuno}, spuntato);
        if (spuntato)
            return;
        svuota({da, a});
        nessuno->setChecked(false);
    });
    quando(nessuno, [=](bool spuntato) {
        abilita({da, a}, !spuntato);
        if (spuntato)
            svuota({da, a});
    });
}
} // namespace

void schRicCliente::collegaSwitch()
{
    auto& c = ui();
    siNo(c.chkAria, c.optAriaSi, c.optAriaNo);
    siNo(c.chkFumi, c.optFumiSi, c.optFumiNo);
    siNo(c.chkContatto, c.optContattoSI, c.optContattoNO);
    siNo(c.chkDichConf, c.optDichConfSI, c.optDichConfNO);
    date(c.chkDataCollaudo, c.dtpDataCollaudoDa, c.dtpDataCollaudoA, c.chkNoCollaudo);
    date(c.chkDataInserimento, c.dtpDataInserimentoDa, c.dtpDataInserimentoA, c.chkNoInserimento);
    date(c.chkDataLibretto, c.dtpDataLibrettoDa, c.dtpDataLibrettoA, c.chkNoLibretto);
    date(c.chkDataUltimaCombustione, c.dtpUltimaCombustioneDa, c.dtpUltimaCombustioneA, c.chkNoCombustione);

    quando(c.chkManutenzione, [&c](bool spuntato) {
        abilita({c.dtpManDa, c.dtpManA, c.chkNessunaMan, c.chkNotMan}, spuntato);
        if (spuntato)
            return;
        svuota({c.dtpManDa, c.dtpManA});
        // "NON" keeps its tick.
        c.chkNessunaMan->setChecked(false);
    });
    quando(c.chkNessunaMan, [&c](bool spuntato) {
        const bool intervallo = !spuntato && c.chkManutenzione->isChecked();
        abilita({c.dtpManDa, c.dtpManA, c.chkNotMan}, intervallo);
        if (intervallo)
            return;
        svuota({c.dtpManDa, c.dtpManA});
        c.chkNotMan->setChecked(false);
    });

    quando(c.chkAbbonamento, [&c](bool spuntato) {
        abilita({c.dtpDataScadenzaDa, c.dtpDataScadenzaA, c.dtpDataStipulazioneDa, c.dtpDataStipulazioneA,
                 c.cmbTipoAbbonamento, c.chkNoAbb, c.txtCosto, c.txtNumRicevuta},
                spuntato);
        if (spuntato) {
            c.cmbTipoAbbonamento->svuotaScelta();
            return;
        }
        svuota({c.dtpDataScadenzaDa, c.dtpDataScadenzaA, c.dtpDataStipulazioneDa, c.dtpDataStipulazioneA});
        c.cmbTipoAbbonamento->svuotaScelta();
        c.chkNoAbb->setChecked(false);
        c.txtCosto->clear();
        c.txtCosto->setEnabled(false);
        c.txtNumRicevuta->clear();
        c.txtNumRicevuta->setEnabled(false);
    });
    quando(c.chkNoAbb, [&c](bool spuntato) {
        abilita({c.dtpDataScadenzaDa, c.dtpDataScadenzaA, c.dtpDataStipulazioneDa, c.dtpDataStipulazioneA,
                 c.cmbTipoAbbonamento, c.txtCosto, c.txtNumRicevuta},
                !spuntato);
        c.cmbTipoAbbonamento->svuotaScelta();
        if (!spuntato)
            return;
        svuota({c.dtpDataScadenzaDa, c.dtpDataScadenzaA, c.dtpDataStipulazioneDa, c.dtpDataStipulazioneA});
        c.txtCosto->clear();
        c.txtNumRicevuta->clear();
    });

    quando(c.chkManutenzioneProgrammata, [&c](bool spuntato) {
        abilita({c.cmbMeseDa, c.cmbMeseA, c.chkNoManutenzione, c.txtAnnoA, c.txtAnnoDa}, spuntato);
        if (spuntato)
            return;
        c.cmbMeseDa->setCurrentIndex(-1);
        c.cmbMeseA->setCurrentIndex(-1);
        c.chkNoManutenzione->setChecked(false);
        c.txtAnnoA->clear();
        c.txtAnnoDa->clear();
    });
    quando(c.chkNoManutenzione, [&c](bool spuntato) {
        abilita({c.cmbMeseDa, c.cmbMeseA, c.txtAnnoDa, c.txtAnnoA}, !spuntato);
        if (!spuntato)
            return;
        c.cmbMeseDa->setCurrentIndex(-1);
        c.cmbMeseA->setCurrentIndex(-1);
        c.txtAnnoDa->clear();
        c.txtAnnoA->clear();
    });

    // As the window opens: what the boxes switch on is disabled.
    abilita({c.optAriaSi, c.optAriaNo, c.optFumiSi, c.optFumiNo, c.optContattoSI, c.optContattoNO, c.optDichConfSI,
             c.optDichConfNO, c.chkNoCollaudo, c.chkNoInserimento, c.chkNoLibretto, c.chkNoCombustione,
             c.chkNessunaMan, c.chkNotMan, c.dtpDataCollaudoDa, c.dtpDataCollaudoA, c.dtpDataInserimentoDa,
             c.dtpDataInserimentoA, c.dtpDataLibrettoDa, c.dtpDataLibrettoA, c.dtpUltimaCombustioneDa,
             c.dtpUltimaCombustioneA, c.dtpManDa, c.dtpManA, c.cmbTipoAbbonamento, c.chkNoAbb, c.txtCosto,
             c.txtNumRicevuta, c.dtpDataStipulazioneDa, c.dtpDataStipulazioneA, c.dtpDataScadenzaDa,
             c.dtpDataScadenzaA, c.chkNoManutenzione, c.cmbMeseDa, c.cmbMeseA, c.txtAnnoDa, c.txtAnnoA},
            false);
    for (QRadioButton* o : {c.optAriaSi, c.optFumiSi, c.optContattoSI, c.optDichConfSI})
        o->setChecked(true);
}
