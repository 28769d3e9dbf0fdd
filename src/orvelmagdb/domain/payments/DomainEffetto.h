// CDomainEffetto: a bill (a bank bill, a receipt) that gathers due instalments of payment
// schedules, possibly of several schedules, and records how they are paid: amount, date, partner,
// bill type, the account it is paid through and where it goes in the accounts.
//
// The bill stores its own row (EFFETTO), its links to the instalments (EFFETTO_SCADENZA) and its
// accounting row (EFFETTO_CONTABILITA, present only while ID_PIANO_DEI_CONTI is above 0); it never
// writes the instalments themselves. Its amount is the host's: gathering instalments does not
// recompute it (FromDomainScadenzario takes the whole schedule's total).
//
// Saving writes the three in that order, stopping at the first that fails, all in one transaction
// when the bill controls it. A delete removes only the bill's row: its links and accounting row
// stay for whoever reconciles them. Every step shows a database error in the error box and answers
// false, which rolls the whole save back.
//
// F_CHIUDI_SCADENZE and F_REG_GIORNALE_CASSA are stored and loaded only: closing the instalments
// and writing the cash journal belong to whoever reads them.
#pragma once

#include "afx/Export.h"
#include "afx/OleDateTime.h"
#include "afx/String.h"
#include "afx/Timestamp.h"
#include "orveldblib/Decimal.h"
#include "orveldblib/DomainClass.h"
#include "orvelmagdb/domain/payments/DomainListaScadenze.h"
#include "orvelmagdb/domain/payments/DomainScadenza.h"

class CDomainScadenzario;
class CEFFETTO_CONTABILITA;
class CEffettoCompletoSet;
class CEffettoSet;

class ORVEL_API CDomainEffetto : public CDomainClass {
public:
    // Dated now, of the current company, with the configured account, direction and switches.
    explicit CDomainEffetto(CDatabase* pDatabase = nullptr);
    CDomainEffetto(const CDomainEffetto& other);
    CDomainEffetto& operator=(const CDomainEffetto& other);
    ~CDomainEffetto() override;

    // The bill row, its instalments (by due date) and its accounting row; true only when all three
    // steps are. An id without a row answers true and leaves the members as they were, but for the
    // instalments, which are emptied.
    bool DB_Load() override;
    bool DB_Load_EFFETTO();
    bool DB_Load_SCADENZE();
    // The partner's name; with true also the direction from its kind (customer 1, supplier -1).
    bool DB_Load_SOGGETTO(bool direzione);
    // The description of the account.
    bool DB_Load_CONTO();

    bool FromRecordset(CEffettoCompletoSet& rs);
    bool FromRecordset(CEFFETTO_CONTABILITA& rs);
    void ToRecordset(CEffettoSet& rs);

    // A bill for the whole schedule: its company, total, direction, date, partner and every
    // instalment, settled or not.
    void FromDomainScadenzario(const CDomainScadenzario& scadenzario);

    // Gathered instalments. Adding does not change NUM_SCADENZE; SCADENZE_Set counts the new list.
    int SCADENZE_Add(CDomainScadenza& scadenza);
    CDomainScadenza SCADENZE_GetAt(int index);
    CDomainScadenza& SCADENZE_ElementAt(int index);
    // A copy of the first instalment with that ID; a new instalment without connection (ID 0)
    // when there is none.
    CDomainScadenza SCADENZE_GetByID(long id) const;
    int SCADENZE_GetSize() const { return static_cast<int>(SCADENZE.GetSize()); }
    void SCADENZE_RemoveAll() { SCADENZE.RemoveAll(); }
    const CDomainListaScadenze& SCADENZE_Get() const { return SCADENZE; }
    void SCADENZE_Set(const CDomainListaScadenze& scadenze);

