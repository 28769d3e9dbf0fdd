// One instalment: defaults, copying, the two row mappings, the order instalments are kept in, and
// its save with the links to the bills that gather it.
#include "orvelmagdb/domain/payments/DomainScadenza.h"

#include "odbc/Database.h"
#include "orveldblib/ProcedureId.h"
#include "orveldblib/TransactionGuard.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/base/Amounts.h"
#include "orvelmagdb/recordsets/payments/EffettoScadenzaSet.h"
#include "orvelmagdb/recordsets/payments/ScadenzaCompletaSet.h"
#include "orvelmagdb/recordsets/payments/ScadenzaSet.h"

namespace {

COleDateTime NullDate()
{
    COleDateTime date(0.0);
    date.SetStatus(COleDateTime::null);
    return date;
}

// A date column: NULL reads as the null date.
COleDateTime ReadDate(CRecordset& rs, TIMESTAMP_STRUCT& field)
{
    if (rs.IsFieldNull(&field))
        return NullDate();
    COleDateTime date;
    CDomainClass::From_TIMESTAMP_STRUCT_To_COleDateTime(field, date);
    return date;
}

// A date that is not valid is written as NULL.
void WriteDate(CRecordset& rs, TIMESTAMP_STRUCT& field, const COleDateTime& date)
{
    if (date.GetStatus() != COleDateTime::valid) {
        rs.SetFieldNull(&field);
        return;
    }
    rs.SetFieldNull(&field, FALSE);
    CDomainClass::From_COleDateTime_To_TIMESTAMP_STRUCT(date, field);
}

// A number written as it is, 0 included.
void WriteLong(CRecordset& rs, long& field, long value)
{
    rs.SetFieldNull(&field, FALSE);
    field = value;
}

}  // namespace

CDomainScadenza::CDomainScadenza(CDatabase* pDatabase)
    : CDomainClass(pDatabase),
      m_nPrecisioneTotali(CApplicationAdministrator::GetInstance()->GetConfig()->GetParamAsInt("precisione/totali")),
      ID(0),
      ID_SCADENZARIO(0),
      DATA_REGISTRAZIONE(NullDate()),
      DATA_SCADENZA(NullDate()),
      DATA_PAGAMENTO(NullDate()),
      ID_TIPO_PAGAMENTO(0),
      F_EVASA(0),
      NUMERO(NUMERO_NON_ASSEGNATO),
      ID_SOGGETTO(0),
      F_ATTIVA(0),
      NUMERO_SCADENZE_SCADENZARIO(0),
      DATA_SCADENZARIO(NullDate())
{
}

CDomainScadenza::CDomainScadenza(const CDomainScadenza& other) : CDomainClass(other)
{
    *this = other;
}

void CDomainScadenza::operator=(const CDomainScadenza& other)
{
    CDomainClass::operator=(other);
    m_nPrecisioneTotali = other.m_nPrecisioneTotali;
    ID = other.ID;
    ID_SCADENZARIO = other.ID_SCADENZARIO;
    DATA_REGISTRAZIONE = other.DATA_REGISTRAZIONE;
    DATA_SCADENZA = other.DATA_SCADENZA;
    DATA_PAGAMENTO = other.DATA_PAGAMENTO;
    ID_TIPO_PAGAMENTO = other.ID_TIPO_PAGAMENTO;
    IMPORTO = other.IMPORTO;
    NOTA = other.NOTA;
    F_EVASA = other.F_EVASA;
    NUMERO = other.NUMERO;
    DESCRIZIONE_SCADENZARIO = other.DESCRIZIONE_SCADENZARIO;
    DESCRIZIONE_TIPO_PAGAMENTO = other.DESCRIZIONE_TIPO_PAGAMENTO;
    SOGGETTO = other.SOGGETTO;
    ID_SOGGETTO = other.ID_SOGGETTO;
    F_ATTIVA = other.F_ATTIVA;
    EFFETTI.Copy(other.EFFETTI);
    NUMERO_SCADENZE_SCADENZARIO = other.NUMERO_SCADENZE_SCADENZARIO;
    DATA_SCADENZARIO = other.DATA_SCADENZARIO;
}

CDomainScadenza::~CDomainScadenza() = default;

void CDomainScadenza::Set_DATA_PAGAMENTO(const TIMESTAMP_STRUCT& value, bool valid)
{
    if (valid)
        From_TIMESTAMP_STRUCT_To_COleDateTime(value, DATA_PAGAMENTO);
    else
        DATA_PAGAMENTO = NullDate();
}

void CDomainScadenza::Set_IMPORTO(const Decimal& value)
{
    IMPORTO = Amounts::Rounded(value, m_nPrecisioneTotali);
}

