// CPiePaginaPagamentoDocumentoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documents/PiePaginaPagamentoDocumentoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CPiePaginaPagamentoDocumentoSet)
