// Decimal + - * /: exact results across scales and limb boundaries, the 96-bit limits, rounding
// when a result does not fit, the sign and scale of zero results, and the errors.
#include <gtest/gtest.h>

#include <climits>
#include <exception>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "DecimalTestHelpers.h"
#include "orveldblib/Decimal.h"

using decimal_test::D;
using decimal_test::Exact;

namespace {

struct Case {
    const char* op;
    const char* a;
    const char* b;
    const char* expected;  // value with its scale, "-0" for a negative zero, or "overflow"
};

std::string apply(const std::string& op, const Decimal& a, const Decimal& b)
{
    try {
        if (op == "add")
            return Exact(a + b);
        if (op == "sub")
            return Exact(a - b);
        if (op == "mul")
            return Exact(a * b);
        return Exact(a / b);
    } catch (const DecimalOverflowException&) {
        return "overflow";
    }
}

void checkAll(const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        EXPECT_EQ(apply(c.op, D(c.a), D(c.b)), c.expected) << c.a << " " << c.op << " " << c.b;
    }
}

const std::string kMax = "79228162514264337593543950335";

}  // namespace

TEST(DecimalArithmetic, AdditionAndSubtractionAlignToTheLargerScale)
{
    checkAll({
        {"add", "1.5", "2.25", "3.75"},
        {"add", "0.1", "0.02", "0.12"},
        {"add", "-1.5", "0.25", "-1.25"},
        {"sub", "1", "0.001", "0.999"},
        {"sub", "0.001", "1", "-0.999"},
        {"add", "12.50", "0.5", "13.00"},
        {"sub", "-2.5", "-2.5", "-0.0"},
        {"add", "1", "0.0000000000000000000000000001", "1.0000000000000000000000000001"},
    });
}

TEST(DecimalArithmetic, CarriesAndBorrowsCrossThe32And64BitLimbs)
{
    checkAll({
        {"add", "4294967295", "1", "4294967296"},
        {"sub", "4294967296", "1", "4294967295"},
        {"add", "18446744073709551615", "1", "18446744073709551616"},
        {"sub", "18446744073709551616", "1", "18446744073709551615"},
        {"sub", "18446744073709551616", "0.5", "18446744073709551615.5"},
        {"add", "-18446744073709551616", "18446744073709551615", "-1"},
        {"mul", "4294967296", "4294967296", "18446744073709551616"},
        {"mul", "4294967295", "4294967295", "18446744065119617025"},
        {"mul", "18446744073709551616", "4294967295", "79228162495817593519834398720"},
        {"div", "18446744073709551616", "4294967296", "4294967296"},
        {"div", "79228162495817593519834398720", "18446744073709551616", "4294967295"},
    });
}

TEST(DecimalArithmetic, NinetySixBitLimitsHoldAndEveryOperatorOverflows)
{
    checkAll({
        {"add", "79228162514264337593543950334", "1", kMax.c_str()},
        {"add", kMax.c_str(), "1", "overflow"},
        {"sub", ("-" + kMax).c_str(), "1", "overflow"},
        {"sub", kMax.c_str(), ("-" + kMax).c_str(), "overflow"},
        {"add", kMax.c_str(), "0.4", kMax.c_str()},
        // max + 0.5 is a tie; the odd max rounds up to 2^96, which does not fit.
        {"add", kMax.c_str(), "0.5", "overflow"},
        {"add", "79228162514264337593543950334", "0.5", "79228162514264337593543950334"},
        {"mul", kMax.c_str(), "2", "overflow"},
        {"mul", "39614081257132168796771975168", "2", "overflow"},
        {"mul", kMax.c_str(), "1.0", kMax.c_str()},
        {"mul", kMax.c_str(), "-1", ("-" + kMax).c_str()},
        {"div", kMax.c_str(), "0.1", "overflow"},
        {"div", "10", "0.0000000000000000000000000001", "overflow"},
        {"div", "1", "0.0000000000000000000000000001", "10000000000000000000000000000"},
        {"div", kMax.c_str(), "1", kMax.c_str()},
        {"div", kMax.c_str(), kMax.c_str(), "1"},
        {"div", kMax.c_str(), "3", "26409387504754779197847983445"},
    });
}

