// Alternative units of measure of an article: the list's own rules (duplicates, case, bounds,
// re-targeting) and its loads and saves on real databases, alone and through the article.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "afx/Exception.h"
#include "odbc/DBException.h"
#include "orvelmagdb/ConfigGuard.h"
#include "orvelmagdb/MessageRecorder.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/domain/articles/DomainArticolo.h"
#include "orvelmagdb/domain/articles/DomainArticoloUmAlternativa.h"
#include "orvelmagdb/domain/articles/DomainListaUmAlternativaArticolo.h"
#include "support/DatabaseTest.h"

using orvel::test::ConfigGuard;
using orvel::test::MessageRecorder;
using List = CDomainListaUmAlternativaArticolo;

namespace {

CDomainArticoloUmAlternativa Unit(const char* unit, const char* coefficient, const char* article = "")
{
    CDomainArticoloUmAlternativa element;
    element.Set_ID_ARTICOLO(article);
    element.Set_ID_UNITA_MISURA(unit);
    element.Set_COEFFICIENTE(Decimal(coefficient, 127));
    return element;
}

// Units, coefficients and article codes of the list, as one text.
std::string Dump(const List& list)
{
    std::string s = list.GetArticolo().str() + ":";
    for (int i = 0; i < list.GetCount(); ++i)
        s += " " + list.GetAt(i).Get_ID_UNITA_MISURA().str() + "=" +
             list.GetAt(i).Get_COEFFICIENTE().ToString2(127, false).str() + "@" + list.GetAt(i).Get_ID_ARTICOLO().str();
    return s;
}

}  // namespace

TEST(AltUnitList, DuplicatesSearchBoundsAndRetargeting)
{
    EXPECT_EQ(CDomainArticoloUmAlternativa().Get_COEFFICIENTE(), Decimal(1L));
    List list;
    EXPECT_THROW(list.GetAt(0), CInvalidArgException) << "empty list";
    EXPECT_EQ(list.Add(Unit("CF", "12", "OLD")), 0);
    EXPECT_EQ(list.Add(Unit("KG", "0.5", "OTHER")), 1);
    EXPECT_EQ(list.Add(Unit("CF", "6")), -1) << "a unit already there is refused, the first kept";
    EXPECT_EQ(list.Add(Unit("cf", "6")), 2) << "another case is another unit";
    list.SetAt(2, Unit("CF", "24"));  // a second CF can come in only this way, as a load may bring it
    EXPECT_EQ(list.Search("CF", 0), 0);
    EXPECT_EQ(list.Search("CF", 1), 2);
    for (const auto& [unit, from] : {std::pair{"KG", 2}, std::pair{"kg", 0}, std::pair{"CF", 3}, std::pair{"", 0}})
        EXPECT_EQ(list.Search(unit, from), -1) << unit << " from " << from;
    const List& constList = list;
    for (int bad : {-1, 3}) {
        EXPECT_THROW(list.GetAt(bad), CInvalidArgException);
        EXPECT_THROW(constList.GetAt(bad), CInvalidArgException);
        EXPECT_THROW(list.SetAt(bad, Unit("PZ", "1")), CInvalidArgException);
    }
    list.GetAt(1).Set_COEFFICIENTE(Decimal(10L));  // GetAt gives the element itself
    list.SetArticolo("NEW");
    EXPECT_EQ(Dump(list), "NEW: CF=12@NEW KG=10@NEW CF=24@NEW");

    List copy(list);
    copy.SetArticolo("COPY");
    copy.RemoveAll();
    List assigned;
    assigned = list;
    EXPECT_EQ(Dump(assigned), Dump(list));
    EXPECT_EQ(list.GetCount(), 3);
}

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
        Exec("INSERT INTO UNITA_MISURA (ID, DESCRIZIONE) VALUES ('PZ', 'p'), ('CF', 'c'), ('KG', 'k'), ('LT', 'l'), ('cf', 'c')");
        Exec("INSERT INTO ARTICOLO (ID, DESCRIZIONE) VALUES ('A1', 'first'), ('A2', 'second'), ('O''NEIL', 'quoted')");
        Exec("INSERT INTO ARTICOLO_UM_ALTERNATIVA (ID_ARTICOLO, ID_UNITA_MISURA, COEFFICIENTE) VALUES "
             "('A1', 'KG', '0.125'), ('A2', 'LT', '3')");
    }

    std::string Loaded(const char* article)
    {
        List list(&db());
        list.SetArticolo(article);
        EXPECT_TRUE(list.DB_Load()) << article;
        return Dump(list);
    }

    ConfigGuard config;
};

}  // namespace

