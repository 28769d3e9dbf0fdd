// Payment schedules: defaults, copying, loading with instalments, documents and partner, the save
// of the three in one transaction, and the generation of instalments from a payment formula.
#include "orvelmagdb/domain/payments/DomainScadenzario.h"

#include "odbc/Database.h"
#include "orveldb/recordsets/AziendaSet.h"
#include "orveldblib/ProcedureId.h"
#include "orveldblib/TransactionGuard.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/base/Amounts.h"
#include "orvelmagdb/recordsets/payments/FormulaPagamentoSet.h"
#include "orvelmagdb/recordsets/payments/ScadenzaCompletaSet.h"
#include "orvelmagdb/recordsets/payments/ScadenzarioCompletoSet.h"
#include "orvelmagdb/recordsets/payments/ScadenzarioDocumentoSet.h"
#include "orvelmagdb/recordsets/payments/ScadenzarioSet.h"
#include "orvelmagdb/recordsets/payments/VoceFormulaPagamentoCompletaSet.h"

namespace {

CConfigAdministrator* Config()
{
    return CApplicationAdministrator::GetInstance()->GetConfig();
}

// A reference to another row: values not above 0 are stored as NULL.
void WriteReference(CRecordset& rs, long& field, long value)
{
    if (value > 0) {
        rs.SetFieldNull(&field, FALSE);
        field = value;
    } else {
        rs.SetFieldNull(&field);
    }
}

void WriteLong(CRecordset& rs, long& field, long value)
{
    rs.SetFieldNull(&field, FALSE);
    field = value;
}

long ReadReference(CRecordset& rs, long& field)
{
    return rs.IsFieldNull(&field) ? -1 : field;
}

COleDateTime FirstOfNextMonth(const COleDateTime& date)
{
    const int month = date.GetMonth();
    return month == 12 ? COleDateTime(date.GetYear() + 1, 1, 1, 0, 0, 0)
                       : COleDateTime(date.GetYear(), month + 1, 1, 0, 0, 0);
}

bool SameMonth(const COleDateTime& a, const COleDateTime& b)
{
    return a.GetStatus() == COleDateTime::valid && b.GetStatus() == COleDateTime::valid &&
           a.GetYear() == b.GetYear() && a.GetMonth() == b.GetMonth();
}

}  // namespace

CDomainScadenzario::CDomainScadenzario(CDatabase* pDatabase)
    : CDomainClass(pDatabase),
      m_nPrecisioneTotali(Config()->GetParamAsInt("precisione/totali")),
      ID(-1),
      ID_COLLABORATORE(-1),
      DATA_MOVIMENTO(COleDateTime::GetCurrentTime()),
      ANNO(-1),
      ID_SOGGETTO(-1),
      CHIUSO(0),
      ID_FORMULA_PAGAMENTO(Config()->GetParamAsLong("default/documento/formulapagamento")),
      F_ATTIVO(Config()->GetParamAsLong("default/scadenzario/passivoattivo")),
      SOC_ID(CApplicationAdministrator::GetInstance()->GetUser()->Get_ID_SOCIETA()),
      NUMERO_SCADENZE(0),
      SCADENZE(pDatabase),
      DOCUMENTI(pDatabase)
{
}

CDomainScadenzario::CDomainScadenzario(const CDomainScadenzario& other) = default;

CDomainScadenzario& CDomainScadenzario::operator=(const CDomainScadenzario& other) = default;

CDomainScadenzario::~CDomainScadenzario() = default;

Decimal CDomainScadenzario::Get_IMPORTO_TOTALE() const
{
    return IMPORTO_IMPONIBILE + IMPORTO_IVA;
}

Decimal CDomainScadenzario::Get_IMPORTO_RESIDUO() const
{
    return Get_IMPORTO_TOTALE() - SCADENZE.Get_TOTALE_SCADENZE();
}

