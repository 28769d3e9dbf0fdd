// Bills: defaults, copying, the row mappings, preparing a bill from a schedule, and load and save
// of the bill with its instalment links and accounting row.
#include "orvelmagdb/domain/payments/DomainEffetto.h"

#include "odbc/Database.h"
#include "orveldb/domain/DomainAzienda.h"
#include "orveldb/recordsets/AziendaSet.h"
#include "orveldb/recordsets/ContoCompletoSet.h"
#include "orveldblib/ProcedureId.h"
#include "orveldblib/TransactionGuard.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/base/Amounts.h"
#include "orvelmagdb/domain/payments/DomainScadenzario.h"
#include "orvelmagdb/recordsets/payments/EFFETTO_CONTABILITA.h"
#include "orvelmagdb/recordsets/payments/EffettoCompletoSet.h"
#include "orvelmagdb/recordsets/payments/EffettoScadenzaSet.h"
#include "orvelmagdb/recordsets/payments/EffettoSet.h"
#include "orvelmagdb/recordsets/payments/ScadenzaCompletaSet.h"

namespace {

long ConfigLong(const char* key)
{
    return CApplicationAdministrator::GetInstance()->GetConfig()->GetParamAsLong(key);
}

// A nullable id column: NULL reads as -1.
long ReadId(CRecordset& rs, long& field)
{
    return rs.IsFieldNull(&field) ? -1 : field;
}

void WriteLong(CRecordset& rs, long& field, long value)
{
    rs.SetFieldNull(&field, FALSE);
    field = value;
}

// An id not above 0 is written as NULL.
void WriteId(CRecordset& rs, long& field, long value)
{
    if (value > 0)
        WriteLong(rs, field, value);
    else
        rs.SetFieldNull(&field);
}

}  // namespace

CDomainEffetto::CDomainEffetto(CDatabase* pDatabase)
    : CDomainClass(pDatabase),
      m_nPrecisioneTotali(CApplicationAdministrator::GetInstance()->GetConfig()->GetParamAsInt("precisione/totali")),
      ID(-1),
      DATA_REGISTRAZIONE(COleDateTime::GetCurrentTime()),
      DATA_EFFETTO(COleDateTime::GetCurrentTime()),
      ID_SOGGETTO(-1),
      ID_TIPO_EFFETTO(-1),
      ID_CONTO(ConfigLong("default/pagamento/conto_predefinito")),
      F_ATTIVO(ConfigLong("default/pagamento/passivoattivo")),
      NUM_SCADENZE(0),
      ID_SOCIETA(CApplicationAdministrator::GetInstance()->GetUser()->Get_ID_SOCIETA()),
      F_CHIUDI_SCADENZE(static_cast<int>(ConfigLong("default/pagamento/chiudiscadenze"))),
      F_REG_GIORNALE_CASSA(static_cast<int>(ConfigLong("default/pagamento/registra"))),
      F_CONTABILITA(0),
      ID_PIANO_DEI_CONTI(-1),
      ID_CONTO_MASTRO_SOGGETTO(-1),
      ID_CONTO_MASTRO_CONTO(-1),
      SCADENZE(nullptr)
{
    IMPORTO.Round3(m_nPrecisioneTotali);
}

CDomainEffetto::CDomainEffetto(const CDomainEffetto& other) : CDomainClass(other), SCADENZE(nullptr)
{
    CopyData(other);
}

CDomainEffetto& CDomainEffetto::operator=(const CDomainEffetto& other)
{
    if (this != &other) {
        CDomainClass::operator=(other);
        CopyData(other);
    }
    return *this;
}

CDomainEffetto::~CDomainEffetto() = default;

void CDomainEffetto::CopyData(const CDomainEffetto& other)
{
    m_nPrecisioneTotali = other.m_nPrecisioneTotali;
    ID = other.ID;
    IMPORTO = Amounts::Rounded(other.IMPORTO, m_nPrecisioneTotali);
    DATA_REGISTRAZIONE = other.DATA_REGISTRAZIONE;
    DATA_EFFETTO = other.DATA_EFFETTO;
    ID_SOGGETTO = other.ID_SOGGETTO;
    SOGGETTO = other.SOGGETTO;
    ID_TIPO_EFFETTO = other.ID_TIPO_EFFETTO;
    TIPO_EFFETTO = other.TIPO_EFFETTO;
    ID_CONTO = other.ID_CONTO;
    DESCRIZIONE_CONTO = other.DESCRIZIONE_CONTO;
    NOTE = other.NOTE;
    F_ATTIVO = other.F_ATTIVO;
    NUM_SCADENZE = other.NUM_SCADENZE;
    ID_SOCIETA = other.ID_SOCIETA;
    NOME_SOCIETA = other.NOME_SOCIETA;
    RAGIONE_SOCIALE_SOCIETA = other.RAGIONE_SOCIALE_SOCIETA;
    F_CHIUDI_SCADENZE = other.F_CHIUDI_SCADENZE;
    F_REG_GIORNALE_CASSA = other.F_REG_GIORNALE_CASSA;
    F_CONTABILITA = other.F_CONTABILITA;
    ID_PIANO_DEI_CONTI = other.ID_PIANO_DEI_CONTI;
    ID_CONTO_MASTRO_SOGGETTO = other.ID_CONTO_MASTRO_SOGGETTO;
    ID_CONTO_MASTRO_CONTO = other.ID_CONTO_MASTRO_CONTO;
    SCADENZE = other.SCADENZE;
}

