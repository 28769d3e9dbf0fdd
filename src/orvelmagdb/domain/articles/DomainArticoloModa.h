// CDomainArticoloModa: a fashion article (a model): the article with its season, line and fabric,
// and the list of its garments, one variant per size scale, size and colour with its barcode.
// The garments are read with the article when asked; a garment object for one of them comes
// from the list in memory, by barcode, by size scale, size and colour, or by row number.
//
// The fashion tables are written by the host programs; the model's own row is saved as any
// article's.
#pragma once

#include "afx/Array.h"
#include "afx/Export.h"
#include "afx/String.h"
#include "orvelmagdb/domain/articles/DomainArticolo.h"
#include "orvelmagdb/domain/articles/DomainCapoModa.h"
#include "orvelmagdb/domain/articles/DomainVarianteCapo.h"

class CArticoloModaCompletoSet;

class ORVEL_API CDomainArticoloModa : public CDomainArticolo {
public:
    using CArrayVarianteCapo = CArray<CDomainVarianteCapo>;

    explicit CDomainArticoloModa(CDatabase* pDatabase = nullptr);
    CDomainArticoloModa(const CDomainArticoloModa& other);
    CDomainArticoloModa& operator=(const CDomainArticoloModa& other);
    ~CDomainArticoloModa() override;

    // The article's key resolution stays available beside the fashion load.
    using CDomainArticolo::DB_Load;
    // Loads the article of ID with its fashion data and, when loadGarments is true, appends its
    // garments to the list (not emptied first), in size scale, size and colour order. False when
    // ID is empty or names no article, or when the database fails (shown in the error box).
    virtual bool DB_Load(bool loadGarments);

    // The article's row, then the season, line and fabric with their descriptions.
    void FromRecordset(CArticoloModaCompletoSet& rs);

    // A garment of this model: the article part a copy of this article, the variant part the
    // first variant that matches (exact comparison). No match gives an empty garment on this
    // article's connection.
    CDomainCapoModa GetCapo(const CString& ean) const;
    CDomainCapoModa GetCapo(const CString& scalaTaglia, const CString& taglia, const CString& colore) const;
    CDomainCapoModa GetCapo(long rn) const;

    const CArrayVarianteCapo& GetCapi() const { return m_arrCapi; }
    void SetCapi(const CArrayVarianteCapo& value) { m_arrCapi = value; }

    const CString& Get_ID_STAGIONE() const { return ID_STAGIONE; }
    const CString& Get_STAGIONE() const { return STAGIONE; }
    const CString& Get_ID_LINEA() const { return ID_LINEA; }
    const CString& Get_LINEA() const { return LINEA; }
    const CString& Get_ID_TESSUTO() const { return ID_TESSUTO; }
    const CString& Get_TESSUTO() const { return TESSUTO; }
    CString& Ref_ID_STAGIONE() { return ID_STAGIONE; }
    CString& Ref_STAGIONE() { return STAGIONE; }
    CString& Ref_ID_LINEA() { return ID_LINEA; }
    CString& Ref_LINEA() { return LINEA; }
    CString& Ref_ID_TESSUTO() { return ID_TESSUTO; }
    CString& Ref_TESSUTO() { return TESSUTO; }
    void Set_ID_STAGIONE(const CString& value) { ID_STAGIONE = value; }
    void Set_STAGIONE(const CString& value) { STAGIONE = value; }
    void Set_ID_LINEA(const CString& value) { ID_LINEA = value; }
    void Set_LINEA(const CString& value) { LINEA = value; }
    void Set_ID_TESSUTO(const CString& value) { ID_TESSUTO = value; }
    void Set_TESSUTO(const CString& value) { TESSUTO = value; }

protected:
    // The garment made of this article and one variant (or of nothing, when none matched).
    template <typename Match>
    CDomainCapoModa FindCapo(Match&& match) const;

    CString ID_STAGIONE;
    CString STAGIONE;
    CString ID_LINEA;
    CString LINEA;
    CString ID_TESSUTO;
    CString TESSUTO;
    CArrayVarianteCapo m_arrCapi;
};
