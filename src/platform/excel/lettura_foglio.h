#pragma once
#include <QByteArray>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

class FlussoZip;
class Foglio;
class TestiFoglio;

// The large parts of an .xlsx, read as streams.

// The shared strings into the sheet's texts; the number of each, in their order.
std::vector<quint32> leggiStringheCondivise(FlussoZip& flusso, TestiFoglio& testi);
// The sheet part's rows into the sheet; the rest of the part, as written, is returned with
// sheetData left empty. Throws ErroreExcel.
QByteArray leggiRigheFoglio(FlussoZip& flusso, Foglio& foglio, const std::vector<quint32>& stringhe);

// Attributes other than those excluded, written again (' name="value"'...) for the writer.
QByteArray altriAttributi(const std::vector<std::pair<std::string, std::string>>& attributi,
                          std::initializer_list<const char*> esclusi);
