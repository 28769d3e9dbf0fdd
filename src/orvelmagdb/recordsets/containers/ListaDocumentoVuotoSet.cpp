// CListaDocumentoVuotoSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/containers/ListaDocumentoVuotoSet.h"

ORVEL_RECORDSET_IMPLEMENT(CListaDocumentoVuotoSet)
