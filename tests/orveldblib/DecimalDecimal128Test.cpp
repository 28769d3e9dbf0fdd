// Decimal against libstdc++'s std::decimal::decimal128 (IEEE 754 decimal, 34 digits), computed
// in the same process. Where decimal128 is exact, that is for sums, differences and products of
// operands of up to 14 digits and for quotients that are exact, both must give the same value;
// for sums and products the IEEE preferred exponent equals the DECIMAL scale rule (the larger
// scale, the sum of the scales), so the scale is compared too. decimal128 needs GCC's decimal
// floating point; with other compilers the test is skipped.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <string>

#include "DecimalTestHelpers.h"
#include "orveldblib/Decimal.h"

#if defined(__GNUC__) && !defined(__clang__) && __has_include(<decimal/decimal>)
#define ORVEL_HAVE_DECIMAL128 1
#include <decimal/decimal>
#endif

using decimal_test::Exact;

#ifdef ORVEL_HAVE_DECIMAL128

namespace {

using std::decimal::decimal128;

// The same number as a decimal128 with exponent -scale.
decimal128 toDecimal128(const Decimal& d)
{
    const tagDEC& x = d.GetDEC();
    unsigned __int128 m = (static_cast<unsigned __int128>(x.Hi32) << 64) | x.Lo64;
    const unsigned long long e19 = 10000000000000000000ULL;
    auto high = static_cast<unsigned long long>(m / e19);
    auto low = static_cast<unsigned long long>(m % e19);
    int scale = x.scale;
    decimal128 r = std::decimal::make_decimal128(low, -scale);
    if (high != 0)
        r += std::decimal::make_decimal128(high, 19 - scale);
    return (x.sign & DECIMAL_NEG) != 0 ? -r : r;
}

// The BID encoding of a finite decimal128 whose coefficient is below 2^113: its exponent.
int exponentOf(decimal128 v)
{
    std::uint64_t words[2];
    static_assert(sizeof(words) == sizeof(decimal128));
    std::memcpy(words, &v, sizeof words);
    return static_cast<int>((words[1] >> 49) & 0x3FFF) - 6176;
}

Decimal randomOperand(std::mt19937_64& rng, int maxDigits, int maxScale)
{
    tagDEC dec{};
    unsigned long long limit = 1;
    for (int i = static_cast<int>(rng() % static_cast<unsigned>(maxDigits)) + 1; i > 0; --i)
        limit *= 10;
    dec.Lo64 = rng() % limit;
    dec.scale = static_cast<BYTE>(rng() % static_cast<unsigned>(maxScale + 1));
    dec.sign = (rng() & 1) != 0 ? DECIMAL_NEG : 0;
    return Decimal(dec);
}

}  // namespace

TEST(DecimalVersusDecimal128, SumsDifferencesAndProductsOfShortOperands)
{
    std::mt19937_64 rng(128);
    for (int i = 0; i < 50000; ++i) {
        Decimal a = randomOperand(rng, 14, 14);
        Decimal b = randomOperand(rng, 14, 14);
        decimal128 da = toDecimal128(a);
        decimal128 db = toDecimal128(b);
        struct Result {
            const char* op;
            Decimal ours;
            decimal128 theirs;
        };
        for (const Result& r : {Result{"+", a + b, da + db}, Result{"-", a - b, da - db}, Result{"*", a * b, da * db}}) {
            ASSERT_TRUE(toDecimal128(r.ours) == r.theirs) << Exact(a) << " " << r.op << " " << Exact(b) << " = " << Exact(r.ours);
            if (!r.ours.IsZero()) {
                ASSERT_EQ(-r.ours.GetScale(), exponentOf(r.theirs))
                    << Exact(a) << " " << r.op << " " << Exact(b) << " = " << Exact(r.ours);
            }
        }
    }
}

TEST(DecimalVersusDecimal128, ExactQuotients)
{
    std::mt19937_64 rng(129);
    for (int i = 0; i < 20000; ++i) {
        Decimal q = randomOperand(rng, 12, 8);
        Decimal b = randomOperand(rng, 12, 8);
        if (b.IsZero())
            continue;
        Decimal a = q * b;  // exact: at most 24 digits, scale at most 16
        decimal128 theirs = toDecimal128(a) / toDecimal128(b);
        Decimal ours = a / b;
        ASSERT_TRUE(toDecimal128(ours) == theirs) << Exact(a) << " / " << Exact(b) << " = " << Exact(ours);
        ASSERT_TRUE(ours == q) << Exact(a) << " / " << Exact(b) << " = " << Exact(ours);
    }
}

TEST(DecimalVersusDecimal128, ConversionHelperIsExact)
{
    // The comparison above is only as good as the conversion: check it on known values.
    EXPECT_TRUE(toDecimal128(Decimal(-12)) == std::decimal::make_decimal128(-12LL, 0));
    Decimal big("79228162514264337593543950335", LOCALE_INVARIANT);
    decimal128 expected = std::decimal::make_decimal128(7922816251ULL, 19) +
                          std::decimal::make_decimal128(4264337593543950335ULL, 0);
    EXPECT_TRUE(toDecimal128(big) == expected);
    EXPECT_FALSE(toDecimal128(big) == expected + std::decimal::make_decimal128(1ULL, 0));
    EXPECT_EQ(exponentOf(toDecimal128(Decimal("1.250", LOCALE_INVARIANT))), -3);
}

#else

TEST(DecimalVersusDecimal128, SumsDifferencesAndProductsOfShortOperands)
{
    GTEST_SKIP() << "std::decimal::decimal128 needs GCC's decimal floating point; this compiler has none";
}

#endif
