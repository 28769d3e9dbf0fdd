// Discount bands and discount information on real databases: a band loads by id (quoted), reads
// itself from the category, partner-per-category, band and partner views, rounds its percentages
// to the discount precision it was built with, copies with and without rounding, and describes
// itself by the number of discounts in use and the commission switch, in the user's number
// format. The discount information adds the price list: its texts, where it comes from, and how
// it survives when a plain band is assigned. When the article object exists, the band that
// applies to an article for a partner is checked too.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "odbc/DBException.h"
#include "orveldb/domain/DomainAzienda.h"
#include "orveldb/recordsets/AziendaScontoCompletoSet.h"
#include "orveldb/recordsets/ListinoSet.h"
#include "orveldb/recordsets/ScontoSet.h"
#include "orvelmagdb/ConfigGuard.h"
#include "orvelmagdb/MessageRecorder.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/domain/promotions/DomainFasciaSconto.h"
#include "orvelmagdb/domain/promotions/DomainInformazioneSconti.h"
#include "orvelmagdb/recordsets/articles/CategoriaScontoCompletoSet.h"
#include "orvelmagdb/recordsets/articles/SoggettoCategoriaScontoCompSet.h"
#include "support/DatabaseTest.h"

#if __has_include("orvelmagdb/domain/articles/DomainArticolo.h")
#include "orvelmagdb/domain/articles/DomainArticolo.h"
#define ORVEL_TEST_HAS_ARTICLE 1
#endif

using orvel::test::ConfigGuard;
using orvel::test::MessageRecorder;

namespace {

Decimal D(const char* text) { return Decimal(CString(text), 127); }
std::string Stored(const Decimal& value) { return value.ToString2(127, false).str(); }

// Sets LC_NUMERIC for one scope and puts the previous one back.
class NumericLocale {
public:
    explicit NumericLocale(const char* name)
    {
        const char* previous = std::setlocale(LC_NUMERIC, nullptr);
        m_saved = previous != nullptr ? previous : "C";
        m_ok = std::setlocale(LC_NUMERIC, name) != nullptr;
    }
    ~NumericLocale() { std::setlocale(LC_NUMERIC, m_saved.c_str()); }
    NumericLocale(const NumericLocale&) = delete;
    NumericLocale& operator=(const NumericLocale&) = delete;
    bool ok() const { return m_ok; }

private:
    std::string m_saved;
    bool m_ok = false;
};

// Bands whose percentages are placed without rounding, as a derived class may; the only way to
// see whether a copy rounds again.
class RawBand : public CDomainFasciaSconto {
public:
    using CDomainFasciaSconto::CDomainFasciaSconto;
    void PutRaw(const char* s1, const char* s2, const char* s3, const char* s4, const char* pr)
    {
        SCONTO_1 = D(s1);
        SCONTO_2 = D(s2);
        SCONTO_3 = D(s3);
        SCONTO_4 = D(s4);
        PROVVIGIONE = D(pr);
    }
};

class RawInformation : public CDomainInformazioneSconti {
public:
    using CDomainInformazioneSconti::CDomainInformazioneSconti;
    void PutRaw(const char* s1, const char* pr)
    {
        SCONTO_1 = D(s1);
        PROVVIGIONE = D(pr);
    }
};

void ExpectPercentages(const CDomainFasciaSconto& band, const char* s1, const char* s2, const char* s3,
                       const char* s4, const char* pr)
{
    EXPECT_EQ(Stored(band.Get_SCONTO_1()), s1);
    EXPECT_EQ(Stored(band.Get_SCONTO_2()), s2);
    EXPECT_EQ(Stored(band.Get_SCONTO_3()), s3);
    EXPECT_EQ(Stored(band.Get_SCONTO_4()), s4);
    EXPECT_EQ(Stored(band.Get_PROVVIGIONE()), pr);
}

void ExpectAllZero(const CDomainFasciaSconto& band)
{
    EXPECT_TRUE(band.Get_SCONTO_1().IsZero());
    EXPECT_TRUE(band.Get_SCONTO_2().IsZero());
    EXPECT_TRUE(band.Get_SCONTO_3().IsZero());
    EXPECT_TRUE(band.Get_SCONTO_4().IsZero());
    EXPECT_TRUE(band.Get_PROVVIGIONE().IsZero());
}

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
        Exec("INSERT INTO SCONTO (ID, DESCRIZIONE, SCONTO_1, SCONTO_2, SCONTO_3, SCONTO_4, PROVVIGIONE) "
             "VALUES ('RIV', 'Rivenditori', '10', '5.125', '2.5', '1', '3')");
        Exec("INSERT INTO SCONTO (ID, DESCRIZIONE, SCONTO_1, SCONTO_2, SCONTO_3, SCONTO_4, PROVVIGIONE) "
             "VALUES ('DET', 'Dettaglio', '20', '0', '0', '0', '0')");
        Exec("INSERT INTO SCONTO (ID, DESCRIZIONE, SCONTO_1, SCONTO_2, SCONTO_3, SCONTO_4, PROVVIGIONE) "
             "VALUES ('D''ORO', 'Clienti d''oro', '30.00', '10.50', '0', '0', '4.75')");
        Exec("INSERT INTO SCONTO (ID, DESCRIZIONE) VALUES ('NUL', 'Senza percentuali')");
        Exec("INSERT INTO LISTINO (ID, DESCRIZIONE, TIPO_LISTINO, F_IVATO) VALUES ('L2', 'Ingrosso', 1, 0)");
        Exec("INSERT INTO LISTINO (ID, DESCRIZIONE, TIPO_LISTINO, F_IVATO) VALUES ('L''E', 'Listino d''estate', 1, 1)");
        Exec("INSERT INTO CATEGORIA (ID, DESCRIZIONE) VALUES ('ABB', 'Abbigliamento')");
        Exec("INSERT INTO CATEGORIA (ID, DESCRIZIONE) VALUES ('SCA', 'Scarpe')");
        Exec("INSERT INTO CATEGORIA (ID, DESCRIZIONE) VALUES ('NUD', 'Senza fasce')");
        Exec("INSERT INTO CATEGORIA (ID, DESCRIZIONE) VALUES ('D''A', 'D''arte')");
        Exec("INSERT INTO AZIENDA (ID, RAGIONESOCIALE, F_TIPO_RAPPORTO, ID_SCONTO, ID_LISTINO) "
             "VALUES (7, 'Rossi Forniture srl', 1, 'RIV', 'L2')");
        Exec("INSERT INTO AZIENDA (ID, RAGIONESOCIALE, F_TIPO_RAPPORTO) VALUES (8, 'Mario Bianchi', 1)");
        // Abbigliamento: Dettaglio by default, Rivenditori also allowed; Scarpe: Rivenditori with
        // the flag never set; D'arte: Dettaglio by default.
        Exec("INSERT INTO CATEGORIA_SCONTO (ID_CATEGORIA, ID_SCONTO, F_PREDEFINITO) VALUES ('ABB', 'DET', 1)");
        Exec("INSERT INTO CATEGORIA_SCONTO (ID_CATEGORIA, ID_SCONTO, F_PREDEFINITO) VALUES ('ABB', 'RIV', 0)");
        Exec("INSERT INTO CATEGORIA_SCONTO (ID_CATEGORIA, ID_SCONTO) VALUES ('SCA', 'RIV')");
        Exec("INSERT INTO CATEGORIA_SCONTO (ID_CATEGORIA, ID_SCONTO, F_PREDEFINITO) VALUES ('D''A', 'DET', 1)");
        // Rossi gets Rivenditori on clothes; Bianchi gets D'ORO on shoes.
        Exec("INSERT INTO SOGGETTO_CATEGORIA_SCONTO (ID_SOGGETTO, ID_CATEGORIA, ID_SCONTO) VALUES (7, 'ABB', 'RIV')");
        Exec("INSERT INTO SOGGETTO_CATEGORIA_SCONTO (ID_SOGGETTO, ID_CATEGORIA, ID_SCONTO) VALUES (8, 'SCA', 'D''ORO')");
    }

    // The band built in memory that the description tests show.
    CDomainFasciaSconto MakeBand()
    {
        CDomainFasciaSconto band(&db());
        band.Set_ID("A1");
        band.Set_DESCRIZIONE("RIVENDITORI");
        band.Set_SCONTO_1(D("10"));
        band.Set_SCONTO_2(D("5.5"));
        band.Set_SCONTO_3(D("2"));
        band.Set_SCONTO_4(D("1.25"));
        band.Set_PROVVIGIONE(D("3"));
        return band;
    }

    ConfigGuard config;
};

