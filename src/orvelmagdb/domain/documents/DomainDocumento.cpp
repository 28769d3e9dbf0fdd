// Document header: defaults, copies, numbering text, the header row in both directions, the
// fixed load and write orders, the links to other documents and the totals.
#include "orvelmagdb/domain/documents/DomainDocumento.h"

#include <cstdlib>

#include "odbc/Database.h"
#include "orveldb/recordsets/AziendaSet.h"
#include "orveldb/recordsets/SedeCompletaSet.h"
#include "orveldblib/ProcedureId.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/base/Amounts.h"
#include "orvelmagdb/domain/documents/DomainDettaglioDocumento.h"
#include "orvelmagdb/domain/documents/DomainListaIvaDocumento.h"
#include "orvelmagdb/domain/documents/DomainVoceDocumento.h"
#include "orvelmagdb/domain/masterdata/DomainIva.h"
#include "orvelmagdb/recordsets/documents/DocReferenziaDocsSet.h"
#include "orvelmagdb/recordsets/documents/DocumentiReferenziatiSet.h"
#include "orvelmagdb/recordsets/documents/DocumentoSet.h"
#include "orvelmagdb/recordsets/documents/ProgressivoCausaleCompletoSet.h"
#include "orvelmagdb/recordsets/documents/TestataDocumentoSet.h"

// The eleven totals, stored in the header row and read from the header view under their own names.
#define ORVEL_DOCUMENTO_TOTALS(X)                                                                        \
    X(TOTALE_IMPORTO_ACQUISTO) X(TOTALE_IMPONIBILE) X(TOTALE_IMPORTO) X(TOTALE_SCONTO_EXTRA) X(TOTALE_SCONTO) \
    X(TOTALE_OMAGGIO) X(TOTALE_IMPORTO_NETTO) X(TOTALE_NETTO_DOCUMENTO) X(TOTALE_IVA) X(TOTALE)             \
    X(TOTALE_PROVVIGIONE)

namespace {

// A long column that may be NULL, read with the value NULL stands for.
long ReadLong(CRecordset& rs, long& field, long whenNull)
{
    return rs.IsFieldNull(&field) ? whenNull : field;
}

TIMESTAMP_STRUCT ReadTimestamp(CRecordset& rs, TIMESTAMP_STRUCT& field, const TIMESTAMP_STRUCT& whenNull)
{
    return rs.IsFieldNull(&field) ? whenNull : field;
}

// A long column written as a real value (0 included), or as NULL.
void WriteLong(CRecordset& rs, long& field, long value)
{
    rs.SetFieldNull(&field, FALSE);
    field = value;
}

void WriteLongOrNull(CRecordset& rs, long& field, long value, bool isNull)
{
    if (isNull)
        rs.SetFieldNull(&field);
    else
        WriteLong(rs, field, value);
}

void WriteTextOrNull(CRecordset& rs, CString& field, const CString& value, bool isNull)
{
    if (isNull || value.IsEmpty())
        rs.SetFieldNull(&field);
    else
        field = value;
}

void WriteTimestamp(CRecordset& rs, TIMESTAMP_STRUCT& field, const TIMESTAMP_STRUCT& value, bool isNull)
{
    if (isNull) {
        rs.SetFieldNull(&field);
    } else {
        rs.SetFieldNull(&field, FALSE);
        field = value;
    }
}

}  // namespace

CDomainDocumento::CDomainDocumento(CDatabase* pDatabase)
    : CDomainDocumentoBase(pDatabase),
      FORN_ID(-1),
      CLI_FAT_ID(-1),
      ID_VETTORE(-1),
      IMBALLI(0),
      ID_BANCA(-1),
      ID_BANCA_AGENZIA(-1),
      ID_STATO_ORDINE(-1),
      F_MODIFICATO(0),
      ID_OPERATORE(-1),
      ID_SEDE_AZIENDA_INTESTAZIONE(-1),
      ID_SEDE_AZIENDA_SPEDIZIONE(-1),
      F_RIVALUTAZIONE(0),
      CAUSALE(pDatabase),
      LISTA_DOCUMENTI_ASSOCIATI(pDatabase)
{
    CApplicationAdministrator* admin = CApplicationAdministrator::GetInstance();
    const CUserAdministrator* user = admin->GetUser();
    ID_SOCIETA = user->Get_ID_SOCIETA();
    ID_SEDE_SOCIETA = user->Get_ID_SEDE_SOCIETA();
    ID_DEPOSITO = user->Get_ID_DEPOSITO();
    ID_AGENTE_SEDE_SOCIETA = user->Get_ID_AGENTE();

    const CConfigAdministrator* config = admin->GetConfig();
    ID_CAUSALE_TRASPORTO = config->GetParamAsLong("default/documento/causaletrasporto");
    ID_TRASPORTO = config->GetParamAsLong("default/documento/curatrasporto");
    ID_PORTO = config->GetParamAsLong("default/documento/porto");
    ID_ASPETTO_BENI = config->GetParamAsLong("default/documento/aspettobeni");
    ID_FORMULA_PAGAMENTO = config->GetParamAsInt("default/documento/formulapagamento");

    TIMESTAMP_STRUCT now;
    From_COleDateTime_To_TIMESTAMP_STRUCT(COleDateTime::GetCurrentTime(), now);
    Set_DATA_DOCUMENTO(now);
    DATA_MOVIMENTO = now;
    DATA_ORA_INIZIO_TRASPORTO =
        config->GetParamAsInt("default/documento/datainiziotrasportoimpostata") != 0 ? now : Invalid_TIMESTAMP_STRUCT;
    DATA_ORA_FINE_TRASPORTO = Invalid_TIMESTAMP_STRUCT;

    // The expenses start with the VAT code of the configuration and its rate. A code that does
    // not load (absent, unknown, or a database error, which is shown) leaves codes empty and
    // rates 0, so that building a document never fails.
    if (pDatabase != nullptr) {
        CDomainIva iva(pDatabase);
        iva.Set_CODICE(config->GetParam("default/magazzino/spese/iva"));
        if (ReportDBErrors([&] { return iva.DB_Load(); })) {
            ID_IVA_SPESE_INCASSO = ID_IVA_SPESE_TRASPORTO = ID_IVA_SPESE_VARIE = iva.Get_CODICE();
            ALIQUOTA_IVA_SPESE_INCASSO = ALIQUOTA_IVA_SPESE_TRASPORTO = ALIQUOTA_IVA_SPESE_VARIE = iva.Get_ALIQUOTA();
        }
    }
}

