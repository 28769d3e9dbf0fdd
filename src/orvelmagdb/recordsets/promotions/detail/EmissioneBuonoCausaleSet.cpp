// CEmissioneBuonoCausaleSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/promotions/detail/EmissioneBuonoCausaleSet.h"

ORVEL_RECORDSET_IMPLEMENT(CEmissioneBuonoCausaleSet)
