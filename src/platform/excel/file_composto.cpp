#include "platform/excel/file_composto.h"
#include "platform/excel/dati_binari.h"
#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace {

constexpr uint32_t fineCatena = 0xFFFFFFFE;
constexpr uint32_t settoreLibero = 0xFFFFFFFF;

[[noreturn]] void danneggiato()
{
    throw std::runtime_error("compound file");
}

class FileComposto {
public:
    explicit FileComposto(std::string_view file) : file(file)
    {
        if (file.size() < 512 || file.substr(0, 8) != std::string_view("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8))
            danneggiato();
        const uint16_t spostamento = u16(file, 0x1E);
        if ((spostamento != 9 && spostamento != 12) || u16(file, 0x20) != 6)
            danneggiato();
        settore = size_t(1) << spostamento;
        // The allocation table: its sectors listed in the header, then in the DIFAT chain.
        std::vector<uint32_t> settoriTabella;
        for (size_t i = 0; i < 109; ++i)
            settoriTabella.push_back(u32(file, 0x4C + 4 * i));
        uint32_t difat = u32(file, 0x44);
        for (size_t passi = 0; difat != fineCatena && difat != settoreLibero; ++passi) {
            if (passi > file.size() / settore)
                danneggiato();
            const std::string_view s = datiSettore(difat);
            for (size_t i = 0; i + 4 < settore; i += 4)
                settoriTabella.push_back(u32(s, i));
            difat = u32(s, settore - 4);
        }
        for (uint32_t s : settoriTabella) {
            if (s == settoreLibero || s == fineCatena)
                continue;
            const std::string_view dati = datiSettore(s);
            for (size_t i = 0; i < settore; i += 4)
                tabella.push_back(u32(dati, i));
            if (tabella.size() > file.size() / settore + settore)
                danneggiato();
        }
        const auto settoreFile = [this](uint32_t s) { return datiSettore(s); };
        cartella = catena(tabella, u32(file, 0x30), SIZE_MAX, settoreFile);
        if (cartella.size() < 128)
            danneggiato();
        // The mini stream, the root entry's, holds the streams below the cutoff in 64-byte sectors.
        miniFlusso = catena(tabella, u32(cartella, 0x74), u32(cartella, 0x78), settoreFile);
        const std::string miniTabellaDati = catena(tabella, u32(file, 0x3C), SIZE_MAX, settoreFile);
        for (size_t i = 0; i + 4 <= miniTabellaDati.size(); i += 4)
            miniTabella.push_back(u32(miniTabellaDati, i));
        sogliaMini = u32(file, 0x38);
    }

    bool flusso(std::u16string_view nome, std::string& dati) const
    {
        // Only the streams right under the root entry, a tree of siblings: a workbook embedded
        // in this one keeps a stream of the same name inside a storage of its own.
        const size_t voci = cartella.size() / 128;
        std::vector<uint32_t> daVedere{u32(cartella, 0x4C)};
        for (size_t passi = 0; !daVedere.empty() && passi <= 2 * voci + 1; ++passi) {
            const uint32_t indice = daVedere.back();
            daVedere.pop_back();
            if (indice >= voci)
                continue; // no sibling there
            const std::string_view v = std::string_view(cartella).substr(size_t(indice) * 128, 128);
            daVedere.push_back(u32(v, 0x44));
            daVedere.push_back(u32(v, 0x48));
            const uint16_t lunghezza = u16(v, 0x40);
            if (v[0x42] != 2 || lunghezza < 2 || lunghezza > 64 || size_t(lunghezza / 2 - 1) != nome.size())
                continue;
            bool uguale = true;
            for (size_t i = 0; i < nome.size() && uguale; ++i) {
                char16_t c = char16_t(u16(v, 2 * i));
                c = c >= u'a' && c <= u'z' ? char16_t(c - 32) : c;
                const char16_t n = nome[i] >= u'a' && nome[i] <= u'z' ? char16_t(nome[i] - 32) : nome[i];
                uguale = c == n;
            }
            if (!uguale)
                continue;
            const uint32_t inizio = u32(v, 0x74), dimensione = u32(v, 0x78);
            if (dimensione < sogliaMini)
                dati = catena(miniTabella, inizio, dimensione, [this](uint32_t s) {
                    if ((size_t(s) + 1) * 64 > miniFlusso.size())
                        danneggiato();
                    return std::string_view(miniFlusso).substr(size_t(s) * 64, 64);
                });
            else
                dati = catena(tabella, inizio, dimensione, [this](uint32_t s) { return datiSettore(s); });
            if (dati.size() < dimensione)
                danneggiato();
            return true;
        }
        return false;
    }

private:
    std::string_view datiSettore(uint32_t s) const
    {
        const size_t inizio = (size_t(s) + 1) * settore;
        if (s >= fineCatena - 8 || inizio + settore > file.size())
            danneggiato();
        return file.substr(inizio, settore);
    }

    // The sectors of a chain, one after the other, up to `dimensione` bytes.
    template <typename Settore>
    static std::string catena(const std::vector<uint32_t>& tabella, uint32_t s, size_t dimensione, Settore&& settoreDi)
    {
        std::string dati;
        if (dimensione != SIZE_MAX)
            dati.reserve(std::min(dimensione, tabella.size() * 4096));
        for (size_t passi = 0; s != fineCatena && dati.size() < dimensione; ++passi) {
            if (s >= tabella.size() || passi > tabella.size())
                danneggiato();
            dati.append(settoreDi(s).substr(0, dimensione - dati.size())); // the last one up to the size
            s = tabella[s];
        }
        return dati;
    }

    std::string_view file;
    size_t settore = 512;
    std::vector<uint32_t> tabella, miniTabella;
    std::string cartella, miniFlusso;
    uint32_t sogliaMini = 4096;
};

} // namespace

bool leggiFlussoComposto(std::string_view file, std::u16string_view nome, std::string& flusso)
{
    return FileComposto(file).flusso(nome, flusso);
}
