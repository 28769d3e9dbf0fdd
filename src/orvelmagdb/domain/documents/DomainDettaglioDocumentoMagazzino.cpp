// The warehouse detail: lookups over held warehouse lines and the import of other details and
// of stored warehouse documents.
#include "orvelmagdb/domain/documents/DomainDettaglioDocumentoMagazzino.h"

#include "orvelmagdb/domain/documents/DomainCausaleMagazzino.h"
#include "orvelmagdb/domain/documents/DomainDocumentoMagazzino.h"
#include "orvelmagdb/domain/documents/DomainVoceDocumento.h"
#include "orvelmagdb/domain/documents/DomainVoceDocumentoMagazzino.h"

CDomainDettaglioDocumentoMagazzino::CDomainDettaglioDocumentoMagazzino(CDatabase* pDatabase)
    : CDomainDettaglioDocumento(pDatabase)
{
}

CDomainDettaglioDocumentoMagazzino::CDomainDettaglioDocumentoMagazzino(const CDomainDettaglioDocumentoMagazzino& other)
    : CDomainDettaglioDocumento(other)
{
}

CDomainDettaglioDocumentoMagazzino::~CDomainDettaglioDocumentoMagazzino() = default;

CDomainDettaglioDocumentoMagazzino* CDomainDettaglioDocumentoMagazzino::Clone() const
{
    return new CDomainDettaglioDocumentoMagazzino(*this);
}

namespace {

// A held line the lookups may match: a warehouse article line.
const CDomainVoceDocumentoMagazzino* RigaArticolo(const CDomainVoceDocumento* pVoce)
{
    const auto* pRiga = dynamic_cast<const CDomainVoceDocumentoMagazzino*>(pVoce);
    return pRiga != nullptr && pRiga->Get_TIPO().Left(1) == "A" ? pRiga : nullptr;
}

}  // namespace

int CDomainDettaglioDocumentoMagazzino::IsArticoloInDettaglio(const CDomainVoceDocumento* pVoce) const
{
    if (pVoce == nullptr || !IsTipoArticolo(*pVoce) || pVoce->Get_ID_ARTICOLO().IsEmpty())
        return -1;
    for (int i = 0; i < GetSize(); ++i) {
        const CDomainVoceDocumentoMagazzino* pRiga = RigaArticolo(Voci()[i]);
        if (pRiga != nullptr && pRiga->Get_ID_ARTICOLO() == pVoce->Get_ID_ARTICOLO())
            return i;
    }
    return -1;
}

int CDomainDettaglioDocumentoMagazzino::IsVoceInDettaglio(const CDomainVoceDocumento* pVoce) const
{
    if (pVoce == nullptr || !IsTipoArticolo(*pVoce) || pVoce->Get_ID_ARTICOLO().IsEmpty())
        return -1;
    for (int i = 0; i < GetSize(); ++i) {
        const CDomainVoceDocumentoMagazzino* pRiga = RigaArticolo(Voci()[i]);
        if (pRiga != nullptr && *pVoce == *pRiga)
            return i;
    }
    return -1;
}

bool CDomainDettaglioDocumentoMagazzino::AggiungiDettaglio(const CDomainCausaleMagazzino& causale,
                                                           const CDomainDettaglioDocumento* pDettaglio, bool bMerge)
{
    if (pDettaglio == nullptr)
        return false;
    // Every imported line becomes a warehouse line; Add goes through the virtual table, so a
    // restaurant order applies its own rules to what it imports.
    CDomainVoceDocumentoMagazzino voce(GetDatabase());
    const int nSize = pDettaglio->GetSize();
    for (int i = 0; i < nSize; ++i) {
        const CDomainVoceDocumento* pSorgente = pDettaglio->GetAt(i);
        if (pSorgente == nullptr)
            continue;
        static_cast<CDomainVoceDocumento&>(voce) = *pSorgente;
        if (ImportaQuantitaRiga(causale, voce))
            Add(&voce, bMerge);
    }
    return true;
}

bool CDomainDettaglioDocumentoMagazzino::AggiungiDettaglio(long lIdDocumento, bool bMerge)
{
    if (GetDatabase() == nullptr)
        return false;
    // The warehouse document's load is its header, its associated documents and its lines, in
    // that order, stopping at the first that fails; database errors pass to the caller as they do
    // from the document's own load.
    CDomainDocumentoMagazzino documento(GetDatabase());
    documento.Set_ID(lIdDocumento);
    if (!documento.DB_Load())
        return false;
    return AggiungiDettaglio(documento.Get_CAUSALE(), documento.Get_DETTAGLIO(), bMerge);
}
