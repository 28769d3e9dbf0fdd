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
// Fields follow the usual CSV rules: a field in double quotes may hold commas, line breaks and
// doubled quotes. Each row is checked in full before anything is written (its own values, the
// keys that earlier rows of the file took, and the database), so a bad row is reported with its
// line and reason and never reaches the database. Good rows are written a batch to a
// transaction; when the database still refuses one, the batch is rolled back and written again
// row by row, so that only the refused row is lost.
#include "ArticleImport.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <ostream>
#include <vector>

#include "ArticleInput.h"
#include "Cli.h"
#include "odbc/DBException.h"
#include "odbc/Database.h"
#include "orveldblib/DomainClass.h"
#include "orvelmagdb/domain/articles/DomainArticolo.h"

namespace orvelmag {

namespace {

// Splits a CSV stream into records, keeping the line each record starts on.
class CsvReader {
public:
    explicit CsvReader(std::istream& in) : m_in(in)
    {
        // A byte-order mark that spreadsheet programs put in front of UTF-8 files.
        if (m_in.peek() == 0xEF) {
            char bom[3] = {};
            m_in.read(bom, 3);
            if (!(bom[0] == '\xEF' && bom[1] == '\xBB' && bom[2] == '\xBF')) {
                m_in.clear();
                m_in.seekg(0);
            }
        }
    }

    // The next record that is not a blank line; false at the end of the file. A malformed
    // record still comes back whole, with `error` saying what is wrong with it.
    bool Next(std::vector<std::string>& fields, long& line, std::string& error)
    {
        for (;;) {
            fields.clear();
            error.clear();
            if (m_in.peek() == std::char_traits<char>::eof())
                return false;
            line = m_line;
            ReadRecord(fields, error);
            if (fields.size() == 1 && fields[0].empty() && error.empty())
                continue;
            return true;
        }
    }

private:
    int Get()
    {
        const int c = m_in.get();
        if (c == '\n')
            ++m_line;
        return c;
    }

    // True at the end of a record (the line break is consumed).
    bool EndOfRecord(int c)
    {
        if (c == '\r' && m_in.peek() == '\n')
            c = Get();
        return c == '\n' || c == '\r' || c == std::char_traits<char>::eof();
    }

    void ReadRecord(std::vector<std::string>& fields, std::string& error)
    {
        std::string field;
        for (;;) {
            int c = Get();
            if (c == '"' && field.empty()) {
                // A quoted field: up to the quote that is not doubled.
                for (;;) {
                    c = Get();
                    if (c == std::char_traits<char>::eof()) {
                        error = "a quoted field is not closed";
                        fields.push_back(field);
                        return;
                    }
                    if (c == '"') {
                        if (m_in.peek() == '"') {
                            Get();
                            field += '"';
                            continue;
                        }
                        break;
                    }
                    field += static_cast<char>(c);
                }
                c = Get();
                if (c != ',' && !EndOfRecord(c)) {
                    if (error.empty())
                        error = "text follows the closing quote of field " + std::to_string(fields.size() + 1);
                    // Keep reading to the end of the record so that the next one starts right.
                    while (c != ',' && !EndOfRecord(c)) {
                        field += static_cast<char>(c);
                        c = Get();
                    }
                }
            } else {
                while (c != ',' && !EndOfRecord(c)) {
                    field += static_cast<char>(c);
                    c = Get();
                }
            }
            fields.push_back(field);
            field.clear();
            if (c != ',')
                return;
        }
    }

    std::istream& m_in;
    long m_line = 1;
};

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

// The article of one row, with every check that needs no database.
ArticleInput ReadRow(const std::map<std::string, std::size_t>& columns, const std::vector<std::string>& fields)
{
    const auto get = [&](const char* name) -> std::string {
        auto it = columns.find(name);
        return it == columns.end() ? std::string() : Trimmed(fields[it->second]);
    };
    ArticleInput input;
    input.code = get("code");
    input.description = get("description");
    input.ean = get("ean");
    input.vat = get("vat");
    input.category = get("category");
    input.unit = get("unit");
    if (auto v = get("list_price"); !v.empty())
        input.listPrice = ParseAmount("list price", v);
    if (auto v = get("cost"); !v.empty())
        input.cost = ParseAmount("net cost", v);
    if (auto v = get("discounts"); !v.empty())
        input.discounts = ParseDiscounts(v);
    if (auto v = get("markup"); !v.empty())
        input.markup = ParseMarkup(v);
    if (auto v = get("price"); !v.empty())
        input.price = ParseAmount("sale price", v);
    if (auto v = get("price_vat"); !v.empty())
        input.priceVat = ParseAmount("price with VAT", v);
    for (const auto& a : SplitList(get("alt_codes")))
        input.altCodes.push_back(ParseAltCode(a));
    for (const auto& s : SplitList(get("suppliers")))
        input.suppliers.push_back(ParseSupplier(s));
    CheckArticleInput(input);
    return input;
}

struct PendingRow {
    long line;
    ArticleInput input;
};

// Writes one article; the reason when the database refused it, else empty. The library's error
// boxes of this write are collected in `messages`.
std::string WriteRow(CDatabase& db, const PendingRow& row, std::string& messages)
{
    messages.clear();
    try {
        CDomainArticolo article(&db);
        FillArticle(row.input, article);
        if (SaveNewArticle(article))
            return {};
        return messages.empty() ? "the database refused the article" : messages;
    } catch (const InputError& e) {
        return e.message;
    } catch (const CDBException& e) {
        return e.what();
    }
}

class BatchWriter {
public:
    BatchWriter(CDatabase& db, std::ostream& out) : m_db(db), m_out(out)
    {
        CDomainClass::SetMessageHandler([this](const CString& text, UINT, UINT) {
            CString line(text);
            line.Replace('\n', ' ');
            if (!m_messages.empty())
                m_messages += "; ";
            m_messages += line.GetString();
        });
    }
    ~BatchWriter() { InstallErrorReporter(); }
    BatchWriter(const BatchWriter&) = delete;
    BatchWriter& operator=(const BatchWriter&) = delete;

