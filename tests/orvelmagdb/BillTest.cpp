// Bills: a bill gathering instalments of two schedules, loaded back by due date with its
// accounting row, edited and deleted; a save that fails half-way rolls back whole when the bill
// owns the transaction and leaves its first writes to the caller when it does not.
#include <gtest/gtest.h>

#include <vector>

#include "orvelmagdb/ConfigGuard.h"
#include "orvelmagdb/MessageRecorder.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/domain/payments/DomainEffetto.h"
#include "orvelmagdb/domain/payments/DomainScadenzario.h"
#include "support/DatabaseTest.h"

using orvel::test::ConfigGuard;
using orvel::test::MessageRecorder;

namespace {

Decimal Dec(const char* text) { return Decimal(text, 127); }

TEST(Bill, MadeFromAScheduleTakesItsTotalAndEveryInstalment)
{
    ConfigGuard config;
    config.Set("precisione/totali", "2");
    CDomainScadenzario schedule;
    schedule.Set_IMPORTO_IMPONIBILE(Dec("100.004"));
    schedule.Set_IMPORTO_IVA(Dec("22.004"));
    schedule.Set_F_ATTIVO(-1);
    schedule.Set_ID_SOGGETTO(201);
    schedule.Set_SOC_ID(3);
    schedule.Set_DATA_MOVIMENTO(COleDateTime(2025, 1, 31, 0, 0, 0));
    for (const char* amount : {"61", "61", "0"}) {
        CDomainScadenza instalment;
        instalment.Set_IMPORTO(Dec(amount));
        schedule.SCADENZE_Add(instalment);
    }
    CDomainEffetto bill;
    bill.FromDomainScadenzario(schedule);
    EXPECT_EQ(bill.Get_IMPORTO().ToString2(127, false), CString("122.00"));
    EXPECT_EQ(bill.SCADENZE_GetSize(), 3);
    EXPECT_EQ(bill.Get_NUM_SCADENZE() * 1000 + bill.Get_ID_SOGGETTO(), 3201);
    EXPECT_EQ(bill.Get_F_ATTIVO() * 10 + bill.Get_ID_SOCIETA(), -7);
    EXPECT_EQ(bill.Get_DATA_EFFETTO().Format("%d/%m/%Y"), CString("31/01/2025"));
}

class BillDb : public orvel::test::DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        config.SetShopDefaults();
        config.Set("default/pagamento/conto_predefinito", "-1");
        CSchema::Create(db());
        Exec("INSERT INTO AZIENDA (ID, RAGIONESOCIALE, F_TIPO_RAPPORTO) VALUES (101, 'Rossi', 1)");
        Exec("INSERT INTO SCADENZARIO (ID, DESCRIZIONE, ID_SOGGETTO, F_ATTIVO) VALUES "
             "(1, 'Fattura 1', 101, 1), (2, 'Fattura 2', 101, 1)");
        Exec("INSERT INTO SCADENZA (ID, ID_SCADENZARIO, DATA_SCADENZA, IMPORTO, NUMERO, F_EVASA) VALUES "
             "(11, 1, '2025-02-28 00:00:00', '50', 1, 0), (12, 1, '2025-03-31 00:00:00', '50', 2, 0), "
             "(21, 2, '2025-03-15 00:00:00', '30', 1, 0)");
    }

    // A bill for partner 101 gathering the stored instalments of the given ids, in that order.
    CDomainEffetto Bill(std::vector<long> instalments)
    {
        CDomainEffetto bill(&db());
        bill.SetTransController(true);
        bill.Set_ID_SOGGETTO(101);
        bill.Set_IMPORTO(Dec("130"));
        for (long id : instalments) {
            CDomainScadenza instalment(&db());
            instalment.Set_ID(id);
            EXPECT_TRUE(instalment.DB_Load()) << id;
            bill.SCADENZE_Add(instalment);
        }
        return bill;
    }

    std::vector<long> Gathered(const CDomainEffetto& bill)
    {
        std::vector<long> ids;
        for (INT_PTR i = 0; i < bill.SCADENZE_Get().GetSize(); ++i)
            ids.push_back(bill.SCADENZE_Get().GetAt(i).Get_ID());
        return ids;
    }

    ConfigGuard config;
    MessageRecorder boxes;
};

