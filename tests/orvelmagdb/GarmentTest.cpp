// Fashion models and their garments on real databases: a model read with its garments, garments
// found by each barcode or by article, size scale, size and colour, their prices through the
// article chain, garments taken from a loaded model, and the priced options of an article.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "odbc/DBException.h"
#include "orvelmagdb/ConfigGuard.h"
#include "orvelmagdb/MessageRecorder.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/domain/articles/DomainArticoloModa.h"
#include "orvelmagdb/domain/articles/DomainArticoloVariante.h"
#include "orvelmagdb/recordsets/stock/ArticoloVarianteSet.h"
#include "support/DatabaseTest.h"

using orvel::test::ConfigGuard;
using orvel::test::MessageRecorder;

namespace {

std::string S(const Decimal& value) { return value.ToString2(127, false).str(); }

// One garment as the tests describe it: size scale, size, colour, barcode, row number.
struct Garment {
    std::string scale, size, colour, ean;
    long rn;
};

std::vector<Garment> Garments(const CDomainArticoloModa& model)
{
    std::vector<Garment> result;
    for (INT_PTR i = 0; i < model.GetCapi().GetSize(); ++i) {
        const CDomainVarianteCapo& v = model.GetCapi()[i];
        result.push_back({v.Get_CAPO_ID_SCALA_TAGLIA().str(), v.Get_CAPO_ID_TAGLIA().str(), v.Get_CAPO_ID_COLORE().str(),
                          v.Get_CAPO_CODICE_EAN().str(), v.Get_CAPO_RN()});
    }
    return result;
}

bool operator==(const Garment& a, const Garment& b)
{
    return a.scale == b.scale && a.size == b.size && a.colour == b.colour && a.ean == b.ean && a.rn == b.rn;
}

void PrintTo(const Garment& g, std::ostream* os)
{
    *os << g.scale << "/" << g.size << "/" << g.colour << " " << g.ean << " #" << g.rn;
}

// M1's garments in the order a load gives them: size scale, then size, then colour, as text.
const std::vector<Garment> kM1Garments = {
    {"IT", "46", "BLU", "2000000000459", 2}, {"IT", "46", "NERO", "2000000000466", 1},
    {"IT", "48", "BLU", "2000000000480", 3}, {"IT", "50", "NERO", "2000000000503", 5},
    {"US", "M", "BLU", "20'US", 7},
};

class GarmentTest : public orvel::test::DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        config.SetShopDefaults();
        CSchema::Create(db());
        Exec("INSERT INTO IVA (CODICE, DESCRIZIONE, ALIQUOTA, CODICE_CASSA) VALUES ('22', 'Ordinaria', '22', 1)");
        Exec("INSERT INTO STAGIONE (ID, DESCRIZIONE) VALUES ('PE26', 'Primavera-Estate 2026')");
        Exec("INSERT INTO LINEA (ID, DESCRIZIONE) VALUES ('UOMO', 'Uomo')");
        Exec("INSERT INTO TESSUTO (ID, DESCRIZIONE) VALUES ('COT', 'Cotone')");
        Exec("INSERT INTO SCALA_TAGLIA (ID, DESCRIZIONE) VALUES ('IT', 'Italiana')");
        Exec("INSERT INTO SCALA_TAGLIA (ID, DESCRIZIONE) VALUES ('US', 'Americana')");
        for (const char* size : {"46", "48", "50"})
            Exec((std::string("INSERT INTO TAGLIA (ID, ID_SCALA_TAGLIA, RN) VALUES ('") + size + "', 'IT', 1)").c_str());
        Exec("INSERT INTO TAGLIA (ID, ID_SCALA_TAGLIA, RN) VALUES ('M', 'US', 1)");
        Exec("INSERT INTO COLORE (ID, DESCRIZIONE) VALUES ('NERO', 'Nero')");
        Exec("INSERT INTO COLORE (ID, DESCRIZIONE) VALUES ('BLU', 'Blu')");
        // The stored list price (60) disagrees with the net cost (45 after 10%); the price with
        // VAT is a rounded shelf price, not 90 plus 22%.
        Exec("INSERT INTO ARTICOLO (ID, CODICE_EAN, DESCRIZIONE, DESCRIZIONE_RIDOTTA, UM, ID_IVA, "
             "PREZZO_ACQ_LISTINO_EURO, SCONTO_1, SCONTO_2, SCONTO_3, SCONTO_4, PREZZO_ACQ_PZ_EURO, PREZZO_PZ_EURO, "
             "PREZZO_PZ_EURO_IVATO) VALUES ('M1', '8000000000019', 'Polo piquet', 'Polo', 'PZ', '22', "
             "'60', '10', '0', '0', '0', '45', '90', '110.00')");
        Exec("INSERT INTO ARTICOLO_MODA (ID_ARTICOLO, ID_STAGIONE, ID_LINEA, ID_TESSUTO, ID_SCALA_TAGLIA) "
             "VALUES ('M1', 'PE26', 'UOMO', 'COT', 'IT')");
        // Inserted out of order, so that the order of a load is the sort's.
        const char* m1[] = {"'IT', '50', 'NERO', '2000000000503', 5", "'IT', '46', 'NERO', '2000000000466', 1",
                            "'US', 'M', 'BLU', '20''US', 7", "'IT', '48', 'BLU', '2000000000480', 3",
                            "'IT', '46', 'BLU', '2000000000459', 2"};
        for (const char* values : m1)
            Exec((std::string("INSERT INTO CAPO (ID_ARTICOLO, ID_SCALA_TAGLIA, ID_TAGLIA, ID_COLORE, CODICE_EAN, RN) "
                              "VALUES ('M1', ") + values + ")").c_str());
        Exec("INSERT INTO ARTICOLO (ID, DESCRIZIONE, PREZZO_PZ_EURO) VALUES ('M2', 'Camicia', '30')");
        Exec("INSERT INTO CAPO (ID_ARTICOLO, ID_SCALA_TAGLIA, ID_TAGLIA, ID_COLORE, CODICE_EAN, RN) "
             "VALUES ('M2', 'IT', '46', 'NERO', '2000000000992', 1)");
        // A plain article with its EAN and a barcode: neither is a garment's.
        Exec("INSERT INTO ARTICOLO (ID, CODICE_EAN, DESCRIZIONE) VALUES ('A3', '8003333333333', 'Calzini')");
        Exec("INSERT INTO CODICE_ALTERNATIVO_ARTICOLO (ID_ARTICOLO, CODICE, TIPO) VALUES ('A3', '2009999999999', 1)");
    }

    ConfigGuard config;
};

