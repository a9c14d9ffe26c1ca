#include "platform/report/definizione_report.h"
#include "platform/report/errori_report.h"
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QString DefinizioneReport::sql(const QString& condizione) const
{
    QString s = QStringLiteral("SELECT ") + seleziona + QStringLiteral(" FROM ") + da;
    if (!condizione.isEmpty())
        s += QStringLiteral(" WHERE (") + condizione + u')';
    if (!ordina.isEmpty())
        s += QStringLiteral(" ORDER BY ") + ordina;
    return s;
}

QStringList DefinizioneReport::campiUsati() const
{
    QStringList campi = griglia.campi;
    for (const Gruppo& g : gruppi)
        campi.append(g.campo);
    for (const Colonna& c : colonne)
        campi.append(c.campo);
    return campi;
}

namespace {

class Lettura {
public:
    explicit Lettura(const QString& file) : file(file) {}

    [[noreturn]] void errore(const QString& motivo) const
    {
        erroreReport(erroreFileReport, QStringLiteral("File di report non leggibile: %1 (%2)").arg(file, motivo));
    }

    QJsonValue valore(const QJsonObject& o, const QString& chiave) const
    {
        const QJsonValue v = o.value(chiave);
        if (v.isUndefined())
            errore(QStringLiteral("manca \"%1\"").arg(chiave));
        return v;
    }

    QJsonObject oggetto(const QJsonObject& o, const QString& chiave) const
    {
        const QJsonValue v = valore(o, chiave);
        if (!v.isObject())
            errore(QStringLiteral("\"%1\" non è un oggetto").arg(chiave));
        return v.toObject();
    }

    QJsonArray elenco(const QJsonObject& o, const QString& chiave) const
    {
        const QJsonValue v = valore(o, chiave);
        if (!v.isArray())
            errore(QStringLiteral("\"%1\" non è un elenco").arg(chiave));
        return v.toArray();
    }

    QString testo(const QJsonObject& o, const QString& chiave) const
    {
        const QJsonValue v = valore(o, chiave);
        if (!v.isString())
            errore(QStringLiteral("\"%1\" non è un testo").arg(chiave));
        return v.toString();
    }

    QStringList testi(const QJsonObject& o, const QString& chiave) const
    {
        QStringList t;
        for (const QJsonValue& v : elenco(o, chiave)) {
            if (!v.isString())
                errore(QStringLiteral("\"%1\" contiene un valore che non è un testo").arg(chiave));
            t.append(v.toString());
        }
        return t;
    }

    // SQL text: one string, or a list of lines.
    QString sql(const QJsonObject& o, const QString& chiave) const
    {
        return valore(o, chiave).isArray() ? testi(o, chiave).join(u'\n') : testo(o, chiave);
    }

    // Sizes and counts: a number not below the minimum.
    double numero(const QJsonObject& o, const QString& chiave, double minimo) const
    {
        const QJsonValue v = valore(o, chiave);
        if (!v.isDouble() || v.toDouble() < minimo)
            errore(QStringLiteral("\"%1\" non è un numero valido").arg(chiave));
        return v.toDouble();
    }

    QRectF rettangolo(const QJsonObject& o, const QString& chiave) const
    {
        const QJsonObject r = oggetto(o, chiave);
        return {numero(r, QStringLiteral("x"), 0), numero(r, QStringLiteral("y"), 0),
                numero(r, QStringLiteral("larghezza"), 1), numero(r, QStringLiteral("altezza"), 1)};
    }

    QPageLayout pagina(const QJsonObject& o) const
    {
        const QString formato = testo(o, QStringLiteral("formato"));
        QPageSize::PageSizeId id;
        if (formato == QStringLiteral("A4"))
            id = QPageSize::A4;
        else if (formato == QStringLiteral("DL"))
            id = QPageSize::EnvelopeDL;
        else
            errore(QStringLiteral("formato \"%1\" sconosciuto").arg(formato));
        const QString orientamento = testo(o, QStringLiteral("orientamento"));
        if (orientamento != QStringLiteral("verticale") && orientamento != QStringLiteral("orizzontale"))
            errore(QStringLiteral("orientamento \"%1\" sconosciuto").arg(orientamento));
        const QJsonObject m = oggetto(o, QStringLiteral("margini"));
        const QMarginsF margini(numero(m, QStringLiteral("sinistro"), 0), numero(m, QStringLiteral("superiore"), 0),
                                numero(m, QStringLiteral("destro"), 0), numero(m, QStringLiteral("inferiore"), 0));
        return QPageLayout(QPageSize(id),
                           orientamento == QStringLiteral("verticale") ? QPageLayout::Portrait : QPageLayout::Landscape,
                           margini, QPageLayout::Millimeter);
    }

