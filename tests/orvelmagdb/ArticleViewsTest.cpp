// The article tables and views on real databases: what is written through the article recordsets
// comes out of the joined views with the descriptions the references imply (NULL where a reference
// is missing), the rows an article owns go with it, the lookup keys hold, and every article and
// stock view has exactly the columns its recordset binds.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "odbc/DBException.h"
#include "orvelmagdb/ArticlePrivateRecordset.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/recordsets/articles/ARTICOLO_FORNITORE_COMPLETO.h"
#include "orvelmagdb/recordsets/articles/ARTICOLO_PROG_CASSA.h"
#include "orvelmagdb/recordsets/articles/ArticoloCassaSet.h"
#include "orvelmagdb/recordsets/articles/ArticoloCompletoSet.h"
#include "orvelmagdb/recordsets/articles/ArticoloContieneVuotoComplSet.h"
#include "orvelmagdb/recordsets/articles/ArticoloIvaSet.h"
#include "orvelmagdb/recordsets/articles/ArticoloListSet.h"
#include "orvelmagdb/recordsets/articles/ArticoloSet.h"
#include "orvelmagdb/recordsets/articles/ArticoloUmAlternativaSet.h"
#include "orvelmagdb/recordsets/articles/CategoriaScontoCompletoSet.h"
#include "orvelmagdb/recordsets/articles/CodiceAlternativoArticolo.h"
#include "orvelmagdb/recordsets/articles/DistintaArticoloCompletaSet.h"
#include "orvelmagdb/recordsets/articles/ListinoArticoloIvaSet.h"
#include "orvelmagdb/recordsets/articles/SoggettoCategoriaScontoCompSet.h"
#include "orvelmagdb/recordsets/articles/VoceCatalogoCategoriaCompSet.h"
#include "orvelmagdb/recordsets/articles/detail/ARTICOLO_FORNITORE.h"
#include "orveldblib/Decimal.h"
#include "support/DatabaseTest.h"

