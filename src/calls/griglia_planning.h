#pragma once
#include <QSet>
#include <QTableWidget>

class QAbstractButton;

// The planner's grid: the day headings and the technicians' names are its headers, so they
// stay in place while the days scroll and the current cell is always a technician's day.
// The corner above the names carries a caption of its own.
class GrigliaPlanning : public QTableWidget {
    Q_OBJECT
public:
    explicit GrigliaPlanning(QWidget* padre = nullptr);
    void impostaAngolo(const QString& testo);
    QString angolo() const { return testoAngolo; }
    QAbstractButton* pulsanteAngolo() const;
    // The heading of a day column; the first day of a month is marked (bold heading, a line
    // before its column), its text unchanged.
    void impostaGiorno(int colonna, const QString& intestazione, bool inizioMese);
    // A week of days fits beside the names (the names' column narrows for it, down to the
    // corner's caption; a name cut short is whole in its tooltip); every day column as wide
    // as the viewport allows and at least as wide as its heading and its counts; every row
    // tall enough for two lines of counts, the rows sharing the height.
    void adattaCelle();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QString testoAngolo;
    QSet<int> iniziMese; // the columns of a month's first day
};
