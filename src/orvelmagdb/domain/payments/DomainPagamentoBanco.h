// CDomainPagamentoBanco: one payment taken at the till for a document, by one payment type (cash,
// a card, a voucher). A value held in the payments of a document (CDomainPagamentoBancoDocumento),
// which stores it; it has no load or save of its own.
//
// The amount is kept as the till gives it (Set_VALORE does not round); an amount read from the
// database is rounded to the cent.
#pragma once

#include "afx/Export.h"
#include "orveldblib/Decimal.h"
#include "orveldblib/DomainClass.h"

class CPagamentoBancoSet;

class ORVEL_API CDomainPagamentoBanco : public CDomainClass {
public:
    // No document (-1), no payment type (-1), nothing paid.
    explicit CDomainPagamentoBanco(CDatabase* pDatabase = nullptr);
    CDomainPagamentoBanco(const CDomainPagamentoBanco& other);
    CDomainPagamentoBanco& operator=(const CDomainPagamentoBanco& other);
    ~CDomainPagamentoBanco() override;

    long Get_ID_DOCUMENTO() const { return ID_DOCUMENTO; }
    void Set_ID_DOCUMENTO(long value) { ID_DOCUMENTO = value; }
    long Get_ID_TIPO_PAGAMENTO() const { return ID_TIPO_PAGAMENTO; }
    void Set_ID_TIPO_PAGAMENTO(long value) { ID_TIPO_PAGAMENTO = value; }
    const Decimal& Get_VALORE() const { return VALORE; }
    void Set_VALORE(const Decimal& value) { VALORE = value; }

    // The row's document, type and amount (rounded to 2 decimals).
    void FromRecordSet(const CPagamentoBancoSet& rs);
    // The same three columns; the amount in the invariant stored form.
    void ToRecordSet(CPagamentoBancoSet& rs) const;

protected:
    long ID_DOCUMENTO;
    long ID_TIPO_PAGAMENTO;
    Decimal VALORE;
};
