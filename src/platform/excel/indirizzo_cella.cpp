#include "platform/excel/indirizzo_cella.h"
#include "platform/excel/errore_excel.h"

bool leggiIndirizzo(std::string_view testo, IndirizzoCella& cella)
{
    size_t i = 0;
    long colonna = 0;
    for (; i < testo.size() && ((testo[i] >= 'A' && testo[i] <= 'Z') || (testo[i] >= 'a' && testo[i] <= 'z')); ++i) {
        colonna = colonna * 26 + ((testo[i] & ~0x20) - 'A' + 1);
        if (colonna > ultimaColonna)
            return false;
    }
    if (i == 0)
        return false;
    long riga = 0;
    const size_t cifre = i;
    for (; i < testo.size() && testo[i] >= '0' && testo[i] <= '9'; ++i) {
        riga = riga * 10 + (testo[i] - '0');
        if (riga > ultimaRiga)
            return false;
    }
    if (i == cifre || i != testo.size() || riga < 1)
        return false;
    cella = {int(riga), int(colonna)};
    return true;
}

IndirizzoCella leggiIndirizzo(const QString& indirizzo)
{
    IndirizzoCella cella;
    const QByteArray testo = indirizzo.toLatin1();
    if (!leggiIndirizzo(std::string_view(testo.constData(), size_t(testo.size())), cella))
        throw ErroreExcel(QStringLiteral("Indirizzo di cella non valido: \"%1\"").arg(indirizzo));
    return cella;
}

QString lettereColonna(int colonna)
{
    QString lettere;
    for (; colonna > 0; colonna = (colonna - 1) / 26)
        lettere.prepend(QChar('A' + (colonna - 1) % 26));
    return lettere;
}
