// CDomainListaDocumentiScadenzarioAssociati: the documents a schedule stands for, in the order
// they were linked, each document at most once. The schedule reads and writes the links
// (SCADENZARIO_DOCUMENTO); the list itself only loads the summary of a document linked by id.
#pragma once

#include "afx/Array.h"
#include "afx/Export.h"
#include "orveldblib/DomainClass.h"
#include "orvelmagdb/domain/payments/DomainDocumentoScadenzarioAssociato.h"

class ORVEL_API CDomainListaDocumentiScadenzarioAssociati
    : public CDomainClass,
      public CArray<CDomainDocumentoScadenzarioAssociato, CDomainDocumentoScadenzarioAssociato&> {
public:
    explicit CDomainListaDocumentiScadenzarioAssociati(CDatabase* pDatabase = nullptr);
    CDomainListaDocumentiScadenzarioAssociati(const CDomainListaDocumentiScadenzarioAssociati& other);
    CDomainListaDocumentiScadenzarioAssociati& operator=(const CDomainListaDocumentiScadenzarioAssociati& other);
    ~CDomainListaDocumentiScadenzarioAssociati() override;

    // Appends a copy; -1 when a document with the same id is already linked.
    int Add(const CDomainDocumentoScadenzarioAssociato& documento);
    // Links the document of that id: loads its summary and appends it with the report flag.
    // -1 when it is already linked or cannot be loaded. A database error reaches the caller.
    int Add(long idDocumento, int fRiportaInDocumento);
    bool IsDocumentoPresente(long idDocumento) const { return Find(idDocumento) >= 0; }
    // Removes the document of that id and returns the index it had; -1 when it is not linked.
    int Remove(long idDocumento);
    // The index of the document of that id, -1 when it is not linked.
    int Find(long idDocumento) const;
};