namespace {

// The decimal a text amount holds, for comparisons that do not depend on how a database writes
// the number ("10", "10.0" and "10.000" are the same amount).
Decimal Amount(const CString& text) { return Decimal(text, 127); }

class ArticleViews : public orvel::test::DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        CSchema::Create(db());
        // The master data and partners the articles refer to.
        Exec("INSERT INTO IVA (CODICE, DESCRIZIONE, ALIQUOTA, CODICE_CASSA) VALUES ('22', 'Ordinaria', '22', 1)");
        Exec("INSERT INTO IVA (CODICE, DESCRIZIONE, ALIQUOTA, CODICE_CASSA) VALUES ('10', 'Ridotta', '10.5', 2)");
        Exec("INSERT INTO REPARTO (ID, DESCRIZIONE, ID_IVA) VALUES ('R1', 'Bevande', '22')");
        Exec("INSERT INTO CATEGORIA (ID, DESCRIZIONE) VALUES ('C1', 'Vini')");
        Exec("INSERT INTO FAMIGLIA (ID, DESCRIZIONE, ID_CATEGORIA, PERC_COSTO_OMAGGIO) "
             "VALUES ('F1', 'Rossi', 'C1', '30')");
        Exec("INSERT INTO GRUPPO (ID, DESCRIZIONE, ID_FAMIGLIA) VALUES ('G1', 'Toscani', 'F1')");
        Exec("INSERT INTO FORMULA_PREZZO (ID, DESCRIZIONE) VALUES (7, 'Ricarico 40%')");
        Exec("INSERT INTO FORMULA_PREZZO (ID, DESCRIZIONE) VALUES (8, 'Listino meno sconti')");
        Exec("INSERT INTO AZIENDA (ID, RAGIONESOCIALE) VALUES (100, 'Zeta Vini srl')");
        Exec("INSERT INTO AZIENDA (ID, RAGIONESOCIALE) VALUES (101, 'Alfa Cantine spa')");
        Exec("INSERT INTO SCONTO (ID, DESCRIZIONE, SCONTO_1, SCONTO_2, SCONTO_3, SCONTO_4, PROVVIGIONE) "
             "VALUES ('S1', 'Rivenditori', '10', '5', '0', '0', '3')");
        Exec("INSERT INTO SCONTO (ID, DESCRIZIONE, SCONTO_1, SCONTO_2, SCONTO_3, SCONTO_4, PROVVIGIONE) "
             "VALUES ('S2', 'Grossisti', '20', '0', '0', '0', '2')");
        Exec("INSERT INTO UNITA_MISURA (ID, DESCRIZIONE) VALUES ('CT', 'Cartone')");
    }

    // Writes an article through the article recordset, as the article object does.
    void AddArticle(const char* id, const char* description, bool withReferences)
    {
        CArticoloSet rs(&db());
        rs.m_strFilter = "ID IS NULL";
        rs.Open();
        rs.AddNew();
        rs.ID = id;
        rs.DESCRIZIONE = description;
        rs.DESCRIZIONE_RIDOTTA = "Chianti";
        rs.CODICE_EAN = (std::string("800") + id).c_str();
        rs.CODICE_INTERNO = (std::string("INT-") + id).c_str();
        rs.PREZZO_PZ_EURO = "8.20";
        rs.PREZZO_PZ_EURO_IVATO = "10.00";
        rs.PREZZO_ACQ_PZ_EURO = "2.50";
        rs.PEZZI_X_CONFEZIONE = "6";
        rs.NOTE = "Servire a 18 gradi";
        rs.RAEE_EURO = "0.15";
        rs.F_PUBBLICA = 1;
        rs.ID_TIPO_ARTICOLO = 3;
        rs.F_MODIFICATO = 1;  // as the article object marks every saved article
        rs.F_GESTISCI_LOTTI = 0;
        if (withReferences) {
            rs.ID_IVA = "22";
            rs.ID_CATEGORIA = "C1";
            rs.ID_FAMIGLIA = "F1";
            rs.ID_GRUPPO = "G1";
            rs.ID_REPARTO = "R1";
            rs.ID_FORMULA_PREZZO_VENDITA = 7;
            rs.ID_FORMULA_COSTO_NETTO = 8;
        } else {
            rs.SetFieldNull(&rs.ID_FORMULA_PREZZO_VENDITA);
            rs.SetFieldNull(&rs.ID_FORMULA_COSTO_NETTO);
        }
        ASSERT_TRUE(rs.Update());
        rs.Close();
    }

    void AddSupplier(const char* article, long supplier, const char* code)
    {
        auto rs = orvel::test::MakePrivateRecordset<CARTICOLO_FORNITORE>("CARTICOLO_FORNITORE", &db());
        ASSERT_NE(rs, nullptr);
        rs->m_strFilter = "ID_ARTICOLO IS NULL";
        rs->Open();
        rs->AddNew();
        rs->ID_ARTICOLO = article;
        rs->ID_FORNITORE = supplier;
        rs->CODICE_FORNITORE = code;
        rs->DESCRIZIONE_FORNITORE = (std::string("Descrizione ") + code).c_str();
        rs->Update();
        rs->Close();
    }

    void AddAlternativeCode(const char* article, const char* code, long type)
    {
        CCodiceAlternativoArticolo rs(&db());
        rs.m_strFilter = "ID_ARTICOLO IS NULL";
        rs.Open();
        rs.AddNew();
        rs.ID_ARTICOLO = article;
        rs.CODICE = code;
        rs.TIPO = type;
        rs.Update();
        rs.Close();
    }
};

}  // namespace

