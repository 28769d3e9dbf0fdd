// CODBCRecordset: a recordset for free SQL (a maximum, a union, a join), whose columns are
// known only once the query has run. Every result column is read as text and reached by name
// (without regard to case, since servers may fold names) or by position through CDBField.
//
//   CODBCRecordset rs(&db);
//   rs.Open("SELECT MAX(NUMERO) AS ULTIMO FROM DOCUMENTO", CRecordset::forwardOnly, 8196);
//   if (!rs.IsEOF() && !rs.Field("ULTIMO")->IsNull()) last = rs.Field("ULTIMO")->AsLong();
//
// The text goes through the connection's dialect like every other statement (bracketed names,
// STRLEN, "{call ...}"). Asking for a column that the query does not have throws CDBException
// naming the column and the statement: a typo in a column name is a programming error that must
// not pass as a NULL value, nor crash through a null pointer.
#pragma once

#include <memory>
#include <vector>

#include "afx/Export.h"
#include "afx/String.h"
#include "odbc/Recordset.h"
#include "orveldblib/DBField.h"

class ORVEL_API CODBCRecordset : public CRecordset {
    DECLARE_DYNAMIC(CODBCRecordset)

public:
    explicit CODBCRecordset(CDatabase* pDatabase = nullptr);
    ~CODBCRecordset() override;

    // Runs the statement; type and options as CRecordset's (callers pass forwardOnly and
    // readOnly | executeDirect = 8196). Returns TRUE or throws CDBException.
    virtual BOOL Open(LPCTSTR lpszSQL, UINT nOpenType = forwardOnly, DWORD dwOptions = readOnly | executeDirect);
    // CRecordset's order of arguments, for code written against the base class.
    BOOL Open(UINT nOpenType, LPCTSTR lpszSQL, DWORD dwOptions) override;
    BOOL Requery() override;

    int GetFieldCount() const { return static_cast<int>(m_fields.size()); }
    // The field of a column by name (case-insensitive, brackets allowed) or by 0-based position;
    // throws CDBException when there is no such column.
    CDBField* Field(LPCTSTR name);
    CDBField* Field(int index);
    CDBField* operator[](LPCTSTR name) { return Field(name); }
    CDBField* operator[](int index) { return Field(index); }

private:
    friend class CDBField;
    bool ReadsResultColumns() const override { return true; }
    bool ValueAt(int index, CString& value) const { return GetResultText(index, value); }
    void bindFields();

    std::vector<std::unique_ptr<CDBField>> m_fields;
};
