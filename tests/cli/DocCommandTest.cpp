// "orvelmag doc" as a user runs it, on a fresh SQLite file and on a fresh PostgreSQL schema:
// a document built from article keys with the customer's band, a merged repeated article, a free
// gift, an extra discount and transport, checked to the cent on screen and in the database; bad
// documents refused with nothing stored; deletion; and eight tills numbering at once.
#include <ctime>
#include <regex>

#include "CliDatabaseTest.h"

namespace {

class DocCommand : public orvel::test::CliDatabaseTest {
protected:
    // VAT 22 and 10; customer 101 with band RIV (10+5) on category BEV; A1 (VAT 22, price 10,
    // cost 5, with an EAN) and A2 (VAT 10, price 2, cost 1) in BEV; reason 1 a sale invoice to a
    // customer, reason 2 a delivery note without partner.
    void MakeShop()
    {
        Ok("vat add 22 22 Ordinaria");
        Ok("vat add 10 10 Ridotta");
        Ok("band add RIV Rivenditori --discounts 10,5");
        Ok("category add BEV Bevande");
        Ok("partner add 101 'Bar Sport' --kind customer");
        Ok("partner band 101 BEV RIV");
        Ok("article add A1 'Vino rosso' --ean 8001234567897 --vat 22 --category BEV --cost 5 --price 10");
        Ok("article add A2 Succo --vat 10 --category BEV --cost 1 --price 2");
        Ok("reason add 1 Fattura --type FT --party customer --payment yes --transport yes --stock unload");
        Ok("reason add 2 'Documento di trasporto' --type DDT --stock unload");
    }

