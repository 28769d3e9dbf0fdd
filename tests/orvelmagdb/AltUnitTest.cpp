// Alternative units of measure of an article: the list's own rules (duplicates, case, bounds,
// re-targeting) and its loads and saves on real databases, alone and through the article.
#include <gtest/gtest.h>

#include "afx/Exception.h"
#include "odbc/DBException.h"
#include "orvelmagdb/ConfigGuard.h"
#include "orvelmagdb/MessageRecorder.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/domain/articles/DomainArticolo.h"
#include "orvelmagdb/domain/articles/DomainArticoloUmAlternativa.h"
#include "orvelmagdb/domain/articles/DomainListaUmAlternativaArticolo.h"
#include "orvelmagdb/recordsets/articles/ArticoloUmAlternativaSet.h"
#include "support/DatabaseTest.h"

using orvel::test::ConfigGuard;
using orvel::test::MessageRecorder;

namespace {

CDomainArticoloUmAlternativa Unit(const char* unit, const char* coefficient, const char* article = "")
{
    CDomainArticoloUmAlternativa element;
    element.Set_ID_ARTICOLO(article);
    element.Set_ID_UNITA_MISURA(unit);
    element.Set_COEFFICIENTE(Decimal(coefficient, 127));
    return element;
}

}  // namespace

// ---- the list in memory ----

TEST(AltUnitList, NewElementHasCoefficientOneAndNoCodes)
{
    CDomainArticoloUmAlternativa element;
    EXPECT_EQ(element.Get_COEFFICIENTE(), Decimal(1L));
    EXPECT_STREQ(element.Get_ID_ARTICOLO(), "");
    EXPECT_STREQ(element.Get_ID_UNITA_MISURA(), "");

    CDomainListaUmAlternativaArticolo list;
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_STREQ(list.GetArticolo(), "");
}

TEST(AltUnitList, AddRefusesAUnitAlreadyThereComparingCaseSensitively)
{
    CDomainListaUmAlternativaArticolo list;
    EXPECT_EQ(list.Add(Unit("CF", "12")), 0);
    EXPECT_EQ(list.Add(Unit("KG", "0.5")), 1);
    EXPECT_EQ(list.Add(Unit("CF", "6")), -1);
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.GetAt(0).Get_COEFFICIENTE(), Decimal(12L)) << "the refused element must not replace the first";
    EXPECT_EQ(list.Add(Unit("cf", "6")), 2) << "another case is another unit";
    EXPECT_EQ(list.GetCount(), 3);
}

TEST(AltUnitList, SearchStartsWhereAskedAndAnswersMinusOneBeyondTheEnd)
{
    CDomainListaUmAlternativaArticolo list;
    list.Add(Unit("CF", "12"));
    list.Add(Unit("KG", "2"));
    // A second CF can only come in through SetAt, as a load of foreign rows could bring it.
    list.Add(Unit("XX", "1"));
    list.SetAt(2, Unit("CF", "24"));

    EXPECT_EQ(list.Search("CF", 0), 0);
    EXPECT_EQ(list.Search("CF", 1), 2);
    EXPECT_EQ(list.Search("KG", 2), -1);
    EXPECT_EQ(list.Search("kg", 0), -1);
    EXPECT_EQ(list.Search("CF", 3), -1);
    EXPECT_EQ(list.Search("CF", 100), -1);
    EXPECT_EQ(list.Search("", 0), -1);
}

TEST(AltUnitList, GetAtAndSetAtOutsideTheListThrowInvalidArgument)
{
    CDomainListaUmAlternativaArticolo list;
    EXPECT_THROW(list.GetAt(0), CInvalidArgException) << "empty list";
    list.Add(Unit("CF", "12"));
    list.Add(Unit("KG", "2"));
    EXPECT_THROW(list.GetAt(-1), CInvalidArgException);
    EXPECT_THROW(list.GetAt(2), CInvalidArgException);
    const CDomainListaUmAlternativaArticolo& constList = list;
    EXPECT_THROW(constList.GetAt(2), CInvalidArgException);
    EXPECT_THROW(list.SetAt(-1, Unit("PZ", "1")), CInvalidArgException);
    EXPECT_THROW(list.SetAt(2, Unit("PZ", "1")), CInvalidArgException);
    EXPECT_EQ(list.GetCount(), 2) << "a refused SetAt must not grow the list";

    list.SetAt(1, Unit("LT", "0.75"));
    EXPECT_STREQ(list.GetAt(1).Get_ID_UNITA_MISURA(), "LT");
    list.GetAt(0).Set_COEFFICIENTE(Decimal(10L));
    EXPECT_EQ(list.GetAt(0).Get_COEFFICIENTE(), Decimal(10L)) << "GetAt gives the element itself";
}

