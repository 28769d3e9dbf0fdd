// The promotion, voucher and point-of-sale views on both databases: promotions, their articles
// and the search by article with the company, article, VAT and department names the references
// imply (NULL where a reference is empty or points nowhere), open-ended dates NULL; voucher
// campaigns, whose lists keep what the campaign object saves; touch buttons, workstations and
// fiscal printer counters; and what a deleted parent takes along or leaves to the host.
#include <initializer_list>
#include <utility>

#include "orvelmagdb/ViewCase.h"

namespace {

class PromotionViews : public orvel::test::ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        // Promotion 2 is open-ended, 3 belongs to a company that does not exist; article GONE and
        // promotion 9 are not in the register.
        if (!IsSkipped())
            Seed(R"(INSERT INTO SOCIETA (ID, NOME, RAGIONE_SOCIALE) VALUES (1, 'Negozio centro', 'Centro Casa srl');
INSERT INTO IVA (CODICE, ALIQUOTA, CODICE_CASSA) VALUES ('22', '22', 1), ('10', '10', 2);
INSERT INTO REPARTO (ID, DESCRIZIONE, ID_IVA) VALUES ('R1', 'Bevande', '10');
INSERT INTO ARTICOLO (ID, DESCRIZIONE, DESCRIZIONE_RIDOTTA, PREZZO_PZ_EURO_IVATO, ID_IVA, ID_REPARTO)
  VALUES ('A1', 'Chianti classico 0,75', 'Chianti', '10.00', '22', 'R1'), ('A2', 'Sfuso', NULL, NULL, NULL, NULL);
INSERT INTO PROMOZIONE (ID, TIPO_PROMOZIONE, DATA_INIZIO, DATA_FINE, DESCRIZIONE, SCONTO_1_PROMOZIONE, ID_SOCIETA,
  F_SUBTOTALE) VALUES (1, 1, '2024-03-01 09:00:00', '2024-03-31 23:59:00', 'Settimana del vino', '10', 1, 1),
  (2, 1, '2024-04-01 00:00:00', NULL, 'Aprile', '5', 1, 0), (3, 1, '2024-03-10 00:00:00', NULL, 'Altrove', '5', 77, 0);
INSERT INTO ARTICOLO_PROMOZIONE (ID_PROMOZIONE, ID_ARTICOLO) VALUES (1, 'A1'), (1, 'A2'), (1, 'GONE'), (2, 'A1'),
  (3, 'A1'), (9, 'A1'))");
    }
};

}  // namespace

TEST_P(PromotionViews, PromotionsAndTheirArticlesShowWhatTheyName)
{
    ExpectViews({
        {"CPromozioneCompletaSet", "1 = 1",
         "ID, DATA_INIZIO, DATA_FINE, SCONTO_1_PROMOZIONE, PREZZO_PROMOZIONE, ID_SOCIETA, NOME_SOCIETA, F_SUBTOTALE",
         {"1|2024-03-01 09:00:00|2024-03-31 23:59:00|10|NULL|1|Negozio centro|1",
          "2|2024-04-01 00:00:00|NULL|5|NULL|1|Negozio centro|0", "3|2024-03-10 00:00:00|NULL|5|NULL|77|NULL|0"}},
        {"CArticoloPromozioneListSet", "ID = 1", "ARTICOLO_ID, DATA_FINE, ARTICOLO_DESCRIZIONE, ARTICOLO_PREZZO_VENDITA_II, "
         "IVA_ALIQUOTA, IVA_CODICE_CASSA, REPARTO_DESCRIZIONE, REPARTO_IVA_CODICE_CASSA",
         {"A1|2024-03-31 23:59:00|Chianti classico 0,75|10.00|22|1|Bevande|2", "A2|2024-03-31 23:59:00|Sfuso|NULL|NULL|NULL|NULL|NULL",
          "GONE|2024-03-31 23:59:00|NULL|NULL|NULL|NULL|NULL|NULL"}},
        {"CArticoloPromozioneListSet", "ID = 9", "ARTICOLO_ID, ID_SOCIETA, DATA_INIZIO", {"A1|NULL|NULL"}},
        // The promotions an article takes part in: only those that exist.
        {"CRicercaPromozioneSet", "ID_ARTICOLO = 'A1'", "ID, ID_SOCIETA, DATA_INIZIO, DATA_FINE",
         {"1|1|2024-03-01 09:00:00|2024-03-31 23:59:00", "2|1|2024-04-01 00:00:00|NULL", "3|77|2024-03-10 00:00:00|NULL"}},
    });
    ExpectRoundTrip("CPromozioneSet", "1 = 1", 3);
    ExpectRoundTrip("CArticoloPromozioneSet", "1 = 1", 6);
    // An article is in a promotion once; deleting a promotion leaves its memberships to the host.
    ExpectRefused("INSERT INTO ARTICOLO_PROMOZIONE (ID_PROMOZIONE, ID_ARTICOLO) VALUES (1, 'A1')");
    Exec("DELETE FROM PROMOZIONE WHERE ID = 1 AND ID_SOCIETA = 1");
    ExpectCounts({{"ARTICOLO_PROMOZIONE", 6}});
}

