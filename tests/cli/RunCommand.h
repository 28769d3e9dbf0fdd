// Runs the command-line host as a user would and captures what it prints.
#pragma once

#include <cstdio>
#include <string>
#include <sys/wait.h>

struct CommandResult {
    int exitCode = -1;
    std::string output;  // standard output and standard error together
};

inline CommandResult RunOrvelmag(const std::string& arguments, const std::string& workDir = ".")
{
    std::string command = "cd '" + workDir + "' && '" ORVELMAG_EXE "' " + arguments + " 2>&1";
    CommandResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return result;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.output.append(buffer, n);
    int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}
