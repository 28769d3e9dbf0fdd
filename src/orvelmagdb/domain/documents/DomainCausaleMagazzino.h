// CDomainCausaleMagazzino: a warehouse movement reason, the kind of a document. Its flags decide
// whether a document loads or unloads stock quantity and value, whether it is an order, a return or
// an opening inventory, which counterparties and header sections it carries (supplier, customer,
// shipping address, transport, payment, order status), which price list applies, whether it
// generates a payment schedule and on whom, and which operations users may perform on it.
//
// Reasons are master data kept by other programs: the library loads them from CAUSALE, or takes
// them from the reason columns of the document view DOCUMENTO_CAUSALE, and never writes them (the
// inherited DB_Update answers false). Flags named F_ hold 0 or 1; the signed ones hold 1 and -1 for
// a direction and 0 for none.
#pragma once

#include "afx/Export.h"
#include "afx/String.h"
#include "orveldblib/DomainClass.h"

class CCausaleSet;
class CDocumentoCausaleSet;

// The fields of a reason in declaration order, with their defaults: X(kind, NAME, default), kind
// TEXT (CString, default empty) or LONG. Members, constructor defaults, copies and accessors are
// all made from this one list.
#define ORVEL_CAUSALE_FIELDS(X)                                                                     \
    X(LONG, ID, -1) X(TEXT, DESCRIZIONE, "") X(TEXT, TIPO_DOCUMENTO, "") X(LONG, F_VALORE, 0)       \
    X(LONG, F_QUANTITA, 0) X(LONG, F_FORNITORE, 0) X(LONG, F_CLIENTE, 0)                            \
    X(LONG, F_CLIENTE_SPEDIZIONE, 0) X(LONG, F_AGENTE, 0) X(LONG, F_ESIST_ATTUALE, 0)               \
    X(LONG, F_INVENTARIO_INIZIALE, 0) X(LONG, F_INVESTIMENTO, 0) X(LONG, F_RICAVO, 0)               \
    X(LONG, F_RESO_QUANTITA, 0) X(LONG, F_RESO_VALORE, 0) X(TEXT, F_REPORT, "")                     \
    X(LONG, F_INFO_TRASPORTO, 0) X(LONG, F_PAGAMENTO, 0) X(LONG, F_ORDINE_DA_CLIENTE, 0)            \
    X(LONG, F_ORDINE_AL_FORNITORE, 0) X(LONG, F_SISTEMA, 0) X(LONG, F_SCADENZARIO, 0)               \
    X(LONG, F_SCAD_ATTIVO, 0) X(LONG, F_SCAD_SOGGETTO, 0) X(LONG, F_VENDITA_BANCO, 0)               \
    X(LONG, ID_CAUSALE_VUOTO, -1) X(LONG, ID_CAUSALE_DISTINTA, -1)                                  \
    X(LONG, ID_CAUSALE_DISTINTA_AUTO, -1) X(LONG, F_CLIENTE_OBBLIGATORIO, 0)                        \
    X(LONG, F_FORNITORE_OBBLIGATORIO, 0) X(LONG, F_VALUTAZIONE, 1) X(LONG, F_LISTINO, 1)            \
    X(LONG, F_ULTIMO_PREZZO, 0) X(LONG, F_MODIFICA_LISTINO, 0)                                      \
    X(LONG, ID_CAUSALE_MOV_DISTRIBUTORE, -1) X(LONG, F_MOVIMENTA_CARBURANTE, 0)                     \
    X(LONG, F_DESCRIZIONE_RIDOTTA, 0) X(LONG, F_TIPO_STAMPA_BANCO, 0) X(LONG, F_STATO, 0)           \
    X(LONG, F_STATO_OBBLIGATORIO, 0) X(LONG, F_CLI_SPEDIZIONE_OBBLIGATORIO, 0)                      \
    X(LONG, F_MOVIMENTA_CONTABILITA, 0) X(LONG, F_ABILITA_SPESE, 0) X(LONG, F_NUOVO, 1)             \
    X(LONG, F_MODIFICA, 1) X(LONG, F_VISUALIZZA, 1) X(LONG, F_ELIMINA, 1)

#define ORVEL_CAUSALE_MEMBER(kind, name, def) ORVEL_CAUSALE_MEMBER_##kind(name)
#define ORVEL_CAUSALE_MEMBER_TEXT(name) CString name;
#define ORVEL_CAUSALE_MEMBER_LONG(name) long name;
#define ORVEL_CAUSALE_ACCESSORS(kind, name, def) ORVEL_CAUSALE_ACCESSORS_##kind(name)
#define ORVEL_CAUSALE_ACCESSORS_TEXT(name)                 \
    const CString& Get_##name() const { return name; }     \
    void Set_##name(const CString& value) { name = value; }
#define ORVEL_CAUSALE_ACCESSORS_LONG(name)     \
    long Get_##name() const { return name; }   \
    void Set_##name(long value) { name = value; }

