// CCatalogoCategoriaSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/articles/CatalogoCategoriaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CCatalogoCategoriaSet)
