#include "platform/report/destinazioni_report.h"
#include "platform/report/disegno_report.h"
#include "platform/report/errori_report.h"
#include "platform/report/stampante.h"
#include "platform/ui/dimensioni_form.h"
#include "platform/ui/modale.h"
#include <QAction>
#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <exception>

void mostraAnteprima(const DefinizioneReport& definizione, const DatiReport& dati)
{
    QPrinter stampante(QPrinter::HighResolution);
    preparaStampante(stampante, definizione);
    QPrintPreviewDialog anteprima(&stampante, QApplication::activeWindow());
    anteprima.setWindowTitle(definizione.titolo);
    // A page that can be read: the window as large as the screen allows, the page as wide as
    // the window, the toolbar with its print button whole.
    anteprima.resize(QApplication::primaryScreen()->availableGeometry().size());
    dimensionaForm(&anteprima);
    if (auto* larghezza = anteprima.findChild<QAction*>(QStringLiteral("fitWidthAction")))
        larghezza->trigger();
    // Drawing runs inside the window's event handling; its failure is raised once the window is closed.
    std::exception_ptr errore;
    QObject::connect(&anteprima, &QPrintPreviewDialog::paintRequested, &anteprima, [&](QPrinter* s) {
        try {
            if (!disegnaReport(definizione, dati, *s))
                erroreReport(erroreStampaReport, QStringLiteral("Stampa non riuscita: %1").arg(definizione.titolo));
        } catch (...) {
            errore = std::current_exception();
        }
    });
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    mostraModale(&anteprima);
    QApplication::restoreOverrideCursor();
    if (errore)
        std::rethrow_exception(errore);
}

void stampaSuStampantePredefinita(const DefinizioneReport& definizione, const DatiReport& dati)
{
    if (!stampanteInstallata())
        erroreReport(erroreStampaReport, nessunaStampante);
    const QPrinterInfo predefinita = QPrinterInfo::defaultPrinter();
    if (predefinita.isNull())
        erroreReport(erroreStampaReport, QStringLiteral("Nessuna stampante predefinita"));
    QPrinter stampante(predefinita, QPrinter::HighResolution);
    preparaStampante(stampante, definizione);
    if (!disegnaReport(definizione, dati, stampante))
        erroreReport(erroreStampaReport,
                     QStringLiteral("Stampa non riuscita sulla stampante %1").arg(predefinita.printerName()));
}

void scriviPdf(const DefinizioneReport& definizione, const DatiReport& dati, const QString& file)
{
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setOutputFormat(QPrinter::PdfFormat);
    stampante.setOutputFileName(file);
    preparaStampante(stampante, definizione);
    if (!disegnaReport(definizione, dati, stampante))
        erroreReport(erroreStampaReport, QStringLiteral("Impossibile scrivere il file %1").arg(file));
}
