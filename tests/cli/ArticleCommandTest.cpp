// "orvelmag article", "band", "category" and "partner" as a user runs them, on a fresh SQLite file
// and on a fresh PostgreSQL schema: articles added and found by every kind of key, the price chain
// from either end, the discount band with and without a partner, CSV imports that keep the good
// rows around the bad ones, and bad input refused with a clear message and the right exit code.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <thread>
#include <utility>

#include "CliDatabaseTest.h"

namespace {

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

class ArticleCommand : public orvel::test::CliDatabaseTest {
protected:
    // Expects every part in a command's output.
    static void ExpectParts(const std::string& output, std::initializer_list<std::string> parts)
    {
        for (const std::string& part : parts)
            EXPECT_TRUE(Contains(output, part)) << part << "\n" << output;
    }
    // Runs a command; expects its exit code and every part in what it printed.
    void Expect(const std::string& args, int exitCode, std::initializer_list<std::string> parts = {})
    {
        SCOPED_TRACE(args.substr(0, 80));
        CommandResult r = Run(args);
        EXPECT_EQ(r.exitCode, exitCode) << r.output;
        ExpectParts(r.output, parts);
    }

    // Makes the database itself refuse, at write time, a row of `table` whose `column` is `value`.
    void RefuseRow(const std::string& table, const std::string& column, const std::string& value, const std::string& message)
    {
        const std::string name = "REFUSE_" + table;
        if (IsPostgreSQL()) {
            Exec(("CREATE FUNCTION " + name + "() RETURNS TRIGGER AS $$ BEGIN IF NEW." + column + " = '" + value +
                  "' THEN RAISE EXCEPTION '" + message + "'; END IF; RETURN NEW; END $$ LANGUAGE plpgsql").c_str());
            Exec(("CREATE TRIGGER " + name + " BEFORE INSERT ON " + table + " FOR EACH ROW EXECUTE FUNCTION " + name + "()").c_str());
        } else {
            Exec(("CREATE TRIGGER " + name + " BEFORE INSERT ON " + table + " WHEN NEW." + column + " = '" + value +
                  "' BEGIN SELECT RAISE(ABORT, '" + message + "'); END").c_str());
        }
    }

    // The number of articles an import reports as added.
    static long Added(const std::string& output)
    {
        std::smatch m;
        return std::regex_search(output, m, std::regex("(\\d+) articles? (from|was|were)")) ? std::stol(m[1]) : -1;
    }

