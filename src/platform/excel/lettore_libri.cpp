// The reading program: reads the workbook named by its argument and writes what it holds on
// its standard output, for the program that started it. A file that crashes or stalls it
// cannot harm that program.
#include "platform/excel/lettura_libro.h"
#include "platform/excel/protocollo_lettura.h"
#include <QFile>
#include <cerrno>
#include <cstring>
#include <csignal>
#include <unistd.h>

namespace {

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
    UscitaSuFile uscita(STDOUT_FILENO);
    leggiLibro(QFile::decodeName(argv[1]), uscita);
    return 0;
}
