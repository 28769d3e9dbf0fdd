// CDomainPromozione: a time-limited price reduction of one company. It is one of four kinds: a
// fixed promotional price (0, "Prezzo fisso"), up to four cascading percentage discounts (1,
// "Sconto %"), buy M pay N (2, "M x N") or a fixed amount off (3, "Sconto €"); only the fields of
// its kind are stored. A promotion runs from the day of DATA_INIZIO to the day of DATA_FINE, both
// included; a null DATA_FINE leaves it open-ended. Given the price of one unit with VAT and its
// VAT rate, it computes the discount on that unit, with or without VAT.
//
// Which articles take part is held in ARTICOLO_PROMOZIONE; the promotion object does not read it.
// A till that prices an article looks the article's promotions up there and asks each one that
// is running whether and how much it takes off.
//
// Every Decimal is kept rounded: the price and the amount off to the price precision
// ("precisione/prezzi"), the percentages to the discount precision ("precisione/sconti"), M and N
// to the quantity precision ("precisione/quantita"), read when the object is built.
#pragma once

#include "afx/Export.h"
#include "afx/OleDateTime.h"
#include "afx/String.h"
#include "afx/Timestamp.h"
#include "orveldblib/Decimal.h"
#include "orveldblib/DomainClass.h"

class CDomainArticolo;
class CPromozioneCompletaSet;
class CPromozioneSet;

// Accessor families of the members stored as given.
#define ORVEL_PROMOZIONE_LONG(name)                   \
    long Get_##name() const { return name; }          \
    long& Ref_##name() { return name; }               \
    void Set_##name(long value) { name = value; }
#define ORVEL_PROMOZIONE_TEXT(name)                            \
    const CString& Get_##name() const { return name; }         \
    CString& Ref_##name() { return name; }                     \
    void Set_##name(const CString& value) { name = value; }
// Decimal members: Set_ rounds to the member's precision.
#define ORVEL_PROMOZIONE_DECIMAL(name, precision)                                 \
    const Decimal& Get_##name() const { return name; }                            \
    Decimal& Ref_##name() { return name; }                                        \
    void Set_##name(const Decimal& value) { (name = value).Round3(precision); }

class ORVEL_API CDomainPromozione : public CDomainClass {
public:
    // The kinds, as TIPO_PROMOZIONE holds them.
    enum ETipoPromozione {
        TIPO_PREZZO_FISSO = 0,
        TIPO_SCONTO_PERCENTUALE = 1,
        TIPO_MXN = 2,
        TIPO_SCONTO_EURO = 3,
    };

    // No kind yet, running today only (first and last day today), "SCONTO PROMOZIONE", M = 1 and
    // everything else 0, for the current user's company.
    explicit CDomainPromozione(CDatabase* pDatabase = nullptr);
    CDomainPromozione(const CDomainPromozione& other);
    CDomainPromozione& operator=(const CDomainPromozione& other);
    ~CDomainPromozione() override;

    // Loads the promotion of ID and ID_SOCIETA. True also when there is none (the object is then
    // left as it was); false for a database error, shown in the error box.
    bool DB_Load() override;

    // The current row of PROMOZIONE_COMPLETA. The fields of the other kinds become 0; a kind
    // outside the four zeroes every Decimal, M included.
    bool FromRecordset(CPromozioneCompletaSet& rs);
    // Fills the row of PROMOZIONE being added or edited: the kind's own columns, NULL in the
    // amount columns of the other kinds.
    void ToRecordset(CPromozioneSet& rs);

    // Whether the promotion runs today: its first day is today or earlier (a start with a time
    // of day after midnight counts from the next day) and its last day is today or later, or it
    // has none.
    bool IsInCorso() const;

    // The discount on one unit whose price with VAT is `prezzoIvato` at VAT rate `aliquotaIva`
    // (in percent), with VAT when `ivaInclusa`, else net of it; rounded to the price precision.
    // A fixed price above the unit price gives a negative discount; an M x N promotion gives the
    // value of the free pieces of one block of M.
    Decimal CalcolaImportoSconto(const Decimal& prezzoIvato, const Decimal& aliquotaIva, bool ivaInclusa) const;
    // The same on the article's price with VAT and VAT rate.
    Decimal CalcolaImportoSconto(CDomainArticolo& articolo, bool ivaInclusa) const;
    // The same on the article of that code, loaded on the promotion's connection. An article that
    // does not load is priced as a new article is (price 0): the discount is then that of the
    // kind alone.
    Decimal CalcolaImportoSconto(const CString& idArticolo, bool ivaInclusa) const;

    // M - N: the pieces given free in one M x N block.
    Decimal Get_QtaScontoMerce() const;

