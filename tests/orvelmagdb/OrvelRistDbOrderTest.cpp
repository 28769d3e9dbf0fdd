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
        TIMESTAMP_STRUCT seated{};
        seated.year = 2024;
        seated.month = 5;
        seated.day = 17;
        seated.hour = 20;
        seated.minute = 30;
        rs.DATA = seated;
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

TEST_P(OrvelRistDbOrders, OrderKeepsWhatThePreBillCharges)
{
    AddOrder(3, 2, "1.50", "10");
    AddOrder(4, 0, "", "");

    CComandaSet rs(&db());
    rs.m_strFilter = "ID = 3";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.COPERTI, 2);
    EXPECT_STREQ(Decimal(rs.PREZZO_COPERTO, 127).ToString2(127, false), "1.50");
    EXPECT_STREQ(Decimal(rs.PERC_SERVIZIO, 127).ToString2(127, false), "10");
    EXPECT_STREQ(rs.TAVOLO, "Tavolo 4");
    EXPECT_EQ(rs.DATA.hour, 20);
    EXPECT_TRUE(rs.IsFieldNull(&rs.ID_COLLABORATORE));
    rs.Close();

    // An order without cover price or service: NULL texts, which read as zero amounts.
    rs.m_strFilter = "ID = 4";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.COPERTI, 0);
    EXPECT_TRUE(rs.IsFieldNull(&rs.PREZZO_COPERTO));
    EXPECT_TRUE(Decimal(rs.PREZZO_COPERTO, 127).IsZero());
    EXPECT_TRUE(rs.IsFieldNull(&rs.PERC_SERVIZIO));
    rs.Close();

    rs.m_strFilter = "ID = 99";
    rs.Open();
    EXPECT_TRUE(rs.IsEOF());
}

TEST_P(OrvelRistDbOrders, OrderDocumentsAreFoundByTheirOrderOnce)
{
    AddOrder(3, 2, "1.50", "10");
    AddOrder(4, 1, "2.00", "0");
    AddOrderDocument(3, 21, 1);
    AddOrderDocument(3, 22, 2);
    AddOrderDocument(4, 23, 1);

    CComandaOrdineSet rs(&db());
    rs.m_strFilter = "ID_COMANDA = 3";
    rs.m_strSort = "NUMERO";
    rs.Open();
    ASSERT_EQ(rs.GetRecordCount(), 2);
    EXPECT_EQ(rs.ID_DOCUMENTO, 21);
    rs.MoveNext();
    EXPECT_EQ(rs.ID_DOCUMENTO, 22);
    EXPECT_EQ(rs.NUMERO, 2);
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());

    // The same document sent twice for one order is refused.
    rs.AddNew();
    rs.ID_COMANDA = 3;
    rs.ID_DOCUMENTO = 21;
    rs.NUMERO = 3;
    EXPECT_THROW(rs.Update(), CDBException);
    rs.CancelUpdate();
    rs.Close();
    EXPECT_EQ(CountRows("COMANDA_ORDINE"), 3);
}

ORVEL_DATABASE_TEST_SUITE(OrvelRistDbOrders);

}  // namespace
