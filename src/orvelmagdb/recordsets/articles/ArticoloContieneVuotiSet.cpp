// CArticoloContieneVuotiSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/articles/ArticoloContieneVuotiSet.h"

ORVEL_RECORDSET_IMPLEMENT(CArticoloContieneVuotiSet)
