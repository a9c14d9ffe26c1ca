#include "platform/excel/contenuto_libro.h"
#include "platform/excel/errore_excel.h"
#include "platform/excel/limiti_libro.h"
#include "platform/excel/testo_xml.h"
#include "platform/excel/xml_parti.h"
#include <charconv>
#include <cstring>

namespace {

// The room the rows' XML will take, about: the texts and what each cell and row adds.
qsizetype stimaRighe(const Foglio& foglio, size_t perCella)
{
    qsizetype celle = 0;
    for (const RigaFoglio& r : foglio.righe())
        celle += qsizetype(r.celle.size());
    return foglio.testi().byte() + celle * qsizetype(perCella) + qsizetype(foglio.righe().size()) * 32;
}

// The rows of the sheet, one after the other, as sheetData's content.
void scriviRighe(QByteArray& xml, const Foglio& foglio, const std::string& prefisso)
{
    // The tags, and each column's "<c r=\"AB" when first met.
    const std::string riga = '<' + prefisso + "row r=\"", apreCella = '<' + prefisso + "c r=\"",
                      apreTesto = " t=\"inlineStr\"><" + prefisso + "is><" + prefisso + 't',
                      chiudeTesto = "</" + prefisso + "t></" + prefisso + "is></" + prefisso + "c>",
                      apreValore = "><" + prefisso + "v>", chiudeValore = "</" + prefisso + "v></" + prefisso + "c>",
                      chiudeRiga = "</" + prefisso + "row>";
    std::vector<std::string> aperture(ultimaColonna + 1);
    UscitaXml uscita(xml, stimaRighe(foglio, apreCella.size() + apreTesto.size() + chiudeTesto.size() + 24));
    char numeroRiga[16];
    int numero = 0;
    for (const RigaFoglio& r : foglio.righe()) {
        ++numero;
        const QByteArrayView attributi = foglio.testi().testo(r.attributi);
        if (r.celle.empty() && r.stile < 0 && attributi.isEmpty())
            continue;
        const std::string_view cifre(numeroRiga, size_t(std::to_chars(numeroRiga, numeroRiga + sizeof numeroRiga, numero).ptr - numeroRiga));
        uscita.aggiungi(riga);
        uscita.aggiungi(cifre);
        uscita.aggiungi('"');
        if (r.stile >= 0) {
            uscita.aggiungi(" s=\"");
            uscita.aggiungiNumero(r.stile);
            uscita.aggiungi("\" customFormat=\"1\"");
        }
        uscita.aggiungi(std::string_view(attributi.data(), size_t(attributi.size())));
        uscita.aggiungi('>');
        for (const Cella& cella : r.celle) {
            std::string& apertura = aperture[cella.colonna];
            if (apertura.empty())
                apertura = apreCella + lettereColonna(cella.colonna).toStdString();
            uscita.aggiungi(apertura);
            uscita.aggiungi(cifre);
            uscita.aggiungi('"');
            if (cella.stile != 0) {
                uscita.aggiungi(" s=\"");
                uscita.aggiungiNumero(cella.stile);
                uscita.aggiungi('"');
            }
            const QByteArrayView valore = foglio.grezzo(cella);
            const std::string_view testo(valore.data(), size_t(valore.size()));
            if (cella.tipo == TipoCella::Testo) {
                if (testo.empty()) {
                    uscita.aggiungi("/>");
                    continue;
                }
                uscita.aggiungi(apreTesto);
                const auto bianco = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
                uscita.aggiungi(bianco(testo.front()) || bianco(testo.back()) ? " xml:space=\"preserve\">" : ">");
                uscita.aggiungiTesto(testo);
                uscita.aggiungi(chiudeTesto);
            } else {
                static constexpr const char* tipi[] = {"", "", " t=\"b\"", " t=\"e\"", " t=\"d\""};
                uscita.aggiungi(tipi[int(cella.tipo)]);
                uscita.aggiungi(apreValore);
                uscita.aggiungiTesto(testo);
                uscita.aggiungi(chiudeValore);
            }
        }
        uscita.aggiungi(chiudeRiga);
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
    parti.archivio->togli(parti.parteCalcoli);
    const auto togliNodi = [&](const QString& parte, const char* attributo, const QString& valore) {
        const QByteArray xml = parti.archivio->parte(parte);
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
        parti.archivio->poni(parte, testoXml(doc));
    };
    togliNodi(parti.relazioniLibro, "Type", QStringLiteral("/calcChain"));
    togliNodi(QStringLiteral("[Content_Types].xml"), "PartName", QLatin1Char('/') + parti.parteCalcoli);
    parti.parteCalcoli.clear();
}

} // namespace

void scriviXlsx(PartiXlsx& parti, const Stili& stili, const Foglio& foglio, const QString& percorso)
{
    if (!parti.archivio) {
        // The file written back (the template copied, or one of ours): its parts' names
        // counted as a read file's are.
        ContoLibro conto(massimoMemoriaLibro);
        parti.archivio = ArchivioZip::leggi(percorso, conto);
    }
    if (stili.modificati())
        parti.archivio->poni(parti.parteStili, stili.xmlAggiornato(parti.archivio->parte(parti.parteStili)));
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

    QByteArray xml = testo.first(dove);
    scriviRighe(xml, foglio, parti.prefisso.toStdString());
    xml.append(testo.sliced(dove + segno.size()));
    parti.archivio->poni(parti.parteFoglio, std::move(xml));
    parti.archivio->scrivi(percorso);
}
