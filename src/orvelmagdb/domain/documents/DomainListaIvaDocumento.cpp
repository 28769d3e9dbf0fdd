// A document's VAT summary: adding contributions by code and writing the rows of one document.
#include "orvelmagdb/domain/documents/DomainListaIvaDocumento.h"

#include "odbc/DBException.h"
#include "odbc/Database.h"
#include "orvelmagdb/recordsets/documents/IvaDocumentoSet.h"

CDomainListaIvaDocumento::CDomainListaIvaDocumento(CDatabase* pDatabase)
    : CDomainClass(pDatabase), ID_DOCUMENTO(-1)
{
}

CDomainListaIvaDocumento::CDomainListaIvaDocumento(const CDomainListaIvaDocumento& other)
    : CDomainClass(other), CMapIva(), ID_DOCUMENTO(-1)
{
    CopyRows(other);
}

CDomainListaIvaDocumento& CDomainListaIvaDocumento::operator=(const CDomainListaIvaDocumento& other)
{
    if (this != &other) {
        CDomainClass::operator=(other);
        CopyRows(other);
    }
    return *this;
}

CDomainListaIvaDocumento::~CDomainListaIvaDocumento() = default;

// Every row of the source replaces the target's row of the same code; the target's other rows stay.
void CDomainListaIvaDocumento::CopyRows(const CDomainListaIvaDocumento& other)
{
    CString code;
    CDomainIvaDocumento row;
    for (POSITION pos = other.GetStartPosition(); pos != nullptr;) {
        other.GetNextAssoc(pos, code, row);
        (*this)[code].CopyData(row);
    }
    ID_DOCUMENTO = other.ID_DOCUMENTO;
}

bool CDomainListaIvaDocumento::Add(const char* idIva, const Decimal& imponibile, const Decimal& iva)
{
    CDomainIvaDocumento row(GetDatabase());
    if (!Lookup(idIva, row)) {
        row.Set_ID_IVA(idIva);
        if (!row.DB_Load_IVA())
            return false;
    }
    row.Add_TOTALE_IMPONIBILE(imponibile);
    row.Add_TOTALE_IVA(iva);
    SetAt(idIva, row);
    return true;
}

bool CDomainListaIvaDocumento::DB_Update(EDB_Operation op)
{
    if (ID_DOCUMENTO < 1)
        return false;
    if (op == DB_OPERATION_DELETE)
        return true;
    return ReportDBErrorText([&] {
        if (op == DB_OPERATION_EDIT) {
            CString sql;
            sql.Format("DELETE FROM IVA_DOCUMENTO WHERE ID_DOCUMENTO = %ld", ID_DOCUMENTO);
            GetDatabase()->ExecuteSQL(sql);
        }
        if (IsEmpty())
            return true;
        CIvaDocumentoSet rs(GetDatabase());
        rs.m_strFilter.Format("ID_DOCUMENTO = %ld", ID_DOCUMENTO);
        rs.Open();
        CString code;
        CDomainIvaDocumento row;
        for (POSITION pos = GetStartPosition(); pos != nullptr;) {
            GetNextAssoc(pos, code, row);
            row.Set_ID_DOCUMENTO(ID_DOCUMENTO);
            rs.AddNew();
            row.ToRecordset(rs);
            rs.Update();
        }
        rs.Close();
        return true;
    });
}
