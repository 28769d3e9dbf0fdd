// The dialects' rewriting and the reading of query text, checked on text alone: names, STRLEN
// and procedure calls become what each database understands, nothing inside a literal or a
// quoted name is touched, filters and sorts land at the top level of a query, and a query's text
// literals become parameters only where they are plain values.
#include <gtest/gtest.h>

#include "odbc/Dialect.h"
#include "odbc/detail/QueryText.h"

namespace {

using orvel::odbc::detail::AddFilterAndSort;
using orvel::odbc::detail::LiftTextLiterals;

const CDialect sqlite(CDialect::sqlite);
const CDialect postgres(CDialect::postgresql);
const CDialect generic(CDialect::generic);

TEST(Dialect, RewritesNamesAndStrlenOutsideLiterals)
{
    const struct {
        const CDialect& dialect;
        const char *sql, *expected;
    } cases[] = {
        // SQLite keeps the brackets (there a double-quoted unknown name would read as a literal).
        {sqlite, "SELECT [CODICE] FROM [ARTICOLO] WHERE [ARTICOLO].[CODICE] = '1'",
         "SELECT [CODICE] FROM [ARTICOLO] WHERE [ARTICOLO].[CODICE] = '1'"},
        {postgres, "SELECT [CODICE], [Descrizione] FROM [ARTICOLO] WHERE [ARTICOLO].[CODICE] = '1'",
         "SELECT \"codice\", \"descrizione\" FROM \"articolo\" WHERE \"articolo\".\"codice\" = '1'"},
        {postgres, "SELECT [A] FROM [T] WHERE [B] = 'it''s [NOT] a name, STRLEN(x)' AND \"[Q]\" = 'x'",
         "SELECT \"a\" FROM \"t\" WHERE \"b\" = 'it''s [NOT] a name, STRLEN(x)' AND \"[Q]\" = 'x'"},
        {sqlite, "SELECT 'abc [X]", "SELECT 'abc [X]"},  // an unterminated literal is copied, not cut
        {sqlite, "SELECT [X FROM T", "SELECT [X FROM T"},  // a bracket never closed is not a name
        {postgres, "WHERE strlen (CODICE) > 0", "WHERE LENGTH(CODICE) > 0"},
        {postgres, "SELECT MYSTRLEN(a), STRLEN_X(b), STRLEN FROM T WHERE c = 'STRLEN(d)'",
         "SELECT MYSTRLEN(a), STRLEN_X(b), STRLEN FROM T WHERE c = 'STRLEN(d)'"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.dialect.Rewrite(c.sql), c.expected) << c.sql;
}

TEST(Dialect, ProcedureCallsBecomeEachDatabasesStatements)
{
    const struct {
        const CDialect& dialect;
        const char* call;
        bool wantResult;
        const char* expected;
    } cases[] = {
        {postgres, "  { CALL GET_ID_DOCUMENTO }  ", true, "SELECT * FROM get_id_documento()"},
        // Arguments split at top-level commas only, literals kept whole.
        {sqlite, "{call P(1, 'a, b', COALESCE(2, 3), 'it''s')}", true,
         "INSERT INTO P_CALL (ARG1, ARG2, ARG3, ARG4) VALUES (1, 'a, b', COALESCE(2, 3), 'it''s'); "
         "SELECT RESULT FROM P_CALL WHERE rowid = last_insert_rowid()"},
        {sqlite, "{call GET_ID_DOCUMENTO}", false, "INSERT INTO GET_ID_DOCUMENTO_CALL DEFAULT VALUES"},
        {generic, "{call P([A], 2)}", true, "{call P(\"A\", 2)}"},
    };
    for (const auto& c : cases) {
        CString joined;
        for (const CString& statement : c.dialect.Translate(c.call, c.wantResult))
            joined += (joined.IsEmpty() ? "" : "; ") + statement;
        EXPECT_STREQ(joined, c.expected);
    }
    EXPECT_STREQ(CDialect::AsProcedureCall("GET_ID_DOCUMENTO"), "{call GET_ID_DOCUMENTO}");
    EXPECT_STREQ(CDialect::AsProcedureCall("{call X(1)}"), "{call X(1)}");
    for (const char* notACall : {"SELECT 1", "{callX}", "{call X(1}"})
        EXPECT_FALSE(CDialect::IsProcedureCall(notACall)) << notACall;
}

TEST(Dialect, Names)
{
    EXPECT_EQ(CDialect::FromDbmsName("Microsoft SQL Server").GetKind(), CDialect::generic);  // any other database
    EXPECT_STREQ(CDialect::StripBrackets("[A].[B]"), "[A].[B]");
    EXPECT_TRUE(CDialect::IsPlainIdentifier("ID_ARTICOLO") && CDialect::SameColumnName("[ID_Articolo]", "id_articolo"));
    EXPECT_FALSE(CDialect::IsPlainIdentifier("1ABC") || CDialect::IsPlainIdentifier("A B") ||
                 CDialect::SameColumnName("ID", "IDX"));
    EXPECT_STREQ(sqlite.QuoteIdentifier("we\"ird"), "[we\"ird]");
    EXPECT_STREQ(sqlite.QuoteIdentifier("we]ird"), "\"we]ird\"");  // no escape inside brackets
    EXPECT_STREQ(postgres.QuoteIdentifier("we\"ird"), "\"we\"\"ird\"");
}

TEST(Dialect, PostgreSQLConnectionsAskForStatementRollbackAndServerSidePrepare)
{
    EXPECT_STREQ(CDialect::AddConnectionDefaults("DRIVER={PostgreSQL Unicode};Server=h"),
                 "DRIVER={PostgreSQL Unicode};Server=h;Protocol=7.4-2;CommLog=0;UseServerSidePrepare=1;");
    // An explicit choice of the caller is kept, and other drivers are not touched.
    const char* chosen = "DRIVER={PostgreSQL Unicode};Protocol=7.4-1;CommLog=1;UseServerSidePrepare=0";
    EXPECT_STREQ(CDialect::AddConnectionDefaults(chosen), chosen);
    EXPECT_STREQ(CDialect::AddConnectionDefaults("DRIVER=SQLite3;Database=x.db"), "DRIVER=SQLite3;Database=x.db");
}

TEST(QueryText, FilterAndSortGoToTheTopLevelOfTheQuery)
{
    const struct {
        const char *query, *filter, *sort, *expected;
    } cases[] = {
        {"SELECT A FROM T;", "", "", "SELECT A FROM T"},
        {"SELECT A FROM T", "B = 1", "A DESC", "SELECT A FROM T WHERE B = 1 ORDER BY A DESC"},
        {"SELECT A FROM T WHERE X = 1 OR Y = 2", "Z = 3", "", "SELECT A FROM T WHERE (X = 1 OR Y = 2) AND (Z = 3)"},
        {"SELECT A FROM (SELECT A FROM T WHERE B = 1 ORDER BY A) S", "A > 0", "A",
         "SELECT A FROM (SELECT A FROM T WHERE B = 1 ORDER BY A) S WHERE A > 0 ORDER BY A"},
        {"SELECT A, COUNT(*) FROM T GROUP BY A HAVING COUNT(*) > 1", "B = 'x'", "2",
         "SELECT A, COUNT(*) FROM T WHERE B = 'x' GROUP BY A HAVING COUNT(*) > 1 ORDER BY 2"},
        {"SELECT A FROM T WHERE B = ' WHERE ' -- ORDER BY\n ORDER BY A LIMIT 3", "C", "D",
         "SELECT A FROM T WHERE (B = ' WHERE ' -- ORDER BY\n) AND (C) ORDER BY D, A LIMIT 3"},
        {"SELECT [ORDER], \"GROUP BY\", WHERE_X FROM T /* WHERE */ OFFSET 2", "C", "",
         "SELECT [ORDER], \"GROUP BY\", WHERE_X FROM T /* WHERE */ WHERE C OFFSET 2"},
        {"WITH W AS (SELECT A FROM T WHERE B = 1) SELECT A FROM W", "A > 0", "", "WITH W AS (SELECT A FROM T WHERE B = 1) "
                                                                                 "SELECT A FROM W WHERE A > 0"},
        {"SELECT A FROM T WHERE B = 1 UNION SELECT A FROM U ORDER BY 1", "A > 0", "A",
         "SELECT * FROM (SELECT A FROM T WHERE B = 1 UNION SELECT A FROM U ORDER BY 1) FILTERED WHERE A > 0 ORDER BY A"},
        {"SELECT A FROM T UNION ALL SELECT A FROM U WHERE B = 1", "", "A",
         "SELECT A FROM T UNION ALL SELECT A FROM U WHERE B = 1 ORDER BY A"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AddFilterAndSort(c.query, c.filter, c.sort), c.expected) << c.query;
}

TEST(QueryText, PlainTextLiteralsBecomeParameters)
{
    // Each value after " | ": a text literal's text, "#digits" for a number, "(own)" for a "?".
    const auto lift = [](const std::string& sql) {
        std::string out;
        std::vector<orvel::odbc::detail::LiftedValue> values;
        if (!LiftTextLiterals(sql, out, values))
            return std::string("(as written)");
        for (const auto& value : values)
            out += " | " + (value.kind == orvel::odbc::detail::LiftedValue::own       ? std::string("(own)")
                            : value.kind == orvel::odbc::detail::LiftedValue::number ? "#" + value.text
                                                                                      : value.text);
        return out;
    };
    const std::pair<const char*, const char*> cases[] = {
        {"SELECT A - 1 FROM T WHERE ID = 'A1' AND B <> 'it''s'", "SELECT A - 1 FROM T WHERE ID = ? AND B <> ? | A1 | it's"},
        {"WHERE A = ? AND B LIKE 'x%' OR C IN ('1', '2')", "WHERE A = ? AND B LIKE ? OR C IN (?, ?) | (own) | x% | 1 | 2"},
        {"SELECT CASE WHEN A = 'a' THEN 'b' ELSE 'c' END, 'd' FROM T", "SELECT CASE WHEN A = ? THEN ? ELSE ? END, ? FROM T "
                                                                        "| a | b | c | d"},
        // Prefixed and typed literals and aliases stay; names in quotes or brackets are skipped.
        {"SELECT X'00', E'\\n', DATE '2024-01-01', A AS 'b' FROM T WHERE [it's] = 'v' AND \"q'\" = 'w'",
         "SELECT X'00', E'\\n', DATE '2024-01-01', A AS 'b' FROM T WHERE [it's] = ? AND \"q'\" = ? | v | w"},
        {"SELECT 'a' -- note", "(as written)"},
        {"SELECT /* 'a' */ 1", "(as written)"},
        {"SELECT $1", "(as written)"},
        {"SELECT 'open", "(as written)"},
        {"SELECT [open", "(as written)"},
        // A whole number that a key column is compared with is a value; any other number stays.
        {"SELECT A FROM T WHERE (ID = 42) AND D.ID_DOC<>7 AND [REF_ID] >= 0 AND TIPO = 0 ORDER BY 1",
         "SELECT A FROM T WHERE (ID = ?) AND D.ID_DOC<>? AND [REF_ID] >= ? AND TIPO = 0 ORDER BY 1 | #42 | #7 | #0"},
        {"SELECT A FROM T WHERE ID = -1 OR ID = 1.5 OR ID = 2e3 OR ID = 007 OR ID = 0x1F OR ID = 3 + B OR 4 = ID LIMIT 10",
         "SELECT A FROM T WHERE ID = -1 OR ID = 1.5 OR ID = 2e3 OR ID = 007 OR ID = 0x1F OR ID = 3 + B OR 4 = ID LIMIT 10"},
        {"SELECT A FROM T WHERE ID = 12345678901234567890 AND ID IN (1, 2) AND IDEA = 4 AND ID_X = 5",
         "SELECT A FROM T WHERE ID = 12345678901234567890 AND ID IN (1, 2) AND IDEA = 4 AND ID_X = ? | #5"},
        {"SELECT CASE WHEN ID = 1 THEN 'x' END FROM T WHERE B = '2' AND C_ID = 3", "SELECT CASE WHEN ID = ? THEN ? END FROM T "
                                                                                  "WHERE B = ? AND C_ID = ? | #1 | x | 2 | #3"},
    };
    for (const auto& [sql, expected] : cases)
        EXPECT_EQ(lift(sql), expected) << sql;
}

}  // namespace
