// The tables of the restaurant library: restaurant orders and the order documents sent for
// them. An order's documents are ordinary documents of the shop (lines, totals); COMANDA_ORDINE
// only says which restaurant order each belongs to, and goes with either side when it is
// deleted. Amounts and percentages are TEXT in the invariant decimal form.
#include "orvelristdb/detail/OrvelRistDbSchema.h"

namespace orvelristdb {

void AddSchema(CDialect::Kind /*kind*/, CSchemaDefinition& schema)
{
    // DATA is when the table was seated; PREZZO_COPERTO the price of one cover, PERC_SERVIZIO the
    // service charge in percent of the bill.
    schema.AddTable("COMANDA",
                    "ID INTEGER PRIMARY KEY, DATA TIMESTAMP, TAVOLO TEXT, COPERTI INTEGER, PREZZO_COPERTO TEXT, "
                    "PERC_SERVIZIO TEXT, ID_SOCIETA INTEGER, ID_COLLABORATORE INTEGER, ID_POSTAZIONE TEXT, "
                    "F_CHIUSA INTEGER, NOTE TEXT");
    schema.AddTable("COMANDA_ORDINE",
                    "ID_COMANDA INTEGER NOT NULL REFERENCES COMANDA (ID) ON DELETE CASCADE, "
                    "ID_DOCUMENTO INTEGER NOT NULL REFERENCES DOCUMENTO (ID) ON DELETE CASCADE, NUMERO INTEGER, "
                    "PRIMARY KEY (ID_COMANDA, ID_DOCUMENTO)");
    schema.AddIndex("IX_COMANDA_ORDINE_DOCUMENTO", "COMANDA_ORDINE", "ID_DOCUMENTO");
}

}  // namespace orvelristdb
