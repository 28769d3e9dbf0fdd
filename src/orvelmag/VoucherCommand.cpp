// "orvelmag voucher add|check": voucher campaigns of the current company. "add" saves a campaign
// (a percentage of the sale, a fixed amount, goods or points) with its threshold, ceiling, days
// and the categories, families, groups and movement reasons it is limited to. "check DOC" goes
// through the company's campaigns and tells, for each, whether the stored document earns its
// voucher and what the voucher is worth, as a till does when it closes a receipt.
//
// The library keeps a campaign's movement reasons without reading them; this host offers a
// campaign that lists reasons only to documents of one of them.
#include <cstdio>
#include <ostream>

#include "ArticleInput.h"
#include "Cli.h"
#include "odbc/Database.h"
#include "orveldblib/TransactionGuard.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/domain/documents/DomainCausaleMagazzino.h"
#include "orvelmagdb/domain/documents/DomainDocumentoMagazzino.h"
#include "orvelmagdb/domain/promotions/DomainEmissioneBuono.h"
#include "orvelmagdb/recordsets/masterdata/CategoriaSet.h"
#include "orvelmagdb/recordsets/masterdata/FamigliaSet.h"
#include "orvelmagdb/recordsets/masterdata/GruppoSet.h"
#include "orvelmagdb/recordsets/promotions/EmissioneBuonoCompletaSet.h"
#include "orvelmagdb/recordsets/promotions/EmissioneBuonoSet.h"

