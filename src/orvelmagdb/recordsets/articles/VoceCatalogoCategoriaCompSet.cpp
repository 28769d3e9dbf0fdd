// CVoceCatalogoCategoriaCompSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/articles/VoceCatalogoCategoriaCompSet.h"

ORVEL_RECORDSET_IMPLEMENT(CVoceCatalogoCategoriaCompSet)
