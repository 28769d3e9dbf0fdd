// CDomainPagamentoBancoDocumento: how one document was paid at the till, one payment per payment
// type and amount (20.00 cash and 35.50 by card), stored in PAGAMENTO_BANCO.
//
// Saving: an insert adds the payments in memory to those already stored; an edit replaces every
// stored payment of the document with those in memory; a delete removes them all. Each payment is
// stored under this object's document, whatever document the payment itself names. Loading
// appends the stored payments, highest payment type first, to those in memory.
//
// None of this brackets a transaction or catches database errors: a CDBException reaches the
// caller, which owns the transaction and rolls back what was written before the error. A document
// id not greater than 0 is refused (false) before the database is touched.
#pragma once

#include "afx/Array.h"
#include "afx/Export.h"
#include "orveldblib/DomainClass.h"
#include "orvelmagdb/domain/payments/DomainPagamentoBanco.h"

class ORVEL_API CDomainPagamentoBancoDocumento : public CDomainClass {
public:
    using Pagamenti = CArray<CDomainPagamentoBanco, const CDomainPagamentoBanco&>;

    explicit CDomainPagamentoBancoDocumento(CDatabase* pDatabase = nullptr);
    CDomainPagamentoBancoDocumento(const CDomainPagamentoBancoDocumento& other);
    CDomainPagamentoBancoDocumento& operator=(const CDomainPagamentoBancoDocumento& other);
    ~CDomainPagamentoBancoDocumento() override;

    long Get_ID_DOCUMENTO() const { return ID_DOCUMENTO; }
    void Set_ID_DOCUMENTO(long value) { ID_DOCUMENTO = value; }

    // Appends a copy; returns its index.
    int Add(const CDomainPagamentoBanco& pagamento);
    void RemoveAll();
    const Pagamenti& GetPagamenti() const { return m_pagamenti; }

    bool DB_Load() override;

protected:
    bool DB_Update(EDB_Operation op) override;

    long ID_DOCUMENTO;
    Pagamenti m_pagamenti;
};
