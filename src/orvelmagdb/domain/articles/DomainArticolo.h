// CDomainArticolo: the article master record. It carries codes, descriptions, unit, VAT, the
// merchandise tree, the purchase and sale price chain with its discounts, logistic measures, the
// flags that drive stock, lots and receipt printing, and three owned collections: the suppliers,
// the alternative codes and the alternative units of measure.
//
// Prices: the supplier's list price, less four cascaded discounts, gives the net cost; the net
// cost plus the mark-up, times the list multiplier of the configuration, gives the sale price;
// the sale price plus VAT gives the price with VAT. The price setters take flags that say which
// of the later prices they recompute; every setter ends with the rounding pass.
//
// Keys: DB_Load finds the article by its own code or by a type-0 alternative code held in ID, or,
// when ID is empty, by its EAN or by any other alternative code (a barcode that stands for it).
// The EAN is reached only through the three virtual EAN operations, which the garment class
// replaces.
//
// Errors: the saves, the related loads and the collection operations show a database error in
// the error box and answer false; DB_Load, DB_Load_From_CODICE_ALTERNATIVO and the band
// resolution let it through to the caller.
#pragma once

#include <functional>

#include "afx/Array.h"
#include "afx/Export.h"
#include "afx/String.h"
#include "orveldblib/Decimal.h"
#include "orveldblib/DomainClass.h"
#include "orvelmagdb/domain/articles/DomainListaUmAlternativaArticolo.h"

class CArticoloCompletoSet;
class CArticoloSet;
class CDomainFasciaSconto;

// Accessor families of the members that are stored as they are given. Get_ reads, Ref_ gives the
// member itself, Set_ stores the value unchanged.
#define ORVEL_ARTICOLO_TEXT(name)                                \
    const CString& Get_##name() const { return name; }           \
    CString& Ref_##name() { return name; }                       \
    void Set_##name(const CString& value) { name = value; }
#define ORVEL_ARTICOLO_LONG(name)                                \
    long Get_##name() const { return name; }                     \
    long& Ref_##name() { return name; }                          \
    void Set_##name(long value) { name = value; }
#define ORVEL_ARTICOLO_DECIMAL(name)                             \
    const Decimal& Get_##name() const { return name; }           \
    Decimal& Ref_##name() { return name; }                       \
    void Set_##name(const Decimal& value) { name = value; }
// Members whose Set_ rounds or recomputes, declared one by one below.
#define ORVEL_ARTICOLO_DECIMAL_READ(name)                        \
    const Decimal& Get_##name() const { return name; }           \
    Decimal& Ref_##name() { return name; }

class ORVEL_API CDomainArticolo : public CDomainClass {
public:
    // One supplier of the article: the partner id, its name (read from the joined view only), and
    // the supplier's own code and description of the article.
    class CArticoloFornitore {
    public:
        long Get_ID_FORNITORE() const { return ID_FORNITORE; }
        const CString& Get_RAGIONE_SOCIALE() const { return RAGIONE_SOCIALE; }
        const CString& Get_CODICE_FORNITORE() const { return CODICE_FORNITORE; }
        const CString& Get_DESCRIZIONE_FORNITORE() const { return DESCRIZIONE_FORNITORE; }
        void Set_ID_FORNITORE(long value) { ID_FORNITORE = value; }
        void Set_RAGIONE_SOCIALE(const CString& value) { RAGIONE_SOCIALE = value; }
        void Set_CODICE_FORNITORE(const CString& value) { CODICE_FORNITORE = value; }
        void Set_DESCRIZIONE_FORNITORE(const CString& value) { DESCRIZIONE_FORNITORE = value; }

    private:
        long ID_FORNITORE = -1;
        CString RAGIONE_SOCIALE;
        CString CODICE_FORNITORE;
        CString DESCRIZIONE_FORNITORE;
    };

