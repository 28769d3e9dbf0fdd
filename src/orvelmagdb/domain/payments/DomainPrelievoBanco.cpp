// Cash withdrawals: the row mapping, and load and save of the row with its coin counts. Database
// errors pass to the caller, who owns the transaction.
#include "orvelmagdb/domain/payments/DomainPrelievoBanco.h"

#include "odbc/Database.h"
#include "orveldblib/ProcedureId.h"
#include "orvelmagdb/base/Amounts.h"
#include "orvelmagdb/recordsets/payments/PrelievoBancoMonetaSet.h"
#include "orvelmagdb/recordsets/payments/PrelievoBancoSet.h"

CDomainPrelievoBanco::CDomainPrelievoBanco(CDatabase* pDatabase)
    : CDomainClass(pDatabase), ID(-1), ID_SOCIETA(-1), ID_COLLABORATORE(-1)
{
    DATA.SetStatus(COleDateTime::null);
}

CDomainPrelievoBanco::CDomainPrelievoBanco(const CDomainPrelievoBanco& other) = default;
CDomainPrelievoBanco& CDomainPrelievoBanco::operator=(const CDomainPrelievoBanco& other) = default;
CDomainPrelievoBanco::~CDomainPrelievoBanco() = default;

void CDomainPrelievoBanco::SetArrayPezzoMoneta(const CDomainArrayPezzoMoneta& monete)
{
    m_monete.Copy(monete);
}

void CDomainPrelievoBanco::FromRecordSet(const CPrelievoBancoSet& rs)
{
    ID = rs.ID;
    ID_SOCIETA = rs.ID_SOCIETA;
    ID_POSTAZIONE = rs.ID_POSTAZIONE;
    VALORE = Amounts::Rounded(Decimal(rs.VALORE, 127), 2);
    DATA = rs.DATA;
    // The framework's IsFieldNull is not const, though it only reads the row's NULL marks.
    auto& row = const_cast<CPrelievoBancoSet&>(rs);
    ID_COLLABORATORE = row.IsFieldNull(&row.ID_COLLABORATORE) ? -1 : rs.ID_COLLABORATORE;
}

void CDomainPrelievoBanco::ToRecordSet(CPrelievoBancoSet& rs) const
{
    rs.SetFieldNull(&rs.ID, FALSE);
    rs.ID = ID;
    rs.SetFieldNull(&rs.ID_SOCIETA, FALSE);
    rs.ID_SOCIETA = ID_SOCIETA;
    rs.ID_POSTAZIONE = ID_POSTAZIONE;
    rs.SetFieldNull(&rs.VALORE, FALSE);
    rs.VALORE = ToStoredText(VALORE);
    // A date that is not valid goes in as NULL.
    rs.DATA = DATA;
    if (ID_COLLABORATORE < 0) {
        rs.SetFieldNull(&rs.ID_COLLABORATORE);
    } else {
        rs.SetFieldNull(&rs.ID_COLLABORATORE, FALSE);
        rs.ID_COLLABORATORE = ID_COLLABORATORE;
    }
}

bool CDomainPrelievoBanco::DB_Load()
{
    CPrelievoBancoSet rs(GetDatabase());
    rs.m_strFilter.Format("ID = %ld", ID);
    rs.Open();
    if (rs.IsEOF())
        return false;
    FromRecordSet(rs);
    rs.Close();

    // Kind and count only: a piece keeps the face value its constructor gives it.
    CPrelievoBancoMonetaSet coins(GetDatabase());
    coins.m_strFilter.Format("ID_PRELIEVO = %ld", ID);
    coins.Open();
    for (; !coins.IsEOF(); coins.MoveNext()) {
        CDomainPezzoMoneta piece(GetDatabase());
        piece.Set_ID_PEZZO_MONETA(coins.ID_PEZZO_MONETA);
        piece.Set_NUMERO_MONETE(coins.NUMERO);
        m_monete.Add(piece);
    }
    coins.Close();
    return true;
}

bool CDomainPrelievoBanco::DB_Update(EDB_Operation op)
{
    CString sql;
    if (op == DB_OPERATION_EDIT || op == DB_OPERATION_DELETE) {
        sql.Format("DELETE FROM PRELIEVO_BANCO_MONETA WHERE ID_PRELIEVO = %ld", ID);
        GetDatabase()->ExecuteSQL(sql);
    }
    if (op == DB_OPERATION_ADDNEW) {
        CProcedureId newId(GetDatabase());
        newId.Open("GET_ID_PRELIEVO_BANCO", 1, nullptr, 0);
        ID = newId.m_ID;
        newId.Close();
    }

    CPrelievoBancoSet rs(GetDatabase());
    rs.m_strFilter.Format("ID = %ld", ID);
    rs.Open();
    if (op == DB_OPERATION_DELETE) {
        // Nothing to delete is not an error: the withdrawal is gone either way.
        if (!rs.IsEOF())
            rs.Delete();
        rs.Close();
        return true;
    }
    if (op == DB_OPERATION_ADDNEW)
        rs.AddNew();
    else
        rs.Edit();
    ToRecordSet(rs);
    rs.Update();
    rs.Close();

    CPrelievoBancoMonetaSet coins(GetDatabase());
    coins.m_strFilter.Format("ID_PRELIEVO = %ld", ID);
    coins.Open();
    for (int i = 0; i < m_monete.GetSize(); ++i) {
        const CDomainPezzoMoneta& piece = m_monete.GetAt(i);
        coins.AddNew();
        coins.ID_PRELIEVO = ID;
        coins.ID_PEZZO_MONETA = piece.Get_ID_PEZZO_MONETA();
        coins.NUMERO = piece.Get_NUMERO_MONETE();
        coins.Update();
    }
    coins.Close();
    return true;
}
