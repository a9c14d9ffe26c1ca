#include "platform/excel/contenuto_libro.h"
#include "platform/excel/errore_excel.h"
#include "platform/excel/testo_xml.h"
#include "platform/excel/xml_parti.h"
#include <charconv>
#include <cstring>

namespace {

void aggiungiNumero(std::string& xml, long long n)
{
    char buf[24];
    xml.append(buf, size_t(std::to_chars(buf, buf + sizeof buf, n).ptr - buf));
}

// The rows of the sheet, one after the other, as sheetData's content.
void scriviRighe(std::string& xml, const Foglio& foglio, const std::string& prefisso)
{
    std::vector<std::string> lettere(ultimaColonna + 1);
    const std::string riga = prefisso + "row", c = prefisso + "c", v = prefisso + "v", is = prefisso + "is",
                      t = prefisso + "t";
    const auto apri = [&](const std::string& nome) { xml += '<'; xml += nome; xml += '>'; };
    const auto chiudi = [&](const std::string& nome) { xml += "</"; xml += nome; xml += '>'; };
    int numero = 0;
    for (const RigaFoglio& r : foglio.righe()) {
        ++numero;
        const QByteArrayView attributi = foglio.testi().testo(r.attributi);
        if (r.celle.empty() && r.stile < 0 && attributi.isEmpty())
            continue;
        xml += '<' + riga + " r=\"";
        aggiungiNumero(xml, numero);
        xml += '"';
        if (r.stile >= 0) {
            xml += " s=\"";
            aggiungiNumero(xml, r.stile);
            xml += "\" customFormat=\"1\"";
        }
        xml.append(attributi.data(), size_t(attributi.size()));
        xml += '>';
        for (const Cella& cella : r.celle) {
            std::string& colonna = lettere[cella.colonna];
            if (colonna.empty())
                colonna = lettereColonna(cella.colonna).toStdString();
            xml += '<' + c + " r=\"" + colonna;
            aggiungiNumero(xml, numero);
            xml += '"';
            if (cella.stile != 0) {
                xml += " s=\"";
                aggiungiNumero(xml, cella.stile);
                xml += '"';
            }
            const QByteArrayView valore = foglio.grezzo(cella);
            const std::string_view testo(valore.data(), size_t(valore.size()));
            if (cella.tipo == TipoCella::Testo) {
                if (testo.empty()) {
                    xml += "/>";
                    continue;
                }
                xml += " t=\"inlineStr\">";
                apri(is);
                const auto bianco = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
                const bool conserva = bianco(testo.front()) || bianco(testo.back());
                xml += '<' + t + (conserva ? " xml:space=\"preserve\">" : ">");
                aggiungiTesto(xml, testo);
                chiudi(t);
                chiudi(is);
            } else {
                static constexpr const char* tipi[] = {"", "", " t=\"b\"", " t=\"e\"", " t=\"d\""};
                xml += tipi[int(cella.tipo)];
                xml += '>';
                apri(v);
                aggiungiTesto(xml, testo);
                chiudi(v);
            }
            chiudi(c);
        }
        chiudi(riga);
    }
}

bool stessaColonna(const Foglio& foglio, const ColonnaFoglio& a, const ColonnaFoglio& b)
{
    return a.larghezza == b.larghezza && a.stile == b.stile
           && foglio.testi().testo(a.attributi) == foglio.testi().testo(b.attributi);
}

// The sheet's <cols>, runs of equal columns merged; none when every column is as by default.
void aggiornaColonne(pugi::xml_node worksheet, pugi::xml_node sheetData, const Foglio& foglio, const QString& prefisso)
{
    const std::vector<ColonnaFoglio>& colonne = foglio.colonne();
    if (colonne.empty())
        return;
    if (pugi::xml_node vecchie = figlio(worksheet, "cols"))
        worksheet.remove_child(vecchie);
    const ColonnaFoglio normale;
    std::string xml = "<cols>";
    for (size_t primo = 0; primo < colonne.size();) {
        size_t ultimo = primo;
        while (ultimo + 1 < colonne.size() && stessaColonna(foglio, colonne[ultimo + 1], colonne[primo]))
            ++ultimo;
        const ColonnaFoglio& col = colonne[primo];
        if (!stessaColonna(foglio, col, normale)) {
            xml += "<col min=\"" + std::to_string(primo + 1) + "\" max=\"" + std::to_string(ultimo + 1) + '"';
            if (col.larghezza > 0)
                xml += " width=\"" + QString::number(col.larghezza, 'g', 10).toStdString() + "\" customWidth=\"1\"";
            else
                xml += " width=\"9.140625\""; // the default width of a column that only has a format
            if (col.stile >= 0)
                xml += " style=\"" + std::to_string(col.stile) + '"';
            const QByteArrayView attributi = foglio.testi().testo(col.attributi);
            xml.append(attributi.data(), size_t(attributi.size()));
            xml += "/>";
        }
        primo = ultimo + 1;
    }
    xml += "</cols>";
    pugi::xml_document cols;
    cols.load_buffer(xml.data(), xml.size());
    if (!cols.first_child().first_child())
        return;
    pugi::xml_node nuove = worksheet.insert_copy_before(cols.first_child(), sheetData);
    nuove.set_name((prefisso + QStringLiteral("cols")).toUtf8().constData());
    for (pugi::xml_node col : nuove.children())
        col.set_name((prefisso + QStringLiteral("col")).toUtf8().constData());
}

void aggiornaDimensione(pugi::xml_node worksheet, const Foglio& foglio)
{
    pugi::xml_node dimensione = figlio(worksheet, "dimension");
    if (!dimensione)
        return;
    int primaRiga = 0, ultimaRigaUsata = 0, primaColonna = ultimaColonna, ultimaColonnaUsata = 0;
    int numero = 0;
    for (const RigaFoglio& r : foglio.righe()) {
        ++numero;
        if (r.celle.empty())
            continue;
        primaRiga = primaRiga ? primaRiga : numero;
        ultimaRigaUsata = numero;
        primaColonna = std::min<int>(primaColonna, r.celle.front().colonna);
        ultimaColonnaUsata = std::max<int>(ultimaColonnaUsata, r.celle.back().colonna);
    }
    const QString ref = primaRiga == 0 ? QStringLiteral("A1")
                                       : QStringLiteral("%1%2:%3%4")
                                             .arg(lettereColonna(primaColonna))
                                             .arg(primaRiga)
                                             .arg(lettereColonna(ultimaColonnaUsata))
                                             .arg(ultimaRigaUsata);
    dimensione.remove_attribute("ref");
    dimensione.append_attribute("ref") = ref.toUtf8().constData();
}

// Drops the calculation chain with its relationship and content type: Excel rebuilds it,
// and it would name formulas the saved sheet no longer has.
void togliCatenaCalcoli(PartiXlsx& parti)
{
    if (parti.parteCalcoli.isEmpty())
        return;
    parti.archivio.togli(parti.parteCalcoli);
    const auto togliNodi = [&](const QString& parte, const char* attributo, const QString& valore) {
        const QByteArray xml = parti.archivio.parte(parte);
        if (xml.isNull())
            return;
        pugi::xml_document doc;
        caricaParte(doc, xml, "dell'archivio");
        for (pugi::xml_node n = doc.document_element().first_child(); n;) {
            const pugi::xml_node dopo = n.next_sibling();
            if (QString::fromUtf8(n.attribute(attributo).value()).endsWith(valore))
                doc.document_element().remove_child(n);
            n = dopo;
        }
        parti.archivio.poni(parte, testoXml(doc));
    };
    togliNodi(parti.relazioniLibro, "Type", QStringLiteral("/calcChain"));
    togliNodi(QStringLiteral("[Content_Types].xml"), "PartName", QLatin1Char('/') + parti.parteCalcoli);
    parti.parteCalcoli.clear();
}

} // namespace

