// CRecordset: building and running the query, the in-memory snapshot and its cursor, the NULL
// rules, and the parameterised writes (see Recordset.h).
#include "odbc/Recordset.h"

#include <cxxabi.h>

#include <cctype>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <typeinfo>

#include "odbc/DBException.h"
#include "odbc/detail/Connection.h"
#include "odbc/detail/QueryText.h"
#include "odbc/detail/RecordsetState.h"
#include "odbc/detail/Statement.h"

using orvel::odbc::detail::Connection;
using orvel::odbc::detail::RecordsetState;
using orvel::odbc::detail::Statement;
using orvel::odbc::detail::Value;
using Binding = CFieldExchange::Binding;

namespace {

Value::Kind valueKind(CFieldInfo::Kind kind)
{
    switch (kind) {
    case CFieldInfo::longValue:
    case CFieldInfo::intValue: return Value::integer;
    case CFieldInfo::dateTimestamp:
    case CFieldInfo::dateOle:
    case CFieldInfo::dateCTime: return Value::timestamp;
    default: return Value::text;
    }
}

// The member's value as it is to be written; dates that are not set become NULL.
Value memberValue(const Binding& b)
{
    switch (b.info.kind) {
    case CFieldInfo::text:
        return Value::Text(static_cast<const CString*>(b.address)->str(), static_cast<SQLSMALLINT>(b.info.columnType));
    case CFieldInfo::longValue: return Value::Integer(*static_cast<const long*>(b.address));
    case CFieldInfo::intValue: return Value::Integer(*static_cast<const int*>(b.address));
    case CFieldInfo::dateTimestamp: {
        const auto& ts = *static_cast<const TIMESTAMP_STRUCT*>(b.address);
        if (ts.month == 0 || ts.day == 0)
            return Value::Null(Value::timestamp);
        return Value::Timestamp(ts);
    }
    case CFieldInfo::dateOle: {
        const auto& date = *static_cast<const COleDateTime*>(b.address);
        TIMESTAMP_STRUCT ts{};
        if (date.GetStatus() != COleDateTime::valid || !date.GetAsDBTIMESTAMP(ts))
            return Value::Null(Value::timestamp);
        return Value::Timestamp(ts);
    }
    case CFieldInfo::dateCTime: {
        const auto& time = *static_cast<const CTime*>(b.address);
        TIMESTAMP_STRUCT ts{};
        if (time.GetTime() == 0 || !time.GetAsDBTIMESTAMP(ts))
            return Value::Null(Value::timestamp);
        return Value::Timestamp(ts);
    }
    }
    return Value::Null(Value::text);
}

// Sets the member to what reading NULL gives.
void setMemberNull(const Binding& b)
{
    switch (b.info.kind) {
    case CFieldInfo::text: static_cast<CString*>(b.address)->Empty(); break;
    case CFieldInfo::longValue: *static_cast<long*>(b.address) = 0; break;
    case CFieldInfo::intValue: *static_cast<int*>(b.address) = 0; break;
    case CFieldInfo::dateTimestamp: *static_cast<TIMESTAMP_STRUCT*>(b.address) = TIMESTAMP_STRUCT{}; break;
    case CFieldInfo::dateOle: {
        auto& date = *static_cast<COleDateTime*>(b.address);
        date.m_dt = 0.0;
        date.SetStatus(COleDateTime::null);
        break;
    }
    case CFieldInfo::dateCTime: *static_cast<CTime*>(b.address) = CTime(static_cast<__time64_t>(0)); break;
    }
}

void setMember(const Binding& b, const Value& v)
{
    if (v.null) {
        setMemberNull(b);
        return;
    }
    switch (b.info.kind) {
    case CFieldInfo::text: *static_cast<CString*>(b.address) = v.textValue; break;
    case CFieldInfo::longValue: *static_cast<long*>(b.address) = static_cast<long>(v.intValue); break;
    case CFieldInfo::intValue:
        if (v.intValue < INT_MIN || v.intValue > INT_MAX) {
            CString message;
            message.Format("Value %lld of column %s does not fit the int member bound with RFX_Int", v.intValue,
                           b.info.name.GetString());
            throw CDBException(AFX_SQL_ERROR_DATA, message);
        }
        *static_cast<int*>(b.address) = static_cast<int>(v.intValue);
        break;
    case CFieldInfo::dateTimestamp: *static_cast<TIMESTAMP_STRUCT*>(b.address) = v.tsValue; break;
    case CFieldInfo::dateOle: *static_cast<COleDateTime*>(b.address) = COleDateTime(v.tsValue); break;
    case CFieldInfo::dateCTime:
        try {
            *static_cast<CTime*>(b.address) = CTime(v.tsValue);
        } catch (const CException& e) {
            throw CDBException(AFX_SQL_ERROR_DATA, CString("Column ") + b.info.name + " holds a date that CTime cannot take: " + e.what());
        }
        break;
    }
}

bool startsWithWord(const CString& text, const char* word)
{
    std::size_t n = std::strlen(word);
    if (static_cast<std::size_t>(text.GetLength()) < n || text.Left(static_cast<int>(n)).CompareNoCase(word) != 0)
        return false;
    if (static_cast<std::size_t>(text.GetLength()) == n)
        return true;
    char next = text[static_cast<int>(n)];
    return std::isalnum(static_cast<unsigned char>(next)) == 0 && next != '_';
}

// A column name as it goes into generated SQL: bracketed so the dialect quotes it; text that
// is not a plain name (an expression, "[T].[C]") is left for the dialect as it is.
CString columnExpression(const CString& name)
{
    CString bare = CDialect::StripBrackets(name);
    if (CDialect::IsPlainIdentifier(bare))
        return CString("[") + bare + "]";
    return name;
}

CString describeValue(const Value& v)
{
    if (v.null)
        return "NULL";
    CString text;
    switch (v.kind) {
    case Value::integer: text.Format("%lld", v.intValue); break;
    case Value::timestamp:
        text.Format("%04d-%02d-%02d %02d:%02d:%02d", v.tsValue.year, v.tsValue.month, v.tsValue.day, v.tsValue.hour,
                    v.tsValue.minute, v.tsValue.second);
        break;
    default: text = CString("'") + v.textValue + "'"; break;
    }
    return text;
}

}  // namespace

