// CDomainDocumento: a document (invoice, delivery note, receipt, order, stock movement) as one
// object: the header with its partners, transport, payment, expenses and eleven totals; the
// movement reason, held by value, which decides which header sections are stored; the detail of
// lines, owned through a pointer because each kind of document (warehouse, fashion, restaurant)
// has its own; and the list of the documents it is linked to.
//
// A new document takes its defaults from the current user (company, site, depot, agent) and from
// the configuration (transport, payment formula, the VAT code of the expenses). It loads in the
// fixed order header, links, lines, and writes in the order lines (on edit), header, links, VAT
// summary, lines (on add): on add the header has its new key before anything that refers to it
// is written. No step opens a transaction: the host brackets the write in its own and rolls it
// back on false. The totals are stored as the object holds them; they change only when the host
// asks for a Ricalcola_.
//
// This class cannot store lines; the kinds supply the detail, its loading and saving and the
// deletion. Without a kind, loading, every write and the deletion end with false after the
// header steps.
#pragma once

#include <memory>

#include "afx/Export.h"
#include "afx/OleDateTime.h"
#include "afx/String.h"
#include "afx/Timestamp.h"
#include "orveldblib/Decimal.h"
#include "odbc/Database.h"
#include "orvelmagdb/domain/documents/DomainCausaleMagazzino.h"
#include "orvelmagdb/domain/documents/DomainDettaglioDocumento.h"
#include "orvelmagdb/domain/documents/DomainDocumentoBase.h"
#include "orvelmagdb/domain/documents/DomainListaDocumentiAssociati.h"
#include "orvelmagdb/domain/documents/DomainVoceDocumento.h"

class CDocumentoSet;
class CTestataDocumentoSet;