TEST(DecimalArithmetic, OverflowLeavesTheLeftOperandUntouched)
{
    Decimal total = D(kMax);
    EXPECT_THROW(total += Decimal(1), DecimalOverflowException);
    EXPECT_EQ(Exact(total), kMax);
    EXPECT_THROW(total *= Decimal(10), DecimalOverflowException);
    EXPECT_EQ(Exact(total), kMax);
    EXPECT_THROW(total /= D("0.5"), DecimalOverflowException);
    EXPECT_EQ(Exact(total), kMax);
    Decimal low = -D(kMax);
    EXPECT_THROW(low -= Decimal(1), DecimalOverflowException);
    EXPECT_EQ(Exact(low), "-" + kMax);
}

TEST(DecimalArithmetic, MultiplicationKeepsTheSumOfTheScalesWhenItFits)
{
    checkAll({
        {"mul", "1.10", "2.0", "2.200"},
        {"mul", "-3", "0.25", "-0.75"},
        {"mul", "-1.5", "-1.5", "2.25"},
        {"mul", kMax.c_str(), "0.0000000001", "7922816251426433759.3543950335"},
        {"mul", "0.00000000000001", "0.00000000000001", "0.0000000000000000000000000001"},
    });
}

TEST(DecimalArithmetic, ResultsThatDoNotFitAreRoundedHalfToEvenAtTheLargestScale)
{
    checkAll({
        {"add", "10", "0.0000000000000000000000000001", "10.000000000000000000000000000"},
        {"add", "10", "0.0000000000000000000000000005", "10.000000000000000000000000000"},
        {"add", "10", "0.0000000000000000000000000015", "10.000000000000000000000000002"},
        {"add", "7922816251426433759354395033.5", "0.5", "7922816251426433759354395034"},
        // Same scale, one bit too wide: one digit less.
        {"add", "7.9228162514264337593543950335", "7.9228162514264337593543950335",
         "15.845632502852867518708790067"},
        {"mul", "12345678901234567890123456789", "1.1", "13580246791358024679135802468"},
        {"mul", "1.23456789012345678901234567", "1.23456789012345678901234567",
         "1.5241578753238836750495351343"},
        {"mul", "0.5", "0.0000000000000000000000000001", "0.0000000000000000000000000000"},
        {"mul", "1.5", "0.0000000000000000000000000001", "0.0000000000000000000000000002"},
        {"mul", "2.5", "0.0000000000000000000000000001", "0.0000000000000000000000000002"},
    });
}

TEST(DecimalArithmetic, RepeatedTenthsShrinkToZeroAtScale28)
{
    Decimal x(1);
    const Decimal tenth = D("0.1");
    for (int i = 1; i <= 28; ++i) {
        x *= tenth;
        EXPECT_EQ(x.GetScale(), i);
        EXPECT_EQ(Exact(x), "0." + std::string(static_cast<std::size_t>(i - 1), '0') + "1");
    }
    x *= tenth;  // 1e-29 rounds to zero at scale 28
    EXPECT_EQ(Exact(x), "0.0000000000000000000000000000");
    x *= tenth;
    EXPECT_EQ(Exact(x), "0.0000000000000000000000000000");
    // Two tiny 32-bit mantissas whose product is below half of 1e-28 give a plain zero.
    EXPECT_EQ(Exact(D("0.0000000000000000000000000001") * D("0.0000000000000000000000000001")), "0");
}

TEST(DecimalArithmetic, DivisionGivesUpTo28DigitsWithoutTrailingZeros)
{
    checkAll({
        {"div", "1", "4", "0.25"},
        {"div", "10", "2", "5"},
        {"div", "1", "3", "0.3333333333333333333333333333"},
        {"div", "2", "3", "0.6666666666666666666666666667"},
        {"div", "-2", "3", "-0.6666666666666666666666666667"},
        {"div", "1", "0.3", "3.3333333333333333333333333333"},
        {"div", "1.0", "4", "0.25"},
        {"div", "100", "0.5", "200"},
        {"div", "-7", "2", "-3.5"},
        {"div", "7", "-0.5", "-14"},
        // Rounded to 28 significant digits, then the trailing zero is dropped.
        {"div", "100.00", "1.22", "81.9672131147540983606557377"},
        {"div", "18446744073709551616", "18446744073709551617", "0.9999999999999999999457898914"},
        {"div", "12345678901234567890123", "98765432109876543210.987", "124.99999886093750001423448439"},
        {"div", "1", kMax.c_str(), "0"},
        {"div", "0.0000000000000000000000000001", "3", "0"},
        {"div", "0.0000000000000000000000000003", "2", "0.0000000000000000000000000002"},
        {"div", "0.0000000000000000000000000005", "2", "0.0000000000000000000000000002"},
        // 2^95 / 5: the last digit carries the quotient past 96 bits; one digit less.
        {"div", "39614081257132168796771975168", "5", "7922816251426433759354395034"},
    });
}

