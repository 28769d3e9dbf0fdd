// Warehouse document: its detail, and its lines stored through the marker column.
#include "orvelmagdb/domain/documents/DomainDocumentoMagazzino.h"

#include "odbc/Database.h"
#include "orvelmagdb/domain/documents/DomainDettaglioDocumentoMagazzino.h"
#include "orvelmagdb/domain/documents/DomainVoceDocumentoMagazzino.h"
#include "orvelmagdb/recordsets/documentlines/VociDocumentoOperSet.h"
#include "orvelmagdb/recordsets/documentlines/VociDocumentoSet.h"

CDomainDocumentoMagazzino::CDomainDocumentoMagazzino(CDatabase* pDatabase) : CDomainDocumento(pDatabase)
{
    DETTAGLIO = std::make_unique<CDomainDettaglioDocumentoMagazzino>(pDatabase);
}

CDomainDocumentoMagazzino::CDomainDocumentoMagazzino(const CDomainDocumentoMagazzino& other) = default;

CDomainDocumentoMagazzino& CDomainDocumentoMagazzino::operator=(const CDomainDocumentoMagazzino& other) = default;

CDomainDocumentoMagazzino::~CDomainDocumentoMagazzino() = default;

CDomainDocumento* CDomainDocumentoMagazzino::Clone() const
{
    return new CDomainDocumentoMagazzino(*this);
}

bool CDomainDocumentoMagazzino::DB_DeleteDocumento()
{
    CString sql;
    sql.Format("{call ELIMINA_DOCUMENTO(%ld)}", ID);
    GetDatabase()->ExecuteSQL(sql);
    return true;
}

bool CDomainDocumentoMagazzino::Load_DETTAGLIO()
{
    DETTAGLIO->RemoveAll();
    CVociDocumentoSet rs(GetDatabase());
    rs.m_strFilter.Format("ID_DOCUMENTO = %ld", ID);
    rs.m_strSort = "NRIGA, ID";
    rs.Open();
    for (; !rs.IsEOF(); rs.MoveNext()) {
        CDomainVoceDocumentoMagazzino voce(GetDatabase());
        voce.FromRecordset(rs);
        DETTAGLIO->Add(&voce, false);
    }
    rs.Close();
    return true;
}

// A line whose stored row is gone (deleted meanwhile by someone else) is written again as a new
// row; the database gives a new row its id, the line object keeps the one it had. Reference
// lines, held in the base line kind, are written through a warehouse line copied from them.
bool CDomainDocumentoMagazzino::Update_DETTAGLIO(EDB_Operation op)
{
    if (op == DB_OPERATION_DELETE)
        return true;
    CString sql;
    if (op == DB_OPERATION_EDIT) {
        sql.Format("UPDATE VOCI_DOCUMENTO SET MARCATORE = 0 WHERE ID_DOCUMENTO = %ld", ID);
        GetDatabase()->ExecuteSQL(sql);
    }
    CVociDocumentoOperSet rs(GetDatabase());
    rs.m_strFilter = "ID = -1";
    rs.Open();
    for (int i = 0; i < DETTAGLIO->GetSize(); ++i) {
        const CDomainVoceDocumento* voce = DETTAGLIO->GetAt(i);
        bool found = false;
        if (voce->Get_ID() > 0) {
            rs.m_strFilter.Format("(ID = %ld) AND (ID_DOCUMENTO = %ld) ", voce->Get_ID(), ID);
            rs.Requery();
            found = !rs.IsEOF();
        }
        if (found)
            rs.Edit();
        else
            rs.AddNew();
        if (const auto* line = dynamic_cast<const CDomainVoceDocumentoMagazzino*>(voce)) {
            line->ToRecordset(rs);
        } else {
            CDomainVoceDocumentoMagazzino copy(GetDatabase());
            copy = *voce;
            copy.ToRecordset(rs);
        }
        CopyHeaderToLine(rs);
        rs.SetFieldNull(&rs.C_F_MOVIMENTA_CARBURANTE, FALSE);
        rs.C_F_MOVIMENTA_CARBURANTE = CAUSALE.Get_F_MOVIMENTA_CARBURANTE();
        rs.Update();
    }
    rs.Close();
    if (op == DB_OPERATION_EDIT) {
        sql.Format("DELETE FROM VOCI_DOCUMENTO_OPER WHERE (ID_DOCUMENTO = %ld) AND (MARCATORE = 0)", ID);
        GetDatabase()->ExecuteSQL(sql);
    }
    return true;
}
