#include "platform/db/errore_db.h"

ErroreDb::ErroreDb(long n, QString s, QString d)
    : std::runtime_error(d.toStdString()), numero(n), sorgente(std::move(s)), descrizione(std::move(d))
{
}
