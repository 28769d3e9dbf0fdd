// Decimal: the fixed-point number in which every amount, price, rate, percentage and quantity is
// held. It is the 16-byte OLE DECIMAL (a 96-bit unsigned mantissa, a power-of-ten scale 0..28 and
// a sign) and computes exactly as OLE Automation's VarDecAdd, VarDecSub, VarDecMul and VarDecDiv
// (the arithmetic of .NET's System.Decimal), so that totals computed here agree to the last digit
// with those of the family's other programs working on the same database.
//
// Value rules in short:
// - + - * / are exact whenever the exact result fits in 96 bits at a scale of at most 28 (addition
//   and subtraction keep the larger scale of the two, multiplication the sum of the scales:
//   1.10 * 2.0 = 2.200). Otherwise the result is rounded half to even at the largest scale at
//   which it fits; a result whose integer part does not fit in 96 bits throws
//   DecimalOverflowException, and a zero divisor DecimalDivideByZeroException.
// - Division keeps the natural scale (dividend scale minus divisor scale, at least 0) when the
//   quotient is exact there (10.00 / 2 = 5.00, 10 / 2 = 5); otherwise it computes up to 28
//   fraction digits and drops the trailing zeros (1 / 4 = 0.25, 1 / 3 = 0.3333333333333333333333333333).
// - Zero results take the sign and scale VarDec* gives them (1 - 1 = 0, -1 + 1 = -0, 0.00 * 5 =
//   0.00); a negative zero compares equal to zero, is not IsNegative() and is written without sign.
#pragma once

#include <cstdint>
#include <type_traits>

#include "afx/Export.h"
#include "afx/Locale.h"
#include "afx/String.h"
#include "afx/Types.h"
#include "orveldblib/DecimalException.h"

// The OLE DECIMAL, field for field: the mantissa is Hi32:Mid32:Lo32 (Lo64 is Mid32:Lo32 as one
// word), the value is (-1)^sign * mantissa / 10^scale, and signscale is scale and sign as one
// word. OLE's ULONG is 32 bits wide, where this platform's unsigned long is 64, so the 32-bit
// fields are spelt with a fixed-width type. The unnamed members are those of the OLE header;
// __extension__ keeps hosts that compile with -pedantic free of warnings about them.
typedef struct tagDEC {
    unsigned short wReserved;
    __extension__ union {
        __extension__ struct {
            BYTE scale;
            BYTE sign;
        };
        unsigned short signscale;
    };
    std::uint32_t Hi32;
    __extension__ union {
        __extension__ struct {
            std::uint32_t Lo32;
            std::uint32_t Mid32;
        };
        ULONGLONG Lo64;
    };
} DECIMAL;
typedef DECIMAL* LPDECIMAL;
static_assert(sizeof(tagDEC) == 16, "DECIMAL must keep the 16-byte OLE layout");

// Sign byte of a negative DECIMAL.
constexpr BYTE DECIMAL_NEG = 0x80;

// Results of VarDecCmp.
constexpr int VARCMP_LT = 0;
constexpr int VARCMP_EQ = 1;
constexpr int VARCMP_GT = 2;
// VarDecCmp's answer when an operand is no number (a scale above 28).
constexpr int VARCMP_NULL = 3;

// A Decimal is a DECIMAL with arithmetic: host code may pass its address where a DECIMAL* is
// expected, copy it into a DECIMAL and read or write its fields. A scale that a host sets above
// 28 makes the value no number: arithmetic, rounding and writing it throw DecimalException.
class ORVEL_API Decimal : public tagDEC {
public:
    // The largest scale (number of fraction digits) a Decimal can have.
    static constexpr int MaxScale = 28;

    // Zero, scale 0.
    Decimal() noexcept : tagDEC{} {}

    // The integer value, scale 0. Implicit, as the framework's, so `amount + 1` reads naturally.
    Decimal(long value) noexcept;  // NOLINT(google-explicit-constructor)

    // No binary floating point: Decimal(0.1) would silently become 0 through long, and a double
    // cannot hold 0.1 exactly anyway. Write Decimal("0.1", LOCALE_INVARIANT) instead.
    template <typename F>
        requires std::is_floating_point_v<F>
    Decimal(F) = delete;

    // Copies a DECIMAL (the wReserved field is not kept). Throws DecimalException when the scale
    // is above 28 or the sign byte is neither 0 nor DECIMAL_NEG: such bytes are no number.
    Decimal(const tagDEC& dec);  // NOLINT(google-explicit-constructor)

    // Reads text.
    // - locale LOCALE_INVARIANT (127): the stored form "-1234.5678": optional blanks, an optional
    //   '+' or '-', digits with at most one '.' ("5." and ".5" are accepted, at least one digit is
    //   required), optional blanks; no grouping and no exponent. Every written digit counts for
    //   the scale: "12.50" has scale 2.
    // - any other locale: the display form of the process's LC_NUMERIC locale: the decimal point
    //   is localeconv()'s, and its thousands separator may appear between the integer digits
    //   ("1.234,5" under an Italian locale).
    // Empty or blank text is 0. Malformed text gives the value 0 (scale 0) without an exception;
    // use TryParse to tell malformed text from a written zero. More than 28 fraction digits, or
    // more digits than 96 bits hold, are rounded half to even to the largest scale that fits, as
    // VarDecFromStr does; a value whose integer part does not fit in 96 bits throws
    // DecimalOverflowException. A written negative zero ("-0.00") reads as a positive zero.
    Decimal(const CString& text, LCID locale);
    Decimal(const char* text, LCID locale);

