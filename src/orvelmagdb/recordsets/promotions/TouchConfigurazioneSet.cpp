// CTouchConfigurazioneSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/promotions/TouchConfigurazioneSet.h"

ORVEL_RECORDSET_IMPLEMENT(CTouchConfigurazioneSet)
