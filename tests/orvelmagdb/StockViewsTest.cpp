// Stock, lots and fashion on real databases: the company-wide stock is the sum of its depots, the
// availability looks at the latest year, lots written through their recordset come back through
// the lot view, and fashion articles, garments and variants show their descriptions (NULL where a
// reference is missing).
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "afx/OleDateTime.h"
#include "odbc/DBException.h"
#include "orvelmagdb/ArticlePrivateRecordset.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/recordsets/stock/ArticoloDeposEsistCompModaSet.h"
#include "orvelmagdb/recordsets/stock/ArticoloDepositoEsistCompSet.h"
#include "orvelmagdb/recordsets/stock/ArticoloEsistenzaSet.h"
#include "orvelmagdb/recordsets/stock/ArticoloModaCompletoSet.h"
#include "orvelmagdb/recordsets/stock/ArticoloModaEsistenzaSet.h"
#include "orvelmagdb/recordsets/stock/ArticoloModaLineaSet.h"
#include "orvelmagdb/recordsets/stock/ArticoloModaListSet.h"
#include "orvelmagdb/recordsets/stock/ArticoloVarianteCompletoSet.h"
#include "orvelmagdb/recordsets/stock/CapoCompletoSet.h"
#include "orvelmagdb/recordsets/stock/CapoSet.h"
#include "orvelmagdb/recordsets/stock/CtrlMovimentoArticoloSocietaSet.h"
#include "orvelmagdb/recordsets/stock/DisponibilitaArticoloSet.h"
#include "orvelmagdb/recordsets/stock/LineaCompletaSet.h"
#include "orvelmagdb/recordsets/stock/LottoCompletoSet.h"
#include "orvelmagdb/recordsets/stock/MovimentoArticoloDepositoSet.h"
#include "orvelmagdb/recordsets/stock/MovimentoArticoloSocietaSet.h"
#include "orvelmagdb/recordsets/stock/StoriaArticoloModaSet.h"
#include "orvelmagdb/recordsets/stock/StoriaArticoloSet.h"
#include "orvelmagdb/recordsets/stock/StoriaLottoSet.h"
#include "orvelmagdb/recordsets/stock/TagliaCompletaSet.h"
#include "orvelmagdb/recordsets/stock/detail/LottoSet.h"
#include "orveldblib/Decimal.h"
#include "support/DatabaseTest.h"

