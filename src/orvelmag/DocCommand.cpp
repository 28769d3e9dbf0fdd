// "orvelmag doc new|show|list|delete": warehouse documents through the library's document object.
// "new" builds a document as a till or back office does: the movement reason decides whom the
// document names, each article is found by whatever key a till receives and priced from the
// article with the discounts of the partner's band for its category, a repeated article merges
// into one line, the totals are recomputed, and the document is numbered and saved in one
// transaction under the documents' writer lock, so that tills saving at once never share a number.
// A document can also be made from others ("--from"): a delivery note ships what customer orders
// still have open, an invoice bills delivery notes. Each is linked and its lines imported with a
// line citing it, and the orders' fulfilled and open quantities follow in the same transaction
// (see Fulfilment.h). "--kind" makes a fashion document (a garment's barcode gives its size and
// colour) or a restaurant document instead of the warehouse one.
#include <algorithm>
#include <iomanip>
#include <map>
#include <memory>
#include <ostream>
#include <sstream>

#include "ArticleInput.h"
#include "ArticleLookup.h"
#include "Cli.h"
#include "Fulfilment.h"
#include "odbc/Database.h"
#include "orveldb/domain/DomainAzienda.h"
#include "orveldblib/TransactionGuard.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/domain/articles/DomainArticolo.h"
#include "orvelmagdb/domain/articles/DomainCapoModa.h"
#include "orvelmagdb/domain/documents/DomainDettaglioDocumento.h"
#include "orvelmagdb/domain/documents/DomainDocumentoComanda.h"
#include "orvelmagdb/domain/documents/DomainDocumentoMagazzino.h"
#include "orvelmagdb/domain/documents/DomainDocumentoModa.h"
#include "orvelmagdb/domain/documents/DomainVoceDocumentoMagazzino.h"
#include "orvelmagdb/domain/documents/DomainVoceDocumentoModa.h"
#include "orvelmagdb/domain/promotions/DomainFasciaSconto.h"
#include "orvelmagdb/recordsets/documentlines/VociDocumentoModaOperSet.h"
#include "orvelmagdb/recordsets/documents/IvaDocumentoSet.h"
#include "orvelmagdb/recordsets/documents/TestataDocumentoSet.h"