CDomainDocumento::CDomainDocumento(const CDomainDocumento& other)
    : CDomainDocumentoBase(other), CAUSALE(other.CAUSALE), LISTA_DOCUMENTI_ASSOCIATI(other.LISTA_DOCUMENTI_ASSOCIATI)
{
    CopyHeader(other);
}

CDomainDocumento& CDomainDocumento::operator=(const CDomainDocumento& other)
{
    if (this != &other) {
        CDomainDocumentoBase::operator=(other);
        CAUSALE = other.CAUSALE;
        LISTA_DOCUMENTI_ASSOCIATI = other.LISTA_DOCUMENTI_ASSOCIATI;
        CopyHeader(other);
    }
    return *this;
}

CDomainDocumento::~CDomainDocumento() = default;

void CDomainDocumento::CopyHeader(const CDomainDocumento& other)
{
#define ORVEL_DOCUMENTO_COPY(kind, name) name = other.name;
    ORVEL_DOCUMENTO_FIELDS(ORVEL_DOCUMENTO_COPY)
#undef ORVEL_DOCUMENTO_COPY
    // A partner without an id has no texts.
    Set_FORN_ID(FORN_ID);
    Set_CLI_FAT_ID(CLI_FAT_ID);
    Set_DETTAGLIO(other.DETTAGLIO.get());
}

// --- accessors ---------------------------------------------------------------------------------

void CDomainDocumento::Set_FORN_ID(long id)
{
    FORN_ID = id;
    if (id < 1) {
        FORN_RAGIONE_SOCIALE.Empty();
        FORN_PARTITA_IVA.Empty();
        FORN_CODICE_FISCALE.Empty();
        FORN_INDIRIZZO1.Empty();
        FORN_INDIRIZZO2.Empty();
    }
}

void CDomainDocumento::Set_CLI_FAT_ID(long id)
{
    CLI_FAT_ID = id;
    if (id < 1) {
        CLI_FAT_RAGIONE_SOCIALE.Empty();
        CLI_FAT_PARTITA_IVA.Empty();
        CLI_FAT_CODICE_FISCALE.Empty();
        CLI_FAT_INDIRIZZO1.Empty();
        CLI_FAT_INDIRIZZO2.Empty();
    }
}

void CDomainDocumento::Set_DATA_ORA_INIZIO_TRASPORTO(const COleDateTime& value)
{
    From_COleDateTime_To_TIMESTAMP_STRUCT(value, DATA_ORA_INIZIO_TRASPORTO);
}

void CDomainDocumento::Set_DATA_ORA_FINE_TRASPORTO(const COleDateTime& value)
{
    From_COleDateTime_To_TIMESTAMP_STRUCT(value, DATA_ORA_FINE_TRASPORTO);
}

// --- numbering and description -----------------------------------------------------------------

CString CDomainDocumento::Trasforma_SERIE_E_NUMERO(const CString& serie, long numero)
{
    CString text;
    if (serie.IsEmpty() || serie == " ")
        text.Format("%05ld", numero);
    else
        text.Format("%s/%05ld", serie.GetString(), numero);
    return text;
}

void CDomainDocumento::Set_SERIE_E_NUMERO(const CString& text)
{
    const int slash = text.Find('/');
    if (slash < 0) {
        NUMERO = std::atol(text.GetString());
        return;
    }
    SERIE = text.Left(slash);
    NUMERO = std::atol(text.Mid(slash + 1).GetString());
}

// The series goes through the filter quoting like every text in a filter, so that a series
// holding a quote finds its counter instead of breaking the statement. No series is looked up in
// the form documents store it, a single blank, which is the series the counter is kept under.
long CDomainDocumento::GeneraNumeroDocumento()
{
    long number = 0;
    const CString serie = SERIE.IsEmpty() ? CString(" ") : SERIE;
    ReportDBErrors([&] {
        CProgressivoCausaleCompletoSet rs(GetDatabase());
        rs.m_strFilter.Format("(ID_CAUSALE = %ld) AND (ID_SOCIETA = %ld) AND (SERIE_PROG = '%s') AND (ANNO_PROG = %04ld)",
                              CAUSALE.Get_ID(), ID_SOCIETA, SetFilterParam(serie).GetString(), ANNO);
        rs.Open();
        if (!rs.IsEOF())
            number = rs.NUMERO_PROG;
        rs.Close();
        return true;
    });
    return number;
}

CString CDomainDocumento::GetDescrizione() const
{
    CString date;
    Get_DATA_DOCUMENTO(date);
    return CAUSALE.Get_TIPO_DOCUMENTO() + " n. " + Get_SERIE_E_NUMERO() + " del " + date;
}

// --- reason, detail, links ---------------------------------------------------------------------

void CDomainDocumento::SetCausale(long id)
{
    CAUSALE.Set_ID(id);
    CAUSALE.DB_Load();
}

