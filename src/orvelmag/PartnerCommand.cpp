// "orvelmag partner add|band|show": the business partners (customers and suppliers) that
// articles name as suppliers and that discount bands are given to. Partners belong to the
// partner registry; the host writes them through its recordsets and shows them as the library's
// partner and discount-information objects read them.
#include <ostream>

#include "ArticleInput.h"
#include "Cli.h"
#include "odbc/Database.h"
#include "orveldb/domain/DomainAzienda.h"
#include "orveldb/recordsets/AziendaSet.h"
#include "orveldb/recordsets/ScontoSet.h"
#include "orveldblib/DomainClass.h"
#include "orveldblib/TransactionGuard.h"
#include "orvelmagdb/domain/promotions/DomainInformazioneSconti.h"
#include "orvelmagdb/recordsets/articles/SoggettoCategoriaScontoSet.h"
#include "orvelmagdb/recordsets/masterdata/CategoriaSet.h"

namespace orvelmag {

namespace {

constexpr const char* kUsage =
    "partner add ID NAME [--kind customer|supplier] [--band B] | band ID CATEGORY BAND | show ID";

CString Quoted(const std::string& text)
{
    return CDomainClass::SetFilterParam(CString(text.c_str()));
}

long PartnerId(const std::string& text)
{
    try {
        return ParseWhole("partner id", text, 1, 2147483647L);
    } catch (const InputError& e) {
        throw UsageError{e.message};
    }
}

bool PartnerExists(CDatabase& db, long id)
{
    CDomainAzienda partner(&db);
    partner.Set_ID(id);
    return Found(db, [&] { return partner.DB_Load(); });
}

bool BandExists(CDatabase& db, const std::string& id)
{
    CScontoSet rs(&db);
    rs.m_strFilter.Format("ID = '%s'", Quoted(id).GetString());
    rs.Open();
    return !rs.IsEOF();
}

bool CategoryExists(CDatabase& db, const std::string& id)
{
    CCategoriaSet rs(&db);
    rs.m_strFilter.Format("ID = '%s'", Quoted(id).GetString());
    rs.Open();
    return !rs.IsEOF();
}

int Add(CDatabase& db, const Arguments& args, std::ostream& out)
{
    const auto& words = args.Positional();
    if (words.size() != 3)
        throw UsageError{"partner add ID NAME [--kind customer|supplier] [--band B]"};
    const long id = PartnerId(words[1]);
    const std::string kind = args.Option("kind").value_or("customer");
    if (kind != "customer" && kind != "supplier")
        throw UsageError{"--kind is customer or supplier, not \"" + kind + "\""};
    const std::string band = args.Option("band").value_or("");
    CAziendaSet columns(nullptr);
    CheckArgument("the name", words[2], columns, "RAGIONESOCIALE");
    CheckArgument("the band", band, columns, "ID_SCONTO");
    // Partners belong to the partner registry, which has no library object that writes them: the
    // recordset writes the row, under the partners' writer lock.
    CTransactionGuard transaction(db, "AZIENDA");
    if (PartnerExists(db, id)) {
        out << "partner " << id << " already exists; nothing was changed\n";
        return 1;
    }
    if (!band.empty() && !BandExists(db, band)) {
        out << "band " << band << " does not exist; partner " << id << " not added\n";
        return 1;
    }
    CAziendaSet rs(&db);
    rs.m_strFilter = "ID IS NULL";
    rs.Open();
    rs.AddNew();
    rs.ID = id;
    rs.RAGIONESOCIALE = words[2].c_str();
    rs.F_TIPO_RAPPORTO = kind == "customer" ? CDomainAzienda::CLIENTE : CDomainAzienda::FORNITORE;
    rs.ID_SCONTO = band.c_str();
    rs.Update();
    rs.Close();
    transaction.Commit();
    out << "added " << kind << " " << id << " " << words[2] << "\n";
    return 0;
}

int Band(CDatabase& db, const std::vector<std::string>& words, std::ostream& out)
{
    const long id = PartnerId(words[1]);
    const std::string& category = words[2];
    const std::string& band = words[3];
    CTransactionGuard transaction(db, "AZIENDA");
    std::string missing;
    if (!PartnerExists(db, id))
        missing = "partner " + std::to_string(id);
    else if (!CategoryExists(db, category))
        missing = "category " + category;
    else if (!BandExists(db, band))
        missing = "band " + band;
    if (!missing.empty()) {
        out << Printable(missing) << " does not exist; nothing was changed\n";
        return 1;
    }
    // One band per partner and category: a new one replaces the old.
    CSoggettoCategoriaScontoSet rs(&db);
    rs.m_strFilter.Format("ID_SOGGETTO = %ld AND ID_CATEGORIA = '%s'", id, Quoted(category).GetString());
    rs.Open();
    if (rs.IsEOF()) {
        rs.AddNew();
        rs.ID_SOGGETTO = id;
        rs.ID_CATEGORIA = category.c_str();
    } else {
        rs.Edit();
    }
    rs.ID_SCONTO = band.c_str();
    rs.Update();
    rs.Close();
    transaction.Commit();
    out << "partner " << id << " gets band " << band << " on category " << category << "\n";
    return 0;
}

int Show(CDatabase& db, const std::string& text, std::ostream& out)
{
    CDomainAzienda partner(&db);
    partner.Set_ID(PartnerId(text));
    if (!Found(db, [&] { return partner.DB_Load(); })) {
        out << "partner " << text << " not found\n";
        return 1;
    }
    CDomainInformazioneSconti info(&db);
    info.FromDomain(&partner);
    out << "partner:     " << partner.Get_ID() << "\n"
        << "name:        " << Printable(partner.Get_RAGIONESOCIALE().GetString()) << "\n"
        << "kind:        " << (partner.Get_F_TIPO_RAPPORTO() == CDomainAzienda::FORNITORE ? "supplier" : "customer")
        << "\n"
        << "band:        " << Printable(info.GetDescrizioneFasciaSconto().GetString()) << "\n"
        << "price list:  " << Printable(info.GetDescrizioneListino().GetString()) << "\n";
    return 0;
}

}  // namespace

int RunPartner(const std::vector<std::string>& words, std::ostream& out)
{
    Arguments args(words, {"connect", "file", "kind", "band"});
    const auto& p = args.Positional();
    if (p.empty() || !(p[0] == "add" || (p[0] == "band" && p.size() == 4) || (p[0] == "show" && p.size() == 2)))
        throw UsageError{kUsage};
    const auto database = OpenShopDatabase(args);
    CDatabase& db = *database;
    if (p[0] == "add")
        return Add(db, args, out);
    if (p[0] == "band")
        return Band(db, p, out);
    return Show(db, p[1], out);
}

}  // namespace orvelmag