TEST_P(ArticleViews, ArticleWrittenThroughItsRecordsetShowsWithItsReferencesInTheCompleteView)
{
    AddArticle("A1", "Chianti Classico 0,75", true);

    CArticoloCompletoSet rs(&db());
    rs.m_strFilter = "ID = 'A1'";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_STREQ(rs.DESCRIZIONE, "Chianti Classico 0,75");
    EXPECT_STREQ(rs.DESCRIZIONE_RIDOTTA, "Chianti");
    EXPECT_STREQ(rs.CODICE_EAN, "800A1");
    EXPECT_STREQ(rs.CODICE_INTERNO, "INT-A1");
    EXPECT_STREQ(rs.PREZZO_PZ_EURO, "8.20");
    EXPECT_STREQ(rs.PREZZO_PZ_EURO_IVATO, "10.00");
    EXPECT_STREQ(rs.NOTE, "Servire a 18 gradi");
    EXPECT_STREQ(rs.RAEE_EURO, "0.15");
    EXPECT_EQ(rs.F_PUBBLICA, 1);
    EXPECT_EQ(rs.ID_TIPO_ARTICOLO, 3);
    EXPECT_EQ(rs.F_MODIFICATO, 1);
    EXPECT_EQ(rs.F_GESTISCI_LOTTI, 0);
    // What the references bring.
    EXPECT_STREQ(rs.ID_IVA, "22");
    EXPECT_STREQ(rs.DESCRIZIONE_IVA, "Ordinaria");
    EXPECT_STREQ(rs.ALIQUOTA_IVA, "22");
    EXPECT_EQ(rs.CODICE_CASSA_IVA, 1);
    EXPECT_STREQ(rs.CATEGORIA, "Vini");
    EXPECT_STREQ(rs.FAMIGLIA, "Rossi");
    EXPECT_STREQ(rs.GRUPPO, "Toscani");
    EXPECT_STREQ(rs.REPARTO, "Bevande");
    EXPECT_STREQ(rs.PERC_COSTO_OMAGGIO, "30");
    EXPECT_EQ(rs.FOR_PREZZO_VENDITA_ID, 7);
    EXPECT_STREQ(rs.FOR_PREZZO_VENDITA_DESCRIZIONE, "Ricarico 40%");
    EXPECT_EQ(rs.FOR_COSTO_NETTO_ID, 8);
    EXPECT_STREQ(rs.FOR_COSTO_NETTO_DESCRIZIONE, "Listino meno sconti");
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
}

TEST_P(ArticleViews, ArticleWithoutReferencesShowsNullDescriptions)
{
    AddArticle("B1", "Articolo sfuso", false);

    CArticoloCompletoSet rs(&db());
    rs.m_strFilter = "ID = 'B1'";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_STREQ(rs.DESCRIZIONE, "Articolo sfuso");
    EXPECT_TRUE(rs.IsFieldNull(&rs.ID_IVA));
    EXPECT_TRUE(rs.IsFieldNull(&rs.DESCRIZIONE_IVA));
    EXPECT_TRUE(rs.IsFieldNull(&rs.ALIQUOTA_IVA));
    EXPECT_TRUE(rs.IsFieldNull(&rs.CODICE_CASSA_IVA));
    EXPECT_TRUE(rs.IsFieldNull(&rs.CATEGORIA));
    EXPECT_TRUE(rs.IsFieldNull(&rs.FAMIGLIA));
    EXPECT_TRUE(rs.IsFieldNull(&rs.GRUPPO));
    EXPECT_TRUE(rs.IsFieldNull(&rs.REPARTO));
    EXPECT_TRUE(rs.IsFieldNull(&rs.PERC_COSTO_OMAGGIO));
    EXPECT_TRUE(rs.IsFieldNull(&rs.FOR_PREZZO_VENDITA_ID));
    EXPECT_TRUE(rs.IsFieldNull(&rs.FOR_COSTO_NETTO_DESCRIZIONE));

    CArticoloCassaSet till(&db());
    till.m_strFilter = "ID = 'B1'";
    till.Open();
    ASSERT_FALSE(till.IsEOF());
    EXPECT_TRUE(till.IsFieldNull(&till.REP_ID));
    EXPECT_TRUE(till.IsFieldNull(&till.REP_DESCRIZIONE));
    EXPECT_TRUE(till.IsFieldNull(&till.CODICE_CASSA_IVA));
}