    ORVEL_PAYMENT_LONG(ID)
    const Decimal& Get_IMPORTO() const { return IMPORTO; }
    Decimal& Ref_IMPORTO() { return IMPORTO; }
    void Set_IMPORTO(const Decimal& value);
    const COleDateTime& Get_DATA_REGISTRAZIONE() const { return DATA_REGISTRAZIONE; }
    COleDateTime& Ref_DATA_REGISTRAZIONE() { return DATA_REGISTRAZIONE; }
    void Set_DATA_REGISTRAZIONE(const COleDateTime& value) { DATA_REGISTRAZIONE = value; }
    void Set_DATA_REGISTRAZIONE(const TIMESTAMP_STRUCT& value);
    // Null when the bill has no date of its own; stored as NULL.
    const COleDateTime& Get_DATA_EFFETTO() const { return DATA_EFFETTO; }
    COleDateTime& Ref_DATA_EFFETTO() { return DATA_EFFETTO; }
    void Set_DATA_EFFETTO(const COleDateTime& value) { DATA_EFFETTO = value; }
    void Set_DATA_EFFETTO(const TIMESTAMP_STRUCT& value);
    ORVEL_PAYMENT_LONG(ID_SOGGETTO)
    ORVEL_PAYMENT_TEXT(SOGGETTO)
    ORVEL_PAYMENT_LONG(ID_TIPO_EFFETTO)
    ORVEL_PAYMENT_TEXT(TIPO_EFFETTO)
    ORVEL_PAYMENT_LONG(ID_CONTO)
    ORVEL_PAYMENT_TEXT(DESCRIZIONE_CONTO)
    ORVEL_PAYMENT_TEXT(NOTE)
    ORVEL_PAYMENT_LONG(F_ATTIVO)
    ORVEL_PAYMENT_LONG(NUM_SCADENZE)
    ORVEL_PAYMENT_LONG(ID_SOCIETA)
    ORVEL_PAYMENT_TEXT(NOME_SOCIETA)
    ORVEL_PAYMENT_TEXT(RAGIONE_SOCIALE_SOCIETA)
    int Get_F_CHIUDI_SCADENZE() const { return F_CHIUDI_SCADENZE; }
    int& Ref_F_CHIUDI_SCADENZE() { return F_CHIUDI_SCADENZE; }
    void Set_F_CHIUDI_SCADENZE(int value) { F_CHIUDI_SCADENZE = value; }
    int Get_F_REG_GIORNALE_CASSA() const { return F_REG_GIORNALE_CASSA; }
    int& Ref_F_REG_GIORNALE_CASSA() { return F_REG_GIORNALE_CASSA; }
    void Set_F_REG_GIORNALE_CASSA(int value) { F_REG_GIORNALE_CASSA = value; }
    ORVEL_PAYMENT_LONG(F_CONTABILITA)
    ORVEL_PAYMENT_LONG(ID_PIANO_DEI_CONTI)
    ORVEL_PAYMENT_LONG(ID_CONTO_MASTRO_SOGGETTO)
    ORVEL_PAYMENT_LONG(ID_CONTO_MASTRO_CONTO)

    bool DB_Update_EFFETTO(EDB_Operation op);
    bool DB_Update_SCADENZE(EDB_Operation op);

protected:
    bool DB_Update(EDB_Operation op) override;
    bool DB_Load_CONTABILITA();
    bool DB_Update_CONTABILITA(EDB_Operation op);
    void CopyData(const CDomainEffetto& other);

private:
    int m_nPrecisioneTotali;
    long ID;
    Decimal IMPORTO;
    COleDateTime DATA_REGISTRAZIONE;
    COleDateTime DATA_EFFETTO;
    long ID_SOGGETTO;
    CString SOGGETTO;
    long ID_TIPO_EFFETTO;
    CString TIPO_EFFETTO;
    long ID_CONTO;
    CString DESCRIZIONE_CONTO;
    CString NOTE;
    long F_ATTIVO;
    long NUM_SCADENZE;
    long ID_SOCIETA;
    CString NOME_SOCIETA;
    CString RAGIONE_SOCIALE_SOCIETA;
    int F_CHIUDI_SCADENZE;
    int F_REG_GIORNALE_CASSA;
    long F_CONTABILITA;
    long ID_PIANO_DEI_CONTI;
    long ID_CONTO_MASTRO_SOGGETTO;
    long ID_CONTO_MASTRO_CONTO;
    CDomainListaScadenze SCADENZE;
};
