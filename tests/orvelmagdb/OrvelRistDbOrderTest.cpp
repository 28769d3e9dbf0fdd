// The restaurant library on real databases: a restaurant order keeps its covers, cover price and
// service percentage as the pre-bill reads them, its order documents are found by the order, and
// an order document belongs to an order once.
#include <gtest/gtest.h>

#include "odbc/DBException.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelristdb/recordsets/ComandaOrdineSet.h"
#include "orvelristdb/recordsets/ComandaSet.h"
#include "orveldblib/Decimal.h"
#include "support/DatabaseTest.h"

namespace {

class OrvelRistDbOrders : public orvel::test::DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        CSchema::Create(db());
        for (int id : {21, 22, 23}) {
            CString sql;
            sql.Format("INSERT INTO DOCUMENTO (ID, NUMERO, ANNO) VALUES (%d, %d, 2024)", id, id - 20);
            Exec(sql);
        }
    }

    void AddOrder(long id, long covers, const char* coverPrice, const char* service)
    {
        CComandaSet rs(&db());
        rs.m_strFilter = "ID IS NULL";
        rs.Open();
        rs.AddNew();
        rs.ID = id;
        rs.DATA = TIMESTAMP_STRUCT{2024, 5, 17, 20, 30, 0, 0};
        rs.TAVOLO = "Tavolo 4";
        rs.COPERTI = covers;
        rs.SetFieldNull(&rs.COPERTI, FALSE);
        rs.PREZZO_COPERTO = coverPrice;
        rs.PERC_SERVIZIO = service;
        rs.ID_SOCIETA = 1;
        rs.SetFieldNull(&rs.ID_COLLABORATORE);
        rs.ID_POSTAZIONE = "CASSA1";
        rs.F_CHIUSA = 0;
        ASSERT_TRUE(rs.Update());
        rs.Close();
    }

    void AddOrderDocument(long order, long document, long number)
    {
        CComandaOrdineSet rs(&db());
        rs.m_strFilter.Format("ID_COMANDA = %ld", order);
        rs.Open();
        rs.AddNew();
        rs.ID_COMANDA = order;
        rs.ID_DOCUMENTO = document;
        rs.NUMERO = number;
        ASSERT_TRUE(rs.Update());
        rs.Close();
    }
};

TEST_P(OrvelRistDbOrders, OrderKeepsWhatThePreBillChargesAndItsDocumentsOnce)
{
    AddOrder(3, 2, "1.50", "10");
    AddOrder(4, 0, "", "");  // no cover price or service: NULL texts, which read as zero amounts
    AddOrderDocument(3, 21, 1);
    AddOrderDocument(3, 22, 2);
    AddOrderDocument(4, 23, 1);

    CComandaSet rs(&db());
    rs.m_strSort = "ID";
    rs.Open();
    ASSERT_EQ(rs.GetRecordCount(), 2);
    EXPECT_EQ(rs.COPERTI, 2);
    EXPECT_STREQ(Decimal(rs.PREZZO_COPERTO, 127).ToString2(127, false), "1.50");
    EXPECT_STREQ(Decimal(rs.PERC_SERVIZIO, 127).ToString2(127, false), "10");
    EXPECT_STREQ(rs.TAVOLO, "Tavolo 4");
    EXPECT_EQ(rs.DATA.hour, 20);
    EXPECT_TRUE(rs.IsFieldNull(&rs.ID_COLLABORATORE));
    rs.MoveNext();
    EXPECT_EQ(rs.COPERTI, 0);
    EXPECT_TRUE(rs.IsFieldNull(&rs.PREZZO_COPERTO) && rs.IsFieldNull(&rs.PERC_SERVIZIO));
    EXPECT_TRUE(Decimal(rs.PREZZO_COPERTO, 127).IsZero());

    CComandaOrdineSet docs(&db());
    docs.m_strFilter = "ID_COMANDA = 3";
    docs.m_strSort = "NUMERO";
    docs.Open();
    ASSERT_EQ(docs.GetRecordCount(), 2);
    EXPECT_EQ(docs.ID_DOCUMENTO, 21);
    docs.MoveNext();
    EXPECT_EQ(docs.ID_DOCUMENTO, 22);
    EXPECT_EQ(docs.NUMERO, 2);
    // The same document sent twice for one order is refused.
    docs.AddNew();
    docs.ID_COMANDA = 3;
    docs.ID_DOCUMENTO = 21;
    docs.NUMERO = 3;
    EXPECT_THROW(docs.Update(), CDBException);
    docs.CancelUpdate();
    docs.Close();
    EXPECT_EQ(CountRows("COMANDA_ORDINE"), 3);
}

ORVEL_DATABASE_TEST_SUITE(OrvelRistDbOrders);

}  // namespace
