// The warehouse line: its own kind for copying, resetting and summing, and its row mapping.
#include "orvelmagdb/domain/documents/DomainVoceDocumentoMagazzino.h"

#include "orvelmagdb/recordsets/documentlines/VociDocumentoOperSet.h"
#include "orvelmagdb/recordsets/documentlines/VociDocumentoSet.h"

CDomainVoceDocumentoMagazzino::CDomainVoceDocumentoMagazzino(CDatabase* pDatabase) : CDomainVoceDocumento(pDatabase) {}

CDomainVoceDocumentoMagazzino::CDomainVoceDocumentoMagazzino(const CDomainVoceDocumentoMagazzino& other)
    : CDomainVoceDocumento(other)
{
}

CDomainVoceDocumentoMagazzino::~CDomainVoceDocumentoMagazzino() = default;

CDomainVoceDocumentoMagazzino& CDomainVoceDocumentoMagazzino::operator=(const CDomainVoceDocumentoMagazzino& other)
{
    CDomainVoceDocumento::operator=(other);
    return *this;
}

CDomainVoceDocumento* CDomainVoceDocumentoMagazzino::Clone() const { return new CDomainVoceDocumentoMagazzino(*this); }

void CDomainVoceDocumentoMagazzino::Reset() { *this = CDomainVoceDocumentoMagazzino(GetDatabase()); }

CDomainVoceDocumentoMagazzino CDomainVoceDocumentoMagazzino::operator+(const CDomainVoceDocumento& other) const
{
    CDomainVoceDocumentoMagazzino sum(*this);
    sum.AddQuantities(other, true);
    return sum;
}

void CDomainVoceDocumentoMagazzino::FromRecordset(CVociDocumentoSet& rs) { LoadLine(rs); }

void CDomainVoceDocumentoMagazzino::ToRecordset(CVociDocumentoOperSet& rs) const { StoreLine(rs); }
