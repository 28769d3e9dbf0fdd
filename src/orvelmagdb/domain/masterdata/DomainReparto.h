// CDomainReparto: a till department: its VAT code, price limits, preset prices and printer. It has no database operations of its own (its DB_Load and DB_Update
// are the base's, which return false): the host reads rows with CRepartoSet and fills the object
// with FromRecordset, or fills it with the setters. Values are kept as read, without rounding.
#pragma once

#include "afx/Export.h"
#include "afx/String.h"
#include "orveldblib/Decimal.h"
#include "orveldblib/DomainClass.h"

class CRepartoSet;

class ORVEL_API CDomainReparto : public CDomainClass {
public:
    explicit CDomainReparto(CDatabase* pDatabase = nullptr);
    CDomainReparto(const CDomainReparto& other) = default;
    CDomainReparto& operator=(const CDomainReparto& other) = default;
    ~CDomainReparto() override;

    const CString& Get_ID() const { return ID; }
    const CString& Get_DESCRIZIONE() const { return DESCRIZIONE; }
    const CString& Get_ID_IVA() const { return ID_IVA; }
    const Decimal& Get_PREZZO_MINIMO() const { return PREZZO_MINIMO; }
    const Decimal& Get_PREZZO_MASSIMO() const { return PREZZO_MASSIMO; }
    const Decimal& Get_PREZZO_DUE() const { return PREZZO_DUE; }
    const Decimal& Get_PREZZO_UNO() const { return PREZZO_UNO; }
    const CString& Get_STAMPANTE() const { return STAMPANTE; }

    void Set_ID(const CString& value) { ID = value; }
    void Set_DESCRIZIONE(const CString& value) { DESCRIZIONE = value; }
    void Set_ID_IVA(const CString& value) { ID_IVA = value; }
    void Set_PREZZO_MINIMO(const Decimal& value) { PREZZO_MINIMO = value; }
    void Set_PREZZO_MASSIMO(const Decimal& value) { PREZZO_MASSIMO = value; }
    void Set_PREZZO_DUE(const Decimal& value) { PREZZO_DUE = value; }
    void Set_PREZZO_UNO(const Decimal& value) { PREZZO_UNO = value; }
    void Set_STAMPANTE(const CString& value) { STAMPANTE = value; }

    // Copies the current row of the recordset.
    void FromRecordset(CRepartoSet& rs);

protected:
    CString ID;
    CString DESCRIZIONE;
    CString ID_IVA;
    Decimal PREZZO_MINIMO;
    Decimal PREZZO_MASSIMO;
    Decimal PREZZO_DUE;
    Decimal PREZZO_UNO;
    CString STAMPANTE;
};
