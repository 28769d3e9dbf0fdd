// The payment tables and views on real databases: schedules, instalments, bills, till payments
// and cash-journal entries written through their recordsets come out of the views the library
// reads with the names and totals their references imply, NULL where a reference is empty or
// points nowhere; the keys of the link tables hold; and every payment source has exactly the
// columns its recordset binds.
#include <gtest/gtest.h>

#include <string>

#include "odbc/DBException.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/recordsets/payments/EFFETTO_CONTABILITA.h"
#include "orvelmagdb/recordsets/payments/EffettoCompletoSet.h"
#include "orvelmagdb/recordsets/payments/EffettoScadenzaCompletoSet.h"
#include "orvelmagdb/recordsets/payments/EffettoScadenzaSet.h"
#include "orvelmagdb/recordsets/payments/EffettoSet.h"
#include "orvelmagdb/recordsets/payments/PagamentoBancoCompletoSet.h"
#include "orvelmagdb/recordsets/payments/PagamentoBancoSet.h"
#include "orvelmagdb/recordsets/payments/PrelievoBancoMonetaSet.h"
#include "orvelmagdb/recordsets/payments/PrelievoBancoSet.h"
#include "orvelmagdb/recordsets/payments/ScadenzaCompletaSet.h"
#include "orvelmagdb/recordsets/payments/ScadenzaSet.h"
#include "orvelmagdb/recordsets/payments/ScadenzarioCompletoScadenzeSet.h"
#include "orvelmagdb/recordsets/payments/ScadenzarioCompletoSet.h"
#include "orvelmagdb/recordsets/payments/ScadenzarioDocumentoCompletoSet.h"
#include "orvelmagdb/recordsets/payments/ScadenzarioDocumentoSet.h"
#include "orvelmagdb/recordsets/payments/ScadenzarioSet.h"
#include "orvelmagdb/recordsets/payments/VoceFormulaPagamentoCompletaSet.h"
#include "orvelmagdb/recordsets/payments/VoceGiornaleCassaCompletaSet.h"
#include "orvelmagdb/recordsets/payments/VoceGiornaleCassaSet.h"
#include "orveldblib/Decimal.h"
#include "support/DatabaseTest.h"

namespace {

TIMESTAMP_STRUCT Ts(int year, int month, int day, int hour = 0, int minute = 0)
{
    TIMESTAMP_STRUCT ts{};
    ts.year = static_cast<SQLSMALLINT>(year);
    ts.month = static_cast<SQLUSMALLINT>(month);
    ts.day = static_cast<SQLUSMALLINT>(day);
    ts.hour = static_cast<SQLUSMALLINT>(hour);
    ts.minute = static_cast<SQLUSMALLINT>(minute);
    return ts;
}

void ExpectDate(const TIMESTAMP_STRUCT& ts, int year, int month, int day)
{
    EXPECT_EQ(ts.year, year);
    EXPECT_EQ(ts.month, month);
    EXPECT_EQ(ts.day, day);
}

void ExpectDate(const COleDateTime& date, int year, int month, int day)
{
    ASSERT_EQ(date.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(date.GetYear(), year);
    EXPECT_EQ(date.GetMonth(), month);
    EXPECT_EQ(date.GetDay(), day);
}

class PaymentViews : public orvel::test::DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        CSchema::Create(db());
        Exec("INSERT INTO SOCIETA (ID, NOME, RAGIONE_SOCIALE) VALUES (1, 'Negozio centro', 'Centro Casa srl')");
        Exec("INSERT INTO AZIENDA (ID, RAGIONESOCIALE, F_TIPO_RAPPORTO) VALUES (7, 'Rossi Forniture srl', 1)");
        Exec("INSERT INTO FORMULA_PAGAMENTO (ID, DESCRIZIONE) VALUES (3, '30-60 gg d.f.')");
        Exec("INSERT INTO TIPO_PAGAMENTO (ID, DESCRIZIONE, DESCRIZIONE_RIDOTTA, F_BANCO, CODICE_CASSA) "
             "VALUES (2, 'Ricevuta bancaria', 'RIBA', 0, 5)");
        Exec("INSERT INTO TIPO_PAGAMENTO (ID, DESCRIZIONE, DESCRIZIONE_RIDOTTA, F_BANCO, CODICE_CASSA) "
             "VALUES (4, 'Contanti', 'CONT', 1, 1)");
        Exec("INSERT INTO BANCA (ID, DESCRIZIONE, ABI) VALUES (1, 'Banca del Borgo', '01234')");
        Exec("INSERT INTO BANCA_AGENZIA (ID, ID_BANCA, DESCRIZIONE, CAB) VALUES (11, 1, 'Filiale Duomo', '56789')");
        Exec("INSERT INTO CONTO (ID, DESCRIZIONE, ID_SOCIETA, ID_BANCA_AGENZIA, CIN, CONTO_CORRENTE) "
             "VALUES (8, 'C/C Borgo', 1, 11, 'X', '000123456')");
        Exec("INSERT INTO CONTO (ID, DESCRIZIONE, ID_SOCIETA) VALUES (9, 'Cassa negozio', 1)");
    }

    // A schedule of 100.00 + 22.00 for partner 7 with formula 3, written as the schedule object
    // writes it; the references that `withReferences` leaves out are written NULL.
    void AddSchedule(long id, bool withReferences, long company = 1)
    {
        CScadenzarioSet rs(&db());
        rs.m_strFilter = "ID IS NULL";
        rs.Open();
        rs.AddNew();
        rs.ID = id;
        rs.DESCRIZIONE = "Fattura 12/A";
        rs.DATA_MOVIMENTO = Ts(2024, 3, 5, 10, 30);
        rs.IMPORTO_IMPONIBILE = "100.00";
        rs.IMPORTO_IVA = "22.00";
        rs.F_ATTIVO = 1;
        rs.F_CHIUSO = 0;
        rs.SetFieldNull(&rs.F_CHIUSO, FALSE);
        rs.ID_SOCIETA = company;
        rs.NUMERO_SCADENZE = 2;
        if (withReferences) {
            rs.ID_SOGGETTO = 7;
            rs.ID_FORMULA_PAGAMENTO = 3;
            rs.ID_COLLABORATORE = 4;
        } else {
            rs.SetFieldNull(&rs.ID_SOGGETTO);
            rs.SetFieldNull(&rs.ID_FORMULA_PAGAMENTO);
            rs.SetFieldNull(&rs.ID_COLLABORATORE);
        }
        ASSERT_TRUE(rs.Update());
        rs.Close();
    }