IMPLEMENT_DYNAMIC(CRecordset, CObject)

CRecordset::CRecordset(CDatabase* pDatabase)
    : m_pDatabase(pDatabase), m_state(std::make_unique<RecordsetState>())
{
}

CRecordset::~CRecordset()
{
    try {
        Close();
    } catch (...) {  // destructors do not throw; the statements are released all the same
    }
}

CString CRecordset::GetDefaultConnect()
{
    return "ODBC;";
}

CString CRecordset::GetDefaultSQL()
{
    return CString();
}

void CRecordset::DoFieldExchange(CFieldExchange*) {}

CString CRecordset::className() const
{
    const char* mangled = typeid(*this).name();
    int status = 0;
    char* demangled = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
    CString name(status == 0 && demangled != nullptr ? demangled : mangled);
    std::free(demangled);
    return name;
}

std::vector<CFieldInfo> CRecordset::DescribeFields()
{
    CFieldExchange fx(this);
    DoFieldExchange(&fx);
    std::vector<CFieldInfo> fields;
    for (const auto& b : fx.GetColumns())
        fields.push_back(b.info);
    for (const auto& b : fx.GetParams())
        fields.push_back(b.info);
    return fields;
}

void CRecordset::collectBindings()
{
    CFieldExchange fx(this);
    DoFieldExchange(&fx);
    RecordsetState& s = *m_state;
    s.columns = fx.GetColumns();
    s.params = fx.GetParams();
    if (ReadsResultColumns())
        return;
    if (s.columns.size() != m_nFields || s.params.size() != m_nParams) {
        CString message;
        if (s.columns.size() != m_nFields)
            message.Format("%s: DoFieldExchange binds %zu columns but m_nFields is %u", className().GetString(),
                           s.columns.size(), m_nFields);
        else
            message.Format("%s: DoFieldExchange binds %zu parameters but m_nParams is %u", className().GetString(),
                           s.params.size(), m_nParams);
        throw CDBException(AFX_SQL_ERROR_FIELD_COUNT, message);
    }
}

