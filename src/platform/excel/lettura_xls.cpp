#include "platform/excel/contenuto_libro.h"
#include "platform/excel/errore_excel.h"
#include <QFile>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <freexl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

// FreeXL crashes on some damaged files, so an .xls is read in a child process: the child
// sends the cells down a pipe, and a crash of the child becomes a message here.
// FreeXL does not give the tab that was active when the file was saved: the first sheet is read.

namespace {

enum Record : unsigned char { recTesto, recNumero, recData, recErrore };
constexpr int attesaMassimaMs = 60000;
constexpr int senzaFogli = 1; // beside FreeXL's own codes, all below 0

// Record: row (4 bytes), column (2), kind (1), length (4), the UTF-8 text.
class ScrittoreRecord {
public:
    explicit ScrittoreRecord(int fd) : fd(fd) {}
    ~ScrittoreRecord() { svuota(); }

    void scrivi(unsigned int riga, unsigned short colonna, Record tipo, const char* testo)
    {
        const unsigned int lunghezza = unsigned(std::strlen(testo));
        char testa[11];
        std::memcpy(testa, &riga, 4);
        std::memcpy(testa + 4, &colonna, 2);
        testa[6] = char(tipo);
        std::memcpy(testa + 7, &lunghezza, 4);
        aggiungi(testa, sizeof testa);
        aggiungi(testo, lunghezza);
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
    char buffer[8192];
    size_t pieno = 0;
};

// The child's work: C calls and the pipe only.
void leggiNelFiglio(const char* percorso, int fd)
{
    ScrittoreRecord uscita(fd);
    const void* xls = nullptr;
    unsigned int fogli = 0, righe = 0;
    unsigned short colonne = 0;
    int esito = freexl_open(percorso, &xls);
    if (esito == FREEXL_OK)
        esito = freexl_get_info(xls, FREEXL_BIFF_SHEET_COUNT, &fogli);
    if (esito == FREEXL_OK && fogli == 0) {
        uscita.scrivi(0, 0, recErrore, ""); // no sheet to read
        esito = senzaFogli;
    }
    if (esito == FREEXL_OK)
        esito = freexl_select_active_worksheet(xls, 0);
    if (esito == FREEXL_OK)
        esito = freexl_worksheet_dimensions(xls, &righe, &colonne);
    char numero[40];
    for (unsigned int r = 0; esito == FREEXL_OK && r < righe && r < unsigned(ultimaRiga); ++r)
        for (unsigned short c = 0; esito == FREEXL_OK && c < colonne && c < ultimaColonna; ++c) {
            FreeXL_CellValue v;
            if ((esito = freexl_get_cell_value(xls, r, c, &v)) != FREEXL_OK)
                break;
            switch (v.type) {
            case FREEXL_CELL_INT:
                std::snprintf(numero, sizeof numero, "%d", v.value.int_value);
                uscita.scrivi(r + 1, c + 1, recNumero, numero);
                break;
            case FREEXL_CELL_DOUBLE:
                std::snprintf(numero, sizeof numero, "%.17g", v.value.double_value);
                uscita.scrivi(r + 1, c + 1, recNumero, numero);
                break;
            case FREEXL_CELL_TEXT:
            case FREEXL_CELL_SST_TEXT:
            case FREEXL_CELL_TIME:
                uscita.scrivi(r + 1, c + 1, recTesto, v.value.text_value ? v.value.text_value : "");
                break;
            case FREEXL_CELL_DATE:
            case FREEXL_CELL_DATETIME:
                uscita.scrivi(r + 1, c + 1, recData, v.value.text_value ? v.value.text_value : "");
                break;
            default:
                break;
            }
        }
    if (esito < FREEXL_OK)
        uscita.scrivi(unsigned(-esito), 0, recErrore, "");
    if (xls)
        freexl_close(xls);
}

// Everything the child sends, until it closes the pipe; false when it takes too long.
bool leggiTutto(int fd, QByteArray& dati)
{
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
        if (letti <= 0)
            return true;
        dati.append(buffer, letti);
    }
}

ContenutoLibro componi(const QByteArray& dati)
{
    ContenutoLibro libro;
    libro.stili = std::make_unique<Stili>();
    libro.foglio = std::make_unique<Foglio>(*libro.stili, false);
    for (qsizetype i = 0; i + 11 <= dati.size();) {
        unsigned int riga = 0, lunghezza = 0;
        unsigned short colonna = 0;
        std::memcpy(&riga, dati.constData() + i, 4);
        std::memcpy(&colonna, dati.constData() + i + 4, 2);
        const auto tipo = Record(dati[i + 6]);
        std::memcpy(&lunghezza, dati.constData() + i + 7, 4);
        i += 11;
        if (tipo == recErrore && riga == 0)
            throw ErroreExcel(QStringLiteral("la cartella di lavoro non ha fogli"));
        if (tipo == recErrore)
            throw ErroreExcel(QStringLiteral("il file .xls non è leggibile (errore FreeXL -%1)").arg(riga));
        if (lunghezza > quint64(dati.size() - i) || riga < 1 || riga > unsigned(ultimaRiga) || colonna < 1
            || colonna > ultimaColonna)
            throw ErroreExcel(QStringLiteral("il file .xls non è leggibile"));
        Cella cella;
        cella.colonna = colonna;
        cella.tipo = tipo == recNumero ? TipoCella::Numero : tipo == recData ? TipoCella::DataIso : TipoCella::Testo;
        cella.valore = QString::fromUtf8(dati.constData() + i, lunghezza);
        i += lunghezza;
        libro.foglio->poni(int(riga), std::move(cella));
    }
    return libro;
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
    QByteArray dati;
    const bool finito = leggiTutto(tubo[0], dati);
    ::close(tubo[0]);
    if (!finito)
        ::kill(figlio, SIGKILL);
    int stato = 0;
    while (::waitpid(figlio, &stato, 0) < 0 && errno == EINTR) {
    }
    if (!finito)
        throw ErroreExcel(QStringLiteral("la lettura del file .xls non finisce: il file è danneggiato"));
    if (!WIFEXITED(stato) || WEXITSTATUS(stato) != 0)
        throw ErroreExcel(QStringLiteral("la lettura del file .xls si è interrotta: il file è danneggiato"));
    return componi(dati);
}
