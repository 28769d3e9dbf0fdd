// The shared amounts arithmetic; see Amounts.h.
#include "orvelmagdb/base/Amounts.h"

#include <array>
#include <string>

namespace Amounts {

namespace {
const Decimal kHundred(100L);
const Decimal kOne(1L);
}  // namespace

Decimal Fraction(const Decimal& percent) { return percent / kHundred; }

// A zero product is its own hundredth, sign and scale included: the division is skipped.
Decimal PercentOf(const Decimal& amount, const Decimal& percent)
{
    Decimal product = amount * percent;
    if (product.IsZero())
        return product;
    return product / kHundred;
}

// 1 written with `scale` fraction digits (1, 1.0, 1.00, ...).
const Decimal& OneAtScale(int scale)
{
    static const std::array<Decimal, Decimal::MaxScale + 1> ones = [] {
        std::array<Decimal, Decimal::MaxScale + 1> table;
        for (int s = 0; s <= Decimal::MaxScale; ++s)
            table[s] = Decimal((std::string("1") + (s > 0 ? "." + std::string(s, '0') : "")).c_str(), 127);
        return table;
    }();
    return ones[scale];
}

// Most discounts of a line are zero: what is left after them is 1, at the scale the subtraction
// would give it (1 - 0.00 / 100 = 1.00), found without the division.
Decimal Remainder(const Decimal& percent)
{
    if (percent.IsZero() && percent.scale <= Decimal::MaxScale)
        return OneAtScale(percent.scale);
    return kOne - percent / kHundred;
}

Decimal CascadeFactor(std::initializer_list<Decimal> discounts)
{
    if (discounts.size() == 0)
        return kOne;
    auto it = discounts.begin();
    Decimal factor = Remainder(*it);
    for (++it; it != discounts.end(); ++it)
        factor *= Remainder(*it);
    return factor;
}

Decimal Rounded(Decimal value, int decimals)
{
    value.Round3(decimals);
    return value;
}

Decimal& AddRounded(Decimal& total, const Decimal& contribution, int decimals)
{
    total += contribution;
    return total.Round3(decimals);
}

}  // namespace Amounts