    // An instalment of a schedule; a payment type not greater than 0 is written NULL.
    void AddInstalment(long id, long schedule, const TIMESTAMP_STRUCT& due, const char* amount, long paymentType,
                       bool settled, long number)
    {
        CScadenzaSet rs(&db());
        rs.m_strFilter = "ID IS NULL";
        rs.Open();
        rs.AddNew();
        rs.ID = id;
        rs.ID_SCADENZARIO = schedule;
        rs.DATA_REGISTRAZIONE = Ts(2024, 3, 5);
        rs.DATA_SCADENZA = due;
        rs.IMPORTO = amount;
        rs.NOTA = "nota rata";
        rs.F_EVASA = settled ? 1 : 0;
        rs.SetFieldNull(&rs.F_EVASA, FALSE);
        rs.NUMERO = number;
        if (paymentType > 0)
            rs.ID_TIPO_PAGAMENTO = paymentType;
        else
            rs.SetFieldNull(&rs.ID_TIPO_PAGAMENTO);
        if (settled)
            rs.DATA_PAGAMENTO = due;
        else
            rs.SetFieldNull(&rs.DATA_PAGAMENTO);
        ASSERT_TRUE(rs.Update());
        rs.Close();
    }

    void SettleInstalment(long id)
    {
        CScadenzaSet rs(&db());
        rs.m_strFilter.Format("ID = %ld", id);
        rs.Open();
        ASSERT_FALSE(rs.IsEOF());
        rs.Edit();
        rs.F_EVASA = 1;
        rs.DATA_PAGAMENTO = Ts(2024, 6, 3);
        ASSERT_TRUE(rs.Update());
        rs.Close();
    }

    void AddBillLink(long bill, long instalment)
    {
        CEffettoScadenzaSet rs(&db());
        rs.m_strFilter = "ID_EFFETTO IS NULL";
        rs.Open();
        rs.AddNew();
        rs.ID_EFFETTO = bill;
        rs.ID_SCADENZA = instalment;
        rs.Update();
        rs.Close();
    }
};

TEST_P(PaymentViews, ScheduleShowsItsNamesAndTheStateOfItsInstalments)
{
    AddSchedule(1, true);
    AddInstalment(10, 1, Ts(2024, 4, 30), "61.00", 2, true, 1);
    AddInstalment(11, 1, Ts(2024, 5, 31), "61.00", -1, false, 2);

    CScadenzarioCompletoSet rs(&db());
    rs.m_strFilter = "ID = 1";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.ID, 1);
    EXPECT_STREQ(rs.DESCRIZIONE, "Fattura 12/A");
    ExpectDate(rs.DATA_MOVIMENTO, 2024, 3, 5);
    EXPECT_EQ(rs.DATA_MOVIMENTO.hour, 10);
    EXPECT_EQ(rs.DATA_MOVIMENTO.minute, 30);
    EXPECT_EQ(rs.ANNO, 2024);
    EXPECT_EQ(rs.ID_SOGGETTO, 7);
    EXPECT_STREQ(rs.SOGGETTO, "Rossi Forniture srl");
    EXPECT_STREQ(rs.IMPORTO_IMPONIBILE, "100.00");
    EXPECT_STREQ(rs.IMPORTO_IVA, "22.00");
    EXPECT_STREQ(rs.IMPORTO_TOTALE, "122.00");
    EXPECT_STREQ(rs.PERC_SCADENZE_INEVASE, "50.00");
    EXPECT_EQ(rs.NUM_SCADENZE, 2);
    EXPECT_EQ(rs.CHIUSO_SCADENZE, 0);
    EXPECT_STREQ(rs.IMPORTO_EVASO, "61.00");
    EXPECT_STREQ(rs.IMPORTO_RESIDUO, "61.00");
    EXPECT_EQ(rs.CHIUSO, 0);
    EXPECT_EQ(rs.ID_FORMULA_PAGAMENTO, 3);
    EXPECT_STREQ(rs.FORMULA_PAGAMENTO, "30-60 gg d.f.");
    EXPECT_EQ(rs.F_ATTIVO, 1);
    EXPECT_EQ(rs.SOC_ID, 1);
    EXPECT_STREQ(rs.SOC_NOME, "Negozio centro");
    EXPECT_STREQ(rs.SOC_RAGIONE_SOCIALE, "Centro Casa srl");
    EXPECT_EQ(rs.ID_COLLABORATORE, 4);
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
    rs.Close();

    // Settling the second instalment closes the schedule's instalments and leaves nothing due.
    SettleInstalment(11);
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.CHIUSO_SCADENZE, 1);
    EXPECT_STREQ(rs.IMPORTO_EVASO, "122.00");
    EXPECT_STREQ(rs.IMPORTO_RESIDUO, "0.00");
    EXPECT_STREQ(rs.PERC_SCADENZE_INEVASE, "0.00");
}

