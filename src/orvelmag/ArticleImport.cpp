// Loading articles from a CSV file. The first line names the columns (any order, any case):
//
//   code, description            required
//   ean, vat, category, unit     optional texts
//   list_price or cost           the start of the price chain
//   discounts                    up to four, "10+5" or "10,5" (the latter quoted)
//   markup, price or price_vat   how the sale price is given
//   alt_codes                    "CODE:TYPE|CODE:TYPE" (type 0 another article code, else a barcode)
//   suppliers                    "ID:CODE:DESCRIPTION|..."
//
// Fields follow the usual CSV rules: a field in double quotes may hold commas and doubled quotes.
// A field is text of one line: a control character other than tab (a NUL byte, a line break
// inside quotes, an escape) refuses its row, as does a text longer than its column takes. Each
// row is checked before it is written: its own values and the keys that earlier rows of the file
// took as it is read, the database inside the transaction of its batch (see ArticleBatchWriter).
// A bad row is reported with its line and reason and never reaches the database. A failure that
// ends the transaction or the connection stops the import: it says so once, with how many
// articles were committed before it, and exits with 3.
#include "ArticleImport.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <filesystem>
#include <fstream>
#include <map>
#include <ostream>
#include <vector>

#include "ArticleBatchWriter.h"
#include "ArticleCsvReader.h"
#include "ArticleInput.h"
#include "ArticleKeys.h"
#include "Cli.h"
#include "odbc/Database.h"

