#include "search/criteri_ricerca.h"
#include "platform/db/condizioni_sql.h"
#include "platform/db/riordino_italiano.h"
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {
// The kinds of the rows of the search, each sought in its column (a group: in its first).
enum class Tipo { inizia, contiene, numero, chiave, siNo, date, abbonamento, manutenzione };

struct Riga {
    Tipo tipo;
    QString colonna;
};

// The conditions, in the order the search appends them.
const QList<Riga>& righe()
{
    static const QList<Riga> r = {
        {Tipo::inizia, u"COGNOME"_s},
        {Tipo::contiene, u"NOME"_s},
        {Tipo::contiene, u"RAG_SOC"_s},
        {Tipo::contiene, u"INDIRIZZO"_s},
        {Tipo::contiene, u"INDIRIZZO2"_s},
        {Tipo::contiene, u"COND_FRAZ"_s},
        {Tipo::contiene, u"NOTE_IND"_s},
        {Tipo::contiene, u"NOTE_CLI"_s},
        {Tipo::contiene, u"TEL_CASA"_s},
        {Tipo::contiene, u"TEL_CEL"_s},
        {Tipo::contiene, u"TEL_OLD"_s},
        {Tipo::contiene, u"CAP"_s},
        {Tipo::contiene, u"CITTA"_s},
        {Tipo::contiene, u"PV"_s},
        {Tipo::contiene, u"NAZCLI"_s},
        {Tipo::siNo, u"contatto"_s},
        {Tipo::contiene, u"GRUPPO"_s},
        {Tipo::chiave, u"COD_TIPO_APPARTENENZA"_s},
        {Tipo::contiene, u"NOTE_PAG"_s},
        {Tipo::contiene, u"GAS_COD"_s},
        {Tipo::chiave, u"COD_TIPO_CLI"_s},
        {Tipo::chiave, u"COD_APPARTENENZA"_s},
        {Tipo::chiave, u"COD_ZONA"_s},
        {Tipo::chiave, u"cod_tecnico"_s},
        {Tipo::chiave, u"cod_marca"_s},
        {Tipo::chiave, u"cod_tipo_prodotto"_s},
        {Tipo::chiave, u"cod_prodotto"_s},
        {Tipo::chiave, u"cod_installatore"_s},
        {Tipo::chiave, u"cod_posizione"_s},
        {Tipo::abbonamento, u"cod_tipo_abbonamento"_s},
        {Tipo::numero, u"vl_abb"_s},
        {Tipo::contiene, u"matr_1"_s},
        {Tipo::contiene, u"matr_2"_s},
        {Tipo::chiave, u"cod_tipo_gas"_s},
        {Tipo::contiene, u"codice_interno"_s},
        {Tipo::date, u"data_coll"_s},
        {Tipo::date, u"data_ins"_s},
        {Tipo::contiene, u"num_rf"_s},
        {Tipo::contiene, u"note_coll"_s},
        {Tipo::siNo, u"dich_conf"_s},
        {Tipo::contiene, u"num_libr"_s},
        {Tipo::date, u"data_lib"_s},
        {Tipo::siNo, u"fumi"_s},
        {Tipo::siNo, u"aria"_s},
        {Tipo::numero, u"dim_aria"_s},
        {Tipo::contiene, u"crono"_s},
        {Tipo::manutenzione, u"mm_man"_s},
        {Tipo::date, u"tstcmb"_s},
        {Tipo::date, u"dataman"_s},
        // The zone is tested twice, as the customer's code and as the combo's key.
        {Tipo::chiave, u"cod_zona"_s},
    };
    return r;
}

QString date(const QString& colonna, const CriteriRicerca::Date& d)
{
    if (!d.attivo)
        return {};
    if (d.nessuno)
        return condizione::presente(colonna, false);
    if (d.non)
        return condizione::fuori(colonna, d.da, d.a);
    if (!d.da.isValid() && !d.a.isValid())
        return condizione::presente(colonna);
    return condizione::tra(colonna, d.da, d.a);
}

void abbonamento(Condizioni& c, const CriteriRicerca::Abbonamento& a)
{
    if (!a.attivo)
        return;
    if (a.nessuno) {
        c << condizione::uguale(u"cod_tipo_abbonamento"_s, 0);
        return;
    }
    c << condizione::diverso(u"cod_tipo_abbonamento"_s, 0);
    if (a.tipo != 0)
        c << condizione::uguale(u"cod_tipo_abbonamento"_s, a.tipo);
    c << condizione::tra(u"data_abb"_s, a.stipulazioneDa, a.stipulazioneA);
    if (!a.ricevuta.isEmpty())
        c << condizione::contiene(u"rf_abb"_s, a.ricevuta);
    c << condizione::tra(u"sc_abb"_s, a.scadenzaDa, a.scadenzaA);
}

// Months or years from / to as one condition.
QString intervallo(const QString& colonna, int da, int a)
{
    Condizioni c;
    if (da != 0)
        c << colonna + u" >= "_s + QString::number(da);
    if (a != 0)
        c << colonna + u" <= "_s + QString::number(a);
    return c.vuota() ? QString() : c.testo().replace(u" AND "_s, u" and "_s);
}

void manutenzione(Condizioni& c, const CriteriRicerca::ManutenzioneProgrammata& m)
{
    if (!m.attivo)
        return;
    if (m.nessuna) {
        c << u"mm_man = 0 and aa_man = 0"_s;
        return;
    }
    if (m.meseDa == 0 && m.meseA == 0 && m.annoDa.isEmpty() && m.annoA.isEmpty())
        c << u"(mm_man <> 0 or aa_man <> 0)"_s;
    c << intervallo(u"mm_man"_s, m.meseDa, m.meseA);
    c << intervallo(u"aa_man"_s, m.annoDa.toInt(), m.annoA.toInt());
}

bool annoValido(const QString& anno)
{
    static const QRegularExpression cifre(u"^\\d{1,4}$"_s);
    return anno.isEmpty() || cifre.match(anno).hasMatch();
}

// The tables a search joins to clienti: only those whose columns its conditions name.
struct Tabelle {
    bool apparecchi = false;   // prodotti_ai_clienti
    bool modelli = false;      // prodotti
    bool manutenzioni = false; // manutenzioni
};

void richiede(Tabelle& t, const QString& colonna)
{
    static const QStringList modelli{u"cod_marca"_s, u"cod_tipo_prodotto"_s};
    static const QStringList apparecchi{
        u"cod_tecnico"_s, u"cod_prodotto"_s, u"cod_installatore"_s, u"cod_posizione"_s, u"vl_abb"_s, u"matr_1"_s,
        u"matr_2"_s,      u"cod_tipo_gas"_s, u"codice_interno"_s,   u"data_coll"_s,     u"data_ins"_s, u"num_rf"_s,
        u"note_coll"_s,   u"dich_conf"_s,    u"num_libr"_s,         u"data_lib"_s,      u"fumi"_s,     u"aria"_s,
        u"dim_aria"_s,    u"crono"_s,        u"tstcmb"_s,         u"cod_tipo_abbonamento"_s, u"mm_man"_s};
    if (modelli.contains(colonna))
        t.modelli = t.apparecchi = true;
    else if (colonna == u"dataman"_s)
        t.manutenzioni = t.apparecchi = true;
    else if (apparecchi.contains(colonna))
        t.apparecchi = true;
}

// The condition of the criteria, and the tables it needs.
QString costruisciCondizione(const CriteriRicerca& c, Tabelle& tabelle)
{
    Condizioni cond;
    for (const Riga& r : righe()) {
        const QString chiave = r.colonna.toLower();
        const QString prima = cond.testo();
        switch (r.tipo) {
        case Tipo::inizia:
            if (const QString t = c.testi.value(chiave); !t.isEmpty())
                cond << condizione::iniziaCon(r.colonna, t);
            break;
        case Tipo::contiene:
            if (const QString t = c.testi.value(chiave); !t.isEmpty())
                cond << condizione::contiene(r.colonna, t);
            break;
        case Tipo::numero:
            if (const QString t = c.testi.value(chiave); !t.isEmpty())
                cond << condizione::numeroContiene(r.colonna, t);
            break;
        case Tipo::chiave:
            if (const qint64 k = c.chiavi.value(chiave); k != 0)
                cond << condizione::uguale(r.colonna, k);
            break;
        case Tipo::siNo:
            if (const auto s = c.siNo.value(chiave); s != CriteriRicerca::SiNo::nessuno)
                cond << condizione::uguale(r.colonna, s == CriteriRicerca::SiNo::si ? 1 : 0);
            break;
        case Tipo::date:
            cond << date(r.colonna, c.date.value(chiave));
            break;
        case Tipo::abbonamento:
            abbonamento(cond, c.abbonamento);
            break;
        case Tipo::manutenzione:
            manutenzione(cond, c.manutenzione);
            break;
        }
        if (cond.testo() != prima)
            richiede(tabelle, chiave);
    }
    return cond.testo();
}

const QString colonne = u"SELECT idcli,cognome , nome , rag_soc,indirizzo,citta,tel_casa,tel_cel FROM "_s;
const QString raggruppa = u" group by idCli,Cognome,nome,rag_soc,indirizzo,citta,tel_casa,tel_cel"_s;
// The order of the surname's index (the column's own, NOCASE), and the Italian order of the
// customers found.
const QString ordinaIndice = u" ORDER BY Cognome"_s;
const QString ordinaItaliano = u" ORDER BY Cognome COLLATE ITALIANO, Nome COLLATE ITALIANO, Citta COLLATE ITALIANO, "
                               "Indirizzo COLLATE ITALIANO"_s;

// Every customer meets the condition once: joined to his appliances (and their models and
// maintenances) only when the condition names their columns, and then grouped back.
QString istruzione(const QString& condizione, const Tabelle& t, const QString& ordine)
{
    QString sql = colonne + u"clienti "_s;
    if (t.apparecchi)
        sql += u"left join prodotti_ai_clienti on clienti.idCli = prodotti_ai_clienti.cod_cliente "_s;
    if (t.modelli)
        sql += u"left join prodotti on prodotti_ai_clienti.cod_prodotto=prodotti.idModello "_s;
    if (t.manutenzioni)
        sql += u"left join manutenzioni on prodotti_ai_clienti.id_pro_cli=manutenzioni.codPRodotto "_s;
    if (!condizione.isEmpty())
        sql += u"where "_s + condizione;
    if (t.apparecchi)
        sql += raggruppa;
    return sql + ordine;
}
} // namespace

