// A document's VAT summary on real databases: contributions by VAT code rounded after each one,
// codes taken from the VAT table, and the rows written for a document on add and edit.
#include <gtest/gtest.h>

#include <string>

#include "orvelmagdb/ConfigGuard.h"
#include "orvelmagdb/MessageRecorder.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/domain/documents/DomainListaIvaDocumento.h"
#include "support/DatabaseTest.h"

using orvel::test::ConfigGuard;
using orvel::test::MessageRecorder;

namespace {

std::string S(const Decimal& value) { return value.ToString2(127, false).str(); }
Decimal D(const char* text) { return Decimal(CString(text), 127); }

class VatSummary : public orvel::test::DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        config.SetShopDefaults();
        CSchema::Create(db());
        Exec("INSERT INTO IVA (CODICE, DESCRIZIONE, ALIQUOTA, NOTE) VALUES ('22', 'Ordinaria', '22', 'ordinaria')");
        Exec("INSERT INTO IVA (CODICE, DESCRIZIONE, ALIQUOTA) VALUES ('10', 'Ridotta', '10.004')");
        Exec("INSERT INTO DOCUMENTO (ID, NUMERO) VALUES (5, 0)");
    }

    // The stored rows of document 5, "code taxable vat rate;" in code order.
    std::string Stored()
    {
        std::string rows;
        for (const char* code : {"'10'", "'22'"})
            rows += QueryText((std::string("SELECT ID_IVA || ' ' || TOTALE_IMPONIBILE || ' ' || TOTALE_IVA || ' ' || "
                                           "ALIQUOTA_IVA || ';' FROM IVA_DOCUMENTO WHERE ID_DOCUMENTO = 5 AND ID_IVA = ") +
                               code).c_str())
                        .value_or("");
        return rows;
    }

    ConfigGuard config;
};

TEST_P(VatSummary, AddRoundsAfterEachContributionRefusesUnknownCodesAndAssignmentKeepsRows)
{
    CDomainListaIvaDocumento summary(&db());
    ASSERT_TRUE(summary.Add("22", D("10.005"), D("2.2011")));
    ASSERT_TRUE(summary.Add("22", D("0.005"), D("0.0049")));
    ASSERT_TRUE(summary.Add("10", D("3"), D("0.3")));
    CDomainIvaDocumento row;
    ASSERT_TRUE(summary.Lookup("22", row));
    // 10.005 -> 10.01, then 10.015 -> 10.02: summed first it would be 10.01.
    EXPECT_EQ(S(row.Get_TOTALE_IMPONIBILE()), "10.02");
    EXPECT_EQ(S(row.Get_TOTALE_IVA()), "2.20");
    EXPECT_EQ(S(row.Get_ALIQUOTA_IVA()), "22") << "the rate comes from the VAT table";
    EXPECT_EQ(row.Get_NOTE_IVA(), "ordinaria");

    for (const char* unknown : {"99", "", "22' OR '1' = '1"})
        EXPECT_FALSE(summary.Add(unknown, D("100"), D("22"))) << unknown;
    EXPECT_EQ(summary.GetCount(), 2);
    ASSERT_TRUE(summary.Lookup("22", row));
    EXPECT_EQ(S(row.Get_TOTALE_IMPONIBILE()), "10.02") << "a refused code leaves the other rows alone";

    // Assignment writes the source's rows over the target's and keeps the rows the source lacks.
    CDomainListaIvaDocumento source(&db());
    source.Set_ID_DOCUMENTO(5);
    ASSERT_TRUE(source.Add("22", D("7"), D("1.54")));
    summary = source;
    EXPECT_EQ(summary.Get_ID_DOCUMENTO(), 5);
    ASSERT_TRUE(summary.Lookup("22", row) && S(row.Get_TOTALE_IMPONIBILE()) == "7");
    ASSERT_TRUE(summary.Lookup("10", row));
    EXPECT_EQ(S(row.Get_TOTALE_IMPONIBILE()), "3");
}

TEST_P(VatSummary, UpdateInsertsOnAddReplacesOnEditAndWritesNothingOnDelete)
{
    MessageRecorder boxes;
    CDomainListaIvaDocumento summary(&db());
    ASSERT_TRUE(summary.Add("22", D("100"), D("22")));
    ASSERT_TRUE(summary.Add("10", D("50"), D("5")));
    EXPECT_FALSE(summary.DB_AddNew()) << "no document id yet";
    EXPECT_EQ(CountRows("IVA_DOCUMENTO"), 0);

    summary.Set_ID_DOCUMENTO(5);
    ASSERT_TRUE(summary.DB_AddNew());
    EXPECT_EQ(Stored(), "10 50 5 10.00;22 100 22 22;");

    CDomainListaIvaDocumento edited(&db());
    edited.Set_ID_DOCUMENTO(5);
    ASSERT_TRUE(edited.Add("22", D("80"), D("17.6")));
    ASSERT_TRUE(edited.DB_Edit());
    EXPECT_EQ(Stored(), "22 80 17.6 22;") << "the old rows go, the new ones come";

    CDomainListaIvaDocumento empty(&db());
    empty.Set_ID_DOCUMENTO(5);
    ASSERT_TRUE(empty.DB_Delete());
    EXPECT_EQ(Stored(), "22 80 17.6 22;") << "a delete writes nothing";
    ASSERT_TRUE(empty.DB_Edit());
    EXPECT_EQ(Stored(), "") << "an edit with no rows only deletes";
    EXPECT_TRUE(boxes.messages.empty());

    // A second add of the same rows breaks the table's key: the box shows the driver's text.
    ASSERT_TRUE(summary.DB_AddNew());
    EXPECT_FALSE(summary.DB_AddNew());
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0].style, 48u);
    EXPECT_EQ(boxes.messages[0].helpId, 0u);
    EXPECT_FALSE(boxes.messages[0].text.empty());
}

ORVEL_DATABASE_TEST_SUITE(VatSummary);

}  // namespace
