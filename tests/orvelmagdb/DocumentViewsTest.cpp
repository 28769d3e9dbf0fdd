// The document views on both databases: headers, lists, orders and footers with what their joins
// imply and NULL where a reference is missing (the ids always come from the header, so a load
// writes back what it read); numbering; the line amounts the voucher campaigns add up; till
// receipt lines; and the delete procedures, which remove a document with everything hung on it.
#include <string>

#include "afx/String.h"
#include "orvelmagdb/ViewCase.h"

namespace {

class DocumentViews : public orvel::test::ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        // Header 100 names a company with a shop and a depot, an agent, a payment formula, a bank
        // branch, an order state and a customer-order reason; header 199 names only rows that do
        // not exist.
        if (!IsSkipped())
            Seed(R"(INSERT INTO SOCIETA (ID, NOME, RAGIONE_SOCIALE, FILE_LOGO) VALUES (1, 'Orvel', 'Orvel S.r.l.', 'logo.png');
INSERT INTO TIPO_SEDE (ID, NOME) VALUES (1, 'Negozio'), (2, 'Magazzino');
INSERT INTO SEDE_SOCIETA (ID, ID_SOCIETA, IDTIPOSEDE, VIA, NOMEZONAPOSTALE)
  VALUES (10, 1, 1, 'Corso Italia 5', 'Milano'), (11, 1, 2, 'Via del Porto 9', 'Genova');
INSERT INTO COLLABORATORE (ID, COGNOME, NOME, ID_SOCIETA, F_AGENTE) VALUES (5, 'Rossi', 'Mario', 1, 1);
INSERT INTO FORMULA_PAGAMENTO (ID, DESCRIZIONE) VALUES (3, 'Rimessa diretta');
INSERT INTO BANCA (ID, DESCRIZIONE, ABI) VALUES (4, 'Banca Uno', '01234');
INSERT INTO BANCA_AGENZIA (ID, ID_BANCA, DESCRIZIONE, CAB) VALUES (40, 4, 'Filiale Centro', '56789');
INSERT INTO STATO_ORDINE (ID, NOME, ICONA, O_INVIO, O_APERTO_CHIUSO) VALUES (2, 'Confermato', 7, 1, 1);
INSERT INTO CAUSALE (ID, DESCRIZIONE, TIPO_DOCUMENTO, F_QUANTITA, F_CLIENTE, F_ORDINE_DA_CLIENTE, F_ELIMINA, F_NUOVO,
  F_VALUTAZIONE, NOTE_REPORT) VALUES (20, 'Ordine cliente', 'OC', -1, 1, 1, 1, 0, 1, 'Grazie');
INSERT INTO CAUSALE (ID, DESCRIZIONE, TIPO_DOCUMENTO) VALUES (21, 'Fattura', 'FT');
INSERT INTO DOCUMENTO (ID, DATA_DOCUMENTO, DATA_MOVIMENTO, NUMERO, ANNO, SERIE, ID_CAUSALE, CLI_FAT_ID,
  CLI_FAT_RAGIONE_SOCIALE, CLI_SPE_INDIRIZZO1, CLI_SPE_INDIRIZZO2, ID_SOCIETA, ID_SEDE_SOCIETA, ID_AGENTE_SEDE_SOCIETA,
  ID_DEPOSITO, ID_FORMULA_PAGAMENTO, ID_BANCA_AGENZIA, ID_STATO_ORDINE, SCONTO_EXTRA, TOTALE, TOTALE_IVA)
  VALUES (100, '2024-03-15 00:00:00', '2024-03-16 09:30:00', 12, 2024, 'A', 20, 900, 'Cliente SpA', 'Via Verdi 3',
  'Torino', 1, 10, 5, 11, 3, 40, 2, '12.5', '1043.10', '188.10');
INSERT INTO DOCUMENTO (ID, NUMERO, ANNO, SERIE, ID_CAUSALE, ID_SOCIETA, ID_SEDE_SOCIETA, ID_AGENTE_SEDE_SOCIETA,
  ID_DEPOSITO, ID_FORMULA_PAGAMENTO, ID_BANCA_AGENZIA, ID_STATO_ORDINE, ID_PORTO)
  VALUES (199, 3, 2024, ' ', 99, 98, 97, 96, 95, 94, 93, 8, 9))");
    }
};

}  // namespace

