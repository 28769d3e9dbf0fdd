// CAziendaSet: columns, table and defaults come from the catalogue.
#include "orveldb/recordsets/AziendaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CAziendaSet)
