// CDomainGruppo: an article group under a family. It has no database operations of its own (its DB_Load and DB_Update
// are the base's, which return false): the host reads rows with CGruppoSet and fills the object
// with FromRecordset, or fills it with the setters. Values are kept as read, without rounding.
#pragma once

#include "afx/Export.h"
#include "afx/String.h"
#include "orveldblib/DomainClass.h"

class CGruppoSet;

class ORVEL_API CDomainGruppo : public CDomainClass {
public:
    explicit CDomainGruppo(CDatabase* pDatabase = nullptr);
    CDomainGruppo(const CDomainGruppo& other) = default;
    CDomainGruppo& operator=(const CDomainGruppo& other) = default;
    ~CDomainGruppo() override;

    const CString& Get_ID() const { return ID; }
    const CString& Get_DESCRIZIONE() const { return DESCRIZIONE; }
    const CString& Get_DESCRIZIONE_ESTESA() const { return DESCRIZIONE_ESTESA; }
    const CString& Get_FILE_FOTO() const { return FILE_FOTO; }
    const CString& Get_ID_FAMIGLIA() const { return ID_FAMIGLIA; }
    const CString& Get_DESCRIZIONE_ESTESA2() const { return DESCRIZIONE_ESTESA2; }
    const CString& Get_FILE_FOTO2() const { return FILE_FOTO2; }

    void Set_ID(const CString& value) { ID = value; }
    void Set_DESCRIZIONE(const CString& value) { DESCRIZIONE = value; }
    void Set_DESCRIZIONE_ESTESA(const CString& value) { DESCRIZIONE_ESTESA = value; }
    void Set_FILE_FOTO(const CString& value) { FILE_FOTO = value; }
    void Set_ID_FAMIGLIA(const CString& value) { ID_FAMIGLIA = value; }
    void Set_DESCRIZIONE_ESTESA2(const CString& value) { DESCRIZIONE_ESTESA2 = value; }
    void Set_FILE_FOTO2(const CString& value) { FILE_FOTO2 = value; }

    // Copies the current row of the recordset.
    void FromRecordset(CGruppoSet& rs);

protected:
    CString ID;
    CString DESCRIZIONE;
    CString DESCRIZIONE_ESTESA;
    CString FILE_FOTO;
    CString ID_FAMIGLIA;
    CString DESCRIZIONE_ESTESA2;
    CString FILE_FOTO2;
};
