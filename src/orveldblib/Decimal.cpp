// Decimal arithmetic, text conversion and comparison over a 96-bit mantissa.
//
// The mantissa is worked on as an unsigned __int128; the rare results wider than 128 bits (a
// product of two large mantissas, an operand scaled up by 10^28 to align with the other) go
// through a three-limb integer that is then brought back into range by one routine, fitWide(),
// which rounds half to even to the largest scale that fits. Every operation's common case (same
// scale addition, products of mantissas below 2^64, divisors below 2^64) stays on 64- and
// 128-bit machine arithmetic. No floating point is used anywhere.
//
// The zero results' sign and scale follow VarDecAdd/VarDecMul as those functions produce them,
// because a DECIMAL written by this library must have the same bytes as the one written by the
// family's other programs for the same computation.
#include "orveldblib/Decimal.h"

#include <array>
#include <bit>
#include <climits>
#include <clocale>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using u64 = std::uint64_t;
using u128 = unsigned __int128;

constexpr int kMaxScale = Decimal::MaxScale;
constexpr u128 kMax96 = (u128(1) << 96) - 1;
// 2^96 / 10 rounded half to even: what a value that rounded up to 2^96 becomes one scale lower.
constexpr u128 kTwoTo96Div10 = ((u128(1) << 96) + 5) / 10;

constexpr std::array<u128, 39> makePowers()
{
    std::array<u128, 39> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i)
        p[i] = p[i - 1] * 10;
    return p;
}
// 10^0 .. 10^38 (10^38 is the largest power of ten below 2^128).
constexpr std::array<u128, 39> kPow10 = makePowers();

constexpr std::array<u128, kMaxScale + 1> makeFitLimits()
{
    std::array<u128, kMaxScale + 1> f{};
    for (std::size_t i = 0; i < f.size(); ++i)
        f[i] = kMax96 / kPow10[i];
    return f;
}
// kFit[k]: the largest mantissa that can be multiplied by 10^k and still fit in 96 bits.
constexpr std::array<u128, kMaxScale + 1> kFit = makeFitLimits();

// ---------------------------------------------------------------------------------------------
// Machine-level helpers

inline u128 mantissaOf(const tagDEC& d)
{
    return (u128(d.Hi32) << 64) | d.Lo64;
}

inline bool negativeOf(const tagDEC& d)
{
    return (d.sign & DECIMAL_NEG) != 0;
}

// Writes a DECIMAL as two 64-bit words (wReserved, scale, sign and Hi32 make the first one), so
// that a caller reading the result back as a whole does not stall on partial stores.
inline void store(tagDEC& d, u128 mantissa, int scale, bool negative)
{
    static_assert(std::endian::native == std::endian::little, "tagDEC words are built little-endian");
    u64 head = (static_cast<u64>(scale) << 16) | (static_cast<u64>(negative ? DECIMAL_NEG : 0) << 24) |
               (static_cast<u64>(mantissa >> 64) << 32);
    u64 low = static_cast<u64>(mantissa);
    unsigned char* bytes = reinterpret_cast<unsigned char*>(&d);
    std::memcpy(bytes, &head, sizeof head);
    std::memcpy(bytes + 8, &low, sizeof low);
}

// (hi:lo) / d for hi < d, so that the quotient fits in 64 bits: one hardware division on x86-64.
inline u64 div128by64(u64 hi, u64 lo, u64 d, u64& rem)
{
#if defined(__x86_64__)
    u64 q;
    u64 r;
    __asm__("divq %4" : "=a"(q), "=d"(r) : "a"(lo), "d"(hi), "rm"(d) : "cc");
    rem = r;
    return q;
#else
    u128 n = (u128(hi) << 64) | lo;
    rem = static_cast<u64>(n % d);
    return static_cast<u64>(n / d);
#endif
}

// n / d with a 128-bit quotient and the remainder.
inline u128 divBy64(u128 n, u64 d, u64& rem)
{
    u64 hi = static_cast<u64>(n >> 64);
    u64 qhi = 0;
    if (hi >= d) {
        qhi = hi / d;
        hi %= d;
    }
    u64 qlo = div128by64(hi, static_cast<u64>(n), d, rem);
    return (u128(qhi) << 64) | qlo;
}

// A non-negative integer of up to 192 bits, least significant limb first: the exact intermediate
// of a wide product or of an operand aligned to a much larger scale.
struct Wide {
    u64 w[3] = {0, 0, 0};

    static Wide from(u128 v)
    {
        Wide r;
        r.w[0] = static_cast<u64>(v);
        r.w[1] = static_cast<u64>(v >> 64);
        return r;
    }

    // a * b for a, b below 2^96 (the product is below 2^192).
    static Wide product(u128 a, u128 b)
    {
        u64 a0 = static_cast<u64>(a);
        u64 a1 = static_cast<u64>(a >> 64);
        u64 b0 = static_cast<u64>(b);
        u64 b1 = static_cast<u64>(b >> 64);
        u128 p00 = u128(a0) * b0;
        u128 p01 = u128(a0) * b1;
        u128 p10 = u128(a1) * b0;
        u128 p11 = u128(a1) * b1;
        Wide r;
        r.w[0] = static_cast<u64>(p00);
        u128 mid = (p00 >> 64) + static_cast<u64>(p01) + static_cast<u64>(p10);
        r.w[1] = static_cast<u64>(mid);
        u128 high = (mid >> 64) + (p01 >> 64) + (p10 >> 64) + p11;
        r.w[2] = static_cast<u64>(high);
        return r;
    }

    bool fits96() const { return w[2] == 0 && (w[1] >> 32) == 0; }
    u128 low128() const { return (u128(w[1]) << 64) | w[0]; }

