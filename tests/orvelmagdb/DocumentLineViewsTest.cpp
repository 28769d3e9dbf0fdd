// The stored lines of documents under the names the library uses for them: VOCI_DOCUMENTO (loads
// and the marking of stale lines), VOCI_DOCUMENTO_OPER (warehouse line writes, removal of stale
// lines), VOCI_DOCUMENTO_MODA_OPER (fashion line writes) and VOCI_DOCUMENTO_MODA_LOAD (fashion
// loads). A line written through one name is seen, updated, marked and deleted through the others,
// with the recordset writes the line persistence issues and the set-based statements it runs.
#include <gtest/gtest.h>

#include <string>
#include <type_traits>

#include "afx/String.h"
#include "odbc/DBException.h"
#include "orvelmagdb/ViewCase.h"
#include "orvelmagdb/recordsets/documentlines/VociDocumentoModaOperSet.h"
#include "orvelmagdb/recordsets/documentlines/VociDocumentoOperSet.h"

namespace {

class DocumentLines : public orvel::test::ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        if (!IsSkipped())
            Exec("INSERT INTO DOCUMENTO (ID, NUMERO, ANNO, SERIE) VALUES (7, 1, 2024, ' '), (8, 2, 2024, ' ')");
    }

    // A new line as the warehouse (or, through its name, the fashion) document writes one: every
    // column but ID, which the database assigns; returns that id.
    template <class Set = CVociDocumentoOperSet>
    long AddLine(long document, const char* article, long row)
    {
        Set rs(&db());
        rs.m_strFilter = "ID = -1";
        rs.Open();
        rs.AddNew();
        rs.TIPO = "A";
        rs.ID_ARTICOLO = article;
        rs.ID_DOCUMENTO = document;
        rs.MARCATORE = 1;
        rs.NRIGA = row;
        if constexpr (std::is_same_v<Set, CVociDocumentoModaOperSet>) {
            rs.QUANTITA = "1";
            rs.ID_TAGLIA = "42";
            rs.ID_COLORE = "NERO";
            rs.RN = 0;
            rs.C_F_VALORE = 1;
        } else {
            rs.PREZZO = "12.50";
            rs.QUANTITA = "2";
            rs.C_F_MOVIMENTA_CARBURANTE = 1;
            rs.D_DATA_MOVIMENTO = TIMESTAMP_STRUCT{2024, 3, 16, 0, 0, 0, 0};
        }
        rs.Update();
        return static_cast<long>(QueryLong(("SELECT MAX(ID) FROM VOCI_DOCUMENTO WHERE ID_DOCUMENTO = " +
                                             std::to_string(document)).c_str()));
    }

    // Finds a line by id and document, as the line writes do, and edits it.
    template <class Set, class Change>
    void EditLine(long line, long document, Change change)
    {
        Set rs(&db());
        rs.m_strFilter.Format("(ID = %ld) AND (ID_DOCUMENTO = %ld) ", line, document);
        rs.Open();
        ASSERT_FALSE(rs.IsEOF());
        rs.Edit();
        change(rs);
        rs.MARCATORE = 1;
        rs.Update();
    }
};

}  // namespace

TEST_P(DocumentLines, TheDatabaseNumbersNewLinesAndEveryNameShowsThem)
{
    EXPECT_EQ(AddLine(7, "ART1", 1), 1);
    EXPECT_EQ(AddLine<CVociDocumentoModaOperSet>(7, "CAPO1", 2), 2);
    ExpectViews({
        {"CVociDocumentoSet", "ID_DOCUMENTO = 7", "ID, NRIGA, ID_ARTICOLO, PREZZO, MARCATORE",
         {"1|1|ART1|12.50|1", "2|2|CAPO1|NULL|1"}},
        {"CVociDocumentoOperSet", "ID_DOCUMENTO = 7", "ID, C_F_MOVIMENTA_CARBURANTE, D_DATA_MOVIMENTO",
         {"1|1|2024-03-16 00:00:00", "2|NULL|NULL"}},
        {"CVociDocumentoModaOperSet", "ID_DOCUMENTO = 7", "ID, ID_TAGLIA, C_F_VALORE", {"1|NULL|NULL", "2|42|1"}},
        {"CVociDocumentoModaLoadSet", "ID_DOCUMENTO = 7", "ID, ID_TAGLIA, ID_COLORE, RN",
         {"1|NULL|NULL|NULL", "2|42|NERO|0"}},
        {"CVociDocumentoSet", "ID_DOCUMENTO = 8", "ID", {}},
    });
}

