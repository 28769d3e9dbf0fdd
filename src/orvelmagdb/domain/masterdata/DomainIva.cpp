// VAT code persistence and rounding.
#include "orvelmagdb/domain/masterdata/DomainIva.h"

#include "odbc/DBException.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/recordsets/masterdata/IvaSet.h"

CDomainIva::CDomainIva(CDatabase* pDatabase)
    : CDomainClass(pDatabase),
      m_nPrecisioneIva(CApplicationAdministrator::GetInstance()->GetConfig()->GetParamAsInt("precisione/iva")),
      ALIQUOTA(CString(""), 127),
      CODICE_CASSA(-1)
{
}

// A copy is a new object: like every constructor it takes the VAT precision in force now, and
// the copied rate is rounded to it.
CDomainIva::CDomainIva(const CDomainIva& other)
    : CDomainClass(other),
      m_nPrecisioneIva(CApplicationAdministrator::GetInstance()->GetConfig()->GetParamAsInt("precisione/iva")),
      CODICE(other.CODICE),
      DESCRIZIONE(other.DESCRIZIONE),
      ALIQUOTA(other.ALIQUOTA),
      CODICE_CASSA(other.CODICE_CASSA),
      NOTE(other.NOTE)
{
    ALIQUOTA.Round3(m_nPrecisioneIva);
}

CDomainIva& CDomainIva::operator=(const CDomainIva& other) = default;

CDomainIva::~CDomainIva() = default;

void CDomainIva::Set_ALIQUOTA(const Decimal& value)
{
    ALIQUOTA = value;
    ALIQUOTA.Round3(m_nPrecisioneIva);
}

void CDomainIva::Set_ALIQUOTA(const CString& value)
{
    Set_ALIQUOTA(Decimal(value, 127));
}

CString CDomainIva::GetDescrizioneCompleta() const
{
    return CODICE + " - " + DESCRIZIONE + " (" + ALIQUOTA.ToString2(0xFFFFFFFF, false) + "%)";
}

void CDomainIva::FromRecordset(CIvaSet& rs)
{
    CODICE = rs.CODICE;
    DESCRIZIONE = rs.DESCRIZIONE;
    ALIQUOTA = Decimal(rs.ALIQUOTA, 127);
    ALIQUOTA.Round3(m_nPrecisioneIva);
    CODICE_CASSA = rs.IsFieldNull(&rs.CODICE_CASSA) ? -1 : rs.CODICE_CASSA;
    NOTE = rs.NOTE;
}

void CDomainIva::ToRecordset(CIvaSet& rs) const
{
    rs.CODICE = CODICE;
    rs.DESCRIZIONE = DESCRIZIONE;
    rs.ALIQUOTA = ToStoredText(ALIQUOTA);
    if (CODICE_CASSA < 0) {
        rs.SetFieldNull(&rs.CODICE_CASSA);
    } else {
        rs.SetFieldNull(&rs.CODICE_CASSA, FALSE);
        rs.CODICE_CASSA = CODICE_CASSA;
    }
    rs.NOTE = NOTE;
}

bool CDomainIva::DB_Load()
{
    if (CODICE.IsEmpty())
        return false;
    CIvaSet rs(GetDatabase());
    rs.m_strFilter.Format("CODICE = '%s'", (LPCTSTR)SetFilterParam(CODICE));
    rs.Open();
    if (rs.IsEOF())
        return false;
    FromRecordset(rs);
    rs.Close();
    return true;
}

bool CDomainIva::DB_Update(EDB_Operation op)
{
    return ReportDBErrorText([&] {
        CIvaSet rs(GetDatabase());
        if (op == DB_OPERATION_ADDNEW)
            rs.m_strFilter = "CODICE IS NULL";
        else
            rs.m_strFilter.Format("CODICE = '%s'", (LPCTSTR)SetFilterParam(CODICE));
        rs.Open();
        switch (op) {
        case DB_OPERATION_ADDNEW:
            rs.AddNew();
            ToRecordset(rs);
            rs.Update();
            break;
        case DB_OPERATION_EDIT:
            if (!rs.IsEOF()) {
                rs.Edit();
                ToRecordset(rs);
                rs.Update();
            }
            break;
        case DB_OPERATION_DELETE:
            if (!rs.IsEOF())
                rs.Delete();
            break;
        }
        rs.Close();
        return true;
    });
}
