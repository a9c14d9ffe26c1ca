#pragma once
#include <QString>

// Another ODBC tool's statement: connects through unixODBC's driver manager (the data source
// of the connection text, the driver it names) and runs one statement. Empty when it worked,
// otherwise the driver manager's or the driver's diagnostics.
QString eseguiConDsn(const QString& connessione, const QString& istruzione);
