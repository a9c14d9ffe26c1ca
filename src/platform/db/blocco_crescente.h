#pragma once
#include <QtGlobal>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <sys/mman.h>
#include <type_traits>

// A growing array of plain values. Small, it lives in the allocator's heap; from 2 MB on, in a
// mapping of its own that grows by moving its pages (what was read is never copied again) and
// goes back to the system whole when the array goes, so that a large result dropped leaves no
// free memory behind in the allocator for the next one to miss. Its pages are faulted in a
// quarter of a megabyte at a time ahead of its end, not trapped one by one.
template <class T>
class BloccoCrescente {
    static_assert(std::is_trivially_copyable_v<T>);
    static constexpr std::size_t soglia = std::size_t(2) << 20;

public:
    BloccoCrescente() = default;
    ~BloccoCrescente() { libera(); }
    BloccoCrescente(const BloccoCrescente&) = delete;
    BloccoCrescente& operator=(const BloccoCrescente&) = delete;

    // Room for n more values at the end; they are the caller's to write.
    T* aggiungi(qsizetype n)
    {
        if (dimensione + n > capienza)
            cresci(n);
        if (dimensione + n > popolati)
            popola(dimensione + n);
        T* inizio = dati + dimensione;
        dimensione += n;
        return inizio;
    }
    void aggiungi(const T* valori, qsizetype n) { std::memcpy(aggiungi(n), valori, std::size_t(n) * sizeof(T)); }
    void tronca(qsizetype n) { dimensione = std::min(n, dimensione); }

    qsizetype size() const { return dimensione; }
    const T* data() const { return dati; }
    const T& operator[](qsizetype i) const { return dati[i]; }
    T* begin() { return dati; }
    T* end() { return dati + dimensione; }

private:
    void cresci(qsizetype n)
    {
        const qsizetype voluta = std::max({capienza * 2, dimensione + n, qsizetype(4096 / sizeof(T))});
        std::size_t byte = std::size_t(voluta) * sizeof(T);
        void* altro;
        if (byte < soglia) {
            altro = std::realloc(dati, byte);
            if (!altro)
                throw std::bad_alloc();
        } else {
            byte = (byte + 4095) & ~std::size_t(4095);
            if (mappati) {
                altro = mremap(dati, mappati, byte, MREMAP_MAYMOVE);
            } else {
                altro = mmap(nullptr, byte, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
                if (altro != MAP_FAILED) {
                    std::memcpy(altro, dati, std::size_t(dimensione) * sizeof(T));
                    std::free(dati);
                }
            }
            if (altro == MAP_FAILED)
                throw std::bad_alloc();
            mappati = byte;
        }
        dati = static_cast<T*>(altro);
        capienza = qsizetype(byte / sizeof(T));
        popolati = std::min(popolati, dimensione);
    }

    // The pages ahead of the end are faulted in together (a kernel without the advice faults
    // them one by one as they are written).
    void popola(qsizetype fino)
    {
        constexpr qsizetype passo = qsizetype(256 << 10) / qsizetype(sizeof(T));
        const qsizetype nuovi = std::min(capienza, std::max(fino, popolati + passo));
        const auto inizio = (reinterpret_cast<std::uintptr_t>(dati + popolati) + 4095) & ~std::uintptr_t(4095);
        const auto fine = reinterpret_cast<std::uintptr_t>(dati + nuovi) & ~std::uintptr_t(4095);
        if (mappati && fine > inizio)
            madvise(reinterpret_cast<void*>(inizio), fine - inizio, MADV_POPULATE_WRITE);
        popolati = nuovi;
    }

    void libera()
    {
        if (mappati)
            munmap(dati, mappati);
        else
            std::free(dati);
    }

    T* dati = nullptr;
    std::size_t mappati = 0; // the mapping's bytes; 0 while in the heap
    qsizetype popolati = 0;
    qsizetype dimensione = 0;
    qsizetype capienza = 0;
};
