// CListinoSet: price lists.
#pragma once

#include "afx/Export.h"
#include "orveldb/OrvelDbCatalogue.h"

class ORVEL_API CListinoSet : public CRecordset {
    ORVEL_RECORDSET(CListinoSet)
};
