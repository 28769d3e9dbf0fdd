// Stock, lots and fashion on both databases: the company-wide stock is the sum of its depots, the
// availability looks at the latest year, the history and the totals recomputed from the stored
// lines, lots, fashion articles, garments and variants with their descriptions (NULL where a
// reference is missing), and the rows an article, a garment, a size scale or a lot owns.
#include <gtest/gtest.h>

#include "orvelmagdb/ViewCase.h"

namespace {

class StockViews : public orvel::test::ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        if (!IsSkipped())
            Seed(R"(INSERT INTO SOCIETA (ID, NOME) VALUES (1, 'Negozio');
INSERT INTO SEDE_SOCIETA (ID, ID_SOCIETA, VIA, CAP, NOMEZONAPOSTALE, SIGLAPROVINCIA, F_DEPOSITO)
  VALUES (10, 1, 'Via Roma 1', '50100', 'Firenze', 'FI', 1), (11, 1, 'Via Po 2', '10100', 'Torino', 'TO', 1);
INSERT INTO IVA (CODICE, DESCRIZIONE, ALIQUOTA, CODICE_CASSA) VALUES ('22', 'Ordinaria', '22', 1);
INSERT INTO CATEGORIA (ID, DESCRIZIONE) VALUES ('C1', 'Camicie');
INSERT INTO AZIENDA (ID, RAGIONESOCIALE) VALUES (100, 'Tessiture Riunite');
INSERT INTO ARTICOLO (ID, DESCRIZIONE, ID_IVA, CODICE_INTERNO, PREZZO_PZ_EURO_IVATO)
  VALUES ('A1', 'Camicia Oxford', '22', 'OX', '50.00'), ('A2', 'Bottoni', NULL, NULL, NULL))");
    }
};

}  // namespace

TEST_P(StockViews, CompanyStockIsTheSumOfItsDepotsAndAvailabilityLooksAtTheLatestYear)
{
    // Depot, year, article, opening, loaded, value loaded, stock, average cost, committed,
    // arriving, expected arrival.
    Seed(R"(INSERT INTO ARTICOLO_DEPOSITO_ESISTENZA (ID_SOCIETA, ID_DEPOSITO, ANNO, ID_ARTICOLO, ESISTENZA_INIZIALE,
  CARICATO, CARICATO_VAL, ESISTENZA, CMP, QUANTITA_IMPEGNATA, QUANTITA_IN_ARRIVO, DATA_PREVISTO_ARRIVO, SCARICATO)
  VALUES (1, 10, 2024, 'A1', '1', '10', '100', '10.5', '9.99', '2', '5', '2024-06-20 00:00:00', '0'),
  (1, 11, 2024, 'A1', '1', '5', '50', '4.25', '9.99', '1', '0', NULL, '0'),
  (1, 10, 2023, 'A1', '0', '99', '990', '99', '10', '0', '0', NULL, '0'),
  (1, 10, 2023, 'A2', '0', '7', '7', '7', '1', '0', '0', NULL, '0'))");
    ExpectViews({
        // The average cost is the value loaded over the quantity loaded; the arrival the earliest.
        {"CArticoloEsistenzaSet", "ID_ARTICOLO = 'A1'",
         "ANNO, ID_SOCIETA, ESISTENZA, CARICATO, CARICATO_VAL, CMP, ESISTENZA_INIZIALE, QUANTITA_IMPEGNATA, "
         "QUANTITA_IN_ARRIVO, DATA_PREVISTO_ARRIVO",
         {"2023|1|=99|=99|=990|=10|=0|=0|=0|NULL", "2024|1|=14.75|=15|=150|=10|=2|=3|=5|2024-06-20 00:00:00"}},
        {"CMovimentoArticoloSocietaSet", "ID_ARTICOLO = 'A1'", "ANNO, CARICATO, SCARICATO, CMP",
         {"2023|=99|=0|=10", "2024|=15|=0|=10"}},
        {"CMovimentoArticoloDepositoSet", "ID_ARTICOLO = 'A1' AND ID_DEPOSITO = 11", "ANNO, CARICATO, CMP", {"2024|5|9.99"}},
        {"CArticoloDepositoEsistCompSet", "ID_ARTICOLO = 'A1' AND ANNO = 2024", "ID_DEPOSITO, ESISTENZA, DEP_VIA, DEP_CAP",
         {"10|10.5|Via Roma 1|50100", "11|4.25|Via Po 2|10100"}},
        // Stock, plus what arrives, less what is committed, in the latest year of each article.
        {"CDisponibilitaArticoloSet", "1 = 1", "ID_ARTICOLO, ESISTENZA, QUANTITA_PREVISTA, DATA_PREVISTA",
         {"A1|=14.75|=16.75|2024-06-20 00:00:00", "A2|=7|=7|NULL"}},
    });
    ExpectRoundTrip("CArticoloDepositoEsistenzaSet", "1 = 1", 4);
    ExpectRefused("INSERT INTO ARTICOLO_DEPOSITO_ESISTENZA (ID_SOCIETA, ID_DEPOSITO, ANNO, ID_ARTICOLO) VALUES (1, 12, 2024, 'A1')");
}

