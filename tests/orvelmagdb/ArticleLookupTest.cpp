// How a typed or scanned key reaches one article (own code, type-0 alternative code, EAN,
// barcode-like alternative code), the proposal of new article codes, and the picture lookup, on
// real databases.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "odbc/DBException.h"
#include "orvelmagdb/ConfigGuard.h"
#include "orvelmagdb/MessageRecorder.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/domain/articles/DomainArticolo.h"
#include "orvelmagdb/domain/promotions/DomainFasciaSconto.h"
#include "support/DatabaseTest.h"

using orvel::test::ConfigGuard;
using orvel::test::MessageRecorder;

namespace {

class ArticleLookup : public orvel::test::DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        config.SetShopDefaults();
        CSchema::Create(db());
        Exec("INSERT INTO ARTICOLO (ID, CODICE_EAN, DESCRIZIONE, PREZZO_PZ_EURO) VALUES ('A1', '8001111111111', "
             "'first', '1.50'), ('A2', '8002222222222', 'second', NULL), ('O''NEILL', '800''Q', 'quoted', NULL)");
        // No code of these articles has six characters, the length codes are proposed in. A1 is
        // also known as OLD-1 (another article code) and by the barcode 2000000000017; A2 has a
        // barcode-like code of another type and a type-0 code of its own.
        Exec("INSERT INTO CODICE_ALTERNATIVO_ARTICOLO (ID_ARTICOLO, CODICE, TIPO) VALUES ('A1', 'OLD-1', 0), "
             "('A1', '2000000000017', 1), ('A2', 'PACK-6', 3), ('A2', 'ONLY-ID', 0), ('O''NEILL', 'Q''1', 0)");
    }

    ConfigGuard config;
};

