// SchemaValidator: libxml2's schema validation, its messages collected instead of printed.
#include "einvoice/SchemaValidator.h"

#include <libxml/parser.h>
#include <libxml/xmlschemas.h>

#include "einvoice/EInvoiceError.h"

namespace einvoice {

namespace {

// Collects libxml2's structured errors as "line N: message".
void Collect(void* sink, xmlErrorPtr error)
{
    if (error == nullptr || error->message == nullptr)
        return;
    std::string text = error->message;
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    if (error->line > 0)
        text = "line " + std::to_string(error->line) + ": " + text;
    static_cast<std::vector<std::string>*>(sink)->push_back(text);
}

struct ParserContext {
    xmlSchemaParserCtxtPtr p;
    ~ParserContext() { xmlSchemaFreeParserCtxt(p); }
};
struct ValidContext {
    xmlSchemaValidCtxtPtr p;
    ~ValidContext() { xmlSchemaFreeValidCtxt(p); }
};
struct Document {
    xmlDocPtr p;
    ~Document() { xmlFreeDoc(p); }
};

}  // namespace

void SchemaValidator::FreeSchema::operator()(xmlSchema* schema) const
{
    xmlSchemaFree(schema);
}

SchemaValidator::SchemaValidator(const std::string& schemaFile)
{
    xmlInitParser();
    std::vector<std::string> problems;
    ParserContext context{xmlSchemaNewParserCtxt(schemaFile.c_str())};
    if (context.p == nullptr)
        throw EInvoiceError("the schema " + schemaFile + " cannot be read");
    xmlSchemaSetParserStructuredErrors(context.p, Collect, &problems);
    m_schema.reset(xmlSchemaParse(context.p));
    if (!m_schema)
        throw EInvoiceError("the schema " + schemaFile + " cannot be read" +
                            (problems.empty() ? std::string() : ": " + problems.front()));
}

SchemaValidator::~SchemaValidator() = default;

std::vector<std::string> SchemaValidator::Problems(const std::string& document) const
{
    std::vector<std::string> problems;
    Document doc{xmlReadMemory(document.data(), static_cast<int>(document.size()), "invoice.xml", nullptr,
                               XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING)};
    if (doc.p == nullptr) {
        problems.push_back("the document is not well-formed XML");
        return problems;
    }
    ValidContext context{xmlSchemaNewValidCtxt(m_schema.get())};
    if (context.p == nullptr)
        throw EInvoiceError("the schema validation could not start");
    xmlSchemaSetValidStructuredErrors(context.p, Collect, &problems);
    if (xmlSchemaValidateDoc(context.p, doc.p) != 0 && problems.empty())
        problems.push_back("the document does not follow the schema");
    return problems;
}

}  // namespace einvoice
