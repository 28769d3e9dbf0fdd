// One alternative unit of an article: defaults and the copy to and from its table row.
#include "orvelmagdb/domain/articles/DomainArticoloUmAlternativa.h"

#include "orvelmagdb/recordsets/articles/ArticoloUmAlternativaSet.h"

CDomainArticoloUmAlternativa::CDomainArticoloUmAlternativa(CDatabase* pDatabase)
    : CDomainClass(pDatabase), COEFFICIENTE(1L)
{
}

CDomainArticoloUmAlternativa::~CDomainArticoloUmAlternativa() = default;

void CDomainArticoloUmAlternativa::FromRecordset(CArticoloUmAlternativaSet& rs)
{
    ID_ARTICOLO = rs.ID_ARTICOLO;
    ID_UNITA_MISURA = rs.ID_UNITA_MISURA;
    COEFFICIENTE = Decimal(rs.COEFFICIENTE, 127);
}

void CDomainArticoloUmAlternativa::ToRecordset(CArticoloUmAlternativaSet& rs) const
{
    rs.ID_ARTICOLO = ID_ARTICOLO;
    rs.ID_UNITA_MISURA = ID_UNITA_MISURA;
    rs.COEFFICIENTE = ToStoredText(COEFFICIENTE);
}
