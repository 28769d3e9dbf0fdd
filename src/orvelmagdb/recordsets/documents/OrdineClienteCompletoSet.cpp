// COrdineClienteCompletoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documents/OrdineClienteCompletoSet.h"

ORVEL_RECORDSET_IMPLEMENT(COrdineClienteCompletoSet)
