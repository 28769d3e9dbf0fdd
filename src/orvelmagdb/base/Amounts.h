// The amounts arithmetic that lines, document totals, the VAT summary, promotions and instalments
// share: percentages taken as fractions, the cascade of discounts, rounding to a precision and
// running totals rounded after every contribution. Each business formula is written in its own
// class, term by term; these functions only make sure that the same step is computed the same way
// everywhere, so that a line and the totals built from it can never round one amount two ways.
//
// Products are formed left to right as the formulas read, and nothing here rounds unless its name
// says so.
#pragma once

#include <initializer_list>

#include "afx/Export.h"
#include "orveldblib/Decimal.h"

namespace Amounts {

// percent / 100: a percentage as a fraction (22 -> 0.22).
ORVEL_API Decimal Fraction(const Decimal& percent);

// amount x percent / 100, multiplied before dividing: the share of an amount a rate gives (the VAT
// on a taxable amount, a commission, one discount of a cascade).
ORVEL_API Decimal PercentOf(const Decimal& amount, const Decimal& percent);

// 1 - percent / 100: what is left of a price after one discount.
ORVEL_API Decimal Remainder(const Decimal& percent);

// (1 - d1/100) x (1 - d2/100) x ...: what is left after cascading discounts, each taken on what the
// previous ones left. No discount at all leaves 1.
ORVEL_API Decimal CascadeFactor(std::initializer_list<Decimal> discounts);

// The value rounded to `decimals` fraction digits (half away from zero), as a new value.
ORVEL_API Decimal Rounded(Decimal value, int decimals);

// Adds one contribution to a running total and rounds the total to `decimals` at once: the totals
// that are kept rounded after every addition.
ORVEL_API Decimal& AddRounded(Decimal& total, const Decimal& contribution, int decimals);

}  // namespace Amounts