TEST_P(ArticleViews, ListTillAndVatViewsShowTheSameArticle)
{
    AddArticle("A1", "Chianti Classico 0,75", true);
    AddArticle("B1", "Articolo sfuso", false);

    CArticoloListSet list(&db());
    list.m_strSort = "ID";
    list.Open();
    ASSERT_FALSE(list.IsEOF());
    EXPECT_STREQ(list.ID, "A1");
    EXPECT_STREQ(list.ALIQUOTA_IVA, "22");
    EXPECT_STREQ(list.CODICE_INTERNO, "INT-A1");
    EXPECT_EQ(list.ID_TIPO_ARTICOLO, 3);
    list.MoveNext();
    ASSERT_FALSE(list.IsEOF());
    EXPECT_STREQ(list.ID, "B1");
    EXPECT_TRUE(list.IsFieldNull(&list.ALIQUOTA_IVA));
    list.MoveNext();
    EXPECT_TRUE(list.IsEOF());

    CArticoloIvaSet vat(&db());
    vat.m_strFilter = "ALIQUOTA_IVA = '22'";
    vat.Open();
    ASSERT_FALSE(vat.IsEOF());
    EXPECT_STREQ(vat.ID, "A1");
    EXPECT_STREQ(vat.PREZZO_ACQ_PZ_EURO, "2.50");

    CArticoloCassaSet till(&db());
    till.m_strFilter = "CODICE_EAN = '800A1'";
    till.Open();
    ASSERT_FALSE(till.IsEOF());
    EXPECT_STREQ(till.REP_ID, "R1");
    EXPECT_STREQ(till.REP_DESCRIZIONE, "Bevande");
    EXPECT_EQ(till.CODICE_CASSA_IVA, 1);

    CARTICOLO_PROG_CASSA prog(&db());
    prog.m_strFilter = "F_MODIFICATO = 1";
    prog.m_strSort = "ID";
    prog.Open();
    ASSERT_FALSE(prog.IsEOF());
    EXPECT_STREQ(prog.ID, "A1");
    EXPECT_STREQ(prog.PREZZO_PZ_EURO_IVATO, "10.00");
    EXPECT_STREQ(prog.ID_REPARTO, "R1");
    EXPECT_EQ(prog.CODICE_CASSA_IVA, 1);
}

TEST_P(ArticleViews, SuppliersShowWithTheirNamesAndAreRewrittenWithTheArticle)
{
    AddArticle("A1", "Chianti Classico 0,75", true);
    AddSupplier("A1", 100, "ZV-01");
    AddSupplier("A1", 101, "AC-77");

    CARTICOLO_FORNITORE_COMPLETO view(&db());
    view.m_strFilter = "ID_ARTICOLO = 'A1'";
    view.m_strSort = "RAGIONE_SOCIALE";
    view.Open();
    ASSERT_FALSE(view.IsEOF());
    EXPECT_EQ(view.ID_FORNITORE, 101);
    EXPECT_STREQ(view.RAGIONE_SOCIALE, "Alfa Cantine spa");
    EXPECT_STREQ(view.CODICE_FORNITORE, "AC-77");
    EXPECT_STREQ(view.DESCRIZIONE_FORNITORE, "Descrizione AC-77");
    view.MoveNext();
    ASSERT_FALSE(view.IsEOF());
    EXPECT_EQ(view.ID_FORNITORE, 100);
    EXPECT_STREQ(view.RAGIONE_SOCIALE, "Zeta Vini srl");
    view.Close();

    // The same supplier twice for one article is refused and the first row stays.
    EXPECT_THROW(AddSupplier("A1", 100, "ZV-02"), CDBException);
    EXPECT_EQ(QueryText("SELECT CODICE_FORNITORE FROM ARTICOLO_FORNITORE WHERE ID_ARTICOLO = 'A1' AND ID_FORNITORE = 100"),
              "ZV-01");

    // Saving the suppliers again: the set-based delete, then the rows anew.
    Exec("DELETE FROM ARTICOLO_FORNITORE WHERE ID_ARTICOLO = 'A1'");
    AddSupplier("A1", 100, "ZV-02");
    EXPECT_EQ(CountRows("ARTICOLO_FORNITORE"), 1);
    EXPECT_EQ(QueryText("SELECT CODICE_FORNITORE FROM ARTICOLO_FORNITORE_COMPLETO WHERE ID_ARTICOLO = 'A1'"), "ZV-02");
}

