// "orvelmag till" and "orvelmag bill" on both databases: a document paid part in cash and part by
// card whose payments make up its total, a cash withdrawal counted in banknotes, a bill gathering
// instalments of two schedules, and the command lines each refuses without writing.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "CliDatabaseTest.h"

namespace {

bool Has(const std::string& output, const std::string& text) { return output.find(text) != std::string::npos; }

class TillCommand : public orvel::test::CliDatabaseTest {
protected:
    void SetUp() override
    {
        CliDatabaseTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        Ok("vat add 22 22 Ordinaria");
        Ok("partner add 101 Rossi");
        Ok("article add 000001 Vino --vat 22 --cost 5 --price 10");
        Ok("reason add 1 Fattura --type FT --party customer --payment yes --stock unload");
        ASSERT_TRUE(Has(Ok("doc new --reason 1 --customer 101 --line 000001:3"), "total 36.60"));
        Ok("till type add 1 Contanti --short CASH");
        Ok("till type add 3 'Carta di credito' --short CARD");
        Ok("till coin add 50 50 '50 euro' --banknote");
        Ok("till coin add 20 20 '20 euro' --banknote");
    }

    void ExpectRefused(const std::tuple<const char*, int, const char*>& refused)
    {
        const auto& [args, exitCode, message] = refused;
        CommandResult r = Run(args);
        EXPECT_EQ(r.exitCode, exitCode) << args << "\n" << r.output;
        EXPECT_TRUE(Has(r.output, message)) << args << "\n" << r.output;
    }
};

TEST_P(TillCommand, ADocumentIsPaidWithSeveralTypesThatMakeUpItsTotal)
{
    const std::string paid = Ok("till pay 1 cash:20 'Carta di credito:16.60'");
    EXPECT_TRUE(Has(paid, "paid document 1: 36.60\n  16.60 Carta di credito\n  20.00 Contanti\n")) << paid;
    Ok("till pay 1 1:30 CARD:6.60");
    EXPECT_EQ(QueryLong("SELECT COUNT(*) * 100 + MAX(ID_TIPO_PAGAMENTO) FROM PAGAMENTO_BANCO WHERE ID_DOCUMENTO = 1"), 203)
        << "paying again replaces the payments";
    EXPECT_EQ(QueryText("SELECT VALORE FROM PAGAMENTO_BANCO WHERE ID_TIPO_PAGAMENTO = 3"), "6.60");

    const std::tuple<const char*, int, const char*> refused[] = {
        {"till pay 1 cash:20 card:10", 1, "the payments add up to 30.00, the total of document 1 is 36.60"},
        {"till pay 1 cash:36.605", 2, "in cents"},
        {"till pay 1 cash:0 card:36.60", 2, "more than 0"},
        {"till pay 1 bonifico:36.60", 2, "no payment type \"bonifico\""},
        {"till pay 1 cash", 2, "a payment is TYPE:AMOUNT"},
        {"till pay 9 cash:1", 1, "document 9 not found"},
        {"till type add 1 Altro", 1, "payment type 1 already exists"},
    };
    for (const auto& r : refused)
        ExpectRefused(r);
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM PAGAMENTO_BANCO"), 2) << "a refused payment changes nothing";
}

TEST_P(TillCommand, AWithdrawalCountsTheBanknotesTaken)
{
    EXPECT_TRUE(Has(Ok("till withdraw --coins 50:2,20:5 --station CASSA-1 --staff 4"),
                    "withdrawal 1: 200.00 = 2 x 50.00 + 5 x 20.00"));
    EXPECT_EQ(QueryLong("SELECT SUM(ID_PEZZO_MONETA * NUMERO) FROM PRELIEVO_BANCO_MONETA WHERE ID_PRELIEVO = 1"), 200);
    EXPECT_EQ(QueryText("SELECT VALORE || ' ' || ID_POSTAZIONE FROM PRELIEVO_BANCO WHERE ID = 1"), "200 CASSA-1");
    EXPECT_TRUE(Has(Ok("till withdraw --amount 35.50"), "withdrawal 2: 35.50\n")) << "an amount without a count";

    const std::tuple<const char*, int, const char*> refused[] = {
        {"till withdraw --coins 50:2,10:1", 2, "no coin or banknote of 10"},
        {"till withdraw --coins 50:1 --amount 60", 2, "the coins make 50.00, not 60.00"},
        {"till withdraw --coins 50:1,50.00:2", 2, "names the coin of 50.00 twice"},
        {"till withdraw --coins 50:0", 2, "number of pieces"},
        {"till withdraw", 2, "needs --coins, --amount or both"},
        {"till coin add 51 50 Cinquanta", 1, "coin 50 of 50.00 already exists"},
    };
    for (const auto& r : refused)
        ExpectRefused(r);
    EXPECT_EQ(CountRows("PRELIEVO_BANCO") * 10 + CountRows("PRELIEVO_BANCO_MONETA"), 22);
}

TEST_P(TillCommand, ABillGathersInstalmentsOfTwoSchedulesOfOnePartner)
{
    Exec("INSERT INTO AZIENDA (ID, RAGIONESOCIALE, F_TIPO_RAPPORTO) VALUES (102, 'Bianchi', 1)");
    Exec("INSERT INTO SCADENZARIO (ID, DESCRIZIONE, ID_SOGGETTO, F_ATTIVO) VALUES "
         "(1, 'Fattura 1', 101, 1), (2, 'Fattura 2', 101, 1), (3, 'Fattura 3', 102, 1)");
    Exec("INSERT INTO SCADENZA (ID, ID_SCADENZARIO, DATA_SCADENZA, IMPORTO, NUMERO, F_EVASA) VALUES "
         "(11, 1, '2025-03-31 00:00:00', '50', 1, 0), (12, 1, '2025-04-30 00:00:00', '50', 2, 1), "
         "(21, 2, '2025-02-28 00:00:00', '30.50', 1, 0), (31, 3, '2025-02-28 00:00:00', '9', 1, 0)");

    EXPECT_TRUE(Has(Ok("bill new --instalments 1/1,21 --date 15/03/2025"),
                    "added bill 1: 80.50, 2 instalments of Rossi (due 80.50)"));
    const std::string shown = Ok("bill show 1");
    EXPECT_TRUE(Has(shown, "date:        15/03/2025\npartner:     Rossi\ndirection:   receivable\n"
                           "amount:      80.50\ninstalments: 2\n"
                           "  2/1  due 28/02/2025  30.50  Fattura 2\n  1/1  due 31/03/2025  50.00  Fattura 1\n"))
        << shown;

    const std::tuple<const char*, int, const char*> refused[] = {
        {"bill new --instalments 1/2", 1, "instalment 1/2 is already settled"},
        {"bill new --instalments 11,1/1", 1, "instalment 1/1 is named twice"},
        {"bill new --instalments 11,31", 1, "instalment 31 belongs to another partner"},
        {"bill new --instalments 1/9", 1, "instalment 1/9 not found"},
        {"bill new --instalments 1-1", 2, "instalment id"},
        {"bill show 7", 1, "bill 7 not found"},
    };
    for (const auto& r : refused)
        ExpectRefused(r);
    EXPECT_EQ(CountRows("EFFETTO") * 10 + CountRows("EFFETTO_SCADENZA"), 12);
}

}  // namespace

ORVEL_DATABASE_TEST_SUITE(TillCommand);
