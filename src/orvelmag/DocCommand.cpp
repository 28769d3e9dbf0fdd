// "orvelmag doc new|show|list|delete": warehouse documents through the library's document object.
// "new" builds a document as a till or back office does: the movement reason decides whom the
// document names, each article is found by whatever key a till receives and priced from the
// article with the discounts of the partner's band for its category, a repeated article merges
// into one line, the totals are recomputed, and the document is numbered and saved in one
// transaction under the documents' writer lock, so that tills saving at once never share a number.
#include <iomanip>
#include <map>
#include <ostream>
#include <sstream>

#include "ArticleInput.h"
#include "ArticleLookup.h"
#include "Cli.h"
#include "odbc/Database.h"
#include "orveldb/domain/DomainAzienda.h"
#include "orveldblib/TransactionGuard.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/domain/articles/DomainArticolo.h"
#include "orvelmagdb/domain/documents/DomainDettaglioDocumento.h"
#include "orvelmagdb/domain/documents/DomainDocumentoMagazzino.h"
#include "orvelmagdb/domain/documents/DomainVoceDocumentoMagazzino.h"
#include "orvelmagdb/domain/promotions/DomainFasciaSconto.h"
#include "orvelmagdb/recordsets/documents/IvaDocumentoSet.h"
#include "orvelmagdb/recordsets/documents/TestataDocumentoSet.h"

namespace orvelmag {

namespace {

constexpr const char* kUsage =
    "doc new --reason N [--customer ID] [--supplier ID] [--series S] --line CODE:QTY[:PRICE[:DISC1+DISC2...]]...\n"
    "          [--gift CODE:QTY]... [--extra-discount P] [--transport AMOUNT]\n"
    "  | doc show ID | doc list [--from dd/mm/yyyy] [--to dd/mm/yyyy] | doc delete ID";

// The writer lock that numbering and saving a document take together: the number read from the
// counter stays free until the document that takes it is committed.
constexpr const char* kDocumentWriterLock = "DOCUMENTO";

// One article of the command line: "CODE:QTY[:PRICE[:DISCOUNTS]]".
struct LineInput {
    std::string key;
    Decimal quantity;
    std::optional<Decimal> price;
    std::optional<std::array<Decimal, 4>> discounts;
    bool gift = false;
};

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

LineInput ParseLine(const std::string& text, bool gift)
{
    const std::vector<std::string> parts = Split(text, ':');
    const char* form = gift ? "CODE:QTY" : "CODE:QTY[:PRICE[:DISC1+DISC2...]]";
    if (parts.size() < 2 || parts.size() > (gift ? 2u : 4u) || parts[0].empty())
        throw UsageError{std::string(gift ? "--gift" : "--line") + " takes " + form + ", not \"" +
                         Printable(text) + "\""};
    LineInput line;
    line.key = parts[0];
    line.gift = gift;
    try {
        line.quantity = ParseAmount("quantity", parts[1]);
        if (line.quantity.IsZero())
            throw InputError{"the quantity of " + Printable(parts[0]) + " is 0"};
        if (parts.size() > 2 && !parts[2].empty())
            line.price = ParseAmount("price", parts[2]);
        if (parts.size() > 3)
            line.discounts = ParseDiscounts(parts[3]);
    } catch (const InputError& e) {
        throw UsageError{e.message};
    }
    return line;
}

long ParseId(const std::string& what, const std::string& text)
{
    try {
        return ParseWhole(what, text, 1, 2147483647L);
    } catch (const InputError& e) {
        throw UsageError{e.message};
    }
}

Decimal ParseOptionalAmount(const Arguments& args, const char* option, const std::string& what)
{
    const auto text = args.Option(option);
    if (!text)
        return Decimal();
    try {
        return ParseAmount(what, *text);
    } catch (const InputError& e) {
        throw UsageError{e.message};
    }
}

int Precision(const char* key)
{
    return CApplicationAdministrator::GetInstance()->GetConfig()->GetParamAsInt(key);
}

std::string Str(const CString& text)
{
    return Printable(text.GetString());
}

std::string DateText(const TIMESTAMP_STRUCT& ts)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02u/%02u/%04d", unsigned(ts.day) % 100, unsigned(ts.month) % 100,
                  int(ts.year) % 10000);
    return text;
}

