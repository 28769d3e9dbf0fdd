// CDomainCategoria: construction and reading a row.
#include "orvelmagdb/domain/masterdata/DomainCategoria.h"

#include "orvelmagdb/recordsets/masterdata/CategoriaSet.h"

CDomainCategoria::CDomainCategoria(CDatabase* pDatabase) : CDomainClass(pDatabase), F_COMPLETA(0) {}

CDomainCategoria::~CDomainCategoria() = default;

void CDomainCategoria::FromRecordset(const CCategoriaSet& rs)
{
    ID = rs.ID;
    DESCRIZIONE = rs.DESCRIZIONE;
    DESCRIZIONE_ESTESA = rs.DESCRIZIONE_ESTESA;
    FILE_FOTO = rs.FILE_FOTO;
    F_COMPLETA = rs.F_COMPLETA;
    DESCRIZIONE_ESTESA2 = rs.DESCRIZIONE_ESTESA2;
    FILE_FOTO2 = rs.FILE_FOTO2;
}
