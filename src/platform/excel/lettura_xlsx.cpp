#include "platform/excel/contenuto_libro.h"
#include "platform/excel/errore_excel.h"
#include "platform/excel/testo_xml.h"
#include "platform/excel/xml_parti.h"
#include <QStringList>
#include <charconv>
#include <cmath>
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

// The text of a string item: its own <t>, or the <t> of each run; phonetic runs are left out.
QString testoStringa(pugi::xml_node si)
{
    QString testo;
    for (pugi::xml_node n : si.children()) {
        const char* nome = nomeLocale(n);
        if (std::strcmp(nome, "t") == 0)
            testo += decodificaTesto(n.text().get());
        else if (std::strcmp(nome, "r") == 0)
            testo += decodificaTesto(figlio(n, "t").text().get());
    }
    return testo;
}

std::vector<QString> leggiStringhe(const QByteArray& xml)
{
    std::vector<QString> stringhe;
    if (xml.isNull())
        return stringhe;
    pugi::xml_document doc;
    caricaParte(doc, xml, "delle stringhe condivise", true);
    for (pugi::xml_node si : doc.document_element().children())
        if (std::strcmp(nomeLocale(si), "si") == 0)
            stringhe.push_back(testoStringa(si));
    return stringhe;
}

bool vero(pugi::xml_attribute a)
{
    return a.value() == std::string("1") || a.value() == std::string("true");
}

[[noreturn]] void cellaNonValida(int riga, int colonna, const char* motivo)
{
    throw ErroreExcel(QStringLiteral("la cella %1%2 non è valida (%3)")
                          .arg(lettereColonna(colonna))
                          .arg(riga)
                          .arg(QString::fromUtf8(motivo)));
}

Cella leggiCella(pugi::xml_node c, int riga, int colonna, const std::vector<QString>& stringhe)
{
    Cella cella;
    cella.colonna = quint16(colonna);
    const long long stile = c.attribute("s").as_llong(0);
    if (stile < 0 || stile > 0xFFFFFF)
        cellaNonValida(riga, colonna, "formato");
    cella.stile = quint32(stile);
    const std::string tipo = c.attribute("t").value();
    const char* v = figlio(c, "v").text().get();
    if (tipo == "inlineStr") {
        cella.valore = testoStringa(figlio(c, "is"));
    } else if (tipo == "s") {
        if (!*v)
            return cella;
        char* fine = nullptr;
        const unsigned long long indice = std::strtoull(v, &fine, 10);
        if (*fine || indice >= stringhe.size())
            cellaNonValida(riga, colonna, "stringa condivisa inesistente");
        cella.valore = stringhe[indice];
    } else if (tipo == "str") {
        cella.valore = decodificaTesto(v);
    } else if (tipo == "b") {
        cella.tipo = TipoCella::Booleano;
        cella.valore = QString::fromLatin1(v).trimmed() == QLatin1String("1") ? QStringLiteral("1") : QStringLiteral("0");
    } else if (tipo == "e") {
        cella.tipo = TipoCella::Errore;
        cella.valore = QString::fromUtf8(v);
    } else if (tipo == "d") {
        cella.tipo = TipoCella::DataIso;
        cella.valore = QString::fromUtf8(v);
    } else if (tipo.empty() || tipo == "n") {
        if (!*v)
            return cella; // a cell with a format only
        const char* fine = v + std::strlen(v);
        double numero = 0;
        const auto esito = std::from_chars(v, fine, numero);
        if (esito.ec != std::errc() || esito.ptr != fine || !std::isfinite(numero))
            cellaNonValida(riga, colonna, "numero");
        cella.tipo = TipoCella::Numero;
        cella.valore = QString::fromLatin1(v);
    } else {
        cellaNonValida(riga, colonna, "tipo sconosciuto");
    }
    return cella;
}

