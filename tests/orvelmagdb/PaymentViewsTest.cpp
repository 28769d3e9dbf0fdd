// The payment views on both databases: schedules with the totals and state of their instalments,
// instalments, bills and their links, formulas, till payments and cash-journal entries with the
// names behind their references (NULL where a reference is empty or points nowhere); every table
// class writes its rows back unchanged; what goes with its parent and what stays.
#include "orvelmagdb/ViewCase.h"

namespace {

class PaymentViews : public orvel::test::ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        // Schedule 1 names everything and has instalment 10 settled, 11 due with no payment type;
        // schedule 2 names nothing, belongs to a company that does not exist and has no instalments.
        if (!IsSkipped())
            Seed(R"(INSERT INTO SOCIETA (ID, NOME, RAGIONE_SOCIALE) VALUES (1, 'Negozio centro', 'Centro Casa srl');
INSERT INTO AZIENDA (ID, RAGIONESOCIALE) VALUES (7, 'Rossi Forniture srl');
INSERT INTO FORMULA_PAGAMENTO (ID, DESCRIZIONE) VALUES (3, '30-60 gg d.f.');
INSERT INTO TIPO_PAGAMENTO (ID, DESCRIZIONE, DESCRIZIONE_RIDOTTA, F_BANCO, CODICE_CASSA)
  VALUES (2, 'Ricevuta bancaria', 'RIBA', 0, 5), (4, 'Contanti', 'CONT', 1, 1);
INSERT INTO BANCA (ID, DESCRIZIONE, ABI) VALUES (1, 'Banca del Borgo', '01234');
INSERT INTO BANCA_AGENZIA (ID, ID_BANCA, DESCRIZIONE, CAB) VALUES (11, 1, 'Filiale Duomo', '56789');
INSERT INTO CONTO (ID, DESCRIZIONE, ID_SOCIETA, ID_BANCA_AGENZIA, CIN) VALUES (8, 'C/C Borgo', 1, 11, 'X'),
  (9, 'Cassa negozio', 1, NULL, NULL);
INSERT INTO SCADENZARIO (ID, DESCRIZIONE, DATA_MOVIMENTO, ID_SOGGETTO, IMPORTO_IMPONIBILE, IMPORTO_IVA,
  ID_FORMULA_PAGAMENTO, F_ATTIVO, F_CHIUSO, ID_SOCIETA, ID_COLLABORATORE, NUMERO_SCADENZE)
  VALUES (1, 'Fattura 12/A', '2024-03-05 10:30:00', 7, '100.00', '22.00', 3, 1, 0, 1, 4, 2),
  (2, 'Senza rate', '2023-12-31 00:00:00', NULL, '100.00', '22.00', NULL, 1, NULL, 99, NULL, NULL);
INSERT INTO SCADENZA (ID, ID_SCADENZARIO, DATA_REGISTRAZIONE, DATA_SCADENZA, DATA_PAGAMENTO, ID_TIPO_PAGAMENTO,
  IMPORTO, NOTA, F_EVASA, NUMERO)
  VALUES (10, 1, '2024-03-05 00:00:00', '2024-04-30 00:00:00', '2024-04-30 00:00:00', 2, '61.00', 'nota rata', 1, 1),
  (11, 1, '2024-03-05 00:00:00', '2024-05-31 00:00:00', NULL, NULL, '61.00', NULL, 0, 2))");
    }
};

const char* const kScheduleTotals = "ID, ANNO, IMPORTO_TOTALE, NUM_SCADENZE, CHIUSO_SCADENZE, PERC_SCADENZE_INEVASE, "
                                    "IMPORTO_EVASO, IMPORTO_RESIDUO";

}  // namespace