TEST_P(PromotionViews, VoucherCampaignsKeepTheirListsAsSaved)
{
    // The lists of a campaign loaded twice hold every id twice; saving them so does not fail.
    Seed(R"(INSERT INTO EMISSIONE_BUONO (ID, DATA_INIZIO, TESTO1, IMPORTO, F_TIPO, ID_SOCIETA, NUMERO_PUNTI)
  VALUES (5, '2024-12-01 00:00:00', 'Buono Natale', '5.00', 1, 1, 3), (6, NULL, 'Altrove', NULL, 0, 77, 0);
INSERT INTO EMISSIONE_BUONO_CAUSALE (ID_EMISSIONE_BUONO, ID_CAUSALE) VALUES (5, 4), (5, 9), (5, 4);
INSERT INTO EMISSIONE_BUONO_CATEGORIA (ID_EMISSIONE_BUONO, ID_CATEGORIA) VALUES (5, 'X1'), (5, 'X1');
INSERT INTO EMISSIONE_BUONO_FAMIGLIA (ID_EMISSIONE_BUONO, ID_FAMIGLIA) VALUES (5, 'X1');
INSERT INTO EMISSIONE_BUONO_GRUPPO (ID_EMISSIONE_BUONO, ID_GRUPPO) VALUES (5, 'X1');
INSERT INTO BUONO_EMESSO (ID, DATA, ID_DOCUMENTO, ID_EMISSIONE_BUONO, VALORE, PUNTI)
  VALUES (1, '2024-12-20 17:05:00', 42, 5, '5.00', 3))");
    ExpectView({"CEmissioneBuonoCompletaSet", "1 = 1",
                "ID, DATA_INIZIO, DATA_FINE, TESTO1, TESTO3, IMPORTO, NUMERO_PUNTI, SOCIETA_ID, SOCIETA_NOME",
                {"5|2024-12-01 00:00:00|NULL|Buono Natale|NULL|5.00|3|1|Negozio centro",
                 "6|NULL|NULL|Altrove|NULL|NULL|0|77|NULL"}});
    for (const auto& [cls, rows] : std::initializer_list<std::pair<const char*, std::size_t>>{
             {"CEmissioneBuonoSet", 2}, {"CEmissioneBuonoCausaleSet", 3}, {"CEmissioneBuonoCategoriaSet", 2},
             {"CEmissioneBuonoFamigliaSet", 1}, {"CEmissioneBuonoGruppoSet", 1}, {"CBuonoEmessoSet", 1}})
        ExpectRoundTrip(cls, "1 = 1", rows);
    // A link without its id is refused; deleting the campaign leaves the links to the host.
    ExpectRefused(R"(INSERT INTO EMISSIONE_BUONO_CAUSALE (ID_EMISSIONE_BUONO, ID_CAUSALE) VALUES (5, NULL);
INSERT INTO EMISSIONE_BUONO_CATEGORIA (ID_EMISSIONE_BUONO, ID_CATEGORIA) VALUES (5, NULL);
INSERT INTO EMISSIONE_BUONO_FAMIGLIA (ID_EMISSIONE_BUONO, ID_FAMIGLIA) VALUES (5, NULL);
INSERT INTO EMISSIONE_BUONO_GRUPPO (ID_EMISSIONE_BUONO, ID_GRUPPO) VALUES (5, NULL))");
    Exec("DELETE FROM EMISSIONE_BUONO WHERE ID = 5 AND ID_SOCIETA = 1");
    ExpectCounts({{"EMISSIONE_BUONO_CAUSALE", 3}, {"EMISSIONE_BUONO_CATEGORIA", 2}, {"BUONO_EMESSO", 1}});
}

