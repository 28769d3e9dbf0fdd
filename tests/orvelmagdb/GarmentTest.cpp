// Fashion models and their garments on real databases: a model read with its garments, garments
// found by each barcode or by article, size scale, size and colour, their prices through the
// article chain, garments taken from a loaded model, and the priced options of an article.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "odbc/DBException.h"
#include "orvelmagdb/ConfigGuard.h"
#include "orvelmagdb/MessageRecorder.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/domain/articles/DomainArticoloModa.h"
#include "orvelmagdb/domain/articles/DomainArticoloVariante.h"
#include "support/DatabaseTest.h"

using orvel::test::ConfigGuard;
using orvel::test::MessageRecorder;

namespace {

std::string S(const Decimal& value) { return value.ToString2(127, false).str(); }

// "scale/size/colour barcode #row" of a garment variant.
std::string Describe(const CDomainVarianteCapo& v)
{
    return v.Get_CAPO_ID_SCALA_TAGLIA().str() + "/" + v.Get_CAPO_ID_TAGLIA().str() + "/" + v.Get_CAPO_ID_COLORE().str() +
           " " + v.Get_CAPO_CODICE_EAN().str() + " #" + std::to_string(v.Get_CAPO_RN());
}

std::string Describe(const CDomainArticoloModa& model)
{
    std::string text;
    for (INT_PTR i = 0; i < model.GetCapi().GetSize(); ++i)
        text += Describe(model.GetCapi()[i]) + "; ";
    return text;
}

// VAT rate: list price, discount, net cost, mark-up, sale price, price with VAT.
std::string Prices(const CDomainArticolo& g)
{
    return S(g.Get_ALIQUOTA_IVA()) + ": " + S(g.Get_PREZZO_ACQ_LISTINO_EURO()) + " " + S(g.Get_SCONTO_1()) + " " +
           S(g.Get_PREZZO_ACQ_PZ_EURO()) + " " + S(g.Get_RICARICO()) + " " + S(g.Get_PREZZO_PZ_EURO()) + " " +
           S(g.Get_PREZZO_PZ_EURO_IVATO());
}

// M1's garments in the order a load gives them: size scale, then size, then colour, as text.
const std::string kM1Garments = "IT/46/BLU 2000000000459 #2; IT/46/NERO 2000000000466 #1; "
                                "IT/48/BLU 2000000000480 #3; IT/50/NERO 2000000000503 #5; US/M/BLU 20'US #7; ";

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
        Exec("INSERT INTO SCALA_TAGLIA (ID, DESCRIZIONE) VALUES ('IT', 'Italiana'), ('US', 'Americana')");
        Exec("INSERT INTO TAGLIA (ID, ID_SCALA_TAGLIA, RN) VALUES ('46', 'IT', 1), ('48', 'IT', 2), ('50', 'IT', 3), "
             "('M', 'US', 1)");
        Exec("INSERT INTO COLORE (ID, DESCRIZIONE) VALUES ('NERO', 'Nero'), ('BLU', 'Blu')");
        // The stored list price (60) disagrees with the net cost (45 after 10%); the price with
        // VAT is a rounded shelf price, not 90 plus 22%.
        Exec("INSERT INTO ARTICOLO (ID, CODICE_EAN, DESCRIZIONE, DESCRIZIONE_RIDOTTA, UM, ID_IVA, "
             "PREZZO_ACQ_LISTINO_EURO, SCONTO_1, SCONTO_2, SCONTO_3, SCONTO_4, PREZZO_ACQ_PZ_EURO, PREZZO_PZ_EURO, "
             "PREZZO_PZ_EURO_IVATO) VALUES ('M1', '8000000000019', 'Polo piquet', 'Polo', 'PZ', '22', "
             "'60', '10', '0', '0', '0', '45', '90', '110.00')");
        Exec("INSERT INTO ARTICOLO_MODA (ID_ARTICOLO, ID_STAGIONE, ID_LINEA, ID_TESSUTO, ID_SCALA_TAGLIA) "
             "VALUES ('M1', 'PE26', 'UOMO', 'COT', 'IT')");
        Exec("INSERT INTO ARTICOLO (ID, DESCRIZIONE, PREZZO_PZ_EURO) VALUES ('M2', 'Camicia', '30')");
        // Inserted out of order, so that the order of a load is the sort's.
        Exec("INSERT INTO CAPO (ID_ARTICOLO, ID_SCALA_TAGLIA, ID_TAGLIA, ID_COLORE, CODICE_EAN, RN) VALUES "
             "('M1', 'IT', '50', 'NERO', '2000000000503', 5), ('M1', 'IT', '46', 'NERO', '2000000000466', 1), "
             "('M1', 'US', 'M', 'BLU', '20''US', 7), ('M1', 'IT', '48', 'BLU', '2000000000480', 3), "
             "('M1', 'IT', '46', 'BLU', '2000000000459', 2), ('M2', 'IT', '46', 'NERO', '2000000000992', 1)");
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
    EXPECT_EQ(model.Get_DESCRIZIONE().str() + "|" + model.Get_ID_STAGIONE().str() + "|" + model.Get_STAGIONE().str() +
                  "|" + model.Get_ID_LINEA().str() + "|" + model.Get_LINEA().str() + "|" +
                  model.Get_ID_TESSUTO().str() + "|" + model.Get_TESSUTO().str() + "|" + Describe(model),
              "Polo piquet|PE26|Primavera-Estate 2026|UOMO|Uomo|COT|Cotone|");
    ASSERT_TRUE(model.DB_Load(true));
    EXPECT_EQ(Describe(model), kM1Garments);
    // The list is not emptied by a load: a second one appends the same garments again.
    ASSERT_TRUE(model.DB_Load(true));
    EXPECT_EQ(Describe(model), kM1Garments + kM1Garments);

