// Keeping the fulfilled and open quantities of order lines in step with the documents that ship
// them, through the stored-line recordset of the orders.
#include "Fulfilment.h"

#include <map>

#include "odbc/Database.h"
#include "orvelmagdb/domain/documents/DomainCausaleMagazzino.h"
#include "orvelmagdb/domain/documents/DomainDettaglioDocumentoMagazzino.h"
#include "orvelmagdb/domain/documents/DomainDocumento.h"
#include "orvelmagdb/domain/documents/DomainVoceDocumento.h"
#include "orvelmagdb/recordsets/documentlines/VociDocumentoSet.h"
#include "orvelmagdb/recordsets/documents/DocReferenziaDocsSet.h"

namespace orvelmag {

namespace {

// Moves `quantity` from open to fulfilled on the stored line (negative: back from fulfilled to
// open). The open quantity never goes below 0; what comes back is at most what was fulfilled, and
// the amount actually moved is returned.
Decimal MoveQuantity(CVociDocumentoSet& rs, const Decimal& quantity)
{
    const Decimal fulfilled(rs.QUANTITA_EVASA, 127);
    const Decimal open(rs.QUANTITA_DA_EVADERE, 127);
    Decimal moved = quantity;
    if (moved.IsNegative() && fulfilled < -moved)
        moved = -fulfilled;
    Decimal newOpen = open - moved;
    if (newOpen.IsNegative())
        newOpen = Decimal();
    rs.Edit();
    rs.QUANTITA_EVASA = ToStoredText(fulfilled + moved);
    rs.QUANTITA_DA_EVADERE = ToStoredText(newOpen);
    rs.Update();
    return moved;
}

// The text of the reference line that citing this entry adds.
CString ReferenceText(CDatabase& db, const CDomainDocumentoAssociato& entry)
{
    CDomainDettaglioDocumentoMagazzino scratch(&db);
    scratch.AggiungiRiferimentoDocumento(entry);
    return scratch.GetAt(0)->Get_DESCRIZIONE();
}

// Gives back `quantity` of the article and description to the order's lines that fulfilled it,
// in line order.
void GiveBackToOrder(CDatabase& db, long orderId, const CDomainVoceDocumento& line)
{
    CVociDocumentoSet rs(&db);
    rs.m_strFilter.Format("ID_DOCUMENTO = %ld", orderId);
    rs.m_strSort = "NRIGA, ID";
    rs.Open();
    Decimal left = line.Get_QUANTITA();
    for (; !rs.IsEOF() && left > Decimal(); rs.MoveNext()) {
        if (rs.ID_ARTICOLO != line.Get_ID_ARTICOLO() || rs.DESCRIZIONE != line.Get_DESCRIZIONE() ||
            Decimal(rs.QUANTITA_EVASA, 127) <= Decimal())
            continue;
        left = left + MoveQuantity(rs, -left);
    }
    rs.Close();
}

}  // namespace

bool IsShippedLine(const CDomainVoceDocumento& line)
{
    const CString kind = line.Get_TIPO().Left(1);
    return kind == "A" || kind == "B";
}

void CollectShipped(const CDomainDettaglioDocumento& detail, int from, int to, long orderId,
                    std::vector<ShippedLine>& shipped)
{
    for (int i = from; i < to; ++i) {
        const CDomainVoceDocumento* line = detail.GetAt(i);
        if (line != nullptr && IsShippedLine(*line) && line->Get_ID() > 0 && !line->Get_QUANTITA().IsZero())
            shipped.push_back({orderId, line->Get_ID(), line->Get_QUANTITA()});
    }
}

void RecordShipped(CDatabase& db, const std::vector<ShippedLine>& shipped)
{
    if (shipped.empty())
        return;
    CVociDocumentoSet rs(&db);
    rs.m_strFilter = "ID = -1";
    rs.Open();
    for (const ShippedLine& s : shipped) {
        rs.m_strFilter.Format("(ID = %ld) AND (ID_DOCUMENTO = %ld)", s.lineId, s.orderId);
        rs.Requery();
        // The order line was read under the same lock a moment ago; it cannot have gone.
        if (!rs.IsEOF())
            MoveQuantity(rs, s.quantity);
    }
    rs.Close();
}

void GiveBackShipped(CDatabase& db, const CDomainDocumento& doc)
{
    // Every document it cites, by the text of the reference line that closes the block of lines
    // imported from it; 0 for one that is not an order (nothing to give back to).
    std::map<CString, long> cited;
    bool citesOrders = false;
    const CDomainListaDocumentiAssociati& links = doc.Get_LISTA_DOCUMENTI_ASSOCIATI();
    for (int i = 0; i < links.GetSize(); ++i) {
        CDomainCausaleMagazzino reason(&db);
        reason.Set_ID(links.GetAt(i).Get_CAUSALE_ID());
        const bool isOrder = reason.DB_Load() && reason.IsOrdine();
        cited[ReferenceText(db, links.GetAt(i))] = isOrder ? links.GetAt(i).Get_ID() : 0;
        citesOrders = citesOrders || isOrder;
    }
    if (!citesOrders)
        return;
    const CDomainDettaglioDocumento& detail = *doc.Get_DETTAGLIO();
    int blockStart = 0;
    for (int i = 0; i < detail.GetSize(); ++i) {
        const CDomainVoceDocumento* line = detail.GetAt(i);
        if (line == nullptr || line->Get_TIPO().Left(1) != "R")
            continue;
        const auto source = cited.find(line->Get_DESCRIZIONE());
        if (source == cited.end())
            continue;  // a text line of the source itself, inside its block
        for (int j = blockStart; j < i && source->second > 0; ++j)
            if (detail.GetAt(j) != nullptr && IsShippedLine(*detail.GetAt(j)))
                GiveBackToOrder(db, source->second, *detail.GetAt(j));
        blockStart = i + 1;
    }
}

std::vector<long> CitingDocuments(CDatabase& db, long id)
{
    std::vector<long> ids;
    CDocReferenziaDocsSet rs(&db);
    rs.m_strFilter.Format("ID_DOCUMENTO_REF = %ld", id);
    rs.m_strSort = "ID_DOCUMENTO";
    rs.Open();
    for (; !rs.IsEOF(); rs.MoveNext())
        ids.push_back(rs.ID_DOCUMENTO);
    rs.Close();
    return ids;
}

}  // namespace orvelmag