TEST_P(PaymentViews, SchedulesShowTheirNamesAndTheStateOfTheirInstalments)
{
    ExpectViews({
        {"CScadenzarioCompletoSet", "1 = 1", kScheduleTotals,
         {"1|2024|122.00|2|0|50.00|61.00|61.00", "2|2023|122.00|0|0|NULL|0.00|122.00"}},
        {"CScadenzarioCompletoSet", "1 = 1", "ID, DATA_MOVIMENTO, SOGGETTO, FORMULA_PAGAMENTO, SOC_ID, SOC_NOME",
         {"1|2024-03-05 10:30:00|Rossi Forniture srl|30-60 gg d.f.|1|Negozio centro", "2|2023-12-31 00:00:00|NULL|NULL|99|NULL"}},
        // One row per instalment; a schedule without instalments once, with NULL instalment columns.
        {"CScadenzarioCompletoScadenzeSet", "1 = 1", "ID, SC_ID, ANNO, SOGGETTO, FORMULA_PAGAMENTO, IMPORTO_TOTALE, "
         "SC_TP_DESCRIZIONE, SC_IMPORTO, SC_IMPORTO_EVASO, SC_NETTO, CHIUSO_SCADENZE",
         {"1|10|2024|Rossi Forniture srl|30-60 gg d.f.|122.00|Ricevuta bancaria|61.00|61.00|0.00|0",
          "1|11|2024|Rossi Forniture srl|30-60 gg d.f.|122.00|NULL|61.00|0.00|61.00|0",
          "2|NULL|2023|NULL|NULL|122.00|NULL|NULL|NULL|NULL|0"}},
    });
    // Settling the last instalment closes the schedule's instalments and leaves nothing due.
    Exec("UPDATE SCADENZA SET F_EVASA = 1, DATA_PAGAMENTO = '2024-06-03 00:00:00' WHERE ID = 11");
    ExpectViews({{"CScadenzarioCompletoSet", "ID = 1", kScheduleTotals, {"1|2024|122.00|2|1|0.00|122.00|0.00"}},
                 {"CScadenzarioCompletoScadenzeSet", "ID = 1", "SC_ID, SC_IMPORTO_EVASO, SC_NETTO, CHIUSO_SCADENZE",
                  {"10|61.00|0.00|1", "11|61.00|0.00|1"}}});
    ExpectRoundTrip("CScadenzarioSet", "1 = 1", 2);
    ExpectRoundTrip("CScadenzaSet", "1 = 1", 2);
}

TEST_P(PaymentViews, InstalmentsShowTheirPaymentTypeAndTheirSchedule)
{
    // Instalment 20 was saved before its schedule 55 exists.
    Seed("INSERT INTO SCADENZA (ID, ID_SCADENZARIO, DATA_SCADENZA, IMPORTO, ID_TIPO_PAGAMENTO, F_EVASA, NUMERO) "
         "VALUES (12, 1, '2024-04-30 00:00:00', '0.50', 2, 0, 3), (20, 55, '2024-07-31 00:00:00', '10.00', 4, 0, 1)");
    ExpectViews({
        // The order the schedule loads its instalments in: due date, then position.
        {"CScadenzaCompletaSet", "SCAD_ID = 1", "SCA_DATA_SCADENZA, SCA_NUMERO, SCA_ID, SCA_TIPO_PAGAMENTO, "
         "SCAD_DESCRIZIONE, SCAD_RAGIONE_SOCIALE, SCAD_IMPORTO_TOTALE",
         {"2024-04-30 00:00:00|1|10|Ricevuta bancaria|Fattura 12/A|Rossi Forniture srl|122.00",
          "2024-04-30 00:00:00|3|12|Ricevuta bancaria|Fattura 12/A|Rossi Forniture srl|122.00",
          "2024-05-31 00:00:00|2|11|NULL|Fattura 12/A|Rossi Forniture srl|122.00"}},
        {"CScadenzaCompletaSet", "SCA_ID = 20",
         "SCAD_ID, SCA_TIPO_PAGAMENTO, SCAD_DESCRIZIONE, SCAD_RAGIONE_SOCIALE, SCAD_IMPORTO_TOTALE, SCAD_DATA_MOVIMENTO",
         {"55|Contanti|NULL|NULL|NULL|NULL"}},
    });
}