TEST_P(DocumentLines, ALineIsUpdatedThroughTheOtherNameAndKeepsWhatThatNameDoesNotShow)
{
    long warehouse = AddLine(7, "ART1", 1);
    long fashion = AddLine<CVociDocumentoModaOperSet>(7, "CAPO1", 2);
    EditLine<CVociDocumentoModaOperSet>(warehouse, 7, [](CVociDocumentoModaOperSet& rs) {
        rs.QUANTITA = "5";
        rs.ID_TAGLIA = "44";
        rs.RN = 1;
    });
    EditLine<CVociDocumentoOperSet>(fashion, 7, [](CVociDocumentoOperSet& rs) {
        rs.QUANTITA = "3";
        rs.SCONTO_EXTRA = "10";
    });
    ExpectViews({{"CVociDocumentoSet", "ID_DOCUMENTO = 7", "ID, QUANTITA, PREZZO", {"1|5|12.50", "2|3|NULL"}},
                 {"CVociDocumentoOperSet", "ID = 1", "C_F_MOVIMENTA_CARBURANTE, D_DATA_MOVIMENTO", {"1|2024-03-16 00:00:00"}},
                 {"CVociDocumentoModaLoadSet", "ID_DOCUMENTO = 7", "ID, ID_TAGLIA, RN", {"1|44|1", "2|42|0"}},
                 {"CVociDocumentoModaOperSet", "ID = 2", "SCONTO_EXTRA, ID_COLORE, C_F_VALORE", {"10|NERO|1"}}});
    // A line deleted through its recordset; an update of a line someone else deleted is reported.
    CVociDocumentoOperSet stale(&db());
    stale.m_strFilter = "ID = 1";
    stale.Open();
    ExpectRoundTrip("CVociDocumentoModaOperSet", "ID = 2", 1, true);
    Exec("DELETE FROM VOCI_DOCUMENTO WHERE ID = 1");
    stale.Edit();
    stale.QUANTITA = "9";
    EXPECT_THROW(stale.Update(), CDBException);
    ExpectCounts({{"VOCI_DOCUMENTO", 0}});
}

// The edit of a document: every stored line is marked stale, the lines still in the detail are
// rewritten (found by id and document) or added, and what stayed stale is removed.
TEST_P(DocumentLines, TheMarkerProtocolKeepsTheRewrittenLinesAndRemovesTheOthers)
{
    long kept = AddLine(7, "ART1", 1);
    AddLine(7, "ART2", 2);
    AddLine(8, "ART3", 1);
    Exec("UPDATE VOCI_DOCUMENTO SET MARCATORE = 0 WHERE ID_DOCUMENTO = 7");
    EditLine<CVociDocumentoOperSet>(kept, 7, [](CVociDocumentoOperSet& rs) { rs.QUANTITA = "4"; });
    // A line whose id belongs to another document is not found there: it is added anew.
    ExpectCounts({{"VOCI_DOCUMENTO_OPER WHERE (ID = 3) AND (ID_DOCUMENTO = 7)", 0}});
    AddLine(7, "ART3", 3);
    Exec("DELETE FROM VOCI_DOCUMENTO_OPER WHERE (ID_DOCUMENTO = 7) AND (MARCATORE = 0)");
    // Ids are never handed out again: the new line is 4, after the removed 2.
    ExpectView({"CVociDocumentoSet", "1 = 1", "ID, ID_DOCUMENTO, NRIGA, ID_ARTICOLO, QUANTITA, MARCATORE",
                {"1|7|1|ART1|4|1", "3|8|1|ART3|2|1", "4|7|3|ART3|2|1"}});
    Exec("DELETE FROM VOCI_DOCUMENTO_MODA_OPER WHERE ID = 4");
    EXPECT_EQ(AddLine(7, "ART4", 4), 5);
}

TEST_P(DocumentLines, ALineNeedsAnExistingDocument)
{
    ExpectRefused(R"(INSERT INTO VOCI_DOCUMENTO_OPER (TIPO, QUANTITA) VALUES ('A', '1');
INSERT INTO VOCI_DOCUMENTO_MODA_OPER (TIPO, ID_DOCUMENTO) VALUES ('A', 99);
INSERT INTO VOCI_DOCUMENTO (TIPO, ID_DOCUMENTO) VALUES ('A', 99))");
    ExpectCounts({{"VOCI_DOCUMENTO", 0}});
    // The refused writes left the connection usable; a line goes with its document.
    EXPECT_GT(AddLine(7, "ART1", 1), 0);
    Exec("DELETE FROM DOCUMENTO WHERE ID = 7");
    ExpectCounts({{"VOCI_DOCUMENTO", 0}, {"DOCUMENTO", 1}});
}

ORVEL_DATABASE_TEST_SUITE(DocumentLines);