// ---- a new band, and what a band does not do ----

TEST_P(DiscountBands, NewBandIsNoBandAndIsNeverWritten)
{
    CDomainFasciaSconto band(&db());
    EXPECT_STREQ(band.Get_ID(), "");
    EXPECT_STREQ(band.Get_DESCRIZIONE(), "");
    ExpectAllZero(band);
    EXPECT_EQ(band.Get_F_PREDEFINITO(), 0);
    EXPECT_EQ(band.GetDatabase(), &db());
    EXPECT_STREQ(band.GetDescrizioneFasciaSconto(), "NN - NESSUNA FASCIA SCONTO");
    EXPECT_STREQ(CDomainFasciaSconto::GetDescrizioneFasciaScontoNessuna(), "NN - NESSUNA FASCIA SCONTO");

    // The pointer to the id is the id itself.
    *band.GetPtr_ID() = "RIV";
    EXPECT_STREQ(band.Get_ID(), "RIV");
    EXPECT_EQ(band.GetPtr_ID(), &band.Get_ID());

    // Bands belong to the partner registry: every write answers false and touches nothing.
    band.Set_DESCRIZIONE("Cambiata");
    EXPECT_FALSE(band.DB_AddNew());
    EXPECT_FALSE(band.DB_Edit());
    EXPECT_FALSE(band.DB_Delete());
    EXPECT_EQ(CountRows("SCONTO"), 4);
    EXPECT_EQ(QueryText("SELECT DESCRIZIONE FROM SCONTO WHERE ID = 'RIV'"), "Rivenditori");
}