namespace orvelmag {

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

const std::vector<std::string>& KnownColumns()
{
    static const std::vector<std::string> columns = {"code",     "description", "ean",    "vat",   "category",
                                                     "unit",     "list_price",  "cost",   "discounts",
                                                     "markup",   "price",       "price_vat", "alt_codes",
                                                     "suppliers"};
    return columns;
}

// Splits "a|b|c" into its non-blank parts.
std::vector<std::string> SplitList(const std::string& text)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('|', start);
        std::string part = Trimmed(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (!part.empty())
            parts.push_back(part);
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

// The widths of the columns that hold one text each.
std::size_t ColumnWidth(const std::string& column)
{
    const ArticleWidths& w = ArticleWidths::Get();
    const std::map<std::string, std::size_t> widths = {{"code", w.code}, {"description", w.description},
                                                       {"ean", w.ean},   {"vat", w.vat},
                                                       {"category", w.category}, {"unit", w.unit}};
    auto it = widths.find(column);
    // Numbers and lists are checked as they are read; the limit here only keeps out control
    // characters and absurd lengths.
    return it == widths.end() ? 10000 : it->second;
}

// The article of one row, with every check that needs no database.
ArticleInput ReadRow(const std::map<std::string, std::size_t>& columns, const std::vector<std::string>& fields)
{
    for (const auto& [name, index] : columns)
        CheckText("column " + name, fields[index], ColumnWidth(name));
    const auto get = [&](const char* name) -> std::string {
        auto it = columns.find(name);
        return it == columns.end() ? std::string() : Trimmed(fields[it->second]);
    };
    // A value that cannot be read names its column.
    const auto parse = [&](const char* name, auto read) {
        if (const std::string value = get(name); !value.empty()) {
            try {
                read(value);
            } catch (const InputError& e) {
                throw InputError{std::string("column ") + name + ": " + e.message};
            }
        }
    };
    ArticleInput input;
    input.code = get("code");
    input.description = get("description");
    input.ean = get("ean");
    input.vat = get("vat");
    input.category = get("category");
    input.unit = get("unit");
    parse("list_price", [&](const std::string& v) { input.listPrice = ParseAmount("list price", v); });
    parse("cost", [&](const std::string& v) { input.cost = ParseAmount("net cost", v); });
    parse("discounts", [&](const std::string& v) { input.discounts = ParseDiscounts(v); });
    parse("markup", [&](const std::string& v) { input.markup = ParseMarkup(v); });
    parse("price", [&](const std::string& v) { input.price = ParseAmount("sale price", v); });
    parse("price_vat", [&](const std::string& v) { input.priceVat = ParseAmount("price with VAT", v); });
    parse("alt_codes", [&](const std::string& v) {
        for (const auto& a : SplitList(v))
            input.altCodes.push_back(ParseAltCode(a));
    });
    parse("suppliers", [&](const std::string& v) {
        for (const auto& s : SplitList(v))
            input.suppliers.push_back(ParseSupplier(s));
    });
    CheckArticleInput(input);
    return input;
}

// Writes a batch; false, after saying why once, when the database failed.
bool WriteBatch(ArticleBatchWriter& writer, std::vector<ArticleRow>& rows, std::ostream& out)
{
    const long first = rows.empty() ? 0 : rows.front().line;
    try {
        writer.Write(rows);
        return true;
    } catch (const DatabaseFailure& e) {
        out << "the database failed while writing the rows from line " << first << ": " << e.message << "\n";
        return false;
    }
}

int Stopped(const ArticleBatchWriter& writer, long rows, std::ostream& out)
{
    out << "import stopped after " << rows << (rows == 1 ? " row" : " rows") << " read: " << writer.Added()
        << (writer.Added() == 1 ? " article was" : " articles were") << " added and committed before the failure";
    if (writer.Refused() > 0)
        out << ", " << writer.Refused() << (writer.Refused() == 1 ? " row" : " rows") << " refused";
    out << "; the rest of the file was not imported\n";
    return 3;
}

}  // namespace

int ImportArticles(CDatabase& db, const std::string& path, long batchSize, std::ostream& out)
{
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored))
        throw UsageError{path + " is a folder, not a CSV file"};
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw UsageError{"cannot read " + path};
    ArticleCsvReader reader(file);
    std::vector<std::string> fields;
    long line = 0;
    std::string error;
    if (!reader.Next(fields, line, error))
        throw UsageError{path + " is empty: the first line names the columns"};
    if (!error.empty())
        throw UsageError{path + " line " + std::to_string(line) + ": " + error};
    std::map<std::string, std::size_t> columns;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string name = Lower(Trimmed(fields[i]));
        if (std::find(KnownColumns().begin(), KnownColumns().end(), name) == KnownColumns().end())
            throw UsageError{path + ": unknown column \"" + fields[i] + "\" (known: code, description, ean, vat, "
                                    "category, unit, list_price, cost, discounts, markup, price, price_vat, "
                                    "alt_codes, suppliers)"};
        if (!columns.emplace(name, i).second)
            throw UsageError{path + ": column " + name + " is named twice"};
    }
    if (columns.count("code") == 0 || columns.count("description") == 0)
        throw UsageError{path + ": the first line must name at least the columns code and description"};

    ArticleBatchWriter writer(db, out);
    ArticleKeys claimed;
    std::vector<ArticleRow> pending;
    long rows = 0;
    while (reader.Next(fields, line, error)) {
        ++rows;
        try {
            if (!error.empty())
                throw InputError{error};
            if (fields.size() != columns.size())
                throw InputError{"has " + std::to_string(fields.size()) + " fields, the first line names " +
                                 std::to_string(columns.size())};
            ArticleRow row{line, ReadRow(columns, fields)};
            if (std::string clash = claimed.Clash(row.input); !clash.empty())
                throw InputError{clash};
            claimed.Claim(row.input);
            pending.push_back(std::move(row));
        } catch (const InputError& e) {
            writer.Refuse(line, e.message);
        }
        if (static_cast<long>(pending.size()) >= batchSize) {
            if (!WriteBatch(writer, pending, out))
                return Stopped(writer, rows, out);
            out << "... " << rows << " rows read, " << writer.Added() << " articles added\n" << std::flush;
        }
    }
    if (!WriteBatch(writer, pending, out))
        return Stopped(writer, rows, out);
    out << "imported " << writer.Added() << (writer.Added() == 1 ? " article" : " articles") << " from " << rows
        << (rows == 1 ? " row" : " rows");
    if (writer.Refused() > 0)
        out << "; " << writer.Refused() << (writer.Refused() == 1 ? " row" : " rows") << " refused";
    out << "\n";
    return writer.Refused() > 0 ? 1 : 0;
}

}  // namespace orvelmag
