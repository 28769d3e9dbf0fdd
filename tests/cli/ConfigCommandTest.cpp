// "orvelmag config": the configuration a host would run with.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "RunCommand.h"

TEST(ConfigCommand, PrintsEveryKeyOfTheDefaultFileAndTheCurrentUser)
{
    CommandResult r = RunOrvelmag("config --file '" ORVEL_SOURCE_DIR "/config/default.conf'");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(r.output.find("precisione/prezzi=2\n"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("precisione/quantita=3\n"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("ID_SOCIETA=1\n"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("NOME_SOCIETA=Negozio Demo\n"), std::string::npos) << r.output;
}

TEST(ConfigCommand, ReadsTheFileGivenAndTheEnvironmentVariable)
{
    auto path = std::filesystem::temp_directory_path() / "orvelmag-cli-test.conf";
    std::ofstream(path) << "precisione/prezzi=4\nutente/id_societa=9\n";
    CommandResult r = RunOrvelmag("config --file " + path.string());
    EXPECT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(r.output.find("precisione/prezzi=4\n"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("ID_SOCIETA=9\n"), std::string::npos) << r.output;

    CommandResult viaEnv = RunOrvelmag("config", ".");
    setenv("ORVELMAG_CONFIG", path.c_str(), 1);
    CommandResult withEnv = RunOrvelmag("config");
    unsetenv("ORVELMAG_CONFIG");
    EXPECT_NE(withEnv.output.find("precisione/prezzi=4\n"), std::string::npos) << withEnv.output;
    EXPECT_NE(viaEnv.output.find("precisione/prezzi=2\n"), std::string::npos) << viaEnv.output;
    std::filesystem::remove(path);
}

TEST(ConfigCommand, BadInputIsReportedWithTheRightExitCode)
{
    auto path = std::filesystem::temp_directory_path() / "orvelmag-cli-bad.conf";
    std::ofstream(path) << "precisione/prezzi=4\nbroken line\n";
    CommandResult bad = RunOrvelmag("config --file " + path.string());
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_NE(bad.output.find(":2:"), std::string::npos) << bad.output;
    std::filesystem::remove(path);

    CommandResult missing = RunOrvelmag("config --file");
    EXPECT_EQ(missing.exitCode, 2) << missing.output;
    CommandResult unknown = RunOrvelmag("frobnicate");
    EXPECT_EQ(unknown.exitCode, 2) << unknown.output;
    EXPECT_NE(unknown.output.find("unknown command"), std::string::npos) << unknown.output;
}
