// The dialects' rewriting rules (see Dialect.h for what each database gets).
#include "odbc/Dialect.h"

#include <cctype>
#include <string>

namespace {

bool isIdentChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

bool startsWithNoCase(const std::string& s, std::size_t pos, const char* word)
{
    for (std::size_t k = 0; word[k] != '\0'; ++k) {
        if (pos + k >= s.size())
            return false;
        if (std::toupper(static_cast<unsigned char>(s[pos + k])) != std::toupper(static_cast<unsigned char>(word[k])))
            return false;
    }
    return true;
}

std::string trimmed(const std::string& s)
{
    std::size_t b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos)
        return std::string();
    std::size_t e = s.find_last_not_of(" \t\r\n");
    return s.substr(b, e - b + 1);
}

// Index just past a quoted section opening at s[i] (quote ' or "), a doubled quote standing for
// itself; an unterminated section runs to the end.
std::size_t skipQuoted(const std::string& s, std::size_t i)
{
    char quote = s[i];
    for (std::size_t k = i + 1; k < s.size(); ++k) {
        if (s[k] == quote) {
            if (k + 1 < s.size() && s[k + 1] == quote) {
                ++k;
                continue;
            }
            return k + 1;
        }
    }
    return s.size();
}

struct ProcedureCall {
    std::string name;
    std::vector<std::string> args;
    bool hasParens = false;
};

// Parses "{call NAME}" / "{call NAME(a, b)}"; false when the text is not such a call.
bool parseCall(const std::string& text, ProcedureCall& call)
{
    std::string s = trimmed(text);
    if (s.size() < 7 || s.front() != '{' || s.back() != '}')
        return false;
    s = trimmed(s.substr(1, s.size() - 2));
    if (!startsWithNoCase(s, 0, "call") || s.size() < 5 || std::isspace(static_cast<unsigned char>(s[4])) == 0)
        return false;
    s = trimmed(s.substr(4));
    std::size_t i = 0;
    if (i < s.size() && s[i] == '[') {
        std::size_t close = s.find(']', i);
        if (close == std::string::npos)
            return false;
        call.name = s.substr(1, close - 1);
        i = close + 1;
    } else {
        while (i < s.size() && (isIdentChar(s[i]) || s[i] == '.'))
            ++i;
        call.name = s.substr(0, i);
    }
    if (call.name.empty())
        return false;
    std::string rest = trimmed(s.substr(i));
    if (rest.empty())
        return true;
    if (rest.front() != '(' || rest.back() != ')')
        return false;
    call.hasParens = true;
    std::string inner = rest.substr(1, rest.size() - 2);
    // Split at commas outside literals and nested parentheses.
    std::string current;
    int depth = 0;
    for (std::size_t k = 0; k < inner.size();) {
        char c = inner[k];
        if (c == '\'' || c == '"') {
            std::size_t end = skipQuoted(inner, k);
            current += inner.substr(k, end - k);
            k = end;
            continue;
        }
        if (c == '(')
            ++depth;
        else if (c == ')')
            --depth;
        if (c == ',' && depth == 0) {
            call.args.push_back(trimmed(current));
            current.clear();
        } else {
            current += c;
        }
        ++k;
    }
    if (!trimmed(current).empty() || !call.args.empty())
        call.args.push_back(trimmed(current));
    return true;
}

}  // namespace

CDialect CDialect::FromDbmsName(const CString& dbmsName)
{
    CString name(dbmsName);
    name.MakeLower();
    if (name.Find("sqlite") >= 0)
        return CDialect(sqlite);
    if (name.Find("postgres") >= 0)
        return CDialect(postgresql);
    return CDialect(generic);
}

const char* CDialect::GetName() const
{
    switch (m_kind) {
    case sqlite: return "SQLite";
    case postgresql: return "PostgreSQL";
    default: return "generic";
    }
}

