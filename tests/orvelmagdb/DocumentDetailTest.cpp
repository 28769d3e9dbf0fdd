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
#include "orvelmagdb/domain/documents/DomainListaIvaDocumento.h"
#include "orvelmagdb/domain/documents/DomainVoceDocumentoMagazzino.h"
#include "orvelmagdb/domain/documents/DomainVoceDocumentoModa.h"
#include "orvelmagdb/recordsets/documentlines/VociDocumentoModaOperSet.h"
#include "support/DatabaseTest.h"

using orvel::test::ConfigGuard;

namespace {

// The address of a line built in the same full expression, for adding it at once.
template <class Line>
const Line* P(const Line& line)
{
    return &line;
}

std::string S(const Decimal& value) { return value.ToString2(127, true).str(); }
Decimal D(const char* text) { return Decimal(text, 127); }

template <class Line = CDomainVoceDocumentoMagazzino>
Line MakeLine(const char* tipo, const char* article, const char* qty, const char* price = "10")
{
    Line line;
    line.Set_TIPO(tipo);
    line.Set_ID_ARTICOLO(article);
    line.Set_QUANTITA(D(qty));
    line.Set_PREZZO_PZ(D(price), false);
    return line;
}

class DocumentDetail : public ::testing::Test {
protected:
    void SetUp() override
    {
        config.SetShopDefaults();
        config.Set("precisione/quantita", "3");
        config.Set("default/ristorazione/coperto/descrizione", "COPERTO");
        config.Set("default/ristorazione/servizio/descrizione", "SERVIZIO");
    }
    ConfigGuard config;
};

TEST_F(DocumentDetail, MergingJoinsOnlyEqualArticleLines)
{
    using Change = std::function<void(CDomainVoceDocumento&)>;
    const struct {
        const char* what;
        Change change;
        bool merges;
    } cases[] = {
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
        CDomainVoceDocumentoMagazzino first = MakeLine("A", "ART1", "2");
        first.Set_QUANTITA_DA_EVADERE(D("2"));
        first.Set_QUANTITA_EVASA(D("1"));
        CDomainVoceDocumentoMagazzino second(first);
        c.change(second);
        CDomainDettaglioDocumentoMagazzino detail;
        EXPECT_EQ(detail.Add(&first, true), 0);
        EXPECT_EQ(detail.Add(&second, true), c.merges ? 0 : 1);
        ASSERT_EQ(detail.GetSize(), c.merges ? 1 : 2);
        EXPECT_EQ(S(detail.GetAt(0)->Get_QUANTITA()), c.merges ? "4" : "2");
        EXPECT_EQ(S(detail.GetAt(0)->Get_QUANTITA_DA_EVADERE()), c.merges ? "4" : "2");
        EXPECT_EQ(S(detail.GetAt(0)->Get_QUANTITA_EVASA()), c.merges ? "2" : "1");
        EXPECT_EQ(detail.GetAt(0)->Get_DESCRIZIONE(), "");  // the held line keeps its own text
    }
    CDomainDettaglioDocumentoMagazzino detail;
    const CDomainVoceDocumentoMagazzino line = MakeLine("A", "ART1", "2");
    detail.Add(&line, false);
    EXPECT_EQ(detail.Add(&line, false), 1);
    EXPECT_EQ(detail.Add(static_cast<const CDomainVoceDocumento*>(nullptr), true), -1);
    EXPECT_EQ(detail.Add(static_cast<const CDomainDettaglioDocumento*>(nullptr), true), -1);
    EXPECT_EQ(detail.Add(&detail, true), 2);  // a detail added to itself merges into itself
    ASSERT_EQ(detail.GetSize(), 2);
    EXPECT_EQ(S(detail.GetAt(0)->Get_QUANTITA()), "6");
}

TEST_F(DocumentDetail, FulfilmentAddTakesTheOpenQuantity)
{
    CDomainVoceDocumentoMagazzino line = MakeLine("A", "ART1", "10");
    line.Set_QUANTITA_EVASA(D("4"));
    line.Set_QUANTITA_DA_EVADERE(D("6"));
    CDomainDettaglioDocumentoMagazzino detail;
    EXPECT_EQ(detail.AddQtaDaEvadere(&line, true), 0);
    EXPECT_EQ(S(detail.GetAt(0)->Get_QUANTITA()), "6");
    EXPECT_EQ(S(detail.GetAt(0)->Get_QUANTITA_EVASA()), "0");
    EXPECT_EQ(S(detail.GetAt(0)->Get_QUANTITA_DA_EVADERE()), "6");
    CDomainDettaglioDocumentoMagazzino other;
    other.Add(&line, false);
    EXPECT_EQ(detail.AddQtaDaEvadere(&other, true), 1);
    ASSERT_EQ(detail.GetSize(), 1);
    EXPECT_EQ(S(detail.GetAt(0)->Get_QUANTITA()), "12");
    EXPECT_EQ(S(detail.GetAt(0)->Get_QUANTITA_DA_EVADERE()), "12");
    EXPECT_EQ(S(detail.GetAt(0)->Get_QUANTITA_EVASA()), "0");
}

TEST_F(DocumentDetail, ImportFollowsTheReasonOfTheSourceDocument)
{
    CDomainDettaglioDocumentoMagazzino source;
    CDomainVoceDocumentoMagazzino open = MakeLine("A", "ART1", "10"), done = MakeLine("A", "ART2", "5");
    open.Set_QUANTITA_EVASA(D("4"));
    open.Set_QUANTITA_DA_EVADERE(D("6"));
    done.Set_QUANTITA_EVASA(D("5"));
    source.Add(&open, false);
    source.Add(&done, false);
    source.AggiungiRiferimentoDocumento("ORD", "", 3, TIMESTAMP_STRUCT{2024, 1, 2, 0, 0, 0, 0});

    CDomainCausaleMagazzino order;
    order.Set_F_ORDINE_DA_CLIENTE(1);
    CDomainDettaglioDocumentoMagazzino fromOrder;
    EXPECT_TRUE(fromOrder.AggiungiDettaglio(order, &source, true));
    ASSERT_EQ(fromOrder.GetSize(), 2);  // the fulfilled line is skipped
    EXPECT_EQ(S(fromOrder.GetAt(0)->Get_QUANTITA()), "6");
    EXPECT_EQ(fromOrder.GetAt(1)->Get_DESCRIZIONE(), "RIF. ORD 3 DEL 02/01/2024");
    EXPECT_NE(dynamic_cast<const CDomainVoceDocumentoMagazzino*>(fromOrder.GetAt(1)), nullptr);

    CDomainDettaglioDocumentoMagazzino fromDelivery;
    EXPECT_TRUE(fromDelivery.AggiungiDettaglio(CDomainCausaleMagazzino(), &source, false));
    ASSERT_EQ(fromDelivery.GetSize(), 3);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(S(fromDelivery.GetAt(i)->Get_QUANTITA_DA_EVADERE()), S(source.GetAt(i)->Get_QUANTITA()));
        EXPECT_TRUE(fromDelivery.GetAt(i)->Get_QUANTITA_EVASA().IsZero());
    }
    EXPECT_EQ(S(source.GetAt(0)->Get_QUANTITA_EVASA()), "4");  // the source is left as it was
}

