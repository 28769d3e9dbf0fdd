// The free-SQL recordset: its fields are made from the result's columns after each Open.
#include "orveldblib/ODBCRecordset.h"

#include "odbc/DBException.h"
#include "odbc/Dialect.h"

IMPLEMENT_DYNAMIC(CODBCRecordset, CRecordset)

CODBCRecordset::CODBCRecordset(CDatabase* pDatabase) : CRecordset(pDatabase)
{
    m_nDefaultType = forwardOnly;
}

CODBCRecordset::~CODBCRecordset() = default;

BOOL CODBCRecordset::Open(LPCTSTR lpszSQL, UINT nOpenType, DWORD dwOptions)
{
    if (lpszSQL == nullptr || CString(lpszSQL).Trim().IsEmpty())
        throw CDBException(AFX_SQL_ERROR_BAD_ARGUMENT, "CODBCRecordset::Open without SQL text");
    CRecordset::Open(nOpenType, lpszSQL, dwOptions);
    bindFields();
    return TRUE;
}

BOOL CODBCRecordset::Open(UINT nOpenType, LPCTSTR lpszSQL, DWORD dwOptions)
{
    return Open(lpszSQL, nOpenType, dwOptions);
}

BOOL CODBCRecordset::Requery()
{
    CRecordset::Requery();
    bindFields();
    return TRUE;
}

void CODBCRecordset::bindFields()
{
    // Keep the fields (and the pointers callers hold) when the columns are the same.
    bool same = static_cast<int>(m_fields.size()) == GetResultColumnCount();
    for (int i = 0; same && i < GetResultColumnCount(); ++i)
        same = m_fields[static_cast<std::size_t>(i)]->GetName() == GetResultColumnName(i);
    if (same)
        return;
    m_fields.clear();
    for (int i = 0; i < GetResultColumnCount(); ++i)
        m_fields.push_back(std::make_unique<CDBField>(this, i, GetResultColumnName(i)));
}

CDBField* CODBCRecordset::Field(LPCTSTR name)
{
    CString wanted(name != nullptr ? name : "");
    for (auto& field : m_fields)
        if (CDialect::SameColumnName(field->GetName(), wanted))
            return field.get();
    CString columns;
    for (auto& field : m_fields) {
        if (!columns.IsEmpty())
            columns += ", ";
        columns += field->GetName();
    }
    throw CDBException(AFX_SQL_ERROR_BAD_ARGUMENT,
                       CString("No column \"") + wanted + "\" in the result (columns: " + columns + ")", GetSQL());
}

CDBField* CODBCRecordset::Field(int index)
{
    if (index < 0 || index >= GetFieldCount()) {
        CString message;
        message.Format("No column %d in the result: it has %d", index, GetFieldCount());
        throw CDBException(AFX_SQL_ERROR_BAD_ARGUMENT, message, GetSQL());
    }
    return m_fields[static_cast<std::size_t>(index)].get();
}
