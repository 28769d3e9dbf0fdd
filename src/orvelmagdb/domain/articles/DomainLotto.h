// CDomainLotto: one lot, a batch of one article loaded into stock at one time and drawn down by
// sales. A lot is known by its year and its number within the year; its printable code is
// thirteen digits, the year in four, the number in eight and the EAN-13 check digit of those
// twelve, so that a label can carry it as a barcode and a scanner can read it back.
//
// Numbering: GeneraNumeroLotto gives the next number of the lot's year, one more than the highest
// stored (1 in a year without lots). The number is taken only when the lot is inserted, so a
// writer that numbers lots while others may do the same numbers and inserts in one transaction
// under a writer lock; the table's key (year, number) refuses a second lot with the same number.
//
// The code helpers do not verify the check digit: whoever reads a code from outside checks it
// (CEANCode::IsValidEAN13) before trusting it.
//
// Errors: loads, saves and numbering show a database error in the error box; loads and saves then
// answer false, numbering leaves the number unset (-1). Editing or deleting a lot that has no row
// answers false.
#pragma once

#include "afx/Export.h"
#include "afx/OleDateTime.h"
#include "afx/String.h"
#include "orveldblib/Decimal.h"
#include "orveldblib/DomainClass.h"

class CLottoCompletoSet;
class CLottoSet;

class ORVEL_API CDomainLotto : public CDomainClass {
public:
    // A new lot of the current year, created now, not numbered, with nothing loaded or drawn.
    explicit CDomainLotto(CDatabase* pDatabase = nullptr);
    CDomainLotto(const CDomainLotto& other);
    CDomainLotto& operator=(const CDomainLotto& other);
    ~CDomainLotto() override;

    // Loads the lot of ANNO and NUMERO, with its article's description; false when there is none.
    bool DB_Load() override;

    long Get_ANNO() const { return ANNO; }
    long& Ref_ANNO() { return ANNO; }
    long Get_NUMERO() const { return NUMERO; }
    long& Ref_NUMERO() { return NUMERO; }
    // The number as text: eight digits with leading zeros when padded, else as it is.
    void Get_NUMERO(CString& text, bool padded) const;
    // Year and number, as a long or as text (read as a whole number); each recomputes the check
    // digit.
    void Set_ANNO(long value);
    void Set_ANNO(const CString& value);
    void Set_NUMERO(long value);
    void Set_NUMERO(const CString& value);

    const COleDateTime& Get_DATA_CREAZIONE() const { return DATA_CREAZIONE; }
    COleDateTime& Ref_DATA_CREAZIONE() { return DATA_CREAZIONE; }
    void Set_DATA_CREAZIONE(const COleDateTime& value) { DATA_CREAZIONE = value; }
    // Null when the lot does not expire.
    const COleDateTime& Get_DATA_SCADENZA() const { return DATA_SCADENZA; }
    COleDateTime& Ref_DATA_SCADENZA() { return DATA_SCADENZA; }
    void Set_DATA_SCADENZA(const COleDateTime& value) { DATA_SCADENZA = value; }

    // The check digit of year and number as one character; empty until both are set.
    const CString& Get_CHECK_DIGIT() const { return CHECK_DIGIT; }
    CString& Ref_CHECK_DIGIT() { return CHECK_DIGIT; }
    void Set_CHECK_DIGIT(const CString& value) { CHECK_DIGIT = value; }

    const CString& Get_ARTICOLO_ID() const { return ARTICOLO_ID; }
    CString& Ref_ARTICOLO_ID() { return ARTICOLO_ID; }
    void Set_ARTICOLO_ID(const CString& value) { ARTICOLO_ID = value; }
    // Read from the lot view only; never written.
    const CString& Get_ARTICOLO_DESCRIZIONE() const { return ARTICOLO_DESCRIZIONE; }
    CString& Ref_ARTICOLO_DESCRIZIONE() { return ARTICOLO_DESCRIZIONE; }
    void Set_ARTICOLO_DESCRIZIONE(const CString& value) { ARTICOLO_DESCRIZIONE = value; }

    // Quantities loaded into and drawn from the lot, kept rounded to the quantity precision.
    const Decimal& Get_QUANTITA_CARICATA() const { return QUANTITA_CARICATA; }
    Decimal& Ref_QUANTITA_CARICATA() { return QUANTITA_CARICATA; }
    void Set_QUANTITA_CARICATA(const Decimal& value);
    const Decimal& Get_QUANTITA_SCARICATA() const { return QUANTITA_SCARICATA; }
    Decimal& Ref_QUANTITA_SCARICATA() { return QUANTITA_SCARICATA; }
    void Set_QUANTITA_SCARICATA(const Decimal& value);
    // What is left of the lot: loaded less drawn, not rounded.
    Decimal Get_GIACENZA() const;

    long Get_F_CHIUSO() const { return F_CHIUSO; }
    long& Ref_F_CHIUSO() { return F_CHIUSO; }
    void Set_F_CHIUSO(long value) { F_CHIUSO = value; }
    // The supplier's own code of the lot.
    const CString& Get_CODICE_FORNITORE() const { return CODICE_FORNITORE; }
    CString& Ref_CODICE_FORNITORE() { return CODICE_FORNITORE; }
    void Set_CODICE_FORNITORE(const CString& value) { CODICE_FORNITORE = value; }

    // The thirteen-character lot code; empty while neither year nor number is set.
    CString Get_CODICE() const;
    // Takes year and number from a lot code (the check digit is recomputed, not read); an empty
    // code unsets both.
    void Set_CODICE(const CString& code);

    // The lot code of a year and number; empty when neither is set, or when they do not fit the
    // code's four and eight digits.
    static CString GetCodiceLotto(long anno, long numero);
    // The parts of a lot code, -1 for an empty code. None verifies the check digit.
    static long GetAnnoFromCodice(const CString& code);
    static long GetNumeroFromCodice(const CString& code);
    static long GetCheckDigitFromCodice(const CString& code);

    // Gives the lot the next number of its year: one more than the highest stored, 1 in a year
    // without lots. On a database error the number stays -1.
    void GeneraNumeroLotto();

    void FromRecordset(const CLottoCompletoSet& rs);
    void FromRecordset(const CLottoSet& rs);
    void ToRecordset(CLottoSet& rs) const;

protected:
    bool DB_Update(EDB_Operation op) override;
    // Recomputes the check digit from year and number; keeps it while either is unset.
    void CalcolaCheckDigit();

    int m_nPrecisioneQuantita;
    long ANNO;
    long NUMERO;
    COleDateTime DATA_CREAZIONE;
    COleDateTime DATA_SCADENZA;
    CString CHECK_DIGIT;
    CString ARTICOLO_ID;
    CString ARTICOLO_DESCRIZIONE;
    Decimal QUANTITA_CARICATA;
    Decimal QUANTITA_SCARICATA;
    long F_CHIUSO;
    CString CODICE_FORNITORE;
};