TEST_P(AltUnit, LoadsAppendInUnitOrderAndSavesInsertOrReplace)
{
    Exec("INSERT INTO ARTICOLO_UM_ALTERNATIVA (ID_ARTICOLO, ID_UNITA_MISURA, COEFFICIENTE) VALUES ('A1', 'CF', '12')");
    List list(&db());
    list.SetArticolo("A1");
    ASSERT_TRUE(list.DB_Load());
    ASSERT_TRUE(list.DB_Load());  // not emptied first, nor checked for duplicates
    EXPECT_EQ(Dump(list), "A1: CF=12@A1 KG=0.125@A1 CF=12@A1 KG=0.125@A1");
    EXPECT_EQ(Loaded("NOPE"), "NOPE:") << "an article without units loads an empty list";

    // An insert deletes nothing first; every digit of the coefficient is kept both ways.
    List more(&db());
    more.Add(Unit("LT", "0.0000123456789"));
    more.Add(Unit("cf", "-2.50"));
    more.SetArticolo("A1");
    ASSERT_TRUE(more.DB_Update(DB_OPERATION_ADDNEW));
    EXPECT_EQ(Loaded("A1"), "A1: CF=12@A1 KG=0.125@A1 LT=0.0000123456789@A1 cf=-2.50@A1");
    EXPECT_EQ(QueryText("SELECT COEFFICIENTE FROM ARTICOLO_UM_ALTERNATIVA WHERE ID_UNITA_MISURA = 'cf'"), "-2.50");
    EXPECT_THROW(more.DB_Update(DB_OPERATION_ADDNEW), CDBException) << "the same unit twice for one article";

    // An edit replaces this article's rows only; an empty list leaves it without units.
    more.RemoveAll();
    more.Add(Unit("cf", "-2.50", "A1"));
    ASSERT_TRUE(more.DB_Update(DB_OPERATION_EDIT));
    EXPECT_EQ(Loaded("A1"), "A1: cf=-2.50@A1");
    more.RemoveAll();
    ASSERT_TRUE(more.DB_Update(DB_OPERATION_EDIT));
    EXPECT_EQ(Loaded("A1"), "A1:");
    EXPECT_EQ(Loaded("A2"), "A2: LT=3@A2");

    // Each element is written under its own code; SetArticolo is what keeps them equal.
    List foreign(&db());
    foreign.Add(Unit("CF", "12", "A2"));
    ASSERT_TRUE(foreign.DB_Update(DB_OPERATION_ADDNEW));
    EXPECT_EQ(Loaded("A2"), "A2: CF=12@A2 LT=3@A2");

    List quoted(&db());
    quoted.Add(Unit("CF", "12"));
    quoted.SetArticolo("O'NEIL");
    ASSERT_TRUE(quoted.DB_Update(DB_OPERATION_EDIT));
    ASSERT_TRUE(quoted.DB_Update(DB_OPERATION_EDIT)) << "the delete must find the quoted code, or the key repeats";
    EXPECT_EQ(Loaded("O'NEIL"), "O'NEIL: CF=12@O'NEIL");
}

TEST_P(AltUnit, ArticleHandsItsCodeToTheListSavesLoadsAndShowsErrors)
{
    CDomainArticolo article(&db());
    List units(&db());
    units.Add(Unit("CF", "12", "STALE"));
    units.Add(Unit("KG", "0.5", "STALE"));
    article.SetUmAlternative(units);
    article.Set_ID("A1");
    EXPECT_EQ(Dump(article.GetUmAlternative()), "A1: CF=12@A1 KG=0.5@A1");
    ASSERT_TRUE(article.DB_Update_UmAlternative());
    ASSERT_TRUE(article.DB_Update_UmAlternative()) << "saving again replaces";
    EXPECT_EQ(Loaded("A1"), "A1: CF=12@A1 KG=0.5@A1");

    CDomainArticolo loaded(&db());
    loaded.Ref_ID() = "A1";  // bypasses Set_ID: the load itself must hand the code over
    ASSERT_TRUE(loaded.DB_Load_UmAlternative());
    EXPECT_EQ(Dump(loaded.GetUmAlternative()), "A1: CF=12@A1 KG=0.5@A1");

    List twice(&db());
    twice.Add(Unit("KG", "1"));
    twice.Add(Unit("LT", "1"));
    twice.SetAt(1, Unit("KG", "2"));
    article.SetUmAlternative(twice);
    MessageRecorder recorder;
    EXPECT_FALSE(article.DB_Update_UmAlternative()) << "through the article the error becomes a box";
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].style, MB_ICONEXCLAMATION);
}

ORVEL_DATABASE_TEST_SUITE(AltUnit);
