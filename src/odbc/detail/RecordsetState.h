// What an open CRecordset holds behind its framework members: the bindings that
// DoFieldExchange declared, the rows read at Open, the position, the NULL state of the bound
// members and the prepared INSERT statements that repeated AddNew/Update calls reuse.
#pragma once

#include <map>
#include <memory>
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

    // INSERT statements by the set of columns they write ('1' = written), prepared once.
    std::map<std::string, std::unique_ptr<Statement>> inserts;
    std::weak_ptr<char> insertsConnection;  // the lifetime token of the connection they belong to

    // Releases the kept INSERTs: freed while their connection lives, abandoned after it.
    void DropInserts()
    {
        if (insertsConnection.expired())
            for (auto& entry : inserts)
                if (entry.second)
                    entry.second->Abandon();
        inserts.clear();
        insertsConnection.reset();
    }
};

}  // namespace orvel::odbc::detail