    int bitLength() const
    {
        for (int i = 2; i >= 0; --i) {
            if (w[i] != 0)
                return i * 64 + 64 - __builtin_clzll(w[i]);
        }
        return 0;
    }

    int compare(const Wide& o) const
    {
        for (int i = 2; i >= 0; --i) {
            if (w[i] != o.w[i])
                return w[i] < o.w[i] ? -1 : 1;
        }
        return 0;
    }

    void add(const Wide& o)
    {
        u64 carry = 0;
        for (int i = 0; i < 3; ++i) {
            u128 s = u128(w[i]) + o.w[i] + carry;
            w[i] = static_cast<u64>(s);
            carry = static_cast<u64>(s >> 64);
        }
    }

    // *this - o, for *this >= o.
    void subtract(const Wide& o)
    {
        u64 borrow = 0;
        for (int i = 0; i < 3; ++i) {
            u64 a = w[i];
            u64 d = a - o.w[i] - borrow;
            borrow = (a < o.w[i] || (a == o.w[i] && borrow != 0)) ? 1 : 0;
            w[i] = d;
        }
    }

    // Divides in place by d (d > 0), returns the remainder.
    u64 divide(u64 d)
    {
        u64 rem = 0;
        for (int i = 2; i >= 0; --i)
            w[i] = div128by64(rem, w[i], d, rem);
        return rem;
    }
};

// A DECIMAL whose scale a host set above 28 is no number; operations on it throw rather than read
// past their tables of powers of ten.
[[noreturn, gnu::cold]] void throwInvalidScale(const tagDEC& d)
{
    throw DecimalException("Invalid DECIMAL: scale " + std::to_string(d.scale) + " is above 28");
}

inline void checkScale(const tagDEC& d)
{
    if (d.scale > kMaxScale) [[unlikely]]
        throwInvalidScale(d);
}

inline void checkScales(const tagDEC& a, const tagDEC& b)
{
    if (a.scale > kMaxScale || b.scale > kMaxScale) [[unlikely]]
        throwInvalidScale(a.scale > kMaxScale ? a : b);
}

[[noreturn]] void throwOverflow(const char* what)
{
    throw DecimalOverflowException(std::string("Decimal overflow: the result of ") + what +
                                   " lies beyond +-79228162514264337593543950335");
}

// Brings the exact magnitude v at scale `scale` (which may exceed 28) into the DECIMAL range:
// the largest scale not above min(scale, 28) at which v, rounded half to even, fits in 96 bits.
// This is what VarDecAdd and VarDecMul do with a result too wide or too finely scaled. Returns
// false when v does not fit even at scale 0.
bool fitWide(Wide v, int scale, u128& mantissa, int& newScale)
{
    int drop = scale > kMaxScale ? scale - kMaxScale : 0;
    int bits = v.bitLength();
    if (bits > 96) {
        // A lower bound of the powers of ten to remove: 77/256 is just below log10(2).
        int atLeast = ((bits - 97) * 77) >> 8;
        if (atLeast > drop)
            drop = atLeast;
    }
    if (drop > scale)
        return false;

    u64 lastRem = 0;
    u64 lastHalf = 0;
    bool sticky = false;
    for (int left = drop; left > 0;) {
        int chunk = left > 19 ? 19 : left;
        sticky = sticky || lastRem != 0;
        u64 divisor = static_cast<u64>(kPow10[chunk]);
        lastRem = v.divide(divisor);
        lastHalf = divisor / 2;
        left -= chunk;
    }
    while (!v.fits96()) {
        if (scale - drop == 0)
            return false;
        sticky = sticky || lastRem != 0;
        lastRem = v.divide(10);
        lastHalf = 5;
        ++drop;
    }
    u128 q = v.low128();
    if (drop > 0 && (lastRem > lastHalf || (lastRem == lastHalf && (sticky || (q & 1) != 0))))
        ++q;
    if (q > kMax96) {
        if (scale - drop == 0)
            return false;
        q = kTwoTo96Div10;
        ++drop;
    }
    mantissa = q;
    newScale = scale - drop;
    return true;
}

// ---------------------------------------------------------------------------------------------
// The four operations

// result = a + b (subtract false) or a - b (subtract true), as VarDecAdd/VarDecSub.
// A same-scale sum one bit too wide for 96 bits: one digit less, rounded half to even.
[[gnu::noinline]] void storeCarriedSum(tagDEC& result, u128 sum, int scale, bool negative, const char* what)
{
    if (scale == 0)
        throwOverflow(what);
    u64 rem;
    u128 q = divBy64(sum, 10, rem);
    if (rem > 5 || (rem == 5 && (q & 1) != 0))
        ++q;
    store(result, q, scale - 1, negative);
}

