// Creating the shop database: once only, all or nothing, and with id procedures that hand out
// unique, increasing ids to every till, also when several ask at the same time.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <thread>
#include <vector>

#include "odbc/DBException.h"
#include "orveldblib/ProcedureId.h"
#include "orvelmagdb/base/Schema.h"
#include "support/DatabaseTest.h"
#include "support/ScalarQuery.h"

namespace {

class Schema : public orvel::test::DatabaseTest {
protected:
    static long NextId(CDatabase& database, const char* table)
    {
        CProcedureId proc(&database);
        CString name;
        name.Format("GET_ID_%s", table);
        proc.Open(name, 1, nullptr, 0);
        long id = proc.m_ID;
        proc.Close();
        return id;
    }
};

bool Mentions(const std::vector<CString>& problems, const std::string& text)
{
    return std::any_of(problems.begin(), problems.end(),
                       [&](const CString& p) { return p.str().find(text) != std::string::npos; });
}

std::string Joined(const std::vector<CString>& problems)
{
    std::string all;
    for (const CString& p : problems)
        all += p.str() + "\n";
    return all;
}

}  // namespace

// An empty database lacks everything; the schema is then made once, checks clean and is seen by
// every connection; a second creation is refused and changes nothing.
TEST_P(Schema, IsCreatedOnceChecksCleanAndIsRecognisedAfterwards)
{
    std::vector<CString> problems = CSchema::Check(db());
    for (const char* missing : {"ORVEL_SCHEMA", "table IVA: missing", "CIvaSet [IVA]:"})
        EXPECT_TRUE(Mentions(problems, missing)) << missing << "\n" << Joined(problems);
    EXPECT_FALSE(CSchema::Exists(db()));
    CSchema::Create(db());
    EXPECT_TRUE(CSchema::Exists(db()));
    EXPECT_EQ(QueryLong("SELECT VERSIONE FROM ORVEL_SCHEMA"), CSchema::kVersion);
    problems = CSchema::Check(db());
    EXPECT_TRUE(problems.empty()) << Joined(problems);

    long long vatRows = CountRows("IVA");
    EXPECT_THROW(CSchema::Create(db()), CSchemaException);
    EXPECT_EQ(CountRows("IVA"), vatRows);
    EXPECT_EQ(CountRows("ORVEL_SCHEMA"), 1);
    EXPECT_TRUE(CSchema::Exists(*OpenAnother()));
}

TEST_P(Schema, AFailedCreationLeavesNothingBehind)
{
    // A table of ours already there, without the marker: creation stops on it and rolls back.
    Exec("CREATE TABLE GRUPPO (X INTEGER)");
    EXPECT_THROW(CSchema::Create(db()), CDBException);
    EXPECT_FALSE(CSchema::Exists(db()));
    EXPECT_THROW(CountRows("IVA"), CDBException) << "the tables created before the failure are gone";
    EXPECT_EQ(CountRows("GRUPPO"), 0);
}

TEST_P(Schema, NoKeyColumnTakesNull)
{
    CSchema::Create(db());
    // Every key column, as the database describes its keys.
    orvel::test::CScalarQuery keys(&db());
    keys.Open(CRecordset::forwardOnly,
              IsPostgreSQL() ? "SELECT K.TABLE_NAME, K.COLUMN_NAME, C.IS_IDENTITY FROM information_schema.columns C "
                               "JOIN information_schema.key_column_usage K USING (TABLE_SCHEMA, TABLE_NAME, COLUMN_NAME) "
                               "JOIN information_schema.table_constraints T USING (CONSTRAINT_SCHEMA, CONSTRAINT_NAME) "
                               "WHERE T.CONSTRAINT_TYPE = 'PRIMARY KEY' AND C.TABLE_SCHEMA = current_schema()"
                             : "SELECT M.name, P.name, (SELECT COUNT(*) FROM pragma_table_info(M.name) WHERE pk > 0) "
                               "|| P.type FROM sqlite_master M, pragma_table_info(M.name) P WHERE P.pk > 0",
              CRecordset::readOnly);
    std::map<std::string, std::vector<std::string>> tables;  // key columns by table
    CString table, column, kind;
    for (; !keys.IsEOF(); keys.MoveNext()) {
        keys.GetResultText(0, table);
        keys.GetResultText(1, column);
        keys.GetResultText(2, kind);
        // Not a key that the database numbers (SQLite's single INTEGER key, PostgreSQL's identity).
        if (kind.CompareNoCase("1INTEGER") != 0 && kind.CompareNoCase("YES") != 0)
            tables[table.MakeUpper().str()].push_back(column.MakeUpper().str());
    }
    EXPECT_GT(tables.size(), 40u);
    for (const auto& [name, columns] : tables) {
        std::string list, nulls, error;
        for (const std::string& c : columns) {
            list += (list.empty() ? "" : ", ") + c;
            nulls += nulls.empty() ? "NULL" : ", NULL";
        }
        std::string sql = "INSERT INTO " + name + " (" + list + ") VALUES (" + nulls + ")";
        try {
            Exec(sql.c_str());
        } catch (const CDBException& e) {
            error = CString(e.m_strError).MakeUpper().str();
        }
        // Refused for a key column ("T.COLUMN" on SQLite, "column" on PostgreSQL), not another.
        bool named = false;
        for (const std::string& c : columns)
            named |= error.find(name + "." + c) != std::string::npos || error.find('"' + c + '"') != std::string::npos;
        EXPECT_TRUE(named) << sql << ": " << error;
    }
}

