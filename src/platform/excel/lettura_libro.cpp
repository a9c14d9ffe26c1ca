#include "platform/excel/lettura_libro.h"
#include "platform/excel/errore_excel.h"
#include "platform/excel/protocollo_lettura.h"
#include <QFile>
#include <new>

void leggiLibro(const QString& percorso, UscitaLettura& uscita)
{
    try {
        QFile file(percorso);
        if (!file.open(QIODevice::ReadOnly))
            throw FileRifiutato(Rifiuto::FileNonAperto, file.errorString());
        const QByteArray inizio = file.read(8);
        file.close();
        if (inizio.startsWith("PK\x03\x04"))
            leggiXlsx(percorso, uscita);
        else if (inizio == QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8))
            leggiXls(percorso, uscita);
        else
            throw FileRifiutato(Rifiuto::NonUnLibro, QStringLiteral("il file non è una cartella di lavoro Excel"));
    } catch (const FileRifiutato& e) {
        uscita.errore(e.descrizione, e.motivo);
    } catch (const ErroreExcel& e) {
        uscita.errore(e.descrizione);
    } catch (const std::bad_alloc&) {
        uscita.errore(QStringLiteral("la cartella di lavoro è troppo grande da leggere"));
    }
    uscita.fine();
}
