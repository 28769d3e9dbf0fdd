// SchemaValidator: an XML schema read once from its file (with the schemas it imports from the
// same folder, never from the network) and used to check documents held in memory. Problems()
// answers the schema's complaints about a document, one line each with its line number; empty
// when the document is valid. A schema file that cannot be read throws EInvoiceError naming it.
#pragma once

#include <memory>
#include <string>
#include <vector>

typedef struct _xmlSchema xmlSchema;

namespace einvoice {

class SchemaValidator {
public:
    explicit SchemaValidator(const std::string& schemaFile);
    ~SchemaValidator();
    SchemaValidator(const SchemaValidator&) = delete;
    SchemaValidator& operator=(const SchemaValidator&) = delete;

    std::vector<std::string> Problems(const std::string& document) const;

private:
    struct FreeSchema {
        void operator()(xmlSchema* schema) const;
    };
    std::unique_ptr<xmlSchema, FreeSchema> m_schema;
};

}  // namespace einvoice
