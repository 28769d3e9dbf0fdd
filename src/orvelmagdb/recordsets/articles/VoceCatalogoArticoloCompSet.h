// CVoceCatalogoArticoloCompSet: articles listed in a catalogue, with description and photo.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ArticleCatalogue.h"

class ORVEL_API CVoceCatalogoArticoloCompSet : public CRecordset {
    ORVEL_RECORDSET(CVoceCatalogoArticoloCompSet)
};
