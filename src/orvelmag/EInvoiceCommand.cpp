// The electronic invoice on the command line: "orvelmag company set|customer|show" keeps the
// seller's and the buyers' data the invoice needs, "orvelmag vat nature CODE N" the nature of a
// zero-rate VAT code, and "orvelmag doc export ID" writes the document as a FatturaPA file and
// prints its name. A refusal of the exporter (its text names the field) ends the command with 1.
#include <ostream>

#include "ArticleInput.h"
#include "Cli.h"
#include "einvoice/EInvoiceSettings.h"
#include "einvoice/InvoiceExporter.h"
#include "odbc/Database.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orveldlglib/ConfigAdministrator.h"

namespace orvelmag {

namespace {

constexpr const char* kCompanyUsage =
    "company set [--id N] [--name X] [--vat-number V] [--tax-code C] [--address A] [--postcode Z] [--city C]\n"
    "          [--province P] [--regime RFnn] | company customer ID [--vat-number V] [--tax-code C] [--address A]\n"
    "          [--postcode Z] [--city C] [--province P] [--country CC] [--recipient CODE] [--pec MAIL]\n"
    "  | company show [--id N] | company customer ID";

const std::vector<std::string> kPartyOptions = {"connect",  "file", "id",       "name",    "vat-number",
                                                "tax-code", "address", "postcode", "city",    "province",
                                                "country",  "regime",  "recipient", "pec"};

long Id(const std::string& what, const std::string& text)
{
    try {
        return ParseWhole(what, text, 1, 2147483647L);
    } catch (const InputError& e) {
        throw UsageError{e.message};
    }
}

// The options given replace the stored values; those not given stay.
void Apply(const Arguments& args, einvoice::Party& party)
{
    const std::pair<const char*, std::string*> fields[] = {
        {"name", &party.name},         {"vat-number", &party.vatNumber}, {"tax-code", &party.taxCode},
        {"address", &party.address},   {"postcode", &party.postcode},    {"city", &party.city},
        {"province", &party.province}, {"country", &party.country},      {"regime", &party.regime},
        {"recipient", &party.recipientCode}, {"pec", &party.pec}};
    for (const auto& [option, field] : fields)
        if (auto value = args.Option(option))
            *field = *value;
}

void Print(const einvoice::Party& party, bool seller, std::ostream& out)
{
    out << "name:       " << Printable(party.name) << "\n"
        << "VAT number: " << Printable(party.vatNumber) << "\n"
        << "tax code:   " << Printable(party.taxCode) << "\n"
        << "address:    " << Printable(party.address) << ", " << Printable(party.postcode) << " "
        << Printable(party.city) << (party.province.empty() ? "" : " (" + Printable(party.province) + ")") << " "
        << Printable(party.country) << "\n";
    if (seller)
        out << "regime:     " << party.regime << "\n";
    else
        out << "recipient:  " << Printable(party.recipientCode)
            << (party.pec.empty() ? "" : ", PEC " + Printable(party.pec)) << "\n";
}

}  // namespace

int RunCompany(const std::vector<std::string>& words, std::ostream& out)
{
    Arguments args(words, kPartyOptions);
    const auto& positional = args.Positional();
    const std::string verb = positional.empty() ? "" : positional[0];
    const bool customer = verb == "customer" && positional.size() == 2;
    if (!customer && !((verb == "set" || verb == "show") && positional.size() == 1))
        throw UsageError{kCompanyUsage};
    for (const char* seller : {"id", "name", "regime"})
        if (customer && args.Option(seller))
            throw UsageError{std::string("--") + seller + " belongs to company set and show"};
    for (const char* buyer : {"country", "recipient", "pec"})
        if (!customer && args.Option(buyer))
            throw UsageError{std::string("--") + buyer + " belongs to company customer"};
    // The options that carry data (all but --connect, --file and --id).
    int given = 0;
    for (std::size_t i = 3; i < kPartyOptions.size(); ++i)
        given += args.Option(kPartyOptions[i]) ? 1 : 0;
    if (verb == "show" && given > 0)
        throw UsageError{kCompanyUsage};
    const auto database = OpenShopDatabase(args);
    CDatabase& db = *database;
    einvoice::Party party;
    if (customer) {
        const long id = Id("partner id", positional[1]);
        if (!einvoice::EInvoiceSettings::LoadPartner(db, id, party)) {
            out << "partner " << id << " not found\n";
            return 1;
        }
        Apply(args, party);
        if (given > 0) {
            einvoice::EInvoiceSettings::SavePartner(db, party);
            out << "customer " << id << " saved\n";
        }
        Print(party, false, out);
        return 0;
    }
    const long id = args.Option("id") ? Id("company id", *args.Option("id")) : 1;
    const bool known = einvoice::EInvoiceSettings::LoadCompany(db, id, party);
    if (verb == "show") {
        if (!known) {
            out << "company " << id << " not found\n";
            return 1;
        }
        Print(party, true, out);
        return 0;
    }
    party.id = id;
    if (party.regime.empty())
        party.regime = "RF01";
    Apply(args, party);
    einvoice::EInvoiceSettings::SaveCompany(db, party);
    out << "company " << id << " saved\n";
    Print(party, true, out);
    return 0;
}

int RunVatNature(const std::vector<std::string>& words, std::ostream& out)
{
    Arguments args(words, {"connect", "file"});
    const auto& positional = args.Positional();
    if (positional.size() != 3)
        throw UsageError{"vat nature CODE NATURE (N1, N2.1, N2.2, N3.1 ... N3.6, N4, N5, N6.1 ... N6.9, N7)"};
    const auto database = OpenShopDatabase(args);
    einvoice::EInvoiceSettings::SetNature(*database, positional[1], positional[2]);
    out << "VAT code " << Printable(positional[1]) << ": nature " << positional[2] << "\n";
    return 0;
}

int RunDocExport(const std::vector<std::string>& words, std::ostream& out)
{
    Arguments args(words, {"connect", "file", "out", "schema"});
    const auto& positional = args.Positional();
    if (positional.size() != 2)
        throw UsageError{"doc export ID [--out DIR] [--schema FILE]"};
    const long id = Id("document id", positional[1]);
    const auto database = OpenShopDatabase(args);
    // Without --schema, the schema named by the configuration, if any.
    std::string schema = args.Option("schema").value_or("");
    if (schema.empty())
        schema = CApplicationAdministrator::GetInstance()->GetConfig()->GetParam("fatturapa/schema").GetString();
    einvoice::InvoiceExporter exporter(*database, schema);
    out << exporter.Export(id, args.Option("out").value_or(".")) << "\n";
    return 0;
}

}  // namespace orvelmag
