#include "platform/excel/foglio.h"
#include "platform/excel/errore_excel.h"
#include "platform/excel/stili.h"
#include "platform/excel/testo_valore.h"
#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

bool primaDi(const Cella& cella, int colonna)
{
    return cella.colonna < colonna;
}

// The characters of the longest line of a text.
qsizetype lineaPiuLunga(QStringView testo)
{
    qsizetype lunga = 0;
    for (const QStringView linea : testo.tokenize(QLatin1Char('\n')))
        lunga = std::max(lunga, linea.size());
    return lunga;
}

// The same for a text in UTF-8, counted as the one above counts (a character beyond U+FFFF
// is two), without making the text.
qsizetype lineaPiuLunga(QByteArrayView utf8)
{
    qsizetype lunga = 0, linea = 0;
    for (const char c : utf8) {
        const auto b = static_cast<unsigned char>(c);
        if (b == '\n')
            linea = 0;
        else if ((b & 0xC0) != 0x80)
            lunga = std::max(lunga, linea += b >= 0xF0 ? 2 : 1);
    }
    return lunga;
}

} // namespace

quint32 TestiFoglio::aggiungi(QByteArrayView utf8)
{
    return utf8.isEmpty() ? 0 : accoda(utf8);
}

quint32 TestiFoglio::accoda(QByteArrayView utf8)
{
    if (utf8.size() > dimensioneBlocco)
        throw ErroreExcel(QStringLiteral("il testo di una cella è troppo lungo"));
    quint32 fine = fini.back();
    const quint64 libero = blocchi.empty() ? 0 : quint64(blocchi.size() - 1) * dimensioneBlocco + spazioUltimo - fine;
    if (quint64(utf8.size()) > libero) {
        if (fini.size() > 0xFFFFFFF0 || blocchi.size() >= 0xFFFFFFFFu / dimensioneBlocco)
            throw ErroreExcel(QStringLiteral("il foglio ha troppi testi"));
        fine = quint32(blocchi.size()) * dimensioneBlocco; // the rest of the block stays unused
        spazioUltimo = std::max(quint32(utf8.size()), blocchi.empty() ? primoBlocco : std::min(dimensioneBlocco, 2 * spazioUltimo));
        blocchi.push_back(std::make_unique_for_overwrite<char[]>(spazioUltimo));
        byteBlocchi += spazioUltimo;
    }
    if (!utf8.isEmpty())
        std::memcpy(blocchi.back().get() + (fine - (blocchi.size() - 1) * dimensioneBlocco), utf8.data(), size_t(utf8.size()));
    fini.append(fine + quint32(utf8.size()));
    return quint32(fini.size() - 1);
}

Foglio::Foglio(Stili& stili, bool sistema1904) : stili(stili), sistema1904(sistema1904) {}

RigaFoglio& Foglio::riga(int riga)
{
    if (size_t(riga) > elenco.size())
        elenco.resize(size_t(riga));
    return elenco[size_t(riga - 1)];
}

ColonnaFoglio& Foglio::colonna(int colonna)
{
    if (elencoColonne.empty())
        elencoColonne.resize(ultimaColonna);
    return elencoColonne[size_t(colonna - 1)];
}

void Foglio::poni(int numero, Cella cella)
{
    poniIn(riga(numero), cella);
}

void Foglio::poniIn(RigaFoglio& r, Cella cella)
{
    std::vector<Cella>& celle = r.celle;
    const size_t prima = celle.capacity();
    if (celle.empty() || celle.back().colonna < cella.colonna) {
        celle.push_back(cella);
    } else {
        auto posto = std::lower_bound(celle.begin(), celle.end(), int(cella.colonna), primaDi);
        if (posto->colonna == cella.colonna)
            *posto = cella;
        else
            celle.insert(posto, cella);
    }
    memoriaCelle += qint64(celle.capacity() - prima) * qint64(sizeof(Cella));
}

void Foglio::stringiRiga(int numero)
{
    std::vector<Cella>& celle = riga(numero).celle;
    memoriaCelle -= qint64(celle.capacity() - celle.size()) * qint64(sizeof(Cella));
    celle.shrink_to_fit();
}

qint64 Foglio::memoria() const
{
    return qint64(elenco.size() * sizeof(RigaFoglio) + elencoColonne.size() * sizeof(ColonnaFoglio)) + memoriaCelle
           + elencoTesti.memoria();
}