void CDomainDocumento::Set_DETTAGLIO(const CDomainDettaglioDocumento* src)
{
    if (src != nullptr && src == DETTAGLIO.get())
        return;
    if (DETTAGLIO)
        DETTAGLIO->RemoveAll();
    if (src == nullptr)
        return;
    if (DETTAGLIO)
        *DETTAGLIO = *src;
    else
        DETTAGLIO.reset(src->Clone());
}

int CDomainDocumento::Fwd_DETTAGLIO_Add(const CDomainVoceDocumento* voce)
{
    return DETTAGLIO ? DETTAGLIO->Add(voce, false) : -1;
}

CDomainDocumentoAssociato CDomainDocumento::Fwd_LISTA_DOCUMENTI_ASSOCIATI_GetAt(int i) const
{
    return LISTA_DOCUMENTI_ASSOCIATI.GetAt(i);
}

int CDomainDocumento::DisassociaDocumento(long id)
{
    return LISTA_DOCUMENTI_ASSOCIATI.Remove(id);
}

int CDomainDocumento::AssociaDocumento(const CDomainDocumento& doc, bool, bool, bool)
{
    return LISTA_DOCUMENTI_ASSOCIATI.Add(doc.Get_ID());
}

int CDomainDocumento::AssociaDocumento(const CDomainDocumentoAssociato& entry, bool, bool, bool)
{
    return LISTA_DOCUMENTI_ASSOCIATI.Add(entry);
}

int CDomainDocumento::AssociaDocumento(long id, bool, bool, bool)
{
    return LISTA_DOCUMENTI_ASSOCIATI.Add(id);
}

// What the kinds add to a link, once it is made: the lines and the reference line. A refused
// link (already there, or no summary to read) imports nothing.
int CDomainDocumento::AssociaConDettaglio(long id, bool importa, bool flagAggiunta, bool riferimento)
{
    const int index = LISTA_DOCUMENTI_ASSOCIATI.Add(id);
    if (index < 0 || !DETTAGLIO)
        return index;
    if (importa)
        DETTAGLIO->AggiungiDettaglio(id, flagAggiunta);
    if (riferimento)
        DETTAGLIO->AggiungiRiferimentoDocumento(LISTA_DOCUMENTI_ASSOCIATI.GetAt(index));
    return index;
}

int CDomainDocumento::AssociaConDettaglio(const CDomainDocumentoAssociato& entry, bool importa, bool flagAggiunta,
                                          bool riferimento)
{
    const int index = LISTA_DOCUMENTI_ASSOCIATI.Add(entry);
    if (index < 0 || !DETTAGLIO)
        return index;
    if (importa)
        DETTAGLIO->AggiungiDettaglio(entry.Get_ID(), flagAggiunta);
    if (riferimento)
        DETTAGLIO->AggiungiRiferimentoDocumento(LISTA_DOCUMENTI_ASSOCIATI.GetAt(index));
    return index;
}

// The summary is read from the database, so the document must be stored; its lines are taken as
// the object holds them, with its reason deciding what an order still has to give.
int CDomainDocumento::AssociaConDettaglio(const CDomainDocumento& doc, bool importa, bool flagAggiunta,
                                          bool riferimento)
{
    const int index = LISTA_DOCUMENTI_ASSOCIATI.Add(doc.Get_ID());
    if (index < 0 || !DETTAGLIO)
        return index;
    if (importa)
        DETTAGLIO->AggiungiDettaglio(doc.Get_CAUSALE(), doc.Get_DETTAGLIO(), flagAggiunta);
    if (riferimento)
        DETTAGLIO->AggiungiRiferimentoDocumento(LISTA_DOCUMENTI_ASSOCIATI.GetAt(index));
    return index;
}

// --- partner texts -----------------------------------------------------------------------------

// The partner's name, VAT number and tax code, and as address its primary site (the first site
// when none is marked primary): the street on the first line, "postcode town province" on the
// second. A partner that does not exist changes nothing and answers false.
bool CDomainDocumento::LoadPartner(long id, CString& name, CString& vatNumber, CString& taxCode, CString& address1,
                                   CString& address2)
{
    return ReportDBErrors([&] {
        CAziendaSet partner(GetDatabase());
        partner.m_strFilter.Format("ID = %ld", id);
        partner.Open();
        if (partner.IsEOF())
            return false;
        name = partner.RAGIONESOCIALE;
        vatNumber = partner.PARTITAIVA;
        taxCode = partner.CODICEFISCALE;
        partner.Close();

        CSedeCompletaSet site(GetDatabase());
        site.m_strFilter.Format("IDAZIENDA = %ld", id);
        site.m_strSort = "F_PRIMARIA DESC";
        site.Open();
        if (!site.IsEOF()) {
            address1 = site.VIA;
            address2.Format("%s %s %s", site.CAP.GetString(), site.NOMEZONAPOSTALE.GetString(),
                            site.SIGLAPROVINCIA.GetString());
            address2.Trim();
        }
        site.Close();
        return true;
    });
}

bool CDomainDocumento::Load_Azienda(long id)
{
    return LoadPartner(id, CLI_FAT_RAGIONE_SOCIALE, CLI_FAT_PARTITA_IVA, CLI_FAT_CODICE_FISCALE, CLI_FAT_INDIRIZZO1,
                       CLI_FAT_INDIRIZZO2);
}

bool CDomainDocumento::Load_Cliente()
{
    return Load_Azienda(CLI_FAT_ID);
}

bool CDomainDocumento::Load_Fornitore()
{
    return LoadPartner(FORN_ID, FORN_RAGIONE_SOCIALE, FORN_PARTITA_IVA, FORN_CODICE_FISCALE, FORN_INDIRIZZO1,
                       FORN_INDIRIZZO2);
}