TEST_P(StockViews, HistoryShowsEachStoredLineAndTheTotalsRecomputedFromThem)
{
    // Document 53 names a reason that does not exist.
    Seed(R"(INSERT INTO CAUSALE (ID, DESCRIZIONE, TIPO_DOCUMENTO, F_VALORE, F_QUANTITA, F_ULTIMO_PREZZO,
  F_ORDINE_AL_FORNITORE) VALUES (1, 'Carico da fornitore', 'DDT', 1, 1, 1, 0), (2, 'Vendita', 'FAT', -1, -1, 0, 0),
  (3, 'Ordine a fornitore', 'ORD', 0, 0, 0, 1);
INSERT INTO DOCUMENTO (ID, DATA_MOVIMENTO, NUMERO, ANNO, ID_CAUSALE, FORN_RAGIONE_SOCIALE, CLI_FAT_RAGIONE_SOCIALE,
  ID_SOCIETA, ID_DEPOSITO) VALUES (50, '2024-02-02 00:00:00', 12, 2024, 1, 'Tessiture Riunite', NULL, 1, 10),
  (51, NULL, 3, 2024, 2, NULL, 'Mario Rossi', 1, 10), (52, NULL, 1, 2024, 3, NULL, NULL, 1, NULL),
  (53, NULL, 9, 2024, 77, NULL, NULL, 1, NULL);
INSERT INTO VOCI_DOCUMENTO (ID, ID_DOCUMENTO, ID_ARTICOLO, PREZZO, QUANTITA, QUANTITA_DA_EVADERE, UM, ID_TAGLIA,
  ID_COLORE, LOTTO_ANNO, LOTTO_NUMERO) VALUES (900, 50, 'A1', '20.00', '10', '0', 'PZ', '48', 'BL', 2024, 1),
  (901, 50, 'A1', '22.00', '5', '0', 'PZ', '46', 'BL', NULL, NULL), (902, 51, 'A1', '50.00', '3', '0', 'PZ', '48', 'BL', 2024, 1),
  (903, 52, 'A1', '19.00', '8', '6', 'PZ', NULL, NULL, NULL, NULL),
  (904, 53, 'A1', '1.00', '1', '0', 'PZ', NULL, NULL, NULL, NULL))");
    ExpectViews({
        {"CStoriaArticoloSet", "VC_ID_ARTICOLO = 'A1'",
         "VC_ID, D_ID, D_FORN_RAGIONE_SOCIALE, D_ID_DEPOSITO, C_ID, C_DESCRIZIONE, C_F_QUANTITA, VC_PREZZO",
         {"900|50|Tessiture Riunite|10|1|Carico da fornitore|1|20.00", "901|50|Tessiture Riunite|10|1|Carico da fornitore|1|22.00",
          "902|51|NULL|10|2|Vendita|-1|50.00", "903|52|NULL|NULL|3|Ordine a fornitore|0|19.00",
          "904|53|NULL|NULL|NULL|NULL|NULL|1.00"}},
        {"CStoriaArticoloModaSet", "VC_ID = 902", "VC_ID_TAGLIA, VC_ID_COLORE, D_CLI_FAT_RAGIONE_SOCIALE, C_F_QUANTITA",
         {"48|BL|Mario Rossi|-1"}},
        // Only the lines that moved a lot.
        {"CStoriaLottoSet", "1 = 1", "VC_ID, VC_LOTTO_ANNO, VC_LOTTO_NUMERO", {"900|2024|1", "902|2024|1"}},
        // 15 loaded for 310.00, 3 sold, 6 still to arrive; 310 / 15 to each database's precision.
        {"CCtrlMovimentoArticoloSocietaSet", "ID_ARTICOLO = 'A1'",
         "ID_SOCIETA, ANNO, CARICATO, SCARICATO, CARICATO_VAL, CMP, QUANTITA_IN_ARRIVO, QUANTITA_IMPEGNATA, "
         "DATA_PREVISTO_ARRIVO", {"1|2024|=15|=3|=310|~20.666667|=6|=0|NULL"}},
    });
}

