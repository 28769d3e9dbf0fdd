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

}  // namespace

TEST(Base36Numeric, CountsLikeTheStandardBase36Conversion)
{
    CBase36Numeric counter;
    for (unsigned long long n = 1; n <= 50000; ++n) {
        counter += 1;
        ASSERT_EQ(std::string(counter.GetText()), base36(n)) << "after " << n << " increments";
    }
    for (int amount : {35, 36, 1295, 1296, 46656, 2147483647}) {
        counter = "ZZ";
        counter += amount;
        EXPECT_EQ(std::string(counter.GetText()), base36(1295ULL + static_cast<unsigned long long>(amount))) << amount;
    }
}

TEST(Base36Numeric, CarriesBorrowsReadsAndFormats)
{
    const struct {
        const char* start;
        int add;
        const char* text;
        const char* formatted;  // to 6 characters
    } cases[] = {
        {"AZ", 1, "B0", "0000B0"},
        {"ZZZZZZZZZZZZZZZZZZZZ", 1, "100000000000000000000", "100000000000000000000"},  // beyond any integer
        {"  00az ", 0, "AZ", "0000AZ"},  // lower case, blanks, leading zeros
        {"10", -1, "Z", "00000Z"},
        {"100", -1296, "0", "000000"},
        {"A-1", 1, "1", "000001"},  // foreign text starts from zero
        {"", 1, "1", "000001"},
        {"12.5", 0, "0", "000000"},
        {"ÀB", 0, "0", "000000"},
    };
    for (const auto& c : cases) {
        CBase36Numeric counter;
        counter = "XYZ";
        counter = c.start;
        counter += c.add;
        EXPECT_STREQ(counter.GetText(), c.text) << c.start;
        EXPECT_STREQ(counter.Format(6), c.formatted) << c.start;
    }
    CBase36Numeric counter;
    counter = "A-1";
    EXPECT_FALSE(counter.IsValid());
    counter = "12345";
    EXPECT_TRUE(counter.IsValid());
    EXPECT_STREQ(counter.Format(3), "12345") << "padded, never cut";
    EXPECT_STREQ(CBase36Numeric().Format(0), "0");
    counter = "1";
    EXPECT_THROW(counter += -2, CInvalidArgException);
    EXPECT_STREQ(counter.GetText(), "1") << "a refused subtraction leaves the counter unchanged";
}
