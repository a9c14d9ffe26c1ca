#pragma once
#include <QList>
#include <QString>
#include <QWidget>

// The file-open dialog; an empty text when the operator cancels.
QString scegliFileDaAprire(QWidget* padre, const QString& titolo, const QString& cartella, const QString& filtro);

// The test side: the dialog is not shown; it answers from a queue (empty: cancelled).
namespace seamDialogoFile {
void attiva();
void rispondi(const QString& file);
int chiamate();
QString filtro(); // the filter of the last dialog asked for
void azzera();
}