BOOL CRecordset::Open(UINT nOpenType, LPCTSTR lpszSQL, DWORD dwOptions)
{
    if (IsOpen())
        throw CDBException(AFX_SQL_ERROR_BAD_ARGUMENT, className() + ": Open on a recordset that is already open");
    if (m_pDatabase == nullptr) {
        m_ownedDatabase = std::make_unique<CDatabase>();
        m_ownedDatabase->OpenEx(GetDefaultConnect());
        m_pDatabase = m_ownedDatabase.get();
    }
    if (!m_pDatabase->IsOpen())
        throw CDBException(AFX_SQL_ERROR_DATABASE_NOT_OPEN, className() + ": Open on a database that is not open");

    RecordsetState& s = *m_state;
    s = RecordsetState();
    s.openType = nOpenType == AFX_DB_USE_DEFAULT_TYPE ? m_nDefaultType : nOpenType;
    s.options = dwOptions;
    s.source = lpszSQL != nullptr ? CString(lpszSQL) : CString();
    s.source.Trim();
    collectBindings();
    s.null.assign(s.columns.size(), true);
    s.explicitNull.assign(s.columns.size(), -1);
    runQuery();
    s.open = true;
    loadCurrent();
    return TRUE;
}

namespace {

// The query's literal values as parameters, with its own parameters in their places (see
// LiftTextLiterals); false when the text cannot be read that way or its "?" do not match the
// parameters the recordset binds.
bool literalsAsParameters(const std::string& sql, const std::vector<Value>& ownParams, std::string& out,
                          std::vector<Value>& params)
{
    std::vector<orvel::odbc::detail::LiftedValue> values;
    if (!orvel::odbc::detail::LiftTextLiterals(sql, out, values))
        return false;
    params.clear();
    std::size_t nextOwn = 0;
    for (auto& value : values) {
        switch (value.kind) {
        case orvel::odbc::detail::LiftedValue::quoted: params.push_back(Value::Text(std::move(value.text))); break;
        case orvel::odbc::detail::LiftedValue::number: params.push_back(Value::Integer(std::stoll(value.text))); break;
        case orvel::odbc::detail::LiftedValue::own:
            if (nextOwn >= ownParams.size())
                return false;
            params.push_back(ownParams[nextOwn++]);
            break;
        }
    }
    return nextOwn == ownParams.size();
}

}  // namespace

void CRecordset::runQuery()
{
    RecordsetState& s = *m_state;
    Connection& connection = m_pDatabase->GetConnection();
    const CDialect& dialect = connection.dialect;

    CString source = s.source.IsEmpty() ? GetDefaultSQL() : s.source;
    source.Trim();
    if (source.IsEmpty())
        throw CDBException(AFX_SQL_ERROR_BAD_ARGUMENT, className() + ": no SQL given and GetDefaultSQL() is empty");

    std::vector<CString> statements;
    s.table.Empty();
    const bool procedureCall = CDialect::IsProcedureCall(source);
    if (procedureCall) {
        statements = dialect.Translate(source, true);
    } else {
        CString text = source;
        if (!startsWithWord(source, "SELECT") && !startsWithWord(source, "WITH")) {
            CString columns;
            for (const auto& b : s.columns) {
                if (!columns.IsEmpty())
                    columns += ", ";
                columns += columnExpression(b.info.name);
            }
            if (columns.IsEmpty())
                columns = "*";
            text = CString("SELECT ") + columns + " FROM " + source;
            CString bare = CDialect::StripBrackets(source);
            if (CDialect::IsPlainIdentifier(bare))
                s.table = bare;
        }
        CString filter = m_strFilter;
        CString sort = m_strSort;
        text = orvel::odbc::detail::AddFilterAndSort(text.str(), filter.Trim().str(), sort.Trim().str());
        statements = dialect.Translate(text, true);
    }
    s.sql.Empty();
    for (const CString& statement : statements) {
        if (!s.sql.IsEmpty())
            s.sql += "; ";
        s.sql += statement;
    }

    // A call that the dialect turns into several statements (SQLite's call tables: insert the call,
    // then read its result) runs them as one transaction of its own when the caller has none:
    // another connection's call in between would otherwise clear the row that holds this call's
    // result.
    const bool ownTransaction = statements.size() > 1 && !m_pDatabase->IsInTransaction();
    if (!ownTransaction) {
        runStatements(statements, procedureCall);
        return;
    }
    m_pDatabase->BeginTrans();
    try {
        runStatements(statements, procedureCall);
        m_pDatabase->CommitTrans();
    } catch (...) {
        if (m_pDatabase->IsInTransaction())
            m_pDatabase->Rollback();
        throw;
    }
}

