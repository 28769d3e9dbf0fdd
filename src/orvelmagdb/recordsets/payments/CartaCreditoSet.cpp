// CCartaCreditoSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/payments/CartaCreditoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CCartaCreditoSet)