void CDomainEffetto::Set_IMPORTO(const Decimal& value)
{
    IMPORTO = Amounts::Rounded(value, m_nPrecisioneTotali);
}

void CDomainEffetto::Set_DATA_REGISTRAZIONE(const TIMESTAMP_STRUCT& value)
{
    From_TIMESTAMP_STRUCT_To_COleDateTime(value, DATA_REGISTRAZIONE);
}

void CDomainEffetto::Set_DATA_EFFETTO(const TIMESTAMP_STRUCT& value)
{
    From_TIMESTAMP_STRUCT_To_COleDateTime(value, DATA_EFFETTO);
}

int CDomainEffetto::SCADENZE_Add(CDomainScadenza& scadenza)
{
    return static_cast<int>(SCADENZE.Add(scadenza));
}

CDomainScadenza CDomainEffetto::SCADENZE_GetAt(int index)
{
    return SCADENZE.GetAt(index);
}

CDomainScadenza& CDomainEffetto::SCADENZE_ElementAt(int index)
{
    return SCADENZE.ElementAt(index);
}

CDomainScadenza CDomainEffetto::SCADENZE_GetByID(long id) const
{
    for (INT_PTR i = 0; i < SCADENZE.GetSize(); ++i)
        if (SCADENZE.GetAt(i).Get_ID() == id)
            return SCADENZE.GetAt(i);
    return CDomainScadenza(nullptr);
}

void CDomainEffetto::SCADENZE_Set(const CDomainListaScadenze& scadenze)
{
    SCADENZE = scadenze;
    NUM_SCADENZE = static_cast<long>(SCADENZE.GetSize());
}

void CDomainEffetto::FromDomainScadenzario(const CDomainScadenzario& scadenzario)
{
    ID_SOCIETA = scadenzario.Get_SOC_ID();
    IMPORTO = Amounts::Rounded(scadenzario.Get_IMPORTO_IMPONIBILE() + scadenzario.Get_IMPORTO_IVA(), m_nPrecisioneTotali);
    F_ATTIVO = scadenzario.Get_F_ATTIVO();
    DATA_REGISTRAZIONE = scadenzario.Get_DATA_MOVIMENTO();
    DATA_EFFETTO = scadenzario.Get_DATA_MOVIMENTO();
    ID_SOGGETTO = scadenzario.Get_ID_SOGGETTO();
    SCADENZE = scadenzario.SCADENZE_Get();
    NUM_SCADENZE = static_cast<long>(SCADENZE.GetSize());
}

bool CDomainEffetto::FromRecordset(CEffettoCompletoSet& rs)
{
    ID = rs.ID;
    IMPORTO = Amounts::Rounded(Decimal(rs.IMPORTO, 127), m_nPrecisioneTotali);
    DATA_REGISTRAZIONE = rs.DATA_REGISTRAZIONE;
    // NULL reads as the null date.
    DATA_EFFETTO = rs.DATA_EFFETTO;
    ID_TIPO_EFFETTO = rs.ID_TIPO_EFFETTO;
    TIPO_EFFETTO = rs.TIPO_EFFETTO;
    NOTE = rs.NOTE;
    F_ATTIVO = rs.F_ATTIVO;
    NUM_SCADENZE = rs.NUM_SCADENZE;
    F_CHIUDI_SCADENZE = static_cast<int>(rs.F_CHIUDI_SCADENZE);
    F_REG_GIORNALE_CASSA = static_cast<int>(rs.F_REG_GIORNALE_CASSA);
    ID_SOGGETTO = ReadId(rs, rs.ID_SOGGETTO);
    SOGGETTO = ID_SOGGETTO == -1 ? CString() : rs.SOGGETTO;
    ID_CONTO = ReadId(rs, rs.ID_CONTO);
    DESCRIZIONE_CONTO = ID_CONTO == -1 ? CString() : rs.DESCRIZIONE_CONTO;
    // The company is not read: a loaded bill keeps the one it was made with.
    return true;
}