TEST_P(PaymentViews, ScheduleWithoutReferencesOrInstalmentsShowsNulls)
{
    AddSchedule(2, false, 99);  // company 99 does not exist

    CScadenzarioCompletoSet rs(&db());
    rs.m_strFilter = "ID = 2";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_TRUE(rs.IsFieldNull(&rs.ID_SOGGETTO));
    EXPECT_TRUE(rs.IsFieldNull(&rs.SOGGETTO));
    EXPECT_TRUE(rs.IsFieldNull(&rs.ID_FORMULA_PAGAMENTO));
    EXPECT_TRUE(rs.IsFieldNull(&rs.FORMULA_PAGAMENTO));
    EXPECT_TRUE(rs.IsFieldNull(&rs.ID_COLLABORATORE));
    EXPECT_EQ(rs.SOC_ID, 99);
    EXPECT_TRUE(rs.IsFieldNull(&rs.SOC_NOME));
    EXPECT_TRUE(rs.IsFieldNull(&rs.SOC_RAGIONE_SOCIALE));
    EXPECT_EQ(rs.NUM_SCADENZE, 0);
    EXPECT_FALSE(rs.IsFieldNull(&rs.NUM_SCADENZE));
    EXPECT_EQ(rs.CHIUSO_SCADENZE, 0);
    EXPECT_TRUE(rs.IsFieldNull(&rs.PERC_SCADENZE_INEVASE));
    EXPECT_STREQ(rs.IMPORTO_TOTALE, "122.00");
    EXPECT_STREQ(rs.IMPORTO_EVASO, "0.00");
    EXPECT_STREQ(rs.IMPORTO_RESIDUO, "122.00");
    rs.Close();

    // The per-instalment view still lists the schedule once, with empty instalment columns.
    CScadenzarioCompletoScadenzeSet rows(&db());
    rows.m_strFilter = "ID = 2";
    rows.Open();
    ASSERT_FALSE(rows.IsEOF());
    EXPECT_TRUE(rows.IsFieldNull(&rows.SC_ID));
    EXPECT_TRUE(rows.IsFieldNull(&rows.SC_IMPORTO));
    EXPECT_TRUE(rows.IsFieldNull(&rows.SC_IMPORTO_EVASO));
    EXPECT_TRUE(rows.IsFieldNull(&rows.SC_NETTO));
    EXPECT_TRUE(rows.IsFieldNull(&rows.SC_DATA_SCADENZA));
    EXPECT_STREQ(rows.IMPORTO_TOTALE, "122.00");
    rows.MoveNext();
    EXPECT_TRUE(rows.IsEOF());
}

TEST_P(PaymentViews, ScheduleRowsPerInstalmentSplitSettledAndDue)
{
    AddSchedule(1, true);
    AddInstalment(11, 1, Ts(2024, 5, 31), "61.00", -1, false, 2);
    AddInstalment(10, 1, Ts(2024, 4, 30), "61.00", 2, true, 1);

    CScadenzarioCompletoScadenzeSet rs(&db());
    rs.m_strFilter = "ID = 1";
    rs.m_strSort = "SC_DATA_SCADENZA";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.SC_ID, 10);
    EXPECT_EQ(rs.ANNO, 2024);
    EXPECT_STREQ(rs.SOGGETTO, "Rossi Forniture srl");
    EXPECT_STREQ(rs.FORMULA_PAGAMENTO, "30-60 gg d.f.");
    ExpectDate(rs.SC_DATA_SCADENZA, 2024, 4, 30);
    ExpectDate(rs.SC_DATA_PAGAMENTO, 2024, 4, 30);
    EXPECT_EQ(rs.SC_ID_TIPO_PAGAMENTO, 2);
    EXPECT_STREQ(rs.SC_TP_DESCRIZIONE, "Ricevuta bancaria");
    EXPECT_STREQ(rs.SC_IMPORTO, "61.00");
    EXPECT_STREQ(rs.SC_IMPORTO_EVASO, "61.00");
    EXPECT_STREQ(rs.SC_NETTO, "0.00");
    EXPECT_STREQ(rs.SC_NOTA, "nota rata");
    EXPECT_EQ(rs.SC_F_EVASA, 1);
    EXPECT_EQ(rs.CHIUSO_SCADENZE, 0);
    rs.MoveNext();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.SC_ID, 11);
    EXPECT_TRUE(rs.IsFieldNull(&rs.SC_DATA_PAGAMENTO));
    EXPECT_TRUE(rs.IsFieldNull(&rs.SC_ID_TIPO_PAGAMENTO));
    EXPECT_TRUE(rs.IsFieldNull(&rs.SC_TP_DESCRIZIONE));
    EXPECT_STREQ(rs.SC_IMPORTO_EVASO, "0.00");
    EXPECT_STREQ(rs.SC_NETTO, "61.00");
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
}

