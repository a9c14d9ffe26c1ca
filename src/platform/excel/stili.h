#pragma once
#include <QByteArray>
#include <QString>
#include <map>
#include <vector>

// What a number format shows of a number.
enum class Mostra : quint8 { Numero, Data, Ora, Durata };
// By its code: a date ("dd/mm/yyyy", "d-mmm-yy"), a time of day without a date ("hh:mm:ss",
// "h:mm AM/PM"), a duration counted in hours, minutes or seconds ("[h]:mm:ss", "[mm]:ss").
Mostra mostraCodice(const QString& codice);
// A built-in number format by its number.
Mostra mostraPredefinito(int id);

// The cell formats of a workbook (cellXfs of its styles part): which show a date, and the
// text-format ("@") variant of each, added to the part when the workbook is saved.
class Stili {
public:
    // From the styles part, as it is read: the number format of each cell format, in their
    // order, and the workbook's own number formats, of which only what each shows is kept.
    void aggiungiStile(int numeroFormato) { this->numeroFormato.push_back(numeroFormato); }
    void aggiungiFormato(int numero, const QString& codice);

    // What the cell format shows of a number.
    Mostra mostra(quint32 formato) const;
    // The format that is `formato` with the number format "@".
    quint32 formatoTesto(quint32 formato);
    bool modificati() const { return !aggiunti.empty(); }
    // The styles part (as read) with the text formats added.
    QByteArray xmlAggiornato(const QByteArray& originale) const;

private:
    std::vector<int> numeroFormato; // numFmtId of each cell format
    std::map<int, Mostra> formatiPropri; // the number formats the workbook defines, and what each shows
    std::map<quint32, quint32> varianteTesto;
    std::vector<quint32> aggiunti; // the formats cloned, in the order their variants were added
};
