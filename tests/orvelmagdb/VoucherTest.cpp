// Voucher campaigns on real databases: the threshold and ceiling to the cent, what each kind of
// voucher is worth, the running window by whole days, a campaign counting only the stored lines
// of chosen categories, families or groups, and the campaign saved and loaded with its lists.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "odbc/Database.h"
#include "orveldblib/Decimal.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/ConfigGuard.h"
#include "orvelmagdb/MessageRecorder.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/domain/documents/DomainDocumentoMagazzino.h"
#include "orvelmagdb/domain/documents/DomainVoceDocumentoMagazzino.h"
#include "orvelmagdb/domain/promotions/DomainEmissioneBuono.h"
#include "support/DatabaseTest.h"

using orvel::test::ConfigGuard;
using orvel::test::MessageRecorder;

namespace {

Decimal D(const char* text) { return Decimal(text, 127); }
// Trailing zeros dropped: "4.00" and "4" are the same amount.
std::string S(const Decimal& value) { return value.ToString2(127, true).str(); }

COleDateTime DayFromToday(int days, int hour = 0)
{
    const COleDateTime now = COleDateTime::GetCurrentTime();
    return COleDateTime(now.GetYear(), now.GetMonth(), now.GetDay(), hour, 0, 0) + COleDateTimeSpan(days, 0, 0, 0);
}

COleDateTime NullDate()
{
    COleDateTime date;
    date.SetStatus(COleDateTime::null);
    return date;
}

class Voucher : public orvel::test::DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        CSchema::Create(db());
        config.SetShopDefaults();
        user()->Set_ID_SOCIETA(1);
        // Wine (category BEV, family VIN, group G1) and juice (BEV, family SUC, no group).
        for (const char* sql :
             {"INSERT INTO IVA (CODICE, DESCRIZIONE, ALIQUOTA) VALUES ('22', 'Ordinaria', '22')",
              "INSERT INTO CATEGORIA (ID, DESCRIZIONE) VALUES ('BEV', 'Bevande')",
              "INSERT INTO FAMIGLIA (ID, DESCRIZIONE) VALUES ('VIN', 'Vini'), ('SUC', 'Succhi')",
              "INSERT INTO GRUPPO (ID, DESCRIZIONE) VALUES ('G1', 'Rossi')",
              "INSERT INTO ARTICOLO (ID, DESCRIZIONE, ID_CATEGORIA, ID_FAMIGLIA, ID_GRUPPO) "
              "VALUES ('VINO', 'Vino', 'BEV', 'VIN', 'G1'), ('SUCCO', 'Succo', 'BEV', 'SUC', NULL)",
              "INSERT INTO CAUSALE (ID, DESCRIZIONE, TIPO_DOCUMENTO, F_QUANTITA, F_RICAVO, F_LISTINO) "
              "VALUES (1, 'Vendita', 'SC', -1, 1, 1)"})
            Exec(sql);
    }
    void TearDown() override
    {
        user()->Reset();
        DatabaseTest::TearDown();
    }
    static CUserAdministrator* user() { return CApplicationAdministrator::GetInstance()->GetUser(); }

    void AddLine(CDomainDocumento& doc, const char* article, const char* quantity, const char* price,
                 const char* family = "")
    {
        CDomainVoceDocumentoMagazzino line(&db());
        line.Set_TIPO("A");
        line.Set_ID_ARTICOLO(article);
        line.Set_QUANTITA(D(quantity));
        line.Set_PREZZO_PZ(D(price), false);
        line.Set_ID_IVA("22", false);
        line.Set_ALIQUOTA_IVA(D("22"));
        line.Set_INFO4(family);
        ASSERT_GE(doc.Fwd_DETTAGLIO_Add(&line), 0);
    }

    // A stored receipt: 2 wines at 10 (24.40 with VAT), a juice at 5 (6.10) and a line of an
    // article outside the register that names family VIN itself, 1 at 2 (2.44); total 32.94.
    std::unique_ptr<CDomainDocumentoMagazzino> StoredReceipt()
    {
        auto doc = std::make_unique<CDomainDocumentoMagazzino>(&db());
        doc->SetCausale(1);
        doc->Set_NUMERO(1);
        AddLine(*doc, "VINO", "2", "10");
        AddLine(*doc, "SUCCO", "1", "5");
        AddLine(*doc, "", "1", "2", "VIN");
        doc->Ricalcola_TOTALI();
        EXPECT_TRUE(doc->DB_AddNew());
        EXPECT_EQ(S(doc->Get_TOTALE()), "32.94");
        return doc;
    }

    ConfigGuard config;
};

