#include "common/funzioni.h"
#include "platform/ambiente/ambiente.h"
#include <QCoreApplication>
#include <QFile>

namespace {
QFile& fileLog()
{
    static QFile f;
    return f;
}
}

void apriLog()
{
    QFile& f = fileLog();
    if (f.isOpen())
        f.close();
    f.setFileName(cartellaProgramma() + QStringLiteral("/corvext.log"));
    (void)f.open(QIODevice::Append); // without a log the program goes on
    QCoreApplication::processEvents();
}

void chiudiLog()
{
    fileLog().close();
}
