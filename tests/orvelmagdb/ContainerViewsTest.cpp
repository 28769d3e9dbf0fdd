// The returnable-container views on both databases: headers with what they name (NULL where a
// reference is missing), lines with their amounts in cents, the links to ordinary documents, the
// numbering view, and the rows that go with a deleted document.
#include "orvelmagdb/ViewCase.h"

namespace {

class ContainerViews : public orvel::test::ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        // Document 1 names everything but its supplier 901; document 2 only a reason that does
        // not exist. Both are linked to document 50.
        if (!IsSkipped())
            Seed(R"(INSERT INTO SOCIETA (ID, NOME, RAGIONE_SOCIALE) VALUES (1, 'Orvel', 'Orvel S.r.l.');
INSERT INTO TIPO_SEDE (ID, NOME) VALUES (1, 'Negozio'), (2, 'Magazzino');
INSERT INTO SEDE_SOCIETA (ID, ID_SOCIETA, IDTIPOSEDE, VIA, NOMEZONAPOSTALE)
  VALUES (10, 1, 1, 'Corso Italia 5', 'Milano'), (11, 1, 2, 'Via del Porto 9', 'Genova');
INSERT INTO AZIENDA (ID, RAGIONESOCIALE, PARTITAIVA) VALUES (900, 'Bar Sport', 'IT900');
INSERT INTO CAUSALE_VUOTO (ID, DESCRIZIONE, F_QUANTITA, F_CLIENTE, F_REPORT) VALUES (3, 'Consegna vuoti', -1, 1, 'v.rpt');
INSERT INTO DOCUMENTO_VUOTO (ID, DATA_MOVIMENTO, NUMERO, ANNO, ID_CAUSALE_VUOTO, ID_CLIENTE, ID_FORNITORE, ID_SOCIETA,
  ID_SEDE_SOCIETA, ID_DEPOSITO, NOTA) VALUES (1, '2024-05-02 08:00:00', 14, 2024, 3, 900, 901, 1, 10, 11, 'casse'),
  (2, NULL, 15, 2024, 8, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO VUOTO (ID, CODICE_INTERNO, ALIQUOTA_IVA) VALUES ('CASSA', 'V01', '22');
INSERT INTO VOCI_DOCUMENTO_VUOTO (ID_VUOTO, ID_DOCUMENTO_VUOTO, PREZZO, QUANTITA) VALUES ('CASSA', 1, '2.50', 4);
INSERT INTO VOCI_DOCUMENTO_VUOTO (ID_VUOTO, ID_DOCUMENTO_VUOTO, PREZZO, QUANTITA) VALUES (NULL, 1, NULL, 2);
INSERT INTO CAUSALE (ID, DESCRIZIONE, TIPO_DOCUMENTO) VALUES (21, 'Bolla', 'DDT');
INSERT INTO DOCUMENTO (ID, NUMERO, ANNO, SERIE, ID_CAUSALE, DATA_DOCUMENTO) VALUES (50, 8, 2024, 'B', 21, '2024-05-03 00:00:00');
INSERT INTO DOC_VUOTO_REFERENZIA_DOCS (ID_DOCUMENTO_VUOTO, ID_DOCUMENTO_REF) VALUES (1, 50), (2, 50))");
    }
};

}  // namespace

