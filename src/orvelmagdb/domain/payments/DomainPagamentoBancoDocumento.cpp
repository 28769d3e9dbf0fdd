// The till payments of a document: loaded by appending, saved by adding (insert) or replacing
// (edit) the document's PAGAMENTO_BANCO rows. Database errors pass to the caller.
#include "orvelmagdb/domain/payments/DomainPagamentoBancoDocumento.h"

#include "odbc/Database.h"
#include "orvelmagdb/recordsets/payments/PagamentoBancoSet.h"

CDomainPagamentoBancoDocumento::CDomainPagamentoBancoDocumento(CDatabase* pDatabase)
    : CDomainClass(pDatabase), ID_DOCUMENTO(-1)
{
}

CDomainPagamentoBancoDocumento::CDomainPagamentoBancoDocumento(const CDomainPagamentoBancoDocumento& other) = default;
CDomainPagamentoBancoDocumento& CDomainPagamentoBancoDocumento::operator=(
    const CDomainPagamentoBancoDocumento& other) = default;
CDomainPagamentoBancoDocumento::~CDomainPagamentoBancoDocumento() = default;

int CDomainPagamentoBancoDocumento::Add(const CDomainPagamentoBanco& pagamento)
{
    return static_cast<int>(m_pagamenti.Add(pagamento));
}

void CDomainPagamentoBancoDocumento::RemoveAll()
{
    m_pagamenti.RemoveAll();
}

bool CDomainPagamentoBancoDocumento::DB_Load()
{
    if (ID_DOCUMENTO <= 0)
        return false;
    CPagamentoBancoSet rs(GetDatabase());
    rs.m_strFilter.Format("ID_DOCUMENTO = %ld", ID_DOCUMENTO);
    rs.m_strSort = "ID_TIPO_PAGAMENTO DESC";
    rs.Open();
    for (; !rs.IsEOF(); rs.MoveNext()) {
        CDomainPagamentoBanco pagamento(GetDatabase());
        pagamento.FromRecordSet(rs);
        m_pagamenti.Add(pagamento);
    }
    rs.Close();
    return true;
}

bool CDomainPagamentoBancoDocumento::DB_Update(EDB_Operation op)
{
    if (ID_DOCUMENTO <= 0)
        return false;
    if (op == DB_OPERATION_EDIT || op == DB_OPERATION_DELETE) {
        CString sql;
        sql.Format("DELETE FROM PAGAMENTO_BANCO WHERE ID_DOCUMENTO = %ld", ID_DOCUMENTO);
        GetDatabase()->ExecuteSQL(sql);
    }
    if (op == DB_OPERATION_DELETE)
        return true;
    CPagamentoBancoSet rs(GetDatabase());
    rs.m_strFilter.Format("ID_DOCUMENTO = %ld", ID_DOCUMENTO);
    rs.Open();
    for (INT_PTR i = 0; i < m_pagamenti.GetSize(); ++i) {
        rs.AddNew();
        m_pagamenti[i].ToRecordSet(rs);
        rs.ID_DOCUMENTO = ID_DOCUMENTO;
        rs.Update();
    }
    rs.Close();
    return true;
}
