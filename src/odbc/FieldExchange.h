// CFieldExchange and the RFX_ functions: how a recordset class declares its columns. Its
// DoFieldExchange calls SetFieldType and then one RFX_ function per column (or parameter); the
// recordset records each name, kind and member address once per Open and moves values between
// the members and the database itself.
//
// Names may be bracketed ("[CODICE]") or bare ("CODICE"). Reading keeps texts longer than the
// declared maximum length whole: the length describes the column, it does not cut data, so
// nothing read is silently dropped.
#pragma once

#include <sql.h>
#include <sqlext.h>

#include <vector>

#include "afx/Export.h"
#include "afx/OleDateTime.h"
#include "afx/String.h"
#include "afx/Time.h"
#include "afx/Timestamp.h"
#include "afx/Types.h"
#include "odbc/FieldInfo.h"

class CRecordset;

class ORVEL_API CFieldExchange {
public:
    enum FieldType { noFieldType = -1, outputColumn = 0, param = 1, inputParam = param, inoutParam = 2, outputParam = 4 };

    // One bound column or parameter: its description and the member it lives in.
    struct Binding {
        CFieldInfo info;
        void* address = nullptr;
    };

    explicit CFieldExchange(CRecordset* recordset) : m_prs(recordset) {}

    // Following RFX_ calls bind output columns (outputColumn) or input parameters (param);
    // output and in/out parameters are not supported and make the next RFX_ call throw.
    void SetFieldType(UINT fieldType) { m_nFieldType = static_cast<int>(fieldType); }
    int GetFieldType() const { return m_nFieldType; }

    // Called by the RFX_ functions. Throws CDBException for a missing name or member, or for a
    // field type this layer does not support.
    void Bind(const char* name, CFieldInfo::Kind kind, void* address, int maxLength = 0, int columnType = 0,
              short scale = 0);

    const std::vector<Binding>& GetColumns() const { return m_columns; }
    const std::vector<Binding>& GetParams() const { return m_params; }

    CRecordset* m_prs;

private:
    int m_nFieldType = outputColumn;
    std::vector<Binding> m_columns;
    std::vector<Binding> m_params;
};

ORVEL_API void RFX_Text(CFieldExchange* pFX, const char* name, CString& value, int maxLength = 255,
                        int columnType = SQL_VARCHAR, short scale = 0);
ORVEL_API void RFX_Long(CFieldExchange* pFX, const char* name, long& value);
ORVEL_API void RFX_Int(CFieldExchange* pFX, const char* name, int& value);
ORVEL_API void RFX_Date(CFieldExchange* pFX, const char* name, TIMESTAMP_STRUCT& value);
ORVEL_API void RFX_Date(CFieldExchange* pFX, const char* name, COleDateTime& value);
ORVEL_API void RFX_Date(CFieldExchange* pFX, const char* name, CTime& value);