TEST_P(DiscountBands, SettersRoundToThePrecisionTheBandWasBuiltWith)
{
    CDomainFasciaSconto band(&db());
    config.Set("precisione/sconti", "0");  // too late for this band
    band.Set_SCONTO_1(D("12.345"));
    band.Set_SCONTO_2(D("-2.345"));
    band.Set_SCONTO_3(D("0.004"));
    band.Set_SCONTO_4(D("7"));
    band.Set_PROVVIGIONE(D("3.3349"));
    ExpectPercentages(band, "12.35", "-2.35", "0.00", "7", "3.33");
    band.Set_F_PREDEFINITO(1);
    EXPECT_EQ(band.Get_F_PREDEFINITO(), 1);

    CDomainFasciaSconto whole(&db());  // built after the change: whole percentages
    whole.Set_SCONTO_1(D("12.5"));
    whole.Set_PROVVIGIONE(D("2.49"));
    EXPECT_EQ(Stored(whole.Get_SCONTO_1()), "13");
    EXPECT_EQ(Stored(whole.Get_PROVVIGIONE()), "2");
}

// ---- loading by id ----

TEST_P(DiscountBands, LoadReadsTheBandOfItsIdRounded)
{
    MessageRecorder messages;
    CDomainFasciaSconto band(&db());
    band.Set_F_PREDEFINITO(1);
    band.Set_ID("RIV");
    ASSERT_TRUE(band.DB_Load());
    EXPECT_STREQ(band.Get_ID(), "RIV");
    EXPECT_STREQ(band.Get_DESCRIZIONE(), "Rivenditori");
    ExpectPercentages(band, "10", "5.13", "2.5", "1", "3");
    EXPECT_EQ(band.Get_F_PREDEFINITO(), 0);

    // Stored trailing zeros stay as they were written, and NULL percentages read as 0.
    band.Set_ID("D'ORO");
    ASSERT_TRUE(band.DB_Load());
    EXPECT_STREQ(band.Get_DESCRIZIONE(), "Clienti d'oro");
    ExpectPercentages(band, "30.00", "10.50", "0", "0", "4.75");
    band.Set_ID("NUL");
    ASSERT_TRUE(band.DB_Load());
    EXPECT_STREQ(band.Get_DESCRIZIONE(), "Senza percentuali");
    ExpectAllZero(band);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_P(DiscountBands, LoadWithoutIdAnswersFalseAndClears)
{
    MessageRecorder messages;
    CDomainFasciaSconto band = MakeBand();
    band.Set_ID("");
    EXPECT_FALSE(band.DB_Load());
    EXPECT_STREQ(band.Get_DESCRIZIONE(), "");
    ExpectAllZero(band);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_P(DiscountBands, LoadOfAnIdWithoutRowAnswersTrueWithClearedValues)
{
    MessageRecorder messages;
    CDomainFasciaSconto band = MakeBand();
    band.Set_ID("XX");
    EXPECT_TRUE(band.DB_Load());
    EXPECT_STREQ(band.Get_ID(), "XX");
    EXPECT_STREQ(band.Get_DESCRIZIONE(), "");
    ExpectAllZero(band);

    // An id that would widen the filter if it were pasted unquoted finds nothing either.
    CDomainFasciaSconto injected = MakeBand();
    injected.Set_ID("X' OR '1'='1");
    EXPECT_TRUE(injected.DB_Load());
    EXPECT_STREQ(injected.Get_DESCRIZIONE(), "");
    ExpectAllZero(injected);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_P(DiscountBands, LoadErrorIsShownAsTheDatabaseErrorAndAnswersFalse)
{
    Exec("ALTER TABLE SCONTO RENAME TO SCONTO_ALTROVE");

    // The error the same query raises, to compare with what the box shows.
    CString expected;
    try {
        CScontoSet rs(&db());
        rs.m_strFilter = "ID = 'RIV'";
        rs.Open();
        FAIL() << "reading a table that is not there should fail";
    } catch (const CDBException& e) {
        expected = e.m_strError;
        expected.TrimRight();
        if (!e.m_strStateNativeOrigin.IsEmpty())
            expected += CString(" [") + e.m_strStateNativeOrigin + "]";
    }

    MessageRecorder messages;
    CDomainFasciaSconto band(&db());
    band.Set_ID("RIV");
    EXPECT_FALSE(band.DB_Load());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, expected.str());
    EXPECT_EQ(messages.messages[0].style, MB_ICONEXCLAMATION);
    EXPECT_EQ(messages.messages[0].helpId, 0u);
}

// ---- reading from the four views ----

TEST_P(DiscountBands, CategoryBandsCarryTheirDefaultFlag)
{
    CCategoriaScontoCompletoSet rs(&db());
    rs.m_strFilter = "CATEGORIA_ID = 'ABB'";
    rs.m_strSort = "SCONTO_ID";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    CDomainFasciaSconto band(&db());
    band.FromRecordset(rs);
    EXPECT_STREQ(band.Get_ID(), "DET");
    EXPECT_STREQ(band.Get_DESCRIZIONE(), "Dettaglio");
    ExpectPercentages(band, "20", "0", "0", "0", "0");
    EXPECT_EQ(band.Get_F_PREDEFINITO(), 1);
    rs.MoveNext();
    ASSERT_FALSE(rs.IsEOF());
    band.FromRecordset(rs);
    EXPECT_STREQ(band.Get_ID(), "RIV");
    EXPECT_STREQ(band.Get_DESCRIZIONE(), "Rivenditori");
    ExpectPercentages(band, "10", "5.13", "2.5", "1", "3");
    EXPECT_EQ(band.Get_F_PREDEFINITO(), 0);
    rs.Close();

    // A flag never set is not a default.
    CCategoriaScontoCompletoSet unset(&db());
    unset.m_strFilter = "CATEGORIA_ID = 'SCA'";
    unset.Open();
    ASSERT_FALSE(unset.IsEOF());
    band.Set_F_PREDEFINITO(1);
    band.FromRecordset(unset);
    EXPECT_STREQ(band.Get_ID(), "RIV");
    EXPECT_EQ(band.Get_F_PREDEFINITO(), 0);
}

TEST_P(DiscountBands, PartnerCategoryBandsAreNeverDefaults)
{
    CSoggettoCategoriaScontoCompSet rs(&db());
    rs.m_strFilter = "SOGGETTO_ID = 8";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    CDomainFasciaSconto band(&db());
    band.Set_F_PREDEFINITO(1);
    band.FromRecordset(rs);
    EXPECT_STREQ(band.Get_ID(), "D'ORO");
    EXPECT_STREQ(band.Get_DESCRIZIONE(), "Clienti d'oro");
    ExpectPercentages(band, "30.00", "10.50", "0", "0", "4.75");
    EXPECT_EQ(band.Get_F_PREDEFINITO(), 0);
}

TEST_P(DiscountBands, BandAndPartnerRowsFillTheBand)
{
    config.Set("precisione/sconti", "1");
    CDomainFasciaSconto band(&db());

    CScontoSet bands(&db());
    bands.m_strFilter = "ID = 'RIV'";
    bands.Open();
    ASSERT_FALSE(bands.IsEOF());
    band.Set_F_PREDEFINITO(1);
    band.FromRecordset(bands);
    EXPECT_STREQ(band.Get_ID(), "RIV");
    EXPECT_STREQ(band.Get_DESCRIZIONE(), "Rivenditori");
    ExpectPercentages(band, "10", "5.1", "2.5", "1", "3");
    EXPECT_EQ(band.Get_F_PREDEFINITO(), 0);

    CAziendaScontoCompletoSet partners(&db());
    partners.m_strFilter = "ID = 7";
    partners.Open();
    ASSERT_FALSE(partners.IsEOF());
    CDomainFasciaSconto fromPartner(&db());
    fromPartner.Set_F_PREDEFINITO(1);
    fromPartner.FromRecordset(partners);
    EXPECT_STREQ(fromPartner.Get_ID(), "RIV");
    EXPECT_STREQ(fromPartner.Get_DESCRIZIONE(), "Rivenditori");
    ExpectPercentages(fromPartner, "10", "5.1", "2.5", "1", "3");
    EXPECT_EQ(fromPartner.Get_F_PREDEFINITO(), 0);

    // A partner without band clears whatever the band held.
    CAziendaScontoCompletoSet bare(&db());
    bare.m_strFilter = "ID = 8";
    bare.Open();
    ASSERT_FALSE(bare.IsEOF());
    fromPartner.FromRecordset(bare);
    EXPECT_STREQ(fromPartner.Get_ID(), "");
    EXPECT_STREQ(fromPartner.Get_DESCRIZIONE(), "");
    ExpectAllZero(fromPartner);
    EXPECT_STREQ(fromPartner.GetDescrizioneFasciaSconto(), "NN - NESSUNA FASCIA SCONTO");
}

// ---- copy and assignment ----

TEST_P(DiscountBands, CopyRoundsToTheCopiedPrecisionAssignmentKeepsTheValues)
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
    source.PutRaw("12.345", "5.125", "1.005", "0.004", "3.335");

    // The configuration changes after the source was built: neither copy follows it.
    config.Set("precisione/sconti", "3");
    config.Set("default/sconti/numero", "4");
    config.Set("magazzino/provvigione", "1");

    CDomainFasciaSconto copied(source);
    EXPECT_EQ(copied.GetDatabase(), &db());
    EXPECT_TRUE(copied.IsTransController());
    EXPECT_STREQ(copied.Get_ID(), "RIV");
    EXPECT_STREQ(copied.Get_DESCRIZIONE(), "Rivenditori");
    EXPECT_EQ(copied.Get_F_PREDEFINITO(), 1);
    ExpectPercentages(copied, "12.35", "5.13", "1.01", "0.00", "3.34");
    EXPECT_STREQ(copied.GetDescrizioneFasciaSconto(), "RIV | Rivenditori | SC. 12.35% ");
    copied.Set_SCONTO_1(D("1.2345"));
    EXPECT_EQ(Stored(copied.Get_SCONTO_1()), "1.23");

    CDomainFasciaSconto assigned(nullptr);
    assigned = source;
    EXPECT_EQ(assigned.GetDatabase(), &db());
    EXPECT_TRUE(assigned.IsTransController());
    EXPECT_STREQ(assigned.Get_ID(), "RIV");
    EXPECT_STREQ(assigned.Get_DESCRIZIONE(), "Rivenditori");
    EXPECT_EQ(assigned.Get_F_PREDEFINITO(), 1);
    ExpectPercentages(assigned, "12.345", "5.125", "1.005", "0.004", "3.335");
    EXPECT_STREQ(assigned.GetDescrizioneFasciaSconto(), "RIV | Rivenditori | SC. 12.345% ");
    assigned.Set_SCONTO_1(D("1.2345"));
    EXPECT_EQ(Stored(assigned.Get_SCONTO_1()), "1.23");
}

TEST_P(DiscountBands, InformationCopiesBandAndPriceListAssigningAPlainBandKeepsThePriceList)
{
    RawInformation source(&db());
    source.Set_ID("RIV");
    source.Set_DESCRIZIONE("Rivenditori");
    source.Set_ID_LISTINO("L2");
    source.Set_DESCRIZIONE_LISTINO("Ingrosso");
    source.PutRaw("12.345", "3.335");

    CDomainInformazioneSconti copied(source);
    EXPECT_STREQ(copied.Get_ID(), "RIV");
    EXPECT_STREQ(copied.Get_ID_LISTINO(), "L2");
    EXPECT_STREQ(copied.Get_DESCRIZIONE_LISTINO(), "Ingrosso");
    EXPECT_EQ(Stored(copied.Get_SCONTO_1()), "12.35");
    EXPECT_EQ(Stored(copied.Get_PROVVIGIONE()), "3.34");

    CDomainInformazioneSconti assigned(&db());
    assigned = source;
    EXPECT_STREQ(assigned.Get_ID(), "RIV");
    EXPECT_STREQ(assigned.Get_ID_LISTINO(), "L2");
    EXPECT_STREQ(assigned.Get_DESCRIZIONE_LISTINO(), "Ingrosso");
    EXPECT_EQ(Stored(assigned.Get_SCONTO_1()), "12.345");
    EXPECT_EQ(Stored(assigned.Get_PROVVIGIONE()), "3.335");

    // A plain band replaces the band, default flag included, and leaves the price list.
    CDomainFasciaSconto plain(&db());
    plain.Set_ID("DET");
    ASSERT_TRUE(plain.DB_Load());
    plain.Set_F_PREDEFINITO(1);
    assigned = plain;
    EXPECT_STREQ(assigned.Get_ID(), "DET");
    EXPECT_STREQ(assigned.Get_DESCRIZIONE(), "Dettaglio");
    ExpectPercentages(assigned, "20", "0", "0", "0", "0");
    EXPECT_EQ(assigned.Get_F_PREDEFINITO(), 1);
    EXPECT_STREQ(assigned.Get_ID_LISTINO(), "L2");
    EXPECT_STREQ(assigned.Get_DESCRIZIONE_LISTINO(), "Ingrosso");

    // Loading the band of an information object leaves its price list too.
    assigned.Set_ID("RIV");
    ASSERT_TRUE(assigned.DB_Load());
    EXPECT_STREQ(assigned.Get_DESCRIZIONE(), "Rivenditori");
    EXPECT_STREQ(assigned.Get_ID_LISTINO(), "L2");
    EXPECT_STREQ(assigned.Get_DESCRIZIONE_LISTINO(), "Ingrosso");
}

// ---- the band's text ----

TEST_P(DiscountBands, DescriptionShowsTheDiscountsInUse)
{
    NumericLocale locale("C");
    ASSERT_TRUE(locale.ok());
    struct Case {
        const char* numero;
        const char* expected;
    };
    const Case cases[] = {
        {"0", "A1 | RIVENDITORI | PR. 3%"},
        {"1", "A1 | RIVENDITORI | SC. 10%  | PR. 3%"},
        {"2", "A1 | RIVENDITORI | SC. 10% 5.5%  | PR. 3%"},
        {"3", "A1 | RIVENDITORI | SC. 10% 5.5% 2%  | PR. 3%"},
        {"4", "A1 | RIVENDITORI | SC. 10% 5.5% 2% 1.25%  | PR. 3%"},
        {"5", "A1 | RIVENDITORI | PR. 3%"},
        {"-1", "A1 | RIVENDITORI | PR. 3%"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("default/sconti/numero = ") + c.numero);
        config.Set("default/sconti/numero", c.numero);
        CDomainFasciaSconto band = MakeBand();
        EXPECT_STREQ(band.GetDescrizioneFasciaSconto(), c.expected);
    }
}

TEST_P(DiscountBands, DescriptionShowsTheCommissionOnlyWhenSwitchedOn)
{
    NumericLocale locale("C");
    ASSERT_TRUE(locale.ok());
    config.Set("default/sconti/numero", "2");

    config.Set("magazzino/provvigione", "0");
    EXPECT_STREQ(MakeBand().GetDescrizioneFasciaSconto(), "A1 | RIVENDITORI | SC. 10% 5.5% ");
    config.Set("magazzino/provvigione", "2");  // any value but 0 switches it on
    EXPECT_STREQ(MakeBand().GetDescrizioneFasciaSconto(), "A1 | RIVENDITORI | SC. 10% 5.5%  | PR. 3%");

    // Switched on, a zero commission is still shown; nothing in use and no commission leaves
    // only id and description.
    CDomainFasciaSconto noCommission = MakeBand();
    noCommission.Set_PROVVIGIONE(D("0"));
    EXPECT_STREQ(noCommission.GetDescrizioneFasciaSconto(), "A1 | RIVENDITORI | SC. 10% 5.5%  | PR. 0%");
    config.Set("magazzino/provvigione", "0");
    config.Set("default/sconti/numero", "0");
    EXPECT_STREQ(MakeBand().GetDescrizioneFasciaSconto(), "A1 | RIVENDITORI");
}

TEST_P(DiscountBands, DescriptionFollowsTheSettingsTheBandWasBuiltWith)
{
    NumericLocale locale("C");
    ASSERT_TRUE(locale.ok());
    config.Set("default/sconti/numero", "1");
    config.Set("magazzino/provvigione", "0");
    CDomainFasciaSconto band = MakeBand();
    config.Set("default/sconti/numero", "4");
    config.Set("magazzino/provvigione", "1");
    EXPECT_STREQ(band.GetDescrizioneFasciaSconto(), "A1 | RIVENDITORI | SC. 10% ");

    // No id: the fixed text, whatever the percentages.
    band.Set_ID("");
    EXPECT_STREQ(band.GetDescrizioneFasciaSconto(), "NN - NESSUNA FASCIA SCONTO");
}

TEST_P(DiscountBands, DescriptionOfALoadedBandDropsTrailingZeros)
{
    NumericLocale locale("C");
    ASSERT_TRUE(locale.ok());
    CDomainFasciaSconto band(&db());
    band.Set_ID("D'ORO");
    ASSERT_TRUE(band.DB_Load());
    EXPECT_STREQ(band.GetDescrizioneFasciaSconto(), "D'ORO | Clienti d'oro | SC. 30% 10.5% 0% 0%  | PR. 4.75%");
}

TEST_P(DiscountBands, DescriptionUsesTheUsersDecimalComma)
{
    NumericLocale italian("it_IT.UTF-8");
    if (!italian.ok())
        GTEST_SKIP() << "the it_IT.UTF-8 locale is not installed";
    CDomainFasciaSconto band(&db());
    band.Set_ID("RIV");
    ASSERT_TRUE(band.DB_Load());
    CString text = band.GetDescrizioneFasciaSconto();
    EXPECT_STREQ(text, "RIV | Rivenditori | SC. 10% 5,13% 2,5% 1%  | PR. 3%");
    // The stored form does not follow the display locale.
    EXPECT_EQ(Stored(band.Get_SCONTO_2()), "5.13");
}

// ---- the price list of the discount information ----

TEST_P(DiscountBands, PriceListTexts)
{
    EXPECT_STREQ(CDomainInformazioneSconti::GetDescrizioneListinoUfficiale(), "UFF - LISTINO UFFICIALE");
    EXPECT_STREQ(CDomainInformazioneSconti::GetDescrizioneListinoUltimoPrezzo(), "UP - ULTIMO PREZZO");
    EXPECT_STREQ(CDomainInformazioneSconti::GetIDListinoUltimoPrezzo(), "-ULTIMOPREZZO-");

    CDomainInformazioneSconti info(&db());
    EXPECT_STREQ(info.Get_ID_LISTINO(), "");
    EXPECT_STREQ(info.Get_DESCRIZIONE_LISTINO(), "");
    EXPECT_STREQ(info.Get_ID(), "");
    ExpectAllZero(info);
    EXPECT_STREQ(info.GetDescrizioneListino(), "UFF - LISTINO UFFICIALE");
    info.Set_DESCRIZIONE_LISTINO("Ignorata");
    EXPECT_STREQ(info.GetDescrizioneListino(), "UFF - LISTINO UFFICIALE");
    info.Set_ID_LISTINO(CDomainInformazioneSconti::GetIDListinoUltimoPrezzo());
    EXPECT_STREQ(info.GetDescrizioneListino(), "UP - ULTIMO PREZZO");
    info.Set_ID_LISTINO("L2");
    info.Set_DESCRIZIONE_LISTINO("Ingrosso");
    EXPECT_STREQ(info.GetDescrizioneListino(), "L2 - Ingrosso");
    info.Set_DESCRIZIONE_LISTINO("");
    EXPECT_STREQ(info.GetDescrizioneListino(), "L2 - ");
    // Only the exact marker means the last price.
    info.Set_ID_LISTINO("-ultimoprezzo-");
    EXPECT_STREQ(info.GetDescrizioneListino(), "-ultimoprezzo- - ");
}

TEST_P(DiscountBands, PriceListLoadsByIdQuotedAndMissingOnesAnswerFalse)
{
    MessageRecorder messages;
    CDomainInformazioneSconti info(&db());
    info.Set_DESCRIZIONE_LISTINO("vecchia");
    EXPECT_FALSE(info.DB_Load_LISTINO());  // no id
    EXPECT_STREQ(info.Get_DESCRIZIONE_LISTINO(), "");

    info.Set_ID_LISTINO("L'E");
    ASSERT_TRUE(info.DB_Load_LISTINO());
    EXPECT_STREQ(info.Get_ID_LISTINO(), "L'E");
    EXPECT_STREQ(info.Get_DESCRIZIONE_LISTINO(), "Listino d'estate");
    EXPECT_STREQ(info.GetDescrizioneListino(), "L'E - Listino d'estate");

    info.Set_ID_LISTINO("L9");
    EXPECT_FALSE(info.DB_Load_LISTINO());
    EXPECT_STREQ(info.Get_ID_LISTINO(), "L9");
    EXPECT_STREQ(info.Get_DESCRIZIONE_LISTINO(), "");

    // The last-price marker is no stored price list.
    info.Set_ID_LISTINO(CDomainInformazioneSconti::GetIDListinoUltimoPrezzo());
    EXPECT_FALSE(info.DB_Load_LISTINO());
    EXPECT_STREQ(info.GetDescrizioneListino(), "UP - ULTIMO PREZZO");

    info.Set_ID_LISTINO("X' OR '1'='1");
    EXPECT_FALSE(info.DB_Load_LISTINO());
    EXPECT_STREQ(info.Get_DESCRIZIONE_LISTINO(), "");
    EXPECT_TRUE(messages.messages.empty());
}

TEST_P(DiscountBands, PriceListLoadErrorShowsTheErrorTextWithExclamation)
{
    Exec("ALTER TABLE LISTINO RENAME TO LISTINO_ALTROVE");
    CString expected;
    try {
        CListinoSet rs(&db());
        rs.m_strFilter = "ID = 'L2'";
        rs.Open();
        FAIL() << "reading a table that is not there should fail";
    } catch (const CDBException& e) {
        expected = e.m_strError;
    }
    ASSERT_FALSE(expected.IsEmpty());

    MessageRecorder messages;
    CDomainInformazioneSconti info(&db());
    info.Set_ID_LISTINO("L2");
    info.Set_DESCRIZIONE_LISTINO("vecchia");
    EXPECT_FALSE(info.DB_Load_LISTINO());
    EXPECT_STREQ(info.Get_DESCRIZIONE_LISTINO(), "");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, expected.str());
    EXPECT_EQ(messages.messages[0].style, 48u);
    EXPECT_EQ(messages.messages[0].helpId, 0u);
}

