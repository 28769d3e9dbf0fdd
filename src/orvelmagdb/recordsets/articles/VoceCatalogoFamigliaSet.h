// CVoceCatalogoFamigliaSet: families listed in a catalogue, by position.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ArticleCatalogue.h"

class ORVEL_API CVoceCatalogoFamigliaSet : public CRecordset {
    ORVEL_RECORDSET(CVoceCatalogoFamigliaSet)
};
