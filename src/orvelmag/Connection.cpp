// Where the command-line host keeps its data, how a command opens it, and how the library's error
// boxes and the database's failures reach the user.
#include <cstdio>
#include <filesystem>
#include <iostream>

#include "Cli.h"
#include "odbc/DBException.h"
#include "odbc/Database.h"
#include "odbc/Recordset.h"
#include "orveldblib/DomainClass.h"
#include "orvelmagdb/base/Schema.h"

namespace orvelmag {

namespace {

int g_reportedErrors = 0;
std::string* g_sink = nullptr;
// The connection of the running command (it lives until the command returns), whose failure
// silences the boxes that follow it.
CDatabase* g_database = nullptr;

void InstallErrorReporter();

}  // namespace

std::string SqliteFile(const std::string& connect)
{
    std::string lower(connect);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower.find("sqlite") == std::string::npos)
        return {};
    const std::size_t key = lower.find("database=");
    if (key == std::string::npos)
        return {};
    const std::size_t start = key + 9;
    return connect.substr(start, connect.find(';', start) - start);
}

std::string ConnectionString(const Arguments& args)
{
    if (auto connect = args.Option("connect"))
        return *connect;
    std::filesystem::path file = std::filesystem::absolute("orvelmag.db");
    return "DRIVER=SQLite3;Database=" + file.string();
}

std::unique_ptr<CDatabase> OpenShopDatabase(const Arguments& args, bool needsSchema)
{
    LoadConfiguration(args.Option("file"));
    InstallErrorReporter();
    const std::string connect = ConnectionString(args);
    // The driver would make an empty file of a name mistyped; only "init" creates a database.
    const std::string file = SqliteFile(connect);
    std::error_code ignored;
    if (!file.empty() && !std::filesystem::exists(file, ignored))
        throw DatabaseFailure{"there is no database " + file + " (orvelmag init creates one)"};
    auto db = std::make_unique<CDatabase>();
    try {
        db->OpenEx(connect.c_str());
    } catch (const CDBException& e) {
        throw DatabaseFailure{"cannot open the database: " + FailureWords(e)};
    }
    bool hasSchema = false;
    try {
        hasSchema = CSchema::Exists(*db);
    } catch (const CDBException& e) {
        throw DatabaseFailure{FailureWords(e)};
    }
    if (needsSchema && !hasSchema) {
        StopIfFailed(*db);
        throw DatabaseFailure{(file.empty() ? std::string("the database") : file) +
                              " is not a shop database: it lacks the OrvelMagDb tables (orvelmag init creates "
                              "them)"};
    }
    g_database = db.get();
    return db;
}

namespace {

void InstallErrorReporter()
{
    CDomainClass::SetMessageHandler([](const CString& text, UINT, UINT) {
        ++g_reportedErrors;
        if (g_database != nullptr && g_database->HasFailed())
            return;
        CString line(text);
        line.Replace('\n', ' ');
        line.TrimRight();
        if (g_sink != nullptr) {
            if (!g_sink->empty())
                *g_sink += "; ";
            *g_sink += line.GetString();
        } else {
            std::cerr << "error: " << line.GetString() << "\n";
        }
    });
}

}  // namespace

int ReportedErrors()
{
    return g_reportedErrors;
}

void CollectErrorsInto(std::string* sink)
{
    g_sink = sink;
}

std::string FailureWords(const CDBException& e)
{
    std::string words;
    for (char c : std::string(e.m_strError.GetString())) {
        if (c == '\n')
            words += " | ";
        else if (c != '\r')
            words += c;
    }
    while (!words.empty() && (words.back() == ' ' || words.back() == '|'))
        words.pop_back();
    return words.empty() ? e.what() : words;
}

void StopIfFailed(CDatabase& db)
{
    if (db.HasFailed())
        throw DatabaseFailure{db.GetFailure().GetString()};
}

std::size_t BoundWidth(CRecordset& rs, const char* column)
{
    for (const CFieldInfo& field : rs.DescribeFields()) {
        CString name(field.name);
        name.Remove('[');
        name.Remove(']');
        if (field.kind == CFieldInfo::text && name == column)
            return static_cast<std::size_t>(field.maxLength);
    }
    throw std::logic_error(std::string("no text column ") + column + " in " + rs.GetDefaultSQL().GetString());
}

std::string TextProblem(const std::string& text, std::size_t width)
{
    std::size_t characters = 0;
    for (unsigned char c : text) {
        if ((c < 0x20 && c != '\t') || c == 0x7f) {
            char code[8];
            std::snprintf(code, sizeof code, "0x%02X", c);
            return std::string("holds a control character (") + (c == '\n' || c == '\r' ? "a line break, " : "") +
                   code + ") at character " + std::to_string(characters + 1);
        }
        if ((c & 0xC0) != 0x80)
            ++characters;
    }
    if (characters > width)
        return "is " + std::to_string(characters) + " characters long; the column takes " + std::to_string(width);
    return {};
}

void CheckArgument(const std::string& label, const std::string& text, CRecordset& rs, const char* column)
{
    if (std::string problem = TextProblem(text, BoundWidth(rs, column)); !problem.empty())
        throw UsageError{label + " " + problem};
}

std::string Printable(const std::string& text)
{
    std::string shown;
    for (unsigned char c : text) {
        if ((c < 0x20 && c != '\t') || c == 0x7f) {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02X", c);
            shown += code;
        } else {
            shown += static_cast<char>(c);
        }
    }
    return shown;
}

}  // namespace orvelmag