TEST_P(DiscountBands, InformationReadsBandAndPriceListFromTheirRows)
{
    CDomainInformazioneSconti info(&db());
    info.Set_F_PREDEFINITO(1);

    CAziendaScontoCompletoSet partners(&db());
    partners.m_strFilter = "ID = 7";
    partners.Open();
    ASSERT_FALSE(partners.IsEOF());
    info.FromRecordset(partners);
    EXPECT_STREQ(info.Get_ID(), "RIV");
    EXPECT_STREQ(info.Get_DESCRIZIONE(), "Rivenditori");
    ExpectPercentages(info, "10", "5.13", "2.5", "1", "3");
    EXPECT_EQ(info.Get_F_PREDEFINITO(), 0);
    EXPECT_STREQ(info.Get_ID_LISTINO(), "L2");
    EXPECT_STREQ(info.Get_DESCRIZIONE_LISTINO(), "Ingrosso");

    // A band row changes the band only.
    CScontoSet bands(&db());
    bands.m_strFilter = "ID = 'DET'";
    bands.Open();
    ASSERT_FALSE(bands.IsEOF());
    info.FromRecordset(bands);
    EXPECT_STREQ(info.Get_ID(), "DET");
    ExpectPercentages(info, "20", "0", "0", "0", "0");
    EXPECT_STREQ(info.Get_ID_LISTINO(), "L2");
    EXPECT_STREQ(info.Get_DESCRIZIONE_LISTINO(), "Ingrosso");

    // A price-list row changes the price list only.
    CListinoSet lists(&db());
    lists.m_strFilter = "ID = 'L''E'";
    lists.Open();
    ASSERT_FALSE(lists.IsEOF());
    info.FromRecordset(lists);
    EXPECT_STREQ(info.Get_ID_LISTINO(), "L'E");
    EXPECT_STREQ(info.Get_DESCRIZIONE_LISTINO(), "Listino d'estate");
    EXPECT_STREQ(info.Get_ID(), "DET");
    EXPECT_STREQ(info.Get_DESCRIZIONE(), "Dettaglio");

    // A partner with neither band nor price list: no band and the official price list.
    CAziendaScontoCompletoSet bare(&db());
    bare.m_strFilter = "ID = 8";
    bare.Open();
    ASSERT_FALSE(bare.IsEOF());
    info.FromRecordset(bare);
    EXPECT_STREQ(info.Get_ID(), "");
    ExpectAllZero(info);
    EXPECT_STREQ(info.Get_ID_LISTINO(), "");
    EXPECT_STREQ(info.GetDescrizioneFasciaSconto(), "NN - NESSUNA FASCIA SCONTO");
    EXPECT_STREQ(info.GetDescrizioneListino(), "UFF - LISTINO UFFICIALE");
}

