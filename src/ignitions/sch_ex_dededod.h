#pragma once
#include "ignitions/finestra_esportazione.h"

// Exports the first ignitions imported from the centres, by test date, for the manufacturer.
class schExDededod : public FinestraEsportazione {
public:
    schExDededod();
    QString componiSELECT() override;
    void esportaExcelCompleta(Recordset& rs);

protected:
    void esportaSelezione(Recordset& rs) override { esportaExcelCompleta(rs); }
};
