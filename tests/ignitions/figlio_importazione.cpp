// Run by test_importazione: imports a workbook (centre 1) with the real message boxes, answers
// the confirmation, and at the moment asked for says so on its standard output and waits to be
// killed: "righe" while the rows are being written, "fine" when the closing box is up.
// Arguments: the database file, the workbook, the moment.
#include "ignitions/frm_importa_accensioni_cat.h"
#include "platform/db/connessione.h"
#include "platform/ui/combo_dati.h"
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

namespace {
[[noreturn]] void annunciaEAttendi(const char* momento)
{
    std::puts(momento);
    std::fflush(stdout);
    for (;;)
        pause();
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 4)
        return 2;
    connessione.apriFile(QString::fromLocal8Bit(argv[1]));
    const QByteArray momento = argv[3];
    auto& w = istanza<frmImportaAccensioniCAT>();
    auto& c = w.controlli();
    c.cmbCAT->impostaValoreLegato(1);
    c.txtNomeFile->setText(QString::fromLocal8Bit(argv[2]));

    QTimer sentinella;
    QObject::connect(&sentinella, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box->text().endsWith(QStringLiteral("continuare ?")))
            box->button(QMessageBox::Yes)->click();
        else if (box && momento == "fine")
            annunciaEAttendi("fine");
        else if (!box && momento == "righe" && c.lblNum->text().toInt() > 0)
            annunciaEAttendi("righe");
    });
    sentinella.start(1);
    c.cmdImporta->click();
    return 1;
}