TEST_P(PaymentViews, BillsCountTheirInstalmentsAndTheirLinksOutliveADeletedSide)
{
    Seed(R"(INSERT INTO EFFETTO (ID, IMPORTO, DATA_REGISTRAZIONE, DATA_EFFETTO, ID_SOGGETTO, ID_TIPO_EFFETTO, ID_CONTO,
  F_ATTIVO, NOTE, ID_SOCIETA, F_CHIUDI_SCADENZE, F_REG_GIORNALE_CASSA)
  VALUES (30, '122.00', '2024-03-06 00:00:00', '2024-04-30 00:00:00', 7, 2, 8, 1, 'RIBA aprile', 1, 1, 0),
  (31, '5.00', '2024-03-06 00:00:00', NULL, NULL, -1, NULL, -1, NULL, 1, NULL, NULL);
INSERT INTO EFFETTO_SCADENZA (ID_EFFETTO, ID_SCADENZA) VALUES (30, 10), (30, 11);
INSERT INTO EFFETTO_CONTABILITA (ID_EFFETTO, ID_PIANO_DEI_CONTI, ID_CONTO_MASTRO_SOGGETTO) VALUES (30, 2, 301))");
    ExpectViews({
        {"CEffettoCompletoSet", "1 = 1",
         "ID, DATA_EFFETTO, SOGGETTO, ID_TIPO_EFFETTO, TIPO_EFFETTO, DESCRIZIONE_CONTO, NUM_SCADENZE, NOME_SOCIETA",
         {"30|2024-04-30 00:00:00|Rossi Forniture srl|2|Ricevuta bancaria|C/C Borgo|2|Negozio centro",
          "31|NULL|NULL|-1|NULL|NULL|0|Negozio centro"}},
        // The instalment's partner and direction come from its schedule.
        {"CEffettoScadenzaCompletoSet", "ID = 30", "SC_ID, IMPORTO, SC_DATA_PAGAMENTO, SC_SOGGETTO, SC_F_ATTIVA",
         {"10|122.00|2024-04-30 00:00:00|Rossi Forniture srl|1", "11|122.00|NULL|Rossi Forniture srl|1"}},
    });
    ExpectRoundTrip("CEffettoSet", "1 = 1", 2);
    ExpectRoundTrip("CEffettoScadenzaSet", "1 = 1", 2);
    // Deleting an instalment or a bill by its own row leaves the links and the accounting row:
    // the library removes those itself when it means to.
    Seed("DELETE FROM SCADENZA WHERE ID = 11; DELETE FROM EFFETTO WHERE ID = 30");
    ExpectCounts({{"EFFETTO_SCADENZA", 2}, {"EFFETTO_CONTABILITA", 1}});
    ExpectView({"CEffettoScadenzaCompletoSet", "SC_ID = 11", "ID, IMPORTO, F_ATTIVO, SC_IMPORTO, SC_SOGGETTO, SC_DATA_SCADENZA",
                {"30|NULL|NULL|NULL|NULL|NULL"}});
    // The accounting row is written back and deleted by the bill's id.
    ExpectRoundTrip("CEFFETTO_CONTABILITA", "ID_EFFETTO = 30", 1, true);
}

