// Decimal text: the invariant form amounts are stored in (reading, writing, exact round trips),
// malformed and out-of-range text, and the display form of the process's LC_NUMERIC locale,
// checked under an Italian locale ("1.234,5").
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "DecimalTestHelpers.h"
#include "afx/Locale.h"
#include "orveldblib/Decimal.h"

using decimal_test::D;
using decimal_test::Exact;
using decimal_test::Fields;

namespace {

std::string invariant(const Decimal& d, bool drop = false)
{
    return d.ToString2(LOCALE_INVARIANT, drop).str();
}

std::string display(const Decimal& d, bool drop = false)
{
    return d.ToString2(GetSystemDefaultLCID(), drop).str();
}

// Sets LC_NUMERIC for the lifetime of the object and restores the previous one.
class NumericLocale {
public:
    explicit NumericLocale(const char* name)
    {
        const char* current = std::setlocale(LC_NUMERIC, nullptr);
        m_previous = current != nullptr ? current : "C";
        m_ok = std::setlocale(LC_NUMERIC, name) != nullptr;
    }
    ~NumericLocale() { std::setlocale(LC_NUMERIC, m_previous.c_str()); }
    NumericLocale(const NumericLocale&) = delete;
    NumericLocale& operator=(const NumericLocale&) = delete;
    bool ok() const { return m_ok; }

private:
    std::string m_previous;
    bool m_ok = false;
};

bool italianLocaleAvailable()
{
    static const bool available = [] {
        if (NumericLocale("it_IT.UTF-8").ok())
            return true;
        // Generate it where the locale sources are installed (Debian's "locales" package).
        int rc = std::system("localedef -i it_IT -f UTF-8 it_IT.UTF-8 >/dev/null 2>&1");
        (void)rc;
        return NumericLocale("it_IT.UTF-8").ok();
    }();
    return available;
}

class DecimalItalianDisplay : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!italianLocaleAvailable())
            GTEST_SKIP() << "locale it_IT.UTF-8 is not installed and localedef could not generate it";
        m_locale = std::make_unique<NumericLocale>("it_IT.UTF-8");
        ASSERT_TRUE(m_locale->ok());
    }
    void TearDown() override { m_locale.reset(); }

private:
    std::unique_ptr<NumericLocale> m_locale;
};

}  // namespace

TEST(DecimalText, InvariantFormKeepsTheScale)
{
    EXPECT_EQ(invariant(D("12.50")), "12.50");
    EXPECT_EQ(invariant(D("-0.5")), "-0.5");
    EXPECT_EQ(invariant(D("0.00")), "0.00");
    EXPECT_EQ(invariant(-D("0.00")), "0.00");  // a negative zero is written without sign
    EXPECT_EQ(invariant(Decimal()), "0");
    EXPECT_EQ(invariant(Decimal(-1234)), "-1234");
    EXPECT_EQ(invariant(D("0.0000000000000000000000000001")), "0.0000000000000000000000000001");
    EXPECT_EQ(invariant(D("-79228162514264337593543950335")), "-79228162514264337593543950335");
    EXPECT_EQ(invariant(D("7.9228162514264337593543950335")), "7.9228162514264337593543950335");
    EXPECT_EQ(invariant(D("18446744073709551616.5")), "18446744073709551616.5");
    // Either side of the 15 characters that an everyday amount is written in, and of the
    // mantissa and scale limits of that path.
    for (const char* text : {"123456789012.34", "-12345678901.23", "1234567890123.45", "-123456789012.34",
                             "999999999999999", "1000000000000000", "-99999999999999", "0.0000000000001",
                             "-0.000000000001", "0.00000000000001", "18446744073709551615",
                             "1844674407370955.1615", "0.0000000000000000001", "0.00000000000000000001",
                             "9.9999999999999", "-0", "10", "-7.000"}) {
        std::string expected = std::strcmp(text, "-0") == 0 ? "0" : text;
        EXPECT_EQ(invariant(D(text)), expected) << text;
    }
}

