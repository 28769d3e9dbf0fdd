// CCausaleTrasportoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documents/CausaleTrasportoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CCausaleTrasportoSet)