TEST_P(PaymentViews, InstalmentShowsItsPaymentTypeAndSchedule)
{
    AddSchedule(1, true);
    AddInstalment(11, 1, Ts(2024, 5, 31), "61.00", -1, false, 2);
    AddInstalment(10, 1, Ts(2024, 4, 30), "61.00", 2, true, 1);
    AddInstalment(12, 1, Ts(2024, 4, 30), "0.50", 2, false, 3);

    // The order the schedule loads its instalments in: due date, then position.
    CScadenzaCompletaSet rs(&db());
    rs.m_strFilter = "SCAD_ID = 1";
    rs.m_strSort = "SCA_DATA_SCADENZA, SCA_NUMERO";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.SCA_ID, 10);
    ExpectDate(rs.SCA_DATA_REGISTRAZIONE, 2024, 3, 5);
    ExpectDate(rs.SCA_DATA_SCADENZA, 2024, 4, 30);
    ExpectDate(rs.SCA_DATA_PAGAMENTO, 2024, 4, 30);
    EXPECT_EQ(rs.SCA_ID_TIPO_PAGAMENTO, 2);
    EXPECT_STREQ(rs.SCA_TIPO_PAGAMENTO, "Ricevuta bancaria");
    EXPECT_STREQ(rs.SCA_IMPORTO, "61.00");
    EXPECT_STREQ(rs.SCA_NOTA, "nota rata");
    EXPECT_EQ(rs.SCA_F_EVASA, 1);
    EXPECT_EQ(rs.SCA_NUMERO, 1);
    EXPECT_EQ(rs.SCAD_ID, 1);
    EXPECT_STREQ(rs.SCAD_DESCRIZIONE, "Fattura 12/A");
    ExpectDate(rs.SCAD_DATA_MOVIMENTO, 2024, 3, 5);
    EXPECT_EQ(rs.SCAD_SOGGETTO_ID, 7);
    EXPECT_STREQ(rs.SCAD_RAGIONE_SOCIALE, "Rossi Forniture srl");
    EXPECT_STREQ(rs.SCAD_IMPORTO_IMPONIBILE, "100.00");
    EXPECT_STREQ(rs.SCAD_IMPORTO_IVA, "22.00");
    EXPECT_STREQ(rs.SCAD_IMPORTO_TOTALE, "122.00");
    EXPECT_EQ(rs.SCAD_ID_FORMULA_PAGAMENTO, 3);
    EXPECT_EQ(rs.SCAD_F_ATTIVO, 1);
    EXPECT_EQ(rs.SCAD_F_CHIUSO, 0);
    EXPECT_EQ(rs.SCAD_ID_SOCIETA, 1);
    EXPECT_EQ(rs.SCAD_ID_COLLABORATORE, 4);
    EXPECT_EQ(rs.SCAD_NUMERO_SCADENZE, 2);
    rs.MoveNext();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.SCA_ID, 12);
    rs.MoveNext();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.SCA_ID, 11);
    EXPECT_TRUE(rs.IsFieldNull(&rs.SCA_ID_TIPO_PAGAMENTO));
    EXPECT_TRUE(rs.IsFieldNull(&rs.SCA_TIPO_PAGAMENTO));
    EXPECT_TRUE(rs.IsFieldNull(&rs.SCA_DATA_PAGAMENTO));
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
    rs.Close();

    // A bill gathers instalments by id, across schedules.
    rs.m_strFilter = "SCA_ID IN (11,10)";
    rs.m_strSort = "SCA_DATA_SCADENZA";
    rs.Open();
    EXPECT_EQ(rs.GetRecordCount(), 2);
}

TEST_P(PaymentViews, InstalmentWhoseScheduleIsMissingKeepsItsOwnReference)
{
    AddInstalment(20, 55, Ts(2024, 7, 31), "10.00", 4, false, 1);

    CScadenzaCompletaSet rs(&db());
    rs.m_strFilter = "SCA_ID = 20";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.SCAD_ID, 55);
    EXPECT_STREQ(rs.SCA_TIPO_PAGAMENTO, "Contanti");
    EXPECT_TRUE(rs.IsFieldNull(&rs.SCAD_DESCRIZIONE));
    EXPECT_TRUE(rs.IsFieldNull(&rs.SCAD_SOGGETTO_ID));
    EXPECT_TRUE(rs.IsFieldNull(&rs.SCAD_RAGIONE_SOCIALE));
    EXPECT_TRUE(rs.IsFieldNull(&rs.SCAD_IMPORTO_TOTALE));
    EXPECT_TRUE(rs.IsFieldNull(&rs.SCAD_NUMERO_SCADENZE));
    EXPECT_TRUE(rs.IsFieldNull(&rs.SCAD_DATA_MOVIMENTO));
}

TEST_P(PaymentViews, ScheduleDocumentLinksShowTheDocumentAndItsReason)
{
    Exec("INSERT INTO CAUSALE (ID, DESCRIZIONE, TIPO_DOCUMENTO) VALUES (4, 'Fattura accompagnatoria', 'FAT')");
    Exec("INSERT INTO DOCUMENTO (ID, DATA_DOCUMENTO, DATA_MOVIMENTO, NUMERO, ANNO, SERIE, ID_CAUSALE, TOTALE) "
         "VALUES (5, '2024-03-04 00:00:00', '2024-03-05 00:00:00', 12, 2024, 'A', 4, '122.00')");
    Exec("INSERT INTO DOCUMENTO (ID, NUMERO, ANNO) VALUES (6, 13, 2024)");
    AddSchedule(1, true);
    for (long document : {5L, 6L}) {
        CScadenzarioDocumentoSet rs(&db());
        rs.m_strFilter = "ID_SCADENZARIO = 1";
        rs.Open();
        rs.AddNew();
        rs.ID_SCADENZARIO = 1;
        rs.ID_DOCUMENTO = document;
        rs.F_RIPORTA_IN_DOCUMENTO = document == 5 ? 1 : 0;
        rs.SetFieldNull(&rs.F_RIPORTA_IN_DOCUMENTO, FALSE);
        ASSERT_TRUE(rs.Update());
        rs.Close();
    }

    CScadenzarioDocumentoCompletoSet rs(&db());
    rs.m_strFilter = "ID_SCAD = 1";
    rs.m_strSort = "ID_DOC";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.ID_SCAD, 1);
    EXPECT_EQ(rs.ID_FORMULA_PAGAMENTO, 3);
    EXPECT_EQ(rs.ID_DOC, 5);
    ExpectDate(rs.DATA_DOC, 2024, 3, 4);
    ExpectDate(rs.DATA_MOVIMENTO_DOC, 2024, 3, 5);
    EXPECT_EQ(rs.NUMERO_DOC, 12);
    EXPECT_EQ(rs.ANNO_DOC, 2024);
    EXPECT_STREQ(rs.SERIE_DOC, "A");
    EXPECT_EQ(rs.ID_CAUSALE_DOC, 4);
    EXPECT_STREQ(rs.DESCRIZIONE_CAUSALE_DOC, "Fattura accompagnatoria");
    ExpectDate(rs.DATA_MOVIMENTO, 2024, 3, 5);
    EXPECT_STREQ(rs.DESCRIZIONE, "Fattura 12/A");
    EXPECT_EQ(rs.F_ATTIVO, 1);
    EXPECT_STREQ(rs.TIPO_DOCUMENTO, "FAT");
    EXPECT_STREQ(rs.TOTALE_DOC, "122.00");
    EXPECT_EQ(rs.F_RIPORTA_IN_DOCUMENTO, 1);
    rs.MoveNext();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.ID_DOC, 6);
    EXPECT_TRUE(rs.IsFieldNull(&rs.ID_CAUSALE_DOC));
    EXPECT_TRUE(rs.IsFieldNull(&rs.DESCRIZIONE_CAUSALE_DOC));
    EXPECT_TRUE(rs.IsFieldNull(&rs.TIPO_DOCUMENTO));
    EXPECT_TRUE(rs.IsFieldNull(&rs.DATA_DOC));
    EXPECT_EQ(rs.F_RIPORTA_IN_DOCUMENTO, 0);
    rs.Close();

    // A document is linked to a schedule once.
    CScadenzarioDocumentoSet again(&db());
    again.m_strFilter = "ID_SCADENZARIO = 1";
    again.Open();
    again.AddNew();
    again.ID_SCADENZARIO = 1;
    again.ID_DOCUMENTO = 5;
    EXPECT_THROW(again.Update(), CDBException);
    again.CancelUpdate();
    EXPECT_EQ(CountRows("SCADENZARIO_DOCUMENTO"), 2);
}

