#include "registers/staff/scheda_tec_zona.h"
#include "common/elenchi.h"
#include "common/funzioni.h"
#include "platform/db/connessione.h"
#include "platform/db/testi_sql.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/controlli.h"
#include "platform/ui/forma_dialogo.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/utilita_form.h"
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
const QString nessunaCoppia = u"Selezionare l'associazione della zona tecnico da eliminare"_s;
} // namespace

QWidget* schTecZona::costruisci()
{
    auto* f = new FormaDialogo(u"Scheda Tecnico per zona"_s);
    auto& c = nuoviControlli();
    c.forma = f;
    f->setSizeGripEnabled(true);

    c.cmbTecnico = combo(f, u"cmbTecnico"_s);
    c.Label1 = etichetta(f, u"Label1"_s, u"Tecnico"_s, c.cmbTecnico);
    c.cmdResetTecnico = pulsante(f, u"cmdResetTecnico"_s, u"&RT"_s, u"Resetta l'elenco dei tecnici"_s);
    c.cmbZona = combo(f, u"cmbZona"_s);
    c.Label2 = etichetta(f, u"Label2"_s, u"Zona"_s, c.cmbZona);
    c.cmdResetZone = pulsante(f, u"cmdResetZone"_s, u"R&Z"_s, u"Resetta l'elenco delle zone"_s);
    c.lstZone = controllo<QListWidget>(f, u"lstZone"_s);
    c.Label3 = etichetta(f, u"Label3"_s, u"Elenco Zone assegnate al tecnico"_s, c.lstZone);
    c.cmdAggiungi = pulsante(f, u"cmdAggiungi"_s, u"&Aggiungi"_s);
    c.cmdRimuovi = pulsante(f, u"cmdRimuovi"_s, u"&Rimuovi"_s);
    c.cmdChiudi = pulsante(f, u"cmdChiudi"_s, u"&Chiudi"_s);

    auto* g = new QGridLayout(f);
    g->addWidget(c.Label1, 0, 0);
    g->addWidget(c.cmbTecnico, 0, 1);
    g->addWidget(c.cmdResetTecnico, 0, 2);
    g->addWidget(c.Label2, 1, 0);
    g->addWidget(c.cmbZona, 1, 1);
    g->addWidget(c.cmdResetZone, 1, 2);
    g->addWidget(c.cmdAggiungi, 1, 3);
    g->addWidget(c.Label3, 2, 0, 1, 3);
    g->addWidget(c.lstZone, 3, 0, 1, 3);
    auto* lato = new QVBoxLayout;
    lato->addWidget(c.cmdRimuovi);
    lato->addStretch();
    lato->addWidget(c.cmdChiudi);
    g->addLayout(lato, 3, 3);
    g->setColumnStretch(1, 1);
    g->setRowStretch(3, 1);
    // "Aggiungi" beside the zone comes before the list below.
    ordineTab(g);

    QObject::connect(c.cmbTecnico, &QComboBox::currentIndexChanged, f, [this] { gestisci([this] { aggiornaZone(); }); });
    QObject::connect(c.cmbZona, &QComboBox::activated, f, [this] { gestisci([this] { aggiornaZone(); }); });
    QObject::connect(c.cmdResetTecnico, &QPushButton::clicked, f, [this] { ui().cmbTecnico->svuotaScelta(); });
    QObject::connect(c.cmdResetZone, &QPushButton::clicked, f, [this] { ui().cmbZona->svuotaScelta(); });
    QObject::connect(c.cmdAggiungi, &QPushButton::clicked, f, [this] { aggiungi(); });
    QObject::connect(c.cmdRimuovi, &QPushButton::clicked, f, [this] { rimuovi(); });
    QObject::connect(c.cmdChiudi, &QPushButton::clicked, f, [this] { chiudi(); });
    f->resize(520, 330);
    return f;
}

void schTecZona::alCaricamento()
{
    centraForm(ui().forma);
    riempiCombo();
}

void schTecZona::riempiCombo()
{
    gestisci([this] {
        auto& c = ui();
        c.cmbTecnico->riempi(elencoCodici(Codici::tecnici, u"strTecnico"_s), u"strTecnico"_s, u"idTecn"_s);
        c.cmbZona->riempi(elencoCodici(Codici::zone, u"strZona"_s), u"strZona"_s, u"idZona"_s);
        if (c.cmbTecnico->count() > 0)
            c.cmbTecnico->setCurrentIndex(0);
        aggiornaZone();
        c.cmbZona->svuotaScelta();
    });
}

