#include "platform/excel/record_biff.h"
#include "platform/excel/dati_binari.h"
#include "platform/excel/testo_xml.h"
#include <algorithm>
#include <stdexcept>

namespace {

[[noreturn]] void danneggiato()
{
    throw std::runtime_error("biff");
}

} // namespace

void Segmenti::salta(size_t quanti)
{
    while (quanti > 0) {
        avanza();
        const size_t qui = std::min(quanti, pezzi[n].size() - i);
        i += qui;
        quanti -= qui;
    }
}

bool Segmenti::finiti()
{
    while (n < pezzi.size() && i == pezzi[n].size()) {
        ++n;
        i = 0;
    }
    return n == pezzi.size();
}

size_t Segmenti::dimensione() const
{
    size_t totale = 0;
    for (std::string_view p : pezzi)
        totale += p.size();
    return totale;
}

void Segmenti::avanza()
{
    if (finiti())
        danneggiato();
}

void Segmenti::stringa(std::string& utf8)
{
    utf8.clear();
    size_t caratteri = u16();
    const uint8_t flags = u8();
    const size_t runs = flags & 0x08 ? u16() : 0;
    const size_t fonetica = flags & 0x04 ? u32() : 0;
    bool alti = flags & 0x01;
    char16_t alto = 0; // the first half of a surrogate pair
    while (caratteri > 0) {
        if (i == pezzi[n].size()) {
            ++n; // characters go on in a CONTINUE record, after its own flags byte
            i = 0;
            avanza();
            alti = uint8_t(pezzi[n][i++]) & 0x01;
        }
        const char16_t c = alti ? char16_t(u16()) : char16_t(u8());
        --caratteri;
        if (c >= 0xD800 && c < 0xDC00) {
            alto = c;
            continue;
        }
        if (c >= 0xDC00 && c < 0xE000 && alto)
            aggiungiUtf8(utf8, 0x10000 + ((char32_t(alto) - 0xD800) << 10) + (c - 0xDC00));
        else
            aggiungiUtf8(utf8, c);
        alto = 0;
    }
    salta(4 * runs + fonetica);
}

bool Records::prossimo(Record& r)
{
    if (posizione + 4 > flusso.size())
        return false;
    r.tipo = u16(flusso, posizione);
    const size_t lunghezza = u16(flusso, posizione + 2);
    if (posizione + 4 + lunghezza > flusso.size())
        danneggiato();
    r.dati = flusso.substr(posizione + 4, lunghezza);
    posizione += 4 + lunghezza;
    return true;
}

Segmenti Records::conSeguito(const Record& r)
{
    std::vector<std::string_view> pezzi{r.dati};
    while (posizione + 4 <= flusso.size() && u16(flusso, posizione) == recContinue) {
        Record c;
        prossimo(c);
        pezzi.push_back(c.dati);
    }
    return Segmenti(std::move(pezzi));
}

void Records::vai(size_t dove)
{
    if (dove >= flusso.size())
        danneggiato();
    posizione = dove;
}