TEST_P(StockViews, LotsShowTheirArticleAndKeepTheirKeys)
{
    Seed(R"(INSERT INTO LOTTO (ANNO, NUMERO, DATA_CREAZIONE, DATA_SCADENZA, ID_ARTICOLO, QUANTITA_CARICATA, QUANTITA_SCARICATA,
  F_CHIUSO, CODICE_FORNITORE, F_MODIFICA_MANUALE) VALUES (2024, 1, '2024-03-15 00:00:00', '2025-09-30 00:00:00', 'A1',
  '100.000', '12.500', 0, 'LT-778', 0), (2024, 2, NULL, NULL, 'A2', '1', '1', 1, NULL, NULL);
INSERT INTO ETICHETTA_LOTTO (NUMERO, ID_ARTICOLO, LOTTO_ANNO, LOTTO_NUMERO) VALUES (1, 'A2', 2024, 2))");
    ExpectView({"CLottoCompletoSet", "ANNO = 2024",
                "NUMERO, ARTICOLO_ID, ARTICOLO_DESCRIZIONE, DATA_CREAZIONE, DATA_SCADENZA, QUANTITA_CARICATA, "
                "QUANTITA_SCARICATA, F_CHIUSO, CODICE_FORNITORE",
                {"1|A1|Camicia Oxford|2024-03-15 00:00:00|2025-09-30 00:00:00|100.000|12.500|0|LT-778",
                 "2|A2|Bottoni|NULL|NULL|1|1|1|NULL"}});
    ExpectRoundTrip("CLottoSet", "1 = 1", 2);
    // The same year and number twice, a lot of an article that does not exist, and deleting an
    // article that has lots are refused.
    ExpectRefused(R"(INSERT INTO LOTTO (ANNO, NUMERO, ID_ARTICOLO) VALUES (2024, 1, 'A2');
INSERT INTO LOTTO (ANNO, NUMERO, ID_ARTICOLO) VALUES (2024, 7, 'ZZ'); DELETE FROM ARTICOLO WHERE ID = 'A1')");
    ExpectCounts({{"LOTTO WHERE ID_ARTICOLO = 'A1'", 1}, {"LOTTO", 2}, {"ARTICOLO", 2}});
    // A lot's labels go with it.
    Exec("DELETE FROM LOTTO WHERE ANNO = 2024 AND NUMERO = 2");
    ExpectCounts({{"ETICHETTA_LOTTO", 0}});
}