CString CDialect::AddConnectionDefaults(const CString& connect)
{
    CString lower(connect);
    lower.MakeLower();
    CString result(connect);
    if (lower.Find("postgres") < 0)
        return result;
    auto add = [&](const char* key, const char* option) {
        if (lower.Find(key) >= 0)
            return;
        result.TrimRight();
        if (!result.IsEmpty() && result[result.GetLength() - 1] != ';')
            result += ";";
        result += option;
    };
    add("protocol=", "Protocol=7.4-2;");
    add("commlog=", "CommLog=0;");
    return result;
}

std::vector<CString> CDialect::SessionSetup() const
{
    if (m_kind == sqlite)
        return {"PRAGMA busy_timeout = 30000", "PRAGMA foreign_keys = ON", "PRAGMA journal_mode = WAL"};
    return {};
}

CString CDialect::BeginTransactionSql() const
{
    return m_kind == sqlite ? CString("BEGIN IMMEDIATE") : CString();
}

CString CDialect::CommitSql() const
{
    return m_kind == sqlite ? CString("COMMIT") : CString();
}

CString CDialect::RollbackSql() const
{
    return m_kind == sqlite ? CString("ROLLBACK") : CString();
}

CString CDialect::WriterLockSql(const CString& name) const
{
    if (m_kind != postgresql)
        return CString();
    std::string literal;
    for (char c : name.str()) {
        literal += c;
        if (c == '\'')
            literal += c;
    }
    return CString("SELECT pg_advisory_xact_lock(hashtext('") + CString(literal) + "'))";
}

bool CDialect::IsFatalFailure(const CString& sqlState, long nativeError) const
{
    if (m_kind == sqlite) {
        // The driver gives SQLSTATE HY000 for every database error and the SQLite result code
        // as the native error; an extended code keeps its primary code in the low byte.
        switch (nativeError & 0xff) {
        case 8:   // SQLITE_READONLY
        case 10:  // SQLITE_IOERR
        case 11:  // SQLITE_CORRUPT
        case 13:  // SQLITE_FULL
        case 14:  // SQLITE_CANTOPEN
        case 26:  // SQLITE_NOTADB
            return true;
        default:
            return false;
        }
    }
    return IsConnectionLost(sqlState);
}

bool CDialect::IsConnectionLost(const CString& sqlState)
{
    return sqlState.Left(2) == "08" || sqlState == "57P01" || sqlState == "57P02" || sqlState == "57P03";
}

CString CDialect::StripBrackets(const CString& name)
{
    const std::string& s = name.str();
    std::string t = trimmed(s);
    if (t.size() >= 2 && t.front() == '[' && t.back() == ']' && t.find(']') == t.size() - 1)
        return CString(t.substr(1, t.size() - 2));
    return name;
}

bool CDialect::IsPlainIdentifier(const CString& text)
{
    const std::string& s = text.str();
    if (s.empty() || std::isdigit(static_cast<unsigned char>(s[0])) != 0)
        return false;
    for (char c : s)
        if (!isIdentChar(c))
            return false;
    return true;
}

CString CDialect::QuoteIdentifier(const CString& name) const
{
    std::string n = CatalogName(name).str();
    // SQLite takes a double-quoted name that matches no column for a text literal, so a misspelt
    // or missing column would read as text instead of failing; in brackets it is always a name.
    if (m_kind == sqlite && n.find(']') == std::string::npos)
        return CString("[" + n + "]");
    std::string out = "\"";
    for (char c : n) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return CString(std::move(out));
}

CString CDialect::CatalogName(const CString& name) const
{
    CString n(name);
    if (m_kind == postgresql)
        n.MakeLower();
    return n;
}

bool CDialect::SameColumnName(const CString& a, const CString& b)
{
    return StripBrackets(a).CompareNoCase(StripBrackets(b)) == 0;
}

