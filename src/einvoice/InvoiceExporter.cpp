// InvoiceExporter: the document, its partners and its schedule gathered and checked first, then
// written element by element in the order the format fixes.
#include "einvoice/InvoiceExporter.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <vector>

#include "afx/Locale.h"
#include "einvoice/EInvoiceError.h"
#include "einvoice/EInvoiceRowSet.h"
#include "einvoice/EInvoiceSettings.h"
#include "einvoice/SchemaValidator.h"
#include "einvoice/XmlWriter.h"
#include "odbc/Database.h"
#include "orvelmagdb/base/Amounts.h"
#include "orvelmagdb/domain/documents/DomainDocumentoMagazzino.h"

namespace einvoice {

namespace {

constexpr const char* kNamespace = "http://ivaservizi.agenziaentrate.gov.it/docs/xsd/fatture/v1.2";
constexpr const char* kSignatureNamespace = "http://www.w3.org/2000/09/xmldsig#";

std::string Str(const CString& text)
{
    return text.GetString();
}

Decimal Number(const std::string& text)
{
    return text.empty() ? Decimal() : Decimal(text.c_str(), LOCALE_INVARIANT);
}

// An amount with exactly `decimals` fraction digits.
std::string Fixed(const Decimal& value, int decimals)
{
    Decimal rounded = Amounts::Rounded(value, decimals);
    const std::string zero = "0." + std::string(static_cast<std::size_t>(decimals), '0');
    rounded += Decimal(zero.c_str(), LOCALE_INVARIANT);
    return Str(rounded.ToString2(LOCALE_INVARIANT, false));
}

// A price or quantity: as many fraction digits as it has, at least two and at most eight.
std::string Price(const Decimal& value)
{
    std::string text = Str(Amounts::Rounded(value, 8).ToString2(LOCALE_INVARIANT, true));
    const std::size_t point = text.find('.');
    if (point == std::string::npos)
        return text + ".00";
    return text + std::string(text.size() - point - 1 < 2 ? 2 - (text.size() - point - 1) : 0, '0');
}

std::string Date(const TIMESTAMP_STRUCT& ts)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", int(ts.year) % 10000, unsigned(ts.month) % 100,
                  unsigned(ts.day) % 100);
    return text;
}

// A text as the format's Latin fields take it: characters beyond Latin-1 become "?", control
// characters a space, cut to `limit` characters; the result is UTF-8 as the file is.
std::string Latin(const std::string& text, std::size_t limit)
{
    std::string out;
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size() && count < limit; ++count) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        unsigned code = c;
        std::size_t length = 1;
        if (c >= 0xF0) {
            length = 4;
        } else if (c >= 0xE0) {
            length = 3;
        } else if (c >= 0xC0) {
            length = 2;
            code = (c & 0x1Fu) << 6 | (i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) & 0x3Fu : 0);
        }
        i += length;
        if (length > 2 || code > 0xFF)
            out += '?';
        else if (code < 0x20 || (code >= 0x7F && code < 0xA0))
            out += ' ';
        else if (code < 0x80)
            out += static_cast<char>(code);
        else
            out += {static_cast<char>(0xC0 | code >> 6), static_cast<char>(0x80 | (code & 0x3F))};
    }
    const std::size_t first = out.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : out.substr(first, out.find_last_not_of(' ') - first + 1);
}

std::vector<CEInvoiceRowSet::Row> Rows(CDatabase& db, const char* format, long id)
{
    CString sql;
    sql.Format(format, id);
    return CEInvoiceRowSet::Rows(db, sql);
}

struct Line {
    std::string description, code, unit;
    Decimal quantity, price, total, rate;
    std::vector<Decimal> discounts;  // percentages in order; negative ones are surcharges
    Decimal perUnit;                 // a further discount per unit (negative: a surcharge)
    std::string vatCode, nature;
    bool expense = false;
};

struct SummaryRow {
    Decimal rate, taxable, vat;
    std::string nature, note;
};

struct Instalment {
    std::string due;
    Decimal amount;
};

struct DeliveryNote {
    std::string number, date;
};