CDomainScadenza CDomainScadenzario::SCADENZE_GetByID(long id) const
{
    for (INT_PTR i = 0; i < SCADENZE.GetSize(); ++i)
        if (SCADENZE.GetAt(i).Get_ID() == id)
            return SCADENZE.GetAt(i);
    return CDomainScadenza();
}

void CDomainScadenzario::SCADENZE_Set(const CDomainListaScadenze& scadenze)
{
    SCADENZE = scadenze;
    NUMERO_SCADENZE = static_cast<long>(SCADENZE.GetSize());
}

// ---- Loading ----

bool CDomainScadenzario::FromRecordset(CScadenzarioCompletoSet& rs)
{
    ID = rs.ID;
    DESCRIZIONE = rs.DESCRIZIONE;
    From_TIMESTAMP_STRUCT_To_COleDateTime(rs.DATA_MOVIMENTO, DATA_MOVIMENTO);
    ANNO = rs.ANNO;
    CHIUSO = rs.CHIUSO;
    F_ATTIVO = rs.F_ATTIVO;
    Set_IMPORTO_IMPONIBILE(Decimal(rs.IMPORTO_IMPONIBILE, 127));
    Set_IMPORTO_IVA(Decimal(rs.IMPORTO_IVA, 127));
    NOTA = rs.NOTA;
    SOC_ID = rs.SOC_ID;
    SOC_NOME = rs.SOC_NOME;
    SOC_RAGIONE_SOCIALE = rs.SOC_RAGIONE_SOCIALE;
    NUMERO_SCADENZE = rs.NUM_SCADENZE;
    ID_SOGGETTO = ReadReference(rs, rs.ID_SOGGETTO);
    SOGGETTO = ID_SOGGETTO == -1 ? CString() : rs.SOGGETTO;
    ID_FORMULA_PAGAMENTO = ReadReference(rs, rs.ID_FORMULA_PAGAMENTO);
    DESCRIZIONE_FORMULA_PAGAMENTO = ID_FORMULA_PAGAMENTO == -1 ? CString() : rs.FORMULA_PAGAMENTO;
    ID_COLLABORATORE = ReadReference(rs, rs.ID_COLLABORATORE);
    return true;
}

bool CDomainScadenzario::FromRecordset(CScadenzarioSet& rs)
{
    ID = rs.ID;
    DESCRIZIONE = rs.DESCRIZIONE;
    From_TIMESTAMP_STRUCT_To_COleDateTime(rs.DATA_MOVIMENTO, DATA_MOVIMENTO);
    ANNO = DATA_MOVIMENTO.GetYear();
    CHIUSO = rs.F_CHIUSO;
    F_ATTIVO = rs.F_ATTIVO;
    Set_IMPORTO_IMPONIBILE(Decimal(rs.IMPORTO_IMPONIBILE, 127));
    Set_IMPORTO_IVA(Decimal(rs.IMPORTO_IVA, 127));
    NOTA = rs.NOTA;
    SOC_ID = rs.ID_SOCIETA;
    NUMERO_SCADENZE = rs.NUMERO_SCADENZE;
    ID_SOGGETTO = ReadReference(rs, rs.ID_SOGGETTO);
    ID_FORMULA_PAGAMENTO = ReadReference(rs, rs.ID_FORMULA_PAGAMENTO);
    ID_COLLABORATORE = ReadReference(rs, rs.ID_COLLABORATORE);
    SOGGETTO.Empty();
    DESCRIZIONE_FORMULA_PAGAMENTO.Empty();
    SOC_NOME.Empty();
    SOC_RAGIONE_SOCIALE.Empty();
    return true;
}

bool CDomainScadenzario::DB_Load()
{
    if (ID <= 0)
        return false;
    const bool found = ReportDBErrors([&] {
        CScadenzarioCompletoSet rs(GetDatabase());
        rs.m_strFilter.Format("ID = %ld", ID);
        rs.Open();
        if (rs.IsEOF())
            return false;
        FromRecordset(rs);
        rs.Close();
        return true;
    });
    if (!found)
        return false;
    const bool scadenze = DB_Load_SCADENZE();
    const bool documenti = DB_Load_DOCUMENTI();
    return scadenze && documenti;
}

