// Promotions on both databases: the running window at its first and last day, kept through a save
// and a load; the discount each kind gives on worked figures; what a save stores for each kind and
// how a load, a copy and a delete treat it.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "orvelmagdb/ConfigGuard.h"
#include "orvelmagdb/MessageRecorder.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/domain/promotions/DomainPromozione.h"
#include "support/DatabaseTest.h"

using orvel::test::ConfigGuard;
using orvel::test::MessageRecorder;

namespace {

Decimal D(const char* text) { return Decimal(CString(text), 127); }
std::string S(const Decimal& value) { return value.ToString2(127, false).str(); }

COleDateTime TodayAt(int dayOffset, int hour, int minute)
{
    const COleDateTime now = COleDateTime::GetCurrentTime();
    COleDateTime day(now.GetYear(), now.GetMonth(), now.GetDay(), hour, minute, 0);
    return day + COleDateTimeSpan(dayOffset, 0, 0, 0);
}

COleDateTime NullDate()
{
    COleDateTime date;
    date.SetStatus(COleDateTime::null);
    return date;
}

class Promotions : public orvel::test::DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        config.Set("precisione/prezzi", "2");
        config.Set("precisione/sconti", "2");
        config.Set("precisione/quantita", "3");
        CSchema::Create(db());
        Exec("INSERT INTO SOCIETA (ID, NOME, RAGIONE_SOCIALE) VALUES (1, 'Centro', 'Centro Casa srl')");
        Exec("INSERT INTO IVA (CODICE, ALIQUOTA) VALUES ('22', '22')");
        Exec("INSERT INTO ARTICOLO (ID, DESCRIZIONE, PREZZO_PZ_EURO_IVATO, ID_IVA) VALUES ('A1', 'Vino', '12.20', '22')");
    }

    CDomainPromozione Make(long kind)
    {
        CDomainPromozione p(&db());
        p.Set_ID_SOCIETA(1);
        p.Set_TIPO_PROMOZIONE(kind);
        return p;
    }

    CDomainPromozione Reload(long id)
    {
        CDomainPromozione p(&db());
        p.Set_ID(id);
        p.Set_ID_SOCIETA(1);
        EXPECT_TRUE(p.DB_Load());
        return p;
    }

    ConfigGuard config;
};

// The window is tested on the promotion as it comes back from the database, so that a time of
// day lost or added by the storage shows as a wrong answer.
TEST_P(Promotions, RunsFromItsFirstToItsLastDayAsStored)
{
    const struct {
        const char* what;
        COleDateTime start, end;
        bool running;
    } cases[] = {
        {"starts today 00:00, open-ended", TodayAt(0, 0, 0), NullDate(), true},
        {"starts today 09:00", TodayAt(0, 9, 0), NullDate(), false},
        {"starts tomorrow", TodayAt(1, 0, 0), NullDate(), false},
        {"ends today 00:00", TodayAt(-7, 0, 0), TodayAt(0, 0, 0), true},
        {"ends today 23:59", TodayAt(-7, 0, 0), TodayAt(0, 23, 59), true},
        {"ended yesterday 23:59", TodayAt(-7, 0, 0), TodayAt(-1, 23, 59), false},
        {"no start date", NullDate(), NullDate(), false},
    };
    for (const auto& c : cases) {
        CDomainPromozione p = Make(CDomainPromozione::TIPO_SCONTO_PERCENTUALE);
        p.Set_DATA_INIZIO(c.start);
        p.Set_DATA_FINE(c.end);
        ASSERT_TRUE(p.DB_AddNew()) << c.what;
        CDomainPromozione loaded = Reload(p.Get_ID());
        EXPECT_EQ(loaded.IsInCorso(), c.running) << c.what;
        EXPECT_EQ(loaded.Get_DATA_FINE().GetStatus(), c.end.GetStatus()) << c.what;
    }
}

