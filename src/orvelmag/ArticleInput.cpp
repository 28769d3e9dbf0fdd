// Reading, checking, filling and saving a new article for the host's article commands. Every
// check runs before the first write, so that a refused article leaves nothing behind and an
// import can tell a bad row from a good one without touching the database.
#include "ArticleInput.h"

#include <cctype>

#include "Cli.h"
#include "afx/Locale.h"
#include "odbc/Database.h"
#include "orveldb/domain/DomainAzienda.h"
#include "orveldblib/DomainClass.h"
#include "orvelmagdb/domain/articles/DomainArticolo.h"
#include "orvelmagdb/domain/masterdata/DomainIva.h"
#include "orvelmagdb/recordsets/articles/ArticoloSet.h"
#include "orvelmagdb/recordsets/articles/CodiceAlternativoArticolo.h"
#include "orvelmagdb/recordsets/articles/ARTICOLO_FORNITORE_COMPLETO.h"
#include "orvelmagdb/recordsets/masterdata/CategoriaSet.h"

namespace orvelmag {

namespace {

std::string Trim(const std::string& text)
{
    std::size_t first = 0, last = text.size();
    while (first < last && std::isspace(static_cast<unsigned char>(text[first])))
        ++first;
    while (last > first && std::isspace(static_cast<unsigned char>(text[last - 1])))
        --last;
    return text.substr(first, last - first);
}

// A code that keys an article: not empty, no blank around it, one line of text that fits.
void CheckCode(const std::string& what, const std::string& code, std::size_t width)
{
    if (code.empty())
        throw InputError{what + " is empty"};
    CheckText(what, code, width);
    if (Trim(code) != code)
        throw InputError{what + " \"" + code + "\" begins or ends with a blank"};
}

CString Text(const std::string& text)
{
    return CString(text.c_str());
}

// The article that a key reaches, by code (own or type-0 alternative) or by barcode (EAN or
// barcode-like alternative); empty when none.
std::string ArticleReachedBy(CDatabase& db, const std::string& key, bool barcode)
{
    CDomainArticolo probe(&db);
    if (barcode)
        probe.Set_CODICE_EAN(Text(key));
    else
        probe.Set_ID(Text(key));
    return probe.DB_Load() ? std::string(probe.Get_ID().GetString()) : std::string();
}

}  // namespace

// EAN-8, UPC-A, EAN-13 and GTIN-14 share one check digit: weights 3 and 1 alternate from the
// digit left of the check digit.
void CheckEan(const std::string& ean)
{
    const std::size_t n = ean.size();
    bool digits = true;
    for (char c : ean)
        digits = digits && c >= '0' && c <= '9';
    if (!digits || (n != 8 && n != 12 && n != 13 && n != 14))
        throw InputError{"the EAN \"" + ean + "\" is not 8, 12, 13 or 14 digits"};
    int sum = 0;
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const int weight = ((n - 1 - i) % 2 == 1) ? 3 : 1;
        sum += (ean[i] - '0') * weight;
    }
    const char check = static_cast<char>('0' + (10 - sum % 10) % 10);
    if (ean[n - 1] != check)
        throw InputError{"the EAN \"" + ean + "\" has a wrong check digit (expected " + std::string(1, check) + ")"};
}

void CheckKeyFree(CDatabase& db, const std::string& key, bool barcode, const std::string& what)
{
    const std::string owner = ArticleReachedBy(db, key, barcode);
    if (owner.empty())
        return;
    if (what == "the code" && owner == key)
        throw InputError{"article " + key + " already exists"};
    throw InputError{what + " " + key + " already leads to article " + owner};
}

void ReadPriceOptions(const Arguments& args, ArticleInput& input)
{
    if (auto v = args.Option("list-price"))
        input.listPrice = ParseAmount("list price", *v);
    if (auto v = args.Option("cost"))
        input.cost = ParseAmount("net cost", *v);
    if (auto v = args.Option("discounts"))
        input.discounts = ParseDiscounts(*v);
    if (auto v = args.Option("markup"))
        input.markup = ParseMarkup(*v);
    if (auto v = args.Option("price"))
        input.price = ParseAmount("sale price", *v);
    if (auto v = args.Option("price-vat"))
        input.priceVat = ParseAmount("price with VAT", *v);
}