// Other attributes of a row or column, as written, for the writer to put back.
QByteArray altriAttributi(pugi::xml_node n, std::initializer_list<const char*> esclusi)
{
    QByteArray testo;
    for (pugi::xml_attribute a : n.attributes()) {
        bool escluso = false;
        for (const char* e : esclusi)
            escluso = escluso || std::strcmp(a.name(), e) == 0;
        if (escluso)
            continue;
        testo += ' ';
        testo += a.name();
        testo += "=\"";
        for (const char* p = a.value(); *p; ++p) {
            if (*p == '&')
                testo += "&amp;";
            else if (*p == '<')
                testo += "&lt;";
            else if (*p == '"')
                testo += "&quot;";
            else if (static_cast<unsigned char>(*p) < 0x20)
                testo += "&#" + QByteArray::number(int(*p)) + ';';
            else
                testo += *p;
        }
        testo += '"';
    }
    return testo;
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
            colonna.attributi = altriAttributi(col, {"min", "max", "width", "style", "customWidth", "bestFit"});
        }
    }
}

void leggiRighe(pugi::xml_node sheetData, Foglio& foglio, const std::vector<QString>& stringhe)
{
    int numeroRiga = 0;
    for (pugi::xml_node row : sheetData.children()) {
        if (std::strcmp(nomeLocale(row), "row") != 0)
            continue;
        const int r = row.attribute("r") ? row.attribute("r").as_int(0) : numeroRiga + 1;
        if (r <= numeroRiga || r > ultimaRiga)
            throw ErroreExcel(QStringLiteral("le righe del foglio non sono in ordine o non sono valide"));
        numeroRiga = r;
        RigaFoglio& riga = foglio.riga(r);
        riga.stile = vero(row.attribute("customFormat")) ? row.attribute("s").as_llong(0) : -1;
        riga.attributi = altriAttributi(row, {"r", "spans", "s", "customFormat"});
        int colonna = 0;
        for (pugi::xml_node c : row.children()) {
            if (std::strcmp(nomeLocale(c), "c") != 0)
                continue;
            IndirizzoCella dove{r, colonna + 1};
            if (pugi::xml_attribute indirizzo = c.attribute("r"))
                if (!leggiIndirizzo(indirizzo.value(), dove) || dove.riga != r)
                    throw ErroreExcel(QStringLiteral("la riga %1 ha una cella dall'indirizzo non valido").arg(r));
            if (dove.colonna <= colonna || dove.colonna > ultimaColonna)
                throw ErroreExcel(QStringLiteral("le celle della riga %1 non sono in ordine").arg(r));
            colonna = dove.colonna;
            foglio.poni(r, leggiCella(c, r, colonna, stringhe));
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
    if (relazione == relazioni.end() || parti.archivio.parte(relazione->second.parte).isNull())
        throw ErroreExcel(QStringLiteral("manca il foglio \"%1\"").arg(nomeFoglio));
    if (relazione->second.tipo != QLatin1String("worksheet"))
        throw ErroreExcel(QStringLiteral("il foglio attivo \"%1\" non è un foglio di lavoro").arg(nomeFoglio));
    parti.parteFoglio = relazione->second.parte;

    parti.relazioniLibro = relazioniDi(parteLibro);
    parti.parteStili = parteDelTipo(relazioni, "styles");
    parti.parteCalcoli = parteDelTipo(relazioni, "calcChain");
    const QByteArray xmlStili = parti.archivio.parte(parti.parteStili);
    libro.stili = xmlStili.isNull() ? std::make_unique<Stili>() : std::make_unique<Stili>(xmlStili);
    const std::vector<QString> stringhe = leggiStringhe(parti.archivio.parte(parteDelTipo(relazioni, "sharedStrings")));

    libro.foglio = std::make_unique<Foglio>(*libro.stili, sistema1904);
    caricaParte(parti.scheletro, parti.archivio.parte(parti.parteFoglio), "del foglio", true);
    const pugi::xml_node worksheet = parti.scheletro.document_element();
    pugi::xml_node sheetData = figlio(worksheet, "sheetData");
    if (!sheetData)
        throw ErroreExcel(QStringLiteral("il foglio \"%1\" non ha celle").arg(nomeFoglio));
    const char* nome = sheetData.name();
    parti.prefisso = QString::fromUtf8(nome, qsizetype(nomeLocale(sheetData) - nome));
    leggiColonne(figlio(worksheet, "cols"), *libro.foglio);
    leggiRighe(sheetData, *libro.foglio, stringhe);

    // The rows now live in the sheet; the skeleton keeps a marker in their place.
    while (sheetData.first_child())
        sheetData.remove_child(sheetData.first_child());
    sheetData.append_child(pugi::node_comment).set_value(segnapostoRighe);
    return libro;
}