// The computations need no database: the campaign works on the amounts it is given.
TEST(VoucherTerms, EarnedFromTheThresholdToTheCeilingAndWorthWhatItsKindGives)
{
    ConfigGuard config;
    config.SetShopDefaults();
    const struct {
        const char *soglia, *massimo, *totale;
        bool qualifies;
    } limits[] = {{"50", "0", "50", true},     {"50", "0", "49.99", false},    {"50", "0", "100000", true},
                  {"50", "200", "200", true}, {"50", "200", "200.01", false}, {"50", "-1", "300", true}};
    CDomainEmissioneBuono campaign;
    for (const auto& c : limits) {
        campaign.Set_IMPORTO_SOGLIA(D(c.soglia));
        campaign.Set_IMPORTO_MASSIMO(D(c.massimo));
        EXPECT_EQ(campaign.CheckImporto(D(c.totale)), c.qualifies) << c.soglia << ".." << c.massimo << ": " << c.totale;
    }

    const struct {
        long kind;
        const char *sconto, *importo, *soglia, *totale, *value;
        long points;
        const char* label;
    } kinds[] = {
        {0, "5", "0", "0", "80", "4", 0, "Sconto"},
        {0, "7.5", "0", "0", "33.33", "2.5", 0, "Sconto"},  // 2.49975 rounded to the cent
        {1, "5", "15", "0", "80", "15", 0, "Importo"},
        {2, "5", "15", "10", "80", "0", 0, "Bene"},
        {3, "5", "15", "10", "35", "0", 3, "Punti"},
        {3, "0", "0", "0", "35", "0", 0, "Punti"},  // no threshold, no points
        {7, "5", "15", "10", "80", "0", 0, ""},
    };
    for (const auto& c : kinds) {
        campaign.Set_F_TIPO(c.kind);
        campaign.Set_SCONTO(D(c.sconto));
        campaign.Set_IMPORTO(D(c.importo));
        campaign.Set_IMPORTO_SOGLIA(D(c.soglia));
        EXPECT_EQ(S(campaign.GetValoreBuonoSconto(D(c.totale))), c.value) << "kind " << c.kind << " on " << c.totale;
        EXPECT_EQ(campaign.GetPuntiBuonoSconto(D(c.totale)), c.points) << "kind " << c.kind << " on " << c.totale;
        EXPECT_EQ(campaign.GetStrTipoBuonoSconto().str(), c.label);
    }
}

TEST(VoucherTerms, RunsFromItsFirstToItsLastWholeDay)
{
    COleDateTime invalid;
    invalid.SetStatus(COleDateTime::invalid);
    const struct {
        COleDateTime start, end;
        bool running;
        const char* what;
    } cases[] = {
        {DayFromToday(0), DayFromToday(0), true, "today only (the defaults)"},
        {NullDate(), NullDate(), true, "open on both sides"},
        {NullDate(), DayFromToday(0, 9), true, "ends today at 09:00"},
        {NullDate(), DayFromToday(-1), false, "ended yesterday"},
        {DayFromToday(1), NullDate(), false, "starts tomorrow"},
        // The running test compares with today at midnight: a start later today has not come yet.
        {DayFromToday(0, 9), DayFromToday(5), false, "starts today at 09:00"},
        {invalid, NullDate(), false, "start not a date"},
    };
    EXPECT_TRUE(CDomainEmissioneBuono().IsInCorso()) << "a new campaign runs today";
    for (const auto& c : cases) {
        CDomainEmissioneBuono campaign;
        campaign.Set_DATA_INIZIO(c.start);
        campaign.Set_DATA_FINE(c.end);
        EXPECT_EQ(campaign.IsInCorso(), c.running) << c.what;
    }
}

