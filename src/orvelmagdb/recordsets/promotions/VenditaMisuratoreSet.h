// CVenditaMisuratoreSet: per-article sales counted by the fiscal printer.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/PromotionCatalogue.h"

class ORVEL_API CVenditaMisuratoreSet : public CRecordset {
    ORVEL_RECORDSET(CVenditaMisuratoreSet)
};
