// CCausaleVuotoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/containers/CausaleVuotoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CCausaleVuotoSet)
