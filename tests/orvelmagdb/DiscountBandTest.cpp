// Discount bands and discount information on real databases: a band loads by id (quoted), reads
// itself from the category, partner-per-category, band and partner views, rounds its percentages
// to the discount precision it was built with, copies with and without rounding, and describes
// itself by the number of discounts in use and the commission switch, in the user's number
// format. The discount information adds the price list. The band that applies to an article for
// a partner is checked too.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "orveldb/domain/DomainAzienda.h"
#include "orveldb/recordsets/AziendaScontoCompletoSet.h"
#include "orveldb/recordsets/ListinoSet.h"
#include "orveldb/recordsets/ScontoSet.h"
#include "orvelmagdb/ConfigGuard.h"
#include "orvelmagdb/MessageRecorder.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/domain/articles/DomainArticolo.h"
#include "orvelmagdb/domain/promotions/DomainFasciaSconto.h"
#include "orvelmagdb/domain/promotions/DomainInformazioneSconti.h"
#include "orvelmagdb/recordsets/articles/CategoriaScontoCompletoSet.h"
#include "orvelmagdb/recordsets/articles/SoggettoCategoriaScontoCompSet.h"
#include "support/DatabaseTest.h"

using orvel::test::ConfigGuard;
using orvel::test::MessageRecorder;

