// "orvelmag init [--connect S]": creates the shop database's tables, views and procedures. The
// schema goes in whole or not at all; an SQLite file that init created itself is removed again
// when the schema could not be written (a full disk, a read-only folder), so that no empty file
// is left to look like a database.
#include <filesystem>
#include <ostream>

#include "Cli.h"
#include "odbc/DBException.h"
#include "odbc/Database.h"
#include "orvelmagdb/base/Schema.h"

namespace orvelmag {

int RunInit(const std::vector<std::string>& words, std::ostream& out)
{
    Arguments args(words, {"connect"});
    if (!args.Positional().empty())
        throw UsageError{"init takes no arguments besides --connect S"};
    const std::string connect = ConnectionString(args);
    const std::string file = SqliteFile(connect);
    std::error_code ignored;
    const bool created = !file.empty() && !std::filesystem::exists(file, ignored);
    try {
        CDatabase db;
        db.OpenEx(connect.c_str());
        if (CSchema::Exists(db)) {
            out << "the database already holds the OrvelMagDb schema; nothing was changed (orvelmag schema "
                   "upgrade adds what an older one lacks)\n";
            return 1;
        }
        StopIfFailed(db);
        CSchema::Create(db);
        out << "created the OrvelMagDb schema (version " << CSchema::kVersion << ", "
            << db.GetDialect().GetName() << ")\n";
        return 0;
    } catch (...) {
        if (created)
            for (const char* suffix : {"", "-wal", "-shm", "-journal"})
                std::filesystem::remove(file + suffix, ignored);
        throw;
    }
}

}  // namespace orvelmag
