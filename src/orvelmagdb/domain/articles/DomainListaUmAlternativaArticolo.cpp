// The alternative units of one article: list handling, loading and the replace-all save.
#include "orvelmagdb/domain/articles/DomainListaUmAlternativaArticolo.h"

#include "odbc/Database.h"
#include "orvelmagdb/recordsets/articles/ArticoloUmAlternativaSet.h"

CDomainListaUmAlternativaArticolo::CDomainListaUmAlternativaArticolo(CDatabase* pDatabase)
    : CDomainClass(pDatabase)
{
}

CDomainListaUmAlternativaArticolo::~CDomainListaUmAlternativaArticolo() = default;

void CDomainListaUmAlternativaArticolo::SetArticolo(const CString& id)
{
    m_strArticolo = id;
    for (INT_PTR i = 0; i < m_array.GetSize(); ++i)
        m_array[i].Set_ID_ARTICOLO(id);
}

CDomainArticoloUmAlternativa& CDomainListaUmAlternativaArticolo::GetAt(int index)
{
    return m_array.GetAt(index);
}

const CDomainArticoloUmAlternativa& CDomainListaUmAlternativaArticolo::GetAt(int index) const
{
    return m_array.GetAt(index);
}

void CDomainListaUmAlternativaArticolo::SetAt(int index, const CDomainArticoloUmAlternativa& element)
{
    m_array.SetAt(index, element);
}

int CDomainListaUmAlternativaArticolo::Search(const CString& unit, int start) const
{
    if (start < 0)
        start = 0;
    for (int i = start; i < GetCount(); ++i) {
        if (m_array[i].Get_ID_UNITA_MISURA() == unit)
            return i;
    }
    return -1;
}

int CDomainListaUmAlternativaArticolo::Add(const CDomainArticoloUmAlternativa& element)
{
    if (Search(element.Get_ID_UNITA_MISURA(), 0) >= 0)
        return -1;
    return static_cast<int>(m_array.Add(element));
}

bool CDomainListaUmAlternativaArticolo::DB_Load()
{
    CArticoloUmAlternativaSet rs(GetDatabase());
    rs.m_strFilter.Format(" ( ID_ARTICOLO = '%s' ) ", (LPCTSTR)SetFilterParam(m_strArticolo));
    rs.m_strSort = "ID_UNITA_MISURA";
    rs.Open();
    // Rows are appended as they are: the table's key already keeps units unique per article.
    while (!rs.IsEOF()) {
        CDomainArticoloUmAlternativa element(GetDatabase());
        element.FromRecordset(rs);
        m_array.Add(element);
        rs.MoveNext();
    }
    rs.Close();
    return true;
}

bool CDomainListaUmAlternativaArticolo::DB_Update(EDB_Operation op)
{
    if (op == DB_OPERATION_EDIT || op == DB_OPERATION_DELETE) {
        CString sql;
        sql.Format("DELETE FROM ARTICOLO_UM_ALTERNATIVA WHERE ID_ARTICOLO = '%s'", (LPCTSTR)SetFilterParam(m_strArticolo));
        GetDatabase()->ExecuteSQL(sql);
    }
    CArticoloUmAlternativaSet rs(GetDatabase());
    rs.m_strFilter = "ID_ARTICOLO IS NULL";
    rs.Open();
    for (INT_PTR i = 0; i < m_array.GetSize(); ++i) {
        rs.AddNew();
        m_array[i].ToRecordset(rs);
        rs.Update();
    }
    rs.Close();
    return true;
}
