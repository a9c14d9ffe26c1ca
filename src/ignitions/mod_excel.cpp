#include "ignitions/mod_excel.h"
#include "common/funzioni.h"
#include "platform/excel/libro_excel.h"
#include "platform/ui/messaggi.h"
#include <memory>

namespace {

std::unique_ptr<LibroExcel> aperto;

QChar seguente(QChar c)
{
    return QChar(char16_t(c.unicode() + 1));
}

} // namespace

bool apriFileExcel(const QString& percorso)
{
    if (percorso.isEmpty()) {
        messaggio(QStringLiteral("Nome File mancante... selezionare il file"), stile::esclamazione);
        return false;
    }
    chiudiExcel();
    try {
        aperto = LibroExcel::apri(percorso);
        return true;
    } catch (const std::exception& e) {
        segnalaErrore(e);
    }
    chiudiExcel();
    return false;
}

QString colonnaSuccessiva(QString& colonna)
{
    colonna = colonna.trimmed();
    if (colonna.size() == 1) {
        colonna = colonna.compare(QLatin1String("Z"), Qt::CaseInsensitive) == 0 ? QStringLiteral("AA")
                                                                                 : QString(seguente(colonna[0]));
        return colonna;
    }
    if (colonna.size() == 2) {
        if (colonna[1].toUpper() == QLatin1Char('Z'))
            return QString(seguente(colonna[0])) + QLatin1Char('A');
        return QString(colonna[0]) + seguente(colonna[1]);
    }
    return QString();
}

void chiudiExcel()
{
    aperto.reset();
}

bool salvaFileExcel()
{
    try {
        if (!aperto)
            throw std::runtime_error("Nessuna cartella di lavoro aperta");
        aperto->salva();
        return true;
    } catch (const std::exception& e) {
        segnalaErrore(e);
    }
    return false;
}

LibroExcel* libroExcel()
{
    return aperto.get();
}

Foglio* foglioExcel()
{
    return aperto ? &aperto->foglio() : nullptr;
}
