#include "platform/excel/limiti_libro.h"
#include <QLocale>

ErroreExcel superaLimite(qint64 limite, const char* unita, const char* cosa)
{
    return ErroreExcel(QStringLiteral("La cartella di lavoro supera il limite di %1 %2 (%3): non è stata importata")
                           .arg(QLocale(QLocale::Italian).toString(limite), QString::fromUtf8(unita), QString::fromUtf8(cosa)));
}

ErroreExcel superaLimiteMb(qint64 byte, const char* cosa)
{
    return superaLimite(byte >> 20, "MB", cosa);
}

void ContoLibro::tieni(qint64 byte, const char* cosa)
{
    usati += byte;
    if (usati > massimo)
        throw superaLimiteMb(massimo, cosa);
}

void ContoLibro::misura(qint64& contati, qint64 ora, const char* cosa)
{
    const qint64 cresciuti = ora - contati;
    contati = ora;
    tieni(cresciuti, cosa);
}

void ElencoContato::voce(qint64 byte)
{
    if (++quante > massimoVociElenco)
        throw superaLimite(massimoVociElenco, "voci", cosa);
    conto.tieni(costo + byte, cosa);
}

qint64 caratteriUtf16(QByteArrayView utf8)
{
    qint64 n = 0;
    for (const char c : utf8) {
        const auto b = static_cast<unsigned char>(c);
        n += (b & 0xC0) != 0x80;  // each character's first byte
        n += b >= 0xF0;           // beyond U+FFFF: a surrogate pair
    }
    return n;
}

void controllaTestoCella(QByteArrayView utf8)
{
    // Up to 3 bytes a unit: a shorter text cannot be past the limit.
    if (utf8.size() > massimoCaratteriCella && caratteriUtf16(utf8) > massimoCaratteriCella)
        throw superaLimite(massimoCaratteriCella, "caratteri", "testo di una cella");
}