// Everything the file says, gathered and checked before a word of it is written.
struct Invoice {
    std::string kind, number, date, currency = "EUR";
    Party seller, buyer;
    std::vector<Line> lines;
    std::vector<SummaryRow> summary;
    std::vector<DeliveryNote> deliveries;
    std::vector<Instalment> instalments;
    std::string iban;
    Decimal total;
};

void WriteParty(XmlWriter& xml, const Party& party, bool seller)
{
    xml.Start("DatiAnagrafici");
    if (!party.vatNumber.empty()) {
        xml.Start("IdFiscaleIVA");
        xml.Element("IdPaese", party.country);
        xml.Element("IdCodice", party.vatNumber);
        xml.End();
    }
    xml.Element("CodiceFiscale", party.taxCode);
    xml.Start("Anagrafica");
    xml.Element("Denominazione", Latin(party.name, 80));
    xml.End();
    if (seller)
        xml.Element("RegimeFiscale", party.regime);
    xml.End();
    xml.Start("Sede");
    xml.Element("Indirizzo", Latin(party.address, 60));
    xml.Element("CAP", party.country == "IT" ? party.postcode : "00000");
    xml.Element("Comune", Latin(party.city, 60));
    xml.Element("Provincia", party.country == "IT" ? party.province : "");
    xml.Element("Nazione", party.country);
    xml.End();
}

std::string Write(const Invoice& inv, const std::string& progressive)
{
    XmlWriter xml;
    const bool publicAdministration = inv.buyer.recipientCode.size() == 6;
    xml.StartRoot("p", "FatturaElettronica", kNamespace);
    xml.Attribute("versione", publicAdministration ? "FPA12" : "FPR12");
    xml.Attribute("xmlns:ds", kSignatureNamespace);
    xml.Start("FatturaElettronicaHeader");
    xml.Start("DatiTrasmissione");
    xml.Start("IdTrasmittente");
    xml.Element("IdPaese", "IT");
    xml.Element("IdCodice", inv.seller.vatNumber);
    xml.End();
    xml.Element("ProgressivoInvio", progressive);
    xml.Element("FormatoTrasmissione", publicAdministration ? "FPA12" : "FPR12");
    xml.Element("CodiceDestinatario", inv.buyer.recipientCode);
    if (inv.buyer.recipientCode == "0000000")
        xml.Element("PECDestinatario", inv.buyer.pec);
    xml.End();
    xml.Start("CedentePrestatore");
    WriteParty(xml, inv.seller, true);
    xml.End();
    xml.Start("CessionarioCommittente");
    WriteParty(xml, inv.buyer, false);
    xml.End();
    xml.End();

    xml.Start("FatturaElettronicaBody");
    xml.Start("DatiGenerali");
    xml.Start("DatiGeneraliDocumento");
    xml.Element("TipoDocumento", inv.kind);
    xml.Element("Divisa", inv.currency);
    xml.Element("Data", inv.date);
    xml.Element("Numero", inv.number);
    xml.Element("ImportoTotaleDocumento", Fixed(inv.total, 2));
    xml.End();
    for (const DeliveryNote& ddt : inv.deliveries) {
        xml.Start("DatiDDT");
        xml.Element("NumeroDDT", ddt.number);
        xml.Element("DataDDT", ddt.date);
        xml.End();
    }
    xml.End();

    xml.Start("DatiBeniServizi");
    int number = 0;
    for (const Line& line : inv.lines) {
        xml.Start("DettaglioLinee");
        xml.Element("NumeroLinea", std::to_string(++number));
        if (line.expense)
            xml.Element("TipoCessionePrestazione", "AC");
        if (!line.code.empty()) {
            xml.Start("CodiceArticolo");
            xml.Element("CodiceTipo", "INTERNO");
            xml.Element("CodiceValore", Latin(line.code, 35));
            xml.End();
        }
        xml.Element("Descrizione", Latin(line.description, 1000));
        if (!line.expense) {
            xml.Element("Quantita", Price(line.quantity));
            xml.Element("UnitaMisura", Latin(line.unit, 10));
        }
        xml.Element("PrezzoUnitario", Price(line.price));
        for (const Decimal& discount : line.discounts) {
            xml.Start("ScontoMaggiorazione");
            xml.Element("Tipo", discount.IsNegative() ? "MG" : "SC");
            Decimal percent(discount);
            xml.Element("Percentuale", Fixed(percent.MakeAbsolute(), 2));
            xml.End();
        }
        if (!line.perUnit.IsZero()) {
            xml.Start("ScontoMaggiorazione");
            xml.Element("Tipo", line.perUnit.IsNegative() ? "MG" : "SC");
            Decimal amount(line.perUnit);
            xml.Element("Importo", Price(amount.MakeAbsolute()));
            xml.End();
        }
        xml.Element("PrezzoTotale", Price(line.total));
        xml.Element("AliquotaIVA", Fixed(line.rate, 2));
        xml.Element("Natura", line.nature);
        xml.End();
    }
    for (const SummaryRow& row : inv.summary) {
        xml.Start("DatiRiepilogo");
        xml.Element("AliquotaIVA", Fixed(row.rate, 2));
        xml.Element("Natura", row.nature);
        xml.Element("ImponibileImporto", Fixed(row.taxable, 2));
        xml.Element("Imposta", Fixed(row.vat, 2));
        if (row.nature.empty())
            xml.Element("EsigibilitaIVA", "I");
        else
            xml.Element("RiferimentoNormativo", Latin(row.note, 100));
        xml.End();
    }
    xml.End();

    if (!inv.instalments.empty()) {
        xml.Start("DatiPagamento");
        xml.Element("CondizioniPagamento", inv.instalments.size() > 1 ? "TP01" : "TP02");
        for (const Instalment& instalment : inv.instalments) {
            xml.Start("DettaglioPagamento");
            xml.Element("ModalitaPagamento", "MP05");
            xml.Element("DataScadenzaPagamento", instalment.due);
            xml.Element("ImportoPagamento", Fixed(instalment.amount, 2));
            xml.Element("IBAN", inv.iban);
            xml.End();
        }
        xml.End();
    }
    xml.End();
    xml.End();
    return xml.Text();
}