const ArticleWidths& ArticleWidths::Get()
{
    static const ArticleWidths widths = [] {
        CArticoloSet article(nullptr);
        CCodiceAlternativoArticolo code(nullptr);
        CARTICOLO_FORNITORE_COMPLETO supplier(nullptr);
        return ArticleWidths{BoundWidth(article, "ID"),          BoundWidth(article, "DESCRIZIONE"),
                             BoundWidth(article, "CODICE_EAN"),  BoundWidth(article, "ID_IVA"),
                             BoundWidth(article, "ID_CATEGORIA"), BoundWidth(article, "UM"),
                             BoundWidth(code, "CODICE"),         BoundWidth(supplier, "CODICE_FORNITORE"),
                             BoundWidth(supplier, "DESCRIZIONE_FORNITORE")};
    }();
    return widths;
}

void CheckText(const std::string& label, const std::string& text, std::size_t width)
{
    if (std::string problem = TextProblem(text, width); !problem.empty())
        throw InputError{label + " " + problem};
}

// Amounts stop far above any real price, and far enough below the decimal range that the price
// chain (mark-ups, VAT, the list multiplier) cannot overflow on the way. A text too long to be a
// number, one that is not a number and one out of range get the same message.
Decimal ParseAmount(const std::string& what, const std::string& text)
{
    Decimal value;
    const std::string trimmed = Trim(text);
    if (trimmed.empty() || trimmed.size() > 40 || !Decimal::TryParse(trimmed.c_str(), value) ||
        value.IsNegative() || value > Decimal(1000000000L))
        throw InputError{"the " + what + " \"" + Printable(text.substr(0, 40)) +
                         "\" is not a number from 0 to 1000000000 such as 12.50"};
    return value;
}

Decimal ParseMarkup(const std::string& text)
{
    Decimal value;
    const std::string trimmed = Trim(text);
    if (trimmed.empty() || trimmed.size() > 40 || !Decimal::TryParse(trimmed.c_str(), value) ||
        value <= Decimal(-100) || value > Decimal(1000000L))
        throw InputError{"the mark-up \"" + Printable(text.substr(0, 40)) +
                         "\" is not a number above -100 and at most 1000000 such as 40"};
    return value;
}