TEST_P(ContainerViews, ViewsShowWhatTheirJoinsImplyAndNullForWhatIsMissing)
{
    ExpectViews({
        {"CTestataDocumentoVuotoSet", "1 = 1",
         "D_ID, D_ANNO, C_ID, C_DESCRIZIONE, C_F_REPORT, S_RAGIONESOCIALE, SEDE_SOC_VIA, SEDE_SOC_NOMETIPOSEDE, "
         "DEP_NOMEZONAPOSTALE, DEP_NOMETIPOSEDE, CL_PARTITAIVA, FORN_ID, FORN_RAGIONESOCIALE",
         {"1|2024|3|Consegna vuoti|v.rpt|Orvel S.r.l.|Corso Italia 5|Negozio|Genova|Magazzino|IT900|901|NULL",
          "2|2024|8|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL"}},
        {"CDocumentoVuotoCausaleSet", "D_ID = 1", "D_ANNO, D_DATA_MOVIMENTO, C_F_CLIENTE", {"2024|2024-05-02 08:00:00|1"}},
        {"CListaDocumentoVuotoSet", "1 = 1",
         "ID_DOCUMENTO, ANNO, DESC_CAUSALE, SOC_RAGIONESOCIALE, SEDE_SOCIETA, FOR_RAGIONESOCIALE, CLI_FAT_RAGIONESOCIALE, "
         "VIA_DEPOSITO", {"1|2024|Consegna vuoti|Orvel S.r.l.|Corso Italia 5|NULL|Bar Sport|Via del Porto 9",
          "2|2024|NULL|NULL|NULL|NULL|NULL|NULL"}},
        {"CRicercaDocumentoVuotiSet", "1 = 1",
         "ID_DOCUMENTO, ANNO, ID_CAUSALE, DESC_CAUSALE, SOC_NOME, CLI_FAT_ID, CLI_FAT_RAGIONESOCIALE, SEDE_SOCIETA, VIA_DEPOSITO",
         {"1|2024|3|Consegna vuoti|Orvel|900|Bar Sport|Corso Italia 5|Via del Porto 9", "2|2024|8|NULL|NULL|NULL|NULL|NULL|NULL"}},
        // Price times quantity, VAT at the container's rate; no container, no amount.
        {"CVociDocumentoVuotoCompleteSet", "ID_DOCUMENTO_VUOTO = 1",
         "ID_VOCI_DOCUMENTO_VUOTO, ID_VUOTO, CODICE_INTERNO, QUANTITA, TOTALE_IMPONIBILE, TOTALE_IVA, TOTALE",
         {"1|CASSA|V01|4|10.00|2.20|12.20", "2|NULL|NULL|2|0.00|0.00|0.00"}},
        {"CDocumentiVuotiReferenziatiSet", "ID_DOCUMENTO_VUOTO = 1",
         "REF_ID_DOCUMENTO, REF_NUMERO, REF_SERIE, REF_DATA_DOCUMENTO, REF_CAUSALE_DESCRIZIONE, REF_TIPO_DOCUMENTO",
         {"50|8|B|2024-05-03 00:00:00|Bolla|DDT"}},
        {"CListaVuotiDocumentiAssociatiSet", "ID = 50", "NUMERO, DESC_CAUSALE, DATA_MOVIMENTO",
         {"14|Consegna vuoti|2024-05-02 08:00:00", "15|NULL|NULL"}},
    });
}

TEST_P(ContainerViews, TheHighestNumberIsKeptPerYearAndReason)
{
    Seed("INSERT INTO DOCUMENTO_VUOTO (ID, NUMERO, ANNO, ID_CAUSALE_VUOTO) VALUES (3, 20, 2024, 3), (4, 99, 2023, 3), "
         "(5, 70, 2024, 8)");
    ExpectView({"CMaxNumeroDocumentoVuotoSet", "1 = 1", "ANNO, ID_CAUSALE, NUMERO", {"2023|3|99", "2024|3|20", "2024|8|70"}});
}

TEST_P(ContainerViews, TablesRoundTripAndRowsGoWithTheirDocument)
{
    ExpectRoundTrip("CDocumentoVuotoSet", "1 = 1", 2);
    ExpectRoundTrip("CVociDocumentoVuotoSet", "1 = 1", 2);
    ExpectRoundTrip("CDocVuotoReferenziaDocsSet", "1 = 1", 2);
    ExpectRefused(R"(INSERT INTO VOCI_DOCUMENTO_VUOTO (ID_VUOTO, ID_DOCUMENTO_VUOTO) VALUES ('NONE', 1);
INSERT INTO VOCI_DOCUMENTO_VUOTO (ID_VUOTO, ID_DOCUMENTO_VUOTO) VALUES ('CASSA', 99);
INSERT INTO DOC_VUOTO_REFERENZIA_DOCS (ID_DOCUMENTO_VUOTO, ID_DOCUMENTO_REF) VALUES (1, 99);
INSERT INTO DOC_VUOTO_REFERENZIA_DOCS (ID_DOCUMENTO_VUOTO, ID_DOCUMENTO_REF) VALUES (1, 50))");
    Exec("DELETE FROM DOCUMENTO_VUOTO WHERE ID = 1");
    ExpectCounts({{"VOCI_DOCUMENTO_VUOTO", 0}, {"DOC_VUOTO_REFERENZIA_DOCS WHERE ID_DOCUMENTO_VUOTO = 2", 1}});
    Exec("DELETE FROM DOCUMENTO WHERE ID = 50");
    ExpectCounts({{"DOC_VUOTO_REFERENZIA_DOCS", 0}, {"DOCUMENTO_VUOTO", 1}, {"VUOTO", 1}});
}

ORVEL_DATABASE_TEST_SUITE(ContainerViews);
