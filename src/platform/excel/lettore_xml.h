#pragma once
#include <string>
#include <string_view>
#include <vector>

class FlussoZip;

// An attribute of the element just started: its name as written, its value decoded.
struct AttributoXml {
    std::string_view nome;
    std::string_view valore;
};

// Reads the XML of a large part one event at a time, holding only a piece of it: texts and
// attributes decoded (entities, line ends), texts of blanks kept, a long text in several
// Testo events. Names, attributes and texts are views into the piece read, valid until the
// next event. Throws ErroreExcel, naming the part, on XML that is not well-formed (a DOCTYPE
// is refused), and past the limits of an element's size and of nesting.
class LettoreXml {
public:
    enum class Evento { Inizio, Fine, Testo, Altro, FineDocumento };

    LettoreXml(FlussoZip& flusso, const char* nomeParte);

    Evento prossimo();

    // Of an Inizio or a Fine: the element's name without its prefix.
    std::string_view nome() const { return nomeLocale; }
    // Of an Inizio: its attributes.
    const std::vector<AttributoXml>& attributi() const { return elencoAttributi; }
    // The value of the attribute so named; null when there is none.
    const std::string_view* attributo(std::string_view nome) const;
    // Of a Testo: the text, decoded.
    std::string_view testo() const { return testoDecodificato; }
    // The last event as the part writes it (a Fine that closes an empty element <x/> has none).
    std::string_view grezzo() const { return testoGrezzo; }
    // How deep the reader is: 1 inside the root element.
    size_t profondita() const { return inizi.size(); }
    // Skips what is left of the element just started, up to its Fine.
    void salta();

private:
    [[noreturn]] void errore(const char* motivo) const;
    // Makes at least n bytes from the current position readable; false at the end of the part.
    bool almeno(size_t n) { return buffer.size() - posizione >= n || leggiAltro(n); }
    // Reads on until n bytes from the current position are there; false when the part ends first.
    bool leggiAltro(size_t n);
    // The position of the text after the current one, reading more when needed; npos at the end.
    size_t trova(std::string_view cercato, size_t da);
    // The length of the start tag at the current position, up to its '>' outside quotes.
    size_t fineTag();
    void leggiTag(size_t fine);
    // Where a text piece of that length may end.
    size_t taglioTesto(size_t fine) const;
    void nomina(std::string_view nome);
    // Closes the innermost open element, whose name is already the current one.
    void chiudi();

    FlussoZip& flusso;
    const char* nomeParte;
    std::string buffer;
    size_t letti = 0; // the bytes read from the part so far
    size_t posizione = 0;
    bool finito = false;
    bool chiudiVuoto = false; // the last Inizio was <x/>: its Fine comes next
    std::string aperti;       // the names of the open elements, one after the other
    std::vector<size_t> inizi; // where each starts in aperti
    std::string_view nomeCorrente, nomeLocale;
    std::vector<AttributoXml> elencoAttributi;
    std::string decodificati; // the values of the attributes that needed decoding
    std::string_view testoDecodificato;
    std::string testoProprio; // the last text when it needed decoding
    std::string_view testoGrezzo;
};