// The discounts written as on the command line: "10+5", empty for none.
std::string DiscountsText(const CDomainVoceDocumento& line)
{
    std::string text;
    for (const Decimal& d : {line.Get_SCONTO1(), line.Get_SCONTO2(), line.Get_SCONTO3(), line.Get_SCONTO4()})
        if (!d.IsZero())
            text += (text.empty() ? "" : "+") + FormatPercent(d);
    return text;
}

// The line for one article, priced as the document's reason and partner ask: the sale or purchase
// price of the article unless a price is given, and the discounts of the partner's band for the
// article's category unless discounts are given.
CDomainVoceDocumentoMagazzino BuildLine(CDatabase& db, const CDomainArticolo& article, const LineInput& input,
                                        const CDomainDocumento& doc, long partnerId)
{
    CDomainVoceDocumentoMagazzino line(&db);
    line.Set_ID_ARTICOLO(article.Get_ID());
    line.Set_DESCRIZIONE(article.Get_DESCRIZIONE());
    line.Set_UM(article.Get_UM());
    line.Set_CODICE_EAN(article.Get_CODICE_EAN());
    line.Set_ID_IVA(article.Get_ID_IVA(), false);
    line.Set_ALIQUOTA_IVA(article.Get_ALIQUOTA_IVA());
    line.Set_PREZZO_ACQUISTO(article.Get_PREZZO_ACQ_PZ_EURO());
    line.Set_QUANTITA(input.quantity);
    if (input.gift) {
        // A free gift: all of its quantity is given, and its value is a discount, not taxed.
        line.Set_QUANTITA_OMAGGIO(input.quantity);
        line.Set_SCONTA_IVA(1);
    }
    const Decimal listed = doc.Get_CAUSALE().WantListinoAcquisto() ? article.Get_PREZZO_ACQ_PZ_EURO()
                                                                   : article.Get_PREZZO_PZ_EURO();
    line.Set_PREZZO_PZ(input.price.value_or(listed), true);
    if (input.discounts) {
        line.Set_SCONTO1((*input.discounts)[0]);
        line.Set_SCONTO2((*input.discounts)[1]);
        line.Set_SCONTO3((*input.discounts)[2]);
        line.Set_SCONTO4((*input.discounts)[3]);
    } else {
        const CDomainFasciaSconto band = article.GetFasciaScontoXCategoria(partnerId);
        if (!band.Get_ID().IsEmpty()) {
            line.Set_ID_SCONTO(band.Get_ID());
            line.Set_SCONTO1(band.Get_SCONTO_1());
            line.Set_SCONTO2(band.Get_SCONTO_2());
            line.Set_SCONTO3(band.Get_SCONTO_3());
            line.Set_SCONTO4(band.Get_SCONTO_4());
            line.Set_PROVVIGIONE(band.Get_PROVVIGIONE());
        }
    }
    // The VAT summary takes each line's own extra discount; the stored lines carry the document's.
    line.Set_SCONTO_EXTRA(doc.Get_SCONTO_EXTRA());
    return line;
}

// The number the document takes: one above the last number used by the counter of its reason,
// company, series and year (saving the document advances the counter).
long NextNumber(CDatabase& db, CDomainDocumento& doc)
{
    // 0 answers both "no number used yet" and a database error, which the library has shown.
    const int before = ReportedErrors();
    const long last = doc.GeneraNumeroDocumento();
    if (ReportedErrors() != before) {
        StopIfFailed(db);
        throw DatabaseError{};
    }
    return last + 1;
}