TEST_F(DocumentDetail, RestaurantOrderFoldsSupplementsAndCancels)
{
    CDomainDettaglioDocumentoComanda order;
    EXPECT_EQ(order.Add(P(MakeLine("B", "", "1", "1.5")), true), 0);  // a first supplement stands alone
    CDomainVoceDocumentoMagazzino dish = MakeLine("A", "PASTA", "2", "8");
    dish.Set_PREZZO_PZ_IVATO(D("8.8"), false);
    EXPECT_EQ(order.Add(&dish, true), 1);
    CDomainVoceDocumentoMagazzino extra = MakeLine("B", "", "1", "1.25");
    extra.Set_PREZZO_PZ_IVATO(D("1.38"), false);
    EXPECT_EQ(order.Add(&extra, true), 1);
    EXPECT_EQ(order.Add(P(MakeLine("B", "", "1", "0")), true), 1);
    CDomainVoceDocumentoMagazzino cover = MakeLine("B", "", "2", "2");
    cover.Set_DESCRIZIONE("COPERTO");
    EXPECT_EQ(order.Add(&cover, true), 2);
    ASSERT_EQ(order.GetSize(), 3);
    EXPECT_EQ(S(order.GetAt(1)->Get_PREZZO_PZ()), "9.25");
    EXPECT_EQ(S(order.GetAt(1)->Get_PREZZO_PZ_IVATO()), "10.18");
    EXPECT_EQ(order.Add(P(MakeLine("A", "WINE", "1", "5")), true), 3);

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
    EXPECT_EQ(S(copy.GetAt(2)->Get_QUANTITA()), "0.5");
    EXPECT_EQ(S(cancel.GetAt(0)->Get_QUANTITA()), "2");
    EXPECT_EQ(order.GetSize(), 4);  // the copy owns its own lines
    std::unique_ptr<CDomainDettaglioDocumento> clone(order.Clone());
    EXPECT_EQ(dynamic_cast<CDomainDettaglioDocumentoComanda&>(*clone).Get_DESCRIZIONE_SERVIZIO(), "SERVIZIO");
}