TEST_P(PaymentViews, BillShowsItsNamesAndCountsItsInstalments)
{
    AddSchedule(1, true);
    AddInstalment(10, 1, Ts(2024, 4, 30), "61.00", 2, false, 1);
    AddInstalment(11, 1, Ts(2024, 5, 31), "61.00", 2, false, 2);
    {
        CEffettoSet rs(&db());
        rs.m_strFilter = "ID IS NULL";
        rs.Open();
        rs.AddNew();
        rs.ID = 30;
        rs.IMPORTO = "122.00";
        rs.DATA_REGISTRAZIONE = Ts(2024, 3, 6);
        rs.DATA_EFFETTO = Ts(2024, 4, 30);
        rs.ID_SOGGETTO = 7;
        rs.ID_TIPO_EFFETTO = 2;
        rs.ID_CONTO = 8;
        rs.F_ATTIVO = 1;
        rs.NOTE = "RIBA aprile";
        rs.ID_SOCIETA = 1;
        rs.F_CHIUDI_SCADENZE = 1;
        rs.F_REG_GIORNALE_CASSA = 0;
        rs.SetFieldNull(&rs.F_REG_GIORNALE_CASSA, FALSE);
        ASSERT_TRUE(rs.Update());
        // A bill of nobody, on no account, with no date yet.
        rs.AddNew();
        rs.ID = 31;
        rs.IMPORTO = "5.00";
        rs.DATA_REGISTRAZIONE = Ts(2024, 3, 6);
        rs.SetFieldNull(&rs.DATA_EFFETTO);
        rs.SetFieldNull(&rs.ID_SOGGETTO);
        rs.ID_TIPO_EFFETTO = -1;
        rs.SetFieldNull(&rs.ID_CONTO);
        rs.F_ATTIVO = -1;
        rs.ID_SOCIETA = 1;
        ASSERT_TRUE(rs.Update());
        rs.Close();
    }
    AddBillLink(30, 10);
    AddBillLink(30, 11);

    CEffettoCompletoSet rs(&db());
    rs.m_strFilter = "ID = 30";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_STREQ(rs.IMPORTO, "122.00");
    ExpectDate(rs.DATA_REGISTRAZIONE, 2024, 3, 6);
    ExpectDate(rs.DATA_EFFETTO, 2024, 4, 30);
    EXPECT_EQ(rs.ID_SOGGETTO, 7);
    EXPECT_STREQ(rs.SOGGETTO, "Rossi Forniture srl");
    EXPECT_EQ(rs.ID_TIPO_EFFETTO, 2);
    EXPECT_STREQ(rs.TIPO_EFFETTO, "Ricevuta bancaria");
    EXPECT_EQ(rs.ID_CONTO, 8);
    EXPECT_STREQ(rs.DESCRIZIONE_CONTO, "C/C Borgo");
    EXPECT_STREQ(rs.NOTE, "RIBA aprile");
    EXPECT_EQ(rs.F_ATTIVO, 1);
    EXPECT_EQ(rs.NUM_SCADENZE, 2);
    EXPECT_EQ(rs.ID_SOCIETA, 1);
    EXPECT_STREQ(rs.NOME_SOCIETA, "Negozio centro");
    EXPECT_STREQ(rs.RAGIONE_SOCIALE_SOCIETA, "Centro Casa srl");
    EXPECT_EQ(rs.F_CHIUDI_SCADENZE, 1);
    EXPECT_EQ(rs.F_REG_GIORNALE_CASSA, 0);
    rs.Close();

    rs.m_strFilter = "ID = 31";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.DATA_EFFETTO.GetStatus(), COleDateTime::null);
    EXPECT_TRUE(rs.IsFieldNull(&rs.ID_SOGGETTO));
    EXPECT_TRUE(rs.IsFieldNull(&rs.SOGGETTO));
    EXPECT_EQ(rs.ID_TIPO_EFFETTO, -1);
    EXPECT_TRUE(rs.IsFieldNull(&rs.TIPO_EFFETTO));
    EXPECT_TRUE(rs.IsFieldNull(&rs.ID_CONTO));
    EXPECT_TRUE(rs.IsFieldNull(&rs.DESCRIZIONE_CONTO));
    EXPECT_EQ(rs.NUM_SCADENZE, 0);
    EXPECT_EQ(rs.F_ATTIVO, -1);
}