// --- header row --------------------------------------------------------------------------------

void CDomainDocumento::FromRecordset(CTestataDocumentoSet& rs)
{
    static const TIMESTAMP_STRUCT kZero{};

    NUMERO = rs.D_NUMERO;
    SERIE = rs.D_SERIE;
    DATA_DOCUMENTO = ReadTimestamp(rs, rs.D_DATA_DOCUMENTO, Invalid_TIMESTAMP_STRUCT);
    DATA_MOVIMENTO = ReadTimestamp(rs, rs.D_DATA_MOVIMENTO, Invalid_TIMESTAMP_STRUCT);
    ANNO = rs.D_ANNO;

    Set_FORN_ID(-1);
    if (!rs.IsFieldNull(&rs.FORN_ID)) {
        FORN_ID = rs.FORN_ID;
        FORN_RAGIONE_SOCIALE = rs.FORN_RAGIONE_SOCIALE;
        FORN_PARTITA_IVA = rs.FORN_PARTITA_IVA;
        FORN_CODICE_FISCALE = rs.FORN_CODICE_FISCALE;
        FORN_INDIRIZZO1 = rs.FORN_INDIRIZZO1;
        FORN_INDIRIZZO2 = rs.FORN_INDIRIZZO2;
    }
    Set_CLI_FAT_ID(-1);
    if (!rs.IsFieldNull(&rs.CLI_FAT_ID)) {
        CLI_FAT_ID = rs.CLI_FAT_ID;
        CLI_FAT_RAGIONE_SOCIALE = rs.CLI_FAT_RAGIONE_SOCIALE;
        CLI_FAT_PARTITA_IVA = rs.CLI_FAT_PARTITA_IVA;
        CLI_FAT_CODICE_FISCALE = rs.CLI_FAT_CODICE_FISCALE;
        CLI_FAT_INDIRIZZO1 = rs.CLI_FAT_INDIRIZZO1;
        CLI_FAT_INDIRIZZO2 = rs.CLI_FAT_INDIRIZZO2;
    }
    CLI_SPE_INDIRIZZO1 = rs.CLI_SPE_INDIRIZZO1;
    CLI_SPE_INDIRIZZO2 = rs.CLI_SPE_INDIRIZZO2;

    ID_SOCIETA = ReadLong(rs, rs.S_ID, -1);
    ID_SEDE_SOCIETA = ReadLong(rs, rs.SEDE_SOC_ID, -1);
    ID_AGENTE_SEDE_SOCIETA = ReadLong(rs, rs.AG_ID, -1);
    ID_DEPOSITO = ReadLong(rs, rs.DEP_ID, -1);
    NOTA = rs.D_NOTA;
    NOTA2 = rs.D_NOTA2;
    SCONTO_EXTRA = Decimal(rs.D_SCONTO_EXTRA, 127);

    DATA_ORA_INIZIO_TRASPORTO = ReadTimestamp(rs, rs.D_DATA_ORA_INIZIO_TRASPORTO, kZero);
    DATA_ORA_FINE_TRASPORTO = ReadTimestamp(rs, rs.D_DATA_ORA_FINE_TRASPORTO, kZero);
    ID_CAUSALE_TRASPORTO = ReadLong(rs, rs.D_ID_CAUSALE_TRASPORTO, -1);
    ID_TRASPORTO = ReadLong(rs, rs.D_ID_TRASPORTO, -1);
    ID_PORTO = ReadLong(rs, rs.D_ID_PORTO, -1);
    ID_VETTORE = ReadLong(rs, rs.D_ID_VETTORE, -1);
    ID_ASPETTO_BENI = ReadLong(rs, rs.D_ID_ASPETTO_BENI, -1);
    NUMERO_COLLI = Decimal(ReadLong(rs, rs.D_NUMERO_COLLI, 0));
    PESO_KG = Decimal(rs.D_PESO_KG, 127);
    IMBALLI = ReadLong(rs, rs.D_IMBALLI, 0);
    ID_FORMULA_PAGAMENTO = ReadLong(rs, rs.D_ID_FORMULA_PAGAMENTO, -1);

    // The bank comes with its branch: without a branch the document has no bank account (the
    // fields are cleared, so reloading into a used object shows what is stored).
    if (!rs.IsFieldNull(&rs.D_ID_BANCA_AGENZIA)) {
        ID_BANCA = ReadLong(rs, rs.D_ID_BANCA, -1);
        ID_BANCA_AGENZIA = rs.D_ID_BANCA_AGENZIA;
        CIN = rs.D_CIN;
        CONTO_CORRENTE = rs.D_CONTO_CORRENTE;
    } else {
        ID_BANCA = ID_BANCA_AGENZIA = -1;
        CIN.Empty();
        CONTO_CORRENTE.Empty();
    }
    IBAN = rs.D_IBAN;
    ID_STATO_ORDINE = CAUSALE.Get_F_STATO() != 0 ? ReadLong(rs, rs.ID_STATO_ORDINE, -1) : -1;

    INFO1 = rs.D_INFO1;
    INFO2 = rs.D_INFO2;
    INFO3 = rs.D_INFO3;
    INFO4 = rs.D_INFO4;
    INFO5 = rs.D_INFO5;
    INFO6 = rs.D_INFO6;
    POSTAZIONE = rs.D_POSTAZIONE;
    TARGA_AUTOMEZZO = rs.TARGA_AUTOMEZZO;
    ID_OPERATORE = ReadLong(rs, rs.D_ID_OPERATORE, -1);
    ID_SEDE_AZIENDA_INTESTAZIONE = ReadLong(rs, rs.D_ID_SEDE_AZIENDA_INTESTAZIONE, -1);
    ID_SEDE_AZIENDA_SPEDIZIONE = ReadLong(rs, rs.D_ID_SEDE_AZIENDA_SPEDIZIONE, -1);
    F_RIVALUTAZIONE = ReadLong(rs, rs.D_F_RIVALUTAZIONE, 0);

    COSTO_TRASPORTO_M3 = Decimal(rs.D_COSTO_TRASPORTO_M3, 127);
    CAMBIO = Decimal(rs.D_CAMBIO, 127);
    SPESE_INCASSO = Decimal(rs.D_SPESE_INCASSO, 127);
    SPESE_TRASPORTO = Decimal(rs.D_SPESE_TRASPORTO, 127);
    SPESE_VARIE = Decimal(rs.D_SPESE_VARIE, 127);
    ID_IVA_SPESE_INCASSO = rs.D_ID_IVA_SPESE_INCASSO;
    ID_IVA_SPESE_TRASPORTO = rs.D_ID_IVA_SPESE_TRASPORTO;
    ID_IVA_SPESE_VARIE = rs.D_ID_IVA_SPESE_VARIE;
    ALIQUOTA_IVA_SPESE_INCASSO = Decimal(rs.D_ALIQUOTA_IVA_SPESE_INCASSO, 127);
    ALIQUOTA_IVA_SPESE_TRASPORTO = Decimal(rs.D_ALIQUOTA_IVA_SPESE_TRASPORTO, 127);
    ALIQUOTA_IVA_SPESE_VARIE = Decimal(rs.D_ALIQUOTA_IVA_SPESE_VARIE, 127);
#define ORVEL_DOCUMENTO_READ_TOTAL(name) name = Decimal(rs.name, 127);
    ORVEL_DOCUMENTO_TOTALS(ORVEL_DOCUMENTO_READ_TOTAL)
#undef ORVEL_DOCUMENTO_READ_TOTAL

}

