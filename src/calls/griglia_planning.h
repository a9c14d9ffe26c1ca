#pragma once
#include <QTableWidget>

class QAbstractButton;

// The planner's grid: the day headings and the technicians' names are its headers, so they
// stay in place while the days scroll and the current cell is always a technician's day.
// The corner above the names carries a caption of its own.
class GrigliaPlanning : public QTableWidget {
public:
    explicit GrigliaPlanning(QWidget* padre = nullptr);
    void impostaAngolo(const QString& testo);
    QString angolo() const { return testoAngolo; }
    // Every day column as wide as the viewport allows and at least as wide as its heading and
    // its counts; every row tall enough for two lines of counts, the rows sharing the height.
    void adattaCelle();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    QAbstractButton* pulsanteAngolo() const;
    QString testoAngolo;
};
