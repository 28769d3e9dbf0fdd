// CVociDocumentoModaLoadSet: the stored lines with their fashion columns: what a fashion document
// loads. Not exported: only the library's own fashion documents read it.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentLineCatalogue.h"

class CVociDocumentoModaLoadSet : public CRecordset {
    ORVEL_RECORDSET(CVociDocumentoModaLoadSet)
};
