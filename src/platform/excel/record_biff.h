#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The records of a BIFF8 workbook stream: type, length, data. Reading past the data throws
// std::runtime_error, as for a damaged file.

constexpr uint16_t recContinue = 0x003C;

// A record and the CONTINUE records after it, read as one; a string's characters that go on
// in the next record start there with a new flags byte.
class Segmenti {
public:
    explicit Segmenti(std::vector<std::string_view> pezzi) : pezzi(std::move(pezzi)) {}

    uint8_t u8()
    {
        avanza();
        return uint8_t(pezzi[n][i++]);
    }
    uint16_t u16() { return uint16_t(u8() | u8() << 8); }
    uint32_t u32() { return uint32_t(u16()) | uint32_t(u16()) << 16; }
    void salta(size_t quanti);
    bool finiti();
    // The bytes of all the records together.
    size_t dimensione() const;
    // A string: character count, flags, [runs], [phonetic size], characters, runs, phonetic data.
    void stringa(std::string& utf8);

private:
    void avanza();

    std::vector<std::string_view> pezzi;
    size_t n = 0, i = 0;
};

struct Record {
    uint16_t tipo = 0;
    std::string_view dati;
};

class Records {
public:
    explicit Records(std::string_view flusso) : flusso(flusso) {}
    bool prossimo(Record& r);
    // The record just read with the CONTINUE records that follow it.
    Segmenti conSeguito(const Record& r);
    void vai(size_t dove);

private:
    std::string_view flusso;
    size_t posizione = 0;
};
