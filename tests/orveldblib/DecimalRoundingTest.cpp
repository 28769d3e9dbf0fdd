// Decimal rounding and conversions: Round3's commercial rounding at every midpoint position and
// sign, Fixed, MakeAbsolute, the conversion to long, construction from a DECIMAL and the layout.
#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <string>

#include "DecimalTestHelpers.h"
#include "orveldblib/Decimal.h"

using decimal_test::D;
using decimal_test::Exact;

namespace {

std::string rounded(const char* text, int decimals)
{
    Decimal d = D(text);
    return Exact(d.Round3(decimals));
}

}  // namespace

TEST(DecimalRound3, RoundsHalfAwayFromZero)
{
    EXPECT_EQ(rounded("2.345", 2), "2.35");
    EXPECT_EQ(rounded("-2.345", 2), "-2.35");
    EXPECT_EQ(rounded("2.3449", 2), "2.34");
    EXPECT_EQ(rounded("-2.3449", 2), "-2.34");
    EXPECT_EQ(rounded("2.355", 2), "2.36");  // half to even would give 2.36 too; 2.345 tells them apart
    EXPECT_EQ(rounded("0.5", 0), "1");
    EXPECT_EQ(rounded("-0.5", 0), "-1");
    EXPECT_EQ(rounded("1.5", 0), "2");
    EXPECT_EQ(rounded("2.5", 0), "3");
    EXPECT_EQ(rounded("2.4999999999999999999999999999", 0), "2");
    EXPECT_EQ(rounded("9.995", 2), "10.00");
    EXPECT_EQ(rounded("-9.995", 2), "-10.00");
    EXPECT_EQ(rounded("2.30001", 2), "2.30");
}

TEST(DecimalRound3, EveryMidpointPositionAndSign)
{
    // 1.<n digits>5 rounds up at n decimals whatever the last kept digit (half to even would
    // not), and 1.<n digits>4999... (28 fraction digits in all) rounds down.
    for (int n = 0; n <= 27; ++n) {
        for (const char* lastKept : {"0", "1", "4", "9"}) {
            std::string fraction = std::string(static_cast<std::size_t>(n), '3');
            if (n > 0)
                fraction.back() = lastKept[0];
            std::string text = "1." + fraction + "5";
            std::string down = n == 0 ? "1" : "1." + fraction;
            // Expected: the kept digits plus one unit in the last place.
            Decimal unit = D(n == 0 ? "1" : ("0." + std::string(static_cast<std::size_t>(n - 1), '0') + "1").c_str());
            std::string up = Exact(D(down) + unit);
            EXPECT_EQ(rounded(text.c_str(), n), up) << text;
            EXPECT_EQ(rounded(("-" + text).c_str(), n), "-" + up) << text;
            // Just below the midpoint rounds down.
            std::string below = "1." + fraction + "4" + std::string(static_cast<std::size_t>(27 - n), '9');
            EXPECT_EQ(rounded(below.c_str(), n), down) << below;
            EXPECT_EQ(rounded(("-" + below).c_str(), n), "-" + down) << below;
        }
    }
}

TEST(DecimalRound3, LeavesShorterValuesAloneAndClampsTheDigits)
{
    EXPECT_EQ(rounded("22", 2), "22");  // no zero padding
    EXPECT_EQ(rounded("2.5", 2), "2.5");
    EXPECT_EQ(rounded("2.50", 2), "2.50");
    EXPECT_EQ(rounded("2.5", -3), "3");  // below 0 counts as 0
    EXPECT_EQ(rounded("0.0000000000000000000000000001", 40), "0.0000000000000000000000000001");
    EXPECT_EQ(rounded("79228162514264337593543950335", 0), "79228162514264337593543950335");
    EXPECT_EQ(rounded("7.9228162514264337593543950335", 0), "8");
    EXPECT_EQ(rounded("7.9228162514264337593543950335", 27), "7.922816251426433759354395034");
}

TEST(DecimalRound3, ZeroAfterRoundingIsPositiveAndCallsChain)
{
    EXPECT_EQ(rounded("-0.004", 2), "0.00");
    EXPECT_EQ(rounded("-0.0000000000000000000000000001", 27), "0.000000000000000000000000000");
    Decimal d = D("1.23456");
    Decimal& same = d.Round3(4).Round3(3);
    EXPECT_EQ(&same, &d);
    EXPECT_EQ(Exact(d), "1.235");
}

