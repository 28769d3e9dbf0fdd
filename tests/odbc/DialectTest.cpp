// The dialects' rewriting, checked on text alone: names, STRLEN and procedure calls become
// what each database understands, and nothing inside a literal is touched.
#include <gtest/gtest.h>

#include "odbc/Dialect.h"

namespace {

const CDialect sqlite(CDialect::sqlite);
const CDialect postgres(CDialect::postgresql);
const CDialect generic(CDialect::generic);

TEST(Dialect, ChosenFromTheDbmsName)
{
    EXPECT_EQ(CDialect::FromDbmsName("SQLite").GetKind(), CDialect::sqlite);
    EXPECT_EQ(CDialect::FromDbmsName("PostgreSQL").GetKind(), CDialect::postgresql);
    EXPECT_EQ(CDialect::FromDbmsName("Microsoft SQL Server").GetKind(), CDialect::generic);
    EXPECT_EQ(CDialect::FromDbmsName("").GetKind(), CDialect::generic);
}

TEST(Dialect, BracketedNamesBecomeQuotedIdentifiers)
{
    // SQLite keeps the brackets (there a double-quoted unknown name would read as a literal);
    // PostgreSQL gets double-quoted lower-case names.
    const char* sql = "SELECT [CODICE], [Descrizione] FROM [ARTICOLO] WHERE [ARTICOLO].[CODICE] = '1'";
    EXPECT_STREQ(sqlite.Rewrite(sql), sql);
    EXPECT_STREQ(postgres.Rewrite(sql),
                 "SELECT \"codice\", \"descrizione\" FROM \"articolo\" WHERE \"articolo\".\"codice\" = '1'");
}

TEST(Dialect, LiteralsAndQuotedNamesAreLeftAlone)
{
    // Brackets and STRLEN inside literals, doubled quotes inside a literal, a quoted name.
    const char* sql = "SELECT [A] FROM [T] WHERE [B] = 'it''s [NOT] a name, STRLEN(x)' AND \"[Q]\" = 'x'";
    EXPECT_STREQ(postgres.Rewrite(sql),
                 "SELECT \"a\" FROM \"t\" WHERE \"b\" = 'it''s [NOT] a name, STRLEN(x)' AND \"[Q]\" = 'x'");
    // An unterminated literal is copied to the end unchanged instead of being cut.
    EXPECT_STREQ(sqlite.Rewrite("SELECT 'abc [X]"), "SELECT 'abc [X]");
    // A bracket that is never closed is not a name.
    EXPECT_STREQ(sqlite.Rewrite("SELECT [X FROM T"), "SELECT [X FROM T");
}

TEST(Dialect, StrlenBecomesLengthOnlyAsAFunctionOutsideLiterals)
{
    EXPECT_STREQ(sqlite.Rewrite("SELECT * FROM [T] WHERE STRLEN([CODICE]) = 6"),
                 "SELECT * FROM [T] WHERE LENGTH([CODICE]) = 6");
    EXPECT_STREQ(postgres.Rewrite("WHERE strlen (CODICE) > 0"), "WHERE LENGTH(CODICE) > 0");
    // Part of another name, a column called STRLEN, or inside a literal: unchanged.
    EXPECT_STREQ(postgres.Rewrite("SELECT MYSTRLEN(a), STRLEN_X(b), STRLEN FROM T WHERE c = 'STRLEN(d)'"),
                 "SELECT MYSTRLEN(a), STRLEN_X(b), STRLEN FROM T WHERE c = 'STRLEN(d)'");
}

TEST(Dialect, ProcedureCallsOnPostgreSQLSelectFromTheFunction)
{
    auto statements = postgres.Translate("{call ELIMINA_DOCUMENTO(42)}", false);
    ASSERT_EQ(statements.size(), 1u);
    EXPECT_STREQ(statements[0], "SELECT * FROM elimina_documento(42)");
    statements = postgres.Translate("  { CALL GET_ID_DOCUMENTO }  ", true);
    ASSERT_EQ(statements.size(), 1u);
    EXPECT_STREQ(statements[0], "SELECT * FROM get_id_documento()");
}

TEST(Dialect, ProcedureCallsOnSQLiteInsertIntoTheCallTable)
{
    auto statements = sqlite.Translate("{call ELIMINA_DOCUMENTO(42)}", false);
    ASSERT_EQ(statements.size(), 1u);
    EXPECT_STREQ(statements[0], "INSERT INTO ELIMINA_DOCUMENTO_CALL (ARG1) VALUES (42)");

    // Arguments split at top-level commas only, literals kept whole.
    statements = sqlite.Translate("{call P(1, 'a, b', COALESCE(2, 3), 'it''s')}", true);
    ASSERT_EQ(statements.size(), 2u);
    EXPECT_STREQ(statements[0],
                 "INSERT INTO P_CALL (ARG1, ARG2, ARG3, ARG4) VALUES (1, 'a, b', COALESCE(2, 3), 'it''s')");
    EXPECT_STREQ(statements[1], "SELECT RESULT FROM P_CALL WHERE rowid = last_insert_rowid()");

    statements = sqlite.Translate("{call GET_ID_DOCUMENTO}", true);
    ASSERT_EQ(statements.size(), 2u);
    EXPECT_STREQ(statements[0], "INSERT INTO GET_ID_DOCUMENTO_CALL DEFAULT VALUES");
}

TEST(Dialect, GenericPassesTheCallEscapeToTheDriver)
{
    auto statements = generic.Translate("{call P([A], 2)}", true);
    ASSERT_EQ(statements.size(), 1u);
    EXPECT_STREQ(statements[0], "{call P(\"A\", 2)}");
}

TEST(Dialect, BareProcedureNamesBecomeCalls)
{
    EXPECT_STREQ(CDialect::AsProcedureCall("GET_ID_DOCUMENTO"), "{call GET_ID_DOCUMENTO}");
    EXPECT_STREQ(CDialect::AsProcedureCall("{call X(1)}"), "{call X(1)}");
    EXPECT_TRUE(CDialect::IsProcedureCall("{call X}"));
    EXPECT_FALSE(CDialect::IsProcedureCall("SELECT 1"));
    EXPECT_FALSE(CDialect::IsProcedureCall("{callX}"));
    EXPECT_FALSE(CDialect::IsProcedureCall("{call X(1}"));
}

TEST(Dialect, NamesAndNullSafeEquality)
{
    EXPECT_STREQ(CDialect::StripBrackets("[CODICE]"), "CODICE");
    EXPECT_STREQ(CDialect::StripBrackets("CODICE"), "CODICE");
    EXPECT_STREQ(CDialect::StripBrackets("[A].[B]"), "[A].[B]");
    EXPECT_TRUE(CDialect::IsPlainIdentifier("ID_ARTICOLO"));
    EXPECT_FALSE(CDialect::IsPlainIdentifier("1ABC"));
    EXPECT_FALSE(CDialect::IsPlainIdentifier("A B"));
    EXPECT_TRUE(CDialect::SameColumnName("[ID_Articolo]", "id_articolo"));
    EXPECT_FALSE(CDialect::SameColumnName("ID", "IDX"));
    EXPECT_STREQ(sqlite.QuoteIdentifier("we\"ird"), "[we\"ird]");
    EXPECT_STREQ(sqlite.QuoteIdentifier("we]ird"), "\"we]ird\"");  // no escape inside brackets
    EXPECT_STREQ(postgres.QuoteIdentifier("we\"ird"), "\"we\"\"ird\"");
    EXPECT_STREQ(sqlite.NullSafeEqualsParam(), " IS ?");
    EXPECT_STREQ(postgres.NullSafeEqualsParam(), " IS NOT DISTINCT FROM ?");
    EXPECT_STREQ(postgres.MatchParam("\"c\"", false, false), "\"c\" = ?");
    EXPECT_STREQ(postgres.MatchParam("\"c\"", true, true), "\"c\" IS NOT DISTINCT FROM ?");
    EXPECT_STREQ(sqlite.MatchParam("\"C\"", false, true), "\"C\" IS ?");
    EXPECT_STREQ(sqlite.MatchParam("\"C\"", true, false), "julianday(\"C\") IS julianday(?)");
}

TEST(Dialect, PostgreSQLConnectionsAskForStatementRollback)
{
    EXPECT_STREQ(CDialect::AddConnectionDefaults("DRIVER={PostgreSQL Unicode};Server=h"),
                 "DRIVER={PostgreSQL Unicode};Server=h;Protocol=7.4-2;CommLog=0;UseServerSidePrepare=1;");
    // An explicit choice of the caller is kept, and other drivers are not touched.
    EXPECT_STREQ(CDialect::AddConnectionDefaults("DRIVER={PostgreSQL Unicode};Protocol=7.4-1;CommLog=1;UseServerSidePrepare=0"),
                 "DRIVER={PostgreSQL Unicode};Protocol=7.4-1;CommLog=1;UseServerSidePrepare=0");
    EXPECT_STREQ(CDialect::AddConnectionDefaults("DRIVER=SQLite3;Database=x.db"), "DRIVER=SQLite3;Database=x.db");
}

}  // namespace
