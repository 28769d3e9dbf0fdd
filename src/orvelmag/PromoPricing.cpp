// The till's promoted price: one read of the article's promotions, then the library's running
// test and discount for each.
#include "PromoPricing.h"

#include "odbc/Database.h"
#include "orveldblib/DomainClass.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/base/Amounts.h"
#include "orvelmagdb/domain/articles/DomainArticolo.h"
#include "orvelmagdb/recordsets/promotions/PromozioneCompletaSet.h"

namespace orvelmag {

Decimal DiscountOnQuantity(const CDomainPromozione& promotion, const Decimal& unitDiscount, const Decimal& quantity)
{
    if (promotion.Get_TIPO_PROMOZIONE() != CDomainPromozione::TIPO_MXN)
        return unitDiscount * quantity;
    const Decimal& m = promotion.Get_MXN_PARTE_M();
    if (m <= Decimal())
        return Decimal();
    return unitDiscount * (quantity / m).Fixed();
}

PromotedPrice PricePromoted(CDatabase& db, CDomainArticolo& article, const Decimal& quantity, long company)
{
    const int totals = CApplicationAdministrator::GetInstance()->GetConfig()->GetParamAsInt("precisione/totali");
    PromotedPrice price;
    price.quantity = quantity;
    price.gross = Amounts::Rounded(article.Get_PREZZO_PZ_EURO_IVATO() * quantity, totals);

    // The article's promotions in one indexed read of the promotions view.
    CPromozioneCompletaSet rs(&db);
    rs.m_strFilter.Format("ID_SOCIETA = %ld AND ID IN (SELECT ID_PROMOZIONE FROM ARTICOLO_PROMOZIONE "
                          "WHERE ID_ARTICOLO = '%s')",
                          company, CDomainClass::SetFilterParam(article.Get_ID()).GetString());
    rs.m_strSort = "ID";
    rs.Open();
    for (; !rs.IsEOF(); rs.MoveNext()) {
        PromotionOffer offer{CDomainPromozione(&db), false, Decimal(), Decimal()};
        offer.promotion.FromRecordset(rs);
        offer.running = offer.promotion.IsInCorso();
        offer.unitDiscount = offer.promotion.CalcolaImportoSconto(article, true);
        if (offer.running)
            offer.discount = Amounts::Rounded(DiscountOnQuantity(offer.promotion, offer.unitDiscount, quantity), totals);
        // An amount off larger than the price makes the goods free, never a payment to the customer.
        if (offer.discount > price.gross)
            offer.discount = price.gross;
        if (offer.discount > price.discount) {
            price.discount = offer.discount;
            price.best = static_cast<int>(price.offers.size());
        }
        price.offers.push_back(std::move(offer));
    }
    rs.Close();
    price.net = price.gross - price.discount;
    return price;
}

}  // namespace orvelmag
