#include "platform/excel/lettore_xml.h"
#include "platform/excel/archivio_zip.h"
#include "platform/excel/errore_excel.h"
#include "platform/excel/limiti_libro.h"
#include "platform/excel/testo_xml.h"
#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>

namespace {

// Read from the part at a time: as much as was read before, from 16 KB up to 256 KB, so that
// a small part takes little and the pieces of a large one end every 256 KB.
constexpr size_t primoPezzo = 16 * 1024, pezzo = 256 * 1024;
constexpr size_t pezzoTesto = 64 * 1024; // a longer text comes in pieces of about this size

// What a byte is to the markup, as bits.
enum : uint8_t {
    bitSpazio = 1,         // a blank
    bitFineNome = 2,       // ends a name: blanks, / > = < and quotes
    bitTag = 4,            // stops the scan of a start tag: > < and quotes
    bitDecodificaTesto = 8, // means other than it reads in a text: & and CR
    bitDecodificaValore = 16, // the same in an attribute's value: & CR LF and tab
};

constexpr std::array<uint8_t, 256> classi = [] {
    std::array<uint8_t, 256> c{};
    for (const unsigned char b : {' ', '\t', '\n', '\r'})
        c[b] |= bitSpazio | bitFineNome;
    for (const unsigned char b : {'/', '>', '=', '<', '"', '\''})
        c[b] |= bitFineNome;
    for (const unsigned char b : {'>', '<', '"', '\''})
        c[b] |= bitTag;
    for (const unsigned char b : {'&', '\r'})
        c[b] |= bitDecodificaTesto | bitDecodificaValore;
    for (const unsigned char b : {'\n', '\t'})
        c[b] |= bitDecodificaValore;
    return c;
}();

bool di(char c, uint8_t bit)
{
    return classi[static_cast<unsigned char>(c)] & bit;
}

bool spazio(char c)
{
    return di(c, bitSpazio);
}

bool fineNome(char c)
{
    return di(c, bitFineNome);
}

// The entity at the start of testo ("&amp;"...) appended to uscita; its length, 0 when it is
// none the reader knows (it then stays as written).
size_t entita(std::string_view testo, std::string& uscita)
{
    const size_t fine = testo.substr(0, 12).find(';');
    if (fine == std::string_view::npos || fine < 2)
        return 0;
    const std::string_view nome = testo.substr(1, fine - 1);
    static constexpr std::pair<std::string_view, char> note[] = {
        {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto& [n, c] : note)
        if (nome == n) {
            uscita += c;
            return fine + 1;
        }
    if (nome[0] != '#' || nome.size() < 2)
        return 0;
    const bool esadecimale = nome[1] == 'x';
    const std::string_view cifre = nome.substr(esadecimale ? 2 : 1);
    unsigned long codice = 0;
    const auto esito = std::from_chars(cifre.data(), cifre.data() + cifre.size(), codice, esadecimale ? 16 : 10);
    if (cifre.empty() || esito.ec != std::errc() || esito.ptr != cifre.data() + cifre.size() || codice == 0
        || codice > 0x10FFFF || (codice >= 0xD800 && codice <= 0xDFFF))
        return 0;
    aggiungiUtf8(uscita, char32_t(codice));
    return fine + 1;
}

// Whether a text or an attribute's value means other than it reads: it has entities or line
// ends (in an attribute, line ends and tabs).
bool daDecodificare(std::string_view grezzo, bool attributo)
{
    const uint8_t bit = attributo ? bitDecodificaValore : bitDecodificaTesto;
    return std::any_of(grezzo.begin(), grezzo.end(), [bit](char c) { return di(c, bit); });
}

// Appends the text or the attribute's value as XML means it: entities replaced, line ends as
// "\n" (in an attribute every line end and tab a blank).
void decodifica(std::string_view grezzo, std::string& uscita, bool attributo)
{
    for (size_t i = 0; i < grezzo.size(); ++i) {
        const char c = grezzo[i];
        if (c == '\r') {
            uscita += attributo ? ' ' : '\n';
            if (i + 1 < grezzo.size() && grezzo[i + 1] == '\n')
                ++i;
        } else if (attributo && (c == '\n' || c == '\t')) {
            uscita += ' ';
        } else if (c == '&') {
            const size_t lunga = entita(grezzo.substr(i), uscita);
            if (lunga == 0)
                uscita += c;
            else
                i += lunga - 1;
        } else {
            uscita += c;
        }
    }
}

} // namespace

LettoreXml::LettoreXml(FlussoZip& flusso, const char* nomeParte) : flusso(flusso), nomeParte(nomeParte) {}

void LettoreXml::errore(const char* motivo) const
{
    throw ErroreExcel(QStringLiteral("la parte %1 non è XML valido (%2)")
                          .arg(QString::fromUtf8(nomeParte), QString::fromUtf8(motivo)));
}

bool LettoreXml::leggiAltro(size_t n)
{
    while (buffer.size() - posizione < n) {
        if (finito)
            return false;
        if (n > size_t(massimoElementoXml))
            throw superaLimiteMb(massimoElementoXml, "un elemento XML");
        buffer.erase(0, posizione);
        posizione = 0;
        const size_t prima = buffer.size();
        buffer.resize(std::max(prima + std::clamp(letti, primoPezzo, pezzo), n));
        const qint64 nuovi = flusso.leggi(buffer.data() + prima, qint64(buffer.size() - prima));
        buffer.resize(prima + size_t(nuovi));
        letti += size_t(nuovi);
        finito = nuovi == 0;
    }
    return true;
}

size_t LettoreXml::trova(std::string_view cercato, size_t da)
{
    for (;;) {
        const size_t trovato = cercato.size() == 1 ? std::string_view(buffer).find(cercato[0], posizione + da)
                                                   : std::string_view(buffer).find(cercato, posizione + da);
        if (trovato != std::string_view::npos)
            return trovato - posizione;
        const size_t presenti = buffer.size() - posizione;
        da = std::max(da, presenti >= cercato.size() ? presenti - cercato.size() + 1 : 0);
        if (!almeno(presenti + 1))
            return std::string_view::npos;
    }
}

size_t LettoreXml::taglioTesto(size_t fine) const
{
    // Not inside an entity, nor between the two characters of a line end.
    const std::string_view testo(buffer.data() + posizione, fine);
    const size_t e = testo.rfind('&');
    if (e != std::string_view::npos && e + 12 > fine && testo.find(';', e) == std::string_view::npos)
        fine = e;
    if (testo[fine - 1] == '\r')
        --fine;
    return fine;
}

const std::string_view* LettoreXml::attributo(std::string_view nome) const
{
    // Names are short: compared here rather than by a call for each.
    for (const AttributoXml& a : elencoAttributi)
        if (a.nome.size() == nome.size() && std::equal(nome.begin(), nome.end(), a.nome.begin()))
            return &a.valore;
    return nullptr;
}

void LettoreXml::nomina(std::string_view nome)
{
    nomeCorrente = nome;
    nomeLocale = nome;
    for (size_t i = 0; i < nome.size(); ++i)
        if (nome[i] == ':') {
            nomeLocale = nome.substr(i + 1);
            break;
        }
}

void LettoreXml::chiudi()
{
    aperti.resize(inizi.back());
    inizi.pop_back();
}

size_t LettoreXml::fineTag()
{
    size_t fine = 1;
    for (;;) {
        const char* const inizio = buffer.data() + posizione;
        const char* const limite = buffer.data() + buffer.size();
        const char* p = inizio + fine;
        while (p < limite) {
            while (p < limite && !di(*p, bitTag))
                ++p;
            if (p == limite || *p == '>')
                break;
            if (*p == '<')
                errore("un elemento non chiuso");
            const void* chiusura = std::memchr(p + 1, *p, size_t(limite - p - 1));
            if (!chiusura)
                break; // read on from the quote
            p = static_cast<const char*>(chiusura) + 1;
        }
        fine = size_t(p - inizio);
        if (p < limite && *p == '>')
            return fine;
        if (!almeno(buffer.size() - posizione + 1))
            errore("un elemento non chiuso");
    }
}

void LettoreXml::leggiTag(size_t fine)
{
    const std::string_view tag(buffer.data() + posizione + 1, fine - 1);
    size_t i = 0;
    while (i < tag.size() && !fineNome(tag[i]))
        ++i;
    if (i == 0)
        errore("un elemento senza nome");
    nomina(tag.substr(0, i));
    decodificati.clear();
    // Decoded values never grow: with the room of the tag, they stay where they are written.
    bool decodificato = false;
    for (;;) {
        while (i < tag.size() && spazio(tag[i]))
            ++i;
        if (i == tag.size())
            break;
        if (tag[i] == '/' && i + 1 == tag.size()) {
            chiudiVuoto = true;
            break;
        }
        const size_t inizio = i;
        while (i < tag.size() && !fineNome(tag[i]))
            ++i;
        const std::string_view nome = tag.substr(inizio, i - inizio);
        while (i < tag.size() && spazio(tag[i]))
            ++i;
        if (nome.empty() || i == tag.size() || tag[i] != '=')
            errore("un attributo senza valore");
        ++i;
        while (i < tag.size() && spazio(tag[i]))
            ++i;
        if (i == tag.size() || (tag[i] != '"' && tag[i] != '\''))
            errore("un attributo senza virgolette");
        const size_t chiusura = tag.find(tag[i], i + 1);
        if (chiusura == std::string_view::npos)
            errore("un attributo non chiuso");
        std::string_view valore = tag.substr(i + 1, chiusura - i - 1);
        if (daDecodificare(valore, true)) {
            if (!decodificato)
                decodificati.reserve(tag.size());
            decodificato = true;
            const size_t da = decodificati.size();
            decodifica(valore, decodificati, true);
            valore = std::string_view(decodificati).substr(da);
        }
        elencoAttributi.push_back({nome, valore});
        i = chiusura + 1;
    }
}

LettoreXml::Evento LettoreXml::prossimo()
{
    testoGrezzo = {};
    if (chiudiVuoto) {
        chiudiVuoto = false; // its name is the current one still
        chiudi();
        return Evento::Fine;
    }
    // What the last event read is gone with it.
    nomeCorrente = nomeLocale = {};
    elencoAttributi.clear();
    testoDecodificato = {};
    if (!almeno(1)) {
        if (!inizi.empty())
            errore("finisce con elementi aperti");
        return Evento::FineDocumento;
    }
    if (buffer[posizione] != '<') {
        size_t fine = 1;
        for (;;) {
            const size_t presenti = std::min(buffer.size() - posizione, pezzoTesto);
            const void* minore = std::memchr(buffer.data() + posizione + fine, '<', presenti - fine);
            if (minore) {
                fine = size_t(static_cast<const char*>(minore) - buffer.data()) - posizione;
                break;
            }
            fine = presenti;
            if (fine == pezzoTesto) {
                fine = taglioTesto(fine);
                break;
            }
            if (!almeno(fine + 1))
                break;
        }
        testoGrezzo = std::string_view(buffer).substr(posizione, fine);
        posizione += fine;
        if (inizi.empty()) {
            for (char c : testoGrezzo)
                if (!spazio(c) && c != '\xEF' && c != '\xBB' && c != '\xBF') // blanks, or the byte order mark
                    errore("testo fuori dagli elementi");
        }
        testoDecodificato = testoGrezzo;
        if (daDecodificare(testoGrezzo, false)) {
            testoProprio.clear();
            decodifica(testoGrezzo, testoProprio, false);
            testoDecodificato = testoProprio;
        }
        return Evento::Testo;
    }
    const char secondo = almeno(2) ? buffer[posizione + 1] : '\0';
    if (secondo == '!' || secondo == '?') {
        almeno(9);
        const std::string_view inizio = std::string_view(buffer).substr(posizione, 9);
        // A comment, a processing instruction or a CDATA section: up to its end mark.
        const auto finoA = [&](std::string_view chiusura, size_t da) {
            const size_t fine = trova(chiusura, da);
            if (fine == std::string_view::npos)
                errore("un commento o una sezione non chiusi");
            testoGrezzo = std::string_view(buffer).substr(posizione, fine + chiusura.size());
            posizione += fine + chiusura.size();
            return testoGrezzo.substr(da, fine - da);
        };
        if (inizio.starts_with("<!--")) {
            finoA("-->", 4);
            return Evento::Altro;
        }
        if (inizio.starts_with("<?")) {
            finoA("?>", 2);
            return Evento::Altro;
        }
        if (inizio.starts_with("<![CDATA[")) {
            if (inizi.empty())
                errore("CDATA fuori dagli elementi");
            const std::string_view contenuto = finoA("]]>", 9);
            testoProprio.clear(); // no entities in CDATA; only line ends
            for (size_t i = 0; i < contenuto.size(); ++i) {
                testoProprio += contenuto[i] == '\r' ? '\n' : contenuto[i];
                if (contenuto[i] == '\r' && i + 1 < contenuto.size() && contenuto[i + 1] == '\n')
                    ++i;
            }
            testoDecodificato = testoProprio;
            return Evento::Testo;
        }
        if (inizio.starts_with("<!"))
            errore("DOCTYPE o dichiarazione non ammessi");
    }
    if (secondo == '/') {
        const size_t fine = trova(">", 2);
        if (fine == std::string_view::npos)
            errore("un elemento non chiuso");
        std::string_view nome = std::string_view(buffer).substr(posizione + 2, fine - 2);
        while (!nome.empty() && spazio(nome.back()))
            nome.remove_suffix(1);
        if (inizi.empty() || nome != std::string_view(aperti).substr(inizi.back()))
            errore("elementi non accoppiati");
        nomina(nome);
        chiudi();
        testoGrezzo = std::string_view(buffer).substr(posizione, fine + 1);
        posizione += fine + 1;
        return Evento::Fine;
    }
    const size_t fine = fineTag();
    leggiTag(fine);
    if (inizi.size() >= size_t(massimoLivelliXml))
        throw superaLimite(massimoLivelliXml, "livelli", "annidamento degli elementi XML");
    // The open elements' names are held together within one element's size, not 256 of them.
    if (aperti.size() + nomeCorrente.size() > size_t(massimoElementoXml))
        throw superaLimiteMb(massimoElementoXml, "un elemento XML");
    inizi.push_back(aperti.size());
    aperti.append(nomeCorrente);
    testoGrezzo = std::string_view(buffer).substr(posizione, fine + 1);
    posizione += fine + 1;
    return Evento::Inizio;
}

void LettoreXml::salta()
{
    const size_t livello = inizi.size();
    while (inizi.size() >= livello)
        if (prossimo() == Evento::FineDocumento)
            errore("finisce con elementi aperti");
}
