// Recording of the columns and parameters that DoFieldExchange declares.
#include "odbc/FieldExchange.h"

#include "odbc/DBException.h"

void CFieldExchange::Bind(const char* name, CFieldInfo::Kind kind, void* address, int maxLength, int columnType,
                          short scale)
{
    if (name == nullptr || *name == '\0')
        throw CDBException(AFX_SQL_ERROR_BAD_ARGUMENT, "RFX_ call without a column name");
    if (address == nullptr)
        throw CDBException(AFX_SQL_ERROR_BAD_ARGUMENT, CString("RFX_ call without a member for ") + name);
    Binding binding;
    binding.info.name = name;
    binding.info.kind = kind;
    binding.info.maxLength = maxLength;
    binding.info.columnType = columnType;
    binding.info.scale = scale;
    binding.address = address;
    switch (m_nFieldType) {
    case outputColumn:
        m_columns.push_back(std::move(binding));
        break;
    case param:
        binding.info.isParam = true;
        m_params.push_back(std::move(binding));
        break;
    default: {
        CString message;
        message.Format("Field type %d of %s is not supported (only output columns and input parameters)",
                       m_nFieldType, name);
        throw CDBException(AFX_SQL_ERROR_BAD_ARGUMENT, message);
    }
    }
}

void RFX_Text(CFieldExchange* pFX, const char* name, CString& value, int maxLength, int columnType, short scale)
{
    pFX->Bind(name, CFieldInfo::text, &value, maxLength, columnType, scale);
}

void RFX_Long(CFieldExchange* pFX, const char* name, long& value)
{
    pFX->Bind(name, CFieldInfo::longValue, &value);
}

void RFX_Int(CFieldExchange* pFX, const char* name, int& value)
{
    pFX->Bind(name, CFieldInfo::intValue, &value);
}

void RFX_Date(CFieldExchange* pFX, const char* name, TIMESTAMP_STRUCT& value)
{
    pFX->Bind(name, CFieldInfo::dateTimestamp, &value);
}

void RFX_Date(CFieldExchange* pFX, const char* name, COleDateTime& value)
{
    pFX->Bind(name, CFieldInfo::dateOle, &value);
}

void RFX_Date(CFieldExchange* pFX, const char* name, CTime& value)
{
    pFX->Bind(name, CFieldInfo::dateCTime, &value);
}
