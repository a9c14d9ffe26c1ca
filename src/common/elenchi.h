#pragma once
#include "platform/db/recordset.h"
#include <QString>
#include <QVariant>

// The lists the data combos offer, each read by one function wherever a window shows it. Every
// list gives its key and the entry shown: named `colonna`, as the window names it, or, where
// windows show a stored column as it is, under that column's own name. A code list shows a code
// and a name.

// How a window reads a code list, where windows differ.
struct ComeElenco {
    enum Righe { vive, ancheEliminate };
    enum Ordine { perNome, perSigla, perSiglaENome, comeArchiviate }; // the last: no order asked
    // A code or a name that is Null: the whole entry is Null (shown blank), or the missing
    // part counts as an empty text.
    enum Nulli { voceNulla, parteVuota };
    Righe righe = vive;
    Ordine ordine = perNome;
    Nulli nulli = voceNulla;
    QString separatore = QStringLiteral(" - "); // between the code and the name
};

// The SQL of the entry of two columns, the separator between them, a Null one as `nulli` says.
QString voceDi(const QString& prima, const QString& seconda, ComeElenco::Nulli nulli,
               const QString& separatore = QStringLiteral(" - "));

// The lists of a code and a name, each with its key column.
enum class Codici {
    tecnici,      // idTecn
    zone,         // idZona
    marche,       // idMarca
    tipiProdotto, // idTpProd
    posizioni,    // idPos
    tipiGas,      // idTpGas
    abbonamenti,  // idTpAbb
    aree,         // idGruppo
    difetti,      // idDifetto
    tipiAttivita, // idTipoAttività
};
Recordset elencoCodici(Codici lista, const QString& colonna, const ComeElenco& come = {});
// The statement of the list, for a card that runs it itself.
QString istruzioneCodici(Codici lista, const QString& colonna, const ComeElenco& come = {});
// The entry of one subscription type, deleted or not, for a combo that keeps a stored key
// its list no longer offers.
QString voceAbbonamento();

// The live installers by name: idInst, nome_ins.
Recordset elencoInstallatori();
// Every customer type by name: idTipoCli, cli_nome_tipo.
Recordset elencoTipiCliente();
// The live models by name, of the brand and of the type when given (a Null one: any):
// idModello, modello.
Recordset elencoModelli(const QVariant& marca = {}, const QVariant& tipo = {});
