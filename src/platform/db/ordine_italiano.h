#pragma once
#include <QString>
#include <QStringView>

struct sqlite3;

// Texts in the Italian order the archive always had: an accented letter with its plain
// letter (À with A, É with E), case ignored. Registered on our own connection only, under
// its own name, so that the schema keeps its declared collations and other ODBC tools still
// open and write the file; a statement that sorts texts in this order says COLLATE ITALIANO.
namespace ordineItaliano {
inline constexpr char nome[] = "ITALIANO";

// Less than, equal to or greater than 0, as a comes before, with or after b.
int confronta(QStringView a, QStringView b);
int confronta(const char* a, qsizetype na, const char* b, qsizetype nb); // UTF-8

// The place of a printable ASCII character in the order, the same for a capital and its small
// letter; 0 for any other character.
int rango(char16_t c);

// Registers the comparison on one SQLite connection; false when SQLite refuses it.
bool registra(sqlite3* db);
} // namespace ordineItaliano
