#include "platform/excel/archivio_zip.h"
#include "platform/excel/errore_excel.h"
#include "platform/excel/lettore_xml.h"
#include "platform/excel/lettura_foglio.h"
#include "platform/excel/lettura_libro.h"
#include "platform/excel/limiti_libro.h"
#include "platform/excel/protocollo_lettura.h"
#include <QStringList>
#include <charconv>
#include <map>
#include <vector>

// An .xlsx read as streams, every part with the same XML reader; what it holds is sent on.

namespace {

using Evento = LettoreXml::Evento;

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

QString testo(const std::string_view* valore)
{
    return valore ? QString::fromUtf8(valore->data(), qsizetype(valore->size())) : QString();
}

bool vero(const std::string_view* valore)
{
    return valore && (*valore == "1" || *valore == "true");
}

long long intero(const std::string_view* valore, long long altrimenti)
{
    long long n = altrimenti;
    if (valore)
        std::from_chars(valore->data(), valore->data() + valore->size(), n);
    return n;
}

// Calls leggi at each element start of a part, with the reader on it; false when there is no such part.
template <typename Lettura>
bool perElementi(const ArchivioZip& archivio, const QString& parte, const char* nomeParte, Lettura&& leggi)
{
    const std::unique_ptr<FlussoZip> flusso = archivio.flusso(parte);
    if (!flusso)
        return false;
    LettoreXml xml(*flusso, nomeParte);
    for (Evento e; (e = xml.prossimo()) != Evento::FineDocumento;)
        if (e == Evento::Inizio)
            leggi(xml);
    return true;
}

std::map<QString, Relazione> leggiRelazioni(const ArchivioZip& archivio, const QString& parte, ContoLibro& conto)
{
    std::map<QString, Relazione> relazioni;
    ElencoContato elenco(conto, "relazioni di una parte", costoVoceTesti);
    perElementi(archivio, relazioniDi(parte), "delle relazioni", [&](LettoreXml& xml) {
        if (xml.profondita() != 2 || xml.nome() != "Relationship" || testo(xml.attributo("TargetMode")) == QLatin1String("External"))
            return;
        const QString id = testo(xml.attributo("Id")), tipo = testo(xml.attributo("Type"));
        Relazione r{tipo.mid(tipo.lastIndexOf(QLatin1Char('/')) + 1), risolvi(cartellaDi(parte), testo(xml.attributo("Target")))};
        elenco.voce(byteTesto(id) + byteTesto(r.tipo) + byteTesto(r.parte));
        relazioni[id] = std::move(r);
    });
    return relazioni;
}

QString parteDelTipo(const std::map<QString, Relazione>& relazioni, const char* tipo)
{
    for (const auto& [id, r] : relazioni)
        if (r.tipo == QLatin1String(tipo))
            return r.parte;
    return {};
}

struct FoglioDelLibro {
    QString nome, id;
};

// The styles part: the number format of each cell format, and the workbook's number formats.
void leggiStili(const ArchivioZip& archivio, const QString& parte, UscitaLettura& uscita, ContoLibro& conto)
{
    // Sent on as they are read: only their entries are counted here.
    ElencoContato formati(conto, "formati di numero", 0), celle(conto, "formati di cella", 0);
    bool formatiCelle = false; // the first cellXfs only
    perElementi(archivio, parte, "degli stili", [&](LettoreXml& xml) {
        if (xml.profondita() == 3 && xml.nome() == "numFmt") {
            formati.voce();
            const std::string_view* codice = xml.attributo("formatCode");
            uscita.formatoNumero(int32_t(intero(xml.attributo("numFmtId"), -1)), codice ? *codice : std::string_view());
        } else if (xml.profondita() == 2 && xml.nome() == "cellXfs" && !formatiCelle) {
            formatiCelle = true;
            // Only these are the cells' formats (cellStyleXfs holds xf elements too).
            for (Evento e; (e = xml.prossimo()) != Evento::Fine;) {
                if (e != Evento::Inizio)
                    continue;
                if (xml.nome() == "xf") {
                    celle.voce();
                    uscita.stile(int32_t(intero(xml.attributo("numFmtId"), 0)));
                }
                xml.salta();
            }
        }
    });
}

} // namespace