// Addition of operands of different scales: the operand of the smaller scale (the base) is
// scaled up to the other's. A zero result takes the sign of the base, as VarDecAdd gives it.
[[gnu::noinline]] void addAligned(tagDEC& result, u128 ma, bool negA, int scaleA, u128 mb, bool negB,
                                  int scaleB, const char* what)
{
    // A zero result takes the sign of the base, as VarDecAdd gives it.
    u128 mBase;
    u128 mOther;
    bool negBase;
    bool negOther;
    int shift;
    int scale;
    if (scaleA < scaleB) {
        mBase = ma; negBase = negA; mOther = mb; negOther = negB;
        shift = scaleB - scaleA; scale = scaleB;
    } else {
        mBase = mb; negBase = negB; mOther = ma; negOther = negA;
        shift = scaleA - scaleB; scale = scaleA;
    }
    if (mBase == 0) {
        // VarDecAdd returns the other operand as it is.
        store(result, mOther, scale, negOther);
        return;
    }

    u128 scaled;
    if (!__builtin_mul_overflow(mBase, kPow10[shift], &scaled)) {
        if (negBase != negOther) {
            if (scaled < mOther) {
                store(result, mOther - scaled, scale, negOther);
                return;
            }
            u128 diff = scaled - mOther;
            if (diff <= kMax96) {
                store(result, diff, scale, negBase);
                return;
            }
        } else {
            u128 sum;
            if (!__builtin_add_overflow(scaled, mOther, &sum) && sum <= kMax96) {
                store(result, sum, scale, negBase);
                return;
            }
        }
    }

    // The aligned value is wider than 96 bits: compute exactly in 192 bits and round.
    Wide value = Wide::product(mBase, kPow10[shift]);
    Wide other = Wide::from(mOther);
    bool negative = negBase;
    if (negBase == negOther) {
        value.add(other);
    } else if (value.compare(other) >= 0) {
        value.subtract(other);
    } else {
        other.subtract(value);
        value = other;
        negative = negOther;
    }
    u128 mantissa;
    int newScale;
    if (!fitWide(value, scale, mantissa, newScale))
        throwOverflow(what);
    store(result, mantissa, newScale, negative);
}

// result = a + b (subtract false) or a - b (subtract true), as VarDecAdd/VarDecSub. The common
// case, operands of the same scale, is handled here inline.
inline void addSub(tagDEC& result, const tagDEC& a, const tagDEC& b, bool subtract, const char* what)
{
    checkScales(a, b);
    bool negA = negativeOf(a);
    bool negB = negativeOf(b) != subtract;
    int scale = a.scale;
    u128 ma = mantissaOf(a);
    u128 mb = mantissaOf(b);
    if (scale != b.scale) [[unlikely]] {
        addAligned(result, ma, negA, scale, mb, negB, b.scale, what);
        return;
    }
    if (negA == negB) {
        u128 sum = ma + mb;
        if (sum > kMax96) [[unlikely]] {
            storeCarriedSum(result, sum, scale, negA, what);
            return;
        }
        store(result, sum, scale, negA);
    } else if (ma >= mb) {
        store(result, ma - mb, scale, negA);  // a zero result keeps the left operand's sign
    } else {
        store(result, mb - ma, scale, negB);
    }
}

// result = a * b, as VarDecMul.
void multiply(tagDEC& result, const tagDEC& a, const tagDEC& b)
{
    checkScales(a, b);
    u128 ma = mantissaOf(a);
    u128 mb = mantissaOf(b);
    int scale = a.scale + b.scale;
    bool negative = negativeOf(a) != negativeOf(b);

    if ((ma >> 32) == 0 && (mb >> 32) == 0) {
        // Both mantissas below 2^32: the product fits in 64 bits. When more than 19 digits have
        // to go, the product (below 1.85e19) is less than half a unit of the 28th digit and
        // VarDecMul returns a plain zero.
        if (scale > kMaxScale + 19) {
            store(result, 0, 0, false);
            return;
        }
        u64 p = static_cast<u64>(ma) * static_cast<u64>(mb);
        if (scale > kMaxScale) {
            u64 divisor = static_cast<u64>(kPow10[scale - kMaxScale]);
            u64 q = p / divisor;
            u64 rem = p - q * divisor;
            u64 half = divisor / 2;
            if (rem > half || (rem == half && (q & 1) != 0))
                ++q;
            store(result, q, kMaxScale, negative);
            return;
        }
        store(result, p, scale, negative);
        return;
    }
    if (ma == 0 || mb == 0) {
        // VarDecMul's wide path returns a plain zero for a zero product.
        store(result, 0, 0, false);
        return;
    }
    if ((ma >> 64) == 0 && (mb >> 64) == 0) {
        u128 p = u128(static_cast<u64>(ma)) * static_cast<u64>(mb);
        if (p <= kMax96 && scale <= kMaxScale) {
            store(result, p, scale, negative);
            return;
        }
    }
    u128 mantissa;
    int newScale;
    if (!fitWide(Wide::product(ma, mb), scale, mantissa, newScale))
        throwOverflow("a multiplication");
    store(result, mantissa, newScale, negative);
}

// The largest k <= limit such that q * 10^k still fits in 96 bits.
inline int scaleRoom(u128 q, int limit)
{
    int k = limit;
    while (k > 0 && q > kFit[k])
        --k;
    return k;
}

// result = a / b, as VarDecDiv.
// k when v is 10^k (k = 0..19), otherwise -1.
inline int tenExponent(u64 v)
{
    if (v == 0)
        return -1;
    int guess = (std::bit_width(v) * 1233) >> 12;  // floor(log10 v) or one more
    if (v < static_cast<u64>(kPow10[static_cast<std::size_t>(guess)]))
        --guess;
    return v == static_cast<u64>(kPow10[static_cast<std::size_t>(guess)]) ? guess : -1;
}