TEST_P(DocumentViews, HeadersAndFootersShowWhatTheirJoinsImply)
{
    // Document 198 has only the second line of a shipping address and a negative extra discount.
    Seed(R"(INSERT INTO PORTO (ID, DESCRIZIONE) VALUES (1, 'Franco');
INSERT INTO VETTORE (ID, RAGIONE_SOCIALE) VALUES (2, 'Trasporti Veloci');
INSERT INTO CAUSALE_TRASPORTO (ID, DESCRIZIONE) VALUES (3, 'Vendita');
INSERT INTO TRASPORTO (ID, DESCRIZIONE) VALUES (4, 'Vettore');
INSERT INTO ASPETTO_BENI (ID, DESCRIZIONE) VALUES (5, 'Scatole');
UPDATE DOCUMENTO SET ID_PORTO = 1, ID_VETTORE = 2, ID_CAUSALE_TRASPORTO = 3, ID_TRASPORTO = 4, ID_ASPETTO_BENI = 5,
  DATA_ORA_INIZIO_TRASPORTO = '2024-03-16 10:15:00', SPESE_TRASPORTO = '7.50' WHERE ID = 100;
INSERT INTO DOCUMENTO (ID, NUMERO, ANNO, CLI_SPE_INDIRIZZO2, SCONTO_EXTRA) VALUES (198, 4, 2024, 'Asti', '-2.7');
INSERT INTO AZIENDA (ID, RAGIONESOCIALE, DATAINSERIMENTO, ID_AGENTE) VALUES (900, 'Cliente SpA', '2023-06-01 12:00:00', 5),
  (901, 'Senza agente', NULL, NULL))");
    ExpectViews({
        {"CTestataDocumentoSet", "D_ID IN (100, 199)", "D_ID, C_ID, C_NOTE_REPORT, S_ID, S_FILE_LOGO, SEDE_SOC_ID, "
         "SEDE_SOC_VIA, SEDE_SOC_NOMETIPOSEDE, AG_ID, AG_COGNOME, DEP_ID, DEP_NOMEZONAPOSTALE, DEP_NOMETIPOSEDE, "
         "D_ID_BANCA_AGENZIA, D_ID_BANCA, D_FORMULA_PAGAMENTO_DESCRIZIONE",
         {"100|20|Grazie|1|logo.png|10|Corso Italia 5|Negozio|5|Rossi|11|Genova|Magazzino|40|4|Rimessa diretta",
          "199|99|NULL|98|NULL|97|NULL|NULL|96|NULL|95|NULL|NULL|93|NULL|NULL"}},
        {"CDocumentoCausaleSet", "D_ID = 100", "C_F_CLIENTE, C_F_VALUTAZIONE, D_DATA_ORA_INIZIO_TRASPORTO",
         {"1|1|2024-03-16 10:15:00"}},
        {"CDocumentoStatoOrdineSet", "D_ID IN (100, 199)", "D_ID, SO_ID, SO_O_INVIO, SO_O_APERTO_CHIUSO, D_SPESE, D_CODICE_INTERNO",
         {"100|2|1|1|7.50|NULL", "199|8|NULL|NULL|NULL|NULL"}},
        // The footers show the whole part of the extra discount; the bank is that of the branch.
        {"CPiePaginaPagamentoDocumentoSet", "1 = 1", "D_ID, D_SCONTO_EXTRA, BAN_ID, BAN_DESCRIZIONE, BAN_CAB, TD_DESCRIZIONE",
         {"100|12|40|Banca Uno|56789|Rimessa diretta", "198|-2|NULL|NULL|NULL|NULL", "199|0|93|NULL|NULL|NULL"}},
        {"CPiePaginaTrasportoDocumentoSet", "D_ID IN (100, 199)", "D_ID, D_SCONTO_EXTRA, PORTO_ID, PORTO_DESCRIZIONE, "
         "VETTORE_COGNOME, VETTORE_NOME, TRASPORTO_CAUSALE_DESCRIZIONE, TRASPORTO_DESCRIZIONE, ASPETTOBENI_DESCRIZIONE",
         {"100|12|1|Franco|Trasporti Veloci|NULL|Vendita|Vettore|Scatole", "199|0|9|NULL|NULL|NULL|NULL|NULL|NULL"}},
        // The shipping address on one line, NULL when there is none.
        {"CRicercaDocumentoSet", "1 = 1", "ID_DOCUMENTO, ID_CAUSALE, DESC_CAUSALE, F_ELIMINA, SOC_NOME, SEDE_SOCIETA, "
         "VIA_DEPOSITO, CLI_SPEDIZIONE, STATO_ORDINE_NOME, FORMULA_PAGAMENTO_DESCRIZIONE",
         {"100|20|Ordine cliente|1|Orvel|Corso Italia 5|Via del Porto 9|Via Verdi 3 Torino|Confermato|Rimessa diretta",
          "198|NULL|NULL|NULL|NULL|NULL|NULL|Asti|NULL|NULL", "199|99|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL"}},
        {"CAziendaAgenteSet", "1 = 1", "ID, AGENTE_ID, AGENTE_COGNOME, RAGIONESOCIALE, DATAINSERIMENTO",
         {"900|5|Rossi|Cliente SpA|2023-06-01 12:00:00"}},
    });
    ExpectRoundTrip("CDocumentoSet", "1 = 1", 3);
}

