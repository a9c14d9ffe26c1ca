#include "platform/excel/lettura_foglio.h"
#include "platform/excel/errore_excel.h"
#include "platform/excel/indirizzo_cella.h"
#include "platform/excel/lettore_xml.h"
#include "platform/excel/limiti_libro.h"
#include "platform/excel/protocollo_lettura.h"
#include "platform/excel/testo_xml.h"
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

using Evento = LettoreXml::Evento;

// The most a cell's text takes: 3 bytes a character in UTF-8, 7 written as "_xHHHH_".
constexpr size_t massimoUtf8 = 3 * massimoCaratteriCella;
constexpr size_t massimoScritto = 7 * massimoCaratteriCella;

[[noreturn]] void testoTroppoLungo()
{
    throw superaLimite(massimoCaratteriCella, "caratteri", "testo di una cella");
}

// The text of the element just started, its elements left out.
void leggiTesto(LettoreXml& xml, std::string& testo)
{
    testo.clear();
    for (Evento e; (e = xml.prossimo()) != Evento::Fine;) {
        if (e == Evento::Testo) {
            testo += xml.testo();
            if (testo.size() > massimoScritto)
                testoTroppoLungo();
        } else if (e == Evento::Inizio) {
            xml.salta();
        }
    }
}

// The text of a string item just started (si, is): its own <t>, or the <t> of each run;
// phonetic runs are left out.
void leggiStringa(LettoreXml& xml, std::string& testo, std::string& pezzo)
{
    testo.clear();
    const size_t livello = xml.profondita();
    for (;;) {
        const Evento e = xml.prossimo();
        if (e == Evento::Fine && xml.profondita() < livello)
            return;
        if (e != Evento::Inizio)
            continue;
        if (xml.nome() == "t") {
            leggiTesto(xml, pezzo);
            decodificaTesto(pezzo, testo);
            if (testo.size() > massimoUtf8)
                testoTroppoLungo();
        } else if (xml.nome() != "r") {
            xml.salta();
        }
    }
}

// Calls leggi on each child element named nome of the element just started, which reads it
// to its end; the other children are skipped.
template <typename Lettura>
void figli(LettoreXml& xml, std::string_view nome, Lettura&& leggi)
{
    for (Evento e; (e = xml.prossimo()) != Evento::Fine;) {
        if (e != Evento::Inizio)
            continue;
        if (xml.nome() == nome)
            leggi();
        else
            xml.salta();
    }
}

[[noreturn]] void cellaNonValida(int riga, int colonna, const char* motivo)
{
    throw ErroreExcel(QStringLiteral("la cella %1%2 non è valida (%3)")
                          .arg(lettereColonna(colonna))
                          .arg(riga)
                          .arg(QString::fromUtf8(motivo)));
}

bool vero(const std::string_view* valore)
{
    return valore && (*valore == "1" || *valore == "true");
}

// The number at the start of an attribute's value, as atoll and atof read it; one past the
// range of long long stops at its end rather than wrapping.
long long intero(std::string_view valore)
{
    return std::strtoll(std::string(valore).c_str(), nullptr, 10);
}

double decimale(std::string_view valore)
{
    return std::atof(std::string(valore).c_str());
}

std::string_view senzaSpazi(std::string_view testo)
{
    while (!testo.empty() && std::strchr(" \t\r\n", testo.front()))
        testo.remove_prefix(1);
    while (!testo.empty() && std::strchr(" \t\r\n", testo.back()))
        testo.remove_suffix(1);
    return testo;
}

// Reads the cells just started, up to their end, and sends them on.
class LettoreCelle {
public:
    LettoreCelle(LettoreXml& xml, UscitaLettura& uscita, StringheCondivise stringhe)
        : xml(xml), uscita(uscita), stringhe(stringhe)
    {
    }