TEST_P(ArticleViews, AlternativeCodesAreFoundByCodeAndType)
{
    AddArticle("A1", "Chianti Classico 0,75", true);
    AddArticle("B1", "Articolo sfuso", false);
    AddAlternativeCode("A1", "CHIANTI", 0);
    AddAlternativeCode("A1", "8001234567890", 1);
    AddAlternativeCode("B1", "8001234567890", 0);  // the same text as another kind of code

    CCodiceAlternativoArticolo rs(&db());
    rs.m_strFilter = "CODICE = '8001234567890' AND TIPO <> 0";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_STREQ(rs.ID_ARTICOLO, "A1");
    EXPECT_EQ(rs.TIPO, 1);
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
    rs.Close();

    // The lookup the article object runs for a code: its own id, or an alternative code.
    EXPECT_EQ(QueryText("SELECT A.ID FROM ARTICOLO A WHERE A.ID = '8001234567890' UNION SELECT CAA.ID_ARTICOLO "
                        "FROM CODICE_ALTERNATIVO_ARTICOLO CAA WHERE (CAA.CODICE = '8001234567890') AND (CAA.TIPO = 0)"),
              "B1");

    // A code without text is refused rather than stored as a row that no lookup can find.
    EXPECT_THROW(AddAlternativeCode("A1", "", 0), CDBException);
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM CODICE_ALTERNATIVO_ARTICOLO WHERE ID_ARTICOLO = 'A1'"), 2);
}

TEST_P(ArticleViews, AlternativeUnitsKeepTheirCoefficientText)
{
    AddArticle("A1", "Chianti Classico 0,75", true);
    CArticoloUmAlternativaSet rs(&db());
    rs.m_strFilter = "ID_ARTICOLO IS NULL";
    rs.Open();
    rs.AddNew();
    rs.ID_ARTICOLO = "A1";
    rs.ID_UNITA_MISURA = "CT";
    rs.COEFFICIENTE = "6.000";
    rs.Update();
    rs.Close();

    rs.m_strFilter = " ( ID_ARTICOLO = 'A1' ) ";
    rs.m_strSort = "ID_UNITA_MISURA";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_STREQ(rs.ID_UNITA_MISURA, "CT");
    EXPECT_STREQ(rs.COEFFICIENTE, "6.000");
}

TEST_P(ArticleViews, DeletingAnArticleRemovesTheRowsItOwns)
{
    AddArticle("A1", "Chianti Classico 0,75", true);
    AddArticle("B1", "Articolo sfuso", false);
    AddSupplier("A1", 100, "ZV-01");
    AddSupplier("B1", 100, "ZV-09");
    AddAlternativeCode("A1", "CHIANTI", 0);
    Exec("INSERT INTO ARTICOLO_UM_ALTERNATIVA (ID_ARTICOLO, ID_UNITA_MISURA, COEFFICIENTE) VALUES ('A1', 'CT', '6')");
    Exec("INSERT INTO LISTINO (ID, DESCRIZIONE, TIPO_LISTINO) VALUES ('L1', 'Pubblico', 1)");
    Exec("INSERT INTO LISTINO_ARTICOLO (ID_LISTINO, ID_ARTICOLO, PREZZO, PREZZO_IVATO) VALUES ('L1', 'A1', '8.20', '10.00')");

    CArticoloSet rs(&db());
    rs.m_strFilter = "ID = 'A1'";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    rs.Delete();
    rs.Close();

    EXPECT_EQ(CountRows("ARTICOLO"), 1);
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM ARTICOLO_FORNITORE WHERE ID_ARTICOLO = 'A1'"), 0);
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM ARTICOLO_FORNITORE WHERE ID_ARTICOLO = 'B1'"), 1);
    EXPECT_EQ(CountRows("CODICE_ALTERNATIVO_ARTICOLO"), 0);
    EXPECT_EQ(CountRows("ARTICOLO_UM_ALTERNATIVA"), 0);
    EXPECT_EQ(CountRows("LISTINO_ARTICOLO"), 0);
    EXPECT_EQ(CountRows("LISTINO"), 1) << "the price list is not the article's";
}