TEST_P(DocumentViews, ListsShowEveryDocumentAndOrderViewsOnlyTheirOrders)
{
    Seed(R"(INSERT INTO CAUSALE (ID, DESCRIZIONE, TIPO_DOCUMENTO, F_ORDINE_AL_FORNITORE) VALUES (22, 'Ordine a fornitore', 'OF', 1);
INSERT INTO DOCUMENTO (ID, NUMERO, ANNO, SERIE, ID_CAUSALE, ID_SOCIETA) VALUES (101, 30, 2024, ' ', 22, 1),
  (102, 40, 2024, ' ', 21, 1), (103, 7, 2024, 'A', 20, 1), (104, 99, 2023, 'A', 20, 1))");
    ExpectViews({
        {"CListaDocumentoSet", "1 = 1", "ID_DOCUMENTO, DESC_CAUSALE, SOC_RAGIONESOCIALE, SEDE_SOCIETA, AG_NOME, VIA_DEPOSITO",
         {"100|Ordine cliente|Orvel S.r.l.|Corso Italia 5|Mario|Via del Porto 9", "101|Ordine a fornitore|Orvel S.r.l.|NULL|NULL|NULL",
          "102|Fattura|Orvel S.r.l.|NULL|NULL|NULL", "103|Ordine cliente|Orvel S.r.l.|NULL|NULL|NULL",
          "104|Ordine cliente|Orvel S.r.l.|NULL|NULL|NULL", "199|NULL|NULL|NULL|NULL|NULL"}},
        {"CRicercaOrdineSet", "1 = 1", "ID_DOCUMENTO, DESC_CAUSALE, STATO_ORDINE_DESCRIZIONE, VIA_DEPOSITO",
         {"100|Ordine cliente|Confermato|Via del Porto 9", "101|Ordine a fornitore|NULL|NULL", "103|Ordine cliente|NULL|NULL",
          "104|Ordine cliente|NULL|NULL"}},
        {"COrdineClienteCompletoSet", "1 = 1", "ID, STATO_ORDINE_DESCRIZIONE, FORMULA_PAGAMENTO_DESCRIZIONE, BANCA_ID, "
         "BANCA_DESCRIZIONE, BANCA_CAB, TRASPORTO_DESCRIZIONE",
         {"100|Confermato|Rimessa diretta|4|Banca Uno|56789|NULL", "103|NULL|NULL|NULL|NULL|NULL|NULL",
          "104|NULL|NULL|NULL|NULL|NULL|NULL"}},
        {"COrdineClienteListaSet", "1 = 1", "ID, ID_BANCA, STATO_ORDINE_DESCRIZIONE",
         {"100|4|Confermato", "103|NULL|NULL", "104|NULL|NULL"}},
        // The highest customer order number per year and company.
        {"COrdineUltimoCodiceSet", "1 = 1", "ANNO, CODICE_SOCIETA, ULTIMO_CODICE_ORDINE", {"2023|1|99", "2024|1|12"}},
    });
}