TEST_P(PaymentViews, BillInstalmentLinksOutliveADeletedBillOrInstalment)
{
    AddSchedule(1, true);
    AddInstalment(10, 1, Ts(2024, 4, 30), "61.00", 2, true, 1);
    AddInstalment(11, 1, Ts(2024, 5, 31), "61.00", 2, false, 2);
    Exec("INSERT INTO EFFETTO (ID, IMPORTO, DATA_REGISTRAZIONE, DATA_EFFETTO, F_ATTIVO, ID_SOCIETA) "
         "VALUES (30, '122.00', '2024-03-06 00:00:00', '2024-04-30 00:00:00', 1, 1)");
    AddBillLink(30, 10);
    AddBillLink(30, 11);
    {
        CEFFETTO_CONTABILITA rs(&db());
        rs.m_strFilter = "ID_EFFETTO = 30";
        rs.Open();
        rs.AddNew();
        rs.ID_EFFETTO = 30;
        rs.ID_PIANO_DEI_CONTI = 2;
        rs.ID_CONTO_MASTRO_SOGGETTO = 301;
        rs.SetFieldNull(&rs.ID_CONTO_MASTRO_CONTO);
        ASSERT_TRUE(rs.Update());
        rs.Close();
    }

    {
        CEffettoScadenzaCompletoSet rs(&db());
        rs.m_strFilter = "ID = 30";
        rs.m_strSort = "SC_DATA_SCADENZA";
        rs.Open();
        ASSERT_FALSE(rs.IsEOF());
        EXPECT_STREQ(rs.IMPORTO, "122.00");
        ExpectDate(rs.DATA_REGISTRAZIONE, 2024, 3, 6);
        ExpectDate(rs.DATA_EFFETTO, 2024, 4, 30);
        EXPECT_EQ(rs.F_ATTIVO, 1);
        EXPECT_EQ(rs.SC_ID, 10);
        ExpectDate(rs.SC_DATA_SCADENZA, 2024, 4, 30);
        ExpectDate(rs.SC_DATA_PAGAMENTO, 2024, 4, 30);
        EXPECT_STREQ(rs.SC_IMPORTO, "61.00");
        EXPECT_EQ(rs.SC_F_EVASA, 1);
        EXPECT_STREQ(rs.SC_SOGGETTO, "Rossi Forniture srl");
        EXPECT_EQ(rs.SC_F_ATTIVA, 1);
        EXPECT_EQ(rs.ID_SOCIETA, 1);
        rs.MoveNext();
        ASSERT_FALSE(rs.IsEOF());
        EXPECT_EQ(rs.SC_ID, 11);
        EXPECT_TRUE(rs.IsFieldNull(&rs.SC_DATA_PAGAMENTO));
    }

    // Deleting an instalment or a bill by its own row leaves the links and the accounting row:
    // the library removes those itself when it means to.
    Exec("DELETE FROM SCADENZA WHERE ID = 11");
    Exec("DELETE FROM EFFETTO WHERE ID = 30");
    EXPECT_EQ(CountRows("EFFETTO_SCADENZA"), 2);
    EXPECT_EQ(CountRows("EFFETTO_CONTABILITA"), 1);

    CEffettoScadenzaCompletoSet rs(&db());
    rs.m_strFilter = "SC_ID = 11";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.ID, 30);
    EXPECT_TRUE(rs.IsFieldNull(&rs.IMPORTO));
    EXPECT_TRUE(rs.IsFieldNull(&rs.F_ATTIVO));
    EXPECT_TRUE(rs.IsFieldNull(&rs.SC_IMPORTO));
    EXPECT_TRUE(rs.IsFieldNull(&rs.SC_SOGGETTO));
    EXPECT_TRUE(rs.IsFieldNull(&rs.SC_DATA_SCADENZA));
    rs.Close();

    // The accounting row is found, edited and deleted by the bill's id.
    CEFFETTO_CONTABILITA accounting(&db());
    accounting.m_strFilter = "ID_EFFETTO = 30";
    accounting.Open();
    ASSERT_FALSE(accounting.IsEOF());
    EXPECT_EQ(accounting.ID_CONTO_MASTRO_SOGGETTO, 301);
    EXPECT_TRUE(accounting.IsFieldNull(&accounting.ID_CONTO_MASTRO_CONTO));
    accounting.Edit();
    accounting.ID_CONTO_MASTRO_CONTO = 120;
    ASSERT_TRUE(accounting.Update());
    EXPECT_EQ(QueryLong("SELECT ID_CONTO_MASTRO_CONTO FROM EFFETTO_CONTABILITA WHERE ID_EFFETTO = 30"), 120);
    accounting.Delete();
    EXPECT_EQ(CountRows("EFFETTO_CONTABILITA"), 0);
}

