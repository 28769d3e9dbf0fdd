// CPromozioneSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/promotions/PromozioneSet.h"

ORVEL_RECORDSET_IMPLEMENT(CPromozioneSet)
