// The fashion line: the line plus size scale, size, colour and row number, in copying, equality,
// sum and row mapping.
#include "orvelmagdb/domain/documents/DomainVoceDocumentoModa.h"

#include "orvelmagdb/recordsets/documentlines/VociDocumentoModaOperSet.h"
#include "orvelmagdb/recordsets/documentlines/detail/VociDocumentoModaLoadSet.h"

CDomainVoceDocumentoModa::CDomainVoceDocumentoModa(CDatabase* pDatabase) : CDomainVoceDocumento(pDatabase) {}

CDomainVoceDocumentoModa::CDomainVoceDocumentoModa(const CDomainVoceDocumentoModa& other)
    : CDomainVoceDocumento(other),
      ID_SCALA_TAGLIA(other.ID_SCALA_TAGLIA),
      ID_TAGLIA(other.ID_TAGLIA),
      ID_COLORE(other.ID_COLORE),
      RN(other.RN)
{
}

CDomainVoceDocumentoModa::~CDomainVoceDocumentoModa() = default;

CDomainVoceDocumentoModa& CDomainVoceDocumentoModa::operator=(const CDomainVoceDocumentoModa& other)
{
    CDomainVoceDocumento::operator=(other);
    ID_SCALA_TAGLIA = other.ID_SCALA_TAGLIA;
    ID_TAGLIA = other.ID_TAGLIA;
    ID_COLORE = other.ID_COLORE;
    RN = other.RN;
    return *this;
}

CDomainVoceDocumento* CDomainVoceDocumentoModa::Clone() const { return new CDomainVoceDocumentoModa(*this); }

void CDomainVoceDocumentoModa::Reset()
{
    const CDomainVoceDocumentoModa fresh(GetDatabase());
    operator=(fresh);
}

bool CDomainVoceDocumentoModa::operator==(const CDomainVoceDocumentoModa& other) const
{
    return CDomainVoceDocumento::operator==(other) && ID_SCALA_TAGLIA == other.ID_SCALA_TAGLIA &&
           ID_TAGLIA == other.ID_TAGLIA && ID_COLORE == other.ID_COLORE && CODICE_EAN == other.CODICE_EAN &&
           RN == other.RN;
}

CDomainVoceDocumentoModa CDomainVoceDocumentoModa::operator+(const CDomainVoceDocumento& other) const
{
    CDomainVoceDocumentoModa sum(*this);
    sum.AddQuantities(other, false);
    return sum;
}

CDomainVoceDocumentoModa& CDomainVoceDocumentoModa::operator+=(const CDomainVoceDocumento& other)
{
    return operator=(*this + other);
}

void CDomainVoceDocumentoModa::FromRecordset(CVociDocumentoModaLoadSet& rs)
{
    LoadLine(rs);
    ID_SCALA_TAGLIA = rs.ID_SCALA_TAGLIA;
    ID_TAGLIA = rs.ID_TAGLIA;
    ID_COLORE = rs.ID_COLORE;
    RN = rs.RN;
}

void CDomainVoceDocumentoModa::ToRecordset(CVociDocumentoModaOperSet& rs) const
{
    StoreLine(rs);
    rs.ID_SCALA_TAGLIA = ID_SCALA_TAGLIA;
    rs.ID_TAGLIA = ID_TAGLIA;
    rs.ID_COLORE = ID_COLORE;
    rs.RN = RN;
    rs.SetFieldNull(&rs.RN, FALSE);
}
