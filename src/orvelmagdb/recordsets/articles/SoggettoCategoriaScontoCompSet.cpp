// CSoggettoCategoriaScontoCompSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/articles/SoggettoCategoriaScontoCompSet.h"

ORVEL_RECORDSET_IMPLEMENT(CSoggettoCategoriaScontoCompSet)
