// COrdineClienteListaSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documents/OrdineClienteListaSet.h"

ORVEL_RECORDSET_IMPLEMENT(COrdineClienteListaSet)
