// CVoceCatalogoFamigliaCompSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/articles/VoceCatalogoFamigliaCompSet.h"

ORVEL_RECORDSET_IMPLEMENT(CVoceCatalogoFamigliaCompSet)
