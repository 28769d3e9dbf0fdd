// CProcedureId against a small id procedure that each test creates in the database's own
// words: a function over a sequence on PostgreSQL, a call table with a trigger on SQLite (the
// contract documented in odbc/Dialect.h). Ids must be new and increasing.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "odbc/DBException.h"
#include "orveldblib/ProcedureId.h"
#include "support/DatabaseTest.h"

namespace {

using orvel::test::DatabaseTest;

class ProcedureId : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        if (IsPostgreSQL()) {
            Exec("CREATE SEQUENCE ID_PROVA_SEQ START WITH 100");
            Exec("CREATE FUNCTION GET_ID_PROVA() RETURNS TABLE (ID INTEGER) LANGUAGE sql AS "
                 "$$ SELECT CAST(nextval('ID_PROVA_SEQ') AS INTEGER) $$");
            Exec("CREATE FUNCTION GET_ID_NULLA() RETURNS TABLE (ID INTEGER) LANGUAGE sql AS "
                 "$$ SELECT CAST(NULL AS INTEGER) $$");
        } else {
            Exec("CREATE TABLE CONTATORE (NOME TEXT PRIMARY KEY, ULTIMO INTEGER NOT NULL)");
            Exec("INSERT INTO CONTATORE VALUES ('PROVA', 99)");
            Exec("CREATE TABLE GET_ID_PROVA_CALL (RESULT INTEGER)");
            Exec("CREATE TRIGGER GET_ID_PROVA_RUN AFTER INSERT ON GET_ID_PROVA_CALL BEGIN "
                 "UPDATE CONTATORE SET ULTIMO = ULTIMO + 1 WHERE NOME = 'PROVA'; "
                 "UPDATE GET_ID_PROVA_CALL SET RESULT = (SELECT ULTIMO FROM CONTATORE WHERE NOME = 'PROVA') "
                 "WHERE rowid = NEW.rowid; END");
            Exec("CREATE TABLE GET_ID_NULLA_CALL (RESULT INTEGER)");
        }
    }

    static long NextId(CDatabase& db)
    {
        CProcedureId id(&db);
        id.Open("GET_ID_PROVA", 1, nullptr, 0);
        long value = id.m_ID;
        EXPECT_EQ(id.GetId(), value);
        id.Close();
        return value;
    }
};

// By bare name or call form; two connections taking turns share one counter. (Both asking at the
// same moment is tested on the schema's own id procedures.)
TEST_P(ProcedureId, HandsOutNewIncreasingIdsByBareNameOrCallFormToEveryConnection)
{
    EXPECT_EQ(NextId(db()), 100);
    EXPECT_EQ(NextId(db()), 101);
    CProcedureId id(&db());
    id.Open("{call GET_ID_PROVA}", CRecordset::snapshot, nullptr, 0);
    EXPECT_EQ(id.m_ID, 102);
    id.Close();
    id.Open("GET_ID_PROVA");
    EXPECT_EQ(id.m_ID, 103);
    id.Close();
    auto second = OpenAnother();
    std::vector<long> ids;
    for (int i = 0; i < 5; ++i) {
        ids.push_back(NextId(db()));
        ids.push_back(NextId(*second));
    }
    EXPECT_EQ(std::set<long>(ids.begin(), ids.end()).size(), 10u);
    EXPECT_TRUE(std::is_sorted(ids.begin(), ids.end()));
    EXPECT_EQ(ids.back(), 113);
}

TEST_P(ProcedureId, IdsTakenInsideARolledBackTransactionAreNotReused)
{
    ASSERT_TRUE(db().BeginTrans());
    long inside = NextId(db());
    ASSERT_TRUE(db().Rollback());
    long after = NextId(db());
    // A sequence never goes back; the SQLite counter rolls back with the transaction, so the
    // same number comes again there, which is safe because no row of the rolled-back
    // transaction kept it.
    if (IsPostgreSQL())
        EXPECT_GT(after, inside);
    else
        EXPECT_EQ(after, inside);
}

TEST_P(ProcedureId, MissingProcedureOrMissingIdThrows)
{
    CProcedureId id(&db());
    // GET_ID_NULLA runs, but hands back NULL.
    for (const auto& [name, expected] : {std::pair{"GET_ID_INESISTENTE", "GET_ID_INESISTENTE"},
                                         std::pair{"GET_ID_NULLA", "GET_ID_NULLA handed back no id"}}) {
        try {
            id.Open(name, 1, nullptr, 0);
            ADD_FAILURE() << name << " gave an id";
        } catch (const CDBException& e) {
            const CString text = CString(e.what()) + " " + CString(e.GetSQL()).MakeUpper();
            EXPECT_NE(text.Find(expected), -1) << text.str();
        }
        EXPECT_FALSE(id.IsOpen());
    }
    EXPECT_THROW(id.Open("", 1, nullptr, 0), CDBException);
    // The recordset is still usable.
    id.Open("GET_ID_PROVA", 1, nullptr, 0);
    EXPECT_EQ(id.m_ID, 100);
}

ORVEL_DATABASE_TEST_SUITE(ProcedureId);

}  // namespace