// The header fields after the base ones, in declaration order: X(kind, NAME). Kinds: TEXT, LONG
// and DECIMAL have Get_ and Set_; the _REF kinds also Ref_; the _GET kinds only Get_ (and Ref_),
// their setters being written out below because they do more than store; TS fields have their
// accessors written out. Decimal setters store the value as given: the document rounds nothing
// itself.
#define ORVEL_DOCUMENTO_FIELDS(X)                                                                           \
    X(LONG_GET, FORN_ID) X(TEXT, FORN_RAGIONE_SOCIALE) X(TEXT, FORN_PARTITA_IVA)                            \
    X(TEXT, FORN_CODICE_FISCALE) X(TEXT, FORN_INDIRIZZO1) X(TEXT, FORN_INDIRIZZO2)                          \
    X(LONG_GET, CLI_FAT_ID) X(TEXT, CLI_FAT_RAGIONE_SOCIALE) X(TEXT, CLI_FAT_PARTITA_IVA)                   \
    X(TEXT, CLI_FAT_CODICE_FISCALE) X(TEXT, CLI_FAT_INDIRIZZO1) X(TEXT, CLI_FAT_INDIRIZZO2)                 \
    X(TEXT, CLI_SPE_INDIRIZZO1) X(TEXT, CLI_SPE_INDIRIZZO2) X(LONG, ID_SOCIETA) X(LONG, ID_SEDE_SOCIETA)    \
    X(LONG, ID_AGENTE_SEDE_SOCIETA) X(TEXT, NOTA) X(TEXT_REF, NOTA2) X(LONG, ID_DEPOSITO)                   \
    X(DECIMAL_GET, SCONTO_EXTRA) X(TS, DATA_ORA_INIZIO_TRASPORTO) X(TS, DATA_ORA_FINE_TRASPORTO)            \
    X(LONG, ID_CAUSALE_TRASPORTO) X(LONG, ID_TRASPORTO) X(LONG, ID_PORTO) X(LONG, ID_VETTORE)               \
    X(LONG, ID_ASPETTO_BENI) X(DECIMAL_REF, NUMERO_COLLI) X(DECIMAL_REF, PESO_KG) X(TEXT, TIPO_DOCUMENTO)   \
    X(LONG, IMBALLI) X(LONG_REF, ID_FORMULA_PAGAMENTO) X(LONG_REF, ID_BANCA) X(LONG_REF, ID_BANCA_AGENZIA)  \
    X(TEXT_REF, CIN) X(TEXT_REF, CONTO_CORRENTE) X(TEXT_REF, IBAN) X(LONG, ID_STATO_ORDINE)                 \
    X(TEXT, INFO1) X(TEXT, INFO2) X(TEXT, INFO3) X(TEXT, INFO4) X(TEXT, INFO5) X(TEXT, INFO6)               \
    X(TEXT, POSTAZIONE) X(TEXT, TARGA_AUTOMEZZO) X(LONG, F_MODIFICATO) X(LONG, ID_OPERATORE)                \
    X(LONG, ID_SEDE_AZIENDA_INTESTAZIONE) X(LONG, ID_SEDE_AZIENDA_SPEDIZIONE) X(LONG, F_RIVALUTAZIONE)      \
    X(DECIMAL, COSTO_TRASPORTO_M3) X(DECIMAL, CAMBIO) X(DECIMAL_REF, SPESE_INCASSO)                         \
    X(DECIMAL_REF, SPESE_TRASPORTO) X(DECIMAL_REF, SPESE_VARIE) X(TEXT_REF, ID_IVA_SPESE_INCASSO)           \
    X(TEXT_REF, ID_IVA_SPESE_TRASPORTO) X(TEXT_REF, ID_IVA_SPESE_VARIE)                                     \
    X(DECIMAL_REF, ALIQUOTA_IVA_SPESE_INCASSO) X(DECIMAL_REF, ALIQUOTA_IVA_SPESE_TRASPORTO)                 \
    X(DECIMAL_REF, ALIQUOTA_IVA_SPESE_VARIE) X(DECIMAL_REF, TOTALE_IMPORTO_ACQUISTO)                        \
    X(DECIMAL_REF, TOTALE_IMPONIBILE) X(DECIMAL_REF, TOTALE_IMPORTO) X(DECIMAL_REF, TOTALE_SCONTO_EXTRA)    \
    X(DECIMAL_REF, TOTALE_SCONTO) X(DECIMAL_REF, TOTALE_OMAGGIO) X(DECIMAL_REF, TOTALE_IMPORTO_NETTO)       \
    X(DECIMAL_REF, TOTALE_NETTO_DOCUMENTO) X(DECIMAL_REF, TOTALE_IVA) X(DECIMAL_REF, TOTALE)                \
    X(DECIMAL_REF, TOTALE_PROVVIGIONE)

#define ORVEL_DOCUMENTO_MEMBER(kind, name) ORVEL_DOCUMENTO_MEMBER_##kind name;
#define ORVEL_DOCUMENTO_MEMBER_TEXT CString
#define ORVEL_DOCUMENTO_MEMBER_TEXT_REF CString
#define ORVEL_DOCUMENTO_MEMBER_LONG long
#define ORVEL_DOCUMENTO_MEMBER_LONG_REF long
#define ORVEL_DOCUMENTO_MEMBER_LONG_GET long
#define ORVEL_DOCUMENTO_MEMBER_DECIMAL Decimal
#define ORVEL_DOCUMENTO_MEMBER_DECIMAL_REF Decimal
#define ORVEL_DOCUMENTO_MEMBER_DECIMAL_GET Decimal
#define ORVEL_DOCUMENTO_MEMBER_TS TIMESTAMP_STRUCT

#define ORVEL_DOCUMENTO_ACCESSORS(kind, name) ORVEL_DOCUMENTO_ACCESSORS_##kind(name)
#define ORVEL_DOCUMENTO_ACCESSORS_TEXT(name)           \
    const CString& Get_##name() const { return name; } \
    void Set_##name(const CString& value) { name = value; }
#define ORVEL_DOCUMENTO_ACCESSORS_TEXT_REF(name) \
    ORVEL_DOCUMENTO_ACCESSORS_TEXT(name)         \
    CString& Ref_##name() { return name; }
#define ORVEL_DOCUMENTO_ACCESSORS_LONG(name) \
    long Get_##name() const { return name; } \
    void Set_##name(long value) { name = value; }