// The reason decides which sections of the header are stored: a section the reason does not
// have is written NULL, whatever the object holds, so that a document never keeps a supplier,
// a customer, payment or transport data that its kind does not show.
void CDomainDocumento::ToRecordset(CDocumentoSet& rs) const
{
    WriteTimestamp(rs, rs.DATA_DOCUMENTO, DATA_DOCUMENTO, false);
    WriteTimestamp(rs, rs.DATA_MOVIMENTO, DATA_MOVIMENTO, false);
    WriteLong(rs, rs.NUMERO, NUMERO);
    WriteLong(rs, rs.ANNO, ANNO);
    // A document without series stores a single blank, never an empty text.
    rs.SERIE = SERIE.IsEmpty() ? CString(" ") : SERIE;
    WriteLong(rs, rs.ID_CAUSALE, CAUSALE.Get_ID());
    WriteLong(rs, rs.ID_SOCIETA, ID_SOCIETA);
    WriteLong(rs, rs.ID_SEDE_SOCIETA, ID_SEDE_SOCIETA);
    WriteLong(rs, rs.ID_DEPOSITO, ID_DEPOSITO);
    WriteLong(rs, rs.F_MODIFICATO, 1);

    const bool noSupplier = !(CAUSALE.Get_F_FORNITORE() == 1 && FORN_ID > 0);
    WriteLongOrNull(rs, rs.FORN_ID, FORN_ID, noSupplier);
    WriteTextOrNull(rs, rs.FORN_RAGIONE_SOCIALE, FORN_RAGIONE_SOCIALE, noSupplier);
    WriteTextOrNull(rs, rs.FORN_PARTITA_IVA, FORN_PARTITA_IVA, noSupplier);
    WriteTextOrNull(rs, rs.FORN_CODICE_FISCALE, FORN_CODICE_FISCALE, noSupplier);
    WriteTextOrNull(rs, rs.FORN_INDIRIZZO1, FORN_INDIRIZZO1, noSupplier);
    WriteTextOrNull(rs, rs.FORN_INDIRIZZO2, FORN_INDIRIZZO2, noSupplier);

    const bool noCustomer = !(CAUSALE.Get_F_CLIENTE() == 1 && CLI_FAT_ID > 0);
    WriteLongOrNull(rs, rs.CLI_FAT_ID, CLI_FAT_ID, noCustomer);
    WriteTextOrNull(rs, rs.CLI_FAT_RAGIONE_SOCIALE, CLI_FAT_RAGIONE_SOCIALE, noCustomer);
    WriteTextOrNull(rs, rs.CLI_FAT_PARTITA_IVA, CLI_FAT_PARTITA_IVA, noCustomer);
    WriteTextOrNull(rs, rs.CLI_FAT_CODICE_FISCALE, CLI_FAT_CODICE_FISCALE, noCustomer);
    WriteTextOrNull(rs, rs.CLI_FAT_INDIRIZZO1, CLI_FAT_INDIRIZZO1, noCustomer);
    WriteTextOrNull(rs, rs.CLI_FAT_INDIRIZZO2, CLI_FAT_INDIRIZZO2, noCustomer);

    const bool noShipping = CAUSALE.Get_F_CLIENTE_SPEDIZIONE() != 1;
    WriteTextOrNull(rs, rs.CLI_SPE_INDIRIZZO1, CLI_SPE_INDIRIZZO1, noShipping);
    WriteTextOrNull(rs, rs.CLI_SPE_INDIRIZZO2, CLI_SPE_INDIRIZZO2, noShipping);

    WriteLongOrNull(rs, rs.ID_STATO_ORDINE, ID_STATO_ORDINE, CAUSALE.Get_F_STATO() == 0 || ID_STATO_ORDINE < 1);

    const bool payment = CAUSALE.Get_F_PAGAMENTO() == 1;
    const bool bank = payment && ID_BANCA_AGENZIA >= 1;
    WriteLongOrNull(rs, rs.ID_FORMULA_PAGAMENTO, ID_FORMULA_PAGAMENTO, !payment || ID_FORMULA_PAGAMENTO < 1);
    WriteLongOrNull(rs, rs.ID_BANCA_AGENZIA, ID_BANCA_AGENZIA, !bank);
    WriteTextOrNull(rs, rs.CIN, CIN, !bank);
    WriteTextOrNull(rs, rs.CONTO_CORRENTE, CONTO_CORRENTE, !bank);
    WriteTextOrNull(rs, rs.IBAN, IBAN, !payment);

    const bool transport = CAUSALE.Get_F_INFO_TRASPORTO() == 1;
    WriteLongOrNull(rs, rs.ID_CAUSALE_TRASPORTO, ID_CAUSALE_TRASPORTO, !transport || ID_CAUSALE_TRASPORTO < 1);
    WriteLongOrNull(rs, rs.ID_VETTORE, ID_VETTORE, !transport || ID_VETTORE < 1);
    WriteLongOrNull(rs, rs.ID_PORTO, ID_PORTO, !transport || ID_PORTO < 1);
    WriteLongOrNull(rs, rs.ID_TRASPORTO, ID_TRASPORTO, !transport || ID_TRASPORTO < 1);
    WriteLongOrNull(rs, rs.ID_ASPETTO_BENI, ID_ASPETTO_BENI, !transport || ID_ASPETTO_BENI < 1);
    WriteTimestamp(rs, rs.DATA_ORA_INIZIO_TRASPORTO, DATA_ORA_INIZIO_TRASPORTO,
                   !transport || !IsValid_DATA_ORA_INIZIO_TRASPORTO());
    WriteLongOrNull(rs, rs.IMBALLI, IMBALLI > 0 ? IMBALLI : 0, !transport);
    rs.SetFieldNull(&rs.DATA_ORA_FINE_TRASPORTO);

    WriteLongOrNull(rs, rs.ID_AGENTE_SEDE_SOCIETA, ID_AGENTE_SEDE_SOCIETA, ID_AGENTE_SEDE_SOCIETA < 1);
    WriteLongOrNull(rs, rs.ID_OPERATORE, ID_OPERATORE, ID_OPERATORE < 1);
    WriteLongOrNull(rs, rs.ID_SEDE_AZIENDA_INTESTAZIONE, ID_SEDE_AZIENDA_INTESTAZIONE, ID_SEDE_AZIENDA_INTESTAZIONE < 1);
    WriteLongOrNull(rs, rs.ID_SEDE_AZIENDA_SPEDIZIONE, ID_SEDE_AZIENDA_SPEDIZIONE, ID_SEDE_AZIENDA_SPEDIZIONE < 1);

    WriteLong(rs, rs.NUMERO_COLLI, static_cast<long>(NUMERO_COLLI));
    rs.PESO_KG = ToStoredText(PESO_KG);
    rs.SCONTO_EXTRA = ToStoredText(SCONTO_EXTRA);
    rs.COSTO_TRASPORTO_M3 = ToStoredText(COSTO_TRASPORTO_M3);
    rs.CAMBIO = ToStoredText(CAMBIO);
    rs.SPESE_INCASSO = ToStoredText(SPESE_INCASSO);
    rs.SPESE_TRASPORTO = ToStoredText(SPESE_TRASPORTO);
    rs.SPESE_VARIE = ToStoredText(SPESE_VARIE);
    rs.ALIQUOTA_IVA_SPESE_INCASSO = ToStoredText(ALIQUOTA_IVA_SPESE_INCASSO);
    rs.ALIQUOTA_IVA_SPESE_TRASPORTO = ToStoredText(ALIQUOTA_IVA_SPESE_TRASPORTO);
    rs.ALIQUOTA_IVA_SPESE_VARIE = ToStoredText(ALIQUOTA_IVA_SPESE_VARIE);
#define ORVEL_DOCUMENTO_WRITE_TOTAL(name) rs.name = ToStoredText(name);
    ORVEL_DOCUMENTO_TOTALS(ORVEL_DOCUMENTO_WRITE_TOTAL)
#undef ORVEL_DOCUMENTO_WRITE_TOTAL

    rs.NOTA = NOTA;
    rs.NOTA2 = NOTA2;
    rs.INFO1 = INFO1;
    rs.INFO2 = INFO2;
    rs.INFO3 = INFO3;
    rs.INFO4 = INFO4;
    rs.INFO5 = INFO5;
    rs.INFO6 = INFO6;
    rs.POSTAZIONE = POSTAZIONE;
    rs.TARGA_AUTOMEZZO = TARGA_AUTOMEZZO;
    rs.ID_IVA_SPESE_INCASSO = ID_IVA_SPESE_INCASSO;
    rs.ID_IVA_SPESE_TRASPORTO = ID_IVA_SPESE_TRASPORTO;
    rs.ID_IVA_SPESE_VARIE = ID_IVA_SPESE_VARIE;
    WriteLong(rs, rs.F_RIVALUTAZIONE, F_RIVALUTAZIONE);
}

