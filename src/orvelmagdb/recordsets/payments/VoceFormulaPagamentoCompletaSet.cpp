// CVoceFormulaPagamentoCompletaSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/payments/VoceFormulaPagamentoCompletaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CVoceFormulaPagamentoCompletaSet)
