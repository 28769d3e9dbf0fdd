// Helpers shared by the Decimal tests: reading a literal operand (a written "-0.00" gives a
// negative zero, which the text reader itself never produces), writing a value with its exact
// bytes visible (scale kept, a negative zero shown as "-0.00") so that one string comparison
// checks value, scale and sign together, random DECIMALs, and the evaluation of one case line
// "op operand [operand] expected" as the reference file and the hand-picked tables write them.
#pragma once

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>

#include "orveldblib/Decimal.h"

namespace decimal_test {

// The Decimal a literal stands for. Fails the test for text that does not read.
inline Decimal D(const std::string& text)
{
    Decimal d;
    EXPECT_TRUE(Decimal::TryParse(text.c_str(), d)) << "operand \"" << text << "\" does not read";
    if (!text.empty() && text[0] == '-' && d.IsZero())
        d = -d;
    return d;
}

// Value, scale and sign as text: "12.50", "-0.0" for a negative zero of scale 1.
inline std::string Exact(const Decimal& d)
{
    std::string s = d.ToString2(LOCALE_INVARIANT, false).str();
    return d.IsZero() && (d.sign & DECIMAL_NEG) != 0 ? "-" + s : s;
}

// The raw fields, for failure messages about layout.
inline std::string Fields(const tagDEC& x)
{
    return "{scale " + std::to_string(x.scale) + ", sign " + std::to_string(x.sign) + ", Hi32 " +
           std::to_string(x.Hi32) + ", Lo64 " + std::to_string(x.Lo64) + "}";
}

// A valid DECIMAL with a mantissa of up to `maxBits` random bits (the count itself random), a
// random scale and a random sign.
inline tagDEC RandomDec(std::mt19937_64& rng, int maxBits = 96)
{
    tagDEC dec{};
    unsigned __int128 m = (static_cast<unsigned __int128>(rng()) << 64) | rng();
    m &= (static_cast<unsigned __int128>(1) << (rng() % static_cast<unsigned>(maxBits + 1))) - 1;
    dec.Hi32 = static_cast<std::uint32_t>(m >> 64);
    dec.Lo64 = static_cast<unsigned long long>(m);
    dec.scale = static_cast<BYTE>(rng() % 29);
    dec.sign = (rng() & 1) != 0 ? DECIMAL_NEG : 0;
    return dec;
}

// The comparison of a and b as LT, EQ or GT, checking that VarDecCmp, the operators and the
// reversed comparison all agree.
inline std::string Compare(const Decimal& a, const Decimal& b)
{
    const char* const names[] = {"LT", "EQ", "GT", "NULL"};
    const int code = VarDecCmp(a, b), reversed = VarDecCmp(b, a);
    const int viaOperators = a < b ? VARCMP_LT : (a > b ? VARCMP_GT : VARCMP_EQ);
    if (code < 0 || code > 3 || code != viaOperators || reversed != 2 - code)
        return std::string(names[code & 3]) + " but operators " + names[viaOperators] + ", reversed " + names[reversed & 3];
    return names[code];
}

// One case: "add|sub|mul|div A B R", "cmp A B LT|EQ|GT", "round A N R", "fix A R", "long A R",
// "parse TEXT R|overflow|malformed", "show A R" (trailing zeros dropped). Gives the result
// actually computed, in the notation of R, and the expected R.
inline std::pair<std::string, std::string> Evaluate(const std::string& line)
{
    std::istringstream fields(line);
    std::string op, a, b, expected;
    fields >> op >> a;
    if (op == "add" || op == "sub" || op == "mul" || op == "div" || op == "cmp" || op == "round")
        fields >> b;
    fields >> expected;
    try {
        if (op == "parse") {
            // TryParse and the constructor agree: on a value, or TryParse refuses text that the
            // constructor reads as 0 (malformed) or throws on (overflow).
            Decimal viaTry = Decimal(7);
            const bool ok = Decimal::TryParse(a.c_str(), viaTry);
            std::string viaConstructor;
            try {
                viaConstructor = Exact(Decimal(a.c_str(), LOCALE_INVARIANT));
            } catch (const DecimalOverflowException&) {
                viaConstructor = "overflow";
            }
            if (!ok && Exact(viaTry) == "0" && (viaConstructor == "0" || viaConstructor == "overflow"))
                return {viaConstructor == "0" ? "malformed" : viaConstructor, expected};
            if (ok && Exact(viaTry) == viaConstructor)
                return {viaConstructor, expected};
            return {"TryParse " + std::to_string(ok) + " " + Exact(viaTry) + ", constructor " + viaConstructor, expected};
        }
        const Decimal x = D(a);
        const Decimal y = b.empty() || op == "round" ? Decimal() : D(b);
        const std::string actual = op == "add"     ? Exact(x + y)
                                   : op == "sub"   ? Exact(x - y)
                                   : op == "mul"   ? Exact(x * y)
                                   : op == "div"   ? Exact(x / y)
                                   : op == "cmp"   ? Compare(x, y)
                                   : op == "round" ? Exact(Decimal(x).Round3(std::stoi(b)))
                                   : op == "fix"   ? Exact(x.Fixed())
                                   : op == "long"  ? std::to_string(static_cast<long>(x))
                                   : op == "show"  ? x.ToString2(LOCALE_INVARIANT, true).str()
                                                   : "unknown operation " + op;
        return {actual, expected};
    } catch (const DecimalOverflowException&) {
        return {"overflow", expected};
    } catch (const DecimalDivideByZeroException&) {
        return {"divzero", expected};
    }
}

}  // namespace decimal_test