// --- loading and writing -----------------------------------------------------------------------

bool CDomainDocumento::DB_Load()
{
    return Load_DOCUMENTO() && Load_DOCUMENTI_ASSOCIATI() && Load_DETTAGLIO();
}

// The reason is loaded before the row is copied: it decides whether the order status is read.
bool CDomainDocumento::Load_DOCUMENTO()
{
    CTestataDocumentoSet rs(GetDatabase());
    rs.m_strFilter.Format("D_ID = %ld", ID);
    rs.Open();
    if (rs.IsEOF())
        return false;
    CAUSALE.Set_ID(rs.C_ID);
    CAUSALE.DB_Load();
    FromRecordset(rs);
    rs.Close();
    return true;
}

// Entries already in the list stay, and a link read twice is kept once.
bool CDomainDocumento::Load_DOCUMENTI_ASSOCIATI()
{
    CDocumentiReferenziatiSet rs(GetDatabase());
    rs.m_strFilter.Format("ID_DOCUMENTO = %ld", ID);
    rs.Open();
    for (; !rs.IsEOF(); rs.MoveNext()) {
        CDomainDocumentoAssociato entry(GetDatabase());
        entry.FromRecordset(rs);
        LISTA_DOCUMENTI_ASSOCIATI.Add(entry);
    }
    rs.Close();
    return true;
}