Cella* Foglio::trova(IndirizzoCella indirizzo)
{
    if (indirizzo.riga < 1 || size_t(indirizzo.riga) > elenco.size())
        return nullptr;
    std::vector<Cella>& celle = elenco[size_t(indirizzo.riga - 1)].celle;
    if (celle.empty() || celle.back().colonna < indirizzo.colonna)
        return nullptr; // a row written from left to right
    auto posto = std::lower_bound(celle.begin(), celle.end(), indirizzo.colonna, primaDi);
    return posto != celle.end() && posto->colonna == indirizzo.colonna ? &*posto : nullptr;
}

QString Foglio::testoCella(const Cella& cella) const
{
    const QByteArrayView valore = grezzo(cella);
    switch (cella.tipo) {
    case TipoCella::Testo:
    case TipoCella::Errore:
        return QString::fromUtf8(valore);
    case TipoCella::Booleano:
        return valore == "1" ? QStringLiteral("VERO") : QStringLiteral("FALSO");
    case TipoCella::DataIso:
        return testoDataIso(QString::fromUtf8(valore));
    case TipoCella::Numero:
        break;
    }
    const double numero = valore.toDouble();
    QString mostrato;
    switch (stili.mostra(cella.stile)) {
    case Mostra::Data:
        mostrato = testoData(numero, sistema1904);
        break;
    case Mostra::Ora:
        mostrato = testoOra(numero);
        break;
    case Mostra::Durata:
        mostrato = testoDurata(numero);
        break;
    case Mostra::Numero:
        break;
    }
    return mostrato.isEmpty() ? testoNumero(numero) : mostrato;
}

QString Foglio::valore(const QString& indirizzo) const
{
    const IndirizzoCella dove = leggiIndirizzo(indirizzo);
    return valore(dove.riga, dove.colonna);
}

QString Foglio::valore(int riga, int colonna) const
{
    const Cella* cella = const_cast<Foglio*>(this)->trova({riga, colonna});
    return cella ? testoCella(*cella) : QString();
}

void Foglio::scrivi(const QString& indirizzo, const QString& testo)
{
    const IndirizzoCella dove = leggiIndirizzo(indirizzo);
    scrivi(dove.riga, dove.colonna, testo.toUtf8());
}

void Foglio::scrivi(int riga, int colonna, QByteArrayView testo)
{
    if (riga < 1 || riga > ultimaRiga || colonna < 1 || colonna > ultimaColonna)
        throw ErroreExcel(QStringLiteral("Indirizzo di cella non valido: \"%1%2\"").arg(lettereColonna(colonna)).arg(riga));
    // Bytes that are no UTF-8 (another program's text in the archive) would make the file
    // unreadable: each bad sequence becomes U+FFFD.
    if (!testo.isValidUtf8())
        return scrivi(riga, colonna, QString::fromUtf8(testo).toUtf8());
    const IndirizzoCella dove{riga, colonna};
    if (Cella* cella = trova(dove)) {
        cella->tipo = TipoCella::Testo;
        cella->testo = elencoTesti.aggiungi(testo);
        return;
    }
    if (testo.isEmpty())
        return;
    const quint32 numeroTesto = elencoTesti.aggiungi(testo);
    // A new cell takes the format of its row, or else of its column.
    RigaFoglio& r = this->riga(riga);
    qint64 stile = r.stile;
    if (stile < 0 && !elencoColonne.empty())
        stile = elencoColonne[size_t(colonna - 1)].stile;
    poniIn(r, Cella{quint16(colonna), TipoCella::Testo, quint32(std::max<qint64>(stile, 0)), numeroTesto});
}

void Foglio::formattaTesto()
{
    for (RigaFoglio& r : elenco) {
        for (Cella& cella : r.celle)
            cella.stile = stili.formatoTesto(cella.stile);
        if (r.stile >= 0)
            r.stile = stili.formatoTesto(quint32(r.stile));
    }
    colonna(1);
    for (ColonnaFoglio& c : elencoColonne)
        c.stile = stili.formatoTesto(quint32(std::max<qint64>(c.stile, 0)));
}

void Foglio::adattaColonne()
{
    std::vector<qsizetype> caratteri(ultimaColonna, 0);
    for (const RigaFoglio& r : elenco)
        for (const Cella& cella : r.celle) {
            const qsizetype lunga = cella.tipo == TipoCella::Testo ? lineaPiuLunga(grezzo(cella)) : lineaPiuLunga(testoCella(cella));
            caratteri[cella.colonna - 1] = std::max(caratteri[cella.colonna - 1], lunga);
        }
    for (int c = 1; c <= ultimaColonna; ++c)
        if (caratteri[size_t(c - 1)] > 0)
            colonna(c).larghezza = std::min(255.0, double(caratteri[size_t(c - 1)]) * 1.1 + 2);
}
