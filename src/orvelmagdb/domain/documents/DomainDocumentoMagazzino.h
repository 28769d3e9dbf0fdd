// CDomainDocumentoMagazzino: the warehouse document, whose detail holds ordinary warehouse lines.
// Its lines are read from VOCI_DOCUMENTO and kept in step with the detail through the MARCATORE
// column of VOCI_DOCUMENTO_OPER: on edit every stored line is first marked stale, each line of the
// detail is then rewritten in place (or added) and marked current, and the stale rows left over
// are deleted. The database's delete procedure removes a document with everything hung on it.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/domain/documents/DomainDocumento.h"

class ORVEL_API CDomainDocumentoMagazzino : public CDomainDocumento {
public:
    // Builds the header with its defaults and an empty warehouse detail on the same connection.
    explicit CDomainDocumentoMagazzino(CDatabase* pDatabase = nullptr);
    CDomainDocumentoMagazzino(const CDomainDocumentoMagazzino& other);
    CDomainDocumentoMagazzino& operator=(const CDomainDocumentoMagazzino& other);
    ~CDomainDocumentoMagazzino() override;

    CDomainDocumento* Clone() const override;

protected:
    // "{call ELIMINA_DOCUMENTO(id)}" on the document's connection.
    bool DB_DeleteDocumento() override;
    // Empties the detail and fills it with the stored lines, in the order "NRIGA, ID".
    bool Load_DETTAGLIO() override;
    bool Update_DETTAGLIO(EDB_Operation op) override;
};
