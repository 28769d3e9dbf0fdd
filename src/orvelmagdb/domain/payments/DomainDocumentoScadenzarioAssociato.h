// CDomainDocumentoScadenzarioAssociato: a document that a payment schedule stands for: the
// summary of the linked document, loaded by its id like any linked document, plus the flag that
// asks for the schedule to be reported on the document.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/domain/documents/DomainDocumentoAssociato.h"

class ORVEL_API CDomainDocumentoScadenzarioAssociato : public CDomainDocumentoAssociato {
public:
    explicit CDomainDocumentoScadenzarioAssociato(CDatabase* pDatabase = nullptr);
    CDomainDocumentoScadenzarioAssociato(const CDomainDocumentoScadenzarioAssociato& other);
    CDomainDocumentoScadenzarioAssociato& operator=(const CDomainDocumentoScadenzarioAssociato& other);
    ~CDomainDocumentoScadenzarioAssociato() override;

    long Get_F_RIPORTA_IN_DOCUMENTO() const { return F_RIPORTA_IN_DOCUMENTO; }
    long& Ref_F_RIPORTA_IN_DOCUMENTO() { return F_RIPORTA_IN_DOCUMENTO; }
    void Set_F_RIPORTA_IN_DOCUMENTO(long value) { F_RIPORTA_IN_DOCUMENTO = value; }

protected:
    long F_RIPORTA_IN_DOCUMENTO;
};
