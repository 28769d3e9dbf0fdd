// CProgressivoCausaleCompletoSet: a reason's counter with its series, number and the reason's
// description: what numbering reads.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentCatalogue.h"

class ORVEL_API CProgressivoCausaleCompletoSet : public CRecordset {
    ORVEL_RECORDSET(CProgressivoCausaleCompletoSet)
};
