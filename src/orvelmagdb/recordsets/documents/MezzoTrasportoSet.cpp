// CMezzoTrasportoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documents/MezzoTrasportoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CMezzoTrasportoSet)