TEST(DecimalText, DroppingTrailingZerosShowsPercentagesPlainly)
{
    EXPECT_EQ(invariant(D("10.00"), true), "10");
    EXPECT_EQ(invariant(D("2.50"), true), "2.5");
    EXPECT_EQ(invariant(D("-0.50"), true), "-0.5");
    EXPECT_EQ(invariant(D("100"), true), "100");  // integer zeros stay
    EXPECT_EQ(invariant(D("0.00"), true), "0");
    EXPECT_EQ(invariant(D("0.0500"), true), "0.05");
    EXPECT_EQ(invariant(-D("0.000"), true), "0");
}

TEST(DecimalText, ReadsTheInvariantFormWithItsScale)
{
    struct Case {
        const char* text;
        const char* exact;
    };
    for (const Case& c : {Case{"12.50", "12.50"}, Case{"-1234.5678", "-1234.5678"}, Case{"  42  ", "42"},
                          Case{"\t-7.25\n", "-7.25"}, Case{"+3.0", "3.0"}, Case{".5", "0.5"}, Case{"5.", "5"},
                          Case{"-.25", "-0.25"}, Case{"0007.500", "7.500"}, Case{"-0.00", "0.00"},
                          Case{"", "0"}, Case{"   ", "0"}, Case{"0", "0"},
                          Case{"79228162514264337593543950335", "79228162514264337593543950335"},
                          Case{"0.0000000000000000000000000001", "0.0000000000000000000000000001"}}) {
        Decimal d;
        EXPECT_TRUE(Decimal::TryParse(c.text, d)) << '"' << c.text << '"';
        EXPECT_EQ(Exact(d), c.exact) << '"' << c.text << '"';
        EXPECT_EQ(Exact(Decimal(c.text, LOCALE_INVARIANT)), c.exact) << '"' << c.text << '"';
        EXPECT_EQ(Exact(Decimal(CString(c.text), LOCALE_INVARIANT)), c.exact) << '"' << c.text << '"';
    }
    EXPECT_EQ(Exact(Decimal(static_cast<const char*>(nullptr), LOCALE_INVARIANT)), "0");
}

TEST(DecimalText, MalformedTextReadsAsZeroAndTryParseSaysSo)
{
    for (const char* text : {"abc", "1.2.3", "1..2", "1e5", "1E-3", "--1", "+-1", "-", "+", ".", "- 1", "1 2",
                             "1,5", "1'000", "0x1F", "12-", "12a", "$12", "12.5%", "\xEF\xBC\x91\xEF\xBC\x92",
                             "inf", "NaN", "1.2 3"}) {
        Decimal d = D("99.9");
        EXPECT_FALSE(Decimal::TryParse(text, d)) << '"' << text << '"';
        EXPECT_EQ(Exact(d), "0") << "TryParse must reset its result for \"" << text << '"';
        Decimal viaConstructor(text, LOCALE_INVARIANT);
        EXPECT_EQ(Exact(viaConstructor), "0") << '"' << text << '"';
    }
}

TEST(DecimalText, TextBeyondNinetySixBitsThrowsAndTryParseRefuses)
{
    for (const char* text : {"79228162514264337593543950336", "-79228162514264337593543950336",
                             "79228162514264337593543950335.5", "100000000000000000000000000000",
                             "123456789012345678901234567890123.4"}) {
        EXPECT_THROW(Decimal(text, LOCALE_INVARIANT), DecimalOverflowException) << text;
        Decimal d = D("1");
        EXPECT_FALSE(Decimal::TryParse(text, d)) << text;
        EXPECT_EQ(Exact(d), "0") << text;
    }
}

TEST(DecimalText, TooManyDigitsRoundHalfToEvenToWhatFits)
{
    // More than 28 fraction digits.
    EXPECT_EQ(Exact(D("0.00000000000000000000000000005")), "0.0000000000000000000000000000");
    EXPECT_EQ(Exact(D("0.00000000000000000000000000015")), "0.0000000000000000000000000002");
    EXPECT_EQ(Exact(D("0.000000000000000000000000000250")), "0.0000000000000000000000000002");
    EXPECT_EQ(Exact(D("0.0000000000000000000000000002500001")), "0.0000000000000000000000000003");
    EXPECT_EQ(Exact(D("1.000000000000000000000000000000000")), "1.0000000000000000000000000000");
    // More significant digits than 96 bits hold.
    EXPECT_EQ(Exact(D("7922816251426433759354395033.55")), "7922816251426433759354395034");
    EXPECT_EQ(Exact(D("79228162514264337593543950335.4999")), "79228162514264337593543950335");
    EXPECT_EQ(Exact(D("3.14159265358979323846264338327950288")), "3.1415926535897932384626433833");
    // A long run of zeros is no problem.
    std::string tiny = "0." + std::string(5000, '0') + "1";
    EXPECT_EQ(Exact(D(tiny)), "0.0000000000000000000000000000");
    std::string padded = std::string(5000, '0') + "12.5";
    EXPECT_EQ(Exact(D(padded)), "12.5");
}

