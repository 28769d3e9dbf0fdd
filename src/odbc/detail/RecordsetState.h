// What an open CRecordset holds behind its framework members: the bindings that
// DoFieldExchange declared, the rows read at Open, the position and the NULL state of the bound
// members.
#pragma once

#include <string>
#include <vector>

#include "afx/String.h"
#include "odbc/FieldExchange.h"
#include "odbc/detail/Statement.h"

namespace orvel::odbc::detail {

struct RecordsetState {
    enum Mode { noMode, adding, editing };

    bool open = false;
    UINT openType = 1;
    DWORD options = 0;
    CString source;  // the text given to Open, empty for GetDefaultSQL()
    CString table;  // the table that writes go to; empty when the source is not a single table
    CString sql;  // the statements last run, for GetSQL and error messages

    std::vector<CFieldExchange::Binding> columns;
    std::vector<CFieldExchange::Binding> params;
    std::vector<CString> resultNames;  // free-SQL recordsets only
    std::vector<std::vector<Value>> rows;

    long long pos = 0;  // current row; -1 before the first, rows.size() after the last
    bool deletedCurrent = false;  // the current row was deleted; pos already names the next one
    Mode mode = noMode;
    std::vector<bool> null;  // NULL state of each bound column's member
    std::vector<signed char> explicitNull;  // since AddNew/Edit: -1 not set, 0 not NULL, 1 NULL
};

}  // namespace orvel::odbc::detail
