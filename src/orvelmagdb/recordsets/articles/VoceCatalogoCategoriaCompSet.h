// CVoceCatalogoCategoriaCompSet: categories listed in a catalogue, with the catalogue's name and
// the category's description.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ArticleCatalogue.h"

class ORVEL_API CVoceCatalogoCategoriaCompSet : public CRecordset {
    ORVEL_RECORDSET(CVoceCatalogoCategoriaCompSet)
};
