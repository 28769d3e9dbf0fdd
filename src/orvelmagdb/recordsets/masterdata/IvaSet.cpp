// CIvaSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/masterdata/IvaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CIvaSet)
