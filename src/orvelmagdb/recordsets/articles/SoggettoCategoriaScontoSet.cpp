// CSoggettoCategoriaScontoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/articles/SoggettoCategoriaScontoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CSoggettoCategoriaScontoSet)
