#pragma once
#include <QString>

class Foglio;
class LibroExcel;

// The one workbook that the first-ignition windows open at a time, and its operations.
// None of them lets an error reach its caller.

// Opens the workbook (an empty path: a message and false). Any workbook still open is
// closed first. A failure shows the common error box and leaves nothing open.
bool apriFileExcel(const QString& percorso);
// The column letters after `colonna` (B after A, AA after Z, BA after AZ); "" for an empty
// text or three letters or more. Trims `colonna`; a single letter is replaced by the result.
QString colonnaSuccessiva(QString& colonna);
// Closes the workbook; nothing happens when none is open.
void chiudiExcel();
// Writes the workbook back to its file; a failure shows the common error box and gives false.
bool salvaFileExcel();

// The open workbook and its sheet; null when none is open.
LibroExcel* libroExcel();
Foglio* foglioExcel();
