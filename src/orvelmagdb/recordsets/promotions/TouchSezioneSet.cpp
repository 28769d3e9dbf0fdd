// CTouchSezioneSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/promotions/TouchSezioneSet.h"

ORVEL_RECORDSET_IMPLEMENT(CTouchSezioneSet)
