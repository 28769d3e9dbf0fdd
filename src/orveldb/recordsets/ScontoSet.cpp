// CScontoSet: columns, table and defaults come from the catalogue.
#include "orveldb/recordsets/ScontoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CScontoSet)
