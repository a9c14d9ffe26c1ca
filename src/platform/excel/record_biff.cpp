#include "platform/excel/record_biff.h"
#include "platform/excel/dati_binari.h"
#include "platform/excel/file_composto.h"
#include "platform/excel/testo_xml.h"
#include <algorithm>
#include <stdexcept>

namespace {

[[noreturn]] void danneggiato()
{
    throw std::runtime_error("biff");
}

} // namespace

bool Segmenti::prossimoPezzo()
{
    Record r;
    if (!seguito || !seguito->continua(r))
        return false;
    pezzo = r.dati;
    i = 0;
    return true;
}

void Segmenti::salta(size_t quanti)
{
    while (quanti > 0) {
        avanza();
        const size_t qui = std::min(quanti, pezzo.size() - i);
        i += qui;
        quanti -= qui;
    }
}

bool Segmenti::finiti()
{
    while (i == pezzo.size())
        if (!prossimoPezzo())
            return true;
    return false;
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
        if (i == pezzo.size()) {
            // Characters go on in a CONTINUE record, after its own flags byte.
            if (!prossimoPezzo() || pezzo.empty())
                danneggiato();
            alti = uint8_t(pezzo[i++]) & 0x01;
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
    if (posizione + 4 > flusso.dimensione())
        return false;
    char testa[4];
    flusso.leggi(posizione, 4, testa);
    const std::string_view t(testa, 4);
    r.tipo = ::u16(t, 0);
    dati.resize(::u16(t, 2));
    flusso.leggi(posizione + 4, dati.size(), dati.data());
    r.dati = dati;
    posizione += 4 + dati.size();
    return true;
}

bool Records::continua(Record& r)
{
    char tipo[2];
    if (posizione + 4 > flusso.dimensione())
        return false;
    flusso.leggi(posizione, 2, tipo);
    return ::u16(std::string_view(tipo, 2), 0) == recContinue && prossimo(r);
}

void Records::vai(size_t dove)
{
    if (dove >= flusso.dimensione())
        danneggiato();
    posizione = dove;
}
