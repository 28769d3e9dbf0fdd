// CCategoriaSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/masterdata/CategoriaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CCategoriaSet)