#define ORVEL_DOCUMENTO_ACCESSORS_LONG_REF(name) \
    ORVEL_DOCUMENTO_ACCESSORS_LONG(name)         \
    long& Ref_##name() { return name; }
#define ORVEL_DOCUMENTO_ACCESSORS_LONG_GET(name) \
    long Get_##name() const { return name; }
#define ORVEL_DOCUMENTO_ACCESSORS_DECIMAL(name)        \
    const Decimal& Get_##name() const { return name; } \
    void Set_##name(const Decimal& value) { name = value; }
#define ORVEL_DOCUMENTO_ACCESSORS_DECIMAL_REF(name) \
    ORVEL_DOCUMENTO_ACCESSORS_DECIMAL(name)         \
    Decimal& Ref_##name() { return name; }
#define ORVEL_DOCUMENTO_ACCESSORS_DECIMAL_GET(name)    \
    const Decimal& Get_##name() const { return name; } \
    Decimal& Ref_##name() { return name; }
#define ORVEL_DOCUMENTO_ACCESSORS_TS(name)

class ORVEL_API CDomainDocumento : public CDomainDocumentoBase {
public:
    explicit CDomainDocumento(CDatabase* pDatabase = nullptr);
    CDomainDocumento(const CDomainDocumento& other);
    CDomainDocumento& operator=(const CDomainDocumento& other);
    // Deletes the owned detail.
    ~CDomainDocumento() override;

    // Header, links and lines, in that order; false at the first step that fails, the steps
    // before it having been applied.
    bool DB_Load() override;

    // A new document of the same kind, copied from this one; the caller owns it.
    virtual CDomainDocumento* Clone() const = 0;
    // Empties the own detail, then, for a source, makes it a copy of the source's lines (cloning
    // the source's detail when this document has none yet).
    virtual void Set_DETTAGLIO(const CDomainDettaglioDocumento* src);
    // Link another document (stored, by key or by summary). This class only keeps the list: the
    // kinds also import lines and add reference lines as the flags ask. Each returns the index of
    // the new entry, or -1 when the document is already linked or has no summary to read.
    virtual int AssociaDocumento(const CDomainDocumento& doc, bool importa, bool flagAggiunta, bool riferimento);
    virtual int AssociaDocumento(const CDomainDocumentoAssociato& entry, bool importa, bool flagAggiunta,
                                 bool riferimento);
    virtual int AssociaDocumento(long id, bool importa, bool flagAggiunta, bool riferimento);

protected:
    // Deletes the stored document; the kinds run the database's delete procedure.
    virtual bool DB_DeleteDocumento();
    virtual bool Load_DOCUMENTO();
    virtual bool Load_DOCUMENTI_ASSOCIATI();
    virtual bool Load_DETTAGLIO();
    virtual bool Update_DOCUMENTO(EDB_Operation op);
    virtual bool Update_DOCUMENTI_ASSOCIATI(EDB_Operation op);
    virtual bool Update_IVA_DOCUMENTO(EDB_Operation op);
    virtual bool Update_DETTAGLIO(EDB_Operation op);

    bool DB_Update(EDB_Operation op) override;

public:
    // "A/00012", or "00012" for a series that is empty or a single blank; longer numbers whole.
    static CString Trasforma_SERIE_E_NUMERO(const CString& serie, long numero);
    CString Get_SERIE_E_NUMERO() const { return Trasforma_SERIE_E_NUMERO(SERIE, NUMERO); }
    // "A/12" sets series and number; a text without "/" sets only the number (its leading digits).
    void Set_SERIE_E_NUMERO(const CString& text);
    // The number the counter of the reason, company, series and year holds; 0 when there is no
    // counter row or on a database error (after the error box). It neither stores the number nor
    // advances the counter.
    long GeneraNumeroDocumento();
    // "FT n. A/00012 del 15/03/2024": type of the reason, number, document date.
    CString GetDescrizione() const;