    // Writes the rows, all in one transaction when the database takes them all, else one by one.
    void Write(std::vector<PendingRow>& rows)
    {
        if (rows.empty())
            return;
        if (WriteAll(rows)) {
            m_added += static_cast<long>(rows.size());
        } else {
            for (const PendingRow& row : rows) {
                std::string reason;
                if (WriteOne(row, reason))
                    ++m_added;
                else
                    Refuse(row.line, reason);
            }
        }
        rows.clear();
    }

    void Refuse(long line, const std::string& reason)
    {
        ++m_refused;
        m_out << "line " << line << ": " << reason << "\n";
    }

    long Added() const { return m_added; }
    long Refused() const { return m_refused; }

private:
    bool WriteAll(const std::vector<PendingRow>& rows)
    {
        try {
            m_db.BeginTrans();
            for (const PendingRow& row : rows) {
                if (!WriteRow(m_db, row, m_messages).empty()) {
                    m_db.Rollback();
                    return false;
                }
            }
            m_db.CommitTrans();
            return true;
        } catch (const CDBException&) {
            if (m_db.IsInTransaction())
                m_db.Rollback();
            return false;
        }
    }

    bool WriteOne(const PendingRow& row, std::string& reason)
    {
        try {
            m_db.BeginTrans();
            reason = WriteRow(m_db, row, m_messages);
            if (reason.empty()) {
                m_db.CommitTrans();
                return true;
            }
            m_db.Rollback();
        } catch (const CDBException& e) {
            reason = e.what();
            if (m_db.IsInTransaction())
                m_db.Rollback();
        }
        return false;
    }

    CDatabase& m_db;
    std::ostream& m_out;
    std::string m_messages;
    long m_added = 0;
    long m_refused = 0;
};

}  // namespace

int ImportArticles(CDatabase& db, const std::string& path, long batchSize, std::ostream& out)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw UsageError{"cannot read " + path};
    CsvReader reader(file);
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

    BatchWriter writer(db, out);
    ArticleKeys claimed;
    std::vector<PendingRow> pending;
    long rows = 0;
    while (reader.Next(fields, line, error)) {
        ++rows;
        try {
            if (!error.empty())
                throw InputError{error};
            if (fields.size() != columns.size())
                throw InputError{"has " + std::to_string(fields.size()) + " fields, the first line names " +
                                 std::to_string(columns.size())};
            PendingRow row{line, ReadRow(columns, fields)};
            if (std::string clash = claimed.Clash(row.input); !clash.empty())
                throw InputError{clash};
            CheckArticleAgainstDatabase(db, row.input);
            claimed.Claim(row.input);
            pending.push_back(std::move(row));
        } catch (const InputError& e) {
            writer.Refuse(line, e.message);
        } catch (const CDBException& e) {
            writer.Refuse(line, e.what());
        }
        if (static_cast<long>(pending.size()) >= batchSize) {
            writer.Write(pending);
            out << "... " << rows << " rows read, " << writer.Added() << " articles added\n" << std::flush;
        }
    }
    writer.Write(pending);
    out << "imported " << writer.Added() << (writer.Added() == 1 ? " article" : " articles") << " from " << rows
        << (rows == 1 ? " row" : " rows");
    if (writer.Refused() > 0)
        out << "; " << writer.Refused() << (writer.Refused() == 1 ? " row" : " rows") << " refused";
    out << "\n";
    return writer.Refused() > 0 ? 1 : 0;
}

}  // namespace orvelmag
