// orvelmag: the command-line host of OrvelMagDb. It creates and fills a shop database and shows
// what the library computes, so that the library can be tried without writing a program.
#include <exception>
#include <functional>
#include <iostream>
#include <map>

#include "Cli.h"
#include "afx/Exception.h"
#include "orvelmagdb/module/Library.h"

namespace {

struct Command {
    std::function<int(const std::vector<std::string>&, std::ostream&)> run;
    const char* usage;
};

const std::map<std::string, Command>& Commands()
{
    static const std::map<std::string, Command> commands = {
        {"config", {orvelmag::RunConfig, "config [--file F]               print the effective configuration"}},
        {"init", {orvelmag::RunInit, "init [--connect S]              create the shop database"}},
        {"schema", {orvelmag::RunSchema,
                    "schema check [--connect S]      list what a database lacks for the library\n"
                    "  orvelmag schema sql [--dialect sqlite|postgresql]\n"
                    "                                  print the statements that init runs"}},
        {"vat", {orvelmag::RunVat,
                 "vat list|show CODE|add CODE RATE DESCRIPTION [--till N] [--note T]|delete CODE\n"
                 "                                  VAT codes (all take --connect S and --file F)"}},
    };
    return commands;
}

void PrintUsage(std::ostream& out)
{
    out << "orvelmag " << OrvelMagDbVersion() << " — shop database tool\n\nusage:\n";
    for (const auto& [name, command] : Commands())
        out << "  orvelmag " << command.usage << "\n";
    out << "  orvelmag version                print the library version\n"
        << "\nWithout --connect, data lives in the SQLite file orvelmag.db of the current folder.\n";
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty() || words[0] == "help" || words[0] == "--help" || words[0] == "-h") {
        PrintUsage(std::cout);
        return words.empty() ? 2 : 0;
    }
    if (words[0] == "version" || words[0] == "--version") {
        std::cout << OrvelMagDbVersion() << "\n";
        return 0;
    }
    auto it = Commands().find(words[0]);
    if (it == Commands().end()) {
        std::cerr << "orvelmag: unknown command \"" << words[0] << "\"\n";
        PrintUsage(std::cerr);
        return 2;
    }
    try {
        return it->second.run({words.begin() + 1, words.end()}, std::cout);
    } catch (const orvelmag::UsageError& e) {
        std::cerr << "orvelmag " << words[0] << ": " << e.message << "\n";
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "orvelmag " << words[0] << ": " << e.what() << "\n";
        return 1;
    }
}
