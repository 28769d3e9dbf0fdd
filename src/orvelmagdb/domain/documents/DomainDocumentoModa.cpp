// Fashion document: its detail, its fashion lines stored through the marker column with the row
// number of repeated garments, its delete procedure, and linking with the import of lines.
#include "orvelmagdb/domain/documents/DomainDocumentoModa.h"

#include "odbc/Database.h"
#include "orvelmagdb/domain/documents/DomainDettaglioDocumentoModa.h"
#include "orvelmagdb/domain/documents/DomainVoceDocumentoModa.h"
#include "orvelmagdb/recordsets/documentlines/VociDocumentoModaOperSet.h"
#include "orvelmagdb/recordsets/documentlines/detail/VociDocumentoModaLoadSet.h"

CDomainDocumentoModa::CDomainDocumentoModa(CDatabase* pDatabase) : CDomainDocumento(pDatabase)
{
    DETTAGLIO = std::make_unique<CDomainDettaglioDocumentoModa>(pDatabase);
}

CDomainDocumentoModa::CDomainDocumentoModa(const CDomainDocumentoModa& other) = default;

CDomainDocumentoModa& CDomainDocumentoModa::operator=(const CDomainDocumentoModa& other) = default;

CDomainDocumentoModa::~CDomainDocumentoModa() = default;

CDomainDocumento* CDomainDocumentoModa::Clone() const
{
    return new CDomainDocumentoModa(*this);
}

int CDomainDocumentoModa::AssociaDocumento(const CDomainDocumento& doc, bool importa, bool flagAggiunta,
                                           bool riferimento)
{
    return AssociaConDettaglio(doc, importa, flagAggiunta, riferimento);
}

int CDomainDocumentoModa::AssociaDocumento(const CDomainDocumentoAssociato& entry, bool importa, bool flagAggiunta,
                                           bool riferimento)
{
    return AssociaConDettaglio(entry, importa, flagAggiunta, riferimento);
}

int CDomainDocumentoModa::AssociaDocumento(long id, bool importa, bool flagAggiunta, bool riferimento)
{
    return AssociaConDettaglio(id, importa, flagAggiunta, riferimento);
}

bool CDomainDocumentoModa::DB_DeleteDocumento()
{
    CString sql;
    sql.Format("{call ELIMINA_DOCUMENTO_MODA(%ld)}", ID);
    GetDatabase()->ExecuteSQL(sql);
    return true;
}

bool CDomainDocumentoModa::Load_DETTAGLIO()
{
    DETTAGLIO->RemoveAll();
    CVociDocumentoModaLoadSet rs(GetDatabase());
    rs.m_strFilter.Format("ID_DOCUMENTO = %ld", ID);
    rs.m_strSort = "NRIGA, ID";
    rs.Open();
    for (; !rs.IsEOF(); rs.MoveNext()) {
        CDomainVoceDocumentoModa voce(GetDatabase());
        voce.FromRecordset(rs);
        DETTAGLIO->Add(&voce, false);
    }
    rs.Close();
    return true;
}

// A new line (row number below 1) that repeats the article, size scale, size and colour of an
// earlier line is a further piece of the same garment: it takes row number 1 and that line's bar
// code, in the detail as in the row. Reference lines, held in the base line kind, are written
// through a fashion line copied from them, without size or colour.
bool CDomainDocumentoModa::Update_DETTAGLIO(EDB_Operation op)
{
    UpdateMarkedLines<CVociDocumentoModaOperSet>(
        op, "(ID = %ld) AND (ID_DOCUMENTO = %ld)",
        "DELETE FROM VOCI_DOCUMENTO_MODA_OPER WHERE (ID_DOCUMENTO = %ld) AND (MARCATORE = 0)",
        [this](CVociDocumentoModaOperSet& rs, int index) {
            CDomainVoceDocumento* voce = DETTAGLIO->RefAt(index);
            auto* line = dynamic_cast<CDomainVoceDocumentoModa*>(voce);
            if (line == nullptr) {
                CDomainVoceDocumentoModa copy(GetDatabase());
                static_cast<CDomainVoceDocumento&>(copy) = *voce;
                copy.ToRecordset(rs);
                return;
            }
            if (line->Get_RN() < 1) {
                const int same = DETTAGLIO->IsArticoloInDettaglio(static_cast<const CDomainVoceDocumento*>(line));
                if (same >= 0 && same != index) {
                    line->Set_RN(1);
                    line->Set_CODICE_EAN(DETTAGLIO->GetAt(same)->Get_CODICE_EAN());
                }
            }
            line->ToRecordset(rs);
        });
    return true;
}
