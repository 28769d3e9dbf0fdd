// CDomainDocumentoModa: the fashion document, whose detail holds fashion lines (size scale, size,
// colour and row number). Its lines are read from VOCI_DOCUMENTO_MODA_LOAD and written through
// VOCI_DOCUMENTO_MODA_OPER with the same marker protocol as warehouse lines. A line repeating
// the article, size and colour of an earlier line is stored as a further row of that garment:
// row number 1 and the earlier line's bar code. The database's fashion delete procedure removes
// a document with everything hung on it. Linking works as for warehouse documents.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/domain/documents/DomainDocumento.h"

class ORVEL_API CDomainDocumentoModa : public CDomainDocumento {
public:
    // Builds the header with its defaults and an empty fashion detail on the same connection.
    explicit CDomainDocumentoModa(CDatabase* pDatabase = nullptr);
    CDomainDocumentoModa(const CDomainDocumentoModa& other);
    CDomainDocumentoModa& operator=(const CDomainDocumentoModa& other);
    ~CDomainDocumentoModa() override;

    CDomainDocumento* Clone() const override;

    int AssociaDocumento(const CDomainDocumento& doc, bool importa, bool flagAggiunta, bool riferimento) override;
    int AssociaDocumento(const CDomainDocumentoAssociato& entry, bool importa, bool flagAggiunta,
                         bool riferimento) override;
    int AssociaDocumento(long id, bool importa, bool flagAggiunta, bool riferimento) override;

protected:
    // "{call ELIMINA_DOCUMENTO_MODA(id)}" on the document's connection.
    bool DB_DeleteDocumento() override;
    // Empties the detail and fills it with the stored fashion lines, in the order "NRIGA, ID".
    bool Load_DETTAGLIO() override;
    bool Update_DETTAGLIO(EDB_Operation op) override;
};
