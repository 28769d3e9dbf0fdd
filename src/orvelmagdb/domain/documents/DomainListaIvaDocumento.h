// CDomainListaIvaDocumento: a document's VAT summary, one CDomainIvaDocumento row per VAT code,
// held in a map keyed by the code. Lines and expenses are added one contribution at a time; a
// code that is not in the VAT table is refused, so the summary only ever holds known codes with
// the rate and note of the table. DB_Update writes the summary of one document: on an edit the old
// rows are deleted first, then every row of the map is inserted.
#pragma once

#include "afx/Export.h"
#include "afx/Map.h"
#include "afx/String.h"
#include "orveldblib/Decimal.h"
#include "orveldblib/DomainClass.h"
#include "orvelmagdb/domain/documents/DomainIvaDocumento.h"

class ORVEL_API CDomainListaIvaDocumento
    : public CDomainClass,
      public CMap<CString, const char*, CDomainIvaDocumento, const CDomainIvaDocumento&> {
public:
    using CMapIva = CMap<CString, const char*, CDomainIvaDocumento, const CDomainIvaDocumento&>;

    explicit CDomainListaIvaDocumento(CDatabase* pDatabase = nullptr);
    // Both copy the connection settings, then every row of the source into the row of the same
    // code, then ID_DOCUMENTO. Assignment does not empty the target first: rows of codes that the
    // source lacks stay.
    CDomainListaIvaDocumento(const CDomainListaIvaDocumento& other);
    CDomainListaIvaDocumento& operator=(const CDomainListaIvaDocumento& other);
    ~CDomainListaIvaDocumento() override;

    long Get_ID_DOCUMENTO() const { return ID_DOCUMENTO; }
    void Set_ID_DOCUMENTO(long value) { ID_DOCUMENTO = value; }

    // Adds a taxable amount and its VAT to the row of the code, creating the row from the VAT
    // table when the code is new. False, with the summary unchanged, when the code is not in the
    // VAT table (or cannot be read).
    bool Add(const char* idIva, const Decimal& imponibile, const Decimal& iva);

    // Writes the summary of document ID_DOCUMENTO. False when the document has no id yet. A delete
    // writes nothing (the document's own deletion removes its rows). An edit first deletes the
    // stored rows; an add or edit then inserts every row of the map. A database error is shown in
    // the error box and answered with false; rows inserted before it stay for the caller's
    // transaction to decide.
    bool DB_Update(EDB_Operation op) override;

protected:
    void CopyRows(const CDomainListaIvaDocumento& other);

    long ID_DOCUMENTO;
};
