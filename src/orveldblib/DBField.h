// CDBField: one column of a CODBCRecordset's current row, read as text or number. A field
// stays bound to its column: after MoveNext the same CDBField* gives the new row's value. The
// pointer is valid until the recordset is opened again or destroyed.
#pragma once

#include "afx/Export.h"
#include "afx/String.h"

class CODBCRecordset;

class ORVEL_API CDBField {
public:
    CDBField(const CODBCRecordset* recordset, int index, const CString& name)
        : m_recordset(recordset), m_index(index), m_name(name)
    {
    }

    // The column name as the database reports it (PostgreSQL: folded to lower case unless the
    // query quoted it).
    const CString& GetName() const { return m_name; }
    int GetIndex() const { return m_index; }
    // TRUE for SQL NULL, and when the recordset has no current row.
    bool IsNull() const;
    // The value as text; NULL gives an empty text.
    CString AsString() const;
    // The value as a number, read as atol reads text: leading blanks skipped, digits up to the
    // first other character ("12.5" gives 12), 0 for NULL or text that is not a number.
    long AsLong() const;
    int AsInt() const { return static_cast<int>(AsLong()); }
    // The value as a floating-point number, 0 for NULL or text that is not a number.
    double AsDouble() const;

private:
    const CODBCRecordset* m_recordset;
    int m_index;
    CString m_name;
};
