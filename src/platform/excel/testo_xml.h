#pragma once
#include <QString>
#include <string>

// Cell texts in a workbook's XML: characters XML cannot hold travel as "_xHHHH_", and a
// text that itself reads "_xHHHH_" has its "_" written as "_x005F_".
QString decodificaTesto(const char* testo);
// Appends the text escaped for an XML element's content.
void aggiungiTesto(std::string& xml, const QString& testo);
