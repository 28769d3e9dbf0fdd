// The article's price chain: the static formulas as a table of worked figures and the cases around
// them (zero and 100 percent discounts, negative prices, multipliers other than 1, divisions by
// zero, precisions 0 to 4 read at every call), and the setters with their recompute flags and the
// rounding they end with. What is stored and read back is in ArticleObjectTest.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "orvelmagdb/ConfigGuard.h"
#include "orvelmagdb/domain/articles/DomainArticolo.h"
#include "orveldblib/Decimal.h"
#include "orveldblib/DecimalException.h"

using orvel::test::ConfigGuard;
using A = CDomainArticolo;

namespace {

Decimal D(const char* text) { return Decimal(text, 127); }
std::string S(const Decimal& value) { return value.ToString2(127, false).str(); }

class ArticlePrice : public ::testing::Test {
protected:
    void SetUp() override { config.SetShopDefaults(); }

    // List price 100, discounts 10 and 10, net cost 81, mark-up 25, sale price 101.25, VAT 22,
    // placed without running the chain. Shown as list|net|mark-up|sale|sale with VAT.
    static void Priced(A& a)
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
    static std::string Chain(const A& a)
    {
        return S(a.Get_PREZZO_ACQ_LISTINO_EURO()) + "|" + S(a.Get_PREZZO_ACQ_PZ_EURO()) + "|" + S(a.Get_RICARICO()) +
               "|" + S(a.Get_PREZZO_PZ_EURO()) + "|" + S(a.Get_PREZZO_PZ_EURO_IVATO());
    }

    ConfigGuard config;
};

}  // namespace

