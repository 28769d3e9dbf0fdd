// CGruppoSet: Article groups, under a family.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/Catalogue.h"

class ORVEL_API CGruppoSet : public CRecordset {
    ORVEL_RECORDSET(CGruppoSet)
};
