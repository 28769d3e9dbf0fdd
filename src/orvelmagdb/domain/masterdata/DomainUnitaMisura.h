// CDomainUnitaMisura: units of measure. It has no database operations of its own (its DB_Load and DB_Update
// are the base's, which return false): the host reads rows with CUnitaMisuraSet and fills the object
// with FromRecordset, or fills it with the setters. Values are kept as read, without rounding.
#pragma once

#include "afx/Export.h"
#include "afx/String.h"
#include "orveldblib/DomainClass.h"

class CUnitaMisuraSet;

class ORVEL_API CDomainUnitaMisura : public CDomainClass {
public:
    explicit CDomainUnitaMisura(CDatabase* pDatabase = nullptr);
    CDomainUnitaMisura(const CDomainUnitaMisura& other) = default;
    CDomainUnitaMisura& operator=(const CDomainUnitaMisura& other) = default;
    ~CDomainUnitaMisura() override;

    const CString& Get_ID() const { return ID; }
    const CString& Get_DESCRIZIONE() const { return DESCRIZIONE; }

    void Set_ID(const CString& value) { ID = value; }
    void Set_DESCRIZIONE(const CString& value) { DESCRIZIONE = value; }

    // Copies the current row of the recordset.
    void FromRecordset(CUnitaMisuraSet& rs);

protected:
    CString ID;
    CString DESCRIZIONE;
};
