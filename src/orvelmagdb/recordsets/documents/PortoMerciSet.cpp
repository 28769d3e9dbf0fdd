// CPortoMerciSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documents/PortoMerciSet.h"

ORVEL_RECORDSET_IMPLEMENT(CPortoMerciSet)
