// CRepartoSet: Till departments with their VAT code, price limits, preset prices and printer.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/Catalogue.h"

class ORVEL_API CRepartoSet : public CRecordset {
    ORVEL_RECORDSET(CRepartoSet)
};
