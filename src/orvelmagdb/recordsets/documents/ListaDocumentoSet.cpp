// CListaDocumentoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documents/ListaDocumentoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CListaDocumentoSet)