    // Sets the reason's key and loads it; a reason that does not load leaves the key set.
    void SetCausale(long id);
    void Fwd_CAUSALE_Load(long id) { SetCausale(id); }
    void Set_CAUSALE(const CDomainCausaleMagazzino& causale) { CAUSALE = causale; }
    const CDomainCausaleMagazzino& Get_CAUSALE() const { return CAUSALE; }

    const CDomainDettaglioDocumento* Get_DETTAGLIO() const { return DETTAGLIO.get(); }
    CDomainDettaglioDocumento* Ref_DETTAGLIO() { return DETTAGLIO.get(); }
    // Adds a line to the detail without merging; its index, or -1 without a detail or a line.
    int Fwd_DETTAGLIO_Add(const CDomainVoceDocumento* voce);

    const CDomainListaDocumentiAssociati& Get_LISTA_DOCUMENTI_ASSOCIATI() const { return LISTA_DOCUMENTI_ASSOCIATI; }
    // A copy of the entry at the index; outside the list the invalid-argument exception.
    CDomainDocumentoAssociato Fwd_LISTA_DOCUMENTI_ASSOCIATI_GetAt(int i) const;
    // Unlinks the document with that key: the index its entry had, -1 when it was not linked.
    int DisassociaDocumento(long id);

    // Partner texts from the partner master data: Load_Azienda fills the invoiced customer's,
    // Load_Cliente does so for CLI_FAT_ID and Load_Fornitore fills the supplier's for FORN_ID.
    bool Load_Azienda(long id);
    bool Load_Cliente();
    bool Load_Fornitore();

    ORVEL_DOCUMENTO_FIELDS(ORVEL_DOCUMENTO_ACCESSORS)

    // An id below 1 removes the partner: its five texts are emptied too (the shipping address
    // stays with the customer's).
    void Set_FORN_ID(long id);
    void Set_CLI_FAT_ID(long id);
    void Set_SCONTO_EXTRA(const Decimal& value) { SCONTO_EXTRA = value; }
    void Set_SCONTO_EXTRA(const CString& value) { SCONTO_EXTRA = Decimal(value, 127); }

    const TIMESTAMP_STRUCT& Get_DATA_ORA_INIZIO_TRASPORTO() const { return DATA_ORA_INIZIO_TRASPORTO; }
    void Set_DATA_ORA_INIZIO_TRASPORTO(const TIMESTAMP_STRUCT& value) { DATA_ORA_INIZIO_TRASPORTO = value; }
    void Set_DATA_ORA_INIZIO_TRASPORTO(const COleDateTime& value);
    void Invalid_DATA_ORA_INIZIO_TRASPORTO() { DATA_ORA_INIZIO_TRASPORTO = Invalid_TIMESTAMP_STRUCT; }
    const TIMESTAMP_STRUCT& Get_DATA_ORA_FINE_TRASPORTO() const { return DATA_ORA_FINE_TRASPORTO; }
    void Set_DATA_ORA_FINE_TRASPORTO(const TIMESTAMP_STRUCT& value) { DATA_ORA_FINE_TRASPORTO = value; }
    void Set_DATA_ORA_FINE_TRASPORTO(const COleDateTime& value);

    bool IsValid_FORN_ID() const { return FORN_ID > 0; }
    bool IsValid_CLI_FAT_ID() const { return CLI_FAT_ID > 0; }
    bool IsValid_ID_SOCIETA() const { return ID_SOCIETA > 0; }
    bool IsValid_ID_SEDE_SOCIETA() const { return ID_SEDE_SOCIETA > 0; }
    bool IsValid_ID_DEPOSITO() const { return ID_DEPOSITO > 0; }
    bool IsValid_ID_STATO_ORDINE() const { return ID_STATO_ORDINE > 0; }
    bool IsValid_CLI_FAT_PARTITA_IVA() const { return !CLI_FAT_PARTITA_IVA.IsEmpty(); }
    bool IsValid_CLI_FAT_CODICE_FISCALE() const { return !CLI_FAT_CODICE_FISCALE.IsEmpty(); }
    bool IsValid_DATA_ORA_INIZIO_TRASPORTO() const { return IsValid_TIMESTAMP_STRUCT(DATA_ORA_INIZIO_TRASPORTO); }

