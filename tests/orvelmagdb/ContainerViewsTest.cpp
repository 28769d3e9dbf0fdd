// The returnable-container views as the hosts read them, on both databases: headers with their
// reason, company, sites and partners (NULL where a reference is missing), the container lines
// with their amounts, the links to ordinary documents and the numbering view.
#include <gtest/gtest.h>

#include "afx/String.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/recordsets/containers/DocumentoVuotoCausaleSet.h"
#include "orvelmagdb/recordsets/containers/ListaVuotiDocumentiAssociatiSet.h"
#include "orvelmagdb/recordsets/containers/MaxNumeroDocumentoVuotoSet.h"
#include "orvelmagdb/recordsets/containers/RicercaDocumentoVuotiSet.h"
#include "orvelmagdb/recordsets/containers/TestataDocumentoVuotoSet.h"
#include "orvelmagdb/recordsets/containers/VociDocumentoVuotoCompleteSet.h"
#include "orvelmagdb/recordsets/documents/DocumentiVuotiReferenziatiSet.h"
#include "support/DatabaseTest.h"

namespace {

class ContainerViews : public orvel::test::DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        CSchema::Create(db());
        Exec("INSERT INTO SOCIETA (ID, NOME, RAGIONE_SOCIALE, PARTITA_IVA) VALUES (1, 'Orvel', 'Orvel S.r.l.', 'IT1')");
        Exec("INSERT INTO TIPO_SEDE (ID, NOME) VALUES (2, 'Magazzino')");
        Exec("INSERT INTO SEDE_SOCIETA (ID, ID_SOCIETA, IDTIPOSEDE, VIA, CAP, NOMEZONAPOSTALE, SIGLAPROVINCIA) "
             "VALUES (11, 1, 2, 'Via del Porto 9', '16100', 'Genova', 'GE')");
        Exec("INSERT INTO AZIENDA (ID, RAGIONESOCIALE, PARTITAIVA) VALUES (900, 'Bar Sport', 'IT900')");
        Exec("INSERT INTO CAUSALE_VUOTO (ID, DESCRIZIONE, F_QUANTITA, F_CLIENTE, F_REPORT) "
             "VALUES (3, 'Consegna vuoti', -1, 1, 'vuoti.rpt')");
        Exec("INSERT INTO DOCUMENTO_VUOTO (ID, DATA_MOVIMENTO, NUMERO, ANNO, ID_CAUSALE_VUOTO, ID_CLIENTE, "
             "ID_FORNITORE, ID_SOCIETA, ID_SEDE_SOCIETA, ID_DEPOSITO, NOTA) "
             "VALUES (1, '2024-05-02 08:00:00', 14, 2024, 3, 900, 901, 1, 11, 11, 'casse')");
    }
};

}  // namespace

TEST_P(ContainerViews, TheHeaderViewShowsItsReasonCompanySitesAndPartners)
{
    CTestataDocumentoVuotoSet rs(&db());
    rs.m_strFilter = "D_ID = 1";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.C_ID, 3);
    EXPECT_EQ(rs.C_DESCRIZIONE, "Consegna vuoti");
    EXPECT_EQ(rs.C_F_QUANTITA, -1);
    EXPECT_EQ(rs.C_F_REPORT, "vuoti.rpt");
    EXPECT_EQ(rs.D_NUMERO, 14);
    EXPECT_EQ(rs.D_ANNO, "2024");
    EXPECT_EQ(rs.D_DATA_MOVIMENTO.month, 5);
    EXPECT_EQ(rs.D_NOTA, "casse");
    EXPECT_EQ(rs.S_RAGIONESOCIALE, "Orvel S.r.l.");
    EXPECT_EQ(rs.SEDE_SOC_NOMEZONAPOSTALE, "Genova");
    EXPECT_EQ(rs.DEP_VIA, "Via del Porto 9");
    EXPECT_EQ(rs.DEP_NOMETIPOSEDE, "Magazzino");
    EXPECT_EQ(rs.CL_ID, 900);
    EXPECT_EQ(rs.CL_RAGIONESOCIALE, "Bar Sport");
    EXPECT_EQ(rs.CL_PARTITAIVA, "IT900");
    // The supplier 901 does not exist: its id stays, its texts are NULL.
    EXPECT_EQ(rs.FORN_ID, 901);
    EXPECT_TRUE(rs.IsFieldNull(&rs.FORN_RAGIONESOCIALE));
    EXPECT_TRUE(rs.IsFieldNull(&rs.FORN_PARTITAIVA));

    CDocumentoVuotoCausaleSet reason(&db());
    reason.m_strFilter = "D_ID = 1";
    reason.Open();
    ASSERT_FALSE(reason.IsEOF());
    EXPECT_EQ(reason.C_F_CLIENTE, 1);
    EXPECT_EQ(reason.D_ANNO, "2024");
}

TEST_P(ContainerViews, TheSearchViewFindsTheDocumentWithItsNames)
{
    Exec("INSERT INTO DOCUMENTO_VUOTO (ID, NUMERO, ANNO, ID_CAUSALE_VUOTO) VALUES (2, 15, 2024, 8)");
    CRicercaDocumentoVuotiSet rs(&db());
    rs.m_strSort = "ID_DOCUMENTO";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.ID_DOCUMENTO, 1);
    EXPECT_EQ(rs.ANNO, 2024);
    EXPECT_EQ(rs.DESC_CAUSALE, "Consegna vuoti");
    EXPECT_EQ(rs.SOC_NOME, "Orvel");
    EXPECT_EQ(rs.CLI_FAT_RAGIONESOCIALE, "Bar Sport");
    EXPECT_EQ(rs.VIA_DEPOSITO, "Via del Porto 9");
    rs.MoveNext();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.ID_CAUSALE, 8);
    EXPECT_TRUE(rs.IsFieldNull(&rs.DESC_CAUSALE));
    EXPECT_TRUE(rs.IsFieldNull(&rs.SOC_RAGIONESOCIALE));
    EXPECT_TRUE(rs.IsFieldNull(&rs.CLI_FAT_ID));
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
}

