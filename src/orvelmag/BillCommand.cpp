// "orvelmag bill new|show": bills that gather due instalments, of one schedule or of several, for
// one partner. An instalment is named by its id or as SCHEDULE/N (the N-th instalment of a
// schedule, as "schedule show" numbers them). The bill's amount is what it gathers unless given.
#include <ostream>
#include <set>

#include "ArticleInput.h"
#include "Cli.h"
#include "odbc/Database.h"
#include "orveldblib/TransactionGuard.h"
#include "orvelmagdb/domain/payments/DomainEffetto.h"
#include "orvelmagdb/recordsets/payments/EffettoSet.h"
#include "orvelmagdb/recordsets/payments/ScadenzaSet.h"

namespace orvelmag {

namespace {

constexpr const char* kUsage =
    "bill new --instalments ID|SCHEDULE/N,... [--amount A] [--date dd/mm/yyyy] [--type T] [--account ID]"
    " [--note TEXT] | bill show ID";

template <class Parse>
auto Input(Parse&& parse)
{
    try {
        return parse();
    } catch (const InputError& e) {
        throw UsageError{e.message};
    }
}

long Id(const std::string& what, const std::string& text)
{
    return Input([&] { return ParseWhole(what, text, 1, 2147483647L); });
}

std::string Money(const Decimal& value)
{
    return FormatFixed(value, 2);
}

std::string Date(const COleDateTime& date)
{
    return date.GetStatus() == COleDateTime::valid ? date.Format("%d/%m/%Y").GetString() : "none";
}

// The id of an instalment named by id or as SCHEDULE/N; -1 when SCHEDULE/N names none.
long InstalmentId(CDatabase& db, const std::string& text)
{
    const std::vector<std::string> parts = Split(text, '/');
    if (parts.size() == 1)
        return Id("instalment id", parts[0]);
    if (parts.size() != 2)
        throw UsageError{"an instalment is ID or SCHEDULE/N, not \"" + Printable(text) + "\""};
    const long schedule = Id("schedule id", parts[0]);
    const long number = Id("instalment number", parts[1]);
    CScadenzaSet rs(&db);
    rs.m_strFilter.Format("ID_SCADENZARIO = %ld AND NUMERO = %ld", schedule, number);
    rs.Open();
    return rs.IsEOF() ? -1 : rs.ID;
}

int New(CDatabase& db, const Arguments& args, std::ostream& out)
{
    const auto list = args.Option("instalments");
    if (args.Positional().size() != 1 || !list)
        throw UsageError{kUsage};

    CDomainEffetto bill(&db);
    bill.SetTransController(true);
    if (auto date = args.Option("date")) {
        COleDateTime when;
        if (!CDomainClass::From_StringDate_To_COleDateTime(date->c_str(), when) || when.GetYear() > 9999)
            throw UsageError{"--date takes a date dd/mm/yyyy, not \"" + Printable(*date) + "\""};
        bill.Set_DATA_EFFETTO(when);
    }
    if (auto type = args.Option("type"))
        bill.Set_ID_TIPO_EFFETTO(Id("bill type", *type));
    if (auto account = args.Option("account"))
        bill.Set_ID_CONTO(Id("account", *account));
    if (auto note = args.Option("note")) {
        CEffettoSet columns(nullptr);
        CheckArgument("the note", *note, columns, "NOTE");
        bill.Set_NOTE(note->c_str());
    }

    // One bill collects from one partner, in one direction, what is still due.
    CTransactionGuard transaction(db, "EFFETTO");
    std::set<long> seen;
    Decimal gathered;
    for (const std::string& item : Split(*list, ',')) {
        const long id = InstalmentId(db, item);
        CDomainScadenza instalment(&db);
        instalment.Set_ID(id);
        if (id < 1 || !Found(db, [&] { return instalment.DB_Load(); }) || instalment.Get_ID_SCADENZARIO() < 1) {
            out << "instalment " << Printable(item) << " not found; no bill was made\n";
            return 1;
        }
        std::string refusal;
        if (!seen.insert(id).second)
            refusal = "is named twice";
        else if (instalment.Get_F_EVASA() != 0)
            refusal = "is already settled";
        else if (bill.SCADENZE_GetSize() > 0 && (instalment.Get_ID_SOGGETTO() != bill.Get_ID_SOGGETTO() ||
                                                 instalment.Get_F_ATTIVA() != bill.Get_F_ATTIVO()))
            refusal = "belongs to another partner or direction than the first";
        if (!refusal.empty()) {
            out << "instalment " << Printable(item) << " " << refusal << "; no bill was made\n";
            return 1;
        }
        if (bill.SCADENZE_GetSize() == 0) {
            bill.Set_ID_SOGGETTO(instalment.Get_ID_SOGGETTO());
            bill.Set_SOGGETTO(instalment.Get_SOGGETTO());
            bill.Set_F_ATTIVO(instalment.Get_F_ATTIVA());
        }
        gathered = gathered + instalment.Get_IMPORTO();
        bill.SCADENZE_Add(instalment);
    }
    bill.Set_NUM_SCADENZE(bill.SCADENZE_GetSize());
    bill.Set_IMPORTO(args.Option("amount") ? Input([&] { return ParseAmount("amount", *args.Option("amount")); })
                                           : gathered);
    if (!bill.DB_AddNew()) {
        StopIfFailed(db);
        throw DatabaseError{};
    }
    transaction.Commit();
    out << "added bill " << bill.Get_ID() << ": " << Money(bill.Get_IMPORTO()) << ", "
        << bill.SCADENZE_GetSize() << (bill.SCADENZE_GetSize() == 1 ? " instalment" : " instalments")
        << " of " << Printable(bill.Get_SOGGETTO().GetString()) << " (due " << Money(gathered) << ")\n";
    return 0;
}

int Show(CDatabase& db, const std::string& text, std::ostream& out)
{
    const long id = Id("bill id", text);
    CEffettoSet row(&db);
    row.m_strFilter.Format("ID = %ld", id);
    row.Open();
    if (row.IsEOF()) {
        out << "bill " << id << " not found\n";
        return 1;
    }
    row.Close();
    CDomainEffetto bill(&db);
    bill.Set_ID(id);
    if (!Found(db, [&] { return bill.DB_Load(); }))
        throw DatabaseError{};
    out << "bill:        " << bill.Get_ID() << "\n"
        << "date:        " << Date(bill.Get_DATA_EFFETTO()) << "\n"
        << "partner:     " << Printable(bill.Get_SOGGETTO().GetString()) << "\n"
        << "direction:   " << (bill.Get_F_ATTIVO() == -1 ? "payable" : "receivable") << "\n"
        << "amount:      " << Money(bill.Get_IMPORTO()) << "\n"
        << "instalments: " << bill.SCADENZE_GetSize() << "\n";
    for (int i = 0; i < bill.SCADENZE_GetSize(); ++i) {
        const CDomainScadenza& s = bill.SCADENZE_ElementAt(i);
        out << "  " << s.Get_ID_SCADENZARIO() << "/" << s.Get_NUMERO() << "  due " << Date(s.Get_DATA_SCADENZA())
            << "  " << Money(s.Get_IMPORTO()) << "  " << Printable(s.Get_DESCRIZIONE_SCADENZARIO().GetString()) << "\n";
    }
    return 0;
}

}  // namespace

int RunBill(const std::vector<std::string>& words, std::ostream& out)
{
    Arguments args(words, {"connect", "file", "instalments", "amount", "date", "type", "account", "note"});
    const auto& p = args.Positional();
    if (p.empty() || !(p[0] == "new" || (p[0] == "show" && p.size() == 2)))
        throw UsageError{kUsage};
    const auto database = OpenShopDatabase(args);
    if (p[0] == "new")
        return New(*database, args, out);
    return Show(*database, p[1], out);
}

}  // namespace orvelmag
