// CPostazioneCompletaSet: columns, table and defaults come from the catalogue.
#include "orvelmagdb/recordsets/promotions/PostazioneCompletaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CPostazioneCompletaSet)
