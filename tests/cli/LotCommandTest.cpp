// "orvelmag lot" on both databases: lots numbered per year across New Year, found again by the
// code printed on their label, misread codes and bad options refused, and tills opening lots at
// once.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "CliDatabaseTest.h"

namespace {

class LotCommand : public orvel::test::CliDatabaseTest {
protected:
    void SetUp() override
    {
        CliDatabaseTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        Ok("vat add 10 10 Ridotta");
        Ok("article add LATTE 'Latte fresco' --ean 8001234567897 --vat 10 --cost 1 --price 2");
    }
};

bool Has(const std::string& output, const std::string& text) { return output.find(text) != std::string::npos; }

}  // namespace

TEST_P(LotCommand, LotsAreNumberedPerYearAndFoundByTheirPrintedCode)
{
    EXPECT_TRUE(Has(Ok("lot new LATTE --qty 12 --date 30/12/2025 --expiry 15/01/2026 --supplier-lot F-9"),
                    "added lot 2025/00000001 code 2025000000018 of article LATTE"));
    EXPECT_TRUE(Has(Ok("lot new 8001234567897 --date 31/12/2025"), "added lot 2025/00000002 code 2025000000025"))
        << "the article found by its barcode";
    EXPECT_TRUE(Has(Ok("lot new LATTE --date 01/01/2026"), "added lot 2026/00000001 code 2026000000015"));

    const std::string found = Ok("lot find 2025000000018");
    EXPECT_TRUE(Has(found, "lot:          2025/00000001\ncode:         2025000000018\narticle:      LATTE Latte fresco\n"
                           "created:      30/12/2025 00:00\nexpires:      15/01/2026\nloaded:       12.000\n"
                           "drawn:        0.000\nleft:         12.000\nclosed:       no\nsupplier lot: F-9\n"))
        << found;
    EXPECT_TRUE(Has(Ok("lot show 2026/1"), "code:         2026000000015\narticle:      LATTE"));

    const std::tuple<const char*, int, const char*> refused[] = {
        {"lot find 2025000000017", 2, "lot code 2025000000017 has a wrong check digit"},
        {"lot find 202500000001", 2, "a lot code is 13 digits"},
        {"lot find 2025000000032", 1, "no lot with code 2025000000032"},
        {"lot new NOPE", 1, "article NOPE not found"},
        {"lot new LATTE --date 31/02/2026", 2, "--date takes a date dd/mm/yyyy"},
        {"lot new LATTE --date 10/01/2026 --expiry 09/01/2026", 2, "expire before the day it is made"},
    };
    for (const auto& [args, exitCode, message] : refused) {
        CommandResult r = Run(args);
        EXPECT_EQ(r.exitCode, exitCode) << args << "\n" << r.output;
        EXPECT_TRUE(Has(r.output, message)) << args << "\n" << r.output;
    }
    EXPECT_EQ(CountRows("LOTTO"), 3) << "a refused lot is not added";
}

TEST_P(LotCommand, TillsOpeningLotsAtOnceNeverShareANumber)
{
    const std::vector<std::string> three(3, "lot new LATTE --date 05/05/2026");
    const std::vector<std::string> outputs = RunTogether({three, three, three, three});
    for (const std::string& output : outputs)
        EXPECT_TRUE(Has(output, "exit 0")) << output;
    EXPECT_EQ(QueryLong("SELECT COUNT(DISTINCT NUMERO) * 100 + MAX(NUMERO) FROM LOTTO WHERE ANNO = 2026"), 1212)
        << "twelve lots numbered 1 to 12";
}

ORVEL_DATABASE_TEST_SUITE(LotCommand);