TEST_P(DocumentViews, LinkedDocumentsAndRevaluationRowsShowTheOtherSide)
{
    Seed(R"(INSERT INTO DOCUMENTO (ID, NUMERO, ANNO, TOTALE) VALUES (200, 4, 2024, '10.005');
INSERT INTO DOC_REFERENZIA_DOCS (ID_DOCUMENTO, ID_DOCUMENTO_REF) VALUES (200, 100), (200, 199), (100, 200);
INSERT INTO VOCI_DOCUMENTO (ID_DOCUMENTO, TIPO) VALUES (200, 'A');
INSERT INTO VOCE_DOCUMENTO_RIVALUTAZIONE (ID_VOCE_DOCUMENTO, PREZZO_USD, VOLUME) VALUES (1, '12.40', '0.25'))");
    ExpectViews({
        {"CDocumentiReferenziatiSet", "ID_DOCUMENTO = 200", "REF_ID_DOCUMENTO, REF_NUMERO, REF_CAUSALE_ID, "
         "REF_CAUSALE_DESCRIZIONE, REF_TOTALE", {"100|12|20|Ordine cliente|1043.10", "199|3|99|NULL|NULL"}},
        {"CDocumentiReferenziatiSet", "ID_DOCUMENTO = 100", "REF_ID_DOCUMENTO, REF_TOTALE", {"200|10.005"}},
        {"CVOCE_DOCUMENTO_RIV_COMP", "1 = 1", "ID_DOCUMENTO, ID_VOCE_DOCUMENTO, PREZZO_USD, VOLUME", {"200|1|12.40|0.25"}},
    });
    ExpectRoundTrip("CDocReferenziaDocsSet", "1 = 1", 3);
    ExpectRoundTrip("CVOCE_DOCUMENTO_RIVALUTAZIONE", "1 = 1", 1);
}

TEST_P(DocumentViews, NumberingViewsGiveTheHighestNumberAndTheCounterOfAReason)
{
    // The reason is tied to the counter for 2025 too, but the counter has no 2025 row yet.
    Seed(R"(INSERT INTO DOCUMENTO (ID, NUMERO, ANNO, SERIE, ID_CAUSALE) VALUES (1, 7, 2024, 'A', 21), (2, 9, 2024, 'A', 21),
  (3, 30, 2024, 'B', 21), (4, 50, 2023, 'A', 21);
INSERT INTO PROGRESSIVO (ID, NUMERO, ANNO, SERIE, RESET_NEW_YEAR, ID_SOCIETA) VALUES ('FT', 41, 2024, 'A', 1, 1);
INSERT INTO PROGRESSIVO_CAUSALE (ID_PROGRESSIVO, ANNO_PROGRESSIVO, ID_CAUSALE, ID_SOCIETA) VALUES ('FT', 2024, 21, 1),
  ('FT', 2025, 21, 1))");
    ExpectViews({
        {"CNumeroDocumentoSet", "ID_CAUSALE = 21", "ANNO, SERIE, NUMERO", {"2023|A|50", "2024|A|9", "2024|B|30"}},
        {"CNumeroNoSerieDocumentoSet", "ID_CAUSALE = 21", "ANNO, NUMERO", {"2023|50", "2024|30"}},
        {"CProgressivoCausaleCompletoSet", "ID_CAUSALE = 21 AND ID_SOCIETA = 1",
         "ANNO_PROG, SERIE_PROG, NUMERO_PROG, ID_PROGRESSIVO, DESC_CAUSALE, TIPO_DOC_CAUSALE, RESET_NEW_YEAR",
         {"2024|A|41|FT|Fattura|FT|1"}},
    });
}