int New(CDatabase& db, const Arguments& args, const std::vector<std::string>& lineTexts,
        const std::vector<std::string>& giftTexts, std::ostream& out)
{
    if (args.Positional().size() != 1)
        throw UsageError{kUsage};
    if (!args.Option("reason"))
        throw UsageError{"--reason is required: the movement reason of the document"};
    const long reasonId = ParseId("reason id", *args.Option("reason"));
    if (args.Option("customer") && args.Option("supplier"))
        throw UsageError{"give either --customer or --supplier, not both"};
    const bool forSupplier = args.Option("supplier").has_value();
    const long partnerId = args.Option("customer")    ? ParseId("customer id", *args.Option("customer"))
                           : args.Option("supplier") ? ParseId("supplier id", *args.Option("supplier"))
                                                      : 0;
    if (lineTexts.empty() && giftTexts.empty())
        throw UsageError{"a document needs at least one --line CODE:QTY"};
    std::vector<LineInput> inputs;
    for (const auto& text : lineTexts)
        inputs.push_back(ParseLine(text, false));
    for (const auto& text : giftTexts)
        inputs.push_back(ParseLine(text, true));
    const Decimal extra = ParseOptionalAmount(args, "extra-discount", "extra discount");
    if (extra > Decimal(100))
        throw UsageError{"the extra discount " + FormatPercent(extra) + " is more than 100"};
    const Decimal transport = ParseOptionalAmount(args, "transport", "transport cost");

    CDomainDocumentoMagazzino doc(&db);
    CDomainCausaleMagazzino reason(&db);
    reason.Set_ID(reasonId);
    if (!Found(db, [&] { return reason.DB_Load(); })) {
        out << "reason " << reasonId << " not found; no document was made\n";
        return 1;
    }
    doc.Set_CAUSALE(reason);
    const bool wantsPartner = forSupplier ? reason.WantFornitore() : reason.WantCliente();
    if (partnerId > 0 && !wantsPartner) {
        out << "reason " << reasonId << " " << Str(reason.Get_DESCRIZIONE()) << " does not name a "
            << (forSupplier ? "supplier" : "customer") << "; no document was made\n";
        return 1;
    }
    if (partnerId == 0 && (reason.WantClienteObbligatorio() || reason.WantFornitoreObbligatorio())) {
        out << "reason " << reasonId << " needs a " << (reason.WantCliente() ? "--customer" : "--supplier")
            << "; no document was made\n";
        return 1;
    }
    if (partnerId > 0) {
        CDomainAzienda partner(&db);
        partner.Set_ID(partnerId);
        if (!Found(db, [&] { return partner.DB_Load(); })) {
            out << "partner " << partnerId << " not found; no document was made\n";
            return 1;
        }
        if (forSupplier) {
            doc.Set_FORN_ID(partnerId);
            doc.Load_Fornitore();
        } else {
            doc.Set_CLI_FAT_ID(partnerId);
            doc.Load_Cliente();
        }
    }
    if (auto series = args.Option("series")) {
        CTestataDocumentoSet columns(nullptr);
        CheckArgument("the series", *series, columns, "D_SERIE");
        doc.Set_SERIE(series->c_str());
    }
    doc.Set_SCONTO_EXTRA(extra);
    doc.Set_SPESE_TRASPORTO(transport);

    for (const LineInput& input : inputs) {
        CDomainArticolo article(&db);
        std::string how;
        if (!FindArticle(db, input.key, article, how)) {
            out << "no article has the code, alternative code, EAN or barcode " << Printable(input.key)
                << "; no document was made\n";
            return 1;
        }
        const CDomainVoceDocumentoMagazzino line = BuildLine(db, article, input, doc, partnerId);
        // A repeated article merges into its line; merging grows only the quantity, so a free gift
        // stays a line of its own (the gifts come after every sold line).
        doc.Ref_DETTAGLIO()->Add(&line, !input.gift);
    }
    doc.Ricalcola_TOTALI();

    CTransactionGuard transaction(db, kDocumentWriterLock);
    doc.Set_NUMERO(NextNumber(db, doc));
    if (!doc.DB_AddNew()) {
        StopIfFailed(db);
        out << "the document was not saved\n";
        return 1;
    }
    transaction.Commit();
    out << "added document " << doc.Get_ID() << ": " << Str(doc.GetDescrizione()) << ", "
        << doc.Get_DETTAGLIO()->GetSize() << (doc.Get_DETTAGLIO()->GetSize() == 1 ? " line" : " lines")
        << ", total " << FormatFixed(doc.Get_TOTALE(), Precision("precisione/totali")) << "\n";
    return 0;
}

// Loads the stored document with that id; false (after saying so) when there is none.
bool LoadDocument(CDatabase& db, long id, CDomainDocumentoMagazzino& doc, std::ostream& out)
{
    doc.Set_ID(id);
    if (Found(db, [&] { return doc.DB_Load(); }))
        return true;
    out << "document " << id << " not found\n";
    return false;
}

std::string PartnerText(const CDomainDocumento& doc)
{
    if (doc.IsValid_CLI_FAT_ID())
        return "customer " + std::to_string(doc.Get_CLI_FAT_ID()) + " " + Str(doc.Get_CLI_FAT_RAGIONE_SOCIALE());
    if (doc.IsValid_FORN_ID())
        return "supplier " + std::to_string(doc.Get_FORN_ID()) + " " + Str(doc.Get_FORN_RAGIONE_SOCIALE());
    return "no partner";
}

