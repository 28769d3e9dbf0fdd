// CDomainVoceDocumentoMagazzino: the warehouse line, read from the stored lines (VOCI_DOCUMENTO)
// and written through the warehouse line write (VOCI_DOCUMENTO_OPER). It adds no data to the
// line; its sum adds the gross quantity and the packages as the base line does.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/domain/documents/DomainVoceDocumento.h"

class CVociDocumentoSet;
class CVociDocumentoOperSet;

class ORVEL_API CDomainVoceDocumentoMagazzino : public CDomainVoceDocumento {
public:
    explicit CDomainVoceDocumentoMagazzino(CDatabase* pDatabase = nullptr);
    CDomainVoceDocumentoMagazzino(const CDomainVoceDocumentoMagazzino& other);
    ~CDomainVoceDocumentoMagazzino() override;

    // The line's assignment, for warehouse lines too.
    using CDomainVoceDocumento::operator=;
    CDomainVoceDocumentoMagazzino& operator=(const CDomainVoceDocumentoMagazzino& other);

    CDomainVoceDocumento* Clone() const override;
    // Every field back to a fresh warehouse line's, precisions read again.
    void Reset() override;

    // The base equality. Two warehouse lines compare through their own overload, so that C++20's
    // reversed candidates of the base one (each side converted to the base) do not compete.
    using CDomainVoceDocumento::operator==;
    bool operator==(const CDomainVoceDocumentoMagazzino& other) const
    {
        return CDomainVoceDocumento::operator==(other);
    }
    CDomainVoceDocumentoMagazzino operator+(const CDomainVoceDocumento& other) const;

    // Fills the line from the current row.
    void FromRecordset(CVociDocumentoSet& rs);
    // Writes the line into the current row, after the caller's AddNew or Edit. ID, the document,
    // the header and reason copies and the marker are the caller's to fill.
    void ToRecordset(CVociDocumentoOperSet& rs) const;
};
