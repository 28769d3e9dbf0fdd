// CDisponibilitaArticoloSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/stock/DisponibilitaArticoloSet.h"

ORVEL_RECORDSET_IMPLEMENT(CDisponibilitaArticoloSet)
