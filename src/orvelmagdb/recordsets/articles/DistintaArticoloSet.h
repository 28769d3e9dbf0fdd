// CDistintaArticoloSet: bill of materials: the raw materials of an article, their unit, quantity,
// order and level.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ArticleCatalogue.h"

class ORVEL_API CDistintaArticoloSet : public CRecordset {
    ORVEL_RECORDSET(CDistintaArticoloSet)
};
