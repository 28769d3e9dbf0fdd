// CScontoSet: discount bands.
#pragma once

#include "afx/Export.h"
#include "orveldb/OrvelDbCatalogue.h"

class ORVEL_API CScontoSet : public CRecordset {
    ORVEL_RECORDSET(CScontoSet)
};