class Gatherer {
public:
    Gatherer(CDatabase& db, long id) : m_db(db), m_id(id), m_doc(&db), m_what("document " + std::to_string(id)) {}

    // Every refusal names the document first.
    Invoice Gather()
    {
        try {
            return GatherDocument();
        } catch (const EInvoiceError& e) {
            if (std::string(e.what()).rfind(m_what, 0) == 0)
                throw;
            throw EInvoiceError(m_what + ": " + e.what());
        }
    }

private:
    Invoice GatherDocument()
    {
        m_doc.Set_ID(m_id);
        if (!m_doc.DB_Load())
            throw EInvoiceError(m_what + " not found");
        Invoice inv;
        inv.kind = Kind();
        Seller(inv);
        Buyer(inv);
        inv.number = Str(m_doc.Get_SERIE_E_NUMERO());
        inv.date = Date(m_doc.Get_DATA_DOCUMENTO());
        inv.total = m_doc.Get_TOTALE();
        Lines(inv);
        Summary(inv);
        Payments(inv);
        return inv;
    }

    void Fail(const std::string& text) const { throw EInvoiceError(m_what + ": " + text); }

    // The kind of invoice from the reason, and the delivery notes cited.
    std::string Kind()
    {
        const CDomainCausaleMagazzino& reason = m_doc.Get_CAUSALE();
        const std::string type = Str(reason.Get_TIPO_DOCUMENTO());
        if (reason.IsOrdine() || type == "DDT" || type == "OC" || type == "OF")
            Fail("a " + type + " (reason " + std::to_string(reason.Get_ID()) + ") is not an invoice");
        if (!m_doc.IsValid_CLI_FAT_ID())
            Fail("it has no invoiced customer");
        const CDomainListaDocumentiAssociati& cited = m_doc.Get_LISTA_DOCUMENTI_ASSOCIATI();
        for (int i = 0; i < cited.GetSize(); ++i)
            if (Str(cited.GetAt(i).Get_TIPO_DOCUMENTO()) == "DDT")
                m_deliveries.push_back(
                    {Str(CDomainDocumento::Trasforma_SERIE_E_NUMERO(cited.GetAt(i).Get_SERIE(), cited.GetAt(i).Get_NUMERO())),
                     Date(cited.GetAt(i).Get_DATA_DOCUMENTO())});
        if (type == "NC" || reason.Get_F_RESO_VALORE() != 0)
            return "TD04";
        return m_deliveries.empty() ? "TD01" : "TD24";
    }

