// CDomainUnitaMisura: construction and reading a row.
#include "orvelmagdb/domain/masterdata/DomainUnitaMisura.h"

#include "orvelmagdb/recordsets/masterdata/UnitaMisuraSet.h"

CDomainUnitaMisura::CDomainUnitaMisura(CDatabase* pDatabase) : CDomainClass(pDatabase) {}

CDomainUnitaMisura::~CDomainUnitaMisura() = default;

void CDomainUnitaMisura::FromRecordset(CUnitaMisuraSet& rs)
{
    ID = rs.ID;
    DESCRIZIONE = rs.DESCRIZIONE;
}
