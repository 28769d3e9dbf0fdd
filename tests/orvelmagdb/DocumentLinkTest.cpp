// Linking a delivery to a customer order on real databases: it takes from the order only what is
// still open, once, with a line citing the order, and its summary rounded to the totals precision.
#include <gtest/gtest.h>

#include "orvelmagdb/DocumentFixture.h"
#include "orvelmagdb/domain/documents/DomainDettaglioDocumento.h"
#include "orvelmagdb/domain/documents/DomainDocumentoMagazzino.h"

namespace {

using orvel::test::Dec;

class DocumentLink : public orvel::test::DocumentFixture {};

TEST_P(DocumentLink, DeliveryTakesWhatTheOrderStillHasOpenOnce)
{
    CDomainDocumentoMagazzino order(&db()), delivery(&db());
    order.SetCausale(1);
    delivery.SetCausale(2);
    order.Set_DATA_DOCUMENTO(CString("15/03/2024"));
    order.Set_NUMERO(5);
    order.Ref_TOTALE() = Dec("10.005");
    // 10 ordered and 4 delivered leaves 6; a line delivered in full stays behind.
    for (const auto& line : {NewLine("A", "ART1", "10", "6"), NewLine("A", "ART2", "5", "0"), NewLine("B", "", "3", "3")})
        order.Fwd_DETTAGLIO_Add(&line);
    EXPECT_EQ(delivery.AssociaDocumento(order, true, false, true), -1);  // not stored yet
    ASSERT_TRUE(order.DB_AddNew());
    EXPECT_EQ(delivery.AssociaDocumento(order.Get_ID(), true, false, true), 0);
    EXPECT_EQ(delivery.AssociaDocumento(order, true, false, true), -1);
    EXPECT_EQ(delivery.Fwd_LISTA_DOCUMENTI_ASSOCIATI_GetAt(0).Get_TOTALE(), Dec("10.01"));

    const CDomainDettaglioDocumento& lines = *delivery.Get_DETTAGLIO();
    ASSERT_EQ(lines.GetSize(), 3);
    EXPECT_EQ(lines.GetAt(0)->Get_ID_ARTICOLO() + lines.GetAt(0)->Get_QUANTITA().ToString2(127, false), "ART16");
    EXPECT_EQ(lines.GetAt(1)->Get_QUANTITA(), Dec("3"));
    EXPECT_EQ(lines.GetAt(2)->Get_DESCRIZIONE(), "RIF. OC 5 DEL 15/03/2024");
}

}  // namespace

ORVEL_DATABASE_TEST_SUITE(DocumentLink);
