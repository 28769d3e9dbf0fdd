// A Decimal is the OLE DECIMAL it stands for: host code written against the OLE header takes its
// address as a DECIMAL*, copies it into a DECIMAL, reads and writes its fields by their OLE
// names, and gets the value it meant. A scale no DECIMAL may have (above 28) is refused rather
// than computed with.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <type_traits>

#include "DecimalTestHelpers.h"

using decimal_test::D;
using decimal_test::Exact;

static_assert(sizeof(Decimal) == 16 && std::is_base_of_v<tagDEC, Decimal> && std::is_same_v<LPDECIMAL, DECIMAL*>);
static_assert(std::is_trivially_copyable_v<Decimal> && std::is_standard_layout_v<Decimal>);
static_assert(offsetof(tagDEC, scale) == 2 && offsetof(tagDEC, sign) == 3 && offsetof(tagDEC, signscale) == 2 &&
              offsetof(tagDEC, Hi32) == 4 && offsetof(tagDEC, Lo32) == 8 && offsetof(tagDEC, Mid32) == 12 &&
              offsetof(tagDEC, Lo64) == 8 && sizeof(DECIMAL::Hi32) == 4 && sizeof(DECIMAL::Mid32) == 4);

TEST(DecimalOle, HostCodeReadsADecimalAsADecimal)
{
    // 100 * 2^64 + 25 hundredths, negative: the mantissa spans the three 32-bit words.
    Decimal a = D("-18446744073709551616.25");
    const Decimal b(2);
    EXPECT_EQ(VarDecCmp(&b, &a), VARCMP_GT);
    DECIMAL* p = &a;
    const DECIMAL* q = &b;
    EXPECT_EQ(VarDecCmp(p, q), VARCMP_LT);
    DECIMAL copy = a;
    EXPECT_EQ(std::memcmp(&copy, &a, sizeof copy), 0);
    EXPECT_EQ(a.scale, 2);
    EXPECT_EQ(a.sign, DECIMAL_NEG);
    EXPECT_EQ(a.signscale, 2 | DECIMAL_NEG << 8);
    EXPECT_EQ(a.Hi32, 100u);
    EXPECT_EQ(a.Mid32, 0u);
    EXPECT_EQ(a.Lo32, 25u);
    EXPECT_EQ(a.wReserved, 0);
    EXPECT_EQ(Decimal(1).Lo64, 1u);
    EXPECT_EQ(Decimal(-4294967296L).Mid32, 1u);
    EXPECT_TRUE(Decimal(copy) == a);
}

TEST(DecimalOle, FieldsWrittenByHostCodeAreTheValue)
{
    Decimal d;
    d.Lo32 = 5;
    d.Mid32 = 1;  // mantissa 2^32 + 5 = 4294967301
    d.scale = 3;
    d.sign = DECIMAL_NEG;
    EXPECT_EQ(Exact(d), "-4294967.301");
    d.signscale = 1;  // scale 1, positive
    EXPECT_EQ(Exact(d), "429496730.1");
    LPDECIMAL p = &d;
    p->Hi32 = 1;  // plus 2^64 tenths
    EXPECT_EQ(Exact(d), "1844674407800451891.7");
    EXPECT_EQ(Exact(d + Decimal(1)), "1844674407800451892.7");
    auto negate = [](LPDECIMAL x) { x->sign ^= DECIMAL_NEG; };
    negate(&d);
    EXPECT_TRUE(d.IsNegative());
    EXPECT_EQ(ToStoredText(d), "-1844674407800451891.7");
}

TEST(DecimalOle, BytesThatAreNoNumberAreRefused)
{
    DECIMAL dec{};
    dec.wReserved = 14;  // the variant type a VARIANT keeps there
    dec.signscale = 3 | DECIMAL_NEG << 8;
    dec.Lo64 = 12345;
    const Decimal d(dec);
    EXPECT_EQ(Exact(d), "-12.345");
    EXPECT_EQ(d.wReserved, 0);
    DECIMAL badSign = dec;
    badSign.sign = 1;
    EXPECT_THROW(Decimal{badSign}, DecimalException);

    Decimal bad = d;
    bad.scale = 29;
    EXPECT_THROW(Decimal{static_cast<const DECIMAL&>(bad)}, DecimalException);
    EXPECT_THROW((void)(bad + d), DecimalException);
    EXPECT_THROW((void)(d - bad), DecimalException);
    EXPECT_THROW((void)(bad * d), DecimalException);
    EXPECT_THROW((void)(d / bad), DecimalException);
    EXPECT_THROW(bad.Round3(2), DecimalException);
    EXPECT_THROW((void)bad.Fixed(), DecimalException);
    EXPECT_THROW((void)static_cast<long>(bad), DecimalException);
    EXPECT_THROW((void)ToStoredText(bad), DecimalException);
    bad.scale = 255;
    EXPECT_EQ(VarDecCmp(&bad, &d), VARCMP_NULL);
    EXPECT_EQ(VarDecCmp(d, bad), VARCMP_NULL);
    EXPECT_FALSE(bad == d || bad < d || bad > d);
}
