// The article's price chain: the static formulas on worked numbers and on the cases around them
// (zero and 100 percent discounts, negative prices, multipliers other than 1, precisions 0 to 4
// read at every call), and the setters with their recompute flags and the rounding they end with.
// Formulas and setters need no database; what is stored and read back is in ArticleObjectTest.
#include <gtest/gtest.h>

#include <string>

#include "orvelmagdb/ConfigGuard.h"
#include "orvelmagdb/domain/articles/DomainArticolo.h"
#include "orveldblib/Decimal.h"
#include "orveldblib/DecimalException.h"

using orvel::test::ConfigGuard;

namespace {

Decimal D(const char* text) { return Decimal(text, 127); }
std::string S(const Decimal& value) { return value.ToString2(127, false).str(); }

class ArticlePrice : public ::testing::Test {
protected:
    void SetUp() override
    {
        config.SetShopDefaults();
    }

    // An article with list price 100, discounts 10 and 10, net cost 81, mark-up 25, sale price
    // 101.25 and VAT 22, built without running the chain.
    void Priced(CDomainArticolo& a)
    {
        a.Set_ALIQUOTA_IVA(D("22"));
        a.Ref_PREZZO_ACQ_LISTINO_EURO() = D("100");
        a.Ref_SCONTO_1() = D("10");
        a.Ref_SCONTO_2() = D("10");
        a.Ref_PREZZO_ACQ_PZ_EURO() = D("81");
        a.Ref_RICARICO() = D("25");
        a.Ref_PREZZO_PZ_EURO() = D("101.25");
        a.Ref_PREZZO_PZ_EURO_IVATO() = D("123.53");
    }

    ConfigGuard config;
};

using A = CDomainArticolo;

}  // namespace

// ---- static formulas ----

TEST_F(ArticlePrice, NetCostAndListPriceOnTheWorkedNumbers)
{
    EXPECT_EQ(S(A::CalcolaCostoNetto(D("100"), D("10"), D("10"), D("0"), D("0"))), "81.00");
    EXPECT_EQ(A::CalcolaCostoListino(D("81"), D("10"), D("10"), D("0"), D("0")), D("100"));
    // All four discounts cascade, each on what the previous left.
    EXPECT_EQ(S(A::CalcolaCostoNetto(D("200"), D("50"), D("10"), D("10"), D("50"))), "40.50");
    EXPECT_EQ(A::CalcolaCostoListino(D("40.50"), D("50"), D("10"), D("10"), D("50")), D("200"));
    // Zero discounts leave the price; a 100 discount leaves nothing; a negative one is a surcharge.
    EXPECT_EQ(A::CalcolaCostoNetto(D("12.34"), D("0"), D("0"), D("0"), D("0")), D("12.34"));
    EXPECT_TRUE(A::CalcolaCostoNetto(D("12.34"), D("10"), D("100"), D("0"), D("0")).IsZero());
    EXPECT_EQ(A::CalcolaCostoNetto(D("100"), D("-10"), D("0"), D("0"), D("0")), D("110"));
    EXPECT_EQ(A::CalcolaCostoNetto(D("-100"), D("10"), D("0"), D("0"), D("0")), D("-90"));
    // Rounded to the price precision, half away from zero.
    EXPECT_EQ(S(A::CalcolaCostoNetto(D("10.05"), D("50"), D("0"), D("0"), D("0"))), "5.03");
    EXPECT_EQ(S(A::CalcolaCostoNetto(D("-10.05"), D("50"), D("0"), D("0"), D("0"))), "-5.03");
}

TEST_F(ArticlePrice, ListPriceOfAHundredPercentDiscountIsZeroWhereverItStands)
{
    for (int position = 0; position < 4; ++position) {
        Decimal s[4] = {D("10"), D("20"), D("5"), D("0")};
        s[position] = D("100");
        EXPECT_TRUE(A::CalcolaCostoListino(D("50"), s[0], s[1], s[2], s[3]).IsZero()) << "position " << position;
    }
    EXPECT_EQ(S(A::CalcolaCostoListino(D("10"), D("3"), D("0"), D("0"), D("0"))), "10.31");
    EXPECT_EQ(A::CalcolaCostoListino(D("110"), D("-10"), D("0"), D("0"), D("0")), D("100"));
}

