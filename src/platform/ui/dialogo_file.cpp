#include "platform/ui/dialogo_file.h"
#include <QFileDialog>

namespace {
struct StatoSeam {
    bool attivo = false;
    QList<QString> risposte;
    int chiamate = 0;
    QString filtro;
};
StatoSeam& seam()
{
    static StatoSeam s;
    return s;
}
} // namespace

QString scegliFileDaAprire(QWidget* padre, const QString& titolo, const QString& cartella, const QString& filtro)
{
    StatoSeam& s = seam();
    if (s.attivo) {
        ++s.chiamate;
        s.filtro = filtro;
        return s.risposte.isEmpty() ? QString() : s.risposte.takeFirst();
    }
    return QFileDialog::getOpenFileName(padre, titolo, cartella, filtro);
}

namespace seamDialogoFile {
void attiva() { seam().attivo = true; }
void rispondi(const QString& file) { seam().risposte.append(file); }
int chiamate() { return seam().chiamate; }
QString filtro() { return seam().filtro; }
void azzera()
{
    seam().risposte.clear();
    seam().chiamate = 0;
    seam().filtro.clear();
}
}
