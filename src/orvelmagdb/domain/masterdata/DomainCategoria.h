// CDomainCategoria: an article category, the top of the merchandise tree. It has no database operations of its own (its DB_Load and DB_Update
// are the base's, which return false): the host reads rows with CCategoriaSet and fills the object
// with FromRecordset, or fills it with the setters. Values are kept as read, without rounding.
#pragma once

#include "afx/Export.h"
#include "afx/String.h"
#include "orveldblib/DomainClass.h"

class CCategoriaSet;

class ORVEL_API CDomainCategoria : public CDomainClass {
public:
    explicit CDomainCategoria(CDatabase* pDatabase = nullptr);
    CDomainCategoria(const CDomainCategoria& other) = default;
    CDomainCategoria& operator=(const CDomainCategoria& other) = default;
    ~CDomainCategoria() override;

    const CString& Get_ID() const { return ID; }
    const CString& Get_DESCRIZIONE() const { return DESCRIZIONE; }
    const CString& Get_DESCRIZIONE_ESTESA() const { return DESCRIZIONE_ESTESA; }
    const CString& Get_FILE_FOTO() const { return FILE_FOTO; }
    long Get_F_COMPLETA() const { return F_COMPLETA; }
    const CString& Get_DESCRIZIONE_ESTESA2() const { return DESCRIZIONE_ESTESA2; }
    const CString& Get_FILE_FOTO2() const { return FILE_FOTO2; }

    void Set_ID(const CString& value) { ID = value; }
    void Set_DESCRIZIONE(const CString& value) { DESCRIZIONE = value; }
    void Set_DESCRIZIONE_ESTESA(const CString& value) { DESCRIZIONE_ESTESA = value; }
    void Set_FILE_FOTO(const CString& value) { FILE_FOTO = value; }
    void Set_F_COMPLETA(long value) { F_COMPLETA = value; }
    void Set_DESCRIZIONE_ESTESA2(const CString& value) { DESCRIZIONE_ESTESA2 = value; }
    void Set_FILE_FOTO2(const CString& value) { FILE_FOTO2 = value; }

    // The code member itself, for hosts that edit it in place.
    CString* GetPtr_ID() { return &ID; }

    // Copies the current row of the recordset.
    void FromRecordset(const CCategoriaSet& rs);

protected:
    CString ID;
    CString DESCRIZIONE;
    CString DESCRIZIONE_ESTESA;
    CString FILE_FOTO;
    long F_COMPLETA;
    CString DESCRIZIONE_ESTESA2;
    CString FILE_FOTO2;
};