TEST(AltUnitList, SetArticoloRetargetsEveryElementAndCopiesAreIndependent)
{
    CDomainListaUmAlternativaArticolo list;
    list.Add(Unit("CF", "12", "OLD"));
    list.Add(Unit("KG", "2", "OTHER"));
    list.SetArticolo("NEW");
    EXPECT_STREQ(list.GetArticolo(), "NEW");
    EXPECT_STREQ(list.GetAt(0).Get_ID_ARTICOLO(), "NEW");
    EXPECT_STREQ(list.GetAt(1).Get_ID_ARTICOLO(), "NEW");

    CDomainListaUmAlternativaArticolo copy(list);
    copy.SetArticolo("COPY");
    copy.RemoveAll();
    EXPECT_EQ(list.GetCount(), 2);
    EXPECT_STREQ(list.GetAt(0).Get_ID_ARTICOLO(), "NEW");
    CDomainListaUmAlternativaArticolo assigned;
    assigned = list;
    EXPECT_EQ(assigned.GetCount(), 2);
    EXPECT_STREQ(assigned.GetArticolo(), "NEW");
    EXPECT_STREQ(assigned.GetAt(1).Get_ID_UNITA_MISURA(), "KG");
}

// ---- on the databases ----

namespace {

class AltUnit : public orvel::test::DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        config.SetShopDefaults();
        CSchema::Create(db());
        for (const char* unit : {"PZ", "CF", "KG", "LT", "cf"}) {
            CString sql;
            sql.Format("INSERT INTO UNITA_MISURA (ID, DESCRIZIONE) VALUES ('%s', 'unit %s')", unit, unit);
            Exec(sql);
        }
        Exec("INSERT INTO ARTICOLO (ID, DESCRIZIONE) VALUES ('A1', 'first')");
        Exec("INSERT INTO ARTICOLO (ID, DESCRIZIONE) VALUES ('A2', 'second')");
        Exec("INSERT INTO ARTICOLO (ID, DESCRIZIONE) VALUES ('O''NEIL', 'quoted')");
    }

    long long UnitsOf(const char* article)
    {
        CString sql;
        sql.Format("SELECT COUNT(*) FROM ARTICOLO_UM_ALTERNATIVA WHERE ID_ARTICOLO = '%s'", article);
        return QueryLong(sql);
    }

    ConfigGuard config;
};

}  // namespace

TEST_P(AltUnit, LoadAppendsRowsOrderedByUnitAndTwiceDoubles)
{
    Exec("INSERT INTO ARTICOLO_UM_ALTERNATIVA (ID_ARTICOLO, ID_UNITA_MISURA, COEFFICIENTE) VALUES ('A1', 'KG', '0.125')");
    Exec("INSERT INTO ARTICOLO_UM_ALTERNATIVA (ID_ARTICOLO, ID_UNITA_MISURA, COEFFICIENTE) VALUES ('A1', 'CF', '12')");
    Exec("INSERT INTO ARTICOLO_UM_ALTERNATIVA (ID_ARTICOLO, ID_UNITA_MISURA, COEFFICIENTE) VALUES ('A2', 'LT', '3')");

    CDomainListaUmAlternativaArticolo list(&db());
    list.SetArticolo("A1");
    ASSERT_TRUE(list.DB_Load());
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_STREQ(list.GetAt(0).Get_ID_UNITA_MISURA(), "CF");
    EXPECT_STREQ(list.GetAt(1).Get_ID_UNITA_MISURA(), "KG");
    EXPECT_STREQ(list.GetAt(1).Get_COEFFICIENTE().ToString2(127, false), "0.125");
    EXPECT_STREQ(list.GetAt(1).Get_ID_ARTICOLO(), "A1");

    // The load does not empty the list, nor apply Add's duplicate check.
    ASSERT_TRUE(list.DB_Load());
    ASSERT_EQ(list.GetCount(), 4);
    EXPECT_STREQ(list.GetAt(2).Get_ID_UNITA_MISURA(), "CF");
    list.RemoveAll();
    EXPECT_EQ(list.GetCount(), 0);

    CDomainListaUmAlternativaArticolo none(&db());
    none.SetArticolo("NOPE");
    EXPECT_TRUE(none.DB_Load()) << "an article without units loads an empty list";
    EXPECT_EQ(none.GetCount(), 0);
}

