// CPromozioneCompletaSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/promotions/PromozioneCompletaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CPromozioneCompletaSet)
