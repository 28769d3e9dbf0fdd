// EAN-13 check digits, checked on barcodes printed on real products and on the GS1 examples.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "afx/Exception.h"
#include "orveldblib/EANCode.h"

TEST(EANCode, CheckDigitOfPublishedBarcodes)
{
    // Full codes: the check digit computed from the first twelve digits must be the thirteenth.
    for (const char* code : {"4006381333931", "9780306406157", "5901234123457", "0012345678905",
                             "9788804668237"}) {
        std::string twelve(code, 12);
        EXPECT_EQ(CEANCode::GetEAN13CheckDigit(twelve.c_str()), code[12]) << code;
        EXPECT_TRUE(CEANCode::IsValidEAN13(code)) << code;
    }
    EXPECT_FALSE(CEANCode::IsValidEAN13("8001234567890"));
}

TEST(EANCode, CheckDigitZeroAndNine)
{
    // The sum is already a multiple of ten: the digit is 0, never 10.
    EXPECT_EQ(CEANCode::GetEAN13CheckDigit("000000000000"), '0');
    EXPECT_EQ(CEANCode::GetEAN13CheckDigit("200000000000"), '8');
    EXPECT_EQ(CEANCode::GetEAN13CheckDigit("010000000000"), '7');
    EXPECT_EQ(CEANCode::GetEAN13CheckDigit("000000000001"), '7');
    EXPECT_EQ(CEANCode::GetEAN13CheckDigit("100000000000"), '9');
}

TEST(EANCode, LotCodesFromYearAndNumber)
{
    // Lots are coded from "%04ld%08ld" of year and number.
    char twelve[13];
    std::snprintf(twelve, sizeof twelve, "%04ld%08ld", 2026L, 123L);
    EXPECT_EQ(std::string(twelve), "202600000123");
    EXPECT_EQ(CEANCode::GetEAN13CheckDigit(twelve), '4');
}

TEST(EANCode, ThirteenDigitsAreAcceptedAndTheLastIgnored)
{
    EXPECT_EQ(CEANCode::GetEAN13CheckDigit("4006381333930"), '1');
}

TEST(EANCode, MalformedTextIsRefusedClearly)
{
    for (const char* bad : {"", "12345678901", "12345678901A", "1234567890123 4", "-12345678901"}) {
        try {
            CEANCode::GetEAN13CheckDigit(bad);
            ADD_FAILURE() << "accepted \"" << bad << "\"";
        } catch (const CInvalidArgException& e) {
            EXPECT_NE(std::string(e.what()).find(bad), std::string::npos) << e.what();
        }
    }
    EXPECT_THROW(CEANCode::GetEAN13CheckDigit(nullptr), CInvalidArgException);
    EXPECT_FALSE(CEANCode::IsValidEAN13(nullptr));
    EXPECT_FALSE(CEANCode::IsValidEAN13("400638133393"));
}
