// The base-36 counter that proposes alphanumeric article codes.
#include <gtest/gtest.h>

#include <cctype>
#include <charconv>
#include <string>

#include "afx/Exception.h"
#include "orveldblib/Base36Numeric.h"

namespace {

std::string base36(unsigned long long n)
{
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, n, 36);
    std::string s(buf, res.ptr);
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

CString text(const CBase36Numeric& n)
{
    return n.GetText();
}

}  // namespace

TEST(Base36Numeric, CountsLikeTheStandardBase36Conversion)
{
    CBase36Numeric counter;
    for (unsigned long long n = 1; n <= 50000; ++n) {
        counter += 1;
        ASSERT_EQ(std::string(text(counter)), base36(n)) << "after " << n << " increments";
    }
}

TEST(Base36Numeric, AddsLargeAmountsAtOnce)
{
    for (int amount : {35, 36, 1295, 1296, 46655, 46656, 2147483647}) {
        CBase36Numeric counter;
        counter = "ZZ";
        counter += amount;
        EXPECT_EQ(std::string(text(counter)), base36(1295ULL + static_cast<unsigned long long>(amount))) << amount;
    }
}

TEST(Base36Numeric, CarriesAcrossEveryDigit)
{
    CBase36Numeric counter;
    counter = "A9";
    counter += 1;
    EXPECT_STREQ(text(counter), "AA");
    counter = "AZ";
    counter += 1;
    EXPECT_STREQ(text(counter), "B0");
    counter = "ZZZZZZZZZZZZZZZZZZZZ";  // twenty digits, beyond any machine integer
    counter += 1;
    EXPECT_STREQ(text(counter), "100000000000000000000");
}

TEST(Base36Numeric, ReadsLowerCaseBlanksAndLeadingZeros)
{
    CBase36Numeric counter;
    counter = "  00az ";
    EXPECT_TRUE(counter.IsValid());
    EXPECT_STREQ(text(counter), "AZ");
    counter += 1;
    EXPECT_STREQ(counter.Format(6), "0000B0");
}

TEST(Base36Numeric, FormatPadsButNeverCuts)
{
    CBase36Numeric counter;
    counter = "12345";
    EXPECT_STREQ(counter.Format(3), "12345");
    EXPECT_STREQ(counter.Format(8), "00012345");
    CBase36Numeric zero;
    EXPECT_STREQ(zero.Format(0), "0");
    EXPECT_STREQ(zero.Format(4), "0000");
}

TEST(Base36Numeric, ForeignTextStartsFromZero)
{
    CBase36Numeric counter;
    for (const char* bad : {"A-1", "", "   ", "12.5", "ÀB"}) {
        counter = "XYZ";
        counter = bad;
        EXPECT_FALSE(counter.IsValid()) << bad;
        EXPECT_STREQ(text(counter), "0") << bad;
        counter += 1;
        EXPECT_STREQ(counter.Format(6), "000001") << bad;
    }
}

TEST(Base36Numeric, SubtractsAndRefusesToGoBelowZero)
{
    CBase36Numeric counter;
    counter = "10";
    counter += -1;
    EXPECT_STREQ(text(counter), "Z");
    counter = "100";
    counter += -1;
    EXPECT_STREQ(text(counter), "ZZ");
    counter = "100";
    counter += -1296;
    EXPECT_STREQ(text(counter), "0");
    counter = "1";
    EXPECT_THROW(counter += -2, CInvalidArgException);
    EXPECT_STREQ(text(counter), "1") << "a refused subtraction leaves the counter unchanged";
}
