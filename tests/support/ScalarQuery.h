// CScalarQuery: a minimal free-SQL recordset for tests of the odbc layer, which cannot use the
// base library's CODBCRecordset: it reads every column of any query as text, so a test can look
// at what a statement really stored.
#pragma once

#include "odbc/Recordset.h"

namespace orvel::test {

class CScalarQuery : public CRecordset {
public:
    explicit CScalarQuery(CDatabase* db) : CRecordset(db) {}
    using CRecordset::GetResultColumnCount;
    using CRecordset::GetResultColumnName;
    using CRecordset::GetResultText;

protected:
    bool ReadsResultColumns() const override { return true; }
};

}  // namespace orvel::test