namespace {

Decimal Amount(const CString& text) { return Decimal(text, 127); }

#define EXPECT_AMOUNT(text, expected) \
    EXPECT_TRUE(Amount(text) == Amount(expected)) << #text " is " << (text).GetString() << ", not " << (expected)

class StockViews : public orvel::test::DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        CSchema::Create(db());
        Exec("INSERT INTO SOCIETA (ID, NOME) VALUES (1, 'Negozio')");
        Exec("INSERT INTO SEDE_SOCIETA (ID, ID_SOCIETA, VIA, CAP, NOMEZONAPOSTALE, SIGLAPROVINCIA, F_DEPOSITO) "
             "VALUES (10, 1, 'Via Roma 1', '50100', 'Firenze', 'FI', 1)");
        Exec("INSERT INTO SEDE_SOCIETA (ID, ID_SOCIETA, VIA, CAP, NOMEZONAPOSTALE, SIGLAPROVINCIA, F_DEPOSITO) "
             "VALUES (11, 1, 'Via Po 2', '10100', 'Torino', 'TO', 1)");
        Exec("INSERT INTO IVA (CODICE, DESCRIZIONE, ALIQUOTA, CODICE_CASSA) VALUES ('22', 'Ordinaria', '22', 1)");
        Exec("INSERT INTO CATEGORIA (ID, DESCRIZIONE) VALUES ('C1', 'Camicie')");
        Exec("INSERT INTO AZIENDA (ID, RAGIONESOCIALE) VALUES (100, 'Tessiture Riunite')");
        Exec("INSERT INTO ARTICOLO (ID, DESCRIZIONE, ID_IVA, CODICE_INTERNO, PREZZO_PZ_EURO, PREZZO_PZ_EURO_IVATO) "
             "VALUES ('A1', 'Camicia Oxford', '22', 'OX', '40.98', '50.00')");
        Exec("INSERT INTO ARTICOLO (ID, DESCRIZIONE) VALUES ('A2', 'Bottoni')");
    }

    void AddDepotStock(long depot, long year, const char* article, const char* stock, const char* loaded,
                       const char* loadedValue, const char* committed, const char* arriving, const char* arrival)
    {
        CString sql;
        sql.Format("INSERT INTO ARTICOLO_DEPOSITO_ESISTENZA (ID_SOCIETA, ID_DEPOSITO, ANNO, ID_ARTICOLO, "
                   "ESISTENZA_INIZIALE, CARICATO, SCARICATO, CARICATO_VAL, ESISTENZA, CMP, QUANTITA_IMPEGNATA, "
                   "QUANTITA_IN_ARRIVO, DATA_PREVISTO_ARRIVO) VALUES (1, %ld, %ld, '%s', '1', '%s', '0', '%s', '%s', "
                   "'9.99', '%s', '%s', %s)",
                   depot, year, article, loaded, loadedValue, stock, committed, arriving, arrival);
        Exec(sql);
    }

    // The lot recordset, reached by name as the lot object reaches it.
    std::unique_ptr<CLottoSet> NewLotSet()
    {
        auto lot = orvel::test::MakePrivateRecordset<CLottoSet>("CLottoSet", &db());
        if (lot == nullptr)
            ADD_FAILURE() << "CLottoSet is not registered";
        return lot;
    }

    void AddFashionData()
    {
        Exec("INSERT INTO STAGIONE (ID, DESCRIZIONE) VALUES ('PE24', 'Primavera estate 2024')");
        Exec("INSERT INTO TESSUTO (ID, DESCRIZIONE) VALUES ('COT', 'Cotone')");
        Exec("INSERT INTO LINEA (ID, DESCRIZIONE, RICARICO, ID_FORNITORE) VALUES ('UOMO', 'Linea uomo', '120', 100)");
        Exec("INSERT INTO SCALA_TAGLIA (ID, DESCRIZIONE) VALUES ('ITA', 'Taglie italiane')");
        Exec("INSERT INTO TAGLIA (ID, ID_SCALA_TAGLIA, RN) VALUES ('48', 'ITA', 2)");
        Exec("INSERT INTO TAGLIA (ID, ID_SCALA_TAGLIA, RN) VALUES ('46', 'ITA', 1)");
        Exec("INSERT INTO COLORE (ID, DESCRIZIONE) VALUES ('BL', 'Blu')");
        Exec("INSERT INTO COLORE (ID, DESCRIZIONE) VALUES ('BI', 'Bianco')");
        Exec("INSERT INTO ARTICOLO_MODA (ID_ARTICOLO, ID_STAGIONE, ID_LINEA, ID_TESSUTO, ID_SCALA_TAGLIA) "
             "VALUES ('A1', 'PE24', 'UOMO', 'COT', 'ITA')");
        Exec("INSERT INTO CAPO (ID_ARTICOLO, ID_TAGLIA, ID_SCALA_TAGLIA, ID_COLORE, CODICE_EAN, RN) "
             "VALUES ('A1', '48', 'ITA', 'BL', '2000000000480', 2)");
        Exec("INSERT INTO CAPO (ID_ARTICOLO, ID_TAGLIA, ID_SCALA_TAGLIA, ID_COLORE, CODICE_EAN, RN) "
             "VALUES ('A1', '46', 'ITA', 'BL', '2000000000466', 1)");
        Exec("INSERT INTO CAPO (ID_ARTICOLO, ID_TAGLIA, ID_SCALA_TAGLIA, ID_COLORE, CODICE_EAN, RN) "
             "VALUES ('A1', '46', 'ITA', 'BI', '2000000000459', 1)");
    }
};

}  // namespace

