// CDomainFamiglia: an article family under a category, with the share of cost charged for free-gift lines. It has no database operations of its own (its DB_Load and DB_Update
// are the base's, which return false): the host reads rows with CFamigliaSet and fills the object
// with FromRecordset, or fills it with the setters. Values are kept as read, without rounding.
#pragma once

#include "afx/Export.h"
#include "afx/String.h"
#include "orveldblib/Decimal.h"
#include "orveldblib/DomainClass.h"

class CFamigliaSet;

class ORVEL_API CDomainFamiglia : public CDomainClass {
public:
    explicit CDomainFamiglia(CDatabase* pDatabase = nullptr);
    CDomainFamiglia(const CDomainFamiglia& other) = default;
    CDomainFamiglia& operator=(const CDomainFamiglia& other) = default;
    ~CDomainFamiglia() override;

    const CString& Get_ID() const { return ID; }
    const CString& Get_DESCRIZIONE() const { return DESCRIZIONE; }
    const CString& Get_DESCRIZIONE_ESTESA() const { return DESCRIZIONE_ESTESA; }
    const CString& Get_FILE_FOTO() const { return FILE_FOTO; }
    const CString& Get_ID_CATEGORIA() const { return ID_CATEGORIA; }
    const CString& Get_DESCRIZIONE_ESTESA2() const { return DESCRIZIONE_ESTESA2; }
    const CString& Get_FILE_FOTO2() const { return FILE_FOTO2; }
    const Decimal& Get_PERC_COSTO_OMAGGIO() const { return PERC_COSTO_OMAGGIO; }

    void Set_ID(const CString& value) { ID = value; }
    void Set_DESCRIZIONE(const CString& value) { DESCRIZIONE = value; }
    void Set_DESCRIZIONE_ESTESA(const CString& value) { DESCRIZIONE_ESTESA = value; }
    void Set_FILE_FOTO(const CString& value) { FILE_FOTO = value; }
    void Set_ID_CATEGORIA(const CString& value) { ID_CATEGORIA = value; }
    void Set_DESCRIZIONE_ESTESA2(const CString& value) { DESCRIZIONE_ESTESA2 = value; }
    void Set_FILE_FOTO2(const CString& value) { FILE_FOTO2 = value; }
    void Set_PERC_COSTO_OMAGGIO(const Decimal& value) { PERC_COSTO_OMAGGIO = value; }

    // Copies the current row of the recordset.
    void FromRecordset(CFamigliaSet& rs);

protected:
    CString ID;
    CString DESCRIZIONE;
    CString DESCRIZIONE_ESTESA;
    CString FILE_FOTO;
    CString ID_CATEGORIA;
    CString DESCRIZIONE_ESTESA2;
    CString FILE_FOTO2;
    Decimal PERC_COSTO_OMAGGIO;
};
