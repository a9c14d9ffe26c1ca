#include "platform/excel/errore_excel.h"
#include "platform/excel/file_composto.h"
#include "platform/excel/lettura_biff.h"
#include "platform/excel/lettura_libro.h"
#include "platform/excel/limiti_libro.h"
#include "platform/excel/protocollo_lettura.h"
#include "platform/excel/testo_valore.h"
#include <QFile>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

// An .xls, a "Workbook" stream of Excel 97 and later or a "Book" stream of Excel 5 and 95, is
// read by our own reader.

namespace {

// The cells as the program keeps them: dates and times become the text a spreadsheet shows,
// a shared string is sent once and every cell showing it refers to it.
class CelleXls : public CelleBiff {
public:
    CelleXls(UscitaLettura& uscita, const bool& sistema1904) : uscita(uscita), sistema1904(sistema1904) {}

    void stringaCondivisa(std::string_view utf8) override
    {
        const uint32_t numero = uscita.testo(utf8);
        if (prima == 0)
            prima = numero;
    }

    void cellaCondivisa(unsigned riga, unsigned colonna, uint32_t indice) override
    {
        uscita.cella(riga, uint16_t(colonna), TipoCella::Testo, 0, prima + indice);
    }

    void cella(unsigned riga, unsigned colonna, TipoBiff tipo, std::string_view valore) override
    {
        const double numero = QByteArrayView(valore.data(), qsizetype(valore.size())).toDouble();
        QString mostrato;
        TipoCella tipoCella = TipoCella::Testo;
        switch (tipo) {
        case TipoBiff::Testo:
            break;
        case TipoBiff::Numero:
            tipoCella = TipoCella::Numero;
            break;
        case TipoBiff::Data:
        case TipoBiff::Ora:
        case TipoBiff::Durata:
            mostrato = tipo == TipoBiff::Data  ? testoData(numero, sistema1904)
                       : tipo == TipoBiff::Ora ? testoOra(numero)
                                               : testoDurata(numero);
            tipoCella = mostrato.isEmpty() ? TipoCella::Numero : TipoCella::Testo;
            break;
        case TipoBiff::Booleano:
            tipoCella = TipoCella::Booleano;
            break;
        case TipoBiff::Errore:
            tipoCella = TipoCella::Errore;
            break;
        }
        if (mostrato.isEmpty()) {
            uscita.cellaConTesto(riga, uint16_t(colonna), tipoCella, 0, valore);
            return;
        }
        const QByteArray testo = mostrato.toUtf8();
        uscita.cellaConTesto(riga, uint16_t(colonna), tipoCella, 0, std::string_view(testo.constData(), size_t(testo.size())));
    }

private:
    UscitaLettura& uscita;
    const bool& sistema1904;
    uint32_t prima = 0; // the first shared string's text number
};

class FileAperto {
public:
    explicit FileAperto(const QString& percorso) : fd(::open(QFile::encodeName(percorso).constData(), O_RDONLY | O_CLOEXEC))
    {
        if (fd < 0)
            throw ErroreExcel(QStringLiteral("il file .xls non si può aprire"));
    }
    ~FileAperto() { ::close(fd); }
    FileAperto(const FileAperto&) = delete;
    FileAperto& operator=(const FileAperto&) = delete;
    const int fd;
};

} // namespace

void leggiXls(const QString& percorso, UscitaLettura& uscita)
{
    try {
        const FileAperto file(percorso);
        FlussoComposto flusso;
        if (!apriFlussoComposto(file.fd, u"Workbook", flusso) && !apriFlussoComposto(file.fd, u"Book", flusso))
            throw std::runtime_error("no workbook");
        uscita.libro(false);
        bool sistema1904 = false;
        CelleXls celle(uscita, sistema1904);
        ContoLibro conto(massimoMemoriaLettura);
        leggiBiff(flusso, sistema1904, celle, conto);
    } catch (const ErroreExcel&) {
        throw;
    } catch (const std::runtime_error& e) {
        const std::string_view motivo = e.what();
        throw ErroreExcel(motivo == "foglio"     ? QStringLiteral("il foglio attivo non è un foglio di lavoro")
                          : motivo == "password" ? QStringLiteral("il file .xls è protetto da una password")
                                                 : QStringLiteral("il file .xls non è leggibile"));
    }
}