TEST_F(ArticlePrice, SalePriceMarkUpAndMarginWithMultiplierOne)
{
    EXPECT_EQ(A::CalcolaPrezzoVendita(D("1"), D("80"), D("25")), D("100"));
    EXPECT_EQ(A::CalcolaRicarico(D("1"), D("80"), D("100")), D("25"));
    EXPECT_EQ(A::CalcolaMargine(D("1"), D("80"), D("100")), D("20"));
    EXPECT_EQ(A::CalcolaRicarico(D("20")), D("25"));
    EXPECT_EQ(A::CalcolaPrezzoAcquistoDaVendita(D("1"), D("100"), D("25")), D("80"));
    // The mark-up keeps one decimal more than prices, the margin one more than discounts.
    EXPECT_EQ(S(A::CalcolaRicarico(D("1"), D("3"), D("10"))), "233.333");
    EXPECT_EQ(S(A::CalcolaMargine(D("1"), D("2"), D("3"))), "33.333");
    EXPECT_EQ(S(A::CalcolaRicarico(D("33"))), "49.254");
    // A sale below cost gives a negative mark-up and margin.
    EXPECT_EQ(A::CalcolaRicarico(D("1"), D("100"), D("80")), D("-20"));
    EXPECT_EQ(A::CalcolaMargine(D("1"), D("100"), D("80")), D("-25"));
}

TEST_F(ArticlePrice, MultiplierDividesTheSalePriceForTheMarkUpAndMultipliesItForTheMargin)
{
    EXPECT_EQ(A::CalcolaPrezzoVendita(D("2"), D("80"), D("25")), D("200"));
    EXPECT_EQ(A::CalcolaRicarico(D("2"), D("80"), D("200")), D("25"));
    EXPECT_EQ(A::CalcolaPrezzoAcquistoDaVendita(D("2"), D("200"), D("25")), D("80"));
    // Margin: (X*M - C) * 100 / (X*M) = (200 - 80) * 100 / 200.
    EXPECT_EQ(A::CalcolaMargine(D("2"), D("80"), D("100")), D("60"));
    EXPECT_EQ(S(A::CalcolaPrezzoVendita(D("1.5"), D("10"), D("33.333"))), "20.00");
    EXPECT_EQ(S(A::CalcolaMargine(D("0.5"), D("10"), D("30"))), "33.333");
}

TEST_F(ArticlePrice, FormulasAnswerZeroWhereTheyWouldDivideByZero)
{
    EXPECT_TRUE(A::CalcolaRicarico(D("1"), D("0"), D("100")).IsZero()) << "no cost";
    EXPECT_TRUE(A::CalcolaRicarico(D("0"), D("80"), D("100")).IsZero()) << "no multiplier";
    EXPECT_TRUE(A::CalcolaMargine(D("1"), D("80"), D("0")).IsZero()) << "no sale price";
    EXPECT_TRUE(A::CalcolaMargine(D("0"), D("80"), D("100")).IsZero()) << "no multiplier";
    EXPECT_TRUE(A::CalcolaPrezzoAcquistoDaVendita(D("1"), D("100"), D("-100")).IsZero());
    EXPECT_TRUE(A::CalcolaPrezzoAcquistoDaVendita(D("0"), D("100"), D("25")).IsZero());
    EXPECT_TRUE(A::CalcolaPrezzoDaIvato(D("122"), D("-100")).IsZero());
    EXPECT_TRUE(A::CalcolaSconto(D("0"), D("5")).IsZero());
    EXPECT_TRUE(A::CalcolaPrezzoScontato(D("100"), D("100")).IsZero());
    EXPECT_TRUE(A::CalcolaPrezzoScontato(D("-7"), D("100")).IsZero());
}

TEST_F(ArticlePrice, MarkUpFromMarginOnlyForAValidMargin)
{
    EXPECT_TRUE(A::CalcolaRicarico(D("0")).IsZero());
    EXPECT_EQ(A::CalcolaRicarico(D("50")), D("100"));
    EXPECT_TRUE(A::CalcolaRicarico(D("100")).IsZero());
    EXPECT_TRUE(A::CalcolaRicarico(D("150")).IsZero());
    EXPECT_TRUE(A::CalcolaRicarico(D("-1")).IsZero());
    EXPECT_EQ(S(A::CalcolaRicarico(D("99.99"))), "999900");

    EXPECT_TRUE(A::IsMargineValido(D("0")));
    EXPECT_TRUE(A::IsMargineValido(D("99.999")));
    EXPECT_FALSE(A::IsMargineValido(D("100")));
    EXPECT_FALSE(A::IsMargineValido(D("-0.001")));
}