void CRecordset::runStatements(const std::vector<CString>& statements, bool procedureCall)
{
    RecordsetState& s = *m_state;
    Connection& connection = m_pDatabase->GetConnection();
    const CDialect& dialect = connection.dialect;
    SQLHDBC dbc = connection.dbc.get();
    for (std::size_t i = 0; i + 1 < statements.size(); ++i) {
        Statement prelude(dbc, connection.narrow);
        prelude.ExecDirect(statements[i]);
    }
    std::vector<Value> paramValues;
    for (const auto& p : s.params)
        paramValues.push_back(memberValue(p));

    // A single SELECT runs from a prepared statement kept on the connection when the same query
    // (its text literals taken out as parameters) ran before on it: the database does not
    // compile it again (on PostgreSQL the driver keeps it prepared on the server). Should that
    // way fail, the query runs once more as written, which also gives the error in the
    // database's own words for the query as written.
    std::string keptText;
    std::vector<Value> keptParams;
    std::unique_ptr<Statement> query;
    if (dialect.GetKind() != CDialect::generic && !procedureCall && statements.size() == 1 &&
        startsWithWord(statements.back(), "SELECT") &&
        literalsAsParameters(statements.back().str(), paramValues, keptText, keptParams)) {
        try {
            query = connection.TakePreparedQuery(keptText);
            if (!query) {
                query = std::make_unique<Statement>(dbc, connection.narrow);
                query->Prepare(CString(keptText));
            }
            query->Execute(keptParams);
        } catch (const CDBException&) {
            query.reset();
            keptText.clear();
        }
    } else {
        keptText.clear();
    }
    if (!query) {
        query = std::make_unique<Statement>(dbc, connection.narrow);
        query->Run(statements.back(), paramValues);
    }
    readResult(*query);
    if (!keptText.empty()) {
        query->CloseCursor();
        connection.KeepPreparedQuery(keptText, std::move(query));
    }
}

void CRecordset::readResult(orvel::odbc::detail::Statement& query)
{
    RecordsetState& s = *m_state;

    int resultColumns = query.ColumnCount();
    const bool readAll = ReadsResultColumns();
    if (readAll) {
        for (int c = 1; c <= resultColumns; ++c)
            s.resultNames.push_back(query.ColumnName(c));
    } else if (static_cast<std::size_t>(resultColumns) < s.columns.size()) {
        CString message;
        message.Format("%s: the query returns %d columns but %zu are bound", className().GetString(), resultColumns,
                       s.columns.size());
        throw CDBException(AFX_SQL_ERROR_FIELD_COUNT, message, s.sql);
    }
    std::vector<Value::Kind> kinds;
    if (readAll)
        kinds.assign(static_cast<std::size_t>(resultColumns), Value::text);
    else
        for (const auto& b : s.columns)
            kinds.push_back(valueKind(b.info.kind));
    while (query.Fetch()) {
        std::vector<Value> row;
        row.reserve(kinds.size());
        for (std::size_t c = 0; c < kinds.size(); ++c)
            row.push_back(query.Get(static_cast<int>(c + 1), kinds[c]));
        s.rows.push_back(std::move(row));
    }
    s.pos = 0;
    s.deletedCurrent = false;
    s.mode = RecordsetState::noMode;
}

void CRecordset::loadCurrent()
{
    RecordsetState& s = *m_state;
    if (s.deletedCurrent || s.pos < 0 || s.pos >= static_cast<long long>(s.rows.size()) || ReadsResultColumns())
        return;
    const auto& row = s.rows[static_cast<std::size_t>(s.pos)];
    for (std::size_t i = 0; i < s.columns.size(); ++i) {
        setMember(s.columns[i], row[i]);
        s.null[i] = row[i].null;
    }
}

void CRecordset::Close()
{
    RecordsetState& s = *m_state;
    s.open = false;
    s.rows.clear();
    s.resultNames.clear();
    s.mode = RecordsetState::noMode;
    if (m_ownedDatabase) {
        m_pDatabase = nullptr;
        m_ownedDatabase.reset();
    }
}

