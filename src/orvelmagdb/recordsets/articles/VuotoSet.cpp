// CVuotoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/articles/VuotoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CVuotoSet)
