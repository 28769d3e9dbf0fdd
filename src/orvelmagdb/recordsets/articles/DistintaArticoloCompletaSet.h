// CDistintaArticoloCompletaSet: bill of materials with the raw material's description, pack, EAN,
// VAT and net cost (unit cost and cost for the quantity).
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ArticleCatalogue.h"

class ORVEL_API CDistintaArticoloCompletaSet : public CRecordset {
    ORVEL_RECORDSET(CDistintaArticoloCompletaSet)
};