BOOL CRecordset::Requery()
{
    requireOpen("Requery");
    RecordsetState& s = *m_state;
    s.rows.clear();
    s.resultNames.clear();
    runQuery();
    loadCurrent();
    return TRUE;
}

BOOL CRecordset::IsOpen() const
{
    return m_state->open;
}

BOOL CRecordset::IsEOF() const
{
    const RecordsetState& s = *m_state;
    return !s.deletedCurrent && s.pos >= static_cast<long long>(s.rows.size());
}

BOOL CRecordset::IsBOF() const
{
    const RecordsetState& s = *m_state;
    return !s.deletedCurrent && (s.pos < 0 || s.rows.empty());
}

BOOL CRecordset::IsDeleted() const
{
    return m_state->deletedCurrent;
}

void CRecordset::requireOpen(const char* operation) const
{
    if (!m_state->open)
        throw CDBException(AFX_SQL_ERROR_RECORDSET_NOT_OPEN, className() + ": " + operation + " on a recordset that is not open");
    if (m_pDatabase == nullptr || !m_pDatabase->IsOpen())
        throw CDBException(AFX_SQL_ERROR_DATABASE_NOT_OPEN,
                           className() + ": " + operation + " after its database was closed");
}

void CRecordset::requireCurrent(const char* operation) const
{
    requireOpen(operation);
    if (IsEOF() || IsBOF() || m_state->deletedCurrent)
        throw CDBException(AFX_SQL_ERROR_NO_CURRENT_RECORD, className() + ": " + operation + " without a current row");
}

void CRecordset::requireUpdatable(const char* operation) const
{
    const RecordsetState& s = *m_state;
    if (s.table.IsEmpty())
        throw CDBException(AFX_SQL_ERROR_READONLY,
                           className() + ": " + operation + " needs a recordset on a single table, not on: " + s.sql);
    if ((s.options & readOnly) != 0 || !m_pDatabase->CanUpdate())
        throw CDBException(AFX_SQL_ERROR_READONLY, className() + ": " + operation + " on a read-only recordset");
}

void CRecordset::MoveNext()
{
    requireOpen("MoveNext");
    RecordsetState& s = *m_state;
    s.mode = RecordsetState::noMode;
    if (s.deletedCurrent) {
        s.deletedCurrent = false;  // pos already names the row after the deleted one
    } else {
        if (IsEOF())
            throw CDBException(AFX_SQL_ERROR_NO_CURRENT_RECORD, className() + ": MoveNext past the end of the rows");
        ++s.pos;
    }
    loadCurrent();
}

void CRecordset::MovePrev()
{
    requireOpen("MovePrev");
    RecordsetState& s = *m_state;
    s.mode = RecordsetState::noMode;
    if (!s.deletedCurrent && IsBOF())
        throw CDBException(AFX_SQL_ERROR_NO_CURRENT_RECORD, className() + ": MovePrev before the first row");
    s.deletedCurrent = false;
    if (s.pos > static_cast<long long>(s.rows.size()))
        s.pos = static_cast<long long>(s.rows.size());
    --s.pos;
    loadCurrent();
}

void CRecordset::MoveFirst()
{
    requireOpen("MoveFirst");
    RecordsetState& s = *m_state;
    s.mode = RecordsetState::noMode;
    s.deletedCurrent = false;
    s.pos = 0;
    loadCurrent();
}

void CRecordset::MoveLast()
{
    requireOpen("MoveLast");
    RecordsetState& s = *m_state;
    s.mode = RecordsetState::noMode;
    s.deletedCurrent = false;
    s.pos = s.rows.empty() ? 0 : static_cast<long long>(s.rows.size()) - 1;
    loadCurrent();
}

long CRecordset::GetRecordCount() const
{
    return static_cast<long>(m_state->rows.size());
}

BOOL CRecordset::CanUpdate() const
{
    const RecordsetState& s = *m_state;
    return s.open && !s.table.IsEmpty() && (s.options & (readOnly | appendOnly)) == 0 && m_pDatabase->CanUpdate();
}

BOOL CRecordset::CanAppend() const
{
    const RecordsetState& s = *m_state;
    return s.open && !s.table.IsEmpty() && (s.options & readOnly) == 0 && m_pDatabase->CanUpdate();
}

