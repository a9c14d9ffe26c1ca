#pragma once
#include <QByteArray>
#include <QString>

// Another reading program in the real one's place while this lives: a shell script of that body
// at that path, the real program named in it by $VERO; an empty body leaves no program there.
class LettoreSostituito {
public:
    LettoreSostituito(const QString& file, const QByteArray& corpo);
    ~LettoreSostituito();
    LettoreSostituito(const LettoreSostituito&) = delete;
    LettoreSostituito& operator=(const LettoreSostituito&) = delete;

private:
    const QString vero;
};

// A body that, asked for `percorso`, reads the workbook `libro` with the real program, and
// fails asked for any other: the program names a file that is not the workbook read, so
// that whatever it opened of the file itself would not be that workbook.
QByteArray leggeAltrove(const QString& percorso, const QString& libro);
