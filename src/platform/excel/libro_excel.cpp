#include "platform/excel/libro_excel.h"
#include "platform/excel/errore_excel.h"
#include "platform/excel/processo_lettura.h"
#include <QFile>
#include <QFileInfo>
#include <new>

namespace {

enum class Formato { Xlsx, Xls, Altro };

Formato formatoDi(const QString& percorso)
{
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        throw ErroreExcel(QStringLiteral("Impossibile aprire il file %1: %2").arg(percorso, file.errorString()));
    const QByteArray inizio = file.read(8);
    if (inizio.startsWith("PK\x03\x04"))
        return Formato::Xlsx;
    if (inizio == QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8))
        return Formato::Xls;
    return Formato::Altro;
}

} // namespace

LibroExcel::LibroExcel(QString file, ContenutoLibro contenuto) : file(std::move(file)), contenuto(std::move(contenuto))
{
}

std::unique_ptr<LibroExcel> LibroExcel::apri(const QString& percorso)
{
    if (QFileInfo(percorso).isDir())
        throw ErroreExcel(QStringLiteral("Impossibile aprire il file %1: è una cartella").arg(percorso));
    const Formato formato = formatoDi(percorso);
    if (formato == Formato::Altro)
        throw ErroreExcel(QStringLiteral("Il file %1 non è una cartella di lavoro Excel (.xlsx o .xls)").arg(percorso));
    try {
        ContenutoLibro letto = leggiInProcessoDiLettura(percorso);
        return std::unique_ptr<LibroExcel>(new LibroExcel(percorso, std::move(letto)));
    } catch (const ErroreExcel& e) {
        throw ErroreExcel(QStringLiteral("La cartella di lavoro %1 non si può leggere: %2").arg(percorso, e.descrizione));
    } catch (const std::bad_alloc&) {
        throw ErroreExcel(QStringLiteral("La cartella di lavoro %1 è troppo grande da leggere").arg(percorso));
    }
}

void LibroExcel::salva()
{
    if (!contenuto.parti)
        throw ErroreExcel(QStringLiteral("La cartella di lavoro %1 è nel formato .xls, che si legge soltanto: "
                                         "non si può salvare").arg(file));
    try {
        scriviXlsx(*contenuto.parti, *contenuto.stili, *contenuto.foglio, file);
    } catch (const ErroreExcel& e) {
        throw ErroreExcel(QStringLiteral("La cartella di lavoro %1 non si può salvare: %2").arg(file, e.descrizione));
    }
}