TEST_P(Voucher, LimitedCampaignCountsOnlyTheStoredLinesOfItsArticles)
{
    MessageRecorder boxes;
    auto doc = StoredReceipt();
    const struct {
        std::vector<const char*> categories, families, groups;
        const char* counted;
        bool earns;  // with the threshold at exactly what was counted
        const char* what;
    } cases[] = {
        {{}, {"VIN"}, {}, "26.84", true, "wine by its article, the free line by its own family"},
        {{}, {"XXX"}, {}, "0", true, "a family the document does not contain counts nothing"},
        {{"BEV"}, {}, {"G1"}, "30.5", true, "both register articles, the wine in two lists once"},
        {{}, {"O'NEIL"}, {"G1"}, "24.4", true, "a quote in an id stays inside its literal"},
        {{}, {}, {}, "0", false, "nothing listed never earns"},
    };
    for (const auto& c : cases) {
        CDomainEmissioneBuono campaign(&db());
        campaign.Set_F_TIPO_ARTICOLI(CDomainEmissioneBuono::ARTICOLI_SCELTI);
        for (const char* id : c.categories)
            campaign.RefIDCategorie().Add(id);
        for (const char* id : c.families)
            campaign.RefIDFamiglie().Add(id);
        for (const char* id : c.groups)
            campaign.RefIDGruppi().Add(id);
        campaign.Set_IMPORTO_SOGLIA(D(c.counted));
        EXPECT_EQ(campaign.VerificaEmissioneBuono(*doc), c.earns) << c.what;
        EXPECT_EQ(S(campaign.GetTotaleArticoliPromozione()), c.counted) << c.what;
        campaign.Set_IMPORTO_SOGLIA(D(c.counted) + D("0.01"));
        EXPECT_FALSE(campaign.VerificaEmissioneBuono(*doc)) << c.what << ", one cent under the threshold";
    }
    EXPECT_TRUE(boxes.messages.empty()) << boxes.messages.front().text;

    CDomainEmissioneBuono campaign(&db());
    campaign.Set_F_TIPO_ARTICOLI(CDomainEmissioneBuono::ARTICOLI_SCELTI);
    campaign.RefIDFamiglie().Add("VIN");
    // A database error is shown and answered with false.
    Exec("DROP VIEW VOCI_DOCUMENTO_CALC");
    EXPECT_FALSE(campaign.VerificaEmissioneBuono(*doc));
    EXPECT_EQ(boxes.messages.size(), 1u);
}

TEST_P(Voucher, CampaignIsSavedAndLoadedWithItsLists)
{
    CDomainEmissioneBuono campaign(&db());
    EXPECT_EQ(campaign.Get_SOCIETA_ID(), 1) << "the current user's company";
    campaign.Set_DATA_INIZIO(DayFromToday(-2));
    campaign.Set_DATA_FINE(NullDate());
    campaign.Set_TESTO1("Buono sconto");
    campaign.Set_SCONTO(D("7.456"));  // kept to the discount precision
    campaign.Set_IMPORTO_SOGLIA(D("50.005"));
    campaign.Set_NUMERO_PUNTI(4);
    for (long reason : {5L, 3L})
        campaign.RefIDCausali().Add(reason);
    campaign.RefIDFamiglie().Add("VIN");
    campaign.RefIDFamiglie().Add("O'NEIL");
    campaign.RefIDGruppi().Add("G1");
    EXPECT_EQ(campaign.GetCausaliFilter().str(), "5,3 ");
    EXPECT_EQ(campaign.GetFamiglieFilter().str(), "'VIN','O''NEIL' ");
    ASSERT_TRUE(campaign.DB_AddNew());
    ASSERT_TRUE(campaign.IsValid_ID());

    CDomainEmissioneBuono loaded(&db());
    loaded.Set_ID(campaign.Get_ID());
    ASSERT_TRUE(loaded.DB_Load());
    EXPECT_EQ(loaded.Get_DATA_INIZIO(), DayFromToday(-2));
    EXPECT_EQ(loaded.Get_DATA_FINE().GetStatus(), COleDateTime::null) << "open-ended stays open-ended";
    EXPECT_EQ(loaded.Get_TESTO1().str(), "Buono sconto");
    EXPECT_EQ(S(loaded.Get_SCONTO()), "7.46");
    EXPECT_EQ(S(loaded.Get_IMPORTO_SOGLIA()), "50.01");
    EXPECT_EQ(loaded.Get_NUMERO_PUNTI(), 4);
    EXPECT_EQ(loaded.GetCausaliFilter().str(), "3,5 ") << "loaded in id order";
    EXPECT_EQ(loaded.GetFamiglieFilter().str(), "'O''NEIL','VIN' ");
    CDomainEmissioneBuono copy(loaded);
    ASSERT_TRUE(loaded.DB_Load());
    EXPECT_EQ(loaded.GetGruppiFilter().str(), "'G1','G1' ") << "a second load appends";

    // Editing rewrites the lists whole.
    copy.RefIDFamiglie().RemoveAll();
    ASSERT_TRUE(copy.DB_Edit());
    EXPECT_EQ(CountRows("EMISSIONE_BUONO_FAMIGLIA"), 0);
    EXPECT_EQ(CountRows("EMISSIONE_BUONO_GRUPPO"), 1);

    ASSERT_TRUE(copy.DB_Delete());
    EXPECT_EQ(CountRows("EMISSIONE_BUONO"), 0);
    EXPECT_THROW(copy.DB_Edit(), CDBException) << "editing a campaign that is gone reaches the caller";
}

ORVEL_DATABASE_TEST_SUITE(Voucher);

}  // namespace
