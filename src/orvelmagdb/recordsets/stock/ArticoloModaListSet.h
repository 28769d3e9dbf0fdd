// CArticoloModaListSet: the short form of a fashion article for lists and searches.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/articles/ArticoloListSet.h"
#include "orvelmagdb/recordsets/catalogue/StockCatalogue.h"

class ORVEL_API CArticoloModaListSet : public CArticoloListSet {
    ORVEL_RECORDSET(CArticoloModaListSet)
};
