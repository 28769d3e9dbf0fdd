// "orvelmag reason" on the embedded database, as a user would run it.
#include <gtest/gtest.h>

#include <filesystem>

#include "RunCommand.h"

namespace {

class ReasonCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path() /
              ("orvelmag-cli-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        ASSERT_EQ(Run("init").exitCode, 0);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    CommandResult Run(const std::string& args) { return RunOrvelmag(args, dir.string()); }

    std::filesystem::path dir;
};

bool Has(const CommandResult& r, const std::string& text) { return r.output.find(text) != std::string::npos; }

}  // namespace

TEST_F(ReasonCommand, AddedReasonsAreListedWithTheirFlagsAndBadOptionsAreRefused)
{
    CommandResult sale = Run("reason add 2 'Fattura vendita' --type FT --stock unload --party customer "
                             "--payment yes --schedule receivable --counter A:2026:41");
    ASSERT_EQ(sale.exitCode, 0) << sale.output;
    EXPECT_TRUE(Has(sale, "counter series A 2026 at 41")) << sale.output;
    ASSERT_EQ(Run("reason add 1 'Carico fornitore' --type DDT --stock load --party supplier --transport yes").exitCode,
              0);
    CommandResult again = Run("reason add 1 Altro --type X");
    EXPECT_EQ(again.exitCode, 1) << again.output;
    EXPECT_TRUE(Has(again, "reason 1 already exists")) << again.output;

    CommandResult list = Run("reason list");
    ASSERT_EQ(list.exitCode, 0) << list.output;
    EXPECT_TRUE(Has(list, "Carico fornitore              load supplier purchase-prices transport\n")) << list.output;
    EXPECT_TRUE(Has(list, "Fattura vendita               unload customer payment receivable\n")) << list.output;
    EXPECT_LT(list.output.find("Carico"), list.output.find("Fattura")) << "sorted by id";
    EXPECT_TRUE(Has(list, "2 reasons")) << list.output;

    const struct {
        const char* args;
        const char* message;
    } cases[] = {
        {"reason add 3 Reso --type RS --stock sideways", "--stock takes load|unload|none, not \"sideways\""},
        {"reason add 3 Reso --type RS --bogus 1", "unknown option --bogus"},
        {"reason add 3 Reso", "--type is required"},
        {"reason add 3 Reso --type RS --schedule payable", "--schedule needs --party"},
        {"reason add 3 Reso --type RS --counter A:26", "--counter takes SERIES:YEAR:LAST"},
    };
    for (const auto& c : cases) {
        CommandResult r = Run(c.args);
        EXPECT_EQ(r.exitCode, 2) << c.args << "\n" << r.output;
        EXPECT_TRUE(Has(r, c.message)) << c.args << "\n" << r.output;
    }
    EXPECT_TRUE(Has(Run("reason list"), "2 reasons")) << "a refused reason is not added";
}
