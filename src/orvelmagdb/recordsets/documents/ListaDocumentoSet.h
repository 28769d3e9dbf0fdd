// CListaDocumentoSet: documents as the hosts list them: number, reason, company, partners, agent,
// depot, totals and the reason's permissions.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentCatalogue.h"

class ORVEL_API CListaDocumentoSet : public CRecordset {
    ORVEL_RECORDSET(CListaDocumentoSet)
};
