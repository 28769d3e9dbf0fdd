// The fixture of the command-line tests that work on a shop database: each test gets a fresh
// SQLite file or PostgreSQL schema made by "orvelmag init", a folder of its own to run in, and
// runs the real executable against it, one command at a time or several processes at once.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "RunCommand.h"
#include "support/DatabaseTest.h"

namespace orvel::test {

class CliDatabaseTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        // Names of parameterised tests hold '/', which a folder name cannot.
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        for (char& c : name)
            if (c == '/')
                c = '_';
        dir = std::filesystem::temp_directory_path() / ("orvelmag-cli-" + std::to_string(::getpid()) + "-" + name);
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        CommandResult init = RunOrvelmag("init --connect '" + ConnectionString() + "'", dir.string());
        ASSERT_EQ(init.exitCode, 0) << init.output;
    }
    void TearDown() override
    {
        if (!dir.empty())
            std::filesystem::remove_all(dir);
        DatabaseTest::TearDown();
    }

    CommandResult Run(const std::string& args)
    {
        return RunOrvelmag(args + " --file '" ORVEL_SOURCE_DIR "/config/default.conf' --connect '" +
                               ConnectionString() + "'",
                           dir.string());
    }

    // Runs a command that must succeed.
    std::string Ok(const std::string& args)
    {
        CommandResult r = Run(args);
        EXPECT_EQ(r.exitCode, 0) << args << "\n" << r.output;
        return r.output;
    }

    std::string WriteFile(const std::string& name, const std::string& text)
    {
        std::ofstream(dir / name, std::ios::binary) << text;
        return (dir / name).string();
    }

    // Runs orvelmag processes at once, each running its commands in turn; returns what each
    // printed, ending with "exit N" for its last command.
    std::vector<std::string> RunTogether(const std::vector<std::vector<std::string>>& processes)
    {
        std::string script;
        for (std::size_t p = 0; p < processes.size(); ++p) {
            script += "(";
            for (const auto& args : processes[p])
                script += "'" ORVELMAG_EXE "' " + args + " --file '" ORVEL_SOURCE_DIR "/config/default.conf' --connect '" +
                          ConnectionString() + "'; ";
            script += "echo exit $?) > out" + std::to_string(p) + " 2>&1 &\n";
        }
        EXPECT_EQ(std::system(("cd '" + dir.string() + "' && { " + script + "wait; }").c_str()), 0);
        std::vector<std::string> outputs;
        for (std::size_t p = 0; p < processes.size(); ++p)
            outputs.push_back((std::stringstream() << std::ifstream(dir / ("out" + std::to_string(p))).rdbuf()).str());
        return outputs;
    }

    std::filesystem::path dir;
};

}  // namespace orvel::test
