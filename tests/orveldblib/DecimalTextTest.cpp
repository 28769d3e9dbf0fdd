// Decimal text beyond the case tables: blanks, empty and null text, and the display form of the
// process's LC_NUMERIC locale, checked in the C locale and under an Italian one ("1.234,5").
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include "DecimalTestHelpers.h"
#include "afx/Locale.h"

using decimal_test::D;
using decimal_test::Exact;

namespace {

std::string display(const Decimal& d, bool drop = false)
{
    return d.ToString2(GetSystemDefaultLCID(), drop).str();
}

// Runs the tests of a suite under one LC_NUMERIC locale and restores the previous one after each.
class DecimalDisplay : public ::testing::Test {
protected:
    void Use(const char* name)
    {
        if (std::setlocale(LC_NUMERIC, name) == nullptr) {
            // Generate it where the locale sources are installed (Debian's "locales" package).
            const std::string language = std::string(name).substr(0, std::string(name).find('.'));
            [[maybe_unused]] const int rc = std::system(("localedef -i " + language + " -f UTF-8 " + name + " >/dev/null 2>&1").c_str());
            if (std::setlocale(LC_NUMERIC, name) == nullptr)
                GTEST_SKIP() << "locale " << name << " is not installed and localedef could not generate it";
        }
    }
    void TearDown() override { std::setlocale(LC_NUMERIC, m_previous.c_str()); }

private:
    std::string m_previous = std::setlocale(LC_NUMERIC, nullptr);
};

class DecimalItalianDisplay : public DecimalDisplay {
protected:
    void SetUp() override { Use("it_IT.UTF-8"); }
};

}  // namespace

TEST(DecimalText, BlanksEmptyTextAndNegativeZero)
{
    for (const auto& [text, exact] : {std::pair{"  42  ", "42"}, std::pair{"\t-7.25\n", "-7.25"},
                                      std::pair{"", "0"}, std::pair{"   ", "0"}}) {
        Decimal d = D("99.9");
        EXPECT_TRUE(Decimal::TryParse(text, d)) << '"' << text << '"';
        EXPECT_EQ(Exact(d), exact) << '"' << text << '"';
        EXPECT_EQ(Exact(Decimal(CString(text), LOCALE_INVARIANT)), exact) << '"' << text << '"';
    }
    for (const char* text : {"- 1", "1 2", "1.2 3", "12 .5"}) {
        Decimal d = D("99.9");
        EXPECT_FALSE(Decimal::TryParse(CString(text), d)) << '"' << text << '"';
        EXPECT_EQ(Exact(d), "0") << "TryParse must reset its result for \"" << text << '"';
        EXPECT_EQ(Exact(Decimal(text, LOCALE_INVARIANT)), "0") << '"' << text << '"';
    }
    EXPECT_EQ(Exact(Decimal(static_cast<const char*>(nullptr), LOCALE_INVARIANT)), "0");
    EXPECT_EQ(Exact(Decimal("1234.5", GetSystemDefaultLCID())), "1234.5");  // the C locale has no grouping
    // A negative zero is stored without its sign; a long run of zeros is no problem.
    EXPECT_EQ(ToStoredText(-D("0.00")), "0.00");
    EXPECT_EQ(Exact(D("0." + std::string(5000, '0') + "1")), "0.0000000000000000000000000000");
    EXPECT_EQ(Exact(D(std::string(5000, '0') + "12.5")), "12.5");
}

TEST_F(DecimalItalianDisplay, UsesTheLocaleSeparatorsAndGroupingButNotForStoring)
{
    for (const auto& [text, shown] : {std::pair{"1234.5", "1.234,5"}, std::pair{"-1234567.891", "-1.234.567,891"},
                                      std::pair{"999", "999"}, std::pair{"1000", "1.000"}, std::pair{"0.5", "0,5"},
                                      std::pair{"10.50", "10,50"},
                                      std::pair{"79228162514264337593543950335", "79.228.162.514.264.337.593.543.950.335"}})
        EXPECT_EQ(display(D(text)), shown) << text;
    EXPECT_EQ(display(D("10.00"), true), "10");
    EXPECT_EQ(display(D("10.50"), true), "10,5");
    EXPECT_EQ(D("1234.5").ToString2(LOCALE_USER_DEFAULT, false).str(), "1.234,5");
    EXPECT_EQ(ToStoredText(D("1234.5")), "1234.5");
    EXPECT_EQ(Exact(Decimal("1234.5", LOCALE_INVARIANT)), "1234.5");
}

TEST_F(DecimalItalianDisplay, ReadsTheDisplayFormBack)
{
    const LCID here = GetSystemDefaultLCID();
    for (const auto& [text, exact] : {std::pair{"1.234,5", "1234.5"}, std::pair{"-1.234.567,891", "-1234567.891"},
                                      std::pair{"1234,50", "1234.50"}, std::pair{" 0,5 ", "0.5"}, std::pair{"999", "999"}})
        EXPECT_EQ(Exact(Decimal(text, here)), exact) << text;
    for (const Decimal& d : {D("1234567.891"), D("-0.001"), D("79228162514264337593543950335"), D("12.00")})
        EXPECT_EQ(Exact(Decimal(d.ToString2(here, false), here)), Exact(d)) << display(d);
    // Separators where the grouping does not put them, or the invariant '.', are malformed.
    for (const char* text : {"1.5", "12.34.567", "1.2345,6", "1234.5", "1,234.5", "1,2,3", ",5.000"}) {
        Decimal d;
        EXPECT_FALSE(Decimal::TryParse(text, here, d)) << text;
        EXPECT_EQ(Exact(Decimal(text, here)), "0") << text;
    }
}
