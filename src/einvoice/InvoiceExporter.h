// InvoiceExporter: a stored document written as an Italian electronic invoice (FatturaPA 1.2.2),
// the file the exchange system (SdI) takes.
//
// The document is loaded through the library's document classes; the seller is the document's
// company (company 1 when the document names none), the buyer its invoiced customer, with the
// codes the document carries or else the partner's. The kind of invoice comes from the movement
// reason: a reason of type "NC" or one that returns value makes a credit note (TD04); an invoice
// that cites delivery notes is a deferred invoice (TD24); any other invoice is TD01. Orders,
// delivery notes and documents without a customer are refused.
//
// Each line is one DettaglioLinee with its quantity, unit price, discounts, taxable total and VAT
// rate (and the nature of its VAT code when the rate is 0); the expenses are lines of their own.
// The summary (DatiRiepilogo) is the stored VAT summary grouped by rate and nature, and the
// lines of each VAT code must add up to its taxable amount to the cent. The cited delivery notes
// become DatiDDT, and the schedule of the document, when it has one, DatiPagamento.
//
// What the exchange system would refuse and the schema cannot see is refused with an
// EInvoiceError naming the field: a wrong check digit of a VAT number or tax code, a zero-rate
// line whose VAT code has no nature, a summary that does not add up. With a schema file, the
// finished text is validated against it before anything is written.
#pragma once

#include <memory>
#include <string>

class CDatabase;

namespace einvoice {

class SchemaValidator;

class InvoiceExporter {
public:
    // schemaFile empty: no validation.
    InvoiceExporter(CDatabase& db, const std::string& schemaFile);
    ~InvoiceExporter();
    InvoiceExporter(const InvoiceExporter&) = delete;
    InvoiceExporter& operator=(const InvoiceExporter&) = delete;

    // The XML text of the document with that progressive; validated when a schema was given.
    std::string Xml(long documentId, const std::string& progressive);

    // Writes the file into the folder and answers its name ("IT01234567897_00001.xml"); the
    // company's progressive is advanced for it. A refused document writes nothing (its number
    // may have been used: the exchange system needs the progressives distinct, not gapless).
    std::string Export(long documentId, const std::string& folder);

private:
    CDatabase& m_db;
    std::unique_ptr<SchemaValidator> m_validator;
};

}  // namespace einvoice
