// CEmissioneBuonoCausaleSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/promotions/EmissioneBuonoCausaleSet.h"

ORVEL_RECORDSET_IMPLEMENT(CEmissioneBuonoCausaleSet)
