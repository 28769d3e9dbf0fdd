// CVoceCatalogoArticoloSet: articles listed in a catalogue, by position.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ArticleCatalogue.h"

class ORVEL_API CVoceCatalogoArticoloSet : public CRecordset {
    ORVEL_RECORDSET(CVoceCatalogoArticoloSet)
};
