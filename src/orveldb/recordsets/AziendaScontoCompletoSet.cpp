// CAziendaScontoCompletoSet: columns, table and defaults come from the catalogue.
#include "orveldb/recordsets/AziendaScontoCompletoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CAziendaScontoCompletoSet)
