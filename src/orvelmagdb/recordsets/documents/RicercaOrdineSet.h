// CRicercaOrdineSet: orders as the search finds them, with their state.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentCatalogue.h"

class ORVEL_API CRicercaOrdineSet : public CRecordset {
    ORVEL_RECORDSET(CRicercaOrdineSet)
};
