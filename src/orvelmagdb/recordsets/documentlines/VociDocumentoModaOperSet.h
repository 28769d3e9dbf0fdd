// CVociDocumentoModaOperSet: the stored lines as the fashion line write sees them, with size,
// colour, row number and the header and reason copies.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/DocumentLineCatalogue.h"

class ORVEL_API CVociDocumentoModaOperSet : public CRecordset {
    ORVEL_RECORDSET(CVociDocumentoModaOperSet)
};
