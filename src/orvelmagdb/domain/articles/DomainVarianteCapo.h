// CDomainVarianteCapo: what makes one garment of a fashion article: its size scale, size and
// colour, its own barcode and its row number among the article's garments. A fashion article
// keeps one per garment; a garment object carries its own.
#pragma once

#include "afx/Export.h"
#include "afx/String.h"

class ORVEL_API CDomainVarianteCapo {
public:
    CDomainVarianteCapo() = default;
    CDomainVarianteCapo(const CDomainVarianteCapo& other) = default;
    CDomainVarianteCapo& operator=(const CDomainVarianteCapo& other) = default;
    virtual ~CDomainVarianteCapo();

    const CString& Get_CAPO_ID_SCALA_TAGLIA() const { return CAPO_ID_SCALA_TAGLIA; }
    const CString& Get_CAPO_ID_TAGLIA() const { return CAPO_ID_TAGLIA; }
    const CString& Get_CAPO_ID_COLORE() const { return CAPO_ID_COLORE; }
    const CString& Get_CAPO_CODICE_EAN() const { return CAPO_CODICE_EAN; }
    long Get_CAPO_RN() const { return CAPO_RN; }
    void Set_CAPO_ID_SCALA_TAGLIA(const CString& value) { CAPO_ID_SCALA_TAGLIA = value; }
    void Set_CAPO_ID_TAGLIA(const CString& value) { CAPO_ID_TAGLIA = value; }
    void Set_CAPO_ID_COLORE(const CString& value) { CAPO_ID_COLORE = value; }
    void Set_CAPO_CODICE_EAN(const CString& value) { CAPO_CODICE_EAN = value; }
    void Set_CAPO_RN(long value) { CAPO_RN = value; }

protected:
    CString CAPO_ID_SCALA_TAGLIA;
    CString CAPO_ID_TAGLIA;
    CString CAPO_ID_COLORE;
    CString CAPO_CODICE_EAN;
    long CAPO_RN = 0;
};