TEST_P(Schema, OneEanOrAlternativeCodeLeadsToOneArticle)
{
    CSchema::Create(db());
    Exec("INSERT INTO ARTICOLO (ID, CODICE_EAN) VALUES ('A1', '8001234567895'), ('A2', '')");
    Exec("INSERT INTO CODICE_ALTERNATIVO_ARTICOLO (ID_ARTICOLO, CODICE, TIPO) VALUES ('A1', 'C1', 0), ('A1', 'B1', 1)");
    const std::pair<const char*, bool> cases[] = {  // statement, refused
        {"INSERT INTO ARTICOLO (ID, CODICE_EAN) VALUES ('A3', '8001234567895')", true},
        {"UPDATE ARTICOLO SET CODICE_EAN = '8001234567895' WHERE ID = 'A2'", true},
        {"INSERT INTO ARTICOLO (ID, CODICE_EAN) VALUES ('A3', '')", false},  // an empty EAN is none
        {"INSERT INTO CODICE_ALTERNATIVO_ARTICOLO VALUES ('A2', 'C1', 0)", true},
        {"INSERT INTO CODICE_ALTERNATIVO_ARTICOLO VALUES ('A2', 'B1', 2)", true},
        // A code and a barcode are different keys, even when they read the same.
        {"INSERT INTO CODICE_ALTERNATIVO_ARTICOLO VALUES ('A2', 'B1', 0)", false},
        {"INSERT INTO CODICE_ALTERNATIVO_ARTICOLO VALUES ('A3', 'C1', 4)", false},
    };
    for (const auto& [sql, refused] : cases) {
        CString error;
        try {
            Exec(sql);
        } catch (const CDBException& e) {
            error = e.m_strError;
        }
        EXPECT_EQ(error.MakeUpper().Find("UNIQUE") >= 0, refused) << sql << ": " << error.GetString();
    }
}

// Each table has its own counter, and ids stay unique across rolled-back and committed
// transactions.
TEST_P(Schema, IdProceduresGiveIncreasingIdsPerTable)
{
    CSchema::Create(db());
    for (const char* table : CSchema::GeneratedIdTables()) {
        SCOPED_TRACE(table);
        long first = NextId(db(), table), second = NextId(db(), table), third = NextId(db(), table);
        EXPECT_GE(first, 1);
        EXPECT_LT(first, second);
        EXPECT_LT(second, third);
    }
    EXPECT_EQ(NextId(db(), "DOCUMENTO"), 4);
    EXPECT_EQ(NextId(db(), "EFFETTO"), 4);
    db().BeginTrans();
    long a = NextId(db(), "SCADENZA");
    db().Rollback();
    long b = NextId(db(), "SCADENZA");
    db().BeginTrans();
    long c = NextId(db(), "SCADENZA");
    db().CommitTrans();
    EXPECT_NE(a, c);
    EXPECT_LT(b, c);
}

TEST_P(Schema, TwoConnectionsAskingAtOnceNeverGetTheSameId)
{
    CSchema::Create(db());
    constexpr int kPerConnection = 40;
    std::vector<long> ids[2];
    std::string errors[2];
    auto worker = [&](int which) {
        try {
            std::unique_ptr<CDatabase> conn = OpenAnother();
            long last = 0;
            for (int i = 0; i < kPerConnection; ++i) {
                long id = NextId(*conn, "DOCUMENTO");
                if (id <= last)
                    errors[which] = "ids went backwards on one connection";
                last = id;
                ids[which].push_back(id);
            }
        } catch (const std::exception& e) {
            errors[which] = e.what();
        }
    };
    std::thread t0(worker, 0), t1(worker, 1);
    t0.join();
    t1.join();
    EXPECT_EQ(errors[0], "");
    EXPECT_EQ(errors[1], "");
    std::set<long> all(ids[0].begin(), ids[0].end());
    all.insert(ids[1].begin(), ids[1].end());
    EXPECT_EQ(all.size(), static_cast<std::size_t>(2 * kPerConnection));
}


