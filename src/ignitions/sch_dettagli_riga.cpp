#include "ignitions/sch_dettagli_riga.h"
#include "common/funzioni.h"
#include "ignitions/date_accensioni.h"
#include "platform/db/recordset.h"
#include "platform/db/testi_sql.h"
#include "platform/ui/controlli.h"
#include "platform/ui/forma_dialogo.h"
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
struct Voce {
    QString didascalia;
    QString etichetta;
    QString campo;
    bool data; // shown as dd/MM/yyyy
};

const QList<Voce>& voci()
{
    static const QList<Voce> v = {
        {u"Data Importazione"_s, u"lblDataImp"_s, u"dataImp"_s, true},
        {u"Ragione Sociale"_s, u"lblRagSoc"_s, u"ragionesociale"_s, false},
        {u"Cognome"_s, u"lblCognome"_s, u"cognome"_s, false},
        {u"Nome"_s, u"lblNome"_s, u"nome"_s, false},
        {u"Indirizzo"_s, u"lblIndirizzo"_s, u"indirizzo"_s, false},
        {u"Numero"_s, u"lblNumero"_s, u"numero"_s, false},
        {u"Interno"_s, u"lblInterno"_s, u"interno"_s, false},
        {u"Località"_s, u"lblLocalita"_s, u"localita"_s, false},
        {u"CAP località"_s, u"lblCapLocalita"_s, u"caplocalita"_s, false},
        {u"Provincia"_s, u"lblProvincia"_s, u"provincia"_s, false},
        {u"Telefono"_s, u"lblTelefono"_s, u"telefono"_s, false},
        {u"Cellulare"_s, u"lblCellulare"_s, u"cellulare"_s, false},
        {u"Marca"_s, u"lblMarca"_s, u"marchio"_s, false},
        {u"Matricola"_s, u"lblMatricola"_s, u"matricola"_s, false},
        {u"Modello"_s, u"lblModello"_s, u"modello"_s, false},
        {u"Dich Conf"_s, u"lblDichConf"_s, u"conformita"_s, false},
        {u"Data Installazione"_s, u"lblDataInstallazione"_s, u"dataInstallazione"_s, true},
        // Stored as a date; dd/MM/yyyy is the text the workbook gave.
        {u"Data collaudo"_s, u"lblDataCollaudo"_s, u"dataCollaudo"_s, true},
        {u"Luogo"_s, u"lblLuogo"_s, u"luogoInstallazione"_s, false},
        {u"Tipo Scarico"_s, u"lblTipoScarico"_s, u"tipoScarico"_s, false},
        {u"Note collaudo"_s, u"lblNoteCollaudo"_s, u"note"_s, false},
    };
    return v;
}

QString mostrato(const QVariant& valore, bool data)
{
    const QDate d = data ? dataCompleta(valore) : QDate();
    return d.isValid() ? testoData(d) : nz(valore).toString();
}
} // namespace

QWidget* schDettagliRiga::costruisci()
{
    auto* f = new FormaDialogo(u"Scheda Dettaglio Riga"_s);
    auto& c = nuoviControlli();
    c.forma = f;
    auto* l = new QVBoxLayout(f);
    auto* griglia = new QGridLayout;
    int riga = 0;
    for (const Voce& v : voci()) {
        auto* valore = controllo<QLabel>(f, v.etichetta);
        valore->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        valore->setFocusPolicy(Qt::StrongFocus);
        griglia->addWidget(::etichetta(f, v.didascalia, valore), riga, 0);
        griglia->addWidget(valore, riga++, 1);
        c.valori.insert(v.etichetta, valore);
    }
    l->addLayout(griglia);
    c.cmdChiudi = pulsante(f, u"cmdChiudi"_s, u"Chiudi"_s);
    f->impostaAnnulla(c.cmdChiudi);
    l->addWidget(c.cmdChiudi, 0, Qt::AlignRight);
    QObject::connect(c.cmdChiudi, &QPushButton::clicked, f, [this] { chiudi(); });
    return f;
}

void schDettagliRiga::predisponi(const Recordset& record)
{
    // A field the record lacks stops the filling: the labels so far stay, the caption does not change.
    gestisci([&] {
        auto& c = ui();
        for (const Voce& v : voci())
            c.valori.value(v.etichetta)->setText(mostrato(record.campo(v.campo), v.data));
        c.forma->setWindowTitle(titolo);
    });
}
