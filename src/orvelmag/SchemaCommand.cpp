// "orvelmag schema check [--connect S]": compares a database with what the library needs and lists
// what is missing or different, among it the keys that rows hold twice; "orvelmag schema upgrade
// [--connect S]" adds to a database of an earlier version the unique indexes and the numbering
// trigger it lacks, or, when
// rows hold a key twice, lists them and changes nothing; "orvelmag schema sql [--dialect
// sqlite|postgresql]" prints the statements that "init" runs, for a database administrator who
// creates the schema by hand.
#include <memory>
#include <ostream>

#include "Cli.h"
#include "odbc/Database.h"
#include "orvelmagdb/base/Schema.h"

namespace orvelmag {

int RunSchema(const std::vector<std::string>& words, std::ostream& out)
{
    Arguments args(words, {"connect", "dialect", "file"});
    const auto& positional = args.Positional();
    if (positional.size() == 1 && positional[0] == "sql") {
        std::string dialect = args.Option("dialect").value_or("sqlite");
        CDialect::Kind kind;
        if (dialect == "sqlite")
            kind = CDialect::sqlite;
        else if (dialect == "postgresql")
            kind = CDialect::postgresql;
        else
            throw UsageError{"--dialect takes sqlite or postgresql"};
        for (const CString& sql : CSchema::CreationStatements(kind))
            out << sql.GetString() << ";\n";
        return 0;
    }
    if (positional.size() != 1 || (positional[0] != "check" && positional[0] != "upgrade"))
        throw UsageError{"schema check [--connect S] | schema upgrade [--connect S] | "
                         "schema sql [--dialect sqlite|postgresql]"};
    std::unique_ptr<CDatabase> connection = OpenShopDatabase(args, false);
    CDatabase& db = *connection;
    if (positional[0] == "upgrade") {
        std::vector<CString> added = CSchema::Upgrade(db);
        for (const CString& name : added)
            out << (name.Left(3) == "UX_"      ? "added the unique index "
                    : name.Left(6) == "table " ? "added the "
                                               : "added the trigger ")
                << name.GetString() << "\n";
        if (added.empty())
            out << "the database is up to date; nothing was changed\n";
        return 0;
    }
    std::vector<CString> problems = CSchema::Check(db);
    for (const CString& p : problems)
        out << p.GetString() << "\n";
    if (problems.empty()) {
        out << "the database has everything the library needs\n";
        return 0;
    }
    out << problems.size() << (problems.size() == 1 ? " problem\n" : " problems\n");
    return 1;
}

}  // namespace orvelmag