TEST_F(ArticlePrice, VatInclusiveAndExclusivePrices)
{
    EXPECT_EQ(A::CalcolaPrezzoDaIvato(D("122"), D("22")), D("100"));
    EXPECT_EQ(A::CalcolaPrezzoIvato(D("100"), D("22")), D("122"));
    EXPECT_EQ(S(A::CalcolaPrezzoIvato(D("9.99"), D("22"))), "12.19");
    EXPECT_EQ(S(A::CalcolaPrezzoDaIvato(D("10"), D("10"))), "9.09");
    EXPECT_EQ(A::CalcolaPrezzoIvato(D("5"), D("0")), D("5"));
    // Negative prices (returns) round half away from zero like positive ones.
    EXPECT_EQ(S(A::CalcolaPrezzoIvato(D("-10.25"), D("10"))), "-11.28");
    EXPECT_EQ(S(A::CalcolaPrezzoIvato(D("10.25"), D("10"))), "11.28");
    EXPECT_EQ(A::CalcolaPrezzoDaIvato(D("-122"), D("22")), D("-100"));
}

TEST_F(ArticlePrice, DiscountAndDiscountedPrice)
{
    EXPECT_EQ(A::CalcolaSconto(D("100"), D("80")), D("20"));
    EXPECT_EQ(A::CalcolaSconto(D("100"), D("0")), D("100"));
    EXPECT_EQ(A::CalcolaSconto(D("100"), D("100")), D("0"));
    EXPECT_EQ(S(A::CalcolaSconto(D("3"), D("2"))), "33.33");
    EXPECT_EQ(A::CalcolaSconto(D("100"), D("120")), D("-20")) << "a dearer price is a negative discount";
    EXPECT_EQ(A::CalcolaPrezzoScontato(D("100"), D("0")), D("100"));
    EXPECT_EQ(S(A::CalcolaPrezzoScontato(D("19.99"), D("15"))), "16.99");
    EXPECT_EQ(A::CalcolaPrezzoScontato(D("-20"), D("10")), D("-18"));
}

TEST_F(ArticlePrice, PrecisionsAreReadAtEveryCall)
{
    const char* expectedPrice[] = {"10", "10.3", "10.33", "10.333", "10.3333"};
    const char* expectedMarkUp[] = {"33.3", "33.33", "33.333", "33.3333", "33.33333"};
    const char* expectedMargin[] = {"66.7", "66.67", "66.667", "66.6667", "66.66667"};
    const char* expectedDiscount[] = {"67", "66.7", "66.67", "66.667", "66.6667"};
    const char* expectedDiscounted[] = {"10", "9.7", "9.67", "9.667", "9.6667"};
    for (int p = 0; p <= 4; ++p) {
        config.Set("precisione/prezzi", std::to_string(p));
        config.Set("precisione/sconti", std::to_string(p));
        SCOPED_TRACE("precision " + std::to_string(p));
        EXPECT_EQ(S(A::CalcolaPrezzoIvato(D("10"), D("3.333"))), expectedPrice[p]);
        EXPECT_EQ(S(A::CalcolaRicarico(D("1"), D("3"), D("4"))), expectedMarkUp[p]);
        EXPECT_EQ(S(A::CalcolaMargine(D("1"), D("1"), D("3"))), expectedMargin[p]);
        EXPECT_EQ(S(A::CalcolaSconto(D("3"), D("1"))), expectedDiscount[p]);
        EXPECT_EQ(S(A::CalcolaPrezzoScontato(D("10"), D("3.333"))), expectedDiscounted[p]);
    }
}

// ---- the article's own forms and its setters ----

TEST_F(ArticlePrice, MemberFormsUseTheMultiplierOfTheConfigurationAtConstruction)
{
    config.Set("default/articolo/moltiplicatorelistino", "2");
    CDomainArticolo a;
    config.Set("default/articolo/moltiplicatorelistino", "3");  // reaches only later objects
    EXPECT_EQ(a.CalcolaPrezzoVendita(D("80"), D("25")), D("200"));
    EXPECT_EQ(a.CalcolaRicarico(D("80"), D("200")), D("25"));
    EXPECT_EQ(a.CalcolaMargine(D("80"), D("100")), D("60"));
    EXPECT_EQ(a.CalcolaPrezzoAcquistoDaVendita(D("200"), D("25")), D("80"));
    CDomainArticolo later;
    EXPECT_EQ(later.CalcolaPrezzoVendita(D("80"), D("25")), D("300"));
}

