// CDomainListaDocumentiAssociati: the documents a document is linked to, as summaries held by
// value in the order they were linked, never two with the same key. The document reads the list
// from DOCUMENTI_REFERENZIATI and writes it to DOC_REFERENZIA_DOCS; the list itself only reads
// the summary of a newly linked document.
#pragma once

#include "afx/Array.h"
#include "afx/Export.h"
#include "orveldblib/DomainClass.h"
#include "orvelmagdb/domain/documents/DomainDocumentoAssociato.h"

class ORVEL_API CDomainListaDocumentiAssociati : public CDomainClass,
                                                 public CArray<CDomainDocumentoAssociato, CDomainDocumentoAssociato&> {
public:
    explicit CDomainListaDocumentiAssociati(CDatabase* pDatabase = nullptr);
    CDomainListaDocumentiAssociati(const CDomainListaDocumentiAssociati& other);
    CDomainListaDocumentiAssociati& operator=(const CDomainListaDocumentiAssociati& other);
    ~CDomainListaDocumentiAssociati() override;

    // Links the document with that key: reads its summary and appends it. Returns its index, or
    // -1 when it is already linked or has no summary to read. A database error reaches the caller.
    int Add(long id);
    // Appends a copy of the entry; -1 when an entry with its key is already there.
    int Add(const CDomainDocumentoAssociato& entry);
    bool IsDocumentoPresente(long id) const { return Find(id) >= 0; }
    // Removes the entry with that key and returns the index it had; -1 when there is none.
    int Remove(long id);
    // The index of the entry with that key, -1 when there is none.
    int Find(long id) const;
};
