// The stored lines of documents under the three names the library uses for them: VOCI_DOCUMENTO
// (loads and the marking of stale lines), VOCI_DOCUMENTO_OPER (warehouse line writes, removal of
// stale lines) and VOCI_DOCUMENTO_MODA_OPER (fashion line writes). A line written through one
// name must be seen, updated, marked and deleted through the others, with the recordset writes
// the line persistence issues (insert without ID, update and delete of the current row) and the
// set-based statements it runs, on both databases.
#include <gtest/gtest.h>

#include <vector>

#include "afx/String.h"
#include "odbc/DBException.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/recordsets/documentlines/VociDocumentoModaOperSet.h"
#include "orvelmagdb/recordsets/documentlines/VociDocumentoOperSet.h"
#include "orvelmagdb/recordsets/documentlines/VociDocumentoSet.h"
#include "support/DatabaseTest.h"

namespace {

class DocumentLines : public orvel::test::DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        CSchema::Create(db());
        Exec("INSERT INTO DOCUMENTO (ID, NUMERO, ANNO, SERIE) VALUES (7, 1, 2024, ' ')");
        Exec("INSERT INTO DOCUMENTO (ID, NUMERO, ANNO, SERIE) VALUES (8, 2, 2024, ' ')");
    }

    static TIMESTAMP_STRUCT Date(int year, int month, int day)
    {
        TIMESTAMP_STRUCT ts{};
        ts.year = static_cast<SQLSMALLINT>(year);
        ts.month = static_cast<SQLUSMALLINT>(month);
        ts.day = static_cast<SQLUSMALLINT>(day);
        return ts;
    }

    // Adds a warehouse line the way the warehouse document writes one: a new row of
    // VOCI_DOCUMENTO_OPER with every column but ID, the header copies and the marker.
    long AddWarehouseLine(long document, const char* article, const char* quantity, long row)
    {
        CVociDocumentoOperSet rs(&db());
        rs.m_strFilter = "ID = -1";
        rs.Open();
        rs.AddNew();
        rs.TIPO = "A";
        rs.ID_ARTICOLO = article;
        rs.DESCRIZIONE.Format("Article %s", article);
        rs.ID_DOCUMENTO = document;
        rs.PREZZO = "12.50";
        rs.QUANTITA = quantity;
        rs.SCONTA_IVA = 1;
        rs.MOLTIPLICATORE_QTA = 1;
        rs.D_DATA_DOCUMENTO = Date(2024, 3, 15);
        rs.D_DATA_MOVIMENTO = Date(2024, 3, 16);
        rs.D_ANNO = 2024;
        rs.D_ID_SOCIETA = 1;
        rs.D_ID_DEPOSITO = 3;
        rs.C_F_QUANTITA = -1;
        rs.C_F_MOVIMENTA_CARBURANTE = 1;
        rs.MARCATORE = 1;
        rs.NRIGA = row;
        rs.Update();
        rs.Close();
        return LastLineOf(document);
    }

    // The same for a fashion line, through VOCI_DOCUMENTO_MODA_OPER.
    long AddFashionLine(long document, const char* article, const char* size, long row)
    {
        CVociDocumentoModaOperSet rs(&db());
        rs.m_strFilter = "ID = -1";
        rs.Open();
        rs.AddNew();
        rs.TIPO = "A";
        rs.ID_ARTICOLO = article;
        rs.ID_DOCUMENTO = document;
        rs.PREZZO = "30";
        rs.QUANTITA = "1";
        rs.ID_SCALA_TAGLIA = "EU";
        rs.ID_TAGLIA = size;
        rs.ID_COLORE = "NERO";
        rs.RN = 0;
        rs.D_ANNO = 2024;
        rs.C_F_VALORE = 1;
        rs.MARCATORE = 1;
        rs.NRIGA = row;
        rs.Update();
        rs.Close();
        return LastLineOf(document);
    }

    long LastLineOf(long document)
    {
        CString sql;
        sql.Format("SELECT MAX(ID) FROM VOCI_DOCUMENTO WHERE ID_DOCUMENTO = %ld", document);
        return static_cast<long>(QueryLong(sql));
    }

    // The ids of a document's lines as a name shows them, in line order.
    template <class Set>
    std::vector<long> LineIds(long document)
    {
        Set rs(&db());
        rs.m_strFilter.Format("ID_DOCUMENTO = %ld", document);
        rs.m_strSort = "NRIGA, ID";
        rs.Open();
        std::vector<long> ids;
        for (; !rs.IsEOF(); rs.MoveNext())
            ids.push_back(rs.ID);
        rs.Close();
        return ids;
    }

    long Marker(long line)
    {
        CString sql;
        sql.Format("SELECT MARCATORE FROM VOCI_DOCUMENTO WHERE ID = %ld", line);
        return static_cast<long>(QueryLong(sql));
    }
};

}  // namespace

