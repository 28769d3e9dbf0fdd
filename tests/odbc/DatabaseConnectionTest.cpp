// CDatabase on the real databases: connecting, direct statements through the dialect,
// transactions, statement-level rollback, driver errors as CDBException, fatal failures.
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "odbc/DBException.h"
#include "support/DatabaseTest.h"

namespace {

using orvel::test::DatabaseTest;

TEST(DatabaseOpen, BadConnectionStringsGiveAClearException)
{
    CDatabase db;
    try {
        db.OpenEx("DRIVER={No Such Driver};Database=x");
        FAIL() << "opening through a missing driver succeeded";
    } catch (const CDBException& e) {
        EXPECT_FALSE(e.GetSqlState().IsEmpty());
        EXPECT_FALSE(e.m_strError.IsEmpty());
        EXPECT_NE(std::string(e.what()).find(e.GetSqlState().str()), std::string::npos) << e.what();
    }
    EXPECT_FALSE(db.IsOpen());
    EXPECT_THROW(db.OpenEx(""), CDBException);
    EXPECT_THROW(db.OpenEx("ODBC;"), CDBException);
    EXPECT_THROW(db.ExecuteSQL("SELECT 1"), CDBException);
    EXPECT_THROW(db.BeginTrans(), CDBException);
    db.Close();  // closing a closed database is harmless
}

// A file database opened with the framework's "ODBC;" prefix reports itself; the framework's Open
// honours read-only; a file that is not a database is refused at once as fatal.
TEST(DatabaseOpen, FileDatabasesOpenWithTheFrameworkPrefixAndRefuseWhatIsNotADatabase)
{
    std::string file = ::testing::TempDir() + "orvel_open_prefix.db";
    std::remove(file.c_str());
    CDatabase db;
    ASSERT_TRUE(db.OpenEx(("ODBC;DRIVER=SQLite3;Database=" + file).c_str()));
    EXPECT_STREQ(db.GetConnect(), ("ODBC;DRIVER=SQLite3;Database=" + file).c_str());
    EXPECT_EQ(db.GetDialect().GetKind(), CDialect::sqlite);
    EXPECT_STREQ(db.GetDBMSName(), "SQLite");
    EXPECT_NE(db.GetDatabaseName().Find("orvel_open_prefix"), -1) << db.GetDatabaseName().GetString();
    EXPECT_TRUE(db.CanUpdate() && db.CanTransact());
    EXPECT_THROW(db.OpenEx(("DRIVER=SQLite3;Database=" + file).c_str()), CDBException);  // already open
    db.Close();
    EXPECT_FALSE(db.IsOpen());
    EXPECT_EQ(db.GetDialect().GetKind(), CDialect::generic);
    ASSERT_TRUE(db.Open(nullptr, FALSE, TRUE, ("ODBC;DRIVER=SQLite3;Database=" + file).c_str()));
    EXPECT_FALSE(db.CanUpdate());  // opened read-only
    db.Close();

    std::ofstream(file, std::ios::trunc) << std::string(200, 'x');
    try {
        db.OpenEx(("DRIVER=SQLite3;Database=" + file).c_str());
        ADD_FAILURE() << "a text file opened as a database";
    } catch (const CDBException& e) {
        EXPECT_TRUE(e.IsFatal()) << e.what();
        EXPECT_NE(e.m_strError.Find("not a database"), -1) << e.what();
    }
    EXPECT_FALSE(db.IsOpen());
    std::remove(file.c_str());
}

// Expects a statement refused by the layer itself, repeating the failure's words.
void ExpectRefused(const std::function<void()>& statement, const char* words)
{
    try {
        statement();
        ADD_FAILURE() << "a failed connection ran a statement";
    } catch (const CDBException& e) {
        EXPECT_TRUE(e.IsFatal()) << e.what();
        EXPECT_EQ(e.m_nRetCode, AFX_SQL_ERROR_CONNECTION_FAILED) << e.what();
        EXPECT_NE(e.m_strError.Find(words), -1) << e.what();
    }
}

class DatabaseConnection : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        Exec("CREATE TABLE [CONTO] ([ID] INTEGER PRIMARY KEY, [NOME] VARCHAR(40) NOT NULL, [SALDO] INTEGER)");
    }
};

