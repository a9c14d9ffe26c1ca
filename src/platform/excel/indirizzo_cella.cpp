#include "platform/excel/indirizzo_cella.h"
#include "platform/excel/errore_excel.h"

bool leggiIndirizzo(const char* testo, IndirizzoCella& cella)
{
    const char* p = testo;
    long colonna = 0;
    for (; (*p >= 'A' && *p <= 'Z') || (*p >= 'a' && *p <= 'z'); ++p) {
        colonna = colonna * 26 + ((*p & ~0x20) - 'A' + 1);
        if (colonna > ultimaColonna)
            return false;
    }
    if (p == testo)
        return false;
    long riga = 0;
    const char* cifre = p;
    for (; *p >= '0' && *p <= '9'; ++p) {
        riga = riga * 10 + (*p - '0');
        if (riga > ultimaRiga)
            return false;
    }
    if (p == cifre || *p != '\0' || riga < 1)
        return false;
    cella = {int(riga), int(colonna)};
    return true;
}

IndirizzoCella leggiIndirizzo(const QString& indirizzo)
{
    IndirizzoCella cella;
    const QByteArray testo = indirizzo.toLatin1();
    if (testo.contains('\0') || !leggiIndirizzo(testo.constData(), cella))
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
