// Run by test_esportazioni: exports the imported first ignitions of March 2005 ("DEDEDOD da ")
// with the real message boxes, answers the count question, and once the rows are being
// written says so on its standard output and waits to be killed.
// Arguments: the database file, the program folder.
#include "ignitions/sch_ex_dededod.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/connessione.h"
#include "platform/ui/campo_data.h"
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    connessione.apriFile(QString::fromLocal8Bit(argv[1]));
    impostaCartellaProgramma(QString::fromLocal8Bit(argv[2]));
    auto& w = istanza<schExDededod>();
    auto& c = w.controlli();
    c.dtpDataDa->setDate(QDate(2005, 3, 1));
    c.dtpDataA->setDate(QDate(2005, 3, 31));

    QTimer sentinella;
    QObject::connect(&sentinella, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box->text().startsWith(QStringLiteral("Verranno esportati"))) {
            box->button(QMessageBox::Yes)->click();
        } else if (!box && c.lblNum->text().toInt() > 0) {
            std::puts("righe");
            std::fflush(stdout);
            for (;;)
                pause();
        }
    });
    sentinella.start(1);
    c.cmdEsporta->click();
    return 1;
}
