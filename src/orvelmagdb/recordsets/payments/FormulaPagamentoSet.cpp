// CFormulaPagamentoSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/payments/FormulaPagamentoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CFormulaPagamentoSet)
