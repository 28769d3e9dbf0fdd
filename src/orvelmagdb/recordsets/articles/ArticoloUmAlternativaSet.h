// CArticoloUmAlternativaSet: other units an article is bought or sold in, with the coefficient to
// its own unit.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ArticleCatalogue.h"

class ORVEL_API CArticoloUmAlternativaSet : public CRecordset {
    ORVEL_RECORDSET(CArticoloUmAlternativaSet)
};
