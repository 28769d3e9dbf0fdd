// CDomainPrelievoBanco: cash taken out of a till, with the count of each coin and banknote kind
// taken. The row goes to PRELIEVO_BANCO, the counts to PRELIEVO_BANCO_MONETA (kind and count only:
// the face value of a kind belongs to the coin list, PEZZO_MONETA).
//
// The amount and the counts are independent: the host states both, and nothing checks that the
// counts add up to the amount. The amount is kept as given (Set_VALORE does not round) and read
// back rounded to the cent.
//
// Saving: an insert takes a new id from "GET_ID_PRELIEVO_BANCO"; an edit replaces the row and all
// its counts; a delete removes both. Loading appends the stored counts to those in memory. None of
// this brackets a transaction or catches database errors: a CDBException reaches the caller, which
// owns the transaction (an edit of a withdrawal without row is such an error).
#pragma once

#include "afx/Export.h"
#include "afx/OleDateTime.h"
#include "afx/String.h"
#include "orveldb/domain/DomainArrayPezzoMoneta.h"
#include "orveldblib/Decimal.h"
#include "orveldblib/DomainClass.h"

class CPrelievoBancoSet;

class ORVEL_API CDomainPrelievoBanco : public CDomainClass {
public:
    // No id, no date (null), nothing withdrawn, no company, station or staff member, no coins.
    explicit CDomainPrelievoBanco(CDatabase* pDatabase = nullptr);
    CDomainPrelievoBanco(const CDomainPrelievoBanco& other);
    CDomainPrelievoBanco& operator=(const CDomainPrelievoBanco& other);
    ~CDomainPrelievoBanco() override;

    long Get_ID() const { return ID; }
    long& Ref_ID() { return ID; }
    void Set_ID(long value) { ID = value; }
    const COleDateTime& Get_DATA() const { return DATA; }
    COleDateTime& Ref_DATA() { return DATA; }
    void Set_DATA(const COleDateTime& value) { DATA = value; }
    const Decimal& Get_VALORE() const { return VALORE; }
    Decimal& Ref_VALORE() { return VALORE; }
    void Set_VALORE(const Decimal& value) { VALORE = value; }
    long Get_ID_SOCIETA() const { return ID_SOCIETA; }
    long& Ref_ID_SOCIETA() { return ID_SOCIETA; }
    void Set_ID_SOCIETA(long value) { ID_SOCIETA = value; }
    const CString& Get_ID_POSTAZIONE() const { return ID_POSTAZIONE; }
    CString& Ref_ID_POSTAZIONE() { return ID_POSTAZIONE; }
    void Set_ID_POSTAZIONE(const CString& value) { ID_POSTAZIONE = value; }
    // A negative staff member is stored as NULL (read back as -1); 0 is stored as 0.
    long Get_ID_COLLABORATORE() const { return ID_COLLABORATORE; }
    long& Ref_ID_COLLABORATORE() { return ID_COLLABORATORE; }
    void Set_ID_COLLABORATORE(long value) { ID_COLLABORATORE = value; }

    const CDomainArrayPezzoMoneta& GetArrayPezzoMoneta() const { return m_monete; }
    // Replaces the coins with a copy of the given ones.
    void SetArrayPezzoMoneta(const CDomainArrayPezzoMoneta& monete);

    void FromRecordSet(const CPrelievoBancoSet& rs);
    void ToRecordSet(CPrelievoBancoSet& rs) const;

    // Loads the withdrawal of ID and appends its coin counts; false when it has no row.
    bool DB_Load() override;
    bool DB_Update(EDB_Operation op) override;

protected:
    long ID;
    COleDateTime DATA;
    Decimal VALORE;
    long ID_SOCIETA;
    CString ID_POSTAZIONE;
    long ID_COLLABORATORE;
    CDomainArrayPezzoMoneta m_monete;
};
