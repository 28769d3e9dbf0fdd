// Fulfilment of orders by the documents made from them. The library links a delivery to the
// orders it ships and imports their open quantities, but leaves the orders' own lines as they
// were; the host keeps them right: saving a document made from an order raises each order line's
// fulfilled quantity and lowers its open quantity by what was shipped (never below 0), and
// deleting it gives the quantities back. Both run inside the caller's transaction, under the
// documents' writer lock, so two tills shipping one order never ship the same quantity twice.
#pragma once

#include <vector>

#include "orveldblib/Decimal.h"

class CDatabase;
class CDomainDettaglioDocumento;
class CDomainDocumento;
class CDomainVoceDocumento;

namespace orvelmag {

// A line that moves goods or is charged ("A" article, "B" free line), not a reference line.
bool IsShippedLine(const CDomainVoceDocumento& line);

// One order line that a new document ships from: the stored order line and the quantity taken.
struct ShippedLine {
    long orderId = 0;
    long lineId = 0;
    Decimal quantity;
};

// The lines [from, to) of a detail were imported from the order orderId: each article or text
// line ("A", "B") still holds the id of the order line it was copied from and ships its quantity.
void CollectShipped(const CDomainDettaglioDocumento& detail, int from, int to, long orderId,
                    std::vector<ShippedLine>& shipped);

// Raises QUANTITA_EVASA and lowers QUANTITA_DA_EVADERE (not below 0) of each shipped order line.
// Database errors reach the caller.
void RecordShipped(CDatabase& db, const std::vector<ShippedLine>& shipped);

// Gives back to the orders that a stored document (loaded with its links and lines) cites what
// it shipped of them. The lines a document imported from an order come just before the
// reference line citing that order; each gives back to the order's lines of the same article and
// description, up to what they have fulfilled. Database errors reach the caller.
void GiveBackShipped(CDatabase& db, const CDomainDocumento& doc);

// The ids of the stored documents that cite the document id, in id order.
std::vector<long> CitingDocuments(CDatabase& db, long id);

}  // namespace orvelmag