    // Reads text as the constructor does, but never throws: true with the value in result, or
    // false (result set to 0) for malformed text and for a value beyond the 96-bit range.
    static bool TryParse(const CString& text, Decimal& result);  // invariant form
    static bool TryParse(const char* text, Decimal& result);     // invariant form
    static bool TryParse(const char* text, LCID locale, Decimal& result);

    Decimal& operator=(long value) noexcept;
    template <typename F>
        requires std::is_floating_point_v<F>
    Decimal& operator=(F) = delete;

    // The value truncated toward zero (-2.7 gives -2). Throws DecimalOverflowException when the
    // truncated value lies outside long's range. Explicit, because an implicit conversion would
    // make `amount + 1` ambiguous between Decimal and long arithmetic: write (long)amount.
    explicit operator long() const;

    Decimal& operator+=(const Decimal& other);
    Decimal& operator-=(const Decimal& other);
    Decimal& operator*=(const Decimal& other);
    Decimal& operator/=(const Decimal& other);

    // The value with the opposite sign (the sign byte is flipped, also for zero, as VarDecNeg).
    Decimal operator-() const noexcept;

    // Rounds in place to `decimals` fraction digits, half away from zero (commercial rounding:
    // 2.345 -> 2.35, -2.345 -> -2.35, 2.3449 -> 2.34). A value whose scale is already at most
    // `decimals` is left as it is (no zeros are added: 22 stays "22"); otherwise the result has
    // scale `decimals`. `decimals` below 0 counts as 0 and above 28 as 28. A value that rounds
    // to zero becomes a positive zero. Returns *this.
    Decimal& Round3(int decimals);

    // The integer part, truncated toward zero, scale 0 (-2.7 -> -2, -0.5 -> 0); a zero result is
    // a positive zero.
    Decimal Fixed() const;

    // Clears the sign in place. Returns *this.
    Decimal& MakeAbsolute() noexcept;

    // Writes the value as text.
    // - locale LOCALE_INVARIANT (127): the stored form: '-' for a value below zero, the integer
    //   digits (at least one), then '.' and exactly `scale` fraction digits (12.50 -> "12.50",
    //   -0.5 -> "-0.5", zero of scale 2 -> "0.00"). Decimal(text, 127) reads it back to the same
    //   16 bytes, except that a negative zero reads back positive.
    // - any other locale (GetSystemDefaultLCID(), 0xFFFFFFFF, ...): the display form of the
    //   process's LC_NUMERIC locale: its decimal point and its thousands grouping (an Italian
    //   locale shows "1.234,5"); the minus sign is '-'.
    // dropTrailingZeros: true drops the trailing fraction zeros, and the separator when no
    // fraction digit remains ("10.00" -> "10", "2.50" -> "2.5"), as percentages are shown;
    // false keeps all `scale` fraction digits (the form to store).
    CString ToString2(LCID locale, bool dropTrailingZeros) const;

    // Number of fraction digits, 0..28.
    int GetScale() const noexcept { return scale; }
    // True when the value is below zero (a negative zero is not negative).
    bool IsNegative() const noexcept { return (sign & DECIMAL_NEG) != 0 && !IsZero(); }
    bool IsZero() const noexcept { return Hi32 == 0 && Lo64 == 0; }
    // The DECIMAL this value is.
    const tagDEC& GetDEC() const noexcept { return *this; }

private:
    tagDEC& dec() noexcept { return *this; }
    const tagDEC& dec() const noexcept { return *this; }
};

static_assert(sizeof(Decimal) == 16, "a Decimal is exactly one DECIMAL");

// The text a Decimal is kept as in a text column: the invariant form with all its fraction digits,
// which Decimal(text, LOCALE_INVARIANT) reads back to the same value and scale.
inline CString ToStoredText(const Decimal& value)
{
    return value.ToString2(LOCALE_INVARIANT, false);
}

ORVEL_API Decimal operator+(const Decimal& left, const Decimal& right);
ORVEL_API Decimal operator-(const Decimal& left, const Decimal& right);
ORVEL_API Decimal operator*(const Decimal& left, const Decimal& right);
ORVEL_API Decimal operator/(const Decimal& left, const Decimal& right);

// Compares two values numerically (1.0 equals 1.00, -0 equals 0): VARCMP_LT, VARCMP_EQ or
// VARCMP_GT for left less than, equal to or greater than right. The pointers must not be null.
ORVEL_API int VarDecCmp(const DECIMAL* left, const DECIMAL* right) noexcept;
ORVEL_API int VarDecCmp(const Decimal& left, const Decimal& right) noexcept;

inline bool operator==(const Decimal& a, const Decimal& b) noexcept { return VarDecCmp(a, b) == VARCMP_EQ; }
inline bool operator!=(const Decimal& a, const Decimal& b) noexcept { return VarDecCmp(a, b) != VARCMP_EQ; }
inline bool operator<(const Decimal& a, const Decimal& b) noexcept { return VarDecCmp(a, b) == VARCMP_LT; }
inline bool operator<=(const Decimal& a, const Decimal& b) noexcept { return VarDecCmp(a, b) != VARCMP_GT; }
inline bool operator>(const Decimal& a, const Decimal& b) noexcept { return VarDecCmp(a, b) == VARCMP_GT; }
inline bool operator>=(const Decimal& a, const Decimal& b) noexcept { return VarDecCmp(a, b) != VARCMP_LT; }
