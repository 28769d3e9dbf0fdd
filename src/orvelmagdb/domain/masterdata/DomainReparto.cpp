// CDomainReparto: construction and reading a row.
#include "orvelmagdb/domain/masterdata/DomainReparto.h"

#include "orvelmagdb/recordsets/masterdata/RepartoSet.h"

CDomainReparto::CDomainReparto(CDatabase* pDatabase) : CDomainClass(pDatabase) {}

CDomainReparto::~CDomainReparto() = default;

void CDomainReparto::FromRecordset(CRepartoSet& rs)
{
    ID = rs.ID;
    DESCRIZIONE = rs.DESCRIZIONE;
    ID_IVA = rs.ID_IVA;
    PREZZO_MINIMO = Decimal(rs.PREZZO_MINIMO, 127);
    PREZZO_MASSIMO = Decimal(rs.PREZZO_MASSIMO, 127);
    PREZZO_DUE = Decimal(rs.PREZZO_DUE, 127);
    PREZZO_UNO = Decimal(rs.PREZZO_UNO, 127);
    STAMPANTE = rs.STAMPANTE;
}
