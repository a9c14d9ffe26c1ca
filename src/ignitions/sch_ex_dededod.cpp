#include "ignitions/sch_ex_dededod.h"
#include "platform/db/testi_sql.h"
#include "platform/ui/campo_data.h"

using namespace Qt::StringLiterals;

schExDededod::schExDededod() : FinestraEsportazione(u"Esporta file per DEDEDOD"_s) {}

QString schExDededod::componiSELECT()
{
    auto& c = controlli();
    return u"SELECT * FROM accensioniCAT where dataCollaudo >=#"_s + dataSQL(c.dtpDataDa->date())
           + u"# and datacollaudo <=#"_s + dataSQL(c.dtpDataA->date()) + u"#"_s;
}

void schExDededod::esportaExcelCompleta(Recordset& rs)
{
    esporta(u"DEDEDOD da "_s, rs, rigaDededod);
}