TEST_P(StockViews, CompanyStockIsTheSumOfItsDepots)
{
    AddDepotStock(10, 2024, "A1", "10.5", "10", "100", "2", "5", "'2024-06-20 00:00:00'");
    AddDepotStock(11, 2024, "A1", "4.25", "5", "50", "1", "0", "'2024-05-02 00:00:00'");
    AddDepotStock(10, 2023, "A1", "99", "99", "990", "0", "0", "NULL");

    CArticoloEsistenzaSet company(&db());
    company.m_strFilter = "ID_ARTICOLO = 'A1' AND ANNO = '2024'";
    company.Open();
    ASSERT_FALSE(company.IsEOF());
    EXPECT_EQ(company.ID_SOCIETA, 1);
    EXPECT_STREQ(company.ANNO, "2024");
    EXPECT_AMOUNT(company.ESISTENZA, "14.75");
    EXPECT_AMOUNT(company.CARICATO, "15");
    EXPECT_AMOUNT(company.CARICATO_VAL, "150");
    EXPECT_AMOUNT(company.CMP, "10") << "value loaded over quantity loaded";
    EXPECT_AMOUNT(company.ESISTENZA_INIZIALE, "2");
    EXPECT_AMOUNT(company.QUANTITA_IMPEGNATA, "3");
    EXPECT_AMOUNT(company.QUANTITA_IN_ARRIVO, "5");
    EXPECT_EQ(company.DATA_PREVISTO_ARRIVO.year, 2024);
    EXPECT_EQ(company.DATA_PREVISTO_ARRIVO.month, 5);
    EXPECT_EQ(company.DATA_PREVISTO_ARRIVO.day, 2);
    company.MoveNext();
    EXPECT_TRUE(company.IsEOF());
    company.Close();

    CMovimentoArticoloSocietaSet movements(&db());
    movements.m_strFilter = "ID_ARTICOLO = 'A1'";
    movements.m_strSort = "ANNO";
    movements.Open();
    ASSERT_FALSE(movements.IsEOF());
    EXPECT_EQ(movements.ANNO, 2023);
    EXPECT_AMOUNT(movements.CMP, "10");
    movements.MoveNext();
    ASSERT_FALSE(movements.IsEOF());
    EXPECT_EQ(movements.ANNO, 2024);
    EXPECT_AMOUNT(movements.CARICATO, "15");
    EXPECT_AMOUNT(movements.SCARICATO, "0");
    movements.Close();

    CMovimentoArticoloDepositoSet depot(&db());
    depot.m_strFilter = "ID_ARTICOLO = 'A1' AND ID_DEPOSITO = 11";
    depot.Open();
    ASSERT_FALSE(depot.IsEOF());
    EXPECT_STREQ(depot.CARICATO, "5");
    EXPECT_STREQ(depot.CMP, "9.99");
    EXPECT_EQ(depot.ANNO, 2024);
}

TEST_P(StockViews, DepotStockShowsTheDepotAddress)
{
    AddDepotStock(11, 2024, "A1", "4.25", "5", "50", "1", "0", "NULL");
    CArticoloDepositoEsistCompSet rs(&db());
    rs.m_strFilter = "ID_ARTICOLO = 'A1'";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.ID_DEPOSITO, 11);
    EXPECT_EQ(rs.ANNO, 2024);
    EXPECT_STREQ(rs.ESISTENZA, "4.25");
    EXPECT_STREQ(rs.DEP_VIA, "Via Po 2");
    EXPECT_STREQ(rs.DEP_NOME_ZONA_POSTALE, "Torino");
    EXPECT_STREQ(rs.DEP_CAP, "10100");
    EXPECT_STREQ(rs.DEP_SIGLA_PROVINCIA, "TO");
    EXPECT_TRUE(rs.IsFieldNull(&rs.DATA_PREVISTO_ARRIVO));
}

TEST_P(StockViews, AvailabilityLooksAtTheLatestYearOnly)
{
    AddDepotStock(10, 2023, "A1", "99", "99", "990", "0", "0", "NULL");
    AddDepotStock(10, 2024, "A1", "10.5", "10", "100", "2", "5", "'2024-06-20 00:00:00'");
    AddDepotStock(11, 2024, "A1", "4.25", "5", "50", "1", "0", "NULL");
    AddDepotStock(10, 2023, "A2", "7", "7", "7", "0", "0", "NULL");

    CDisponibilitaArticoloSet rs(&db());
    rs.m_strSort = "ID_ARTICOLO";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_STREQ(rs.ID_ARTICOLO, "A1");
    EXPECT_AMOUNT(rs.ESISTENZA, "14.75");
    EXPECT_AMOUNT(rs.QUANTITA_PREVISTA, "16.75") << "stock, plus what arrives, less what is committed";
    EXPECT_EQ(rs.DATA_PREVISTA.month, 6);
    EXPECT_EQ(rs.DATA_PREVISTA.day, 20);
    rs.MoveNext();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_STREQ(rs.ID_ARTICOLO, "A2");
    EXPECT_AMOUNT(rs.ESISTENZA, "7");
    EXPECT_TRUE(rs.IsFieldNull(&rs.DATA_PREVISTA));
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
}

