// CDocumentoVoceDocumentoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documentlines/DocumentoVoceDocumentoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CDocumentoVoceDocumentoSet)