bool CDomainDocumento::Load_DETTAGLIO()
{
    return false;
}

bool CDomainDocumento::DB_DeleteDocumento()
{
    return false;
}

bool CDomainDocumento::Update_DETTAGLIO(EDB_Operation)
{
    return false;
}

// On edit the lines go first; on add the header goes first, so that it has its key before the
// links, the VAT summary and the lines that refer to it. The line write lets database errors
// through; here they are shown and answered with false like those of the other steps, so that
// the host only has to roll back on false.
bool CDomainDocumento::DB_Update(EDB_Operation op)
{
    auto lines = [&] { return ReportDBErrors([&] { return Update_DETTAGLIO(op); }); };
    if (op == DB_OPERATION_EDIT && !lines())
        return false;
    if (!Update_DOCUMENTO(op) || !Update_DOCUMENTI_ASSOCIATI(op) || !Update_IVA_DOCUMENTO(op))
        return false;
    if (op != DB_OPERATION_EDIT && !lines())
        return false;
    return true;
}

bool CDomainDocumento::Update_DOCUMENTO(EDB_Operation op)
{
    return ReportDBErrors([&] {
        if (op == DB_OPERATION_DELETE)
            return DB_DeleteDocumento();
        if (op == DB_OPERATION_ADDNEW) {
            CProcedureId newId(GetDatabase());
            newId.Open("GET_ID_DOCUMENTO", 1, nullptr, 0);
            ID = newId.m_ID;
            newId.Close();
        }
        CDocumentoSet rs(GetDatabase());
        rs.m_strFilter.Format("ID = %ld", ID);
        rs.Open();
        if (op == DB_OPERATION_ADDNEW) {
            rs.AddNew();
            WriteLong(rs, rs.ID, ID);
        } else {
            // A document whose row is gone cannot be edited: Edit without a row is a database
            // error, shown like any other.
            rs.Edit();
        }
        ToRecordset(rs);
        rs.Update();
        rs.Close();
        return true;
    });
}

bool CDomainDocumento::Update_DOCUMENTI_ASSOCIATI(EDB_Operation op)
{
    if (op == DB_OPERATION_DELETE)
        return true;
    return ReportDBErrors([&] {
        if (op == DB_OPERATION_EDIT) {
            CString sql;
            sql.Format("DELETE FROM DOC_REFERENZIA_DOCS WHERE ID_DOCUMENTO = %ld", ID);
            GetDatabase()->ExecuteSQL(sql);
        }
        CDocReferenziaDocsSet rs(GetDatabase());
        rs.m_strFilter = "ID_DOCUMENTO = -1";
        rs.Open();
        for (INT_PTR i = 0; i < LISTA_DOCUMENTI_ASSOCIATI.GetSize(); ++i) {
            rs.AddNew();
            WriteLong(rs, rs.ID_DOCUMENTO, ID);
            WriteLong(rs, rs.ID_DOCUMENTO_REF, LISTA_DOCUMENTI_ASSOCIATI.GetAt(i).Get_ID());
            rs.Update();
        }
        rs.Close();
        return true;
    });
}

// The VAT summary is rebuilt from the lines on every write, the expenses added to it, and stored
// in place of the old one.
bool CDomainDocumento::Update_IVA_DOCUMENTO(EDB_Operation op)
{
    if (op == DB_OPERATION_DELETE)
        return true;
    CDomainListaIvaDocumento summary =
        DETTAGLIO ? DETTAGLIO->GetIvaDocumento() : CDomainListaIvaDocumento(GetDatabase());
    summary.SetDatabase(GetDatabase());
    summary.Set_ID_DOCUMENTO(ID);
    const struct {
        const Decimal& amount;
        const CString& code;
        Decimal vat;
    } expenses[] = {
        {SPESE_TRASPORTO, ID_IVA_SPESE_TRASPORTO, Get_IVA_SPESE_TRASPORTO()},
        {SPESE_INCASSO, ID_IVA_SPESE_INCASSO, Get_IVA_SPESE_INCASSO()},
        {SPESE_VARIE, ID_IVA_SPESE_VARIE, Get_IVA_SPESE_VARIE()},
    };
    for (const auto& expense : expenses)
        if (expense.amount > Decimal() && !expense.code.IsEmpty())
            summary.Add(expense.code.GetString(), expense.amount, expense.vat);
    return op == DB_OPERATION_ADDNEW ? summary.DB_AddNew() : summary.DB_Edit();
}

// --- totals ------------------------------------------------------------------------------------

Decimal CDomainDocumento::Get_IVA_SPESE_INCASSO() const
{
    return Amounts::PercentOf(SPESE_INCASSO, ALIQUOTA_IVA_SPESE_INCASSO);
}

Decimal CDomainDocumento::Get_IVA_SPESE_TRASPORTO() const
{
    return Amounts::PercentOf(SPESE_TRASPORTO, ALIQUOTA_IVA_SPESE_TRASPORTO);
}

Decimal CDomainDocumento::Get_IVA_SPESE_VARIE() const
{
    return Amounts::PercentOf(SPESE_VARIE, ALIQUOTA_IVA_SPESE_VARIE);
}

