// Out-of-line destructors, so that each Decimal exception has one home for its type information
// and a host catching it across the shared library sees the same type.
#include "orveldblib/DecimalException.h"

DecimalException::~DecimalException() = default;
DecimalOverflowException::~DecimalOverflowException() = default;
DecimalDivideByZeroException::~DecimalDivideByZeroException() = default;
