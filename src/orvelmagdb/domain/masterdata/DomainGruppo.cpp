// CDomainGruppo: construction and reading a row.
#include "orvelmagdb/domain/masterdata/DomainGruppo.h"

#include "orvelmagdb/recordsets/masterdata/GruppoSet.h"

CDomainGruppo::CDomainGruppo(CDatabase* pDatabase) : CDomainClass(pDatabase) {}

CDomainGruppo::~CDomainGruppo() = default;

void CDomainGruppo::FromRecordset(CGruppoSet& rs)
{
    ID = rs.ID;
    DESCRIZIONE = rs.DESCRIZIONE;
    DESCRIZIONE_ESTESA = rs.DESCRIZIONE_ESTESA;
    FILE_FOTO = rs.FILE_FOTO;
    ID_FAMIGLIA = rs.ID_FAMIGLIA;
    DESCRIZIONE_ESTESA2 = rs.DESCRIZIONE_ESTESA2;
    FILE_FOTO2 = rs.FILE_FOTO2;
}
