// CVoceCatalogoCategoriaSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/articles/VoceCatalogoCategoriaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CVoceCatalogoCategoriaSet)
