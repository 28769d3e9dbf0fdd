// CDomainVoceDocumento: one line of a document's detail (invoice, delivery note, order, receipt,
// restaurant order). It carries the article, the quantity in the line's unit, the unit price with
// and without VAT, four cascading discounts and the extra discount, the VAT code and rate, the
// free-gift quantities, the commission, packaging, lot and free text, and computes every amount
// of the line that the detail sums and the document totals and VAT summary are built from.
//
// Rounding: every Decimal setter stores the value and rounds it to the precision of its kind
// (quantities, prices, discounts, VAT rate; the paid free-gift quantity to 5 decimals and the
// unit coefficient to 4), as do the constructor, assignment and the loads of the concrete kinds.
// The precisions are read from the configuration when the line is built and travel with it on
// assignment. Computed amounts are rounded once, at the end, to the price precision.
//
// A line never loads or saves itself: the document's detail persistence walks the recordsets and
// calls FromRecordset and ToRecordset of the concrete kinds (CDomainVoceDocumentoMagazzino,
// CDomainVoceDocumentoModa).
#pragma once

#include "afx/Export.h"
#include "afx/String.h"
#include "orveldblib/Decimal.h"
#include "orveldblib/DomainClass.h"

// Accessor families of the line. Text and long fields are stored as given; Decimal fields are
// rounded to the precision named, and may also be set from stored text.
#define ORVEL_VOCE_TEXT(name)                          \
    const CString& Get_##name() const { return name; } \
    void Set_##name(const CString& value) { name = value; }
#define ORVEL_VOCE_LONG(name)                \
    long Get_##name() const { return name; } \
    void Set_##name(long value) { name = value; }
#define ORVEL_VOCE_DECIMAL(name, decimals)                                  \
    const Decimal& Get_##name() const { return name; }                      \
    void Set_##name(const Decimal& value) { (name = value).Round3(decimals); } \
    void Set_##name(const CString& value) { Set_##name(Decimal(value, 127)); }

class ORVEL_API CDomainVoceDocumento : public CDomainClass {
public:
    // A line with every field at its default and the precisions of the configuration.
    explicit CDomainVoceDocumento(CDatabase* pDatabase = nullptr);
    // Takes the source's connection and transaction flag, then assigns.
    CDomainVoceDocumento(const CDomainVoceDocumento& other);
    ~CDomainVoceDocumento() override;

    // Copies the precisions, then every field with the rounding of its kind; the VAT code is
    // copied without looking its rate up. The target keeps its connection and transaction flag.
    virtual CDomainVoceDocumento& operator=(const CDomainVoceDocumento& other);
    // A new line of the object's own kind, copied from it; the caller owns it.
    virtual CDomainVoceDocumento* Clone() const;
    // Brings the line back to its constructor defaults; the base line has nothing to do.
    virtual void Reset();

    // ---- fields ----
    ORVEL_VOCE_LONG(ID)
    ORVEL_VOCE_TEXT(ID_ARTICOLO)
    ORVEL_VOCE_TEXT(DESCRIZIONE)
    ORVEL_VOCE_TEXT(UM)
    ORVEL_VOCE_DECIMAL(QUANTITA, m_nPrecisioneQuantita)
    ORVEL_VOCE_DECIMAL(QUANTITA_EVASA, m_nPrecisioneQuantita)
    ORVEL_VOCE_DECIMAL(QUANTITA_DA_EVADERE, m_nPrecisioneQuantita)
    ORVEL_VOCE_DECIMAL(QUANTITA_OMAGGIO, m_nPrecisioneQuantita)
    ORVEL_VOCE_DECIMAL(QUANTITA_OMAGGIO_PAGATA, kPrecisioneOmaggioPagato)
    ORVEL_VOCE_LONG(SCONTA_IVA)
    ORVEL_VOCE_LONG(MOLTIPLICATORE_QTA)
    ORVEL_VOCE_DECIMAL(COEFFICIENTE_UM, kPrecisioneCoefficienteUm)
    ORVEL_VOCE_DECIMAL(PREZZO_COMPLETO, m_nPrecisionePrezzi)
    ORVEL_VOCE_DECIMAL(PREZZO_ACQUISTO, m_nPrecisionePrezzi)
    ORVEL_VOCE_DECIMAL(ALIQUOTA_IVA, m_nPrecisioneIva)
    ORVEL_VOCE_DECIMAL(SCONTO1, m_nPrecisioneSconti)
    ORVEL_VOCE_DECIMAL(SCONTO2, m_nPrecisioneSconti)
    ORVEL_VOCE_DECIMAL(SCONTO3, m_nPrecisioneSconti)
    ORVEL_VOCE_DECIMAL(SCONTO4, m_nPrecisioneSconti)
    ORVEL_VOCE_DECIMAL(SCONTO_EXTRA, m_nPrecisioneSconti)
    ORVEL_VOCE_DECIMAL(PROVVIGIONE, m_nPrecisioneSconti)
    ORVEL_VOCE_TEXT(TIPO)
    ORVEL_VOCE_TEXT(PZ_X_CONF)
    ORVEL_VOCE_TEXT(CODICE_EAN)
    ORVEL_VOCE_TEXT(INFO1)
    ORVEL_VOCE_TEXT(INFO2)
    ORVEL_VOCE_TEXT(INFO3)
    ORVEL_VOCE_TEXT(INFO4)
    ORVEL_VOCE_TEXT(INFO5)
    ORVEL_VOCE_TEXT(INFO6)
    ORVEL_VOCE_TEXT(ID_SCONTO)
    ORVEL_VOCE_TEXT(ID_LISTINO)
    ORVEL_VOCE_TEXT(ID_IMBALLO)
    ORVEL_VOCE_LONG(NUMERO_IMBALLI)
    ORVEL_VOCE_DECIMAL(QUANTITA_LORDA, m_nPrecisioneQuantita)
    ORVEL_VOCE_DECIMAL(PESO_IMBALLO, m_nPrecisioneQuantita)
    ORVEL_VOCE_LONG(LOTTO_ANNO)
    ORVEL_VOCE_LONG(LOTTO_NUMERO)
    ORVEL_VOCE_LONG(NRIGA)
    ORVEL_VOCE_TEXT(NOTE)