TEST(DecimalFixed, DropsTheFractionTowardZero)
{
    EXPECT_EQ(Exact(D("-2.7").Fixed()), "-2");
    EXPECT_EQ(Exact(D("2.7").Fixed()), "2");
    EXPECT_EQ(Exact(D("-0.5").Fixed()), "0");
    EXPECT_EQ(Exact(D("12.00").Fixed()), "12");
    EXPECT_EQ(Exact(D("7.9228162514264337593543950335").Fixed()), "7");
    EXPECT_EQ(Exact(D("79228162514264337593543950335").Fixed()), "79228162514264337593543950335");
    EXPECT_EQ(Exact(D("-1234567890123456789012.34567").Fixed()), "-1234567890123456789012");
    const Decimal original = D("5.5");
    (void)original.Fixed();
    EXPECT_EQ(Exact(original), "5.5");  // Fixed returns a new value
}

TEST(DecimalMakeAbsolute, ClearsTheSignInPlace)
{
    Decimal d = D("-12.50");
    EXPECT_EQ(&d.MakeAbsolute(), &d);
    EXPECT_EQ(Exact(d), "12.50");
    EXPECT_EQ(Exact(d.MakeAbsolute()), "12.50");
    Decimal z = -D("0.0");
    EXPECT_EQ(Exact(z.MakeAbsolute()), "0.0");
}

TEST(DecimalToLong, TruncatesTowardZeroAndRefusesWhatDoesNotFit)
{
    EXPECT_EQ(static_cast<long>(D("2.9")), 2L);
    EXPECT_EQ(static_cast<long>(D("-2.9")), -2L);
    EXPECT_EQ(static_cast<long>(D("-0.9")), 0L);
    EXPECT_EQ(static_cast<long>(D("9223372036854775807.9")), LONG_MAX);
    EXPECT_EQ(static_cast<long>(D("-9223372036854775808.9")), LONG_MIN);
    EXPECT_EQ(static_cast<long>(Decimal(LONG_MIN)), LONG_MIN);
    EXPECT_THROW((void)static_cast<long>(D("9223372036854775808")), DecimalOverflowException);
    EXPECT_THROW((void)static_cast<long>(D("-9223372036854775809")), DecimalOverflowException);
    EXPECT_THROW((void)static_cast<long>(D("79228162514264337593543950335")), DecimalOverflowException);
    EXPECT_EQ(static_cast<long>(D("7.9228162514264337593543950335")), 7L);
}

TEST(DecimalLayout, IsTheSixteenByteOleDecimal)
{
    static_assert(sizeof(Decimal) == 16);
    static_assert(offsetof(tagDEC, wReserved) == 0);
    static_assert(offsetof(tagDEC, scale) == 2);
    static_assert(offsetof(tagDEC, sign) == 3);
    static_assert(offsetof(tagDEC, Hi32) == 4);
    static_assert(offsetof(tagDEC, Lo64) == 8);

    const Decimal minusFive(-5);
    const tagDEC& minus = minusFive.GetDEC();
    EXPECT_EQ(minus.sign, DECIMAL_NEG);
    EXPECT_EQ(minus.scale, 0);
    EXPECT_EQ(minus.Lo64, 5u);
    EXPECT_EQ(minus.Hi32, 0u);

    const Decimal bigValue = D("-18446744073709551616.25");  // 2^64 * 100 + 25 hundredths
    const tagDEC& big = bigValue.GetDEC();
    EXPECT_EQ(big.scale, 2);
    EXPECT_EQ(big.sign, DECIMAL_NEG);
    EXPECT_EQ(big.Hi32, 100u);
    EXPECT_EQ(big.Lo64, 25u);

    EXPECT_TRUE(D("-1").IsNegative());
    EXPECT_FALSE((-D("0.00")).IsNegative());
    EXPECT_TRUE((-D("0.00")).IsZero());
    EXPECT_EQ(D("1.250").GetScale(), 3);
}

TEST(DecimalLayout, ConstructionFromADecimalChecksItsBytes)
{
    tagDEC dec{};
    dec.wReserved = 14;  // the variant type a VARIANT keeps there
    dec.scale = 3;
    dec.sign = DECIMAL_NEG;
    dec.Lo64 = 12345;
    Decimal d(dec);
    EXPECT_EQ(Exact(d), "-12.345");
    EXPECT_EQ(d.GetDEC().wReserved, 0);

    tagDEC badScale = dec;
    badScale.scale = 29;
    EXPECT_THROW(Decimal{badScale}, DecimalException);
    tagDEC badSign = dec;
    badSign.sign = 1;
    EXPECT_THROW(Decimal{badSign}, DecimalException);
}
