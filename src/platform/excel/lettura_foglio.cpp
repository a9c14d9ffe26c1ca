#include "platform/excel/lettura_foglio.h"
#include "platform/excel/errore_excel.h"
#include "platform/excel/foglio.h"
#include "platform/excel/lettore_xml.h"
#include "platform/excel/testo_xml.h"
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

using Evento = LettoreXml::Evento;

// The text of the element just started, its elements left out.
void leggiTesto(LettoreXml& xml, std::string& testo)
{
    testo.clear();
    for (Evento e; (e = xml.prossimo()) != Evento::Fine;) {
        if (e == Evento::Testo)
            testo += xml.testo();
        else if (e == Evento::Inizio)
            xml.salta();
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

bool vero(const std::string* valore)
{
    return valore && (*valore == "1" || *valore == "true");
}

std::string_view senzaSpazi(std::string_view testo)
{
    while (!testo.empty() && std::strchr(" \t\r\n", testo.front()))
        testo.remove_prefix(1);
    while (!testo.empty() && std::strchr(" \t\r\n", testo.back()))
        testo.remove_suffix(1);
    return testo;
}

// Reads the cell just started, up to its end.
class LettoreCelle {
public:
    LettoreCelle(LettoreXml& xml, Foglio& foglio, const std::vector<quint32>& stringhe)
        : xml(xml), foglio(foglio), stringhe(stringhe)
    {
    }

    Cella leggi(int riga, int colonna)
    {
        Cella cella;
        cella.colonna = quint16(colonna);
        long long stile = 0;
        if (const std::string* s = xml.attributo("s")) {
            const auto esito = std::from_chars(s->data(), s->data() + s->size(), stile);
            if (esito.ec != std::errc() || stile < 0 || stile > 0xFFFFFF)
                cellaNonValida(riga, colonna, "formato");
        }
        cella.stile = quint32(stile);
        const std::string* t = xml.attributo("t");
        const std::string tipo = t ? *t : std::string();
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
        TestiFoglio& testi = foglio.testi();
        if (tipo == "inlineStr") {
            cella.testo = testi.aggiungi(valore);
        } else if (tipo == "s") {
            if (valore.empty())
                return cella;
            unsigned long long indice = 0;
            const auto esito = std::from_chars(valore.data(), valore.data() + valore.size(), indice);
            if (esito.ec != std::errc() || esito.ptr != valore.data() + valore.size() || indice >= stringhe.size())
                cellaNonValida(riga, colonna, "stringa condivisa inesistente");
            cella.testo = stringhe[indice];
        } else if (tipo == "str") {
            pezzo.clear();
            decodificaTesto(valore, pezzo);
            cella.testo = testi.aggiungi(pezzo);
        } else if (tipo == "b") {
            cella.tipo = TipoCella::Booleano;
            cella.testo = testi.aggiungi(senzaSpazi(valore) == "1" ? "1" : "0");
        } else if (tipo == "e" || tipo == "d") {
            cella.tipo = tipo == "e" ? TipoCella::Errore : TipoCella::DataIso;
            cella.testo = testi.aggiungi(valore);
        } else if (tipo.empty() || tipo == "n") {
            if (valore.empty())
                return cella; // a cell with a format only
            double numero = 0;
            const char* fine = valore.data() + valore.size();
            const auto esito = std::from_chars(valore.data(), fine, numero);
            if (esito.ec != std::errc() || esito.ptr != fine || !std::isfinite(numero))
                cellaNonValida(riga, colonna, "numero");
            cella.tipo = TipoCella::Numero;
            cella.testo = testi.aggiungi(valore);
        } else {
            cellaNonValida(riga, colonna, "tipo sconosciuto");
        }
        return cella;
    }

private:
    LettoreXml& xml;
    Foglio& foglio;
    const std::vector<quint32>& stringhe;
    std::string valore, pezzo;
};

// The row just started, up to its end.
void leggiRiga(LettoreXml& xml, Foglio& foglio, LettoreCelle& celle, int r)
{
    RigaFoglio& riga = foglio.riga(r);
    const std::string* s = xml.attributo("s");
    riga.stile = vero(xml.attributo("customFormat")) ? (s ? std::atoll(s->c_str()) : 0) : -1;
    riga.attributi = altriAttributi(xml.attributi(), {"r", "spans", "s", "customFormat"});
    int colonna = 0;
    figli(xml, "c", [&] {
        IndirizzoCella dove{r, colonna + 1};
        if (const std::string* indirizzo = xml.attributo("r"))
            if (!leggiIndirizzo(indirizzo->c_str(), dove) || dove.riga != r)
                throw ErroreExcel(QStringLiteral("la riga %1 ha una cella dall'indirizzo non valido").arg(r));
        if (dove.colonna <= colonna || dove.colonna > ultimaColonna)
            throw ErroreExcel(QStringLiteral("le celle della riga %1 non sono in ordine").arg(r));
        colonna = dove.colonna;
        foglio.poni(r, celle.leggi(r, colonna));
    });
    foglio.riga(r).celle.shrink_to_fit();
}

// sheetData's rows, up to its end.
void leggiRighe(LettoreXml& xml, Foglio& foglio, const std::vector<quint32>& stringhe)
{
    LettoreCelle celle(xml, foglio, stringhe);
    int numeroRiga = 0;
    figli(xml, "row", [&] {
        const std::string* attributoR = xml.attributo("r");
        const int r = attributoR ? std::atoi(attributoR->c_str()) : numeroRiga + 1;
        if (r <= numeroRiga || r > ultimaRiga)
            throw ErroreExcel(QStringLiteral("le righe del foglio non sono in ordine o non sono valide"));
        numeroRiga = r;
        leggiRiga(xml, foglio, celle, r);
    });
}

} // namespace

std::vector<quint32> leggiStringheCondivise(FlussoZip& flusso, TestiFoglio& testi)
{
    LettoreXml xml(flusso, "delle stringhe condivise");
    std::vector<quint32> numeri;
    std::string testo, pezzo;
    for (Evento e; (e = xml.prossimo()) != Evento::FineDocumento;)
        if (e == Evento::Inizio && xml.profondita() == 2 && xml.nome() == "si") {
            leggiStringa(xml, testo, pezzo);
            numeri.push_back(testi.aggiungi(testo));
        }
    return numeri;
}

QByteArray leggiRigheFoglio(FlussoZip& flusso, Foglio& foglio, const std::vector<quint32>& stringhe)
{
    LettoreXml xml(flusso, "del foglio");
    QByteArray resto;
    bool righeLette = false;
    for (Evento e; (e = xml.prossimo()) != Evento::FineDocumento;) {
        resto.append(xml.grezzo().data(), qsizetype(xml.grezzo().size()));
        if (e == Evento::Inizio && xml.profondita() == 2 && xml.nome() == "sheetData" && !righeLette) {
            righeLette = true;
            leggiRighe(xml, foglio, stringhe);
            resto.append(xml.grezzo().data(), qsizetype(xml.grezzo().size())); // sheetData's end
        }
    }
    return resto;
}

QByteArray altriAttributi(const std::vector<std::pair<std::string, std::string>>& attributi,
                          std::initializer_list<const char*> esclusi)
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
