// CCategoriaScontoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/articles/CategoriaScontoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CCategoriaScontoSet)