TEST_P(StockViews, GarmentStockAddsUpPerSizeAndColour)
{
    AddFashionData();
    const char* insert = "INSERT INTO CAPO_DEPOSITO_ESISTENZA (ID_SOCIETA, ID_DEPOSITO, ANNO, ID_ARTICOLO, "
                         "ID_SCALA_TAGLIA, ID_TAGLIA, ID_COLORE, CARICATO, CARICATO_VAL, ESISTENZA) VALUES ";
    Exec((std::string(insert) + "(1, 10, 2024, 'A1', 'ITA', '46', 'BL', '3', '60', '3')").c_str());
    Exec((std::string(insert) + "(1, 11, 2024, 'A1', 'ITA', '46', 'BL', '1', '24', '1')").c_str());
    Exec((std::string(insert) + "(1, 11, 2024, 'A1', 'ITA', '48', 'BL', '2', '40', '2')").c_str());

    CArticoloModaEsistenzaSet company(&db());
    company.m_strFilter = "ID_ARTICOLO = 'A1'";
    company.m_strSort = "ID_TAGLIA";
    company.Open();
    ASSERT_FALSE(company.IsEOF());
    EXPECT_STREQ(company.ID_TAGLIA, "46");
    EXPECT_STREQ(company.ID_COLORE, "BL");
    EXPECT_EQ(company.ANNO, 2024);
    EXPECT_AMOUNT(company.ESISTENZA, "4");
    EXPECT_AMOUNT(company.CMP, "21");
    company.MoveNext();
    ASSERT_FALSE(company.IsEOF());
    EXPECT_STREQ(company.ID_TAGLIA, "48");
    EXPECT_AMOUNT(company.ESISTENZA, "2");
    company.MoveNext();
    EXPECT_TRUE(company.IsEOF());
    company.Close();

    CArticoloDeposEsistCompModaSet depot(&db());
    depot.m_strFilter = "ID_DEPOSITO = 10";
    depot.Open();
    ASSERT_FALSE(depot.IsEOF());
    EXPECT_STREQ(depot.ID_SCALA_TAGLIA, "ITA");
    EXPECT_STREQ(depot.DEP_VIA, "Via Roma 1");
    EXPECT_STREQ(depot.ESISTENZA, "3");
}

TEST_P(StockViews, LotWrittenThroughItsRecordsetComesBackThroughTheLotView)
{
    {
        auto lot = NewLotSet();
        lot->m_strFilter = "(ANNO = -1) AND (NUMERO = -1)";
        lot->Open();
        EXPECT_TRUE(lot->IsEOF());
        lot->AddNew();
        lot->ANNO = 2024;
        lot->NUMERO = 1;
        lot->DATA_CREAZIONE = COleDateTime(2024, 3, 15, 0, 0, 0);
        lot->DATA_SCADENZA = COleDateTime(2025, 9, 30, 0, 0, 0);
        lot->ID_ARTICOLO = "A1";
        lot->QUANTITA_CARICATA = "100.000";
        lot->QUANTITA_SCARICATA = "0";
        lot->CODICE_FORNITORE = "LT-778";
        lot->F_MODIFICA_MANUALE = 0;  // a number left alone after AddNew would go in as NULL
        lot->Update();
        lot->Close();
    }
    EXPECT_EQ(QueryLong("SELECT F_MODIFICA_MANUALE FROM LOTTO WHERE ANNO = 2024 AND NUMERO = 1"), 0);
    EXPECT_EQ(QueryLong("SELECT MAX(NUMERO) AS NUMERO FROM LOTTO WHERE (ANNO = 2024)"), 1);

    CLottoCompletoSet view(&db());
    view.m_strFilter = "(ANNO = 2024) AND (NUMERO = 1)";
    view.Open();
    ASSERT_FALSE(view.IsEOF());
    EXPECT_STREQ(view.ARTICOLO_ID, "A1");
    EXPECT_STREQ(view.ARTICOLO_DESCRIZIONE, "Camicia Oxford");
    EXPECT_TRUE(view.DATA_CREAZIONE == COleDateTime(2024, 3, 15, 0, 0, 0));
    EXPECT_TRUE(view.DATA_SCADENZA == COleDateTime(2025, 9, 30, 0, 0, 0));
    EXPECT_STREQ(view.QUANTITA_CARICATA, "100.000");
    EXPECT_STREQ(view.QUANTITA_SCARICATA, "0");
    EXPECT_EQ(view.F_CHIUSO, 0);
    EXPECT_STREQ(view.CODICE_FORNITORE, "LT-778");
    view.Close();

    {
        auto lot = NewLotSet();
        lot->m_strFilter = "(ANNO = 2024) AND (NUMERO = 1)";
        lot->Open();
        ASSERT_FALSE(lot->IsEOF());
        lot->Edit();
        lot->QUANTITA_SCARICATA = "12.500";
        lot->F_CHIUSO = 1;
        lot->F_MODIFICA_MANUALE = 1;
        lot->Update();
        lot->Close();
    }
    view.Open();
    ASSERT_FALSE(view.IsEOF());
    EXPECT_STREQ(view.QUANTITA_SCARICATA, "12.500");
    EXPECT_EQ(view.F_CHIUSO, 1);
    view.Close();

    // The same year and number twice is refused, and the lot stays as it was.
    {
        auto lot = NewLotSet();
        lot->m_strFilter = "(ANNO = -1) AND (NUMERO = -1)";
        lot->Open();
        lot->AddNew();
        lot->ANNO = 2024;
        lot->NUMERO = 1;
        lot->ID_ARTICOLO = "A2";
        EXPECT_THROW(lot->Update(), CDBException);
    }
    EXPECT_EQ(QueryText("SELECT ID_ARTICOLO FROM LOTTO WHERE ANNO = 2024 AND NUMERO = 1"), "A1");
}