void schTecZona::aggiornaZone()
{
    const QVariant tecnico = ui().cmbTecnico->valoreLegato();
    if (!tecnico.isNull())
        elencaZone(long(tecnico.toLongLong()));
}

void schTecZona::elencaZone(long idTecnico)
{
    Recordset rs = connessione.apriStatico(
        u"SELECT idteczon,(sigla_zona || ' - ' || desc_zona) as strZona from (tecnici_per_zona inner join tecnici "
        u"on tecnici_per_zona.codtecnico=tecnici.idtecn) inner join zone on tecnici_per_zona.codzona=zone.idzona "
        u"where tecnici_per_zona.codTecnico = "_s
        + QString::number(idTecnico) + u" and tecnici_per_zona.eliminato = 0 "_s);
    QListWidget* l = ui().lstZone;
    l->clear();
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        auto* voce = new QListWidgetItem(nz(rs.campo(u"strZona"_s)).toString(), l);
        voce->setData(Qt::UserRole, rs.campo(u"idteczon"_s));
    }
}

bool schTecZona::predisponi()
{
    bool trovata = false;
    const bool letta = gestisci([this, &trovata] {
        Recordset rs = connessione.apriAvanti(u"SELECT * FROM tecnici_per_zona where idteczon="_s + QString::number(nID)
                                              + u" and eliminato=0"_s);
        if (rs.eof())
            return;
        trovata = true;
        const QVariant tecnico = rs.campo(u"codTecnico"_s);
        ui().cmbTecnico->impostaValoreLegato(tecnico);
        ui().cmbZona->impostaValoreLegato(rs.campo(u"codZona"_s));
        // The pair's own technician, even when he is no longer offered for new pairs.
        elencaZone(long(nz(tecnico).toLongLong()));
    });
    if (trovata)
        return true;
    // A pair removed meanwhile is not shown.
    if (letta)
        messaggio(u"Associazione inesistente!"_s, stile::esclamazione);
    chiudi();
    return false;
}

void schTecZona::aggiungi()
{
    gestisci([this] {
        auto& c = ui();
        const QVariant tecnico = c.cmbTecnico->valoreLegato();
        const QVariant zona = c.cmbZona->valoreLegato();
        QString errori;
        if (tecnico.isNull())
            errori = u"Selezionare il tecnico dall'elenco"_s;
        if (zona.isNull())
            errori += u"Selezionare la zona dall'elenco"_s;
        if (!errori.isEmpty()) {
            messaggio(u"Attenzione! si sono verificati i seguenti errori/e:"_s + errori);
            return;
        }
        const QString t = QString::number(tecnico.toLongLong());
        const QString z = QString::number(zona.toLongLong());
        // A pair is kept once: the planning would list the technician twice for the zone.
        if (!connessione
                 .apriAvanti(u"SELECT idTecZon FROM tecnici_per_zona where eliminato=0 and codTecnico="_s + t
                             + u" and codZona="_s + z)
                 .eof()) {
            messaggio(u"La zona selezionata e' gia' assegnata al tecnico"_s);
            return;
        }
        connessione.esegui(u"INSERT INTO tecnici_per_zona ( codZona,codTecnico ) values ("_s + z + u","_s + t + u")"_s);
        riempiCombo();
        c.cmbTecnico->impostaValoreLegato(tecnico);
        aggiornaZone();
    });
}

void schTecZona::rimuovi()
{
    gestisci([this] {
        auto& c = ui();
        QListWidgetItem* voce = c.lstZone->currentItem();
        if (!voce || !voce->isSelected()) {
            messaggio(nessunaCoppia, stile::informazione);
            return;
        }
        connessione.esegui(u"UPDATE tecnici_per_zona set eliminato=1 where idTecZon="_s
                           + QString::number(voce->data(Qt::UserRole).toLongLong()));
        const QVariant tecnico = c.cmbTecnico->valoreLegato();
        riempiCombo();
        c.cmbTecnico->impostaValoreLegato(tecnico);
        aggiornaZone();
    });
}