    // The two prices and the VAT code. With derive true the price setters also set the other
    // price from this one at the line's VAT rate (rounded to the price precision), and the VAT
    // code setter reads the code's rate from the VAT table (a code not in the table leaves the
    // rate as it was; a database error is shown and leaves it too).
    const Decimal& Get_PREZZO_PZ() const { return PREZZO_PZ; }
    void Set_PREZZO_PZ(const Decimal& value, bool derive);
    void Set_PREZZO_PZ(const CString& value, bool derive);
    const Decimal& Get_PREZZO_PZ_IVATO() const { return PREZZO_PZ_IVATO; }
    void Set_PREZZO_PZ_IVATO(const Decimal& value, bool derive);
    void Set_PREZZO_PZ_IVATO(const CString& value, bool derive);
    const CString& Get_ID_IVA() const { return ID_IVA; }
    void Set_ID_IVA(const CString& value, bool lookUpRate);

    // ---- amounts of the line ----
    // Those taking a Decimal take the extra discount percentage to apply (the document's, the
    // line's own, or zero). Every result is rounded to the price precision. A line with a negative
    // VAT rate (a code outside the VAT field) has no taxable amount and no VAT. The applied margin
    // of a line whose unit coefficient is 0 throws DecimalDivideByZeroException.
    Decimal Get_TOTALE_IMPORTO() const;                          // gross, free gift included
    Decimal Get_TOTALE_IMPORTO_ACQUISTO() const;                 // cost of sold and borne units
    Decimal Get_TOTALE_OMAGGIO() const;                          // free gift charged with VAT
    Decimal Get_TOTALE_IMPONIBILE_NOSCONTOEXTRA() const;         // taxable, no extra discount
    Decimal Get_TOTALE_IMPONIBILE(const Decimal& extra) const;   // taxable
    Decimal Get_TOTALE_SCONTO(const Decimal& extra) const;       // every discount granted
    Decimal Get_TOTALE_IMPORTO_NETTO(const Decimal& extra) const;  // net, free gift left out
    Decimal Get_TOTALE_PROVVIGIONE(const Decimal& extra) const;  // commission on the net
    Decimal Get_TOTALE_IVA(const Decimal& extra) const;          // VAT
    Decimal Get_TOTALE(const Decimal& extra) const;              // total with VAT
    Decimal Get_PREZZO_FINITO_IVA_ESCLUSA() const;               // net unit price, own extra discount
    // The amounts that a document's totals add up, computed together: each equals what its own
    // operation above gives (the net before the extra discount with an extra discount of 0), but
    // the discounted amount that most of them start from is computed once.
    struct Importi {
        Decimal importo, importoAcquisto, omaggio, importoNetto, importoNettoSenzaExtra, imponibile, iva,
            provvigione;
    };
    Importi Get_IMPORTI(const Decimal& extra) const;
    // Margin of the net price per base unit over the purchase price, in percent, rounded to the
    // discount precision of the configuration at the call plus one.
    Decimal Get_MARGINE_APPLICATO() const;

    // Equal for merging: an article line ("A") with the same article, bar code, unit, price,
    // free-gift switch, VAT code, discounts, commission, packaging and lot. Quantities, texts, the
    // extra discount, the VAT rate and the purchase price do not count.
    bool operator==(const CDomainVoceDocumento& other) const;
    // A copy of this line whose quantities (with the gross quantity and packages) are the sums.
    CDomainVoceDocumento operator+(const CDomainVoceDocumento& other) const;
    // this = this + other, through the virtual assignment.
    CDomainVoceDocumento& operator+=(const CDomainVoceDocumento& other);

protected:
    static constexpr int kPrecisioneOmaggioPagato = 5;
    static constexpr int kPrecisioneCoefficienteUm = 4;

