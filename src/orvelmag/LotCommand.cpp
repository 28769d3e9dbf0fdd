// "orvelmag lot new|show|find": lots of an article, numbered within their year, and the
// thirteen-digit code printed on their labels, read back as a scanner would read it.
//
// Many tills may open lots at once: a new lot is numbered and inserted in one transaction under
// the lots' writer lock, so no two lots of a year get the same number (the table's key would
// refuse the second one anyway, but then a till would fail instead of taking the next number).
#include <cstdio>
#include <ostream>

#include "ArticleInput.h"
#include "ArticleLookup.h"
#include "Cli.h"
#include "odbc/Database.h"
#include "orveldblib/EANCode.h"
#include "orveldblib/TransactionGuard.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/domain/articles/DomainArticolo.h"
#include "orvelmagdb/domain/articles/DomainLotto.h"

namespace orvelmag {

namespace {

constexpr const char* kUsage =
    "lot new ARTICLE [--qty Q] [--date dd/mm/yyyy] [--expiry dd/mm/yyyy] [--supplier-lot CODE]"
    " | lot show YEAR/NUMBER | lot find CODE";

// The writer lock that every writer of new lots takes in its transaction.
constexpr const char* kLotWriterLock = "LOTTO";

COleDateTime ParseDate(const std::string& option, const std::string& text)
{
    COleDateTime date;
    if (!CDomainClass::From_StringDate_To_COleDateTime(text.c_str(), date) || date.GetYear() > 9999)
        throw UsageError{"--" + option + " takes a date dd/mm/yyyy, not \"" + Printable(text) + "\""};
    return date;
}

std::string Quantity(const Decimal& value)
{
    return FormatFixed(value, CApplicationAdministrator::GetInstance()->GetConfig()->GetParamAsInt("precisione/quantita"));
}

std::string LotKey(const CDomainLotto& lot)
{
    CString number;
    lot.Get_NUMERO(number, true);
    return std::to_string(lot.Get_ANNO()) + "/" + number.GetString();
}

void PrintLot(const CDomainLotto& lot, std::ostream& out)
{
    const COleDateTime& expiry = lot.Get_DATA_SCADENZA();
    out << "lot:          " << LotKey(lot) << "\n"
        << "code:         " << lot.Get_CODICE().GetString() << "\n"
        << "article:      " << Printable(lot.Get_ARTICOLO_ID().GetString()) << " "
        << Printable(lot.Get_ARTICOLO_DESCRIZIONE().GetString()) << "\n"
        << "created:      " << lot.Get_DATA_CREAZIONE().Format("%d/%m/%Y %H:%M").GetString() << "\n"
        << "expires:      "
        << (expiry.GetStatus() == COleDateTime::valid ? expiry.Format("%d/%m/%Y").GetString() : "never") << "\n"
        << "loaded:       " << Quantity(lot.Get_QUANTITA_CARICATA()) << "\n"
        << "drawn:        " << Quantity(lot.Get_QUANTITA_SCARICATA()) << "\n"
        << "left:         " << Quantity(lot.Get_GIACENZA()) << "\n"
        << "closed:       " << (lot.Get_F_CHIUSO() != 0 ? "yes" : "no") << "\n"
        << "supplier lot: "
        << (lot.Get_CODICE_FORNITORE().IsEmpty() ? "none" : Printable(lot.Get_CODICE_FORNITORE().GetString())) << "\n";
}

// Loads and prints the lot of year and number; "no lot" and 1 when there is none.
int ShowLot(CDatabase& db, CDomainLotto& lot, const std::string& asked, std::ostream& out)
{
    if (!Found(db, [&] { return lot.DB_Load(); })) {
        out << "no lot " << asked << "\n";
        return 1;
    }
    PrintLot(lot, out);
    return 0;
}

int New(CDatabase& db, const Arguments& args, std::ostream& out)
{
    const auto& words = args.Positional();
    if (words.size() != 2)
        throw UsageError{kUsage};
    CDomainLotto lot(&db);
    try {
        if (auto qty = args.Option("qty"))
            lot.Set_QUANTITA_CARICATA(ParseAmount("quantity", *qty));
        if (auto supplierLot = args.Option("supplier-lot")) {
            CheckText("the supplier's lot code", *supplierLot, 255);
            lot.Set_CODICE_FORNITORE(supplierLot->c_str());
        }
    } catch (const InputError& e) {
        throw UsageError{e.message};
    }
    // A lot belongs to the year of the day it is made.
    if (auto date = args.Option("date"))
        lot.Set_DATA_CREAZIONE(ParseDate("date", *date));
    lot.Set_ANNO(lot.Get_DATA_CREAZIONE().GetYear());
    if (auto expiry = args.Option("expiry")) {
        lot.Set_DATA_SCADENZA(ParseDate("expiry", *expiry));
        const COleDateTime& made = lot.Get_DATA_CREAZIONE();
        if (lot.Get_DATA_SCADENZA() < COleDateTime(made.GetYear(), made.GetMonth(), made.GetDay(), 0, 0, 0))
            throw UsageError{"the lot would expire before the day it is made"};
    }

    CDomainArticolo article(&db);
    std::string how;
    if (!FindArticle(db, words[1], article, how)) {
        out << "article " << Printable(words[1]) << " not found\n";
        return 1;
    }
    if (article.Get_F_GESTISCI_LOTTI() == 0) {
        out << "article " << Printable(article.Get_ID().GetString()) << " does not keep lots\n";
        return 1;
    }
    lot.Set_ARTICOLO_ID(article.Get_ID());
    lot.Set_ARTICOLO_DESCRIZIONE(article.Get_DESCRIZIONE());

    CTransactionGuard transaction(db, kLotWriterLock);
    lot.GeneraNumeroLotto();
    if (lot.Get_NUMERO() < 1 || !lot.DB_AddNew()) {
        StopIfFailed(db);
        throw DatabaseError{};
    }
    transaction.Commit();
    out << "added lot " << LotKey(lot) << " code " << lot.Get_CODICE().GetString() << " of article "
        << Printable(article.Get_ID().GetString()) << "\n";
    return 0;
}

int Show(CDatabase& db, const std::string& key, std::ostream& out)
{
    const auto slash = key.find('/');
    if (slash == std::string::npos)
        throw UsageError{"lot show takes YEAR/NUMBER, not \"" + Printable(key) + "\""};
    CDomainLotto lot(&db);
    try {
        lot.Set_ANNO(ParseWhole("lot year", key.substr(0, slash), 1, 9999));
        lot.Set_NUMERO(ParseWhole("lot number", key.substr(slash + 1), 1, 99999999));
    } catch (const InputError& e) {
        throw UsageError{e.message};
    }
    return ShowLot(db, lot, key, out);
}

// A code as a scanner reads it: thirteen digits whose last is the check digit of the others. A
// misread code is refused before it can find some other lot.
int Find(CDatabase& db, const std::string& code, std::ostream& out)
{
    bool digits = code.size() == 13;
    for (char c : code)
        digits = digits && c >= '0' && c <= '9';
    if (!digits)
        throw UsageError{"a lot code is 13 digits, not \"" + Printable(code) + "\""};
    if (!CEANCode::IsValidEAN13(code.c_str()))
        throw UsageError{"lot code " + code + " has a wrong check digit: it was misread or mistyped"};
    CDomainLotto lot(&db);
    lot.Set_CODICE(code.c_str());
    return ShowLot(db, lot, "with code " + code, out);
}

}  // namespace

int RunLot(const std::vector<std::string>& words, std::ostream& out)
{
    Arguments args(words, {"connect", "file", "qty", "date", "expiry", "supplier-lot"});
    const auto& positional = args.Positional();
    if (positional.empty())
        throw UsageError{kUsage};
    const std::string& verb = positional[0];
    if (verb != "new" && !(positional.size() == 2 && (verb == "show" || verb == "find")))
        throw UsageError{kUsage};
    const auto database = OpenShopDatabase(args);
    CDatabase& db = *database;
    if (verb == "new")
        return New(db, args, out);
    if (verb == "show")
        return Show(db, positional[1], out);
    return Find(db, positional[1], out);
}

}  // namespace orvelmag
