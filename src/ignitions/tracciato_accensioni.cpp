#include "ignitions/tracciato_accensioni.h"
#include "ignitions/date_accensioni.h"
#include "platform/db/errore_db.h"
#include "platform/db/recordset.h"
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {
enum class Regola {
    semplice,     // the value; Null empty
    vuota,        // always an empty text
    risposta,     // Null untouched, 0 "NO", -1 (not answered) empty, else "SI"
    siNo,         // Null untouched, 0 "NO", else "SI"
    data,         // Null empty, else dd/MM/yyyy
    installatore, // company name and name, one blank between, trimmed
    scarico,      // Null untouched, 0-3 the flue word, else empty
    attesta,      // 0-3 the means word, else untouched
};

struct Colonna {
    QString campo;
    Regola regola;
    bool duz;
};

// A to AQ in order.
const std::array<Colonna, colonneTracciato>& colonne()
{
    static const std::array<Colonna, colonneTracciato> c = {{
        {u"rag_soc"_s, Regola::semplice, false},
        {u"cognome"_s, Regola::semplice, false},
        {u"nome"_s, Regola::semplice, false},
        {u"indirizzo"_s, Regola::semplice, false},
        {{}, Regola::vuota, false},
        {{}, Regola::vuota, false},
        {u"citta"_s, Regola::semplice, false},
        {u"cap"_s, Regola::semplice, false},
        {{}, Regola::vuota, false},
        {{}, Regola::vuota, false},
        {u"pv"_s, Regola::semplice, false},
        {u"tel_casa"_s, Regola::semplice, false},
        {u"tel_cel"_s, Regola::semplice, false},
        {{}, Regola::vuota, false},
        {u"gasPropanoValvola"_s, Regola::risposta, false},
        {u"gasPropanoEntrata"_s, Regola::risposta, false},
        {u"marca"_s, Regola::semplice, true},
        {u"matr_1"_s, Regola::semplice, true},
        {u"modello"_s, Regola::semplice, true},
        {u"ragioneSociale_ins"_s, Regola::installatore, false},
        {u"indirizzo_ins"_s, Regola::semplice, false},
        {u"numero_ins"_s, Regola::semplice, false},
        {u"interno_ins"_s, Regola::semplice, false},
        {u"localita_ins"_s, Regola::semplice, false},
        {u"caplocalita_ins"_s, Regola::semplice, false},
        {u"capComune_ins"_s, Regola::semplice, false},
        {u"provincia_ins"_s, Regola::semplice, false},
        {u"comune_ins"_s, Regola::semplice, false},
        {u"telefono_ins"_s, Regola::semplice, false},
        {u"cellulare_ins"_s, Regola::semplice, false},
        {u"email_ins"_s, Regola::semplice, false},
        {u"dataInstallazione"_s, Regola::data, true},
        {u"dich_conf"_s, Regola::siNo, true},
        {u"data_coll"_s, Regola::data, true},
        {u"sigla_posizione"_s, Regola::semplice, true},
        {u"tipoScarico"_s, Regola::scarico, true},
        {u"sigla_tipo_gas"_s, Regola::semplice, true},
        {u"tensione"_s, Regola::risposta, true},
        {u"consumoGas"_s, Regola::risposta, true},
        {u"primaVerifica"_s, Regola::risposta, true},
        {u"catAttesta"_s, Regola::attesta, true},
        {u"altroCatAttesta"_s, Regola::semplice, true},
        {u"note_Coll"_s, Regola::semplice, true},
    }};
    return c;
}

int indiceCampo(const Recordset& rs, const QString& nome)
{
    for (int i = 0; i < rs.numeroCampi(); ++i)
        if (rs.nomeCampo(i).compare(nome, Qt::CaseInsensitive) == 0)
            return i;
    throw ErroreDb(erroreCampo, u"Recordset"_s,
                   u"Elemento non trovato nell'insieme corrispondente al nome richiesto: "_s + nome);
}

QString testo(const QVariant& v)
{
    return v.isNull() ? QString() : v.toString();
}

std::optional<QString> parola(const QVariant& v, const QStringList& parole, std::optional<QString> altrimenti)
{
    const qlonglong codice = v.toLongLong();
    if (codice >= 0 && codice < parole.size())
        return parole[codice];
    return altrimenti;
}

std::optional<QString> valore(Regola regola, const QVariant& v, const QVariant& secondo)
{
    switch (regola) {
    case Regola::semplice:
        return testo(v);
    case Regola::vuota:
        return QString();
    case Regola::risposta:
        // Mended: -1, a question the card left unanswered, is no "SI".
        if (!v.isNull() && v.toLongLong() == -1)
            return QString();
        [[fallthrough]];
    case Regola::siNo:
        if (v.isNull())
            return std::nullopt;
        return v.toLongLong() == 0 ? u"NO"_s : u"SI"_s;
    case Regola::data: {
        if (testo(v).isEmpty())
            return QString();
        const QDate d = dataCompleta(v);
        return d.isValid() ? testoData(d) : testo(v);
    }
    case Regola::installatore:
        return (testo(v) + u' ' + testo(secondo)).trimmed();
    case Regola::scarico:
        if (v.isNull())
            return std::nullopt;
        return parola(v, {u"NATURALE"_s, u"COASSIALE"_s, u"SDOPPIATO"_s, u"FORZATO"_s}, QString());
    case Regola::attesta:
        if (v.isNull())
            return std::nullopt;
        return parola(v, {u"libretto d'impianto"_s, u"documento fiscale"_s, u"matricola caldaia"_s, u"altro"_s},
                      std::nullopt);
    }
    return std::nullopt;
}
} // namespace

TracciatoAccensioni::TracciatoAccensioni(const Recordset& rs, Tipo tipo) : tipo(tipo)
{
    for (int i = 0; i < colonneTracciato; ++i) {
        const Colonna& c = colonne()[i];
        indici[i] = {-1, -1};
        if (c.campo.isEmpty() || (tipo == Tipo::duz && !c.duz))
            continue;
        indici[i][0] = indiceCampo(rs, c.campo);
        if (c.regola == Regola::installatore)
            indici[i][1] = indiceCampo(rs, u"nome_ins"_s);
    }
}

RigaTracciato TracciatoAccensioni::riga(const Recordset& rs) const
{
    RigaTracciato r;
    for (int i = 0; i < colonneTracciato; ++i) {
        const Colonna& c = colonne()[i];
        if (tipo == Tipo::duz && !c.duz)
            continue;
        const QVariant v = indici[i][0] >= 0 ? rs.campo(indici[i][0]) : QVariant();
        const QVariant secondo = indici[i][1] >= 0 ? rs.campo(indici[i][1]) : QVariant();
        r[i] = valore(c.regola, v, secondo);
    }
    return r;
}

RigaTracciato rigaDededod(const Recordset& rs)
{
    // The workbook columns follow the three key fields of accensioniCAT.
    constexpr int primoCampo = 3;
    RigaTracciato r;
    for (int i = 0; i < colonneTracciato && primoCampo + i < rs.numeroCampi(); ++i) {
        const QVariant v = rs.campo(primoCampo + i);
        const QDate d = dataCompleta(v);
        r[i] = d.isValid() ? testoData(d) : testo(v);
    }
    return r;
}
