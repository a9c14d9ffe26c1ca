#pragma once
#include <QByteArray>
#include <charconv>
#include <cstring>
#include <string>
#include <string_view>

// Cell texts in a workbook's XML, UTF-8: characters XML cannot hold travel as "_xHHHH_", and
// a text that itself reads "_xHHHH_" has its "_" written as "_x005F_".

// Appends a character in UTF-8.
void aggiungiUtf8(std::string& uscita, char32_t codice);
// Appends the text with its escapes undone.
void decodificaTesto(std::string_view testo, std::string& uscita);
// Text appended to the end of a QByteArray through a pointer, into room made ahead; the array
// takes the size of what was written when the object goes.
class UscitaXml {
public:
    // Makes room for about `stima` more bytes.
    UscitaXml(QByteArray& xml, qsizetype stima);
    ~UscitaXml() { xml.truncate(fine); }
    UscitaXml(const UscitaXml&) = delete;
    UscitaXml& operator=(const UscitaXml&) = delete;

    void aggiungi(std::string_view testo)
    {
        if (testo.empty())
            return; // an empty view may have no bytes at all
        std::memcpy(spazio(qsizetype(testo.size())), testo.data(), testo.size());
        fine += qsizetype(testo.size());
    }
    void aggiungi(char c)
    {
        *spazio(1) = c;
        ++fine;
    }
    void aggiungiNumero(long long n)
    {
        char* inizio = spazio(24);
        fine += std::to_chars(inizio, inizio + 24, n).ptr - inizio;
    }
    // The text escaped for an XML element's content.
    void aggiungiTesto(std::string_view testo);

private:
    char* spazio(qsizetype n)
    {
        if (xml.size() - fine < n)
            cresci(n);
        return dati + fine;
    }
    void cresci(qsizetype n);

    QByteArray& xml;
    char* dati;
    qsizetype fine; // the end of what was written
};
