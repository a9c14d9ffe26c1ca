#include "platform/excel/contenuto_libro.h"
#include "platform/excel/errore_excel.h"
#include "platform/excel/file_composto.h"
#include "platform/excel/lettura_biff.h"
#include "platform/excel/testo_valore.h"
#include <QFile>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// An .xls (a "Workbook" stream of Excel 97 and later, a "Book" stream of Excel 5 and 95) is
// read in a child process, which sends the cells of the active sheet down a pipe: a file that
// crashes or stalls the reader gives a message here.

namespace {

// Beside the kinds of TipoBiff, what the child tells about the whole workbook.
enum Avviso : unsigned char {
    avvisoSistema1904 = 100, avvisoDanneggiato, avvisoNonFoglio, avvisoPassword
};
constexpr int attesaMassimaMs = 60000;

// Record: row (4 bytes), column (2), kind (1), length (4), the UTF-8 text.
class ScrittoreRecord {
public:
    explicit ScrittoreRecord(int fd) : fd(fd) {}
    ~ScrittoreRecord() { svuota(); }

    void scrivi(unsigned int riga, unsigned short colonna, unsigned char tipo, std::string_view testo)
    {
        const unsigned int lunghezza = unsigned(testo.size());
        char testa[11];
        std::memcpy(testa, &riga, 4);
        std::memcpy(testa + 4, &colonna, 2);
        testa[6] = char(tipo);
        std::memcpy(testa + 7, &lunghezza, 4);
        aggiungi(testa, sizeof testa);
        aggiungi(testo.data(), lunghezza);
    }

private:
    void aggiungi(const char* dati, size_t n)
    {
        for (; n > 0; --n) {
            if (pieno == sizeof buffer)
                svuota();
            buffer[pieno++] = *dati++;
        }
    }
    void svuota()
    {
        for (size_t fatto = 0; fatto < pieno;) {
            const ssize_t scritti = ::write(fd, buffer + fatto, pieno - fatto);
            if (scritti < 0 && errno == EINTR)
                continue;
            if (scritti <= 0)
                _exit(1);
            fatto += size_t(scritti);
        }
        pieno = 0;
    }

    int fd;
    char buffer[65536];
    size_t pieno = 0;
};

std::string contenutoFile(const char* percorso)
{
    std::string dati;
    if (FILE* f = std::fopen(percorso, "rb")) {
        struct stat stato {};
        if (::fstat(::fileno(f), &stato) == 0 && stato.st_size > 0)
            dati.reserve(size_t(stato.st_size)); // the bytes once, without growing
        char pezzo[65536];
        for (size_t n; (n = std::fread(pezzo, 1, sizeof pezzo, f)) > 0;)
            dati.append(pezzo, n);
        std::fclose(f);
    }
    return dati;
}

// The child's work.
void leggiNelFiglio(const char* percorso, int fd)
{
    ScrittoreRecord uscita(fd);
    try {
        std::string flusso;
        {
            const std::string file = contenutoFile(percorso); // only until its stream is out
            if (!leggiFlussoComposto(file, u"Workbook", flusso) && !leggiFlussoComposto(file, u"Book", flusso))
                throw std::runtime_error("no workbook");
        }
        // The date system, known once the globals are read, goes before the first cell.
        bool sistema1904 = false, primaCella = true;
        leggiBiff(flusso, sistema1904, [&](unsigned r, unsigned c, TipoBiff t, std::string_view v) {
            if (primaCella && sistema1904)
                uscita.scrivi(0, 0, avvisoSistema1904, {});
            primaCella = false;
            uscita.scrivi(r, static_cast<unsigned short>(c), static_cast<unsigned char>(t), v);
        });
    } catch (const std::runtime_error& e) {
        const std::string_view motivo = e.what();
        uscita.scrivi(0, 0, motivo == "foglio" ? avvisoNonFoglio : motivo == "password" ? avvisoPassword : avvisoDanneggiato, {});
    }
}

// The sheet built from the child's records as they come.
class Composizione {
public:
    Composizione()
    {
        libro.stili = std::make_unique<Stili>();
        libro.foglio = std::make_unique<Foglio>(*libro.stili, false);
    }

    // Takes the records complete in dati, and drops them from it.
    void aggiungi(QByteArray& dati)
    {
        qsizetype i = 0;
        for (unsigned int lunghezza = 0; i + 11 <= dati.size(); i += 11 + lunghezza) {
            std::memcpy(&lunghezza, dati.constData() + i + 7, 4);
            if (lunghezza > quint64(dati.size() - i - 11))
                break;
            unsigned int riga = 0;
            unsigned short colonna = 0;
            std::memcpy(&riga, dati.constData() + i, 4);
            std::memcpy(&colonna, dati.constData() + i + 4, 2);
            record(riga, colonna, static_cast<unsigned char>(dati[i + 6]), QByteArrayView(dati.constData() + i + 11, lunghezza));
        }
        dati.remove(0, i);
    }

