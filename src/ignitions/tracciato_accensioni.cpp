#include "ignitions/tracciato_accensioni.h"
#include "ignitions/date_accensioni.h"
#include "platform/db/errore_db.h"
#include "platform/db/recordset.h"
#include <QStringEncoder>

using namespace Qt::StringLiterals;

const std::array<ColonnaTracciato, colonneTracciato>& colonneTracciatoAccensioni()
{
    static const std::array<ColonnaTracciato, colonneTracciato> c = {{
        {u"rag_soc"_s, RegolaTracciato::semplice, false},
        {u"cognome"_s, RegolaTracciato::semplice, false},
        {u"nome"_s, RegolaTracciato::semplice, false},
        {u"indirizzo"_s, RegolaTracciato::semplice, false},
        {{}, RegolaTracciato::vuota, false},
        {{}, RegolaTracciato::vuota, false},
        {u"citta"_s, RegolaTracciato::semplice, false},
        {u"cap"_s, RegolaTracciato::semplice, false},
        {{}, RegolaTracciato::vuota, false},
        {{}, RegolaTracciato::vuota, false},
        {u"pv"_s, RegolaTracciato::semplice, false},
        {u"tel_casa"_s, RegolaTracciato::semplice, false},
        {u"tel_cel"_s, RegolaTracciato::semplice, false},
        {{}, RegolaTracciato::vuota, false},
        {u"gasPropanoValvola"_s, RegolaTracciato::risposta, false},
        {u"gasPropanoEntrata"_s, RegolaTracciato::risposta, false},
        {u"marca"_s, RegolaTracciato::semplice, true},
        {u"matr_1"_s, RegolaTracciato::semplice, true},
        {u"modello"_s, RegolaTracciato::semplice, true},
        {u"ragioneSociale_ins"_s, RegolaTracciato::installatore, false},
        {u"indirizzo_ins"_s, RegolaTracciato::semplice, false},
        {u"numero_ins"_s, RegolaTracciato::semplice, false},
        {u"interno_ins"_s, RegolaTracciato::semplice, false},
        {u"localita_ins"_s, RegolaTracciato::semplice, false},
        {u"caplocalita_ins"_s, RegolaTracciato::semplice, false},
        {u"capComune_ins"_s, RegolaTracciato::semplice, false},
        {u"provincia_ins"_s, RegolaTracciato::semplice, false},
        {u"comune_ins"_s, RegolaTracciato::semplice, false},
        {u"telefono_ins"_s, RegolaTracciato::semplice, false},
        {u"cellulare_ins"_s, RegolaTracciato::semplice, false},
        {u"email_ins"_s, RegolaTracciato::semplice, false},
        {u"dataInstallazione"_s, RegolaTracciato::data, true},
        {u"dich_conf"_s, RegolaTracciato::siNo, true},
        {u"data_coll"_s, RegolaTracciato::data, true},
        {u"sigla_posizione"_s, RegolaTracciato::semplice, true},
        {u"tipoScarico"_s, RegolaTracciato::scarico, true},
        {u"sigla_tipo_gas"_s, RegolaTracciato::semplice, true},
        {u"tensione"_s, RegolaTracciato::risposta, true},
        {u"consumoGas"_s, RegolaTracciato::risposta, true},
        {u"primaVerifica"_s, RegolaTracciato::risposta, true},
        {u"catAttesta"_s, RegolaTracciato::attesta, true},
        {u"altroCatAttesta"_s, RegolaTracciato::semplice, true},
        {u"note_Coll"_s, RegolaTracciato::semplice, true},
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

void poniValore(RigaTracciato& r, int colonna, RegolaTracciato regola, const Recordset& rs, const std::array<int, 2>& campi)
{
    switch (regola) {
    case RegolaTracciato::semplice:
        poniTesto(r, colonna, rs, campi[0]);
        break;
    case RegolaTracciato::vuota:
        r.poni(colonna, QByteArrayView());
        break;
    case RegolaTracciato::risposta:
    case RegolaTracciato::siNo: {
        const QVariant v = rs.campo(campi[0]);
        // Mended: -1, a question the card left unanswered, is no "SI".
        if (regola == RegolaTracciato::risposta && !v.isNull() && v.toLongLong() == -1)
            r.poni(colonna, QByteArrayView());
        else if (!v.isNull())
            r.poni(colonna, v.toLongLong() == 0 ? QByteArrayView("NO") : QByteArrayView("SI"));
        break;
    }
    case RegolaTracciato::data: {
        const QVariant v = rs.campo(campi[0]);
        if (v.typeId() == QMetaType::QDate ? !v.toDate().isValid() : testo(v).isEmpty())
            r.poni(colonna, QByteArrayView());
        else
            poniData(r, colonna, v);
        break;
    }
    case RegolaTracciato::installatore:
        r.poni(colonna, (testo(rs.campo(campi[0])) + u' ' + testo(rs.campo(campi[1]))).trimmed());
        break;
    case RegolaTracciato::scarico:
        if (const QVariant v = rs.campo(campi[0]); !v.isNull())
            r.poni(colonna, parola(v, scarichi).value_or(QByteArrayView()));
        break;
    case RegolaTracciato::attesta:
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
        if (c.regola == RegolaTracciato::installatore)
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
