// CDomainDettaglioDocumentoMagazzino: the detail of a warehouse document, holding warehouse lines
// (and reference lines). Its lookups match held warehouse lines of type "A" by article, or by the
// line equality that merging uses. It imports the lines of another detail, or of a stored
// document loaded by id, according to that document's movement reason.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/domain/documents/DomainDettaglioDocumento.h"

class ORVEL_API CDomainDettaglioDocumentoMagazzino : public CDomainDettaglioDocumento {
public:
    explicit CDomainDettaglioDocumentoMagazzino(CDatabase* pDatabase = nullptr);
    CDomainDettaglioDocumentoMagazzino(const CDomainDettaglioDocumentoMagazzino& other);
    CDomainDettaglioDocumentoMagazzino& operator=(const CDomainDettaglioDocumentoMagazzino& other) = default;
    ~CDomainDettaglioDocumentoMagazzino() override;

    CDomainDettaglioDocumentoMagazzino* Clone() const override;

    using CDomainDettaglioDocumento::IsArticoloInDettaglio;
    // The given line is read through the base line interface (a warehouse line adds no data),
    // so a line of any kind can be looked for; only held warehouse lines are found.
    int IsArticoloInDettaglio(const CDomainVoceDocumento* pVoce) const override;
    int IsVoceInDettaglio(const CDomainVoceDocumento* pVoce) const override;

    bool AggiungiDettaglio(const CDomainCausaleMagazzino& causale, const CDomainDettaglioDocumento* pDettaglio,
                           bool bMerge) override;
    // Loads the document (header, associated documents, lines) and imports its lines with its
    // reason; false without a connection or when the document cannot be loaded.
    bool AggiungiDettaglio(long lIdDocumento, bool bMerge) override;
};
