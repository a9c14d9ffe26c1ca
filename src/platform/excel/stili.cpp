#include "platform/excel/stili.h"
#include "platform/excel/errore_excel.h"
#include "platform/excel/xml_parti.h"
#include <cstring>

namespace {

constexpr int formatoTestoId = 49; // the built-in "@"

bool idDataPredefinito(int id)
{
    return (id >= 14 && id <= 17) || id == 22 || (id >= 27 && id <= 36) || (id >= 50 && id <= 58);
}

bool idOraPredefinito(int id)
{
    return (id >= 18 && id <= 21) || (id >= 45 && id <= 47);
}

// True when the code has a date part (trovaOra false) or a time part (trovaOra true).
bool codiceMostra(const QString& codice, bool trovaOra)
{
    bool virgolette = false;
    // Where the first h and the last s are, anywhere in the code.
    const qsizetype primaH = codice.indexOf(QLatin1Char('h'), 0, Qt::CaseInsensitive);
    const qsizetype ultimaS = codice.lastIndexOf(QLatin1Char('s'), -1, Qt::CaseInsensitive);
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
                return false;
            i = fine; // colour, condition or locale
        } else if (c == QLatin1Char('h') || c == QLatin1Char('s')) {
            if (trovaOra)
                return true;
        } else if (c == QLatin1Char('d') || c == QLatin1Char('y')) {
            if (!trovaOra)
                return true;
        } else if (c == QLatin1Char('m') && !trovaOra) {
            // m is the month unless it follows an hour or comes before seconds.
            if ((primaH < 0 || primaH > i) && ultimaS < i)
                return true;
        }
    }
    return false;
}

} // namespace

bool codiceMostraData(const QString& codice)
{
    return codiceMostra(codice, false);
}

bool codiceMostraOra(const QString& codice)
{
    return codiceMostra(codice, true) && !codiceMostra(codice, false);
}

void Stili::aggiungiFormato(int numero, const QString& codice)
{
    formatiPropri[numero] = codiceMostraData(codice) ? Mostra::Data : codiceMostraOra(codice) ? Mostra::Ora : Mostra::Numero;
}

Stili::Mostra Stili::mostra(quint32 formato) const
{
    if (formato >= numeroFormato.size())
        return Mostra::Numero;
    const int id = numeroFormato[formato];
    // A format the file defines wins over the built-in one of the same number.
    if (const auto f = formatiPropri.find(id); f != formatiPropri.end())
        return f->second;
    return idDataPredefinito(id) ? Mostra::Data : idOraPredefinito(id) ? Mostra::Ora : Mostra::Numero;
}

bool Stili::mostraData(quint32 formato) const
{
    return mostra(formato) == Mostra::Data;
}

bool Stili::mostraOra(quint32 formato) const
{
    return mostra(formato) == Mostra::Ora;
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
