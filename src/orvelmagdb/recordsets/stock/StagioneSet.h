// CStagioneSet: seasons.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/StockCatalogue.h"

class ORVEL_API CStagioneSet : public CRecordset {
    ORVEL_RECORDSET(CStagioneSet)
};
