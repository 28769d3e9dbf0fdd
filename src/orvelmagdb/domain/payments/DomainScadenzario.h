// CDomainScadenzario: a payment schedule: an amount (taxable plus VAT) that a business partner
// owes (F_ATTIVO 1, receivable) or is owed (-1, payable), usually for one or more documents, split
// into instalments. The schedule owns its instalments (CDomainListaScadenze) and the documents it
// stands for (CDomainListaDocumentiScadenzarioAssociati), and saves all three in one transaction
// when it controls the transaction. GeneraScadenze splits what no instalment covers yet by a
// payment formula's lines into new instalments, in memory; the save then numbers them.
//
// Both amounts are kept rounded to the totals precision ("precisione/totali", read when the object
// is built); the payment formula, the direction and the company default from configuration and
// from the current user.
#pragma once

#include "afx/Export.h"
#include "afx/OleDateTime.h"
#include "afx/String.h"
#include "afx/Timestamp.h"
#include "orveldblib/Decimal.h"
#include "orveldblib/DomainClass.h"
#include "orvelmagdb/domain/payments/DomainListaDocumentiScadenzarioAssociati.h"
#include "orvelmagdb/domain/payments/DomainListaScadenze.h"
#include "orvelmagdb/domain/payments/DomainScadenza.h"

class CScadenzarioCompletoSet;
class CScadenzarioSet;

class ORVEL_API CDomainScadenzario : public CDomainClass {
public:
    explicit CDomainScadenzario(CDatabase* pDatabase = nullptr);
    CDomainScadenzario(const CDomainScadenzario& other);
    CDomainScadenzario& operator=(const CDomainScadenzario& other);
    ~CDomainScadenzario() override;

    // Loads the schedule of ID from SCADENZARIO_COMPLETO, then appends its instalments (with
    // their bills) and links its documents. False for ID not above 0, no row, or a database error
    // (shown in the error box).
    bool DB_Load() override;
    bool DB_Load_SCADENZE();
    bool DB_Load_DOCUMENTI();
    // Reads the partner of ID_SOGGETTO: its name, and on request its payment formula (or the
    // configured default when it has none) and the direction its kind gives (customer 1,
    // supplier -1). True also when the partner does not exist; false for no partner id.
    bool DB_Load_SOGGETTO(bool formula, bool direzione);

    bool FromRecordset(CScadenzarioCompletoSet& rs);
    bool FromRecordset(CScadenzarioSet& rs);

    // Appends to the instalment list the instalments that the lines of payment formula
    // `idFormula` give for the part of the total that no instalment covers yet. Due dates are
    // moved into the weekdays giornoDa..giornoA (0 Monday .. 6 Sunday); with unaPerMese an
    // instalment that would fall in the month of the one before moves to the next month. Writes
    // nothing. False when the formula does not exist or a database error occurred.
    bool GeneraScadenze(long idFormula, int giornoDa, int giornoA, bool unaPerMese);

    // Taxable plus VAT, and what of it no instalment covers yet.
    Decimal Get_IMPORTO_TOTALE() const;
    Decimal Get_IMPORTO_RESIDUO() const;

    ORVEL_PAYMENT_LONG(ID)
    ORVEL_PAYMENT_LONG(ID_COLLABORATORE)
    bool IsValid_ID_COLLABORATORE() const { return ID_COLLABORATORE > 0; }
    ORVEL_PAYMENT_TEXT(DESCRIZIONE)
    const COleDateTime& Get_DATA_MOVIMENTO() const { return DATA_MOVIMENTO; }
    COleDateTime& Ref_DATA_MOVIMENTO() { return DATA_MOVIMENTO; }
    void Set_DATA_MOVIMENTO(const COleDateTime& value) { DATA_MOVIMENTO = value; }
    void Set_DATA_MOVIMENTO(const TIMESTAMP_STRUCT& value) { From_TIMESTAMP_STRUCT_To_COleDateTime(value, DATA_MOVIMENTO); }
    ORVEL_PAYMENT_LONG(ANNO)
    ORVEL_PAYMENT_LONG(ID_SOGGETTO)
    bool IsValid_ID_SOGGETTO() const { return ID_SOGGETTO > 0; }
    ORVEL_PAYMENT_TEXT(SOGGETTO)
    const Decimal& Get_IMPORTO_IMPONIBILE() const { return IMPORTO_IMPONIBILE; }
    Decimal& Ref_IMPORTO_IMPONIBILE() { return IMPORTO_IMPONIBILE; }
    void Set_IMPORTO_IMPONIBILE(const Decimal& value) { (IMPORTO_IMPONIBILE = value).Round3(m_nPrecisioneTotali); }
    const Decimal& Get_IMPORTO_IVA() const { return IMPORTO_IVA; }
    Decimal& Ref_IMPORTO_IVA() { return IMPORTO_IVA; }
    void Set_IMPORTO_IVA(const Decimal& value) { (IMPORTO_IVA = value).Round3(m_nPrecisioneTotali); }
    ORVEL_PAYMENT_LONG(CHIUSO)
    ORVEL_PAYMENT_LONG(ID_FORMULA_PAGAMENTO)
    bool IsValid_ID_FORMULA_PAGAMENTO() const { return ID_FORMULA_PAGAMENTO > 0; }
    ORVEL_PAYMENT_TEXT(DESCRIZIONE_FORMULA_PAGAMENTO)
    ORVEL_PAYMENT_LONG(F_ATTIVO)
    ORVEL_PAYMENT_TEXT(NOTA)
    ORVEL_PAYMENT_LONG(SOC_ID)
    ORVEL_PAYMENT_TEXT(SOC_NOME)
    ORVEL_PAYMENT_TEXT(SOC_RAGIONE_SOCIALE)
    ORVEL_PAYMENT_LONG(NUMERO_SCADENZE)

