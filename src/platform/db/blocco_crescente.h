#pragma once
#include <QtGlobal>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <sys/mman.h>
#include <type_traits>

// A growing array of plain values, enlarged in place where the allocator can, its pages faulted
// in a few megabytes at a time ahead of its end: a snapshot of a million rows grows without
// copying what it has read at every doubling, nor trapping on every page it fills.
template <class T>
class BloccoCrescente {
    static_assert(std::is_trivially_copyable_v<T>);

public:
    BloccoCrescente() = default;
    ~BloccoCrescente() { std::free(dati); }
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

private:
    void cresci(qsizetype n)
    {
        const qsizetype nuova = std::max({capienza * 2, dimensione + n, qsizetype(4096 / sizeof(T))});
        T* altro = static_cast<T*>(std::realloc(dati, std::size_t(nuova) * sizeof(T)));
        if (!altro)
            throw std::bad_alloc();
        dati = altro;
        capienza = nuova;
        popolati = std::min(popolati, dimensione);
    }

    // The pages ahead of the end are faulted in together (a kernel without the advice faults
    // them one by one as they are written).
    void popola(qsizetype fino)
    {
        constexpr qsizetype passo = qsizetype(2 << 20) / qsizetype(sizeof(T));
        const qsizetype nuovi = std::min(capienza, std::max(fino, popolati + passo));
        const auto inizio = (reinterpret_cast<std::uintptr_t>(dati + popolati) + 4095) & ~std::uintptr_t(4095);
        const auto fine = reinterpret_cast<std::uintptr_t>(dati + nuovi) & ~std::uintptr_t(4095);
        if (capienza >= passo && fine > inizio)
            madvise(reinterpret_cast<void*>(inizio), fine - inizio, MADV_POPULATE_WRITE);
        popolati = nuovi;
    }

    T* dati = nullptr;
    qsizetype popolati = 0;
    qsizetype dimensione = 0;
    qsizetype capienza = 0;
};