    // The shop of most tests: VAT 22, bands STD (5) and RIV (10+5), category BEV whose default
    // band is STD, customer 7 with band RIV on BEV, customer 8 without own band, supplier 9, and
    // article A1 with an EAN, a type-0 alternative code and a barcode.
    void MakeShop()
    {
        Ok("vat add 22 22 'Aliquota ordinaria'");
        Ok("vat add 10 10 'Aliquota ridotta'");
        Ok("band add STD Standard --discounts 5");
        Ok("band add RIV Rivenditori --discounts 10,5 --commission 3");
        Ok("category add BEV Bevande --band STD");
        Ok("category add ALI Alimentari");
        Ok("partner add 7 'Bar Sport' --band RIV");
        Ok("partner add 8 'Pasticceria Dolce'");
        Ok("partner add 9 'Rossi srl' --kind supplier");
        Ok("partner band 7 BEV RIV");
        Ok("article add A1 'Acqua naturale 1,5 l' --ean 8001234567897 --vat 22 --category BEV --list-price 100 "
           "--discounts 10,10 --markup 25 --alt ACQ:0 --alt 2000000000015:1 --supplier '9:R-77:Acqua: naturale'");
    }
};

TEST_P(ArticleCommand, AddedArticleShowsItsCodesSuppliersAndPriceChain)
{
    MakeShop();
    // 100 less 10% less 10% = 81.00; plus 25% = 101.25; plus 22% VAT = 123.525, rounded up.
    Expect("article show A1", 0,
           {"description: Acqua naturale 1,5 l", "EAN:         8001234567897", "VAT:         22 - Aliquota ordinaria (22%)",
            "category:    BEV - Bevande", "ACQ (article code)", "2000000000015 (barcode, type 1)",
            "9 Rossi srl: code R-77, \"Acqua: naturale\"", "less discount 1 10%              90.00",
            "net cost                           81.00", "sale price                        101.25",
            "sale price with VAT               123.53", "margin                           20.000%"});
    EXPECT_EQ(QueryText("SELECT PREZZO_PZ_EURO_IVATO FROM ARTICOLO WHERE ID = 'A1'").value_or(""), "123.53");
}

TEST_P(ArticleCommand, FindTakesEveryKeyATillReceives)
{
    MakeShop();
    const struct {
        const char* key;
        const char* how;
    } cases[] = {
        {"A1", "found by its code"},
        {"ACQ", "found by alternative code ACQ"},
        {"8001234567897", "found by its EAN"},
        {"2000000000015", "found by barcode 2000000000015"},
    };
    for (const auto& c : cases)
        Expect(std::string("article find ") + c.key, 0, {c.how, "article:     A1\n"});
    Expect("article find 9999999999994", 1, {"no article has the code, alternative code, EAN or barcode 9999999999994"});
    Expect("article show ZZZ", 1);
}

TEST_P(ArticleCommand, BandIsThePartnersForTheCategoryElseTheDefault)
{
    MakeShop();
    // 101.25 less 5% = 96.1875 -> 96.19.
    Expect("article find A1", 0,
           {"STD | Standard | SC. 5% 0%   (default band of category BEV)", "sale price less the band           96.19"});
    // 101.25 less 10% = 91.13, less 5% = 86.57; with 22% VAT 105.62.
    Expect("article find 8001234567897 --partner 7", 0,
           {"for partner 7 Bar Sport", "RIV | Rivenditori | SC. 10% 5%   (band of partner 7 for category BEV)",
            "sale price less the band           86.57", "with VAT                        105.62"});

    // A category without default band: no band at all.
    Ok("article add N1 Pane --category ALI");
    std::string bare = Ok("article find N1 --partner 7");
    EXPECT_TRUE(Contains(bare, "NN - NESSUNA FASCIA SCONTO  (no band for the category)")) << bare;
    EXPECT_FALSE(Contains(bare, "less the band")) << bare;
    Expect("article find A1 --partner 99", 1, {"partner 99 not found"});
    Expect("article find A1 --partner seven", 2);
}

TEST_P(ArticleCommand, PriceRunsTheChainFromEitherEndAndSavesOnlyWhenAsked)
{
    MakeShop();
    // (120 - 81) * 100 / 81 = 48.148...
    std::string back = Ok("article price A1 --price-vat 146.40");
    ExpectParts(back, {"less VAT 22%                     26.40", "sale price                        120.00",
                       "on net cost 81.00: mark-up     48.148%"});
    EXPECT_FALSE(Contains(back, "saved")) << back;
    EXPECT_EQ(QueryText("SELECT PREZZO_PZ_EURO FROM ARTICOLO WHERE ID = 'A1'").value_or(""), "101.25");

    // A new list price keeps the discounts and the mark-up and reaches the price with VAT.
    Expect("article price 8001234567897 --list-price 50 --save", 0,
           {"net cost                           40.50", "sale price                         50.63",
            "sale price with VAT                61.77", "saved the prices of article A1"});
    EXPECT_EQ(QueryText("SELECT PREZZO_PZ_EURO_IVATO FROM ARTICOLO WHERE ID = 'A1'").value_or(""), "61.77");
    EXPECT_EQ(QueryText("SELECT PREZZO_ACQ_LISTINO_EURO FROM ARTICOLO WHERE ID = 'A1'").value_or(""), "50");
    // New discounts alone recompute the net cost from the stored list price.
    Expect("article price ACQ --discounts 20", 0, {"net cost                           40.00"});
    for (const char* bad : {"A1 --markup 10 --price 5", "A1 --list-price 1 --cost 1", "A1 --price 1,50"})
        Expect(std::string("article price ") + bad, 2);
    Expect("article price NOPE --price 1", 1);
}

TEST_P(ArticleCommand, BadArticlesAreRefusedWithAReasonAndNothingIsWritten)
{
    MakeShop();
    const struct {
        std::string args;
        int exitCode;
        const char* message;
    } cases[] = {
        {"article add X1 Uno --list-price 1,50", 2, "the list price \"1,50\" is not a number from 0 to 1000000000"},
        {"article add X1 Uno --cost 1 --markup 2000000", 2, "at most 1000000"},
        // Every text of the command line fits its column, as the recordset binds it.
        {"vat add " + std::string(10000, 'V') + " 22 Lunga", 2, "the VAT code is 10000 characters long; the column takes 255"},
        {"category add TOOLONGCODE1 Nuova", 2, "the category id is 12 characters long; the column takes 10"},
        {"partner add 12 \"$(printf 'Bar\\tSport\\r')\"", 2, "the name holds a control character (a line break, 0x0D)"},
        {"article add X1 \"$(printf 'A\\033[2J')\"", 2, "the description holds a control character (0x1B) at character 2"},
        {"article add X1 Uno --unit " + std::string(256, 'u'), 2, "the unit is 256 characters long; the column takes 255"},
        {"article add X1 Uno --price 1e5", 2, "the sale price \"1e5\" is not a number"},
        {"article add ' X1' Uno", 2, "begins or ends with a blank"},
        {"article add X1 Uno --cost 1 --discounts 10,abc", 2, "the discount \"abc\" is not a number from 0 to 100"},
        {"article add X1 Uno --cost 1 --markup -100", 2, "is not a number above -100"},
        {"article add X1 Uno --markup 30", 2, "a mark-up needs a list price or a net cost"},
        {"article add X1 Uno --cost 1 --markup 30 --price 2", 2, "one way only"},
        {"article add X1 Uno --price-vat 2", 2, "a price with VAT needs the VAT code"},
        {"article add X1 Uno --ean 8001234567890", 2, "wrong check digit (expected 7)"},
        {"article add X1 Uno --ean 80012345678", 2, "is not 8, 12, 13 or 14 digits"},
        {"article add X1 Uno --alt X2", 2, "is not CODE:TYPE"},
        {"article add X1 Uno --alt X1:0", 2, "is the article's own code"},
        {"article add X1 Uno --alt Y:1 --alt Y:1", 2, "is given twice"},
        {"article add X1 Uno --supplier 9", 2, "is not ID:CODE:DESCRIPTION"},
        {"article add X1 Uno --supplier 9:a:b --supplier 9:c:d", 2, "supplier 9 is given twice"},
        {"article add X1 ''", 2, "has no description"},
        {"article add X1", 2, "article add CODE DESCRIPTION"},
        {"article add X1 Uno --partner 7", 2, ""},
        {"article add A1 Doppio", 1, "article A1 already exists"},
        {"article add ACQ Doppio", 1, "the code ACQ already leads to article A1"},
        {"article add X1 Uno --ean 8001234567897", 1, "the EAN 8001234567897 already leads to article A1"},
        {"article add X1 Uno --alt 2000000000015:3", 1, "the alternative code 2000000000015 already leads to article A1"},
        {"article add X1 Uno --alt A1:0", 1, "the alternative code A1 already leads to article A1"},
        {"article add X1 Uno --vat 99", 1, "VAT code 99 does not exist"},
        {"article add X1 Uno --category NOPE", 1, "category NOPE does not exist"},
        {"article add X1 Uno --supplier 42:a:b", 1, "supplier 42 does not exist"},
    };
    for (const auto& c : cases)
        Expect(c.args, c.exitCode, {c.message});
    EXPECT_EQ(CountRows("ARTICOLO"), 1);
    EXPECT_EQ(CountRows("CODICE_ALTERNATIVO_ARTICOLO"), 2);
    EXPECT_EQ(CountRows("ARTICOLO_FORNITORE"), 1);
}

TEST_P(ArticleCommand, AnArticleGoesInWithWhatItOwnsOrNotAtAll)
{
    MakeShop();
    // The database refuses one alternative code, which is written after the article's row.
    RefuseRow("CODICE_ALTERNATIVO_ARTICOLO", "CODICE", "BLOCKED", "code BLOCKED is reserved");
    Expect("article add X1 Uno --alt FREE:0 --alt BLOCKED:0 --supplier 9:a:b", 1,
           {"error: ", "code BLOCKED is reserved", "article X1 not added"});
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM ARTICOLO WHERE ID = 'X1'"), 0);
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM CODICE_ALTERNATIVO_ARTICOLO WHERE ID_ARTICOLO = 'X1'"), 0);
    EXPECT_EQ(CountRows("ARTICOLO_FORNITORE"), 1);
    Expect("article find FREE", 1);
}

TEST_P(ArticleCommand, ImportKeepsGoodRowsAndReportsBadOnesByLine)
{
    MakeShop();
    const std::string csv = WriteFile(
        "articles.csv",
        "code,description,ean,vat,category,list_price,discounts,markup,price_vat,alt_codes,suppliers\r\n"
        "B1,\"Birra chiara, 33 cl\",8000000000026,22,BEV,1.00,\"10,5\",40,,B1ALT:0|2000000000022:2,"
        "\"9:RB1:Birra \"\"bionda\"\"\"\r\n"
        "B2,Birra scura,,22,BEV,abc,,,,,\r\n"
        "B3,Vino,,99,,,,,,,\r\n"
        "\"Q\"\"1\",Vino rosso,,22,BEV,,,,3.66,,\r\n"
        "\r\n"
        "B1,Doppione,,,,,,,,,\r\n"
        "B5,\"Descrizione\nsu due righe\",,22,,,,,,,\r\n"
        "\"B7\"x,Dopo le virgolette,,,,,,,,,\r\n"
        "B8,Pochi campi\r\n"
        "B9,Codice altrui,,,,,,,,ACQ:0,\r\n"
        "B10,Barcode ripetuto,,,,,,,,2000000000022:1,\r\n"
        "B11,Sconto doppio,,,,1,10+5+2,,,,\r\n");
    CommandResult r = Run("article import '" + csv + "'");
    EXPECT_EQ(r.exitCode, 1) << r.output;
    ExpectParts(r.output, {"line 3: column list_price: the list price \"abc\" is not a number",
                           "line 8: column description holds a control character (a line break, 0x0A) at character 12",
                           "line 4: VAT code 99 does not exist", "line 7: the code B1 was already taken by an earlier row",
                           "line 10: text follows the closing quote of field 1", "line 11: has 2 fields, the first line names 11",
                           "line 12: the alternative code ACQ already leads to article A1",
                           "line 13: the alternative code 2000000000022 was already taken by an earlier row",
                           "imported 3 articles from 11 rows; 8 rows refused"});
    EXPECT_FALSE(Contains(r.output, "line 2:")) << r.output;
    EXPECT_FALSE(Contains(r.output, "rows read")) << "a short file prints no progress\n" << r.output;

    EXPECT_EQ(CountRows("ARTICOLO"), 4);
    // 1.00 less 10% less 5% = 0.855 -> 0.86; plus 40% = 1.204 -> 1.20.
    Expect("article show B1", 0, {"description: Birra chiara, 33 cl", "code RB1, \"Birra \"bionda\"\"",
                                  "net cost                            0.86", "sale price                          1.20"});
    Expect("article find 2000000000022", 0, {"article:     B1"});
    Expect("article find B1ALT", 0, {"article:     B1"});
    Expect("article show 'Q\"1'", 0, {"sale price                          3.00"});
    Expect("article show B11", 0, {"less discount 3 2%"});
}

TEST_P(ArticleCommand, ImportRedoesABatchRowByRowWhenTheDatabaseRefusesARow)
{
    MakeShop();
    // The database itself refuses one article at write time, after every check has passed.
    RefuseRow("ARTICOLO", "ID", "C3", "article C3 is blocked");
    std::string text = "code,description,alt_codes\n";
    for (int i = 1; i <= 7; ++i)
        text += "C" + std::to_string(i) + ",Articolo " + std::to_string(i) + ",ALT" + std::to_string(i) + ":0\n";
    Expect("article import '" + WriteFile("batch.csv", text) + "' --batch 3", 1,
           {"line 4: ", "article C3 is blocked", "... 3 rows read, 2 articles added", "... 6 rows read, 5 articles added",
            "imported 6 articles from 7 rows; 1 row refused"});
    EXPECT_EQ(CountRows("ARTICOLO"), 7);  // A1 and six of seven
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM ARTICOLO WHERE ID = 'C3'"), 0);
    // The refused article left none of its alternative codes behind; the others have theirs.
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM CODICE_ALTERNATIVO_ARTICOLO WHERE CODICE LIKE 'ALT%'"), 6);
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM CODICE_ALTERNATIVO_ARTICOLO WHERE CODICE = 'ALT3'"), 0);
}

TEST_P(ArticleCommand, ImportOfAnUnreadableFileWritesNothing)
{
    MakeShop();
    const struct {
        const char* name;
        const char* text;
        const char* message;
    } cases[] = {
        {"empty.csv", "", "is empty"},
        {"unknown.csv", "code,description,colour\nZ1,Uno,red\n", "unknown column \"colour\""},
        {"twice.csv", "code,Code,description\n", "column code is named twice"},
        {"nocode.csv", "description,ean\nUno,\n", "at least the columns code and description"},
    };
    for (const auto& c : cases)
        Expect("article import '" + WriteFile(c.name, c.text) + "'", 2, {c.message});
    Expect("article import /nonexistent/articles.csv", 2, {"cannot read /nonexistent/articles.csv"});
    Expect("article import x.csv --batch 0", 2);
    Expect("article import '" + dir.string() + "'", 2, {"is a folder"});
    EXPECT_EQ(CountRows("ARTICOLO"), 1);

    // A quote never closed swallows the rest of the file into one bad row, reported where it began.
    Expect("article import '" + WriteFile("open.csv", "code,description\nO1,Uno\nO2,\"Due\nO3,Tre\n") + "'", 1,
           {"line 3: a quoted field is not closed", "imported 1 article from 2 rows; 1 row refused"});
    EXPECT_EQ(CountRows("ARTICOLO"), 2);

    // A file whose rows are all good says so and exits 0; header names ignore case and blanks,
    // and the byte-order mark that spreadsheets write is not part of the first name.
    Expect("article import '" + WriteFile("bom.csv", "\xEF\xBB\xBF" " CODE , Description\r\nM1,Uno\r\nM2,Due") + "'", 0,
           {"imported 2 articles from 2 rows\n"});
    Expect("article show M1", 0, {"description: Uno\n"});
}

TEST_P(ArticleCommand, BandsCategoriesAndPartnersRefuseDuplicatesAndMissingReferences)
{
    MakeShop();
    Expect("band list", 0, {"RIV | Rivenditori | SC. 10% 5% \n", "2 bands"});
    Expect("band show RIV", 0, {"commission:  3%"});
    Expect("category list", 0, {"default band STD"});
    Expect("partner show 7", 0, {"band:        RIV | Rivenditori", "price list:  UFF - LISTINO UFFICIALE"});
    Expect("partner show 9", 0, {"kind:        supplier"});

    const std::pair<const char*, int> refused[] = {
        {"band add RIV Altra", 1}, {"band add X Altra --discounts 101", 2}, {"band add X Altra --commission abc", 2},
        {"band show NOPE", 1}, {"category add BEV Altra", 1}, {"category add NEW Nuova --band NOPE", 1},
        {"partner add 7 Altro", 1}, {"partner add 0 Zero", 2}, {"partner add 12 Dodici --kind friend", 2},
        {"partner add 12 Dodici --band NOPE", 1}, {"partner band 99 BEV RIV", 1}, {"partner band 7 NOPE RIV", 1},
        {"partner band 7 BEV NOPE", 1}};
    for (const auto& [args, exitCode] : refused)
        Expect(args, exitCode);
    EXPECT_EQ(CountRows("SCONTO"), 2);
    EXPECT_EQ(CountRows("CATEGORIA"), 2);
    EXPECT_EQ(CountRows("AZIENDA"), 3);
    EXPECT_EQ(CountRows("SOGGETTO_CATEGORIA_SCONTO"), 1);

    // A second band for the same partner and category replaces the first.
    Ok("partner band 7 BEV STD");
    EXPECT_EQ(CountRows("SOGGETTO_CATEGORIA_SCONTO"), 1);
    Expect("article find A1 --partner 7", 0, {"STD | Standard | SC. 5% 0%   (band of partner 7"});
}

// Four tills import 300 rows each at once: 250 articles of their own, and 50 whose EAN and
// barcode every file also gives. Every own article goes in, each shared key reaches one article.
// (Single adds take the same writer lock, whose check-then-write turns are tested with the guard.)
TEST_P(ArticleCommand, ConcurrentImportsKeepEveryRowAndGiveEachKeyToOneArticle)
{
    Ok("vat add 22 22 Ordinaria");
    const auto ean = [](int n) {
        std::string digits = "200000000" + std::to_string(1000 + n).substr(1);
        int sum = 0;
        for (int i = 0; i < 12; ++i)
            sum += (digits[i] - '0') * (i % 2 == 0 ? 1 : 3);
        return digits + std::to_string((10 - sum % 10) % 10);
    };
    std::vector<std::vector<std::string>> imports;
    for (int f = 0; f < 4; ++f) {
        std::string text = "code,description,ean,vat,alt_codes\n";
        for (int i = 0; i < 300; ++i)
            text += "F" + std::to_string(f) + "-" + std::to_string(i) + ",Articolo," + (i < 250 ? "," : ean(i) + ",") +
                    "22," + (i < 250 ? "" : "SH" + std::to_string(i) + ":1") + "\n";
        imports.push_back({"article import '" + WriteFile("f" + std::to_string(f) + ".csv", text) + "' --batch 40"});
    }
    long added = 0;
    for (const std::string& out : RunTogether(imports)) {
        EXPECT_TRUE(Contains(out, "exit 0\n") || Contains(out, "exit 1\n")) << out;
        EXPECT_FALSE(Contains(out, "locked")) << out;
        added += Added(out);
    }
    EXPECT_EQ(added, 4 * 250 + 50);
    EXPECT_EQ(CountRows("ARTICOLO"), 4 * 250 + 50);
    EXPECT_EQ(QueryLong("SELECT COUNT(DISTINCT CODICE_EAN) FROM ARTICOLO"), 50);
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM ARTICOLO WHERE CODICE_EAN IS NOT NULL"), 50);
    EXPECT_EQ(CountRows("CODICE_ALTERNATIVO_ARTICOLO"), 50);
}

TEST_P(ArticleCommand, ControlCharactersCrLinesAndOversizeFieldsAreRefusedWithLineAndColumn)
{
    MakeShop();
    // Line ends of CR alone; a NUL byte and a bell inside the fields (an escape and a line break
    // are refused as in a command's arguments and in a file of LF lines).
    const std::string text = std::string("code,description,cost,suppliers\rT1,Buono,1,\rT2,AB") + '\0' +
                             "CD,1,\r"
                             "T4,Buono,1,\"9:X:a\x07\"\r"
                             "T6," + std::string(256, 'd') + ",1,\r"
                             "T7,Caro,123456789012345678901234567890,\r"
                             "T8,Caro,12345678901234567890123456789,\r"
                             "T9,Fine,2,9:R:Rossi\r";
    Expect("article import '" + WriteFile("cr.csv", text) + "'", 1,
           {"line 3: column description holds a control character (0x00) at character 3",
            "line 4: column suppliers holds a control character (0x07) at character 6",
            "line 5: column description is 256 characters long; the column takes 255",
            "line 6: column cost: the net cost \"123456789012345678901234567890\" is not a number from 0",
            "line 7: column cost: the net cost \"12345678901234567890123456789\" is not a number from 0",
            "imported 2 articles from 7 rows; 5 rows refused"});
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM ARTICOLO WHERE ID LIKE 'T%'"), 2);

    // A text that another program stored with control characters is shown, not obeyed.
    Exec(IsPostgreSQL() ? "UPDATE ARTICOLO SET DESCRIZIONE = 'A' || chr(27) || '[2J' WHERE ID = 'T1'"
                        : "UPDATE ARTICOLO SET DESCRIZIONE = 'A' || char(27) || '[2J' WHERE ID = 'T1'");
    Expect("article show T1", 0, {"description: A\\x1B[2J\n"});
}

// The database's failures stop the writer once, in the database's own words, with exit code 3;
// what the import reports as added is what the database holds.
TEST_P(ArticleCommand, AFailedDatabaseStopsTheImportOnceAndCountsWhatWasCommitted)
{
    Ok("vat add 22 22 Ordinaria");
    std::string text = "code,description,vat\n";
    for (int i = 0; i < 20000; ++i)
        text += "K" + std::to_string(i) + "," + std::string(150, 'k') + ",22\n";
    const std::string file = WriteFile("big.csv", text);
    std::string connect = ConnectionString(), words;
    const std::filesystem::path mount = dir / "disk";
    std::shared_ptr<void> unmount;
    if (IsSQLite()) {
        // A small disk of its own: the import fills it.
        std::filesystem::create_directories(mount);
        if (std::system(("mount -t tmpfs -o size=4m tmpfs '" + mount.string() + "' 2>/dev/null").c_str()) != 0)
            GTEST_SKIP() << "a small tmpfs cannot be mounted here (mounting needs root)";
        unmount.reset(this, [mount](void*) { EXPECT_EQ(std::system(("umount '" + mount.string() + "'").c_str()), 0); });
        connect = "DRIVER=SQLite3;Database=" + (mount / "shop.db").string();
        ASSERT_EQ(RunOrvelmag("init --connect '" + connect + "'", dir.string()).exitCode, 0);
        ASSERT_EQ(RunOrvelmag("vat add 22 22 Ordinaria --connect '" + connect + "'", dir.string()).exitCode, 0);
        words = "database or disk is full";
    } else {
        // The server ends the import's connection while it writes.
        connect += ";pqopt={application_name=orvelmag_import_" + std::to_string(::getpid()) + "}";
        words = "connection";  // the driver's words vary with the moment the server ends it
    }
    CommandResult r;
    std::thread import([&] {
        r = RunOrvelmag("article import '" + file + "' --batch 200 --file '" ORVEL_SOURCE_DIR
                        "/config/default.conf' --connect '" + connect + "'", dir.string());
    });
    if (IsPostgreSQL()) {
        for (int i = 0; i < 600 && CountRows("ARTICOLO") == 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        Exec(("SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE application_name = "
              "'orvelmag_import_" + std::to_string(::getpid()) + "'").c_str());
    }
    import.join();
    auto after = std::make_unique<CDatabase>();
    after->OpenEx(connect.c_str());
    const long stored = std::stol(QueryText(*after, "SELECT COUNT(*) FROM ARTICOLO").value_or("-1"));
    EXPECT_EQ(r.exitCode, 3) << r.output;
    EXPECT_EQ(Added(r.output), stored) << r.output;
    EXPECT_GT(stored, 0);
    EXPECT_LT(stored, 20000);
    // Reported once, in the database's words (which may name the connection more than once).
    std::size_t said = 0;
    for (std::size_t at = r.output.find("the database failed"); at != std::string::npos;
         at = r.output.find("the database failed", at + 1))
        ++said;
    EXPECT_EQ(said, 1u) << r.output;
    EXPECT_TRUE(Contains(r.output, words)) << r.output;
    EXPECT_FALSE(Contains(r.output, "does not exist")) << r.output;
    EXPECT_FALSE(Contains(r.output, "error:")) << r.output;
    if (IsSQLite()) {
        // On the full disk, init leaves no empty file behind.
        after->Close();
        EXPECT_NE(std::system(("cat /dev/zero > '" + (mount / "filler").string() + "' 2>/dev/null").c_str()), 0);
        EXPECT_EQ(RunOrvelmag("init --connect 'DRIVER=SQLite3;Database=" + (mount / "new.db").string() + "'").exitCode, 3);
        EXPECT_FALSE(std::filesystem::exists(mount / "new.db"));
    }
}

ORVEL_DATABASE_TEST_SUITE(ArticleCommand);

}  // namespace
