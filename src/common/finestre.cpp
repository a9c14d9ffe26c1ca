#include "ambiente.h"
#include "funzioni.h"
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>

void centraForm(QWidget* finestra)
{
    const QScreen* s = QGuiApplication::primaryScreen();
    if (!s || !finestra)
        return;
    const QRect r = s->geometry();
    // A window not shown yet nor resized has no size of its own: it will open at its hint.
    const QSize d = finestra->isVisible() || finestra->testAttribute(Qt::WA_Resized) ? finestra->frameGeometry().size()
                                                                                    : finestra->sizeHint();
    finestra->move(r.x() + (r.width() - d.width()) / 2, r.y() + (r.height() - d.height()) / 2);
}

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