    static bool HasRow(const std::string& output, const std::string& pattern)
    {
        return std::regex_search(output, std::regex("(^|\n)" + pattern + "(\n|$)"));
    }
};

TEST_P(DocCommand, NewDocumentIsPricedMergedTotalledAndShownToTheCent)
{
    MakeShop();
    // A1 twice (by code and by EAN) merges into 3 at 10 less 10+5; A2 at a given price without
    // discounts; one A2 given away; 10% off the whole; 10 of transport at the expenses' VAT 22.
    const std::string made = Ok("doc new --reason 1 --customer 101 --line A1:2 --line 8001234567897:1 "
                                "--line A2:5:1.80:0 --gift A2:1 --extra-discount 10 --transport 10");
    EXPECT_TRUE(HasRow(made, "added document \\d+: FT n\\. 00001 del \\d\\d/\\d\\d/\\d{4}, 3 lines, total 49\\.28"))
        << made;
    const std::string id = QueryText("SELECT ID FROM DOCUMENTO").value_or("?");

    const std::string show = Ok("doc show " + id);
    EXPECT_TRUE(HasRow(show, "partner: +customer 101 Bar Sport")) << show;
    EXPECT_TRUE(HasRow(show, "reason: +1 Fattura")) << show;
    // A1: 30 less 10+5 is 25.65, less 10% is 23.085; its VAT 5.0787; total 28.1637.
    EXPECT_TRUE(HasRow(show, "A1 +Vino rosso +3 PZ +10\\.00 +10\\+5 +23\\.09 +22 +28\\.16")) << show;
    EXPECT_TRUE(HasRow(show, "A2 +Succo +5 PZ +1\\.80 +8\\.10 +10 +8\\.91")) << show;
    EXPECT_TRUE(HasRow(show, "A2 +Succo +1 PZ +2\\.00 +10\\+5 +0\\.00 +10 +0\\.00  free gift 1")) << show;
    const struct {
        const char* label;
        const char* value;
    } totals[] = {
        {"gross", "41.00"},         {"discounts", "9.81"},   {"  of which extra", "3.47"}, {"free gifts", "0.00"},
        {"net of lines", "31.19"},  {"transport", "10.00"},  {"net document", "41.19"},    {"taxable", "41.19"},
        {"VAT", "8.09"},            {"total", "49.28"},      {"purchase cost", "20.00"},   {"commission", "0.00"},
    };
    for (const auto& t : totals)
        EXPECT_TRUE(HasRow(show, "  " + std::string(t.label) + " +" + t.value)) << t.label << "\n" << show;
    // The summary as stored: the transport joins code 22; the gift line adds nothing to code 10.
    EXPECT_TRUE(HasRow(show, "  10 +10% +8\\.10 +0\\.81")) << show;
    EXPECT_TRUE(HasRow(show, "  22 +22% +33\\.09 +7\\.28")) << show;
    EXPECT_EQ(CountRows("IVA_DOCUMENTO"), 2);
    EXPECT_EQ(QueryText("SELECT TOTALE FROM DOCUMENTO").value_or(""), "49.28");
    EXPECT_EQ(QueryText("SELECT CLI_FAT_RAGIONE_SOCIALE FROM DOCUMENTO").value_or(""), "Bar Sport");
    EXPECT_EQ(QueryText("SELECT QUANTITA FROM VOCI_DOCUMENTO WHERE ID_ARTICOLO = 'A1'").value_or(""), "3");
    EXPECT_EQ(CountRows("VOCI_DOCUMENTO"), 3);

    // The next document of the reason takes the next number; a series numbers on its own.
    EXPECT_TRUE(HasRow(Ok("doc new --reason 1 --customer 101 --line A2:1"), "added document \\d+: FT n\\. 00002 .*"));
    EXPECT_TRUE(
        HasRow(Ok("doc new --reason 1 --customer 101 --series B --line A2:1"), "added document \\d+: FT n\\. B/00001 .*"));
    // A counter set up for a series continues from where it was set.
    const std::time_t now = std::time(nullptr);
    Ok("reason add 3 Reso --type RS --counter R:" + std::to_string(std::localtime(&now)->tm_year + 1900) + ":40");
    EXPECT_TRUE(HasRow(Ok("doc new --reason 3 --series R --line A2:1"), "added document \\d+: RS n\\. R/00041 .*"));
    EXPECT_TRUE(HasRow(Ok("doc new --reason 3 --series R --line A2:1"), "added document \\d+: RS n\\. R/00042 .*"));
}

TEST_P(DocCommand, ABadDocumentIsRefusedWithAReasonAndNothingIsStored)
{
    MakeShop();
    const struct {
        std::string args;
        int exitCode;
        std::string message;
    } cases[] = {
        {"--reason 1 --customer 101 --line A1:1 --line NOPE:2", 1,
         "no article has the code, alternative code, EAN or barcode NOPE; no document was made"},
        {"--reason 9 --line A1:1", 1, "reason 9 not found"},
        {"--reason 2 --customer 101 --line A1:1", 1, "does not name a customer"},
        {"--reason 1 --customer 555 --line A1:1", 1, "partner 555 not found"},
        {"--reason 1 --customer 101 --line A1", 2, "--line takes CODE:QTY"},
        {"--reason 1 --customer 101 --line A1:0", 2, "the quantity of A1 is 0"},
        {"--reason 1 --customer 101 --line A1:1:x", 2, "the price \"x\""},
        {"--reason 1 --customer 101 --line A1:1:5:120", 2, "the discount \"120\""},
        {"--reason 1 --customer 101 --line A1:1 --extra-discount 101", 2, "more than 100"},
        {"--reason 1 --customer 101", 2, "at least one --line"},
        {"--customer 101 --line A1:1", 2, "--reason is required"},
    };
    for (const auto& c : cases) {
        CommandResult r = Run("doc new " + c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args << "\n" << r.output;
        EXPECT_NE(r.output.find(c.message), std::string::npos) << c.args << "\n" << r.output;
    }
    EXPECT_EQ(CountRows("DOCUMENTO"), 0);
    EXPECT_EQ(CountRows("VOCI_DOCUMENTO"), 0);
    EXPECT_EQ(CountRows("IVA_DOCUMENTO"), 0);
    EXPECT_EQ(Run("doc show 1").exitCode, 1);
    EXPECT_EQ(Run("doc list --from 31/02").exitCode, 2);
}

TEST_P(DocCommand, ListFiltersByDateAndDeleteRemovesTheDocumentWithItsLinesAndVat)
{
    MakeShop();
    Ok("doc new --reason 1 --customer 101 --line A1:1 --line A2:1");
    Ok("doc new --reason 2 --line A2:4");
    const std::string first = QueryText("SELECT MIN(ID) FROM DOCUMENTO").value_or("?");
    const std::string second = QueryText("SELECT MAX(ID) FROM DOCUMENTO").value_or("?");

    const std::string all = Ok("doc list");
    EXPECT_TRUE(HasRow(all, first + " +FT n\\. 00001 del .* +customer 101 Bar Sport +12\\.31")) << all;
    EXPECT_TRUE(HasRow(all, second + " +DDT n\\. 00001 del .* +no partner +8\\.80")) << all;
    EXPECT_TRUE(HasRow(all, "2 documents")) << all;
    EXPECT_TRUE(HasRow(Ok("doc list --from 01/01/1990 --to 31/12/1999"), "0 documents"));
    EXPECT_TRUE(HasRow(Ok("doc list --from 01/01/2000 --to 31/12/2999"), "2 documents"));

    EXPECT_TRUE(HasRow(Ok("doc delete " + first), "deleted document " + first + ": FT n\\. 00001 del .*"));
    EXPECT_EQ(QueryLong(("SELECT COUNT(*) FROM VOCI_DOCUMENTO WHERE ID_DOCUMENTO = " + first).c_str()), 0);
    EXPECT_EQ(QueryLong(("SELECT COUNT(*) FROM IVA_DOCUMENTO WHERE ID_DOCUMENTO = " + first).c_str()), 0);
    EXPECT_EQ(CountRows("DOCUMENTO"), 1);
    EXPECT_EQ(CountRows("VOCI_DOCUMENTO"), 1);
    CommandResult again = Run("doc delete " + first);
    EXPECT_EQ(again.exitCode, 1) << again.output;
    EXPECT_TRUE(HasRow(again.output, "document " + first + " not found")) << again.output;
    EXPECT_TRUE(HasRow(Ok("doc list"), "1 document"));
}

// Eight tills save a document of the same reason at once: each is stored once, with all its
// lines and VAT rows, and the numbers are 1 to 8 without a gap or a repeat.
TEST_P(DocCommand, EightTillsNumberingAtOnceGetDistinctConsecutiveNumbers)
{
    MakeShop();
    const std::vector<std::vector<std::string>> tills(8, {"doc new --reason 1 --customer 101 --line A1:1 --line A2:2"});
    const std::vector<std::string> outputs = RunTogether(tills);
    for (const std::string& output : outputs)
        EXPECT_TRUE(HasRow(output, "exit 0")) << output;
    EXPECT_EQ(CountRows("DOCUMENTO"), 8);
    EXPECT_EQ(QueryLong("SELECT COUNT(DISTINCT NUMERO) FROM DOCUMENTO"), 8);
    EXPECT_EQ(QueryLong("SELECT MIN(NUMERO) FROM DOCUMENTO"), 1);
    EXPECT_EQ(QueryLong("SELECT MAX(NUMERO) FROM DOCUMENTO"), 8);
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM DOCUMENTO D WHERE (SELECT COUNT(*) FROM VOCI_DOCUMENTO V "
                        "WHERE V.ID_DOCUMENTO = D.ID) = 2 AND (SELECT COUNT(*) FROM IVA_DOCUMENTO I "
                        "WHERE I.ID_DOCUMENTO = D.ID) = 2"),
              8);
    EXPECT_EQ(CountRows("VOCI_DOCUMENTO"), 16);
    // The counter holds the last number used, so the next document is the ninth.
    EXPECT_TRUE(HasRow(Ok("doc new --reason 1 --customer 101 --line A2:1"), "added document \\d+: FT n\\. 00009 .*"));
}

}  // namespace

ORVEL_DATABASE_TEST_SUITE(DocCommand);