TEST_P(DocumentViews, EachStoredLineHasTheAmountsADocumentLineComputes)
{
    // Price, quantity, gift quantity, discounts 1 and 2, extra discount, VAT rate, whether a gift
    // is a discount, quantity multiplier, line kind; then taxable amount, VAT and total.
    Seed(R"(INSERT INTO VOCI_DOCUMENTO (ID_DOCUMENTO, DESCRIZIONE, PREZZO, QUANTITA, QUANTITA_OMAGGIO, SCONTO_1, SCONTO_2,
  SCONTO_EXTRA, ALIQUOTA_IVA, SCONTA_IVA, MOLTIPLICATORE_QTA, TIPO) VALUES
  (100, 'two cascading discounts', '100', '10', NULL, '10', '5', NULL, '22', 1, 1, 'A'),
  (100, 'with the extra discount', '100', '10', NULL, '10', '5', '10', '22', 1, 1, 'A'),
  (100, 'multiplier', '2.50', '3', '0', '0', '0', '0', '10', 1, 4, 'B'),
  (100, 'all given away, gift as discount', '10', '2', '2', NULL, NULL, NULL, '22', 1, 1, 'A'),
  (100, 'all given away, VAT charged', '10', '2', '2', NULL, NULL, NULL, '22', 0, 1, 'A'),
  (100, 'no price: no discount', '0', '5', NULL, '50', NULL, NULL, '22', 1, 1, 'A'),
  (100, 'negative price keeps its gross', '-4', '2', NULL, '50', NULL, NULL, '10', 1, 1, 'A'),
  (100, 'negative VAT rate', '10', '1', NULL, NULL, NULL, NULL, '-1', 1, 1, 'A'),
  (100, 'reference line', '10', '1', NULL, NULL, NULL, NULL, '22', 1, 1, 'R'))");
    ExpectView({"[VOCI_DOCUMENTO_CALC]", "ID_DOCUMENTO = 100", "ID, TOTALE_IMPONIBILE, TOTALE_IVA, TOTALE",
                {"1|=855|=188.10|=1043.10", "2|=769.50|=169.29|=938.79", "3|=30|=3|=33", "4|=0|=0|=0", "5|=20|=4.40|=4.40",
                 "6|=0|=0|=0", "7|=-8|=-0.80|=-8.80", "8|=0|=-0.10|=9.90", "9|=0|=0|=0"}});
    // The same amounts as cents text, with the line's header.
    ExpectView({"CDocumentoVoceDocumentoSet", "ID_VOCE_DOCUMENTO = 1",
                "TOTALE_NO_SCONTO, TOTALE_SCONTO, TOTALE_IMPONIBILE, TOTALE_IVA, D_DATA_DOCUMENTO, DEP_ID, CLI_FAT_RAGIONE_SOCIALE",
                {"1000.00|145.00|855.00|188.10|2024-03-15 00:00:00|11|Cliente SpA"}});
}

