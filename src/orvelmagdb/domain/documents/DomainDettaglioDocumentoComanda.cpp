// The restaurant-order detail: supplements fold into the dish they follow, and an import with a
// negative valuation sign takes quantities away instead of adding them.
#include "orvelmagdb/domain/documents/DomainDettaglioDocumentoComanda.h"

#include <memory>

#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/domain/documents/DomainCausaleMagazzino.h"
#include "orvelmagdb/domain/documents/DomainVoceDocumento.h"

namespace {

CConfigAdministrator* Config() { return CApplicationAdministrator::GetInstance()->GetConfig(); }

}  // namespace

CDomainDettaglioDocumentoComanda::CDomainDettaglioDocumentoComanda(CDatabase* pDatabase)
    : CDomainDettaglioDocumentoMagazzino(pDatabase),
      m_strDescrizioneCoperto(Config()->GetParam("default/ristorazione/coperto/descrizione")),
      m_strDescrizioneServizio(Config()->GetParam("default/ristorazione/servizio/descrizione"))
{
}

CDomainDettaglioDocumentoComanda::CDomainDettaglioDocumentoComanda(const CDomainDettaglioDocumentoComanda& other)
    : CDomainDettaglioDocumentoMagazzino(other),
      m_strDescrizioneCoperto(other.m_strDescrizioneCoperto),
      m_strDescrizioneServizio(other.m_strDescrizioneServizio)
{
}

CDomainDettaglioDocumentoComanda::~CDomainDettaglioDocumentoComanda() = default;

CDomainDettaglioDocumentoComanda* CDomainDettaglioDocumentoComanda::Clone() const
{
    return new CDomainDettaglioDocumentoComanda(*this);
}

int CDomainDettaglioDocumentoComanda::Add(const CDomainVoceDocumento* pVoce, bool bMerge)
{
    if (pVoce == nullptr)
        return -1;
    const int nUltima = GetSize() - 1;
    CDomainVoceDocumento* pUltima = nUltima >= 0 ? RefAt(nUltima) : nullptr;
    if (IsTipoSenzaArticolo(*pVoce) && pUltima != nullptr && IsTipoArticolo(*pUltima)) {
        // A supplement without price adds nothing to the dish.
        if (pVoce->Get_PREZZO_PZ().IsZero())
            return nUltima;
        const CString& strDescrizione = pVoce->Get_DESCRIZIONE();
        if (strDescrizione != m_strDescrizioneCoperto && strDescrizione != m_strDescrizioneServizio) {
            pUltima->Set_PREZZO_PZ(pUltima->Get_PREZZO_PZ() + pVoce->Get_PREZZO_PZ(), false);
            pUltima->Set_PREZZO_PZ_IVATO(pUltima->Get_PREZZO_PZ_IVATO() + pVoce->Get_PREZZO_PZ_IVATO(), false);
            return nUltima;
        }
        // Cover and service charges stand on their own line.
        return AddVoce(pVoce, false, false);
    }
    // Article lines merge as in any detail; everything else is appended.
    return AddVoce(pVoce, bMerge, false);
}

bool CDomainDettaglioDocumentoComanda::AggiungiDettaglio(const CDomainCausaleMagazzino& causale,
                                                         const CDomainDettaglioDocumento* pDettaglio, bool bMerge)
{
    if (pDettaglio == nullptr)
        return false;
    bool bRisultato = false;
    if (causale.Get_F_VALUTAZIONE() < 0) {
        // A cancelling order: its quantities enter with the opposite sign, so that merging takes
        // them off the equal lines already here.
        std::unique_ptr<CDomainDettaglioDocumento> pStorno(pDettaglio->Clone());
        for (int i = 0; i < pStorno->GetSize(); ++i) {
            CDomainVoceDocumento* pVoce = pStorno->RefAt(i);
            if (pVoce == nullptr || !(IsTipoArticolo(*pVoce) || IsTipoSenzaArticolo(*pVoce)))
                continue;
            const Decimal meno(-1);
            pVoce->Set_QUANTITA(pVoce->Get_QUANTITA() * meno);
            pVoce->Set_QUANTITA_DA_EVADERE(pVoce->Get_QUANTITA_DA_EVADERE() * meno);
            pVoce->Set_QUANTITA_EVASA(pVoce->Get_QUANTITA_EVASA() * meno);
            pVoce->Set_QUANTITA_LORDA(pVoce->Get_QUANTITA_LORDA() * meno);
            pVoce->Set_QUANTITA_OMAGGIO(pVoce->Get_QUANTITA_OMAGGIO() * meno);
            pVoce->Set_QUANTITA_OMAGGIO_PAGATA(pVoce->Get_QUANTITA_OMAGGIO_PAGATA() * meno);
        }
        bRisultato = CDomainDettaglioDocumentoMagazzino::AggiungiDettaglio(causale, pStorno.get(), bMerge);
    } else {
        bRisultato = CDomainDettaglioDocumentoMagazzino::AggiungiDettaglio(causale, pDettaglio, bMerge);
    }
    // Dishes cancelled to nothing leave the order.
    for (int i = GetSize() - 1; i >= 0; --i) {
        const CDomainVoceDocumento* pVoce = GetAt(i);
        if (pVoce != nullptr && (IsTipoArticolo(*pVoce) || IsTipoSenzaArticolo(*pVoce)) && pVoce->Get_QUANTITA().IsZero())
            RemoveAt(i);
    }
    return bRisultato;
}
