// A document linked to a schedule: the linked-document summary plus the report flag.
#include "orvelmagdb/domain/payments/DomainDocumentoScadenzarioAssociato.h"

CDomainDocumentoScadenzarioAssociato::CDomainDocumentoScadenzarioAssociato(CDatabase* pDatabase)
    : CDomainDocumentoAssociato(pDatabase), F_RIPORTA_IN_DOCUMENTO(0)
{
}

CDomainDocumentoScadenzarioAssociato::CDomainDocumentoScadenzarioAssociato(
    const CDomainDocumentoScadenzarioAssociato& other)
    : CDomainDocumentoAssociato(other), F_RIPORTA_IN_DOCUMENTO(other.F_RIPORTA_IN_DOCUMENTO)
{
}

CDomainDocumentoScadenzarioAssociato& CDomainDocumentoScadenzarioAssociato::operator=(
    const CDomainDocumentoScadenzarioAssociato& other)
{
    CDomainDocumentoAssociato::operator=(other);
    F_RIPORTA_IN_DOCUMENTO = other.F_RIPORTA_IN_DOCUMENTO;
    return *this;
}

CDomainDocumentoScadenzarioAssociato::~CDomainDocumentoScadenzarioAssociato() = default;
