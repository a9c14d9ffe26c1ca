#include "finestre_programma.h"
#include "calls/frm_chiamata.h"
#include "calls/frm_planning.h"
#include "calls/frm_richiesta.h"
#include "calls/frm_stampa_planner.h"
#include "calls/rientro_tecnico.h"
#include "calls/scheda_manutenzione.h"
#include "customers/note.h"
#include "customers/prima_accensione.h"
#include "customers/scheda_cliente.h"
#include "customers/scheda_prodotto_cliente.h"
#include "customers/stampa_clienti.h"
#include "ignitions/centri_cat.h"
#include "ignitions/frm_importa_accensioni_cat.h"
#include "ignitions/frm_storico_importazioni_cat.h"
#include "ignitions/sch_dettagli_riga.h"
#include "ignitions/sch_ex_dededod.h"
#include "ignitions/sch_ex_prime_accensioni.h"
#include "registers/lookup/area_int.h"
#include "registers/lookup/difetti.h"
#include "registers/lookup/marche.h"
#include "registers/lookup/posizioni.h"
#include "registers/lookup/tipo_abbonamento.h"
#include "registers/lookup/tipo_att.h"
#include "registers/lookup/tipo_cli.h"
#include "registers/lookup/tipo_gas.h"
#include "registers/lookup/tipo_man.h"
#include "registers/lookup/tipo_prodotto.h"
#include "registers/lookup/tipo_richieste.h"
#include "registers/lookup/zone.h"
#include "registers/operatori/frm_operatori.h"
#include "registers/operatori/sch_operatori.h"
#include "registers/staff/ferie.h"
#include "registers/staff/festivita.h"
#include "registers/staff/installatori.h"
#include "registers/staff/materiali.h"
#include "registers/staff/prodotti.h"
#include "registers/staff/scheda_tec_zona.h"
#include "registers/staff/tecnici.h"
#include "registers/staff/zone_tecnici.h"
#include "search/scheda_ricerca.h"
#include "shell/autenticazione.h"
#include "shell/cambio_password.h"
#include "shell/mdi_principale.h"
#include "platform/ui/combo_dati.h"
#include <QTest>

frmPlanning& planningClienteUno()
{
    frmPlanning& p = istanza<frmPlanning>();
    p.carica();
    p.cliente = QStringLiteral("ROSSI - MARIO");
    p.nIDcliente = 1;
    p.idZona = 1;
    p.predisponi();
    return p;
}

frmChiamata& chiamataUno()
{
    frmChiamata& s = istanza<frmChiamata>();
    s.nIdChiamata = 1;
    s.nIDcliente = 1;
    s.strCliente = QStringLiteral("ROSSI MARIO");
    s.nModalita = 1;
    s.carica();
    s.riempiCombo();
    s.predisponi();
    return s;
}

QWidget* prodottoSetteClienteUno()
{
    schProdottoCliente& s = istanza<schProdottoCliente>();
    s.nModalità = 1;
    s.carica();
    s.nIDcliente = 1;
    s.nIdProdotto = 7;
    s.ripristinaProdotto();
    return s.forma();
}

QWidget* rientroChiamataUno()
{
    schRientroTecnico& r = istanza<schRientroTecnico>();
    r.nID = 1;
    r.dataIntervento = QStringLiteral("04/08/2026");
    r.predisponi();
    r.controlli().cmbProdotti->impostaValoreLegato(1);
    r.aggiornaProdottoSelezionato();
    return r.forma();
}

namespace {
template <class T>
void aggiungi(const char* nome)
{
    QTest::newRow(nome) << FormaFinestra([] { return istanza<T>().forma(); });
}
} // namespace

void righeFinestre()
{
    QTest::addColumn<FormaFinestra>("forma");
    aggiungi<MDIprincipale>("MDIprincipale");
    aggiungi<schAutenticazione>("schAutenticazione");
    aggiungi<frmCambioPassword>("frmCambioPassword");
    aggiungi<schCliente>("schCliente");
    aggiungi<schProdottoCliente>("schProdottoCliente");
    aggiungi<schPrimaAccensione>("schPrimaAccensione");
    aggiungi<schNote>("schNote");
    aggiungi<schRicCliente>("schRicCliente");
    aggiungi<frmStampaClienti>("frmStampaClienti");
    aggiungi<frmPlanning>("frmPlanning");
    aggiungi<frmChiamata>("frmChiamata");
    aggiungi<frmRichiesta>("frmRichiesta");
    aggiungi<frmStampaPlanner>("frmStampaPlanner");
    aggiungi<schRientroTecnico>("schRientroTecnico");
    aggiungi<schMan>("schMan");
    aggiungi<frmElencoCAT>("frmElencoCAT");
    aggiungi<schCAT>("schCAT");
    aggiungi<frmImportaAccensioniCAT>("frmImportaAccensioniCAT");
    aggiungi<frmStoricoImportazioniCAT>("frmStoricoImportazioniCAT");
    aggiungi<schDettagliRiga>("schDettagliRiga");
    aggiungi<schExDededod>("schExDededod");
    aggiungi<schExPrimeAccensioni>("schExPrimeAccensioni");
    aggiungi<frmAreaInt>("frmAreaInt");
    aggiungi<schAreaInt>("schAreaInt");
    aggiungi<frmDifetti>("frmDifetti");
    aggiungi<schDifetto>("schDifetto");
    aggiungi<frmMarche>("frmMarche");
    aggiungi<schMarca>("schMarca");
    aggiungi<frmPosizioni>("frmPosizioni");
    aggiungi<schPosizione>("schPosizione");
    aggiungi<frmTipoAbbonamento>("frmTipoAbbonamento");
    aggiungi<schTipoAbbonamento>("schTipoAbbonamento");
    aggiungi<frmTipoAtt>("frmTipoAtt");
    aggiungi<schTipoAtt>("schTipoAtt");
    aggiungi<frmTipoCli>("frmTipoCli");
    aggiungi<schTipoCli>("schTipoCli");
    aggiungi<frmTipoGas>("frmTipoGas");
    aggiungi<schTipoGas>("schTipoGas");
    aggiungi<frmTipoMan>("frmTipoMan");
    aggiungi<schTipoMan>("schTipoMan");
    aggiungi<frmTipoProdotto>("frmTipoProdotto");
    aggiungi<schTipoProdotto>("schTipoProdotto");
    aggiungi<frmTipoRichieste>("frmTipoRichieste");
    aggiungi<schTipoRic>("schTipoRic");
    aggiungi<frmZone>("frmZone");
    aggiungi<schZona>("schZona");
    aggiungi<frmFerie>("frmFerie");
    aggiungi<schFerie>("schFerie");
    aggiungi<frmFestivita>("frmFestivita");
    aggiungi<schFestivita>("schFestivita");
    aggiungi<frmInstallatori>("frmInstallatori");
    aggiungi<schInstallatore>("schInstallatore");
    aggiungi<frmMateriali>("frmMateriali");
    aggiungi<schMateriale>("schMateriale");
    aggiungi<frmProdotti>("frmProdotti");
    aggiungi<schProdotto>("schProdotto");
    aggiungi<frmTecnici>("frmTecnici");
    aggiungi<schTecnico>("schTecnico");
    aggiungi<frmZoneTecnici>("frmZoneTecnici");
    aggiungi<schTecZona>("schTecZona");
    aggiungi<frmOperatori>("frmOperatori");
    aggiungi<schOperatori>("schOperatori");
}