void divide(tagDEC& result, const tagDEC& a, const tagDEC& b)
{
    checkScales(a, b);
    u128 mb = mantissaOf(b);
    if (mb == 0)
        throw DecimalDivideByZeroException("Decimal division by zero");
    u128 ma = mantissaOf(a);
    bool negative = negativeOf(a) != negativeOf(b);
    int scale = static_cast<int>(a.scale) - static_cast<int>(b.scale);

    // A divisor below 2^64 takes up to 19 new digits per hardware division; a wider one 9
    // digits per step, so that remainder * 10^k stays below 2^128.
    bool narrow = (mb >> 64) == 0;
    u64 d64 = static_cast<u64>(mb);
    int step = narrow ? 19 : 9;

    u128 q;
    u128 rem;
    if (narrow) {
        u64 r;
        q = divBy64(ma, d64, r);
        rem = r;
    } else {
        q = ma / mb;
        rem = ma % mb;
    }

    bool inexact = false;
    // A percentage divided by 100, or any division by a power of ten (1, 10, 100, ...): the exact
    // quotient is the dividend itself at a larger scale, when that scale is allowed. It is then
    // written as the digit-by-digit path below would end: without trailing zeros.
    int powerOfTen = narrow && rem != 0 ? tenExponent(d64) : -1;
    if (powerOfTen > 0 && scale + powerOfTen >= 0 && scale + powerOfTen <= kMaxScale) {
        q = ma;
        scale += powerOfTen;
        rem = 0;
        inexact = true;
    }
    for (;;) {
        if (rem == 0) {
            // Exact at this scale: only a negative scale still has to be brought to 0.
            if (scale < 0) {
                if (q > kFit[-scale])
                    throwOverflow("a division");
                q *= kPow10[-scale];
                scale = 0;
            }
            break;
        }
        inexact = true;
        int limit = kMaxScale - scale;
        int k = scaleRoom(q, limit < step ? limit : step);
        if (k == 0) {
            if (scale < 0)
                throwOverflow("a division");
            // No more digits fit: round on the remainder, half to even.
            u128 twice = rem << 1;
            if (twice > mb || (twice == mb && (q & 1) != 0)) {
                ++q;
                if (q > kMax96) {
                    if (scale == 0)
                        throwOverflow("a division");
                    q = kTwoTo96Div10;
                    --scale;
                }
            }
            break;
        }
        q *= kPow10[k];
        scale += k;
        u128 digits;
        if (narrow) {
            u128 t = rem * kPow10[k];
            u64 r;
            digits = div128by64(static_cast<u64>(t >> 64), static_cast<u64>(t), d64, r);
            rem = r;
        } else {
            u128 t = rem * kPow10[k];
            digits = t / mb;
            rem = t % mb;
        }
        q += digits;
        if (q > kMax96) {
            // The new digits carried past 96 bits: one digit less, rounded with the rest of the
            // remainder as sticky information.
            if (scale <= 0)
                throwOverflow("a division");
            u64 last;
            q = divBy64(q, 10, last);
            if (last > 5 || (last == 5 && (rem != 0 || (q & 1) != 0)))
                ++q;
            --scale;
            break;
        }
    }

    if (inexact) {
        // The quotient was extended with digits: drop the trailing zeros it may end with.
        while (scale >= 8 && (q & 0xFF) == 0) {
            u64 r;
            u128 t = divBy64(q, 100000000, r);
            if (r != 0)
                break;
            q = t;
            scale -= 8;
        }
        while (scale >= 1 && (q & 1) == 0) {
            u64 r;
            u128 t = divBy64(q, 10, r);
            if (r != 0)
                break;
            q = t;
            --scale;
        }
    }
    store(result, q, scale, negative);
}

// ---------------------------------------------------------------------------------------------
// Text

enum class ParseResult { Ok, Malformed, Overflow };

inline bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

inline bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads the invariant form from [p, end).
ParseResult parseInvariant(const char* p, const char* end, tagDEC& out)
{
    store(out, 0, 0, false);
    while (p != end && isBlank(*p))
        ++p;
    if (p == end)
        return ParseResult::Ok;  // empty or blank text is zero
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    const char* intBegin = p;
    while (p != end && isDigit(*p))
        ++p;
    const char* intEnd = p;
    const char* fracBegin = p;
    const char* fracEnd = p;
    if (p != end && *p == '.') {
        ++p;
        fracBegin = p;
        while (p != end && isDigit(*p))
            ++p;
        fracEnd = p;
    }
    if (intBegin == intEnd && fracBegin == fracEnd)
        return ParseResult::Malformed;
    while (p != end && isBlank(*p))
        ++p;
    if (p != end)
        return ParseResult::Malformed;

    while (intBegin != intEnd && *intBegin == '0')
        ++intBegin;  // leading zeros carry no value
    int intDigits = static_cast<int>(intEnd - intBegin);
    long fracDigitsLong = fracEnd - fracBegin;

    if (intDigits + fracDigitsLong <= 19 && fracDigitsLong <= kMaxScale) {
        u64 v = 0;
        for (const char* c = intBegin; c != intEnd; ++c)
            v = v * 10 + static_cast<u64>(*c - '0');
        for (const char* c = fracBegin; c != fracEnd; ++c)
            v = v * 10 + static_cast<u64>(*c - '0');
        store(out, v, static_cast<int>(fracDigitsLong), negative && v != 0);
        return ParseResult::Ok;
    }

    // General case: the digits are the integer digits followed by the fraction digits; keep
    // those down to the largest scale that fits and round the rest half to even.
    if (intDigits > 29)
        return ParseResult::Overflow;  // at least 10^29, beyond 2^96
    long total = intDigits + fracDigitsLong;
    auto digitAt = [&](long i) -> int {
        if (i < intDigits)
            return intBegin[i] - '0';
        return fracBegin[i - intDigits] - '0';
    };
    int scale = fracDigitsLong < kMaxScale ? static_cast<int>(fracDigitsLong) : kMaxScale;
    long keep = intDigits + scale;  // digits kept at that scale; the others are rounded away
    // Significant digits among the kept ones: more than 29 can never fit in 96 bits.
    long firstNonZero = 0;
    while (firstNonZero < keep && digitAt(firstNonZero) == 0)
        ++firstNonZero;
    long significant = keep - firstNonZero;
    if (significant > 29) {
        long excess = significant - 29;
        if (excess > scale)
            return ParseResult::Overflow;
        scale -= static_cast<int>(excess);
        keep -= excess;
    }
    u128 v = 0;
    for (long i = firstNonZero; i < keep; ++i)
        v = v * 10 + static_cast<unsigned>(digitAt(i));
    int first = keep < total ? digitAt(keep) : 0;  // first dropped digit
    bool sticky = false;  // any non-zero dropped digit after it
    for (long i = keep + 1; i < total && !sticky; ++i)
        sticky = digitAt(i) != 0;
    while (v > kMax96) {
        if (scale == 0)
            return ParseResult::Overflow;
        sticky = sticky || first != 0;
        u64 r;
        v = divBy64(v, 10, r);
        first = static_cast<int>(r);
        --scale;
    }
    if (first > 5 || (first == 5 && (sticky || (v & 1) != 0))) {
        ++v;
        if (v > kMax96) {
            if (scale == 0)
                return ParseResult::Overflow;
            v = kTwoTo96Div10;
            --scale;
        }
    }
    store(out, v, scale, negative && v != 0);
    return ParseResult::Ok;
}

