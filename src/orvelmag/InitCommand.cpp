// "orvelmag init [--connect S]": creates the shop database's tables, views and procedures.
#include <ostream>

#include "Cli.h"
#include "odbc/Database.h"
#include "orvelmagdb/base/Schema.h"

namespace orvelmag {

int RunInit(const std::vector<std::string>& words, std::ostream& out)
{
    Arguments args(words, {"connect"});
    if (!args.Positional().empty())
        throw UsageError{"init takes no arguments besides --connect S"};
    std::string connect = ConnectionString(args);
    CDatabase db;
    db.OpenEx(connect.c_str());
    if (CSchema::Exists(db)) {
        out << "the database already holds the OrvelMagDb schema; nothing was changed\n";
        return 1;
    }
    CSchema::Create(db);
    out << "created the OrvelMagDb schema (version " << CSchema::kVersion << ", "
        << db.GetDialect().GetName() << ")\n";
    return 0;
}

}  // namespace orvelmag
