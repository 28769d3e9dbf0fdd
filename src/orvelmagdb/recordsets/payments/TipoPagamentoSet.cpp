// CTipoPagamentoSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/payments/TipoPagamentoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CTipoPagamentoSet)
