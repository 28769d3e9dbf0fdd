// "orvelmag promo add|list|show|price": the promotions of the current company. A promotion is a
// fixed price, cascading percentages, buy M pay N or an amount off, from its first to its last
// day, on the articles named with --article. "promo price" prices an article as the till does
// today: every promotion it takes part in, which of them run, and the price after the best one.
#include <ostream>
#include <set>

#include "ArticleInput.h"
#include "ArticleLookup.h"
#include "Cli.h"
#include "PromoPricing.h"
#include "odbc/Database.h"
#include "orveldblib/TransactionGuard.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/domain/articles/DomainArticolo.h"
#include "orvelmagdb/domain/promotions/DomainPromozione.h"
#include "orvelmagdb/recordsets/promotions/ArticoloPromozioneListSet.h"
#include "orvelmagdb/recordsets/promotions/ArticoloPromozioneSet.h"
#include "orvelmagdb/recordsets/promotions/PromozioneCompletaSet.h"
#include "orvelmagdb/recordsets/promotions/PromozioneSet.h"

namespace orvelmag {

namespace {

constexpr const char* kUsage =
    "promo add fixed|percent|mxn|amount DESCRIPTION [--price P] [--discounts s1,s2,s3,s4] [--mxn M:N]\n"
    "          [--amount A] [--net yes|no] [--from dd/mm/yyyy[ hh:mm]] [--to dd/mm/yyyy|open] [--article KEY]...\n"
    "  | promo list | promo show ID | promo price KEY [--qty N]";

long Company()
{
    return CApplicationAdministrator::GetInstance()->GetUser()->Get_ID_SOCIETA();
}

int Precision(const char* key)
{
    return CApplicationAdministrator::GetInstance()->GetConfig()->GetParamAsInt(key);
}

std::string Money(const Decimal& value) { return FormatFixed(value, Precision("precisione/prezzi")); }
std::string Quantity(const Decimal& value) { return FormatPercent(value); }

// "dd/mm/yyyy", with the time when it is not midnight; "open" for a null end date.
std::string DateText(const COleDateTime& date)
{
    if (date.GetStatus() == COleDateTime::null)
        return "open";
    if (date.GetStatus() != COleDateTime::valid)
        return "invalid";
    const bool midnight = date.GetHour() == 0 && date.GetMinute() == 0 && date.GetSecond() == 0;
    return date.Format(midnight ? "%d/%m/%Y" : "%d/%m/%Y %H:%M").GetString();
}

COleDateTime ParseDate(const char* option, const std::string& text)
{
    COleDateTime date;
    if (!CDomainClass::From_StringDate_To_COleDateTime(CString(text.c_str()), date))
        throw UsageError{"--" + std::string(option) + " takes dd/mm/yyyy or dd/mm/yyyy hh:mm, not \"" +
                         Printable(text) + "\""};
    return date;
}

// What the promotion does, in the words of its kind: "10% 5%", "3 x 2", "price 8.00 net".
std::string Terms(const CDomainPromozione& p)
{
    const std::string net = " net";
    switch (p.Get_TIPO_PROMOZIONE()) {
    case CDomainPromozione::TIPO_PREZZO_FISSO:
        return "price " + Money(p.Get_PREZZO_PROMOZIONE()) + (p.Get_F_TIPO_PREZZO_PROMOZIONE() == 1 ? net : "");
    case CDomainPromozione::TIPO_SCONTO_PERCENTUALE: {
        std::string terms;
        for (const Decimal& d : {p.Get_SCONTO_1_PROMOZIONE(), p.Get_SCONTO_2_PROMOZIONE(), p.Get_SCONTO_3_PROMOZIONE(),
                                 p.Get_SCONTO_4_PROMOZIONE()})
            if (!d.IsZero())
                terms += (terms.empty() ? "" : " ") + FormatPercent(d) + "%";
        return terms.empty() ? "0%" : terms;
    }
    case CDomainPromozione::TIPO_MXN:
        return Quantity(p.Get_MXN_PARTE_M()) + " x " + Quantity(p.Get_MXN_PARTE_N());
    case CDomainPromozione::TIPO_SCONTO_EURO:
        return Money(p.Get_SCONTO_EURO()) + " off" + (p.Get_F_TIPO_SCONTO_EURO() == 1 ? net : "");
    default:
        return "";
    }
}

// "4 M x N 3 x 2 "3 per 2", 17/03/2025 - 23/03/2025"
std::string Summary(const CDomainPromozione& p)
{
    CString label = "kind ";
    if (p.Get_TIPO_PROMOZIONE() < 0 || p.Get_TIPO_PROMOZIONE() > 3)
        label += std::to_string(p.Get_TIPO_PROMOZIONE()).c_str();
    p.Get_TIPO_PROMOZIONE(label);
    return std::to_string(p.Get_ID()) + " " + label.GetString() + " " + Terms(p) + " \"" +
           Printable(p.Get_DESCRIZIONE().GetString()) + "\", " + DateText(p.Get_DATA_INIZIO()) + " - " +
           DateText(p.Get_DATA_FINE());
}

struct KindOptions {
    const char* word;
    const char* option;  // the option the kind needs
};
constexpr KindOptions kKinds[] = {
    {"fixed", "price"}, {"percent", "discounts"}, {"mxn", "mxn"}, {"amount", "amount"}};

// The promotion of the command line on the defaults of a new promotion object.
CDomainPromozione PromotionFromArguments(CDatabase& db, const Arguments& args)
{
    const auto& words = args.Positional();
    int kind = -1;
    for (int k = 0; k < 4; ++k)
        if (words[1] == kKinds[k].word)
            kind = k;
    if (kind < 0)
        throw UsageError{"the kind is fixed, percent, mxn or amount, not \"" + Printable(words[1]) + "\""};
    for (int k = 0; k < 4; ++k) {
        const bool given = args.Option(kKinds[k].option).has_value();
        if (k == kind && !given)
            throw UsageError{std::string("a ") + kKinds[k].word + " promotion needs --" + kKinds[k].option};
        if (k != kind && given)
            throw UsageError{std::string("--") + kKinds[k].option + " is for " + kKinds[k].word + " promotions"};
    }
    const auto netOption = args.Option("net");
    if (netOption && *netOption != "yes" && *netOption != "no")
        throw UsageError{"--net takes yes|no, not \"" + Printable(*netOption) + "\""};
    if (netOption && kind != CDomainPromozione::TIPO_PREZZO_FISSO && kind != CDomainPromozione::TIPO_SCONTO_EURO)
        throw UsageError{"--net is for fixed and amount promotions"};
    const long net = netOption == "yes" ? 1 : 0;

    CDomainPromozione p(&db);
    p.Set_TIPO_PROMOZIONE(kind);
    p.Set_DESCRIZIONE(words[2].c_str());
    try {
        switch (kind) {
        case CDomainPromozione::TIPO_PREZZO_FISSO:
            p.Set_PREZZO_PROMOZIONE(ParseAmount("price", *args.Option("price")));
            p.Set_F_TIPO_PREZZO_PROMOZIONE(net);
            break;
        case CDomainPromozione::TIPO_SCONTO_PERCENTUALE: {
            const auto d = ParseDiscounts(*args.Option("discounts"));
            p.Set_SCONTO_1_PROMOZIONE(d[0]), p.Set_SCONTO_2_PROMOZIONE(d[1]);
            p.Set_SCONTO_3_PROMOZIONE(d[2]), p.Set_SCONTO_4_PROMOZIONE(d[3]);
            break;
        }
        case CDomainPromozione::TIPO_MXN: {
            const std::string text = *args.Option("mxn");  // Option answers a copy
            const auto colon = text.find(':');
            if (colon == std::string::npos)
                throw InputError{"--mxn takes M:N, the pieces taken and the pieces paid, not \"" + Printable(text) + "\""};
            p.Set_MXN_PARTE_M(ParseAmount("M", text.substr(0, colon)));
            p.Set_MXN_PARTE_N(ParseAmount("N", text.substr(colon + 1)));
            if (p.Get_MXN_PARTE_N() >= p.Get_MXN_PARTE_M())
                throw InputError{"--mxn " + Printable(text) + " gives nothing away: N must be below M"};
            break;
        }
        case CDomainPromozione::TIPO_SCONTO_EURO:
            p.Set_SCONTO_EURO(ParseAmount("amount", *args.Option("amount")));
            p.Set_F_TIPO_SCONTO_EURO(net);
            break;
        }
    } catch (const InputError& e) {
        throw UsageError{e.message};
    }
    if (auto from = args.Option("from"))
        p.Set_DATA_INIZIO(ParseDate("from", *from));
    if (auto to = args.Option("to")) {
        COleDateTime end;
        end.SetStatus(COleDateTime::null);
        p.Set_DATA_FINE(*to == "open" ? end : ParseDate("to", *to));
    }
    // The last day counts whole, so a start later on that same day still runs once.
    const COleDateTime& end = p.Get_DATA_FINE();
    if (end.GetStatus() == COleDateTime::valid &&
        COleDateTime(end.GetYear(), end.GetMonth(), end.GetDay(), 23, 59, 59) < p.Get_DATA_INIZIO())
        throw UsageError{"the promotion ends (" + DateText(end) + ") before it starts (" +
                         DateText(p.Get_DATA_INIZIO()) + ")"};
    return p;
}

int Add(CDatabase& db, std::vector<std::string> keys, const Arguments& args, std::ostream& out)
{
    if (args.Positional().size() != 3)
        throw UsageError{kUsage};
    CPromozioneSet columns(nullptr);
    CheckArgument("the description", args.Positional()[2], columns, "DESCRIZIONE");
    CDomainPromozione promotion = PromotionFromArguments(db, args);

    CTransactionGuard transaction(db, "PROMOZIONE");
    // Each article once, by its own code, whatever key named it.
    std::set<std::string> articles;
    for (const auto& key : keys) {
        CDomainArticolo article(&db);
        std::string how;
        if (!FindArticle(db, key, article, how)) {
            out << "no article has the code, alternative code, EAN or barcode " << Printable(key)
                << "; nothing was added\n";
            return 1;
        }
        articles.insert(article.Get_ID().GetString());
    }
    if (!Found(db, [&] { return promotion.DB_AddNew(); }))
        throw DatabaseError{};
    CArticoloPromozioneSet link(&db);
    link.m_strFilter = "ID_PROMOZIONE IS NULL";
    link.Open();
    for (const auto& code : articles) {
        link.AddNew();
        link.ID_PROMOZIONE = promotion.Get_ID();
        link.ID_ARTICOLO = code.c_str();
        link.Update();
    }
    link.Close();
    transaction.Commit();
    out << "added promotion " << Summary(promotion) << ", " << articles.size()
        << (articles.size() == 1 ? " article\n" : " articles\n");
    return 0;
}

int List(CDatabase& db, std::ostream& out)
{
    CPromozioneCompletaSet rs(&db);
    rs.m_strFilter.Format("ID_SOCIETA = %ld", Company());
    rs.m_strSort = "ID";
    rs.Open();
    int n = 0;
    for (; !rs.IsEOF(); rs.MoveNext(), ++n) {
        CDomainPromozione p(&db);
        p.FromRecordset(rs);
        out << Summary(p) << (p.IsInCorso() ? ", running today\n" : "\n");
    }
    rs.Close();
    out << n << (n == 1 ? " promotion\n" : " promotions\n");
    return 0;
}

int Show(CDatabase& db, const std::string& idText, std::ostream& out)
{
    long id = 0;
    try {
        id = ParseWhole("promotion id", idText, 1, 2147483647L);
    } catch (const InputError& e) {
        throw UsageError{e.message};
    }
    CDomainPromozione p(&db);
    p.Set_ID(id);
    p.Set_TIPO_PROMOZIONE(-2);  // a kind no stored promotion has: tells a load that found nothing
    if (!Found(db, [&] { return p.DB_Load(); }) || p.Get_TIPO_PROMOZIONE() == -2) {
        out << "no promotion " << id << "\n";
        return 1;
    }
    out << "promotion " << Summary(p) << (p.IsInCorso() ? ", running today\n" : ", not running today\n");
    CArticoloPromozioneListSet rs(&db);
    rs.m_strFilter.Format("ID = %ld", id);
    rs.m_strSort = "ARTICOLO_ID";
    rs.Open();
    for (; !rs.IsEOF(); rs.MoveNext()) {
        const Decimal unitPrice(rs.ARTICOLO_PREZZO_VENDITA_II, LOCALE_INVARIANT);
        const Decimal rate(rs.IVA_ALIQUOTA, LOCALE_INVARIANT);
        out << "  " << Printable(rs.ARTICOLO_ID.GetString()) << " " << Printable(rs.ARTICOLO_DESCRIZIONE.GetString())
            << ": " << Money(unitPrice) << ", discount " << Money(p.CalcolaImportoSconto(unitPrice, rate, true))
            << " a unit\n";
    }
    rs.Close();
    return 0;
}

int Price(CDatabase& db, const Arguments& args, std::ostream& out)
{
    const std::string& key = args.Positional()[1];
    Decimal quantity(1);
    try {
        if (auto qty = args.Option("qty"))
            quantity = ParseAmount("quantity", *qty);
    } catch (const InputError& e) {
        throw UsageError{e.message};
    }
    if (quantity.IsZero())
        throw UsageError{"the quantity is 0"};
    CDomainArticolo article(&db);
    std::string how;
    if (!FindArticle(db, key, article, how)) {
        out << "no article has the code, alternative code, EAN or barcode " << Printable(key) << "\n";
        return 1;
    }
    const PromotedPrice price = PricePromoted(db, article, quantity, Company());
    out << "article " << Printable(article.Get_ID().GetString()) << " " << Printable(article.Get_DESCRIZIONE().GetString())
        << ": " << Money(article.Get_PREZZO_PZ_EURO_IVATO()) << " with VAT, " << Quantity(quantity) << " for "
        << Money(price.gross) << "\n";
    for (const auto& offer : price.offers) {
        out << "  promotion " << Summary(offer.promotion);
        if (offer.running)
            out << ": discount " << Money(offer.discount) << "\n";
        else
            out << ": not running today\n";
    }
    if (price.best < 0) {
        out << (price.offers.empty() ? "no promotion" : "no running promotion") << " for this article; price "
            << Money(price.net) << "\n";
        return 0;
    }
    out << "promoted price " << Money(price.net) << " for " << Quantity(quantity) << ", discount "
        << Money(price.discount) << " (promotion " << price.offers[price.best].promotion.Get_ID() << ")\n";
    return 0;
}

}  // namespace

int RunPromo(const std::vector<std::string>& words, std::ostream& out)
{
    std::vector<std::string> rest = words;
    const std::vector<std::string> articles = TakeRepeated(rest, "article");
    Arguments args(rest, {"connect", "file", "price", "discounts", "mxn", "amount", "net", "from", "to", "qty"});
    const auto& positional = args.Positional();
    const std::string verb = positional.empty() ? "" : positional[0];
    const bool fits = (verb == "add" && positional.size() == 3) || (verb == "list" && positional.size() == 1) ||
                      (verb == "show" && positional.size() == 2) || (verb == "price" && positional.size() == 2);
    if (!fits)
        throw UsageError{kUsage};
    if (verb != "add") {
        if (!articles.empty())
            throw UsageError{"--article is for promo add"};
        for (const char* option : {"price", "discounts", "mxn", "amount", "net", "from", "to"})
            if (args.Option(option))
                throw UsageError{"--" + std::string(option) + " is for promo add"};
    }
    if (verb != "price" && args.Option("qty"))
        throw UsageError{"--qty is for promo price"};
    const auto database = OpenShopDatabase(args);
    CDatabase& db = *database;
    if (verb == "add")
        return Add(db, articles, args, out);
    if (verb == "list")
        return List(db, out);
    if (verb == "show")
        return Show(db, positional[1], out);
    return Price(db, args, out);
}

}  // namespace orvelmag
