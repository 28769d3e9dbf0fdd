// CDomainDettaglioDocumento: the lines of a document, in document order, owned by the detail.
// Adding a line stores a copy of it; with merging, an article line equal to one already held
// adds its quantities to that one instead. The detail imports the lines of another document
// according to that document's movement reason, adds reference lines that cite another document,
// finds lines by article and sums the line amounts into the totals the header stores. It never
// reads or writes its lines itself: the document does that.
//
// Ownership: every pointer in the array is a line this detail made (Clone) and will destroy.
// RemoveAt, RemoveAll, assignment and destruction destroy what they drop; so do SetAt (the line
// it replaces) and a shrinking SetSize (the lines past the new size), so that no operation of
// the collection can leak a line or leave two owners of one. Slots that SetSize adds hold no
// line until SetAt fills them; every operation here steps over such empty slots.
//
// Reference lines (type "R") are text only and take no part in any total.
#pragma once

#include "afx/Array.h"
#include "afx/Export.h"
#include "afx/String.h"
#include "afx/Timestamp.h"
#include "orveldblib/Decimal.h"
#include "orveldblib/DomainClass.h"

class CDomainCausaleMagazzino;
class CDomainDocumentoAssociato;
class CDomainListaIvaDocumento;
class CDomainPromozione;
class CDomainVoceDocumento;

class ORVEL_API CDomainDettaglioDocumento : public CDomainClass {
public:
    using CArrayVoci = CArray<CDomainVoceDocumento*, CDomainVoceDocumento*&>;

    // An empty detail; the totals precision is read from the configuration now.
    explicit CDomainDettaglioDocumento(CDatabase* pDatabase = nullptr);
    // Empty on the source's connection, then assigned.
    CDomainDettaglioDocumento(const CDomainDettaglioDocumento& other);
    // Takes the source's connection and transaction flag, destroys the lines held, then holds a
    // copy of every line of the source, in order, and the source's totals precision.
    CDomainDettaglioDocumento& operator=(const CDomainDettaglioDocumento& other);
    ~CDomainDettaglioDocumento() override;

    // A new detail of the same kind with copies of the lines; the caller owns it.
    virtual CDomainDettaglioDocumento* Clone() const = 0;

    // Adds every line of the other detail, in order, with the one-line Add of this detail's kind;
    // returns the number of lines of the other detail, -1 for a null detail.
    virtual int Add(const CDomainDettaglioDocumento* pDettaglio, bool bMerge);
    // Adds a copy of the line, or with bMerge adds the quantities of an article line to an equal
    // line already held. Returns the index of the line that holds it; -1 for a null line.
    virtual int Add(const CDomainVoceDocumento* pVoce, bool bMerge);
    // As Add, but what is taken from the other lines is their quantity still to be fulfilled.
    virtual int AddQtaDaEvadere(const CDomainDettaglioDocumento* pDettaglio, bool bMerge);
    virtual int AddQtaDaEvadere(const CDomainVoceDocumento* pVoce, bool bMerge);
    // Index of the first article line of this detail's line kind for the same article (and, in
    // the fashion detail, the same size scale, size and colour); -1 when none.
    virtual int IsArticoloInDettaglio(const CDomainVoceDocumento* pVoce) const = 0;
    // Index of the first line of any type and kind with this article id (exact); -1 when none.
    virtual int IsArticoloInDettaglio(const CString& strIdArticolo) const;
    // Index of the first article line of this detail's line kind that the given line equals;
    // this is the line Add merges into. -1 when none.
    virtual int IsVoceInDettaglio(const CDomainVoceDocumento* pVoce) const = 0;
    // Imports the lines of another detail according to the reason of the document they come
    // from (see ImportaQuantitaRiga), adding them with Add and bMerge. True, or false for a null
    // detail (nothing to import).
    virtual bool AggiungiDettaglio(const CDomainCausaleMagazzino& causale, const CDomainDettaglioDocumento* pDettaglio,
                                   bool bMerge) = 0;
    // Imports the lines of the stored document with this id; false without a connection.
    virtual bool AggiungiDettaglio(long lIdDocumento, bool bMerge) = 0;
    // Prepares a line for import from a document with the given reason, in place. From an order
    // the quantity becomes what is still to be fulfilled (false when nothing is left); from any
    // other document everything is still to be fulfilled. False means: skip the line.
    virtual bool ImportaQuantitaRiga(const CDomainCausaleMagazzino& causale, CDomainVoceDocumento& voce);
    // Promotion amounts are the promotion's own business: this answers false and changes nothing.
    virtual bool ApplicaPromozione(const CDomainPromozione& promozione);