TEST_P(DocumentLines, TheDatabaseNumbersNewLinesAndAllThreeNamesShowThem)
{
    long first = AddWarehouseLine(7, "ART1", "2", 1);
    long second = AddFashionLine(7, "CAPO1", "42", 2);
    ASSERT_GT(first, 0);
    ASSERT_GT(second, first);
    std::vector<long> expected{first, second};
    EXPECT_EQ(LineIds<CVociDocumentoSet>(7), expected);
    EXPECT_EQ(LineIds<CVociDocumentoOperSet>(7), expected);
    EXPECT_EQ(LineIds<CVociDocumentoModaOperSet>(7), expected);
    // The fashion load view belongs to the library alone (its class is not exported): read it
    // with plain SQL.
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM VOCI_DOCUMENTO_MODA_LOAD WHERE ID_DOCUMENTO = 7"), 2);
    CString sql;
    sql.Format("SELECT ID_TAGLIA FROM VOCI_DOCUMENTO_MODA_LOAD WHERE ID = %ld", second);
    EXPECT_EQ(QueryText(sql), "42");
    EXPECT_TRUE(LineIds<CVociDocumentoSet>(8).empty());
}

TEST_P(DocumentLines, AWarehouseLineIsUpdatedAsFashionLineMarkedStaleAndRemoved)
{
    long line = AddWarehouseLine(7, "ART1", "2", 1);

    // The fashion write finds the row by id and document and rewrites it.
    {
        CVociDocumentoModaOperSet rs(&db());
        rs.m_strFilter = "ID = -1";
        rs.Open();
        rs.m_strFilter.Format("(ID = %ld) AND (ID_DOCUMENTO = %ld)", line, 7L);
        rs.Requery();
        ASSERT_FALSE(rs.IsEOF());
        EXPECT_EQ(rs.QUANTITA, "2");
        EXPECT_EQ(rs.D_ANNO, 2024);
        rs.Edit();
        rs.QUANTITA = "5";
        rs.ID_TAGLIA = "44";
        rs.RN = 1;
        rs.MARCATORE = 1;
        rs.Update();
        rs.Close();
    }
    {
        CVociDocumentoSet rs(&db());
        rs.m_strFilter.Format("ID = %ld", line);
        rs.Open();
        ASSERT_FALSE(rs.IsEOF());
        EXPECT_EQ(rs.QUANTITA, "5");
        EXPECT_EQ(rs.ID_ARTICOLO, "ART1");
        EXPECT_EQ(rs.PREZZO, "12.50");
    }
    {
        // Columns the fashion name does not show kept their values.
        CVociDocumentoOperSet rs(&db());
        rs.m_strFilter.Format("ID = %ld", line);
        rs.Open();
        ASSERT_FALSE(rs.IsEOF());
        EXPECT_EQ(rs.C_F_MOVIMENTA_CARBURANTE, 1);
        EXPECT_EQ(rs.D_DATA_MOVIMENTO.year, 2024);
        EXPECT_EQ(rs.D_DATA_MOVIMENTO.month, 3);
        EXPECT_EQ(rs.D_DATA_MOVIMENTO.day, 16);
    }
    CString sql;
    sql.Format("SELECT ID_TAGLIA FROM VOCI_DOCUMENTO_MODA_LOAD WHERE ID = %ld", line);
    EXPECT_EQ(QueryText(sql), "44");
    sql.Format("SELECT RN FROM VOCI_DOCUMENTO_MODA_LOAD WHERE ID = %ld", line);
    EXPECT_EQ(QueryLong(sql), 1);

    Exec("UPDATE VOCI_DOCUMENTO SET MARCATORE = 0 WHERE ID_DOCUMENTO = 7");
    EXPECT_EQ(Marker(line), 0);
    {
        CVociDocumentoModaOperSet rs(&db());
        rs.m_strFilter.Format("ID = %ld", line);
        rs.Open();
        ASSERT_FALSE(rs.IsEOF());
        EXPECT_EQ(rs.MARCATORE, 0);
    }
    Exec("DELETE FROM VOCI_DOCUMENTO_OPER WHERE (ID_DOCUMENTO = 7) AND (MARCATORE = 0)");
    EXPECT_TRUE(LineIds<CVociDocumentoSet>(7).empty());
    EXPECT_TRUE(LineIds<CVociDocumentoModaOperSet>(7).empty());
}

TEST_P(DocumentLines, AFashionLineIsUpdatedAsWarehouseLineAndDeletedThroughItsRecordset)
{
    long line = AddFashionLine(7, "CAPO1", "42", 1);
    {
        CVociDocumentoOperSet rs(&db());
        rs.m_strFilter.Format("(ID = %ld) AND (ID_DOCUMENTO = %ld) ", line, 7L);
        rs.Open();
        ASSERT_FALSE(rs.IsEOF());
        rs.Edit();
        rs.QUANTITA = "3";
        rs.SCONTO_EXTRA = "10";
        rs.MARCATORE = 1;
        rs.Update();
        rs.Close();
    }
    {
        // The warehouse write left size, colour and row number alone.
        CVociDocumentoModaOperSet rs(&db());
        rs.m_strFilter.Format("ID = %ld", line);
        rs.Open();
        ASSERT_FALSE(rs.IsEOF());
        EXPECT_EQ(rs.QUANTITA, "3");
        EXPECT_EQ(rs.SCONTO_EXTRA, "10");
        EXPECT_EQ(rs.ID_TAGLIA, "42");
        EXPECT_EQ(rs.ID_COLORE, "NERO");
        EXPECT_EQ(rs.C_F_VALORE, 1);
        rs.Delete();
        rs.Close();
    }
    EXPECT_EQ(CountRows("VOCI_DOCUMENTO"), 0);
}

