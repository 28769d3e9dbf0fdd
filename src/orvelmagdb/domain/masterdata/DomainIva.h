// CDomainIva: one VAT code with its rate. The rate is kept rounded to the VAT precision of the
// configuration ("precisione/iva"), read when the object is built. It loads by code and saves
// itself; a save error is shown in the error box and turned into false, a load error passes to
// the caller.
#pragma once

#include "afx/Export.h"
#include "afx/String.h"
#include "orveldblib/Decimal.h"
#include "orveldblib/DomainClass.h"

class CIvaSet;

class ORVEL_API CDomainIva : public CDomainClass {
public:
    explicit CDomainIva(CDatabase* pDatabase = nullptr);
    // Copies everything and rounds the copied rate again to the VAT precision, which it reads
    // from the configuration as every constructor does.
    CDomainIva(const CDomainIva& other);
    // Copies everything as it is, the precision included.
    CDomainIva& operator=(const CDomainIva& other);
    ~CDomainIva() override;

    // Loads the row of CODICE; false for an empty code or a code that has no row.
    bool DB_Load() override;

    const CString& Get_CODICE() const { return CODICE; }
    const CString& Get_DESCRIZIONE() const { return DESCRIZIONE; }
    const Decimal& Get_ALIQUOTA() const { return ALIQUOTA; }
    long Get_CODICE_CASSA() const { return CODICE_CASSA; }
    const CString& Get_NOTE() const { return NOTE; }

    void Set_CODICE(const CString& value) { CODICE = value; }
    void Set_DESCRIZIONE(const CString& value) { DESCRIZIONE = value; }
    // Stores the rate rounded to the VAT precision.
    void Set_ALIQUOTA(const Decimal& value);
    // Reads the rate from its stored text form, then rounds it.
    void Set_ALIQUOTA(const CString& value);
    // -1 (or any negative value) means the rate has no number on the fiscal till.
    void Set_CODICE_CASSA(long value) { CODICE_CASSA = value; }
    void Set_NOTE(const CString& value) { NOTE = value; }

    // "CODE - description (rate%)", the rate in the user's number format.
    CString GetDescrizioneCompleta() const;

    void FromRecordset(CIvaSet& rs);
    void ToRecordset(CIvaSet& rs) const;

protected:
    bool DB_Update(EDB_Operation op) override;

    int m_nPrecisioneIva;
    CString CODICE;
    CString DESCRIZIONE;
    Decimal ALIQUOTA;
    long CODICE_CASSA;
    CString NOTE;
};
