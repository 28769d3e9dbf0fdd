// CContoCompletoSet: accounts with their bank and branch.
#pragma once

#include "afx/Export.h"
#include "orveldb/OrvelDbCatalogue.h"

class ORVEL_API CContoCompletoSet : public CRecordset {
    ORVEL_RECORDSET(CContoCompletoSet)
};