// An older or damaged database: a view, a column, a procedure and three unique indexes gone, and
// keys held twice that the indexes would have refused.
TEST_P(Schema, CheckNamesWhatIsMissingAndUpgradeRefusesKeysHeldTwice)
{
    CSchema::Create(db());
    for (const char* index : {"UX_ARTICOLO_CODICE_EAN", "UX_CODICE_ALTERNATIVO_BARCODE",
                              "UX_CODICE_ALTERNATIVO_ARTICOLO"})
        Exec(("DROP INDEX " + std::string(index)).c_str());
    Exec("DROP VIEW FAMIGLIA_LIST");
    Exec("ALTER TABLE IVA DROP COLUMN NOTE");
    Exec(IsPostgreSQL() ? "DROP FUNCTION GET_ID_DOCUMENTO()" : "DROP TRIGGER GET_ID_DOCUMENTO_RUN");
    if (IsSQLite()) {  // a table as earlier versions made it
        Exec("DROP TABLE IMBALLO");
        Exec("CREATE TABLE IMBALLO (ID TEXT PRIMARY KEY, DESCRIZIONE TEXT, PESO TEXT)");
    }
    for (const char* row : {"'A1', 'E1'", "'A2', 'E1'", "'A3', 'E1'", "'A4', ''", "'A5', ''", "'A6', 'E2'"})
        Exec(("INSERT INTO ARTICOLO (ID, CODICE_EAN) VALUES (" + std::string(row) + ")").c_str());
    for (const char* row : {"'A1', 'B1', 1", "'A2', 'B1', 2", "'A1', 'C1', 0", "'A3', 'C1', 0", "'A2', 'C1', 3"})
        Exec(("INSERT INTO CODICE_ALTERNATIVO_ARTICOLO VALUES (" + std::string(row) + ")").c_str());

    std::vector<CString> problems = CSchema::Check(db());
    const char* findings[] = {"duplicate EAN E1: articles A1, A2, A3",
                              "duplicate barcode-like alternative code B1: articles A1, A2",
                              "duplicate type-0 alternative code C1: articles A1, A3",
                              "index UX_ARTICOLO_CODICE_EAN: missing", "table IVA: column NOTE missing", "CIvaSet [IVA]:",
                              "CFamigliaListSet [FAMIGLIA_LIST]:", "procedure GET_ID_DOCUMENTO: missing"};
    for (const char* finding : findings)
        EXPECT_TRUE(Mentions(problems, finding)) << finding << "\n" << Joined(problems);
    EXPECT_EQ(Mentions(problems, "table IMBALLO: key column ID takes NULL"), IsSQLite()) << Joined(problems);
    for (const char* absent : {"E2", "EAN :", "PREDEFINITO", "GET_ID_EFFETTO", "CGruppoSet"})
        EXPECT_FALSE(Mentions(problems, absent)) << absent << "\n" << Joined(problems);

    try {
        CSchema::Upgrade(db());
        ADD_FAILURE() << "upgraded over duplicates";
    } catch (const CSchemaException& e) {
        for (const char* finding : {findings[0], findings[1], findings[2]})
            EXPECT_NE(std::string(e.what()).find(finding), std::string::npos) << e.what();
    }
    EXPECT_TRUE(Mentions(CSchema::Check(db()), "index UX_CODICE_ALTERNATIVO_ARTICOLO: missing"));

    Exec("UPDATE ARTICOLO SET CODICE_EAN = NULL WHERE ID IN ('A2', 'A3')");
    Exec("DELETE FROM CODICE_ALTERNATIVO_ARTICOLO WHERE ID_ARTICOLO = 'A1'");
    EXPECT_EQ(CSchema::Upgrade(db()).size(), 3u);
    EXPECT_TRUE(CSchema::Upgrade(db()).empty());
    EXPECT_FALSE(Mentions(CSchema::Check(db()), "UX_")) << Joined(CSchema::Check(db()));
    EXPECT_THROW(Exec("UPDATE ARTICOLO SET CODICE_EAN = 'E1' WHERE ID = 'A2'"), CDBException);
}

ORVEL_DATABASE_TEST_SUITE(Schema);
