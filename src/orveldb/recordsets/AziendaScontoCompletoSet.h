// CAziendaScontoCompletoSet: partners with their discount band and price list.
#pragma once

#include "afx/Export.h"
#include "orveldb/OrvelDbCatalogue.h"

class ORVEL_API CAziendaScontoCompletoSet : public CRecordset {
    ORVEL_RECORDSET(CAziendaScontoCompletoSet)
};
