// CPezzoMonetaSet: coin and banknote kinds with their face value.
#pragma once

#include "afx/Export.h"
#include "orveldb/OrvelDbCatalogue.h"

class ORVEL_API CPezzoMonetaSet : public CRecordset {
    ORVEL_RECORDSET(CPezzoMonetaSet)
};
