// CLottoSet: lots of an article by year and number: dates, quantities loaded and unloaded, closed
// flag, the supplier's lot code. Both quantities of a new row start at zero.
// Used only inside the library, so not exported.
#pragma once

#include "orvelmagdb/recordsets/catalogue/StockCatalogue.h"

class CLottoSet : public CRecordset {
    ORVEL_RECORDSET(CLottoSet)
};
