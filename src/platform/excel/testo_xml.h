#pragma once
#include <string>
#include <string_view>

// Cell texts in a workbook's XML, UTF-8: characters XML cannot hold travel as "_xHHHH_", and
// a text that itself reads "_xHHHH_" has its "_" written as "_x005F_".

// Appends a character in UTF-8.
void aggiungiUtf8(std::string& uscita, char32_t codice);
// Appends the text with its escapes undone.
void decodificaTesto(std::string_view testo, std::string& uscita);
// Appends the text escaped for an XML element's content.
void aggiungiTesto(std::string& xml, std::string_view testo);
