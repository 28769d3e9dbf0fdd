// "orvelmag reason add|list": the warehouse movement reasons of the shop, the kinds of its
// documents (sale, purchase, order, delivery note...). A reason says whether a document loads or
// unloads stock, whom it names, whether it carries payment and transport data and an order state,
// which price list it uses and whether it makes a payment schedule; --counter sets where the
// numbering of its documents starts for a series and year.
#include <iomanip>
#include <ostream>

#include "ArticleInput.h"
#include "Cli.h"
#include "odbc/Database.h"
#include "orveldblib/TransactionGuard.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/domain/documents/DomainCausaleMagazzino.h"
#include "orvelmagdb/recordsets/documents/CausaleSet.h"
#include "orvelmagdb/recordsets/documents/ProgressivoCausaleSet.h"
#include "orvelmagdb/recordsets/documents/ProgressivoSet.h"

namespace orvelmag {

namespace {

constexpr const char* kUsage =
    "reason add ID DESCRIPTION --type TYPE [--stock load|unload|none] [--value load|unload|none]\n"
    "          [--party customer|supplier|none] [--order customer|supplier|none] [--prices sale|purchase]\n"
    "          [--payment yes|no] [--transport yes|no] [--shipping yes|no] [--state yes|no]\n"
    "          [--schedule receivable|payable|none] [--valuation yes|no] [--counter SERIES:YEAR:LAST]\n"
    "  | reason list";

// The value of a choice option: its position among `choices`, or `fallback` when the option is
// not given.
int Choice(const Arguments& args, const char* option, std::initializer_list<const char*> choices, int fallback)
{
    const auto given = args.Option(option);
    if (!given)
        return fallback;
    int i = 0;
    std::string allowed;
    for (const char* choice : choices) {
        if (*given == choice)
            return i;
        allowed += (i == 0 ? "" : "|") + std::string(choice);
        ++i;
    }
    throw UsageError{"--" + std::string(option) + " takes " + allowed + ", not \"" + Printable(*given) + "\""};
}

// A signed direction: load 1, unload -1, none 0.
long Direction(const Arguments& args, const char* option, long fallback)
{
    static constexpr long kSigns[] = {1, -1, 0};
    const int fallbackIndex = fallback == 1 ? 0 : fallback == -1 ? 1 : 2;
    return kSigns[Choice(args, option, {"load", "unload", "none"}, fallbackIndex)];
}

long YesNo(const Arguments& args, const char* option)
{
    return Choice(args, option, {"no", "yes"}, 0);
}

struct Counter {
    std::string series;
    long year = 0;
    long last = 0;
};

// "SERIES:YEAR:LAST"; the series may be empty (documents without series) but may not hold ':'.
Counter ParseCounter(const std::string& text)
{
    const auto first = text.find(':');
    const auto second = first == std::string::npos ? first : text.find(':', first + 1);
    if (second == std::string::npos || text.find(':', second + 1) != std::string::npos)
        throw UsageError{"--counter takes SERIES:YEAR:LAST, not \"" + Printable(text) + "\""};
    Counter counter;
    counter.series = text.substr(0, first);
    try {
        counter.year = ParseWhole("counter year", text.substr(first + 1, second - first - 1), 1900, 9999);
        counter.last = ParseWhole("last number used", text.substr(second + 1), 0, 2147483647L);
    } catch (const InputError& e) {
        throw UsageError{e.message};
    }
    return counter;
}

// The reason as the options describe it, on the defaults of a new reason object.
CDomainCausaleMagazzino ReasonFromArguments(CDatabase& db, const Arguments& args, long id)
{
    const auto& words = args.Positional();
    CDomainCausaleMagazzino reason(&db);
    reason.Set_ID(id);
    reason.Set_DESCRIZIONE(words[2].c_str());
    reason.Set_TIPO_DOCUMENTO(args.Option("type")->c_str());
    const long stock = Direction(args, "stock", 0);
    reason.Set_F_QUANTITA(stock);
    reason.Set_F_VALORE(Direction(args, "value", stock));
    const int party = Choice(args, "party", {"customer", "supplier", "none"}, 2);
    reason.Set_F_CLIENTE(party == 0 ? 1 : 0);
    reason.Set_F_FORNITORE(party == 1 ? 1 : 0);
    const int order = Choice(args, "order", {"customer", "supplier", "none"}, 2);
    reason.Set_F_ORDINE_DA_CLIENTE(order == 0 ? 1 : 0);
    reason.Set_F_ORDINE_AL_FORNITORE(order == 1 ? 1 : 0);
    // Documents with a supplier are priced from the purchase list unless told otherwise.
    reason.Set_F_LISTINO(Choice(args, "prices", {"sale", "purchase"}, party == 1 ? 1 : 0) == 0 ? 1 : -1);
    reason.Set_F_PAGAMENTO(YesNo(args, "payment"));
    reason.Set_F_INFO_TRASPORTO(YesNo(args, "transport"));
    reason.Set_F_CLIENTE_SPEDIZIONE(YesNo(args, "shipping"));
    reason.Set_F_STATO(YesNo(args, "state"));
    reason.Set_F_VALUTAZIONE(Choice(args, "valuation", {"no", "yes"}, 1));
    const int schedule = Choice(args, "schedule", {"receivable", "payable", "none"}, 2);
    if (schedule != 2) {
        if (party == 2)
            throw UsageError{"--schedule needs --party customer or supplier: the schedule is on them"};
        reason.Set_F_SCADENZARIO(1);
        reason.Set_F_SCAD_ATTIVO(schedule == 0 ? 1 : -1);
        reason.Set_F_SCAD_SOGGETTO(party == 0 ? 1 : -1);
    }
    return reason;
}

// The library reads reasons and never writes them: the host writes the row through the
// recordset, every column from the reason object, a linked reason of -1 as NULL.
void WriteReason(CDatabase& db, const CDomainCausaleMagazzino& reason)
{
    CCausaleSet rs(&db);
    rs.m_strFilter = "ID IS NULL";
    rs.Open();
    rs.AddNew();
#define ORVEL_REASON_TO_SET(kind, name, def) rs.name = reason.Get_##name();
    ORVEL_CAUSALE_FIELDS(ORVEL_REASON_TO_SET)
#undef ORVEL_REASON_TO_SET
    for (long* linked : {&rs.ID_CAUSALE_VUOTO, &rs.ID_CAUSALE_DISTINTA, &rs.ID_CAUSALE_DISTINTA_AUTO,
                         &rs.ID_CAUSALE_MOV_DISTRIBUTORE})
        if (*linked < 1)
            rs.SetFieldNull(linked);
    rs.Update();
    rs.Close();
}

// The counter of the reason's documents for one series and year of the current company, named
// as the database names the counters it makes itself ("<reason>/<series>").
void WriteCounter(CDatabase& db, long reasonId, const Counter& counter)
{
    const long company = CApplicationAdministrator::GetInstance()->GetUser()->Get_ID_SOCIETA();
    CString counterId;
    counterId.Format("%ld/%s", reasonId, counter.series.c_str());
    CProgressivoSet rs(&db);
    rs.m_strFilter = "ID IS NULL";
    rs.Open();
    rs.AddNew();
    rs.ID = counterId;
    rs.NUMERO = counter.last;
    rs.ANNO = counter.year;
    rs.SERIE = counter.series.c_str();
    rs.SetFieldNull(&rs.SERIE, FALSE);  // no series is stored as an empty text, as numbering asks for it
    rs.RESET_NEW_YEAR = 1;
    rs.ID_SOCIETA = company;
    rs.Update();
    rs.Close();
    CProgressivoCausaleSet link(&db);
    link.m_strFilter = "ID_PROGRESSIVO IS NULL";
    link.Open();
    link.AddNew();
    link.ID_PROGRESSIVO = counterId;
    link.ANNO_PROGRESSIVO = counter.year;
    link.ID_CAUSALE = reasonId;
    link.ID_SOCIETA = company;
    link.Update();
    link.Close();
}

// The main flags in words, as the list shows them.
std::string Flags(const CDomainCausaleMagazzino& reason)
{
    std::string flags;
    auto add = [&flags](bool on, const char* word) {
        if (on)
            flags += (flags.empty() ? "" : " ") + std::string(word);
    };
    add(reason.IsMovimentoQuantita() && reason.IsCaricoQuantita(), "load");
    add(reason.IsScaricoQuantita(), "unload");
    add(reason.WantCliente(), "customer");
    add(reason.WantFornitore(), "supplier");
    add(reason.IsOrdineCliente(), "order-from-customer");
    add(reason.IsOrdineFornitore(), "order-to-supplier");
    add(reason.WantListinoAcquisto(), "purchase-prices");
    add(reason.WantPagamento(), "payment");
    add(reason.WantInfoTrasporto(), "transport");
    add(reason.WantSpedizione(), "shipping");
    add(reason.WantStatoDocumento(), "state");
    add(reason.WantScadenzarioAttivo(), "receivable");
    add(reason.WantScadenzarioPassivo(), "payable");
    add(reason.Get_F_VALUTAZIONE() == 0, "no-valuation");
    return flags;
}

int Add(CDatabase& db, const Arguments& args, std::ostream& out)
{
    const auto& words = args.Positional();
    if (words.size() != 3)
        throw UsageError{kUsage};
    if (!args.Option("type"))
        throw UsageError{"--type is required: the document type of the reason (SC, DDT, FT...)"};
    long id = 0;
    try {
        id = ParseWhole("reason id", words[1], 1, 2147483647L);
    } catch (const InputError& e) {
        throw UsageError{e.message};
    }
    CCausaleSet columns(nullptr);
    CheckArgument("the description", words[2], columns, "DESCRIZIONE");
    CheckArgument("the document type", *args.Option("type"), columns, "TIPO_DOCUMENTO");
    std::optional<Counter> counter;
    if (auto text = args.Option("counter"))
        counter = ParseCounter(*text);
    CDomainCausaleMagazzino reason = ReasonFromArguments(db, args, id);

    CTransactionGuard transaction(db, "CAUSALE");
    CDomainCausaleMagazzino existing(&db);
    existing.Set_ID(id);
    if (Found(db, [&] { return existing.DB_Load(); })) {
        out << "reason " << id << " already exists; nothing was changed\n";
        return 1;
    }
    WriteReason(db, reason);
    if (counter)
        WriteCounter(db, id, *counter);
    transaction.Commit();
    out << "added reason " << id << " " << Printable(words[2]) << " (" << Flags(reason) << ")";
    if (counter)
        out << ", counter " << (counter->series.empty() ? "without series" : "series " + counter->series) << " "
            << counter->year << " at " << counter->last;
    out << "\n";
    return 0;
}

int List(CDatabase& db, std::ostream& out)
{
    CCausaleSet rs(&db);
    rs.m_strSort = "ID";
    rs.Open();
    int n = 0;
    for (; !rs.IsEOF(); rs.MoveNext(), ++n) {
        CDomainCausaleMagazzino reason(&db);
        reason.FromRecordset(rs);
        out << std::left << std::setw(6) << reason.Get_ID() << std::setw(8)
            << Printable(reason.Get_TIPO_DOCUMENTO().GetString()) << std::setw(30)
            << Printable(reason.Get_DESCRIZIONE().GetString()) << Flags(reason) << "\n";
    }
    rs.Close();
    out << n << (n == 1 ? " reason\n" : " reasons\n");
    return 0;
}

}  // namespace

int RunReason(const std::vector<std::string>& words, std::ostream& out)
{
    Arguments args(words, {"connect", "file", "type", "stock", "value", "party", "order", "prices", "payment",
                           "transport", "shipping", "state", "schedule", "valuation", "counter"});
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
