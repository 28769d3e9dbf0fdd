// CDomainDettaglioDocumentoComanda: the detail of a restaurant order. A priced line without
// article ("B") that follows a dish is a supplement to that dish and raises the dish's prices
// instead of standing alone; a zero-priced supplement is dropped. Cover-charge and service-charge
// lines, recognised by the descriptions of the configuration, always stand alone. Importing an
// order whose reason has a negative valuation sign takes its quantities away, and lines whose
// quantity comes to zero disappear.
#pragma once

#include "afx/Export.h"
#include "afx/String.h"
#include "orvelmagdb/domain/documents/DomainDettaglioDocumentoMagazzino.h"

class ORVEL_API CDomainDettaglioDocumentoComanda : public CDomainDettaglioDocumentoMagazzino {
public:
    // Reads the cover-charge and service-charge descriptions from the configuration.
    explicit CDomainDettaglioDocumentoComanda(CDatabase* pDatabase = nullptr);
    CDomainDettaglioDocumentoComanda(const CDomainDettaglioDocumentoComanda& other);
    // The detail's assignment plus the two descriptions.
    CDomainDettaglioDocumentoComanda& operator=(const CDomainDettaglioDocumentoComanda& other) = default;
    ~CDomainDettaglioDocumentoComanda() override;

    CDomainDettaglioDocumentoComanda* Clone() const override;

    using CDomainDettaglioDocumentoMagazzino::Add;
    int Add(const CDomainVoceDocumento* pVoce, bool bMerge) override;

    using CDomainDettaglioDocumentoMagazzino::AggiungiDettaglio;
    bool AggiungiDettaglio(const CDomainCausaleMagazzino& causale, const CDomainDettaglioDocumento* pDettaglio,
                           bool bMerge) override;

    const CString& Get_DESCRIZIONE_COPERTO() const { return m_strDescrizioneCoperto; }
    const CString& Get_DESCRIZIONE_SERVIZIO() const { return m_strDescrizioneServizio; }

private:
    CString m_strDescrizioneCoperto;
    CString m_strDescrizioneServizio;
};
