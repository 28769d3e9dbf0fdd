// The detail of a document: merging and fulfilment adds, imports by movement reason, the
// restaurant-order rules, reference lines, parcels, totals, index errors and ownership in memory;
// the VAT summary and the fashion import of a stored document on both databases.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "afx/Exception.h"
#include "orvelmagdb/ConfigGuard.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/domain/documents/DomainCausaleMagazzino.h"
#include "orvelmagdb/domain/documents/DomainDettaglioDocumentoComanda.h"
#include "orvelmagdb/domain/documents/DomainDettaglioDocumentoModa.h"
#include "orvelmagdb/domain/documents/DomainDocumentoMagazzino.h"
#include "orvelmagdb/domain/documents/DomainListaIvaDocumento.h"
#include "orvelmagdb/domain/documents/DomainVoceDocumentoMagazzino.h"
#include "orvelmagdb/domain/documents/DomainVoceDocumentoModa.h"
#include "support/DatabaseTest.h"

using orvel::test::ConfigGuard;

namespace {

// The address of a line built in the same full expression, for adding it at once.
template <class Line> const Line* P(const Line& line) { return &line; }

std::string S(const Decimal& value) { return value.ToString2(127, true).str(); }
Decimal D(const char* text) { return Decimal(text, 127); }
// "quantity/fulfilled/still to fulfil" of a line.
std::string Q(const CDomainVoceDocumento* line)
{
    return S(line->Get_QUANTITA()) + "/" + S(line->Get_QUANTITA_EVASA()) + "/" + S(line->Get_QUANTITA_DA_EVADERE());
}

template <class Line = CDomainVoceDocumentoMagazzino>
Line MakeLine(const char* tipo, const char* article, const char* qty, const char* price = "10", const char* open = "0")
{
    Line line;
    line.Set_TIPO(tipo);
    line.Set_ID_ARTICOLO(article);
    line.Set_QUANTITA(D(qty));
    line.Set_PREZZO_PZ(D(price), false);
    line.Set_QUANTITA_DA_EVADERE(D(open));
    line.Set_QUANTITA_EVASA(D(qty) - D(open));
    return line;
}

struct ShopConfig : ConfigGuard {
    ShopConfig()
    {
        SetShopDefaults();
        Set("precisione/quantita", "3");
        Set("default/ristorazione/coperto/descrizione", "COPERTO");
        Set("default/ristorazione/servizio/descrizione", "SERVIZIO");
    }
};

class DocumentDetail : public ::testing::Test {
protected:
    ShopConfig config;
};

TEST_F(DocumentDetail, MergingAndFulfilmentAdds)
{
    const struct { const char* what; std::function<void(CDomainVoceDocumento&)> change; bool merges; } cases[] = {
        {"same line", [](auto&) {}, true},
        {"extra discount", [](auto& l) { l.Set_SCONTO_EXTRA(D("5")); }, true},
        {"description", [](auto& l) { l.Set_DESCRIZIONE("other"); }, true},
        {"price", [](auto& l) { l.Set_PREZZO_PZ(D("11"), false); }, false},
        {"VAT code", [](auto& l) { l.Set_ID_IVA("10", false); }, false},
        {"discount 1", [](auto& l) { l.Set_SCONTO1(D("1")); }, false},
        {"discount 4", [](auto& l) { l.Set_SCONTO4(D("1")); }, false},
        {"commission", [](auto& l) { l.Set_PROVVIGIONE(D("3")); }, false},
        {"packaging", [](auto& l) { l.Set_ID_IMBALLO("BOX"); }, false},
        {"lot", [](auto& l) { l.Set_LOTTO_NUMERO(7); }, false},
        {"type B", [](auto& l) { l.Set_TIPO("B"); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const CDomainVoceDocumentoMagazzino first = MakeLine("A", "ART1", "10", "10", "6");
        CDomainVoceDocumentoMagazzino second(first);
        c.change(second);
        CDomainDettaglioDocumentoMagazzino detail;
        EXPECT_EQ(detail.Add(&first, true), 0);
        EXPECT_EQ(detail.Add(&second, true), c.merges ? 0 : 1);
        ASSERT_EQ(detail.GetSize(), c.merges ? 1 : 2);
        EXPECT_EQ(Q(detail.GetAt(0)), c.merges ? "20/8/12" : "10/4/6");
        EXPECT_EQ(detail.GetAt(0)->Get_DESCRIZIONE(), "");  // the held line keeps its own text
    }
    const CDomainVoceDocumentoMagazzino line = MakeLine("A", "ART1", "10", "10", "6");
    CDomainDettaglioDocumentoMagazzino detail, plain;
    EXPECT_EQ(detail.AddQtaDaEvadere(&line, true), 0);
    EXPECT_EQ(Q(detail.GetAt(0)), "6/0/6");
    EXPECT_EQ(detail.AddQtaDaEvadere(&detail, true), 1);  // a detail added to itself merges into itself
    EXPECT_EQ(Q(detail.GetAt(0)), "12/0/12");
    plain.Add(&line, false);
    EXPECT_EQ(plain.Add(&line, false), 1);
    EXPECT_EQ(plain.Add(static_cast<const CDomainVoceDocumento*>(nullptr), true), -1);
    EXPECT_EQ(plain.AddQtaDaEvadere(static_cast<const CDomainDettaglioDocumento*>(nullptr), true), -1);
}

TEST_F(DocumentDetail, ImportFollowsTheReasonOfTheSourceDocument)
{
    CDomainDettaglioDocumentoMagazzino source, fromOrder, fromDelivery;
    source.Add(P(MakeLine("A", "ART1", "10", "10", "6")), false);
    source.Add(P(MakeLine("A", "ART2", "10", "10", "0")), false);
    source.AggiungiRiferimentoDocumento("ORD", "", 3, TIMESTAMP_STRUCT{2024, 1, 2, 0, 0, 0, 0});
    CDomainCausaleMagazzino order;
    order.Set_F_ORDINE_DA_CLIENTE(1);
    EXPECT_TRUE(fromOrder.AggiungiDettaglio(order, &source, true));
    ASSERT_EQ(fromOrder.GetSize(), 2);  // the fulfilled line is skipped
    EXPECT_EQ(Q(fromOrder.GetAt(0)), "6/4/6");
    EXPECT_EQ(fromOrder.GetAt(1)->Get_DESCRIZIONE(), "RIF. ORD 3 DEL 02/01/2024");
    EXPECT_TRUE(fromDelivery.AggiungiDettaglio(CDomainCausaleMagazzino(), &source, false));
    ASSERT_EQ(fromDelivery.GetSize(), 3);
    EXPECT_EQ(Q(fromDelivery.GetAt(0)) + " " + Q(fromDelivery.GetAt(1)), "10/0/10 10/0/10");
    EXPECT_EQ(Q(source.GetAt(0)), "10/4/6");  // the source is left as it was
}

TEST_F(DocumentDetail, RestaurantOrderFoldsSupplementsAndCancels)
{
    CDomainDettaglioDocumentoComanda order;
    EXPECT_EQ(order.Add(P(MakeLine("B", "", "1", "1.5")), true), 0);  // a first supplement stands alone
    EXPECT_EQ(order.Add(P(MakeLine("A", "PASTA", "2", "8")), true), 1);
    CDomainVoceDocumentoMagazzino extra = MakeLine("B", "", "1", "1.25"), cover = MakeLine("B", "", "2", "2");
    extra.Set_PREZZO_PZ_IVATO(D("1.38"), false);
    cover.Set_DESCRIZIONE("COPERTO");
    EXPECT_EQ(order.Add(&extra, true), 1);
    EXPECT_EQ(order.Add(P(MakeLine("B", "", "1", "0")), true), 1);
    EXPECT_EQ(order.Add(&cover, true), 2);
    EXPECT_EQ(order.Add(P(MakeLine("A", "WINE", "1", "5")), true), 3);
    ASSERT_EQ(order.GetSize(), 4);
    EXPECT_EQ(S(order.GetAt(1)->Get_PREZZO_PZ()) + " " + S(order.GetAt(1)->Get_PREZZO_PZ_IVATO()), "9.25 1.38");

    // A cancelling order takes its quantities off the equal lines; dishes at zero disappear.
    CDomainDettaglioDocumentoMagazzino cancel;
    cancel.Add(P(MakeLine("A", "PASTA", "2", "9.25")), false);
    cancel.Add(P(MakeLine("A", "WINE", "0.5", "5")), false);
    CDomainCausaleMagazzino reason;
    reason.Set_F_VALUTAZIONE(-1);
    CDomainDettaglioDocumentoComanda copy(order);
    EXPECT_TRUE(copy.AggiungiDettaglio(reason, &cancel, true));
    ASSERT_EQ(copy.GetSize(), 3);
    EXPECT_EQ(copy.GetAt(1)->Get_DESCRIZIONE(), "COPERTO");
    EXPECT_EQ(S(copy.GetAt(2)->Get_QUANTITA()) + " " + Q(cancel.GetAt(0)), "0.5 2/2/0");
    EXPECT_EQ(order.GetSize(), 4);  // the copy owns its own lines
    std::unique_ptr<CDomainDettaglioDocumento> clone(order.Clone());
    EXPECT_EQ(dynamic_cast<CDomainDettaglioDocumentoComanda&>(*clone).Get_DESCRIZIONE_SERVIZIO(), "SERVIZIO");
}

TEST_F(DocumentDetail, ReferenceLinesParcelsAndTotals)
{
    CDomainDettaglioDocumentoMagazzino detail;
    for (auto total : {detail.Get_TOTALE_IMPORTO(), detail.Get_TOTALE(D("10")), detail.Get_TOTALE_QUANTITA()})
        EXPECT_TRUE(total.IsZero());
    const char* refs[][2] = {{"A", "RIF.DDT  A/12 DEL 05/03/2024"}, {" ", "RIF. DDT 12 DEL 05/03/2024"},
                             {"", "RIF. DDT 12 DEL 05/03/2024"}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(detail.AggiungiRiferimentoDocumento("DDT", refs[i][0], 12, TIMESTAMP_STRUCT{2024, 3, 5, 0, 0, 0, 0}));
        EXPECT_EQ(detail.GetAt(i)->Get_DESCRIZIONE(), refs[i][1]);
        EXPECT_EQ(detail.GetAt(i)->Get_TIPO(), "R");
        detail.RefAt(i)->Set_QUANTITA(D("100"));  // a reference line never counts
        detail.RefAt(i)->Set_PREZZO_PZ(D("100"), false);
        detail.RefAt(i)->Set_NUMERO_IMBALLI(100);
    }
    CDomainVoceDocumentoMagazzino article = MakeLine("A", "ART1", "2", "10.005");  // price rounds to 10.01
    article.Set_ALIQUOTA_IVA(D("22"));
    article.Set_QUANTITA_OMAGGIO(D("1"));
    article.Set_SCONTA_IVA(0);
    article.Set_NUMERO_IMBALLI(3);
    detail.Add(&article, false);
    detail.Add(P(MakeLine("B", "", "1.5", "5")), false);
    // gross 20.02 + 7.5; the free gift (10.01) is out of the net; net 10.01 and 7.5 less 10%. Each
    // row: gross, net, free gift, extra discount, discount; all lines, then article lines only; then
    // taxable 9.009 + 10.01 gift -> 19.02 (VAT 4.18) plus 6.75 at rate 0, VAT, and net plus VAT.
    std::vector<std::string> got;
    for (bool articles : {false, true}) {
        for (const Decimal& total : {detail.Get_TOTALE_IMPORTO(articles), detail.Get_TOTALE_IMPORTO_NETTO(D("10"), articles),
                                     detail.Get_TOTALE_OMAGGIO(articles), detail.Get_TOTALE_SCONTO_EXTRA(D("10"), articles),
                                     detail.Get_TOTALE_SCONTO(D("10"), articles)})
            got.push_back(S(total));
    }
    for (const Decimal& total : {detail.Get_TOTALE_IMPONIBILE(D("10")), detail.Get_TOTALE_IVA(D("10")), detail.Get_TOTALE(D("10"))})
        got.push_back(S(total));
    EXPECT_EQ(got, (std::vector<std::string>{"27.52", "15.76", "10.01", "1.75", "1.75", "20.02", "9.01", "10.01", "1",
                                             "1", "25.77", "4.18", "19.94"}));
    const char* parcels[][2] = {{"1", "3.5"}, {"2", "3"}, {"0", "0"}};
    for (const auto& [setting, expected] : parcels) {
        config.Set("magazzino/documento/collicomesommaqta", setting);
        EXPECT_EQ(S(detail.CalcolaNumeroColli()), expected) << setting;
    }
}

TEST_F(DocumentDetail, IndexErrorsOwnedCopiesAndFashionLookups)
{
    CDomainDettaglioDocumentoModa detail;
    CDomainVoceDocumentoModa m42 = MakeLine<CDomainVoceDocumentoModa>("A", "SHIRT", "1");
    m42.Set_ID_TAGLIA("42");
    CDomainVoceDocumentoModa m44(m42);
    m44.Set_ID_TAGLIA("44");
    detail.AggiungiRiferimentoDocumento("DDT", "", 1, TIMESTAMP_STRUCT{2024, 1, 1, 0, 0, 0, 0});
    EXPECT_EQ(detail.Add(&m42, true), 1);
    for (int bad : {-1, 2}) {
        EXPECT_THROW(detail.GetAt(bad), CInvalidArgException);
        EXPECT_THROW(detail.RefAt(bad), CInvalidArgException);
        EXPECT_THROW(detail.SetAt(bad, &m42), CInvalidArgException);
        EXPECT_THROW(detail.RemoveAt(bad), CInvalidArgException);
        EXPECT_THROW(detail[bad], CInvalidArgException);
        EXPECT_EQ(detail.GetSize(), 2);
    }
    EXPECT_EQ(detail[0], nullptr);  // a reference line is not a fashion line
    EXPECT_EQ(detail.Add(&m44, true), 2);
    EXPECT_EQ(detail.Add(&m44, true), 2);
    EXPECT_EQ(detail.IsArticoloInDettaglio(&m44), 2);
    EXPECT_EQ(detail.IsArticoloInDettaglio(P(MakeLine("A", "SHIRT", "1"))), -1);  // not a fashion line
    m42.Set_QUANTITA(D("7"));
    detail.SetAt(0, &m42);
    m42.Set_QUANTITA(D("9"));  // the detail holds its own copy
    EXPECT_EQ(detail.IsArticoloInDettaglio("SHIRT"), 0);
    detail.SetSize(5);
    EXPECT_EQ(detail.GetAt(4), nullptr);
    EXPECT_EQ(S(detail.Get_TOTALE_QUANTITA()), "10");  // 7 + 1 + 2; empty slots are stepped over
    CDomainDettaglioDocumentoModa copy(detail);
    detail.SetSize(1);
    EXPECT_EQ(S(copy[2]->Get_QUANTITA()), "2");
    CDomainDettaglioDocumentoMagazzino warehouse;
    warehouse.Add(&m42, false);
    EXPECT_EQ(warehouse.IsArticoloInDettaglio(P(MakeLine("A", "SHIRT", "1"))), -1);  // held line is another kind
}

class DocumentDetailDb : public orvel::test::DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (!IsSkipped())
            CSchema::Create(db());
    }
    ShopConfig config;
};

TEST_P(DocumentDetailDb, VatSummaryLeavesUnknownCodesOut)
{
    Exec("INSERT INTO IVA (CODICE, ALIQUOTA, DESCRIZIONE) VALUES ('22', '22', 'Ordinaria')");
    CDomainDettaglioDocumentoMagazzino detail(&db());
    const char* lines[][3] = {{"22", "100", "0"}, {"22", "50", "10"}, {"XX", "70", "0"}};
    for (const auto& [code, price, extra] : lines) {
        CDomainVoceDocumentoMagazzino line(&db());
        line = MakeLine("A", "ART", "1", price);  // the line keeps its connection for the rate lookup
        line.Set_ID_IVA(code, true);
        line.Set_SCONTO_EXTRA(D(extra));
        detail.Add(&line, false);
    }
    detail.Add(P(MakeLine("R", "", "1", "999")), false);
    const CDomainListaIvaDocumento vat = detail.GetIvaDocumento();
    ASSERT_EQ(vat.GetCount(), 1);
    CDomainIvaDocumento row;
    ASSERT_TRUE(vat.Lookup("22", row));
    EXPECT_EQ(S(row.Get_TOTALE_IMPONIBILE()) + " " + S(row.Get_TOTALE_IVA()), "145 31.9");
}

TEST_P(DocumentDetailDb, StoredOrdersImportWhatIsStillOpen)
{
    Exec("INSERT INTO CAUSALE (ID, DESCRIZIONE, F_ORDINE_DA_CLIENTE) VALUES (3, 'Order', 1)");
    CDomainDocumentoMagazzino stored(&db());
    stored.SetCausale(3);
    stored.Fwd_DETTAGLIO_Add(P(MakeLine("A", "ART1", "10", "10", "6")));
    stored.Fwd_DETTAGLIO_Add(P(MakeLine("A", "ART1", "10", "10", "0")));
    ASSERT_TRUE(stored.DB_AddNew());
    CDomainDettaglioDocumentoComanda order(&db());
    EXPECT_TRUE(order.AggiungiDettaglio(stored.Get_ID(), true));
    ASSERT_EQ(order.GetSize(), 1);
    EXPECT_EQ(Q(order.GetAt(0)), "6/4/6");

    Exec("INSERT INTO DOCUMENTO (ID, NUMERO, ANNO, SERIE, ID_CAUSALE) VALUES (900, 1, 2024, ' ', 3)");
    Exec("INSERT INTO VOCI_DOCUMENTO (ID_DOCUMENTO, TIPO, ID_ARTICOLO, ID_TAGLIA, QUANTITA, QUANTITA_EVASA, "
         "QUANTITA_DA_EVADERE) VALUES (900, 'A', 'SHIRT', '42', '10', '4', '6'), (900, 'A', 'SHIRT', '44', '10', "
         "'10', '0'), (900, 'A', 'SHIRT', '42', '10', '9', '1')");
    CDomainDettaglioDocumentoModa fashion(&db());
    EXPECT_TRUE(fashion.AggiungiDettaglio(900, true));
    ASSERT_EQ(fashion.GetSize(), 1);
    EXPECT_EQ(Q(fashion.GetAt(0)) + " " + fashion[0]->Get_ID_TAGLIA().str(), "7/13/7 42");
    for (CDomainDettaglioDocumento* detail : std::vector<CDomainDettaglioDocumento*>{&fashion, &order}) {
        EXPECT_FALSE(detail->AggiungiDettaglio(901, true));
        detail->SetDatabase(nullptr);
        EXPECT_FALSE(detail->AggiungiDettaglio(900, true));
    }
    EXPECT_EQ(fashion.GetSize() + order.GetSize(), 2);
}

ORVEL_DATABASE_TEST_SUITE(DocumentDetailDb);

}  // namespace
