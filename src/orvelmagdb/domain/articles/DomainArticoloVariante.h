// CDomainArticoloVariante: a priced option of an article (a topping, an extra, a version sold at
// its own price), with its own category. The price is held with or without VAT as the option's
// flag says; the two getters give it either way at a given VAT rate.
#pragma once

#include "afx/Export.h"
#include "afx/String.h"
#include "orveldblib/Decimal.h"
#include "orveldblib/DomainClass.h"

class CArticoloVarianteSet;
class CArticoloVarianteCompletoSet;

class ORVEL_API CDomainArticoloVariante : public CDomainClass {
public:
    // A new option: no id, price 0 without VAT; the price precision is read now.
    explicit CDomainArticoloVariante(CDatabase* pDatabase = nullptr);
    CDomainArticoloVariante(const CDomainArticoloVariante& other) = default;
    CDomainArticoloVariante& operator=(const CDomainArticoloVariante& other) = default;
    ~CDomainArticoloVariante() override;

    // Loads the option of ID, with the descriptions of its article and category. False for an id
    // below 1 or one that names no option; database errors pass to the caller.
    bool DB_Load() override;

    void FromRecordset(const CArticoloVarianteSet& rs);
    void FromRecordset(const CArticoloVarianteCompletoSet& rs);

    // The price without and with VAT at the given rate, not rounded.
    Decimal Get_PREZZO_IVA_ESCLUSA(const Decimal& vat) const;
    Decimal Get_PREZZO_IVA_INCLUSA(const Decimal& vat) const;

    long Get_ID() const { return ID; }
    const CString& Get_DESCRIZIONE() const { return DESCRIZIONE; }
    const Decimal& Get_PREZZO() const { return PREZZO; }
    long Get_F_PREZZO_IVATO() const { return F_PREZZO_IVATO; }
    const CString& Get_ARTICOLO_ID() const { return ARTICOLO_ID; }
    const CString& Get_ARTICOLO_DESCRIZIONE() const { return ARTICOLO_DESCRIZIONE; }
    const CString& Get_CATEGORIA_ID() const { return CATEGORIA_ID; }
    const CString& Get_CATEGORIA_DESCRIZIONE() const { return CATEGORIA_DESCRIZIONE; }
    void Set_ID(long value) { ID = value; }
    void Set_DESCRIZIONE(const CString& value) { DESCRIZIONE = value; }
    // To the price precision.
    void Set_PREZZO(const Decimal& value);
    void Set_F_PREZZO_IVATO(long value) { F_PREZZO_IVATO = value; }
    void Set_ARTICOLO_ID(const CString& value) { ARTICOLO_ID = value; }
    void Set_ARTICOLO_DESCRIZIONE(const CString& value) { ARTICOLO_DESCRIZIONE = value; }
    void Set_CATEGORIA_ID(const CString& value) { CATEGORIA_ID = value; }
    void Set_CATEGORIA_DESCRIZIONE(const CString& value) { CATEGORIA_DESCRIZIONE = value; }

protected:
    int m_nPrecisionePrezzi;
    long ID = -1;
    CString DESCRIZIONE;
    Decimal PREZZO;
    long F_PREZZO_IVATO = 0;
    CString ARTICOLO_ID;
    CString ARTICOLO_DESCRIZIONE;
    CString CATEGORIA_ID;
    CString CATEGORIA_DESCRIZIONE;
};
