// CDisponibilitaArticoloSet: availability of an article: stock on hand and the next expected
// arrival.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/StockCatalogue.h"

class ORVEL_API CDisponibilitaArticoloSet : public CRecordset {
    ORVEL_RECORDSET(CDisponibilitaArticoloSet)
};
