#include "platform/excel/libro_excel.h"
#include "platform/excel/errore_excel.h"
#include "platform/excel/processo_lettura.h"
#include "platform/excel/protocollo_lettura.h"
#include <QFileInfo>
#include <new>

LibroExcel::LibroExcel(QString file, ContenutoLibro contenuto) : file(std::move(file)), contenuto(std::move(contenuto))
{
}

std::unique_ptr<LibroExcel> LibroExcel::apri(const QString& percorso)
{
    // What another program hands us is opened only by the reading process: here the path is
    // only looked at.
    if (QFileInfo(percorso).isDir())
        throw ErroreExcel(QStringLiteral("Impossibile aprire il file %1: è una cartella").arg(percorso));
    try {
        ContenutoLibro letto = leggiInProcessoDiLettura(percorso);
        return std::unique_ptr<LibroExcel>(new LibroExcel(percorso, std::move(letto)));
    } catch (const FileRifiutato& e) {
        if (e.motivo == Rifiuto::NonUnLibro)
            throw ErroreExcel(QStringLiteral("Il file %1 non è una cartella di lavoro Excel (.xlsx o .xls)").arg(percorso));
        throw ErroreExcel(QStringLiteral("Impossibile aprire il file %1: %2").arg(percorso, e.descrizione));
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