// Earlier due dates first, then lower positions. Instalments whose due dates differ in status
// (valid, invalid, null) never come before one another, and neither do two with invalid dates.
bool CDomainScadenza::operator<(const CDomainScadenza& other) const
{
    const auto status = DATA_SCADENZA.GetStatus();
    if (status == COleDateTime::valid && other.DATA_SCADENZA.GetStatus() == COleDateTime::valid &&
        DATA_SCADENZA < other.DATA_SCADENZA)
        return true;
    if (status != other.DATA_SCADENZA.GetStatus())
        return false;
    if (status == COleDateTime::null || (status == COleDateTime::valid && DATA_SCADENZA == other.DATA_SCADENZA))
        return NUMERO < other.NUMERO;
    return false;
}

bool CDomainScadenza::FromRecordset(CScadenzaCompletaSet& rs)
{
    ID = rs.SCA_ID;
    DATA_REGISTRAZIONE = ReadDate(rs, rs.SCA_DATA_REGISTRAZIONE);
    DATA_SCADENZA = ReadDate(rs, rs.SCA_DATA_SCADENZA);
    DATA_PAGAMENTO = ReadDate(rs, rs.SCA_DATA_PAGAMENTO);
    Set_IMPORTO(Decimal(rs.SCA_IMPORTO, 127));
    F_EVASA = rs.SCA_F_EVASA;
    NOTA = rs.SCA_NOTA;
    NUMERO = rs.SCA_NUMERO;
    if (rs.IsFieldNull(&rs.SCA_ID_TIPO_PAGAMENTO)) {
        ID_TIPO_PAGAMENTO = -1;
        DESCRIZIONE_TIPO_PAGAMENTO.Empty();
    } else {
        ID_TIPO_PAGAMENTO = rs.SCA_ID_TIPO_PAGAMENTO;
        DESCRIZIONE_TIPO_PAGAMENTO = rs.SCA_TIPO_PAGAMENTO;
    }
    ID_SCADENZARIO = rs.SCAD_ID;
    DESCRIZIONE_SCADENZARIO = rs.SCAD_DESCRIZIONE;
    ID_SOGGETTO = rs.IsFieldNull(&rs.SCAD_SOGGETTO_ID) ? -1 : rs.SCAD_SOGGETTO_ID;
    SOGGETTO = rs.SCAD_RAGIONE_SOCIALE;
    F_ATTIVA = rs.SCAD_F_ATTIVO;
    NUMERO_SCADENZE_SCADENZARIO = rs.SCAD_NUMERO_SCADENZE;
    DATA_SCADENZARIO = ReadDate(rs, rs.SCAD_DATA_MOVIMENTO);
    return true;
}

bool CDomainScadenza::FromRecordset(CScadenzaSet& rs)
{
    ID = rs.ID;
    ID_SCADENZARIO = rs.ID_SCADENZARIO;
    DATA_REGISTRAZIONE = ReadDate(rs, rs.DATA_REGISTRAZIONE);
    DATA_SCADENZA = ReadDate(rs, rs.DATA_SCADENZA);
    DATA_PAGAMENTO = ReadDate(rs, rs.DATA_PAGAMENTO);
    if (rs.IsFieldNull(&rs.ID_TIPO_PAGAMENTO)) {
        ID_TIPO_PAGAMENTO = -1;
        DESCRIZIONE_TIPO_PAGAMENTO.Empty();
    } else {
        ID_TIPO_PAGAMENTO = rs.ID_TIPO_PAGAMENTO;
    }
    Set_IMPORTO(Decimal(rs.IMPORTO, 127));
    NOTA = rs.NOTA;
    F_EVASA = rs.F_EVASA;
    NUMERO = rs.NUMERO;

    // The schedule side and the payment type's description come from the view.
    return ReportDBErrors([&] {
        CScadenzaCompletaSet view(GetDatabase());
        view.m_strFilter.Format("SCA_ID = %ld", ID);
        view.Open();
        if (!view.IsEOF()) {
            ID_SOGGETTO = view.IsFieldNull(&view.SCAD_SOGGETTO_ID) ? -1 : view.SCAD_SOGGETTO_ID;
            SOGGETTO = view.SCAD_RAGIONE_SOCIALE;
            DESCRIZIONE_SCADENZARIO = view.SCAD_DESCRIZIONE;
            F_ATTIVA = view.SCAD_F_ATTIVO;
            DESCRIZIONE_TIPO_PAGAMENTO = view.SCA_TIPO_PAGAMENTO;
            NUMERO_SCADENZE_SCADENZARIO = view.SCAD_NUMERO_SCADENZE;
            DATA_SCADENZARIO = ReadDate(view, view.SCAD_DATA_MOVIMENTO);
        }
        view.Close();
        return true;
    });
}

bool CDomainScadenza::DB_Load()
{
    if (ID <= 0)
        return false;
    const bool read = ReportDBErrors([&] {
        CScadenzaCompletaSet rs(GetDatabase());
        rs.m_strFilter.Format("SCA_ID = %d", static_cast<int>(ID));
        rs.Open();
        if (!rs.IsEOF())
            FromRecordset(rs);
        rs.Close();
        return true;
    });
    return read && DB_Load_EFFETTI();
}

