// CArticoloUmAlternativaSet: columns, source and defaults come from the catalogue.
#include "orvelmagdb/recordsets/articles/ArticoloUmAlternativaSet.h"

ORVEL_RECORDSET_IMPLEMENT(CArticoloUmAlternativaSet)