TEST(PromotionDiscount, EachKindOnWorkedFigures)
{
    ConfigGuard config;
    config.Set("precisione/prezzi", "2");
    config.Set("precisione/sconti", "2");
    config.Set("precisione/quantita", "3");
    using P = CDomainPromozione;
    const struct {
        const char* what;
        long kind;
        const char *price, *rate;
        bool withVat;
        std::function<void(P&)> set;
        const char* discount;
    } cases[] = {
        {"10% then 10% is 19, not 20", P::TIPO_SCONTO_PERCENTUALE, "100", "22", true,
         [](P& p) { p.Set_SCONTO_1_PROMOZIONE(10), p.Set_SCONTO_2_PROMOZIONE(10); }, "19.00"},
        {"four 50% never take more than the price", P::TIPO_SCONTO_PERCENTUALE, "100", "22", true,
         [](P& p) { p.Set_SCONTO_1_PROMOZIONE(50), p.Set_SCONTO_2_PROMOZIONE(50), p.Set_SCONTO_3_PROMOZIONE(50),
                    p.Set_SCONTO_4_PROMOZIONE(50); }, "93.75"},
        {"3 x 2 on 5", P::TIPO_MXN, "5", "22", true,
         [](P& p) { p.Set_MXN_PARTE_M(3), p.Set_MXN_PARTE_N(2); }, "5"},
        {"3 x 2 on 5, net of 22% VAT", P::TIPO_MXN, "5", "22", false,
         [](P& p) { p.Set_MXN_PARTE_M(3), p.Set_MXN_PARTE_N(2); }, "4.10"},
        {"fixed 8 net at 25% on 12", P::TIPO_PREZZO_FISSO, "12", "25", true,
         [](P& p) { p.Set_PREZZO_PROMOZIONE(8), p.Set_F_TIPO_PREZZO_PROMOZIONE(1); }, "2.00"},
        {"fixed above the price is a negative discount", P::TIPO_PREZZO_FISSO, "12", "25", true,
         [](P& p) { p.Set_PREZZO_PROMOZIONE(15); }, "-3"},
        {"1.50 net off at 22%", P::TIPO_SCONTO_EURO, "12", "22", true,
         [](P& p) { p.Set_SCONTO_EURO(D("1.50")), p.Set_F_TIPO_SCONTO_EURO(1); }, "1.83"},
        {"no kind gives nothing", -1, "12", "22", true,
         [](P& p) { p.Set_SCONTO_EURO(D("1.50")), p.Set_PREZZO_PROMOZIONE(1); }, "0"},
    };
    for (const auto& c : cases) {
        P p;
        p.Set_TIPO_PROMOZIONE(c.kind);
        c.set(p);
        EXPECT_EQ(S(p.CalcolaImportoSconto(D(c.price), D(c.rate), c.withVat)), c.discount) << c.what;
    }
}

