#pragma once
#include <QDate>
#include <QString>
#include <functional>

// "Today" for the program; tests set their own clock.
QDate oggi();
void impostaOrologio(std::function<QDate()> orologio); // empty: the machine's clock

// The program folder: the executable's folder, unless a test set another.
QString cartellaProgramma();
void impostaCartellaProgramma(const QString& cartella); // empty: the executable's folder

// The application title that boxes without a title of their own show.
QString titoloApplicazione();
void impostaTitoloApplicazione(const QString& titolo);