namespace {

Decimal D(const char* text) { return Decimal(CString(text), 127); }
std::string S(const Decimal& value) { return value.ToString2(127, false).str(); }
constexpr const char* kNoBand = "NN - NESSUNA FASCIA SCONTO";

// Sets LC_NUMERIC for one scope and puts the previous one back.
class NumericLocale {
public:
    explicit NumericLocale(const char* name) : m_saved(std::setlocale(LC_NUMERIC, nullptr))
    {
        m_ok = std::setlocale(LC_NUMERIC, name) != nullptr;
    }
    ~NumericLocale() { std::setlocale(LC_NUMERIC, m_saved.c_str()); }
    bool ok() const { return m_ok; }

private:
    std::string m_saved;
    bool m_ok = false;
};

// A band whose percentages are placed without rounding, as a derived class may: the only way to
// see whether a copy rounds again.
class RawBand : public CDomainInformazioneSconti {
public:
    using CDomainInformazioneSconti::CDomainInformazioneSconti;
    void PutRaw(const char* s1, const char* s2, const char* s3, const char* s4, const char* pr)
    {
        SCONTO_1 = D(s1), SCONTO_2 = D(s2), SCONTO_3 = D(s3), SCONTO_4 = D(s4), PROVVIGIONE = D(pr);
    }
};

// Sets the four discounts and the commission through the band's rounding setters.
void SetPercentages(CDomainFasciaSconto& b, const char* s1, const char* s2, const char* s3, const char* s4, const char* pr)
{
    b.Set_SCONTO_1(D(s1)), b.Set_SCONTO_2(D(s2)), b.Set_SCONTO_3(D(s3)), b.Set_SCONTO_4(D(s4)), b.Set_PROVVIGIONE(D(pr));
}

// Id, description, the four discounts, the commission and the default flag, as one text.
std::string Band(const CDomainFasciaSconto& b)
{
    return b.Get_ID().str() + "|" + b.Get_DESCRIZIONE().str() + "|" + S(b.Get_SCONTO_1()) + " " + S(b.Get_SCONTO_2()) +
           " " + S(b.Get_SCONTO_3()) + " " + S(b.Get_SCONTO_4()) + " " + S(b.Get_PROVVIGIONE()) + "|" +
           std::to_string(b.Get_F_PREDEFINITO());
}
std::string PriceList(const CDomainInformazioneSconti& i) { return i.Get_ID_LISTINO().str() + "|" + i.Get_DESCRIZIONE_LISTINO().str(); }

const char* const kRiv = "RIV|Rivenditori|10 5.13 2.5 1 3|0";
const char* const kDet = "DET|Dettaglio|20 0 0 0 0|0";
const char* const kOro = "D'ORO|Clienti d'oro|30.00 10.50 0 0 4.75|0";
const char* const kEmpty = "||0 0 0 0 0|0";

class DiscountBands : public orvel::test::DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        config.Set("precisione/sconti", "2");
        config.Set("default/sconti/numero", "4");
        config.Set("magazzino/provvigione", "1");
        CSchema::Create(db());
        for (const char* sql : {
                 "INSERT INTO SCONTO (ID, DESCRIZIONE, SCONTO_1, SCONTO_2, SCONTO_3, SCONTO_4, PROVVIGIONE) VALUES "
                 "('RIV', 'Rivenditori', '10', '5.125', '2.5', '1', '3'), ('DET', 'Dettaglio', '20', '0', '0', '0', '0'), "
                 "('D''ORO', 'Clienti d''oro', '30.00', '10.50', '0', '0', '4.75')",
                 "INSERT INTO SCONTO (ID, DESCRIZIONE) VALUES ('NUL', 'Senza percentuali')",
                 "INSERT INTO LISTINO (ID, DESCRIZIONE, TIPO_LISTINO, F_IVATO) VALUES ('L2', 'Ingrosso', 1, 0), "
                 "('L''E', 'Listino d''estate', 1, 1)",
                 "INSERT INTO CATEGORIA (ID, DESCRIZIONE) VALUES ('ABB', 'Abbigliamento'), ('SCA', 'Scarpe'), "
                 "('NUD', 'Senza fasce'), ('D''A', 'D''arte')",
                 "INSERT INTO AZIENDA (ID, RAGIONESOCIALE, F_TIPO_RAPPORTO, ID_SCONTO, ID_LISTINO) "
                 "VALUES (7, 'Rossi Forniture srl', 1, 'RIV', 'L2'), (8, 'Mario Bianchi', 1, NULL, NULL)",
                 // Clothes: Dettaglio by default, Rivenditori also allowed; shoes: Rivenditori with
                 // the flag never set; D'arte: Dettaglio by default.
                 "INSERT INTO CATEGORIA_SCONTO (ID_CATEGORIA, ID_SCONTO, F_PREDEFINITO) VALUES ('ABB', 'DET', 1), "
                 "('ABB', 'RIV', 0), ('D''A', 'DET', 1)",
                 "INSERT INTO CATEGORIA_SCONTO (ID_CATEGORIA, ID_SCONTO) VALUES ('SCA', 'RIV')",
                 // Rossi gets Rivenditori on clothes; Bianchi gets D'ORO on shoes.
                 "INSERT INTO SOGGETTO_CATEGORIA_SCONTO (ID_SOGGETTO, ID_CATEGORIA, ID_SCONTO) VALUES (7, 'ABB', 'RIV'), "
                 "(8, 'SCA', 'D''ORO')"})
            Exec(sql);
    }

    // The band the description tests show.
    CDomainFasciaSconto MakeBand()
    {
        CDomainFasciaSconto band(&db());
        band.Set_ID("A1");
        band.Set_DESCRIZIONE("RIVENDITORI");
        SetPercentages(band, "10", "5.5", "2", "1.25", "3");
        return band;
    }

    // Opens a view filtered and fills the band from its first row.
    template <class Set, class Target>
    void Read(Target& band, const char* filter, const char* sort = "")
    {
        Set rs(&db());
        rs.m_strFilter = filter;
        rs.m_strSort = sort;
        rs.Open();
        ASSERT_FALSE(rs.IsEOF()) << filter;
        band.FromRecordset(rs);
    }

    ConfigGuard config;
};

}  // namespace

TEST_P(DiscountBands, NewBandIsNoBandIsNeverWrittenAndRoundsToItsOwnPrecision)
{
    CDomainFasciaSconto band(&db());
    EXPECT_EQ(Band(band), kEmpty);
    EXPECT_STREQ(band.GetDescrizioneFasciaSconto(), kNoBand);
    EXPECT_STREQ(CDomainFasciaSconto::GetDescrizioneFasciaScontoNessuna(), kNoBand);
    *band.GetPtr_ID() = "RIV";  // shown by the last check
    // Bands belong to the partner registry: every write answers false and touches nothing.
    band.Set_DESCRIZIONE("Cambiata");
    EXPECT_FALSE(band.DB_AddNew() || band.DB_Edit() || band.DB_Delete());
    EXPECT_EQ(QueryText("SELECT DESCRIZIONE FROM SCONTO WHERE ID = 'RIV'"), "Rivenditori");

    config.Set("precisione/sconti", "0");  // too late for this band, half away from zero
    SetPercentages(band, "12.345", "-2.345", "0.004", "7", "3.3349");
    band.Set_F_PREDEFINITO(1);
    EXPECT_EQ(Band(band), "RIV|Cambiata|12.35 -2.35 0.00 7 3.33|1");
    CDomainFasciaSconto whole(&db());
    SetPercentages(whole, "12.5", "0", "0", "0", "2.49");
    EXPECT_EQ(Band(whole), "||13 0 0 0 2|0");
}