TEST_P(PromotionViews, TouchButtonsWorkstationsAndCountersShowWhatTheyName)
{
    Seed(R"(INSERT INTO TOUCH_CONFIGURAZIONE (ID, DESCRIZIONE, SEZ_BTN_WIDTH, PULS_FONT_FACE) VALUES (1, 'Bar', 120, 'Sans');
INSERT INTO TOUCH_SEZIONE (ID, DESCRIZIONE, NUMERO, ID_CONFIGURAZIONE) VALUES (10, 'Vini', 1, 1);
INSERT INTO TOUCH_PULSANTE (ID, NUMERO, ICONA, ID_ARTICOLO, DESCRIZIONE, ID_SEZIONE) VALUES (100, 1, 7, 'A1', 'Calice', 10),
  (101, 2, NULL, NULL, 'Vuoto', NULL);
INSERT INTO STAMPANTE_FISCALE (ID, DESCRIZIONE, F_CHIUSURA) VALUES ('EPS', 'Epson FP-81', 1);
INSERT INTO POSTAZIONE (ID, ID_STAMPANTE_FISCALE, PRODOTTO, PORTA) VALUES ('CASSA1', 'EPS', 'FP81', 3),
  ('CASSA2', NULL, 'nessuna', NULL);
INSERT INTO VENDITA_MISURATORE (ID_ARTICOLO, QUANTITA, TOTALE_IVATO) VALUES ('A1', '3', '30.00'), ('GONE', '1', '2.00');
INSERT INTO VENDITA_REPARTO_MISURATORE (ID_REPARTO, QUANTITA, TOTALE_IVATO) VALUES ('R1', '4', '32.00'), ('R9', '1', '1.00'))");
    ExpectViews({
        {"CTouchPulsanteCompletoSet", "1 = 1", "ID, ARTICOLO_DESCRIZIONE_RIDOTTA, SEZIONE_DESCRIZIONE, CONFIGURAZIONE_ID, "
         "CONFIGURAZIONE_DESCRIZIONE", {"100|Chianti|Vini|1|Bar", "101|NULL|NULL|NULL|NULL"}},
        {"CPostazioneCompletaSet", "1 = 1", "ID, STAFIS_ID, STAFIS_DESCRIZIONE, PORTA",
         {"CASSA1|EPS|Epson FP-81|3", "CASSA2|NULL|NULL|NULL"}},
        {"CVENDITA_MISURATORE_COMPLETA", "1 = 1", "ID_ARTICOLO, DESCRIZIONE_ARTICOLO, ALIQUOTA_IVA, ID_REPARTO, TOTALE_IVATO",
         {"A1|Chianti classico 0,75|22|R1|30.00", "GONE|NULL|NULL|NULL|2.00"}},
        {"CVENDITA_REPARTO_MISURATORE_COMP", "1 = 1", "ID_REPARTO, DESCRIZIONE_REPARTO, QUANTITA",
         {"R1|Bevande|4", "R9|NULL|1"}},
    });
    // A layout takes its sections, a section its buttons.
    Exec("DELETE FROM TOUCH_CONFIGURAZIONE WHERE ID = 1");
    ExpectCounts({{"TOUCH_SEZIONE", 0}, {"TOUCH_PULSANTE", 1}});
}

ORVEL_DATABASE_TEST_SUITE(PromotionViews);