BOOL CRecordset::CanTransact() const
{
    return m_pDatabase != nullptr && m_pDatabase->CanTransact();
}

void CRecordset::AddNew()
{
    requireOpen("AddNew");
    requireUpdatable("AddNew");
    RecordsetState& s = *m_state;
    s.mode = RecordsetState::adding;
    for (std::size_t i = 0; i < s.columns.size(); ++i) {
        const Binding& b = s.columns[i];
        setMemberNull(b);
        // Numbers get the framework's pseudo-null marks: a number the caller leaves alone is
        // inserted as NULL, one it sets (even to 0) is inserted as set.
        if (b.info.kind == CFieldInfo::longValue)
            *static_cast<long*>(b.address) = AFX_RFX_LONG_PSEUDO_NULL;
        else if (b.info.kind == CFieldInfo::intValue)
            *static_cast<int*>(b.address) = AFX_RFX_INT_PSEUDO_NULL;
        s.null[i] = true;
        s.explicitNull[i] = -1;
    }
}

void CRecordset::Edit()
{
    requireCurrent("Edit");
    requireUpdatable("Edit");
    RecordsetState& s = *m_state;
    if ((s.options & appendOnly) != 0)
        throw CDBException(AFX_SQL_ERROR_READONLY, className() + ": Edit on an append-only recordset");
    s.mode = RecordsetState::editing;
    s.explicitNull.assign(s.columns.size(), -1);
}

void CRecordset::CancelUpdate()
{
    RecordsetState& s = *m_state;
    if (s.mode == RecordsetState::noMode)
        return;
    s.mode = RecordsetState::noMode;
    loadCurrent();
}

namespace {

// SQLite reports no changed rows for an UPDATE or DELETE on a view, even when the view's INSTEAD
// OF triggers changed the rows beneath it (the schema makes the line views writable that way).
// The connection's running total of changes counts what triggers do, so on SQLite an edit or
// delete touched a row when that total moved. Elsewhere the statement's row count is enough.
long long sqliteTotalChanges(Connection& connection)
{
    if (connection.dialect.GetKind() != CDialect::sqlite)
        return 0;
    Statement statement(connection.dbc.get(), connection.narrow);
    statement.ExecDirect("SELECT total_changes()");
    long long total = 0;
    if (statement.Fetch())
        statement.GetInteger(1, total);
    return total;
}

bool touchedRows(Connection& connection, Statement& statement, long long totalBefore)
{
    if (statement.RowCount() != 0)
        return true;
    return connection.dialect.GetKind() == CDialect::sqlite && sqliteTotalChanges(connection) > totalBefore;
}

// The WHERE clause that identifies the original row, with its parameters appended to params.
CString keyClause(Connection& connection, const CString& table, const std::vector<Binding>& columns,
                  const std::vector<Value>& original, std::vector<Value>& params, CString& description)
{
    const CDialect& dialect = connection.dialect;
    std::vector<std::size_t> keyColumns;
    const std::vector<CString>& primaryKey = connection.PrimaryKey(table);
    for (const CString& keyName : primaryKey) {
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (CDialect::SameColumnName(columns[i].info.name, keyName)) {
                keyColumns.push_back(i);
                break;
            }
        }
    }
    if (primaryKey.empty() || keyColumns.size() != primaryKey.size()) {
        keyColumns.clear();
        for (std::size_t i = 0; i < columns.size(); ++i)
            keyColumns.push_back(i);
    }
    CString clause;
    for (std::size_t i : keyColumns) {
        if (!clause.IsEmpty()) {
            clause += " AND ";
            description += ", ";
        }
        CString bare = CDialect::StripBrackets(columns[i].info.name);
        clause += dialect.MatchParam(dialect.QuoteIdentifier(bare), original[i].kind == Value::timestamp, original[i].null);
        params.push_back(original[i]);
        description += bare + "=" + describeValue(original[i]);
    }
    return clause;
}

}  // namespace