TEST_P(PaymentViews, ScheduleDocumentLinksShowTheDocumentAndGoWithEitherSide)
{
    Seed(R"(INSERT INTO CAUSALE (ID, DESCRIZIONE, TIPO_DOCUMENTO) VALUES (4, 'Fattura accompagnatoria', 'FAT');
INSERT INTO DOCUMENTO (ID, DATA_DOCUMENTO, NUMERO, ANNO, ID_CAUSALE, TOTALE)
  VALUES (5, '2024-03-04 00:00:00', 12, 2024, 4, '122.00'), (6, NULL, 13, 2024, NULL, NULL);
INSERT INTO SCADENZARIO_DOCUMENTO (ID_SCADENZARIO, ID_DOCUMENTO, F_RIPORTA_IN_DOCUMENTO) VALUES (1, 5, 1), (1, 6, 0),
  (2, 6, 0))");
    ExpectView({"CScadenzarioDocumentoCompletoSet", "ID_SCAD = 1",
                "ID_DOC, ID_FORMULA_PAGAMENTO, DESCRIZIONE, DATA_DOC, NUMERO_DOC, DESCRIZIONE_CAUSALE_DOC, TIPO_DOCUMENTO, "
                "TOTALE_DOC, F_RIPORTA_IN_DOCUMENTO",
                {"5|3|Fattura 12/A|2024-03-04 00:00:00|12|Fattura accompagnatoria|FAT|122.00|1",
                 "6|3|Fattura 12/A|NULL|13|NULL|NULL|NULL|0"}});
    ExpectRoundTrip("CScadenzarioDocumentoSet", "1 = 1", 3);
    ExpectRefused(R"(INSERT INTO SCADENZARIO_DOCUMENTO (ID_SCADENZARIO, ID_DOCUMENTO) VALUES (1, 5);
INSERT INTO SCADENZARIO_DOCUMENTO (ID_SCADENZARIO, ID_DOCUMENTO) VALUES (1, 404);
INSERT INTO SCADENZARIO_DOCUMENTO (ID_SCADENZARIO, ID_DOCUMENTO) VALUES (404, 5))");
    Seed("DELETE FROM DOCUMENTO WHERE ID = 5; DELETE FROM SCADENZARIO WHERE ID = 2");
    ExpectCounts({{"SCADENZARIO_DOCUMENTO WHERE ID_SCADENZARIO = 1 AND ID_DOCUMENTO = 6", 1}, {"SCADENZARIO_DOCUMENTO", 1}});
}

