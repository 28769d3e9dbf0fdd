// CEmissioneBuonoCategoriaSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/promotions/detail/EmissioneBuonoCategoriaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CEmissioneBuonoCategoriaSet)
