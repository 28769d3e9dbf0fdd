// CDomainVoceDocumentoModa: the fashion line, a line with size scale, size, colour and a row
// number. It is read from VOCI_DOCUMENTO_MODA_LOAD and written through VOCI_DOCUMENTO_MODA_OPER.
// Two fashion lines are equal only on the same size, colour and row number as well; their sum
// keeps this line's gross quantity and packages.
#pragma once

#include "afx/Export.h"
#include "afx/String.h"
#include "orvelmagdb/domain/documents/DomainVoceDocumento.h"

class CVociDocumentoModaLoadSet;
class CVociDocumentoModaOperSet;

class ORVEL_API CDomainVoceDocumentoModa : public CDomainVoceDocumento {
public:
    explicit CDomainVoceDocumentoModa(CDatabase* pDatabase = nullptr);
    // Copies the line, then the four fashion fields.
    CDomainVoceDocumentoModa(const CDomainVoceDocumentoModa& other);
    ~CDomainVoceDocumentoModa() override;

    // Assigning a plain line copies the line's fields and leaves the fashion fields alone.
    using CDomainVoceDocumento::operator=;
    // The line's assignment, then the four fashion fields.
    virtual CDomainVoceDocumentoModa& operator=(const CDomainVoceDocumentoModa& other);

    CDomainVoceDocumento* Clone() const override;
    // Every field back to a fresh fashion line's, precisions read again.
    void Reset() override;

    const CString& Get_ID_SCALA_TAGLIA() const { return ID_SCALA_TAGLIA; }
    void Set_ID_SCALA_TAGLIA(const CString& value) { ID_SCALA_TAGLIA = value; }
    const CString& Get_ID_TAGLIA() const { return ID_TAGLIA; }
    void Set_ID_TAGLIA(const CString& value) { ID_TAGLIA = value; }
    const CString& Get_ID_COLORE() const { return ID_COLORE; }
    void Set_ID_COLORE(const CString& value) { ID_COLORE = value; }
    long Get_RN() const { return RN; }
    void Set_RN(long value) { RN = value; }

    // The line's equality, then the same size scale, size, colour, bar code and row number.
    bool operator==(const CDomainVoceDocumentoModa& other) const;
    // A copy of this line with the quantities summed; gross quantity and packages stay this line's.
    CDomainVoceDocumentoModa operator+(const CDomainVoceDocumento& other) const;
    // this = this + other, through the fashion assignment.
    CDomainVoceDocumentoModa& operator+=(const CDomainVoceDocumento& other);

    // Fills the line, fashion fields included, from the current row.
    void FromRecordset(CVociDocumentoModaLoadSet& rs);
    // Writes the line, fashion fields included, into the current row after AddNew or Edit.
    void ToRecordset(CVociDocumentoModaOperSet& rs) const;

protected:
    CString ID_SCALA_TAGLIA;
    CString ID_TAGLIA;
    CString ID_COLORE;
    // Set by every load and assignment and by the fashion document's line write; a new line
    // starts at 0.
    long RN = 0;
};