    void Seller(Invoice& inv)
    {
        const long company = m_doc.IsValid_ID_SOCIETA() ? m_doc.Get_ID_SOCIETA() : 1;
        if (!EInvoiceSettings::LoadCompany(m_db, company, inv.seller))
            Fail("company " + std::to_string(company) + " has no data; set it with orvelmag company set");
        EInvoiceSettings::CheckParty(inv.seller, "the seller (company " + std::to_string(company) + ")", true);
        inv.seller.country = "IT";
    }

    void Buyer(Invoice& inv)
    {
        const long id = m_doc.Get_CLI_FAT_ID();
        if (!EInvoiceSettings::LoadPartner(m_db, id, inv.buyer))
            Fail("customer " + std::to_string(id) + " not found");
        // The document keeps the codes as they were when it was made; the partner fills what it lacks.
        if (!m_doc.Get_CLI_FAT_RAGIONE_SOCIALE().IsEmpty())
            inv.buyer.name = Str(m_doc.Get_CLI_FAT_RAGIONE_SOCIALE());
        if (!m_doc.Get_CLI_FAT_PARTITA_IVA().IsEmpty())
            inv.buyer.vatNumber = Str(m_doc.Get_CLI_FAT_PARTITA_IVA());
        if (!m_doc.Get_CLI_FAT_CODICE_FISCALE().IsEmpty())
            inv.buyer.taxCode = Str(m_doc.Get_CLI_FAT_CODICE_FISCALE());
        EInvoiceSettings::CheckParty(inv.buyer, "the customer " + std::to_string(id), false);
        if (inv.buyer.recipientCode == "0000000" && inv.buyer.country != "IT")
            inv.buyer.recipientCode = "XXXXXXX";  // the code of a buyer abroad
    }

    std::string NatureOf(const std::string& vatCode, const std::string& where)
    {
        auto found = m_natures.find(vatCode);
        if (found == m_natures.end())
            found = m_natures.emplace(vatCode, EInvoiceSettings::Nature(m_db, vatCode)).first;
        if (found->second.empty())
            Fail(where + " has VAT code " + vatCode + " at rate 0 without a nature; set one with orvelmag vat nature " +
                 vatCode + " N...");
        return found->second;
    }

