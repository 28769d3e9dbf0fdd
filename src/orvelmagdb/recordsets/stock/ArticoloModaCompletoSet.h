// CArticoloModaCompletoSet: a fashion article: the full article and the descriptions of its season,
// line and fabric.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/articles/ArticoloCompletoSet.h"
#include "orvelmagdb/recordsets/catalogue/StockCatalogue.h"

class ORVEL_API CArticoloModaCompletoSet : public CArticoloCompletoSet {
    ORVEL_RECORDSET(CArticoloModaCompletoSet)
};
