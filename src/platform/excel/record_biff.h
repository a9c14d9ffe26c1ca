#pragma once
#include <cstdint>
#include <string>
#include <string_view>

class FlussoComposto;

// The records of a BIFF8 workbook stream: type, length, data, read from the stream one at a
// time. Reading past the data throws std::runtime_error, as for a damaged file.

constexpr uint16_t recContinue = 0x003C;

class Records;

// A record and the CONTINUE records after it, read as one, each when it is reached; a
// string's characters that go on in the next record start there with a new flags byte.
class Segmenti {
public:
    // The data of one record; with `seguito`, the CONTINUE records it reads next.
    explicit Segmenti(std::string_view dati, Records* seguito = nullptr) : pezzo(dati), seguito(seguito) {}

    uint8_t u8()
    {
        avanza();
        return uint8_t(pezzo[i++]);
    }
    uint16_t u16() { return uint16_t(u8() | u8() << 8); }
    uint32_t u32() { return uint32_t(u16()) | uint32_t(u16()) << 16; }
    void salta(size_t quanti);
    bool finiti();
    // A string: character count, flags, [runs], [phonetic size], characters, runs, phonetic data.
    void stringa(std::string& utf8);

private:
    void avanza();
    // The next CONTINUE record; false when none follows.
    bool prossimoPezzo();

    std::string_view pezzo;
    size_t i = 0;
    Records* seguito;
};

struct Record {
    uint16_t tipo = 0;
    std::string_view dati; // valid until the next record is read
};

class Records {
public:
    explicit Records(FlussoComposto& flusso) : flusso(flusso) {}
    bool prossimo(Record& r);
    // The record just read with the CONTINUE records that follow it.
    Segmenti conSeguito(const Record& r) { return Segmenti(r.dati, this); }
    // The next record when it is a CONTINUE one; false otherwise.
    bool continua(Record& r);
    void vai(size_t dove);

private:
    FlussoComposto& flusso;
    size_t posizione = 0;
    std::string dati;
};