TEST_P(AltUnit, CoefficientKeepsEveryDigitBothWays)
{
    CDomainListaUmAlternativaArticolo list(&db());
    list.Add(Unit("CF", "0.0000123456789"));
    list.Add(Unit("KG", "-2.50"));
    list.SetArticolo("A1");
    ASSERT_TRUE(list.DB_Update(DB_OPERATION_ADDNEW));
    EXPECT_EQ(QueryText("SELECT COEFFICIENTE FROM ARTICOLO_UM_ALTERNATIVA WHERE ID_UNITA_MISURA = 'CF'"),
              "0.0000123456789");
    EXPECT_EQ(QueryText("SELECT COEFFICIENTE FROM ARTICOLO_UM_ALTERNATIVA WHERE ID_UNITA_MISURA = 'KG'"), "-2.50");

    CDomainListaUmAlternativaArticolo back(&db());
    back.SetArticolo("A1");
    ASSERT_TRUE(back.DB_Load());
    ASSERT_EQ(back.GetCount(), 2);
    EXPECT_STREQ(back.GetAt(0).Get_COEFFICIENTE().ToString2(127, false), "0.0000123456789");
    EXPECT_STREQ(back.GetAt(1).Get_COEFFICIENTE().ToString2(127, false), "-2.50");
}

TEST_P(AltUnit, InsertKeepsExistingRowsWhileEditReplacesOnlyThisArticlesRows)
{
    Exec("INSERT INTO ARTICOLO_UM_ALTERNATIVA (ID_ARTICOLO, ID_UNITA_MISURA, COEFFICIENTE) VALUES ('A1', 'KG', '2')");
    Exec("INSERT INTO ARTICOLO_UM_ALTERNATIVA (ID_ARTICOLO, ID_UNITA_MISURA, COEFFICIENTE) VALUES ('A2', 'KG', '5')");

    CDomainListaUmAlternativaArticolo list(&db());
    list.Add(Unit("CF", "12"));
    list.SetArticolo("A1");
    ASSERT_TRUE(list.DB_Update(DB_OPERATION_ADDNEW));
    EXPECT_EQ(UnitsOf("A1"), 2) << "an insert deletes nothing first";

    list.RemoveAll();
    list.Add(Unit("LT", "1.5"));
    list.Add(Unit("cf", "6"));
    list.SetArticolo("A1");
    ASSERT_TRUE(list.DB_Update(DB_OPERATION_EDIT));
    EXPECT_EQ(UnitsOf("A1"), 2);
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM ARTICOLO_UM_ALTERNATIVA WHERE ID_ARTICOLO = 'A1' "
                        "AND ID_UNITA_MISURA IN ('LT', 'cf')"),
              2);
    EXPECT_EQ(UnitsOf("A2"), 1) << "another article's rows stay";

    list.RemoveAll();
    ASSERT_TRUE(list.DB_Update(DB_OPERATION_EDIT));
    EXPECT_EQ(UnitsOf("A1"), 0) << "an empty list saved by edit leaves the article without units";
}

