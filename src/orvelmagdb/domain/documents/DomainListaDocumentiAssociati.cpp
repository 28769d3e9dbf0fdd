// The list of linked documents: one entry per key, in the order they were linked.
#include "orvelmagdb/domain/documents/DomainListaDocumentiAssociati.h"

CDomainListaDocumentiAssociati::CDomainListaDocumentiAssociati(CDatabase* pDatabase) : CDomainClass(pDatabase) {}

CDomainListaDocumentiAssociati::CDomainListaDocumentiAssociati(const CDomainListaDocumentiAssociati& other) = default;

CDomainListaDocumentiAssociati& CDomainListaDocumentiAssociati::operator=(const CDomainListaDocumentiAssociati& other) = default;

CDomainListaDocumentiAssociati::~CDomainListaDocumentiAssociati() = default;

int CDomainListaDocumentiAssociati::Find(long id) const
{
    for (INT_PTR i = 0; i < GetSize(); ++i)
        if (GetAt(i).Get_ID() == id)
            return static_cast<int>(i);
    return -1;
}

int CDomainListaDocumentiAssociati::Add(long id)
{
    if (Find(id) >= 0)
        return -1;
    CDomainDocumentoAssociato entry(GetDatabase());
    entry.Set_ID(id);
    if (!entry.DB_Load())
        return -1;
    return static_cast<int>(CArray::Add(entry));
}

int CDomainListaDocumentiAssociati::Add(const CDomainDocumentoAssociato& entry)
{
    if (Find(entry.Get_ID()) >= 0)
        return -1;
    CDomainDocumentoAssociato copy(entry);
    return static_cast<int>(CArray::Add(copy));
}

int CDomainListaDocumentiAssociati::Remove(long id)
{
    const int index = Find(id);
    if (index >= 0)
        RemoveAt(index);
    return index;
}