TEST_P(DocumentLines, AnUpdateOfALineThatIsGoneIsReportedNotIgnored)
{
    long line = AddWarehouseLine(7, "ART1", "2", 1);
    CVociDocumentoOperSet rs(&db());
    rs.m_strFilter.Format("ID = %ld", line);
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    Exec("DELETE FROM VOCI_DOCUMENTO WHERE ID_DOCUMENTO = 7");
    rs.Edit();
    rs.QUANTITA = "9";
    EXPECT_THROW(rs.Update(), CDBException);
    EXPECT_EQ(CountRows("VOCI_DOCUMENTO"), 0);
}

// The edit of a document: every stored line is marked stale, the lines still in the detail are
// rewritten (found by id and document) or added, and what stayed stale is removed.
TEST_P(DocumentLines, TheMarkerProtocolKeepsTheRewrittenLinesAndRemovesTheOthers)
{
    long kept = AddWarehouseLine(7, "ART1", "1", 1);
    long removed = AddWarehouseLine(7, "ART2", "1", 2);
    long other = AddWarehouseLine(8, "ART3", "1", 1);

    Exec("UPDATE VOCI_DOCUMENTO SET MARCATORE = 0 WHERE ID_DOCUMENTO = 7");
    {
        CVociDocumentoOperSet rs(&db());
        rs.m_strFilter = "ID = -1";
        rs.Open();
        rs.m_strFilter.Format("(ID = %ld) AND (ID_DOCUMENTO = %ld) ", kept, 7L);
        rs.Requery();
        ASSERT_FALSE(rs.IsEOF());
        rs.Edit();
        rs.QUANTITA = "4";
        rs.MARCATORE = 1;
        rs.Update();
        // A line whose id belongs to another document is not found there: it is added anew.
        rs.m_strFilter.Format("(ID = %ld) AND (ID_DOCUMENTO = %ld) ", other, 7L);
        rs.Requery();
        EXPECT_TRUE(rs.IsEOF());
        rs.AddNew();
        rs.TIPO = "B";
        rs.ID_DOCUMENTO = 7;
        rs.QUANTITA = "1";
        rs.MARCATORE = 1;
        rs.NRIGA = 3;
        rs.Update();
        rs.Close();
    }
    Exec("DELETE FROM VOCI_DOCUMENTO_OPER WHERE (ID_DOCUMENTO = 7) AND (MARCATORE = 0)");

    std::vector<long> lines = LineIds<CVociDocumentoSet>(7);
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_EQ(lines[0], kept);
    EXPECT_GT(lines[1], other);
    EXPECT_NE(lines[1], removed);
    EXPECT_EQ(Marker(lines[0]), 1);
    EXPECT_EQ(Marker(lines[1]), 1);
    EXPECT_EQ(QueryText("SELECT QUANTITA FROM VOCI_DOCUMENTO_OPER WHERE ID_DOCUMENTO = 7 AND NRIGA = 1"), "4");
    // The other document was not touched.
    EXPECT_EQ(LineIds<CVociDocumentoSet>(8), std::vector<long>{other});
    EXPECT_EQ(Marker(other), 1);
}

TEST_P(DocumentLines, TheIdOfADeletedLineIsNeverHandedOutAgain)
{
    AddWarehouseLine(7, "ART1", "1", 1);
    long last = AddWarehouseLine(7, "ART2", "1", 2);
    Exec("DELETE FROM VOCI_DOCUMENTO_MODA_OPER WHERE ID_DOCUMENTO = 7 AND NRIGA = 2");
    long next = AddWarehouseLine(7, "ART3", "1", 2);
    EXPECT_GT(next, last);
}

TEST_P(DocumentLines, ALineNeedsAnExistingDocument)
{
    {
        CVociDocumentoOperSet rs(&db());
        rs.m_strFilter = "ID = -1";
        rs.Open();
        rs.AddNew();
        rs.TIPO = "A";
        rs.QUANTITA = "1";
        // No document at all.
        EXPECT_THROW(rs.Update(), CDBException);
    }
    {
        CVociDocumentoModaOperSet rs(&db());
        rs.m_strFilter = "ID = -1";
        rs.Open();
        rs.AddNew();
        rs.TIPO = "A";
        rs.ID_DOCUMENTO = 99;
        // A document that does not exist.
        EXPECT_THROW(rs.Update(), CDBException);
    }
    EXPECT_EQ(CountRows("VOCI_DOCUMENTO"), 0);
    // The refused writes left the connection usable.
    EXPECT_GT(AddWarehouseLine(7, "ART1", "1", 1), 0);
}

ORVEL_DATABASE_TEST_SUITE(DocumentLines);
