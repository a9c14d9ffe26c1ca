#pragma once
#include <QByteArray>
#include <pugixml.hpp>

// Helpers for the XML parts of a workbook, whose elements may carry a namespace prefix.

// The element's name without its prefix.
const char* nomeLocale(pugi::xml_node nodo);
// The first child element with that local name, or an empty node.
pugi::xml_node figlio(pugi::xml_node padre, const char* nome);
// Parses a part; throws ErroreExcel naming the part when it is not well-formed XML.
void caricaParte(pugi::xml_document& doc, const QByteArray& xml, const char* nomeParte);
// The document as compact XML text.
QByteArray testoXml(const pugi::xml_document& doc);