TEST_P(DatabaseConnection, ReportsItsDialect)
{
    EXPECT_EQ(db().GetDialect().GetKind(), IsPostgreSQL() ? CDialect::postgresql : CDialect::sqlite);
    if (IsSQLite()) {
        // Files keep the write-ahead log, so that tills read while one writes; an in-memory
        // database has none and still runs transactions.
        EXPECT_EQ(QueryText("SELECT journal_mode FROM pragma_journal_mode"), "wal");
        CDatabase memory;
        memory.OpenEx("DRIVER=SQLite3;Database=:memory:");
        ASSERT_TRUE(memory.BeginTrans());
        EXPECT_NO_THROW(memory.ExecuteSQL("CREATE TABLE T (X INTEGER)"));
        EXPECT_TRUE(memory.CommitTrans());
    }
}

TEST_P(DatabaseConnection, ExecuteSqlRewritesNamesAndStrlenAndEveryConnectionEnforcesForeignKeys)
{
    // Bracketed names in the statement, unbracketed in another: both reach the same table.
    Exec("INSERT INTO [CONTO] ([ID], [NOME], [SALDO]) VALUES (1, 'cassa [principale]', 10)");
    Exec("INSERT INTO CONTO (ID, NOME, SALDO) VALUES (2, 'banca', 20)");
    EXPECT_EQ(QueryText("SELECT [NOME] FROM [CONTO] WHERE [ID] = 1"), "cassa [principale]");
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM [CONTO] WHERE STRLEN([NOME]) = 5"), 1);
    Exec("DELETE FROM CONTO WHERE STRLEN(NOME) > 5");
    EXPECT_EQ(CountRows("CONTO"), 1);

    Exec("CREATE TABLE FIGLIO (ID INTEGER NOT NULL PRIMARY KEY, ID_CONTO INTEGER REFERENCES CONTO (ID))");
    Exec("INSERT INTO FIGLIO (ID, ID_CONTO) VALUES (1, 2)");
    std::unique_ptr<CDatabase> other = OpenAnother();
    for (CDatabase* connection : {&db(), other.get()}) {
        EXPECT_THROW(connection->ExecuteSQL("INSERT INTO FIGLIO (ID, ID_CONTO) VALUES (2, 99)"), CDBException);
        EXPECT_THROW(connection->ExecuteSQL("DELETE FROM CONTO WHERE ID = 2"), CDBException);
    }
    EXPECT_EQ(CountRows("FIGLIO"), 1);
    EXPECT_EQ(CountRows("CONTO"), 1);
}

// Committed work stays, rolled-back work goes, a failed statement leaves the transaction usable,
// and uncommitted work is invisible to others and lost when the connection closes.
TEST_P(DatabaseConnection, TransactionsCommitRollBackSurviveAFailedStatementAndDieWithTheConnection)
{
    ASSERT_TRUE(db().BeginTrans());
    EXPECT_TRUE(db().IsInTransaction());
    EXPECT_FALSE(db().BeginTrans());  // no nesting: refused, nothing changes
    Exec("INSERT INTO CONTO (ID, NOME) VALUES (1, 'a')");
    // A duplicate key, caught by the caller as the business code does; the rest goes on.
    EXPECT_THROW(Exec("INSERT INTO CONTO (ID, NOME) VALUES (1, 'duplicate')"), CDBException);
    Exec("INSERT INTO CONTO (ID, NOME) VALUES (4, 'after')");
    ASSERT_TRUE(db().CommitTrans());
    EXPECT_FALSE(db().IsInTransaction());

    ASSERT_TRUE(db().BeginTrans());
    Exec("INSERT INTO CONTO (ID, NOME) VALUES (2, 'b')");
    Exec("UPDATE CONTO SET NOME = 'changed' WHERE ID = 1");
    EXPECT_EQ(CountRows("CONTO"), 3);  // the transaction sees its own work
    ASSERT_TRUE(db().Rollback());
    EXPECT_EQ(CountRows("CONTO"), 2);
    EXPECT_EQ(QueryText("SELECT NOME FROM CONTO WHERE ID = 1"), "a");
    EXPECT_FALSE(db().CommitTrans());  // nothing to commit
    EXPECT_FALSE(db().Rollback());

    // Back in autocommit: a second connection sees a statement at once.
    Exec("INSERT INTO CONTO (ID, NOME) VALUES (3, 'c')");
    auto other = OpenAnother();
    EXPECT_EQ(QueryText(*other, "SELECT NOME FROM CONTO WHERE ID = 3"), "c");

    ASSERT_TRUE(db().BeginTrans());
    Exec("INSERT INTO CONTO (ID, NOME) VALUES (7, 'pending')");
    // A till reads while another writes, without waiting.
    EXPECT_EQ(QueryText(*other, "SELECT NOME FROM CONTO WHERE ID = 7"), std::nullopt);
    db().Close();
    ASSERT_TRUE(db().OpenEx(ConnectionString().c_str()));
    EXPECT_EQ(CountRows("CONTO"), 3);
}