    // Instalments.
    int SCADENZE_Add(CDomainScadenza& scadenza) { return static_cast<int>(SCADENZE.Add(scadenza)); }
    CDomainScadenza SCADENZE_GetAt(int index) { return SCADENZE.GetAt(index); }
    // A copy of the first instalment with that ID; a new instalment without connection (ID 0)
    // when there is none.
    CDomainScadenza SCADENZE_GetByID(long id) const;
    int SCADENZE_GetSize() const { return static_cast<int>(SCADENZE.GetSize()); }
    void SCADENZE_RemoveAll() { SCADENZE.RemoveAll(); }
    // Replaces the list (its connection and transaction flag too) and counts it in NUMERO_SCADENZE.
    void SCADENZE_Set(const CDomainListaScadenze& scadenze);
    const CDomainListaScadenze& SCADENZE_Get() const { return SCADENZE; }

    // Linked documents.
    int DOCUMENTI_Add(const CDomainDocumentoScadenzarioAssociato& documento) { return DOCUMENTI.Add(documento); }
    int DOCUMENTI_Add(long idDocumento, int fRiportaInDocumento) { return DOCUMENTI.Add(idDocumento, fRiportaInDocumento); }
    CDomainDocumentoScadenzarioAssociato DOCUMENTI_GetAt(int index) { return DOCUMENTI.GetAt(index); }
    int DOCUMENTI_GetSize() const { return static_cast<int>(DOCUMENTI.GetSize()); }
    void DOCUMENTI_RemoveAll() { DOCUMENTI.RemoveAll(); }

protected:
    // Saves the schedule row, then its instalments, then its document links, stopping at the first
    // step that fails; in one transaction when the schedule controls it.
    bool DB_Update(EDB_Operation op) override;
    bool DB_Update_SCADENZARIO(EDB_Operation op);
    bool DB_Update_SCADENZE(EDB_Operation op);
    bool DB_Update_DOCUMENTI(EDB_Operation op);

    // Days of the month (1..12) of the year; 31 for a month number outside 1..12.
    int GetLastDayOfTheMonth(int month, int year);
    // Moves the date a day at a time (backwards when indietro) until its weekday index (0 Monday ..
    // 6 Sunday) lies in giornoDa..giornoA. A date not valid or bounds outside 0 <= da <= a <= 6
    // leave it as it is.
    void FitScadenzaInWeek(COleDateTime& data, int giornoDa, int giornoA, bool indietro);

private:
    int m_nPrecisioneTotali;
    long ID;
    long ID_COLLABORATORE;
    CString DESCRIZIONE;
    COleDateTime DATA_MOVIMENTO;
    long ANNO;
    long ID_SOGGETTO;
    CString SOGGETTO;
    Decimal IMPORTO_IMPONIBILE;
    Decimal IMPORTO_IVA;
    long CHIUSO;
    long ID_FORMULA_PAGAMENTO;
    CString DESCRIZIONE_FORMULA_PAGAMENTO;
    long F_ATTIVO;
    CString NOTA;
    long SOC_ID;
    CString SOC_NOME;
    CString SOC_RAGIONE_SOCIALE;
    long NUMERO_SCADENZE;
    CDomainListaScadenze SCADENZE;
    CDomainListaDocumentiScadenzarioAssociati DOCUMENTI;
};
