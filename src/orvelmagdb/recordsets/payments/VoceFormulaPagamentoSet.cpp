// CVoceFormulaPagamentoSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/payments/VoceFormulaPagamentoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CVoceFormulaPagamentoSet)
