// CCodiceAlternativoArticolo: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/articles/CodiceAlternativoArticolo.h"

ORVEL_RECORDSET_IMPLEMENT(CCodiceAlternativoArticolo)
