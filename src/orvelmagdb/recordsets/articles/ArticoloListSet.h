// CArticoloListSet: the short form of an article for lists and searches, with its VAT rate.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ArticleCatalogue.h"

class ORVEL_API CArticoloListSet : public CRecordset {
    ORVEL_RECORDSET(CArticoloListSet)
};