TEST_P(StockViews, ALotOfAnArticleThatDoesNotExistIsRefused)
{
    EXPECT_THROW(Exec("INSERT INTO LOTTO (ANNO, NUMERO, ID_ARTICOLO, QUANTITA_CARICATA, QUANTITA_SCARICATA, F_CHIUSO) "
                      "VALUES (2024, 7, 'ZZ', '1', '0', 0)"),
                 CDBException);
    EXPECT_EQ(CountRows("LOTTO"), 0);
}

TEST_P(StockViews, FashionArticleIsTheArticleWithItsSeasonLineAndFabric)
{
    AddFashionData();
    CArticoloModaCompletoSet rs(&db());
    rs.m_strFilter = "ID = 'A1'";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_STREQ(rs.DESCRIZIONE, "Camicia Oxford");
    EXPECT_STREQ(rs.DESCRIZIONE_IVA, "Ordinaria");
    EXPECT_STREQ(rs.ALIQUOTA_IVA, "22");
    EXPECT_STREQ(rs.ID_STAGIONE, "PE24");
    EXPECT_STREQ(rs.STAGIONE, "Primavera estate 2024");
    EXPECT_STREQ(rs.ID_LINEA, "UOMO");
    EXPECT_STREQ(rs.LINEA, "Linea uomo");
    EXPECT_STREQ(rs.ID_TESSUTO, "COT");
    EXPECT_STREQ(rs.TESSUTO, "Cotone");
    rs.Close();

    // An article without fashion attributes still reads, with them NULL.
    rs.m_strFilter = "ID = 'A2'";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_STREQ(rs.DESCRIZIONE, "Bottoni");
    EXPECT_TRUE(rs.IsFieldNull(&rs.ID_STAGIONE));
    EXPECT_TRUE(rs.IsFieldNull(&rs.TESSUTO));
    rs.Close();

    CArticoloModaListSet list(&db());
    list.m_strFilter = "ID_STAGIONE = 'PE24'";
    list.Open();
    ASSERT_FALSE(list.IsEOF());
    EXPECT_STREQ(list.ID, "A1");
    EXPECT_STREQ(list.ALIQUOTA_IVA, "22");
    EXPECT_STREQ(list.ID_LINEA, "UOMO");
    list.MoveNext();
    EXPECT_TRUE(list.IsEOF());
    list.Close();

    CArticoloModaLineaSet line(&db());
    line.Open();
    ASSERT_FALSE(line.IsEOF());
    EXPECT_STREQ(line.ID_SCALA_TAGLIA, "ITA");
    EXPECT_STREQ(line.LINEA_DESCRIZIONE, "Linea uomo");
    line.Close();

    CLineaCompletaSet supplier(&db());
    supplier.Open();
    ASSERT_FALSE(supplier.IsEOF());
    EXPECT_STREQ(supplier.RICARICO, "120");
    EXPECT_EQ(supplier.ID_FORNITORE, 100);
    EXPECT_STREQ(supplier.DESCRIZIONE_FORNITORE, "Tessiture Riunite");
}

