#include "ignitions/tracciato_accensioni.h"
#include "ignitions/date_accensioni.h"
#include "platform/db/errore_db.h"
#include "platform/db/recordset.h"
#include <QStringEncoder>

using namespace Qt::StringLiterals;

const std::array<ColonnaTracciato, colonneTracciato>& colonneTracciatoAccensioni()
{
    static const std::array<ColonnaTracciato, colonneTracciato> c = {{
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

namespace {
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

constexpr std::array<QByteArrayView, 4> scarichi{"NATURALE", "COASSIALE", "SDOPPIATO", "FORZATO"};
constexpr std::array<QByteArrayView, 4> mezzi{"libretto d'impianto", "documento fiscale", "matricola caldaia", "altro"};

// The word of a code among 0 to 3, or nothing.
std::optional<QByteArrayView> parola(const QVariant& v, const std::array<QByteArrayView, 4>& parole)
{
    const qlonglong codice = v.toLongLong();
    if (codice >= 0 && codice < qlonglong(parole.size()))
        return parole[size_t(codice)];
    return std::nullopt;
}

// The field as a text: a text's own bytes, anything else as its value's text; Null empty.
void poniTesto(RigaTracciato& r, int colonna, const Recordset& rs, int campo)
{
    const DatiRecordset::Testo t = rs.testoCampo(campo);
    switch (t.classe) {
    case DatiRecordset::Testo::Classe::nullo:
        r.poni(colonna, QByteArrayView());
        break;
    case DatiRecordset::Testo::Classe::testo:
        r.poni(colonna, QByteArrayView(t.byte, t.lunghezza));
        break;
    case DatiRecordset::Testo::Classe::altro:
        r.poni(colonna, testo(rs.campo(campo)));
    }
}

// A whole date as dd/MM/yyyy, any other value as its text.
void poniData(RigaTracciato& r, int colonna, const QVariant& v)
{
    const QDate d = dataCompleta(v);
    r.poni(colonna, d.isValid() ? testoData(d) : testo(v));
}

void poniValore(RigaTracciato& r, int colonna, Regola regola, const Recordset& rs, const std::array<int, 2>& campi)
{
    switch (regola) {
    case Regola::semplice:
        poniTesto(r, colonna, rs, campi[0]);
        break;
    case Regola::vuota:
        r.poni(colonna, QByteArrayView());
        break;
    case Regola::risposta:
    case Regola::siNo: {
        const QVariant v = rs.campo(campi[0]);
        // Mended: -1, a question the card left unanswered, is no "SI".
        if (regola == Regola::risposta && !v.isNull() && v.toLongLong() == -1)
            r.poni(colonna, QByteArrayView());
        else if (!v.isNull())
            r.poni(colonna, v.toLongLong() == 0 ? QByteArrayView("NO") : QByteArrayView("SI"));
        break;
    }
    case Regola::data: {
        const QVariant v = rs.campo(campi[0]);
        if (v.typeId() == QMetaType::QDate ? !v.toDate().isValid() : testo(v).isEmpty())
            r.poni(colonna, QByteArrayView());
        else
            poniData(r, colonna, v);
        break;
    }
    case Regola::installatore:
        r.poni(colonna, (testo(rs.campo(campi[0])) + u' ' + testo(rs.campo(campi[1]))).trimmed());
        break;
    case Regola::scarico:
        if (const QVariant v = rs.campo(campi[0]); !v.isNull())
            r.poni(colonna, parola(v, scarichi).value_or(QByteArrayView()));
        break;
    case Regola::attesta:
        if (const QVariant v = rs.campo(campi[0]); !v.isNull())
            if (const auto p = parola(v, mezzi))
                r.poni(colonna, *p);
        break;
    }
}
} // namespace

void RigaTracciato::svuota()
{
    testi.clear();
    posti.fill({-1, -1});
}

void RigaTracciato::poni(int colonna, QByteArrayView utf8)
{
    const qsizetype inizio = qsizetype(testi.size());
    testi.append(utf8.data(), size_t(utf8.size()));
    posti[size_t(colonna)] = {inizio, qsizetype(testi.size())};
}

void RigaTracciato::poni(int colonna, QStringView testo)
{
    QStringEncoder utf8(QStringEncoder::Utf8);
    const size_t inizio = testi.size();
    testi.resize(inizio + size_t(utf8.requiredSpace(testo.size())));
    char* fine = utf8.appendToBuffer(testi.data() + inizio, testo);
    testi.resize(size_t(fine - testi.data()));
    posti[size_t(colonna)] = {qsizetype(inizio), qsizetype(testi.size())};
}

TracciatoAccensioni::TracciatoAccensioni(const Recordset& rs, Tipo tipo) : tipo(tipo)
{
    for (int i = 0; i < colonneTracciato; ++i) {
        const ColonnaTracciato& c = colonneTracciatoAccensioni()[i];
        indici[i] = {-1, -1};
        if (c.campo.isEmpty() || (tipo == Tipo::duz && !c.duz))
            continue;
        indici[i][0] = indiceCampo(rs, c.campo);
        if (c.regola == Regola::installatore)
            indici[i][1] = indiceCampo(rs, u"nome_ins"_s);
    }
}

void TracciatoAccensioni::riga(const Recordset& rs, RigaTracciato& r) const
{
    for (int i = 0; i < colonneTracciato; ++i) {
        const ColonnaTracciato& c = colonneTracciatoAccensioni()[i];
        if (tipo == Tipo::duz && !c.duz)
            continue;
        poniValore(r, i, c.regola, rs, indici[i]);
    }
}

void rigaDededod(const Recordset& rs, RigaTracciato& r)
{
    // The workbook columns follow the three key fields of accensioniCAT.
    constexpr int primoCampo = 3;
    for (int i = 0; i < colonneTracciato && primoCampo + i < rs.numeroCampi(); ++i)
        poniData(r, i, rs.campo(primoCampo + i));
}