TEST_P(PaymentViews, FormulaInstalmentsAndTillPaymentsShowTheirTypes)
{
    Exec("INSERT INTO VOCE_FORMULA_PAGAMENTO (ID, GIORNI, PERCENTUALE, ID_FORMULA_PAGAMENTO, F_FINE_MESE, "
         "ID_TIPO_PAGAMENTO) VALUES (1, 30, '50', 3, 1, 2)");
    Exec("INSERT INTO VOCE_FORMULA_PAGAMENTO (ID, GIORNI, PERCENTUALE, ID_FORMULA_PAGAMENTO, F_FINE_MESE) "
         "VALUES (2, 60, '50', 3, 1)");
    {
        CVoceFormulaPagamentoCompletaSet rs(&db());
        rs.m_strFilter = "ID_FORMULA_PAGAMENTO = 3";
        rs.m_strSort = "GIORNI";
        rs.Open();
        ASSERT_FALSE(rs.IsEOF());
        EXPECT_EQ(rs.GIORNI, 30);
        EXPECT_STREQ(rs.PERCENTUALE, "50");
        EXPECT_STREQ(rs.DESCRIZIONE_FORMULA_PAGAMENTO, "30-60 gg d.f.");
        EXPECT_EQ(rs.F_FINE_MESE, 1);
        EXPECT_EQ(rs.ID_TIPO_PAGAMENTO, 2);
        EXPECT_STREQ(rs.DESCRIZIONE_TIPO_PAGAMENTO, "Ricevuta bancaria");
        rs.MoveNext();
        ASSERT_FALSE(rs.IsEOF());
        EXPECT_EQ(rs.GIORNI, 60);
        EXPECT_TRUE(rs.IsFieldNull(&rs.ID_TIPO_PAGAMENTO));
        EXPECT_TRUE(rs.IsFieldNull(&rs.DESCRIZIONE_TIPO_PAGAMENTO));
    }

    // A till sale paid partly in cash, twice by the same card type, and with a type the till
    // no longer knows: every payment is a row of its own.
    Exec("INSERT INTO DOCUMENTO (ID, NUMERO, ANNO) VALUES (5, 1, 2024)");
    {
        CPagamentoBancoSet rs(&db());
        rs.m_strFilter = "ID_DOCUMENTO = 5";
        rs.Open();
        const struct {
            long type;
            const char* value;
        } payments[] = {{4, "20.00"}, {2, "10.50"}, {2, "10.50"}, {99, "1.00"}};
        for (const auto& p : payments) {
            rs.AddNew();
            rs.ID_DOCUMENTO = 5;
            rs.ID_TIPO_PAGAMENTO = p.type;
            rs.VALORE = p.value;
            ASSERT_TRUE(rs.Update());
        }
        rs.Close();
    }
    CPagamentoBancoCompletoSet rs(&db());
    rs.m_strFilter = "ID_DOCUMENTO = 5";
    rs.m_strSort = "ID_TIPO_PAGAMENTO DESC";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.ID_TIPO_PAGAMENTO, 99);
    EXPECT_STREQ(rs.VALORE, "1.00");
    EXPECT_TRUE(rs.IsFieldNull(&rs.DESCRIZIONE));
    EXPECT_TRUE(rs.IsFieldNull(&rs.CODICE_CASSA));
    rs.MoveNext();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.ID_TIPO_PAGAMENTO, 4);
    EXPECT_STREQ(rs.VALORE, "20.00");
    EXPECT_STREQ(rs.DESCRIZIONE, "Contanti");
    EXPECT_STREQ(rs.DESCRIZIONE_RIDOTTA, "CONT");
    EXPECT_EQ(rs.F_BANCO, 1);
    EXPECT_EQ(rs.CODICE_CASSA, 1);
    rs.MoveNext();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.ID_TIPO_PAGAMENTO, 2);
    EXPECT_STREQ(rs.DESCRIZIONE, "Ricevuta bancaria");
    rs.MoveNext();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.ID_TIPO_PAGAMENTO, 2);
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
    rs.Close();

    // The till replaces a document's payments with one statement on the document.
    Exec("DELETE FROM PAGAMENTO_BANCO WHERE ID_DOCUMENTO = 5");
    EXPECT_EQ(CountRows("PAGAMENTO_BANCO"), 0);
}

TEST_P(PaymentViews, WithdrawalKeepsItsTimeAndItsCoinCounts)
{
    CPrelievoBancoSet rs(&db());
    rs.m_strFilter = "ID IS NULL";
    rs.Open();
    rs.AddNew();
    rs.ID = 40;
    rs.DATA = COleDateTime(2024, 3, 5, 18, 45, 10);
    rs.VALORE = "150.005";
    rs.ID_SOCIETA = 1;
    rs.ID_POSTAZIONE = "CASSA1";
    rs.ID_COLLABORATORE = 0;
    rs.SetFieldNull(&rs.ID_COLLABORATORE, FALSE);
    ASSERT_TRUE(rs.Update());
    rs.Close();

    CPrelievoBancoMonetaSet coins(&db());
    coins.m_strFilter = "ID_PRELIEVO = 40";
    coins.Open();
    for (long kind : {5L, 7L}) {
        coins.AddNew();
        coins.ID_PRELIEVO = 40;
        coins.ID_PEZZO_MONETA = kind;
        coins.NUMERO = kind * 2;
        ASSERT_TRUE(coins.Update());
    }
    coins.Close();

    CPrelievoBancoSet read(&db());
    read.m_strFilter = "ID = 40";
    read.Open();
    ASSERT_FALSE(read.IsEOF());
    ExpectDate(read.DATA, 2024, 3, 5);
    EXPECT_EQ(read.DATA.GetHour(), 18);
    EXPECT_EQ(read.DATA.GetMinute(), 45);
    EXPECT_EQ(read.DATA.GetSecond(), 10);
    EXPECT_STREQ(read.VALORE, "150.005");
    EXPECT_STREQ(read.ID_POSTAZIONE, "CASSA1");
    EXPECT_FALSE(read.IsFieldNull(&read.ID_COLLABORATORE));
    EXPECT_EQ(read.ID_COLLABORATORE, 0);
    read.Close();

    coins.m_strSort = "ID_PEZZO_MONETA";
    coins.Open();
    ASSERT_EQ(coins.GetRecordCount(), 2);
    EXPECT_EQ(coins.ID_PEZZO_MONETA, 5);
    EXPECT_EQ(coins.NUMERO, 10);
    coins.Close();

    // The coin rows go with their withdrawal, and the withdrawal rewrites them with one statement.
    Exec("DELETE FROM PRELIEVO_BANCO_MONETA WHERE ID_PRELIEVO = 40");
    EXPECT_EQ(CountRows("PRELIEVO_BANCO_MONETA"), 0);
    EXPECT_EQ(CountRows("PRELIEVO_BANCO"), 1);
}

// A withdrawal loaded twice holds its coins twice; saving it so must not fail half-way after its
// old counts were deleted, so the same coin kind may be written twice.
TEST_P(PaymentViews, WithdrawalCoinsSavedTwiceAreKept)
{
    Exec("INSERT INTO PRELIEVO_BANCO (ID, VALORE) VALUES (41, '10.00')");
    CPrelievoBancoMonetaSet coins(&db());
    coins.m_strFilter = "ID_PRELIEVO IS NULL";
    coins.Open();
    for (int i = 0; i < 2; ++i) {
        coins.AddNew();
        coins.ID_PRELIEVO = 41;
        coins.ID_PEZZO_MONETA = 5;
        coins.NUMERO = 5;
        ASSERT_TRUE(coins.Update());
    }
    coins.Close();
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM PRELIEVO_BANCO_MONETA WHERE ID_PRELIEVO = 41"), 2);
}

