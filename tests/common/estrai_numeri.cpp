// Another workstation for the counter tests: draws N numbers of a counter ("cliente" when not
// given) on the database file and prints them, one a line.
#include "common/prossimo_numero.h"
#include "platform/db/connessione.h"
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3 && argc != 4)
        return 2;
    const QString contatore = argc == 4 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("cliente");
    connessione.apriFile(QString::fromLocal8Bit(argv[1]));
    const int n = std::atoi(argv[2]);
    for (int i = 0; i < n; ++i)
        std::printf("%lld\n", static_cast<long long>(prossimoNumero(contatore)));
    connessione.chiudi();
    return 0;
}