namespace {

// The text an INSERT is prepared from to be kept. SQLite's ODBC driver keeps the compiled program
// of a prepared query, but compiles any other statement again at every execution, and an insert
// into a line view compiles the view's triggers with it; a statement that opens with a WITH
// clause counts as a query for the driver, so the INSERT is prepared behind an empty one and is
// compiled once. The clause names nothing the INSERT reads.
CString keptInsertText(const CDialect& dialect, const CString& insert)
{
    if (dialect.GetKind() != CDialect::sqlite)
        return insert;
    return CString("WITH ORVEL_KEPT_INSERT AS (SELECT 1) ") + insert;
}

// A field the caller did not mark is written as NULL when it holds what stands for nothing: an
// empty text; after AddNew a number still at its pseudo-null mark; under Edit a number that was
// NULL when read and still holds the 0 that NULL reads as.
bool isUnsetForWriting(const Binding& b, const Value& v, bool adding, bool wasNull)
{
    switch (b.info.kind) {
    case CFieldInfo::text: return v.textValue.empty();
    case CFieldInfo::longValue: {
        long value = *static_cast<const long*>(b.address);
        return adding ? value == AFX_RFX_LONG_PSEUDO_NULL : wasNull && value == 0;
    }
    case CFieldInfo::intValue: {
        int value = *static_cast<const int*>(b.address);
        return adding ? value == AFX_RFX_INT_PSEUDO_NULL : wasNull && value == 0;
    }
    default: return false;
    }
}

}  // namespace

BOOL CRecordset::Update()
{
    requireOpen("Update");
    RecordsetState& s = *m_state;
    if (s.mode == RecordsetState::noMode)
        throw CDBException(AFX_SQL_ERROR_BAD_ARGUMENT, className() + ": Update without AddNew or Edit");
    Connection& connection = m_pDatabase->GetConnection();
    const CDialect& dialect = connection.dialect;

    std::vector<Value> values;
    values.reserve(s.columns.size());
    for (std::size_t i = 0; i < s.columns.size(); ++i) {
        const Binding& b = s.columns[i];
        Value v = memberValue(b);
        if (s.explicitNull[i] == 1 || (s.explicitNull[i] == -1 && isUnsetForWriting(b, v, s.mode == RecordsetState::adding, s.null[i]))) {
            v.null = true;
            v.textValue.clear();
        }
        values.push_back(std::move(v));
    }
    CString table = dialect.QuoteIdentifier(s.table);

    if (s.mode == RecordsetState::adding) {
        std::vector<Value> params;
        CString names, marks;
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (values[i].null)
                continue;
            if (!names.IsEmpty()) {
                names += ", ";
                marks += ", ";
            }
            names += dialect.QuoteIdentifier(CDialect::StripBrackets(s.columns[i].info.name));
            marks += "?";
            params.push_back(values[i]);
        }
        // The INSERT of these columns is prepared once per connection and kept there for the
        // next AddNew of any recordset writing the same columns of the same table. A failed
        // insert stays pending with the caller's values, to be corrected and retried or given up
        // with CancelUpdate; its statement is not kept.
        const CString sql = names.IsEmpty() ? CString("INSERT INTO ") + table + " DEFAULT VALUES"
                                            : CString("INSERT INTO ") + table + " (" + names + ") VALUES (" + marks + ")";
        std::unique_ptr<Statement> statement = connection.TakePreparedQuery(sql.str());
        if (!statement) {
            statement = std::make_unique<Statement>(connection.dbc.get(), connection.narrow);
            statement->Prepare(keptInsertText(dialect, sql), sql);
        }
        statement->Execute(params);
        connection.KeepPreparedQuery(sql.str(), std::move(statement));
        s.mode = RecordsetState::noMode;
        loadCurrent();
        return TRUE;
    }

    // Edit
    const auto& original = s.rows[static_cast<std::size_t>(s.pos)];
    CString sets;
    std::vector<Value> params;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!sets.IsEmpty())
            sets += ", ";
        sets += dialect.QuoteIdentifier(CDialect::StripBrackets(s.columns[i].info.name)) + " = ?";
        params.push_back(values[i]);
    }
    CString description;
    CString where = keyClause(connection, s.table, s.columns, original, params, description);
    CString sql = CString("UPDATE ") + table + " SET " + sets + " WHERE " + where;
    long long changesBefore = sqliteTotalChanges(connection);
    Statement statement(connection.dbc.get(), connection.narrow);
    statement.Run(sql, params);
    if (!touchedRows(connection, statement, changesBefore))
        throw CDBException(AFX_SQL_ERROR_NO_ROWS_AFFECTED,
                           CString("Update of ") + s.table + " found no row with " + description +
                               ": it was deleted or changed by someone else",
                           sql);
    s.rows[static_cast<std::size_t>(s.pos)] = std::move(values);
    s.mode = RecordsetState::noMode;
    loadCurrent();
    return TRUE;
}