void leggiXlsx(const QString& percorso, UscitaLettura& uscita)
{
    ContoLibro conto(massimoMemoriaLettura);
    const ArchivioZip archivio = ArchivioZip::leggi(percorso, conto);

    QString parteLibro = parteDelTipo(leggiRelazioni(archivio, QString(), conto), "officeDocument");
    if (parteLibro.isEmpty())
        parteLibro = QStringLiteral("xl/workbook.xml");
    bool sistema1904 = false;
    std::vector<FoglioDelLibro> fogli;
    long long attivo = -1; // from the first workbook view
    ElencoContato elencoFogli(conto, "fogli", costoVoceTesti);
    const bool trovato = perElementi(archivio, parteLibro, "della cartella di lavoro", [&](LettoreXml& xml) {
        if (xml.profondita() == 2 && xml.nome() == "workbookPr") {
            sistema1904 = vero(xml.attributo("date1904"));
        } else if (xml.profondita() == 3 && xml.nome() == "workbookView" && attivo < 0) {
            attivo = intero(xml.attributo("activeTab"), 0);
        } else if (xml.profondita() == 3 && xml.nome() == "sheet") {
            const std::string_view* nome = xml.attributo("name");
            if (nome && caratteriUtf16(QByteArrayView(nome->data(), qsizetype(nome->size()))) > massimoCaratteriNomeFoglio)
                throw superaLimite(massimoCaratteriNomeFoglio, "caratteri", "nome di un foglio");
            FoglioDelLibro foglio{testo(nome), {}};
            for (const auto& [attributo, valore] : xml.attributi())
                if (attributo == "id" || attributo.ends_with(":id"))
                    foglio.id = QString::fromUtf8(valore.data(), qsizetype(valore.size()));
            elencoFogli.voce(byteTesto(foglio.nome) + byteTesto(foglio.id));
            fogli.push_back(std::move(foglio));
        }
    });
    if (!trovato)
        throw ErroreExcel(QStringLiteral("manca la cartella di lavoro (%1)").arg(parteLibro));
    if (fogli.empty())
        throw ErroreExcel(QStringLiteral("la cartella di lavoro non ha fogli"));
    // The sheet that was active when the workbook was saved; the first one when none is named.
    const FoglioDelLibro& foglio = fogli[attivo >= 0 && size_t(attivo) < fogli.size() ? size_t(attivo) : 0];

    const std::map<QString, Relazione> relazioni = leggiRelazioni(archivio, parteLibro, conto);
    const auto relazione = relazioni.find(foglio.id);
    if (relazione == relazioni.end() || !archivio.contiene(relazione->second.parte))
        throw ErroreExcel(QStringLiteral("manca il foglio \"%1\"").arg(foglio.nome));
    if (relazione->second.tipo != QLatin1String("worksheet"))
        throw ErroreExcel(QStringLiteral("il foglio attivo \"%1\" non è un foglio di lavoro").arg(foglio.nome));

    PartiLette parti;
    parti.parteFoglio = relazione->second.parte.toStdString();
    parti.relazioniLibro = relazioniDi(parteLibro).toStdString();
    parti.parteStili = parteDelTipo(relazioni, "styles").toStdString();
    parti.parteCalcoli = parteDelTipo(relazioni, "calcChain").toStdString();
    leggiStili(archivio, QString::fromStdString(parti.parteStili), uscita, conto);
    uscita.libro(sistema1904);

    // The shared strings and the rows are sent on as they are read.
    StringheCondivise stringhe;
    if (const auto flusso = archivio.flusso(parteDelTipo(relazioni, "sharedStrings")))
        stringhe = leggiStringheCondivise(*flusso, uscita);
    parti.resto = leggiRigheFoglio(*archivio.flusso(relazione->second.parte), uscita, stringhe, parti.prefisso, conto);
    uscita.parti(parti);
}