// Appends the stored instalments, in the order the schedule keeps them, each with its bills.
bool CDomainScadenzario::DB_Load_SCADENZE()
{
    if (ID <= 0)
        return false;
    return ReportDBErrors([&] {
        CScadenzaCompletaSet rs(GetDatabase());
        rs.m_strFilter.Format("SCAD_ID = %ld", ID);
        rs.m_strSort = "SCA_DATA_SCADENZA, SCA_NUMERO";
        rs.Open();
        CDomainScadenza scadenza(GetDatabase());
        for (; !rs.IsEOF(); rs.MoveNext()) {
            scadenza.FromRecordset(rs);
            if (!scadenza.DB_Load_EFFETTI())
                return false;
            SCADENZE.Add(scadenza);
        }
        rs.Close();
        return true;
    });
}

bool CDomainScadenzario::DB_Load_DOCUMENTI()
{
    return ReportDBErrors([&] {
        CScadenzarioDocumentoSet rs(GetDatabase());
        rs.m_strFilter.Format("ID_SCADENZARIO = %d", static_cast<int>(ID));
        rs.Open();
        for (; !rs.IsEOF(); rs.MoveNext())
            DOCUMENTI.Add(rs.ID_DOCUMENTO, static_cast<int>(rs.F_RIPORTA_IN_DOCUMENTO));
        rs.Close();
        return true;
    });
}

bool CDomainScadenzario::DB_Load_SOGGETTO(bool formula, bool direzione)
{
    if (ID_SOGGETTO <= 0)
        return false;
    return ReportDBErrors([&] {
        CAziendaSet rs(GetDatabase());
        rs.m_strFilter.Format("ID = %ld", ID_SOGGETTO);
        rs.Open();
        if (!rs.IsEOF()) {
            SOGGETTO = rs.RAGIONESOCIALE;
            if (formula)
                ID_FORMULA_PAGAMENTO = rs.IsFieldNull(&rs.ID_FORMULA_PAGAMENTO)
                                           ? Config()->GetParamAsLong("default/documento/formulapagamento")
                                           : rs.ID_FORMULA_PAGAMENTO;
            // The partner's relation: a customer owes us (receivable), we owe a supplier.
            if (direzione && rs.F_TIPO_RAPPORTO == 1)
                F_ATTIVO = 1;
            else if (direzione && rs.F_TIPO_RAPPORTO == 2)
                F_ATTIVO = -1;
        }
        rs.Close();
        return true;
    });
}

// ---- Saving ----

bool CDomainScadenzario::DB_Update(EDB_Operation op)
{
    return ReportDBErrors([&] {
        CTransactionGuard guard(*this);
        if (!DB_Update_SCADENZARIO(op))
            return false;
        SCADENZE.SetTransController(false);
        if (!DB_Update_SCADENZE(op))
            return false;
        DOCUMENTI.SetTransController(false);
        if (!DB_Update_DOCUMENTI(op))
            return false;
        guard.Commit();
        return true;
    });
}

