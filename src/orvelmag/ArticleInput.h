// What the host needs to make a new article from text, shared by "article add" (options of the
// command line) and "article import" (columns of a CSV file): reading the numbers, discount lists,
// alternative codes and suppliers; checking a new article against the database before anything
// is written (so that a bad article is refused whole, with a reason); filling the article object,
// prices through the article's own price chain; and saving it with what it owns.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "orveldblib/Decimal.h"

class CDatabase;
class CDomainArticolo;

namespace orvelmag {

class Arguments;

// A value that cannot become part of an article; the text says which value and why.
struct InputError {
    std::string message;
};

struct ArticleSupplier {
    long id = -1;
    std::string code;
    std::string description;
};

struct ArticleInput {
    std::string code;
    std::string description;
    std::string ean;
    std::string vat;
    std::string category;
    std::string unit;
    std::optional<Decimal> listPrice;  // supplier's list price, before the discounts
    std::optional<Decimal> cost;       // net cost, when no list price is given
    std::array<Decimal, 4> discounts{};
    // How the sale price is given: at most one of the three.
    std::optional<Decimal> markup;
    std::optional<Decimal> price;
    std::optional<Decimal> priceVat;
    std::vector<std::pair<std::string, long>> altCodes;  // code and type (0 article code, else barcode)
    std::vector<ArticleSupplier> suppliers;
};

// The widths of the article's text columns, as the article's recordsets bind them: the longest
// text each takes.
struct ArticleWidths {
    std::size_t code, description, ean, vat, category, unit, altCode, supplierCode, supplierDescription;
    static const ArticleWidths& Get();
};

// Throws InputError "<label> <reason>" when the text holds a control character other than tab or
// is longer than `width` characters.
void CheckText(const std::string& label, const std::string& text, std::size_t width);

// Readers of the text forms; each throws InputError naming `what` and the text, in one form for
// a malformed number and a number out of range alike.
// A number in the stored form ("12.5"), from 0 to 1000000000.
Decimal ParseAmount(const std::string& what, const std::string& text);
// A mark-up in percent: any number above -100.
Decimal ParseMarkup(const std::string& text);
// One to four purchase discounts in percent, each from 0 to 100, separated by ',' or '+'.
std::array<Decimal, 4> ParseDiscounts(const std::string& text);
// "CODE:TYPE", the type a whole number from 0 (the code may itself hold ':'; the last one counts).
std::pair<std::string, long> ParseAltCode(const std::string& text);
// "ID:CODE:DESCRIPTION": the supplier's partner id, its code and its description of the article
// (the description may hold ':').
ArticleSupplier ParseSupplier(const std::string& text);
// A whole number (partner ids, batch sizes) within [low, high].
long ParseWhole(const std::string& what, const std::string& text, long low, long high);

// Throws InputError when the text is not an EAN-8, UPC-A, EAN-13 or GTIN-14 with its check digit.
void CheckEan(const std::string& ean);

// Reads the price options of a command line (--list-price, --cost, --discounts, --markup,
// --price, --price-vat) into the input.
void ReadPriceOptions(const Arguments& args, ArticleInput& input);

// The checks that need no database: required fields, control characters, lengths, EAN form and check digit, one way
// of giving the sale price, repeated codes or suppliers within the article.
void CheckArticleInput(const ArticleInput& input);

// The checks against what the database holds: the code, the EAN and the alternative codes must
// not reach another article; VAT code, category and suppliers must exist. Throws InputError for
// a refused article, DatabaseFailure or DatabaseError when the database could not answer. A
// writer runs them inside its transaction, under the articles' writer lock, so that no other
// writer can take a key between the check and the write.
void CheckArticleAgainstDatabase(CDatabase& db, const ArticleInput& input);

// Throws InputError when the key already reaches an article: by code (own or type-0 alternative)
// or, with barcode true, by EAN (own or barcode-like alternative). `what` names the key in the
// message ("the EAN").
void CheckKeyFree(CDatabase& db, const std::string& key, bool barcode, const std::string& what);

// Fills a new article from the input: texts, VAT (loaded from its code), then the price chain
// of the article object: discounts, list price (or net cost), and the sale price from the
// mark-up, the price or the price with VAT. Throws InputError when the VAT code is missing,
// DatabaseFailure or DatabaseError when it could not be read.
void FillArticle(const ArticleInput& input, CDomainArticolo& article);

// The writer lock that every writer of articles takes in its transaction.
constexpr const char* kArticleWriterLock = "ARTICOLO";

// Writes the article row, its alternative codes and its suppliers. False when the library
// refused one of them (it has shown why); the caller decides about the transaction.
bool SaveNewArticle(CDomainArticolo& article);

// A Decimal with exactly `decimals` fraction digits, in the stored form.
std::string FormatFixed(const Decimal& value, int decimals);
// A percentage as people write it: no trailing zeros ("10", "2.5").
std::string FormatPercent(const Decimal& value);

}  // namespace orvelmag
