// CVenditaMisuratoreSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/promotions/VenditaMisuratoreSet.h"

ORVEL_RECORDSET_IMPLEMENT(CVenditaMisuratoreSet)
