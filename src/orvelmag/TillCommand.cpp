// "orvelmag till type|coin|pay|withdraw": what the till takes and gives back. A sale document is
// paid with one or more payment types (part cash, part card) whose amounts must make up its total;
// cash taken out of the drawer is recorded with the count of each coin and banknote taken.
//
// Payment types and coin kinds are the shop's own lists: "till type add" and "till coin add"
// write them; "pay" and "withdraw" only name them (a type by id or description, a coin by its face
// value), so a typing error is refused instead of inventing a new kind of payment.
#include <map>
#include <ostream>

#include "ArticleInput.h"
#include "Cli.h"
#include "odbc/Database.h"
#include "orveldb/domain/DomainArrayPezzoMoneta.h"
#include "orveldb/recordsets/PezzoMonetaSet.h"
#include "orveldblib/TransactionGuard.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/base/Amounts.h"
#include "orvelmagdb/domain/documents/DomainDocumentoMagazzino.h"
#include "orvelmagdb/domain/payments/DomainPagamentoBancoDocumento.h"
#include "orvelmagdb/domain/payments/DomainPrelievoBanco.h"
#include "orvelmagdb/recordsets/payments/TipoPagamentoSet.h"

namespace orvelmag {

namespace {

constexpr const char* kUsage =
    "till type add ID DESCRIPTION [--short S] | till coin add ID VALUE DESCRIPTION [--banknote]"
    " | till pay DOC TYPE:AMOUNT... | till withdraw [--coins VALUE:COUNT,...] [--amount A]"
    " [--station S] [--staff ID]";

// Amounts at the till are in cents.
constexpr int kCents = 2;

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
    return FormatFixed(value, kCents);
}

bool Equal(const Decimal& a, const Decimal& b)
{
    return VarDecCmp(a, b) == VARCMP_EQ;
}

// The shop's payment types, by id.
std::map<long, std::string> PaymentTypes(CDatabase& db)
{
    std::map<long, std::string> types;
    CTipoPagamentoSet rs(&db);
    rs.Open();
    for (; !rs.IsEOF(); rs.MoveNext())
        types[rs.ID] = rs.DESCRIZIONE.GetString();
    return types;
}

// A payment type named by its id or, without regard to case, its description or short
// description.
long FindPaymentType(CDatabase& db, const std::string& name)
{
    CTipoPagamentoSet rs(&db);
    rs.Open();
    for (; !rs.IsEOF(); rs.MoveNext()) {
        if (std::to_string(rs.ID) == name || rs.DESCRIZIONE.CompareNoCase(name.c_str()) == 0 ||
            (!rs.DESCRIZIONE_RIDOTTA.IsEmpty() && rs.DESCRIZIONE_RIDOTTA.CompareNoCase(name.c_str()) == 0))
            return rs.ID;
    }
    throw UsageError{"no payment type \"" + Printable(name) + "\": add it with till type add"};
}

int AddType(CDatabase& db, const Arguments& args, std::ostream& out)
{
    const auto& words = args.Positional();
    if (words.size() != 4)
        throw UsageError{"till type add ID DESCRIPTION [--short S]"};
    const long id = Id("payment type id", words[2]);
    const std::string shortName = args.Option("short").value_or("");
    CTipoPagamentoSet columns(nullptr);
    CheckArgument("the description", words[3], columns, "DESCRIZIONE");
    CheckArgument("the short description", shortName, columns, "DESCRIZIONE_RIDOTTA");

    CTransactionGuard transaction(db, "TIPO_PAGAMENTO");
    CTipoPagamentoSet rs(&db);
    rs.m_strFilter.Format("ID = %ld", id);
    rs.Open();
    if (!rs.IsEOF()) {
        out << "payment type " << id << " already exists; nothing was changed\n";
        return 1;
    }
    rs.AddNew();
    rs.ID = id;
    rs.DESCRIZIONE = words[3].c_str();
    rs.DESCRIZIONE_RIDOTTA = shortName.c_str();
    rs.F_BANCO = 1;  // taken at the till
    rs.Update();
    rs.Close();
    transaction.Commit();
    out << "added payment type " << id << " " << Printable(words[3]) << "\n";
    return 0;
}

int AddCoin(CDatabase& db, const Arguments& args, bool banknote, std::ostream& out)
{
    const auto& words = args.Positional();
    if (words.size() != 5)
        throw UsageError{"till coin add ID VALUE DESCRIPTION [--banknote]"};
    const long id = Id("coin id", words[2]);
    const Decimal value = Input([&] { return ParseAmount("face value", words[3]); });
    if (value.IsZero())
        throw UsageError{"a coin or banknote is worth more than 0"};
    CPezzoMonetaSet columns(nullptr);
    CheckArgument("the description", words[4], columns, "DESCRIZIONE");

    CTransactionGuard transaction(db, "PEZZO_MONETA");
    CDomainArrayPezzoMoneta known;
    if (!known.DB_LoadPezzi(&db)) {
        StopIfFailed(db);
        throw DatabaseError{};
    }
    for (int i = 0; i < known.GetSize(); ++i) {
        const CDomainPezzoMoneta& piece = known.GetAt(i);
        if (piece.Get_ID_PEZZO_MONETA() == id || Equal(piece.Get_VALORE_MONETA(), value)) {
            out << "coin " << piece.Get_ID_PEZZO_MONETA() << " of " << Money(piece.Get_VALORE_MONETA())
                << " already exists; nothing was changed\n";
            return 1;
        }
    }
    CPezzoMonetaSet rs(&db);
    rs.m_strFilter = "ID IS NULL";
    rs.Open();
    rs.AddNew();
    rs.ID = id;
    rs.DESCRIZIONE = words[4].c_str();
    rs.VALORE = ToStoredText(value);
    rs.F_BANCONOTA = banknote ? 1 : 0;
    rs.Update();
    rs.Close();
    transaction.Commit();
    out << "added coin " << id << " of " << Money(value) << " " << Printable(words[4]) << "\n";
    return 0;
}

// "till pay DOC TYPE:AMOUNT...": the document's payments, replacing any it had, when they add up
// to its total exactly (change given in cash is not a payment: state the amount kept).
int Pay(CDatabase& db, const Arguments& args, std::ostream& out)
{
    const auto& words = args.Positional();
    if (words.size() < 3)
        throw UsageError{"till pay DOC TYPE:AMOUNT..."};
    const long documentId = Id("document id", words[1]);

    CDomainPagamentoBancoDocumento payments(&db);
    payments.Set_ID_DOCUMENTO(documentId);
    Decimal paid;
    for (std::size_t i = 2; i < words.size(); ++i) {
        const std::size_t colon = words[i].rfind(':');
        if (colon == std::string::npos)
            throw UsageError{"a payment is TYPE:AMOUNT, not \"" + Printable(words[i]) + "\""};
        CDomainPagamentoBanco payment(&db);
        payment.Set_ID_DOCUMENTO(documentId);
        payment.Set_ID_TIPO_PAGAMENTO(FindPaymentType(db, words[i].substr(0, colon)));
        const Decimal amount = Input([&] { return ParseAmount("amount", words[i].substr(colon + 1)); });
        if (amount.IsZero() || !Equal(amount, Amounts::Rounded(amount, kCents)))
            throw UsageError{"a payment is more than 0, in cents: not \"" + Printable(words[i]) + "\""};
        payment.Set_VALORE(amount);
        paid = paid + amount;
        payments.Add(payment);
    }

    CDomainDocumentoMagazzino document(&db);
    document.Set_ID(documentId);
    if (!Found(db, [&] { return document.DB_Load(); })) {
        out << "document " << documentId << " not found\n";
        return 1;
    }
    if (!Equal(paid, document.Get_TOTALE())) {
        out << "the payments add up to " << Money(paid) << ", the total of document " << documentId << " is "
            << Money(document.Get_TOTALE()) << "; nothing was paid\n";
        return 1;
    }

    CTransactionGuard transaction(db);
    payments.DB_Edit();
    transaction.Commit();

    CDomainPagamentoBancoDocumento stored(&db);
    stored.Set_ID_DOCUMENTO(documentId);
    stored.DB_Load();
    const std::map<long, std::string> types = PaymentTypes(db);
    out << "paid document " << documentId << ": " << Money(paid) << "\n";
    for (INT_PTR i = 0; i < stored.GetPagamenti().GetSize(); ++i) {
        const CDomainPagamentoBanco& p = stored.GetPagamenti()[i];
        out << "  " << Money(p.Get_VALORE()) << " " << Printable(types.at(p.Get_ID_TIPO_PAGAMENTO())) << "\n";
    }
    return 0;
}

// "--coins 50:2,20:5": the count of each coin or banknote, named by its face value.
CDomainArrayPezzoMoneta ParseCoins(CDatabase& db, const std::string& text)
{
    CDomainArrayPezzoMoneta known;
    if (!known.DB_LoadPezzi(&db)) {
        StopIfFailed(db);
        throw DatabaseError{};
    }
    CDomainArrayPezzoMoneta coins;
    for (const std::string& item : Split(text, ',')) {
        const std::vector<std::string> parts = Split(item, ':');
        if (parts.size() != 2)
            throw UsageError{"--coins takes VALUE:COUNT,..., not \"" + Printable(item) + "\""};
        const Decimal value = Input([&] { return ParseAmount("face value", parts[0]); });
        const long count = Input([&] { return ParseWhole("number of pieces", parts[1], 1, 1000000); });
        int found = -1;
        for (int i = 0; i < known.GetSize() && found < 0; ++i)
            if (Equal(known.GetAt(i).Get_VALORE_MONETA(), value))
                found = i;
        if (found < 0)
            throw UsageError{"no coin or banknote of " + Printable(parts[0]) + ": add it with till coin add"};
        for (int i = 0; i < coins.GetSize(); ++i)
            if (coins.GetAt(i).Get_ID_PEZZO_MONETA() == known.GetAt(found).Get_ID_PEZZO_MONETA())
                throw UsageError{"--coins names the coin of " + Printable(parts[0]) + " twice"};
        CDomainPezzoMoneta piece = known.GetAt(found);
        piece.Set_NUMERO_MONETE(count);
        coins.Add(piece);
    }
    return coins;
}

int Withdraw(CDatabase& db, const Arguments& args, std::ostream& out)
{
    if (args.Positional().size() != 1)
        throw UsageError{kUsage};
    const auto coinsText = args.Option("coins");
    const auto amountText = args.Option("amount");
    if (!coinsText && !amountText)
        throw UsageError{"till withdraw needs --coins, --amount or both"};

    CDomainPrelievoBanco withdrawal(&db);
    withdrawal.Set_DATA(COleDateTime::GetCurrentTime());
    withdrawal.Set_ID_SOCIETA(CApplicationAdministrator::GetInstance()->GetUser()->Get_ID_SOCIETA());
    if (auto station = args.Option("station")) {
        CheckText("the till station", *station, 255);
        withdrawal.Set_ID_POSTAZIONE(station->c_str());
    }
    if (auto staff = args.Option("staff"))
        withdrawal.Set_ID_COLLABORATORE(Id("staff member", *staff));

    Decimal amount;
    if (coinsText) {
        withdrawal.SetArrayPezzoMoneta(ParseCoins(db, *coinsText));
        amount = withdrawal.GetArrayPezzoMoneta().Get_TOTALE_VALORE();
    }
    // The drawer is counted: a stated amount that the pieces do not make up is a miscount.
    if (amountText) {
        const Decimal stated = Input([&] { return ParseAmount("amount", *amountText); });
        if (coinsText && !Equal(stated, amount))
            throw UsageError{"the coins make " + Money(amount) + ", not " + Money(stated)};
        amount = stated;
    }
    if (amount.IsZero())
        throw UsageError{"a withdrawal takes more than 0"};
    withdrawal.Set_VALORE(amount);

    CTransactionGuard transaction(db);
    withdrawal.DB_AddNew();
    transaction.Commit();

    out << "withdrawal " << withdrawal.Get_ID() << ": " << Money(amount);
    const CDomainArrayPezzoMoneta& coins = withdrawal.GetArrayPezzoMoneta();
    for (int i = 0; i < coins.GetSize(); ++i)
        out << (i == 0 ? " = " : " + ") << coins.GetAt(i).Get_NUMERO_MONETE() << " x "
            << Money(coins.GetAt(i).Get_VALORE_MONETA());
    out << "\n";
    return 0;
}

}  // namespace

int RunTill(const std::vector<std::string>& words, std::ostream& out)
{
    // --banknote is a switch: taken out before the options with values are read.
    std::vector<std::string> rest(words);
    const bool banknote = std::erase(rest, std::string("--banknote")) > 0;
    Arguments parsed(rest, {"connect", "file", "short", "coins", "amount", "station", "staff"});
    const auto& p = parsed.Positional();
    if (p.empty())
        throw UsageError{kUsage};
    const bool add = p.size() >= 2 && p[1] == "add";
    if (!((p[0] == "type" && add) || (p[0] == "coin" && add) || p[0] == "pay" || p[0] == "withdraw"))
        throw UsageError{kUsage};
    const auto database = OpenShopDatabase(parsed);
    CDatabase& db = *database;
    if (p[0] == "type")
        return AddType(db, parsed, out);
    if (p[0] == "coin")
        return AddCoin(db, parsed, banknote, out);
    if (p[0] == "pay")
        return Pay(db, parsed, out);
    return Withdraw(db, parsed, out);
}

}  // namespace orvelmag
