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

class CDatabase;
class CDBException;
class CRecordset;

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

// Options that may be given more than once ("--alt A:0 --alt B:1", "--line A1:2 --line B7:1")
// are taken out of the words, in order, before the single-valued ones are read.
std::vector<std::string> TakeRepeated(std::vector<std::string>& words, const std::string& name);

// The pieces of a text between separators ("A:2:x" -> "A", "2", "x"); an empty text is one empty
// piece.
std::vector<std::string> Split(const std::string& text, char separator);

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

// A failure that ended the transaction or the connection (a full disk, an I/O error, a lost
// connection, a file that is not a shop database): the command stops at once, and main prints the
// message, in the database's own words, once and exits with 3.
struct DatabaseFailure {
    std::string message;
};

// A database error that the library has already shown in its error box (printed as "error: ..."):
// the command stops and exits with 1 without saying more.
struct DatabaseError {};

// The set-up that every command which works on the shop database shares: loads the configuration
// (--file), installs the error reporter and connects (--connect) to a database that holds the
// shop's schema. A missing SQLite file is not created; a database without the schema, or a file
// that is not a database, is a DatabaseFailure. needsSchema false accepts a database without the
// schema (the schema commands look at what it lacks).
std::unique_ptr<CDatabase> OpenShopDatabase(const Arguments& args, bool needsSchema = true);

// The file of an SQLite connection string ("DRIVER=SQLite3;Database=/x/shop.db"); empty for any
// other database.
std::string SqliteFile(const std::string& connect);

// Errors shown by the library's objects go to standard error, one line each, and are counted.
// While the connection of the command has failed, its boxes are counted but not printed: the
// failure is reported once, by the command that stops on it. With a sink set, the box texts go
// into it ("; " between them) instead of standard error.
int ReportedErrors();
void CollectErrorsInto(std::string* sink);

// The database's own words of a failure, on one line, without the statement.
std::string FailureWords(const CDBException& e);

// Throws DatabaseFailure when the command's connection has failed.
void StopIfFailed(CDatabase& db);

// The answer of a library load that reports database errors in its error box and answers false:
// true when it found the row, false when there is none. A false that came with a box is a database
// error, never a missing row: it throws DatabaseFailure (connection or transaction gone) or
// DatabaseError.
template <class Load>
bool Found(CDatabase& db, Load&& load)
{
    const int before = ReportedErrors();
    if (load())
        return true;
    if (ReportedErrors() != before) {
        StopIfFailed(db);
        throw DatabaseError{};
    }
    return false;
}

// The width that a recordset binds a text column with: the longest text the column takes.
std::size_t BoundWidth(CRecordset& rs, const char* column);

// What is wrong with a text given for a column `width` characters wide, checked before the
// database sees it: a control character other than tab, or more characters (UTF-8) than fit.
// Empty when nothing is; else the reason, to follow the name of the field ("holds ...", "is ...").
std::string TextProblem(const std::string& text, std::size_t width);

// Checks a text of the command line against the column of `rs` that it goes into; the UsageError
// names it with `label` ("the VAT code holds a control character ...").
void CheckArgument(const std::string& label, const std::string& text, CRecordset& rs, const char* column);

// A text from the database as a terminal may show it: control characters other than tab are
// written as "\xNN".
std::string Printable(const std::string& text);

int RunConfig(const std::vector<std::string>& words, std::ostream& out);
int RunInit(const std::vector<std::string>& words, std::ostream& out);
int RunVat(const std::vector<std::string>& words, std::ostream& out);
int RunSchema(const std::vector<std::string>& words, std::ostream& out);
int RunArticle(const std::vector<std::string>& words, std::ostream& out);
int RunGarment(const std::vector<std::string>& words, std::ostream& out);
int RunBand(const std::vector<std::string>& words, std::ostream& out);
int RunCategory(const std::vector<std::string>& words, std::ostream& out);
int RunPartner(const std::vector<std::string>& words, std::ostream& out);
int RunDoc(const std::vector<std::string>& words, std::ostream& out);
int RunReason(const std::vector<std::string>& words, std::ostream& out);
int RunLot(const std::vector<std::string>& words, std::ostream& out);
int RunPromo(const std::vector<std::string>& words, std::ostream& out);
int RunVoucher(const std::vector<std::string>& words, std::ostream& out);
int RunTill(const std::vector<std::string>& words, std::ostream& out);
int RunBill(const std::vector<std::string>& words, std::ostream& out);
int RunFormula(const std::vector<std::string>& words, std::ostream& out);
int RunSchedule(const std::vector<std::string>& words, std::ostream& out);
// The electronic invoice: the seller's and buyers' data, the natures of VAT codes ("vat nature")
// and the export of a document ("doc export").
int RunCompany(const std::vector<std::string>& words, std::ostream& out);
int RunVatNature(const std::vector<std::string>& words, std::ostream& out);
int RunDocExport(const std::vector<std::string>& words, std::ostream& out);

}  // namespace orvelmag