TEST_P(DocumentViews, TillReceiptLinesAreSplitByWhetherTheArticlePrintsOnTheFiscalReceipt)
{
    Seed(R"(INSERT INTO IVA (CODICE, ALIQUOTA, CODICE_CASSA) VALUES ('22', '22', 1), ('10', '10', 2);
INSERT INTO REPARTO (ID, DESCRIZIONE, ID_IVA) VALUES ('R1', 'Alimentari', '10');
INSERT INTO ARTICOLO (ID, ID_REPARTO, ID_IVA, F_STAMPA_IN_SCONTRINO) VALUES ('FISC', 'R1', '22', 1), ('NOFISC', NULL, '10', 0);
INSERT INTO VOCI_DOCUMENTO (ID_DOCUMENTO, ID_ARTICOLO, TIPO, NRIGA, ID_IVA) VALUES (100, 'FISC', 'A', 1, NULL),
  (100, 'FISC', 'A', 2, '10'), (100, 'NOFISC', 'A', 3, NULL), (100, NULL, 'B', 4, NULL))");
    // The till VAT code of a line is its own VAT code's, else its article's.
    const char* columns = "ID, ID_ARTICOLO, ID_REPARTO, CODICE_CASSA_IVA_REPARTO, CODICE_CASSA_IVA_ARTICOLO, F_STAMPA_IN_SCONTRINO";
    ExpectViews({{"CVociDocumentoScontrinoSet", "ID_DOCUMENTO = 100", columns,
                  {"1|FISC|R1|2|1|1", "2|FISC|R1|2|2|1", "4|NULL|NULL|NULL|NULL|NULL"}},
                 {"CVociDocumentoScontrinoNofiscSet", "ID_DOCUMENTO = 100", columns, {"3|NOFISC|NULL|NULL|2|0"}}});
}

namespace {

// Every table that holds rows of a document, and the column naming it.
const char* const kDocumentRows[] = {"DOCUMENTO WHERE ID",         "VOCI_DOCUMENTO WHERE ID_DOCUMENTO",
                                     "IVA_DOCUMENTO WHERE ID_DOCUMENTO", "DOC_REFERENZIA_DOCS WHERE ID_DOCUMENTO",
                                     "DOC_REFERENZIA_DOCS WHERE ID_DOCUMENTO_REF",
                                     "DOC_VUOTO_REFERENZIA_DOCS WHERE ID_DOCUMENTO_REF",
                                     "PAGAMENTO_BANCO WHERE ID_DOCUMENTO", "SCADENZARIO_DOCUMENTO WHERE ID_DOCUMENTO",
                                     "BUONO_EMESSO WHERE ID_DOCUMENTO", "DOCUMENTO WHERE ID_DOCUMENTO_GENERATORE"};

class DocumentDelete : public orvel::test::ViewTest {
protected:
    // Document `id` with everything that can hang on it, linked to and from `other`, which has
    // one line of its own and was generated from `id`.
    void AddDocumentWithEverything(long id, long other)
    {
        CString sql;
        sql.Format(R"(INSERT INTO DOCUMENTO (ID, NUMERO, ANNO) VALUES (%1$ld, 1, 2024), (%2$ld, 2, 2024);
INSERT INTO VOCI_DOCUMENTO (ID_DOCUMENTO, TIPO, QUANTITA) VALUES (%2$ld, 'A', '7'), (%1$ld, 'A', '1'), (%1$ld, 'B', '2');
INSERT INTO VOCE_DOCUMENTO_RIVALUTAZIONE (ID_VOCE_DOCUMENTO, PREZZO_USD) SELECT ID, '3.50' FROM VOCI_DOCUMENTO
  WHERE ID_DOCUMENTO = %1$ld;
INSERT INTO IVA_DOCUMENTO (ID_DOCUMENTO, ID_IVA, TOTALE_IMPONIBILE) VALUES (%1$ld, '22', '10'), (%1$ld, '10', '5');
INSERT INTO DOC_REFERENZIA_DOCS (ID_DOCUMENTO, ID_DOCUMENTO_REF) VALUES (%1$ld, %2$ld), (%2$ld, %1$ld);
INSERT INTO DOCUMENTO_VUOTO (ID, NUMERO, ANNO) VALUES (%1$ld, 1, 2024);
INSERT INTO DOC_VUOTO_REFERENZIA_DOCS (ID_DOCUMENTO_VUOTO, ID_DOCUMENTO_REF) VALUES (%1$ld, %1$ld);
INSERT INTO PAGAMENTO_BANCO (ID_DOCUMENTO, ID_TIPO_PAGAMENTO, VALORE) VALUES (%1$ld, 1, '10');
INSERT INTO SCADENZARIO (ID, DESCRIZIONE) VALUES (%1$ld, 'Rate');
INSERT INTO SCADENZARIO_DOCUMENTO (ID_SCADENZARIO, ID_DOCUMENTO) VALUES (%1$ld, %1$ld);
INSERT INTO BUONO_EMESSO (ID, ID_DOCUMENTO, VALORE) VALUES (%1$ld, %1$ld, '5');
UPDATE DOCUMENTO SET ID_DOCUMENTO_GENERATORE = %1$ld WHERE ID = %2$ld)",
                   id, other);
        Seed(sql.str());
    }

