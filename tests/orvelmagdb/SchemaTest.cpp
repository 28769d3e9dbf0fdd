// Creating the shop database: once only, all or nothing, and with id procedures that hand out
// unique, increasing ids to every till, also when several ask at the same time.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <thread>
#include <vector>

#include "odbc/DBException.h"
#include "orveldblib/ProcedureId.h"
#include "orvelmagdb/base/Schema.h"
#include "support/DatabaseTest.h"

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

}  // namespace

TEST_P(Schema, IsCreatedOnceAndRecognisedAfterwards)
{
    EXPECT_FALSE(CSchema::Exists(db()));
    CSchema::Create(db());
    EXPECT_TRUE(CSchema::Exists(db()));
    EXPECT_EQ(QueryLong("SELECT VERSIONE FROM ORVEL_SCHEMA"), CSchema::kVersion);

    long long vatRows = CountRows("IVA");
    EXPECT_THROW(CSchema::Create(db()), CSchemaException);
    EXPECT_EQ(CountRows("IVA"), vatRows);
    EXPECT_EQ(CountRows("ORVEL_SCHEMA"), 1);

    std::unique_ptr<CDatabase> other = OpenAnother();
    EXPECT_TRUE(CSchema::Exists(*other));
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

TEST_P(Schema, EveryTableAndViewOfTheDefinitionExists)
{
    CSchema::Create(db());
    CSchemaDefinition def = CSchema::Definition(IsPostgreSQL() ? CDialect::postgresql : CDialect::sqlite);
    for (const auto& table : def.Tables()) {
        CString sql;
        sql.Format("SELECT COUNT(*) FROM %s", table.name.GetString());
        EXPECT_NO_THROW(QueryLong(sql)) << table.name.GetString();
    }
    for (const auto& view : def.Views()) {
        CString sql;
        sql.Format("SELECT COUNT(*) FROM %s", view.name.GetString());
        EXPECT_NO_THROW(QueryLong(sql)) << view.name.GetString();
    }
}

TEST_P(Schema, IdProceduresGiveIncreasingIdsPerTable)
{
    CSchema::Create(db());
    for (const char* table : CSchema::GeneratedIdTables()) {
        SCOPED_TRACE(table);
        long first = NextId(db(), table);
        long second = NextId(db(), table);
        long third = NextId(db(), table);
        EXPECT_GE(first, 1);
        EXPECT_LT(first, second);
        EXPECT_LT(second, third);
    }
    // Each table has its own counter.
    long document = NextId(db(), "DOCUMENTO");
    long bill = NextId(db(), "EFFETTO");
    EXPECT_EQ(document, 4);
    EXPECT_EQ(bill, 4);
}

TEST_P(Schema, IdsStayUniqueInsideRolledBackAndCommittedTransactions)
{
    CSchema::Create(db());
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

namespace {

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

TEST_P(Schema, CheckFindsNothingWrongWithAFreshSchema)
{
    CSchema::Create(db());
    std::vector<CString> problems = CSchema::Check(db());
    EXPECT_TRUE(problems.empty()) << Joined(problems);
}

TEST_P(Schema, CheckNamesWhatIsMissing)
{
    CSchema::Create(db());
    Exec("DROP VIEW FAMIGLIA_LIST");
    Exec("ALTER TABLE IVA DROP COLUMN NOTE");
    if (IsPostgreSQL())
        Exec("DROP FUNCTION GET_ID_DOCUMENTO()");
    else
        Exec("DROP TRIGGER GET_ID_DOCUMENTO_RUN");
    std::vector<CString> problems = CSchema::Check(db());
    EXPECT_TRUE(Mentions(problems, "table IVA: column NOTE missing")) << Joined(problems);
    EXPECT_TRUE(Mentions(problems, "CIvaSet [IVA]:")) << Joined(problems);
    EXPECT_TRUE(Mentions(problems, "CFamigliaListSet [FAMIGLIA_LIST]:")) << Joined(problems);
    EXPECT_TRUE(Mentions(problems, "procedure GET_ID_DOCUMENTO: missing")) << Joined(problems);
    EXPECT_FALSE(Mentions(problems, "GET_ID_EFFETTO")) << Joined(problems);
    EXPECT_FALSE(Mentions(problems, "CGruppoSet")) << Joined(problems);
}

TEST_P(Schema, CheckOfAnEmptyDatabaseReportsEverything)
{
    std::vector<CString> problems = CSchema::Check(db());
    EXPECT_TRUE(Mentions(problems, "ORVEL_SCHEMA")) << Joined(problems);
    EXPECT_TRUE(Mentions(problems, "table IVA: missing")) << Joined(problems);
    EXPECT_TRUE(Mentions(problems, "CIvaSet [IVA]:")) << Joined(problems);
}

ORVEL_DATABASE_TEST_SUITE(Schema);
