// CListaVuotiDocumentiAssociatiSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/containers/ListaVuotiDocumentiAssociatiSet.h"

ORVEL_RECORDSET_IMPLEMENT(CListaVuotiDocumentiAssociatiSet)
