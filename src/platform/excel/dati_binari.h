#pragma once
#include <cstdint>
#include <stdexcept>
#include <string_view>

// Little-endian integers among a binary file's bytes; reading past them throws, as for a
// damaged file.
inline uint16_t u16(std::string_view dati, size_t dove)
{
    if (dove + 2 > dati.size())
        throw std::runtime_error("past the end");
    return uint16_t(uint8_t(dati[dove]) | uint8_t(dati[dove + 1]) << 8);
}

inline uint32_t u32(std::string_view dati, size_t dove)
{
    return uint32_t(u16(dati, dove)) | uint32_t(u16(dati, dove + 2)) << 16;
}
