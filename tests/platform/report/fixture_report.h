#pragma once
#include <QList>
#include <QString>
#include <QVariantList>

// The shipped report files, as the build puts them beside the program.
QString fileStampa(const QString& nome);

// Runs a statement with bound values on the shared connection; a failure fails the test run.
void eseguiTest(const QString& sql, const QVariantList& valori = {});

// Customers COGNOME01.., NOME01.., VIA 01.., 00101.., CITTA01.., province RM, numbered from 1,
// listed in stampe in their order.
void clientiInStampe(int quanti);

// The route sheet's interventions: technicians 3 "T3 - BIANCHI" and 4 "T4 - VERDI", zones 2
// and 5, one call per customer (customer n, call 100 + n):
//   1 ALFA     T3 zone 2  09/12/2026 09:00 DA SVOLGERE (two appliances with requests, notes)
//   2 BETA     T3 zone 2  10/12/2026 08:30 SOSPESO
//   3 GAMMA    T3 zone 2  10/12/2026 11:00 ESEGUITO
//   4 DELTA    T3 zone 2  08/12/2026 09:00 DA SVOLGERE
//   5 EPSILON  T3 zone 2  11/12/2026 09:00 DA SVOLGERE
//   6 ZETA     T4 zone 2  09/12/2026 09:00 DA SVOLGERE
//   7 ETA      T3 zone 5  09/12/2026 14:00 DA SVOLGERE
//   8 D'ANGELO T3 no zone 09/12/2026 16:00 ANNULLATO
void preparaGiro();
