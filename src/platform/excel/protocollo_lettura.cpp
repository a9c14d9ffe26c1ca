#include "platform/excel/protocollo_lettura.h"
#include "platform/excel/limiti_libro.h"
#include <cstring>

void UscitaLettura::record(VoceLettura voce, std::string_view fissi, std::string_view testo)
{
    char testa[5];
    testa[0] = char(voce);
    const auto lunghezza = uint32_t(fissi.size() + testo.size());
    std::memcpy(testa + 1, &lunghezza, 4);
    scrivi(testa, 5);
    scrivi(fissi.data(), fissi.size());
    scrivi(testo.data(), testo.size());
}

void UscitaLettura::stile(int32_t formatoNumero)
{
    campi.clear();
    aggiungiIntero(campi, formatoNumero);
    record(VoceLettura::Stile, campi);
}

void UscitaLettura::formatoNumero(int32_t numero, std::string_view codice)
{
    campi.clear();
    aggiungiIntero(campi, numero);
    record(VoceLettura::FormatoNumero, campi, codice);
}

void UscitaLettura::libro(bool sistema1904)
{
    const char campo = sistema1904;
    record(VoceLettura::Libro, std::string_view(&campo, 1));
}

uint32_t UscitaLettura::testo(std::string_view utf8)
{
    controllaTestoCella(QByteArrayView(utf8.data(), qsizetype(utf8.size())));
    record(VoceLettura::Testo, {}, utf8);
    return prossimoTesto++;
}

void UscitaLettura::cella(uint32_t riga, uint16_t colonna, TipoCella tipo, uint32_t stile, uint32_t testo)
{
    campi.clear();
    aggiungiIntero(campi, riga);
    aggiungiIntero(campi, colonna);
    aggiungiIntero(campi, uint8_t(tipo));
    aggiungiIntero(campi, stile);
    aggiungiIntero(campi, testo);
    record(VoceLettura::Cella, campi);
}

void UscitaLettura::cellaConTesto(uint32_t riga, uint16_t colonna, TipoCella tipo, uint32_t stile, std::string_view testo)
{
    if (testo.empty()) {
        cella(riga, colonna, tipo, stile, 0);
        return;
    }
    controllaTestoCella(QByteArrayView(testo.data(), qsizetype(testo.size())));
    campi.clear();
    aggiungiIntero(campi, riga);
    aggiungiIntero(campi, colonna);
    aggiungiIntero(campi, uint8_t(tipo));
    aggiungiIntero(campi, stile);
    record(VoceLettura::CellaConTesto, campi, testo);
    ++prossimoTesto;
}

uint32_t UscitaLettura::numeroAttributi(std::string_view attributi)
{
    if (attributi.empty())
        return 0;
    record(VoceLettura::Attributi, {}, attributi);
    return prossimoTesto++;
}

void UscitaLettura::riga(uint32_t riga, int32_t stile, std::string_view attributi)
{
    if (attributi != attributiRiga) {
        attributiRiga.assign(attributi);
        numeroAttributiRiga = numeroAttributi(attributi);
    }
    campi.clear();
    aggiungiIntero(campi, riga);
    aggiungiIntero(campi, stile);
    aggiungiIntero(campi, numeroAttributiRiga);
    record(VoceLettura::Riga, campi);
}

void UscitaLettura::colonne(uint16_t primo, uint16_t ultimo, double larghezza, int64_t stile, std::string_view attributi)
{
    const uint32_t numero = numeroAttributi(attributi);
    campi.clear();
    aggiungiIntero(campi, primo);
    aggiungiIntero(campi, ultimo);
    uint64_t bit;
    std::memcpy(&bit, &larghezza, 8);
    aggiungiIntero(campi, bit);
    aggiungiIntero(campi, stile);
    aggiungiIntero(campi, numero);
    record(VoceLettura::Colonne, campi);
}

void UscitaLettura::parti(const PartiLette& p)
{
    campi.clear();
    for (const std::string* t : {&p.parteFoglio, &p.parteStili, &p.parteCalcoli, &p.relazioniLibro, &p.prefisso, &p.resto}) {
        aggiungiIntero(campi, uint32_t(t->size()));
        campi += *t;
    }
    record(VoceLettura::Parti, campi);
}

void UscitaLettura::errore(const QString& motivo, Rifiuto cosa)
{
    const QByteArray testo = motivo.toUtf8();
    const char campo = char(cosa);
    record(VoceLettura::Errore, std::string_view(&campo, 1), std::string_view(testo.constData(), size_t(testo.size())));
}

void UscitaLettura::fine()
{
    record(VoceLettura::Fine, {});
}
