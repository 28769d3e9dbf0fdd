// CScalaTaglieSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/stock/ScalaTaglieSet.h"

ORVEL_RECORDSET_IMPLEMENT(CScalaTaglieSet)