    void Lines(Invoice& inv)
    {
        const CDomainDettaglioDocumento* detail = m_doc.Get_DETTAGLIO();
        for (int i = 0; detail != nullptr && i < detail->GetSize(); ++i) {
            const CDomainVoceDocumento* voce = detail->GetAt(i);
            // Reference lines only cite the delivery notes, which DatiDDT names.
            if (voce == nullptr || Str(voce->Get_TIPO()) == "R")
                continue;
            const std::string where = "line " + std::to_string(i + 1) + " (" + Str(voce->Get_ID_ARTICOLO()) + ")";
            Line line;
            line.code = Str(voce->Get_ID_ARTICOLO());
            line.description = Str(voce->Get_DESCRIZIONE());
            if (Latin(line.description, 1000).empty())
                line.description = line.code.empty() ? "-" : line.code;
            line.unit = Str(voce->Get_UM());
            Decimal quantity = voce->Get_QUANTITA() * Decimal(voce->Get_MOLTIPLICATORE_QTA());
            line.price = voce->Get_PREZZO_PZ();
            if (quantity.IsNegative()) {
                quantity.MakeAbsolute();
                line.price = -line.price;
            }
            line.quantity = quantity;
            for (const Decimal& d : {voce->Get_SCONTO1(), voce->Get_SCONTO2(), voce->Get_SCONTO3(), voce->Get_SCONTO4(),
                                     voce->Get_SCONTO_EXTRA()})
                if (!d.IsZero())
                    line.discounts.push_back(d);
            line.total = voce->Get_TOTALE_IMPONIBILE(voce->Get_SCONTO_EXTRA());
            // What the percentages do not explain (free pieces, the rounding of the line) is a
            // discount per unit, so that quantity, price and discounts give the total as the
            // exchange system recomputes it.
            Decimal explained = line.quantity * line.price;
            for (const Decimal& d : line.discounts)
                explained *= Amounts::Remainder(d);
            const Decimal gap = Amounts::Rounded(explained - line.total, 8);
            if (!line.quantity.IsZero() && !(Amounts::Rounded(gap, 2).IsZero()))
                line.perUnit = Amounts::Rounded(gap / line.quantity, 8);
            line.rate = voce->Get_ALIQUOTA_IVA();
            line.vatCode = Str(voce->Get_ID_IVA());
            if (line.rate.IsZero())
                line.nature = NatureOf(line.vatCode, where);
            inv.lines.push_back(line);
        }
        const struct {
            const char* text;
            const Decimal& amount;
            const CString& code;
            const Decimal& rate;
        } expenses[] = {
            {"Spese di trasporto", m_doc.Get_SPESE_TRASPORTO(), m_doc.Get_ID_IVA_SPESE_TRASPORTO(),
             m_doc.Get_ALIQUOTA_IVA_SPESE_TRASPORTO()},
            {"Spese di incasso", m_doc.Get_SPESE_INCASSO(), m_doc.Get_ID_IVA_SPESE_INCASSO(),
             m_doc.Get_ALIQUOTA_IVA_SPESE_INCASSO()},
            {"Spese varie", m_doc.Get_SPESE_VARIE(), m_doc.Get_ID_IVA_SPESE_VARIE(), m_doc.Get_ALIQUOTA_IVA_SPESE_VARIE()},
        };
        // Only the expenses that the VAT summary counts: a positive amount with a VAT code.
        for (const auto& e : expenses) {
            if (!(e.amount > Decimal()) || e.code.IsEmpty())
                continue;
            Line line;
            line.expense = true;
            line.description = e.text;
            line.price = line.total = e.amount;
            line.rate = e.rate;
            line.vatCode = Str(e.code);
            if (line.rate.IsZero())
                line.nature = NatureOf(line.vatCode, std::string("the expense \"") + e.text + "\"");
            inv.lines.push_back(line);
        }
        if (inv.lines.empty())
            Fail("it has no lines");
    }

    // The stored summary, grouped by rate and nature; each VAT code's lines must add up to it.
    void Summary(Invoice& inv)
    {
        std::map<std::string, Decimal> linesByCode;
        for (const Line& line : inv.lines)
            linesByCode[line.vatCode] += line.total;
        const auto rows = Rows(m_db,
                               "SELECT D.ID_IVA AS C1, D.ALIQUOTA_IVA AS C2, D.TOTALE_IMPONIBILE AS C3, "
                               "D.TOTALE_IVA AS C4, D.NOTE_IVA AS C5, V.DESCRIZIONE AS C6, NULL AS C7, NULL AS C8 "
                               "FROM IVA_DOCUMENTO D LEFT JOIN IVA V ON V.CODICE = D.ID_IVA "
                               "WHERE D.ID_DOCUMENTO = %ld ORDER BY D.ID_IVA",
                               m_id);
        std::map<std::pair<std::string, std::string>, SummaryRow> grouped;
        for (const auto& r : rows) {
            const std::string& code = r[0];
            const Decimal taxable = Number(r[2]);
            const auto fromLines = linesByCode.find(code);
            const Decimal linesTaxable = fromLines == linesByCode.end() ? Decimal() : fromLines->second;
            if (Fixed(linesTaxable, 2) != Fixed(taxable, 2))
                Fail("the VAT summary of code " + code + " does not add up: its lines make " + Fixed(linesTaxable, 2) +
                     ", the summary holds " + Fixed(taxable, 2));
            if (fromLines != linesByCode.end())
                linesByCode.erase(fromLines);
            SummaryRow row;
            row.rate = Number(r[1]);
            if (row.rate.IsZero())
                row.nature = NatureOf(code, "the VAT summary");
            SummaryRow& into = grouped[{Fixed(row.rate, 2), row.nature}];
            into.rate = row.rate;
            into.nature = row.nature;
            into.taxable += taxable;
            into.vat += Number(r[3]);
            if (into.note.empty())
                into.note = !r[4].empty() ? r[4] : !r[5].empty() ? r[5] : "Natura " + row.nature;
        }
        for (const auto& [code, taxable] : linesByCode)
            if (!taxable.IsZero())
                Fail("the VAT summary has no row for code " + code + ", whose lines make " + Fixed(taxable, 2));
        if (grouped.empty())
            Fail("it has no VAT summary");
        for (auto& [key, row] : grouped)
            inv.summary.push_back(row);
    }

