// CArticoloPromozioneSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/promotions/ArticoloPromozioneSet.h"

ORVEL_RECORDSET_IMPLEMENT(CArticoloPromozioneSet)
