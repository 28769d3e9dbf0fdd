// CDomainCapoModa: one sellable garment: the article of its model seen through one variant (size
// scale, size and colour). The garment has its own barcode, which replaces the article's EAN in
// every lookup and write that goes through the article's EAN operations; its prices are the
// model's, run through the article's price chain when the garment is read.
//
// A garment is found by its barcode, or by its article, size scale, size and colour. Errors of
// the database are shown in the error box (the driver's text) and answered with false.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/domain/articles/DomainArticolo.h"
#include "orvelmagdb/domain/articles/DomainVarianteCapo.h"

class CCapoCompletoSet;

class ORVEL_API CDomainCapoModa : public CDomainArticolo, public CDomainVarianteCapo {
public:
    explicit CDomainCapoModa(CDatabase* pDatabase = nullptr);
    CDomainCapoModa(const CDomainCapoModa& other);
    CDomainCapoModa& operator=(const CDomainCapoModa& other);
    ~CDomainCapoModa() override;

    // Loads the garment of the barcode when one is set, else the garment of ID, size scale, size
    // and colour, all four needed: with one missing it says so and answers false without asking
    // the database. False when no garment matches.
    bool DB_Load() override;

    // The garment's own barcode.
    const CString& Get_CODICE_EAN() const override;
    // Gives the barcode to the garment and to its article alike.
    void Set_CODICE_EAN(const CString& value) override;

    // Fills the article and the variant from a garment row: codes and texts, VAT, then the
    // prices through the price chain.
    void FromRecordset(const CCapoCompletoSet& rs);
};
