// The shared amounts arithmetic; see Amounts.h.
#include "orvelmagdb/base/Amounts.h"

namespace Amounts {

namespace {
const Decimal kHundred(100L);
const Decimal kOne(1L);
}  // namespace

Decimal Fraction(const Decimal& percent) { return percent / kHundred; }

Decimal PercentOf(const Decimal& amount, const Decimal& percent) { return amount * percent / kHundred; }

Decimal Remainder(const Decimal& percent) { return kOne - percent / kHundred; }

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