    // The kind's label ("Prezzo fisso", "Sconto %", "M x N", "Sconto €") into `label`; a kind
    // outside the four leaves it unchanged.
    void Get_TIPO_PROMOZIONE(CString& label) const;

    ORVEL_PROMOZIONE_LONG(ID)
    ORVEL_PROMOZIONE_LONG(TIPO_PROMOZIONE)
    ORVEL_PROMOZIONE_TEXT(DESCRIZIONE)
    ORVEL_PROMOZIONE_DECIMAL(PREZZO_PROMOZIONE, m_nPrecisionePrezzi)
    ORVEL_PROMOZIONE_LONG(F_TIPO_PREZZO_PROMOZIONE)
    ORVEL_PROMOZIONE_DECIMAL(SCONTO_1_PROMOZIONE, m_nPrecisioneSconti)
    ORVEL_PROMOZIONE_DECIMAL(SCONTO_2_PROMOZIONE, m_nPrecisioneSconti)
    ORVEL_PROMOZIONE_DECIMAL(SCONTO_3_PROMOZIONE, m_nPrecisioneSconti)
    ORVEL_PROMOZIONE_DECIMAL(SCONTO_4_PROMOZIONE, m_nPrecisioneSconti)
    ORVEL_PROMOZIONE_DECIMAL(MXN_PARTE_M, m_nPrecisioneQuantita)
    ORVEL_PROMOZIONE_DECIMAL(MXN_PARTE_N, m_nPrecisioneQuantita)
    ORVEL_PROMOZIONE_LONG(ID_SOCIETA)
    ORVEL_PROMOZIONE_TEXT(NOME_SOCIETA)
    ORVEL_PROMOZIONE_TEXT(RAGIONESOCIALE_SOCIETA)
    ORVEL_PROMOZIONE_DECIMAL(SCONTO_EURO, m_nPrecisionePrezzi)
    ORVEL_PROMOZIONE_LONG(F_TIPO_SCONTO_EURO)
    ORVEL_PROMOZIONE_LONG(F_SUBTOTALE)

    // M of an M x N promotion under its other name: the quantity the promotion asks for.
    const Decimal& Get_QUANTITA_PROMOZIONE() const { return MXN_PARTE_M; }
    Decimal& Ref_QUANTITA_PROMOZIONE() { return MXN_PARTE_M; }
    void Set_QUANTITA_PROMOZIONE(const Decimal& value) { Set_MXN_PARTE_M(value); }

    const COleDateTime& Get_DATA_INIZIO() const { return DATA_INIZIO; }
    COleDateTime& Ref_DATA_INIZIO() { return DATA_INIZIO; }
    void Set_DATA_INIZIO(const COleDateTime& value) { DATA_INIZIO = value; }
    void Set_DATA_INIZIO(const TIMESTAMP_STRUCT& value);
    // A null date makes the promotion open-ended.
    const COleDateTime& Get_DATA_FINE() const { return DATA_FINE; }
    COleDateTime& Ref_DATA_FINE() { return DATA_FINE; }
    void Set_DATA_FINE(const COleDateTime& value) { DATA_FINE = value; }
    void Set_DATA_FINE(const TIMESTAMP_STRUCT& value);

protected:
    // Writes the PROMOZIONE row: a new one with a key from "GET_ID_PROMOZIONE", the row of ID
    // and ID_SOCIETA, or deletes that row (its article links stay). A database error is shown
    // and answered with false.
    bool DB_Update(EDB_Operation op) override;

    // Takes every field of `other`, precisions included, rounding each Decimal to them.
    void CopyData(const CDomainPromozione& other);
    // Brings every Decimal to its precision.
    void RoundAll();

    int m_nPrecisionePrezzi;
    int m_nPrecisioneSconti;
    int m_nPrecisioneQuantita;
    long ID;
    long TIPO_PROMOZIONE;
    COleDateTime DATA_INIZIO;
    COleDateTime DATA_FINE;
    CString DESCRIZIONE;
    Decimal PREZZO_PROMOZIONE;
    long F_TIPO_PREZZO_PROMOZIONE;
    Decimal SCONTO_1_PROMOZIONE;
    Decimal SCONTO_2_PROMOZIONE;
    Decimal SCONTO_3_PROMOZIONE;
    Decimal SCONTO_4_PROMOZIONE;
    Decimal MXN_PARTE_M;
    Decimal MXN_PARTE_N;
    long ID_SOCIETA;
    CString NOME_SOCIETA;
    CString RAGIONESOCIALE_SOCIETA;
    Decimal SCONTO_EURO;
    long F_TIPO_SCONTO_EURO;
    long F_SUBTOTALE;
};

#undef ORVEL_PROMOZIONE_LONG
#undef ORVEL_PROMOZIONE_TEXT
#undef ORVEL_PROMOZIONE_DECIMAL