// A database without the library's tables: every query fails.
class GarmentNoSchema : public orvel::test::DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        config.SetShopDefaults();
    }

    ConfigGuard config;
};

}  // namespace

TEST_P(GarmentTest, ModelLoadsItsFashionDataAndGarmentsInScaleOrder)
{
    MessageRecorder messages;
    CDomainArticoloModa model(&db());
    model.Set_ID("M1");
    ASSERT_TRUE(model.DB_Load(false));
    EXPECT_EQ(model.Get_DESCRIZIONE().str(), "Polo piquet");
    EXPECT_EQ(model.Get_ID_STAGIONE().str() + "|" + model.Get_STAGIONE().str() + "|" + model.Get_ID_LINEA().str() +
                  "|" + model.Get_LINEA().str() + "|" + model.Get_ID_TESSUTO().str() + "|" + model.Get_TESSUTO().str(),
              "PE26|Primavera-Estate 2026|UOMO|Uomo|COT|Cotone");
    EXPECT_EQ(model.GetCapi().GetSize(), 0);

    ASSERT_TRUE(model.DB_Load(true));
    EXPECT_EQ(Garments(model), kM1Garments);
    // The list is not emptied by a load: a second one appends the same garments again.
    ASSERT_TRUE(model.DB_Load(true));
    std::vector<Garment> twice = kM1Garments;
    twice.insert(twice.end(), kM1Garments.begin(), kM1Garments.end());
    EXPECT_EQ(Garments(model), twice);

    // An article without fashion data loads with empty fashion texts and no garments.
    CDomainArticoloModa plain(&db());
    plain.Set_ID("A3");
    ASSERT_TRUE(plain.DB_Load(true));
    EXPECT_EQ(plain.Get_DESCRIZIONE().str(), "Calzini");
    EXPECT_TRUE(plain.Get_ID_STAGIONE().IsEmpty() && plain.Get_TESSUTO().IsEmpty());
    EXPECT_EQ(plain.GetCapi().GetSize(), 0);

    for (const char* id : {"", "NOPE"}) {
        CDomainArticoloModa missing(&db());
        missing.Set_ID(id);
        EXPECT_FALSE(missing.DB_Load(true)) << id;
        EXPECT_EQ(missing.GetCapi().GetSize(), 0);
    }
    // The article's own lookup stays available on the model: its EAN finds it.
    CDomainArticoloModa byEan(&db());
    byEan.Set_CODICE_EAN("8000000000019");
    ASSERT_TRUE(byEan.DB_Load());
    EXPECT_EQ(byEan.Get_ID().str(), "M1");
    EXPECT_TRUE(messages.messages.empty());
}

