#include "platform/excel/composizione_libro.h"
#include <cstring>

namespace {

[[noreturn]] void danneggiato()
{
    throw ErroreExcel(QStringLiteral("la lettura non ha dato dati validi: il file è danneggiato"));
}

// The fields of a record, read in order.
class Campi {
public:
    explicit Campi(QByteArrayView dati) : dati(dati) {}

    template <typename T>
    T intero()
    {
        if (posizione + qsizetype(sizeof(T)) > dati.size())
            danneggiato();
        uint64_t valore = 0;
        for (size_t i = 0; i < sizeof(T); ++i)
            valore |= uint64_t(uint8_t(dati[posizione++])) << (8 * i);
        return T(valore);
    }
    QByteArrayView testo(qsizetype n)
    {
        if (n < 0 || posizione + n > dati.size())
            danneggiato();
        const QByteArrayView t = dati.sliced(posizione, n);
        posizione += n;
        return t;
    }
    QByteArrayView resto() { return testo(dati.size() - posizione); }
    std::string campo() { return testo(qsizetype(intero<uint32_t>())).toByteArray().toStdString(); }

private:
    QByteArrayView dati;
    qsizetype posizione = 0;
};

} // namespace

void Composizione::aggiungi(QByteArray& dati)
{
    // No record is longer than the sheet's other parts and the names with them.
    constexpr uint32_t massimoRecord = uint32_t(massimoRestoFoglio) + (8 << 20);
    qsizetype i = 0;
    for (uint32_t lunghezza = 0; i + 5 <= dati.size(); i += 5 + lunghezza) {
        std::memcpy(&lunghezza, dati.constData() + i + 1, 4);
        if (lunghezza > massimoRecord)
            danneggiato();
        if (lunghezza > quint64(dati.size() - i - 5))
            break;
        record(VoceLettura(uint8_t(dati[i])), QByteArrayView(dati.constData() + i + 5, lunghezza));
    }
    dati.remove(0, i);
}

Foglio& Composizione::foglio()
{
    if (!letto)
        danneggiato();
    return *letto;
}

void Composizione::record(VoceLettura voce, QByteArrayView dati)
{
    if (fine)
        danneggiato();
    Campi c(dati);
    switch (voce) {
    case VoceLettura::Stile:
        if (letto)
            danneggiato();
        stili.voce();
        elencoStili->aggiungiStile(c.intero<int32_t>());
        break;
    case VoceLettura::FormatoNumero: {
        if (letto)
            danneggiato();
        formati.voce();
        const int numero = c.intero<int32_t>();
        elencoStili->aggiungiFormato(numero, QString::fromUtf8(c.resto()));
        break;
    }
    case VoceLettura::Libro:
        if (letto)
            danneggiato();
        letto = std::make_unique<Foglio>(*elencoStili, c.intero<uint8_t>() != 0);
        break;
    case VoceLettura::Testo: {
        const QByteArrayView testo = c.resto();
        controllaTestoCella(testo);
        foglio().testi().accoda(testo);
        break;
    }
    case VoceLettura::Attributi:
        foglio().testi().accoda(c.resto());
        break;
    case VoceLettura::Cella:
    case VoceLettura::CellaConTesto: {
        const auto riga = c.intero<uint32_t>();
        const auto colonna = c.intero<uint16_t>();
        const auto tipo = c.intero<uint8_t>();
        const auto stile = c.intero<uint32_t>();
        if (riga < 1 || riga > uint32_t(ultimaRiga) || colonna < 1 || colonna > ultimaColonna
            || tipo > uint8_t(TipoCella::DataIso))
            danneggiato();
        uint32_t testo = 0;
        if (voce == VoceLettura::Cella) {
            testo = c.intero<uint32_t>();
            if (testo >= foglio().testi().quanti())
                danneggiato();
        } else {
            const QByteArrayView valore = c.resto();
            controllaTestoCella(valore);
            testo = foglio().testi().accoda(valore);
        }
        // A row's cells come together: the one before takes no more room than its cells.
        if (rigaCelle != 0 && riga != rigaCelle)
            foglio().stringiRiga(int(rigaCelle));
        rigaCelle = riga;
        foglio().poni(int(riga), Cella{colonna, TipoCella(tipo), stile, testo});
        break;
    }
    case VoceLettura::Riga: {
        const auto numero = c.intero<uint32_t>();
        const auto stile = c.intero<int32_t>();
        const auto attributi = c.intero<uint32_t>();
        if (numero < 1 || numero > uint32_t(ultimaRiga) || stile < -1 || attributi >= foglio().testi().quanti())
            danneggiato();
        RigaFoglio& riga = foglio().riga(int(numero));
        riga.stile = stile;
        riga.attributi = attributi;
        break;
    }
    case VoceLettura::Colonne: {
        const auto primo = c.intero<uint16_t>();
        const auto ultimo = c.intero<uint16_t>();
        const auto bit = c.intero<uint64_t>();
        const auto stile = c.intero<int64_t>();
        const auto attributi = c.intero<uint32_t>();
        if (primo <= colonneViste || ultimo < primo || ultimo > ultimaColonna || attributi >= foglio().testi().quanti())
            danneggiato();
        colonneViste = ultimo;
        double larghezza;
        std::memcpy(&larghezza, &bit, 8);
        for (int col = primo; col <= ultimo; ++col)
            foglio().colonna(col) = ColonnaFoglio{larghezza, stile, attributi};
        break;
    }
    case VoceLettura::Parti: {
        if (partiLette)
            danneggiato();
        auto p = std::make_unique<PartiLette>();
        for (std::string* t : {&p->parteFoglio, &p->parteStili, &p->parteCalcoli, &p->relazioniLibro, &p->prefisso, &p->resto}) {
            *t = c.campo();
            conto.tieni(qint64(t->size()), "parti tenute per il salvataggio");
        }
        partiLette = std::move(p);
        break;
    }
    case VoceLettura::Errore: {
        const auto motivo = Rifiuto(c.intero<uint8_t>());
        const QString testo = QString::fromUtf8(c.resto());
        if (motivo == Rifiuto::FileNonAperto || motivo == Rifiuto::NonUnLibro)
            throw FileRifiutato(motivo, testo);
        throw ErroreExcel(testo);
    }
    case VoceLettura::Fine:
        if (rigaCelle != 0)
            foglio().stringiRiga(int(rigaCelle));
        fine = true;
        break;
    default:
        danneggiato();
    }
    if (letto)
        conto.misura(contatiFoglio, letto->memoria(), "celle e testi del foglio");
}

ContenutoLibro Composizione::risultato()
{
    if (!fine || !letto)
        danneggiato();
    ContenutoLibro libro;
    libro.stili = std::move(elencoStili);
    libro.foglio = std::move(letto);
    if (partiLette) {
        libro.parti = std::make_unique<PartiXlsx>();
        PartiXlsx& parti = *libro.parti;
        const auto testo = [](const std::string& t) { return QString::fromUtf8(t.data(), qsizetype(t.size())); };
        parti.parteFoglio = testo(partiLette->parteFoglio);
        parti.parteStili = testo(partiLette->parteStili);
        parti.parteCalcoli = testo(partiLette->parteCalcoli);
        parti.relazioniLibro = testo(partiLette->relazioniLibro);
        parti.prefisso = testo(partiLette->prefisso);
        parti.scheletro = QByteArray(partiLette->resto.data(), qsizetype(partiLette->resto.size()));
    }
    return libro;
}
