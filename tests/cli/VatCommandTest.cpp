// "orvelmag init" and "orvelmag vat" on the embedded database, as a user would run them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "RunCommand.h"

namespace {

class VatCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path() /
              ("orvelmag-cli-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    CommandResult Run(const std::string& args) { return RunOrvelmag(args, dir.string()); }

    std::filesystem::path dir;
};

}  // namespace

TEST_F(VatCommand, InitCreatesTheEmbeddedDatabaseOnceOnly)
{
    CommandResult first = Run("init");
    ASSERT_EQ(first.exitCode, 0) << first.output;
    EXPECT_TRUE(std::filesystem::exists(dir / "orvelmag.db"));
    CommandResult second = Run("init");
    EXPECT_EQ(second.exitCode, 1) << second.output;
    EXPECT_NE(second.output.find("already"), std::string::npos) << second.output;
}

TEST_F(VatCommand, AddListShowAndDelete)
{
    ASSERT_EQ(Run("init").exitCode, 0);
    ASSERT_EQ(Run("vat add 22 22 'Aliquota ordinaria' --till 1").exitCode, 0);
    ASSERT_EQ(Run("vat add 10 10 'Aliquota ridotta'").exitCode, 0);
    ASSERT_EQ(Run("vat add N4 0 'Esente art. 10' --note 'operazioni esenti'").exitCode, 0);

    CommandResult list = Run("vat list");
    ASSERT_EQ(list.exitCode, 0) << list.output;
    EXPECT_NE(list.output.find("Aliquota ordinaria"), std::string::npos) << list.output;
    EXPECT_NE(list.output.find("till rate 1"), std::string::npos) << list.output;
    EXPECT_NE(list.output.find("3 VAT codes"), std::string::npos) << list.output;
    EXPECT_LT(list.output.find("10 "), list.output.find("22 ")) << "sorted by code";

    CommandResult show = Run("vat show N4");
    ASSERT_EQ(show.exitCode, 0) << show.output;
    EXPECT_NE(show.output.find("operazioni esenti"), std::string::npos) << show.output;
    EXPECT_NE(show.output.find("till rate:   none"), std::string::npos) << show.output;
    EXPECT_NE(show.output.find("N4 - Esente art. 10 (0%)"), std::string::npos) << show.output;

    ASSERT_EQ(Run("vat delete 10").exitCode, 0);
    EXPECT_EQ(Run("vat show 10").exitCode, 1);
    EXPECT_NE(Run("vat list").output.find("2 VAT codes"), std::string::npos);
}

TEST_F(VatCommand, RatesAreRoundedToTheConfiguredPrecision)
{
    ASSERT_EQ(Run("init").exitCode, 0);
    ASSERT_EQ(Run("vat add 5 4.995 Ridotta").exitCode, 0);
    EXPECT_NE(Run("vat show 5").output.find("rate:        5.00%"), std::string::npos);
}

TEST_F(VatCommand, BadInputIsReportedAndChangesNothing)
{
    ASSERT_EQ(Run("init").exitCode, 0);
    ASSERT_EQ(Run("vat add 22 22 Ordinaria").exitCode, 0);

    CommandResult duplicate = Run("vat add 22 20 Doppia");
    EXPECT_EQ(duplicate.exitCode, 1) << duplicate.output;
    EXPECT_NE(duplicate.output.find("error:"), std::string::npos) << duplicate.output;

    CommandResult badRate = Run("vat add 4 quattro Minima");
    EXPECT_EQ(badRate.exitCode, 2) << badRate.output;
    EXPECT_NE(badRate.output.find("quattro"), std::string::npos) << badRate.output;

    EXPECT_EQ(Run("vat add 4").exitCode, 2);
    EXPECT_EQ(Run("vat frobnicate").exitCode, 2);
    EXPECT_NE(Run("vat list").output.find("1 VAT code\n"), std::string::npos);
}

// A database that cannot serve stops the command with one clear line and exit code 3; a missing
// file is not created by a command that only reads or adds.
TEST_F(VatCommand, ADatabaseThatCannotServeIsOneClearError)
{
    std::ofstream(dir / "notes.db") << "not a database, only text\n";
    const struct {
        std::string args, message;
    } cases[] = {
        {"vat list --connect 'DRIVER={PostgreSQL Unicode};Server=127.0.0.1;Port=1;Database=x'", "cannot open"},
        {"vat add 22 22 Ordinaria", "there is no database " + (dir / "orvelmag.db").string()},
        {"vat list --connect 'DRIVER=SQLite3;Database=" + (dir / "notes.db").string() + "'", "is not a database"},
    };
    for (const auto& c : cases) {
        CommandResult r = Run(c.args);
        EXPECT_EQ(r.exitCode, 3) << r.output;
        EXPECT_NE(r.output.find(c.message), std::string::npos) << r.output;
        EXPECT_EQ(std::count(r.output.begin(), r.output.end(), '\n'), 1) << r.output;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "orvelmag.db"));
}

TEST_F(VatCommand, SchemaCheckAndSqlListing)
{
    // A mistyped file is named, not created empty; an empty database lists what it lacks.
    CommandResult missing = Run("schema check");
    EXPECT_EQ(missing.exitCode, 3) << missing.output;
    EXPECT_NE(missing.output.find("there is no database"), std::string::npos) << missing.output;
    EXPECT_FALSE(std::filesystem::exists(dir / "orvelmag.db"));
    std::ofstream(dir / "orvelmag.db").close();
    CommandResult before = Run("schema check");
    EXPECT_EQ(before.exitCode, 1) << before.output;
    EXPECT_NE(before.output.find("problems"), std::string::npos) << before.output;
    ASSERT_EQ(Run("init").exitCode, 0);
    CommandResult after = Run("schema check");
    EXPECT_EQ(after.exitCode, 0) << after.output;
    EXPECT_NE(after.output.find("everything the library needs"), std::string::npos) << after.output;

    CommandResult pg = Run("schema sql --dialect postgresql");
    EXPECT_EQ(pg.exitCode, 0);
    EXPECT_NE(pg.output.find("CREATE FUNCTION GET_ID_DOCUMENTO()"), std::string::npos);
    CommandResult lite = Run("schema sql");
    EXPECT_NE(lite.output.find("CREATE TRIGGER GET_ID_DOCUMENTO_RUN"), std::string::npos);
    EXPECT_EQ(Run("schema sql --dialect oracle").exitCode, 2);
}
