// CArticoloPromozioneListSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/promotions/ArticoloPromozioneListSet.h"

ORVEL_RECORDSET_IMPLEMENT(CArticoloPromozioneListSet)
