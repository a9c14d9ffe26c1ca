#include "lettura_qui.h"
#include "platform/excel/composizione_libro.h"
#include "platform/excel/lettura_libro.h"
#include <QFile>
#include <exception>

namespace {

// Stops the reading where the program would stop its process: not an error the readers catch.
struct Fermata {};

class UscitaComposta : public UscitaLettura {
public:
    explicit UscitaComposta(Composizione& composizione) : composizione(composizione) {}

    void svuota()
    {
        try {
            composizione.aggiungi(dati);
        } catch (...) {
            errore = std::current_exception();
            throw Fermata();
        }
    }
    std::exception_ptr errore;

protected:
    void scrivi(const char* d, size_t n) override
    {
        dati.append(d, qsizetype(n));
        if (dati.size() > 65536)
            svuota();
    }

private:
    Composizione& composizione;
    QByteArray dati;
};

} // namespace

ContenutoLibro leggiQui(const QString& percorso)
{
    Composizione composizione;
    UscitaComposta uscita(composizione);
    try {
        leggiLibro(percorso, uscita);
        uscita.svuota();
    } catch (const Fermata&) {
        std::rethrow_exception(uscita.errore);
    }
    return composizione.risultato();
}

double piccoMemoriaMb()
{
    QFile stato(QStringLiteral("/proc/self/status"));
    stato.open(QIODevice::ReadOnly);
    for (const QByteArray& riga : stato.readAll().split('\n'))
        if (riga.startsWith("VmHWM:"))
            return riga.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return 0;
}

void azzeraPiccoMemoria()
{
    QFile azzera(QStringLiteral("/proc/self/clear_refs"));
    if (azzera.open(QIODevice::WriteOnly))
        azzera.write("5");
}
