// CDomainPezzoMoneta: a coin or banknote kind of the till (its id and face value) with a count of
// pieces, as a cash withdrawal or a till count carries it. The face value comes from the kind's
// row (DB_Load) or from the host; the count is the host's. The object only carries them: the
// total value of the pieces is computed on request, never stored.
#pragma once

#include "afx/Export.h"
#include "afx/String.h"
#include "orveldblib/Decimal.h"
#include "orveldblib/DomainClass.h"

class CPezzoMonetaSet;

class ORVEL_API CDomainPezzoMoneta : public CDomainClass {
public:
    // No kind (-1), face value 0, no pieces.
    explicit CDomainPezzoMoneta(CDatabase* pDatabase = nullptr);
    CDomainPezzoMoneta(const CDomainPezzoMoneta& other);
    CDomainPezzoMoneta& operator=(const CDomainPezzoMoneta& other);
    ~CDomainPezzoMoneta() override;

    // Reads the description and face value of ID_PEZZO_MONETA; false for an unset kind (not
    // greater than 0), a kind without row, or a database error (shown in the error box). The
    // count is left as it is.
    bool DB_Load() override;

    long Get_ID_PEZZO_MONETA() const { return ID_PEZZO_MONETA; }
    const CString& Get_DESCRIZIONE() const { return DESCRIZIONE; }
    const Decimal& Get_VALORE_MONETA() const { return VALORE_MONETA; }
    long Get_NUMERO_MONETE() const { return NUMERO_MONETE; }
    // The value of the pieces: face value times count, not rounded.
    Decimal Get_TOTALE_VALORE() const;

    void Set_ID_PEZZO_MONETA(long value) { ID_PEZZO_MONETA = value; }
    void Set_DESCRIZIONE(const CString& value) { DESCRIZIONE = value; }
    // Face values are exact amounts (0.05, 500): stored as given, not rounded.
    void Set_VALORE_MONETA(const Decimal& value) { VALORE_MONETA = value; }
    void Set_NUMERO_MONETE(long value) { NUMERO_MONETE = value; }

    // Kind, description and face value of a row of PEZZO_MONETA; the count is left as it is.
    void FromRecordset(const CPezzoMonetaSet& rs);

protected:
    long ID_PEZZO_MONETA;
    CString DESCRIZIONE;
    Decimal VALORE_MONETA;
    long NUMERO_MONETE;
};