// The separators of the process's LC_NUMERIC locale.
struct NumericFormat {
    std::string point;
    std::string thousands;
    std::string grouping;
};

NumericFormat currentNumericFormat()
{
    NumericFormat f;
    const std::lconv* lc = std::localeconv();
    f.point = (lc != nullptr && lc->decimal_point != nullptr && lc->decimal_point[0] != '\0')
                  ? lc->decimal_point : ".";
    if (lc != nullptr && lc->thousands_sep != nullptr)
        f.thousands = lc->thousands_sep;
    if (lc != nullptr && lc->grouping != nullptr)
        f.grouping = lc->grouping;
    return f;
}

// The size of the i-th digit group counted from the decimal point, from localeconv()'s grouping
// (the last entry repeats); 0 when no further grouping applies.
int groupSize(const std::string& grouping, std::size_t i)
{
    if (grouping.empty())
        return 0;
    int size = static_cast<unsigned char>(grouping[i < grouping.size() ? i : grouping.size() - 1]);
    return size > 0 && size != CHAR_MAX ? size : 0;
}

// Reads the display form of the process's locale by rewriting it into the invariant form: its
// decimal point becomes '.', and its thousands separators, allowed only between integer digits
// and only where the locale's grouping puts them ("1.234.567,8" but not "1.5" under an Italian
// locale), are dropped. Text without separators is read too ("1234,5"). Anything else is passed
// on for the invariant reader to judge, except a '.' that is no separator of this locale, which
// makes the text malformed.
ParseResult parseDisplay(const char* p, const char* end, tagDEC& out)
{
    NumericFormat f = currentNumericFormat();
    if (f.point == "." && f.thousands.empty())
        return parseInvariant(p, end, out);
    std::string text;
    text.reserve(static_cast<std::size_t>(end - p));
    std::string groups;  // digit count of each written integer group, left to right
    int digits = 0;
    bool grouped = false;
    bool seenPoint = false;
    while (p != end) {
        std::string_view rest(p, static_cast<std::size_t>(end - p));
        if (!seenPoint && !f.thousands.empty() && rest.starts_with(f.thousands) && digits > 0 &&
            rest.size() > f.thousands.size() && isDigit(rest[f.thousands.size()])) {
            groups += static_cast<char>(digits > 100 ? 100 : digits);
            digits = 0;
            grouped = true;
            p += f.thousands.size();
            continue;
        }
        if (!seenPoint && rest.starts_with(f.point)) {
            text += '.';
            seenPoint = true;
            p += f.point.size();
            continue;
        }
        if (*p == '.') {
            store(out, 0, 0, false);
            return ParseResult::Malformed;
        }
        if (!seenPoint && isDigit(*p))
            ++digits;
        text += *p++;
    }
    if (grouped) {
        // The groups, from the decimal point leftwards, must have the locale's sizes; the
        // leftmost one may be shorter.
        groups += static_cast<char>(digits > 100 ? 100 : digits);
        std::size_t count = groups.size();
        for (std::size_t i = 0; i < count; ++i) {
            int written = groups[count - 1 - i];
            int expected = groupSize(f.grouping, i);
            bool leftmost = i + 1 == count;
            if (expected == 0 || written > expected || (!leftmost && written != expected) || written == 0) {
                store(out, 0, 0, false);
                return ParseResult::Malformed;
            }
        }
    }
    return parseInvariant(text.data(), text.data() + text.size(), out);
}

ParseResult parse(const char* text, LCID locale, tagDEC& out)
{
    if (text == nullptr) {
        store(out, 0, 0, false);
        return ParseResult::Ok;
    }
    const char* end = text + std::strlen(text);
    if (IsInvariantLocale(locale))
        return parseInvariant(text, end, out);
    return parseDisplay(text, end, out);
}

void throwParseOverflow(const char* text)
{
    std::string shown(text != nullptr ? text : "");
    if (shown.size() > 80)
        shown = shown.substr(0, 80) + "...";
    throw DecimalOverflowException("Decimal overflow: the text \"" + shown +
                                   "\" lies beyond +-79228162514264337593543950335");
}