TEST_P(BillDb, GathersInstalmentsOfTwoSchedulesAndLoadsThemByDueDate)
{
    CDomainEffetto bill = Bill({12, 21, 11});
    bill.Set_DATA_EFFETTO(COleDateTime());
    bill.Ref_DATA_EFFETTO().SetStatus(COleDateTime::null);
    bill.Set_ID_PIANO_DEI_CONTI(5);
    bill.Set_ID_CONTO_MASTRO_SOGGETTO(7);
    ASSERT_TRUE(bill.DB_AddNew());
    ASSERT_GT(bill.Get_ID(), 0);
    EXPECT_EQ(CountRows("EFFETTO") * 100 + CountRows("EFFETTO_SCADENZA") * 10 + CountRows("EFFETTO_CONTABILITA"), 131);
    EXPECT_EQ(QueryText("SELECT DATA_EFFETTO FROM EFFETTO"), std::nullopt) << "a null bill date is stored as NULL";
    EXPECT_EQ(QueryLong("SELECT ID_CONTO_MASTRO_CONTO FROM EFFETTO_CONTABILITA"), -999999);

    CDomainEffetto loaded(&db());
    loaded.Set_ID(bill.Get_ID());
    ASSERT_TRUE(loaded.DB_Load());
    EXPECT_EQ(Gathered(loaded), (std::vector<long>{11, 21, 12})) << "by due date across both schedules";
    EXPECT_EQ(loaded.SCADENZE_GetByID(21).Get_DESCRIZIONE_SCADENZARIO(), CString("Fattura 2"));
    EXPECT_EQ(loaded.SCADENZE_GetByID(99).Get_ID(), 0);
    EXPECT_EQ(loaded.Get_IMPORTO(), Dec("130"));
    EXPECT_EQ(loaded.Get_SOGGETTO(), CString("Rossi"));
    EXPECT_EQ(loaded.Get_NUM_SCADENZE(), 3);
    EXPECT_EQ(loaded.Get_DATA_EFFETTO().GetStatus(), COleDateTime::null);
    EXPECT_EQ(loaded.Get_ID_CONTO() * 1000000 + loaded.Get_ID_PIANO_DEI_CONTI() * 10000 +
                  loaded.Get_ID_CONTO_MASTRO_SOGGETTO() * 100 + loaded.Get_ID_CONTO_MASTRO_CONTO(),
              -1000000 + 50000 + 700 - 1)
        << "no account; NULL ledger account read as -1";

    // An unchanged edit keeps the accounting row; without a chart of accounts it goes. One
    // instalment less: its link goes, the others are written again.
    loaded.SetTransController(true);
    ASSERT_TRUE(loaded.DB_Edit());
    EXPECT_EQ(QueryLong("SELECT ID_PIANO_DEI_CONTI FROM EFFETTO_CONTABILITA"), 5);
    CDomainListaScadenze two;
    two.Add(loaded.SCADENZE_ElementAt(0));
    two.Add(loaded.SCADENZE_ElementAt(2));
    loaded.SCADENZE_Set(two);
    loaded.Set_ID_PIANO_DEI_CONTI(-1);
    ASSERT_TRUE(loaded.DB_Edit());
    EXPECT_EQ(QueryLong("SELECT SUM(ID_SCADENZA) FROM EFFETTO_SCADENZA"), 23);
    EXPECT_EQ(CountRows("EFFETTO_CONTABILITA"), 0);

    // A delete removes the bill's row only.
    ASSERT_TRUE(loaded.DB_Delete());
    EXPECT_EQ(CountRows("EFFETTO") * 10 + CountRows("EFFETTO_SCADENZA"), 2);
    EXPECT_TRUE(boxes.messages.empty());
}

TEST_P(BillDb, ASaveThatFailsHalfWayIsRolledBackByWhoeverOwnsTheTransaction)
{
    // The same instalment twice: the second link is refused after the bill row was written.
    CDomainEffetto bill = Bill({11, 21, 11});
    bill.Set_ID_PIANO_DEI_CONTI(5);
    EXPECT_FALSE(bill.DB_AddNew());
    EXPECT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(CountRows("EFFETTO") + CountRows("EFFETTO_SCADENZA") + CountRows("EFFETTO_CONTABILITA"), 0)
        << "the bill's own transaction rolled back";

    // Not the controller: the bill row stays for the caller, whose rollback removes it.
    bill.SetTransController(false);
    ASSERT_TRUE(db().BeginTrans());
    EXPECT_FALSE(bill.DB_AddNew());
    EXPECT_EQ(CountRows("EFFETTO") * 10 + CountRows("EFFETTO_CONTABILITA"), 10) << "the later steps were not run";
    ASSERT_TRUE(db().Rollback());
    EXPECT_EQ(CountRows("EFFETTO"), 0);

    // An edit of a bill without row fails in its first step and writes nothing.
    CDomainEffetto missing = Bill({21});
    missing.Set_ID(999);
    EXPECT_FALSE(missing.DB_Edit());
    EXPECT_EQ(CountRows("EFFETTO_SCADENZA"), 0);
    EXPECT_EQ(boxes.messages.size(), 3u);
}

}  // namespace

ORVEL_DATABASE_TEST_SUITE(BillDb);
