// EInvoiceError: why a document cannot leave the shop as an electronic invoice. Its text names the
// document and the field at fault ("document 12: the customer's VAT number 01234567890 has a wrong
// check digit"), so that whoever reads it knows what to correct in the shop's data.
#pragma once

#include <stdexcept>
#include <string>

namespace einvoice {

class EInvoiceError : public std::runtime_error {
public:
    explicit EInvoiceError(const std::string& message);
    ~EInvoiceError() override;
};

}  // namespace einvoice