TEST_F(DocumentDetail, ReferenceLinesAndParcels)
{
    const TIMESTAMP_STRUCT date{2024, 3, 5, 0, 0, 0, 0};
    const struct {
        const char* series;
        const char* text;
    } refs[] = {{"A", "RIF.DDT  A/12 DEL 05/03/2024"}, {" ", "RIF. DDT 12 DEL 05/03/2024"}, {"", "RIF. DDT 12 DEL 05/03/2024"}};
    CDomainDettaglioDocumentoMagazzino detail;
    for (const auto& r : refs)
        EXPECT_TRUE(detail.AggiungiRiferimentoDocumento("DDT", r.series, 12, date));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(detail.GetAt(i)->Get_DESCRIZIONE(), refs[i].text);
        EXPECT_EQ(detail.GetAt(i)->Get_TIPO(), "R");
    }
    CDomainVoceDocumentoMagazzino boxed = MakeLine("A", "ART1", "2.5");
    boxed.Set_NUMERO_IMBALLI(3);
    detail.Add(&boxed, false);
    detail.RefAt(0)->Set_QUANTITA(D("100"));  // a reference line's quantity never counts
    detail.RefAt(0)->Set_NUMERO_IMBALLI(100);
    const char* parcels[][2] = {{"1", "2.5"}, {"2", "3"}, {"0", "0"}};
    for (const auto& [setting, expected] : parcels) {
        config.Set("magazzino/documento/collicomesommaqta", setting);
        EXPECT_EQ(S(detail.CalcolaNumeroColli()), expected) << setting;
    }
}

TEST_F(DocumentDetail, TotalsSkipReferencesAndOptionallyOtherLines)
{
    CDomainDettaglioDocumentoMagazzino detail;
    for (auto total : {detail.Get_TOTALE_IMPORTO(), detail.Get_TOTALE(D("10")), detail.Get_TOTALE_QUANTITA()})
        EXPECT_TRUE(total.IsZero());
    CDomainVoceDocumentoMagazzino article = MakeLine("A", "ART1", "2", "10.005");  // price rounds to 10.01
    article.Set_ALIQUOTA_IVA(D("22"));
    article.Set_QUANTITA_OMAGGIO(D("1"));
    article.Set_SCONTA_IVA(0);
    detail.Add(&article, false);
    detail.Add(P(MakeLine("B", "", "1", "5")), false);
    detail.Add(P(MakeLine("R", "", "9", "100")), false);
    // gross 20.02 + 5; the free gift (10.01) is out of the net; net 10.01 and 5 less 10%.
    const struct {
        const char* what;
        Decimal all, articles;
    } cases[] = {
        {"gross", detail.Get_TOTALE_IMPORTO(false), detail.Get_TOTALE_IMPORTO(true)},
        {"net", detail.Get_TOTALE_IMPORTO_NETTO(D("10"), false), detail.Get_TOTALE_IMPORTO_NETTO(D("10"), true)},
        {"free gift", detail.Get_TOTALE_OMAGGIO(false), detail.Get_TOTALE_OMAGGIO(true)},
        {"extra discount", detail.Get_TOTALE_SCONTO_EXTRA(D("10"), false), detail.Get_TOTALE_SCONTO_EXTRA(D("10"), true)},
        {"discount", detail.Get_TOTALE_SCONTO(D("10"), false), detail.Get_TOTALE_SCONTO(D("10"), true)},
    };
    const char* expected[][2] = {{"25.02", "20.02"}, {"13.51", "9.01"}, {"10.01", "10.01"}, {"1.5", "1"}, {"1.5", "1"}};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(S(cases[i].all), expected[i][0]) << cases[i].what;
        EXPECT_EQ(S(cases[i].articles), expected[i][1]) << cases[i].what;
    }
    // taxable 9.009 + 10.01 gift -> 19.02 (VAT 4.18), plus 4.5 at rate 0; total adds VAT to the net.
    EXPECT_EQ(S(detail.Get_TOTALE_IMPONIBILE(D("10"))), "23.52");
    EXPECT_EQ(S(detail.Get_TOTALE_IVA(D("10"))), "4.18");
    EXPECT_EQ(S(detail.Get_TOTALE(D("10"))), "17.69");
    EXPECT_EQ(S(detail.Get_TOTALE_QUANTITA()), "3");
}

