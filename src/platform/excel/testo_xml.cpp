#include "platform/excel/testo_xml.h"
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cctype>

namespace {

bool esadecimale(const char* p, int n)
{
    for (int i = 0; i < n; ++i)
        if (!std::isxdigit(static_cast<unsigned char>(p[i])))
            return false;
    return true;
}

bool escapeA(const QString& testo, qsizetype i)
{
    if (testo.size() - i < 7 || testo[i] != QLatin1Char('_') || testo[i + 1] != QLatin1Char('x')
        || testo[i + 6] != QLatin1Char('_'))
        return false;
    for (int k = 2; k < 6; ++k)
        if (!testo[i + k].isDigit() && !QStringLiteral("abcdefABCDEF").contains(testo[i + k]))
            return false;
    return true;
}

} // namespace

QString decodificaTesto(const char* testo)
{
    if (!std::strstr(testo, "_x"))
        return QString::fromUtf8(testo);
    std::string chiaro;
    for (const char* p = testo; *p;) {
        if (p[0] == '_' && p[1] == 'x' && esadecimale(p + 2, 4) && p[6] == '_') {
            const char32_t codice = char32_t(std::strtoul(std::string(p + 2, 4).c_str(), nullptr, 16));
            chiaro += QString::fromUcs4(&codice, 1).toStdString();
            p += 7;
        } else {
            chiaro += *p++;
        }
    }
    return QString::fromStdString(chiaro);
}

void aggiungiTesto(std::string& xml, const QString& testo)
{
    qsizetype inizio = 0; // the first character not yet written
    const auto scriviFinoA = [&](qsizetype fine) {
        const QByteArray utf8 = QStringView(testo).mid(inizio, fine - inizio).toUtf8();
        xml.append(utf8.constData(), size_t(utf8.size()));
    };
    char codice[8];
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const char16_t c = testo[i].unicode();
        const char* sostituto = nullptr;
        if (c == u'&')
            sostituto = "&amp;";
        else if (c == u'<')
            sostituto = "&lt;";
        else if (c == u'>')
            sostituto = "&gt;";
        else if (c == u'_' && escapeA(testo, i))
            sostituto = "_x005F_";
        else if (c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') {
            std::snprintf(codice, sizeof codice, "_x%04X_", unsigned(c));
            sostituto = codice;
        } else
            continue;
        scriviFinoA(i);
        xml += sostituto;
        inizio = i + 1;
    }
    scriviFinoA(testo.size());
}
