// CAziendaSet: business partners, customers and suppliers.
#pragma once

#include "afx/Export.h"
#include "orveldb/OrvelDbCatalogue.h"

class ORVEL_API CAziendaSet : public CRecordset {
    ORVEL_RECORDSET(CAziendaSet)
};