TEST_P(StockViews, FashionArticlesGarmentsAndVariantsShowTheirDescriptions)
{
    Seed(R"(INSERT INTO STAGIONE (ID, DESCRIZIONE) VALUES ('PE24', 'Primavera estate 2024');
INSERT INTO TESSUTO (ID, DESCRIZIONE) VALUES ('COT', 'Cotone');
INSERT INTO LINEA (ID, DESCRIZIONE, RICARICO, ID_FORNITORE) VALUES ('UOMO', 'Linea uomo', '120', 100);
INSERT INTO SCALA_TAGLIA (ID, DESCRIZIONE) VALUES ('ITA', 'Taglie italiane');
INSERT INTO TAGLIA (ID, ID_SCALA_TAGLIA, RN) VALUES ('48', 'ITA', 2), ('46', 'ITA', 1);
INSERT INTO COLORE (ID, DESCRIZIONE) VALUES ('BL', 'Blu'), ('BI', 'Bianco');
INSERT INTO ARTICOLO_MODA (ID_ARTICOLO, ID_STAGIONE, ID_LINEA, ID_TESSUTO, ID_SCALA_TAGLIA) VALUES ('A1', 'PE24', 'UOMO',
  'COT', 'ITA');
INSERT INTO CAPO (ID_ARTICOLO, ID_TAGLIA, ID_SCALA_TAGLIA, ID_COLORE, CODICE_EAN, RN) VALUES ('A1', '48', 'ITA', 'BL',
  '2000000000480', 2), ('A1', '46', 'ITA', 'BL', '2000000000466', 1), ('A1', '46', 'ITA', 'BI', '2000000000459', 1);
INSERT INTO CAPO_DEPOSITO_ESISTENZA (ID_SOCIETA, ID_DEPOSITO, ANNO, ID_ARTICOLO, ID_SCALA_TAGLIA, ID_TAGLIA,
  ID_COLORE, CARICATO, CARICATO_VAL, ESISTENZA) VALUES (1, 10, 2024, 'A1', 'ITA', '46', 'BL', '3', '60', '3'),
  (1, 11, 2024, 'A1', 'ITA', '46', 'BL', '1', '24', '1'), (1, 11, 2024, 'A1', 'ITA', '48', 'BL', '2', '40', '2');
INSERT INTO ARTICOLO_VARIANTE (ID, ID_ARTICOLO, DESCRIZIONE, PREZZO, F_PREZZO_IVATO, ID_CATEGORIA)
  VALUES (5, 'A1', 'Con iniziali ricamate', '8.00', 1, 'C1'), (6, 'A1', 'Confezione regalo', '2.00', 0, NULL))");
    ExpectViews({
        // Garment stock adds up per size and colour across the depots.
        {"CArticoloModaEsistenzaSet", "ID_ARTICOLO = 'A1'", "ID_TAGLIA, ID_COLORE, ANNO, ESISTENZA, CMP",
         {"46|BL|2024|=4|=21", "48|BL|2024|=2|=20"}},
        {"CArticoloDeposEsistCompModaSet", "ID_DEPOSITO = 10", "ID_SCALA_TAGLIA, ID_TAGLIA, ESISTENZA, DEP_VIA",
         {"ITA|46|3|Via Roma 1"}},
        // Every article reads as a fashion article; one without fashion attributes has them NULL.
        {"CArticoloModaCompletoSet", "1 = 1", "ID, DESCRIZIONE, DESCRIZIONE_IVA, ALIQUOTA_IVA, STAGIONE, LINEA, TESSUTO",
         {"A1|Camicia Oxford|Ordinaria|22|Primavera estate 2024|Linea uomo|Cotone", "A2|Bottoni|NULL|NULL|NULL|NULL|NULL"}},
        {"CArticoloModaListSet", "ID_STAGIONE = 'PE24'", "ID, ALIQUOTA_IVA, ID_LINEA", {"A1|22|UOMO"}},
        {"CArticoloModaLineaSet", "1 = 1", "ID_ARTICOLO, ID_SCALA_TAGLIA, LINEA_DESCRIZIONE", {"A1|ITA|Linea uomo"}},
        {"CLineaCompletaSet", "1 = 1", "ID, RICARICO, ID_FORNITORE, DESCRIZIONE_FORNITORE", {"UOMO|120|100|Tessiture Riunite"}},
        {"CCapoSet", "ID_ARTICOLO = 'A1'", "ID_SCALA_TAGLIA, ID_TAGLIA, ID_COLORE",
         {"ITA|46|BI", "ITA|46|BL", "ITA|48|BL"}},
        // A garment found by its barcode, with its article's data and prices.
        {"CCapoCompletoSet", "CODICE_EAN = '2000000000480'",
         "ID_ARTICOLO, DESCRIZIONE, PREZZO_PZ_EURO_IVATO, ALIQUOTA_IVA, ID_TAGLIA, COLORE, SCALA_TAGLIA, "
         "CODICE_INTERNO_ARTICOLO, RN", {"A1|Camicia Oxford|50.00|22|48|Blu|Taglie italiane|OX|2"}},
        {"CTagliaCompletaSet", "1 = 1", "ID_TAGLIA, DESCRIZIONE_SCALA_TAGLIA", {"46|Taglie italiane", "48|Taglie italiane"}},
        {"CArticoloVarianteCompletoSet", "1 = 1", "ID, PREZZO, ARTICOLO_DESCRIZIONE, CATEGORIA_ID, CATEGORIA_DESCRIZIONE",
         {"5|8.00|Camicia Oxford|C1|Camicie", "6|2.00|Camicia Oxford|NULL|NULL"}},
    });
    ExpectRoundTrip("CCapoSet", "1 = 1", 3);
    ExpectRoundTrip("CArticoloModaSet", "1 = 1", 1);
    ExpectRoundTrip("CArticoloVarianteSet", "1 = 1", 2);

    // Deleting a garment takes its stock only; deleting the article takes its stock, fashion
    // data, garments and variants, but not the season; a size scale takes its sizes.
    Exec("DELETE FROM CAPO WHERE ID_ARTICOLO = 'A1' AND ID_TAGLIA = '46' AND ID_COLORE = 'BL'");
    ExpectCounts({{"CAPO", 2}, {"CAPO_DEPOSITO_ESISTENZA", 1}});
    Seed("INSERT INTO ARTICOLO_DEPOSITO_ESISTENZA (ID_SOCIETA, ID_DEPOSITO, ANNO, ID_ARTICOLO) VALUES (1, 10, 2024, 'A1');"
         "DELETE FROM ARTICOLO WHERE ID = 'A1'");
    ExpectCounts({{"CAPO", 0}, {"CAPO_DEPOSITO_ESISTENZA", 0}, {"ARTICOLO_MODA", 0}, {"ARTICOLO_DEPOSITO_ESISTENZA", 0},
                  {"ARTICOLO_VARIANTE", 0}, {"STAGIONE", 1}, {"TAGLIA", 2}});
    Exec("DELETE FROM SCALA_TAGLIA WHERE ID = 'ITA'");
    ExpectCounts({{"TAGLIA", 0}, {"COLORE", 2}});
}

ORVEL_DATABASE_TEST_SUITE(StockViews);