TEST_F(ArticlePrice, ListPriceSetterFollowsItsNestedFlags)
{
    CDomainArticolo a;
    Priced(a);
    a.Set_PREZZO_ACQ_LISTINO_EURO(D("200"), false, true);
    EXPECT_EQ(a.Get_PREZZO_ACQ_LISTINO_EURO(), D("200"));
    EXPECT_EQ(a.Get_PREZZO_ACQ_PZ_EURO(), D("81")) << "sale is not looked at when cost is false";
    EXPECT_EQ(a.Get_PREZZO_PZ_EURO(), D("101.25"));

    a.Set_PREZZO_ACQ_LISTINO_EURO(D("200"), true, false);
    EXPECT_EQ(a.Get_PREZZO_ACQ_PZ_EURO(), D("162"));
    EXPECT_EQ(a.Get_PREZZO_PZ_EURO(), D("101.25"));
    EXPECT_EQ(a.Get_PREZZO_PZ_EURO_IVATO(), D("123.53"));

    a.Set_PREZZO_ACQ_LISTINO_EURO(D("100"), true, true);
    EXPECT_EQ(a.Get_PREZZO_ACQ_PZ_EURO(), D("81"));
    EXPECT_EQ(a.Get_PREZZO_PZ_EURO(), D("101.25"));
    EXPECT_EQ(a.Get_PREZZO_PZ_EURO_IVATO(), D("123.53")) << "101.25 * 1.22 = 123.525";
    EXPECT_EQ(a.Get_RICARICO(), D("25"));
}

TEST_F(ArticlePrice, DiscountSettersRecomputeTheWholeChainOrNothing)
{
    CDomainArticolo a;
    Priced(a);
    a.Set_SCONTO_3(D("50"), false);
    EXPECT_EQ(a.Get_SCONTO_3(), D("50"));
    EXPECT_EQ(a.Get_PREZZO_ACQ_PZ_EURO(), D("81"));

    a.Set_SCONTO_4(D("0"), true);
    EXPECT_EQ(a.Get_PREZZO_ACQ_PZ_EURO(), D("40.5"));
    EXPECT_EQ(a.Get_PREZZO_PZ_EURO(), D("50.63")) << "40.5 * 1.25 = 50.625";
    EXPECT_EQ(a.Get_PREZZO_PZ_EURO_IVATO(), D("61.77")) << "50.63 * 1.22 = 61.7686";

    a.Set_SCONTO_3(D("0"), true);
    a.Set_SCONTO_1(D("0"), true);
    a.Set_SCONTO_2(D("100"), true);
    EXPECT_TRUE(a.Get_PREZZO_ACQ_PZ_EURO().IsZero());
    EXPECT_TRUE(a.Get_PREZZO_PZ_EURO().IsZero());
    a.Set_SCONTO_2(D("12.345"), false);
    EXPECT_EQ(S(a.Get_SCONTO_2()), "12.35") << "the setter ends with the rounding pass";
}

TEST_F(ArticlePrice, NetCostSetterGoesBackToTheListPriceOnlyWhenAsked)
{
    CDomainArticolo a;
    Priced(a);
    a.Set_PREZZO_ACQ_PZ_EURO(D("40.5"), false, true);
    EXPECT_EQ(a.Get_PREZZO_ACQ_PZ_EURO(), D("40.5"));
    EXPECT_EQ(a.Get_PREZZO_ACQ_LISTINO_EURO(), D("100"));
    EXPECT_EQ(a.Get_PREZZO_PZ_EURO(), D("101.25")) << "sale is not looked at when list is false";

    a.Set_PREZZO_ACQ_PZ_EURO(D("40.5"), true, false);
    EXPECT_EQ(a.Get_PREZZO_ACQ_LISTINO_EURO(), D("50"));
    EXPECT_EQ(a.Get_PREZZO_PZ_EURO(), D("101.25"));

    a.Set_PREZZO_ACQ_PZ_EURO(D("162"), true, true);
    EXPECT_EQ(a.Get_PREZZO_ACQ_LISTINO_EURO(), D("200"));
    EXPECT_EQ(a.Get_PREZZO_PZ_EURO(), D("202.5"));
    EXPECT_EQ(a.Get_PREZZO_PZ_EURO_IVATO(), D("247.05"));
}