bool CDomainEffetto::FromRecordset(CEFFETTO_CONTABILITA& rs)
{
    F_CONTABILITA = 0;
    ID_PIANO_DEI_CONTI = ReadId(rs, rs.ID_PIANO_DEI_CONTI);
    ID_CONTO_MASTRO_SOGGETTO = ReadId(rs, rs.ID_CONTO_MASTRO_SOGGETTO);
    ID_CONTO_MASTRO_CONTO = ReadId(rs, rs.ID_CONTO_MASTRO_CONTO);
    return true;
}

void CDomainEffetto::ToRecordset(CEffettoSet& rs)
{
    WriteLong(rs, rs.ID, ID);
    WriteLong(rs, rs.ID_SOCIETA, ID_SOCIETA);
    rs.SetFieldNull(&rs.IMPORTO, FALSE);
    rs.IMPORTO = ToStoredText(IMPORTO);
    WriteLong(rs, rs.F_CHIUDI_SCADENZE, F_CHIUDI_SCADENZE);
    WriteLong(rs, rs.F_REG_GIORNALE_CASSA, F_REG_GIORNALE_CASSA);
    WriteLong(rs, rs.ID_TIPO_EFFETTO, ID_TIPO_EFFETTO);
    rs.NOTE = NOTE;
    WriteLong(rs, rs.F_ATTIVO, F_ATTIVO);
    From_COleDateTime_To_TIMESTAMP_STRUCT(DATA_REGISTRAZIONE, rs.DATA_REGISTRAZIONE);
    if (DATA_EFFETTO.GetStatus() == COleDateTime::valid) {
        rs.SetFieldNull(&rs.DATA_EFFETTO, FALSE);
        From_COleDateTime_To_TIMESTAMP_STRUCT(DATA_EFFETTO, rs.DATA_EFFETTO);
    } else {
        rs.SetFieldNull(&rs.DATA_EFFETTO);
    }
    WriteId(rs, rs.ID_SOGGETTO, ID_SOGGETTO);
    WriteId(rs, rs.ID_CONTO, ID_CONTO);
}

bool CDomainEffetto::DB_Load()
{
    return DB_Load_EFFETTO() && DB_Load_SCADENZE() && DB_Load_CONTABILITA();
}

bool CDomainEffetto::DB_Load_EFFETTO()
{
    return ReportDBErrors([&] {
        CEffettoCompletoSet rs(GetDatabase());
        rs.m_strFilter.Format("ID = %ld", ID);
        rs.Open();
        if (!rs.IsEOF())
            FromRecordset(rs);
        rs.Close();
        return true;
    });
}

bool CDomainEffetto::DB_Load_SCADENZE()
{
    SCADENZE.RemoveAll();
    return ReportDBErrors([&] {
        CString ids;
        CEffettoScadenzaSet links(GetDatabase());
        links.m_strFilter.Format("ID_EFFETTO = %ld", ID);
        links.Open();
        for (; !links.IsEOF(); links.MoveNext()) {
            CString id;
            id.Format("%ld", links.ID_SCADENZA);
            ids += ids.IsEmpty() ? id : "," + id;
        }
        links.Close();
        if (ids.IsEmpty())
            return true;

        // By due date across every schedule the bill gathers from.
        CScadenzaCompletaSet rs(GetDatabase());
        rs.m_strFilter.Format("SCA_ID IN (%s)", ids.GetString());
        rs.m_strSort = "SCA_DATA_SCADENZA";
        rs.Open();
        for (; !rs.IsEOF(); rs.MoveNext()) {
            CDomainScadenza scadenza(nullptr);
            scadenza.FromRecordset(rs);
            SCADENZE.Add(scadenza);
        }
        rs.Close();
        return true;
    });
}

bool CDomainEffetto::DB_Load_CONTABILITA()
{
    return ReportDBErrors([&] {
        CEFFETTO_CONTABILITA rs(GetDatabase());
        rs.m_strFilter.Format("ID_EFFETTO = %ld", ID);
        rs.Open();
        if (!rs.IsEOF())
            FromRecordset(rs);
        rs.Close();
        return true;
    });
}