namespace orvelmag {

namespace {

constexpr const char* kUsage =
    "doc new --reason N [--customer ID] [--supplier ID] [--series S] [--kind warehouse|fashion|restaurant]\n"
    "          [--from DOC [--ship CODE:QTY]...]... [--line CODE:QTY[:PRICE[:DISC1+DISC2...]]]...\n"
    "          [--gift CODE:QTY]... [--extra-discount P] [--transport AMOUNT]\n"
    "  | doc show ID | doc list [--from dd/mm/yyyy] [--to dd/mm/yyyy] | doc delete ID\n"
    "  | doc export ID [--out DIR] [--schema FILE]";

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
    // Nothing of a new line is fulfilled yet: for an order, all of it is still to be shipped.
    line.Set_QUANTITA_DA_EVADERE(input.quantity);
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

enum class DocumentKind { warehouse, fashion, restaurant };

// "--ship CODE:QTY": ship only that much of an article from the documents given with --from.
struct ShipInput {
    std::string key;
    Decimal quantity;
};

ShipInput ParseShip(const std::string& text)
{
    const std::vector<std::string> parts = Split(text, ':');
    if (parts.size() != 2 || parts[0].empty())
        throw UsageError{"--ship takes CODE:QTY, not \"" + Printable(text) + "\""};
    try {
        return {parts[0], ParseAmount("quantity", parts[1])};
    } catch (const InputError& e) {
        throw UsageError{e.message};
    }
}

DocumentKind ParseKind(const std::optional<std::string>& text)
{
    if (!text || *text == "warehouse")
        return DocumentKind::warehouse;
    if (*text == "fashion")
        return DocumentKind::fashion;
    if (*text == "restaurant")
        return DocumentKind::restaurant;
    throw UsageError{"--kind takes warehouse, fashion or restaurant, not \"" + Printable(*text) + "\""};
}

std::unique_ptr<CDomainDocumento> MakeDocument(CDatabase& db, DocumentKind kind)
{
    switch (kind) {
    case DocumentKind::fashion:
        return std::make_unique<CDomainDocumentoModa>(&db);
    case DocumentKind::restaurant:
        return std::make_unique<CDomainDocumentoComanda>(&db);
    default:
        return std::make_unique<CDomainDocumentoMagazzino>(&db);
    }
}

// A stored document is a fashion document when one of its lines names a size scale; any other is
// read as a warehouse document (a restaurant document stores its lines as one).
DocumentKind StoredKind(CDatabase& db, long id)
{
    CVociDocumentoModaOperSet rs(&db);
    rs.m_strFilter.Format("ID_DOCUMENTO = %ld AND ID_SCALA_TAGLIA IS NOT NULL", id);
    rs.Open();
    const bool fashion = !rs.IsEOF();
    rs.Close();
    return fashion ? DocumentKind::fashion : DocumentKind::warehouse;
}

// The stored document with that id, with its links and lines, as its kind; null when none.
std::unique_ptr<CDomainDocumento> LoadStored(CDatabase& db, long id)
{
    std::unique_ptr<CDomainDocumento> doc = MakeDocument(db, StoredKind(db, id));
    doc->Set_ID(id);
    if (!Found(db, [&] { return doc->DB_Load(); }))
        return nullptr;
    return doc;
}

bool HasShippedLine(const CDomainDettaglioDocumento& detail, int from, int to)
{
    for (int i = from; i < to; ++i)
        if (IsShippedLine(*detail.GetAt(i)) && !detail.GetAt(i)->Get_QUANTITA().IsZero())
            return true;
    return false;
}

// What a document of the command line is made of, besides its lines.
struct NewInput {
    std::vector<long> sources;   // --from, each once, in the order given
    std::vector<ShipInput> ship;  // --ship
    DocumentKind kind = DocumentKind::warehouse;
};

// The stored documents given with --from, loaded each as its kind. The document answers for the
// partner when none is given; one of another partner than the document's is refused.
bool LoadSources(CDatabase& db, const std::vector<long>& ids, std::vector<std::unique_ptr<CDomainDocumento>>& sources,
                 std::ostream& out)
{
    for (long id : ids) {
        std::unique_ptr<CDomainDocumento> source = LoadStored(db, id);
        if (!source) {
            out << "document " << id << " not found; no document was made\n";
            return false;
        }
        sources.push_back(std::move(source));
    }
    return true;
}

// The partner of the sources, for a document given none: 0 when they name none. A source naming
// another partner than the one given (or than the first source's) is refused.
bool SourcePartner(const std::vector<std::unique_ptr<CDomainDocumento>>& sources, bool forSupplier, long& partnerId,
                   std::ostream& out)
{
    for (const auto& source : sources) {
        const long theirs = forSupplier ? source->Get_FORN_ID() : source->Get_CLI_FAT_ID();
        if (theirs <= 0)
            continue;
        if (partnerId == 0)
            partnerId = theirs;
        if (theirs != partnerId) {
            out << "document " << source->Get_ID() << " " << Str(source->GetDescrizione()) << " is for "
                << (forSupplier ? "supplier " : "customer ") << theirs << ", not " << partnerId
                << "; no document was made\n";
            return false;
        }
    }
    return true;
}

// Ships no more of an article than --ship says, taking from the imported lines in order; lines
// left with nothing to ship are dropped afterwards. False (after saying why) when more is asked
// than is open.
bool ApplyShipLimits(CDatabase& db, CDomainDettaglioDocumento& detail, int imported,
                     const std::vector<ShipInput>& limits, std::ostream& out)
{
    for (const ShipInput& limit : limits) {
        CDomainArticolo article(&db);
        std::string how;
        if (!FindArticle(db, limit.key, article, how)) {
            out << "no article has the code, alternative code, EAN or barcode " << Printable(limit.key)
                << "; no document was made\n";
            return false;
        }
        Decimal open;
        for (int i = 0; i < imported; ++i)
            if (IsShippedLine(*detail.GetAt(i)) && detail.GetAt(i)->Get_ID_ARTICOLO() == article.Get_ID())
                open = open + detail.GetAt(i)->Get_QUANTITA();
        if (open < limit.quantity) {
            out << "only " << FormatPercent(open) << " of " << Str(article.Get_ID())
                << " is open in the documents given with --from, not " << FormatPercent(limit.quantity)
                << "; no document was made\n";
            return false;
        }
        Decimal left = limit.quantity;
        for (int i = 0; i < imported; ++i) {
            CDomainVoceDocumento& line = *detail.RefAt(i);
            if (!IsShippedLine(line) || line.Get_ID_ARTICOLO() != article.Get_ID())
                continue;
            const Decimal take = left < line.Get_QUANTITA() ? left : line.Get_QUANTITA();
            line.Set_QUANTITA(take);
            left = left - take;
        }
    }
    return true;
}

void DropEmptyLines(CDomainDettaglioDocumento& detail)
{
    for (int i = detail.GetSize() - 1; i >= 0; --i)
        if (IsShippedLine(*detail.GetAt(i)) && detail.GetAt(i)->Get_QUANTITA().IsZero())
            detail.RemoveAt(i);
}

// The line of a fashion document: the warehouse line with the garment's size scale, size,
// colour and barcode when the key was a garment's barcode.
std::unique_ptr<CDomainVoceDocumento> FashionLine(CDatabase& db, const CDomainVoceDocumentoMagazzino& line,
                                                  const CDomainCapoModa* garment)
{
    auto fashion = std::make_unique<CDomainVoceDocumentoModa>(&db);
    static_cast<CDomainVoceDocumento&>(*fashion) = line;
    if (garment != nullptr) {
        fashion->Set_ID_SCALA_TAGLIA(garment->Get_CAPO_ID_SCALA_TAGLIA());
        fashion->Set_ID_TAGLIA(garment->Get_CAPO_ID_TAGLIA());
        fashion->Set_ID_COLORE(garment->Get_CAPO_ID_COLORE());
        fashion->Set_CODICE_EAN(garment->Get_CAPO_CODICE_EAN());
    }
    return fashion;
}

int New(CDatabase& db, const Arguments& args, const std::vector<std::string>& lineTexts,
        const std::vector<std::string>& giftTexts, const NewInput& request, std::ostream& out)
{
    if (args.Positional().size() != 1)
        throw UsageError{kUsage};
    if (!args.Option("reason"))
        throw UsageError{"--reason is required: the movement reason of the document"};
    const long reasonId = ParseId("reason id", *args.Option("reason"));
    if (args.Option("customer") && args.Option("supplier"))
        throw UsageError{"give either --customer or --supplier, not both"};
    const bool forSupplier = args.Option("supplier").has_value();
    long partnerId = args.Option("customer")    ? ParseId("customer id", *args.Option("customer"))
                     : args.Option("supplier") ? ParseId("supplier id", *args.Option("supplier"))
                                                : 0;
    if (lineTexts.empty() && giftTexts.empty() && request.sources.empty())
        throw UsageError{"a document needs at least one --line CODE:QTY or --from DOC"};
    std::vector<LineInput> inputs;
    for (const auto& text : lineTexts)
        inputs.push_back(ParseLine(text, false));
    for (const auto& text : giftTexts)
        inputs.push_back(ParseLine(text, true));
    const Decimal extra = ParseOptionalAmount(args, "extra-discount", "extra discount");
    if (extra > Decimal(100))
        throw UsageError{"the extra discount " + FormatPercent(extra) + " is more than 100"};
    const Decimal transport = ParseOptionalAmount(args, "transport", "transport cost");

    std::unique_ptr<CDomainDocumento> made = MakeDocument(db, request.kind);
    CDomainDocumento& doc = *made;
    CDomainCausaleMagazzino reason(&db);
    reason.Set_ID(reasonId);
    if (!Found(db, [&] { return reason.DB_Load(); })) {
        out << "reason " << reasonId << " not found; no document was made\n";
        return 1;
    }
    doc.Set_CAUSALE(reason);

    // From reading the documents to ship or bill until the saved document has updated what they
    // still have open, nobody else may write a document: two tills shipping the same order would
    // otherwise both take its open quantities.
    CTransactionGuard transaction(db, kDocumentWriterLock);
    std::vector<std::unique_ptr<CDomainDocumento>> sources;
    if (!LoadSources(db, request.sources, sources, out))
        return 1;
    const bool wantsPartner = forSupplier ? reason.WantFornitore() : reason.WantCliente();
    if (partnerId > 0 && !wantsPartner) {
        out << "reason " << reasonId << " " << Str(reason.Get_DESCRIZIONE()) << " does not name a "
            << (forSupplier ? "supplier" : "customer") << "; no document was made\n";
        return 1;
    }
    const bool sourcesForSupplier = forSupplier || (!args.Option("customer") && reason.WantFornitore());
    if ((partnerId > 0 || wantsPartner || reason.WantFornitore()) &&
        !SourcePartner(sources, sourcesForSupplier, partnerId, out))
        return 1;
    if (partnerId > 0 && !(sourcesForSupplier ? reason.WantFornitore() : reason.WantCliente()))
        partnerId = 0;  // the sources' partner, which this reason does not name
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
        if (sourcesForSupplier) {
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

    // The lines of the sources first, each source's followed by the line citing it, as they are
    // (from an order: what it still has open), then --ship's limits.
    CDomainDettaglioDocumento& detail = *doc.Ref_DETTAGLIO();
    for (const auto& source : sources) {
        const int before = detail.GetSize();
        doc.AssociaDocumento(*source, true, false, true);
        if (source->Get_CAUSALE().IsOrdine() && !HasShippedLine(detail, before, detail.GetSize())) {
            out << "document " << source->Get_ID() << " " << Str(source->GetDescrizione())
                << " has nothing left open; no document was made\n";
            return 1;
        }
    }
    const int imported = detail.GetSize();
    if (!ApplyShipLimits(db, detail, imported, request.ship, out))
        return 1;
    std::vector<ShippedLine> shipped;
    for (std::size_t k = 0, blockFrom = 0; k < sources.size(); ++k) {
        // The citing line that closes source k's block is the first reference line made here
        // (without a stored id) after the previous block.
        std::size_t blockTo = blockFrom;
        while (blockTo < std::size_t(imported) &&
               !(detail.GetAt(int(blockTo))->Get_TIPO().Left(1) == "R" && detail.GetAt(int(blockTo))->Get_ID() <= 0))
            ++blockTo;
        if (sources[k]->Get_CAUSALE().IsOrdine())
            CollectShipped(detail, int(blockFrom), int(blockTo), sources[k]->Get_ID(), shipped);
        blockFrom = blockTo + 1;
    }
    DropEmptyLines(detail);
    // The imported lines held the ids of the lines they were copied from until the shipped ones
    // were noted; they are new rows, which the save then adds without looking each one up.
    for (int i = 0; i < detail.GetSize(); ++i)
        detail.RefAt(i)->Set_ID(-1);
    if (!sources.empty() && !HasShippedLine(detail, 0, detail.GetSize()) && inputs.empty()) {
        out << "nothing is left to ship; no document was made\n";
        return 1;
    }

    // The lines of the command line after them: a repeated article merges into its line, but
    // never into a line taken from another document, whose quantity that document answers for.
    std::unique_ptr<CDomainDettaglioDocumento> own(detail.Clone());
    own->RemoveAll();
    for (const LineInput& input : inputs) {
        std::unique_ptr<CDomainArticolo> article;
        std::unique_ptr<CDomainCapoModa> garment;
        if (request.kind == DocumentKind::fashion) {
            garment = std::make_unique<CDomainCapoModa>(&db);
            garment->Set_CODICE_EAN(input.key.c_str());
            if (!Found(db, [&] { return garment->DB_Load(); }))
                garment.reset();
        }
        if (!garment) {
            article = std::make_unique<CDomainArticolo>(&db);
            std::string how;
            if (!FindArticle(db, input.key, *article, how)) {
                out << "no article has the code, alternative code, EAN or barcode " << Printable(input.key)
                    << "; no document was made\n";
                return 1;
            }
        }
        const CDomainArticolo& chosen = garment ? static_cast<const CDomainArticolo&>(*garment) : *article;
        const CDomainVoceDocumentoMagazzino line = BuildLine(db, chosen, input, doc, partnerId);
        // Merging grows only the quantity, so a free gift stays a line of its own (the gifts come
        // after every sold line).
        if (request.kind == DocumentKind::fashion)
            own->Add(FashionLine(db, line, garment.get()).get(), !input.gift);
        else
            own->Add(&line, !input.gift);
    }
    detail.Add(own.get(), false);
    doc.Ricalcola_TOTALI();

    doc.Set_NUMERO(NextNumber(db, doc));
    if (!doc.DB_AddNew()) {
        StopIfFailed(db);
        out << "the document was not saved\n";
        return 1;
    }
    RecordShipped(db, shipped);
    transaction.Commit();
    out << "added document " << doc.Get_ID() << ": " << Str(doc.GetDescrizione()) << ", " << detail.GetSize()
        << (detail.GetSize() == 1 ? " line" : " lines") << ", total "
        << FormatFixed(doc.Get_TOTALE(), Precision("precisione/totali")) << "\n";
    return 0;
}

// Loads the stored document with that id; null (after saying so) when there is none.
std::unique_ptr<CDomainDocumento> LoadDocument(CDatabase& db, long id, std::ostream& out)
{
    std::unique_ptr<CDomainDocumento> doc = LoadStored(db, id);
    if (!doc)
        out << "document " << id << " not found\n";
    return doc;
}

// "DDT n. 00001 del 06/12/2026 (document 5)": a linked document as its summary names it.
std::string LinkText(const CDomainDocumentoAssociato& entry)
{
    return Str(entry.Get_TIPO_DOCUMENTO()) + " n. " +
           Str(CDomainDocumento::Trasforma_SERIE_E_NUMERO(entry.Get_SERIE(), entry.Get_NUMERO())) + " del " +
           DateText(entry.Get_DATA_DOCUMENTO()) + " (document " + std::to_string(entry.Get_ID()) + ")";
}

// The documents this one cites and those that cite it.
void ShowLinks(CDatabase& db, const CDomainDocumento& doc, std::ostream& out)
{
    // The stored links come back in no set order; they are shown in the order of the documents.
    const CDomainListaDocumentiAssociati& cited = doc.Get_LISTA_DOCUMENTI_ASSOCIATI();
    std::vector<int> order(cited.GetSize());
    for (int i = 0; i < cited.GetSize(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&](int a, int b) { return cited.GetAt(a).Get_ID() < cited.GetAt(b).Get_ID(); });
    for (int i : order)
        out << "cites:     " << LinkText(cited.GetAt(i)) << "\n";
    for (long id : CitingDocuments(db, doc.Get_ID())) {
        CDomainDocumentoAssociato entry(&db);
        entry.Set_ID(id);
        if (entry.DB_Load())
            out << "cited by:  " << LinkText(entry) << "\n";
    }
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
    const std::unique_ptr<CDomainDocumento> stored = LoadDocument(db, id, out);
    if (!stored)
        return 1;
    const CDomainDocumento& doc = *stored;
    const bool order = doc.Get_CAUSALE().IsOrdine();
    const int p = Precision("precisione/prezzi");
    const int t = Precision("precisione/totali");
    const Decimal& extra = doc.Get_SCONTO_EXTRA();
    out << Str(doc.GetDescrizione()) << "  (document " << doc.Get_ID() << ")\n"
        << "reason:    " << doc.Get_CAUSALE().Get_ID() << " " << Str(doc.Get_CAUSALE().Get_DESCRIZIONE()) << "\n"
        << "partner:   " << PartnerText(doc) << "\n"
        << "date:      " << DateText(doc.Get_DATA_DOCUMENTO()) << ", goods moved "
        << DateText(doc.Get_DATA_MOVIMENTO()) << "\n";
    ShowLinks(db, doc, out);
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
        if (const auto* garment = dynamic_cast<const CDomainVoceDocumentoModa*>(&line);
            garment != nullptr && !garment->Get_ID_TAGLIA().IsEmpty())
            out << "  size " << Str(garment->Get_ID_TAGLIA()) << " colour " << Str(garment->Get_ID_COLORE());
        // What an order has shipped of each line and what it still has to.
        if (order && IsShippedLine(line))
            out << "  shipped " << FormatPercent(line.Get_QUANTITA_EVASA()) << ", open "
                << FormatPercent(line.Get_QUANTITA_DA_EVADERE());
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

int List(CDatabase& db, const Arguments& args, const std::optional<std::string>& fromDate, std::ostream& out)
{
    const long from = fromDate ? DayNumber("from", *fromDate) : 0;
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

// A document that others cite (an order shipped, a delivery note invoiced) stays: deleting it
// would leave them citing nothing. Deleting a document made from orders gives the orders back
// what it shipped, so they can be shipped again.
int Delete(CDatabase& db, long id, std::ostream& out)
{
    CTransactionGuard transaction(db, kDocumentWriterLock);
    const std::unique_ptr<CDomainDocumento> doc = LoadDocument(db, id, out);
    if (!doc)
        return 1;
    const std::vector<long> citing = CitingDocuments(db, id);
    if (!citing.empty()) {
        out << "document " << id << " " << Str(doc->GetDescrizione()) << " is cited by document";
        for (std::size_t i = 0; i < citing.size(); ++i)
            out << (i == 0 ? " " : ", ") << citing[i];
        out << "; delete " << (citing.size() == 1 ? "that" : "those") << " first\n";
        return 1;
    }
    GiveBackShipped(db, *doc);
    if (!doc->DB_Delete()) {
        StopIfFailed(db);
        out << "document " << id << " was not deleted\n";
        return 1;
    }
    transaction.Commit();
    out << "deleted document " << id << ": " << Str(doc->GetDescrizione()) << "\n";
    return 0;
}

}  // namespace

int RunDoc(const std::vector<std::string>& words, std::ostream& out)
{
    if (!words.empty() && words[0] == "export")
        return RunDocExport(words, out);
    std::vector<std::string> rest(words);
    const std::vector<std::string> lines = TakeRepeated(rest, "line");
    const std::vector<std::string> gifts = TakeRepeated(rest, "gift");
    const std::vector<std::string> ships = TakeRepeated(rest, "ship");
    // "--from" is a document to build from for doc new and the first date for doc list.
    const std::vector<std::string> froms = TakeRepeated(rest, "from");
    Arguments args(rest, {"connect", "file", "reason", "customer", "supplier", "series", "extra-discount",
                          "transport", "to", "kind"});
    const auto& positional = args.Positional();
    if (positional.empty())
        throw UsageError{kUsage};
    const std::string& verb = positional[0];
    // Each verb takes only its own options; one given to the wrong verb would be silently lost.
    const bool isNew = verb == "new";
    for (const char* name : {"reason", "customer", "supplier", "series", "extra-discount", "transport", "kind"})
        if (args.Option(name) && !isNew)
            throw UsageError{std::string("--") + name + " belongs to doc new"};
    if (!isNew && (!lines.empty() || !gifts.empty() || !ships.empty()))
        throw UsageError{"--line, --gift and --ship belong to doc new"};
    if (args.Option("to") && verb != "list")
        throw UsageError{"--to belongs to doc list"};
    if (!froms.empty() && !isNew && verb != "list")
        throw UsageError{"--from belongs to doc new and doc list"};
    if (verb == "list" && froms.size() > 1)
        throw UsageError{"doc list takes one --from date"};
    NewInput request;
    if (isNew) {
        for (const std::string& text : froms) {
            const long source = ParseId("document id", text);
            // A document given twice is linked, and shipped from, once.
            if (std::find(request.sources.begin(), request.sources.end(), source) == request.sources.end())
                request.sources.push_back(source);
        }
        for (const std::string& text : ships)
            request.ship.push_back(ParseShip(text));
        if (!request.ship.empty() && request.sources.empty())
            throw UsageError{"--ship limits what is shipped from the documents given with --from"};
        request.kind = ParseKind(args.Option("kind"));
    }
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
        return New(db, args, lines, gifts, request, out);
    if (verb == "show")
        return Show(db, id, out);
    if (verb == "delete")
        return Delete(db, id, out);
    return List(db, args, froms.empty() ? std::nullopt : std::optional<std::string>(froms[0]), out);
}

}  // namespace orvelmag