TEST_P(GarmentTest, GarmentIsFoundByEachBarcodeOrByArticleSizeAndColour)
{
    const struct {
        const char* ean;
        const char* id;
        const char* scale;
        const char* size;
        const char* colour;
        const char* found;  // "article scale/size/colour ean #rn", or nullptr when none
    } cases[] = {
        {"2000000000459", "", "", "", "", "M1 IT/46/BLU 2000000000459 #2"},
        {"2000000000466", "", "", "", "", "M1 IT/46/NERO 2000000000466 #1"},
        {"2000000000480", "", "", "", "", "M1 IT/48/BLU 2000000000480 #3"},
        {"2000000000503", "", "", "", "", "M1 IT/50/NERO 2000000000503 #5"},
        {"20'US", "", "", "", "", "M1 US/M/BLU 20'US #7"},
        {"2000000000992", "", "", "", "", "M2 IT/46/NERO 2000000000992 #1"},
        // A barcode wins over the other keys.
        {"2000000000466", "M2", "US", "M", "BLU", "M1 IT/46/NERO 2000000000466 #1"},
        {"", "M1", "IT", "48", "BLU", "M1 IT/48/BLU 2000000000480 #3"},
        {"", "M2", "IT", "46", "NERO", "M2 IT/46/NERO 2000000000992 #1"},
        {"", "M1", "IT", "48", "NERO", nullptr},  // M1 has no black 48
        {"", "M1", "IT", "48", "blu", nullptr},   // colours compare exactly
        {"", "M1", "US", "46", "NERO", nullptr},  // 46 is a size of the other scale
        {"8000000000019", "", "", "", "", nullptr},  // the model's own EAN is no garment's
        {"8003333333333", "", "", "", "", nullptr},  // another article's EAN
        {"2009999999999", "", "", "", "", nullptr},  // another article's barcode
        {"2000000000000", "", "", "", "", nullptr},  // nobody's
    };
    MessageRecorder messages;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.ean) + "|" + c.id + "|" + c.scale + "|" + c.size + "|" + c.colour);
        CDomainCapoModa garment(&db());
        garment.Set_ID(c.id);
        garment.Set_CAPO_CODICE_EAN(c.ean);
        garment.Set_CAPO_ID_SCALA_TAGLIA(c.scale);
        garment.Set_CAPO_ID_TAGLIA(c.size);
        garment.Set_CAPO_ID_COLORE(c.colour);
        const bool loaded = garment.DB_Load();
        ASSERT_EQ(loaded, c.found != nullptr);
        if (!loaded)
            continue;
        EXPECT_EQ(garment.Get_ID().str() + " " + garment.Get_CAPO_ID_SCALA_TAGLIA().str() + "/" +
                      garment.Get_CAPO_ID_TAGLIA().str() + "/" + garment.Get_CAPO_ID_COLORE().str() + " " +
                      garment.Get_CODICE_EAN().str() + " #" + std::to_string(garment.Get_CAPO_RN()),
                  c.found);
        // The garment's barcode is the article's EAN too, so what is sold carries it.
        EXPECT_EQ(garment.Ref_CODICE_EAN(), garment.Get_CODICE_EAN());
    }
    EXPECT_TRUE(messages.messages.empty());
}