CString CDialect::Rewrite(const CString& sql) const
{
    const std::string& s = sql.str();
    std::string out;
    out.reserve(s.size() + 16);
    for (std::size_t i = 0; i < s.size();) {
        char c = s[i];
        if (c == '\'' || c == '"') {
            std::size_t end = skipQuoted(s, i);
            out.append(s, i, end - i);
            i = end;
        } else if (c == '[') {
            std::size_t close = s.find(']', i + 1);
            if (close == std::string::npos) {  // not a name: leave the rest as it is
                out.append(s, i, std::string::npos);
                break;
            }
            out += QuoteIdentifier(CString(s.substr(i + 1, close - i - 1))).str();
            i = close + 1;
        } else if ((c == 'S' || c == 's') && (i == 0 || !isIdentChar(s[i - 1])) && startsWithNoCase(s, i, "STRLEN")) {
            std::size_t k = i + 6;
            while (k < s.size() && std::isspace(static_cast<unsigned char>(s[k])) != 0)
                ++k;
            if (k < s.size() && s[k] == '(') {
                out += "LENGTH(";
                i = k + 1;
            } else {
                out += c;
                ++i;
            }
        } else if (isIdentChar(c)) {
            // Copy a whole word, so that STRLEN is only found at the start of one.
            std::size_t k = i;
            while (k < s.size() && isIdentChar(s[k]))
                ++k;
            out.append(s, i, k - i);
            i = k;
        } else {
            out += c;
            ++i;
        }
    }
    return CString(std::move(out));
}

bool CDialect::IsProcedureCall(const CString& sql)
{
    ProcedureCall call;
    return parseCall(sql.str(), call);
}

CString CDialect::AsProcedureCall(const CString& nameOrCall)
{
    if (IsProcedureCall(nameOrCall))
        return nameOrCall;
    CString name(nameOrCall);
    name.Trim();
    return CString("{call ") + name + "}";
}

std::vector<CString> CDialect::Translate(const CString& sql, bool wantResult) const
{
    ProcedureCall call;
    if (!parseCall(sql.str(), call))
        return {Rewrite(sql)};
    std::vector<std::string> args;
    for (const auto& a : call.args)
        args.push_back(Rewrite(CString(a)).str());
    auto joined = [&](const std::vector<std::string>& items) {
        std::string r;
        for (std::size_t k = 0; k < items.size(); ++k) {
            if (k > 0)
                r += ", ";
            r += items[k];
        }
        return r;
    };
    switch (m_kind) {
    case postgresql: {
        std::string name = CatalogName(CString(call.name)).str();
        return {CString("SELECT * FROM " + name + "(" + joined(args) + ")")};
    }
    case sqlite: {
        std::string table = call.name + "_CALL";
        std::vector<CString> statements;
        if (args.empty()) {
            statements.emplace_back("INSERT INTO " + table + " DEFAULT VALUES");
        } else {
            std::vector<std::string> columns;
            for (std::size_t k = 0; k < args.size(); ++k)
                columns.push_back("ARG" + std::to_string(k + 1));
            statements.emplace_back("INSERT INTO " + table + " (" + joined(columns) + ") VALUES (" + joined(args) + ")");
        }
        if (wantResult)
            statements.emplace_back("SELECT RESULT FROM " + table + " WHERE rowid = last_insert_rowid()");
        return statements;
    }
    default: {
        std::string text = "{call " + call.name;
        if (call.hasParens)
            text += "(" + joined(args) + ")";
        text += "}";
        return {CString(text)};
    }
    }
}

const char* CDialect::NullSafeEqualsParam() const
{
    return m_kind == sqlite ? " IS ?" : " IS NOT DISTINCT FROM ?";
}

CString CDialect::MatchParam(const CString& quotedColumn, bool timestamp, bool originalNull) const
{
    if (m_kind == sqlite && timestamp)
        return CString("julianday(") + quotedColumn + ") IS julianday(?)";
    return quotedColumn + (originalNull ? NullSafeEqualsParam() : " = ?");
}
