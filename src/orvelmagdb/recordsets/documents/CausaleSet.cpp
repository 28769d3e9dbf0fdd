// CCausaleSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documents/CausaleSet.h"

ORVEL_RECORDSET_IMPLEMENT(CCausaleSet)