TEST_P(GarmentTest, GarmentIsPricedThroughTheArticleChain)
{
    CDomainCapoModa garment(&db());
    garment.Set_CAPO_CODICE_EAN("2000000000480");
    ASSERT_TRUE(garment.DB_Load());
    EXPECT_EQ(garment.Get_DESCRIZIONE().str(), "Polo piquet");
    EXPECT_EQ(garment.Get_UM().str(), "PZ");
    // Amounts compare by their stored text, which keeps the scale they were computed with.
    EXPECT_EQ(S(garment.Get_ALIQUOTA_IVA()), "22");
    // The list price is taken back from the net cost through the discount (45 / 0.9), not the
    // stored 60; the mark-up comes from cost and sale price; the price with VAT is kept as stored.
    EXPECT_EQ(S(garment.Get_PREZZO_ACQ_LISTINO_EURO()), "50");
    EXPECT_EQ(S(garment.Get_SCONTO_1()), "10");
    EXPECT_EQ(S(garment.Get_PREZZO_ACQ_PZ_EURO()), "45");
    EXPECT_EQ(S(garment.Get_RICARICO()), "100");
    EXPECT_EQ(S(garment.Get_PREZZO_PZ_EURO()), "90");
    EXPECT_EQ(S(garment.Get_PREZZO_PZ_EURO_IVATO()), "110.00");

    // A model without prices gives garments that cost nothing, without failing.
    CDomainCapoModa shirt(&db());
    shirt.Set_CAPO_CODICE_EAN("2000000000992");
    ASSERT_TRUE(shirt.DB_Load());
    EXPECT_EQ(S(shirt.Get_PREZZO_PZ_EURO()), "30");
    EXPECT_EQ(S(shirt.Get_RICARICO()), "0");
}

TEST_P(GarmentTest, LoadedModelGivesItsGarmentsByBarcodeSizeAndColourOrRowNumber)
{
    CDomainArticoloModa model(&db());
    model.Set_ID("M1");
    ASSERT_TRUE(model.DB_Load(true));

    const CDomainCapoModa found[] = {model.GetCapo(CString("2000000000466")), model.GetCapo("IT", "48", "BLU"),
                                     model.GetCapo(7L)};
    const char* expected[] = {"IT/46/NERO 2000000000466 #1", "IT/48/BLU 2000000000480 #3", "US/M/BLU 20'US #7"};
    for (int i = 0; i < 3; ++i) {
        const CDomainCapoModa& g = found[i];
        EXPECT_EQ(g.Get_CAPO_ID_SCALA_TAGLIA().str() + "/" + g.Get_CAPO_ID_TAGLIA().str() + "/" +
                      g.Get_CAPO_ID_COLORE().str() + " " + g.Get_CODICE_EAN().str() + " #" +
                      std::to_string(g.Get_CAPO_RN()),
                  expected[i]);
        // The article part is the model as loaded, prices and all.
        EXPECT_EQ(g.Get_ID().str(), "M1");
        EXPECT_EQ(S(g.Get_PREZZO_PZ_EURO_IVATO()), "110.00");
        EXPECT_EQ(g.GetDatabase(), &db());
    }

    const CDomainCapoModa misses[] = {model.GetCapo(CString("8000000000019")), model.GetCapo("IT", "48", "blu"),
                                      model.GetCapo(4L)};
    for (const CDomainCapoModa& g : misses) {
        EXPECT_TRUE(g.Get_ID().IsEmpty());
        EXPECT_TRUE(g.Get_CODICE_EAN().IsEmpty() && g.Get_CAPO_ID_TAGLIA().IsEmpty() && g.Get_CAPO_ID_COLORE().IsEmpty());
        EXPECT_EQ(g.Get_CAPO_RN(), 0);
        EXPECT_EQ(g.GetDatabase(), &db());
    }

    // A new barcode goes to the garment and to its article alike.
    CDomainCapoModa relabelled = model.GetCapo(1L);
    relabelled.Set_CODICE_EAN("2000000000121");
    EXPECT_EQ(relabelled.Get_CAPO_CODICE_EAN().str(), "2000000000121");
    EXPECT_EQ(relabelled.Ref_CODICE_EAN().str(), "2000000000121");
}

