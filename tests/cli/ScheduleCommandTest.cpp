// "orvelmag formula" and "orvelmag schedule" as a user runs them, on both databases: a 30/60 days
// end-of-month formula applied to an invoice, saved, shown and paid once; a formula whose
// percentages fall short; refused command lines that store nothing.
#include "CliDatabaseTest.h"

namespace {

class ScheduleCommand : public orvel::test::CliDatabaseTest {
protected:
    static bool Has(const std::string& output, const std::string& text)
    {
        return output.find(text) != std::string::npos;
    }
};

TEST_P(ScheduleCommand, AnInvoiceIsSplitSavedShownAndPaidOnce)
{
    Ok("vat add 22 22 Ordinaria");
    Ok("partner add 101 'Rossi Srl'");
    Ok("article add A1 Vino --vat 22 --cost 5 --price-vat 12.20");
    Ok("reason add 1 Fattura --type FT --party customer --payment yes --stock unload");
    Ok("doc new --reason 1 --customer 101 --line A1:7");  // 85.40 with VAT
    EXPECT_TRUE(Has(Ok("formula add 3 '30/60 fm' --line 30:50:eom --line 60:50:eom"),
                    "added formula 3 \"30/60 fm\": 30 days end of month 50%, 60 days end of month 50%\n"));
    EXPECT_TRUE(Has(Ok("formula add 4 'tre rate' --line 10:33 --line 20:33 --line 30:33"),
                    "the percentages add up to 99%, the first instalment of a schedule takes the difference"));

    // Without --save nothing is stored; the uneven split still adds up to the total.
    const std::string thirds = Ok("schedule make 1 --formula 4");
    EXPECT_TRUE(Has(thirds, "Rossi Srl (101), receivable: 85.40 in 3 instalments")) << thirds;
    EXPECT_TRUE(Has(thirds, "29.04\n")) << thirds;
    EXPECT_EQ(Run("schedule show 1").output, "no schedule 1\n");

    const std::string made = Ok("schedule make 1 --formula 3 --save");
    EXPECT_TRUE(Has(made, "42.70\n")) << made;
    EXPECT_TRUE(Has(made, "saved schedule 1\n")) << made;
    const std::string shown = Ok("schedule show 1");
    EXPECT_TRUE(Has(shown, "total 85.40 (taxable 70.00, VAT 15.40), formula 3 \"30/60 fm\"")) << shown;
    EXPECT_TRUE(Has(shown, "  document 1 FT 1 of ")) << shown;

    EXPECT_TRUE(Has(Ok("schedule pay 1 2 --date 15/03/2030"), "paid instalment 2 of schedule 1: 42.70 due "));
    const CommandResult again = Run("schedule pay 1 2");
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(Has(again.output, "instalment 2 of schedule 1 was already paid on 15/03/2030")) << again.output;
    EXPECT_TRUE(Has(Ok("schedule show 1"), "42.70  paid 15/03/2030\n"));

    // Refused: an unknown formula, a document that does not exist, malformed lines, a taken id.
    const struct {
        const char* args;
        int exitCode;
        const char* says;
    } refused[] = {
        {"schedule make 1 --formula 9 --save", 1, "La formula di pagamento fornita è inesistente."},
        {"schedule make 7 --formula 3", 1, "no document 7"},
        {"schedule pay 1 5", 1, "schedule 1 has no instalment 5"},
        {"formula add 5 x --line 30", 2, "--line takes DAYS:PERCENT[:eom][:TYPE]"},
        {"formula add 5 x --line 30:0", 2, "is not above 0 and at most 100"},
        {"formula add 5 x --line 30:50:eom:8", 1, "no payment type 8; nothing was added"},
        {"formula add 3 again --line 30:100", 1, "formula 3 already exists; nothing was added"},
    };
    for (const auto& r : refused) {
        const CommandResult result = Run(r.args);
        EXPECT_EQ(result.exitCode, r.exitCode) << r.args << "\n" << result.output;
        EXPECT_TRUE(Has(result.output, r.says)) << r.args << "\n" << result.output;
    }
    EXPECT_EQ(CountRows("SCADENZARIO"), 1);
    EXPECT_EQ(CountRows("SCADENZA"), 2);
    EXPECT_EQ(CountRows("FORMULA_PAGAMENTO"), 2);
}

}  // namespace

ORVEL_DATABASE_TEST_SUITE(ScheduleCommand);
