// Movement reasons: defaults, loading from CAUSALE and copying from the document view.
#include "orvelmagdb/domain/documents/DomainCausaleMagazzino.h"

#include "orvelmagdb/recordsets/documents/CausaleSet.h"
#include "orvelmagdb/recordsets/documents/DocumentoCausaleSet.h"

#define ORVEL_CAUSALE_INIT(kind, name, def) , name(def)

CDomainCausaleMagazzino::CDomainCausaleMagazzino(CDatabase* pDatabase)
    : CDomainClass(pDatabase) ORVEL_CAUSALE_FIELDS(ORVEL_CAUSALE_INIT)
{
}

CDomainCausaleMagazzino::CDomainCausaleMagazzino(const CDomainCausaleMagazzino& other) = default;
CDomainCausaleMagazzino& CDomainCausaleMagazzino::operator=(const CDomainCausaleMagazzino& other) = default;
CDomainCausaleMagazzino::~CDomainCausaleMagazzino() = default;

bool CDomainCausaleMagazzino::IsCarico() const
{
    return F_VALORE == 1 || F_QUANTITA == 1 || F_INVENTARIO_INIZIALE == 1 || F_ORDINE_AL_FORNITORE == 1 ||
           F_RESO_QUANTITA == -1 || F_RESO_VALORE == -1;
}

bool CDomainCausaleMagazzino::DB_Load()
{
    return ReportDBErrors([&] {
        CCausaleSet rs(GetDatabase());
        rs.m_strFilter.Format("ID = %d", static_cast<int>(ID));
        rs.Open();
        if (rs.IsEOF())
            return false;
        FromRecordset(rs);
        rs.Close();
        return true;
    });
}

void CDomainCausaleMagazzino::FromRecordset(const CCausaleSet& set)
{
    // The recordset answers IsFieldNull only on a modifiable object; reading it changes nothing.
    auto& rs = const_cast<CCausaleSet&>(set);
    const auto linkedId = [&rs](long& field) { return rs.IsFieldNull(&field) ? -1L : field; };

#define ORVEL_CAUSALE_FROM_SET(kind, name, def) name = rs.name;
    ORVEL_CAUSALE_FIELDS(ORVEL_CAUSALE_FROM_SET)
#undef ORVEL_CAUSALE_FROM_SET

    // A reason without a linked reason stores NULL there; elsewhere the library counts it as -1.
    ID_CAUSALE_VUOTO = linkedId(rs.ID_CAUSALE_VUOTO);
    ID_CAUSALE_DISTINTA = linkedId(rs.ID_CAUSALE_DISTINTA);
    ID_CAUSALE_DISTINTA_AUTO = linkedId(rs.ID_CAUSALE_DISTINTA_AUTO);
    ID_CAUSALE_MOV_DISTRIBUTORE = linkedId(rs.ID_CAUSALE_MOV_DISTRIBUTORE);
}

void CDomainCausaleMagazzino::FromRecordset(const CDocumentoCausaleSet& rs)
{
    ID = rs.C_ID;
    DESCRIZIONE = rs.C_DESCRIZIONE;
    TIPO_DOCUMENTO = rs.C_TIPO_DOCUMENTO;
    F_VALORE = rs.C_F_VALORE;
    F_QUANTITA = rs.C_F_QUANTITA;
    F_FORNITORE = rs.C_F_FORNITORE;
    F_CLIENTE = rs.C_F_CLIENTE;
    F_CLIENTE_SPEDIZIONE = rs.C_F_CLIENTE_SPEDIZIONE;
    F_AGENTE = rs.C_F_AGENTE;
    F_ESIST_ATTUALE = rs.C_F_ESIST_ATTUALE;
    F_INVENTARIO_INIZIALE = rs.C_F_INVENTARIO_INIZIALE;
    F_INVESTIMENTO = rs.C_F_INVESTIMENTO;
    F_RICAVO = rs.C_F_RICAVO;
    F_RESO_QUANTITA = rs.C_F_RESO_QUANTITA;
    F_RESO_VALORE = rs.C_F_RESO_VALORE;
    F_REPORT = rs.C_F_REPORT;
    F_INFO_TRASPORTO = rs.C_F_INFO_TRASPORTO;
    F_PAGAMENTO = rs.C_F_PAGAMENTO;
    F_ORDINE_DA_CLIENTE = rs.C_F_ORDINE_DA_CLIENTE;
    F_ORDINE_AL_FORNITORE = rs.C_F_ORDINE_AL_FORNITORE;
    F_VENDITA_BANCO = rs.C_F_VENDITA_BANCO;
    F_CLIENTE_OBBLIGATORIO = rs.C_F_CLIENTE_OBBLIGATORIO;
    F_FORNITORE_OBBLIGATORIO = rs.C_F_FORNITORE_OBBLIGATORIO;
    F_VALUTAZIONE = rs.C_F_VALUTAZIONE;
    F_LISTINO = rs.C_F_LISTINO;
    F_ULTIMO_PREZZO = rs.C_F_ULTIMO_PREZZO;
    F_MODIFICA_LISTINO = rs.C_F_MODIFICA_LISTINO;

    // Not in the view: reset rather than kept, so that nothing of a previously loaded reason
    // survives under another reason's id.
    F_SISTEMA = 0;
    F_SCADENZARIO = 0;
    F_SCAD_ATTIVO = 0;
    F_SCAD_SOGGETTO = 0;
    F_DESCRIZIONE_RIDOTTA = 0;
    F_TIPO_STAMPA_BANCO = 0;
    F_STATO = 0;
    F_STATO_OBBLIGATORIO = 0;
    F_CLI_SPEDIZIONE_OBBLIGATORIO = 0;
    F_MOVIMENTA_CONTABILITA = 0;
    F_ABILITA_SPESE = 0;
    ID_CAUSALE_VUOTO = -1;
    ID_CAUSALE_DISTINTA = -1;
    ID_CAUSALE_DISTINTA_AUTO = -1;
}