TEST_P(ContainerViews, LinesShowTheContainerAndTheirAmounts)
{
    Exec("INSERT INTO VUOTO (ID, CODICE_INTERNO, DESCRIZIONE, PREZZO_PZ_EURO, ALIQUOTA_IVA, PREZZO_ACQ_PZ_EURO) "
         "VALUES ('CASSA', 'V01', 'Cassa 12 bottiglie', '3.00', '22', '2.00')");
    Exec("INSERT INTO VOCI_DOCUMENTO_VUOTO (ID_VUOTO, ID_DOCUMENTO_VUOTO, PREZZO, QUANTITA) VALUES ('CASSA', 1, '2.50', 4)");
    Exec("INSERT INTO VOCI_DOCUMENTO_VUOTO (ID_VUOTO, ID_DOCUMENTO_VUOTO, PREZZO, QUANTITA) VALUES (NULL, 1, NULL, 2)");
    CVociDocumentoVuotoCompleteSet rs(&db());
    rs.m_strFilter = "ID_DOCUMENTO_VUOTO = 1";
    rs.m_strSort = "ID_VOCI_DOCUMENTO_VUOTO";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.ID_VUOTO, "CASSA");
    EXPECT_EQ(rs.CODICE_INTERNO, "V01");
    EXPECT_EQ(rs.DESCRIZIONE, "Cassa 12 bottiglie");
    EXPECT_EQ(rs.ALIQUOTA_IVA, "22");
    EXPECT_GT(rs.ID_VOCI_DOCUMENTO_VUOTO, 0);
    EXPECT_EQ(rs.QUANTITA, 4);
    EXPECT_EQ(rs.TOTALE_IMPONIBILE, "10.00");
    EXPECT_EQ(rs.TOTALE_IVA, "2.20");
    EXPECT_EQ(rs.TOTALE, "12.20");
    rs.MoveNext();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_TRUE(rs.IsFieldNull(&rs.CODICE_INTERNO));
    EXPECT_EQ(rs.TOTALE, "0.00");
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
}

TEST_P(ContainerViews, LinksToOrdinaryDocumentsReadFromBothSides)
{
    Exec("INSERT INTO CAUSALE (ID, DESCRIZIONE, TIPO_DOCUMENTO) VALUES (21, 'Bolla', 'DDT')");
    Exec("INSERT INTO DOCUMENTO (ID, NUMERO, ANNO, SERIE, ID_CAUSALE, DATA_DOCUMENTO) "
         "VALUES (50, 8, 2024, 'B', 21, '2024-05-02 00:00:00')");
    Exec("INSERT INTO DOC_VUOTO_REFERENZIA_DOCS (ID_DOCUMENTO_VUOTO, ID_DOCUMENTO_REF) VALUES (1, 50)");
    {
        CDocumentiVuotiReferenziatiSet rs(&db());
        rs.m_strFilter = "ID_DOCUMENTO_VUOTO = 1";
        rs.Open();
        ASSERT_FALSE(rs.IsEOF());
        EXPECT_EQ(rs.REF_ID_DOCUMENTO, 50);
        EXPECT_EQ(rs.REF_NUMERO, 8);
        EXPECT_EQ(rs.REF_SERIE, "B");
        EXPECT_EQ(rs.REF_DATA_DOCUMENTO.day, 2);
        EXPECT_EQ(rs.REF_CAUSALE_DESCRIZIONE, "Bolla");
        EXPECT_EQ(rs.REF_TIPO_DOCUMENTO, "DDT");
    }
    {
        CListaVuotiDocumentiAssociatiSet rs(&db());
        rs.m_strFilter = "ID = 50";
        rs.Open();
        ASSERT_FALSE(rs.IsEOF());
        EXPECT_EQ(rs.NUMERO, 14);
        EXPECT_EQ(rs.DESC_CAUSALE, "Consegna vuoti");
        EXPECT_EQ(rs.DATA_MOVIMENTO.day, 2);
        rs.MoveNext();
        EXPECT_TRUE(rs.IsEOF());
    }
}

TEST_P(ContainerViews, TheHighestNumberIsKeptPerYearAndReason)
{
    Exec("INSERT INTO DOCUMENTO_VUOTO (ID, NUMERO, ANNO, ID_CAUSALE_VUOTO) VALUES (2, 20, 2024, 3)");
    Exec("INSERT INTO DOCUMENTO_VUOTO (ID, NUMERO, ANNO, ID_CAUSALE_VUOTO) VALUES (3, 99, 2023, 3)");
    Exec("INSERT INTO DOCUMENTO_VUOTO (ID, NUMERO, ANNO, ID_CAUSALE_VUOTO) VALUES (4, 70, 2024, 4)");
    CMaxNumeroDocumentoVuotoSet rs(&db());
    rs.m_strFilter = "ANNO = 2024 AND ID_CAUSALE = 3";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.NUMERO, 20);
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
}

ORVEL_DATABASE_TEST_SUITE(ContainerViews);
