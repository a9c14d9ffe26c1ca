#include "platform/excel/file_composto.h"
#include "platform/excel/dati_binari.h"
#include "platform/excel/limiti_libro.h"
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uint32_t fineCatena = 0xFFFFFFFE;
constexpr uint32_t settoreLibero = 0xFFFFFFFF;
constexpr size_t finestraMassima = 128 * 1024; // read ahead at a time

[[noreturn]] void danneggiato()
{
    throw std::runtime_error("compound file");
}

// n bytes of the file from dove; all of them, or the file is damaged.
void leggiFile(int fd, uint64_t dove, size_t n, char* dati)
{
    while (n > 0) {
        const ssize_t letti = ::pread(fd, dati, n, off_t(dove));
        if (letti < 0 && errno == EINTR)
            continue;
        if (letti <= 0)
            danneggiato();
        dati += letti;
        dove += uint64_t(letti);
        n -= size_t(letti);
    }
}

} // namespace

void FlussoComposto::riempi(size_t posizione)
{
    inizioFinestra = posizione;
    finestra.resize(std::min(finestraMassima, lunghezza - posizione));
    for (size_t fatto = 0; fatto < finestra.size();) {
        // Sectors one after the other in the file are read at once.
        const size_t primo = (posizione + fatto) / settore, dentro = (posizione + fatto) % settore;
        size_t ultimo = primo;
        while (ultimo + 1 < settori.size() && settori[ultimo + 1] == settori[ultimo] + 1
               && (ultimo + 1 - primo) * settore < finestra.size() - fatto + dentro)
            ++ultimo;
        const size_t n = std::min((ultimo - primo + 1) * settore - dentro, finestra.size() - fatto);
        if (mini)
            mini->leggi(size_t(settori[primo]) * settore + dentro, n, finestra.data() + fatto);
        else
            leggiFile(fd, (uint64_t(settori[primo]) + 1) * settore + dentro, n, finestra.data() + fatto);
        fatto += n;
    }
}

void FlussoComposto::leggi(size_t posizione, size_t n, char* dati)
{
    if (posizione > lunghezza || n > lunghezza - posizione)
        danneggiato();
    while (n > 0) {
        if (posizione < inizioFinestra || posizione >= inizioFinestra + finestra.size())
            riempi(posizione);
        const size_t qui = std::min(n, inizioFinestra + finestra.size() - posizione);
        std::memcpy(dati, finestra.data() + (posizione - inizioFinestra), qui);
        dati += qui;
        posizione += qui;
        n -= qui;
    }
}

class FileComposto {
public:
    explicit FileComposto(int fd) : fd(fd)
    {
        struct stat stato {};
        if (::fstat(fd, &stato) != 0)
            danneggiato();
        dimensioneFile = uint64_t(stato.st_size);
        std::string testa(512, '\0');
        if (dimensioneFile < 512)
            danneggiato();
        leggiFile(fd, 0, 512, testa.data());
        const std::string_view file = testa;
        if (file.substr(0, 8) != std::string_view("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8))
            danneggiato();
        const uint16_t spostamento = u16(file, 0x1E);
        if ((spostamento != 9 && spostamento != 12) || u16(file, 0x20) != 6)
            danneggiato();
        settore = size_t(1) << spostamento;
        const uint64_t settoriFile = dimensioneFile / settore;
        // The allocation table: its sectors listed in the header, then in the DIFAT chain.
        std::vector<uint32_t> settoriTabella;
        for (size_t i = 0; i < 109; ++i)
            settoriTabella.push_back(u32(file, 0x4C + 4 * i));
        uint32_t difat = u32(file, 0x44);
        std::string dati(settore, '\0');
        for (size_t passi = 0; difat != fineCatena && difat != settoreLibero; ++passi) {
            if (passi > settoriFile)
                danneggiato();
            leggiSettore(difat, dati);
            for (size_t i = 0; i + 4 < settore; i += 4)
                settoriTabella.push_back(u32(dati, i));
            difat = u32(dati, settore - 4);
        }
        for (uint32_t s : settoriTabella) {
            if (s == settoreLibero || s == fineCatena)
                continue;
            leggiSettore(s, dati);
            for (size_t i = 0; i < settore; i += 4)
                tabella.push_back(u32(dati, i));
            if (tabella.size() > settoriFile + settore)
                danneggiato();
        }
        cartella = leggiCatena(catena(u32(file, 0x30), SIZE_MAX), SIZE_MAX);
        if (cartella.size() < 128)
            danneggiato();
        inizioMiniTabella = u32(file, 0x3C);
        sogliaMini = u32(file, 0x38);
    }

    bool flusso(std::u16string_view nome, FlussoComposto& dati) const
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
            dati.fd = fd;
            dati.lunghezza = dimensione;
            if (dimensione < sogliaMini) {
                dati.mini = flussoMini();
                dati.settore = 64;
                dati.settori = catenaPiccola(inizio, dimensione, *dati.mini);
            } else {
                dati.settore = settore;
                dati.settori = catena(inizio, dimensione);
            }
            return true;
        }
        return false;
    }

private:
    void leggiSettore(uint32_t s, std::string& dati) const
    {
        if (s >= fineCatena - 8 || (uint64_t(s) + 2) * settore > dimensioneFile)
            danneggiato();
        dati.resize(settore);
        leggiFile(fd, (uint64_t(s) + 1) * settore, settore, dati.data());
    }