    // One alternative code of the article. Type 0 is another article code; any other type is a
    // barcode-like code that stands for an EAN.
    class CCodiceAlternativo {
    public:
        CCodiceAlternativo() = default;
        CCodiceAlternativo(const CString& code, long type) : CODICE(code), TIPO(type) {}
        const CString& Get_CODICE() const { return CODICE; }
        long Get_TIPO() const { return TIPO; }
        void Set_CODICE(const CString& value) { CODICE = value; }
        void Set_TIPO(long value) { TIPO = value; }

    private:
        CString CODICE;
        long TIPO = 0;
    };

    using CArrayArticoloFornitore = CArray<CArticoloFornitore>;
    using CArrayCodiceAlternativo = CArray<CCodiceAlternativo>;

    // A new article: the defaults of the article table, the unit and the list multiplier of the
    // configuration, and the four precisions read now and kept for the object's life.
    explicit CDomainArticolo(CDatabase* pDatabase = nullptr);
    // Both copy every member, the precisions and the three collections.
    CDomainArticolo(const CDomainArticolo& other);
    CDomainArticolo& operator=(const CDomainArticolo& other);
    ~CDomainArticolo() override;

    // Loads the article named by ID (its own code or a type-0 alternative code) or, when ID is
    // empty, by the EAN (the article's or a barcode-like alternative code). False when nothing
    // matches, without changing the object; database errors pass to the caller.
    bool DB_Load() override;

    // The EAN as every lookup of the article sees it.
    virtual const CString& Get_CODICE_EAN() const;
    virtual CString& Ref_CODICE_EAN();
    virtual void Set_CODICE_EAN(const CString& value);

    bool IsValid() const { return !ID.IsEmpty(); }

    // ---- plain accessors ----
    const CString& Get_ID() const { return ID; }
    CString& Ref_ID() { return ID; }
    // Also gives the new code to the alternative-unit list.
    void Set_ID(const CString& value);