// Loads by id, quoted; a missing row still answers true with the values cleared.
TEST_P(DiscountBands, LoadByIdRoundsClearsOnMissingRowsAndQuotesTheId)
{
    MessageRecorder messages;
    const struct {
        const char* id;
        bool found;
        const char* expected;
    } cases[] = {
        {"RIV", true, kRiv},
        {"D'ORO", true, kOro},  // stored trailing zeros stay as written
        {"NUL", true, "NUL|Senza percentuali|0 0 0 0 0|0"},
        {"XX", true, "XX||0 0 0 0 0|0"},  // no row: true, values cleared
        {"X' OR '1'='1", true, "X' OR '1'='1||0 0 0 0 0|0"},
        {"", false, kEmpty},
    };
    for (const auto& c : cases) {
        CDomainFasciaSconto band = MakeBand();
        band.Set_F_PREDEFINITO(&c < cases + 3 ? 1 : 0);  // a row read clears the flag
        band.Set_ID(c.id);
        EXPECT_EQ(band.DB_Load(), c.found) << c.id;
        EXPECT_EQ(Band(band), c.expected);
    }
    EXPECT_TRUE(messages.messages.empty());
}

TEST_P(DiscountBands, ViewsFillTheBandWithTheDefaultFlagOnlyFromCategories)
{
    CDomainInformazioneSconti band(&db());
    const auto check = [&](const char* expected) {
        EXPECT_EQ(Band(band), expected);
        band.Set_F_PREDEFINITO(1);  // each read must set the flag itself
    };
    Read<CCategoriaScontoCompletoSet>(band, "CATEGORIA_ID = 'ABB'", "SCONTO_ID");
    check("DET|Dettaglio|20 0 0 0 0|1");
    Read<CCategoriaScontoCompletoSet>(band, "CATEGORIA_ID = 'ABB' AND SCONTO_ID = 'RIV'");
    check(kRiv);
    Read<CCategoriaScontoCompletoSet>(band, "CATEGORIA_ID = 'SCA'");  // a flag never set
    check(kRiv);
    Read<CSoggettoCategoriaScontoCompSet>(band, "SOGGETTO_ID = 8");
    check(kOro);
    // A partner row gives band and price list; a band row or a price-list row changes only its own.
    Read<CAziendaScontoCompletoSet>(band, "ID = 7");
    check(kRiv);
    EXPECT_EQ(PriceList(band), "L2|Ingrosso");
    Read<CScontoSet>(band, "ID = 'DET'");
    check(kDet);
    Read<CListinoSet>(band, "ID = 'L''E'");
    EXPECT_EQ(PriceList(band), "L'E|Listino d'estate");
    EXPECT_STREQ(band.Get_ID(), "DET");
    // A partner with neither: no band, the official price list.
    Read<CAziendaScontoCompletoSet>(band, "ID = 8");
    EXPECT_EQ(Band(band).substr(0, 12), "||0 0 0 0 0|");
    EXPECT_EQ(PriceList(band), "|");
    EXPECT_STREQ(band.GetDescrizioneListino(), "UFF - LISTINO UFFICIALE");

    // The discount precision of the object counts: one decimal.
    config.Set("precisione/sconti", "1");
    CDomainFasciaSconto coarse(&db());
    Read<CScontoSet>(coarse, "ID = 'RIV'");
    EXPECT_EQ(Band(coarse), "RIV|Rivenditori|10 5.1 2.5 1 3|0");
}

