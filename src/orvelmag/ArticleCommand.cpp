// "orvelmag article add|show|find|price|import": the articles of the shop through the library's
// article object. "find" takes whatever a till receives (the article's code, an alternative code,
// an EAN or a barcode) and shows the article with its price chain and the discount band that
// applies for a partner; "price" runs the article's price chain from new values and shows every
// step, and saves the result when asked.
#include <algorithm>
#include <iomanip>
#include <ostream>

#include "ArticleImport.h"
#include "ArticleLookup.h"
#include "ArticleInput.h"
#include "Cli.h"
#include "afx/Locale.h"
#include "odbc/Database.h"
#include "orveldb/domain/DomainAzienda.h"
#include "orveldblib/TransactionGuard.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/domain/articles/DomainArticolo.h"
#include "orvelmagdb/domain/promotions/DomainFasciaSconto.h"

namespace orvelmag {

namespace {

constexpr const char* kUsage =
    "article add CODE DESCRIPTION [options] | show CODE | find KEY [--partner ID] | "
    "price KEY [options] [--save] | import FILE.csv [--batch N]";

bool TakeFlag(std::vector<std::string>& words, const std::string& name)
{
    bool found = false;
    std::vector<std::string> rest;
    for (const auto& w : words) {
        if (w == "--" + name)
            found = true;
        else
            rest.push_back(w);
    }
    words = std::move(rest);
    return found;
}

int PricePrecision()
{
    return CApplicationAdministrator::GetInstance()->GetConfig()->GetParamAsInt("precisione/prezzi");
}

int DiscountPrecision()
{
    return CApplicationAdministrator::GetInstance()->GetConfig()->GetParamAsInt("precisione/sconti");
}

// Texts of the database as a terminal may show them: another program may have stored control
// characters.
std::string Str(const CString& text)
{
    return Printable(text.GetString());
}

// Reads the price options shared by "add" and "price" into the input.
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

void Line(std::ostream& out, const std::string& label, const std::string& value)
{
    out << "  " << std::left << std::setw(28) << label << std::right << std::setw(12) << value << "\n";
}

// The price chain of an article, one step a line: from the list price down through each
// discount to the net cost, then the mark-up (and the list multiplier) to the sale price, then
// VAT. `fromPriceWithVat` shows it the other way, as it was computed from the price with VAT.
void PrintChain(const CDomainArticolo& a, bool fromPriceWithVat, std::ostream& out)
{
    const int p = PricePrecision();
    const Decimal multiplier(
        CApplicationAdministrator::GetInstance()->GetConfig()->GetParam("default/articolo/moltiplicatorelistino"),
        LOCALE_INVARIANT);
    const std::string vat = FormatPercent(a.Get_ALIQUOTA_IVA()) + "%";
    out << "price chain:\n";
    if (fromPriceWithVat) {
        Line(out, "sale price with VAT", FormatFixed(a.Get_PREZZO_PZ_EURO_IVATO(), p));
        Line(out, "  less VAT " + vat, FormatFixed(a.Get_PREZZO_PZ_EURO_IVATO() - a.Get_PREZZO_PZ_EURO(), p));
        Line(out, "sale price", FormatFixed(a.Get_PREZZO_PZ_EURO(), p));
        Line(out, "  on net cost " + FormatFixed(a.Get_PREZZO_ACQ_PZ_EURO(), p) + ": mark-up",
             FormatFixed(a.Get_RICARICO(), p + 1) + "%");
    } else {
        const Decimal list = a.Get_PREZZO_ACQ_LISTINO_EURO();
        const Decimal s[4] = {a.Get_SCONTO_1(), a.Get_SCONTO_2(), a.Get_SCONTO_3(), a.Get_SCONTO_4()};
        Line(out, "list price", FormatFixed(list, p));
        int last = 3;
        while (last >= 0 && s[last].IsZero())
            --last;
        for (int i = 0; i <= last; ++i) {
            const Decimal z;
            const Decimal step = CDomainArticolo::CalcolaCostoNetto(list, s[0], i >= 1 ? s[1] : z, i >= 2 ? s[2] : z,
                                                                    i >= 3 ? s[3] : z);
            Line(out, "  less discount " + std::to_string(i + 1) + " " + FormatPercent(s[i]) + "%",
                 FormatFixed(step, p));
        }
        Line(out, "net cost", FormatFixed(a.Get_PREZZO_ACQ_PZ_EURO(), p));
        Line(out, "  plus mark-up " + FormatPercent(a.Get_RICARICO()) + "%",
             FormatFixed(a.Get_PREZZO_PZ_EURO() - a.Get_PREZZO_ACQ_PZ_EURO(), p));
        if (multiplier != Decimal(1))
            Line(out, "  times list multiplier " + FormatPercent(multiplier), "");
        Line(out, "sale price", FormatFixed(a.Get_PREZZO_PZ_EURO(), p));
        Line(out, "  plus VAT " + vat, FormatFixed(a.Get_PREZZO_PZ_EURO_IVATO() - a.Get_PREZZO_PZ_EURO(), p));
        Line(out, "sale price with VAT", FormatFixed(a.Get_PREZZO_PZ_EURO_IVATO(), p));
    }
    Line(out, "margin", FormatFixed(a.GetMargine(), DiscountPrecision() + 1) + "%");
}

void PrintArticle(const CDomainArticolo& a, std::ostream& out)
{
    const auto field = [&out](const char* label, const std::string& value) {
        out << std::left << std::setw(13) << label << value << "\n";
    };
    field("article:", Str(a.Get_ID()));
    field("description:", Str(a.Get_DESCRIZIONE()));
    field("EAN:", a.Get_CODICE_EAN().IsEmpty() ? "none" : Str(a.Get_CODICE_EAN()));
    field("unit:", Str(a.Get_UM()));
    field("VAT:", a.Get_ID_IVA().IsEmpty() ? "none"
                                           : Str(a.Get_ID_IVA()) + " - " + Str(a.Get_DESCRIZIONE_IVA()) + " (" +
                                                 FormatPercent(a.Get_ALIQUOTA_IVA()) + "%)");
    field("category:", a.Get_ID_CATEGORIA().IsEmpty()
                           ? "none"
                           : Str(a.Get_ID_CATEGORIA()) + " - " + Str(a.Get_DESCRIZIONE_CATEGORIA()));
    const auto& codes = a.Get_CodiciAlternativi();
    for (INT_PTR i = 0; i < codes.GetSize(); ++i)
        field("alternative:", Str(codes[i].Get_CODICE()) + (codes[i].Get_TIPO() == 0
                                                                ? " (article code)"
                                                                : " (barcode, type " +
                                                                      std::to_string(codes[i].Get_TIPO()) + ")"));
    const auto& suppliers = a.Get_ArticoloFornitore();
    for (INT_PTR i = 0; i < suppliers.GetSize(); ++i)
        field("supplier:", std::to_string(suppliers[i].Get_ID_FORNITORE()) + " " +
                               Str(suppliers[i].Get_RAGIONE_SOCIALE()) + ": code " +
                               Str(suppliers[i].Get_CODICE_FORNITORE()) + ", \"" +
                               Str(suppliers[i].Get_DESCRIZIONE_FORNITORE()) + "\"");
    PrintChain(a, false, out);
}

void LoadOwned(CDatabase& db, CDomainArticolo& article)
{
    if (!Found(db, [&] { return article.DB_Load_CodiciAlternativi() && article.DB_Load_ArticoloFornitore(); }))
        throw DatabaseError{};
}

int Add(CDatabase& db, const Arguments& args, const std::vector<std::string>& alts,
        const std::vector<std::string>& suppliers, std::ostream& out)
{
    const auto& words = args.Positional();
    if (words.size() != 3)
        throw UsageError{"article add CODE DESCRIPTION [--ean E] [--vat V] [--category C] [--unit U] "
                         "[--list-price P | --cost C] [--discounts s1,s2,s3,s4] "
                         "[--markup R | --price X | --price-vat Y] [--alt CODE:TYPE]... "
                         "[--supplier ID:CODE:DESCRIPTION]..."};
    ArticleInput input;
    CDomainArticolo article(&db);
    try {
        input.code = words[1];
        input.description = words[2];
        input.ean = args.Option("ean").value_or("");
        input.vat = args.Option("vat").value_or("");
        input.category = args.Option("category").value_or("");
        input.unit = args.Option("unit").value_or("");
        ReadPriceOptions(args, input);
        for (const auto& a : alts)
            input.altCodes.push_back(ParseAltCode(a));
        for (const auto& s : suppliers)
            input.suppliers.push_back(ParseSupplier(s));
        CheckArticleInput(input);
    } catch (const InputError& e) {
        throw UsageError{e.message};
    }
    // The checks run under the articles' writer lock, in the transaction that writes: no other
    // writer can give one of the keys to another article in between. The row and what it owns
    // go in together or not at all.
    CTransactionGuard transaction(db, kArticleWriterLock);
    try {
        CheckArticleAgainstDatabase(db, input);
        FillArticle(input, article);
    } catch (const InputError& e) {
        out << "article " << Printable(input.code) << " not added: " << e.message << "\n";
        return 1;
    }
    if (!SaveNewArticle(article)) {
        StopIfFailed(db);
        out << "article " << Printable(input.code) << " not added\n";
        return 1;
    }
    transaction.Commit();
    out << "added article " << input.code << "\n";
    return 0;
}

int Show(CDatabase& db, const std::string& code, std::ostream& out)
{
    CDomainArticolo article(&db);
    article.Set_ID(code.c_str());
    if (!article.DB_Load()) {
        out << "article " << Printable(code) << " not found\n";
        return 1;
    }
    LoadOwned(db, article);
    PrintArticle(article, out);
    return 0;
}

int Find(CDatabase& db, const Arguments& args, std::ostream& out)
{
    const std::string& key = args.Positional()[1];
    long partnerId = 0;
    CDomainAzienda partner(&db);
    if (auto p = args.Option("partner")) {
        try {
            partnerId = ParseWhole("partner id", *p, 1, 2147483647L);
        } catch (const InputError& e) {
            throw UsageError{e.message};
        }
        partner.Set_ID(partnerId);
        if (!Found(db, [&] { return partner.DB_Load(); })) {
            out << "partner " << partnerId << " not found\n";
            return 1;
        }
    }
    CDomainArticolo article(&db);
    std::string how;
    if (!FindArticle(db, key, article, how)) {
        out << "no article has the code, alternative code, EAN or barcode " << Printable(key) << "\n";
        return 1;
    }
    LoadOwned(db, article);
    out << "found by " << how << "\n";
    PrintArticle(article, out);

    const CDomainFasciaSconto band = article.GetFasciaScontoXCategoria(partnerId);
    std::string source;
    if (band.Get_ID().IsEmpty())
        source = article.Get_ID_CATEGORIA().IsEmpty() ? "the article has no category" : "no band for the category";
    else if (band.Get_F_PREDEFINITO() == 1)
        source = "default band of category " + Str(article.Get_ID_CATEGORIA());
    else
        source = "band of partner " + std::to_string(partnerId) + " for category " + Str(article.Get_ID_CATEGORIA());
    out << "discount band" << (partnerId > 0 ? " for partner " + std::to_string(partnerId) + " " +
                                                   Str(partner.Get_RAGIONESOCIALE())
                                             : std::string(" without partner"))
        << ":\n  " << Str(band.GetDescrizioneFasciaSconto()) << "  (" << source << ")\n";
    if (!band.Get_ID().IsEmpty()) {
        const int p = PricePrecision();
        Decimal price = article.Get_PREZZO_PZ_EURO();
        for (const Decimal& d : {band.Get_SCONTO_1(), band.Get_SCONTO_2(), band.Get_SCONTO_3(), band.Get_SCONTO_4()})
            if (!d.IsZero())
                price = CDomainArticolo::CalcolaPrezzoScontato(price, d);
        Line(out, "sale price less the band", FormatFixed(price, p));
        Line(out, "  with VAT", FormatFixed(CDomainArticolo::CalcolaPrezzoIvato(price, article.Get_ALIQUOTA_IVA()), p));
    }
    return 0;
}

int Price(CDatabase& db, const Arguments& args, bool save, std::ostream& out)
{
    const std::string& key = args.Positional()[1];
    ArticleInput input;
    Decimal margin;
    bool hasMargin = false;
    try {
        ReadPriceOptions(args, input);
        if (auto v = args.Option("margin")) {
            if (!Decimal::TryParse(v->c_str(), margin))
                throw InputError{"the margin \"" + *v + "\" is not a number such as 30"};
            hasMargin = true;
        }
    } catch (const InputError& e) {
        throw UsageError{e.message};
    }
    if (input.listPrice && input.cost)
        throw UsageError{"give either --list-price or --cost, not both"};
    if (int(input.markup.has_value()) + int(input.price.has_value()) + int(input.priceVat.has_value()) +
            int(hasMargin) > 1)
        throw UsageError{"give the sale price one way only: --markup, --price, --price-vat or --margin"};

    CDomainArticolo article(&db);
    std::string how;
    if (!FindArticle(db, key, article, how)) {
        out << "no article has the code, alternative code, EAN or barcode " << Printable(key) << "\n";
        return 1;
    }
    const bool costSide = input.listPrice || input.cost || args.Option("discounts");
    const bool saleSide = input.markup || input.price || input.priceVat || hasMargin;
    // The cost side first, recomputing the sale price from the stored mark-up only when no new
    // sale value follows.
    if (args.Option("discounts")) {
        article.Set_SCONTO_1(input.discounts[0], false);
        article.Set_SCONTO_2(input.discounts[1], false);
        article.Set_SCONTO_3(input.discounts[2], false);
        article.Set_SCONTO_4(input.discounts[3], false);
    }
    if (input.cost)
        article.Set_PREZZO_ACQ_PZ_EURO(*input.cost, true, !saleSide);
    else if (costSide)
        article.Set_PREZZO_ACQ_LISTINO_EURO(input.listPrice.value_or(article.Get_PREZZO_ACQ_LISTINO_EURO()), true,
                                            !saleSide);
    if (input.markup)
        article.Set_RICARICO(*input.markup, true);
    else if (input.price)
        article.Set_PREZZO_PZ_EURO(*input.price, true);
    else if (input.priceVat)
        article.Set_PREZZO_PZ_EURO_IVATO(*input.priceVat, true);
    else if (hasMargin && !article.SetMargine(margin, true)) {
        out << "the margin " << FormatPercent(margin) << "% is not from 0 to below 100; nothing changed\n";
        return 1;
    }

    out << "article " << Str(article.Get_ID()) << " " << Str(article.Get_DESCRIZIONE()) << "\n";
    PrintChain(article, input.priceVat.has_value(), out);
    if (!save)
        return 0;
    CTransactionGuard transaction(db, kArticleWriterLock);
    if (!article.DB_Edit()) {
        StopIfFailed(db);
        out << "prices of article " << Str(article.Get_ID()) << " not saved\n";
        return 1;
    }
    transaction.Commit();
    out << "saved the prices of article " << Str(article.Get_ID()) << "\n";
    return 0;
}

}  // namespace

int RunArticle(const std::vector<std::string>& words, std::ostream& out)
{
    std::vector<std::string> rest(words);
    const std::vector<std::string> alts = TakeRepeated(rest, "alt");
    const std::vector<std::string> suppliers = TakeRepeated(rest, "supplier");
    const bool save = TakeFlag(rest, "save");
    Arguments args(rest, {"connect", "file", "ean", "vat", "category", "unit", "list-price", "cost", "discounts",
                          "markup", "price", "price-vat", "margin", "partner", "batch"});
    const auto& positional = args.Positional();
    if (positional.empty())
        throw UsageError{kUsage};
    const std::string& verb = positional[0];
    if ((!alts.empty() || !suppliers.empty()) && verb != "add")
        throw UsageError{"--alt and --supplier belong to article add"};
    if (save && verb != "price")
        throw UsageError{"--save belongs to article price"};
    if (verb != "add" && verb != "show" && verb != "find" && verb != "price" && verb != "import")
        throw UsageError{kUsage};
    if (verb != "add" && positional.size() != 2)
        throw UsageError{kUsage};
    // Each verb takes only its own options; one given to the wrong verb would be silently lost.
    const std::vector<std::string> priceOptions = {"list-price", "cost", "discounts", "markup", "price", "price-vat"};
    std::vector<std::string> own;
    if (verb == "add") {
        own = priceOptions;
        own.insert(own.end(), {"ean", "vat", "category", "unit"});
    } else if (verb == "price") {
        own = priceOptions;
        own.push_back("margin");
    } else if (verb == "find") {
        own = {"partner"};
    } else if (verb == "import") {
        own = {"batch"};
    }
    for (const char* name : {"ean", "vat", "category", "unit", "list-price", "cost", "discounts", "markup", "price",
                             "price-vat", "margin", "partner", "batch"})
        if (args.Option(name) && std::find(own.begin(), own.end(), name) == own.end())
            throw UsageError{std::string("--") + name + " does not belong to article " + verb};

    long batch = 500;
    if (auto b = args.Option("batch")) {
        try {
            batch = ParseWhole("batch size", *b, 1, 100000);
        } catch (const InputError& e) {
            throw UsageError{e.message};
        }
    }
    const auto database = OpenShopDatabase(args);
    CDatabase& db = *database;
    if (verb == "add")
        return Add(db, args, alts, suppliers, out);
    if (verb == "show")
        return Show(db, positional[1], out);
    if (verb == "find")
        return Find(db, args, out);
    if (verb == "price")
        return Price(db, args, save, out);
    return ImportArticles(db, positional[1], batch, out);
}

}  // namespace orvelmag
