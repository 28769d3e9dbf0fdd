// CBase36Numeric: a counter written in base 36 (digits 0-9 then A-Z), used to propose the next
// article code when codes are alphanumeric. The value is kept as its digit text, so a counter of
// any length works (codes are not limited to what fits in a machine integer).
#pragma once

#include "afx/Export.h"
#include "afx/String.h"

class ORVEL_API CBase36Numeric {
public:
    CBase36Numeric() = default;

    // Reads a base-36 text; letters may be upper or lower case and surrounding blanks are ignored.
    // A text holding any other character (or an empty text) sets the counter to 0 and makes
    // IsValid() false, so a code generator that meets a foreign code starts again from 0.
    CBase36Numeric& operator=(const CString& text);
    CBase36Numeric& operator=(const char* text) { return *this = CString(text); }

    // Adds (or, for a negative amount, subtracts) a whole number. Going below zero throws
    // CInvalidArgException and leaves the counter unchanged.
    CBase36Numeric& operator+=(int amount);

    // Pads the text with leading zeros to at least minDigits digits and returns it. A longer
    // value is never cut.
    const CString& Format(int minDigits);

    const CString& GetText() const { return m_text; }
    operator const char*() const { return m_text; }  // NOLINT: used where the framework took text
    bool IsValid() const { return m_valid; }

private:
    CString m_text = "0";
    bool m_valid = true;
};
