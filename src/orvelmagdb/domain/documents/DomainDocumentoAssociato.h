// CDomainDocumentoAssociato: the summary of another document that a document is linked to (the
// order a delivery note ships, the delivery note an invoice bills): its key, number, series,
// dates, reason, type, total, VAT total and extra discount. The totals are kept rounded to the
// totals precision and the extra discount to the discounts precision, both read when the entry
// is built.
#pragma once

#include "afx/Export.h"
#include "afx/String.h"
#include "orveldblib/Decimal.h"
#include "orvelmagdb/domain/documents/DomainDocumentoBase.h"

class CDocumentiReferenziatiSet;
class CDocumentiVuotiReferenziatiSet;
class CRicercaDocumentoSet;

class ORVEL_API CDomainDocumentoAssociato : public CDomainDocumentoBase {
public:
    explicit CDomainDocumentoAssociato(CDatabase* pDatabase = nullptr);
    CDomainDocumentoAssociato(const CDomainDocumentoAssociato& other);
    // Copies everything, the precisions included, and rounds the copied amounts to them.
    CDomainDocumentoAssociato& operator=(const CDomainDocumentoAssociato& other);
    ~CDomainDocumentoAssociato() override;

    // Reads the summary of the document whose key is in ID from the document search view; false
    // when there is none. A database error reaches the caller.
    bool DB_Load() override;

    // Fill the entry from a row: the links of a document, the document search, or the links of a
    // returnable-container document (which carry no amounts). ANNO becomes the year of the date.
    void FromRecordset(const CDocumentiReferenziatiSet& rs);
    void FromRecordset(const CRicercaDocumentoSet& rs);
    void FromRecordset(const CDocumentiVuotiReferenziatiSet& rs);

    long Get_CAUSALE_ID() const { return CAUSALE_ID; }
    void Set_CAUSALE_ID(long value) { CAUSALE_ID = value; }
    const CString& Get_CAUSALE_DESCRIZIONE() const { return CAUSALE_DESCRIZIONE; }
    void Set_CAUSALE_DESCRIZIONE(const CString& value) { CAUSALE_DESCRIZIONE = value; }
    const CString& Get_TIPO_DOCUMENTO() const { return TIPO_DOCUMENTO; }
    void Set_TIPO_DOCUMENTO(const CString& value) { TIPO_DOCUMENTO = value; }

    const Decimal& Get_TOTALE() const { return TOTALE; }
    void Set_TOTALE(const Decimal& value);
    void Set_TOTALE(const CString& value) { Set_TOTALE(Decimal(value, 127)); }
    const Decimal& Get_TOTALE_IVA() const { return TOTALE_IVA; }
    void Set_TOTALE_IVA(const Decimal& value);
    void Set_TOTALE_IVA(const CString& value) { Set_TOTALE_IVA(Decimal(value, 127)); }
    const Decimal& Get_SCONTO_EXTRA() const { return SCONTO_EXTRA; }
    void Set_SCONTO_EXTRA(const Decimal& value);
    void Set_SCONTO_EXTRA(const CString& value) { Set_SCONTO_EXTRA(Decimal(value, 127)); }

protected:
    template <typename LinkSet>
    void CopyLinkColumns(const LinkSet& rs);

    int m_nPrecisioneTotali;
    int m_nPrecisioneSconti;
    long CAUSALE_ID;
    CString CAUSALE_DESCRIZIONE;
    CString TIPO_DOCUMENTO;
    Decimal TOTALE;
    Decimal TOTALE_IVA;
    Decimal SCONTO_EXTRA;
};