TEST_F(ArticlePrice, MarkUpSalePriceAndVatPriceSetters)
{
    CDomainArticolo a;
    Priced(a);
    a.Set_RICARICO(D("50"), false);
    EXPECT_EQ(a.Get_RICARICO(), D("50"));
    EXPECT_EQ(a.Get_PREZZO_PZ_EURO(), D("101.25"));
    a.Set_RICARICO(D("50"), true);
    EXPECT_EQ(a.Get_PREZZO_PZ_EURO(), D("121.5"));
    EXPECT_EQ(a.Get_PREZZO_PZ_EURO_IVATO(), D("148.23"));

    // Without its flag the sale price changes alone: no new mark-up, no new price with VAT.
    a.Set_PREZZO_PZ_EURO(D("100"), false);
    EXPECT_EQ(a.Get_PREZZO_PZ_EURO(), D("100"));
    EXPECT_EQ(a.Get_RICARICO(), D("50"));
    EXPECT_EQ(a.Get_PREZZO_PZ_EURO_IVATO(), D("148.23"));
    a.Set_PREZZO_PZ_EURO(D("162"), true);
    EXPECT_EQ(a.Get_RICARICO(), D("100"));
    EXPECT_EQ(a.Get_PREZZO_PZ_EURO_IVATO(), D("197.64"));

    a.Set_PREZZO_PZ_EURO_IVATO(D("122"), false);
    EXPECT_EQ(a.Get_PREZZO_PZ_EURO_IVATO(), D("122"));
    EXPECT_EQ(a.Get_PREZZO_PZ_EURO(), D("162"));
    a.Set_PREZZO_PZ_EURO_IVATO(D("122"), true);
    EXPECT_EQ(a.Get_PREZZO_PZ_EURO(), D("100"));
    EXPECT_EQ(S(a.Get_RICARICO()), "23.457") << "(100 - 81) * 100 / 81, one decimal more than prices";
}

TEST_F(ArticlePrice, SetMargineAcceptsOnlyZeroToBelowAHundred)
{
    CDomainArticolo a;
    Priced(a);
    EXPECT_FALSE(a.SetMargine(D("100"), true));
    EXPECT_FALSE(a.SetMargine(D("-1"), true));
    EXPECT_EQ(a.Get_RICARICO(), D("25"));
    EXPECT_EQ(a.Get_PREZZO_PZ_EURO(), D("101.25"));
    EXPECT_EQ(a.Get_PREZZO_PZ_EURO_IVATO(), D("123.53"));

    EXPECT_TRUE(a.SetMargine(D("0"), true));
    EXPECT_TRUE(a.Get_RICARICO().IsZero());
    EXPECT_EQ(a.Get_PREZZO_PZ_EURO(), D("81"));
    EXPECT_TRUE(a.GetMargine().IsZero());

    EXPECT_TRUE(a.SetMargine(D("20"), false));
    EXPECT_EQ(a.Get_RICARICO(), D("25"));
    EXPECT_EQ(a.Get_PREZZO_PZ_EURO(), D("81")) << "without the flag only the mark-up changes";
    EXPECT_TRUE(a.SetMargine(D("20"), true));
    EXPECT_EQ(a.Get_PREZZO_PZ_EURO(), D("101.25"));
    EXPECT_EQ(a.GetMargine(), D("20"));
}

TEST_F(ArticlePrice, ChainWithAMultiplierOtherThanOne)
{
    config.Set("default/articolo/moltiplicatorelistino", "2");
    CDomainArticolo a;
    Priced(a);
    a.Set_RICARICO(D("25"), true);
    EXPECT_EQ(a.Get_PREZZO_PZ_EURO(), D("202.5"));
    a.Set_PREZZO_PZ_EURO(D("202.5"), true);
    EXPECT_EQ(a.Get_RICARICO(), D("25")) << "the mark-up divides the sale price by the multiplier";
    EXPECT_EQ(a.GetMargine(), D("80")) << "(405 - 81) * 100 / 405: the margin multiplies it";
}

TEST_F(ArticlePrice, DerivedVatPricesOfListPriceAndNetCost)
{
    CDomainArticolo a;
    Priced(a);
    EXPECT_EQ(a.Get_PREZZO_ACQ_LISTINO_EURO_IVATO(), D("122"));
    EXPECT_EQ(a.Get_PREZZO_ACQ_PZ_EURO_IVATO(), D("98.82"));
    a.Set_ALIQUOTA_IVA(D("0"));
    EXPECT_EQ(a.Get_PREZZO_ACQ_PZ_EURO_IVATO(), D("81"));
}

