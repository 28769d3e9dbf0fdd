// Lots: the thirteen-digit code built and parsed back, numbering within the year across the year
// boundary, and the lot's row saved, loaded, edited and deleted on real databases.
#include <gtest/gtest.h>

#include "orvelmagdb/ConfigGuard.h"
#include "orvelmagdb/MessageRecorder.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/domain/articles/DomainLotto.h"
#include "support/DatabaseTest.h"

using orvel::test::ConfigGuard;
using orvel::test::MessageRecorder;

// Codes worked out by hand with the GS1 weights (1 and 3 from the left).
TEST(LotCode, BuiltFromYearAndNumberAndParsedBack)
{
    const struct {
        long year, number;
        const char* code;
    } cases[] = {{2013, 5, "2013000000053"}, {2024, 12345678, "2024123456788"}, {2030, 1, "2030000000012"}};
    for (const auto& c : cases) {
        EXPECT_EQ(CDomainLotto::GetCodiceLotto(c.year, c.number), CString(c.code)) << c.year << "/" << c.number;
        CDomainLotto scanned;
        scanned.Set_CODICE(c.code);
        EXPECT_EQ(scanned.Get_ANNO() * 100000000L + scanned.Get_NUMERO(), c.year * 100000000L + c.number);
        EXPECT_EQ(scanned.Get_CODICE(), CString(c.code)) << "code -> lot -> code";
    }
    CDomainLotto lot;
    lot.Set_CODICE("");
    EXPECT_EQ(lot.Get_ANNO() + lot.Get_NUMERO() + CDomainLotto::GetNumeroFromCodice(""), -3);
    EXPECT_EQ(lot.Get_CODICE() + CDomainLotto::GetCodiceLotto(10000, 1), CString(""))
        << "nothing set, or a year wider than four digits: no code";
}

class LotDb : public orvel::test::DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        config.Set("precisione/quantita", "3");
        CSchema::Create(db());
        Exec("INSERT INTO ARTICOLO (ID, DESCRIZIONE) VALUES ('LATTE', 'Latte fresco')");
    }

    // Numbers a lot of the year and saves it, as one till does.
    long AddLot(long year)
    {
        CDomainLotto lot(&db());
        lot.Set_ANNO(year);
        lot.GeneraNumeroLotto();
        EXPECT_TRUE(lot.DB_AddNew()) << year << "/" << lot.Get_NUMERO();
        return lot.Get_NUMERO();
    }

    ConfigGuard config;
    MessageRecorder boxes;
};

TEST_P(LotDb, NumbersRunWithinTheYearAndANewYearStartsAtOne)
{
    EXPECT_EQ(AddLot(2023), 1) << "a year without lots starts at 1";
    Exec("INSERT INTO LOTTO (ANNO, NUMERO, ID_ARTICOLO, F_CHIUSO) VALUES (2023, 41, 'LATTE', 0)");
    EXPECT_EQ(AddLot(2024), 1) << "the lots of the year before do not count";
    EXPECT_EQ(AddLot(2023), 42);
    EXPECT_EQ(AddLot(2024), 2);

    // Two lots numbered before either is saved get the same number; the table refuses the second.
    CDomainLotto first(&db()), second(&db());
    for (CDomainLotto* lot : {&first, &second}) {
        lot->Set_ANNO(2024);
        lot->GeneraNumeroLotto();
        EXPECT_EQ(lot->Get_NUMERO(), 3);
    }
    EXPECT_TRUE(first.DB_AddNew());
    EXPECT_FALSE(second.DB_AddNew());
    EXPECT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM LOTTO WHERE ANNO = 2024"), 3);
}

TEST_P(LotDb, SavedLotIsFoundByItsCodeEditedAndDeleted)
{
    CDomainLotto lot(&db());
    lot.Set_ANNO(2025);
    lot.GeneraNumeroLotto();
    lot.Set_ARTICOLO_ID("LATTE");
    lot.Set_DATA_CREAZIONE(COleDateTime(2025, 3, 14, 9, 30, 0));
    lot.Set_QUANTITA_CARICATA(Decimal("10", 127));
    lot.Set_QUANTITA_SCARICATA(Decimal("3.5004", 127));
    ASSERT_TRUE(lot.DB_AddNew());
    EXPECT_EQ(QueryText("SELECT DATA_SCADENZA FROM LOTTO"), std::nullopt) << "no expiry is stored as NULL";
    EXPECT_EQ(QueryLong("SELECT F_MODIFICA_MANUALE FROM LOTTO"), 0);

    CDomainLotto scanned(&db());
    scanned.Set_CODICE("2025000000018");
    ASSERT_TRUE(scanned.DB_Load());
    EXPECT_EQ(scanned.Get_ARTICOLO_DESCRIZIONE(), CString("Latte fresco"));
    EXPECT_EQ(scanned.Get_DATA_CREAZIONE(), COleDateTime(2025, 3, 14, 9, 30, 0));
    EXPECT_EQ(scanned.Get_DATA_SCADENZA().GetStatus(), COleDateTime::null);
    EXPECT_EQ(ToStoredText(scanned.Get_GIACENZA()), CString("6.500")) << "10 less 3.5004 rounded to 3 decimals";

    scanned.Set_DATA_SCADENZA(COleDateTime(2025, 4, 1, 0, 0, 0));
    scanned.Set_F_CHIUSO(1);
    ASSERT_TRUE(scanned.DB_Edit());
    EXPECT_EQ(QueryLong("SELECT F_MODIFICA_MANUALE FROM LOTTO"), 1) << "an edited lot is marked as changed by hand";
    ASSERT_TRUE(lot.DB_Load());
    EXPECT_TRUE(lot.Get_DATA_SCADENZA() == COleDateTime(2025, 4, 1, 0, 0, 0) && lot.Get_F_CHIUSO() == 1);

    // A code that parses to a lot that was never made finds nothing; editing or deleting such a
    // lot answers false and writes nothing.
    CDomainLotto missing(&db());
    missing.Set_CODICE(CDomainLotto::GetCodiceLotto(2025, 2));
    EXPECT_FALSE(missing.DB_Load() || missing.DB_Edit() || missing.DB_Delete());
    EXPECT_EQ(CountRows("LOTTO"), 1);

    EXPECT_TRUE(lot.DB_Delete());
    EXPECT_FALSE(lot.DB_Load());
    EXPECT_EQ(CountRows("LOTTO") + long(boxes.messages.size()), 0);
}

ORVEL_DATABASE_TEST_SUITE(LotDb);