    ContenutoLibro libro;

private:
    void record(unsigned int riga, unsigned short colonna, unsigned char tipo, QByteArrayView valore)
    {
        if (tipo == avvisoSistema1904) {
            sistema1904 = true;
            return;
        }
        if (tipo == avvisoDanneggiato)
            throw ErroreExcel(QStringLiteral("il file .xls non è leggibile"));
        if (tipo == avvisoNonFoglio)
            throw ErroreExcel(QStringLiteral("il foglio attivo non è un foglio di lavoro"));
        if (tipo == avvisoPassword)
            throw ErroreExcel(QStringLiteral("il file .xls è protetto da una password"));
        if (riga < 1 || riga > unsigned(ultimaRiga) || colonna < 1 || colonna > ultimaColonna
            || tipo > static_cast<unsigned char>(TipoBiff::Errore))
            throw ErroreExcel(QStringLiteral("il file .xls non è leggibile"));
        // Dates and times become the text a spreadsheet shows; the rest keeps its kind.
        Cella cella{colonna, TipoCella::Testo, 0, 0};
        const double numero = valore.toDouble();
        QString mostrato;
        switch (TipoBiff(tipo)) {
        case TipoBiff::Testo:
            break;
        case TipoBiff::Numero:
            cella.tipo = TipoCella::Numero;
            break;
        case TipoBiff::Data:
            mostrato = testoData(numero, sistema1904);
            cella.tipo = mostrato.isEmpty() ? TipoCella::Numero : TipoCella::Testo;
            break;
        case TipoBiff::Ora:
            mostrato = numero >= 0 ? testoOra(numero) : QString();
            cella.tipo = mostrato.isEmpty() ? TipoCella::Numero : TipoCella::Testo;
            break;
        case TipoBiff::Booleano:
            cella.tipo = TipoCella::Booleano;
            break;
        case TipoBiff::Errore:
            cella.tipo = TipoCella::Errore;
            break;
        }
        TestiFoglio& testi = libro.foglio->testi();
        cella.testo = mostrato.isEmpty() ? testi.aggiungi(valore) : testi.aggiungi(mostrato.toUtf8());
        libro.foglio->poni(int(riga), cella);
    }

    bool sistema1904 = false;
};

// Composes what the child sends until it closes the pipe; false when it takes too long.
bool leggiTutto(int fd, Composizione& composizione)
{
    QByteArray dati;
    char buffer[65536];
    for (;;) {
        pollfd attesa{fd, POLLIN, 0};
        const int pronti = ::poll(&attesa, 1, attesaMassimaMs);
        if (pronti < 0 && errno == EINTR)
            continue;
        if (pronti <= 0)
            return false;
        const ssize_t letti = ::read(fd, buffer, sizeof buffer);
        if (letti < 0 && errno == EINTR)
            continue;
        if (letti <= 0) {
            if (!dati.isEmpty())
                throw ErroreExcel(QStringLiteral("il file .xls non è leggibile"));
            return true;
        }
        dati.append(buffer, letti);
        composizione.aggiungi(dati);
    }
}

} // namespace

ContenutoLibro leggiXls(const QString& percorso)
{
    const QByteArray nome = QFile::encodeName(percorso);
    int tubo[2];
    if (::pipe(tubo) != 0)
        throw ErroreExcel(QStringLiteral("il file .xls non si può leggere (%1)").arg(QString::fromLocal8Bit(std::strerror(errno))));
    const pid_t figlio = ::fork();
    if (figlio < 0) {
        ::close(tubo[0]);
        ::close(tubo[1]);
        throw ErroreExcel(QStringLiteral("il file .xls non si può leggere (%1)").arg(QString::fromLocal8Bit(std::strerror(errno))));
    }
    if (figlio == 0) {
        ::close(tubo[0]);
        leggiNelFiglio(nome.constData(), tubo[1]);
        _exit(0);
    }
    ::close(tubo[1]);
    Composizione composizione;
    bool finito = false;
    std::exception_ptr errore;
    try {
        finito = leggiTutto(tubo[0], composizione);
    } catch (...) {
        errore = std::current_exception();
    }
    ::close(tubo[0]);
    if (!finito)
        ::kill(figlio, SIGKILL);
    int stato = 0;
    while (::waitpid(figlio, &stato, 0) < 0 && errno == EINTR) {
    }
    if (errore)
        std::rethrow_exception(errore);
    if (!finito)
        throw ErroreExcel(QStringLiteral("la lettura del file .xls non finisce: il file è danneggiato"));
    if (!WIFEXITED(stato) || WEXITSTATUS(stato) != 0)
        throw ErroreExcel(QStringLiteral("la lettura del file .xls si è interrotta: il file è danneggiato"));
    return std::move(composizione.libro);
}