TEST_P(PaymentViews, CashJournalEntryShowsEverythingBehindItsReferences)
{
    Exec("INSERT INTO COLLABORATORE (ID, COGNOME, NOME, ID_SOCIETA) VALUES (4, 'Bianchi', 'Anna', 1)");
    CVoceGiornaleCassaSet rs(&db());
    rs.m_strFilter = "ID IS NULL";
    rs.Open();
    rs.AddNew();
    rs.ID = 1;
    rs.DATA = Ts(2024, 3, 6, 9, 15);
    rs.DESCRIZIONE = "Incasso RIBA Rossi";
    rs.IMPORTO = "122.00";
    rs.F_ATTIVO = 1;
    rs.ID_TIPO_PAGAMENTO = 2;
    rs.ID_COLLABORATORE = 4;
    rs.ID_SOGGETTO = 7;
    rs.ID_SOCIETA = 1;
    rs.ID_CONTO = 8;
    rs.INFO1 = "uno";
    rs.INFO4 = "quattro";
    rs.NOTA = "nota";
    rs.ANNO = 2024;
    rs.ID_EFFETTO = 30;
    ASSERT_TRUE(rs.Update());
    // Cash paid out from the shop's cash account, which has no bank.
    rs.AddNew();
    rs.ID = 2;
    rs.DATA = Ts(2024, 3, 6, 12, 0);
    rs.DESCRIZIONE = "Spese postali";
    rs.IMPORTO = "4.20";
    rs.F_ATTIVO = -1;
    rs.ID_SOCIETA = 1;
    rs.ID_CONTO = 9;
    rs.SetFieldNull(&rs.ID_TIPO_PAGAMENTO);
    rs.SetFieldNull(&rs.ID_COLLABORATORE);
    rs.SetFieldNull(&rs.ID_SOGGETTO);
    rs.SetFieldNull(&rs.ID_EFFETTO);
    rs.ANNO = 2024;
    ASSERT_TRUE(rs.Update());
    rs.Close();

    CVoceGiornaleCassaCompletaSet entry(&db());
    entry.m_strSort = "ID";
    entry.Open();
    ASSERT_FALSE(entry.IsEOF());
    EXPECT_EQ(entry.ID, 1);
    ExpectDate(entry.DATA, 2024, 3, 6);
    EXPECT_EQ(entry.DATA.GetHour(), 9);
    EXPECT_STREQ(entry.DESCRIZIONE, "Incasso RIBA Rossi");
    EXPECT_STREQ(entry.IMPORTO, "122.00");
    EXPECT_EQ(entry.F_ATTIVO, 1);
    EXPECT_STREQ(entry.INFO1, "uno");
    EXPECT_TRUE(entry.IsFieldNull(&entry.INFO2));
    EXPECT_STREQ(entry.INFO4, "quattro");
    EXPECT_STREQ(entry.NOTA, "nota");
    EXPECT_EQ(entry.ANNO, 2024);
    EXPECT_EQ(entry.TIPO_PAG_ID, 2);
    EXPECT_STREQ(entry.TIPO_PAG_DESCRIZIONE, "Ricevuta bancaria");
    EXPECT_EQ(entry.COLL_ID, 4);
    EXPECT_STREQ(entry.COLL_COGNOME, "Bianchi");
    EXPECT_STREQ(entry.COLL_NOME, "Anna");
    EXPECT_EQ(entry.SOGG_ID, 7);
    EXPECT_STREQ(entry.SOGG_RAGIONE_SOCIALE, "Rossi Forniture srl");
    EXPECT_EQ(entry.SOC_ID, 1);
    EXPECT_STREQ(entry.SOC_NOME, "Negozio centro");
    EXPECT_STREQ(entry.SOC_RAGIONESOCIALE, "Centro Casa srl");
    EXPECT_EQ(entry.CONTO_ID, 8);
    EXPECT_STREQ(entry.CONTO_DESCRIZIONE, "C/C Borgo");
    EXPECT_EQ(entry.BANCA_ID, 1);
    EXPECT_STREQ(entry.BANCA_DESCRIZIONE, "Banca del Borgo");
    EXPECT_EQ(entry.BANCA_ID_AGENZIA, 11);
    EXPECT_STREQ(entry.BANCA_DESCRIZIONE_AGENZIA, "Filiale Duomo");
    EXPECT_STREQ(entry.BANCA_CAB, "56789");
    EXPECT_STREQ(entry.BANCA_ABI, "01234");
    EXPECT_STREQ(entry.BANCA_CIN, "X");
    EXPECT_STREQ(entry.BANCA_CONTO_CORRENTE, "000123456");
    entry.MoveNext();
    ASSERT_FALSE(entry.IsEOF());
    EXPECT_EQ(entry.F_ATTIVO, -1);
    EXPECT_STREQ(entry.CONTO_DESCRIZIONE, "Cassa negozio");
    EXPECT_TRUE(entry.IsFieldNull(&entry.TIPO_PAG_ID));
    EXPECT_TRUE(entry.IsFieldNull(&entry.TIPO_PAG_DESCRIZIONE));
    EXPECT_TRUE(entry.IsFieldNull(&entry.COLL_COGNOME));
    EXPECT_TRUE(entry.IsFieldNull(&entry.SOGG_RAGIONE_SOCIALE));
    EXPECT_TRUE(entry.IsFieldNull(&entry.BANCA_ID));
    EXPECT_TRUE(entry.IsFieldNull(&entry.BANCA_DESCRIZIONE));
    EXPECT_TRUE(entry.IsFieldNull(&entry.BANCA_ID_AGENZIA));
    EXPECT_TRUE(entry.IsFieldNull(&entry.BANCA_CAB));
    EXPECT_TRUE(entry.IsFieldNull(&entry.BANCA_CIN));
}

ORVEL_DATABASE_TEST_SUITE(PaymentViews);

}  // namespace