QString verificaCriteri(const CriteriRicerca& c)
{
    const auto& m = c.manutenzione;
    if (m.attivo && !m.nessuna && (!annoValido(m.annoDa) || !annoValido(m.annoA)))
        return u"Gli anni della manutenzione programmata devono essere numeri interi"_s;
    const auto d = c.date.value(u"dataman"_s);
    if (d.attivo && !d.nessuno && d.non && (!d.da.isValid() || !d.a.isValid()))
        return u"Per cercare le manutenzioni fuori dal periodo (NON) indicare entrambe le date, Dal e Al"_s;
    return {};
}

QString condizioneRicerca(const CriteriRicerca& c)
{
    Tabelle t;
    return costruisciCondizione(c, t);
}

Lettura letturaRicerca(const CriteriRicerca& c)
{
    Tabelle t;
    const QString cond = costruisciCondizione(c, t);
    if (!cond.isEmpty())
        return {istruzione(cond, t, ordinaItaliano)};
    // Every customer by surname: the table read in its own order and, beside it, its surname
    // index, whose order is the Italian one for all but a few surnames.
    const QString voci = u"SELECT idCli, Cognome FROM clienti "_s;
    const QString coda = u"WHERE Cognome >= '%1'"_s.arg(QLatin1Char(RiordinoItaliano::inizioCoda));
    return {istruzione({}, t, {}), {},
            Lettura::PerIndice{voci + ordinaIndice, voci + coda + ordinaIndice, istruzione(u"idCli = ?"_s, t, {})}};
}

QString istruzioneCliente(qint64 idCli)
{
    return istruzione(u"idcli="_s + QString::number(idCli), {}, ordinaIndice);
}
