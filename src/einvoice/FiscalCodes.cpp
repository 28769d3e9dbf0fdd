// FiscalCodes: the check digit of the VAT number and the check letter of the tax code.
#include "einvoice/FiscalCodes.h"

#include <cctype>

namespace einvoice {

namespace {

bool AllDigits(const std::string& text)
{
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

// The value of a character at an odd place (first, third, ...) of a person's tax code; digits
// count as the letter of the same rank (0 as A, 1 as B ...).
int OddValue(char c)
{
    static const int values[26] = {1,  0,  5,  7,  9,  13, 15, 17, 19, 21, 2,  4,  18,
                                   20, 11, 3,  6,  8,  12, 14, 16, 10, 22, 25, 24, 23};
    return values[std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : c - 'A'];
}

int EvenValue(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : c - 'A';
}

}  // namespace

std::string FiscalCodes::VatNumberProblem(const std::string& number)
{
    if (number.size() != 11 || !AllDigits(number))
        return "is not eleven digits";
    // The digits at odd places count as they are, those at even places doubled (less 9 when the
    // double has two digits); the last digit makes the sum a multiple of ten.
    int sum = 0;
    for (int i = 0; i < 10; ++i) {
        int d = number[i] - '0';
        if (i % 2 == 1) {
            d *= 2;
            if (d > 9)
                d -= 9;
        }
        sum += d;
    }
    return (10 - sum % 10) % 10 == number[10] - '0' ? "" : "has a wrong check digit";
}

std::string FiscalCodes::TaxCodeProblem(const std::string& code)
{
    if (code.size() == 11 && AllDigits(code))
        return VatNumberProblem(code);
    if (code.size() != 16)
        return "is neither sixteen characters nor eleven digits";
    for (char c : code)
        if (!std::isdigit(static_cast<unsigned char>(c)) && !std::isupper(static_cast<unsigned char>(c)))
            return "holds a character other than a digit or a capital letter";
    int sum = 0;
    for (int i = 0; i < 15; ++i)
        sum += i % 2 == 0 ? OddValue(code[i]) : EvenValue(code[i]);
    return code[15] == 'A' + sum % 26 ? "" : "has a wrong check character";
}

}  // namespace einvoice
