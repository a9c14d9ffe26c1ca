#pragma once
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class FlussoZip;

// Reads the XML of a large part one event at a time, holding only a piece of it: texts and
// attributes decoded (entities, line ends), texts of blanks kept, a long text in several
// Testo events. Throws ErroreExcel, naming the part, on XML that is not well-formed (a
// DOCTYPE is refused), and past the limits of an element's size and of nesting.
class LettoreXml {
public:
    enum class Evento { Inizio, Fine, Testo, Altro, FineDocumento };

    LettoreXml(FlussoZip& flusso, const char* nomeParte);

    Evento prossimo();

    // Of the last Inizio or Fine: the element's name without its prefix.
    std::string_view nome() const;
    // Of the last Inizio: its attributes (names as written, values decoded).
    const std::vector<std::pair<std::string, std::string>>& attributi() const { return elencoAttributi; }
    const std::string* attributo(std::string_view nome) const;
    // Of the last Testo: the text, decoded.
    const std::string& testo() const { return testoDecodificato; }
    // The last event as the part writes it (a Fine that closes an empty element <x/> has none);
    // valid until the next event.
    std::string_view grezzo() const { return testoGrezzo; }
    // How deep the reader is: 1 inside the root element.
    size_t profondita() const { return aperti.size(); }
    // Skips what is left of the element just started, up to its Fine.
    void salta();

private:
    [[noreturn]] void errore(const char* motivo) const;
    // Makes at least n bytes from the current position readable; false at the end of the part.
    bool almeno(size_t n);
    // The position of the text after the current one, reading more when needed; npos at the end.
    size_t trova(std::string_view cercato, size_t da);
    void leggiTag(size_t fine);
    // Where a text piece of that length may end.
    size_t taglioTesto(size_t fine) const;

    FlussoZip& flusso;
    const char* nomeParte;
    std::string buffer;
    size_t posizione = 0;
    bool finito = false;
    bool chiudiVuoto = false; // the last Inizio was <x/>: its Fine comes next
    std::vector<std::string> aperti;
    std::string nomeCorrente;
    std::vector<std::pair<std::string, std::string>> elencoAttributi;
    std::string testoDecodificato;
    std::string_view testoGrezzo;
};
