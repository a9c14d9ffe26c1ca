// Build tool: the empty database shipped in the program folder, with the whole schema,
// the counter row and the first administrator. A database already there is kept, and gets
// the upgrades it lacks as the program would give them at open.
#include "platform/db/connessione.h"
#include "platform/db/errore_db.h"
#include "schema/schema.h"
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {
bool prepara(const QString& file)
{
    try {
        Connessione c;
        c.apriFile(file);
        preparaDatabase(c);
        c.chiudi();
        return true;
    } catch (const ErroreDb& e) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(file), qPrintable(e.descrizione));
        return false;
    }
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "uso: crea_archivio FILE\n");
        return 2;
    }
    const QString archivio = QFile::decodeName(argv[1]);
    if (QFileInfo::exists(archivio))
        return prepara(archivio) ? 0 : 1;
    // Built aside and renamed at the end, so a failed build leaves no half database.
    const QString lavoro = archivio + QStringLiteral(".nuovo");
    QFile::remove(lavoro);
    QFile vuoto(lavoro);
    if (!vuoto.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(lavoro), qPrintable(vuoto.errorString()));
        return 1;
    }
    vuoto.close();
    if (!prepara(lavoro)) {
        QFile::remove(lavoro);
        return 1;
    }
    return QFile::rename(lavoro, archivio) ? 0 : 1;
}