int Show(CDatabase& db, long id, std::ostream& out)
{
    CDomainDocumentoMagazzino doc(&db);
    if (!LoadDocument(db, id, doc, out))
        return 1;
    const int p = Precision("precisione/prezzi");
    const int t = Precision("precisione/totali");
    const Decimal& extra = doc.Get_SCONTO_EXTRA();
    out << Str(doc.GetDescrizione()) << "  (document " << doc.Get_ID() << ")\n"
        << "reason:    " << doc.Get_CAUSALE().Get_ID() << " " << Str(doc.Get_CAUSALE().Get_DESCRIZIONE()) << "\n"
        << "partner:   " << PartnerText(doc) << "\n"
        << "date:      " << DateText(doc.Get_DATA_DOCUMENTO()) << ", goods moved "
        << DateText(doc.Get_DATA_MOVIMENTO()) << "\n";
    out << std::left << std::setw(10) << "article" << std::setw(26) << "description" << std::right << std::setw(10)
        << "quantity" << std::setw(11) << "price" << std::setw(10) << "discounts" << std::setw(11) << "net"
        << std::setw(5) << "VAT" << std::setw(11) << "total" << "\n";
    const CDomainDettaglioDocumento& detail = *doc.Get_DETTAGLIO();
    for (int i = 0; i < detail.GetSize(); ++i) {
        const CDomainVoceDocumento& line = *detail.GetAt(i);
        std::string quantity = FormatPercent(line.Get_QUANTITA()) + " " + Str(line.Get_UM());
        out << std::left << std::setw(10) << Str(line.Get_ID_ARTICOLO()) << std::setw(26)
            << Str(line.Get_DESCRIZIONE()).substr(0, 25) << std::right << std::setw(10) << quantity << std::setw(11)
            << FormatFixed(line.Get_PREZZO_PZ(), p) << std::setw(10) << DiscountsText(line) << std::setw(11)
            << FormatFixed(line.Get_TOTALE_IMPORTO_NETTO(extra), p) << std::setw(5) << Str(line.Get_ID_IVA())
            << std::setw(11) << FormatFixed(line.Get_TOTALE(extra), p);
        if (!line.Get_QUANTITA_OMAGGIO().IsZero())
            out << "  free gift " << FormatPercent(line.Get_QUANTITA_OMAGGIO());
        out << "\n";
    }
    const auto total = [&out, t](const char* label, const Decimal& value) {
        out << "  " << std::left << std::setw(24) << label << std::right << std::setw(12) << FormatFixed(value, t)
            << "\n";
    };
    out << "totals:\n";
    total("gross", doc.Get_TOTALE_IMPORTO());
    total("discounts", doc.Get_TOTALE_SCONTO());
    total("  of which extra", doc.Get_TOTALE_SCONTO_EXTRA());
    total("free gifts", doc.Get_TOTALE_OMAGGIO());
    total("net of lines", doc.Get_TOTALE_IMPORTO_NETTO());
    total("transport", doc.Get_SPESE_TRASPORTO());
    total("net document", doc.Get_TOTALE_NETTO_DOCUMENTO());
    total("taxable", doc.Get_TOTALE_IMPONIBILE());
    total("VAT", doc.Get_TOTALE_IVA());
    total("total", doc.Get_TOTALE());
    total("purchase cost", doc.Get_TOTALE_IMPORTO_ACQUISTO());
    total("commission", doc.Get_TOTALE_PROVVIGIONE());

    // The VAT summary as it was stored with the document.
    CIvaDocumentoSet rs(&db);
    rs.m_strFilter.Format("ID_DOCUMENTO = %ld", id);
    rs.m_strSort = "ID_IVA";
    rs.Open();
    out << "VAT summary:\n  " << std::left << std::setw(6) << "code" << std::right << std::setw(8) << "rate"
        << std::setw(12) << "taxable" << std::setw(12) << "VAT" << "\n";
    for (; !rs.IsEOF(); rs.MoveNext())
        out << "  " << std::left << std::setw(6) << Str(rs.ID_IVA) << std::right << std::setw(8)
            << FormatPercent(Decimal(rs.ALIQUOTA_IVA, 127)) + "%" << std::setw(12)
            << FormatFixed(Decimal(rs.TOTALE_IMPONIBILE, 127), p) << std::setw(12)
            << FormatFixed(Decimal(rs.TOTALE_IVA, 127), p) << "\n";
    rs.Close();
    return 0;
}

