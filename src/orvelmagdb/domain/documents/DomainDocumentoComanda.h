// CDomainDocumentoComanda: the restaurant document, a warehouse document whose detail is a
// restaurant-order detail (supplements fold into their dish). It builds the pre-bill of a
// restaurant order: the order documents sent to the kitchen for it, linked and with their lines
// imported, then the service charge on the total the document holds and the cover charge, each
// as a line of its own described as the configuration says. It stores and deletes its lines as a
// warehouse document does, reading them back in the order they were written.
#pragma once

#include "afx/Export.h"
#include "afx/String.h"
#include "orvelmagdb/domain/documents/DomainDocumentoMagazzino.h"

class ORVEL_API CDomainDocumentoComanda : public CDomainDocumentoMagazzino {
public:
    // The reason every pre-bill is made with; it must exist in the reasons table.
    static constexpr long ID_CAUSALE_PRECONTO = 42;

    // The warehouse document with a restaurant-order detail in place of the warehouse one, and
    // the cover and service descriptions of the configuration.
    explicit CDomainDocumentoComanda(CDatabase* pDatabase = nullptr);
    CDomainDocumentoComanda(const CDomainDocumentoComanda& other);
    CDomainDocumentoComanda& operator=(const CDomainDocumentoComanda& other);
    ~CDomainDocumentoComanda() override;

    // Empties the detail, takes the pre-bill reason, links every order document of the
    // restaurant order not linked yet and imports its lines (no reference lines), then adds the
    // service charge when servizio and the cover charge when coperti. The totals are not
    // recomputed. A database error is shown in the error box and answers false.
    bool CaricaPreConto(long idComanda, bool servizio, bool coperti);
    // A line "B" of the covers at the cover price (VAT included, the default document VAT
    // code), when the order has a positive price and at least one cover. True when it was added.
    // Database errors reach the caller.
    bool AggiungiCoperti(long idComanda);
    // A line "B" of quantity 1 priced, VAT included, at the order's service percentage of the
    // TOTALE the document holds now, when that comes above 0. True when it was added. Database
    // errors reach the caller.
    bool AggiungiServizio(long idComanda);

    const CString& Get_DESCRIZIONE_COPERTO() const { return m_strDescrizioneCoperto; }
    const CString& Get_DESCRIZIONE_SERVIZIO() const { return m_strDescrizioneServizio; }

protected:
    // The stored warehouse lines in the order "ID".
    bool Load_DETTAGLIO() override;

private:
    // Adds a charge line "B" with the description, quantity and unit price VAT included.
    void AggiungiAddebito(const CString& descrizione, const Decimal& quantita, const Decimal& prezzoIvato);

    CString m_strDescrizioneCoperto;
    CString m_strDescrizioneServizio;
};
