// CRicercaPromozioneSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/promotions/RicercaPromozioneSet.h"

ORVEL_RECORDSET_IMPLEMENT(CRicercaPromozioneSet)
