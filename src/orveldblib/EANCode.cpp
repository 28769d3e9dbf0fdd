// EAN-13 check digit by the GS1 weighting rule.
#include "orveldblib/EANCode.h"

#include <cstring>
#include <string>

#include "afx/Exception.h"

namespace {

bool allDigits(const char* text, std::size_t n)
{
    for (std::size_t i = 0; i < n; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
    }
    return true;
}

}  // namespace

char CEANCode::GetEAN13CheckDigit(const char* text)
{
    std::size_t len = text != nullptr ? std::strlen(text) : 0;
    if ((len != 12 && len != 13) || !allDigits(text, len))
        AfxThrowInvalidArgException(
            ("EAN-13 check digit needs twelve digits, got \"" + std::string(text != nullptr ? text : "") + "\"").c_str());
    int sum = 0;
    for (std::size_t i = 0; i < 12; ++i)
        sum += (text[i] - '0') * (i % 2 == 0 ? 1 : 3);
    return static_cast<char>('0' + (10 - sum % 10) % 10);
}

bool CEANCode::IsValidEAN13(const char* text)
{
    if (text == nullptr || std::strlen(text) != 13 || !allDigits(text, 13))
        return false;
    return GetEAN13CheckDigit(text) == text[12];
}
