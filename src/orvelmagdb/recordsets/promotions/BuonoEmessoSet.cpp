// CBuonoEmessoSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/promotions/BuonoEmessoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CBuonoEmessoSet)