    ORVEL_ARTICOLO_TEXT(CODICE_INTERNO)
    ORVEL_ARTICOLO_TEXT(DESCRIZIONE)
    ORVEL_ARTICOLO_TEXT(DESCRIZIONE_RIDOTTA)
    ORVEL_ARTICOLO_TEXT(FILEFOTO)
    ORVEL_ARTICOLO_TEXT(PEZZI_X_CONFEZIONE)
    ORVEL_ARTICOLO_TEXT(UM)
    ORVEL_ARTICOLO_TEXT(ID_IVA)
    ORVEL_ARTICOLO_TEXT(DESCRIZIONE_IVA)
    ORVEL_ARTICOLO_LONG(CODICE_CASSA_IVA)
    ORVEL_ARTICOLO_DECIMAL(SCORTA_MINIMA)
    ORVEL_ARTICOLO_TEXT(ID_CATEGORIA)
    ORVEL_ARTICOLO_TEXT(DESCRIZIONE_CATEGORIA)
    ORVEL_ARTICOLO_TEXT(ID_FAMIGLIA)
    ORVEL_ARTICOLO_TEXT(DESCRIZIONE_FAMIGLIA)
    ORVEL_ARTICOLO_TEXT(ID_GRUPPO)
    ORVEL_ARTICOLO_TEXT(DESCRIZIONE_GRUPPO)
    ORVEL_ARTICOLO_TEXT(ID_REPARTO)
    ORVEL_ARTICOLO_TEXT(DESCRIZIONE_REPARTO)
    ORVEL_ARTICOLO_TEXT(NOTE)
    ORVEL_ARTICOLO_TEXT(INFO_STR1)
    ORVEL_ARTICOLO_TEXT(INFO_STR2)
    ORVEL_ARTICOLO_TEXT(INFO_STR3)
    ORVEL_ARTICOLO_TEXT(INFO_STR4)
    ORVEL_ARTICOLO_TEXT(INFO_STR5)
    ORVEL_ARTICOLO_TEXT(INFO_NUM1)
    ORVEL_ARTICOLO_TEXT(INFO_NUM2)
    ORVEL_ARTICOLO_TEXT(INFO_NUM3)
    ORVEL_ARTICOLO_TEXT(INFO_NUM4)
    ORVEL_ARTICOLO_TEXT(INFO_NUM5)
    int Get_F_PUBBLICA() const { return F_PUBBLICA; }
    int& Ref_F_PUBBLICA() { return F_PUBBLICA; }
    void Set_F_PUBBLICA(int value) { F_PUBBLICA = value; }
    ORVEL_ARTICOLO_DECIMAL(PROVVIGIONE)
    ORVEL_ARTICOLO_LONG(FOR_PREZZO_VENDITA_ID)
    ORVEL_ARTICOLO_TEXT(FOR_PREZZO_VENDITA_DESCRIZIONE)
    ORVEL_ARTICOLO_LONG(FOR_COSTO_NETTO_ID)
    ORVEL_ARTICOLO_TEXT(FOR_COSTO_NETTO_DESCRIZIONE)
    ORVEL_ARTICOLO_LONG(ID_TIPO_ARTICOLO)
    ORVEL_ARTICOLO_LONG(F_RIPORTA_NOTE)
    ORVEL_ARTICOLO_LONG(F_GESTISCI_GIACENZE)
    ORVEL_ARTICOLO_LONG(F_STAMPA_IN_SCONTRINO)
    ORVEL_ARTICOLO_LONG(F_GESTISCI_LOTTI)
    ORVEL_ARTICOLO_LONG(F_MODIFICATO)
    ORVEL_ARTICOLO_DECIMAL(PERC_COSTO_OMAGGIO)
    ORVEL_ARTICOLO_DECIMAL(ART_PESO_KG)
    ORVEL_ARTICOLO_DECIMAL(ART_LUNGHEZZA_CM)
    ORVEL_ARTICOLO_DECIMAL(ART_LARGHEZZA_CM)
    ORVEL_ARTICOLO_DECIMAL(ART_ALTEZZA_CM)
    ORVEL_ARTICOLO_DECIMAL(ART_VOLUME_M3)
    ORVEL_ARTICOLO_DECIMAL(CONF_PESO_KG)
    ORVEL_ARTICOLO_DECIMAL(CONF_LUNGHEZZA_CM)
    ORVEL_ARTICOLO_DECIMAL(CONF_LARGHEZZA_CM)
    ORVEL_ARTICOLO_DECIMAL(CONF_ALTEZZA_CM)
    ORVEL_ARTICOLO_DECIMAL(CONF_VOLUME_M3)
    ORVEL_ARTICOLO_DECIMAL(PERCENTUALE_DAZIO)
    ORVEL_ARTICOLO_DECIMAL(RAEE_EURO)

    // ---- rounding setters ----
    ORVEL_ARTICOLO_DECIMAL_READ(ALIQUOTA_IVA)
    // To the VAT precision; the text form is the stored invariant one.
    void Set_ALIQUOTA_IVA(const Decimal& value);
    void Set_ALIQUOTA_IVA(const CString& value);
    ORVEL_ARTICOLO_DECIMAL_READ(SCONTO_VEND1)
    ORVEL_ARTICOLO_DECIMAL_READ(SCONTO_VEND2)
    ORVEL_ARTICOLO_DECIMAL_READ(SCONTO_VEND3)
    ORVEL_ARTICOLO_DECIMAL_READ(SCONTO_VEND4)
    ORVEL_ARTICOLO_DECIMAL_READ(SCONTO_PREZZO_IMPOSTO)
    // To the discount precision.
    void Set_SCONTO_VEND1(const Decimal& value);
    void Set_SCONTO_VEND2(const Decimal& value);
    void Set_SCONTO_VEND3(const Decimal& value);
    void Set_SCONTO_VEND4(const Decimal& value);
    void Set_SCONTO_PREZZO_IMPOSTO(const Decimal& value);
    ORVEL_ARTICOLO_DECIMAL_READ(PREZZO_IMPOSTO_IVATO)
    // To the price precision.
    void Set_PREZZO_IMPOSTO_IVATO(const Decimal& value);
    ORVEL_ARTICOLO_DECIMAL_READ(DENSITA)
    // Stored (to 5 decimals) only while the density is managed; otherwise nothing changes.
    void Set_DENSITA(const Decimal& value);
    int Get_GESTISCI_DENSITA() const { return GESTISCI_DENSITA; }
    int& Ref_GESTISCI_DENSITA() { return GESTISCI_DENSITA; }
    // Turning the management off clears the density first.
    void Set_GESTISCI_DENSITA(int value);

