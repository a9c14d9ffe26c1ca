#include "platform/excel/contenuto_libro.h"
#include "platform/excel/errore_excel.h"
#include "platform/excel/lettura_foglio.h"
#include "platform/excel/xml_parti.h"
#include <QStringList>
#include <cstring>
#include <map>

namespace {

struct Relazione {
    QString tipo; // the last segment of the relationship type: "worksheet", "styles"...
    QString parte;
};

// The folder of a part ("xl/" for "xl/workbook.xml").
QString cartellaDi(const QString& parte)
{
    return parte.left(parte.lastIndexOf(QLatin1Char('/')) + 1);
}

// The relationships part of a part: "xl/_rels/workbook.xml.rels" for "xl/workbook.xml".
QString relazioniDi(const QString& parte)
{
    return cartellaDi(parte) + QStringLiteral("_rels/") + parte.mid(parte.lastIndexOf(QLatin1Char('/')) + 1)
           + QStringLiteral(".rels");
}

// A relationship's target as a part name: relative to the source's folder, or absolute.
QString risolvi(const QString& cartella, const QString& destinazione)
{
    QStringList pezzi;
    const QString percorso = destinazione.startsWith(QLatin1Char('/')) ? destinazione : cartella + destinazione;
    for (const QString& pezzo : percorso.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (pezzo == QLatin1String(".."))
            pezzi.isEmpty() ? void() : pezzi.removeLast();
        else if (pezzo != QLatin1String("."))
            pezzi.append(pezzo);
    }
    return pezzi.join(QLatin1Char('/'));
}

std::map<QString, Relazione> leggiRelazioni(const ArchivioZip& archivio, const QString& parte)
{
    std::map<QString, Relazione> relazioni;
    const QByteArray xml = archivio.parte(relazioniDi(parte));
    if (xml.isNull())
        return relazioni;
    pugi::xml_document doc;
    caricaParte(doc, xml, "delle relazioni");
    for (pugi::xml_node r : doc.document_element().children()) {
        if (std::strcmp(nomeLocale(r), "Relationship") != 0 || r.attribute("TargetMode").value() == std::string("External"))
            continue;
        const QString tipo = QString::fromUtf8(r.attribute("Type").value());
        relazioni[QString::fromUtf8(r.attribute("Id").value())] = {
            tipo.mid(tipo.lastIndexOf(QLatin1Char('/')) + 1),
            risolvi(cartellaDi(parte), QString::fromUtf8(r.attribute("Target").value()))};
    }
    return relazioni;
}

QString parteDelTipo(const std::map<QString, Relazione>& relazioni, const char* tipo)
{
    for (const auto& [id, r] : relazioni)
        if (r.tipo == QLatin1String(tipo))
            return r.parte;
    return {};
}

bool vero(pugi::xml_attribute a)
{
    return a.value() == std::string("1") || a.value() == std::string("true");
}

void leggiColonne(pugi::xml_node cols, Foglio& foglio)
{
    for (pugi::xml_node col : cols.children()) {
        if (std::strcmp(nomeLocale(col), "col") != 0)
            continue;
        const int primo = col.attribute("min").as_int(0);
        const int ultimo = col.attribute("max").as_int(0);
        if (primo < 1 || ultimo < primo || ultimo > ultimaColonna)
            throw ErroreExcel(QStringLiteral("le colonne del foglio non sono valide"));
        for (int c = primo; c <= ultimo; ++c) {
            ColonnaFoglio& colonna = foglio.colonna(c);
            colonna.larghezza = col.attribute("width").as_double(0);
            colonna.stile = col.attribute("style") ? col.attribute("style").as_llong(0) : -1;
            std::vector<std::pair<std::string, std::string>> attributi;
            for (pugi::xml_attribute a : col.attributes())
                attributi.emplace_back(a.name(), a.value());
            colonna.attributi = altriAttributi(attributi, {"min", "max", "width", "style", "customWidth", "bestFit"});
        }
    }
}

} // namespace