    // The sectors of a chain, enough for `dimensione` bytes (SIZE_MAX: up to its end). A chain
    // that runs past the table, comes back to a sector or ends short is damaged.
    std::vector<uint32_t> catena(uint32_t s, size_t dimensione) const
    {
        std::vector<uint32_t> settori;
        std::vector<bool> visti(tabella.size());
        const size_t servono = dimensione == SIZE_MAX ? SIZE_MAX : (dimensione + settore - 1) / settore;
        while (s != fineCatena && settori.size() < servono) {
            if (s >= tabella.size() || visti[s])
                danneggiato();
            visti[s] = true;
            settori.push_back(s);
            s = tabella[s];
        }
        if (dimensione != SIZE_MAX && settori.size() < servono)
            danneggiato();
        return settori;
    }

    // The bytes of a chain's sectors, up to `dimensione`; the directory within its limit.
    std::string leggiCatena(const std::vector<uint32_t>& settori, size_t dimensione) const
    {
        if (settori.size() * settore > size_t(massimoElencoFlussi) && dimensione == SIZE_MAX)
            throw superaLimiteMb(massimoElencoFlussi, "elenco dei flussi del file .xls");
        std::string dati, pezzo;
        for (uint32_t s : settori) {
            leggiSettore(s, pezzo);
            dati.append(pezzo, 0, std::min(settore, dimensione - dati.size()));
            if (dati.size() == dimensione)
                break;
        }
        return dati;
    }

    // The mini stream, the root entry's: where the small streams' sectors are.
    std::shared_ptr<FlussoComposto> flussoMini() const
    {
        auto mini = std::make_shared<FlussoComposto>();
        mini->fd = fd;
        mini->settore = settore;
        mini->settori = catena(u32(cartella, 0x74), SIZE_MAX);
        mini->lunghezza = std::min<size_t>(u32(cartella, 0x78), mini->settori.size() * settore);
        return mini;
    }

    // The 64-byte sectors of a stream below the cutoff, enough for `dimensione` bytes. A stream
    // that claims more than the mini stream holds, or whose chain runs past the small-block
    // table or the mini stream, comes back to a sector or ends short, is damaged.
    std::vector<uint32_t> catenaPiccola(uint32_t s, size_t dimensione, const FlussoComposto& mini) const
    {
        if (dimensione > mini.lunghezza)
            danneggiato();
        FlussoComposto tabellaMini;
        tabellaMini.fd = fd;
        tabellaMini.settore = settore;
        tabellaMini.settori = catena(inizioMiniTabella, SIZE_MAX);
        tabellaMini.lunghezza = tabellaMini.settori.size() * settore;
        const size_t voci = std::min(tabellaMini.lunghezza / 4, (mini.lunghezza + 63) / 64);
        const size_t servono = (dimensione + 63) / 64;
        std::vector<uint32_t> settori;
        std::vector<bool> visti(voci);
        while (settori.size() < servono) {
            if (s >= voci || visti[s])
                danneggiato();
            visti[s] = true;
            settori.push_back(s);
            char seguente[4];
            tabellaMini.leggi(size_t(s) * 4, 4, seguente);
            s = u32(std::string_view(seguente, 4), 0);
        }
        return settori;
    }

    int fd;
    uint64_t dimensioneFile = 0;
    size_t settore = 512;
    std::vector<uint32_t> tabella;
    std::string cartella;
    uint32_t inizioMiniTabella = fineCatena;
    uint32_t sogliaMini = 4096;
};

bool apriFlussoComposto(int fd, std::u16string_view nome, FlussoComposto& flusso)
{
    return FileComposto(fd).flusso(nome, flusso);
}
