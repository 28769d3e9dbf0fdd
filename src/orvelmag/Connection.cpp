// Where the command-line host keeps its data, and how it reports the library's error boxes.
#include <filesystem>
#include <iostream>

#include "Cli.h"
#include "orveldblib/DomainClass.h"

namespace orvelmag {

namespace {
int g_reportedErrors = 0;
}

std::string ConnectionString(const Arguments& args)
{
    if (auto connect = args.Option("connect"))
        return *connect;
    std::filesystem::path file = std::filesystem::absolute("orvelmag.db");
    return "DRIVER=SQLite3;Database=" + file.string();
}

void InstallErrorReporter()
{
    CDomainClass::SetMessageHandler([](const CString& text, UINT, UINT) {
        ++g_reportedErrors;
        CString line(text);
        line.Replace('\n', ' ');
        std::cerr << "error: " << line.GetString() << "\n";
    });
}

int ReportedErrors()
{
    return g_reportedErrors;
}

}  // namespace orvelmag