TEST_P(Promotions, SaveStoresOnlyTheKindsOwnAmounts)
{
    CDomainPromozione percent = Make(CDomainPromozione::TIPO_SCONTO_PERCENTUALE);
    percent.Set_SCONTO_1_PROMOZIONE(D("10"));
    percent.Set_SCONTO_2_PROMOZIONE(D("5.555"));
    percent.Ref_PREZZO_PROMOZIONE() = D("7");  // not of this kind: not stored
    percent.Set_MXN_PARTE_N(D("2"));
    percent.Set_DATA_FINE(NullDate());
    ASSERT_TRUE(percent.DB_AddNew());
    const long id = percent.Get_ID();
    ASSERT_GT(id, 0);
    auto column = [&](const std::string& name) {
        return QueryText(("SELECT " + name + " FROM PROMOZIONE WHERE ID = " + std::to_string(id)).c_str())
            .value_or("NULL");
    };
    EXPECT_EQ(column("SCONTO_2_PROMOZIONE"), "5.56");
    EXPECT_EQ(column("MXN_PARTE_M"), "1");
    for (const char* absent : {"PREZZO_PROMOZIONE", "MXN_PARTE_N", "SCONTO_EURO", "DATA_FINE"})
        EXPECT_EQ(column(absent), "NULL") << absent;

    CDomainPromozione loaded = Reload(id);
    EXPECT_EQ(S(loaded.Get_SCONTO_2_PROMOZIONE()), "5.56");
    EXPECT_EQ(S(loaded.Get_PREZZO_PROMOZIONE()) + " " + S(loaded.Get_MXN_PARTE_N()), "0 0");
    EXPECT_EQ(loaded.Get_NOME_SOCIETA().str(), "Centro");
    EXPECT_EQ(loaded.Get_DESCRIZIONE().str(), "SCONTO PROMOZIONE");
    // On article A1 at 12.20, VAT 22: 12.20 x 0.9 x 0.9444 leaves 10.369512; 1.830488 off, 1.50
    // net. An article that is not there has no price to take a percentage of.
    EXPECT_EQ(S(loaded.CalcolaImportoSconto(CString("A1"), true)) + " " +
                  S(loaded.CalcolaImportoSconto(CString("A1"), false)), "1.83 1.50");
    EXPECT_EQ(S(loaded.CalcolaImportoSconto(CString("NONE"), true)), "0.00");

    // Turned into a 3 x 2, the percentages go and N comes.
    loaded.Set_TIPO_PROMOZIONE(CDomainPromozione::TIPO_MXN);
    loaded.Set_QUANTITA_PROMOZIONE(D("3"));
    loaded.Set_MXN_PARTE_N(D("2"));
    ASSERT_TRUE(loaded.DB_Edit());
    EXPECT_EQ(column("SCONTO_1_PROMOZIONE") + " " + column("MXN_PARTE_M") + " " + column("MXN_PARTE_N"),
              "NULL 3 2");
    CDomainPromozione mxn = Reload(id);
    EXPECT_EQ(S(mxn.Get_QtaScontoMerce()), "1");
    EXPECT_EQ(S(mxn.Get_SCONTO_1_PROMOZIONE()), "0");

    // A kind outside the four keeps no amount at all, M included.
    Exec(("UPDATE PROMOZIONE SET TIPO_PROMOZIONE = 9 WHERE ID = " + std::to_string(id)).c_str());
    CDomainPromozione odd = Reload(id);
    EXPECT_EQ(S(odd.Get_MXN_PARTE_M()) + " " + S(odd.Get_MXN_PARTE_N()), "0 0");
    CString label = "unchanged";
    odd.Get_TIPO_PROMOZIONE(label);
    EXPECT_EQ(label.str(), "unchanged");
}

TEST_P(Promotions, LoadCopyAndDelete)
{
    // A key that is not there leaves the object as it was.
    CDomainPromozione missing = Make(CDomainPromozione::TIPO_SCONTO_EURO);
    missing.Set_ID(4242);
    missing.Set_SCONTO_EURO(D("2"));
    EXPECT_TRUE(missing.DB_Load());
    EXPECT_EQ(S(missing.Get_SCONTO_EURO()) + " " + std::to_string(missing.Get_TIPO_PROMOZIONE()), "2 3");

    // A copy brings a value put in without rounding to its precision.
    CDomainPromozione fixed = Make(CDomainPromozione::TIPO_PREZZO_FISSO);
    fixed.Ref_PREZZO_PROMOZIONE() = D("7.499");
    EXPECT_EQ(S(CDomainPromozione(fixed).Get_PREZZO_PROMOZIONE()), "7.50");

    // Another company's promotion of the same id is not this one, and the delete leaves it and
    // the article links alone.
    ASSERT_TRUE(fixed.DB_AddNew());
    const std::string id = std::to_string(fixed.Get_ID());
    Exec(("INSERT INTO ARTICOLO_PROMOZIONE (ID_PROMOZIONE, ID_ARTICOLO) VALUES (" + id + ", 'A1')").c_str());
    CDomainPromozione other(&db());
    other.Set_ID(fixed.Get_ID());
    other.Set_ID_SOCIETA(2);
    EXPECT_TRUE(other.DB_Delete());
    EXPECT_EQ(CountRows("PROMOZIONE"), 1);
    EXPECT_TRUE(fixed.DB_Delete());
    EXPECT_EQ(CountRows("PROMOZIONE"), 0);
    EXPECT_EQ(CountRows("ARTICOLO_PROMOZIONE"), 1);

    // Editing a promotion that is gone, or loading without the tables, is a shown error.
    MessageRecorder boxes;
    EXPECT_FALSE(fixed.DB_Edit());
    Exec("DROP VIEW PROMOZIONE_COMPLETA");
    EXPECT_FALSE(fixed.DB_Load());
    EXPECT_EQ(boxes.messages.size(), 2u);
}

ORVEL_DATABASE_TEST_SUITE(Promotions);

}  // namespace
