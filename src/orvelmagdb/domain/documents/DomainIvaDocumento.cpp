// One row of a document's VAT summary: rounding, loading the VAT code, writing the row.
#include "orvelmagdb/domain/documents/DomainIvaDocumento.h"

#include "odbc/DBException.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/recordsets/documents/IvaDocumentoSet.h"
#include "orvelmagdb/recordsets/masterdata/IvaSet.h"

namespace {

int Precision(const char* key)
{
    return CApplicationAdministrator::GetInstance()->GetConfig()->GetParamAsInt(key);
}

}  // namespace

CDomainIvaDocumento::CDomainIvaDocumento(CDatabase* pDatabase)
    : CDomainClass(pDatabase),
      m_nPrecisionePrezzi(Precision("precisione/prezzi")),
      m_nPrecisioneTotali(Precision("precisione/totali")),
      m_nPrecisioneIva(Precision("precisione/iva")),
      // The summary sets the document before a row is written; until then the row belongs to none.
      ID_DOCUMENTO(-1),
      ALIQUOTA_IVA(CString(""), 127),
      TOTALE_IMPONIBILE(CString(""), 127),
      TOTALE_IVA(CString(""), 127)
{
}

CDomainIvaDocumento::CDomainIvaDocumento(const CDomainIvaDocumento& other) : CDomainClass(other)
{
    CopyData(other);
}

CDomainIvaDocumento& CDomainIvaDocumento::operator=(const CDomainIvaDocumento& other)
{
    if (this != &other) {
        CDomainClass::operator=(other);
        CopyData(other);
    }
    return *this;
}

CDomainIvaDocumento::~CDomainIvaDocumento() = default;

void CDomainIvaDocumento::CopyData(const CDomainIvaDocumento& other)
{
    m_nPrecisionePrezzi = other.m_nPrecisionePrezzi;
    m_nPrecisioneTotali = other.m_nPrecisioneTotali;
    m_nPrecisioneIva = other.m_nPrecisioneIva;
    ID_DOCUMENTO = other.ID_DOCUMENTO;
    ID_IVA = other.ID_IVA;
    Set_ALIQUOTA_IVA(other.ALIQUOTA_IVA);
    NOTE_IVA = other.NOTE_IVA;
    Set_TOTALE_IMPONIBILE(other.TOTALE_IMPONIBILE);
    Set_TOTALE_IVA(other.TOTALE_IVA);
}

void CDomainIvaDocumento::Set_ALIQUOTA_IVA(const Decimal& value)
{
    ALIQUOTA_IVA = value;
    ALIQUOTA_IVA.Round3(m_nPrecisioneIva);
}

void CDomainIvaDocumento::Set_TOTALE_IMPONIBILE(const Decimal& value)
{
    TOTALE_IMPONIBILE = value;
    TOTALE_IMPONIBILE.Round3(m_nPrecisionePrezzi);
}

void CDomainIvaDocumento::Set_TOTALE_IVA(const Decimal& value)
{
    TOTALE_IVA = value;
    TOTALE_IVA.Round3(m_nPrecisionePrezzi);
}

void CDomainIvaDocumento::Add_TOTALE_IMPONIBILE(const Decimal& value)
{
    Set_TOTALE_IMPONIBILE(TOTALE_IMPONIBILE + value);
}

void CDomainIvaDocumento::Add_TOTALE_IVA(const Decimal& value)
{
    Set_TOTALE_IVA(TOTALE_IVA + value);
}

bool CDomainIvaDocumento::DB_Load_IVA()
{
    try {
        CIvaSet rs(GetDatabase());
        rs.m_strFilter.Format("CODICE = '%s'", (LPCTSTR)SetFilterParam(ID_IVA));
        rs.Open();
        if (rs.IsEOF())
            return false;
        Set_ALIQUOTA_IVA(Decimal(rs.ALIQUOTA, 127));
        NOTE_IVA = rs.NOTE;
        rs.Close();
        return true;
    } catch (const CDBException&) {
        // A code that cannot be read is treated as unknown: the summary leaves it out, and the
        // document's totals, which do not depend on it, still hold.
        return false;
    }
}

void CDomainIvaDocumento::ToRecordset(CIvaDocumentoSet& rs) const
{
    rs.ID_DOCUMENTO = ID_DOCUMENTO;
    rs.ALIQUOTA_IVA = ToStoredText(ALIQUOTA_IVA);
    rs.ID_IVA = ID_IVA;
    rs.NOTE_IVA = NOTE_IVA;
    rs.TOTALE_IMPONIBILE = ToStoredText(TOTALE_IMPONIBILE);
    rs.TOTALE_IVA = ToStoredText(TOTALE_IVA);
}
