#pragma once
#include "platform/db/recordset.h"
#include <QDate>
#include <QHash>
#include <QString>

// What the operator set in the customer search, read from its controls. Every criterion is
// keyed by the column it is sought in; an empty text, a 0 key or an unticked box is no criterion.
struct CriteriRicerca {
    // Yes/no criteria: ticked with only "Si" or only "No" selected.
    enum class SiNo { nessuno, si, no };
    // A date range: "Nessuno" asks for no date, "NON" for a date outside the range.
    struct Date {
        bool attivo = false;
        bool nessuno = false;
        bool non = false;
        QDate da, a;
    };
    struct Abbonamento {
        bool attivo = false;
        bool nessuno = false;
        qint64 tipo = 0;
        QDate stipulazioneDa, stipulazioneA, scadenzaDa, scadenzaA;
        QString ricevuta;
    };
    // Scheduled maintenance: months 1 to 12 (0 none), years as typed.
    struct ManutenzioneProgrammata {
        bool attivo = false;
        bool nessuna = false;
        int meseDa = 0, meseA = 0;
        QString annoDa, annoA;
    };

    QHash<QString, QString> testi;  // text criteria, by column (vl_abb and dim_aria: numbers)
    QHash<QString, qint64> chiavi;  // lookup and member codes, by column
    QHash<QString, SiNo> siNo;      // by column
    QHash<QString, Date> date;      // by column
    Abbonamento abbonamento;
    ManutenzioneProgrammata manutenzione;
};

// Why the criteria cannot be searched (a message for the operator), or empty.
QString verificaCriteri(const CriteriRicerca& c);
// The bare condition of the criteria, in the order of the search; empty with none set.
QString condizioneRicerca(const CriteriRicerca& c);
// What the search reads: the customers meeting the criteria once each, or every customer, in
// Italian order.
Lettura letturaRicerca(const CriteriRicerca& c);
// The statement of one customer, as the result after a new customer.
QString istruzioneCliente(qint64 idCli);
