// CTransactionGuard on both databases: a scope's transaction is committed or rolled back, the
// caller's transaction is joined and left to the caller, domain objects begin one only when they
// control their transactions, and a writer lock makes check-then-write sequences take turns.
#include <chrono>
#include <future>
#include <stdexcept>
#include <string>
#include <thread>

#include "odbc/DBException.h"
#include "orveldblib/DomainClass.h"
#include "orveldblib/TransactionGuard.h"
#include "support/DatabaseTest.h"

namespace {

using orvel::test::DatabaseTest;

class TransactionGuard : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (!IsSkipped())
            Exec("CREATE TABLE CONTO (ID INTEGER PRIMARY KEY, NOME VARCHAR(40))");
    }
};

TEST_P(TransactionGuard, CommitKeepsTheWorkAndAnythingElseRollsItBack)
{
    {
        CTransactionGuard guard(db());
        EXPECT_TRUE(guard.Owns());
        EXPECT_TRUE(db().IsInTransaction());
        Exec("INSERT INTO CONTO (ID, NOME) VALUES (1, 'kept')");
        guard.Commit();
        EXPECT_FALSE(db().IsInTransaction());
    }
    try {
        CTransactionGuard guard(db());
        Exec("INSERT INTO CONTO (ID, NOME) VALUES (2, 'abandoned')");
        throw std::runtime_error("the till was closed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(db().IsInTransaction());

    // A commit refused by the database (a deferred reference to nothing) throws, and leaves
    // neither the work nor a transaction behind.
    Exec("CREATE TABLE MOVIMENTO (ID INTEGER PRIMARY KEY, ID_CONTO INTEGER REFERENCES CONTO (ID) "
         "DEFERRABLE INITIALLY DEFERRED)");
    {
        CTransactionGuard guard(db());
        Exec("INSERT INTO MOVIMENTO (ID, ID_CONTO) VALUES (1, 99)");
        EXPECT_THROW(guard.Commit(), CDBException);
        EXPECT_FALSE(db().IsInTransaction());
    }
    EXPECT_FALSE(db().HasFailed());
    EXPECT_EQ(CountRows("MOVIMENTO"), 0);
    EXPECT_EQ(QueryText("SELECT MAX(ID) FROM CONTO"), "1");
}

TEST_P(TransactionGuard, JoinsTheCallersTransactionAndLeavesItToTheCaller)
{
    ASSERT_TRUE(db().BeginTrans());
    {
        CTransactionGuard guard(db(), "CONTO");
        EXPECT_FALSE(guard.Owns());
        Exec("INSERT INTO CONTO (ID, NOME) VALUES (1, 'joined')");
        guard.Commit();  // not the guard's to commit
    }
    {
        CTransactionGuard guard(db());  // nor to roll back
        Exec("INSERT INTO CONTO (ID, NOME) VALUES (2, 'joined')");
    }
    EXPECT_TRUE(db().IsInTransaction());
    EXPECT_EQ(CountRows("CONTO"), 2);
    ASSERT_TRUE(db().Rollback());
    EXPECT_EQ(CountRows("CONTO"), 0);
}

TEST_P(TransactionGuard, DomainObjectsBeginOnlyWhenTheyControlTransactions)
{
    CDomainClass owner(&db());
    for (bool controller : {false, true}) {
        owner.SetTransController(controller);
        CTransactionGuard guard(owner);
        EXPECT_EQ(guard.Owns(), controller);
        EXPECT_EQ(db().IsInTransaction(), controller);
    }
    EXPECT_FALSE(db().IsInTransaction());  // begun and not committed: rolled back

    ASSERT_TRUE(db().BeginTrans());  // the caller's transaction is joined
    {
        CTransactionGuard guard(owner);
        EXPECT_FALSE(guard.Owns());
    }
    EXPECT_TRUE(db().Rollback());  // still in the caller's transaction

    CDomainClass unconnected;
    unconnected.SetTransController(true);
    EXPECT_FALSE(CTransactionGuard(unconnected).Owns());
}

TEST_P(TransactionGuard, WriterLockMakesCheckThenWriteTakeTurns)
{
    // Each till numbers its row MAX(ID) + 1; the second starts while the first sits between its
    // read and its write, and must read only after the first has committed.
    auto other = OpenAnother();
    std::promise<void> firstHasRead;
    std::shared_future<void> readDone = firstHasRead.get_future().share();
    auto till = [&](CDatabase& db, bool first) {
        if (!first)
            readDone.wait();
        CTransactionGuard guard(db, "CONTO");
        std::string next = QueryText(db, "SELECT COALESCE(MAX(ID), 0) + 1 FROM CONTO").value_or("?");
        if (first) {
            firstHasRead.set_value();
            std::this_thread::sleep_for(std::chrono::milliseconds(150));
        }
        db.ExecuteSQL(("INSERT INTO CONTO (ID, NOME) VALUES (" + next + ", 'till')").c_str());
        guard.Commit();
    };
    // On SQLite the second waits at BEGIN, which takes the write lock; on PostgreSQL at the lock.
    auto first = std::async(std::launch::async, till, std::ref(db()), true);
    auto second = std::async(std::launch::async, till, std::ref(*other), false);
    EXPECT_NO_THROW(first.get());
    EXPECT_NO_THROW(second.get());
    EXPECT_EQ(QueryText("SELECT MAX(ID) FROM CONTO"), "2");
    EXPECT_EQ(CountRows("CONTO"), 2);
}

ORVEL_DATABASE_TEST_SUITE(TransactionGuard);

}  // namespace