    // How many rows still name the document.
    long long RowsOf(long id)
    {
        long long rows = 0;
        for (const char* where : kDocumentRows)
            rows += QueryLong(("SELECT COUNT(*) FROM " + std::string(where) + " = " + std::to_string(id)).c_str());
        return rows;
    }

    // Nothing names `id` any more and no revaluation row lost its line; `other` keeps its line,
    // without its generator; the voucher handed out stays without its document; the schedule and
    // the container document stay.
    void ExpectOnlyTheOtherLeft(long id, long other)
    {
        EXPECT_EQ(RowsOf(id), 0);
        std::string i = std::to_string(id), o = std::to_string(other);
        ExpectCounts({{"VOCE_DOCUMENTO_RIVALUTAZIONE WHERE ID_VOCE_DOCUMENTO NOT IN (SELECT ID FROM VOCI_DOCUMENTO)", 0},
                      {"DOCUMENTO WHERE ID_DOCUMENTO_GENERATORE IS NULL AND ID = " + o, 1},
                      {"VOCI_DOCUMENTO WHERE ID_DOCUMENTO = " + o, 1},
                      {"BUONO_EMESSO WHERE ID_DOCUMENTO IS NULL AND VALORE = '5' AND ID = " + i, 1},
                      {"SCADENZARIO WHERE ID = " + i, 1}, {"DOCUMENTO_VUOTO WHERE ID = " + i, 1}});
    }
};

}  // namespace

TEST_P(DocumentDelete, BothDeleteProceduresRemoveADocumentWithEverythingHungOnIt)
{
    AddDocumentWithEverything(5, 6);
    ASSERT_GT(RowsOf(5), 10);
    db().ExecuteSQL("{call ELIMINA_DOCUMENTO(5)}");
    ExpectOnlyTheOtherLeft(5, 6);
    AddDocumentWithEverything(7, 8);
    db().ExecuteSQL("{call ELIMINA_DOCUMENTO_MODA(7)}");
    ExpectOnlyTheOtherLeft(7, 8);
}

TEST_P(DocumentDelete, AnUnknownDocumentChangesNothingAndTheCallersRollbackBringsOneBack)
{
    AddDocumentWithEverything(5, 6);
    long long before = RowsOf(5), other = RowsOf(6);
    db().ExecuteSQL("{call ELIMINA_DOCUMENTO(404)}");
    EXPECT_EQ(RowsOf(5), before);
    EXPECT_EQ(RowsOf(6), other);
    db().BeginTrans();
    db().ExecuteSQL("{call ELIMINA_DOCUMENTO(5)}");
    EXPECT_EQ(RowsOf(5), 0);
    db().Rollback();
    EXPECT_EQ(RowsOf(5), before);
    // Deleting both, one after the other, leaves nothing of either.
    db().ExecuteSQL("{call ELIMINA_DOCUMENTO(5)}");
    db().ExecuteSQL("{call ELIMINA_DOCUMENTO(6)}");
    ExpectCounts({{"DOCUMENTO", 0}, {"VOCI_DOCUMENTO", 0}, {"VOCE_DOCUMENTO_RIVALUTAZIONE", 0}, {"IVA_DOCUMENTO", 0},
                  {"DOC_REFERENZIA_DOCS", 0}, {"DOC_VUOTO_REFERENZIA_DOCS", 0}, {"PAGAMENTO_BANCO", 0}, {"SCADENZARIO_DOCUMENTO", 0}});
}

ORVEL_DATABASE_TEST_SUITE(DocumentViews);
ORVEL_DATABASE_TEST_SUITE(DocumentDelete);