std::array<Decimal, 4> ParseDiscounts(const std::string& text)
{
    std::array<Decimal, 4> discounts{};
    std::size_t count = 0, start = 0;
    for (;;) {
        const std::size_t end = text.find_first_of(",+", start);
        const std::string part = Trim(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (count == 4)
            throw InputError{"the discounts \"" + Printable(text) + "\" are more than four"};
        Decimal value;
        if (part.empty() || part.size() > 40 || !Decimal::TryParse(part.c_str(), value) || value.IsNegative() ||
            value > Decimal(100))
            throw InputError{"the discount \"" + Printable(part.substr(0, 40)) +
                             "\" is not a number from 0 to 100 such as 10 (discounts: 10,5 or 10+5)"};
        discounts[count++] = value;
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return discounts;
}

long ParseWhole(const std::string& what, const std::string& text, long low, long high)
{
    const std::string trimmed = Trim(text);
    long value = 0;
    bool ok = !trimmed.empty() && trimmed.size() <= 18;
    for (char c : trimmed)
        ok = ok && c >= '0' && c <= '9';
    if (ok)
        value = std::stol(trimmed);
    if (!ok || value < low || value > high)
        throw InputError{"the " + what + " \"" + Printable(text.substr(0, 40)) + "\" is not a whole number from " + std::to_string(low) +
                         " to " + std::to_string(high)};
    return value;
}

std::pair<std::string, long> ParseAltCode(const std::string& text)
{
    const std::size_t colon = text.rfind(':');
    if (colon == std::string::npos)
        throw InputError{"the alternative code \"" + Printable(text) + "\" is not CODE:TYPE"};
    const std::string code = Trim(text.substr(0, colon));
    CheckCode("the alternative code", code, ArticleWidths::Get().altCode);
    return {code, ParseWhole("type of alternative code " + code, text.substr(colon + 1), 0, 999)};
}

ArticleSupplier ParseSupplier(const std::string& text)
{
    const std::size_t first = text.find(':');
    const std::size_t second = first == std::string::npos ? first : text.find(':', first + 1);
    if (second == std::string::npos)
        throw InputError{"the supplier \"" + Printable(text) + "\" is not ID:CODE:DESCRIPTION"};
    ArticleSupplier supplier;
    supplier.id = ParseWhole("supplier id", text.substr(0, first), 1, 2147483647L);
    supplier.code = Trim(text.substr(first + 1, second - first - 1));
    supplier.description = Trim(text.substr(second + 1));
    CheckText("the code of supplier " + std::to_string(supplier.id), supplier.code,
              ArticleWidths::Get().supplierCode);
    CheckText("the description of supplier " + std::to_string(supplier.id), supplier.description,
              ArticleWidths::Get().supplierDescription);
    return supplier;
}

void CheckArticleInput(const ArticleInput& input)
{
    const ArticleWidths& widths = ArticleWidths::Get();
    CheckCode("the article code", input.code, widths.code);
    CheckText("the description", input.description, widths.description);
    if (Trim(input.description).empty())
        throw InputError{"article " + input.code + " has no description"};
    CheckText("the VAT code", input.vat, widths.vat);
    CheckText("the category", input.category, widths.category);
    CheckText("the unit", input.unit, widths.unit);
    CheckText("the EAN", input.ean, widths.ean);
    if (!input.ean.empty())
        CheckEan(input.ean);
    if (input.listPrice && input.cost)
        throw InputError{"give either the list price or the net cost of article " + input.code + ", not both"};
    if (int(input.markup.has_value()) + int(input.price.has_value()) + int(input.priceVat.has_value()) > 1)
        throw InputError{"give the sale price of article " + input.code +
                         " one way only: mark-up, price or price with VAT"};
    if (input.markup && !input.listPrice && !input.cost)
        throw InputError{"a mark-up needs a list price or a net cost (article " + input.code + ")"};
    if (input.priceVat && input.vat.empty())
        throw InputError{"a price with VAT needs the VAT code (article " + input.code + ")"};
    for (std::size_t i = 0; i < input.altCodes.size(); ++i) {
        const auto& [code, type] = input.altCodes[i];
        CheckCode("the alternative code", code, widths.altCode);
        if (type == 0 && code == input.code)
            throw InputError{"the alternative code " + code + " is the article's own code"};
        if (type != 0 && code == input.ean)
            throw InputError{"the alternative code " + code + " is the article's own EAN"};
        for (std::size_t j = 0; j < i; ++j)
            if (input.altCodes[j] == input.altCodes[i])
                throw InputError{"the alternative code " + code + " is given twice"};
    }
    for (std::size_t i = 0; i < input.suppliers.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (input.suppliers[j].id == input.suppliers[i].id)
                throw InputError{"supplier " + std::to_string(input.suppliers[i].id) + " is given twice"};
}

void CheckArticleAgainstDatabase(CDatabase& db, const ArticleInput& input)
{
    CheckKeyFree(db, input.code, false, "the code");
    if (!input.ean.empty())
        CheckKeyFree(db, input.ean, true, "the EAN");
    for (const auto& [code, type] : input.altCodes)
        CheckKeyFree(db, code, type != 0, "the alternative code");

    if (!input.vat.empty()) {
        CDomainIva vat(&db);
        vat.Set_CODICE(Text(input.vat));
        if (!Found(db, [&] { return vat.DB_Load(); }))
            throw InputError{"VAT code " + input.vat + " does not exist"};
    }
    if (!input.category.empty()) {
        CCategoriaSet rs(&db);
        rs.m_strFilter.Format("ID = '%s'", CDomainClass::SetFilterParam(Text(input.category)).GetString());
        rs.Open();
        const bool found = !rs.IsEOF();
        rs.Close();
        if (!found)
            throw InputError{"category " + input.category + " does not exist"};
    }
    for (const auto& supplier : input.suppliers) {
        CDomainAzienda partner(&db);
        partner.Set_ID(supplier.id);
        if (!Found(db, [&] { return partner.DB_Load(); }))
            throw InputError{"supplier " + std::to_string(supplier.id) + " does not exist"};
    }
}

void FillArticle(const ArticleInput& input, CDomainArticolo& article)
{
    article.Set_ID(Text(input.code));
    article.Set_DESCRIZIONE(Text(Trim(input.description)));
    article.Set_CODICE_EAN(Text(input.ean));
    if (!input.unit.empty())
        article.Set_UM(Text(input.unit));
    if (!input.vat.empty()) {
        article.Set_ID_IVA(Text(input.vat));
        if (!Found(*article.GetDatabase(), [&] { return article.DB_Load_IVA(); }))
            throw InputError{"VAT code " + input.vat + " does not exist"};
    }
    article.Set_ID_CATEGORIA(Text(input.category));

    // The discounts first without recomputing, then the price that the chain starts from.
    article.Set_SCONTO_1(input.discounts[0], false);
    article.Set_SCONTO_2(input.discounts[1], false);
    article.Set_SCONTO_3(input.discounts[2], false);
    article.Set_SCONTO_4(input.discounts[3], false);
    if (input.listPrice)
        article.Set_PREZZO_ACQ_LISTINO_EURO(*input.listPrice, true, false);
    else if (input.cost)
        article.Set_PREZZO_ACQ_PZ_EURO(*input.cost, true, false);
    if (input.markup)
        article.Set_RICARICO(*input.markup, true);
    else if (input.price)
        article.Set_PREZZO_PZ_EURO(*input.price, true);
    else if (input.priceVat)
        article.Set_PREZZO_PZ_EURO_IVATO(*input.priceVat, true);

    CDomainArticolo::CArrayCodiceAlternativo codes;
    for (const auto& [code, type] : input.altCodes)
        codes.Add(CDomainArticolo::CCodiceAlternativo(Text(code), type));
    article.Set_CodiciAlternativi(codes);
    CDomainArticolo::CArrayArticoloFornitore suppliers;
    for (const auto& s : input.suppliers) {
        CDomainArticolo::CArticoloFornitore supplier;
        supplier.Set_ID_FORNITORE(s.id);
        supplier.Set_CODICE_FORNITORE(Text(s.code));
        supplier.Set_DESCRIZIONE_FORNITORE(Text(s.description));
        suppliers.Add(supplier);
    }
    article.Set_ArticoloFornitore(suppliers);
}

bool SaveNewArticle(CDomainArticolo& article)
{
    if (!article.DB_AddNew())
        return false;
    if (article.Get_CodiciAlternativi().GetSize() > 0 && !article.DB_Update_CodiciAlternativi())
        return false;
    if (article.Get_ArticoloFornitore().GetSize() > 0 && !article.DB_Update_ArticoloFornitore())
        return false;
    return true;
}

std::string FormatFixed(const Decimal& value, int decimals)
{
    Decimal rounded(value);
    rounded.Round3(decimals);
    // Adding a zero of the wanted scale writes the missing fraction zeros.
    std::string zero = decimals > 0 ? "0." + std::string(static_cast<std::size_t>(decimals), '0') : "0";
    rounded += Decimal(zero.c_str(), LOCALE_INVARIANT);
    return rounded.ToString2(LOCALE_INVARIANT, false).GetString();
}

std::string FormatPercent(const Decimal& value)
{
    return value.ToString2(LOCALE_INVARIANT, true).GetString();
}

}  // namespace orvelmag