TEST_P(ArticleViews, PriceListContainersAndBillOfMaterialsViews)
{
    AddArticle("A1", "Chianti Classico 0,75", true);
    AddArticle("B1", "Articolo sfuso", false);
    Exec("UPDATE ARTICOLO SET ID_IVA = '10' WHERE ID = 'B1'");
    Exec("INSERT INTO LISTINO (ID, DESCRIZIONE, TIPO_LISTINO) VALUES ('L1', 'Pubblico', 1)");
    Exec("INSERT INTO LISTINO_ARTICOLO (ID_LISTINO, ID_ARTICOLO, PREZZO, PREZZO_IVATO) VALUES ('L1', 'A1', '8.20', '10.00')");

    CListinoArticoloIvaSet prices(&db());
    prices.m_strFilter = "LIS_ID = 'L1'";
    prices.Open();
    ASSERT_FALSE(prices.IsEOF());
    EXPECT_STREQ(prices.LIS_DESCRIZIONE, "Pubblico");
    EXPECT_EQ(prices.LIS_TIPO_LISTINO, 1);
    EXPECT_STREQ(prices.ART_ID, "A1");
    EXPECT_STREQ(prices.ART_DESCRIZIONE, "Chianti Classico 0,75");
    EXPECT_STREQ(prices.ART_ALIQUOTA_IVA, "22");
    EXPECT_STREQ(prices.ART_PREZZO, "8.20");
    EXPECT_STREQ(prices.ART_PREZZO_IVATO, "10.00");
    prices.Close();

    // Containers: the rate shows as a whole number, also when it has decimals.
    Exec("INSERT INTO VUOTO (ID, CODICE_INTERNO, DESCRIZIONE, PREZZO_PZ_EURO, ALIQUOTA_IVA, PREZZO_ACQ_PZ_EURO) "
         "VALUES ('V1', 'CASSA', 'Cassa 12 bottiglie', '3.00', '22', '2.00')");
    Exec("INSERT INTO VUOTO (ID, CODICE_INTERNO, DESCRIZIONE, PREZZO_PZ_EURO, ALIQUOTA_IVA, PREZZO_ACQ_PZ_EURO) "
         "VALUES ('V2', 'BOT', 'Bottiglia', '0.10', '10.5', '0.05')");
    Exec("INSERT INTO ARTICOLO_CONTIENE_VUOTO (ID_ARTICOLO, ID_VUOTO, NUMERO) VALUES ('A1', 'V1', '1')");
    Exec("INSERT INTO ARTICOLO_CONTIENE_VUOTO (ID_ARTICOLO, ID_VUOTO, NUMERO) VALUES ('A1', 'V2', '12')");
    CArticoloContieneVuotoComplSet containers(&db());
    containers.m_strFilter = "ID_ARTICOLO = 'A1'";
    containers.m_strSort = "ID_VUOTO";
    containers.Open();
    ASSERT_FALSE(containers.IsEOF());
    EXPECT_STREQ(containers.V_CODICE_INTERNO, "CASSA");
    EXPECT_STREQ(containers.V_NUMERO_VUOTI_ARTICOLO, "1");
    EXPECT_EQ(containers.V_ALIQUOTA_IVA, 22);
    EXPECT_STREQ(containers.V_PREZZO_PZ_EURO, "3.00");
    containers.MoveNext();
    ASSERT_FALSE(containers.IsEOF());
    EXPECT_STREQ(containers.V_DESCRIZIONE, "Bottiglia");
    EXPECT_STREQ(containers.V_NUMERO_VUOTI_ARTICOLO, "12");
    EXPECT_EQ(containers.V_ALIQUOTA_IVA, 10);
    containers.Close();

    // Bill of materials: the raw material's data and its net cost for the quantity.
    Exec("INSERT INTO DISTINTA_ARTICOLO (ID_ARTICOLO, ID_ARTICOLO_MATERIA_PRIMA, UM, QUANTITA, ORDINAMENTO, LIVELLO) "
         "VALUES ('B1', 'A1', 'PZ', '4.5', 1, 2)");
    CDistintaArticoloCompletaSet bom(&db());
    bom.m_strFilter = "ID_ARTICOLO = 'B1'";
    bom.Open();
    ASSERT_FALSE(bom.IsEOF());
    EXPECT_STREQ(bom.ID_ARTICOLO_MATERIA_PRIMA, "A1");
    EXPECT_STREQ(bom.DESCR_ARTICOLO_MATERIA_PRIMA, "Chianti Classico 0,75");
    EXPECT_STREQ(bom.CODICE_EAN, "800A1");
    EXPECT_STREQ(bom.ID_IVA, "22");
    EXPECT_STREQ(bom.ALIQUOTA_IVA, "22") << "the raw material's rate, not the finished article's";
    EXPECT_STREQ(bom.PEZZI_X_CONFEZIONE, "6");
    EXPECT_STREQ(bom.UM, "PZ");
    EXPECT_EQ(bom.ORDINAMENTO, 1);
    EXPECT_EQ(bom.LIVELLO, 2);
    EXPECT_STREQ(bom.COSTO_NETTO_UNITARIO, "2.50");
    EXPECT_TRUE(Amount(bom.COSTO_NETTO) == Amount("11.25")) << bom.COSTO_NETTO.GetString();
}

