// The article views on both databases: an article with the descriptions its references imply
// (NULL where a reference is missing), its suppliers, price lists, containers, bill of materials,
// catalogue entries and discount bands; the keys that hold; and the rows an article, a price
// list, a catalogue, a category, a band or a partner owns.
#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "orvelmagdb/ViewCase.h"

namespace {

class ArticleViews : public orvel::test::ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        // A1 names everything; B1 nothing, and uses A1 as raw material.
        if (!IsSkipped())
            Seed(R"(INSERT INTO IVA (CODICE, DESCRIZIONE, ALIQUOTA, CODICE_CASSA) VALUES ('22', 'Ordinaria', '22', 1);
INSERT INTO REPARTO (ID, DESCRIZIONE, ID_IVA) VALUES ('R1', 'Bevande', '22');
INSERT INTO CATEGORIA (ID, DESCRIZIONE) VALUES ('C1', 'Vini');
INSERT INTO FAMIGLIA (ID, DESCRIZIONE, ID_CATEGORIA, PERC_COSTO_OMAGGIO) VALUES ('F1', 'Rossi', 'C1', '30');
INSERT INTO GRUPPO (ID, DESCRIZIONE, ID_FAMIGLIA) VALUES ('G1', 'Toscani', 'F1');
INSERT INTO FORMULA_PREZZO (ID, DESCRIZIONE) VALUES (7, 'Ricarico 40%'), (8, 'Listino meno sconti');
INSERT INTO AZIENDA (ID, RAGIONESOCIALE) VALUES (100, 'Zeta Vini srl'), (101, 'Alfa Cantine spa');
INSERT INTO SCONTO (ID, DESCRIZIONE, SCONTO_1, SCONTO_2, PROVVIGIONE) VALUES ('S1', 'Rivenditori', '10', '5', '3'),
  ('S2', 'Grossisti', '20', '0', '2'); INSERT INTO UNITA_MISURA (ID, DESCRIZIONE) VALUES ('CT', 'Cartone');
INSERT INTO ARTICOLO (ID, DESCRIZIONE, CODICE_EAN, PREZZO_ACQ_PZ_EURO, PEZZI_X_CONFEZIONE, ID_IVA, ID_CATEGORIA,
  ID_FAMIGLIA, ID_GRUPPO, ID_REPARTO, ID_FORMULA_PREZZO_VENDITA, ID_FORMULA_COSTO_NETTO, F_MODIFICATO)
  VALUES ('A1', 'Chianti Classico 0,75', '800A1', '2.50', '6', '22', 'C1', 'F1', 'G1', 'R1', 7, 8, 1),
  ('B1', 'Articolo sfuso', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0);
INSERT INTO ARTICOLO_FORNITORE (ID_ARTICOLO, ID_FORNITORE, CODICE_FORNITORE) VALUES ('A1', 100, 'ZV-01'),
  ('A1', 101, 'AC-77'), ('B1', 100, 'ZV-09');
INSERT INTO CODICE_ALTERNATIVO_ARTICOLO (ID_ARTICOLO, CODICE, TIPO) VALUES ('A1', 'CHIANTI', 0),
  ('A1', '8001234567890', 1), ('B1', '8001234567890', 0);
INSERT INTO ARTICOLO_UM_ALTERNATIVA (ID_ARTICOLO, ID_UNITA_MISURA, COEFFICIENTE) VALUES ('A1', 'CT', '6.000');
INSERT INTO LISTINO (ID, DESCRIZIONE, TIPO_LISTINO) VALUES ('L1', 'Pubblico', 1);
INSERT INTO LISTINO_ARTICOLO (ID_LISTINO, ID_ARTICOLO, PREZZO) VALUES ('L1', 'A1', '8.20'), ('L1', 'B1', '1');
INSERT INTO VUOTO (ID, CODICE_INTERNO, ALIQUOTA_IVA) VALUES ('V1', 'CASSA', '22'), ('V2', 'BOT', '10.5');
INSERT INTO ARTICOLO_CONTIENE_VUOTO (ID_ARTICOLO, ID_VUOTO, NUMERO) VALUES ('A1', 'V1', '1'), ('A1', 'V2', '12');
INSERT INTO DISTINTA_ARTICOLO (ID_ARTICOLO, ID_ARTICOLO_MATERIA_PRIMA, UM, QUANTITA, ORDINAMENTO, LIVELLO)
  VALUES ('B1', 'A1', 'PZ', '4.5', 1, 2); INSERT INTO CATALOGO_CATEGORIA (ID, NOME, TIPO) VALUES (1, 'Autunno', 2);
INSERT INTO VOCE_CATALOGO_CATEGORIA (NUMERO, ID_CATALOGO_CATEGORIA, ID_CATEGORIA) VALUES (1, 1, 'C1');
INSERT INTO VOCE_CATALOGO_FAMIGLIA (NUMERO, ID_CATALOGO_CATEGORIA, ID_FAMIGLIA) VALUES (1, 1, 'F1');
INSERT INTO VOCE_CATALOGO_ARTICOLO (NUMERO, ID_CATALOGO_CATEGORIA, ID_ARTICOLO) VALUES (1, 1, 'A1');
INSERT INTO CATEGORIA_SCONTO (ID_CATEGORIA, ID_SCONTO, F_PREDEFINITO) VALUES ('C1', 'S1', 1), ('C1', 'S2', 0);
INSERT INTO SOGGETTO_CATEGORIA_SCONTO (ID_SOGGETTO, ID_CATEGORIA, ID_SCONTO) VALUES (100, 'C1', 'S2'))");
    }
};

}  // namespace

