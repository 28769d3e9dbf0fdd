// CPostazioneSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/promotions/PostazioneSet.h"

ORVEL_RECORDSET_IMPLEMENT(CPostazioneSet)