    // Totals from the lines, the extra discount and the expenses. Ricalcola_TOTALI recomputes all
    // eleven; each single one recomputes its own from the values held now (Ricalcola_TOTALE from
    // the stored net document total and VAT total).
    void Ricalcola_TOTALI();
    void Ricalcola_TOTALE_IMPORTO();
    void Ricalcola_TOTALE_SCONTO();
    void Ricalcola_TOTALE_OMAGGIO();
    void Ricalcola_TOTALE_IMPORTO_NETTO();
    void Ricalcola_TOTALE_SCONTO_EXTRA();
    void Ricalcola_TOTALE_NETTO_DOCUMENTO();
    void Ricalcola_TOTALE_IMPONIBILE();
    void Ricalcola_TOTALE_IVA();
    void Ricalcola_TOTALE();
    void Ricalcola_TOTALE_IMPORTO_ACQUISTO();
    void Ricalcola_TOTALE_PROVVIGIONE();
    // VAT of one expense: the amount times its rate over 100, unrounded.
    Decimal Get_IVA_SPESE_INCASSO() const;
    Decimal Get_IVA_SPESE_TRASPORTO() const;
    Decimal Get_IVA_SPESE_VARIE() const;

    // The header row: read from the header view (the reason must already be loaded, it decides
    // whether the order status is read) and written to DOCUMENTO with the reason's gates.
    void FromRecordset(CTestataDocumentoSet& rs);
    void ToRecordset(CDocumentoSet& rs) const;

protected:
    // The associating of the kinds that hold lines: the link as above, then, as the flags ask,
    // the other document's lines imported into the detail (an order's with what is still to be
    // fulfilled; flagAggiunta is the detail's merge flag) and a reference line citing it. The
    // stored document is read by key; the document object is imported as held in memory.
    int AssociaConDettaglio(long id, bool importa, bool flagAggiunta, bool riferimento);
    int AssociaConDettaglio(const CDomainDocumentoAssociato& entry, bool importa, bool flagAggiunta,
                            bool riferimento);
    int AssociaConDettaglio(const CDomainDocumento& doc, bool importa, bool flagAggiunta, bool riferimento);

    // Writes a line row's copies of the header and of the reason's stock flags; used by the kinds.
    template <typename LineSet>
    void CopyHeaderToLine(LineSet& rs) const;

    // The stored lines follow the detail through the MARCATORE column: on edit every stored line
    // is first marked stale, each line of the detail is then rewritten in its own row (found by
    // the lookup filter, formatted with the line's and the document's keys) or added, carrying the
    // header copies and MARCATORE 1, and the rows left stale are removed by the clean-up statement
    // (formatted with the document's key). writeLine(rs, index) fills the row from line `index`.
    // On delete nothing is done: the database's delete procedure removes the lines. Database
    // errors reach the caller.
    template <typename LineSet, typename WriteLine>
    void UpdateMarkedLines(EDB_Operation op, const char* lookupFilter, const char* staleCleanup,
                           WriteLine&& writeLine);

    ORVEL_DOCUMENTO_FIELDS(ORVEL_DOCUMENTO_MEMBER)
    CDomainCausaleMagazzino CAUSALE;
    std::unique_ptr<CDomainDettaglioDocumento> DETTAGLIO;
    CDomainListaDocumentiAssociati LISTA_DOCUMENTI_ASSOCIATI;

private:
    void CopyHeader(const CDomainDocumento& other);
    // The document totals from the line totals: the expenses and their VAT added as they are.
    Decimal ScontoExtra(const Decimal& netBeforeExtra) const;
    Decimal NettoDocumento(const Decimal& netOfLines) const;
    Decimal Imponibile(const Decimal& taxableOfLines) const;
    Decimal Iva(const Decimal& vatOfLines) const;
    bool LoadPartner(long id, CString& name, CString& vatNumber, CString& taxCode, CString& address1,
                     CString& address2);
};