TEST_P(ArticleViews, ViewsShowWhatTheReferencesImply)
{
    ExpectViews({
        // The complete article (the object's own view) is checked column by column in ArticleObjectTest.
        {"CArticoloListSet", "1 = 1", "ID, ALIQUOTA_IVA", {"A1|22", "B1|NULL"}},
        {"CArticoloIvaSet", "ALIQUOTA_IVA = '22'", "ID, PREZZO_ACQ_PZ_EURO", {"A1|2.50"}},
        {"CArticoloCassaSet", "1 = 1", "ID, CODICE_CASSA_IVA, REP_ID, REP_DESCRIZIONE",
         {"A1|1|R1|Bevande", "B1|NULL|NULL|NULL"}},
        {"CARTICOLO_PROG_CASSA", "F_MODIFICATO = 1", "ID, CODICE_CASSA_IVA", {"A1|1"}},
        {"CARTICOLO_FORNITORE_COMPLETO", "ID_ARTICOLO = 'A1'", "RAGIONE_SOCIALE, ID_FORNITORE, CODICE_FORNITORE",
         {"Alfa Cantine spa|101|AC-77", "Zeta Vini srl|100|ZV-01"}},
        {"CCodiceAlternativoArticolo", "CODICE = '8001234567890' AND TIPO <> 0", "ID_ARTICOLO, TIPO", {"A1|1"}},
        {"CListinoArticoloIvaSet", "LIS_ID = 'L1'", "ART_ID, LIS_DESCRIZIONE, ART_DESCRIZIONE, ART_ALIQUOTA_IVA, ART_PREZZO",
         {"A1|Pubblico|Chianti Classico 0,75|22|8.20", "B1|Pubblico|Articolo sfuso|NULL|1"}},
        // A container's rate shows as a whole number, also when it has decimals.
        {"CArticoloContieneVuotoComplSet", "ID_ARTICOLO = 'A1'", "ID_VUOTO, V_CODICE_INTERNO, V_NUMERO_VUOTI_ARTICOLO, V_ALIQUOTA_IVA",
         {"V1|CASSA|1|22", "V2|BOT|12|10"}},
        // The raw material's data and rate, and its net cost for the quantity.
        {"CDistintaArticoloCompletaSet", "ID_ARTICOLO = 'B1'",
         "ID_ARTICOLO_MATERIA_PRIMA, DESCR_ARTICOLO_MATERIA_PRIMA, ALIQUOTA_IVA, COSTO_NETTO_UNITARIO, COSTO_NETTO, LIVELLO",
         {"A1|Chianti Classico 0,75|22|2.50|=11.25|2"}},
        {"CVoceCatalogoCategoriaCompSet", "CATALOGO_ID = 1", "VC_NUMERO, CATALOGO_NOME, CATEGORIA_ID, CATEGORIA_DESCRIZIONE",
         {"1|Autunno|C1|Vini"}},
        {"CVoceCatalogoFamigliaCompSet", "CATALOGO_ID = 1", "VC_NUMERO, CATALOGO_NOME, FAMIGLIA_DESCRIZIONE", {"1|Autunno|Rossi"}},
        {"CVoceCatalogoArticoloCompSet", "ID_CATALOGO_CATEGORIA = 1", "NUMERO, DESCRIZIONE", {"1|Chianti Classico 0,75"}},
        {"CCategoriaScontoCompletoSet", "CATEGORIA_ID = 'C1'",
         "SCONTO_ID, CATEGORIA_DESCRIZIONE, SCONTO_DESCRIZIONE, SCONTO_1, SCONTO_2, PROVVIGIONE, F_PREDEFINITO",
         {"S1|Vini|Rivenditori|10|5|3|1", "S2|Vini|Grossisti|20|0|2|0"}},
    });
}

