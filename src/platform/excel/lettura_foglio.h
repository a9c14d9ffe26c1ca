#pragma once
#include <QByteArray>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

class ContoLibro;
class FlussoZip;
class UscitaLettura;
struct AttributoXml;

// The large parts of an .xlsx, read as streams and sent on as they are read.

// The shared strings, sent as texts one after the other from the number `prima`.
struct StringheCondivise {
    uint32_t prima = 0;
    uint32_t quante = 0;
};
StringheCondivise leggiStringheCondivise(FlussoZip& flusso, UscitaLettura& uscita);
// The sheet part's rows and column ranges; the rest of the part, as written, is returned
// with sheetData left empty (its bytes in the account), and the prefix of its elements' names
// ("x:" or "") in prefisso. Throws ErroreExcel.
std::string leggiRigheFoglio(FlussoZip& flusso, UscitaLettura& uscita, StringheCondivise stringhe, std::string& prefisso,
                             ContoLibro& conto);

// Attributes other than those excluded, written again (' name="value"'...) for the writer.
QByteArray altriAttributi(const std::vector<AttributoXml>& attributi, std::initializer_list<const char*> esclusi);
