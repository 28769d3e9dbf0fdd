// Decimal operations beyond single results: what an error leaves behind and what it is, compound
// and free operators alike, mixing in longs and refusing doubles, chains of operations, and
// commercial rounding at every midpoint position.
#include <gtest/gtest.h>

#include <climits>
#include <exception>
#include <utility>
#include <string>
#include <type_traits>

#include "DecimalTestHelpers.h"

using decimal_test::D;
using decimal_test::Exact;

namespace {
const std::string kMax = "79228162514264337593543950335";
}

TEST(DecimalArithmetic, AFailedOperationSaysWhyAndLeavesTheLeftOperandUntouched)
{
    Decimal total = D(kMax);
    EXPECT_THROW(total *= Decimal(10), DecimalOverflowException);
    EXPECT_THROW(total /= D("0.5"), DecimalOverflowException);
    EXPECT_THROW(total -= D("-1"), DecimalOverflowException);
    EXPECT_EQ(Exact(total), kMax);
    // Our exceptions are std::exceptions, and their text names the failure.
    for (const auto& [divisor, kind] : {std::pair{"-0.00", "zero"}, std::pair{"0.1", "overflow"}}) {
        try {
            total /= D(divisor);
            ADD_FAILURE() << "no error dividing by " << divisor;
        } catch (const std::exception& e) {
            EXPECT_NE(dynamic_cast<const DecimalException*>(&e), nullptr);
            EXPECT_NE(std::string(e.what()).find(kind), std::string::npos) << e.what();
        }
        EXPECT_EQ(Exact(total), kMax);
    }
}

TEST(DecimalArithmetic, CompoundAndFreeOperatorsAgreeAndSelfOperandsWork)
{
    const Decimal a = D("-1234.5678");
    const Decimal b = D("0.0321");
    Decimal sum = a, difference = a, product = a, quotient = a;
    EXPECT_EQ(Exact(sum += b), Exact(a + b));
    EXPECT_EQ(Exact(difference -= b), Exact(a - b));
    EXPECT_EQ(Exact(product *= b), Exact(a * b));
    EXPECT_EQ(Exact(quotient /= b), Exact(a / b));
    EXPECT_EQ(Exact(quotient), "-38460.056074766355140186915888");

    // The right operand may be the left one itself.
    Decimal y = D("2.5");
    const Decimal& same = y;
    EXPECT_EQ(Exact(y += same), "5.0");
    EXPECT_EQ(Exact(y *= same), "25.00");
    EXPECT_EQ(Exact(y /= same), "1");
    EXPECT_EQ(Exact(y -= same), "0");
}

TEST(DecimalArithmetic, LongsMixInAndBinaryFloatingPointIsRefused)
{
    // 0.1 as a double is not 0.1, and through long it would be 0: neither may slip in.
    static_assert(!std::is_constructible_v<Decimal, double> && !std::is_constructible_v<Decimal, float>);
    static_assert(!std::is_assignable_v<Decimal&, double> && std::is_constructible_v<Decimal, unsigned>);
    // Conversion to long is explicit, so that `amount + 1` stays Decimal arithmetic.
    static_assert(!std::is_convertible_v<Decimal, long>);
    Decimal d = 7;
    d = 8;
    EXPECT_EQ(Exact(d + 1), "9");
    EXPECT_EQ(Exact(D("19.99") * 3), "59.97");
    EXPECT_TRUE(d == 8 && Decimal(-3) < 0 && D("3.00") == 3);
    d = -42L;
    EXPECT_EQ(Exact(d), "-42");
    EXPECT_EQ(Exact(-D("-12.50")), "12.50");
    EXPECT_EQ(Exact(-Decimal()), "-0");
    EXPECT_EQ(Exact(Decimal(LONG_MIN)), "-9223372036854775808");
    EXPECT_EQ(static_cast<long>(Decimal(LONG_MIN)), LONG_MIN);
    EXPECT_EQ(Exact(Decimal(LONG_MAX)), "9223372036854775807");
}

TEST(DecimalArithmetic, ChainsShrinkToScale28AndThirdsStayBelowOne)
{
    Decimal x(1);
    const Decimal tenth = D("0.1");
    for (int i = 1; i <= 28; ++i) {
        x *= tenth;
        ASSERT_EQ(Exact(x), "0." + std::string(static_cast<std::size_t>(i - 1), '0') + "1");
    }
    x *= tenth;  // 1e-29 rounds to zero at scale 28
    EXPECT_EQ(Exact(x), "0.0000000000000000000000000000");
    // The classic: the rounded third times three stays just below 1, as with VarDecMul.
    const Decimal third = Decimal(1) / Decimal(3);
    EXPECT_EQ(Exact(third * Decimal(3)), "0.9999999999999999999999999999");
    EXPECT_EQ(Exact(third + third + third), "0.9999999999999999999999999999");
}

TEST(DecimalRound3, RoundsEveryMidpointAwayFromZeroInPlace)
{
    // 1.<n digits>5 rounds up at n decimals whatever the last kept digit (half to even would
    // not), and 1.<n digits>4999... (28 fraction digits in all) rounds down.
    for (int n = 0; n <= 27; ++n) {
        for (char lastKept : {'0', '1', '4', '9'}) {
            std::string fraction(static_cast<std::size_t>(n), '3');
            if (n > 0)
                fraction.back() = lastKept;
            const std::string down = n == 0 ? "1" : "1." + fraction;
            const Decimal unit = n == 0 ? Decimal(1) : D("0." + std::string(static_cast<std::size_t>(n - 1), '0') + "1");
            const std::string up = Exact(D(down) + unit);
            const std::string half = "1." + fraction + "5";
            const std::string below = "1." + fraction + "4" + std::string(static_cast<std::size_t>(27 - n), '9');
            for (const auto& [text, expected] : {std::pair{half, up}, std::pair{below, down}}) {
                Decimal positive = D(text), negative = D("-" + text);
                ASSERT_EQ(Exact(positive.Round3(n)), expected) << text;
                ASSERT_EQ(Exact(negative.Round3(n)), "-" + expected) << text;
            }
        }
    }
    Decimal d = D("1.23456");
    EXPECT_EQ(&d.Round3(4).Round3(3), &d);
    EXPECT_EQ(Exact(d), "1.235");
    EXPECT_EQ(&d.MakeAbsolute(), &d);
    Decimal negative = D("-12.50"), negativeZero = D("-0.0");
    EXPECT_EQ(Exact(negative.MakeAbsolute()), "12.50");
    EXPECT_EQ(Exact(negativeZero.MakeAbsolute()), "0.0");
    const Decimal original = D("-5.5");
    EXPECT_EQ(Exact(original.Fixed()), "-5");
    EXPECT_EQ(Exact(original), "-5.5");  // Fixed returns a new value
}