TEST_P(ArticleViews, CatalogueEntriesShowTheirNames)
{
    AddArticle("A1", "Chianti Classico 0,75", true);
    Exec("INSERT INTO CATALOGO_CATEGORIA (ID, NOME, TIPO) VALUES (1, 'Autunno', 2)");
    Exec("INSERT INTO VOCE_CATALOGO_CATEGORIA (NUMERO, ID_CATALOGO_CATEGORIA, ID_CATEGORIA) VALUES (1, 1, 'C1')");
    Exec("INSERT INTO VOCE_CATALOGO_ARTICOLO (NUMERO, ID_CATALOGO_CATEGORIA, ID_ARTICOLO) VALUES (1, 1, 'A1')");

    CVoceCatalogoCategoriaCompSet rs(&db());
    rs.m_strFilter = "CATALOGO_ID = 1";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.VC_NUMERO, 1);
    EXPECT_STREQ(rs.CATALOGO_NOME, "Autunno");
    EXPECT_STREQ(rs.CATEGORIA_ID, "C1");
    EXPECT_STREQ(rs.CATEGORIA_DESCRIZIONE, "Vini");
    rs.Close();

    EXPECT_EQ(QueryText("SELECT DESCRIZIONE FROM VOCE_CATALOGO_ARTICOLO_COMP WHERE ID_CATALOGO_CATEGORIA = 1"),
              "Chianti Classico 0,75");
    // Deleting the catalogue takes its entries along.
    Exec("DELETE FROM CATALOGO_CATEGORIA WHERE ID = 1");
    EXPECT_EQ(CountRows("VOCE_CATALOGO_CATEGORIA"), 0);
    EXPECT_EQ(CountRows("VOCE_CATALOGO_ARTICOLO"), 0);
}