    void leggi(uint32_t riga, uint16_t colonna)
    {
        long long stile = 0;
        if (const std::string_view* s = xml.attributo("s")) {
            const auto esito = std::from_chars(s->data(), s->data() + s->size(), stile);
            if (esito.ec != std::errc() || stile < 0 || stile > 0xFFFFFF)
                cellaNonValida(int(riga), colonna, "formato");
        }
        const std::string_view* t = xml.attributo("t");
        const std::string tipo(t ? *t : std::string_view());
        valore.clear();
        for (Evento e; (e = xml.prossimo()) != Evento::Fine;) {
            if (e != Evento::Inizio)
                continue;
            if (xml.nome() == "v")
                leggiTesto(xml, valore);
            else if (xml.nome() == "is" && tipo == "inlineStr")
                leggiStringa(xml, valore, pezzo);
            else
                xml.salta();
        }
        const auto formato = uint32_t(stile);
        const auto conTesto = [&](TipoCella tipoCella, std::string_view testo) {
            uscita.cellaConTesto(riga, colonna, tipoCella, formato, testo);
        };
        if (tipo == "inlineStr") {
            conTesto(TipoCella::Testo, valore);
        } else if (tipo == "s") {
            uint32_t numero = 0;
            if (!valore.empty()) {
                unsigned long long indice = 0;
                const auto esito = std::from_chars(valore.data(), valore.data() + valore.size(), indice);
                if (esito.ec != std::errc() || esito.ptr != valore.data() + valore.size() || indice >= stringhe.quante)
                    cellaNonValida(int(riga), colonna, "stringa condivisa inesistente");
                numero = stringhe.prima + uint32_t(indice);
            }
            uscita.cella(riga, colonna, TipoCella::Testo, formato, numero);
        } else if (tipo == "str") {
            pezzo.clear();
            decodificaTesto(valore, pezzo);
            conTesto(TipoCella::Testo, pezzo);
        } else if (tipo == "b") {
            conTesto(TipoCella::Booleano, senzaSpazi(valore) == "1" ? "1" : "0");
        } else if (tipo == "e" || tipo == "d") {
            conTesto(tipo == "e" ? TipoCella::Errore : TipoCella::DataIso, valore);
        } else if (tipo.empty() || tipo == "n") {
            if (valore.empty()) {
                uscita.cella(riga, colonna, TipoCella::Testo, formato, 0); // a cell with a format only
                return;
            }
            double numero = 0;
            const char* fine = valore.data() + valore.size();
            const auto esito = std::from_chars(valore.data(), fine, numero);
            if (esito.ec != std::errc() || esito.ptr != fine || !std::isfinite(numero))
                cellaNonValida(int(riga), colonna, "numero");
            conTesto(TipoCella::Numero, valore);
        } else {
            cellaNonValida(int(riga), colonna, "tipo sconosciuto");
        }
    }

private:
    LettoreXml& xml;
    UscitaLettura& uscita;
    StringheCondivise stringhe;
    std::string valore, pezzo;
};

// The row just started, up to its end.
void leggiRiga(LettoreXml& xml, UscitaLettura& uscita, LettoreCelle& celle, int r)
{
    const std::string_view* s = xml.attributo("s");
    const long long stile = vero(xml.attributo("customFormat")) ? (s ? intero(*s) : 0) : -1;
    if (stile < -1 || stile > 0xFFFFFF)
        throw ErroreExcel(QStringLiteral("la riga %1 ha un formato non valido").arg(r));
    const QByteArray attributi = altriAttributi(xml.attributi(), {"r", "spans", "s", "customFormat"});
    if (stile >= 0 || !attributi.isEmpty())
        uscita.riga(uint32_t(r), int32_t(stile), std::string_view(attributi.constData(), size_t(attributi.size())));
    int colonna = 0;
    figli(xml, "c", [&] {
        IndirizzoCella dove{r, colonna + 1};
        if (const std::string_view* indirizzo = xml.attributo("r"))
            if (!leggiIndirizzo(*indirizzo, dove) || dove.riga != r)
                throw ErroreExcel(QStringLiteral("la riga %1 ha una cella dall'indirizzo non valido").arg(r));
        if (dove.colonna <= colonna || dove.colonna > ultimaColonna)
            throw ErroreExcel(QStringLiteral("le celle della riga %1 non sono in ordine").arg(r));
        colonna = dove.colonna;
        celle.leggi(uint32_t(r), uint16_t(colonna));
    });
}

// sheetData's rows, up to its end.
void leggiRighe(LettoreXml& xml, UscitaLettura& uscita, StringheCondivise stringhe)
{
    LettoreCelle celle(xml, uscita, stringhe);
    int numeroRiga = 0;
    figli(xml, "row", [&] {
        const std::string_view* attributoR = xml.attributo("r");
        const long long r = attributoR ? intero(*attributoR) : numeroRiga + 1;
        if (r <= numeroRiga || r > ultimaRiga)
            throw ErroreExcel(QStringLiteral("le righe del foglio non sono in ordine o non sono valide"));
        numeroRiga = int(r);
        leggiRiga(xml, uscita, celle, numeroRiga);
    });
}

// What the sheet part holds besides its cells, as written, within its limit and the account.
class RestoFoglio {
public:
    explicit RestoFoglio(ContoLibro& conto) : conto(conto) {}

