// The database a document-kind test starts from: shop precisions, an untaxed VAT code "00" that
// is also the default of charge lines, the cover and service descriptions, and the reasons
// 1 customer order (OC), 2 delivery (DDT), 3 kitchen order (OR) and 42 pre-bill (PC).
#pragma once

#include "orvelmagdb/ConfigGuard.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/domain/documents/DomainVoceDocumentoMagazzino.h"
#include "support/DatabaseTest.h"

namespace orvel::test {

inline Decimal Dec(const char* text) { return Decimal(text, 127); }

class DocumentFixture : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        CSchema::Create(db());
        config.SetShopDefaults();
        config.Set("default/documento/iva", "00");
        config.Set("default/ristorazione/coperto/descrizione", "Coperto");
        config.Set("default/ristorazione/servizio/descrizione", "Servizio");
        Exec("INSERT INTO IVA (CODICE, DESCRIZIONE, ALIQUOTA) VALUES ('00', 'Esente', '0')");
        Exec("INSERT INTO CAUSALE (ID, DESCRIZIONE, TIPO_DOCUMENTO, F_ORDINE_DA_CLIENTE) VALUES "
             "(1, 'Ordine', 'OC', 1), (2, 'Consegna', 'DDT', 0), (3, 'Cucina', 'OR', 0), (42, 'Preconto', 'PC', 0)");
    }
    // An untaxed line of the given kind: type, article, quantity, quantity still open, unit price.
    template <class Line = CDomainVoceDocumentoMagazzino>
    static Line NewLine(const char* type, const char* article, const char* quantity, const char* open = "0",
                        const char* price = "0")
    {
        Line line;
        line.Set_TIPO(type);
        line.Set_ID_ARTICOLO(article);
        line.Set_QUANTITA(Dec(quantity));
        line.Set_QUANTITA_DA_EVADERE(Dec(open));
        line.Set_ID_IVA("00", false);
        line.Set_PREZZO_PZ(Dec(price), false);
        return line;
    }

    ConfigGuard config;
};

}  // namespace orvel::test
