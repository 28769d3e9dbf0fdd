// CDomainFamiglia: construction and reading a row.
#include "orvelmagdb/domain/masterdata/DomainFamiglia.h"

#include "orvelmagdb/recordsets/masterdata/FamigliaSet.h"

CDomainFamiglia::CDomainFamiglia(CDatabase* pDatabase) : CDomainClass(pDatabase) {}

CDomainFamiglia::~CDomainFamiglia() = default;

void CDomainFamiglia::FromRecordset(CFamigliaSet& rs)
{
    ID = rs.ID;
    DESCRIZIONE = rs.DESCRIZIONE;
    DESCRIZIONE_ESTESA = rs.DESCRIZIONE_ESTESA;
    FILE_FOTO = rs.FILE_FOTO;
    ID_CATEGORIA = rs.ID_CATEGORIA;
    DESCRIZIONE_ESTESA2 = rs.DESCRIZIONE_ESTESA2;
    FILE_FOTO2 = rs.FILE_FOTO2;
    PERC_COSTO_OMAGGIO = Decimal(rs.PERC_COSTO_OMAGGIO, 127);
}