TEST(DecimalArithmetic, ExactDivisionKeepsTheNaturalScale)
{
    checkAll({
        {"div", "10.00", "2", "5.00"},
        {"div", "1.000", "4", "0.250"},
        {"div", "12.34", "0.01", "1234"},
        {"div", "0.00", "-4", "-0.00"},
    });
}

TEST(DecimalArithmetic, PercentagesDividedBy100ComeOutAsTheLongDivisionGivesThem)
{
    checkAll({
        {"div", "22", "100", "0.22"},
        {"div", "10", "100", "0.1"},
        {"div", "7.50", "100", "0.075"},
        {"div", "200", "100", "2"},
        {"div", "2.00", "100", "0.02"},
        {"div", "-12.5", "100.0", "-0.125"},
        {"div", "3", "0.0010", "3000"},
        {"div", "1", "10000000000000000000", "0.0000000000000000001"},
        {"div", "0.0000000000000000000000000015", "10", "0.0000000000000000000000000002"},
    });
    // Against the digit-by-digit division of the same quotient: a / 10^k and 3a / (3 * 10^k) must
    // agree to the last bit (3 * 10^k is no power of ten, so it takes the long way).
    std::mt19937_64 rng(606);
    for (int i = 0; i < 20000; ++i) {
        tagDEC a{};
        unsigned __int128 m = (static_cast<unsigned __int128>(rng()) << 64) | rng();
        m &= (static_cast<unsigned __int128>(1) << (rng() % 94)) - 1;
        a.Hi32 = static_cast<unsigned int>(m >> 64);
        a.Lo64 = static_cast<unsigned long long>(m);
        a.scale = static_cast<BYTE>(rng() % 29);
        a.sign = (rng() & 1) != 0 ? DECIMAL_NEG : 0;
        tagDEC a3 = a;
        unsigned __int128 m3 = m * 3;
        a3.Hi32 = static_cast<unsigned int>(m3 >> 64);
        a3.Lo64 = static_cast<unsigned long long>(m3);
        int k = static_cast<int>(rng() % 20);
        unsigned long long p = 1;
        for (int j = 0; j < k; ++j)
            p *= 10;
        tagDEC b{};
        b.Lo64 = p;
        b.scale = static_cast<BYTE>(rng() % 29);
        tagDEC b3 = b;
        unsigned __int128 p3 = static_cast<unsigned __int128>(p) * 3;
        b3.Lo64 = static_cast<unsigned long long>(p3);
        b3.Hi32 = static_cast<unsigned int>(p3 >> 64);
        std::string fast, slow;
        try {
            fast = decimal_test::Fields(Decimal(a) / Decimal(b));
        } catch (const DecimalException&) {
            fast = "overflow";
        }
        try {
            slow = decimal_test::Fields(Decimal(a3) / Decimal(b3));
        } catch (const DecimalException&) {
            slow = "overflow";
        }
        ASSERT_EQ(fast, slow) << decimal_test::Fields(Decimal(a)) << " / " << decimal_test::Fields(Decimal(b));
    }
}

TEST(DecimalArithmetic, ZeroResultsTakeTheSignAndScaleOfTheOleFunctions)
{
    checkAll({
        {"sub", "1", "1", "0"},
        {"add", "-1", "1", "-0"},
        {"add", "12.50", "-12.5", "-0.00"},
        // Different scales: the operand with the smaller scale gives the sign.
        {"add", "1.0", "-1", "-0.0"},
        {"add", "1", "-1.0", "0.0"},
        {"add", "0", "-0.00", "-0.00"},
        {"sub", "0.00", "0", "0.00"},
        {"mul", "0", "-5", "-0"},
        {"mul", "0.00", "5", "0.00"},
        {"mul", "0", "18446744073709551616", "0"},
        {"mul", "-0.000", "0.00000000000000000000000001", "-0.0000000000000000000000000000"},
    });
}