// "dd/mm/yyyy" as a number yyyymmdd that orders as the dates do.
long DayNumber(const std::string& option, const std::string& text)
{
    int d = 0, m = 0, y = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%2d/%2d/%4d%c", &d, &m, &y, &tail) != 3 || d < 1 || d > 31 || m < 1 || m > 12 ||
        y < 1900)
        throw UsageError{"--" + option + " takes a date dd/mm/yyyy, not \"" + Printable(text) + "\""};
    return y * 10000L + m * 100L + d;
}

int List(CDatabase& db, const Arguments& args, std::ostream& out)
{
    const long from = args.Option("from") ? DayNumber("from", *args.Option("from")) : 0;
    const long to = args.Option("to") ? DayNumber("to", *args.Option("to")) : 99999999L;
    const int t = Precision("precisione/totali");
    CTestataDocumentoSet rs(&db);
    rs.m_strSort = "D_ID";
    rs.Open();
    int n = 0;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        const TIMESTAMP_STRUCT& date = rs.D_DATA_DOCUMENTO;
        const long day = date.year * 10000L + date.month * 100L + date.day;
        if (day < from || day > to)
            continue;
        CDomainDocumentoMagazzino doc(&db);
        doc.SetCausale(rs.C_ID);
        doc.FromRecordset(rs);
        out << std::left << std::setw(6) << rs.D_ID << std::setw(30) << Str(doc.GetDescrizione()) << std::setw(34)
            << PartnerText(doc).substr(0, 33) << std::right << std::setw(12) << FormatFixed(doc.Get_TOTALE(), t)
            << "\n";
        ++n;
    }
    rs.Close();
    out << n << (n == 1 ? " document\n" : " documents\n");
    return 0;
}

int Delete(CDatabase& db, long id, std::ostream& out)
{
    CDomainDocumentoMagazzino doc(&db);
    if (!LoadDocument(db, id, doc, out))
        return 1;
    CTransactionGuard transaction(db, kDocumentWriterLock);
    if (!doc.DB_Delete()) {
        StopIfFailed(db);
        out << "document " << id << " was not deleted\n";
        return 1;
    }
    transaction.Commit();
    out << "deleted document " << id << ": " << Str(doc.GetDescrizione()) << "\n";
    return 0;
}

}  // namespace

int RunDoc(const std::vector<std::string>& words, std::ostream& out)
{
    std::vector<std::string> rest(words);
    const std::vector<std::string> lines = TakeRepeated(rest, "line");
    const std::vector<std::string> gifts = TakeRepeated(rest, "gift");
    Arguments args(rest, {"connect", "file", "reason", "customer", "supplier", "series", "extra-discount",
                          "transport", "from", "to"});
    const auto& positional = args.Positional();
    if (positional.empty())
        throw UsageError{kUsage};
    const std::string& verb = positional[0];
    // Each verb takes only its own options; one given to the wrong verb would be silently lost.
    const bool isNew = verb == "new";
    for (const char* name : {"reason", "customer", "supplier", "series", "extra-discount", "transport"})
        if (args.Option(name) && !isNew)
            throw UsageError{std::string("--") + name + " belongs to doc new"};
    if (!isNew && (!lines.empty() || !gifts.empty()))
        throw UsageError{"--line and --gift belong to doc new"};
    if ((args.Option("from") || args.Option("to")) && verb != "list")
        throw UsageError{"--from and --to belong to doc list"};
    long id = 0;
    if (verb == "show" || verb == "delete") {
        if (positional.size() != 2)
            throw UsageError{kUsage};
        id = ParseId("document id", positional[1]);
    } else if (verb == "list") {
        if (positional.size() != 1)
            throw UsageError{kUsage};
    } else if (!isNew) {
        throw UsageError{kUsage};
    }
    const auto database = OpenShopDatabase(args);
    CDatabase& db = *database;
    if (isNew)
        return New(db, args, lines, gifts, out);
    if (verb == "show")
        return Show(db, id, out);
    if (verb == "delete")
        return Delete(db, id, out);
    return List(db, args, out);
}

}  // namespace orvelmag
