// Running an id procedure and checking that it handed back an id.
#include "orveldblib/ProcedureId.h"

#include "odbc/DBException.h"
#include "odbc/Dialect.h"

IMPLEMENT_DYNAMIC(CProcedureId, CRecordset)

CProcedureId::CProcedureId(CDatabase* pDatabase) : CRecordset(pDatabase)
{
    m_nFields = 1;
    m_nDefaultType = snapshot;
}

CProcedureId::~CProcedureId() = default;

CString CProcedureId::GetDefaultSQL()
{
    return m_procedure;
}

void CProcedureId::DoFieldExchange(CFieldExchange* pFX)
{
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Long(pFX, "[ID]", m_ID);
}

BOOL CProcedureId::Open(LPCTSTR lpszProcedure, UINT nOpenType, LPCTSTR, DWORD dwOptions)
{
    CString name(lpszProcedure != nullptr ? lpszProcedure : "");
    name.Trim();
    if (name.IsEmpty())
        throw CDBException(AFX_SQL_ERROR_BAD_ARGUMENT, "CProcedureId::Open without a procedure name");
    m_procedure = CDialect::AsProcedureCall(name);
    m_ID = 0;
    CRecordset::Open(nOpenType, m_procedure, dwOptions);
    if (IsEOF() || IsFieldNull(&m_ID)) {
        CString sql = GetSQL();
        Close();
        throw CDBException(AFX_SQL_ERROR_NO_ROWS_AFFECTED, CString("Id procedure ") + name + " handed back no id", sql);
    }
    return TRUE;
}

BOOL CProcedureId::Open(UINT nOpenType, LPCTSTR lpszSQL, DWORD dwOptions)
{
    CString procedure = lpszSQL != nullptr ? CString(lpszSQL) : m_procedure;
    return Open(procedure, nOpenType, nullptr, dwOptions);
}