void CRecordset::Delete()
{
    requireCurrent("Delete");
    requireUpdatable("Delete");
    RecordsetState& s = *m_state;
    if ((s.options & appendOnly) != 0)
        throw CDBException(AFX_SQL_ERROR_READONLY, className() + ": Delete on an append-only recordset");
    Connection& connection = m_pDatabase->GetConnection();
    std::vector<Value> params;
    CString description;
    CString where = keyClause(connection, s.table, s.columns, s.rows[static_cast<std::size_t>(s.pos)], params, description);
    CString sql = CString("DELETE FROM ") + connection.dialect.QuoteIdentifier(s.table) + " WHERE " + where;
    long long changesBefore = sqliteTotalChanges(connection);
    Statement statement(connection.dbc.get(), connection.narrow);
    statement.Run(sql, params);
    if (!touchedRows(connection, statement, changesBefore))
        throw CDBException(AFX_SQL_ERROR_NO_ROWS_AFFECTED,
                           CString("Delete from ") + s.table + " found no row with " + description +
                               ": it was deleted or changed by someone else",
                           sql);
    s.rows.erase(s.rows.begin() + static_cast<std::ptrdiff_t>(s.pos));
    s.deletedCurrent = true;
    s.mode = RecordsetState::noMode;
}

std::size_t CRecordset::columnIndex(const void* field, const char* operation) const
{
    const RecordsetState& s = *m_state;
    for (std::size_t i = 0; i < s.columns.size(); ++i)
        if (s.columns[i].address == field)
            return i;
    throw CDBException(AFX_SQL_ERROR_BAD_ARGUMENT,
                       className() + ": " + operation + " on an address that is not a bound column of an open recordset");
}

void CRecordset::SetFieldNull(void* pField, BOOL bNull)
{
    RecordsetState& s = *m_state;
    if (s.columns.empty() && pField != nullptr)
        columnIndex(pField, "SetFieldNull");  // throws: nothing bound yet
    for (std::size_t i = 0; i < s.columns.size(); ++i) {
        if (pField != nullptr && s.columns[i].address != pField)
            continue;
        s.null[i] = bNull != FALSE;
        s.explicitNull[i] = bNull != FALSE ? 1 : 0;
        if (bNull != FALSE)
            setMemberNull(s.columns[i]);
        if (pField != nullptr)
            return;
    }
    if (pField != nullptr)
        columnIndex(pField, "SetFieldNull");  // throws: not a bound column
}

BOOL CRecordset::IsFieldNull(void* pField)
{
    const RecordsetState& s = *m_state;
    if (pField == nullptr) {
        for (bool n : s.null)
            if (!n)
                return FALSE;
        return TRUE;
    }
    return s.null[columnIndex(pField, "IsFieldNull")] ? TRUE : FALSE;
}

BOOL CRecordset::IsFieldNullable(void* pField)
{
    if (pField != nullptr)
        columnIndex(pField, "IsFieldNullable");
    return TRUE;
}

const CString& CRecordset::GetSQL() const
{
    return m_state->sql;
}

const CString& CRecordset::GetTableName() const
{
    return m_state->table;
}

int CRecordset::GetResultColumnCount() const
{
    return static_cast<int>(m_state->resultNames.size());
}

CString CRecordset::GetResultColumnName(int index) const
{
    const auto& names = m_state->resultNames;
    if (index < 0 || static_cast<std::size_t>(index) >= names.size())
        return CString();
    return names[static_cast<std::size_t>(index)];
}

bool CRecordset::GetResultText(int index, CString& value) const
{
    const RecordsetState& s = *m_state;
    value.Empty();
    if (s.deletedCurrent || s.pos < 0 || s.pos >= static_cast<long long>(s.rows.size()))
        return false;
    const auto& row = s.rows[static_cast<std::size_t>(s.pos)];
    if (index < 0 || static_cast<std::size_t>(index) >= row.size() || row[static_cast<std::size_t>(index)].null)
        return false;
    value = row[static_cast<std::size_t>(index)].textValue;
    return true;
}