bool CDomainScadenzario::DB_Update_SCADENZARIO(EDB_Operation op)
{
    return ReportDBErrors([&] {
        CScadenzarioSet rs(GetDatabase());
        rs.m_strFilter.Format("ID = %ld", ID);
        rs.Open();
        if (op == DB_OPERATION_ADDNEW) {
            CProcedureId newId(GetDatabase());
            newId.Open("GET_ID_SCADENZARIO", 1, nullptr, 0);
            ID = newId.m_ID;
            newId.Close();
            rs.AddNew();
            rs.ID = ID;
        } else {
            rs.Edit();
        }
        WriteLong(rs, rs.ID_SOCIETA, SOC_ID);
        From_COleDateTime_To_TIMESTAMP_STRUCT(DATA_MOVIMENTO, rs.DATA_MOVIMENTO);
        rs.DESCRIZIONE = DESCRIZIONE;
        rs.IMPORTO_IMPONIBILE = ToStoredText(IMPORTO_IMPONIBILE);
        rs.IMPORTO_IVA = ToStoredText(IMPORTO_IVA);
        WriteLong(rs, rs.F_ATTIVO, F_ATTIVO);
        rs.NOTA = NOTA;
        WriteLong(rs, rs.F_CHIUSO, CHIUSO);
        // The row counts the instalments being saved, not the count last loaded or generated.
        WriteLong(rs, rs.NUMERO_SCADENZE, static_cast<long>(SCADENZE.GetSize()));
        WriteReference(rs, rs.ID_FORMULA_PAGAMENTO, ID_FORMULA_PAGAMENTO);
        WriteReference(rs, rs.ID_SOGGETTO, ID_SOGGETTO);
        WriteReference(rs, rs.ID_COLLABORATORE, ID_COLLABORATORE);
        rs.Update();
        rs.Close();

        for (INT_PTR i = 0; i < SCADENZE.GetSize(); ++i)
            SCADENZE.ElementAt(i).Set_ID_SCADENZARIO(ID);
        return true;
    });
}

bool CDomainScadenzario::DB_Update_SCADENZE(EDB_Operation op)
{
    switch (op) {
    case DB_OPERATION_ADDNEW:
        return SCADENZE.DB_AddNew();
    case DB_OPERATION_EDIT:
        return SCADENZE.DB_Edit();
    default:
        return SCADENZE.DB_Delete();
    }
}

// An edit replaces every link of the schedule; an insert only adds them.
bool CDomainScadenzario::DB_Update_DOCUMENTI(EDB_Operation op)
{
    return ReportDBErrors([&] {
        if (op == DB_OPERATION_EDIT) {
            CString sql;
            sql.Format("DELETE FROM SCADENZARIO_DOCUMENTO WHERE ID_SCADENZARIO = %ld", ID);
            GetDatabase()->ExecuteSQL(sql);
        }
        CScadenzarioDocumentoSet rs(GetDatabase());
        rs.m_strFilter.Format("ID_SCADENZARIO = %d", static_cast<int>(ID));
        rs.Open();
        for (INT_PTR i = 0; i < DOCUMENTI.GetSize(); ++i) {
            rs.AddNew();
            rs.ID_SCADENZARIO = ID;
            rs.ID_DOCUMENTO = DOCUMENTI[i].Get_ID();
            WriteLong(rs, rs.F_RIPORTA_IN_DOCUMENTO, DOCUMENTI[i].Get_F_RIPORTA_IN_DOCUMENTO());
            rs.Update();
        }
        rs.Close();
        return true;
    });
}

// ---- Generation from a payment formula ----

int CDomainScadenzario::GetLastDayOfTheMonth(int month, int year)
{
    switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2: {
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        return leap ? 29 : 28;
    }
    default:
        return 31;
    }
}

void CDomainScadenzario::FitScadenzaInWeek(COleDateTime& data, int giornoDa, int giornoA, bool indietro)
{
    if (data.GetStatus() != COleDateTime::valid || giornoDa < 0 || giornoDa > giornoA || giornoA > 6)
        return;
    const COleDateTimeSpan giorno(1, 0, 0, 0);
    // GetDayOfWeek counts from Sunday (1); the weekday index counts from Monday (0).
    for (int indice = (data.GetDayOfWeek() + 5) % 7; indice < giornoDa || indice > giornoA;
         indice = (data.GetDayOfWeek() + 5) % 7)
        data = indietro ? data - giorno : data + giorno;
}

