// CCausaleTrasportoSet: transport reasons.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentCatalogue.h"

class ORVEL_API CCausaleTrasportoSet : public CRecordset {
    ORVEL_RECORDSET(CCausaleTrasportoSet)
};
