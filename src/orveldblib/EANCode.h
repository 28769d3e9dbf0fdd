// CEANCode: EAN-13 barcode arithmetic, used to give lots and internal articles a scannable code.
#pragma once

#include "afx/Export.h"

class ORVEL_API CEANCode {
public:
    // The GS1 check digit of a twelve-digit text: digits in odd positions (from the left, first
    // is 1) weigh 1, even positions weigh 3, and the check digit brings the sum to a multiple of
    // ten. A thirteen-digit text is accepted and its last digit ignored, so a full code can be
    // re-checked. Any other text throws CInvalidArgException naming it.
    static char GetEAN13CheckDigit(const char* text);

    // True when the text is thirteen digits whose last digit is the right check digit.
    static bool IsValidEAN13(const char* text);
};