TEST_P(GarmentTest, PricedOptionGivesItsPriceWithAndWithoutVat)
{
    Exec("INSERT INTO CATEGORIA (ID, DESCRIZIONE) VALUES ('EXTRA', 'Aggiunte')");
    Exec("INSERT INTO ARTICOLO_VARIANTE (ID, ID_ARTICOLO, DESCRIZIONE, PREZZO, F_PREZZO_IVATO, ID_CATEGORIA) "
         "VALUES (1, 'M1', 'Ricamo', '122', 1, 'EXTRA')");
    Exec("INSERT INTO ARTICOLO_VARIANTE (ID, ID_ARTICOLO, DESCRIZIONE, PREZZO, F_PREZZO_IVATO, ID_CATEGORIA) "
         "VALUES (2, 'M1', 'Orlo', '100', 0, NULL)");
    Exec("INSERT INTO ARTICOLO_VARIANTE (ID, ID_ARTICOLO, DESCRIZIONE, PREZZO, F_PREZZO_IVATO, ID_CATEGORIA) "
         "VALUES (3, 'M2', 'Bottoni', '12.345', 1, NULL)");
    const struct {
        long id;
        const char* price;
        const char* without;
        const char* with;
        const char* names;
    } cases[] = {
        {1, "122", "100", "122", "Ricamo|Polo piquet|EXTRA|Aggiunte"},
        {2, "100", "100", "122.00", "Orlo|Polo piquet||"},
        // The stored price is rounded to the price precision on reading.
        {3, "12.35", "10.122950819672131147540983607", "12.35", "Bottoni|Camicia||"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        CDomainArticoloVariante option(&db());
        option.Set_ID(c.id);
        ASSERT_TRUE(option.DB_Load());
        EXPECT_EQ(S(option.Get_PREZZO()), c.price);
        EXPECT_EQ(S(option.Get_PREZZO_IVA_ESCLUSA(Decimal(22))), c.without);
        EXPECT_EQ(S(option.Get_PREZZO_IVA_INCLUSA(Decimal(22))), c.with);
        EXPECT_EQ(option.Get_DESCRIZIONE().str() + "|" + option.Get_ARTICOLO_DESCRIZIONE().str() + "|" +
                      option.Get_CATEGORIA_ID().str() + "|" + option.Get_CATEGORIA_DESCRIZIONE().str(),
                  c.names);
    }
    for (long id : {0L, -1L, 99L}) {
        CDomainArticoloVariante option(&db());
        option.Set_ID(id);
        EXPECT_FALSE(option.DB_Load()) << id;
    }
    // From the table itself: the article and category codes, no descriptions.
    CArticoloVarianteSet rs(&db());
    rs.m_strFilter = "ID = 1";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    CDomainArticoloVariante option(&db());
    option.FromRecordset(rs);
    EXPECT_EQ(option.Get_ID(), 1);
    EXPECT_EQ(option.Get_ARTICOLO_ID().str() + "|" + option.Get_CATEGORIA_ID().str(), "M1|EXTRA");
    EXPECT_EQ(option.Get_F_PREZZO_IVATO(), 1);
}

TEST_P(GarmentNoSchema, MissingKeysAreRefusedUnaskedAndDatabaseErrorsAnswerFalse)
{
    // Without a barcode every one of article, size scale, size and colour is needed; the refusal
    // comes before any query, which here would fail and show a second box.
    const char* keys[][4] = {{"", "IT", "46", "NERO"}, {"M1", "", "46", "NERO"}, {"M1", "IT", "", "NERO"},
                             {"M1", "IT", "46", ""}};
    for (const auto& k : keys) {
        MessageRecorder messages;
        CDomainCapoModa garment(&db());
        garment.Set_ID(k[0]);
        garment.Set_CAPO_ID_SCALA_TAGLIA(k[1]);
        garment.Set_CAPO_ID_TAGLIA(k[2]);
        garment.Set_CAPO_ID_COLORE(k[3]);
        EXPECT_FALSE(garment.DB_Load());
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].text, "Dati insufficienti per caricare il capo");
        EXPECT_EQ(messages.messages[0].style, 48u);
    }

    // The database's failure is shown with its text and answered with false.
    {
        MessageRecorder messages;
        CDomainCapoModa garment(&db());
        garment.Set_CAPO_CODICE_EAN("2000000000466");
        EXPECT_FALSE(garment.DB_Load());
        CDomainArticoloModa model(&db());
        model.Set_ID("M1");
        EXPECT_FALSE(model.DB_Load(true));
        ASSERT_EQ(messages.messages.size(), 2u);
        for (const auto& m : messages.messages) {
            EXPECT_FALSE(m.text.empty());
            EXPECT_EQ(m.style, 48u);
        }
    }
    // The option's load lets the failure through to the caller.
    CDomainArticoloVariante option(&db());
    option.Set_ID(1);
    EXPECT_THROW(option.DB_Load(), CDBException);
}

ORVEL_DATABASE_TEST_SUITE(GarmentTest);
ORVEL_DATABASE_TEST_SUITE(GarmentNoSchema);
