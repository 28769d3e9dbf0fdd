// "orvelmag category add|list": the article categories of the shop, each with the discount band
// that its articles get by default (a partner's own band for the category wins over it).
#include <iomanip>
#include <ostream>

#include "ArticleInput.h"
#include "Cli.h"
#include "odbc/Database.h"
#include "orveldblib/TransactionGuard.h"
#include "orveldb/recordsets/ScontoSet.h"
#include "orveldblib/DomainClass.h"
#include "orvelmagdb/domain/masterdata/DomainCategoria.h"
#include "orvelmagdb/recordsets/articles/CategoriaScontoCompletoSet.h"
#include "orvelmagdb/recordsets/articles/CategoriaScontoSet.h"
#include "orvelmagdb/recordsets/masterdata/CategoriaSet.h"

namespace orvelmag {

namespace {

constexpr const char* kUsage = "category add ID DESCRIPTION [--band B] | list";

CString Quoted(const std::string& text)
{
    return CDomainClass::SetFilterParam(CString(text.c_str()));
}

// Categories have no library object that writes them: the host writes the category and its
// default band through their recordsets, in one transaction under the categories' writer lock,
// after checking that the id is free and the band exists.
int Add(CDatabase& db, const Arguments& args, std::ostream& out)
{
    const auto& words = args.Positional();
    if (words.size() != 3)
        throw UsageError{"category add ID DESCRIPTION [--band B]"};
    const std::string& id = words[1];
    const std::string band = args.Option("band").value_or("");
    CCategoriaSet columns(nullptr);
    if (id.empty())
        throw UsageError{"the category id is empty"};
    CheckArgument("the category id", id, columns, "ID");
    CheckArgument("the description", words[2], columns, "DESCRIZIONE");
    CTransactionGuard transaction(db, "CATEGORIA");
    {
        CCategoriaSet rs(&db);
        rs.m_strFilter.Format("ID = '%s'", Quoted(id).GetString());
        rs.Open();
        if (!rs.IsEOF()) {
            out << "category " << Printable(id) << " already exists; nothing was changed\n";
            return 1;
        }
    }
    if (!band.empty()) {
        CScontoSet rs(&db);
        rs.m_strFilter.Format("ID = '%s'", Quoted(band).GetString());
        rs.Open();
        if (rs.IsEOF()) {
            out << "band " << Printable(band) << " does not exist; category " << id << " not added\n";
            return 1;
        }
    }
    CCategoriaSet rs(&db);
    rs.m_strFilter = "ID IS NULL";
    rs.Open();
    rs.AddNew();
    rs.ID = id.c_str();
    rs.DESCRIZIONE = words[2].c_str();
    rs.F_COMPLETA = 0;
    rs.Update();
    rs.Close();
    if (!band.empty()) {
        CCategoriaScontoSet cs(&db);
        cs.m_strFilter = "ID_CATEGORIA IS NULL";
        cs.Open();
        cs.AddNew();
        cs.ID_CATEGORIA = id.c_str();
        cs.ID_SCONTO = band.c_str();
        cs.F_PREDEFINITO = 1;
        cs.Update();
        cs.Close();
    }
    transaction.Commit();
    out << "added category " << id << (band.empty() ? "" : " with default band " + band) << "\n";
    return 0;
}

int List(CDatabase& db, std::ostream& out)
{
    CCategoriaSet rs(&db);
    rs.m_strSort = "ID";
    rs.Open();
    int n = 0;
    for (; !rs.IsEOF(); rs.MoveNext(), ++n) {
        CDomainCategoria category(&db);
        category.FromRecordset(rs);
        out << std::left << std::setw(11) << Printable(category.Get_ID().GetString()) << std::setw(30)
            << Printable(category.Get_DESCRIZIONE().GetString());
        CCategoriaScontoCompletoSet bands(&db);
        bands.m_strFilter.Format("( F_PREDEFINITO = 1 ) AND ( CATEGORIA_ID = '%s' )",
                                 Quoted(category.Get_ID().GetString()).GetString());
        bands.Open();
        if (!bands.IsEOF())
            out << "  default band " << bands.SCONTO_ID.GetString();
        out << "\n";
    }
    out << n << (n == 1 ? " category\n" : " categories\n");
    return 0;
}

}  // namespace

int RunCategory(const std::vector<std::string>& words, std::ostream& out)
{
    Arguments args(words, {"connect", "file", "band"});
    const auto& positional = args.Positional();
    if (positional.empty() || !(positional[0] == "add" || (positional[0] == "list" && positional.size() == 1)))
        throw UsageError{kUsage};
    const auto database = OpenShopDatabase(args);
    CDatabase& db = *database;
    if (positional[0] == "add")
        return Add(db, args, out);
    return List(db, out);
}

}  // namespace orvelmag