// A database without the library's tables: any query on it fails, so an operation that answers
// there without an exception has not asked the database anything.
class ArticleNoSchema : public orvel::test::DatabaseTest {
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

TEST_P(ArticleLookup, KeysReachTheirArticle)
{
    const struct {
        const char* id;
        const char* ean;
        const char* found;  // nullptr: no article, the object left as it was
        const char* loadedEan;
    } cases[] = {
        {"A1", "", "A1", "8001111111111"},
        {"OLD-1", "", "A1", "8001111111111"},  // a type-0 code replaces the code by the owner's
        {"2000000000017", "", nullptr, ""},  // barcode-like codes are not article codes
        {"", "8002222222222", "A2", "8002222222222"},
        {"", "2000000000017", "A1", "8001111111111"},  // the loaded EAN is the article's own
        {"", "PACK-6", "A2", "8002222222222"},  // any type but 0 stands for an EAN
        {"", "OLD-1", nullptr, "OLD-1"},  // a type-0 code is not a barcode
        {"", "A1", nullptr, "A1"},  // nor is an article code
        {"A2", "8001111111111", "A2", "8002222222222"},  // the code wins over the EAN
        {"NOPE", "8001111111111", nullptr, "8001111111111"},  // with a code set, the EAN is not tried
        {"O'NEILL", "", "O'NEILL", "800'Q"},
        {"Q'1", "", "O'NEILL", "800'Q"},
        {"", "800'Q", "O'NEILL", "800'Q"},
        {"x' OR '1'='1", "", nullptr, ""},
    };
    for (const auto& c : cases) {
        CDomainArticolo a(&db());
        a.Set_ID(c.id);
        a.Set_CODICE_EAN(c.ean);
        EXPECT_EQ(a.DB_Load(), c.found != nullptr) << c.id << "/" << c.ean;
        EXPECT_STREQ(a.Get_ID(), c.found != nullptr ? c.found : c.id) << c.id << "/" << c.ean;
        EXPECT_STREQ(a.Get_CODICE_EAN(), c.loadedEan) << c.id << "/" << c.ean;
        EXPECT_STREQ(a.GetUmAlternative().GetArticolo(), a.Get_ID());
        if (c.found != nullptr && std::string(c.found) == "A1") {
            EXPECT_STREQ(a.Get_DESCRIZIONE(), "first");
            EXPECT_EQ(a.Get_PREZZO_PZ_EURO(), Decimal("1.5", 127));
        }
    }
}

TEST_P(ArticleLookup, LoadFromAlternativeCodeKeepsAScannedBarcodeAsTheEan)
{
    const struct {
        const char* code;
        bool asArticleCode;
        const char* found;  // nullptr: no article
        const char* ean;
    } cases[] = {
        {"2000000000017", false, "A1", "2000000000017"},
        {"OLD-1", true, "A1", "8001111111111"},  // an article code leaves the stored EAN
        {"OLD-1", false, nullptr, ""},  // type 0 is not a barcode
        {"PACK-6", true, nullptr, ""},  // type 3 is not an article code
        {"MISSING", true, nullptr, ""},
        {"Q'1", true, "O'NEILL", "800'Q"},
    };
    for (const auto& c : cases) {
        CDomainArticolo a(&db());
        EXPECT_EQ(a.DB_Load_From_CODICE_ALTERNATIVO(c.code, c.asArticleCode), c.found != nullptr) << c.code;
        EXPECT_STREQ(a.Get_ID(), c.found ? c.found : "") << c.code;
        EXPECT_STREQ(a.Get_CODICE_EAN(), c.ean) << c.code;
    }
}

TEST_P(ArticleLookup, GeneratedCodeFollowsTheHighestCodeOfTheConfiguredLength)
{
    CDomainArticolo a(&db());
    EXPECT_STREQ(a.GeneraCodiceArticolo(1), "000001") << "no six-character code yet";
    Exec("INSERT INTO ARTICOLO (ID) VALUES ('000123'), ('000099'), ('9999999'), ('99999')");  // longer, shorter: ignored
    EXPECT_STREQ(a.GeneraCodiceArticolo(1), "000124");
    EXPECT_STREQ(CDomainArticolo::GeneraCodiceArticolo(&db(), 1), "000124");
    EXPECT_EQ(CountRows("ARTICOLO"), 7) << "nothing is written";

    EXPECT_STREQ(a.GeneraCodiceArticolo(0), "");
    EXPECT_STREQ(a.GeneraCodiceArticolo(3), "");

    // The digit count is read at every call.
    config.Set("default/articolo/ncifre", "5");
    EXPECT_STREQ(a.GeneraCodiceArticolo(1), "100000");
    config.Set("default/articolo/ncifre", "8");
    EXPECT_STREQ(a.GeneraCodiceArticolo(1), "00000001");

    // Twelve-digit codes (barcode-like numbering) go past a 32-bit integer.
    config.Set("default/articolo/ncifre", "12");
    Exec("INSERT INTO ARTICOLO (ID) VALUES ('004294967296')");
    EXPECT_STREQ(a.GeneraCodiceArticolo(1), "004294967297");
    Exec("INSERT INTO ARTICOLO (ID) VALUES ('999999999999')");
    EXPECT_STREQ(a.GeneraCodiceArticolo(1), "1000000000000");
}

TEST_P(ArticleLookup, BaseThirtySixCodesAndDecimalCodesAfterLetters)
{
    EXPECT_STREQ(CDomainArticolo::GeneraCodiceArticolo(&db(), 2), "000001");
    Exec("INSERT INTO ARTICOLO (ID) VALUES ('000009')");
    EXPECT_STREQ(CDomainArticolo::GeneraCodiceArticolo(&db(), 2), "00000A");
    Exec("INSERT INTO ARTICOLO (ID) VALUES ('0000ZZ')");
    EXPECT_STREQ(CDomainArticolo::GeneraCodiceArticolo(&db(), 2), "000100");
    Exec("INSERT INTO ARTICOLO (ID) VALUES ('00A0ZZ')");
    EXPECT_STREQ(CDomainArticolo::GeneraCodiceArticolo(&db(), 2), "00A100");
    // The highest code begins with letters: decimal codes restart at one.
    Exec("INSERT INTO ARTICOLO (ID) VALUES ('ABC123')");
    EXPECT_STREQ(CDomainArticolo::GeneraCodiceArticolo(&db(), 1), "000001");
}

TEST_P(ArticleLookup, PictureFallsBackFromArticleToGroupFamilyAndCategory)
{
    Exec("INSERT INTO CATEGORIA (ID, DESCRIZIONE, FILE_FOTO, FILE_FOTO2) VALUES ('C1', 'c', 'cat1.jpg', 'cat2.jpg'), "
         "('C2', 'c', NULL, 'cat2only.jpg')");
    Exec("INSERT INTO FAMIGLIA (ID, DESCRIZIONE, FILE_FOTO, FILE_FOTO2) VALUES ('F1', 'f', '', 'fam2.jpg')");
    Exec("INSERT INTO GRUPPO (ID, DESCRIZIONE, FILE_FOTO, FILE_FOTO2) VALUES ('G1', 'g', NULL, 'grp2.jpg'), ('G2', 'g', '', '')");
    Exec("INSERT INTO ARTICOLO (ID, FILEFOTO, ID_GRUPPO, ID_FAMIGLIA, ID_CATEGORIA) VALUES ('P1', 'own.jpg', 'G1', 'F1', 'C1'), "
         "('P2', NULL, 'G1', 'F1', 'C1'), ('P3', '', 'G2', 'F1', 'C1'), ('P4', NULL, 'G2', NULL, 'C1'), "
         "('P5', NULL, NULL, NULL, 'C2'), ('P6', NULL, NULL, NULL, NULL), ('P''7', 'quoted.jpg', NULL, NULL, NULL)");
    // The group has only its second picture for P2; empty texts count as missing for P3.
    const std::pair<const char*, const char*> pictures[] = {
        {"P1", "own.jpg"}, {"P2", "grp2.jpg"}, {"P3", "fam2.jpg"}, {"P4", "cat1.jpg"},
        {"P5", "cat2only.jpg"}, {"P6", ""}, {"MISSING", ""}, {"P'7", "quoted.jpg"}};
    for (const auto& [id, picture] : pictures)
        EXPECT_STREQ(CDomainArticolo::CalcolaFoto(&db(), id), picture) << id;
}

TEST_P(ArticleNoSchema, EmptyKeysAskTheDatabaseNothing)
{
    CDomainArticolo a(&db());
    EXPECT_FALSE(a.DB_Load()) << "empty code and empty EAN";
    EXPECT_FALSE(a.DB_Load_IVA());
    EXPECT_FALSE(a.DB_Load_RiferimentoCategoria());
    EXPECT_FALSE(a.DB_Load_RiferimentoFamiglia());
    EXPECT_FALSE(a.DB_Load_RiferimentoGruppo());
    EXPECT_STREQ(a.GetFasciaScontoXCategoria(7).Get_ID(), "") << "no category, no band, no query";
    CDomainArticolo noDatabase(nullptr);
    EXPECT_FALSE(noDatabase.DB_Load());
}

TEST_P(ArticleNoSchema, LookupErrorsPassToTheCallerWhileSaveAndCodeProposalShowThem)
{
    CDomainArticolo a(&db());
    a.Set_ID("A1");
    EXPECT_THROW(a.DB_Load(), CDBException);
    CDomainArticolo b(&db());
    b.Set_CODICE_EAN("800");
    EXPECT_THROW(b.DB_Load(), CDBException);
    EXPECT_THROW(b.DB_Load_From_CODICE_ALTERNATIVO("X", true), CDBException);
    b.Set_ID_CATEGORIA("C1");
    EXPECT_THROW(b.GetFasciaScontoXCategoria(7), CDBException) << "the band resolution catches nothing";

    MessageRecorder recorder;
    EXPECT_STREQ(CDomainArticolo::GeneraCodiceArticolo(&db(), 1), "000001")
        << "the proposal goes on from an empty last code";
    EXPECT_EQ(recorder.messages.size(), 1u);
    EXPECT_FALSE(a.DB_AddNew());
    EXPECT_FALSE(a.DB_Load_ArticoloFornitore());
    EXPECT_FALSE(a.DB_Update_CodiciAlternativi());
    EXPECT_FALSE(a.DB_Load_UmAlternative());
    EXPECT_EQ(recorder.messages.size(), 5u);
}

ORVEL_DATABASE_TEST_SUITE(ArticleLookup);
ORVEL_DATABASE_TEST_SUITE(ArticleNoSchema);