    void aggiungi(std::string_view xml)
    {
        testo.append(xml);
        if (testo.size() > size_t(massimoRestoFoglio))
            throw superaLimiteMb(massimoRestoFoglio, "parti del foglio fuori dalle celle");
        conto.misura(contati, qint64(testo.size()), "parti del foglio fuori dalle celle");
    }
    std::string prendi() { return std::move(testo); }

private:
    std::string testo;
    ContoLibro& conto;
    qint64 contati = 0;
};

// The column ranges of <cols>, which follow each other without overlapping.
void leggiColonne(LettoreXml& xml, UscitaLettura& uscita, RestoFoglio& resto)
{
    int ultimaLetta = 0;
    for (Evento e; (e = xml.prossimo()) != Evento::Fine;) {
        resto.aggiungi(xml.grezzo());
        if (e != Evento::Inizio)
            continue;
        if (xml.nome() == "col") {
            const std::string_view* min = xml.attributo("min");
            const std::string_view* max = xml.attributo("max");
            const long long primo = min ? intero(*min) : 0;
            const long long ultimo = max ? intero(*max) : 0;
            if (primo <= ultimaLetta || ultimo < primo || ultimo > ultimaColonna)
                throw ErroreExcel(QStringLiteral("le colonne del foglio non sono valide"));
            ultimaLetta = int(ultimo);
            const std::string_view* larghezza = xml.attributo("width");
            const std::string_view* stile = xml.attributo("style");
            const QByteArray attributi =
                altriAttributi(xml.attributi(), {"min", "max", "width", "style", "customWidth", "bestFit"});
            uscita.colonne(uint16_t(primo), uint16_t(ultimo), larghezza ? decimale(*larghezza) : 0,
                           stile ? intero(*stile) : -1,
                           std::string_view(attributi.constData(), size_t(attributi.size())));
        }
        const size_t livello = xml.profondita();
        while (xml.profondita() >= livello) {
            if (xml.prossimo() == Evento::FineDocumento)
                throw ErroreExcel(QStringLiteral("le colonne del foglio non sono valide"));
            resto.aggiungi(xml.grezzo());
        }
    }
    resto.aggiungi(xml.grezzo());
}

} // namespace

StringheCondivise leggiStringheCondivise(FlussoZip& flusso, UscitaLettura& uscita)
{
    LettoreXml xml(flusso, "delle stringhe condivise");
    StringheCondivise stringhe;
    std::string testo, pezzo;
    for (Evento e; (e = xml.prossimo()) != Evento::FineDocumento;)
        if (e == Evento::Inizio && xml.profondita() == 2 && xml.nome() == "si") {
            leggiStringa(xml, testo, pezzo);
            const uint32_t numero = uscita.testo(testo);
            if (stringhe.quante++ == 0)
                stringhe.prima = numero;
        }
    return stringhe;
}

std::string leggiRigheFoglio(FlussoZip& flusso, UscitaLettura& uscita, StringheCondivise stringhe, std::string& prefisso,
                             ContoLibro& conto)
{
    LettoreXml xml(flusso, "del foglio");
    RestoFoglio resto(conto);
    bool righeLette = false;
    for (Evento e; (e = xml.prossimo()) != Evento::FineDocumento;) {
        resto.aggiungi(xml.grezzo());
        if (e == Evento::Inizio && xml.profondita() == 2 && xml.nome() == "sheetData" && !righeLette) {
            righeLette = true;
            const std::string_view nome = xml.grezzo().substr(1, xml.grezzo().find_first_of(" \t\r\n/>", 1) - 1);
            prefisso.assign(nome.substr(0, nome.size() - xml.nome().size()));
            leggiRighe(xml, uscita, stringhe);
            resto.aggiungi(xml.grezzo()); // sheetData's end
        } else if (e == Evento::Inizio && xml.profondita() == 2 && xml.nome() == "cols") {
            leggiColonne(xml, uscita, resto);
        }
    }
    if (!righeLette)
        throw ErroreExcel(QStringLiteral("il foglio non ha celle"));
    return resto.prendi();
}

QByteArray altriAttributi(const std::vector<AttributoXml>& attributi, std::initializer_list<const char*> esclusi)
{
    QByteArray testo;
    for (const auto& [nome, valore] : attributi) {
        bool escluso = false;
        for (const char* e : esclusi)
            escluso = escluso || nome == e;
        if (escluso)
            continue;
        testo += ' ';
        testo += nome;
        testo += "=\"";
        for (const char c : valore) {
            if (c == '&')
                testo += "&amp;";
            else if (c == '<')
                testo += "&lt;";
            else if (c == '"')
                testo += "&quot;";
            else if (static_cast<unsigned char>(c) < 0x20)
                testo += "&#" + QByteArray::number(int(c)) + ';';
            else
                testo += c;
        }
        testo += '"';
    }
    return testo;
}