    // ---- the collection ----
    int GetSize() const;
    // New slots hold no line; slots dropped by a smaller size have their lines destroyed.
    void SetSize(int nNewSize);
    // The line at the index, or null for a slot that holds none. A bad index throws
    // CInvalidArgException, as do SetAt and RemoveAt.
    const CDomainVoceDocumento* GetAt(int nIndex) const;
    CDomainVoceDocumento* RefAt(int nIndex) const;
    // Holds a copy of the line at the index and destroys the line held there before; a null
    // line leaves the slot empty.
    void SetAt(int nIndex, const CDomainVoceDocumento* pVoce);
    void RemoveAt(int nIndex);
    void RemoveAll();

    // A reference line "RIF.<type>  <series>/<number> DEL <date>", or without a series
    // "RIF. <type> <number> DEL <date>", appended at the end. Both return true.
    bool AggiungiRiferimentoDocumento(const CDomainDocumentoAssociato& documento);
    bool AggiungiRiferimentoDocumento(const CString& strTipoDocumento, const CString& strSerie, long lNumero,
                                      const TIMESTAMP_STRUCT& dataDocumento);

    // Parcels as "magazzino/documento/collicomesommaqta" says, read at each call: 1 the total
    // quantity, 2 the total number of packages, anything else 0.
    Decimal CalcolaNumeroColli() const;
    // The VAT summary of the lines (each with its own extra discount); lines whose VAT code is
    // not in the VAT table are left out.
    CDomainListaIvaDocumento GetIvaDocumento() const;

    // ---- totals ----
    // Sums of the line amounts, rounded once to the totals precision. Reference lines never
    // count; bSoloArticoli true keeps only article lines ("A"). The Decimal is the extra
    // discount percentage handed to every line.
    Decimal Get_TOTALE_IMPORTO(bool bSoloArticoli = false) const;
    Decimal Get_TOTALE_IMPORTO_ACQUISTO(bool bSoloArticoli = false) const;
    Decimal Get_TOTALE_IMPORTO_NETTO(const Decimal& scontoExtra, bool bSoloArticoli = false) const;
    Decimal Get_TOTALE_PROVVIGIONE(const Decimal& scontoExtra) const;
    Decimal Get_TOTALE_IMPONIBILE(const Decimal& scontoExtra) const;
    Decimal Get_TOTALE_IVA(const Decimal& scontoExtra) const;
    Decimal Get_TOTALE_OMAGGIO(bool bSoloArticoli = false) const;
    // The extra discount granted: the net total without extra discount, times the percentage.
    Decimal Get_TOTALE_SCONTO_EXTRA(const Decimal& scontoExtra, bool bSoloArticoli = false) const;
    // Gross total less net total less free-gift total.
    Decimal Get_TOTALE_SCONTO(const Decimal& scontoExtra, bool bSoloArticoli = false) const;
    // VAT total plus net total, each rounded first.
    Decimal Get_TOTALE(const Decimal& scontoExtra) const;
    // Every total of all the lines but reference lines in one pass over them, each as its own
    // operation above gives it (sconto as gross less net less free gift; importoNettoSenzaExtra is
    // the net total with an extra discount of 0).
    struct Totali {
        Decimal importo, importoAcquisto, omaggio, importoNetto, importoNettoSenzaExtra, imponibile, iva,
            provvigione, sconto;
    };
    Totali Get_TOTALI(const Decimal& scontoExtra) const;
    // The quantities, unrounded.
    Decimal Get_TOTALE_QUANTITA() const;
    long Get_TOTALE_IMBALLI() const;

protected:
    // The line type is decided by the first character of TIPO: "A" article line, "B" line
    // without article match, "R" reference line.
    static bool IsTipoArticolo(const CDomainVoceDocumento& voce);
    static bool IsTipoSenzaArticolo(const CDomainVoceDocumento& voce);
    static bool IsTipoRiferimento(const CDomainVoceDocumento& voce);

    // The one-line operations behind Add and AddQtaDaEvadere: bDaEvadere takes the quantity
    // still to be fulfilled of the new line instead of its quantity.
    int AddVoce(const CDomainVoceDocumento* pVoce, bool bMerge, bool bDaEvadere);
    // Appends a line the detail already owns; returns its index.
    int AppendOwned(CDomainVoceDocumento* pVoce);
    const CArrayVoci& Voci() const { return m_arrVoci; }

private:
    template <typename Value>
    Decimal Somma(bool bSoloArticoli, Value&& value) const;

    CArrayVoci m_arrVoci;
    int m_nPrecisioneTotali = 0;
};