// The single totals read the detail; a document without a detail has no lines, and its line
// totals are 0. The detail totals are already rounded to the totals precision; the document adds
// the expenses and their VAT as they are.
void CDomainDocumento::Ricalcola_TOTALE_IMPORTO()
{
    TOTALE_IMPORTO = DETTAGLIO ? DETTAGLIO->Get_TOTALE_IMPORTO(false) : Decimal();
}

void CDomainDocumento::Ricalcola_TOTALE_IMPORTO_ACQUISTO()
{
    TOTALE_IMPORTO_ACQUISTO = DETTAGLIO ? DETTAGLIO->Get_TOTALE_IMPORTO_ACQUISTO(false) : Decimal();
}

void CDomainDocumento::Ricalcola_TOTALE_OMAGGIO()
{
    TOTALE_OMAGGIO = DETTAGLIO ? DETTAGLIO->Get_TOTALE_OMAGGIO(false) : Decimal();
}

void CDomainDocumento::Ricalcola_TOTALE_SCONTO()
{
    TOTALE_SCONTO = DETTAGLIO ? DETTAGLIO->Get_TOTALE_SCONTO(SCONTO_EXTRA, false) : Decimal();
}

void CDomainDocumento::Ricalcola_TOTALE_IMPORTO_NETTO()
{
    TOTALE_IMPORTO_NETTO = DETTAGLIO ? DETTAGLIO->Get_TOTALE_IMPORTO_NETTO(SCONTO_EXTRA, false) : Decimal();
}

void CDomainDocumento::Ricalcola_TOTALE_SCONTO_EXTRA()
{
    TOTALE_SCONTO_EXTRA = ScontoExtra(DETTAGLIO ? DETTAGLIO->Get_TOTALE_IMPORTO_NETTO(Decimal(), false) : Decimal());
}

void CDomainDocumento::Ricalcola_TOTALE_NETTO_DOCUMENTO()
{
    TOTALE_NETTO_DOCUMENTO =
        NettoDocumento(DETTAGLIO ? DETTAGLIO->Get_TOTALE_IMPORTO_NETTO(SCONTO_EXTRA, false) : Decimal());
}

void CDomainDocumento::Ricalcola_TOTALE_IMPONIBILE()
{
    TOTALE_IMPONIBILE = Imponibile(DETTAGLIO ? DETTAGLIO->Get_TOTALE_IMPONIBILE(SCONTO_EXTRA) : Decimal());
}

void CDomainDocumento::Ricalcola_TOTALE_IVA()
{
    TOTALE_IVA = Iva(DETTAGLIO ? DETTAGLIO->Get_TOTALE_IVA(SCONTO_EXTRA) : Decimal());
}

// The extra discount is taken on the net total of the lines before the extra discount.
Decimal CDomainDocumento::ScontoExtra(const Decimal& netBeforeExtra) const
{
    return netBeforeExtra * Amounts::Fraction(SCONTO_EXTRA);
}

Decimal CDomainDocumento::NettoDocumento(const Decimal& netOfLines) const
{
    Decimal total = netOfLines;
    total += SPESE_TRASPORTO;
    total += SPESE_INCASSO;
    total += SPESE_VARIE;
    return total;
}

// Only expenses that bear VAT are taxable.
Decimal CDomainDocumento::Imponibile(const Decimal& taxableOfLines) const
{
    Decimal total = taxableOfLines;
    if (ALIQUOTA_IVA_SPESE_TRASPORTO > Decimal())
        total += SPESE_TRASPORTO;
    if (ALIQUOTA_IVA_SPESE_INCASSO > Decimal())
        total += SPESE_INCASSO;
    if (ALIQUOTA_IVA_SPESE_VARIE > Decimal())
        total += SPESE_VARIE;
    return total;
}

Decimal CDomainDocumento::Iva(const Decimal& vatOfLines) const
{
    Decimal total = vatOfLines;
    total += Get_IVA_SPESE_TRASPORTO();
    total += Get_IVA_SPESE_INCASSO();
    total += Get_IVA_SPESE_VARIE();
    return total;
}

void CDomainDocumento::Ricalcola_TOTALE()
{
    TOTALE = TOTALE_NETTO_DOCUMENTO + TOTALE_IVA;
}

void CDomainDocumento::Ricalcola_TOTALE_PROVVIGIONE()
{
    TOTALE_PROVVIGIONE = DETTAGLIO ? DETTAGLIO->Get_TOTALE_PROVVIGIONE(SCONTO_EXTRA) : Decimal();
}

// The document total comes after both of its terms.
// Each total is what its single operation gives; the lines are walked once for all of them.
void CDomainDocumento::Ricalcola_TOTALI()
{
    const CDomainDettaglioDocumento::Totali lines =
        DETTAGLIO ? DETTAGLIO->Get_TOTALI(SCONTO_EXTRA) : CDomainDettaglioDocumento::Totali();
    TOTALE_IMPORTO_ACQUISTO = lines.importoAcquisto;
    TOTALE_NETTO_DOCUMENTO = NettoDocumento(lines.importoNetto);
    TOTALE_IMPORTO = lines.importo;
    TOTALE_SCONTO = lines.sconto;
    TOTALE_OMAGGIO = lines.omaggio;
    TOTALE_IMPORTO_NETTO = lines.importoNetto;
    TOTALE_SCONTO_EXTRA = ScontoExtra(lines.importoNettoSenzaExtra);
    TOTALE_IMPONIBILE = Imponibile(lines.imponibile);
    TOTALE_IVA = Iva(lines.iva);
    Ricalcola_TOTALE();
    TOTALE_PROVVIGIONE = lines.provvigione;
}