TEST(DecimalText, InvariantTextRoundTripsToTheSameBytes)
{
    std::mt19937_64 rng(1205);
    for (int i = 0; i < 20000; ++i) {
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
        dec.sign = (rng() & 1) != 0 && m != 0 ? DECIMAL_NEG : 0;
        Decimal original(dec);
        CString text = original.ToString2(LOCALE_INVARIANT, false);
        Decimal back(text, LOCALE_INVARIANT);
        EXPECT_EQ(std::memcmp(&back.GetDEC(), &original.GetDEC(), sizeof(tagDEC)), 0)
            << text.GetString() << ": " << Fields(original) << " came back as " << Fields(back);
    }
}

TEST(DecimalText, DisplayFormInTheCLocaleHasNoGrouping)
{
    NumericLocale c("C");
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(display(D("1234567.50")), "1234567.50");
    EXPECT_EQ(display(D("1234567.50"), true), "1234567.5");
    EXPECT_EQ(display(D("-0.25")), "-0.25");
    EXPECT_EQ(D("1234.5").ToString2(0xFFFFFFFF, false).str(), "1234.5");
    EXPECT_EQ(Exact(Decimal("1234.5", GetSystemDefaultLCID())), "1234.5");
}

TEST_F(DecimalItalianDisplay, UsesTheLocaleSeparatorsAndGrouping)
{
    EXPECT_EQ(display(D("1234.5")), "1.234,5");
    EXPECT_EQ(display(D("-1234567.891")), "-1.234.567,891");
    EXPECT_EQ(display(D("999")), "999");
    EXPECT_EQ(display(D("1000")), "1.000");
    EXPECT_EQ(display(D("0.5")), "0,5");
    EXPECT_EQ(display(D("10.50")), "10,50");
    EXPECT_EQ(display(D("10.00"), true), "10");
    EXPECT_EQ(display(D("10.50"), true), "10,5");
    EXPECT_EQ(display(D("79228162514264337593543950335")), "79.228.162.514.264.337.593.543.950.335");
    EXPECT_EQ(D("1234.5").ToString2(LOCALE_USER_DEFAULT, false).str(), "1.234,5");
    // The stored form does not follow the locale.
    EXPECT_EQ(invariant(D("1234.5")), "1234.5");
    EXPECT_EQ(Exact(Decimal("1234.5", LOCALE_INVARIANT)), "1234.5");
}

TEST_F(DecimalItalianDisplay, ReadsTheDisplayFormBack)
{
    const LCID here = GetSystemDefaultLCID();
    EXPECT_EQ(Exact(Decimal("1.234,5", here)), "1234.5");
    EXPECT_EQ(Exact(Decimal("-1.234.567,891", here)), "-1234567.891");
    EXPECT_EQ(Exact(Decimal("1234,50", here)), "1234.50");
    EXPECT_EQ(Exact(Decimal(" 0,5 ", here)), "0.5");
    EXPECT_EQ(Exact(Decimal("999", here)), "999");
    for (const Decimal& d : {D("1234567.891"), D("-0.001"), D("79228162514264337593543950335"), D("12.00")}) {
        EXPECT_EQ(Exact(Decimal(d.ToString2(here, false), here)), Exact(d)) << display(d);
    }
    // Separators where the grouping does not put them, or the invariant '.', are malformed.
    for (const char* text : {"1.5", "12.34.567", "1.2345,6", "1234.5", "1,234.5", "1,2,3", ",5.000"}) {
        Decimal d;
        EXPECT_FALSE(Decimal::TryParse(text, here, d)) << text;
        EXPECT_EQ(Exact(Decimal(text, here)), "0") << text;
    }
}