bool CDomainScadenza::DB_Load_EFFETTI()
{
    EFFETTI.RemoveAll();
    return ReportDBErrors([&] {
        CEffettoScadenzaSet rs(GetDatabase());
        rs.m_strFilter.Format("ID_SCADENZA = %ld", ID);
        rs.Open();
        for (; !rs.IsEOF(); rs.MoveNext())
            EFFETTI.Add(rs.ID_EFFETTO);
        rs.Close();
        return true;
    });
}

bool CDomainScadenza::DB_Update(EDB_Operation op)
{
    if (op == DB_OPERATION_DELETE)
        return Delete_SCADENZA();
    return ReportDBErrors([&] {
        CTransactionGuard guard(*this);
        Write_SCADENZA(op);
        Write_EFFETTI(op);
        guard.Commit();
        return true;
    });
}

// Deletes the row; the bill links are left to the bills. A row already gone is reported to the
// user rather than passed over, since the caller believed it was there.
bool CDomainScadenza::Delete_SCADENZA()
{
    bool deleted = false;
    const bool ok = ReportDBErrors([&] {
        CTransactionGuard guard(*this);
        CScadenzaSet rs(GetDatabase());
        rs.m_strFilter.Format("ID = %ld", ID);
        rs.Open();
        if (!rs.IsEOF()) {
            rs.Delete();
            deleted = true;
        }
        rs.Close();
        if (deleted)
            guard.Commit();
        return true;
    });
    if (ok && !deleted)
        AfxMessageBox("ATTENZIONE\n\nLa scadenza indicata non è più presente nella base dati.\n"
                      "Impossibile eliminare tale scadenza",
                      MB_ICONEXCLAMATION, 0);
    return ok && deleted;
}

void CDomainScadenza::Write_SCADENZA(EDB_Operation op)
{
    CScadenzaSet rs(GetDatabase());
    rs.m_strFilter.Format("ID = %d", static_cast<int>(ID));
    rs.Open();
    if (op == DB_OPERATION_ADDNEW) {
        CProcedureId newId(GetDatabase());
        newId.Open("GET_ID_SCADENZA", 1, nullptr, 0);
        ID = newId.m_ID;
        newId.Close();
        rs.AddNew();
        rs.ID = ID;
    } else {
        rs.Edit();
    }
    WriteDate(rs, rs.DATA_REGISTRAZIONE, DATA_REGISTRAZIONE);
    WriteDate(rs, rs.DATA_SCADENZA, DATA_SCADENZA);
    WriteDate(rs, rs.DATA_PAGAMENTO, DATA_PAGAMENTO);
    rs.SetFieldNull(&rs.IMPORTO, FALSE);
    rs.IMPORTO = ToStoredText(IMPORTO);
    WriteLong(rs, rs.F_EVASA, F_EVASA);
    rs.NOTA = NOTA;
    WriteLong(rs, rs.NUMERO, NUMERO);
    if (ID_TIPO_PAGAMENTO > 0)
        WriteLong(rs, rs.ID_TIPO_PAGAMENTO, ID_TIPO_PAGAMENTO);
    else
        rs.SetFieldNull(&rs.ID_TIPO_PAGAMENTO);
    WriteLong(rs, rs.ID_SCADENZARIO, ID_SCADENZARIO);
    rs.Update();
    rs.Close();
}

// Adds the links of the bill list that are missing; on an edit also removes the links to bills
// no longer in the list, so that the table holds exactly the list.
void CDomainScadenza::Write_EFFETTI(EDB_Operation op)
{
    CString ids;
    if (EFFETTI.GetSize() > 0) {
        CEffettoScadenzaSet rs(GetDatabase());
        for (INT_PTR i = 0; i < EFFETTI.GetSize(); ++i) {
            const long idEffetto = EFFETTI[i];
            rs.m_strFilter.Format("( ID_SCADENZA = %ld ) AND ( ID_EFFETTO = %ld )", ID, idEffetto);
            if (i == 0)
                rs.Open();
            else
                rs.Requery();
            if (rs.IsEOF()) {
                rs.AddNew();
                rs.ID_EFFETTO = idEffetto;
                rs.ID_SCADENZA = ID;
                rs.Update();
            }
            CString id;
            id.Format("%ld", idEffetto);
            ids += ids.IsEmpty() ? id : "," + id;
        }
        rs.Close();
    }
    if (op == DB_OPERATION_EDIT) {
        CString sql;
        sql.Format("DELETE FROM EFFETTO_SCADENZA WHERE ( ID_SCADENZA = %ld ) ", ID);
        if (!ids.IsEmpty())
            sql += " AND ( ID_EFFETTO NOT IN ( " + ids + ") )";
        GetDatabase()->ExecuteSQL(sql);
    }
}