// A multiplier of 2 is checked through the object's own multiplier further down.
TEST_F(ArticlePrice, FormulasOnWorkedFigures)
{
    const struct {
        const char* what;
        std::function<Decimal()> run;
        const char* expected;  // exactly as the formula gives it, scale included
    } cases[] = {
        {"net cost", [] { return A::CalcolaCostoNetto(D("100"), D("10"), D("10"), D("0"), D("0")); }, "81.00"},
        {"four discounts cascade", [] { return A::CalcolaCostoNetto(D("200"), D("50"), D("10"), D("10"), D("50")); }, "40.50"},
        {"a 100 discount", [] { return A::CalcolaCostoNetto(D("12.34"), D("10"), D("100"), D("0"), D("0")); }, "0.00"},
        {"a surcharge", [] { return A::CalcolaCostoNetto(D("100"), D("-10"), D("0"), D("0"), D("0")); }, "110.0"},
        {"half away from zero", [] { return A::CalcolaCostoNetto(D("-10.05"), D("50"), D("0"), D("0"), D("0")); }, "-5.03"},
        {"list from net", [] { return A::CalcolaCostoListino(D("40.50"), D("50"), D("10"), D("10"), D("50")); }, "200"},
        {"list rounded", [] { return A::CalcolaCostoListino(D("10"), D("3"), D("0"), D("0"), D("0")); }, "10.31"},
        {"list of a 100 discount", [] { return A::CalcolaCostoListino(D("50"), D("10"), D("5"), D("100"), D("0")); }, "0"},
        {"sale", [] { return A::CalcolaPrezzoVendita(D("1"), D("80"), D("25")); }, "100.00"},
        {"sale x1.5", [] { return A::CalcolaPrezzoVendita(D("1.5"), D("10"), D("33.333")); }, "20.00"},
        {"mark-up", [] { return A::CalcolaRicarico(D("1"), D("3"), D("10")); }, "233.333"},
        {"mark-up below cost", [] { return A::CalcolaRicarico(D("1"), D("100"), D("80")); }, "-20"},
        {"mark-up of no cost", [] { return A::CalcolaRicarico(D("1"), D("0"), D("100")); }, "0"},
        {"mark-up of no multiplier", [] { return A::CalcolaRicarico(D("0"), D("80"), D("100")); }, "0"},
        {"margin", [] { return A::CalcolaMargine(D("1"), D("2"), D("3")); }, "33.333"},
        {"margin x0.5", [] { return A::CalcolaMargine(D("0.5"), D("10"), D("30")); }, "33.333"},
        {"margin below cost", [] { return A::CalcolaMargine(D("1"), D("100"), D("80")); }, "-25"},
        {"margin of no sale", [] { return A::CalcolaMargine(D("1"), D("80"), D("0")); }, "0"},
        {"margin of no multiplier", [] { return A::CalcolaMargine(D("0"), D("80"), D("100")); }, "0"},
        {"mark-up from margin", [] { return A::CalcolaRicarico(D("33")); }, "49.254"},
        {"mark-up from margin 99.99", [] { return A::CalcolaRicarico(D("99.99")); }, "999900"},
        {"mark-up from margin 100", [] { return A::CalcolaRicarico(D("100")); }, "0"},
        {"mark-up from margin -1", [] { return A::CalcolaRicarico(D("-1")); }, "0"},
        {"cost from sale at -100", [] { return A::CalcolaPrezzoAcquistoDaVendita(D("1"), D("100"), D("-100")); }, "0"},
        {"cost from no multiplier", [] { return A::CalcolaPrezzoAcquistoDaVendita(D("0"), D("100"), D("25")); }, "0"},
        {"with VAT", [] { return A::CalcolaPrezzoIvato(D("9.99"), D("22")); }, "12.19"},
        {"with VAT, a return", [] { return A::CalcolaPrezzoIvato(D("-10.25"), D("10")); }, "-11.28"},
        {"without VAT", [] { return A::CalcolaPrezzoDaIvato(D("10"), D("10")); }, "9.09"},
        {"without VAT, a return", [] { return A::CalcolaPrezzoDaIvato(D("-122"), D("22")); }, "-100"},
        {"without VAT at -100", [] { return A::CalcolaPrezzoDaIvato(D("122"), D("-100")); }, "0"},
        {"discount", [] { return A::CalcolaSconto(D("3"), D("2")); }, "33.33"},
        {"a dearer price", [] { return A::CalcolaSconto(D("100"), D("120")); }, "-20"},
        {"discount of nothing", [] { return A::CalcolaSconto(D("0"), D("5")); }, "0"},
        {"discounted", [] { return A::CalcolaPrezzoScontato(D("19.99"), D("15")); }, "16.99"},
        {"discounted return", [] { return A::CalcolaPrezzoScontato(D("-20"), D("10")); }, "-18.0"},
        {"discounted 100", [] { return A::CalcolaPrezzoScontato(D("-7"), D("100")); }, "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(S(c.run()), c.expected) << c.what;
    EXPECT_TRUE(A::IsMargineValido(D("0")) && A::IsMargineValido(D("99.999")));
    EXPECT_FALSE(A::IsMargineValido(D("100")) || A::IsMargineValido(D("-0.001")));
}

TEST_F(ArticlePrice, PrecisionsAreReadAtEveryCall)
{
    const char* price[] = {"10", "10.3", "10.33", "10.333", "10.3333"};
    const char* markUp[] = {"33.3", "33.33", "33.333", "33.3333", "33.33333"};
    const char* margin[] = {"66.7", "66.67", "66.667", "66.6667", "66.66667"};
    const char* discount[] = {"67", "66.7", "66.67", "66.667", "66.6667"};
    const char* discounted[] = {"10", "9.7", "9.67", "9.667", "9.6667"};
    for (int p = 0; p <= 4; ++p) {
        config.Set("precisione/prezzi", std::to_string(p));
        config.Set("precisione/sconti", std::to_string(p));
        SCOPED_TRACE("precision " + std::to_string(p));
        EXPECT_EQ(S(A::CalcolaPrezzoIvato(D("10"), D("3.333"))), price[p]);
        EXPECT_EQ(S(A::CalcolaRicarico(D("1"), D("3"), D("4"))), markUp[p]);
        EXPECT_EQ(S(A::CalcolaMargine(D("1"), D("1"), D("3"))), margin[p]);
        EXPECT_EQ(S(A::CalcolaSconto(D("3"), D("1"))), discount[p]);
        EXPECT_EQ(S(A::CalcolaPrezzoScontato(D("10"), D("3.333"))), discounted[p]);
    }
}

TEST_F(ArticlePrice, SettersFollowTheirRecomputeFlags)
{
    const struct {
        const char* what;
        std::function<void(A&)> run;
        const char* chain;  // list|net|mark-up|sale|sale with VAT afterwards
    } cases[] = {
        {"list, nothing", [](A& a) { a.Set_PREZZO_ACQ_LISTINO_EURO(D("200"), false, true); }, "200|81|25|101.25|123.53"},
        {"list, cost", [](A& a) { a.Set_PREZZO_ACQ_LISTINO_EURO(D("200"), true, false); }, "200|162.00|25|101.25|123.53"},
        {"list, all", [](A& a) { a.Set_PREZZO_ACQ_LISTINO_EURO(D("200"), true, true); }, "200|162.00|25|202.50|247.05"},
        {"discount, nothing", [](A& a) { a.Set_SCONTO_3(D("50"), false); }, "100|81|25|101.25|123.53"},
        {"discount, all", [](A& a) { a.Set_SCONTO_3(D("50"), true); }, "100|40.50|25|50.63|61.77"},
        {"discount of 100", [](A& a) { a.Set_SCONTO_2(D("100"), true); }, "100|0.0|25|0.00|0.00"},
        {"net, nothing", [](A& a) { a.Set_PREZZO_ACQ_PZ_EURO(D("40.5"), false, true); }, "100|40.5|25|101.25|123.53"},
        {"net, list", [](A& a) { a.Set_PREZZO_ACQ_PZ_EURO(D("40.5"), true, false); }, "50|40.5|25|101.25|123.53"},
        {"net, all", [](A& a) { a.Set_PREZZO_ACQ_PZ_EURO(D("162"), true, true); }, "200|162|25|202.50|247.05"},
        {"mark-up, nothing", [](A& a) { a.Set_RICARICO(D("50"), false); }, "100|81|50|101.25|123.53"},
        {"mark-up, all", [](A& a) { a.Set_RICARICO(D("50"), true); }, "100|81|50|121.5|148.23"},
        {"sale, nothing", [](A& a) { a.Set_PREZZO_PZ_EURO(D("100"), false); }, "100|81|25|100|123.53"},
        {"sale, all", [](A& a) { a.Set_PREZZO_PZ_EURO(D("162"), true); }, "100|81|100|162|197.64"},
        {"with VAT, nothing", [](A& a) { a.Set_PREZZO_PZ_EURO_IVATO(D("122"), false); }, "100|81|25|101.25|122"},
        {"with VAT, all", [](A& a) { a.Set_PREZZO_PZ_EURO_IVATO(D("122"), true); }, "100|81|23.457|100|122"},
        {"margin out of range", [](A& a) { EXPECT_FALSE(a.SetMargine(D("100"), true)); }, "100|81|25|101.25|123.53"},
        {"margin 0", [](A& a) { EXPECT_TRUE(a.SetMargine(D("0"), true)); }, "100|81|0|81|98.82"},
        {"margin, nothing", [](A& a) { EXPECT_TRUE(a.SetMargine(D("50"), false)); }, "100|81|100|101.25|123.53"},
    };
    for (const auto& c : cases) {
        A a;
        Priced(a);
        c.run(a);
        EXPECT_EQ(Chain(a), c.chain) << c.what;
    }
    A a;
    Priced(a);
    EXPECT_EQ(S(a.GetMargine()), "20");
    EXPECT_EQ(a.Get_PREZZO_ACQ_LISTINO_EURO_IVATO(), D("122"));
    EXPECT_EQ(a.Get_PREZZO_ACQ_PZ_EURO_IVATO(), D("98.82"));
    a.Set_SCONTO_2(D("12.345"), false);
    EXPECT_EQ(S(a.Get_SCONTO_2()), "12.35") << "every setter ends with the rounding pass";
}

TEST_F(ArticlePrice, MultiplierAndPrecisionsAreTheObjectsButTheMarkUpFollowsTheConfiguration)
{
    config.Set("default/articolo/moltiplicatorelistino", "2");
    config.Set("precisione/iva", "1");
    config.Set("precisione/sconti", "1");
    A a;
    Priced(a);
    config.Set("default/articolo/moltiplicatorelistino", "3");  // reaches only later objects
    EXPECT_EQ(a.CalcolaPrezzoVendita(D("80"), D("25")), D("200"));
    EXPECT_EQ(a.CalcolaRicarico(D("80"), D("200")), D("25"));
    EXPECT_EQ(a.CalcolaMargine(D("80"), D("100")), D("60"));
    EXPECT_EQ(a.CalcolaPrezzoAcquistoDaVendita(D("200"), D("25")), D("80"));
    EXPECT_EQ(A().CalcolaPrezzoVendita(D("80"), D("25")), D("300"));
    a.Set_RICARICO(D("25"), true);
    EXPECT_EQ(a.Get_PREZZO_PZ_EURO(), D("202.5"));
    EXPECT_EQ(a.GetMargine(), D("80")) << "(405 - 81) * 100 / 405: the margin multiplies the sale price";

    const std::pair<std::function<void()>, std::function<Decimal()>> rounded[] = {
        {[&] { a.Set_ALIQUOTA_IVA(CString("22.46")); }, [&] { return a.Get_ALIQUOTA_IVA(); }},
        {[&] { a.Set_SCONTO_VEND4(D("-10.25")); }, [&] { return a.Get_SCONTO_VEND4(); }},
        {[&] { a.Set_SCONTO_PREZZO_IMPOSTO(D("3.33")); }, [&] { return a.Get_SCONTO_PREZZO_IMPOSTO(); }},
        {[&] { a.Set_PREZZO_IMPOSTO_IVATO(D("9.999")); }, [&] { return a.Get_PREZZO_IMPOSTO_IVATO(); }},
        {[&] { a.Set_SCORTA_MINIMA(D("1.23456")); }, [&] { return a.Get_SCORTA_MINIMA(); }},  // plain: every digit
        {[&] { a.Set_RAEE_EURO(D("0.123456")); }, [&] { return a.Get_RAEE_EURO(); }},
    };
    const char* expected[] = {"22.5", "-10.3", "3.3", "10.00", "1.23456", "0.123456"};
    for (size_t i = 0; i < std::size(rounded); ++i) {
        rounded[i].first();
        EXPECT_EQ(S(rounded[i].second()), expected[i]) << i;
    }
    config.Set("precisione/prezzi", "0");
    a.Set_RICARICO(D("12.3456"), false);
    EXPECT_EQ(S(a.Get_RICARICO()), "12.3") << "the mark-up is rounded to the precision in force now";
    a.Set_PREZZO_PZ_EURO(D("1.234"), false);
    EXPECT_EQ(S(a.Get_PREZZO_PZ_EURO()), "1.23") << "prices keep the object's precision";

    A d;
    d.Set_DENSITA(D("0.9"));
    EXPECT_TRUE(d.Get_DENSITA().IsZero()) << "not managed: nothing changes";
    d.Set_GESTISCI_DENSITA(1);
    d.Set_DENSITA(D("0.123456789"));
    EXPECT_EQ(S(d.Get_DENSITA()), "0.12346");
    d.Set_GESTISCI_DENSITA(0);
    EXPECT_TRUE(d.Get_DENSITA().IsZero());
}

TEST_F(ArticlePrice, AnOverflowingChainLeavesEveryPriceAsItWas)
{
    A a;
    Priced(a);
    const Decimal largest = D("79228162514264337593543950335");
    // The net cost still fits; the sale price, 25 percent above it, does not.
    EXPECT_THROW(a.Set_PREZZO_ACQ_LISTINO_EURO(largest, true, true), DecimalOverflowException);
    EXPECT_EQ(Chain(a), "100|81|25|101.25|123.53");
    // Back from the largest net cost through two discounts of 10 overflows the list price.
    EXPECT_THROW(a.Set_PREZZO_ACQ_PZ_EURO(largest, true, true), DecimalOverflowException);
    EXPECT_EQ(Chain(a), "100|81|25|101.25|123.53");
    a.Set_PREZZO_ACQ_LISTINO_EURO(largest, false, true);
    EXPECT_EQ(a.Get_PREZZO_ACQ_LISTINO_EURO(), largest);
}
