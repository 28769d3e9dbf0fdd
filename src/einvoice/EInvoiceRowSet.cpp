// CEInvoiceRowSet: a query of eight text columns, read whole.
#include "einvoice/EInvoiceRowSet.h"

CEInvoiceRowSet::CEInvoiceRowSet(CDatabase* pDatabase) : CRecordset(pDatabase)
{
    ORVEL_COLUMNS_CEInvoiceRowSet(ORVEL_RS_INIT)
    m_nFields = 0 ORVEL_COLUMNS_CEInvoiceRowSet(ORVEL_RS_COUNT);
    m_nDefaultType = snapshot;
}

CEInvoiceRowSet::~CEInvoiceRowSet() = default;

CString CEInvoiceRowSet::GetDefaultConnect()
{
    return ORVEL_CONNECT_ODBC;
}

// Every use gives its own SELECT; this one reads nothing.
CString CEInvoiceRowSet::GetDefaultSQL()
{
    return "SELECT NULL AS C1, NULL AS C2, NULL AS C3, NULL AS C4, NULL AS C5, NULL AS C6, NULL AS C7, NULL AS C8";
}

void CEInvoiceRowSet::DoFieldExchange(CFieldExchange* pFX)
{
    pFX->SetFieldType(CFieldExchange::outputColumn);
    ORVEL_COLUMNS_CEInvoiceRowSet(ORVEL_RS_BIND)
}

std::vector<CEInvoiceRowSet::Row> CEInvoiceRowSet::Rows(CDatabase& db, const CString& select)
{
    std::vector<Row> rows;
    CEInvoiceRowSet rs(&db);
    rs.Open(CRecordset::snapshot, select);
    for (; !rs.IsEOF(); rs.MoveNext())
        rows.push_back({rs.C1.GetString(), rs.C2.GetString(), rs.C3.GetString(), rs.C4.GetString(),
                        rs.C5.GetString(), rs.C6.GetString(), rs.C7.GetString(), rs.C8.GetString()});
    rs.Close();
    return rows;
}
