// The errors of Decimal arithmetic. A result whose integer part does not fit in 96 bits and a
// division by zero are reported by exception, never by a wrapped or made-up value, so that a
// wrong total can never reach a document. They derive from the framework's CException (itself a
// std::exception), so a host catches them with the library's other errors or as std::exception.
#pragma once

#include <string>

#include "afx/Exception.h"
#include "afx/Export.h"

// Base of every Decimal error; also thrown on its own for a DECIMAL value that is not valid
// (scale above 28, or a sign byte other than 0 and DECIMAL_NEG).
class ORVEL_API DecimalException : public CException {
public:
    explicit DecimalException(std::string message) : CException(std::move(message)) {}
    ~DecimalException() override;
};

// The result, or the text being read, lies beyond +-79228162514264337593543950335, or a conversion
// to long meets a value outside long's range.
class ORVEL_API DecimalOverflowException : public DecimalException {
public:
    explicit DecimalOverflowException(std::string message) : DecimalException(std::move(message)) {}
    ~DecimalOverflowException() override;
};

// A division whose divisor is zero (of any scale or sign).
class ORVEL_API DecimalDivideByZeroException : public DecimalException {
public:
    explicit DecimalDivideByZeroException(std::string message) : DecimalException(std::move(message)) {}
    ~DecimalDivideByZeroException() override;
};