TEST_P(DiscountBands, CopiesRoundToTheCopiedPrecisionAssignmentKeepsTheValues)
{
    NumericLocale locale("C");
    ASSERT_TRUE(locale.ok());
    config.Set("default/sconti/numero", "1");
    config.Set("magazzino/provvigione", "0");
    RawBand source(&db());
    source.SetTransController(true);
    source.Set_ID("RIV");
    source.Set_DESCRIZIONE("Rivenditori");
    source.Set_F_PREDEFINITO(1);
    source.Set_ID_LISTINO("L2");
    source.Set_DESCRIZIONE_LISTINO("Ingrosso");
    source.PutRaw("12.345", "5.125", "1.005", "0.004", "3.335");
    // The configuration changes after the source was built: no copy follows it.
    config.Set("precisione/sconti", "3");
    config.Set("default/sconti/numero", "4");
    config.Set("magazzino/provvigione", "1");

    const CDomainFasciaSconto copied(source);
    const CDomainInformazioneSconti info(source);
    CDomainFasciaSconto assigned(nullptr);
    assigned = source;
    CDomainInformazioneSconti infoAssigned(&db());
    infoAssigned = source;
    EXPECT_EQ(Band(copied), "RIV|Rivenditori|12.35 5.13 1.01 0.00 3.34|1");
    EXPECT_EQ(Band(info), Band(copied));
    EXPECT_EQ(Band(assigned), "RIV|Rivenditori|12.345 5.125 1.005 0.004 3.335|1");
    EXPECT_EQ(Band(infoAssigned), Band(assigned));
    EXPECT_EQ(PriceList(info), "L2|Ingrosso");
    EXPECT_EQ(PriceList(infoAssigned), "L2|Ingrosso");
    EXPECT_STREQ(copied.GetDescrizioneFasciaSconto(), "RIV | Rivenditori | SC. 12.35% ");
    EXPECT_STREQ(assigned.GetDescrizioneFasciaSconto(), "RIV | Rivenditori | SC. 12.345% ");
    EXPECT_TRUE(copied.IsTransController() && assigned.IsTransController());
    EXPECT_EQ(assigned.GetDatabase(), &db());
    assigned.Set_SCONTO_1(D("1.2345"));
    EXPECT_EQ(S(assigned.Get_SCONTO_1()), "1.23") << "the source's precision came along";
    // A plain band assigned to the information replaces the band and leaves the price list.
    CDomainFasciaSconto plain(&db());
    plain.Set_ID("DET");
    ASSERT_TRUE(plain.DB_Load());
    infoAssigned = plain;
    EXPECT_EQ(Band(infoAssigned), kDet);
    EXPECT_EQ(PriceList(infoAssigned), "L2|Ingrosso");
}

TEST_P(DiscountBands, DescriptionShowsTheDiscountsInUseAndTheCommissionWhenSwitchedOn)
{
    NumericLocale locale("C");
    ASSERT_TRUE(locale.ok());
    const struct {
        const char* count;
        const char* commission;
        const char* expected;
    } cases[] = {
        {"0", "1", "A1 | RIVENDITORI | PR. 3%"},
        {"1", "1", "A1 | RIVENDITORI | SC. 10%  | PR. 3%"},
        {"3", "1", "A1 | RIVENDITORI | SC. 10% 5.5% 2%  | PR. 3%"},
        {"4", "1", "A1 | RIVENDITORI | SC. 10% 5.5% 2% 1.25%  | PR. 3%"},
        {"5", "1", "A1 | RIVENDITORI | PR. 3%"},
        {"-1", "1", "A1 | RIVENDITORI | PR. 3%"},
        {"2", "0", "A1 | RIVENDITORI | SC. 10% 5.5% "},
        {"2", "2", "A1 | RIVENDITORI | SC. 10% 5.5%  | PR. 3%"},  // any value but 0 switches it on
        {"0", "0", "A1 | RIVENDITORI"},
    };
    for (const auto& c : cases) {
        config.Set("default/sconti/numero", c.count);
        config.Set("magazzino/provvigione", c.commission);
        CDomainFasciaSconto band = MakeBand();
        config.Set("default/sconti/numero", "2");  // the band keeps the settings it was built with
        config.Set("magazzino/provvigione", "1");
        EXPECT_STREQ(band.GetDescrizioneFasciaSconto(), c.expected) << c.count << " " << c.commission;
    }
    CDomainFasciaSconto noCommission = MakeBand();
    noCommission.Set_PROVVIGIONE(D("0"));
    EXPECT_STREQ(noCommission.GetDescrizioneFasciaSconto(), "A1 | RIVENDITORI | SC. 10% 5.5%  | PR. 0%");
    noCommission.Set_ID("");
    EXPECT_STREQ(noCommission.GetDescrizioneFasciaSconto(), kNoBand);

    config.Set("default/sconti/numero", "4");
    CDomainFasciaSconto loaded(&db());
    loaded.Set_ID("D'ORO");
    ASSERT_TRUE(loaded.DB_Load());
    EXPECT_STREQ(loaded.GetDescrizioneFasciaSconto(), "D'ORO | Clienti d'oro | SC. 30% 10.5% 0% 0%  | PR. 4.75%");
}