TEST_P(DatabaseConnection, DriverErrorsCarryMessageStateAndStatement)
{
    Exec("INSERT INTO CONTO (ID, NOME) VALUES (1, 'a')");
    const char* duplicate = "INSERT INTO [CONTO] ([ID], [NOME]) VALUES (1, 'again')";
    try {
        Exec(duplicate);
        FAIL() << "duplicate key accepted";
    } catch (const CDBException& e) {
        EXPECT_EQ(e.m_nRetCode, -1);  // SQL_ERROR
        EXPECT_EQ(e.GetSqlState().GetLength(), 5) << e.what();
        if (IsPostgreSQL()) {
            EXPECT_STREQ(e.GetSqlState(), "23505");
            EXPECT_TRUE(e.IsIntegrityViolation());
        }
        EXPECT_NE(e.m_strError.Find(IsPostgreSQL() ? "duplicate key" : "UNIQUE constraint failed"), -1)
            << e.m_strError.GetString();
        for (const CString& part : {CString("State:") + e.GetSqlState(), CString(",Native:"), CString(",Origin:")})
            EXPECT_NE(e.m_strStateNativeOrigin.Find(part), -1) << e.m_strStateNativeOrigin.GetString();
        // The origin prefix ("[SQLite]", where the driver gives one) is not part of the message.
        EXPECT_NE(e.m_strError[0], '[') << e.m_strError.GetString();
        // The statement as sent, after the dialect's rewriting.
        EXPECT_NE(e.GetSQL().Find("VALUES (1, 'again')"), -1);
        EXPECT_EQ(e.GetSQL().Find(IsPostgreSQL() ? "[CONTO]" : "\"CONTO\""), -1);
        std::string what = e.what();
        EXPECT_EQ(what.find('\n'), std::string::npos) << "what() must be one line: " << what;
        EXPECT_NE(what.find(e.GetSqlState().str()), std::string::npos);
        EXPECT_NE(what.find("'again'"), std::string::npos);
    }
    EXPECT_THROW(Exec("   "), CDBException);
}

// Failures that end the transaction or the connection (a full disk, a lost connection) are
// reported once in the database's own words; then the connection refuses statements instead
// of running them outside the transaction that is gone. (Two writers taking turns are tested
// with the transaction guard.)

TEST_P(DatabaseConnection, LostConnectionFailsOnceThenRefusesEverything)
{
    if (!IsPostgreSQL())
        GTEST_SKIP() << "only a server connection can be lost";
    auto admin = OpenAnother();
    for (bool byTimeout : {false, true}) {  // else killed by an administrator
        const char* words = byTimeout ? "terminating connection due to idle-in-transaction timeout"
                                      : "terminating connection due to administrator command";
        SCOPED_TRACE(words);
        CDatabase till;
        till.OpenEx(ConnectionString().c_str());
        std::string pid = QueryText(till, "SELECT pg_backend_pid()").value_or("0");
        if (byTimeout)
            till.ExecuteSQL("SET idle_in_transaction_session_timeout = '100ms'");
        ASSERT_TRUE(till.BeginTrans());
        till.ExecuteSQL("INSERT INTO CONTO (ID, NOME) VALUES (1, 'before')");
        if (!byTimeout)
            admin->ExecuteSQL(("SELECT pg_terminate_backend(" + pid + ")").c_str());
        for (int i = 0; i < 100 && QueryText(*admin, ("SELECT COUNT(*) FROM pg_stat_activity WHERE pid = " + pid).c_str()) != "0"; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));

        try {
            till.ExecuteSQL("INSERT INTO CONTO (ID, NOME) VALUES (2, 'after')");
            FAIL() << "a statement on a lost connection succeeded";
        } catch (const CDBException& e) {
            EXPECT_TRUE(e.IsFatal()) << e.what();
            EXPECT_NE(e.m_strError.Find(words), -1) << e.what();
        }
        EXPECT_TRUE(till.HasFailed());
        EXPECT_NE(till.GetFailure().Find(words), -1) << till.GetFailure().GetString();
        // The driver would report this commit as done: it must not be.
        ExpectRefused([&] { till.CommitTrans(); }, words);
        ExpectRefused([&] { QueryText(till, "SELECT 1"); }, words);
        EXPECT_NO_THROW(EXPECT_TRUE(till.Rollback()));
        EXPECT_FALSE(till.IsInTransaction());
        EXPECT_TRUE(till.HasFailed());  // until closed
        ExpectRefused([&] { till.BeginTrans(); }, words);
        till.Close();
        EXPECT_FALSE(till.HasFailed());
    }
    EXPECT_EQ(CountRows("CONTO"), 0);
}