TEST_P(PaymentViews, FormulasTillPaymentsAndJournalEntriesShowWhatTheyName)
{
    // A till sale paid in cash, twice with the same type, and with a type the till no longer
    // knows; a journal entry on a bank account, and one on the shop's cash account, which has no bank.
    Seed(R"(INSERT INTO VOCE_FORMULA_PAGAMENTO (ID, GIORNI, PERCENTUALE, ID_FORMULA_PAGAMENTO, F_FINE_MESE, ID_TIPO_PAGAMENTO)
  VALUES (1, 30, '50', 3, 1, 2), (2, 60, '50', 3, 1, NULL);
INSERT INTO DOCUMENTO (ID, NUMERO, ANNO) VALUES (5, 1, 2024);
INSERT INTO PAGAMENTO_BANCO (ID_DOCUMENTO, ID_TIPO_PAGAMENTO, VALORE) VALUES (5, 4, '20.00'), (5, 2, '10.50'),
  (5, 2, '10.50'), (5, 99, '1.00');
INSERT INTO COLLABORATORE (ID, COGNOME, NOME, ID_SOCIETA) VALUES (4, 'Bianchi', 'Anna', 1);
INSERT INTO VOCE_GIORNALE_CASSA (ID, DATA, DESCRIZIONE, IMPORTO, F_ATTIVO, ID_TIPO_PAGAMENTO, ID_COLLABORATORE,
  ID_SOGGETTO, ID_SOCIETA, ID_CONTO, INFO4, ANNO, ID_EFFETTO)
  VALUES (1, '2024-03-06 09:15:00', 'Incasso RIBA', '122.00', 1, 2, 4, 7, 1, 8, 'quattro', 2024, 30),
  (2, '2024-03-06 12:00:00', 'Spese postali', '4.20', -1, NULL, NULL, NULL, 1, 9, NULL, 2024, NULL))");
    ExpectViews({
        {"CVoceFormulaPagamentoCompletaSet", "ID_FORMULA_PAGAMENTO = 3",
         "GIORNI, PERCENTUALE, DESCRIZIONE_FORMULA_PAGAMENTO, ID_TIPO_PAGAMENTO, DESCRIZIONE_TIPO_PAGAMENTO",
         {"30|50|30-60 gg d.f.|2|Ricevuta bancaria", "60|50|30-60 gg d.f.|NULL|NULL"}},
        {"CPagamentoBancoCompletoSet", "ID_DOCUMENTO = 5", "ID_TIPO_PAGAMENTO, VALORE, DESCRIZIONE, F_BANCO, CODICE_CASSA",
         {"2|10.50|Ricevuta bancaria|0|5", "2|10.50|Ricevuta bancaria|0|5", "4|20.00|Contanti|1|1", "99|1.00|NULL|NULL|NULL"}},
        // Down to the bank of the entry's account: account, branch, bank.
        {"CVoceGiornaleCassaCompletaSet", "1 = 1",
         "ID, F_ATTIVO, TIPO_PAG_DESCRIZIONE, COLL_COGNOME, SOGG_RAGIONE_SOCIALE, SOC_NOME, CONTO_DESCRIZIONE, BANCA_CIN, "
         "BANCA_CAB, BANCA_DESCRIZIONE",
         {"1|1|Ricevuta bancaria|Bianchi|Rossi Forniture srl|Negozio centro|C/C Borgo|X|56789|Banca del Borgo",
          "2|-1|NULL|NULL|NULL|Negozio centro|Cassa negozio|NULL|NULL|NULL"}},
    });
    ExpectRoundTrip("CVoceFormulaPagamentoSet", "1 = 1", 2);
    ExpectRoundTrip("CPagamentoBancoSet", "1 = 1", 4);
    ExpectRoundTrip("CVoceGiornaleCassaSet", "1 = 1", 2);
    // A formula's instalments and a document's till payments go with them.
    Seed("DELETE FROM FORMULA_PAGAMENTO WHERE ID = 3; DELETE FROM DOCUMENTO WHERE ID = 5");
    ExpectCounts({{"VOCE_FORMULA_PAGAMENTO", 0}, {"PAGAMENTO_BANCO", 0}, {"TIPO_PAGAMENTO", 2}});
}

TEST_P(PaymentViews, WithdrawalsKeepTheirTimeAndTakeTheirCoins)
{
    // The coin counts of a withdrawal loaded twice are saved twice; that is no error.
    Seed(R"(INSERT INTO PRELIEVO_BANCO (ID, DATA, VALORE, ID_SOCIETA, ID_POSTAZIONE, ID_COLLABORATORE)
  VALUES (40, '2024-03-05 18:45:10', '150.005', 1, 'CASSA1', 0), (41, NULL, '10.00', NULL, NULL, NULL);
INSERT INTO PRELIEVO_BANCO_MONETA (ID_PRELIEVO, ID_PEZZO_MONETA, NUMERO) VALUES (40, 5, 10), (41, 5, 5), (41, 5, 5))");
    ExpectRoundTrip("CPrelievoBancoSet", "1 = 1", 2);
    ExpectRoundTrip("CPrelievoBancoMonetaSet", "ID_PRELIEVO = 40", 1);
    ExpectRoundTrip("CTipoPagamentoSet", "1 = 1", 2);
    ExpectRefused("INSERT INTO PRELIEVO_BANCO_MONETA (ID_PRELIEVO, ID_PEZZO_MONETA, NUMERO) VALUES (404, 5, 1)");
    Exec("DELETE FROM PRELIEVO_BANCO WHERE ID = 41");
    ExpectCounts({{"PRELIEVO_BANCO_MONETA WHERE ID_PRELIEVO = 41", 0}, {"PRELIEVO_BANCO_MONETA", 1},
                  {"PRELIEVO_BANCO WHERE ID_COLLABORATORE = 0 AND DATA IS NOT NULL", 1}});
}

ORVEL_DATABASE_TEST_SUITE(PaymentViews);
