// The fashion detail: lookups that tell sizes and colours apart, and the import of other details
// and of stored fashion documents straight from the tables.
#include "orvelmagdb/domain/documents/DomainDettaglioDocumentoModa.h"

#include "orvelmagdb/domain/documents/DomainCausaleMagazzino.h"
#include "orvelmagdb/domain/documents/DomainVoceDocumento.h"
#include "orvelmagdb/domain/documents/DomainVoceDocumentoModa.h"
#include "orvelmagdb/recordsets/documentlines/detail/VociDocumentoModaLoadSet.h"
#include "orvelmagdb/recordsets/documents/DocumentoSet.h"

CDomainDettaglioDocumentoModa::CDomainDettaglioDocumentoModa(CDatabase* pDatabase) : CDomainDettaglioDocumento(pDatabase)
{
}

CDomainDettaglioDocumentoModa::CDomainDettaglioDocumentoModa(const CDomainDettaglioDocumentoModa& other)
    : CDomainDettaglioDocumento(other)
{
}

CDomainDettaglioDocumentoModa::~CDomainDettaglioDocumentoModa() = default;

CDomainDettaglioDocumentoModa* CDomainDettaglioDocumentoModa::Clone() const
{
    return new CDomainDettaglioDocumentoModa(*this);
}

CDomainVoceDocumentoModa* CDomainDettaglioDocumentoModa::operator[](int nIndex) const
{
    return dynamic_cast<CDomainVoceDocumentoModa*>(RefAt(nIndex));
}

namespace {

// A fashion article line, or null: the argument of a lookup and the held lines it may match.
const CDomainVoceDocumentoModa* RigaArticolo(const CDomainVoceDocumento* pVoce)
{
    const auto* pRiga = dynamic_cast<const CDomainVoceDocumentoModa*>(pVoce);
    return pRiga != nullptr && pRiga->Get_TIPO().Left(1) == "A" ? pRiga : nullptr;
}

}  // namespace

int CDomainDettaglioDocumentoModa::IsArticoloInDettaglio(const CDomainVoceDocumento* pVoce) const
{
    const CDomainVoceDocumentoModa* pCercata = RigaArticolo(pVoce);
    if (pCercata == nullptr || pCercata->Get_ID_ARTICOLO().IsEmpty())
        return -1;
    for (int i = 0; i < GetSize(); ++i) {
        const CDomainVoceDocumentoModa* pRiga = RigaArticolo(Voci()[i]);
        if (pRiga != nullptr && pRiga->Get_ID_ARTICOLO() == pCercata->Get_ID_ARTICOLO() &&
            pRiga->Get_ID_SCALA_TAGLIA() == pCercata->Get_ID_SCALA_TAGLIA() &&
            pRiga->Get_ID_TAGLIA() == pCercata->Get_ID_TAGLIA() && pRiga->Get_ID_COLORE() == pCercata->Get_ID_COLORE())
            return i;
    }
    return -1;
}

int CDomainDettaglioDocumentoModa::IsVoceInDettaglio(const CDomainVoceDocumento* pVoce) const
{
    const CDomainVoceDocumentoModa* pCercata = RigaArticolo(pVoce);
    if (pCercata == nullptr || pCercata->Get_ID_ARTICOLO().IsEmpty())
        return -1;
    for (int i = 0; i < GetSize(); ++i) {
        const CDomainVoceDocumentoModa* pRiga = RigaArticolo(Voci()[i]);
        if (pRiga != nullptr && *pCercata == *pRiga)
            return i;
    }
    return -1;
}

bool CDomainDettaglioDocumentoModa::AggiungiDettaglio(const CDomainCausaleMagazzino& causale,
                                                      const CDomainDettaglioDocumento* pDettaglio, bool bMerge)
{
    if (pDettaglio == nullptr)
        return false;
    CDomainVoceDocumentoModa voce(GetDatabase());
    const int nSize = pDettaglio->GetSize();
    for (int i = 0; i < nSize; ++i) {
        const CDomainVoceDocumento* pSorgente = pDettaglio->GetAt(i);
        if (pSorgente == nullptr)
            continue;
        if (const auto* pModa = dynamic_cast<const CDomainVoceDocumentoModa*>(pSorgente)) {
            voce = *pModa;
        } else {
            // A line without fashion fields (a reference line) must not inherit the size and
            // colour of the line imported before it.
            voce.Reset();
            static_cast<CDomainVoceDocumento&>(voce) = *pSorgente;
        }
        if (ImportaQuantitaRiga(causale, voce))
            Add(&voce, bMerge);
    }
    return true;
}

bool CDomainDettaglioDocumentoModa::AggiungiDettaglio(long lIdDocumento, bool bMerge)
{
    if (GetDatabase() == nullptr)
        return false;
    return ReportDBErrors([&] {
        CDomainCausaleMagazzino causale(GetDatabase());
        {
            CDocumentoSet rs(GetDatabase());
            rs.m_strFilter.Format("ID = %ld", lIdDocumento);
            rs.Open();
            const bool bTrovato = !rs.IsEOF();
            if (bTrovato)
                causale.Set_ID(rs.IsFieldNull(&rs.ID_CAUSALE) ? -1 : rs.ID_CAUSALE);
            rs.Close();
            if (!bTrovato)
                return false;
        }
        causale.DB_Load();

        CVociDocumentoModaLoadSet rs(GetDatabase());
        rs.m_strSort = "ID";
        rs.m_strFilter.Format("ID_DOCUMENTO = %ld", lIdDocumento);
        rs.Open();
        CDomainVoceDocumentoModa voce(GetDatabase());
        for (; !rs.IsEOF(); rs.MoveNext()) {
            voce.FromRecordset(rs);
            if (ImportaQuantitaRiga(causale, voce))
                Add(&voce, bMerge);
        }
        rs.Close();
        return true;
    });
}