TEST_F(DocumentDetail, IndexErrorsLeaveTheDetailAndSlotsOwnTheirLines)
{
    CDomainDettaglioDocumentoModa detail;
    const CDomainVoceDocumentoModa line = MakeLine<CDomainVoceDocumentoModa>("A", "ART1", "1");
    detail.Add(&line, false);
    detail.AggiungiRiferimentoDocumento("DDT", "", 1, TIMESTAMP_STRUCT{2024, 1, 1, 0, 0, 0, 0});
    for (int bad : {-1, 2}) {
        EXPECT_THROW(detail.GetAt(bad), CInvalidArgException);
        EXPECT_THROW(detail.RefAt(bad), CInvalidArgException);
        EXPECT_THROW(detail.SetAt(bad, &line), CInvalidArgException);
        EXPECT_THROW(detail.RemoveAt(bad), CInvalidArgException);
        EXPECT_THROW(detail[bad], CInvalidArgException);
        EXPECT_EQ(detail.GetSize(), 2);
    }
    EXPECT_NE(detail[0], nullptr);
    EXPECT_EQ(detail[1], nullptr);  // a reference line is not a fashion line
    CDomainVoceDocumentoModa changed(line);
    changed.Set_QUANTITA(D("7"));
    detail.SetAt(1, &changed);
    changed.Set_QUANTITA(D("9"));  // the detail holds its own copy
    EXPECT_EQ(S(detail[1]->Get_QUANTITA()), "7");
    detail.SetSize(4);
    EXPECT_EQ(detail.GetAt(3), nullptr);
    EXPECT_EQ(S(detail.Get_TOTALE_QUANTITA()), "8");  // empty slots are stepped over
    EXPECT_EQ(detail.Add(&line, true), 0);
    detail.SetSize(1);
    detail.RemoveAt(0);
    EXPECT_EQ(detail.GetSize(), 0);
}

TEST_F(DocumentDetail, FashionLookupsTellSizesAndColoursApart)
{
    CDomainDettaglioDocumentoModa detail;
    CDomainVoceDocumentoModa m42 = MakeLine<CDomainVoceDocumentoModa>("A", "SHIRT", "1");
    m42.Set_ID_TAGLIA("42");
    CDomainVoceDocumentoModa m44(m42);
    m44.Set_ID_TAGLIA("44");
    detail.Add(P(MakeLine<CDomainVoceDocumentoModa>("B", "SHIRT", "1")), true);
    EXPECT_EQ(detail.Add(&m42, true), 1);
    EXPECT_EQ(detail.Add(&m44, true), 2);
    EXPECT_EQ(detail.Add(&m44, true), 2);
    EXPECT_EQ(detail.IsArticoloInDettaglio(&m44), 2);
    EXPECT_EQ(detail.IsArticoloInDettaglio("SHIRT"), 0);  // by id alone any line counts
    EXPECT_EQ(detail.IsArticoloInDettaglio(P(MakeLine("A", "SHIRT", "1"))), -1);  // not a fashion line
    CDomainDettaglioDocumentoMagazzino warehouse;
    warehouse.Add(&m42, false);
    EXPECT_EQ(warehouse.IsArticoloInDettaglio(P(MakeLine("A", "SHIRT", "1"))), -1);  // held line is another kind
}

class DocumentDetailDb : public orvel::test::DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        config.SetShopDefaults();
        config.Set("precisione/quantita", "3");
        CSchema::Create(db());
    }
    ConfigGuard config;
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
    EXPECT_EQ(S(row.Get_TOTALE_IMPONIBILE()), "145");
    EXPECT_EQ(S(row.Get_TOTALE_IVA()), "31.9");
}

TEST_P(DocumentDetailDb, FashionImportOfAStoredOrder)
{
    Exec("INSERT INTO CAUSALE (ID, DESCRIZIONE, F_ORDINE_DA_CLIENTE) VALUES (3, 'Order', 1)");
    Exec("INSERT INTO DOCUMENTO (ID, NUMERO, ANNO, SERIE, ID_CAUSALE) VALUES (7, 1, 2024, ' ', 3)");
    const char* lines[][2] = {{"42", "6"}, {"44", "0"}, {"42", "1"}};
    for (const auto& [size, open] : lines) {
        CDomainVoceDocumentoModa line = MakeLine<CDomainVoceDocumentoModa>("A", "SHIRT", "10");
        line.Set_ID_TAGLIA(size);
        line.Set_QUANTITA_DA_EVADERE(D(open));
        CVociDocumentoModaOperSet rs(&db());
        rs.m_strFilter = "ID = -1";
        rs.Open();
        rs.AddNew();
        line.ToRecordset(rs);
        rs.ID_DOCUMENTO = 7;
        rs.Update();
    }
    CDomainDettaglioDocumentoModa detail(&db());
    EXPECT_TRUE(detail.AggiungiDettaglio(7, true));
    ASSERT_EQ(detail.GetSize(), 1);
    EXPECT_EQ(S(detail.GetAt(0)->Get_QUANTITA()), "7");
    EXPECT_EQ(detail[0]->Get_ID_TAGLIA(), "42");
    EXPECT_FALSE(detail.AggiungiDettaglio(99, true));
    EXPECT_FALSE(CDomainDettaglioDocumentoModa().AggiungiDettaglio(7, true));
    EXPECT_EQ(detail.GetSize(), 1);
}

ORVEL_DATABASE_TEST_SUITE(DocumentDetailDb);

}  // namespace
