// "orvelmag band add|show|list": the discount bands that categories and partners are given. The
// bands belong to the partner registry, which the shop library only reads; the host writes them
// through the registry's recordset and shows them as the library's band object reads them.
#include <ostream>

#include "ArticleInput.h"
#include "Cli.h"
#include "afx/Locale.h"
#include "odbc/Database.h"
#include "orveldb/recordsets/ScontoSet.h"
#include "orveldblib/DomainClass.h"
#include "orveldblib/TransactionGuard.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/domain/promotions/DomainFasciaSconto.h"

namespace orvelmag {

namespace {

constexpr const char* kUsage =
    "band add ID DESCRIPTION [--discounts s1,s2,s3,s4] [--commission P] | show ID | list";

bool BandExists(CDatabase& db, const std::string& id)
{
    CScontoSet rs(&db);
    rs.m_strFilter.Format("ID = '%s'", CDomainClass::SetFilterParam(CString(id.c_str())).GetString());
    rs.Open();
    const bool found = !rs.IsEOF();
    rs.Close();
    return found;
}

std::string Stored(const Decimal& value)
{
    Decimal rounded(value);
    rounded.Round3(CApplicationAdministrator::GetInstance()->GetConfig()->GetParamAsInt("precisione/sconti"));
    return rounded.ToString2(LOCALE_INVARIANT, false).GetString();
}

int Add(CDatabase& db, const Arguments& args, std::ostream& out)
{
    const auto& words = args.Positional();
    if (words.size() != 3)
        throw UsageError{"band add ID DESCRIPTION [--discounts s1,s2,s3,s4] [--commission P]"};
    const std::string& id = words[1];
    std::array<Decimal, 4> discounts{};
    Decimal commission;
    CScontoSet columns(nullptr);
    if (id.empty())
        throw UsageError{"the band id is empty"};
    CheckArgument("the band id", id, columns, "ID");
    CheckArgument("the description", words[2], columns, "DESCRIZIONE");
    try {
        if (auto d = args.Option("discounts"))
            discounts = ParseDiscounts(*d);
        if (auto c = args.Option("commission"))
            commission = ParseAmount("commission", *c);
        if (commission > Decimal(100))
            throw InputError{"the commission is above 100%"};
    } catch (const InputError& e) {
        throw UsageError{e.message};
    }
    // Bands have no library object that writes them: the recordset writes the row, under the
    // bands' writer lock so that two writers cannot both find the id free.
    CTransactionGuard transaction(db, "SCONTO");
    if (BandExists(db, id)) {
        out << "band " << Printable(id) << " already exists; nothing was changed\n";
        return 1;
    }
    CScontoSet rs(&db);
    rs.m_strFilter = "ID IS NULL";
    rs.Open();
    rs.AddNew();
    rs.ID = id.c_str();
    rs.DESCRIZIONE = words[2].c_str();
    rs.SCONTO_1 = Stored(discounts[0]).c_str();
    rs.SCONTO_2 = Stored(discounts[1]).c_str();
    rs.SCONTO_3 = Stored(discounts[2]).c_str();
    rs.SCONTO_4 = Stored(discounts[3]).c_str();
    rs.PROVVIGIONE = Stored(commission).c_str();
    rs.Update();
    rs.Close();
    transaction.Commit();
    CDomainFasciaSconto band(&db);
    band.Set_ID(id.c_str());
    if (!Found(db, [&] { return band.DB_Load(); }))
        throw DatabaseError{};
    out << "added band " << Printable(band.GetDescrizioneFasciaSconto().GetString()) << "\n";
    return 0;
}

int Show(CDatabase& db, const std::string& id, std::ostream& out)
{
    if (!BandExists(db, id)) {
        out << "band " << Printable(id) << " not found\n";
        return 1;
    }
    CDomainFasciaSconto band(&db);
    band.Set_ID(id.c_str());
    if (!Found(db, [&] { return band.DB_Load(); }))
        throw DatabaseError{};
    out << "band:        " << Printable(band.Get_ID().GetString()) << "\n"
        << "description: " << Printable(band.Get_DESCRIZIONE().GetString()) << "\n"
        << "discounts:   " << FormatPercent(band.Get_SCONTO_1()) << "% " << FormatPercent(band.Get_SCONTO_2()) << "% "
        << FormatPercent(band.Get_SCONTO_3()) << "% " << FormatPercent(band.Get_SCONTO_4()) << "%\n"
        << "commission:  " << FormatPercent(band.Get_PROVVIGIONE()) << "%\n"
        << "shown as:    " << Printable(band.GetDescrizioneFasciaSconto().GetString()) << "\n";
    return 0;
}

int List(CDatabase& db, std::ostream& out)
{
    CScontoSet rs(&db);
    rs.m_strSort = "ID";
    rs.Open();
    int n = 0;
    for (; !rs.IsEOF(); rs.MoveNext(), ++n) {
        CDomainFasciaSconto band(&db);
        band.FromRecordset(rs);
        out << Printable(band.GetDescrizioneFasciaSconto().GetString()) << "\n";
    }
    rs.Close();
    out << n << (n == 1 ? " band\n" : " bands\n");
    return 0;
}

}  // namespace

int RunBand(const std::vector<std::string>& words, std::ostream& out)
{
    Arguments args(words, {"connect", "file", "discounts", "commission"});
    const auto& positional = args.Positional();
    if (positional.empty())
        throw UsageError{kUsage};
    const std::string& verb = positional[0];
    if (!(verb == "add" || (verb == "show" && positional.size() == 2) || (verb == "list" && positional.size() == 1)))
        throw UsageError{kUsage};
    const auto database = OpenShopDatabase(args);
    CDatabase& db = *database;
    if (verb == "add")
        return Add(db, args, out);
    if (verb == "show")
        return Show(db, positional[1], out);
    return List(db, out);
}

}  // namespace orvelmag
