// Warehouse document: its detail, its lines stored through the marker column, and linking with
// the import of the other document's lines.
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

int CDomainDocumentoMagazzino::AssociaDocumento(const CDomainDocumento& doc, bool importa, bool flagAggiunta,
                                                bool riferimento)
{
    return AssociaConDettaglio(doc, importa, flagAggiunta, riferimento);
}

int CDomainDocumentoMagazzino::AssociaDocumento(const CDomainDocumentoAssociato& entry, bool importa,
                                                bool flagAggiunta, bool riferimento)
{
    return AssociaConDettaglio(entry, importa, flagAggiunta, riferimento);
}

int CDomainDocumentoMagazzino::AssociaDocumento(long id, bool importa, bool flagAggiunta, bool riferimento)
{
    return AssociaConDettaglio(id, importa, flagAggiunta, riferimento);
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
    return LoadVoci("NRIGA, ID");
}

bool CDomainDocumentoMagazzino::LoadVoci(const char* sort)
{
    DETTAGLIO->RemoveAll();
    CVociDocumentoSet rs(GetDatabase());
    rs.m_strFilter.Format("ID_DOCUMENTO = %ld", ID);
    rs.m_strSort = sort;
    rs.Open();
    for (; !rs.IsEOF(); rs.MoveNext()) {
        CDomainVoceDocumentoMagazzino voce(GetDatabase());
        voce.FromRecordset(rs);
        DETTAGLIO->Add(&voce, false);
    }
    rs.Close();
    return true;
}

// Reference lines, held in the base line kind, are written through a warehouse line copied from
// them.
bool CDomainDocumentoMagazzino::Update_DETTAGLIO(EDB_Operation op)
{
    UpdateMarkedLines<CVociDocumentoOperSet>(
        op, "(ID = %ld) AND (ID_DOCUMENTO = %ld) ",
        "DELETE FROM VOCI_DOCUMENTO_OPER WHERE (ID_DOCUMENTO = %ld) AND (MARCATORE = 0)",
        [this](CVociDocumentoOperSet& rs, int index) {
            const CDomainVoceDocumento* voce = DETTAGLIO->GetAt(index);
            if (const auto* line = dynamic_cast<const CDomainVoceDocumentoMagazzino*>(voce)) {
                line->ToRecordset(rs);
            } else {
                CDomainVoceDocumentoMagazzino copy(GetDatabase());
                copy = *voce;
                copy.ToRecordset(rs);
            }
            rs.SetFieldNull(&rs.C_F_MOVIMENTA_CARBURANTE, FALSE);
            rs.C_F_MOVIMENTA_CARBURANTE = CAUSALE.Get_F_MOVIMENTA_CARBURANTE();
        });
    return true;
}