TEST_P(StockViews, GarmentsAreListedInScaleOrderAndFoundByBarcode)
{
    AddFashionData();
    CCapoSet garments(&db());
    garments.m_strFilter = "ID_ARTICOLO = 'A1'";
    garments.m_strSort = "ID_SCALA_TAGLIA, ID_TAGLIA, ID_COLORE";
    garments.Open();
    const char* expected[][2] = {{"46", "BI"}, {"46", "BL"}, {"48", "BL"}};
    for (const auto& e : expected) {
        ASSERT_FALSE(garments.IsEOF());
        EXPECT_STREQ(garments.ID_TAGLIA, e[0]);
        EXPECT_STREQ(garments.ID_COLORE, e[1]);
        garments.MoveNext();
    }
    EXPECT_TRUE(garments.IsEOF());
    garments.Close();

    CCapoCompletoSet garment(&db());
    garment.m_strFilter = "CODICE_EAN = '2000000000480'";
    garment.Open();
    ASSERT_FALSE(garment.IsEOF());
    EXPECT_STREQ(garment.ID_ARTICOLO, "A1");
    EXPECT_STREQ(garment.DESCRIZIONE, "Camicia Oxford");
    EXPECT_STREQ(garment.PREZZO_PZ_EURO_IVATO, "50.00");
    EXPECT_STREQ(garment.ALIQUOTA_IVA, "22");
    EXPECT_STREQ(garment.ID_TAGLIA, "48");
    EXPECT_STREQ(garment.COLORE, "Blu");
    EXPECT_STREQ(garment.SCALA_TAGLIA, "Taglie italiane");
    EXPECT_STREQ(garment.CODICE_INTERNO_ARTICOLO, "OX");
    EXPECT_EQ(garment.RN, 2);
    garment.MoveNext();
    EXPECT_TRUE(garment.IsEOF());
    garment.Close();

    CTagliaCompletaSet sizes(&db());
    sizes.m_strSort = "ID_TAGLIA";
    sizes.Open();
    ASSERT_FALSE(sizes.IsEOF());
    EXPECT_STREQ(sizes.ID_TAGLIA, "46");
    EXPECT_STREQ(sizes.DESCRIZIONE_SCALA_TAGLIA, "Taglie italiane");
}

TEST_P(StockViews, VariantsShowTheirArticleAndCategory)
{
    Exec("INSERT INTO ARTICOLO_VARIANTE (ID, ID_ARTICOLO, DESCRIZIONE, PREZZO, F_PREZZO_IVATO, ID_CATEGORIA) "
         "VALUES (5, 'A1', 'Con iniziali ricamate', '8.00', 1, 'C1')");
    Exec("INSERT INTO ARTICOLO_VARIANTE (ID, ID_ARTICOLO, DESCRIZIONE, PREZZO, F_PREZZO_IVATO) "
         "VALUES (6, 'A1', 'Confezione regalo', '2.00', 0)");
    CArticoloVarianteCompletoSet rs(&db());
    rs.m_strFilter = "ID = 5";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_STREQ(rs.DESCRIZIONE, "Con iniziali ricamate");
    EXPECT_STREQ(rs.PREZZO, "8.00");
    EXPECT_EQ(rs.F_PREZZO_IVATO, 1);
    EXPECT_STREQ(rs.ARTICOLO_ID, "A1");
    EXPECT_STREQ(rs.ARTICOLO_DESCRIZIONE, "Camicia Oxford");
    EXPECT_STREQ(rs.CATEGORIA_ID, "C1");
    EXPECT_STREQ(rs.CATEGORIA_DESCRIZIONE, "Camicie");
    rs.Close();
    rs.m_strFilter = "ID = 6";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_TRUE(rs.IsFieldNull(&rs.CATEGORIA_ID));
    EXPECT_TRUE(rs.IsFieldNull(&rs.CATEGORIA_DESCRIZIONE));
}

TEST_P(StockViews, DeletingAnArticleTakesItsStockGarmentsAndVariants)
{
    AddFashionData();
    AddDepotStock(10, 2024, "A1", "1", "1", "1", "0", "0", "NULL");
    Exec("INSERT INTO CAPO_DEPOSITO_ESISTENZA (ID_SOCIETA, ID_DEPOSITO, ANNO, ID_ARTICOLO, ID_SCALA_TAGLIA, ID_TAGLIA, "
         "ID_COLORE, ESISTENZA) VALUES (1, 10, 2024, 'A1', 'ITA', '46', 'BL', '1')");
    Exec("INSERT INTO ARTICOLO_VARIANTE (ID, ID_ARTICOLO, DESCRIZIONE) VALUES (5, 'A1', 'Ricamo')");

    // Deleting one garment takes its stock only.
    Exec("DELETE FROM CAPO WHERE ID_ARTICOLO = 'A1' AND ID_TAGLIA = '46' AND ID_COLORE = 'BL'");
    EXPECT_EQ(CountRows("CAPO"), 2);
    EXPECT_EQ(CountRows("CAPO_DEPOSITO_ESISTENZA"), 0);

    Exec("DELETE FROM ARTICOLO WHERE ID = 'A1'");
    EXPECT_EQ(CountRows("CAPO"), 0);
    EXPECT_EQ(CountRows("ARTICOLO_MODA"), 0);
    EXPECT_EQ(CountRows("ARTICOLO_DEPOSITO_ESISTENZA"), 0);
    EXPECT_EQ(CountRows("ARTICOLO_VARIANTE"), 0);
    EXPECT_EQ(CountRows("STAGIONE"), 1) << "the season is not the article's";
}

