// CCatalogoCategoriaSet: catalogues (of articles, categories or families), with their creation
// date.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ArticleCatalogue.h"

class ORVEL_API CCatalogoCategoriaSet : public CRecordset {
    ORVEL_RECORDSET(CCatalogoCategoriaSet)
};