TEST_P(ArticleViews, KeysHoldAndAnArticleTakesTheRowsItOwns)
{
    for (const auto& [cls, rows] : std::initializer_list<std::pair<const char*, std::size_t>>{
             {"CArticoloSet", 2}, {"CARTICOLO_FORNITORE", 3}, {"CCodiceAlternativoArticolo", 3},
             {"CArticoloUmAlternativaSet", 1}, {"CArticoloContieneVuotiSet", 2}, {"CDistintaArticoloSet", 1},
             {"CCategoriaScontoSet", 2}, {"CSoggettoCategoriaScontoSet", 1}})
        ExpectRoundTrip(cls, "1 = 1", rows);
    // A second row for the same supplier, a code without text, master data that does not
    // exist, a second default band of a category, and deleting a raw material in use.
    ExpectRefused(R"(INSERT INTO ARTICOLO_FORNITORE (ID_ARTICOLO, ID_FORNITORE, CODICE_FORNITORE) VALUES ('A1', 100, 'ZV-02');
INSERT INTO ARTICOLO_FORNITORE (ID_ARTICOLO, ID_FORNITORE) VALUES ('A1', 404);
INSERT INTO CODICE_ALTERNATIVO_ARTICOLO (ID_ARTICOLO, CODICE, TIPO) VALUES ('A1', NULL, 0);
INSERT INTO ARTICOLO (ID, ID_IVA) VALUES ('X1', '99'); DELETE FROM ARTICOLO WHERE ID = 'A1';
UPDATE CATEGORIA_SCONTO SET F_PREDEFINITO = 1 WHERE ID_SCONTO = 'S2')");
    ExpectCounts({{"ARTICOLO_FORNITORE WHERE ID_ARTICOLO = 'A1' AND ID_FORNITORE = 100 AND CODICE_FORNITORE = 'ZV-01'", 1},
                  {"CATEGORIA_SCONTO WHERE F_PREDEFINITO = 1", 1}, {"ARTICOLO", 2}});

    Exec("DELETE FROM ARTICOLO WHERE ID = 'B1'");
    ExpectCounts({{"DISTINTA_ARTICOLO", 0}, {"ARTICOLO_FORNITORE", 2}, {"LISTINO_ARTICOLO", 1}, {"CODICE_ALTERNATIVO_ARTICOLO", 2}});
    ExpectRoundTrip("CArticoloSet", "ID = 'A1'", 1, true);
    ExpectCounts({{"ARTICOLO_FORNITORE", 0}, {"CODICE_ALTERNATIVO_ARTICOLO", 0}, {"ARTICOLO_UM_ALTERNATIVA", 0},
                  {"LISTINO_ARTICOLO", 0}, {"ARTICOLO_CONTIENE_VUOTO", 0}, {"VOCE_CATALOGO_ARTICOLO", 0},
                  {"LISTINO", 1}, {"VUOTO", 2}, {"AZIENDA", 2}, {"VOCE_CATALOGO_CATEGORIA", 1}});
    // A catalogue takes its entries; a band, a partner or a category the bands that name them,
    // but a category named by a family stays.
    Exec("DELETE FROM SCONTO WHERE ID = 'S1'");
    ExpectCounts({{"CATEGORIA_SCONTO", 1}, {"SOGGETTO_CATEGORIA_SCONTO", 1}});
    Exec("DELETE FROM AZIENDA WHERE ID = 100");
    ExpectCounts({{"SOGGETTO_CATEGORIA_SCONTO", 0}});
    Exec("DELETE FROM CATALOGO_CATEGORIA WHERE ID = 1");
    ExpectCounts({{"VOCE_CATALOGO_CATEGORIA", 0}, {"VOCE_CATALOGO_FAMIGLIA", 0}});
    ExpectRefused("DELETE FROM CATEGORIA WHERE ID = 'C1'");
    Seed("DELETE FROM GRUPPO; DELETE FROM FAMIGLIA; DELETE FROM CATEGORIA WHERE ID = 'C1'");
    ExpectCounts({{"CATEGORIA_SCONTO", 0}});
}

ORVEL_DATABASE_TEST_SUITE(ArticleViews);

