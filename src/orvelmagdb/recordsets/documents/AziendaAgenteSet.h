// CAziendaAgenteSet: partners with the agent who follows them.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentCatalogue.h"

class ORVEL_API CAziendaAgenteSet : public CRecordset {
    ORVEL_RECORDSET(CAziendaAgenteSet)
};
