// CDomainDettaglioDocumentoModa: the detail of a fashion document, holding fashion lines (and
// reference lines). An article is the same article only in the same size scale, size and colour,
// and merging uses the fashion line's equality. Importing a stored document reads its reason and
// its fashion lines straight from the tables.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/domain/documents/DomainDettaglioDocumento.h"

class CDomainVoceDocumentoModa;

class ORVEL_API CDomainDettaglioDocumentoModa : public CDomainDettaglioDocumento {
public:
    explicit CDomainDettaglioDocumentoModa(CDatabase* pDatabase = nullptr);
    CDomainDettaglioDocumentoModa(const CDomainDettaglioDocumentoModa& other);
    CDomainDettaglioDocumentoModa& operator=(const CDomainDettaglioDocumentoModa& other) = default;
    ~CDomainDettaglioDocumentoModa() override;

    CDomainDettaglioDocumentoModa* Clone() const override;

    // The line at the index as a fashion line; null when it is not one (a reference line) or the
    // slot is empty. A bad index throws CInvalidArgException.
    CDomainVoceDocumentoModa* operator[](int nIndex) const;

    using CDomainDettaglioDocumento::IsArticoloInDettaglio;
    // Both lookups need the fashion fields of the given line: a line of another kind finds
    // nothing (-1).
    int IsArticoloInDettaglio(const CDomainVoceDocumento* pVoce) const override;
    int IsVoceInDettaglio(const CDomainVoceDocumento* pVoce) const override;

    bool AggiungiDettaglio(const CDomainCausaleMagazzino& causale, const CDomainDettaglioDocumento* pDettaglio,
                           bool bMerge) override;
    // Reads the document's reason and its fashion lines and imports them. False without a
    // connection, for a document id that has no row (nothing is imported), and on a database
    // error, which is shown in the error box.
    bool AggiungiDettaglio(long lIdDocumento, bool bMerge) override;
};