namespace orvelmag {

namespace {

constexpr const char* kUsage =
    "voucher add --kind percent|amount|goods|points [--discount P] [--amount A] [--threshold T] [--max M]\n"
    "          [--from dd/mm/yyyy|none] [--to dd/mm/yyyy|none] [--text T]... [--category C]...\n"
    "          [--family F]... [--group G]... [--reason N]...     (--from and --to default to today)\n"
    "  | voucher check DOC";

// The kinds in the order of their stored values.
constexpr const char* kKinds[] = {"percent", "amount", "goods", "points"};

int TotalsPrecision()
{
    return CApplicationAdministrator::GetInstance()->GetConfig()->GetParamAsInt("precisione/totali");
}

Decimal Amount(const std::string& what, const std::string& text)
{
    try {
        return ParseAmount(what, text);
    } catch (const InputError& e) {
        throw UsageError{e.message};
    }
}

// "dd/mm/yyyy" at midnight, or "none" for no limit on that side.
COleDateTime Day(const char* option, const std::string& text)
{
    COleDateTime date;
    if (text == "none") {
        date.SetStatus(COleDateTime::null);
        return date;
    }
    int d = 0, m = 0, y = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%2d/%2d/%4d%c", &d, &m, &y, &tail) != 3 || date.SetDate(y, m, d) != 0)
        throw UsageError{std::string("--") + option + " takes a date dd/mm/yyyy or none, not \"" + Printable(text) +
                         "\""};
    return date;
}

std::string DayText(const COleDateTime& date)
{
    if (date.GetStatus() == COleDateTime::null)
        return "open";
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", date.GetDay() % 100, date.GetMonth() % 100,
                  date.GetYear() % 10000);
    return text;
}

// True when the master-data row of that text key exists.
template <class Set>
bool KeyExists(CDatabase& db, const std::string& id)
{
    Set rs(&db);
    rs.m_strFilter.Format("ID = '%s'", CDomainClass::SetFilterParam(id.c_str()).GetString());
    rs.Open();
    const bool found = !rs.IsEOF();
    rs.Close();
    return found;
}

// Checks the ids of one list of the command line and adds them to the campaign's list; the
// UsageError or the returned text names the first that cannot be used.
template <class Set>
std::string AddKeys(CDatabase& db, const char* what, const char* column, const std::vector<std::string>& ids,
                    CStringArray& list)
{
    Set columns(nullptr);
    for (const std::string& id : ids) {
        CheckArgument(std::string("the ") + what, id, columns, column);
        if (!KeyExists<Set>(db, id))
            return std::string(what) + " " + Printable(id) + " does not exist";
        list.Add(id.c_str());
    }
    return "";
}

// What the campaign gives and from what amount, in words: "10% from 20.00 up to 200.00".
std::string Terms(const CDomainEmissioneBuono& campaign)
{
    const int t = TotalsPrecision();
    std::string terms;
    switch (campaign.Get_F_TIPO()) {
    case CDomainEmissioneBuono::TIPO_SCONTO:
        terms = FormatPercent(campaign.Get_SCONTO()) + "%";
        break;
    case CDomainEmissioneBuono::TIPO_IMPORTO:
        terms = FormatFixed(campaign.Get_IMPORTO(), t);
        break;
    case CDomainEmissioneBuono::TIPO_BENE:
        terms = "goods";
        break;
    default:
        terms = "a point per " + FormatFixed(campaign.Get_IMPORTO_SOGLIA(), t);
        break;
    }
    terms += " from " + FormatFixed(campaign.Get_IMPORTO_SOGLIA(), t);
    if (campaign.Get_IMPORTO_MASSIMO() > Decimal(0L))
        terms += " up to " + FormatFixed(campaign.Get_IMPORTO_MASSIMO(), t);
    const auto listed = [&terms](const char* label, CString filter) {
        if (!filter.IsEmpty())
            terms += std::string(", ") + label + " " + Printable(filter.Trim().GetString());
    };
    listed("categories", campaign.GetCategorieFilter());
    listed("families", campaign.GetFamiglieFilter());
    listed("groups", campaign.GetGruppiFilter());
    listed("reasons", campaign.GetCausaliFilter());
    return terms;
}

std::string Description(const CDomainEmissioneBuono& campaign)
{
    return "campaign " + std::to_string(campaign.Get_ID()) + " (" + campaign.GetStrTipoBuonoSconto().GetString() +
           ": " + Terms(campaign) + "; " + DayText(campaign.Get_DATA_INIZIO()) + " to " +
           DayText(campaign.Get_DATA_FINE()) + ")";
}

int Add(CDatabase& db, const Arguments& args, const std::vector<std::string>& texts,
        const std::vector<std::string>& categories, const std::vector<std::string>& families,
        const std::vector<std::string>& groups, const std::vector<std::string>& reasons, std::ostream& out)
{
    if (args.Positional().size() != 1)
        throw UsageError{kUsage};
    const auto kindText = args.Option("kind");
    if (!kindText)
        throw UsageError{"--kind is required: percent, amount, goods or points"};
    long kind = -1;
    for (long i = 0; i < 4; ++i)
        if (*kindText == kKinds[i])
            kind = i;
    if (kind < 0)
        throw UsageError{"--kind takes percent|amount|goods|points, not \"" + Printable(*kindText) + "\""};
    // A value the kind does not use would be stored and never paid: refused rather than lost.
    if (args.Option("discount").has_value() != (kind == CDomainEmissioneBuono::TIPO_SCONTO))
        throw UsageError{"--discount is given with --kind percent, and only with it"};
    if (args.Option("amount").has_value() != (kind == CDomainEmissioneBuono::TIPO_IMPORTO))
        throw UsageError{"--amount is given with --kind amount, and only with it"};
    if (texts.size() > 3)
        throw UsageError{"a voucher prints at most three --text lines"};

    CDomainEmissioneBuono campaign(&db);
    campaign.Set_F_TIPO(kind);
    if (auto text = args.Option("discount")) {
        campaign.Set_SCONTO(Amount("discount", *text));
        if (campaign.Get_SCONTO() > Decimal(100L) || campaign.Get_SCONTO().IsZero())
            throw UsageError{"--discount takes a percentage above 0 and up to 100, not \"" + Printable(*text) + "\""};
    }
    if (auto text = args.Option("amount"))
        campaign.Set_IMPORTO(Amount("amount", *text));
    if (auto text = args.Option("threshold"))
        campaign.Set_IMPORTO_SOGLIA(Amount("threshold", *text));
    if (auto text = args.Option("max"))
        campaign.Set_IMPORTO_MASSIMO(Amount("maximum", *text));
    if (kind == CDomainEmissioneBuono::TIPO_PUNTI && !(campaign.Get_IMPORTO_SOGLIA() > Decimal(0L)))
        throw UsageError{"a points campaign needs --threshold, the amount of one point"};
    if (campaign.Get_IMPORTO_MASSIMO() > Decimal(0L) && campaign.Get_IMPORTO_MASSIMO() < campaign.Get_IMPORTO_SOGLIA())
        throw UsageError{"--max is below --threshold: no sale could earn the voucher"};
    if (auto text = args.Option("from"))
        campaign.Set_DATA_INIZIO(Day("from", *text));
    if (auto text = args.Option("to"))
        campaign.Set_DATA_FINE(Day("to", *text));
    if (campaign.Get_DATA_FINE() < campaign.Get_DATA_INIZIO())
        throw UsageError{"--to is before --from: the campaign would never run"};
    CEmissioneBuonoSet columns(nullptr);
    CString* const lines[] = {&campaign.Ref_TESTO1(), &campaign.Ref_TESTO2(), &campaign.Ref_TESTO3()};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        CheckArgument("the voucher text", texts[i], columns, "TESTO1");
        *lines[i] = texts[i].c_str();
    }
    std::vector<long> reasonIds;
    for (const std::string& text : reasons) {
        try {
            reasonIds.push_back(ParseWhole("reason id", text, 1, 2147483647L));
        } catch (const InputError& e) {
            throw UsageError{e.message};
        }
    }

