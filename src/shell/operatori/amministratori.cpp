#include "amministratori.h"

using namespace Qt::StringLiterals;

QString nonUltimoAmministratore()
{
    return u"ifnull(opTipo,'') <> 'AMMINISTRATORE'"
           u" or (select count(*) from operatori where opTipo = 'AMMINISTRATORE') > 1"_s;
}

QString messaggioUltimoAmministratore()
{
    return u"ATTENZIONE ! Non ci sono piu' operatori di tipo 'Amministratore'!"_s;
}
