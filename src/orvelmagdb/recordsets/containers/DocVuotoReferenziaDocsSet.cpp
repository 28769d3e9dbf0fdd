// CDocVuotoReferenziaDocsSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/containers/DocVuotoReferenziaDocsSet.h"

ORVEL_RECORDSET_IMPLEMENT(CDocVuotoReferenziaDocsSet)
