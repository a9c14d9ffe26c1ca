#pragma once
#include <QString>
#include <QStringView>

struct sqlite3;

// Texts in the Italian order the archive always had: an accented letter with its plain
// letter (À with A, É with E), case ignored. Registered on our own connection only, under
// its own name, so that the schema keeps its declared collations and other ODBC tools still
// open and write the file.
namespace ordineItaliano {
inline constexpr char nome[] = "ITALIANO";

// Less than, equal to or greater than 0, as a comes before, with or after b.
int confronta(QStringView a, QStringView b);
int confronta(const char* a, qsizetype na, const char* b, qsizetype nb); // UTF-8

// Registers the comparison on one SQLite connection; false when SQLite refuses it.
bool registra(sqlite3* db);

// A query's own ORDER BY (outside brackets and quotes) with each of its terms in the Italian
// order: a term that names no collation gets COLLATE ITALIANO before its ASC or DESC. Numbers,
// dates and times keep their order (a collation compares texts only). Statements that are not
// queries (the schema's views among them) are left as they stand.
QString applica(const QString& sql);
} // namespace ordineItaliano
