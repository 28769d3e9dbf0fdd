// CDocReferenziaDocsSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documents/DocReferenziaDocsSet.h"

ORVEL_RECORDSET_IMPLEMENT(CDocReferenziaDocsSet)