TEST_P(DatabaseConnection, FullDiskEndsTheTransactionAndNothingRunsBehindIt)
{
    if (!IsSQLite())
        GTEST_SKIP() << "a full disk under a SQLite file";
    // A small file system of its own, so that the disk can be filled; unmounted at the end.
    std::string disk = ::testing::TempDir() + "orvel_small_disk_" + std::to_string(getpid());
    ::mkdir(disk.c_str(), 0700);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=512k") != 0) {
        ::rmdir(disk.c_str());
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root): " << std::strerror(errno);
    }
    std::shared_ptr<void> unmount(nullptr, [&](void*) { ::umount(disk.c_str()), ::rmdir(disk.c_str()); });
    const char* words = "database or disk is full";
    CDatabase shop;  // closed before the disk goes
    shop.OpenEx(("DRIVER=SQLite3;Database=" + disk + "/shop.db").c_str());
    shop.ExecuteSQL("CREATE TABLE CONTO (ID INTEGER PRIMARY KEY, DATI BLOB)");
    shop.ExecuteSQL("INSERT INTO CONTO (ID) VALUES (1)");

    ASSERT_TRUE(shop.BeginTrans());
    bool full = false;
    for (int id = 2; id < 1000 && !full; ++id) {
        try {
            shop.ExecuteSQL(("INSERT INTO CONTO VALUES (" + std::to_string(id) + ", randomblob(4000))").c_str());
        } catch (const CDBException& e) {
            full = true;
            EXPECT_TRUE(e.IsFatal()) << e.what();
            EXPECT_EQ(e.GetNativeError() & 0xff, 13) << e.what();  // SQLITE_FULL
            EXPECT_NE(e.m_strError.Find(words), -1) << e.what();
        }
    }
    ASSERT_TRUE(full) << "the small disk never filled up";
    EXPECT_TRUE(shop.HasFailed());
    EXPECT_NE(shop.GetFailure().Find(words), -1) << shop.GetFailure().GetString();
    // SQLite has already rolled back: this insert would run, and stay, in autocommit.
    ExpectRefused([&] { shop.ExecuteSQL("INSERT INTO CONTO (ID) VALUES (5000)"); }, words);
    ExpectRefused([&] { shop.CommitTrans(); }, words);
    EXPECT_NO_THROW(EXPECT_TRUE(shop.Rollback()));
    EXPECT_FALSE(shop.HasFailed());
    EXPECT_EQ(QueryText(shop, "SELECT COUNT(*) FROM CONTO"), "1");

    // Outside a transaction a full disk fails its statement only: the connection goes on.
    EXPECT_THROW(shop.ExecuteSQL("INSERT INTO CONTO VALUES (6000, randomblob(600000))"), CDBException);
    EXPECT_FALSE(shop.HasFailed());
    shop.ExecuteSQL("INSERT INTO CONTO (ID) VALUES (7000)");
    EXPECT_EQ(QueryText(shop, "SELECT COUNT(*) FROM CONTO"), "2");
}

ORVEL_DATABASE_TEST_SUITE(DatabaseConnection);

}  // namespace
