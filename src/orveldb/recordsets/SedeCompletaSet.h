// CSedeCompletaSet: partners' sites with the partner's name and the kind of site.
#pragma once

#include "afx/Export.h"
#include "orveldb/OrvelDbCatalogue.h"

class ORVEL_API CSedeCompletaSet : public CRecordset {
    ORVEL_RECORDSET(CSedeCompletaSet)
};