TEST_F(ArticlePrice, SettersRoundToTheObjectsPrecisionsButTheMarkUpToTheCurrentOne)
{
    config.Set("precisione/iva", "1");
    config.Set("precisione/sconti", "1");
    CDomainArticolo a;
    a.Set_ALIQUOTA_IVA(CString("22.46"));
    EXPECT_EQ(S(a.Get_ALIQUOTA_IVA()), "22.5");
    a.Set_SCONTO_VEND1(D("10.25"));
    a.Set_SCONTO_VEND4(D("-10.25"));
    a.Set_SCONTO_PREZZO_IMPOSTO(D("3.33"));
    EXPECT_EQ(S(a.Get_SCONTO_VEND1()), "10.3");
    EXPECT_EQ(S(a.Get_SCONTO_VEND4()), "-10.3");
    EXPECT_EQ(S(a.Get_SCONTO_PREZZO_IMPOSTO()), "3.3");
    a.Set_PREZZO_IMPOSTO_IVATO(D("9.999"));
    EXPECT_EQ(S(a.Get_PREZZO_IMPOSTO_IVATO()), "10.00");
    // Plain setters keep every digit.
    a.Set_SCORTA_MINIMA(D("1.23456"));
    a.Set_PROVVIGIONE(D("2.555"));
    a.Set_RAEE_EURO(D("0.123456"));
    EXPECT_EQ(S(a.Get_SCORTA_MINIMA()), "1.23456");
    EXPECT_EQ(S(a.Get_PROVVIGIONE()), "2.555");
    EXPECT_EQ(S(a.Get_RAEE_EURO()), "0.123456");

    // The object keeps its price precision; the mark-up is rounded to the one in force now.
    config.Set("precisione/prezzi", "0");
    a.Set_RICARICO(D("12.3456"), false);
    EXPECT_EQ(S(a.Get_RICARICO()), "12.3");
    a.Set_PREZZO_PZ_EURO(D("1.234"), false);
    EXPECT_EQ(S(a.Get_PREZZO_PZ_EURO()), "1.23");
}

TEST_F(ArticlePrice, DensityIsKeptOnlyWhileManaged)
{
    CDomainArticolo a;
    EXPECT_EQ(a.Get_GESTISCI_DENSITA(), 0);
    a.Set_DENSITA(D("0.9"));
    EXPECT_TRUE(a.Get_DENSITA().IsZero()) << "not managed: nothing changes";
    a.Set_GESTISCI_DENSITA(1);
    a.Set_DENSITA(D("0.123456789"));
    EXPECT_EQ(S(a.Get_DENSITA()), "0.12346");
    a.Set_GESTISCI_DENSITA(0);
    EXPECT_TRUE(a.Get_DENSITA().IsZero());
    EXPECT_EQ(a.Get_GESTISCI_DENSITA(), 0);
}

TEST_F(ArticlePrice, AnOverflowingChainLeavesEveryPriceAsItWas)
{
    CDomainArticolo a;
    Priced(a);
    const Decimal largest = D("79228162514264337593543950335");
    // The net cost still fits; the sale price, 25 percent above it, does not.
    EXPECT_THROW(a.Set_PREZZO_ACQ_LISTINO_EURO(largest, true, true), DecimalOverflowException);
    EXPECT_EQ(a.Get_PREZZO_ACQ_LISTINO_EURO(), D("100"));
    EXPECT_EQ(a.Get_PREZZO_ACQ_PZ_EURO(), D("81"));
    EXPECT_EQ(a.Get_PREZZO_PZ_EURO(), D("101.25"));
    EXPECT_EQ(a.Get_PREZZO_PZ_EURO_IVATO(), D("123.53"));
    // Going back from the largest net cost through two discounts of 10 overflows the list price;
    // the net cost stored first is put back too.
    EXPECT_THROW(a.Set_PREZZO_ACQ_PZ_EURO(largest, true, true), DecimalOverflowException);
    EXPECT_EQ(a.Get_PREZZO_ACQ_PZ_EURO(), D("81"));
    EXPECT_EQ(a.Get_PREZZO_ACQ_LISTINO_EURO(), D("100"));
    EXPECT_EQ(a.Get_RICARICO(), D("25"));
    // Without recomputation the same value is simply stored.
    a.Set_PREZZO_ACQ_LISTINO_EURO(largest, false, true);
    EXPECT_EQ(a.Get_PREZZO_ACQ_LISTINO_EURO(), largest);
}
