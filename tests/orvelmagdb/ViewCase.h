// Table-driven checks of the schema on a fresh database of each kind. A suite derives from
// ViewTest, seeds rows with plain SQL and lists what the views must show. A ViewCase names the
// recordset class that reads a view (its source names the view, and the class must open on the
// seeded rows and read as many; "[NAME]" reads a view no class reads), a filter, the columns
// compared and the rows expected in the order of those columns, one text per row with the cells
// separated by '|'. A cell is the text the database gives or NULL; "=X" compares as a number (the
// backends write an amount with different decimals), "~X" as a number rounded to X's decimals. A
// timestamp reads without a zero fraction, which SQLite keeps when a recordset wrote it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "afx/RuntimeClass.h"
#include "odbc/DBException.h"
#include "orvelmagdb/base/Schema.h"
#include "support/DatabaseTest.h"
#include "support/ScalarQuery.h"

namespace orvel::test {

using TextRow = std::vector<std::optional<std::string>>;

struct ViewCase {
    const char* recordset;
    const char* filter;
    const char* columns;
    std::vector<const char*> rows;
};

// A table and a condition, and how many of its rows must match.
struct CountCase {
    std::string where;
    long long rows;
};

inline std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);)
        parts.push_back(part);
    return parts;
}

inline bool CellMatches(const std::string& want, const std::optional<std::string>& got)
{
    if (want == "NULL" || !got)
        return want == "NULL" && !got;
    if (want[0] != '=' && want[0] != '~')
        return *got == want;
    char* end = nullptr;
    double actual = std::strtod(got->c_str(), &end);
    double expected = std::strtod(want.c_str() + 1, nullptr);
    std::size_t point = want.find('.'), decimals = point == std::string::npos ? 0 : want.size() - point - 1;
    double tolerance = want[0] == '=' ? 1e-9 : 0.5 * std::pow(10.0, -double(decimals));
    return end != got->c_str() && *end == '\0' && std::fabs(actual - expected) <= tolerance + 1e-12;
}

class ViewTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (!IsSkipped())
            CSchema::Create(db());
    }

    // Runs a script of statements separated by ';'.
    void Seed(const std::string& script)
    {
        for (const std::string& sql : Split(script, ';'))
            if (sql.find_first_not_of(" \n") != std::string::npos)
                Exec(sql.c_str());
    }

    // A recordset class reached by name, as the catalogue lists it, on the test's database.
    std::unique_ptr<CRecordset> Make(const char* className)
    {
        CRuntimeClass* cls = AfxFindRuntimeClass(className);
        std::unique_ptr<CObject> object(cls ? cls->CreateObject() : nullptr);
        if (object == nullptr || !object->IsKindOf(RUNTIME_CLASS(CRecordset)))
            return nullptr;
        std::unique_ptr<CRecordset> rs(static_cast<CRecordset*>(object.release()));
        rs->m_pDatabase = &db();
        return rs;
    }

    static std::string SourceOf(CRecordset& rs)
    {
        std::string source = rs.GetDefaultSQL().str();
        return source.substr(1, source.size() - 2);
    }

    std::vector<TextRow> ReadRows(const std::string& sql, std::vector<std::string>* names = nullptr)
    {
        CScalarQuery query(&db());
        query.Open(CRecordset::forwardOnly, sql.c_str(), CRecordset::readOnly | CRecordset::executeDirect);
        for (int i = 0; names != nullptr && i < query.GetResultColumnCount(); ++i)
            names->push_back(query.GetResultColumnName(i).str());
        std::vector<TextRow> rows;
        for (CString value; !query.IsEOF(); query.MoveNext()) {
            TextRow& row = rows.emplace_back();
            for (int i = 0; i < query.GetResultColumnCount(); ++i) {
                std::string text = query.GetResultText(i, value) ? value.str() : "\n";
                if (text.size() == 23 && text[10] == ' ' && text.compare(19, 4, ".000") == 0)
                    text.resize(19);
                row.push_back(text == "\n" ? std::nullopt : std::optional<std::string>(text));
            }
        }
        return rows;
    }

    void ExpectViews(std::initializer_list<ViewCase> cases)
    {
        for (const ViewCase& c : cases) {
            SCOPED_TRACE(std::string(c.recordset) + " WHERE " + c.filter);
            std::string source = c.recordset, order = " ORDER BY 1";
            if (source.front() == '[') {
                source = source.substr(1, source.size() - 2);
            } else {
                std::unique_ptr<CRecordset> rs = Make(c.recordset);
                ASSERT_NE(rs, nullptr) << "not a registered recordset class";
                rs->m_strFilter = c.filter;
                rs->Open();
                std::size_t seen = 0;
                for (; !rs->IsEOF(); rs->MoveNext())
                    ++seen;
                EXPECT_EQ(seen, c.rows.size()) << "rows read through the class";
                source = SourceOf(*rs);
            }
            std::vector<std::string> names;
            for (std::size_t i = 2; i <= Split(c.columns, ',').size(); ++i)
                order += ", " + std::to_string(i);
            std::vector<TextRow> rows = ReadRows(
                "SELECT " + std::string(c.columns) + " FROM " + source + " WHERE " + c.filter + order, &names);
            ASSERT_EQ(rows.size(), c.rows.size());
            for (std::size_t r = 0; r < rows.size(); ++r) {
                std::vector<std::string> want = Split(c.rows[r], '|');
                ASSERT_EQ(want.size(), names.size()) << "cells in expected row " << r + 1;
                for (std::size_t i = 0; i < names.size(); ++i)
                    EXPECT_TRUE(CellMatches(want[i], rows[r][i]))
                        << "row " << r + 1 << " " << names[i] << ": " << rows[r][i].value_or("NULL") << " instead of " << want[i];
            }
        }
    }

    void ExpectView(const ViewCase& c) { ExpectViews({c}); }

    void ExpectCounts(std::initializer_list<CountCase> cases)
    {
        for (const CountCase& c : cases)
            EXPECT_EQ(QueryLong(("SELECT COUNT(*) FROM " + c.where).c_str()), c.rows) << c.where;
    }

    // Statements, separated by ';', that the database must each refuse with the driver's error.
    void ExpectRefused(const std::string& script)
    {
        for (const std::string& sql : Split(script, ';'))
            EXPECT_THROW(Exec(sql.c_str()), CDBException) << sql;
    }

    // Writes every row of a table class back as it was read (Edit and Update of every bound
    // column) and checks the table is unchanged: each column survives its own write, NULLs and
    // dates included. With `thenDelete` the rows are then deleted through the class.
    void ExpectRoundTrip(const char* className, const char* filter, std::size_t rows, bool thenDelete = false)
    {
        SCOPED_TRACE(std::string(className) + " WHERE " + filter);
        std::unique_ptr<CRecordset> rs = Make(className);
        ASSERT_NE(rs, nullptr) << "not a registered recordset class";
        std::string select = "SELECT * FROM " + SourceOf(*rs) + " WHERE " + filter;
        std::vector<TextRow> before = ReadRows(select);
        std::sort(before.begin(), before.end());
        ASSERT_EQ(before.size(), rows);
        rs->m_strFilter = filter;
        rs->Open();
        for (; !rs->IsEOF(); rs->MoveNext()) {
            rs->Edit();
            EXPECT_TRUE(rs->Update());
        }
        std::vector<TextRow> after = ReadRows(select);
        std::sort(after.begin(), after.end());
        EXPECT_EQ(after, before);
        for (rs->Requery(); thenDelete && !rs->IsEOF(); rs->MoveNext())
            rs->Delete();
        EXPECT_EQ(ReadRows(select).size(), thenDelete ? 0 : rows);
    }
};

}  // namespace orvel::test
