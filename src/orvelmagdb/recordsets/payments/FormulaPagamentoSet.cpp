// CFormulaPagamentoSet: columns, table and defaults come from the catalogue; the collection
// expenses are computed on the current row.
#include "orvelmagdb/recordsets/payments/FormulaPagamentoSet.h"

#include "orveldblib/ODBCRecordset.h"

ORVEL_RECORDSET_IMPLEMENT(CFormulaPagamentoSet)

Decimal CFormulaPagamentoSet::GetSpeseIncasso()
{
    Decimal spese(SPESE_INCASSO, 127);
    if (F_SPESE_INCASSO_TOTALE != 0)
        return spese;

    // The expense applies to each instalment the formula makes, one per line.
    CString sql;
    sql.Format("SELECT COUNT(1) AS NUMERO FROM VOCE_FORMULA_PAGAMENTO WHERE ID_FORMULA_PAGAMENTO = %ld", ID);
    CODBCRecordset rs(m_pDatabase);
    rs.Open(sql, AFX_DB_USE_DEFAULT_TYPE, CRecordset::none);
    long righe = 0;
    if (!rs.IsEOF() && !rs.Field(0)->IsNull())
        righe = rs.Field(0)->AsLong();
    rs.Close();
    spese *= Decimal(righe);
    return spese;
}