ContenutoLibro leggiXlsx(const QString& percorso)
{
    ContenutoLibro libro;
    libro.parti = std::make_unique<PartiXlsx>();
    PartiXlsx& parti = *libro.parti;
    parti.archivio = ArchivioZip::leggi(percorso);

    QString parteLibro = parteDelTipo(leggiRelazioni(parti.archivio, QString()), "officeDocument");
    if (parteLibro.isEmpty())
        parteLibro = QStringLiteral("xl/workbook.xml");
    const QByteArray xmlLibro = parti.archivio.parte(parteLibro);
    if (xmlLibro.isNull())
        throw ErroreExcel(QStringLiteral("manca la cartella di lavoro (%1)").arg(parteLibro));
    pugi::xml_document libroXml;
    caricaParte(libroXml, xmlLibro, "della cartella di lavoro");
    const pugi::xml_node radice = libroXml.document_element();
    const bool sistema1904 = vero(figlio(radice, "workbookPr").attribute("date1904"));

    std::vector<pugi::xml_node> fogli;
    for (pugi::xml_node s : figlio(radice, "sheets").children())
        if (std::strcmp(nomeLocale(s), "sheet") == 0)
            fogli.push_back(s);
    if (fogli.empty())
        throw ErroreExcel(QStringLiteral("la cartella di lavoro non ha fogli"));
    // The sheet that was active when the workbook was saved; the first one when none is named.
    const long long attivo = figlio(figlio(radice, "bookViews"), "workbookView").attribute("activeTab").as_llong(0);
    const pugi::xml_node foglioXml = fogli[attivo >= 0 && size_t(attivo) < fogli.size() ? size_t(attivo) : 0];
    const QString nomeFoglio = QString::fromUtf8(foglioXml.attribute("name").value());

    const std::map<QString, Relazione> relazioni = leggiRelazioni(parti.archivio, parteLibro);
    QString id;
    for (pugi::xml_attribute a : foglioXml.attributes())
        if (std::strcmp(a.name(), "id") == 0 || QByteArray(a.name()).endsWith(":id"))
            id = QString::fromUtf8(a.value());
    const auto relazione = relazioni.find(id);
    if (relazione == relazioni.end() || !parti.archivio.contiene(relazione->second.parte))
        throw ErroreExcel(QStringLiteral("manca il foglio \"%1\"").arg(nomeFoglio));
    if (relazione->second.tipo != QLatin1String("worksheet"))
        throw ErroreExcel(QStringLiteral("il foglio attivo \"%1\" non è un foglio di lavoro").arg(nomeFoglio));
    parti.parteFoglio = relazione->second.parte;

    parti.relazioniLibro = relazioniDi(parteLibro);
    parti.parteStili = parteDelTipo(relazioni, "styles");
    parti.parteCalcoli = parteDelTipo(relazioni, "calcChain");
    const QByteArray xmlStili = parti.archivio.parte(parti.parteStili);
    libro.stili = xmlStili.isNull() ? std::make_unique<Stili>() : std::make_unique<Stili>(xmlStili);
    libro.foglio = std::make_unique<Foglio>(*libro.stili, sistema1904);

    // The shared strings and the rows are read as streams, straight into the sheet.
    std::vector<quint32> stringhe;
    if (const auto flusso = parti.archivio.flusso(parteDelTipo(relazioni, "sharedStrings")))
        stringhe = leggiStringheCondivise(*flusso, libro.foglio->testi());
    const QByteArray resto = leggiRigheFoglio(*parti.archivio.flusso(parti.parteFoglio), *libro.foglio, stringhe);

    // The skeleton: the sheet part without its rows, a marker in their place.
    caricaParte(parti.scheletro, resto, "del foglio");
    const pugi::xml_node worksheet = parti.scheletro.document_element();
    pugi::xml_node sheetData = figlio(worksheet, "sheetData");
    if (!sheetData)
        throw ErroreExcel(QStringLiteral("il foglio \"%1\" non ha celle").arg(nomeFoglio));
    const char* nome = sheetData.name();
    parti.prefisso = QString::fromUtf8(nome, qsizetype(nomeLocale(sheetData) - nome));
    leggiColonne(figlio(worksheet, "cols"), *libro.foglio);
    while (sheetData.first_child())
        sheetData.remove_child(sheetData.first_child());
    sheetData.append_child(pugi::node_comment).set_value(segnapostoRighe);
    return libro;
}
