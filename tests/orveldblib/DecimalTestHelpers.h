// Helpers shared by the Decimal tests: reading a literal operand (a written "-0.00" gives a
// negative zero, which the text reader itself never produces) and writing a value with its exact
// bytes visible (scale kept, a negative zero shown as "-0.00"), so that one string comparison
// checks value, scale and sign together.
#pragma once

#include <gtest/gtest.h>

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
    if (d.IsZero() && (d.GetDEC().sign & DECIMAL_NEG) != 0)
        s.insert(0, "-");
    return s;
}

// The raw fields, for failure messages about layout.
inline std::string Fields(const Decimal& d)
{
    const tagDEC& x = d.GetDEC();
    return "{scale " + std::to_string(x.scale) + ", sign " + std::to_string(x.sign) + ", Hi32 " +
           std::to_string(x.Hi32) + ", Lo64 " + std::to_string(x.Lo64) + "}";
}

}  // namespace decimal_test
