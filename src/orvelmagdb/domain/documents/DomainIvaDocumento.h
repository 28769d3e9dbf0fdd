// CDomainIvaDocumento: one row of a document's VAT summary, the taxable amount and the VAT of one
// VAT code together with the code's rate and note. The rate and note come from the VAT table
// (DB_Load_IVA), never from the lines; the two totals grow by one contribution at a time and are
// rounded to the price precision after each, so a row's amounts are sums of rounded steps. The
// rate is kept rounded to the VAT precision. Rows are written by the summary that holds them
// (CDomainListaIvaDocumento), so the row's own DB_Load and DB_Update answer false.
#pragma once

#include "afx/Export.h"
#include "afx/String.h"
#include "orveldblib/Decimal.h"
#include "orveldblib/DomainClass.h"

class CIvaDocumentoSet;

class ORVEL_API CDomainIvaDocumento : public CDomainClass {
public:
    // Reads the price, totals and VAT precisions of the configuration.
    explicit CDomainIvaDocumento(CDatabase* pDatabase = nullptr);
    // Both copy the connection settings, then everything else through CopyData.
    CDomainIvaDocumento(const CDomainIvaDocumento& other);
    CDomainIvaDocumento& operator=(const CDomainIvaDocumento& other);
    ~CDomainIvaDocumento() override;

    long Get_ID_DOCUMENTO() const { return ID_DOCUMENTO; }
    const CString& Get_ID_IVA() const { return ID_IVA; }
    const Decimal& Get_ALIQUOTA_IVA() const { return ALIQUOTA_IVA; }
    const CString& Get_NOTE_IVA() const { return NOTE_IVA; }
    const Decimal& Get_TOTALE_IMPONIBILE() const { return TOTALE_IMPONIBILE; }
    const Decimal& Get_TOTALE_IVA() const { return TOTALE_IVA; }

    void Set_ID_DOCUMENTO(long value) { ID_DOCUMENTO = value; }
    void Set_ID_IVA(const CString& value) { ID_IVA = value; }
    void Set_NOTE_IVA(const CString& value) { NOTE_IVA = value; }
    // Rounded to the VAT precision.
    void Set_ALIQUOTA_IVA(const Decimal& value);
    // Rounded to the price precision.
    void Set_TOTALE_IMPONIBILE(const Decimal& value);
    void Set_TOTALE_IVA(const Decimal& value);
    // Add the amount, then round the sum to the price precision.
    void Add_TOTALE_IMPONIBILE(const Decimal& value);
    void Add_TOTALE_IVA(const Decimal& value);

    // Takes the rate and note of the VAT code ID_IVA from the VAT table. False when the code has
    // no row or the database fails; a failure is not shown to the user, the row is just left out.
    bool DB_Load_IVA();
    // Fills the current row of the set: amounts and rate in their stored text form.
    void ToRecordset(CIvaDocumentoSet& rs) const;

protected:
    // Copies the precisions, then the fields, rounding the rate and the totals to the copied
    // precisions.
    void CopyData(const CDomainIvaDocumento& other);

    int m_nPrecisionePrezzi;
    int m_nPrecisioneTotali;
    int m_nPrecisioneIva;

    long ID_DOCUMENTO;
    CString ID_IVA;
    Decimal ALIQUOTA_IVA;
    CString NOTE_IVA;
    Decimal TOTALE_IMPONIBILE;
    Decimal TOTALE_IVA;

    friend class CDomainListaIvaDocumento;
};
