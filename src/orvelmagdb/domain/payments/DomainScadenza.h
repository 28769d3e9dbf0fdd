// CDomainScadenza: one instalment of a payment schedule: when it falls due, how much, how it is
// paid, whether it is settled, its position in the schedule and the bills that gather it. Besides
// its own row (SCADENZA) it carries, for display, what the SCADENZA_COMPLETA view adds about its
// schedule (description, partner, direction, date, number of instalments) and its payment type.
//
// IMPORTO is kept rounded to the totals precision ("precisione/totali", read when the object is
// built). An instalment not numbered yet has NUMERO 2147483647, so that it sorts after every
// numbered instalment of the same due date; the schedule's save renumbers them 1..n.
#pragma once

#include <climits>

#include "afx/Array.h"
#include "afx/Export.h"
#include "afx/OleDateTime.h"
#include "afx/String.h"
#include "afx/Timestamp.h"
#include "orveldblib/Decimal.h"
#include "orveldblib/DomainClass.h"

class CScadenzaCompletaSet;
class CScadenzaSet;

// Accessor families shared by the payment objects: longs and texts stored as given, dates kept as
// COleDateTime.
#define ORVEL_PAYMENT_LONG(name)                      \
    long Get_##name() const { return name; }          \
    long& Ref_##name() { return name; }               \
    void Set_##name(long value) { name = value; }
#define ORVEL_PAYMENT_TEXT(name)                                \
    const CString& Get_##name() const { return name; }          \
    CString& Ref_##name() { return name; }                      \
    void Set_##name(const CString& value) { name = value; }
// A date settable from a COleDateTime (as is), from the library's date text and from a
// timestamp (an unset timestamp gives the null date).
#define ORVEL_PAYMENT_DATE(name)                                                                   \
    const COleDateTime& Get_##name() const { return name; }                                        \
    COleDateTime& Ref_##name() { return name; }                                                    \
    void Set_##name(const COleDateTime& value) { name = value; }                                   \
    void Set_##name(const CString& text) { From_StringDate_To_COleDateTime(text, name); }          \
    void Set_##name(const TIMESTAMP_STRUCT& value) { From_TIMESTAMP_STRUCT_To_COleDateTime(value, name); }

class ORVEL_API CDomainScadenza : public CDomainClass {
public:
    // Position of an instalment that the schedule has not numbered yet.
    static constexpr long NUMERO_NON_ASSEGNATO = LONG_MAX;

    explicit CDomainScadenza(CDatabase* pDatabase = nullptr);
    CDomainScadenza(const CDomainScadenza& other);
    void operator=(const CDomainScadenza& other);
    ~CDomainScadenza() override;

    // Loads the instalment of ID from SCADENZA_COMPLETA and then its bills. An ID without a row
    // leaves the members as they were and still answers true; false for ID not above 0 or a
    // database error (shown in the error box).
    bool DB_Load() override;
    // Replaces the bill list with the bills that gather this instalment (EFFETTO_SCADENZA).
    bool DB_Load_EFFETTI();

    // The current row of the view; or of the base table, whose schedule-side members are then
    // completed from the view. A NULL payment type reads as -1 with an empty description, a NULL
    // payment date as the null date.
    bool FromRecordset(CScadenzaCompletaSet& rs);
    bool FromRecordset(CScadenzaSet& rs);

    // Instalments sort by due date, then by NUMERO; see the definition for dates not valid.
    bool operator<(const CDomainScadenza& other) const;

    ORVEL_PAYMENT_LONG(ID)
    ORVEL_PAYMENT_LONG(ID_SCADENZARIO)
    ORVEL_PAYMENT_DATE(DATA_REGISTRAZIONE)
    ORVEL_PAYMENT_DATE(DATA_SCADENZA)
    const COleDateTime& Get_DATA_PAGAMENTO() const { return DATA_PAGAMENTO; }
    COleDateTime& Ref_DATA_PAGAMENTO() { return DATA_PAGAMENTO; }
    void Set_DATA_PAGAMENTO(const COleDateTime& value) { DATA_PAGAMENTO = value; }
    void Set_DATA_PAGAMENTO(const CString& text) { From_StringDate_To_COleDateTime(text, DATA_PAGAMENTO); }
    // With valid false the payment date becomes null and the timestamp is ignored.
    void Set_DATA_PAGAMENTO(const TIMESTAMP_STRUCT& value, bool valid);
    bool IsValid_DATA_PAGAMENTO() const { return DATA_PAGAMENTO.GetStatus() == COleDateTime::valid; }
    ORVEL_PAYMENT_LONG(ID_TIPO_PAGAMENTO)
    bool IsValid_ID_TIPO_PAGAMENTO() const { return ID_TIPO_PAGAMENTO > 0; }
    const Decimal& Get_IMPORTO() const { return IMPORTO; }
    Decimal& Ref_IMPORTO() { return IMPORTO; }
    void Set_IMPORTO(const Decimal& value);
    void Set_IMPORTO(const CString& text) { Set_IMPORTO(Decimal(text, 127)); }
    ORVEL_PAYMENT_TEXT(NOTA)
    ORVEL_PAYMENT_LONG(F_EVASA)
    ORVEL_PAYMENT_LONG(NUMERO)
    ORVEL_PAYMENT_TEXT(DESCRIZIONE_SCADENZARIO)
    ORVEL_PAYMENT_TEXT(DESCRIZIONE_TIPO_PAGAMENTO)
    ORVEL_PAYMENT_TEXT(SOGGETTO)
    ORVEL_PAYMENT_LONG(ID_SOGGETTO)
    ORVEL_PAYMENT_LONG(F_ATTIVA)
    ORVEL_PAYMENT_LONG(NUMERO_SCADENZE_SCADENZARIO)
    ORVEL_PAYMENT_DATE(DATA_SCADENZARIO)

    // The bills that gather this instalment, by id.
    int EFFETTI_Add(long idEffetto) { return static_cast<int>(EFFETTI.Add(idEffetto)); }
    long EFFETTI_GetAt(int index) const { return EFFETTI.GetAt(index); }
    int EFFETTI_GetSize() const { return static_cast<int>(EFFETTI.GetSize()); }
    void EFFETTI_RemoveAll() { EFFETTI.RemoveAll(); }
    void EFFETTI_Copy(const CDomainScadenza& other) { EFFETTI.Copy(other.EFFETTI); }

protected:
    // Insert (new id from "GET_ID_SCADENZA"), update or delete the row, then (insert and update)
    // bring the bill links in EFFETTO_SCADENZA in line with the bill list. Brackets itself in a
    // transaction when it controls one.
    bool DB_Update(EDB_Operation op) override;

private:
    bool Delete_SCADENZA();
    void Write_SCADENZA(EDB_Operation op);
    void Write_EFFETTI(EDB_Operation op);

    int m_nPrecisioneTotali;
    long ID;
    long ID_SCADENZARIO;
    COleDateTime DATA_REGISTRAZIONE;
    COleDateTime DATA_SCADENZA;
    COleDateTime DATA_PAGAMENTO;
    long ID_TIPO_PAGAMENTO;
    Decimal IMPORTO;
    CString NOTA;
    long F_EVASA;
    long NUMERO;
    CString DESCRIZIONE_SCADENZARIO;
    CString DESCRIZIONE_TIPO_PAGAMENTO;
    CString SOGGETTO;
    long ID_SOGGETTO;
    long F_ATTIVA;
    CArray<long, long> EFFETTI;
    long NUMERO_SCADENZE_SCADENZARIO;
    COleDateTime DATA_SCADENZARIO;
};