TEST_P(DiscountBands, InformationTakesBandAndPriceListFromAPartner)
{
    // The partner keeps three decimals; the information rounds them to its own two.
    config.Set("precisione/sconti", "3");
    CDomainAzienda partner(&db());
    partner.Set_ID(7);
    ASSERT_TRUE(partner.DB_Load());
    ASSERT_EQ(Stored(partner.Get_SCONTO_SCONTO_2()), "5.125");
    partner.Set_SCONTO_PROVVIGIONE(D("-1.005"));
    config.Set("precisione/sconti", "2");

    CDomainInformazioneSconti info(&db());
    info.Set_F_PREDEFINITO(1);
    info.FromDomain(&partner);
    EXPECT_STREQ(info.Get_ID(), "RIV");
    EXPECT_STREQ(info.Get_DESCRIZIONE(), "Rivenditori");
    ExpectPercentages(info, "10", "5.13", "2.5", "1", "-1.01");
    EXPECT_EQ(info.Get_F_PREDEFINITO(), 0);
    EXPECT_STREQ(info.Get_ID_LISTINO(), "L2");
    EXPECT_STREQ(info.Get_DESCRIZIONE_LISTINO(), "Ingrosso");

    // No partner: nothing changes.
    info.Set_F_PREDEFINITO(1);
    info.FromDomain(nullptr);
    EXPECT_STREQ(info.Get_ID(), "RIV");
    EXPECT_STREQ(info.Get_DESCRIZIONE(), "Rivenditori");
    ExpectPercentages(info, "10", "5.13", "2.5", "1", "-1.01");
    EXPECT_EQ(info.Get_F_PREDEFINITO(), 1);
    EXPECT_STREQ(info.Get_ID_LISTINO(), "L2");
    EXPECT_STREQ(info.Get_DESCRIZIONE_LISTINO(), "Ingrosso");

    // A partner without band or price list empties both.
    CDomainAzienda bare(&db());
    bare.Set_ID(8);
    ASSERT_TRUE(bare.DB_Load());
    info.FromDomain(&bare);
    EXPECT_STREQ(info.Get_ID(), "");
    EXPECT_STREQ(info.Get_DESCRIZIONE(), "");
    ExpectAllZero(info);
    EXPECT_STREQ(info.Get_ID_LISTINO(), "");
    EXPECT_STREQ(info.Get_DESCRIZIONE_LISTINO(), "");
}

