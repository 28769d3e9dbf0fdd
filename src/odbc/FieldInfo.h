// CFieldInfo: the description of one column (or parameter) that a recordset class binds in
// DoFieldExchange: its name as written there, how it is bound, and the length, type and scale
// given. CRecordset::DescribeFields() returns these without touching a database, so the
// catalogue of recordset classes can be checked by tests.
#pragma once

#include "afx/Export.h"
#include "afx/String.h"

struct ORVEL_API CFieldInfo {
    enum Kind { text, longValue, intValue, dateTimestamp, dateOle, dateCTime };

    CString name;  // as bound, e.g. "[CODICE]"
    Kind kind = text;
    int maxLength = 0;  // RFX_Text's maximum length; 0 for other kinds
    int columnType = 0;  // RFX_Text's column type (SQL_VARCHAR = 12); 0 for other kinds
    short scale = 0;
    bool isParam = false;  // bound after SetFieldType(CFieldExchange::param)

    // "text", "long", "int", "date-timestamp", "date-ole", "date-ctime".
    static const char* KindName(Kind kind);
    const char* KindName() const { return KindName(kind); }
};
