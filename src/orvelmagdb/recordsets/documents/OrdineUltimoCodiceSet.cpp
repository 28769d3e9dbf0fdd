// COrdineUltimoCodiceSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documents/OrdineUltimoCodiceSet.h"

ORVEL_RECORDSET_IMPLEMENT(COrdineUltimoCodiceSet)