TEST_P(StockViews, HistoryShowsEachStoredLineWithItsDocumentAndReason)
{
    Exec("INSERT INTO CAUSALE (ID, DESCRIZIONE, TIPO_DOCUMENTO, F_VALORE, F_QUANTITA, F_FORNITORE, F_ULTIMO_PREZZO) "
         "VALUES (1, 'Carico da fornitore', 'DDT', 1, 1, 1, 1)");
    Exec("INSERT INTO CAUSALE (ID, DESCRIZIONE, TIPO_DOCUMENTO, F_VALORE, F_QUANTITA, F_CLIENTE) "
         "VALUES (2, 'Vendita', 'FAT', -1, -1, 1)");
    Exec("INSERT INTO CAUSALE (ID, DESCRIZIONE, TIPO_DOCUMENTO, F_ORDINE_AL_FORNITORE) "
         "VALUES (3, 'Ordine a fornitore', 'ORD', 1)");
    Exec("INSERT INTO DOCUMENTO (ID, DATA_DOCUMENTO, DATA_MOVIMENTO, NUMERO, ANNO, SERIE, ID_CAUSALE, FORN_ID, "
         "FORN_RAGIONE_SOCIALE, ID_SOCIETA, ID_DEPOSITO, SCONTO_EXTRA) "
         "VALUES (50, '2024-02-01 00:00:00', '2024-02-02 00:00:00', 12, 2024, 'A', 1, 100, 'Tessiture Riunite', 1, "
         "10, '0')");
    Exec("INSERT INTO DOCUMENTO (ID, DATA_DOCUMENTO, NUMERO, ANNO, ID_CAUSALE, CLI_FAT_ID, CLI_FAT_RAGIONE_SOCIALE, "
         "ID_SOCIETA, ID_DEPOSITO) VALUES (51, '2024-03-01 00:00:00', 3, 2024, 2, 200, 'Mario Rossi', 1, 10)");
    Exec("INSERT INTO DOCUMENTO (ID, DATA_DOCUMENTO, NUMERO, ANNO, ID_CAUSALE, ID_SOCIETA) "
         "VALUES (52, '2024-04-01 00:00:00', 1, 2024, 3, 1)");
    const char* line = "INSERT INTO VOCI_DOCUMENTO (ID, ID_DOCUMENTO, ID_ARTICOLO, DESCRIZIONE, PREZZO, QUANTITA, "
                       "QUANTITA_DA_EVADERE, UM, ID_TAGLIA, ID_COLORE, LOTTO_ANNO, LOTTO_NUMERO) VALUES ";
    Exec((std::string(line) + "(900, 50, 'A1', 'Camicia Oxford', '20.00', '10', '0', 'PZ', '48', 'BL', 2024, 1)").c_str());
    Exec((std::string(line) + "(901, 50, 'A1', 'Camicia Oxford', '22.00', '5', '0', 'PZ', '46', 'BL', NULL, NULL)").c_str());
    Exec((std::string(line) + "(902, 51, 'A1', 'Camicia Oxford', '50.00', '3', '0', 'PZ', '48', 'BL', 2024, 1)").c_str());
    Exec((std::string(line) + "(903, 52, 'A1', 'Camicia Oxford', '19.00', '8', '6', 'PZ', NULL, NULL, NULL, NULL)").c_str());

    CStoriaArticoloSet history(&db());
    history.m_strFilter = "VC_ID_ARTICOLO = 'A1'";
    history.m_strSort = "VC_ID";
    history.Open();
    ASSERT_FALSE(history.IsEOF());
    EXPECT_EQ(history.D_ID, 50);
    EXPECT_EQ(history.D_NUMERO, 12);
    EXPECT_STREQ(history.D_SERIE, "A");
    EXPECT_EQ(history.D_DATA_MOVIMENTO.day, 2);
    EXPECT_EQ(history.D_FORN_ID, 100);
    EXPECT_STREQ(history.D_FORN_RAGIONE_SOCIALE, "Tessiture Riunite");
    EXPECT_EQ(history.D_ID_DEPOSITO, 10);
    EXPECT_EQ(history.C_ID, 1);
    EXPECT_STREQ(history.C_DESCRIZIONE, "Carico da fornitore");
    EXPECT_EQ(history.C_F_QUANTITA, 1);
    EXPECT_EQ(history.C_F_ULTIMO_PREZZO, 1);
    EXPECT_EQ(history.VC_ID, 900);
    EXPECT_STREQ(history.VC_PREZZO, "20.00");
    EXPECT_STREQ(history.VC_UM, "PZ");
    int rows = 0;
    for (; !history.IsEOF(); history.MoveNext())
        ++rows;
    EXPECT_EQ(rows, 4);
    history.Close();

    CStoriaArticoloModaSet fashion(&db());
    fashion.m_strFilter = "VC_ID = 902";
    fashion.Open();
    ASSERT_FALSE(fashion.IsEOF());
    EXPECT_STREQ(fashion.VC_ID_TAGLIA, "48");
    EXPECT_STREQ(fashion.VC_ID_COLORE, "BL");
    EXPECT_EQ(fashion.D_CLI_FAT_ID, 200);
    EXPECT_STREQ(fashion.D_CLI_FAT_RAGIONE_SOCIALE, "Mario Rossi");
    EXPECT_EQ(fashion.C_F_QUANTITA, -1);
    fashion.Close();

    // Only the lines that moved a lot are in the lot history.
    CStoriaLottoSet lots(&db());
    lots.m_strFilter = "VC_LOTTO_ANNO = 2024 AND VC_LOTTO_NUMERO = 1";
    lots.m_strSort = "VC_ID";
    lots.Open();
    ASSERT_FALSE(lots.IsEOF());
    EXPECT_EQ(lots.VC_ID, 900);
    lots.MoveNext();
    ASSERT_FALSE(lots.IsEOF());
    EXPECT_EQ(lots.VC_ID, 902);
    lots.MoveNext();
    EXPECT_TRUE(lots.IsEOF());
    lots.Close();
    EXPECT_EQ(CountRows("STORIA_LOTTO"), 2);

    // The totals recomputed from the lines: 15 loaded for 310.00, 3 sold, 6 still to arrive.
    CCtrlMovimentoArticoloSocietaSet check(&db());
    check.m_strFilter = "ID_ARTICOLO = 'A1'";
    check.Open();
    ASSERT_FALSE(check.IsEOF());
    EXPECT_EQ(check.ID_SOCIETA, 1);
    EXPECT_EQ(check.ANNO, 2024);
    EXPECT_AMOUNT(check.CARICATO, "15");
    EXPECT_AMOUNT(check.SCARICATO, "3");
    EXPECT_AMOUNT(check.CARICATO_VAL, "310");
    // 310 / 15, to the precision of each database's arithmetic.
    EXPECT_TRUE(Amount(check.CMP).Round3(6) == Amount("20.666667")) << check.CMP.GetString();
    EXPECT_AMOUNT(check.QUANTITA_IN_ARRIVO, "6");
    EXPECT_AMOUNT(check.QUANTITA_IMPEGNATA, "0");
    EXPECT_TRUE(check.IsFieldNull(&check.DATA_PREVISTO_ARRIVO));
    check.MoveNext();
    EXPECT_TRUE(check.IsEOF());
}

ORVEL_DATABASE_TEST_SUITE(StockViews);

// The lot recordset starts both quantities at zero, so that a lot saved before any movement holds
// "0" rather than NULL; every other lot recordset column starts empty or zero.
TEST(StockRecordsetDefaults, NewLotStartsWithZeroQuantities)
{
    auto lot = orvel::test::MakePrivateRecordset<CLottoSet>("CLottoSet", nullptr);
    ASSERT_NE(lot, nullptr);
    EXPECT_STREQ(lot->QUANTITA_CARICATA, "0");
    EXPECT_STREQ(lot->QUANTITA_SCARICATA, "0");
    EXPECT_EQ(lot->ANNO, 0);
    EXPECT_EQ(lot->F_CHIUSO, 0);
    EXPECT_EQ(lot->F_MODIFICA_MANUALE, 0);
    EXPECT_TRUE(lot->ID_ARTICOLO.IsEmpty());
    EXPECT_TRUE(lot->DATA_CREAZIONE == COleDateTime(0.0));

    CLottoCompletoSet view;
    EXPECT_TRUE(view.QUANTITA_CARICATA.IsEmpty());
}
