#include "odbc_esterno.h"
#include <sql.h>
#include <sqlext.h>

QString eseguiConDsn(const QString& connessione, const QString& istruzione)
{
    SQLHENV env = SQL_NULL_HENV;
    SQLHDBC dbc = SQL_NULL_HDBC;
    SQLHSTMT stmt = SQL_NULL_HSTMT;
    auto diagnosi = [](SQLSMALLINT tipo, SQLHANDLE h) {
        SQLCHAR stato[6] = {}, testo[512] = {};
        SQLINTEGER nativo = 0;
        SQLSMALLINT lunghezza = 0;
        SQLGetDiagRec(tipo, h, 1, stato, &nativo, testo, sizeof testo, &lunghezza);
        return QStringLiteral("%1: %2").arg(QString::fromLatin1(reinterpret_cast<char*>(stato)),
                                            QString::fromUtf8(reinterpret_cast<char*>(testo)));
    };
    QString errore;
    SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env);
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc);
    QByteArray testo = connessione.toUtf8();
    if (!SQL_SUCCEEDED(SQLDriverConnect(dbc, nullptr, reinterpret_cast<SQLCHAR*>(testo.data()), SQL_NTS, nullptr, 0,
                                        nullptr, SQL_DRIVER_NOPROMPT))) {
        errore = diagnosi(SQL_HANDLE_DBC, dbc);
    } else {
        SQLAllocHandle(SQL_HANDLE_STMT, dbc, &stmt);
        QByteArray sql = istruzione.toUtf8();
        if (!SQL_SUCCEEDED(SQLExecDirect(stmt, reinterpret_cast<SQLCHAR*>(sql.data()), SQL_NTS)))
            errore = diagnosi(SQL_HANDLE_STMT, stmt);
        SQLFreeHandle(SQL_HANDLE_STMT, stmt);
        SQLDisconnect(dbc);
    }
    SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    SQLFreeHandle(SQL_HANDLE_ENV, env);
    return errore;
}
