// The command-line host's shared pieces: arguments, the configuration it runs with, and the
// table of commands. Each command lives in its own source file and registers itself here.
#pragma once

#include <functional>
#include <memory>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace orvelmag {

// Arguments after the command name, with "--name value" options taken out.
class Arguments {
public:
    Arguments(std::vector<std::string> words, const std::vector<std::string>& valueOptions);

    std::optional<std::string> Option(const std::string& name) const;
    const std::vector<std::string>& Positional() const { return m_positional; }

private:
    std::map<std::string, std::string> m_options;
    std::vector<std::string> m_positional;
};

// Thrown for a command line that cannot be carried out; main prints it and exits with 2.
struct UsageError {
    std::string message;
};

// Loads the configuration that the host runs with: the file given with --file, else the file
// named by ORVELMAG_CONFIG, else the installed default, else the repository's default. Returns
// the path it read.
std::string LoadConfiguration(const std::optional<std::string>& file);

// The ODBC connection string of --connect, or the embedded SQLite database "orvelmag.db" in the
// current folder.
std::string ConnectionString(const Arguments& args);

// Errors shown by the library's objects go to standard error, one line each, and are counted so
// that a command can exit with failure when an object reported one.
void InstallErrorReporter();
int ReportedErrors();

int RunConfig(const std::vector<std::string>& words, std::ostream& out);
int RunInit(const std::vector<std::string>& words, std::ostream& out);
int RunVat(const std::vector<std::string>& words, std::ostream& out);
int RunSchema(const std::vector<std::string>& words, std::ostream& out);
int RunArticle(const std::vector<std::string>& words, std::ostream& out);
int RunBand(const std::vector<std::string>& words, std::ostream& out);
int RunCategory(const std::vector<std::string>& words, std::ostream& out);
int RunPartner(const std::vector<std::string>& words, std::ostream& out);

}  // namespace orvelmag