class ORVEL_API CDomainCausaleMagazzino : public CDomainClass {
public:
    explicit CDomainCausaleMagazzino(CDatabase* pDatabase = nullptr);
    CDomainCausaleMagazzino(const CDomainCausaleMagazzino& other);
    CDomainCausaleMagazzino& operator=(const CDomainCausaleMagazzino& other);
    ~CDomainCausaleMagazzino() override;

    // Loads the reason of ID from CAUSALE. False, with every field left as it was, when there is
    // no such reason or the database fails (the failure is shown in the error box first).
    bool DB_Load() override;

    // Takes every field from the current row of CAUSALE; the linked reason ids read NULL as -1.
    void FromRecordset(const CCausaleSet& rs);
    // Takes the reason columns (C_...) of the current row of the document view. The view does not
    // carry the schedule, order-status, system, till-print and linked-reason columns: those are
    // reset to 0 (the linked ids to -1). The fuel columns and the four permissions stay as they were.
    void FromRecordset(const CDocumentoCausaleSet& rs);

    ORVEL_CAUSALE_FIELDS(ORVEL_CAUSALE_ACCESSORS)

    // Permissions: any non-zero value allows.
    bool Get_FNuovo() const { return F_NUOVO != 0; }
    bool Get_FModifica() const { return F_MODIFICA != 0; }
    bool Get_FVisualizza() const { return F_VISUALIZZA != 0; }
    bool Get_FElimina() const { return F_ELIMINA != 0; }

    bool IsValid() const { return ID > 0; }
    bool IsValid_ID_CAUSALE_VUOTO() const { return ID_CAUSALE_VUOTO > 0; }
    bool IsValid_ID_CAUSALE_DISTINTA() const { return ID_CAUSALE_DISTINTA > 0; }
    bool IsValid_ID_CAUSALE_DISTINTA_AUTO() const { return ID_CAUSALE_DISTINTA_AUTO > 0; }

    // Stock direction. A reason is a load when it loads value or quantity, is an opening inventory
    // or a supplier order, or returns goods to stock (a return flag of -1); everything else, a
    // reason with no flag at all included, is an unload.
    bool IsCarico() const;
    bool IsScarico() const { return !IsCarico(); }
    bool IsCaricoValore() const { return F_VALORE == 1 || F_INVENTARIO_INIZIALE == 1; }
    bool IsCaricoQuantita() const { return F_QUANTITA == 1 || F_INVENTARIO_INIZIALE == 1; }
    bool IsScaricoValore() const { return F_VALORE == -1; }
    bool IsScaricoQuantita() const { return F_QUANTITA == -1; }
    bool IsMovimentoQuantita() const { return F_QUANTITA == 1 || F_QUANTITA == -1; }
    bool IsReso() const { return F_RESO_VALORE != 0 || F_RESO_QUANTITA != 0; }

    bool IsOrdine() const { return IsOrdineFornitore() || IsOrdineCliente(); }
    bool IsOrdineFornitore() const { return F_ORDINE_AL_FORNITORE == 1; }
    bool IsOrdineCliente() const { return F_ORDINE_DA_CLIENTE == 1; }

    // Header sections; the "required" forms need the section itself as well.
    bool WantFornitore() const { return F_FORNITORE == 1; }
    bool WantFornitoreObbligatorio() const { return WantFornitore() && F_FORNITORE_OBBLIGATORIO == 1; }
    bool WantCliente() const { return F_CLIENTE == 1; }
    bool WantClienteObbligatorio() const { return WantCliente() && F_CLIENTE_OBBLIGATORIO == 1; }
    bool WantSpedizione() const { return F_CLIENTE_SPEDIZIONE == 1; }
    bool WantSpedizioneObbligatoria() const { return WantSpedizione() && F_CLI_SPEDIZIONE_OBBLIGATORIO == 1; }
    bool WantListinoVendita() const { return F_LISTINO == 1; }
    bool WantListinoAcquisto() const { return F_LISTINO == -1; }
    bool WantScadenzario() const { return F_SCADENZARIO == 1; }
    bool WantScadenzarioAttivo() const { return WantScadenzario() && F_SCAD_ATTIVO == 1; }
    bool WantScadenzarioPassivo() const { return WantScadenzario() && F_SCAD_ATTIVO == -1; }
    bool WantScadenzarioSoggettoCliente() const { return WantScadenzario() && F_SCAD_SOGGETTO == 1; }
    bool WantScadenzarioSoggettoFornitore() const { return WantScadenzario() && F_SCAD_SOGGETTO == -1; }
    bool WantInfoTrasporto() const { return F_INFO_TRASPORTO == 1; }
    bool WantPagamento() const { return F_PAGAMENTO == 1; }
    bool WantStatoDocumento() const { return F_STATO == 1; }
    bool WantStatoDocumentoObbligatorio() const { return WantStatoDocumento() && F_STATO_OBBLIGATORIO == 1; }

protected:
    ORVEL_CAUSALE_FIELDS(ORVEL_CAUSALE_MEMBER)
};
