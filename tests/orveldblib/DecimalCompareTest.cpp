// Decimal comparison: VarDecCmp's codes, numeric equality across scales and of both zeros, and
// agreement of the comparison operators with the sign of the difference on random values.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "DecimalTestHelpers.h"
#include "orveldblib/Decimal.h"

using decimal_test::D;
using decimal_test::Exact;

TEST(DecimalCompare, CodesAreTheOleOnes)
{
    EXPECT_EQ(VARCMP_LT, 0);
    EXPECT_EQ(VARCMP_EQ, 1);
    EXPECT_EQ(VARCMP_GT, 2);
    Decimal one(1);
    Decimal two(2);
    EXPECT_EQ(VarDecCmp(&one.GetDEC(), &two.GetDEC()), VARCMP_LT);
    EXPECT_EQ(VarDecCmp(&two.GetDEC(), &one.GetDEC()), VARCMP_GT);
    EXPECT_EQ(VarDecCmp(&one.GetDEC(), &one.GetDEC()), VARCMP_EQ);
    EXPECT_EQ(VarDecCmp(one, two), VARCMP_LT);
}

TEST(DecimalCompare, ComparesValuesNotBytes)
{
    struct Case {
        const char* a;
        const char* b;
        int expected;
    };
    for (const Case& c : {
             Case{"1.0", "1.00", VARCMP_EQ},
             Case{"1", "1.0000000000000000000000000000", VARCMP_EQ},
             Case{"-0", "0", VARCMP_EQ},
             Case{"-0.00", "0", VARCMP_EQ},
             Case{"0.000", "-0.0", VARCMP_EQ},
             Case{"-0.00", "0.01", VARCMP_LT},
             Case{"-0.01", "-0", VARCMP_LT},
             Case{"-2", "-1", VARCMP_LT},
             Case{"-1.5", "1", VARCMP_LT},
             Case{"-1", "-1.5", VARCMP_GT},
             Case{"0.1", "0.09", VARCMP_GT},
             Case{"79228162514264337593543950335", "0.0000000000000000000000000001", VARCMP_GT},
             Case{"79228162514264337593543950335", "7.9228162514264337593543950335", VARCMP_GT},
             Case{"-79228162514264337593543950335", "-7.9228162514264337593543950335", VARCMP_LT},
             Case{"79228162514264337593543950334", "79228162514264337593543950335", VARCMP_LT},
             Case{"18446744073709551616", "18446744073709551615.999999999", VARCMP_GT},
             Case{"4294967296", "4294967296.0000000000000000001", VARCMP_LT},
         }) {
        Decimal a = D(c.a);
        Decimal b = D(c.b);
        EXPECT_EQ(VarDecCmp(a, b), c.expected) << c.a << " vs " << c.b;
        EXPECT_EQ(VarDecCmp(b, a), 2 - c.expected) << c.b << " vs " << c.a;
    }
}

TEST(DecimalCompare, OperatorsFollowVarDecCmp)
{
    Decimal a = D("1.50");
    Decimal b = D("1.5");
    Decimal c = D("1.51");
    EXPECT_TRUE(a == b);
    EXPECT_FALSE(a != b);
    EXPECT_TRUE(a <= b);
    EXPECT_TRUE(a >= b);
    EXPECT_FALSE(a < b);
    EXPECT_TRUE(a < c);
    EXPECT_TRUE(c > a);
    EXPECT_TRUE(a != c);
    EXPECT_FALSE(c <= a);
    EXPECT_TRUE(D("-0") == Decimal(0));
    EXPECT_TRUE(D("3.00") == 3);
    EXPECT_TRUE(Decimal(-3) < 0);
}

TEST(DecimalCompare, AgreesWithTheSignOfTheDifference)
{
    std::mt19937_64 rng(77);
    auto randomDecimal = [&rng] {
        tagDEC dec{};
        int bits = static_cast<int>(rng() % 97);
        unsigned __int128 m = 0;
        if (bits > 0) {
            m = (static_cast<unsigned __int128>(rng()) << 64) | rng();
            m &= (static_cast<unsigned __int128>(1) << bits) - 1;
        }
        dec.Hi32 = static_cast<unsigned int>(m >> 64);
        dec.Lo64 = static_cast<unsigned long long>(m);
        dec.scale = static_cast<BYTE>(rng() % 29);
        dec.sign = (rng() & 1) != 0 ? DECIMAL_NEG : 0;
        return Decimal(dec);
    };
    int compared = 0;
    for (int i = 0; i < 20000; ++i) {
        Decimal a = randomDecimal();
        // Half of the pairs share most of their value, to exercise close calls.
        Decimal b = (i % 2 == 0) ? randomDecimal() : a;
        if (i % 2 != 0) {
            try {
                b += D("0.0000000000000000000000000001") * Decimal(static_cast<long>(rng() % 3) - 1);
            } catch (const DecimalOverflowException&) {
                continue;
            }
        }
        Decimal diff;
        try {
            diff = a - b;
        } catch (const DecimalOverflowException&) {
            continue;
        }
        int expected = diff.IsZero() ? VARCMP_EQ : (diff.IsNegative() ? VARCMP_LT : VARCMP_GT);
        ASSERT_EQ(VarDecCmp(a, b), expected) << Exact(a) << " vs " << Exact(b);
        ++compared;
    }
    EXPECT_GT(compared, 15000);
}
