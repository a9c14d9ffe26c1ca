#pragma once
#include <QDate>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <exception>
#include <functional>

class ErroreDb;

// The common error box for a failure.
void segnalaErrore(const ErroreDb& e);
void segnalaErrore(const std::exception& e);
// Runs a handler's body; a failure shows the common error box. True when it went through.
bool gestisci(const std::function<void()>& corpo);

// A text for SQL: apostrophes doubled, upper case. The caller adds the apostrophes.
QString sqlTesto(const QString& testo);
// A dd/MM/yyyy text (or dd/MM) as m/d/yyyy for a Jet literal; no date: today as MM/dd/yyyy.
QString dataSQL(const QString& testo);
// A date as m/d/yyyy for a Jet literal.
QString dataSQL(const QDate& data);
// Null gives the empty value (an empty text, 0 as a number).
QVariant nz(const QVariant& valore);
QVariant seNullo(const QVariant& valore, const QVariant& predefinito);
QString maiuscolo(const QString& testo);
// Centres a window on the screen.
void centraForm(QWidget* finestra);
// "Gruppo", "Proprietario", "Inquilino" or "" for a customer's membership.
QString descrizioneAppartenenza(long idcli);
// The key filter of amount fields: the key to use, 0 to swallow it.
int filtraTastoDecimale(int codiceTasto, const QString& testo);
// The log file corvext.log in the program folder, opened for appending.
void apriLog();
void chiudiLog();