    void Payments(Invoice& inv)
    {
        inv.deliveries = m_deliveries;
        const auto rows = Rows(m_db,
                               "SELECT S.DATA_SCADENZA AS C1, S.IMPORTO AS C2, NULL AS C3, NULL AS C4, NULL AS C5, "
                               "NULL AS C6, NULL AS C7, NULL AS C8 FROM SCADENZA S JOIN SCADENZARIO_DOCUMENTO L "
                               "ON L.ID_SCADENZARIO = S.ID_SCADENZARIO WHERE L.ID_DOCUMENTO = %ld "
                               "ORDER BY S.DATA_SCADENZA, S.NUMERO, S.ID",
                               m_id);
        for (const auto& r : rows)
            inv.instalments.push_back({r[0].substr(0, 10), Number(r[1])});
        // The bank account goes with the instalments when it is a well-formed IBAN.
        const std::string iban = Str(m_doc.Get_IBAN());
        bool wellFormed = iban.size() >= 15 && iban.size() <= 34;
        for (std::size_t i = 0; wellFormed && i < iban.size(); ++i)
            wellFormed = i < 2 ? std::isalpha(static_cast<unsigned char>(iban[i])) != 0
                         : i < 4 ? std::isdigit(static_cast<unsigned char>(iban[i])) != 0
                                 : std::isalnum(static_cast<unsigned char>(iban[i])) != 0;
        if (wellFormed)
            inv.iban = iban;
    }

    CDatabase& m_db;
    long m_id;
    CDomainDocumentoMagazzino m_doc;
    std::string m_what;
    std::vector<DeliveryNote> m_deliveries;
    std::map<std::string, std::string> m_natures;
};

// The schema's first complaint about the finished text, as a refusal.
void CheckSchema(const SchemaValidator* validator, long documentId, const std::string& text)
{
    if (validator == nullptr)
        return;
    const std::vector<std::string> problems = validator->Problems(text);
    if (!problems.empty())
        throw EInvoiceError("document " + std::to_string(documentId) + ": the file does not follow the schema: " +
                            problems.front());
}

}  // namespace

InvoiceExporter::InvoiceExporter(CDatabase& db, const std::string& schemaFile) : m_db(db)
{
    if (!schemaFile.empty())
        m_validator = std::make_unique<SchemaValidator>(schemaFile);
}

InvoiceExporter::~InvoiceExporter() = default;

std::string InvoiceExporter::Xml(long documentId, const std::string& progressive)
{
    const Invoice invoice = Gatherer(m_db, documentId).Gather();
    std::string text = Write(invoice, progressive);
    CheckSchema(m_validator.get(), documentId, text);
    return text;
}

std::string InvoiceExporter::Export(long documentId, const std::string& folder)
{
    const Invoice invoice = Gatherer(m_db, documentId).Gather();
    const std::string progressive = EInvoiceSettings::NextProgressive(m_db, invoice.seller.id);
    const std::string text = Write(invoice, progressive);
    CheckSchema(m_validator.get(), documentId, text);
    const std::string name = "IT" + invoice.seller.vatNumber + "_" + progressive + ".xml";
    const std::filesystem::path path = std::filesystem::path(folder.empty() ? "." : folder) / name;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (!file)
        throw EInvoiceError("document " + std::to_string(documentId) + ": the file " + path.string() +
                            " cannot be written");
    return name;
}

}  // namespace einvoice
