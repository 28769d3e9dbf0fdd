// CCategoriaScontoCompletoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/articles/CategoriaScontoCompletoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CCategoriaScontoCompletoSet)
