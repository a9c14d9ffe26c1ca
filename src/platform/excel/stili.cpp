#include "platform/excel/stili.h"
#include "platform/excel/errore_excel.h"
#include "platform/excel/xml_parti.h"
#include <cstring>

namespace {

constexpr int formatoTestoId = 49; // the built-in "@"

// What a code holds: a date's part, a time's part, a count of hours, minutes or seconds.
struct PartiCodice {
    bool data = false, ora = false, durata = false;
};

PartiCodice partiCodice(const QString& codice)
{
    PartiCodice parti;
    bool virgolette = false;
    for (qsizetype i = 0; i < codice.size(); ++i) {
        const QChar c = codice[i].toLower();
        if (virgolette) {
            virgolette = c != QLatin1Char('"');
        } else if (c == QLatin1Char('"')) {
            virgolette = true;
        } else if (c == QLatin1Char('\\') || c == QLatin1Char('_') || c == QLatin1Char('*')) {
            ++i; // the next character is shown as it is
        } else if (c == QLatin1Char('[')) {
            const qsizetype fine = codice.indexOf(QLatin1Char(']'), i);
            if (fine < 0)
                return parti;
            // Colour, condition or locale, or the hours, minutes or seconds elapsed: [h], [mm], [ss].
            const QString dentro = codice.mid(i + 1, fine - i - 1).toLower();
            parti.durata = parti.durata
                           || (!dentro.isEmpty() && QStringLiteral("hms").contains(dentro[0])
                               && dentro.count(dentro[0]) == dentro.size());
            i = fine;
        } else if (c == QLatin1Char('h') || c == QLatin1Char('s')) {
            parti.ora = true;
        } else if (c == QLatin1Char('d') || c == QLatin1Char('y')) {
            parti.data = true;
        } else if (c == QLatin1Char('m')) {
            // m is the month unless it follows an hour or comes before seconds.
            const QString resto = codice.mid(i).toLower();
            const QString prima = codice.left(i).toLower();
            parti.data = parti.data || (!prima.contains(QLatin1Char('h')) && !resto.contains(QLatin1Char('s')));
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

Stili::Stili(std::vector<int> numeroFormato, const std::vector<std::pair<int, QString>>& formati)
    : numeroFormato(std::move(numeroFormato))
{
    for (const auto& [numero, codice] : formati)
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
