// CVoceCatalogoFamigliaSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/articles/VoceCatalogoFamigliaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CVoceCatalogoFamigliaSet)
