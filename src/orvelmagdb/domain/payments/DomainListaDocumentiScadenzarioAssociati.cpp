// The documents of a schedule: one entry per document id, in the order they were linked.
#include "orvelmagdb/domain/payments/DomainListaDocumentiScadenzarioAssociati.h"

CDomainListaDocumentiScadenzarioAssociati::CDomainListaDocumentiScadenzarioAssociati(CDatabase* pDatabase)
    : CDomainClass(pDatabase)
{
}

CDomainListaDocumentiScadenzarioAssociati::CDomainListaDocumentiScadenzarioAssociati(
    const CDomainListaDocumentiScadenzarioAssociati& other) = default;

CDomainListaDocumentiScadenzarioAssociati& CDomainListaDocumentiScadenzarioAssociati::operator=(
    const CDomainListaDocumentiScadenzarioAssociati& other) = default;

CDomainListaDocumentiScadenzarioAssociati::~CDomainListaDocumentiScadenzarioAssociati() = default;

int CDomainListaDocumentiScadenzarioAssociati::Find(long idDocumento) const
{
    for (INT_PTR i = 0; i < GetSize(); ++i)
        if (GetAt(i).Get_ID() == idDocumento)
            return static_cast<int>(i);
    return -1;
}

int CDomainListaDocumentiScadenzarioAssociati::Add(const CDomainDocumentoScadenzarioAssociato& documento)
{
    if (Find(documento.Get_ID()) >= 0)
        return -1;
    CDomainDocumentoScadenzarioAssociato copy(documento);
    return static_cast<int>(CArray::Add(copy));
}

int CDomainListaDocumentiScadenzarioAssociati::Add(long idDocumento, int fRiportaInDocumento)
{
    if (Find(idDocumento) >= 0)
        return -1;
    CDomainDocumentoScadenzarioAssociato documento(GetDatabase());
    documento.Set_ID(idDocumento);
    if (!documento.DB_Load())
        return -1;
    documento.Set_F_RIPORTA_IN_DOCUMENTO(fRiportaInDocumento);
    return static_cast<int>(CArray::Add(documento));
}

int CDomainListaDocumentiScadenzarioAssociati::Remove(long idDocumento)
{
    const int index = Find(idDocumento);
    if (index >= 0)
        RemoveAt(index);
    return index;
}
