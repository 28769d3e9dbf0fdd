// "orvelmag config [--file F]": prints the configuration the host runs with, key by key, and the
// current user taken from it.
#include <cstdlib>
#include <filesystem>
#include <ostream>

#include "Cli.h"
#include "orveldlglib/ApplicationAdministrator.h"

namespace orvelmag {

namespace {

// The settings installed with the program: ORVEL_INSTALLED_CONF is their path relative to the
// folder of the program, so that an installed tree still finds them after being moved.
std::filesystem::path InstalledConfiguration()
{
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return {};
    return (self.parent_path() / ORVEL_INSTALLED_CONF).lexically_normal();
}

}  // namespace

std::string LoadConfiguration(const std::optional<std::string>& file)
{
    std::string path;
    if (file) {
        path = *file;
    } else if (const char* env = std::getenv("ORVELMAG_CONFIG"); env != nullptr && *env != '\0') {
        path = env;
    } else if (std::filesystem::path installed = InstalledConfiguration();
               !installed.empty() && std::filesystem::exists(installed)) {
        path = installed.string();
    } else {
        path = ORVEL_DEFAULT_CONF;
    }
    CApplicationAdministrator::GetInstance()->LoadConfigFile(path.c_str());
    return path;
}

int RunConfig(const std::vector<std::string>& words, std::ostream& out)
{
    Arguments args(words, {"file"});
    if (!args.Positional().empty())
        throw UsageError{"config takes no arguments besides --file F"};
    std::string path = LoadConfiguration(args.Option("file"));

    auto* admin = CApplicationAdministrator::GetInstance();
    const CConfigAdministrator& config = *admin->GetConfig();
    out << "# configuration read from " << path << "\n";
    CStringArray keys = config.GetKeys();
    for (int i = 0; i < keys.GetSize(); ++i)
        out << keys[i].GetString() << "=" << config.GetParam(keys[i]).GetString() << "\n";

    const CUserAdministrator& user = *admin->GetUser();
    out << "# current user\n"
        << "ID_SOCIETA=" << user.Get_ID_SOCIETA() << "\n"
        << "ID_SEDE_SOCIETA=" << user.Get_ID_SEDE_SOCIETA() << "\n"
        << "ID_DEPOSITO=" << user.Get_ID_DEPOSITO() << "\n"
        << "ID_AGENTE=" << user.Get_ID_AGENTE() << "\n"
        << "NOME_SOCIETA=" << user.Get_NOME_SOCIETA().GetString() << "\n"
        << "RAGIONE_SOCIALE_SOCIETA=" << user.Get_RAGIONE_SOCIALE_SOCIETA().GetString() << "\n";
    return 0;
}

}  // namespace orvelmag
