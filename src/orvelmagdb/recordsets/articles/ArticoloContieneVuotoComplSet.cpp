// CArticoloContieneVuotoComplSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/articles/ArticoloContieneVuotoComplSet.h"

ORVEL_RECORDSET_IMPLEMENT(CArticoloContieneVuotoComplSet)
