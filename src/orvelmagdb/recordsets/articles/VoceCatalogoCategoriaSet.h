// CVoceCatalogoCategoriaSet: categories listed in a catalogue, by position.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ArticleCatalogue.h"

class ORVEL_API CVoceCatalogoCategoriaSet : public CRecordset {
    ORVEL_RECORDSET(CVoceCatalogoCategoriaSet)
};
