// The tables of the electronic invoice: what the shop's own master data lacks for writing an
// invoice that the exchange system accepts.
//
// NATURA_IVA maps a VAT code of the shop to the nature code that every zero-rate line and summary
// row of an electronic invoice must carry (N1 ... N7 and their sub-codes). FATTURA_ELETTRONICA
// keeps, per company, the tax regime that the seller declares and the last progressive number
// given to an exported file (the file name carries it, so it is never used twice).
// DESTINATARIO_FATTURA keeps, per partner, the recipient code of the exchange system (seven
// characters for businesses, six for a public administration) and the certified mail address.
// A partner or company without a row is written with the defaults (recipient "0000000", regime
// RF01, progressive from 1).
#include "orvelmagdb/base/detail/SchemaAreas.h"

namespace orvel_schema {

void AddEInvoiceSchema(CDialect::Kind /*kind*/, CSchemaDefinition& schema)
{
    schema.AddTable("NATURA_IVA", "ID_IVA TEXT NOT NULL PRIMARY KEY, NATURA TEXT NOT NULL");
    schema.AddTable("FATTURA_ELETTRONICA",
                    "ID_SOCIETA INTEGER NOT NULL PRIMARY KEY, REGIME_FISCALE TEXT, PROGRESSIVO INTEGER");
    schema.AddTable("DESTINATARIO_FATTURA",
                    "ID_AZIENDA INTEGER NOT NULL PRIMARY KEY, CODICE_DESTINATARIO TEXT, PEC TEXT");
}

}  // namespace orvel_schema
