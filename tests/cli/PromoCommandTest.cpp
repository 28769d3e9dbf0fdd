// "orvelmag promo" as a user runs it, on a fresh SQLite file and a fresh PostgreSQL schema:
// promotions added on articles and shown; the price at the till for quantities below, at and
// above M of a 3 x 2, the best of several running promotions, an amount off larger than the price,
// a window that starts tomorrow; bad command lines refused with nothing stored.
#include <ctime>

#include "CliDatabaseTest.h"

namespace {

// A day counted from today, as "dd/mm/yyyy".
std::string Day(int offset)
{
    std::time_t t = std::time(nullptr) + offset * 86400L;
    std::tm local{};
    localtime_r(&t, &local);
    char text[16];
    std::strftime(text, sizeof text, "%d/%m/%Y", &local);
    return text;
}

class PromoCommand : public orvel::test::CliDatabaseTest {
protected:
    // Water at 0.50 and wine at 12.20 with VAT 22.
    void MakeShop()
    {
        Ok("vat add 22 22 Ordinaria");
        Ok("article add A1 Acqua --ean 8001234567897 --vat 22 --cost 0.20 --price-vat 0.50");
        Ok("article add A2 Vino --vat 22 --cost 5 --price-vat 12.20");
    }

    static bool Has(const std::string& output, const std::string& text)
    {
        return output.find(text) != std::string::npos;
    }
};

TEST_P(PromoCommand, PriceAtTheTillTakesTheBestRunningPromotionAndBadPromotionsAreRefused)
{
    MakeShop();
    const std::string today = Day(0), week = Day(6);
    EXPECT_TRUE(Has(Ok("promo add mxn '3 per 2' --mxn 3:2 --from " + today + " --to " + week +
                       " --article 8001234567897 --article A1"),
                    "added promotion 1 M x N 3 x 2 \"3 per 2\", " + today + " - " + week + ", 1 article"));
    Ok("promo add fixed 'Vino a 9,90' --price 9.90 --from " + Day(1) + " --to open --article A2");
    Ok("promo add amount 'Meno 1' --amount 1 --net yes --to open --article A2");

    // Below M nothing is free; at M one piece; above M still one until the next whole block.
    const struct {
        const char* qty;
        const char* line;
    } water[] = {
        {"2", "no running promotion for this article; price 1.00"},
        {"3", "promoted price 1.00 for 3, discount 0.50 (promotion 1)"},
        {"5", "promoted price 2.00 for 5, discount 0.50 (promotion 1)"},
        {"6", "promoted price 2.00 for 6, discount 1.00 (promotion 1)"},
    };
    for (const auto& w : water) {
        const std::string out = Ok(std::string("promo price A1 --qty ") + w.qty);
        EXPECT_TRUE(Has(out, w.line)) << out;
    }
    // The wine: only the amount off runs (1 net is 1.22 with VAT); the fixed price starts
    // tomorrow.
    const std::string wine = Ok("promo price A2 --qty 2");
    EXPECT_TRUE(Has(wine, "promotion 2 Prezzo fisso price 9.90 \"Vino a 9,90\", " + Day(1) + " - open: not running today"))
        << wine;
    EXPECT_TRUE(Has(wine, "promoted price 21.96 for 2, discount 2.44 (promotion 3)")) << wine;

    // Three running on the water: 3 x 2, 60% and 0.40 off; the largest discount wins, and an
    // amount off beyond the price makes it free, never less.
    Ok("promo add percent Sessanta --discounts 60 --article A1");
    EXPECT_TRUE(Has(Ok("promo price A1 --qty 3"), "promoted price 0.60 for 3, discount 0.90 (promotion 4)"));
    Ok("promo add amount Omaggio --amount 5 --article A1");
    EXPECT_TRUE(Has(Ok("promo price A1 --qty 3"), "promoted price 0.00 for 3, discount 1.50 (promotion 5)"));

    const std::string list = Ok("promo list");
    EXPECT_TRUE(Has(list, "1 M x N 3 x 2 \"3 per 2\", " + today + " - " + week + ", running today\n")) << list;
    EXPECT_TRUE(Has(list, "3 Sconto € 1.00 off net \"Meno 1\", " + today + " - open, running today\n")) << list;
    const std::string show = Ok("promo show 2");
    EXPECT_TRUE(Has(show, ", not running today\n  A2 Vino: 12.20, discount 2.30 a unit\n")) << show;

    // Refused command lines store nothing.
    const struct {
        const char* args;
        int exit;
        const char* message;
    } cases[] = {
        {"promo add bogo X --mxn 2:1", 2, "the kind is fixed, percent, mxn or amount, not \"bogo\""},
        {"promo add mxn X", 2, "a mxn promotion needs --mxn"},
        {"promo add mxn X --mxn 2:2", 2, "N must be below M"},
        {"promo add fixed X --price 1 --from 10/03/2026 --to 09/03/2026", 2, "ends (09/03/2026) before it starts"},
        {"promo add fixed X --price 1 --article NOPE", 1, "no article has the code, alternative code, EAN or barcode NOPE"},
        {"promo show 99", 1, "no promotion 99"},
    };
    for (const auto& c : cases) {
        CommandResult r = Run(c.args);
        EXPECT_EQ(r.exitCode, c.exit) << c.args << "\n" << r.output;
        EXPECT_TRUE(Has(r.output, c.message)) << c.args << "\n" << r.output;
    }
    EXPECT_EQ(CountRows("PROMOZIONE"), 5);
    // The last day is whole: a promotion of one day that starts at 18:00 is accepted.
    Ok("promo add fixed X --price 1 --from '10/03/2026 18:00' --to 10/03/2026");
}

ORVEL_DATABASE_TEST_SUITE(PromoCommand);

}  // namespace