bool CDomainEffetto::DB_Load_SOGGETTO(bool direzione)
{
    return ReportDBErrors([&] {
        CAziendaSet rs(GetDatabase());
        rs.m_strFilter.Format("ID = %ld", ID_SOGGETTO);
        rs.Open();
        if (!rs.IsEOF()) {
            SOGGETTO = rs.RAGIONESOCIALE;
            if (direzione && rs.F_TIPO_RAPPORTO == CDomainAzienda::CLIENTE)
                F_ATTIVO = 1;
            else if (direzione && rs.F_TIPO_RAPPORTO == CDomainAzienda::FORNITORE)
                F_ATTIVO = -1;
        }
        rs.Close();
        return true;
    });
}

bool CDomainEffetto::DB_Load_CONTO()
{
    return ReportDBErrors([&] {
        CContoCompletoSet rs(GetDatabase());
        rs.m_strFilter.Format("ID = %ld", ID_CONTO);
        rs.Open();
        if (!rs.IsEOF())
            DESCRIZIONE_CONTO = rs.DESCRIZIONE;
        rs.Close();
        return true;
    });
}

bool CDomainEffetto::DB_Update(EDB_Operation op)
{
    bool saved = false;
    // Rolls back on a false or an exception unless committed; begins only when the bill controls
    // the transaction.
    if (!ReportDBErrors([&] {
            CTransactionGuard transaction(*this);
            saved = DB_Update_EFFETTO(op) && DB_Update_SCADENZE(op) && DB_Update_CONTABILITA(op);
            if (saved)
                transaction.Commit();
            return true;
        }))
        return false;
    return saved;
}

bool CDomainEffetto::DB_Update_EFFETTO(EDB_Operation op)
{
    return ReportDBErrors([&] {
        if (op == DB_OPERATION_DELETE) {
            CString sql;
            sql.Format("DELETE FROM EFFETTO WHERE ID = %ld", ID);
            GetDatabase()->ExecuteSQL(sql);
            return true;
        }
        CEffettoSet rs(GetDatabase());
        rs.m_strFilter.Format("ID = %d", static_cast<int>(ID));
        rs.Open();
        if (op == DB_OPERATION_ADDNEW) {
            CProcedureId newId(GetDatabase());
            newId.Open("GET_ID_EFFETTO", 1, nullptr, 0);
            ID = newId.m_ID;
            newId.Close();
            rs.AddNew();
        } else {
            // A bill whose row is gone fails here, as a database error.
            rs.Edit();
        }
        ToRecordset(rs);
        rs.Update();
        rs.Close();
        return true;
    });
}

bool CDomainEffetto::DB_Update_SCADENZE(EDB_Operation op)
{
    if (ID <= 0)
        return false;
    // A deleted bill leaves its links for whoever reconciles the instalments.
    if (op == DB_OPERATION_DELETE)
        return true;
    return ReportDBErrors([&] {
        if (op == DB_OPERATION_EDIT) {
            CString sql;
            sql.Format("DELETE FROM EFFETTO_SCADENZA WHERE ID_EFFETTO = %ld", ID);
            GetDatabase()->ExecuteSQL(sql);
        }
        CEffettoScadenzaSet rs(GetDatabase());
        rs.m_strFilter.Format("ID_EFFETTO = %ld", ID);
        rs.Open();
        for (INT_PTR i = 0; i < SCADENZE.GetSize(); ++i) {
            rs.AddNew();
            rs.ID_EFFETTO = ID;
            rs.ID_SCADENZA = SCADENZE.GetAt(i).Get_ID();
            rs.Update();
        }
        rs.Close();
        return true;
    });
}

bool CDomainEffetto::DB_Update_CONTABILITA(EDB_Operation op)
{
    if (op == DB_OPERATION_DELETE)
        return true;
    return ReportDBErrors([&] {
        CEFFETTO_CONTABILITA rs(GetDatabase());
        rs.m_strFilter.Format("ID_EFFETTO = %ld", ID);
        rs.Open();
        if (ID_PIANO_DEI_CONTI > 0) {
            if (rs.IsEOF())
                rs.AddNew();
            else
                rs.Edit();
            WriteLong(rs, rs.ID_EFFETTO, ID);
            WriteLong(rs, rs.ID_PIANO_DEI_CONTI, ID_PIANO_DEI_CONTI);
            WriteId(rs, rs.ID_CONTO_MASTRO_SOGGETTO, ID_CONTO_MASTRO_SOGGETTO);
            WriteId(rs, rs.ID_CONTO_MASTRO_CONTO, ID_CONTO_MASTRO_CONTO);
            rs.Update();
        } else if (!rs.IsEOF()) {
            // A bill without a chart of accounts has no accounting row.
            rs.Delete();
        }
        rs.Close();
        return true;
    });
}
