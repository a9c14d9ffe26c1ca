// The reading program: reads the workbook named by its argument and writes what it holds on
// its standard output, for the program that started it. A file that crashes or stalls it
// cannot harm that program.
#include "platform/excel/lettura_libro.h"
#include "platform/excel/protocollo_lettura.h"
#include <QFile>
#include <cerrno>
#include <cstring>
#include <csignal>
#include <cstdlib>
#include <exception>
#include <new>
#include <unistd.h>

namespace {

// Memory that runs out past what the reading catches (while it tells why it stops, or where
// nothing may throw) ends the program with a status of its own, not as a crash.
[[noreturn]] void terminato()
{
    try {
        if (const std::exception_ptr e = std::current_exception())
            std::rethrow_exception(e);
    } catch (const std::bad_alloc&) {
        _exit(uscitaMemoriaEsaurita);
    } catch (...) {
    }
    std::abort();
}

class UscitaSuFile : public UscitaLettura {
public:
    explicit UscitaSuFile(int fd) : fd(fd) {}
    ~UscitaSuFile() override { svuota(); }

protected:
    void scrivi(const char* dati, size_t n) override
    {
        if (pieno + n > sizeof buffer)
            svuota();
        if (n > sizeof buffer) {
            scriviTutto(dati, n);
            return;
        }
        std::memcpy(buffer + pieno, dati, n);
        pieno += n;
    }

private:
    void svuota()
    {
        scriviTutto(buffer, pieno);
        pieno = 0;
    }
    void scriviTutto(const char* dati, size_t n)
    {
        for (size_t fatto = 0; fatto < n;) {
            const ssize_t scritti = ::write(fd, dati + fatto, n - fatto);
            if (scritti < 0 && errno == EINTR)
                continue;
            if (scritti <= 0)
                _exit(1); // the program stopped listening
            fatto += size_t(scritti);
        }
    }

    int fd;
    char buffer[65536];
    size_t pieno = 0;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    std::signal(SIGPIPE, SIG_IGN);
    std::set_terminate(terminato);
    UscitaSuFile uscita(STDOUT_FILENO);
    leggiLibro(QFile::decodeName(argv[1]), uscita);
    return 0;
}