    // What the lists name must exist when the campaign is saved, and keep existing until then.
    CTransactionGuard transaction(db, "EMISSIONE_BUONO");
    std::string problem = AddKeys<CCategoriaSet>(db, "category", "ID", categories, campaign.RefIDCategorie());
    if (problem.empty())
        problem = AddKeys<CFamigliaSet>(db, "family", "ID", families, campaign.RefIDFamiglie());
    if (problem.empty())
        problem = AddKeys<CGruppoSet>(db, "group", "ID", groups, campaign.RefIDGruppi());
    for (long id : reasonIds) {
        CDomainCausaleMagazzino reason(&db);
        reason.Set_ID(id);
        if (problem.empty() && !Found(db, [&] { return reason.DB_Load(); }))
            problem = "reason " + std::to_string(id) + " does not exist";
        campaign.RefIDCausali().Add(id);
    }
    if (!problem.empty()) {
        out << problem << "; the campaign was not added\n";
        return 1;
    }
    const bool limited = !categories.empty() || !families.empty() || !groups.empty();
    campaign.Set_F_TIPO_ARTICOLI(limited ? CDomainEmissioneBuono::ARTICOLI_SCELTI
                                         : CDomainEmissioneBuono::ARTICOLI_TUTTI);
    campaign.DB_AddNew();
    transaction.Commit();
    out << "added voucher " << Description(campaign) << "\n";
    return 0;
}

// Whether the document is offered the campaign: a campaign listing movement reasons is for the
// documents of those reasons only.
bool OfferedFor(const CDomainEmissioneBuono& campaign, long reasonId)
{
    const CArray<long, long>& reasons = campaign.GetIDCausali();
    if (reasons.IsEmpty())
        return true;
    for (INT_PTR i = 0; i < reasons.GetSize(); ++i)
        if (reasons.GetAt(i) == reasonId)
            return true;
    return false;
}