template <typename LineSet>
void CDomainDocumento::CopyHeaderToLine(LineSet& rs) const
{
    // Every copy is a real value, 0 included: a flag of 0 must not be stored as NULL.
    auto put = [&rs](long& field, long value) {
        rs.SetFieldNull(&field, FALSE);
        field = value;
    };
    auto putDate = [&rs](TIMESTAMP_STRUCT& field, const TIMESTAMP_STRUCT& value) {
        rs.SetFieldNull(&field, FALSE);
        field = value;
    };
    put(rs.ID_DOCUMENTO, ID);
    rs.SCONTO_EXTRA = ToStoredText(SCONTO_EXTRA);
    putDate(rs.D_DATA_DOCUMENTO, DATA_DOCUMENTO);
    putDate(rs.D_DATA_MOVIMENTO, DATA_MOVIMENTO);
    put(rs.D_ANNO, ANNO);
    put(rs.D_ID_SOCIETA, ID_SOCIETA);
    put(rs.D_ID_SEDE_SOCIETA, ID_SEDE_SOCIETA);
    put(rs.D_ID_DEPOSITO, ID_DEPOSITO);
    put(rs.C_F_VALORE, CAUSALE.Get_F_VALORE());
    put(rs.C_F_QUANTITA, CAUSALE.Get_F_QUANTITA());
    put(rs.C_F_ESIST_ATTUALE, CAUSALE.Get_F_ESIST_ATTUALE());
    put(rs.C_F_INVENTARIO_INIZIALE, CAUSALE.Get_F_INVENTARIO_INIZIALE());
    put(rs.C_F_INVESTIMENTO, CAUSALE.Get_F_INVESTIMENTO());
    put(rs.C_F_RICAVO, CAUSALE.Get_F_RICAVO());
    put(rs.C_F_RESO_QUANTITA, CAUSALE.Get_F_RESO_QUANTITA());
    put(rs.C_F_RESO_VALORE, CAUSALE.Get_F_RESO_VALORE());
    put(rs.C_F_ORDINE_DA_CLIENTE, CAUSALE.Get_F_ORDINE_DA_CLIENTE());
    put(rs.C_F_ORDINE_AL_FORNITORE, CAUSALE.Get_F_ORDINE_AL_FORNITORE());
    put(rs.C_F_LISTINO, CAUSALE.Get_F_LISTINO());
    put(rs.C_F_MODIFICA_LISTINO, CAUSALE.Get_F_MODIFICA_LISTINO());
    put(rs.MARCATORE, 1);
}

template <typename LineSet, typename WriteLine>
void CDomainDocumento::UpdateMarkedLines(EDB_Operation op, const char* lookupFilter, const char* staleCleanup,
                                         WriteLine&& writeLine)
{
    if (op == DB_OPERATION_DELETE)
        return;
    CString sql;
    if (op == DB_OPERATION_EDIT) {
        sql.Format("UPDATE VOCI_DOCUMENTO SET MARCATORE = 0 WHERE ID_DOCUMENTO = %ld", ID);
        GetDatabase()->ExecuteSQL(sql);
    }
    LineSet rs(GetDatabase());
    rs.m_strFilter = "ID = -1";
    rs.Open();
    for (int i = 0; i < DETTAGLIO->GetSize(); ++i) {
        const CDomainVoceDocumento* voce = DETTAGLIO->GetAt(i);
        if (voce == nullptr)
            continue;
        // A line whose row is gone (deleted meanwhile) is written again as a new row; the
        // database gives the row its id, the line object keeps the one it had.
        bool found = false;
        if (voce->Get_ID() > 0) {
            rs.m_strFilter.Format(lookupFilter, voce->Get_ID(), ID);
            rs.Requery();
            found = !rs.IsEOF();
        }
        if (found)
            rs.Edit();
        else
            rs.AddNew();
        writeLine(rs, i);
        CopyHeaderToLine(rs);
        rs.Update();
    }
    rs.Close();
    if (op == DB_OPERATION_EDIT) {
        sql.Format(staleCleanup, ID);
        GetDatabase()->ExecuteSQL(sql);
    }
}
