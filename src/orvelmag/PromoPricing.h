// The price a till charges for an article under the promotions of the shop: every promotion of
// the current company that the article takes part in, whether it runs today, what it takes off
// the quantity sold, and the one that takes off most. Shared by "orvelmag promo price" and the
// promotion benchmark, which times exactly what the command does.
#pragma once

#include <vector>

#include "orveldblib/Decimal.h"
#include "orvelmagdb/domain/promotions/DomainPromozione.h"

class CDatabase;
class CDomainArticolo;

namespace orvelmag {

struct PromotionOffer {
    CDomainPromozione promotion;
    bool running = false;
    Decimal unitDiscount;  // the promotion's discount on one unit, VAT included
    Decimal discount;      // what it takes off the whole quantity; 0 when it is not running
};

struct PromotedPrice {
    Decimal quantity;
    Decimal gross;     // price with VAT times the quantity, rounded to the totals precision
    Decimal discount;  // the best offer's discount, 0 when none takes anything off
    Decimal net;       // gross less discount
    std::vector<PromotionOffer> offers;  // in id order
    int best = -1;                       // index into offers, -1 for none
};

// The discount of one promotion on `quantity` units: an M x N promotion gives its free pieces
// once per whole block of M (nothing below M), every other kind its unit discount on each unit.
Decimal DiscountOnQuantity(const CDomainPromozione& promotion, const Decimal& unitDiscount, const Decimal& quantity);

// Prices `quantity` of the loaded article with the promotions of `company`. The promotion that
// takes off most wins; one that would charge more than the price (a fixed price above it) is
// listed but never applied, and no discount goes beyond the
// price. Database errors pass as CDBException.
PromotedPrice PricePromoted(CDatabase& db, CDomainArticolo& article, const Decimal& quantity, long company);

}  // namespace orvelmag
