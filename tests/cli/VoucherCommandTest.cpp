// "orvelmag voucher" as a user runs it, on a fresh SQLite file and on a fresh PostgreSQL schema:
// command lines refused with nothing stored, then campaigns of every kind checked against a stored
// receipt: at its total and one cent above, one limited to a family the receipt holds and one to a
// family it does not, campaigns outside their days or for another reason.
#include <ctime>
#include <regex>

#include "CliDatabaseTest.h"

namespace {

std::string DayText(int daysFromToday)
{
    std::time_t when = std::time(nullptr) + daysFromToday * 86400L;
    char text[16];
    std::strftime(text, sizeof text, "%d/%m/%Y", std::localtime(&when));
    return text;
}

class VoucherCommand : public orvel::test::CliDatabaseTest {
protected:
    // Receipt 1 of reason 1: two wines (family VIN) at 10 with VAT 22 and a juice (family SUC) at 5
    // with VAT 10: 24.40 + 5.50 = 29.90. Family ALT has no article on it; reason 2 another kind.
    std::string MakeReceipt()
    {
        Ok("vat add 22 22 Ordinaria");
        Ok("vat add 10 10 Ridotta");
        Ok("category add BEV Bevande");
        Ok("article add A1 Vino --vat 22 --category BEV --cost 5 --price 10");
        Ok("article add A2 Succo --vat 10 --category BEV --cost 1 --price 5");
        Exec("INSERT INTO FAMIGLIA (ID, DESCRIZIONE) VALUES ('VIN', 'Vini'), ('SUC', 'Succhi'), ('ALT', 'Altro')");
        Exec("UPDATE ARTICOLO SET ID_FAMIGLIA = 'VIN' WHERE ID = 'A1'");
        Exec("UPDATE ARTICOLO SET ID_FAMIGLIA = 'SUC' WHERE ID = 'A2'");
        Ok("reason add 1 Scontrino --type SC --stock unload");
        Ok("reason add 2 Reso --type RS --stock load");
        Ok("doc new --reason 1 --line A1:2 --line A2:1");
        return QueryText("SELECT ID FROM DOCUMENTO").value_or("?");
    }
};

TEST_P(VoucherCommand, CheckTellsWhichCampaignsAStoredReceiptEarns)
{
    const std::string doc = MakeReceipt();
    // Refused campaigns store nothing.
    const struct {
        const char* args;
        int exitCode;
        const char* message;
    } refused[] = {
        {"voucher add --kind gift", 2, "--kind takes percent|amount|goods|points"},
        {"voucher add --kind percent", 2, "--discount is given with --kind percent"},
        {"voucher add --kind percent --discount 120", 2, "--discount takes a percentage above 0 and up to 100"},
        {"voucher add --kind points", 2, "a points campaign needs --threshold"},
        {"voucher add --kind goods --threshold 50 --max 40", 2, "--max is below --threshold"},
        {"voucher add --kind goods --from 02/01/2026 --to 01/01/2026", 2, "--to is before --from"},
        {"voucher add --kind goods --family VIN --family NOPE", 1, "family NOPE does not exist"},
        {"voucher check 999", 1, "document 999 not found"},
    };
    for (const auto& c : refused) {
        CommandResult r = Run(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args << "\n" << r.output;
        EXPECT_NE(r.output.find(c.message), std::string::npos) << c.args << "\n" << r.output;
    }
    EXPECT_EQ(CountRows("EMISSIONE_BUONO") + CountRows("EMISSIONE_BUONO_FAMIGLIA"), 0);

    const std::string yesterday = DayText(-1), tomorrow = DayText(1);
    const struct {
        std::string args;
        std::string verdict;  // what check says of the campaign
    } campaigns[] = {
        {"--kind percent --discount 10 --threshold 29.90", "counted 29.90, earns a voucher worth 2.99"},
        {"--kind amount --amount 5 --threshold 29.91", "counted 29.90, no voucher"},
        {"--kind points --threshold 10 --family VIN --from 01/01/2020 --to none",
         "counted 24.40, earns 2 points"},
        {"--kind goods --family ALT", "counted 0.00, none of its articles, no voucher"},
        {"--kind goods --group G1 --category BEV --text 'Un omaggio'", "counted 29.90, earns the goods"},
        {"--kind percent --discount 5 --from " + tomorrow + " --to none", "not running today"},
        {"--kind percent --discount 5 --from none --to " + yesterday, "not running today"},
        {"--kind amount --amount 3 --reason 2", "not for documents of reason 1"},
    };
    Exec("INSERT INTO GRUPPO (ID, DESCRIZIONE) VALUES ('G1', 'Rossi')");
    for (const auto& c : campaigns)
        EXPECT_TRUE(std::regex_search(Ok("voucher add " + c.args), std::regex("^added voucher campaign \\d+ ")))
            << c.args;
    EXPECT_EQ(CountRows("EMISSIONE_BUONO_FAMIGLIA"), 2);

    const std::string check = Ok("voucher check " + doc);
    std::size_t at = 0;
    for (const auto& c : campaigns) {
        // One line per campaign, in the order they were added.
        const std::size_t found = check.find("): " + c.verdict + "\n", at);
        EXPECT_NE(found, std::string::npos) << c.args << "\n" << check;
        at = found == std::string::npos ? at : found + 1;
    }
    EXPECT_NE(check.find("document " + doc + " earns 3 vouchers\n"), std::string::npos) << check;
}

ORVEL_DATABASE_TEST_SUITE(VoucherCommand);

}  // namespace
