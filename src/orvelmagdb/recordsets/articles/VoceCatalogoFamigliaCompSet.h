// CVoceCatalogoFamigliaCompSet: families listed in a catalogue, with the catalogue's name and the
// family's description.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ArticleCatalogue.h"

class ORVEL_API CVoceCatalogoFamigliaCompSet : public CRecordset {
    ORVEL_RECORDSET(CVoceCatalogoFamigliaCompSet)
};
