// CTipoVoceDocumentoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documentlines/TipoVoceDocumentoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CTipoVoceDocumentoSet)