    // ---- the price chain ----
    ORVEL_ARTICOLO_DECIMAL_READ(PREZZO_ACQ_LISTINO_EURO)
    ORVEL_ARTICOLO_DECIMAL_READ(SCONTO_1)
    ORVEL_ARTICOLO_DECIMAL_READ(SCONTO_2)
    ORVEL_ARTICOLO_DECIMAL_READ(SCONTO_3)
    ORVEL_ARTICOLO_DECIMAL_READ(SCONTO_4)
    ORVEL_ARTICOLO_DECIMAL_READ(PREZZO_ACQ_PZ_EURO)
    ORVEL_ARTICOLO_DECIMAL_READ(RICARICO)
    ORVEL_ARTICOLO_DECIMAL_READ(PREZZO_PZ_EURO)
    ORVEL_ARTICOLO_DECIMAL_READ(PREZZO_PZ_EURO_IVATO)

    // Each setter stores its value, recomputes what its flags ask for, then runs the rounding
    // pass. With the first of two flags false the second is not looked at.
    // cost: net cost from list price and discounts; then sale: sale price and price with VAT.
    void Set_PREZZO_ACQ_LISTINO_EURO(const Decimal& value, bool cost = true, bool sale = true);
    // recompute: net cost, sale price and price with VAT.
    void Set_SCONTO_1(const Decimal& value, bool recompute = true);
    void Set_SCONTO_2(const Decimal& value, bool recompute = true);
    void Set_SCONTO_3(const Decimal& value, bool recompute = true);
    void Set_SCONTO_4(const Decimal& value, bool recompute = true);
    // list: list price back from net cost and discounts; then sale: sale price and price with VAT.
    void Set_PREZZO_ACQ_PZ_EURO(const Decimal& value, bool list = true, bool sale = true);
    // recompute: sale price from the net cost and the mark-up, and the price with VAT.
    void Set_RICARICO(const Decimal& value, bool recompute = true);
    // recompute: mark-up from net cost and sale price, and the price with VAT.
    void Set_PREZZO_PZ_EURO(const Decimal& value, bool recompute = true);
    // recompute: sale price without VAT, then the mark-up.
    void Set_PREZZO_PZ_EURO_IVATO(const Decimal& value, bool recompute = true);
    // Sets the mark-up that gives this margin; false, changing nothing, unless 0 <= margin < 100.
    bool SetMargine(const Decimal& margin, bool recompute = true);
    // The margin of the article's own net cost and sale price.
    Decimal GetMargine() const;

    // The list price and the net cost with VAT at the article's rate.
    Decimal Get_PREZZO_ACQ_LISTINO_EURO_IVATO() const;
    Decimal Get_PREZZO_ACQ_PZ_EURO_IVATO() const;

    // ---- price formulas; the precisions are read from the configuration at every call ----
    static Decimal CalcolaCostoNetto(const Decimal& list, const Decimal& s1, const Decimal& s2, const Decimal& s3,
                                     const Decimal& s4);
    static Decimal CalcolaCostoListino(const Decimal& cost, const Decimal& s1, const Decimal& s2, const Decimal& s3,
                                       const Decimal& s4);
    static Decimal CalcolaPrezzoVendita(const Decimal& multiplier, const Decimal& cost, const Decimal& markup);
    static Decimal CalcolaPrezzoIvato(const Decimal& price, const Decimal& vat);
    static Decimal CalcolaPrezzoDaIvato(const Decimal& priceWithVat, const Decimal& vat);
    static Decimal CalcolaRicarico(const Decimal& multiplier, const Decimal& cost, const Decimal& sale);
    static Decimal CalcolaRicarico(const Decimal& margin);
    static Decimal CalcolaMargine(const Decimal& multiplier, const Decimal& cost, const Decimal& sale);
    static Decimal CalcolaPrezzoAcquistoDaVendita(const Decimal& multiplier, const Decimal& sale,
                                                  const Decimal& markup);
    static Decimal CalcolaSconto(const Decimal& full, const Decimal& discounted);
    static Decimal CalcolaPrezzoScontato(const Decimal& price, const Decimal& discount);
    static bool IsMargineValido(const Decimal& margin);