constexpr std::array<char, 200> makeDigitPairs()
{
    std::array<char, 200> t{};
    for (int i = 0; i < 100; ++i) {
        t[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
        t[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
    }
    return t;
}
// "00" "01" ... "99": two digits per division by 100.
constexpr std::array<char, 200> kDigitPairs = makeDigitPairs();

inline void writePair(char* p, u64 twoDigits)
{
    std::memcpy(p, &kDigitPairs[2 * static_cast<std::size_t>(twoDigits)], 2);
}

// Four digits of v < 10^4 ending before `end`; the two halves are independent computations.
inline void writeFour(u64 v, char* end)
{
    u64 high = v / 100;
    writePair(end - 2, v - high * 100);
    writePair(end - 4, high);
}

// Writes exactly `count` digits of v right to left, ending just before `end` (leading zeros
// included), and leaves in v what lies above them; returns the first written character.
inline char* writeLowDigits(u64& v, int count, char* end)
{
    char* p = end;
    for (; count >= 2; count -= 2) {
        u64 q = v / 100;
        p -= 2;
        writePair(p, v - q * 100);
        v = q;
    }
    if (count == 1) {
        u64 q = v / 10;
        *--p = static_cast<char>('0' + (v - q * 10));
        v = q;
    }
    return p;
}

// Writes exactly `count` digits of v < 10^count right to left, ending just before `end`.
inline char* writeDigitsFixed(u64 v, int count, char* end)
{
    return writeLowDigits(v, count, end);
}

// Writes the decimal digits of v (no leading zeros, "0" for zero) right to left, ending just
// before `end`; returns the first. Blocks of four digits are split off first so that the
// divisions by 100 of different blocks do not wait for each other.
inline char* writeDigits(u64 v, char* end)
{
    char* p = end;
    while (v >= 100000000) {
        u64 q = v / 100000000;
        u64 block = v - q * 100000000;
        u64 high = block / 10000;
        writeFour(block - high * 10000, p);
        writeFour(high, p - 4);
        p -= 8;
        v = q;
    }
    if (v >= 10000) {
        u64 high = v / 10000;
        writeFour(v - high * 10000, p);
        p -= 4;
        v = high;
    }
    if (v >= 100) {
        u64 high = v / 100;
        p -= 2;
        writePair(p, v - high * 100);
        v = high;
    }
    if (v >= 10) {
        p -= 2;
        writePair(p, v);
    } else {
        *--p = static_cast<char>('0' + v);
    }
    return p;
}

// The digits of a 128-bit value below 10^38 (no leading zeros, "0" for zero), right to left.
inline char* writeDigits128(u128 v, char* end)
{
    if ((v >> 64) == 0)
        return writeDigits(static_cast<u64>(v), end);
    u64 low;
    u128 high = divBy64(v, 10000000000000000000ULL, low);
    char* p = writeDigitsFixed(low, 19, end);
    return writeDigits(static_cast<u64>(high), p);  // v >= 2^64, so high is 1 .. 10^19
}

// Writes the invariant form of a DECIMAL right to left, ending just before `end` (which needs
// 60 bytes in front of it); returns its first character. The integer and fraction parts are
// split by one division and written straight into place, with no copying of digits.
char* writeInvariant(const tagDEC& d, bool dropTrailingZeros, char* end)
{
    u128 m = mantissaOf(d);
    int scale = d.scale;
    char* p = end;
    if (scale == 0) {
        p = writeDigits128(m, end);
    } else {
        u128 integer;
        if ((m >> 64) == 0 && scale <= 19) {
            // The usual amount: the fraction digits come off the same chain of divisions by
            // 100 that then writes the integer digits.
            u64 v = static_cast<u64>(m);
            p = writeLowDigits(v, scale, p);
            integer = v;
        } else if (scale <= 19) {
            u64 fraction;
            integer = divBy64(m, static_cast<u64>(kPow10[scale]), fraction);
            p = writeDigitsFixed(fraction, scale, p);
        } else {
            integer = m / kPow10[scale];
            u128 fraction = m - integer * kPow10[scale];
            u64 low;
            u64 high = static_cast<u64>(divBy64(fraction, 10000000000000000000ULL, low));
            p = writeDigitsFixed(low, 19, p);
            p = writeDigitsFixed(high, scale - 19, p);
        }
        if (dropTrailingZeros) {
            // Trailing fraction zeros are not written: move the written fraction up.
            char* last = end;
            while (last > p && last[-1] == '0')
                --last;
            if (last == p) {
                p = end;  // no fraction digit left: no separator either
            } else {
                std::size_t kept = static_cast<std::size_t>(last - p);
                std::memmove(end - kept, p, kept);
                p = end - kept;
                *--p = '.';
            }
        } else {
            *--p = '.';
        }
        p = writeDigits128(integer, p);
    }
    if ((d.sign & DECIMAL_NEG) != 0 && m != 0)
        *--p = '-';
    return p;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Decimal

Decimal::Decimal(long value) noexcept
{
    *this = value;
}

Decimal::Decimal(const tagDEC& source)
{
    if (source.scale > kMaxScale)
        throw DecimalException("Invalid DECIMAL: scale " + std::to_string(source.scale) + " is above 28");
    if (source.sign != 0 && source.sign != DECIMAL_NEG)
        throw DecimalException("Invalid DECIMAL: sign byte " + std::to_string(source.sign) +
                               " is neither 0 nor 0x80");
    dec() = source;
    wReserved = 0;
}

Decimal::Decimal(const CString& text, LCID locale) : Decimal(text.GetString(), locale)
{
}

Decimal::Decimal(const char* text, LCID locale)
{
    if (parse(text, locale, dec()) == ParseResult::Overflow)
        throwParseOverflow(text);
}

bool Decimal::TryParse(const CString& text, Decimal& result)
{
    return TryParse(text.GetString(), LOCALE_INVARIANT, result);
}

bool Decimal::TryParse(const char* text, Decimal& result)
{
    return TryParse(text, LOCALE_INVARIANT, result);
}

bool Decimal::TryParse(const char* text, LCID locale, Decimal& result)
{
    tagDEC parsed;
    if (parse(text, locale, parsed) != ParseResult::Ok) {
        result = Decimal();
        return false;
    }
    result.dec() = parsed;
    return true;
}

Decimal& Decimal::operator=(long value) noexcept
{
    unsigned long magnitude = value < 0 ? 0UL - static_cast<unsigned long>(value)
                                        : static_cast<unsigned long>(value);
    store(dec(), magnitude, 0, value < 0);
    return *this;
}

Decimal::operator long() const
{
    checkScale(dec());
    u128 m = mantissaOf(dec());
    if (dec().scale != 0) {
        int s = dec().scale;
        if (s <= 19) {
            u64 r;
            m = divBy64(m, static_cast<u64>(kPow10[s]), r);
        } else {
            m /= kPow10[s];
        }
    }
    bool negative = negativeOf(dec());
    constexpr u128 maxPositive = static_cast<u128>(LONG_MAX);
    if (m > maxPositive + (negative ? 1 : 0))
        throw DecimalOverflowException("Decimal overflow: " + ToString2(LOCALE_INVARIANT, false).str() +
                                       " does not fit in a long");
    if (negative)
        return static_cast<long>(0UL - static_cast<unsigned long>(m));
    return static_cast<long>(m);
}

Decimal& Decimal::operator+=(const Decimal& other)
{
    addSub(dec(), dec(), other.dec(), false, "an addition");
    return *this;
}

Decimal& Decimal::operator-=(const Decimal& other)
{
    addSub(dec(), dec(), other.dec(), true, "a subtraction");
    return *this;
}

Decimal& Decimal::operator*=(const Decimal& other)
{
    multiply(dec(), dec(), other.dec());
    return *this;
}

Decimal& Decimal::operator/=(const Decimal& other)
{
    divide(dec(), dec(), other.dec());
    return *this;
}

Decimal Decimal::operator-() const noexcept
{
    Decimal r(*this);
    r.dec().sign ^= DECIMAL_NEG;
    return r;
}

Decimal& Decimal::Round3(int decimals)
{
    checkScale(dec());
    if (decimals < 0)
        decimals = 0;
    if (decimals > kMaxScale)
        decimals = kMaxScale;
    int scale = dec().scale;
    if (scale <= decimals)
        return *this;
    int drop = scale - decimals;
    u128 m = mantissaOf(dec());
    u128 q;
    bool up;
    if (drop <= 19) {
        u64 divisor = static_cast<u64>(kPow10[drop]);
        u64 rem;
        q = divBy64(m, divisor, rem);
        up = rem >= divisor / 2;  // half away from zero: a half rounds the magnitude up
    } else {
        q = m / kPow10[drop];
        u128 rem = m - q * kPow10[drop];
        up = rem >= kPow10[drop] / 2;
    }
    if (up)
        ++q;  // at most 7.9e27 + 1: always fits
    store(dec(), q, decimals, q != 0 && negativeOf(dec()));
    return *this;
}

Decimal Decimal::Fixed() const
{
    checkScale(dec());
    Decimal r(*this);
    int scale = dec().scale;
    if (scale == 0) {
        if (IsZero())
            r.dec().sign = 0;
        return r;
    }
    u128 m = mantissaOf(dec());
    u128 q;
    if (scale <= 19) {
        u64 rem;
        q = divBy64(m, static_cast<u64>(kPow10[scale]), rem);
    } else {
        q = m / kPow10[scale];
    }
    store(r.dec(), q, 0, q != 0 && negativeOf(dec()));
    return r;
}

Decimal& Decimal::MakeAbsolute() noexcept
{
    dec().sign = 0;
    return *this;
}

namespace {

// The display form: the invariant text with the locale's decimal point and grouping. Kept out of
// line so that the invariant path, the one every save takes, stays a small function.
[[gnu::noinline]] CString displayForm(std::string_view invariantText)
{
    NumericFormat f = currentNumericFormat();
    std::string out;
    if (invariantText.front() == '-') {
        out += '-';
        invariantText.remove_prefix(1);
    }
    std::size_t point = invariantText.find('.');
    std::string_view integer = invariantText.substr(0, point);
    if (f.thousands.empty() || groupSize(f.grouping, 0) == 0) {
        out.append(integer);
    } else {
        // Separators between groups counted from the right; the last group size repeats.
        std::string reversed;
        std::size_t group = 0;
        int inGroup = 0;
        int size = groupSize(f.grouping, 0);
        for (std::size_t i = integer.size(); i-- > 0;) {
            if (size > 0 && inGroup == size) {
                reversed.append(f.thousands.rbegin(), f.thousands.rend());
                inGroup = 0;
                size = groupSize(f.grouping, ++group);
            }
            reversed += integer[i];
            ++inGroup;
        }
        out.append(reversed.rbegin(), reversed.rend());
    }
    if (point != std::string_view::npos) {
        out += f.point;
        out.append(invariantText.substr(point + 1));
    }
    return CString(std::move(out));
}

// The number of decimal digits of v (1 for 0).
inline int decimalDigits(u64 v)
{
    v |= 1;  // same count, and no zero to take the bit width of
    int guess = (std::bit_width(v) * 1233) >> 12;  // floor(log10) or one more
    return guess + 1 - (v < static_cast<u64>(kPow10[static_cast<std::size_t>(guess)]) ? 1 : 0);
}

// The invariant text of an everyday amount (a mantissa below 2^64, at most 15 characters, all
// fraction digits written), or 0 when the number is not such an amount.
inline std::size_t shortInvariantLength(const tagDEC& d)
{
    if (d.Hi32 != 0 || d.scale > 19)
        return 0;
    int scale = d.scale;
    int digits = decimalDigits(d.Lo64);
    std::size_t length = static_cast<std::size_t>(digits > scale ? digits - scale : 1);
    if (scale > 0)
        length += static_cast<std::size_t>(scale) + 1;
    if ((d.sign & DECIMAL_NEG) != 0 && d.Lo64 != 0)
        ++length;
    return length <= 15 ? length : 0;
}

// Writes that text straight into the string's own inline buffer, right to left from its known
// end: no intermediate buffer, no copy, no allocation.
inline CString shortInvariantForm(const tagDEC& d, std::size_t length)
{
    CString result('\0', 15);
    char* end = result.GetBuffer() + length;
    u64 v = d.Lo64;
    char* p = end;
    if (d.scale > 0) {
        p = writeLowDigits(v, d.scale, p);
        *--p = '.';
    }
    p = writeDigits(v, p);
    if ((d.sign & DECIMAL_NEG) != 0 && d.Lo64 != 0)
        *--p = '-';
    result.ReleaseBuffer(static_cast<int>(length));
    return result;
}

// The invariant text as a CString, built in place (one named result, so that it is constructed
// straight into the caller's object). `text` has at least 15 readable bytes.
inline CString invariantForm(const char* text, std::size_t length)
{
    CString result('\0', 15);  // the string's own inline buffer: no allocation
    if (length <= 15) {
        std::memcpy(result.GetBuffer(), text, 15);
        result.ReleaseBuffer(static_cast<int>(length));
    } else {
        std::memcpy(result.GetBufferSetLength(static_cast<int>(length)), text, length);
    }
    return result;
}

}  // namespace

namespace {

// Every other text: trailing zeros dropped, the display form, large or long numbers. Out of line,
// so that the everyday path of ToString2 stays a small function.
[[gnu::noinline]] CString generalForm(const tagDEC& d, LCID locale, bool dropTrailingZeros)
{
    checkScale(d);  // the everyday path takes scales up to 19 only
    // The text is written right to left ending at `end`, and the 16 bytes after it are zeros, so
    // that a short result can be taken with a copy of fixed length.
    char buf[64 + 16];
    char* end = buf + 64;
    std::memset(end, 0, 16);
    const char* text = writeInvariant(d, dropTrailingZeros, end);
    std::string_view invariantText(text, static_cast<std::size_t>(end - text));
    if (!IsInvariantLocale(locale))
        return displayForm(invariantText);
    return invariantForm(text, invariantText.size());
}

}  // namespace

CString Decimal::ToString2(LCID locale, bool dropTrailingZeros) const
{
    // The form every save writes, for everyday amounts: straight into the result.
    if (!dropTrailingZeros && IsInvariantLocale(locale)) {
        if (std::size_t length = shortInvariantLength(dec()))
            return shortInvariantForm(dec(), length);
    }
    return generalForm(dec(), locale, dropTrailingZeros);
}

// The free operators repeat the compound ones rather than call them, so that the library's
// exported (and so interposable) functions do not call each other on the hot path.
Decimal operator+(const Decimal& left, const Decimal& right)
{
    tagDEC r;
    addSub(r, left.GetDEC(), right.GetDEC(), false, "an addition");
    return std::bit_cast<Decimal>(r);
}

Decimal operator-(const Decimal& left, const Decimal& right)
{
    tagDEC r;
    addSub(r, left.GetDEC(), right.GetDEC(), true, "a subtraction");
    return std::bit_cast<Decimal>(r);
}

Decimal operator*(const Decimal& left, const Decimal& right)
{
    tagDEC r;
    multiply(r, left.GetDEC(), right.GetDEC());
    return std::bit_cast<Decimal>(r);
}

Decimal operator/(const Decimal& left, const Decimal& right)
{
    tagDEC r;
    divide(r, left.GetDEC(), right.GetDEC());
    return std::bit_cast<Decimal>(r);
}

int VarDecCmp(const DECIMAL* left, const DECIMAL* right) noexcept
{
    if (left->scale > kMaxScale || right->scale > kMaxScale) [[unlikely]]
        return VARCMP_NULL;
    u128 ma = mantissaOf(*left);
    u128 mb = mantissaOf(*right);
    bool negA = negativeOf(*left) && ma != 0;
    bool negB = negativeOf(*right) && mb != 0;
    if (negA != negB)
        return negA ? VARCMP_LT : VARCMP_GT;
    int sa = left->scale;
    int sb = right->scale;
    // Align the scales; a scaled mantissa beyond 2^128 is larger than any 96-bit one.
    int magnitude;
    if (sa == sb) {
        magnitude = ma < mb ? -1 : (ma > mb ? 1 : 0);
    } else if (sa < sb) {
        u128 scaled;
        if (__builtin_mul_overflow(ma, kPow10[sb - sa], &scaled))
            magnitude = 1;
        else
            magnitude = scaled < mb ? -1 : (scaled > mb ? 1 : 0);
    } else {
        u128 scaled;
        if (__builtin_mul_overflow(mb, kPow10[sa - sb], &scaled))
            magnitude = -1;
        else
            magnitude = ma < scaled ? -1 : (ma > scaled ? 1 : 0);
    }
    if (negA)
        magnitude = -magnitude;
    return magnitude < 0 ? VARCMP_LT : (magnitude > 0 ? VARCMP_GT : VARCMP_EQ);
}

int VarDecCmp(const Decimal& left, const Decimal& right) noexcept
{
    return VarDecCmp(&left.GetDEC(), &right.GetDEC());
}