TEST(DecimalArithmetic, DivisionByZeroOfAnyScaleOrSignThrows)
{
    for (const char* zero : {"0", "0.00", "-0", "-0.0000000000000000000000000000"}) {
        EXPECT_THROW((void)(Decimal(1) / D(zero)), DecimalDivideByZeroException) << zero;
        EXPECT_THROW((void)(D("0") / D(zero)), DecimalDivideByZeroException) << zero;
    }
    Decimal x = D("12.5");
    EXPECT_THROW(x /= Decimal(), DecimalDivideByZeroException);
    EXPECT_EQ(Exact(x), "12.5");
}

TEST(DecimalArithmetic, ErrorsAreOurExceptionsAndStdExceptions)
{
    try {
        (void)(D(kMax) + Decimal(1));
        FAIL() << "no overflow";
    } catch (const DecimalException& e) {
        EXPECT_NE(dynamic_cast<const DecimalOverflowException*>(&e), nullptr);
        EXPECT_NE(std::string(e.what()).find("overflow"), std::string::npos) << e.what();
    }
    try {
        (void)(Decimal(1) / Decimal(0));
        FAIL() << "no division error";
    } catch (const std::exception& e) {
        EXPECT_NE(dynamic_cast<const DecimalDivideByZeroException*>(&e), nullptr);
        EXPECT_NE(std::string(e.what()).find("zero"), std::string::npos) << e.what();
    }
}

TEST(DecimalArithmetic, CompoundAndFreeOperatorsAgreeAndSelfOperandsWork)
{
    const Decimal a = D("-1234.5678");
    const Decimal b = D("0.0321");
    Decimal x = a;
    x += b;
    EXPECT_EQ(Exact(x), Exact(a + b));
    x = a;
    x -= b;
    EXPECT_EQ(Exact(x), Exact(a - b));
    x = a;
    x *= b;
    EXPECT_EQ(Exact(x), Exact(a * b));
    x = a;
    x /= b;
    EXPECT_EQ(Exact(x), Exact(a / b));

    // The right operand may be the left one itself.
    Decimal y = D("2.5");
    const Decimal& same = y;
    y += same;
    EXPECT_EQ(Exact(y), "5.0");
    y *= same;
    EXPECT_EQ(Exact(y), "25.00");
    y /= same;
    EXPECT_EQ(Exact(y), "1");
    y -= same;
    EXPECT_EQ(Exact(y), "0");
}

TEST(DecimalArithmetic, UnaryMinusFlipsTheSignAndLongsMixIn)
{
    EXPECT_EQ(Exact(-D("12.50")), "-12.50");
    EXPECT_EQ(Exact(-D("-12.50")), "12.50");
    EXPECT_EQ(Exact(-Decimal()), "-0");
    EXPECT_EQ(Exact(D("19.99") * 3), "59.97");
    EXPECT_EQ(Exact(D("100") - 1), "99");
    Decimal d;
    d = -42L;
    EXPECT_EQ(Exact(d), "-42");
    EXPECT_EQ(Exact(Decimal(LONG_MIN)), "-9223372036854775808");
    EXPECT_EQ(Exact(Decimal(LONG_MAX)), "9223372036854775807");
}

TEST(DecimalArithmetic, BinaryFloatingPointIsRefused)
{
    // 0.1 as a double is not 0.1, and through long it would be 0: neither may slip in.
    static_assert(!std::is_constructible_v<Decimal, double>);
    static_assert(!std::is_constructible_v<Decimal, float>);
    static_assert(!std::is_assignable_v<Decimal&, double>);
    static_assert(std::is_constructible_v<Decimal, int>);
    static_assert(std::is_constructible_v<Decimal, unsigned>);
    static_assert(std::is_constructible_v<Decimal, long>);
    Decimal d = 7;
    d = 8;
    EXPECT_EQ(Exact(d + 1), "9");
    EXPECT_TRUE(d == 8);
}

TEST(DecimalArithmetic, ThirdTimesThreeIsNotOne)
{
    // The classic: the rounded third times three stays just below 1, as with VarDecMul.
    Decimal third = Decimal(1) / Decimal(3);
    EXPECT_EQ(Exact(third * Decimal(3)), "0.9999999999999999999999999999");
    EXPECT_EQ(Exact(third + third + third), "0.9999999999999999999999999999");
}
