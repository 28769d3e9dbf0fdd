// Reading a column of the current row of a free-SQL recordset.
#include "orveldblib/DBField.h"

#include <cstdlib>

#include "orveldblib/ODBCRecordset.h"

bool CDBField::IsNull() const
{
    CString value;
    return !m_recordset->ValueAt(m_index, value);
}

CString CDBField::AsString() const
{
    CString value;
    m_recordset->ValueAt(m_index, value);
    return value;
}

long CDBField::AsLong() const
{
    CString value;
    if (!m_recordset->ValueAt(m_index, value))
        return 0;
    return std::strtol(value.GetString(), nullptr, 10);
}

double CDBField::AsDouble() const
{
    CString value;
    if (!m_recordset->ValueAt(m_index, value))
        return 0.0;
    return std::strtod(value.GetString(), nullptr);
}
