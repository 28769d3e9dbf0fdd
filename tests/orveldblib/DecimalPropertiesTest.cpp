// Decimal on random values across the whole range: properties that must hold for every input,
// where the reference results of DecimalCasesTest check single values.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "DecimalTestHelpers.h"


using decimal_test::D;
using decimal_test::Exact;
using decimal_test::Fields;
using decimal_test::RandomDec;


TEST(DecimalProperties, InvariantTextRoundTripsToTheSameBytes)
{
    std::mt19937_64 rng(1205);
    for (int i = 0; i < 20000; ++i) {
        tagDEC dec = RandomDec(rng);
        if (dec.Hi32 == 0 && dec.Lo64 == 0)
            dec.sign = 0;  // a negative zero reads back positive
        const Decimal original(dec);
        const CString text = ToStoredText(original);
        const Decimal back(text, LOCALE_INVARIANT);
        ASSERT_EQ(std::memcmp(&back, &original, sizeof(tagDEC)), 0)
            << text.GetString() << ": " << Fields(original) << " came back as " << Fields(back);
    }
}

TEST(DecimalProperties, DivisionByPowersOfTenAgreesWithTheLongDivision)
{
    // a / 10^k takes a short path; 3a / (3 * 10^k), the same quotient, the long way. They must
    // agree to the last bit.
    auto quotient = [](const Decimal& a, const Decimal& b) {
        try {
            return Fields(a / b);
        } catch (const DecimalException&) {
            return std::string("overflow");
        }
    };
    std::mt19937_64 rng(606);
    for (int i = 0; i < 20000; ++i) {
        const tagDEC a = RandomDec(rng, 93);
        tagDEC a3 = a, b{}, b3{};
        const unsigned __int128 m3 = ((static_cast<unsigned __int128>(a.Hi32) << 64) | a.Lo64) * 3;
        a3.Hi32 = static_cast<std::uint32_t>(m3 >> 64);
        a3.Lo64 = static_cast<unsigned long long>(m3);
        b.Lo64 = 1;
        for (int k = static_cast<int>(rng() % 20); k > 0; --k)
            b.Lo64 *= 10;
        b.scale = b3.scale = static_cast<BYTE>(rng() % 29);
        const unsigned __int128 p3 = static_cast<unsigned __int128>(b.Lo64) * 3;
        b3.Lo64 = static_cast<unsigned long long>(p3);
        b3.Hi32 = static_cast<std::uint32_t>(p3 >> 64);
        ASSERT_EQ(quotient(a, b), quotient(a3, b3)) << Fields(a) << " / " << Fields(b);
    }
}

