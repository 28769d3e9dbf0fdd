// CDomainArticoloUmAlternativa: one alternative unit of measure of an article with its coefficient
// to the article's own unit (a box of 12 pieces has coefficient 12). It has no database
// operations of its own: the article's list of alternative units reads and writes it.
#pragma once

#include "afx/Export.h"
#include "afx/String.h"
#include "orveldblib/Decimal.h"
#include "orveldblib/DomainClass.h"

class CArticoloUmAlternativaSet;

class ORVEL_API CDomainArticoloUmAlternativa : public CDomainClass {
public:
    explicit CDomainArticoloUmAlternativa(CDatabase* pDatabase = nullptr);
    CDomainArticoloUmAlternativa(const CDomainArticoloUmAlternativa& other) = default;
    CDomainArticoloUmAlternativa& operator=(const CDomainArticoloUmAlternativa& other) = default;
    ~CDomainArticoloUmAlternativa() override;

    const CString& Get_ID_ARTICOLO() const { return ID_ARTICOLO; }
    const CString& Get_ID_UNITA_MISURA() const { return ID_UNITA_MISURA; }
    const Decimal& Get_COEFFICIENTE() const { return COEFFICIENTE; }

    void Set_ID_ARTICOLO(const CString& value) { ID_ARTICOLO = value; }
    void Set_ID_UNITA_MISURA(const CString& value) { ID_UNITA_MISURA = value; }
    // The coefficient is kept exactly as given: a conversion factor is not an amount to round.
    void Set_COEFFICIENTE(const Decimal& value) { COEFFICIENTE = value; }

    // The coefficient is read from and written in the stored invariant form, without rounding.
    void FromRecordset(CArticoloUmAlternativaSet& rs);
    void ToRecordset(CArticoloUmAlternativaSet& rs) const;

protected:
    CString ID_ARTICOLO;
    CString ID_UNITA_MISURA;
    Decimal COEFFICIENTE;
};
