#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A stream of an OLE2 compound file, the container of an .xls, read from the file a piece at
// a time: what the reading holds is the list of its sectors, not its bytes. A small stream's
// sectors are those of 64 bytes in the mini stream, itself a stream of the file.
class FlussoComposto {
public:
    size_t dimensione() const { return lunghezza; }
    // n bytes from posizione into dati. Throws std::runtime_error past the end or when the
    // file is damaged.
    void leggi(size_t posizione, size_t n, char* dati);

private:
    friend class FileComposto;
    void riempi(size_t posizione);

    int fd = -1;
    size_t settore = 512;
    std::vector<uint32_t> settori; // the stream's sectors in their order
    std::shared_ptr<FlussoComposto> mini; // a small stream's: the mini stream its sectors are in
    size_t lunghezza = 0;
    std::string finestra;           // the bytes from inizioFinestra, read ahead
    size_t inizioFinestra = 0;
};

// Opens the stream of that name (compared without regard to case) right under the root of the
// compound file open on fd; false when the file holds no such stream. Throws std::runtime_error when the
// container is damaged, ErroreExcel when its directory goes past its limit.
bool apriFlussoComposto(int fd, std::u16string_view nome, FlussoComposto& flusso);
