// CTagliaCompletaSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/stock/TagliaCompletaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CTagliaCompletaSet)
