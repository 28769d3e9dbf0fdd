// EInvoiceError: the refusal of an export, with the field named in its text.
#include "einvoice/EInvoiceError.h"

namespace einvoice {

EInvoiceError::EInvoiceError(const std::string& message) : std::runtime_error(message) {}

EInvoiceError::~EInvoiceError() = default;

}  // namespace einvoice
