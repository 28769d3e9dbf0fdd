// Document numbering kept by the database: the counter of a reason, company, series and year
// holds the last number saved and never goes down, and a number cannot be saved twice.
#include <gtest/gtest.h>

#include <string>

#include "odbc/DBException.h"
#include "orvelmagdb/base/Schema.h"
#include "support/DatabaseTest.h"

namespace {

class DocumentNumbering : public orvel::test::DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        CSchema::Create(db());
        Exec("INSERT INTO CAUSALE (ID, DESCRIZIONE) VALUES (5, 'Fattura')");
    }

    void Save(int id, int number, const char* series, int company = 1)
    {
        std::string sql = "INSERT INTO DOCUMENTO (ID, ID_CAUSALE, ID_SOCIETA, SERIE, ANNO, NUMERO) VALUES (" +
                          std::to_string(id) + ", 5, " + std::to_string(company) + ", '" + series + "', 2026, " +
                          std::to_string(number) + ")";
        Exec(sql.c_str());
    }
    // What numbering reads: the counter's last number, -999999 when there is no counter.
    long long Last(const char* series, int company = 1)
    {
        std::string sql = "SELECT NUMERO_PROG FROM PROGRESSIVO_CAUSALE_COMPLETO WHERE ID_CAUSALE = 5 AND ID_SOCIETA = " +
                          std::to_string(company) + " AND SERIE_PROG = '" + series + "' AND ANNO_PROG = 2026";
        return QueryLong(sql.c_str());
    }
};

TEST_P(DocumentNumbering, CounterIsCreatedAndRaisedButNeverLoweredAndANumberIsSavedOnce)
{
    Save(1, 0, "A");
    EXPECT_EQ(Last("A"), -999999) << "an unnumbered document makes no counter";
    Save(2, 7, "A");
    EXPECT_EQ(Last("A"), 7);
    Save(3, 3, "A");
    EXPECT_EQ(Last("A"), 7) << "a lower number leaves the counter";
    Exec("UPDATE DOCUMENTO SET NUMERO = 9 WHERE ID = 3");
    EXPECT_EQ(Last("A"), 9) << "renumbering raises it";
    Exec("DELETE FROM DOCUMENTO WHERE ID = 3");
    EXPECT_EQ(Last("A"), 9) << "deleting keeps the number used";
    Save(4, 7, "B");
    Save(5, 7, "A", 2);
    EXPECT_EQ(Last("A", 2), 7) << "companies are counted apart";
    Exec("UPDATE DOCUMENTO SET SERIE = 'B', NUMERO = 8 WHERE ID = 4");
    EXPECT_EQ(Last("B"), 8) << "series are counted apart, and a change raises the counter";
    EXPECT_EQ(Last("A"), 9);

    EXPECT_THROW(Save(6, 7, "A"), CDBException) << "number 7 of series A is taken";
    EXPECT_THROW(Exec("UPDATE DOCUMENTO SET NUMERO = 8, SERIE = 'B' WHERE ID = 2"), CDBException);
    Save(7, 0, "A");  // unnumbered documents do not collide
    EXPECT_EQ(Last("A"), 9);
}

TEST_P(DocumentNumbering, ACounterAlreadyTiedToTheReasonIsTheOneRaised)
{
    Exec("INSERT INTO PROGRESSIVO (ID, NUMERO, ANNO, SERIE, RESET_NEW_YEAR, ID_SOCIETA) "
         "VALUES ('FATTURE', 100, 2026, 'A', 1, 1)");
    Exec("INSERT INTO PROGRESSIVO_CAUSALE (ID_PROGRESSIVO, ANNO_PROGRESSIVO, ID_CAUSALE, ID_SOCIETA) "
         "VALUES ('FATTURE', 2026, 5, 1)");
    Save(1, 101, "A");
    EXPECT_EQ(Last("A"), 101);
    EXPECT_EQ(CountRows("PROGRESSIVO"), 1);
}

TEST_P(DocumentNumbering, CheckMissesAndUpgradeRestoresTriggerAndIndex)
{
    Exec("DROP INDEX UX_DOCUMENTO_NUMERO");
    Exec(IsPostgreSQL() ? "DROP FUNCTION DOCUMENTO_NUMERAZIONE() CASCADE" : "DROP TRIGGER DOCUMENTO_NUMERAZIONE_MODIFICA");
    Save(1, 7, "A");
    Save(2, 7, "A");
    std::string problems;
    for (const CString& p : CSchema::Check(db()))
        problems += p.str() + "\n";
    EXPECT_NE(problems.find("trigger DOCUMENTO_NUMERAZIONE: missing"), std::string::npos) << problems;
    EXPECT_NE(problems.find("duplicate number (reason, company, series, year, number) 5/1/A/2026/7: documents 1, 2"),
              std::string::npos)
        << problems;
    EXPECT_THROW(CSchema::Upgrade(db()), CSchemaException);
    Exec("DELETE FROM DOCUMENTO WHERE ID = 2");
    EXPECT_EQ(CSchema::Upgrade(db()).size(), 2u);
    EXPECT_TRUE(CSchema::Check(db()).empty());
    Save(3, 12, "A");
    EXPECT_EQ(Last("A"), 12);
    EXPECT_THROW(Save(4, 12, "A"), CDBException);
}

ORVEL_DATABASE_TEST_SUITE(DocumentNumbering);

}  // namespace