    // The same with the article's own list multiplier.
    Decimal CalcolaPrezzoVendita(const Decimal& cost, const Decimal& markup) const;
    Decimal CalcolaRicarico(const Decimal& cost, const Decimal& sale) const;
    Decimal CalcolaMargine(const Decimal& cost, const Decimal& sale) const;
    Decimal CalcolaPrezzoAcquistoDaVendita(const Decimal& sale, const Decimal& markup) const;

    // The picture of an article: its own, else its group's, family's or category's (first and
    // second picture of each in turn); empty when the article does not exist.
    static CString CalcolaFoto(CDatabase* pDatabase, const CString& id);

    // ---- codes and lookups ----
    // Loads the article that owns an alternative code: a type-0 code (tipoArticolo true) or a
    // barcode-like one (false), which then becomes the article's EAN. Errors pass to the caller.
    bool DB_Load_From_CODICE_ALTERNATIVO(const CString& code, bool tipoArticolo);
    // Proposes the code after the highest existing code of "default/articolo/ncifre" characters:
    // mode 1 decimal, mode 2 base 36, any other mode empty. Nothing is written.
    CString GeneraCodiceArticolo(int mode) const;
    static CString GeneraCodiceArticolo(CDatabase* pDatabase, int mode);

    // ---- persistence of the row and of what hangs on it ----
    bool DB_Load_IVA();
    bool DB_Load_RiferimentoCategoria();
    bool DB_Load_RiferimentoFamiglia();
    bool DB_Load_RiferimentoGruppo();
    bool DB_Load_ArticoloFornitore();
    bool DB_Update_ArticoloFornitore();
    bool DB_Load_CodiciAlternativi();
    bool DB_Update_CodiciAlternativi();
    bool DB_Load_UmAlternative();
    bool DB_Update_UmAlternative();

    void FromRecordset(CArticoloCompletoSet& rs);
    void ToRecordset(CArticoloSet& rs) const;

    const CArrayArticoloFornitore& Get_ArticoloFornitore() const { return m_arrFornitori; }
    void Set_ArticoloFornitore(const CArrayArticoloFornitore& value) { m_arrFornitori = value; }
    const CArrayCodiceAlternativo& Get_CodiciAlternativi() const { return m_arrCodiciAlternativi; }
    void Set_CodiciAlternativi(const CArrayCodiceAlternativo& value) { m_arrCodiciAlternativi = value; }
    const CDomainListaUmAlternativaArticolo& GetUmAlternative() const { return m_listaUmAlternative; }
    void SetUmAlternative(const CDomainListaUmAlternativaArticolo& value) { m_listaUmAlternative = value; }

    // The discount band that applies to the article for a partner (0 or less: no partner): the
    // partner's band for the article's category, else the category's default band, else none.
    // Database errors pass to the caller.
    CDomainFasciaSconto GetFasciaScontoXCategoria(long idSoggetto) const;

protected:
    // Writes only the ARTICOLO row, marking it modified on insert and update.
    bool DB_Update(EDB_Operation op) override;

    // The rounding pass, run after every load and before every save: each amount to its
    // precision, the mark-up to the price precision (read again now) plus one.
    void ImpostaPrecisioni();
    // The mark-up of the article's own net cost and sale price.
    Decimal CalcolaRicarico() const;

    // Runs a change of the price chain as one: on an exception (an overflowing computation) every
    // price is put back as it was before the exception goes on.
    void CambiaCatenaPrezzi(const std::function<void()>& steps);
    void SetSconto(Decimal& discount, const Decimal& value, bool recompute);
    // Helpers of the setters and the reference loads.
    bool LoadFirstOf(const char* column, const CString& value);
    void RicalcolaCostoNetto();
    void RicalcolaPrezzoVendita();
    void RicalcolaPrezzoIvato();