TEST_P(DiscountBands, PriceListTextsAndLoads)
{
    MessageRecorder messages;
    CDomainInformazioneSconti info(&db());
    const struct {
        const char* id;
        const char* description;
        bool loads;
        const char* text;
    } cases[] = {
        {"", "Ignorata", false, "UFF - LISTINO UFFICIALE"},
        {"L'E", "vecchia", true, "L'E - Listino d'estate"},
        {"L9", "vecchia", false, "L9 - "},
        {"-ULTIMOPREZZO-", "", false, "UP - ULTIMO PREZZO"},  // the marker is no stored price list
        {"-ultimoprezzo-", "", false, "-ultimoprezzo- - "},  // only the exact marker
        {"X' OR '1'='1", "vecchia", false, "X' OR '1'='1 - "},
    };
    for (const auto& c : cases) {
        info.Set_ID_LISTINO(c.id);
        info.Set_DESCRIZIONE_LISTINO(c.description);
        if (*c.id == '\0') {
            EXPECT_STREQ(info.GetDescrizioneListino(), c.text) << "an official list ignores the description";
        }
        EXPECT_EQ(info.DB_Load_LISTINO(), c.loads) << c.id;
        EXPECT_STREQ(info.GetDescrizioneListino(), c.text) << c.id;
    }
    EXPECT_TRUE(messages.messages.empty());
}

TEST_P(DiscountBands, InformationTakesBandAndPriceListFromAPartner)
{
    // The partner keeps three decimals; the information rounds them to its own two.
    config.Set("precisione/sconti", "3");
    CDomainAzienda partner(&db());
    partner.Set_ID(7);
    ASSERT_TRUE(partner.DB_Load());
    ASSERT_EQ(S(partner.Get_SCONTO_SCONTO_2()), "5.125");
    partner.Set_SCONTO_PROVVIGIONE(D("-1.005"));
    config.Set("precisione/sconti", "2");
    CDomainInformazioneSconti info(&db());
    info.Set_F_PREDEFINITO(1);
    info.FromDomain(&partner);
    EXPECT_EQ(Band(info), "RIV|Rivenditori|10 5.13 2.5 1 -1.01|0");
    EXPECT_EQ(PriceList(info), "L2|Ingrosso");
    info.FromDomain(nullptr);  // no partner: nothing changes
    EXPECT_EQ(Band(info), "RIV|Rivenditori|10 5.13 2.5 1 -1.01|0");
    CDomainAzienda bare(&db());
    bare.Set_ID(8);
    ASSERT_TRUE(bare.DB_Load());
    info.FromDomain(&bare);
    EXPECT_EQ(Band(info), kEmpty);
    EXPECT_EQ(PriceList(info), "|");
}

TEST_P(DiscountBands, ArticleBandIsThePartnersForTheCategoryElseTheCategoryDefault)
{
    const struct {
        const char* category;
        long partner;
        const char* expected;
    } cases[] = {
        {"ABB", 7, kRiv},  // the partner's band for the category wins over the default
        {"ABB", 0, "DET|Dettaglio|20 0 0 0 0|1"},
        {"ABB", -1, "DET|Dettaglio|20 0 0 0 0|1"},
        {"ABB", 8, "DET|Dettaglio|20 0 0 0 0|1"},  // no band of his for the category
        {"SCA", 8, kOro},
        {"SCA", 7, kEmpty},  // no default for shoes
        {"NUD", 7, kEmpty},
        {"", 7, kEmpty},
        {"D'A", 0, "DET|Dettaglio|20 0 0 0 0|1"},
    };
    for (const auto& c : cases) {
        CDomainArticolo article(&db());
        article.Set_ID_CATEGORIA(c.category);
        const CDomainFasciaSconto band = article.GetFasciaScontoXCategoria(c.partner);
        EXPECT_EQ(Band(band), c.expected) << c.category << " " << c.partner;
        EXPECT_EQ(band.GetDatabase(), &db());
    }
}

ORVEL_DATABASE_TEST_SUITE(DiscountBands);