bool CDomainScadenzario::GeneraScadenze(long idFormula, int giornoDa, int giornoA, bool unaPerMese)
{
    return ReportDBErrors([&] {
        {
            CFormulaPagamentoSet formula(GetDatabase());
            formula.m_strFilter.Format("ID = %d", static_cast<int>(idFormula));
            formula.Open();
            const bool exists = !formula.IsEOF();
            formula.Close();
            if (!exists) {
                AfxMessageBox("ATTENZIONE\nLa formula di pagamento fornita è inesistente.", MB_ICONEXCLAMATION, 0);
                return false;
            }
        }

        CDomainScadenza scadenza(GetDatabase());
        const Decimal residuo = Get_IMPORTO_RESIDUO();
        Decimal assegnato(0L);
        COleDateTime precedente(0.0);
        const INT_PTR primaNuova = SCADENZE.GetSize();

        CVoceFormulaPagamentoCompletaSet voci(GetDatabase());
        voci.m_strFilter.Format("ID_FORMULA_PAGAMENTO = %d", static_cast<int>(idFormula));
        voci.m_strSort = "GIORNI";
        voci.Open();
        for (long k = 0; !voci.IsEOF(); voci.MoveNext(), ++k) {
            scadenza.Set_ID_SCADENZARIO(ID);
            scadenza.Set_DESCRIZIONE_SCADENZARIO(DESCRIZIONE);
            scadenza.Set_DATA_SCADENZARIO(DATA_MOVIMENTO);
            scadenza.Set_DATA_REGISTRAZIONE(DATA_MOVIMENTO);
            scadenza.Set_F_ATTIVA(F_ATTIVO);
            scadenza.Set_ID_SOGGETTO(ID_SOGGETTO);
            scadenza.Set_SOGGETTO(SOGGETTO);
            scadenza.Set_NUMERO(static_cast<long>(primaNuova) + 1 + k);

            // Days are counted from the schedule's date, keeping its time of day; an end-of-month
            // line takes the month's last day at midnight. Only the end-of-month flag 1 moves a
            // date outside the allowed weekdays backwards, into the same month.
            COleDateTime scade = DATA_MOVIMENTO + COleDateTimeSpan(voci.GIORNI, 0, 0, 0);
            for (;;) {
                if (voci.F_FINE_MESE != 0 && scade.GetStatus() == COleDateTime::valid)
                    scade = COleDateTime(scade.GetYear(), scade.GetMonth(),
                                         GetLastDayOfTheMonth(scade.GetMonth(), scade.GetYear()), 0, 0, 0);
                FitScadenzaInWeek(scade, giornoDa, giornoA, voci.F_FINE_MESE == 1);
                if (!unaPerMese || !SameMonth(scade, precedente))
                    break;
                scade = FirstOfNextMonth(scade);
            }
            precedente = scade;
            scadenza.Set_DATA_SCADENZA(scade);
            scadenza.Set_F_EVASA(0);

            const Decimal importo = Amounts::Rounded(Amounts::PercentOf(residuo, Decimal(voci.PERCENTUALE, 127)),
                                                     m_nPrecisioneTotali);
            scadenza.Set_IMPORTO(importo);
            assegnato += importo;

            // A line without a payment type keeps the one of the line before.
            if (!voci.IsFieldNull(&voci.ID_TIPO_PAGAMENTO)) {
                scadenza.Set_ID_TIPO_PAGAMENTO(voci.ID_TIPO_PAGAMENTO);
                scadenza.Set_DESCRIZIONE_TIPO_PAGAMENTO(voci.DESCRIZIONE_TIPO_PAGAMENTO);
            }
            scadenza.Set_NOTA("generata con condizioni di pagamento:\r\n" + voci.DESCRIZIONE_FORMULA_PAGAMENTO);
            SCADENZE.Add(scadenza);
        }
        voci.Close();
        NUMERO_SCADENZE = static_cast<long>(SCADENZE.GetSize());

        // The first new instalment takes what the rounded percentages left over, or the shortfall
        // or excess of percentages that do not add up to 100, so the new instalments always add
        // up to the amount that was split.
        const Decimal differenza = residuo - assegnato;
        if (SCADENZE.GetSize() > primaNuova && differenza != Decimal(0L)) {
            CDomainScadenza& prima = SCADENZE.ElementAt(primaNuova);
            prima.Set_IMPORTO(prima.Get_IMPORTO() + differenza);
        }
        return true;
    });
}