    CString ID;
    CString CODICE_EAN;
    CString CODICE_INTERNO;
    CString DESCRIZIONE;
    CString DESCRIZIONE_RIDOTTA;
    CString FILEFOTO;
    CString PEZZI_X_CONFEZIONE;
    CString UM;
    CString ID_IVA;
    CString DESCRIZIONE_IVA;
    Decimal ALIQUOTA_IVA;
    long CODICE_CASSA_IVA;
    Decimal SCORTA_MINIMA;
    CString ID_CATEGORIA;
    CString DESCRIZIONE_CATEGORIA;
    CString ID_FAMIGLIA;
    CString DESCRIZIONE_FAMIGLIA;
    CString ID_GRUPPO;
    CString DESCRIZIONE_GRUPPO;
    CString ID_REPARTO;
    CString DESCRIZIONE_REPARTO;
    Decimal PREZZO_ACQ_LISTINO_EURO;
    Decimal SCONTO_1;
    Decimal SCONTO_2;
    Decimal SCONTO_3;
    Decimal SCONTO_4;
    Decimal PREZZO_ACQ_PZ_EURO;
    Decimal RICARICO;
    Decimal PREZZO_PZ_EURO;
    Decimal PREZZO_PZ_EURO_IVATO;
    CString NOTE;
    CString INFO_STR1;
    CString INFO_STR2;
    CString INFO_STR3;
    CString INFO_STR4;
    CString INFO_STR5;
    CString INFO_NUM1;
    CString INFO_NUM2;
    CString INFO_NUM3;
    CString INFO_NUM4;
    CString INFO_NUM5;
    int F_PUBBLICA;
    Decimal PROVVIGIONE;
    long FOR_PREZZO_VENDITA_ID;
    CString FOR_PREZZO_VENDITA_DESCRIZIONE;
    long FOR_COSTO_NETTO_ID;
    CString FOR_COSTO_NETTO_DESCRIZIONE;
    Decimal DENSITA;
    int GESTISCI_DENSITA;
    long ID_TIPO_ARTICOLO;
    long F_RIPORTA_NOTE;
    long F_GESTISCI_GIACENZE;
    long F_STAMPA_IN_SCONTRINO;
    long F_GESTISCI_LOTTI;
    Decimal SCONTO_PREZZO_IMPOSTO;
    Decimal PREZZO_IMPOSTO_IVATO;
    Decimal SCONTO_VEND1;
    Decimal SCONTO_VEND2;
    Decimal SCONTO_VEND3;
    Decimal SCONTO_VEND4;
    long F_MODIFICATO;
    Decimal PERC_COSTO_OMAGGIO;
    Decimal ART_PESO_KG;
    Decimal ART_LUNGHEZZA_CM;
    Decimal ART_LARGHEZZA_CM;
    Decimal ART_ALTEZZA_CM;
    Decimal ART_VOLUME_M3;
    Decimal CONF_PESO_KG;
    Decimal CONF_LUNGHEZZA_CM;
    Decimal CONF_LARGHEZZA_CM;
    Decimal CONF_ALTEZZA_CM;
    Decimal CONF_VOLUME_M3;
    Decimal PERCENTUALE_DAZIO;
    Decimal RAEE_EURO;

    Decimal m_moltiplicatoreListino;
    int m_nPrecisionePrezzi;
    int m_nPrecisioneIva;
    int m_nPrecisioneSconti;
    int m_nPrecisioneTotali;

    CArrayArticoloFornitore m_arrFornitori;
    CArrayCodiceAlternativo m_arrCodiciAlternativi;
    CDomainListaUmAlternativaArticolo m_listaUmAlternative;
};

#undef ORVEL_ARTICOLO_TEXT
#undef ORVEL_ARTICOLO_LONG
#undef ORVEL_ARTICOLO_DECIMAL
#undef ORVEL_ARTICOLO_DECIMAL_READ
