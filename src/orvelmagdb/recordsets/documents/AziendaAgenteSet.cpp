// CAziendaAgenteSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/documents/AziendaAgenteSet.h"

ORVEL_RECORDSET_IMPLEMENT(CAziendaAgenteSet)