TEST_P(AltUnit, ElementsAreWrittenUnderTheirOwnArticleCode)
{
    // Each element carries its own code; SetArticolo is what keeps them equal to the list's.
    CDomainListaUmAlternativaArticolo list(&db());
    list.Add(Unit("CF", "12", "A2"));
    ASSERT_TRUE(list.DB_Update(DB_OPERATION_ADDNEW));
    EXPECT_EQ(UnitsOf("A2"), 1);

    list.SetArticolo("A1");
    ASSERT_TRUE(list.DB_Update(DB_OPERATION_ADDNEW));
    EXPECT_EQ(UnitsOf("A1"), 1);
}

TEST_P(AltUnit, QuoteInTheArticleCodeIsSafe)
{
    CDomainListaUmAlternativaArticolo list(&db());
    list.Add(Unit("CF", "12"));
    list.SetArticolo("O'NEIL");
    ASSERT_TRUE(list.DB_Update(DB_OPERATION_EDIT));
    ASSERT_TRUE(list.DB_Update(DB_OPERATION_EDIT)) << "the delete must find the quoted code, or the key repeats";
    EXPECT_EQ(UnitsOf("O''NEIL"), 1);

    CDomainListaUmAlternativaArticolo back(&db());
    back.SetArticolo("O'NEIL");
    ASSERT_TRUE(back.DB_Load());
    ASSERT_EQ(back.GetCount(), 1);
    EXPECT_STREQ(back.GetAt(0).Get_ID_ARTICOLO(), "O'NEIL");
}

TEST_P(AltUnit, ListLetsDatabaseErrorsThroughAndTheArticleShowsThem)
{
    Exec("INSERT INTO ARTICOLO_UM_ALTERNATIVA (ID_ARTICOLO, ID_UNITA_MISURA, COEFFICIENTE) VALUES ('A1', 'CF', '12')");
    CDomainListaUmAlternativaArticolo list(&db());
    list.Add(Unit("CF", "24"));
    list.SetArticolo("A1");
    EXPECT_THROW(list.DB_Update(DB_OPERATION_ADDNEW), CDBException) << "the same unit twice for one article";

    // Through the article the error becomes a box and a false result.
    CDomainArticolo article(&db());
    CDomainListaUmAlternativaArticolo twice(&db());
    twice.Add(Unit("KG", "1"));
    twice.Add(Unit("LT", "1"));
    twice.SetAt(1, Unit("KG", "2"));
    article.SetUmAlternative(twice);
    article.Set_ID("A1");
    MessageRecorder recorder;
    EXPECT_FALSE(article.DB_Update_UmAlternative());
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].style, MB_ICONEXCLAMATION);
}

TEST_P(AltUnit, ArticleHandsItsCodeToTheListAndSavesAndLoadsIt)
{
    CDomainArticolo article(&db());
    CDomainListaUmAlternativaArticolo units(&db());
    units.Add(Unit("CF", "12", "STALE"));
    units.Add(Unit("KG", "0.5", "STALE"));
    article.SetUmAlternative(units);
    article.Set_ID("A1");
    EXPECT_STREQ(article.GetUmAlternative().GetArticolo(), "A1");
    EXPECT_STREQ(article.GetUmAlternative().GetAt(1).Get_ID_ARTICOLO(), "A1");
    ASSERT_TRUE(article.DB_Update_UmAlternative());
    EXPECT_EQ(UnitsOf("A1"), 2);
    EXPECT_EQ(UnitsOf("STALE"), 0);

    CDomainArticolo loaded(&db());
    loaded.Ref_ID() = "A1";  // bypasses Set_ID: the load itself must hand the code over
    ASSERT_TRUE(loaded.DB_Load_UmAlternative());
    ASSERT_EQ(loaded.GetUmAlternative().GetCount(), 2);
    EXPECT_STREQ(loaded.GetUmAlternative().GetArticolo(), "A1");
    EXPECT_EQ(loaded.GetUmAlternative().GetAt(0).Get_COEFFICIENTE(), Decimal(12L));

    // Saving again replaces rather than adds.
    ASSERT_TRUE(loaded.DB_Update_UmAlternative());
    EXPECT_EQ(UnitsOf("A1"), 2);
}

ORVEL_DATABASE_TEST_SUITE(AltUnit);