    // ---- building blocks of the amounts, unrounded ----
    Decimal Get_QT_X_PR() const;                 // M x Q x P
    Decimal Get_QTO_X_PR() const;                // M x QO x P
    Decimal Get_QT_M_QTO_X_PR() const;           // M x (Q - QO) x P, the paid gross
    Decimal Get_QT_M_QTO_X_PR_POSITIVO() const;  // its absolute value
    Decimal Get_QTOPAG_X_PR() const;             // M x QOP x P
    Decimal Get_QT_X_PRACQ() const;              // M x C x Q x PA
    Decimal Get_QTO_X_PRACQ() const;             // M x C x QO x PA
    Decimal Get_QT_M_QTO_X_PRACQ() const;        // M x C x (Q - QO) x PA
    Decimal Get_QTOPAG_X_PRACQ() const;          // M x C x QOP x PA
    Decimal Get_FATTORE_SCONTO_1() const;        // what the first discount leaves
    Decimal Get_FATTORE_SCONTO_2() const;        // ... the first two
    Decimal Get_FATTORE_SCONTO_3() const;        // ... the first three
    Decimal Get_FATTORE_SCONTO() const;          // ... all four
    Decimal Get_FATTORE_SCONTO_TOTALE(const Decimal& extra) const;  // ... and the extra discount
    long Get_INV_SCONTA_IVA() const;  // 1 when the free gift is charged with VAT (switch 0)
    long Get_FLAG_IVA() const;        // 1 for a positive VAT rate
    long Get_FLAG_OMAGGIO() const;    // 1 when the switch is 0 or less
    long Get_FLAG_SCONTO() const;     // 1 when the switch is above 0

    // Sums the quantities of other into this line, rounded as the setters round; the gross
    // quantity and the packages too when withPackaging is true.
    void AddQuantities(const CDomainVoceDocumento& other, bool withPackaging);

    // The row mapping shared by the stored-line recordsets, which name the line columns alike.
    // Defined for CVociDocumentoSet and CVociDocumentoModaLoadSet (reading) and
    // CVociDocumentoOperSet and CVociDocumentoModaOperSet (writing).
    template <class Set>
    void LoadLine(Set& rs);
    template <class Set>
    void StoreLine(Set& rs) const;

    int m_nPrecisioneQuantita;
    int m_nPrecisionePrezzi;
    int m_nPrecisioneSconti;
    int m_nPrecisioneIva;

    long ID;
    CString ID_ARTICOLO;
    CString DESCRIZIONE;
    CString UM;
    Decimal QUANTITA;
    Decimal QUANTITA_EVASA;
    Decimal QUANTITA_DA_EVADERE;
    Decimal QUANTITA_OMAGGIO;
    Decimal QUANTITA_OMAGGIO_PAGATA;
    long SCONTA_IVA;
    long MOLTIPLICATORE_QTA;
    Decimal COEFFICIENTE_UM;
    Decimal PREZZO_COMPLETO;
    Decimal PREZZO_PZ;
    Decimal PREZZO_PZ_IVATO;
    Decimal PREZZO_ACQUISTO;
    Decimal ALIQUOTA_IVA;
    CString ID_IVA;
    Decimal SCONTO1;
    Decimal SCONTO2;
    Decimal SCONTO3;
    Decimal SCONTO4;
    Decimal SCONTO_EXTRA;
    Decimal PROVVIGIONE;
    CString TIPO;
    CString PZ_X_CONF;
    CString CODICE_EAN;
    CString INFO1;
    CString INFO2;
    CString INFO3;
    CString INFO4;
    CString INFO5;
    CString INFO6;
    CString ID_SCONTO;
    CString ID_LISTINO;
    CString ID_IMBALLO;
    long NUMERO_IMBALLI;
    Decimal QUANTITA_LORDA;
    Decimal PESO_IMBALLO;
    long LOTTO_ANNO;
    long LOTTO_NUMERO;
    long NRIGA;
    CString NOTE;

private:
    // Rounds every Decimal field to its precision.
    void RoundFields();
    // Paid gross after the discounts (and the extra discount) when the price is positive; the
    // paid gross as it is otherwise.
    Decimal Scontato(const Decimal& extra) const;
    // Value of the free gift that is charged with VAT.
    Decimal OmaggioConIva() const;
    // The VAT rate the line is charged at: its own, or none for a negative rate.
    Decimal AliquotaApplicata() const;
};

#undef ORVEL_VOCE_TEXT
#undef ORVEL_VOCE_LONG
#undef ORVEL_VOCE_DECIMAL
