#pragma once
#include <QList>
#include <QString>
#include <QWidget>
#include <functional>

// Shows a window modally and returns when it is closed.
void mostraModale(QWidget* forma);

// The test side: a window shown modally is shown, handed to the next queued action
// (which sets fields and presses buttons as the operator would), and closed with its
// close box if the action left it open. With no action queued it is closed at once.
namespace seamModale {
void attiva();
void accoda(std::function<void(QWidget*)> azione);
QList<QString>& mostrate(); // the captions of the windows shown, in order
void azzera();
}