    void elencoColonne(const QJsonObject& layout, DefinizioneReport& d) const
    {
        for (const QJsonValue& v : elenco(layout, QStringLiteral("colonne"))) {
            const QJsonObject c = v.toObject();
            d.colonne.append({testo(c, QStringLiteral("titolo")), testo(c, QStringLiteral("campo")),
                              numero(c, QStringLiteral("larghezza"), 1)});
        }
        if (d.colonne.isEmpty())
            errore(QStringLiteral("l'elenco non ha colonne"));
        if (!layout.contains(QStringLiteral("gruppi")))
            return;
        for (const QJsonValue& v : elenco(layout, QStringLiteral("gruppi"))) {
            const QJsonObject g = v.toObject();
            d.gruppi.append({testo(g, QStringLiteral("campo")), testo(g, QStringLiteral("etichetta")),
                             g.value(QStringLiteral("nuovaPagina")).toBool()});
        }
    }

    void etichette(const QJsonObject& layout, DefinizioneReport& d) const
    {
        const QJsonObject e = oggetto(layout, QStringLiteral("etichetta"));
        d.griglia.cella = {numero(e, QStringLiteral("larghezza"), 1), numero(e, QStringLiteral("altezza"), 1)};
        d.griglia.colonne = int(numero(e, QStringLiteral("colonne"), 1));
        d.griglia.righe = int(numero(e, QStringLiteral("righe"), 1));
    }

    // One envelope per page: the cell is the whole page inside the margins.
    static void busta(DefinizioneReport& d)
    {
        d.griglia.cella = d.pagina.paintRect(QPageLayout::Millimeter).size();
        d.griglia.colonne = 1;
        d.griglia.righe = 1;
    }

    DefinizioneReport definizione(const QJsonObject& radice) const
    {
        DefinizioneReport d;
        d.titolo = testo(radice, QStringLiteral("titolo"));
        const QJsonObject q = oggetto(radice, QStringLiteral("query"));
        d.tabelle = testi(q, QStringLiteral("tabelle"));
        d.seleziona = sql(q, QStringLiteral("seleziona"));
        d.da = sql(q, QStringLiteral("da"));
        d.ordina = sql(q, QStringLiteral("ordina"));
        d.pagina = pagina(oggetto(radice, QStringLiteral("pagina")));
        const QJsonObject layout = oggetto(radice, QStringLiteral("layout"));
        d.carattere = numero(layout, QStringLiteral("carattere"), 4);
        const QString tipo = testo(layout, QStringLiteral("tipo"));
        if (tipo == QStringLiteral("elenco")) {
            d.tipo = DefinizioneReport::Tipo::Elenco;
            elencoColonne(layout, d);
            return d;
        }
        if (tipo == QStringLiteral("etichette")) {
            d.tipo = DefinizioneReport::Tipo::Etichette;
            etichette(layout, d);
        } else if (tipo == QStringLiteral("busta")) {
            d.tipo = DefinizioneReport::Tipo::Busta;
            busta(d);
        } else {
            errore(QStringLiteral("layout \"%1\" sconosciuto").arg(tipo));
        }
        d.griglia.testo = rettangolo(layout, QStringLiteral("testo"));
        d.griglia.campi = testi(layout, QStringLiteral("campi"));
        return d;
    }

private:
    const QString& file;
};

}

DefinizioneReport leggiDefinizione(const QString& file)
{
    if (!QFileInfo(file).isFile())
        erroreReport(erroreFileReport, QStringLiteral("File di report non trovato: %1").arg(file));
    const Lettura lettura(file);
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        lettura.errore(f.errorString());
    QJsonParseError errore;
    const QJsonDocument documento = QJsonDocument::fromJson(f.readAll(), &errore);
    if (documento.isNull())
        lettura.errore(errore.errorString());
    if (!documento.isObject())
        lettura.errore(QStringLiteral("il contenuto non è un oggetto JSON"));
    return lettura.definizione(documento.object());
}
