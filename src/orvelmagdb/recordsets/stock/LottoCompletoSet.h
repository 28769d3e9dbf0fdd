// CLottoCompletoSet: lots with the description of their article.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/StockCatalogue.h"

class ORVEL_API CLottoCompletoSet : public CRecordset {
    ORVEL_RECORDSET(CLottoCompletoSet)
};
