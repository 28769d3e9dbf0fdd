// FiscalCodes: the check characters of the Italian identifiers an invoice carries, which the
// exchange system verifies and the schema cannot: the VAT number (eleven digits, the last a
// Luhn-style check digit) and the tax code (sixteen characters for a person, the last a check
// letter; or eleven digits for a company, checked as a VAT number). Each check answers an empty
// text when the code is right, else what is wrong with it, to follow the field's name ("has a
// wrong check digit").
#pragma once

#include <string>

namespace einvoice {

class FiscalCodes {
public:
    static std::string VatNumberProblem(const std::string& number);
    static std::string TaxCodeProblem(const std::string& code);
};

}  // namespace einvoice
