// CStagioneSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/stock/StagioneSet.h"

ORVEL_RECORDSET_IMPLEMENT(CStagioneSet)
