// "orvelmag garment add|find": fashion models and their garments. "add" makes a model (an article
// with its price chain, as "article add" makes one) in one size scale, with one garment per size
// and colour, each with its own barcode; sizes, colours and the scale that the shop does not know
// yet are added with the model. "find" takes what a till scans: a garment's barcode gives that
// garment, priced through the model's price chain; a model's code lists its garments, or with
// --size and --colour gives one of them.
#include <algorithm>
#include <iomanip>
#include <ostream>
#include <set>
#include <utility>

#include "ArticleInput.h"
#include "Cli.h"
#include "odbc/Database.h"
#include "orveldblib/TransactionGuard.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/domain/articles/DomainArticoloModa.h"
#include "orvelmagdb/domain/articles/DomainCapoModa.h"
#include "orvelmagdb/recordsets/stock/ArticoloModaSet.h"
#include "orvelmagdb/recordsets/stock/CapoSet.h"
#include "orvelmagdb/recordsets/stock/ColoreSet.h"
#include "orvelmagdb/recordsets/stock/ScalaTaglieSet.h"
#include "orvelmagdb/recordsets/stock/TagliaSet.h"

namespace orvelmag {

namespace {

constexpr const char* kUsage =
    "garment add MODEL DESCRIPTION --scale S --garment SIZE:COLOUR:EAN... [--ean E] [--vat V] [--category C] "
    "[--unit U] [--list-price P | --cost C] [--discounts s1,s2,s3,s4] [--markup R | --price X | --price-vat Y] "
    "| find BARCODE | find MODEL [--size S --colour C]";

struct GarmentInput {
    std::string size, colour, ean;
};

CString Text(const std::string& text) { return CString(text.c_str()); }

std::string Str(const CString& text) { return Printable(text.GetString()); }

int PricePrecision()
{
    return CApplicationAdministrator::GetInstance()->GetConfig()->GetParamAsInt("precisione/prezzi");
}

// "SIZE:COLOUR:EAN", each part checked against the garment table's columns.
GarmentInput ParseGarment(const std::string& text, CCapoSet& columns)
{
    const std::size_t first = text.find(':');
    const std::size_t second = first == std::string::npos ? first : text.find(':', first + 1);
    if (second == std::string::npos || text.find(':', second + 1) != std::string::npos)
        throw UsageError{"the garment \"" + Printable(text) + "\" is not SIZE:COLOUR:EAN"};
    GarmentInput g{text.substr(0, first), text.substr(first + 1, second - first - 1), text.substr(second + 1)};
    if (g.size.empty() || g.colour.empty())
        throw UsageError{"the garment \"" + Printable(text) + "\" lacks its size or colour"};
    CheckArgument("the size", g.size, columns, "ID_TAGLIA");
    CheckArgument("the colour", g.colour, columns, "ID_COLORE");
    CheckArgument("the garment's EAN", g.ean, columns, "CODICE_EAN");
    try {
        CheckEan(g.ean);
    } catch (const InputError& e) {
        throw UsageError{e.message};
    }
    return g;
}

// The garment that a barcode belongs to, loaded; false when none.
bool GarmentByBarcode(CDatabase& db, const std::string& ean, CDomainCapoModa& garment)
{
    garment.Set_CODICE_EAN(Text(ean));
    return Found(db, [&] { return garment.DB_Load(); });
}

// A barcode of the new model must lead nowhere yet: neither to an article nor to a garment.
void CheckBarcodeFree(CDatabase& db, const std::string& ean)
{
    CheckKeyFree(db, ean, true, "the EAN");
    CDomainCapoModa owner(&db);
    if (GarmentByBarcode(db, ean, owner))
        throw InputError{"the EAN " + ean + " already belongs to a garment of model " + Str(owner.Get_ID())};
}

// Adds a row to a table of codes unless it is there: the recordset's filter finds it.
template <typename Set, typename Fill>
void AddIfMissing(CDatabase& db, const CString& filter, Fill&& fill)
{
    Set rs(&db);
    rs.m_strFilter = filter;
    rs.Open();
    if (rs.IsEOF()) {
        rs.AddNew();
        fill(rs);
        rs.Update();
    }
    rs.Close();
}

// The scale, its sizes (after the sizes it has, in the order given) and the colours.
void AddCodes(CDatabase& db, const std::string& scale, const std::vector<GarmentInput>& garments)
{
    const CString quotedScale = CDomainClass::SetFilterParam(Text(scale));
    CString filter;
    filter.Format("ID = '%s'", (LPCTSTR)quotedScale);
    AddIfMissing<CScalaTaglieSet>(db, filter, [&](CScalaTaglieSet& rs) {
        rs.ID = Text(scale);
        rs.DESCRIZIONE = Text(scale);
    });
    long last = 0;
    {
        CTagliaSet rs(&db);
        rs.m_strFilter.Format("ID_SCALA_TAGLIA = '%s'", (LPCTSTR)quotedScale);
        rs.Open();
        for (; !rs.IsEOF(); rs.MoveNext())
            last = std::max(last, rs.RN);
        rs.Close();
    }
    for (const auto& g : garments) {
        filter.Format("ID_SCALA_TAGLIA = '%s' AND ID = '%s'", (LPCTSTR)quotedScale,
                      (LPCTSTR)CDomainClass::SetFilterParam(Text(g.size)));
        AddIfMissing<CTagliaSet>(db, filter, [&](CTagliaSet& rs) {
            rs.ID = Text(g.size);
            rs.ID_SCALA_TAGLIA = Text(scale);
            rs.RN = ++last;
        });
        filter.Format("ID = '%s'", (LPCTSTR)CDomainClass::SetFilterParam(Text(g.colour)));
        AddIfMissing<CColoreSet>(db, filter, [&](CColoreSet& rs) {
            rs.ID = Text(g.colour);
            rs.DESCRIZIONE = Text(g.colour);
        });
    }
}

int Add(CDatabase& db, const Arguments& args, const std::vector<std::string>& garmentWords, std::ostream& out)
{
    const auto& words = args.Positional();
    const auto scale = args.Option("scale");
    if (words.size() != 3)
        throw UsageError{kUsage};
    if (!scale || garmentWords.empty())
        throw UsageError{"a model needs its size scale (--scale) and at least one --garment SIZE:COLOUR:EAN"};
    CCapoSet columns(nullptr);
    CheckArgument("the size scale", *scale, columns, "ID_SCALA_TAGLIA");
    if (scale->empty())
        throw UsageError{"the size scale is empty"};

    ArticleInput model;
    std::vector<GarmentInput> garments;
    try {
        model.code = words[1];
        model.description = words[2];
        model.ean = args.Option("ean").value_or("");
        model.vat = args.Option("vat").value_or("");
        model.category = args.Option("category").value_or("");
        model.unit = args.Option("unit").value_or("");
        ReadPriceOptions(args, model);
        CheckArticleInput(model);
    } catch (const InputError& e) {
        throw UsageError{e.message};
    }
    // One garment per size and colour, one barcode per garment, none the model's own.
    std::set<std::pair<std::string, std::string>> kinds;
    std::set<std::string> barcodes{model.ean};
    for (const auto& w : garmentWords) {
        GarmentInput g = ParseGarment(w, columns);
        if (!kinds.insert({g.size, g.colour}).second)
            throw UsageError{"the garment of size " + g.size + " and colour " + g.colour + " is given twice"};
        if (!barcodes.insert(g.ean).second)
            throw UsageError{"the EAN " + g.ean + " is given twice"};
        garments.push_back(std::move(g));
    }

    // As for "article add": the checks run under the articles' writer lock in the transaction
    // that writes, and the model goes in whole or not at all.
    CTransactionGuard transaction(db, kArticleWriterLock);
    CDomainArticolo article(&db);
    try {
        CheckArticleAgainstDatabase(db, model);
        if (!model.ean.empty()) {
            CDomainCapoModa owner(&db);
            if (GarmentByBarcode(db, model.ean, owner))
                throw InputError{"the EAN " + model.ean + " already belongs to a garment of model " +
                                 Str(owner.Get_ID())};
        }
        for (const auto& g : garments)
            CheckBarcodeFree(db, g.ean);
        FillArticle(model, article);
    } catch (const InputError& e) {
        out << "model " << Printable(model.code) << " not added: " << e.message << "\n";
        return 1;
    }
    if (!SaveNewArticle(article)) {
        StopIfFailed(db);
        out << "model " << Printable(model.code) << " not added\n";
        return 1;
    }
    AddCodes(db, *scale, garments);
    {
        CArticoloModaSet rs(&db);
        rs.m_strFilter = "ID_ARTICOLO IS NULL";
        rs.Open();
        rs.AddNew();
        rs.ID_ARTICOLO = Text(model.code);
        rs.ID_SCALA_TAGLIA = Text(*scale);
        rs.Update();
        rs.Close();
    }
    {
        // Row numbers follow the order the garments were given in.
        CCapoSet rs(&db);
        rs.m_strFilter = "ID_ARTICOLO IS NULL";
        rs.Open();
        long rn = 0;
        for (const auto& g : garments) {
            rs.AddNew();
            rs.ID_ARTICOLO = Text(model.code);
            rs.ID_SCALA_TAGLIA = Text(*scale);
            rs.ID_TAGLIA = Text(g.size);
            rs.ID_COLORE = Text(g.colour);
            rs.CODICE_EAN = Text(g.ean);
            rs.RN = ++rn;
            rs.Update();
        }
        rs.Close();
    }
    transaction.Commit();
    out << "added model " << model.code << " with " << garments.size() << " garment"
        << (garments.size() == 1 ? "" : "s") << "\n";
    return 0;
}

void Field(std::ostream& out, const char* label, const std::string& value)
{
    out << std::left << std::setw(16) << label << value << "\n";
}

void PrintGarment(const CDomainCapoModa& g, std::ostream& out)
{
    const int p = PricePrecision();
    Field(out, "garment:", Str(g.Get_CODICE_EAN()));
    Field(out, "model:", Str(g.Get_ID()) + " - " + Str(g.Get_DESCRIZIONE()));
    Field(out, "size:", Str(g.Get_CAPO_ID_TAGLIA()) + " (scale " + Str(g.Get_CAPO_ID_SCALA_TAGLIA()) + ")");
    Field(out, "colour:", Str(g.Get_CAPO_ID_COLORE()));
    Field(out, "row:", std::to_string(g.Get_CAPO_RN()));
    Field(out, "net cost:", FormatFixed(g.Get_PREZZO_ACQ_PZ_EURO(), p));
    Field(out, "mark-up:", FormatPercent(g.Get_RICARICO()) + "%");
    Field(out, "sale price:", FormatFixed(g.Get_PREZZO_PZ_EURO(), p));
    Field(out, "with VAT:", FormatFixed(g.Get_PREZZO_PZ_EURO_IVATO(), p) + " (VAT " +
                                FormatPercent(g.Get_ALIQUOTA_IVA()) + "%)");
}

int Find(CDatabase& db, const Arguments& args, std::ostream& out)
{
    const std::string& key = args.Positional()[1];
    const auto size = args.Option("size");
    const auto colour = args.Option("colour");
    if (size.has_value() != colour.has_value())
        throw UsageError{"give --size and --colour together"};

    if (!size) {
        CDomainCapoModa garment(&db);
        if (GarmentByBarcode(db, key, garment)) {
            PrintGarment(garment, out);
            return 0;
        }
    }
    CDomainArticoloModa model(&db);
    model.Set_ID(Text(key));
    if (Found(db, [&] { return model.DB_Load(true); }) && model.GetCapi().GetSize() > 0) {
        if (!size) {
            Field(out, "model:", Str(model.Get_ID()) + " - " + Str(model.Get_DESCRIZIONE()));
            for (INT_PTR i = 0; i < model.GetCapi().GetSize(); ++i) {
                const CDomainVarianteCapo& v = model.GetCapi()[i];
                out << "  scale " << Str(v.Get_CAPO_ID_SCALA_TAGLIA()) << "  size " << Str(v.Get_CAPO_ID_TAGLIA())
                    << "  colour " << Str(v.Get_CAPO_ID_COLORE()) << "  EAN " << Str(v.Get_CAPO_CODICE_EAN())
                    << "  row " << v.Get_CAPO_RN() << "\n";
            }
            return 0;
        }
        // The size scale is the one of the model's garment of that size and colour.
        for (INT_PTR i = 0; i < model.GetCapi().GetSize(); ++i) {
            const CDomainVarianteCapo& v = model.GetCapi()[i];
            if (v.Get_CAPO_ID_TAGLIA() != Text(*size) || v.Get_CAPO_ID_COLORE() != Text(*colour))
                continue;
            CDomainCapoModa garment(&db);
            garment.Set_ID(model.Get_ID());
            garment.Set_CAPO_ID_SCALA_TAGLIA(v.Get_CAPO_ID_SCALA_TAGLIA());
            garment.Set_CAPO_ID_TAGLIA(v.Get_CAPO_ID_TAGLIA());
            garment.Set_CAPO_ID_COLORE(v.Get_CAPO_ID_COLORE());
            if (!Found(db, [&] { return garment.DB_Load(); }))
                break;
            PrintGarment(garment, out);
            return 0;
        }
        out << "model " << Printable(key) << " has no garment of size " << Printable(*size) << " and colour "
            << Printable(*colour) << "\n";
        return 1;
    }
    if (size) {
        out << "no model has the code " << Printable(key) << "\n";
        return 1;
    }
    // Say whose the key is when it is an article's rather than a garment's.
    CDomainArticolo article(&db);
    article.Set_CODICE_EAN(Text(key));
    if (Found(db, [&] { return article.DB_Load(); })) {
        out << Printable(key) << " is not a garment's barcode: it leads to article " << Str(article.Get_ID()) << " "
            << Str(article.Get_DESCRIZIONE()) << "\n";
        return 1;
    }
    out << "no garment has the barcode " << Printable(key) << "\n";
    return 1;
}

}  // namespace

int RunGarment(const std::vector<std::string>& words, std::ostream& out)
{
    std::vector<std::string> rest(words);
    const std::vector<std::string> garments = TakeRepeated(rest, "garment");
    Arguments args(rest, {"connect", "file", "scale", "ean", "vat", "category", "unit", "list-price", "cost",
                          "discounts", "markup", "price", "price-vat", "size", "colour"});
    const auto& positional = args.Positional();
    if (positional.empty() || (positional[0] != "add" && positional[0] != "find"))
        throw UsageError{kUsage};
    const bool add = positional[0] == "add";
    if (!add && positional.size() != 2)
        throw UsageError{kUsage};
    // Each verb takes only its own options; one given to the other verb would be silently lost.
    for (const char* name : {"scale", "ean", "vat", "category", "unit", "list-price", "cost", "discounts", "markup",
                             "price", "price-vat"})
        if (!add && args.Option(name))
            throw UsageError{std::string("--") + name + " belongs to garment add"};
    if (add && (args.Option("size") || args.Option("colour")))
        throw UsageError{"--size and --colour belong to garment find"};
    if (!add && !garments.empty())
        throw UsageError{"--garment belongs to garment add"};

    const auto database = OpenShopDatabase(args);
    return add ? Add(*database, args, garments, out) : Find(*database, args, out);
}

}  // namespace orvelmag