    // An article without fashion data loads with none and no garments; no article, no load.
    CDomainArticoloModa plain(&db());
    plain.Set_ID("A3");
    ASSERT_TRUE(plain.DB_Load(true));
    EXPECT_EQ(plain.Get_DESCRIZIONE().str() + "|" + plain.Get_ID_STAGIONE().str() + "|" + Describe(plain), "Calzini||");
    plain.Set_ID("NOPE");
    EXPECT_FALSE(plain.DB_Load(true));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_P(GarmentTest, GarmentIsFoundByEachBarcodeOrByArticleSizeAndColour)
{
    // Barcode, article, size scale, size, colour; then what is found (nullptr: nothing).
    const char* cases[][6] = {
        {"2000000000459", "", "", "", "", "M1 IT/46/BLU 2000000000459 #2"},
        {"2000000000466", "", "", "", "", "M1 IT/46/NERO 2000000000466 #1"},
        {"2000000000480", "", "", "", "", "M1 IT/48/BLU 2000000000480 #3"},
        {"2000000000503", "", "", "", "", "M1 IT/50/NERO 2000000000503 #5"},
        {"20'US", "", "", "", "", "M1 US/M/BLU 20'US #7"},
        {"2000000000992", "", "", "", "", "M2 IT/46/NERO 2000000000992 #1"},
        {"2000000000466", "M2", "US", "M", "BLU", "M1 IT/46/NERO 2000000000466 #1"},  // the barcode wins
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
        SCOPED_TRACE(std::string(c[0]) + "|" + c[1] + "|" + c[2] + "|" + c[3] + "|" + c[4]);
        CDomainCapoModa garment(&db());
        garment.Set_CAPO_CODICE_EAN(c[0]);
        garment.Set_ID(c[1]);
        garment.Set_CAPO_ID_SCALA_TAGLIA(c[2]);
        garment.Set_CAPO_ID_TAGLIA(c[3]);
        garment.Set_CAPO_ID_COLORE(c[4]);
        const bool loaded = garment.DB_Load();
        ASSERT_EQ(loaded, c[5] != nullptr);
        if (!loaded)
            continue;
        EXPECT_EQ(garment.Get_ID().str() + " " + Describe(garment), c[5]);
        // Priced through the article chain: M1's list price is taken back from the net cost
        // (45 / 0.9), not the stored 60; the mark-up comes from cost and sale price; the price with
        // VAT is kept as stored. M2 has no prices but its sale price, and fails nothing.
        EXPECT_EQ(Prices(garment), garment.Get_ID() == "M1" ? "22: 50 10 45 100 90 110.00" : "0: 0 0 0 0 30 0");
        // The garment's barcode is the article's EAN too, so what is sold carries it.
        EXPECT_TRUE(garment.Get_CODICE_EAN() == garment.Get_CAPO_CODICE_EAN() &&
                    garment.Ref_CODICE_EAN() == garment.Get_CAPO_CODICE_EAN());
    }
    EXPECT_TRUE(messages.messages.empty());
}

TEST_P(GarmentTest, LoadedModelGivesItsGarmentsByBarcodeSizeAndColourOrRowNumber)
{
    CDomainArticoloModa model(&db());
    model.Set_ID("M1");
    ASSERT_TRUE(model.DB_Load(true));
    const CDomainCapoModa garments[] = {model.GetCapo(CString("2000000000466")), model.GetCapo("IT", "48", "BLU"),
                                        model.GetCapo(7L),
                                        // misses: the model's own EAN, a colour in other case, no row 4
                                        model.GetCapo(CString("8000000000019")), model.GetCapo("IT", "48", "blu"),
                                        model.GetCapo(4L)};
    const char* expected[] = {"M1 IT/46/NERO 2000000000466 #1", "M1 IT/48/BLU 2000000000480 #3",
                              "M1 US/M/BLU 20'US #7", " //  #0", " //  #0", " //  #0"};
    for (int i = 0; i < 6; ++i) {
        const CDomainCapoModa& g = garments[i];
        EXPECT_EQ(g.Get_ID().str() + " " + Describe(g), expected[i]);
        EXPECT_EQ(g.Get_CODICE_EAN(), g.Get_CAPO_CODICE_EAN());
        EXPECT_EQ(g.GetDatabase(), &db());
        // A found garment's article part is the model as loaded, prices and all.
        EXPECT_EQ(S(g.Get_PREZZO_PZ_EURO_IVATO()), i < 3 ? "110.00" : "0");
    }

}

TEST_P(GarmentTest, PricedOptionGivesItsPriceWithAndWithoutVat)
{
    Exec("INSERT INTO CATEGORIA (ID, DESCRIZIONE) VALUES ('EXTRA', 'Aggiunte')");
    Exec("INSERT INTO ARTICOLO_VARIANTE (ID, ID_ARTICOLO, DESCRIZIONE, PREZZO, F_PREZZO_IVATO, ID_CATEGORIA) VALUES "
         "(1, 'M1', 'Ricamo', '122', 1, 'EXTRA'), (2, 'M1', 'Orlo', '100', 0, NULL), "
         "(3, 'M2', 'Bottoni', '12.345', 1, NULL)");
    // Id, then price, price without and with VAT at 22%, names. The stored price is rounded to
    // the price precision on reading; the getters do not round.
    const char* cases[][2] = {{"1", "122 100 122 Ricamo|Polo piquet|EXTRA|Aggiunte"},
                              {"2", "100 100 122.00 Orlo|Polo piquet||"},
                              {"3", "12.35 10.122950819672131147540983607 12.35 Bottoni|Camicia||"},
                              {"0", "not loaded"}, {"99", "not loaded"}};
    for (const auto& c : cases) {
        CDomainArticoloVariante option(&db());
        option.Set_ID(std::atol(c[0]));
        EXPECT_EQ(!option.DB_Load() ? "not loaded"
                                    : S(option.Get_PREZZO()) + " " + S(option.Get_PREZZO_IVA_ESCLUSA(Decimal(22))) +
                                          " " + S(option.Get_PREZZO_IVA_INCLUSA(Decimal(22))) + " " +
                                          option.Get_DESCRIZIONE().str() + "|" +
                                          option.Get_ARTICOLO_DESCRIZIONE().str() + "|" +
                                          option.Get_CATEGORIA_ID().str() + "|" +
                                          option.Get_CATEGORIA_DESCRIZIONE().str(),
                  c[1]);
    }
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
        EXPECT_EQ(messages.messages[0].text + " " + std::to_string(messages.messages[0].style),
                  "Dati insufficienti per caricare il capo 48");
    }
    // The database's failure is shown with its text and answered with false; the option's load
    // lets it through to the caller.
    MessageRecorder messages;
    CDomainCapoModa garment(&db());
    garment.Set_CAPO_CODICE_EAN("2000000000466");
    EXPECT_FALSE(garment.DB_Load());
    CDomainArticoloModa model(&db());
    model.Set_ID("M1");
    EXPECT_FALSE(model.DB_Load(true));
    ASSERT_EQ(messages.messages.size(), 2u);
    for (const auto& m : messages.messages)
        EXPECT_TRUE(!m.text.empty() && m.style == 48u) << m.text;
    CDomainArticoloVariante option(&db());
    option.Set_ID(1);
    EXPECT_THROW(option.DB_Load(), CDBException);
}

ORVEL_DATABASE_TEST_SUITE(GarmentTest);
ORVEL_DATABASE_TEST_SUITE(GarmentNoSchema);
