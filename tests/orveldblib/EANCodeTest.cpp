// EAN-13 check digits, checked on barcodes printed on real products and on the GS1 examples.
#include <gtest/gtest.h>

#include <string>

#include "afx/Exception.h"
#include "orveldblib/EANCode.h"

TEST(EANCode, CheckDigits)
{
    // Full codes: the digit computed from the first twelve must be the thirteenth.
    for (const char* code : {"4006381333931", "9780306406157", "5901234123457", "0012345678905", "9788804668237"}) {
        EXPECT_EQ(CEANCode::GetEAN13CheckDigit(std::string(code, 12).c_str()), code[12]) << code;
        EXPECT_TRUE(CEANCode::IsValidEAN13(code)) << code;
    }
    // A sum already a multiple of ten gives 0, never 10; odd and even places weigh 1 and 3;
    // lots are coded from "%04ld%08ld" of year and number; a thirteenth digit is ignored.
    const std::pair<const char*, char> cases[] = {{"000000000000", '0'}, {"200000000000", '8'}, {"010000000000", '7'},
                                                  {"100000000000", '9'}, {"202600000123", '4'}, {"4006381333930", '1'}};
    for (const auto& [digits, check] : cases)
        EXPECT_EQ(CEANCode::GetEAN13CheckDigit(digits), check) << digits;
    EXPECT_FALSE(CEANCode::IsValidEAN13("8001234567890"));
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