void scriviXlsx(PartiXlsx& parti, const Stili& stili, const Foglio& foglio, const QString& percorso)
{
    if (stili.modificati())
        parti.archivio.poni(parti.parteStili, stili.xmlAggiornato(parti.archivio.parte(parti.parteStili)));
    togliCatenaCalcoli(parti);

    // The skeleton is written as a tree; the rows go in a marker's place in sheetData, one
    // after the other.
    pugi::xml_document scheletro;
    caricaParte(scheletro, parti.scheletro, "del foglio");
    const pugi::xml_node worksheet = scheletro.document_element();
    pugi::xml_node sheetData = figlio(worksheet, "sheetData");
    if (!sheetData)
        throw ErroreExcel(QStringLiteral("il foglio non ha celle"));
    while (sheetData.first_child())
        sheetData.remove_child(sheetData.first_child());
    static constexpr char segnapostoRighe[] = "corvext-righe";
    sheetData.append_child(pugi::node_comment).set_value(segnapostoRighe);
    aggiornaColonne(worksheet, sheetData, foglio, parti.prefisso);
    aggiornaDimensione(worksheet, foglio);
    const QByteArray testo = testoXml(scheletro);
    const QByteArray segno = QByteArray("<!--") + segnapostoRighe + "-->";
    const qsizetype dove = testo.indexOf(segno);

    std::string xml;
    xml.reserve(size_t(testo.size()) + foglio.righe().size() * 64);
    xml.append(testo.constData(), size_t(dove));
    scriviRighe(xml, foglio, parti.prefisso.toStdString());
    xml.append(testo.constData() + dove + segno.size(), size_t(testo.size() - dove - segno.size()));
    parti.archivio.poni(parti.parteFoglio, QByteArray(xml.data(), qsizetype(xml.size())));
    parti.archivio.scrivi(percorso);
}