#ifdef ORVEL_TEST_HAS_ARTICLE
// ---- the band of an article for a partner ----

TEST_P(DiscountBands, ArticleBandIsThePartnersForTheCategoryElseTheCategoryDefault)
{
    const auto resolve = [this](const char* category, long partner) {
        CDomainArticolo article(&db());
        article.Set_ID_CATEGORIA(category);
        return article.GetFasciaScontoXCategoria(partner);
    };

    // Partner band for the category wins over the default.
    CDomainFasciaSconto band = resolve("ABB", 7);
    EXPECT_STREQ(band.Get_ID(), "RIV");
    EXPECT_STREQ(band.Get_DESCRIZIONE(), "Rivenditori");
    ExpectPercentages(band, "10", "5.13", "2.5", "1", "3");
    EXPECT_EQ(band.Get_F_PREDEFINITO(), 0);
    EXPECT_EQ(band.GetDatabase(), &db());

    // No partner, or a partner without band for the category: the default band.
    for (long partner : {0L, -1L, 8L}) {
        SCOPED_TRACE(partner);
        CDomainFasciaSconto fallback = resolve("ABB", partner);
        EXPECT_STREQ(fallback.Get_ID(), "DET");
        EXPECT_STREQ(fallback.Get_DESCRIZIONE(), "Dettaglio");
        EXPECT_EQ(fallback.Get_F_PREDEFINITO(), 1);
    }

    // A category without default: only a partner band counts.
    CDomainFasciaSconto shoes = resolve("SCA", 8);
    EXPECT_STREQ(shoes.Get_ID(), "D'ORO");
    EXPECT_EQ(shoes.Get_F_PREDEFINITO(), 0);
    EXPECT_STREQ(resolve("SCA", 7).Get_ID(), "");
    EXPECT_STREQ(resolve("SCA", 0).Get_ID(), "");

    // No band anywhere, or no category: the empty band.
    CDomainFasciaSconto none = resolve("NUD", 7);
    EXPECT_STREQ(none.Get_ID(), "");
    ExpectAllZero(none);
    CDomainFasciaSconto uncategorised = resolve("", 7);
    EXPECT_STREQ(uncategorised.Get_ID(), "");
    ExpectAllZero(uncategorised);
    EXPECT_STREQ(uncategorised.GetDescrizioneFasciaSconto(), "NN - NESSUNA FASCIA SCONTO");

    // A category code with a quote is quoted in the filter.
    CDomainFasciaSconto quoted = resolve("D'A", 0);
    EXPECT_STREQ(quoted.Get_ID(), "DET");
    EXPECT_EQ(quoted.Get_F_PREDEFINITO(), 1);
}
#endif

}  // namespace

ORVEL_DATABASE_TEST_SUITE(DiscountBands);