TEST_P(ArticleViews, DiscountBandsOfACategoryAndOfAPartner)
{
    Exec("INSERT INTO CATEGORIA_SCONTO (ID_CATEGORIA, ID_SCONTO, F_PREDEFINITO) VALUES ('C1', 'S1', 1)");
    Exec("INSERT INTO CATEGORIA_SCONTO (ID_CATEGORIA, ID_SCONTO, F_PREDEFINITO) VALUES ('C1', 'S2', 0)");
    Exec("INSERT INTO SOGGETTO_CATEGORIA_SCONTO (ID_SOGGETTO, ID_CATEGORIA, ID_SCONTO) VALUES (100, 'C1', 'S2')");

    CCategoriaScontoCompletoSet category(&db());
    category.m_strFilter = "( F_PREDEFINITO = 1 ) AND ( CATEGORIA_ID = 'C1' )";
    category.Open();
    ASSERT_FALSE(category.IsEOF());
    EXPECT_STREQ(category.CATEGORIA_DESCRIZIONE, "Vini");
    EXPECT_STREQ(category.SCONTO_ID, "S1");
    EXPECT_STREQ(category.SCONTO_DESCRIZIONE, "Rivenditori");
    EXPECT_STREQ(category.SCONTO_1, "10");
    EXPECT_STREQ(category.SCONTO_2, "5");
    EXPECT_STREQ(category.PROVVIGIONE, "3");
    EXPECT_EQ(category.F_PREDEFINITO, 1);
    category.MoveNext();
    EXPECT_TRUE(category.IsEOF());
    category.Close();

    CSoggettoCategoriaScontoCompSet partner(&db());
    partner.m_strFilter = "( CATEGORIA_ID = 'C1' ) AND ( SOGGETTO_ID = 100 )";
    partner.Open();
    ASSERT_FALSE(partner.IsEOF());
    EXPECT_STREQ(partner.SCONTO_ID, "S2");
    EXPECT_STREQ(partner.SCONTO_DESCRIZIONE, "Grossisti");
    EXPECT_STREQ(partner.SCONTO_1, "20");
    EXPECT_STREQ(partner.PROVVIGIONE, "2");
    partner.Close();

    // A category has one default band at most.
    EXPECT_THROW(Exec("UPDATE CATEGORIA_SCONTO SET F_PREDEFINITO = 1 WHERE ID_SCONTO = 'S2'"), CDBException);
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM CATEGORIA_SCONTO WHERE F_PREDEFINITO = 1"), 1);
}

TEST_P(ArticleViews, ReferencesToMissingMasterDataAreRefusedWhereTheDatabaseChecksThem)
{
    CArticoloSet rs(&db());
    rs.m_strFilter = "ID IS NULL";
    rs.Open();
    rs.AddNew();
    rs.ID = "X1";
    rs.ID_IVA = "99";
    rs.SetFieldNull(&rs.ID_FORMULA_PREZZO_VENDITA);
    rs.SetFieldNull(&rs.ID_FORMULA_COSTO_NETTO);
    EXPECT_THROW(rs.Update(), CDBException);
    rs.Close();
    EXPECT_EQ(CountRows("ARTICOLO"), 0);
}

ORVEL_DATABASE_TEST_SUITE(ArticleViews);

// A new article recordset starts the stock, till, lot and modified flags set, and everything else
// empty or zero, so that an article added without touching them is stocked, printed and sent to
// the tills.
TEST(ArticleRecordsetDefaults, NewArticleStartsWithItsFlagsSet)
{
    CArticoloSet rs;
    EXPECT_EQ(rs.F_GESTISCI_GIACENZE, 1);
    EXPECT_EQ(rs.F_STAMPA_IN_SCONTRINO, 1);
    EXPECT_EQ(rs.F_GESTISCI_LOTTI, 1);
    EXPECT_EQ(rs.F_MODIFICATO, 1);
    EXPECT_EQ(rs.F_PUBBLICA, 0);
    EXPECT_EQ(rs.F_RIPORTA_NOTE, 0);
    EXPECT_EQ(rs.ID_TIPO_ARTICOLO, 0);
    EXPECT_TRUE(rs.ID.IsEmpty());
    EXPECT_TRUE(rs.PREZZO_PZ_EURO.IsEmpty());

    // The complete view's recordset is only read, and starts every flag at zero.
    CArticoloCompletoSet view;
    EXPECT_EQ(view.F_GESTISCI_GIACENZE, 0);
    EXPECT_EQ(view.F_MODIFICATO, 0);
}
