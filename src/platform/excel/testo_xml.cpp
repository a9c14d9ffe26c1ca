#include "platform/excel/testo_xml.h"
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool esadecimale(std::string_view p)
{
    for (char c : p)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')))
            return false;
    return true;
}

// "_xHHHH_" at the start of the text.
bool escapeA(std::string_view testo)
{
    return testo.size() >= 7 && testo[0] == '_' && testo[1] == 'x' && esadecimale(testo.substr(2, 4)) && testo[6] == '_';
}

} // namespace

void aggiungiUtf8(std::string& uscita, char32_t codice)
{
    if (codice < 0x80) {
        uscita += char(codice);
    } else if (codice < 0x800) {
        uscita += char(0xC0 | (codice >> 6));
        uscita += char(0x80 | (codice & 0x3F));
    } else if (codice < 0x10000) {
        uscita += char(0xE0 | (codice >> 12));
        uscita += char(0x80 | ((codice >> 6) & 0x3F));
        uscita += char(0x80 | (codice & 0x3F));
    } else {
        uscita += char(0xF0 | (codice >> 18));
        uscita += char(0x80 | ((codice >> 12) & 0x3F));
        uscita += char(0x80 | ((codice >> 6) & 0x3F));
        uscita += char(0x80 | (codice & 0x3F));
    }
}

void decodificaTesto(std::string_view testo, std::string& uscita)
{
    if (testo.find("_x") == std::string_view::npos) {
        uscita.append(testo);
        return;
    }
    for (size_t i = 0; i < testo.size();) {
        if (escapeA(testo.substr(i))) {
            aggiungiUtf8(uscita, char32_t(std::strtoul(std::string(testo.substr(i + 2, 4)).c_str(), nullptr, 16)));
            i += 7;
        } else {
            uscita += testo[i++];
        }
    }
}

UscitaXml::UscitaXml(QByteArray& xml, qsizetype stima) : xml(xml), fine(xml.size())
{
    xml.resize(fine + stima);
    dati = xml.data();
}

void UscitaXml::cresci(qsizetype n)
{
    xml.resize(fine + std::max(n, xml.size() / 2));
    dati = xml.data();
}

void UscitaXml::aggiungiTesto(std::string_view testo)
{
    // The bytes that may need an escape; most texts have none.
    static constexpr auto speciali = [] {
        std::array<bool, 256> s{};
        for (int c = 0; c < 0x20; ++c)
            s[size_t(c)] = c != '\t' && c != '\n' && c != '\r';
        s['&'] = s['<'] = s['>'] = s['_'] = true;
        return s;
    }();
    size_t inizio = 0; // the first byte not yet written
    char codice[8];
    for (size_t i = 0; i < testo.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(testo[i]);
        if (!speciali[c])
            continue;
        const char* sostituto = nullptr;
        if (c == '&')
            sostituto = "&amp;";
        else if (c == '<')
            sostituto = "&lt;";
        else if (c == '>')
            sostituto = "&gt;";
        else if (c == '_') {
            if (!escapeA(testo.substr(i)))
                continue;
            sostituto = "_x005F_";
        } else {
            std::snprintf(codice, sizeof codice, "_x%04X_", unsigned(c));
            sostituto = codice;
        }
        aggiungi(testo.substr(inizio, i - inizio));
        aggiungi(sostituto);
        inizio = i + 1;
    }
    aggiungi(testo.substr(inizio));
}
