#include "registers/operatori/amministratori.h"

using namespace Qt::StringLiterals;

QString nonUltimoAmministratore()
{
    // Both comparisons on the column itself, so both ignore case as the column does.
    return u"opTipo is null or opTipo <> 'AMMINISTRATORE'"
           u" or (select count(*) from operatori where opTipo = 'AMMINISTRATORE') > 1"_s;
}

QString messaggioUltimoAmministratore()
{
    return u"ATTENZIONE ! Non ci sono piu' operatori di tipo 'Amministratore'!"_s;
}