int Check(CDatabase& db, long documentId, std::ostream& out)
{
    CDomainDocumentoMagazzino doc(&db);
    doc.Set_ID(documentId);
    if (!Found(db, [&] { return doc.DB_Load(); })) {
        out << "document " << documentId << " not found\n";
        return 1;
    }
    const int t = TotalsPrecision();
    out << "document " << documentId << ": " << Printable(doc.GetDescrizione().GetString()) << ", total "
        << FormatFixed(doc.Get_TOTALE(), t) << "\n";

    const long company = CApplicationAdministrator::GetInstance()->GetUser()->Get_ID_SOCIETA();
    std::vector<long> ids;
    CEmissioneBuonoCompletaSet rs(&db);
    rs.m_strFilter.Format("SOCIETA_ID = %ld", company);
    rs.m_strSort = "ID";
    rs.Open();
    for (; !rs.IsEOF(); rs.MoveNext())
        ids.push_back(rs.ID);
    rs.Close();

    int earned = 0;
    for (long id : ids) {
        CDomainEmissioneBuono campaign(&db);
        campaign.Set_ID(id);
        campaign.Set_SOCIETA_ID(company);
        campaign.DB_Load();
        out << "  " << Description(campaign) << ": ";
        if (!campaign.IsInCorso()) {
            out << "not running today\n";
            continue;
        }
        if (!OfferedFor(campaign, doc.Get_CAUSALE().Get_ID())) {
            out << "not for documents of reason " << doc.Get_CAUSALE().Get_ID() << "\n";
            continue;
        }
        const bool earns = Found(db, [&] { return campaign.VerificaEmissioneBuono(doc); });
        const Decimal counted = campaign.GetTotaleArticoliPromozione();
        out << "counted " << FormatFixed(counted, t) << ", ";
        // A campaign for chosen articles with no threshold would reward a receipt that holds none
        // of them, its nothing counted reaching the threshold of nothing: the till gives no voucher.
        const bool noneOfItsArticles =
            campaign.Get_F_TIPO_ARTICOLI() == CDomainEmissioneBuono::ARTICOLI_SCELTI && counted.IsZero();
        if (!earns || noneOfItsArticles) {
            out << (noneOfItsArticles && earns ? "none of its articles, " : "") << "no voucher\n";
            continue;
        }
        ++earned;
        switch (campaign.Get_F_TIPO()) {
        case CDomainEmissioneBuono::TIPO_BENE:
            out << "earns the goods";
            break;
        case CDomainEmissioneBuono::TIPO_PUNTI:
            out << "earns " << campaign.GetPuntiBuonoSconto(counted) << " points";
            break;
        default:
            out << "earns a voucher worth " << FormatFixed(campaign.GetValoreBuonoSconto(counted), t);
            break;
        }
        out << "\n";
    }
    if (ids.empty())
        out << "  no voucher campaigns\n";
    out << "document " << documentId << " earns " << earned << (earned == 1 ? " voucher\n" : " vouchers\n");
    return 0;
}

}  // namespace

int RunVoucher(const std::vector<std::string>& words, std::ostream& out)
{
    std::vector<std::string> rest(words);
    const std::vector<std::string> texts = TakeRepeated(rest, "text");
    const std::vector<std::string> categories = TakeRepeated(rest, "category");
    const std::vector<std::string> families = TakeRepeated(rest, "family");
    const std::vector<std::string> groups = TakeRepeated(rest, "group");
    const std::vector<std::string> reasons = TakeRepeated(rest, "reason");
    Arguments args(rest, {"connect", "file", "kind", "discount", "amount", "threshold", "max", "from", "to"});
    const auto& positional = args.Positional();
    if (positional.empty())
        throw UsageError{kUsage};
    long documentId = 0;
    if (positional[0] == "check") {
        for (const char* name : {"kind", "discount", "amount", "threshold", "max", "from", "to"})
            if (args.Option(name))
                throw UsageError{std::string("--") + name + " belongs to voucher add"};
        if (!texts.empty() || !categories.empty() || !families.empty() || !groups.empty() || !reasons.empty())
            throw UsageError{"--text, --category, --family, --group and --reason belong to voucher add"};
        if (positional.size() != 2)
            throw UsageError{kUsage};
        try {
            documentId = ParseWhole("document id", positional[1], 1, 2147483647L);
        } catch (const InputError& e) {
            throw UsageError{e.message};
        }
    } else if (positional[0] != "add") {
        throw UsageError{kUsage};
    }
    const auto database = OpenShopDatabase(args);
    CDatabase& db = *database;
    if (positional[0] == "check")
        return Check(db, documentId, out);
    return Add(db, args, texts, categories, families, groups, reasons, out);
}

}  // namespace orvelmag
