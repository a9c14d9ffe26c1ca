#include "common/stato.h"

QString stringaConnessione;
QString nomeOperatore;
long codiceOperatore = 0;
