#include "platform/excel/stili.h"
#include "platform/excel/errore_excel.h"
#include "platform/excel/xml_parti.h"
#include <cstring>
#include <string_view>

namespace {

constexpr int formatoTestoId = 49; // the built-in "@"

// What a code holds: a date's part, a time's part, a count of hours, minutes or seconds.
struct PartiCodice {
    bool data = false, ora = false, durata = false;
};

// A code's character in lower case where it is an ASCII letter: only those are compared, and
// no other character lower-cases to one of them.
char16_t minuscola(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
}

// One pass over the code (and one more at its first m), whatever its length.
PartiCodice partiCodice(const QString& testo)
{
    const std::u16string_view codice(reinterpret_cast<const char16_t*>(testo.utf16()), size_t(testo.size()));
    PartiCodice parti;
    bool virgolette = false;
    // Where the first h and the last s are, anywhere in the code: looked for at the first m.
    size_t primaH = 0, ultimaS = 0;
    bool cercati = false;
    for (size_t i = 0; i < codice.size(); ++i) {
        const char16_t c = minuscola(codice[i]);
        if (virgolette) {
            virgolette = c != u'"';
        } else if (c == u'"') {
            virgolette = true;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i; // the next character is shown as it is
        } else if (c == u'[') {
            const size_t fine = codice.find(u']', i);
            if (fine == std::u16string_view::npos)
                return parti;
            // Colour, condition or locale, or the hours, minutes or seconds elapsed: [h], [mm], [ss].
            const char16_t prima = fine > i + 1 ? minuscola(codice[i + 1]) : u'\0';
            bool tutte = prima == u'h' || prima == u'm' || prima == u's';
            for (size_t j = i + 1; tutte && j < fine; ++j)
                tutte = minuscola(codice[j]) == prima;
            parti.durata = parti.durata || tutte;
            i = fine;
        } else if (c == u'h' || c == u's') {
            parti.ora = true;
        } else if (c == u'd' || c == u'y') {
            parti.data = true;
        } else if (c == u'm' && !parti.data) {
            if (!cercati) {
                cercati = true;
                primaH = codice.size();
                for (size_t j = 0; j < codice.size(); ++j) {
                    const char16_t d = minuscola(codice[j]);
                    primaH = d == u'h' && primaH == codice.size() ? j : primaH;
                    ultimaS = d == u's' ? j + 1 : ultimaS; // one past it: 0 for none
                }
            }
            // m is the month unless it follows an hour or comes before seconds.
            parti.data = primaH > i && ultimaS <= i;
        }
    }
    return parti;
}

} // namespace

Mostra mostraCodice(const QString& codice)
{
    const PartiCodice parti = partiCodice(codice);
    return parti.data ? Mostra::Data : parti.durata ? Mostra::Durata : parti.ora ? Mostra::Ora : Mostra::Numero;
}

Mostra mostraPredefinito(int id)
{
    if ((id >= 14 && id <= 17) || id == 22 || (id >= 27 && id <= 36) || (id >= 50 && id <= 58))
        return Mostra::Data;
    if (id == 46) // [h]:mm:ss
        return Mostra::Durata;
    if ((id >= 18 && id <= 21) || id == 45 || id == 47)
        return Mostra::Ora;
    return Mostra::Numero;
}

void Stili::aggiungiFormato(int numero, const QString& codice)
{
    formatiPropri[numero] = mostraCodice(codice);
}

Mostra Stili::mostra(quint32 formato) const
{
    if (formato >= numeroFormato.size())
        return Mostra::Numero;
    const int id = numeroFormato[formato];
    // A format the file defines wins over the built-in one of the same number.
    if (const auto f = formatiPropri.find(id); f != formatiPropri.end())
        return f->second;
    return mostraPredefinito(id);
}

quint32 Stili::formatoTesto(quint32 formato)
{
    if (numeroFormato.empty())
        throw ErroreExcel(QStringLiteral("la cartella di lavoro non ha formati di cella"));
    if (formato >= numeroFormato.size())
        formato = 0;
    if (numeroFormato[formato] == formatoTestoId)
        return formato;
    const auto trovato = varianteTesto.find(formato);
    if (trovato != varianteTesto.end())
        return trovato->second;
    const quint32 nuovo = quint32(numeroFormato.size());
    numeroFormato.push_back(formatoTestoId);
    aggiunti.push_back(formato);
    varianteTesto[formato] = nuovo;
    return nuovo;
}

QByteArray Stili::xmlAggiornato(const QByteArray& originale) const
{
    if (aggiunti.empty())
        return originale;
    pugi::xml_document doc;
    caricaParte(doc, originale, "degli stili");
    pugi::xml_node xfs = figlio(doc.document_element(), "cellXfs");
    std::vector<pugi::xml_node> esistenti;
    for (pugi::xml_node xf : xfs.children())
        if (std::strcmp(nomeLocale(xf), "xf") == 0)
            esistenti.push_back(xf);
    for (quint32 sorgente : aggiunti) {
        if (sorgente >= esistenti.size())
            throw ErroreExcel(QStringLiteral("la parte degli stili non corrisponde ai formati letti"));
        pugi::xml_node copia = xfs.append_copy(esistenti[sorgente]);
        copia.remove_attribute("numFmtId");
        copia.remove_attribute("applyNumberFormat");
        copia.append_attribute("numFmtId") = formatoTestoId;
        copia.append_attribute("applyNumberFormat") = 1;
        esistenti.push_back(copia);
    }
    if (pugi::xml_attribute conta = xfs.attribute("count"))
        conta = unsigned(esistenti.size());
    return testoXml(doc);
}
