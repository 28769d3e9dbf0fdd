// The document views as the library and the hosts read them, on both databases: rows written to
// the base tables come out of the views with the values their joins imply and NULL where a
// reference is missing; the line amounts the voucher campaigns add up; the numbering views; and
// the delete procedures, which remove a document with everything hung on it.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "afx/String.h"
#include "odbc/DBException.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/recordsets/documentlines/DocumentoVoceDocumentoSet.h"
#include "orvelmagdb/recordsets/documentlines/VociDocumentoScontrinoNofiscSet.h"
#include "orvelmagdb/recordsets/documentlines/VociDocumentoScontrinoSet.h"
#include "orvelmagdb/recordsets/documentlines/VOCE_DOCUMENTO_RIV_COMP.h"
#include "orvelmagdb/recordsets/documents/AziendaAgenteSet.h"
#include "orvelmagdb/recordsets/documents/DocumentiReferenziatiSet.h"
#include "orvelmagdb/recordsets/documents/DocumentoCausaleSet.h"
#include "orvelmagdb/recordsets/documents/DocumentoStatoOrdineSet.h"
#include "orvelmagdb/recordsets/documents/ListaDocumentoSet.h"
#include "orvelmagdb/recordsets/documents/OrdineClienteCompletoSet.h"
#include "orvelmagdb/recordsets/documents/OrdineClienteListaSet.h"
#include "orvelmagdb/recordsets/documents/OrdineUltimoCodiceSet.h"
#include "orvelmagdb/recordsets/documents/PiePaginaTrasportoDocumentoSet.h"
#include "orvelmagdb/recordsets/documents/RicercaOrdineSet.h"
#include "orvelmagdb/recordsets/documents/DocumentoSet.h"
#include "orvelmagdb/recordsets/documents/NumeroDocumentoSet.h"
#include "orvelmagdb/recordsets/documents/PiePaginaPagamentoDocumentoSet.h"
#include "orvelmagdb/recordsets/documents/ProgressivoCausaleCompletoSet.h"
#include "orvelmagdb/recordsets/documents/RicercaDocumentoSet.h"
#include "orvelmagdb/recordsets/documents/TestataDocumentoSet.h"
#include "support/DatabaseTest.h"

namespace {

class DocumentViews : public orvel::test::DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        CSchema::Create(db());
    }

    // A company with a shop (its site) and a depot, an agent, a payment formula, a bank branch,
    // an order state and a sales reason: what a complete header names.
    void AddMasterRows()
    {
        Exec("INSERT INTO SOCIETA (ID, NOME, RAGIONE_SOCIALE, PARTITA_IVA, INFO1, FILE_LOGO) "
             "VALUES (1, 'Orvel', 'Orvel S.r.l.', 'IT01234567890', 'Via Roma 1', 'logo.png')");
        Exec("INSERT INTO TIPO_SEDE (ID, NOME) VALUES (1, 'Negozio')");
        Exec("INSERT INTO TIPO_SEDE (ID, NOME) VALUES (2, 'Magazzino')");
        Exec("INSERT INTO SEDE_SOCIETA (ID, ID_SOCIETA, IDTIPOSEDE, VIA, CAP, NOMEZONAPOSTALE, SIGLAPROVINCIA) "
             "VALUES (10, 1, 1, 'Corso Italia 5', '20100', 'Milano', 'MI')");
        Exec("INSERT INTO SEDE_SOCIETA (ID, ID_SOCIETA, IDTIPOSEDE, VIA, CAP, NOMEZONAPOSTALE, SIGLAPROVINCIA, "
             "F_DEPOSITO) VALUES (11, 1, 2, 'Via del Porto 9', '16100', 'Genova', 'GE', 1)");
        Exec("INSERT INTO COLLABORATORE (ID, COGNOME, NOME, ID_SOCIETA, F_AGENTE) VALUES (5, 'Rossi', 'Mario', 1, 1)");
        Exec("INSERT INTO FORMULA_PAGAMENTO (ID, DESCRIZIONE) VALUES (3, 'Rimessa diretta')");
        Exec("INSERT INTO BANCA (ID, DESCRIZIONE, ABI) VALUES (4, 'Banca Uno', '01234')");
        Exec("INSERT INTO BANCA_AGENZIA (ID, ID_BANCA, DESCRIZIONE, CAB) VALUES (40, 4, 'Filiale Centro', '56789')");
        Exec("INSERT INTO STATO_ORDINE (ID, NOME, ICONA, O_INVIO, O_APERTO_CHIUSO) VALUES (2, 'Confermato', 7, 1, 1)");
        Exec("INSERT INTO CAUSALE (ID, DESCRIZIONE, TIPO_DOCUMENTO, F_VALORE, F_QUANTITA, F_CLIENTE, F_ORDINE_DA_CLIENTE, "
             "F_ELIMINA, F_MODIFICA, F_NUOVO, F_VISUALIZZA, F_VALUTAZIONE, F_RESO_VALORE, NOTE_REPORT) "
             "VALUES (20, 'Ordine cliente', 'OC', 1, -1, 1, 1, 1, 1, 0, 1, 1, 0, 'Grazie')");
        Exec("INSERT INTO CAUSALE (ID, DESCRIZIONE, TIPO_DOCUMENTO) VALUES (21, 'Fattura', 'FT')");
    }

    // A header that names everything AddMasterRows made.
    void AddFullHeader(long id)
    {
        CString sql;
        sql.Format("INSERT INTO DOCUMENTO (ID, DATA_DOCUMENTO, DATA_MOVIMENTO, NUMERO, ANNO, SERIE, ID_CAUSALE, "
                   "CLI_FAT_ID, CLI_FAT_RAGIONE_SOCIALE, CLI_SPE_INDIRIZZO1, CLI_SPE_INDIRIZZO2, ID_SOCIETA, "
                   "ID_SEDE_SOCIETA, ID_AGENTE_SEDE_SOCIETA, ID_DEPOSITO, ID_FORMULA_PAGAMENTO, ID_BANCA_AGENZIA, "
                   "ID_STATO_ORDINE, SCONTO_EXTRA, TOTALE, TOTALE_IVA, NOTA, NOTA2, POSTAZIONE, CAMBIO) "
                   "VALUES (%ld, '2024-03-15 00:00:00', '2024-03-16 09:30:00', 12, 2024, 'A', 20, 900, 'Cliente SpA', "
                   "'Via Verdi 3', 'Torino', 1, 10, 5, 11, 3, 40, 2, '12.5', '1043.10', '188.10', 'nota', 'nota due', "
                   "'CASSA1', '1.0850')",
                   id);
        Exec(sql);
    }

    long Count(const char* sql) { return static_cast<long>(QueryLong(sql)); }
};

}  // namespace

TEST_P(DocumentViews, TheHeaderLoadViewShowsWhatItsJoinsImply)
{
    AddMasterRows();
    AddFullHeader(100);
    CTestataDocumentoSet rs(&db());
    rs.m_strFilter = "D_ID = 100";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.C_ID, 20);
    EXPECT_EQ(rs.C_DESCRIZIONE, "Ordine cliente");
    EXPECT_EQ(rs.C_TIPO_DOCUMENTO, "OC");
    EXPECT_EQ(rs.C_F_QUANTITA, -1);
    EXPECT_EQ(rs.C_F_ORDINE_DA_CLIENTE, 1);
    EXPECT_EQ(rs.C_NOTE_REPORT, "Grazie");
    EXPECT_EQ(rs.D_ID, 100);
    EXPECT_EQ(rs.D_SERIE, "A");
    EXPECT_EQ(rs.D_NUMERO, 12);
    EXPECT_EQ(rs.D_ANNO, 2024);
    EXPECT_EQ(rs.D_DATA_DOCUMENTO.year, 2024);
    EXPECT_EQ(rs.D_DATA_DOCUMENTO.month, 3);
    EXPECT_EQ(rs.D_DATA_DOCUMENTO.day, 15);
    EXPECT_EQ(rs.D_DATA_MOVIMENTO.day, 16);
    EXPECT_EQ(rs.D_DATA_MOVIMENTO.hour, 9);
    EXPECT_EQ(rs.D_DATA_MOVIMENTO.minute, 30);
    EXPECT_EQ(rs.D_NOTA, "nota");
    EXPECT_EQ(rs.D_NOTA2, "nota due");
    EXPECT_EQ(rs.D_SCONTO_EXTRA, "12.5");
    EXPECT_EQ(rs.D_ID_BANCA, 4);
    EXPECT_EQ(rs.D_ID_BANCA_AGENZIA, 40);
    EXPECT_EQ(rs.D_ID_FORMULA_PAGAMENTO, 3);
    EXPECT_EQ(rs.D_FORMULA_PAGAMENTO_DESCRIZIONE, "Rimessa diretta");
    EXPECT_EQ(rs.S_ID, 1);
    EXPECT_EQ(rs.S_NOME, "Orvel");
    EXPECT_EQ(rs.S_RAGIONESOCIALE, "Orvel S.r.l.");
    EXPECT_EQ(rs.S_PARTITAIVA, "IT01234567890");
    EXPECT_EQ(rs.S_INFO1, "Via Roma 1");
    EXPECT_EQ(rs.S_FILE_LOGO, "logo.png");
    EXPECT_EQ(rs.SEDE_SOC_ID, 10);
    EXPECT_EQ(rs.SEDE_SOC_VIA, "Corso Italia 5");
    EXPECT_EQ(rs.SEDE_SOC_NOMETIPOSEDE, "Negozio");
    EXPECT_EQ(rs.SEDE_SOC_CAP, "20100");
    EXPECT_EQ(rs.AG_ID, 5);
    EXPECT_EQ(rs.AG_COGNOME, "Rossi");
    EXPECT_EQ(rs.AG_NOME, "Mario");
    EXPECT_EQ(rs.DEP_ID, 11);
    EXPECT_EQ(rs.DEP_NOMEZONAPOSTALE, "Genova");
    EXPECT_EQ(rs.DEP_NOMETIPOSEDE, "Magazzino");
    EXPECT_EQ(rs.DEP_CAP, "16100");
    EXPECT_EQ(rs.CLI_FAT_ID, 900);
    EXPECT_EQ(rs.CLI_FAT_RAGIONE_SOCIALE, "Cliente SpA");
    EXPECT_EQ(rs.ID_STATO_ORDINE, 2);
    EXPECT_EQ(rs.TOTALE, "1043.10");
    EXPECT_EQ(rs.D_POSTAZIONE, "CASSA1");
    EXPECT_EQ(rs.D_CAMBIO, "1.0850");
    EXPECT_TRUE(rs.IsFieldNull(&rs.FORN_ID));
    EXPECT_TRUE(rs.IsFieldNull(&rs.D_DATA_ORA_INIZIO_TRASPORTO));
}

TEST_P(DocumentViews, AHeaderWhoseReferencesAreMissingStillLoadsWithNullJoinedColumns)
{
    // Only the header: its reason, company, sites, agent, formula and branch do not exist.
    AddFullHeader(101);
    CTestataDocumentoSet rs(&db());
    rs.m_strFilter = "D_ID = 101";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    // The ids come from the header, so a load writes back what it read...
    EXPECT_EQ(rs.C_ID, 20);
    EXPECT_EQ(rs.S_ID, 1);
    EXPECT_EQ(rs.SEDE_SOC_ID, 10);
    EXPECT_EQ(rs.AG_ID, 5);
    EXPECT_EQ(rs.DEP_ID, 11);
    EXPECT_EQ(rs.D_ID_BANCA_AGENZIA, 40);
    // ...and what would come from the missing rows is NULL.
    EXPECT_TRUE(rs.IsFieldNull(&rs.C_DESCRIZIONE));
    EXPECT_TRUE(rs.IsFieldNull(&rs.C_F_VALORE));
    EXPECT_TRUE(rs.IsFieldNull(&rs.S_NOME));
    EXPECT_TRUE(rs.IsFieldNull(&rs.SEDE_SOC_VIA));
    EXPECT_TRUE(rs.IsFieldNull(&rs.AG_COGNOME));
    EXPECT_TRUE(rs.IsFieldNull(&rs.DEP_VIA));
    EXPECT_TRUE(rs.IsFieldNull(&rs.D_ID_BANCA));
    EXPECT_TRUE(rs.IsFieldNull(&rs.D_FORMULA_PAGAMENTO_DESCRIZIONE));
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
}

TEST_P(DocumentViews, TheSearchViewGivesTheLinkedDocumentSummary)
{
    AddMasterRows();
    AddFullHeader(100);
    Exec("INSERT INTO DOCUMENTO (ID, NUMERO, ANNO, SERIE, ID_CAUSALE) VALUES (101, 3, 2024, ' ', 99)");
    CRicercaDocumentoSet rs(&db());
    rs.m_strFilter = "ID_DOCUMENTO = 100";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.NUMERO, 12);
    EXPECT_EQ(rs.SERIE, "A");
    EXPECT_EQ(rs.ID_CAUSALE, 20);
    EXPECT_EQ(rs.DESC_CAUSALE, "Ordine cliente");
    EXPECT_EQ(rs.TIPO_DOCUMENTO, "OC");
    EXPECT_EQ(rs.SOC_RAGIONESOCIALE, "Orvel S.r.l.");
    EXPECT_EQ(rs.SOC_NOME, "Orvel");
    EXPECT_EQ(rs.SEDE_SOCIETA, "Corso Italia 5");
    EXPECT_EQ(rs.VIA_DEPOSITO, "Via del Porto 9");
    EXPECT_EQ(rs.CLI_FAT_RAGIONESOCIALE, "Cliente SpA");
    EXPECT_EQ(rs.CLI_SPEDIZIONE, "Via Verdi 3 Torino");
    EXPECT_EQ(rs.F_ELIMINA, 1);
    EXPECT_EQ(rs.F_NUOVO, 0);
    EXPECT_EQ(rs.F_VALUTAZIONE, 1);
    EXPECT_EQ(rs.STATO_ORDINE_ID, 2);
    EXPECT_EQ(rs.STATO_ORDINE_NOME, "Confermato");
    EXPECT_EQ(rs.STATO_ORDINE_ICONA, 7);
    EXPECT_EQ(rs.FORMULA_PAGAMENTO_DESCRIZIONE, "Rimessa diretta");
    EXPECT_EQ(rs.TOTALE, "1043.10");
    EXPECT_EQ(rs.TOTALE_IVA, "188.10");
    EXPECT_EQ(rs.SCONTO_EXTRA, "12.5");
    rs.Close();

    // A document of an unknown reason, without partners or shipping address.
    rs.m_strFilter = "ID_DOCUMENTO = 101";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.ID_CAUSALE, 99);
    EXPECT_TRUE(rs.IsFieldNull(&rs.DESC_CAUSALE));
    EXPECT_TRUE(rs.IsFieldNull(&rs.TIPO_DOCUMENTO));
    EXPECT_TRUE(rs.IsFieldNull(&rs.F_ELIMINA));
    EXPECT_TRUE(rs.IsFieldNull(&rs.CLI_SPEDIZIONE));
    EXPECT_TRUE(rs.IsFieldNull(&rs.STATO_ORDINE_NOME));
    EXPECT_TRUE(rs.IsFieldNull(&rs.SOC_NOME));
}

TEST_P(DocumentViews, LinkedDocumentsComeWithTheirSummary)
{
    AddMasterRows();
    AddFullHeader(100);
    Exec("INSERT INTO DOCUMENTO (ID, NUMERO, ANNO, SERIE, ID_CAUSALE, DATA_DOCUMENTO, TOTALE, TOTALE_IVA, SCONTO_EXTRA) "
         "VALUES (200, 4, 2024, 'B', 21, '2024-04-01 00:00:00', '10.005', '1.80', '0')");
    Exec("INSERT INTO DOCUMENTO (ID, NUMERO, ANNO, SERIE, ID_CAUSALE) VALUES (201, 5, 2024, ' ', 77)");
    Exec("INSERT INTO DOC_REFERENZIA_DOCS (ID_DOCUMENTO, ID_DOCUMENTO_REF) VALUES (200, 100)");
    Exec("INSERT INTO DOC_REFERENZIA_DOCS (ID_DOCUMENTO, ID_DOCUMENTO_REF) VALUES (200, 201)");
    Exec("INSERT INTO DOC_REFERENZIA_DOCS (ID_DOCUMENTO, ID_DOCUMENTO_REF) VALUES (100, 200)");

    CDocumentiReferenziatiSet rs(&db());
    rs.m_strFilter = "ID_DOCUMENTO = 200";
    rs.m_strSort = "REF_ID_DOCUMENTO";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.ID_DOCUMENTO, 200);
    EXPECT_EQ(rs.REF_ID_DOCUMENTO, 100);
    EXPECT_EQ(rs.REF_NUMERO, 12);
    EXPECT_EQ(rs.REF_SERIE, "A");
    EXPECT_EQ(rs.REF_DATA_DOCUMENTO.day, 15);
    EXPECT_EQ(rs.REF_DATA_MOVIMENTO.day, 16);
    EXPECT_EQ(rs.REF_CAUSALE_ID, 20);
    EXPECT_EQ(rs.REF_CAUSALE_DESCRIZIONE, "Ordine cliente");
    EXPECT_EQ(rs.REF_TIPO_DOCUMENTO, "OC");
    EXPECT_EQ(rs.REF_TOTALE, "1043.10");
    EXPECT_EQ(rs.REF_TOTALE_IVA, "188.10");
    EXPECT_EQ(rs.REF_SCONTO_EXTRA, "12.5");
    rs.MoveNext();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.REF_ID_DOCUMENTO, 201);
    EXPECT_EQ(rs.REF_NUMERO, 5);
    EXPECT_EQ(rs.REF_CAUSALE_ID, 77);
    EXPECT_TRUE(rs.IsFieldNull(&rs.REF_CAUSALE_DESCRIZIONE));
    EXPECT_TRUE(rs.IsFieldNull(&rs.REF_TOTALE));
    EXPECT_TRUE(rs.IsFieldNull(&rs.REF_DATA_DOCUMENTO));
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
}

TEST_P(DocumentViews, AHeaderWrittenByTheRecordsetReadsBackThroughTheLoadView)
{
    AddMasterRows();
    CDocumentoSet rs(&db());
    rs.m_strFilter = "ID = 300";
    rs.Open();
    rs.AddNew();
    rs.ID = 300;
    rs.NUMERO = 1;
    rs.ANNO = 2024;
    rs.SERIE = " ";
    rs.ID_CAUSALE = 21;
    rs.ID_SOCIETA = 1;
    rs.DATA_DOCUMENTO.year = 2024;
    rs.DATA_DOCUMENTO.month = 12;
    rs.DATA_DOCUMENTO.day = 31;
    rs.DATA_DOCUMENTO.hour = 23;
    rs.DATA_DOCUMENTO.minute = 59;
    rs.F_MODIFICATO = 1;
    rs.TOTALE = "0.10";
    rs.Update();
    rs.Requery();
    ASSERT_FALSE(rs.IsEOF());
    rs.Edit();
    rs.NUMERO = 2;
    rs.Update();
    rs.Close();

    CTestataDocumentoSet header(&db());
    header.m_strFilter = "D_ID = 300";
    header.Open();
    ASSERT_FALSE(header.IsEOF());
    EXPECT_EQ(header.D_NUMERO, 2);
    EXPECT_EQ(header.D_SERIE, " ");
    EXPECT_EQ(header.C_TIPO_DOCUMENTO, "FT");
    EXPECT_EQ(header.D_DATA_DOCUMENTO.day, 31);
    EXPECT_EQ(header.D_DATA_DOCUMENTO.hour, 23);
    EXPECT_EQ(header.TOTALE, "0.10");
    // What the write left unset is NULL.
    EXPECT_TRUE(header.IsFieldNull(&header.D_DATA_MOVIMENTO));
    EXPECT_TRUE(header.IsFieldNull(&header.D_NOTA));
}

TEST_P(DocumentViews, TheNumberingViewsGiveTheHighestNumberAndTheCounterOfAReason)
{
    AddMasterRows();
    Exec("INSERT INTO DOCUMENTO (ID, NUMERO, ANNO, SERIE, ID_CAUSALE) VALUES (1, 7, 2024, 'A', 21)");
    Exec("INSERT INTO DOCUMENTO (ID, NUMERO, ANNO, SERIE, ID_CAUSALE) VALUES (2, 9, 2024, 'A', 21)");
    Exec("INSERT INTO DOCUMENTO (ID, NUMERO, ANNO, SERIE, ID_CAUSALE) VALUES (3, 30, 2024, 'B', 21)");
    Exec("INSERT INTO DOCUMENTO (ID, NUMERO, ANNO, SERIE, ID_CAUSALE) VALUES (4, 50, 2023, 'A', 21)");
    {
        CNumeroDocumentoSet rs(&db());
        rs.m_strFilter = "ID_CAUSALE = 21 AND SERIE = 'A' AND ANNO = '2024'";
        rs.Open();
        ASSERT_FALSE(rs.IsEOF());
        EXPECT_EQ(rs.NUMERO, 9);
        EXPECT_EQ(rs.ANNO, "2024");
    }
    EXPECT_EQ(QueryLong("SELECT NUMERO FROM NUMERO_SENZASERIE_DOCUMENTO WHERE ID_CAUSALE = 21 AND ANNO = '2024'"), 30);

    Exec("INSERT INTO PROGRESSIVO (ID, NUMERO, ANNO, SERIE, RESET_NEW_YEAR, ID_SOCIETA) VALUES ('FT', 41, 2024, 'A', 1, 1)");
    Exec("INSERT INTO PROGRESSIVO_CAUSALE (ID_PROGRESSIVO, ANNO_PROGRESSIVO, ID_CAUSALE, ID_SOCIETA) VALUES ('FT', 2024, 21, 1)");
    // The reason is tied to the counter for 2025 too, but the counter has no 2025 row yet.
    Exec("INSERT INTO PROGRESSIVO_CAUSALE (ID_PROGRESSIVO, ANNO_PROGRESSIVO, ID_CAUSALE, ID_SOCIETA) VALUES ('FT', 2025, 21, 1)");
    CProgressivoCausaleCompletoSet rs(&db());
    rs.m_strFilter = "(ID_CAUSALE = 21) AND (ID_SOCIETA = 1) AND (SERIE_PROG = 'A') AND (ANNO_PROG = 2024)";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.NUMERO_PROG, 41);
    EXPECT_EQ(rs.ID_PROGRESSIVO, "FT");
    EXPECT_EQ(rs.DESC_CAUSALE, "Fattura");
    EXPECT_EQ(rs.TIPO_DOC_CAUSALE, "FT");
    EXPECT_EQ(rs.RESET_NEW_YEAR, 1);
    rs.Close();
    rs.m_strFilter = "(ID_CAUSALE = 21) AND (ID_SOCIETA = 1) AND (SERIE_PROG = 'A') AND (ANNO_PROG = 2025)";
    rs.Open();
    EXPECT_TRUE(rs.IsEOF());
}

TEST_P(DocumentViews, ThePaymentFooterShowsTheWholeExtraDiscountAndTheBankOfTheBranch)
{
    AddMasterRows();
    AddFullHeader(100);
    CPiePaginaPagamentoDocumentoSet rs(&db());
    rs.m_strFilter = "D_ID = 100";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.D_SCONTO_EXTRA, 12);
    EXPECT_EQ(rs.BAN_ID, 40);
    EXPECT_EQ(rs.BAN_DESCRIZIONE, "Banca Uno");
    EXPECT_EQ(rs.BAN_ABI, "01234");
    EXPECT_EQ(rs.BAN_CAB, "56789");
    EXPECT_EQ(rs.TD_ID, 3);
    EXPECT_EQ(rs.TD_DESCRIZIONE, "Rimessa diretta");
}

// The ids of the documents a view shows, in id order.
template <class Set>
std::vector<long> DocumentIds(CDatabase& db, long Set::*id)
{
    Set rs(&db);
    rs.Open();
    std::vector<long> ids;
    for (; !rs.IsEOF(); rs.MoveNext())
        ids.push_back(rs.*id);
    std::sort(ids.begin(), ids.end());
    return ids;
}

TEST_P(DocumentViews, OrderViewsShowOnlyOrdersAndCustomerOrderViewsOnlyCustomerOrders)
{
    AddMasterRows();
    Exec("INSERT INTO CAUSALE (ID, DESCRIZIONE, TIPO_DOCUMENTO, F_ORDINE_AL_FORNITORE) VALUES (22, 'Ordine a fornitore', 'OF', 1)");
    AddFullHeader(100);
    Exec("INSERT INTO DOCUMENTO (ID, NUMERO, ANNO, SERIE, ID_CAUSALE, ID_SOCIETA) VALUES (101, 30, 2024, ' ', 22, 1)");
    Exec("INSERT INTO DOCUMENTO (ID, NUMERO, ANNO, SERIE, ID_CAUSALE, ID_SOCIETA) VALUES (102, 40, 2024, ' ', 21, 1)");
    Exec("INSERT INTO DOCUMENTO (ID, NUMERO, ANNO, SERIE, ID_CAUSALE, ID_SOCIETA) VALUES (103, 7, 2024, 'A', 20, 1)");
    Exec("INSERT INTO DOCUMENTO (ID, NUMERO, ANNO, SERIE, ID_CAUSALE, ID_SOCIETA) VALUES (104, 99, 2023, 'A', 20, 1)");

    EXPECT_EQ(DocumentIds(db(), &CListaDocumentoSet::ID_DOCUMENTO), (std::vector<long>{100, 101, 102, 103, 104}));
    EXPECT_EQ(DocumentIds(db(), &CRicercaOrdineSet::ID_DOCUMENTO), (std::vector<long>{100, 101, 103, 104}));
    EXPECT_EQ(DocumentIds(db(), &COrdineClienteCompletoSet::ID), (std::vector<long>{100, 103, 104}));
    EXPECT_EQ(DocumentIds(db(), &COrdineClienteListaSet::ID), (std::vector<long>{100, 103, 104}));
    {
        COrdineClienteCompletoSet rs(&db());
        rs.m_strFilter = "ID = 100";
        rs.Open();
        ASSERT_FALSE(rs.IsEOF());
        EXPECT_EQ(rs.DATA.day, 15);
        EXPECT_EQ(rs.ID_AGENTE, 5);
        EXPECT_EQ(rs.CLI_ID, 900);
        EXPECT_EQ(rs.CLI_RAGIONE_SOCIALE, "Cliente SpA");
        EXPECT_EQ(rs.SPE_INDIRIZZO1, "Via Verdi 3");
        EXPECT_EQ(rs.STATO_ORDINE_DESCRIZIONE, "Confermato");
        EXPECT_EQ(rs.STATO_ORDINE_ICONA, 7);
        EXPECT_EQ(rs.NOTE, "nota");
        EXPECT_EQ(rs.BANCA_ID, 4);
        EXPECT_EQ(rs.BANCA_DESCRIZIONE, "Banca Uno");
        EXPECT_EQ(rs.BANCA_ABI, "01234");
        EXPECT_EQ(rs.BANCA_CAB, "56789");
        EXPECT_TRUE(rs.IsFieldNull(&rs.TRASPORTO_DESCRIZIONE));
    }
    {
        CRicercaOrdineSet rs(&db());
        rs.m_strFilter = "ID_DOCUMENTO = 101";
        rs.Open();
        ASSERT_FALSE(rs.IsEOF());
        EXPECT_EQ(rs.DESC_CAUSALE, "Ordine a fornitore");
        EXPECT_TRUE(rs.IsFieldNull(&rs.STATO_ORDINE_DESCRIZIONE));
    }
    {
        // The highest customer order number per year and company.
        COrdineUltimoCodiceSet rs(&db());
        rs.m_strSort = "ANNO";
        rs.Open();
        ASSERT_FALSE(rs.IsEOF());
        EXPECT_EQ(rs.ANNO, 2023);
        EXPECT_EQ(rs.ULTIMO_CODICE_ORDINE, 99);
        rs.MoveNext();
        ASSERT_FALSE(rs.IsEOF());
        EXPECT_EQ(rs.ANNO, 2024);
        EXPECT_EQ(rs.ULTIMO_CODICE_ORDINE, 12);
        EXPECT_EQ(rs.CODICE_SOCIETA, 1);
        rs.MoveNext();
        EXPECT_TRUE(rs.IsEOF());
    }
}

TEST_P(DocumentViews, HeaderViewsWithReasonFlagsOrderStateAndTransport)
{
    AddMasterRows();
    Exec("INSERT INTO PORTO (ID, DESCRIZIONE) VALUES (1, 'Franco')");
    Exec("INSERT INTO VETTORE (ID, RAGIONE_SOCIALE) VALUES (2, 'Trasporti Veloci')");
    Exec("INSERT INTO CAUSALE_TRASPORTO (ID, DESCRIZIONE) VALUES (3, 'Vendita')");
    Exec("INSERT INTO TRASPORTO (ID, DESCRIZIONE) VALUES (4, 'Vettore')");
    Exec("INSERT INTO ASPETTO_BENI (ID, DESCRIZIONE) VALUES (5, 'Scatole')");
    AddFullHeader(100);
    Exec("UPDATE DOCUMENTO SET ID_PORTO = 1, ID_VETTORE = 2, ID_CAUSALE_TRASPORTO = 3, ID_TRASPORTO = 4, "
         "ID_ASPETTO_BENI = 5, DATA_ORA_INIZIO_TRASPORTO = '2024-03-16 10:15:00', SPESE_TRASPORTO = '7.50' "
         "WHERE ID = 100");
    AddFullHeader(101);
    Exec("UPDATE DOCUMENTO SET ID_PORTO = 9, ID_CAUSALE = 21, ID_STATO_ORDINE = 8 WHERE ID = 101");
    {
        CPiePaginaTrasportoDocumentoSet rs(&db());
        rs.m_strSort = "D_ID";
        rs.Open();
        ASSERT_FALSE(rs.IsEOF());
        EXPECT_EQ(rs.PORTO_DESCRIZIONE, "Franco");
        EXPECT_EQ(rs.VETTORE_COGNOME, "Trasporti Veloci");
        EXPECT_TRUE(rs.IsFieldNull(&rs.VETTORE_NOME));
        EXPECT_EQ(rs.TRASPORTO_CAUSALE_DESCRIZIONE, "Vendita");
        EXPECT_EQ(rs.TRASPORTO_DESCRIZIONE, "Vettore");
        EXPECT_EQ(rs.ASPETTOBENI_DESCRIZIONE, "Scatole");
        EXPECT_EQ(rs.D_SPESE_TRASPORTO, "7.50");
        EXPECT_EQ(rs.D_DATA_INIZIO_TRASPORTO.hour, 10);
        rs.MoveNext();
        ASSERT_FALSE(rs.IsEOF());
        EXPECT_EQ(rs.PORTO_ID, 9);
        EXPECT_TRUE(rs.IsFieldNull(&rs.PORTO_DESCRIZIONE));
        EXPECT_TRUE(rs.IsFieldNull(&rs.VETTORE_ID));
    }
    {
        CDocumentoCausaleSet rs(&db());
        rs.m_strFilter = "D_ID = 100";
        rs.Open();
        ASSERT_FALSE(rs.IsEOF());
        EXPECT_EQ(rs.C_F_CLIENTE, 1);
        EXPECT_EQ(rs.C_F_VALUTAZIONE, 1);
        EXPECT_EQ(rs.D_CLI_FAT_ID, 900);
        EXPECT_EQ(rs.D_DATA_ORA_INIZIO_TRASPORTO.GetHour(), 10);
        EXPECT_EQ(rs.D_DATA_ORA_INIZIO_TRASPORTO.GetMinute(), 15);
    }
    {
        CDocumentoStatoOrdineSet rs(&db());
        rs.m_strSort = "D_ID";
        rs.Open();
        ASSERT_FALSE(rs.IsEOF());
        EXPECT_EQ(rs.SO_ID, 2);
        EXPECT_EQ(rs.SO_O_INVIO, 1);
        EXPECT_EQ(rs.SO_O_APERTO_CHIUSO, 1);
        EXPECT_EQ(rs.D_SPESE, "7.50");
        EXPECT_TRUE(rs.IsFieldNull(&rs.D_CODICE_INTERNO));
        rs.MoveNext();
        ASSERT_FALSE(rs.IsEOF());
        EXPECT_EQ(rs.SO_ID, 8);
        EXPECT_TRUE(rs.IsFieldNull(&rs.SO_O_INVIO));
    }
}

TEST_P(DocumentViews, PartnersFollowedByAnAgent)
{
    AddMasterRows();
    Exec("INSERT INTO AZIENDA (ID, RAGIONESOCIALE, PARTITAIVA, DATAINSERIMENTO, ID_AGENTE, F_TIPO_RAPPORTO, F_TIPO) "
         "VALUES (900, 'Cliente SpA', 'IT900', '2023-06-01 12:00:00', 5, 1, 'SPA')");
    Exec("INSERT INTO AZIENDA (ID, RAGIONESOCIALE) VALUES (901, 'Senza agente')");
    CAziendaAgenteSet rs(&db());
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.AGENTE_ID, 5);
    EXPECT_EQ(rs.AGENTE_COGNOME, "Rossi");
    EXPECT_EQ(rs.AGENTE_NOME, "Mario");
    EXPECT_EQ(rs.ID, 900);
    EXPECT_EQ(rs.RAGIONESOCIALE, "Cliente SpA");
    EXPECT_EQ(rs.DATAINSERIMENTO.GetYear(), 2023);
    EXPECT_EQ(rs.DATAINSERIMENTO.GetMonth(), 6);
    EXPECT_EQ(rs.F_TIPO, "SPA");
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
}

TEST_P(DocumentViews, RevaluationRowsNameTheDocumentOfTheirLine)
{
    Exec("INSERT INTO DOCUMENTO (ID, NUMERO, ANNO) VALUES (1, 1, 2024)");
    Exec("INSERT INTO VOCI_DOCUMENTO (ID_DOCUMENTO, TIPO) VALUES (1, 'A')");
    Exec("INSERT INTO VOCE_DOCUMENTO_RIVALUTAZIONE (ID_VOCE_DOCUMENTO, PREZZO_USD, VOLUME) "
         "SELECT ID, '12.40', '0.25' FROM VOCI_DOCUMENTO");
    CVOCE_DOCUMENTO_RIV_COMP rs(&db());
    rs.m_strFilter = "ID_DOCUMENTO = 1";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_GT(rs.ID_VOCE_DOCUMENTO, 0);
    EXPECT_EQ(rs.PREZZO_USD, "12.40");
    EXPECT_EQ(rs.VOLUME, "0.25");
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
}

// ---- Line amounts ----

namespace {

struct LineCase {
    const char* what;
    const char* values;  // PREZZO, QUANTITA, QUANTITA_OMAGGIO, SCONTO_1, SCONTO_2, SCONTO_EXTRA, ALIQUOTA_IVA,
                         // SCONTA_IVA, MOLTIPLICATORE_QTA, TIPO
    double taxable;
    double vat;
    double total;
};

}  // namespace

TEST_P(DocumentViews, EachStoredLineHasTheTotalADocumentLineComputes)
{
    Exec("INSERT INTO DOCUMENTO (ID, NUMERO, ANNO) VALUES (1, 1, 2024)");
    const LineCase cases[] = {
        {"two cascading discounts", "'100', '10', NULL, '10', '5', NULL, '22', 1, 1, 'A'", 855.00, 188.10, 1043.10},
        {"with the extra discount", "'100', '10', NULL, '10', '5', '10', '22', 1, 1, 'A'", 769.50, 169.29, 938.79},
        {"multiplier", "'2.50', '3', '0', '0', '0', '0', '10', 1, 4, 'B'", 30.00, 3.00, 33.00},
        {"all given away, gift as discount", "'10', '2', '2', NULL, NULL, NULL, '22', 1, 1, 'A'", 0, 0, 0},
        {"all given away, VAT charged", "'10', '2', '2', NULL, NULL, NULL, '22', 0, 1, 'A'", 20.00, 4.40, 4.40},
        {"no price: no discount", "'0', '5', NULL, '50', NULL, NULL, '22', 1, 1, 'A'", 0, 0, 0},
        {"negative price keeps its gross", "'-4', '2', NULL, '50', NULL, NULL, '10', 1, 1, 'A'", -8.00, -0.80, -8.80},
        {"negative VAT rate", "'10', '1', NULL, NULL, NULL, NULL, '-1', 1, 1, 'A'", 0, -0.10, 9.90},
        {"reference line", "'10', '1', NULL, NULL, NULL, NULL, '22', 1, 1, 'R'", 0, 0, 0},
    };
    int row = 0;
    for (const LineCase& c : cases) {
        CString sql;
        sql.Format("INSERT INTO VOCI_DOCUMENTO (ID_DOCUMENTO, NRIGA, PREZZO, QUANTITA, QUANTITA_OMAGGIO, SCONTO_1, "
                   "SCONTO_2, SCONTO_EXTRA, ALIQUOTA_IVA, SCONTA_IVA, MOLTIPLICATORE_QTA, TIPO) VALUES (1, %d, %s)",
                   ++row, c.values);
        Exec(sql);
    }
    row = 0;
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.what);
        CString sql;
        sql.Format("SELECT C.TOTALE_IMPONIBILE FROM VOCI_DOCUMENTO_CALC C JOIN VOCI_DOCUMENTO V ON V.ID = C.ID "
                   "WHERE V.NRIGA = %d",
                   ++row);
        std::optional<std::string> taxable = QueryText(sql);
        ASSERT_TRUE(taxable);
        EXPECT_NEAR(std::stod(*taxable), c.taxable, 1e-9);
        sql.Replace("C.TOTALE_IMPONIBILE", "C.TOTALE_IVA");
        EXPECT_NEAR(std::stod(QueryText(sql).value_or("nan")), c.vat, 1e-9);
        sql.Replace("C.TOTALE_IVA", "C.TOTALE");
        EXPECT_NEAR(std::stod(QueryText(sql).value_or("nan")), c.total, 1e-9);
    }
}

TEST_P(DocumentViews, AVoucherCampaignAddsUpTheStoredLinesOfTheChosenArticles)
{
    Exec("INSERT INTO CATEGORIA (ID, DESCRIZIONE) VALUES ('C1', 'Vini')");
    Exec("INSERT INTO ARTICOLO (ID, DESCRIZIONE, ID_CATEGORIA) VALUES ('VINO', 'Barolo', 'C1')");
    Exec("INSERT INTO ARTICOLO (ID, DESCRIZIONE) VALUES ('PANE', 'Pane')");
    Exec("INSERT INTO DOCUMENTO (ID, NUMERO, ANNO) VALUES (1, 1, 2024)");
    Exec("INSERT INTO DOCUMENTO (ID, NUMERO, ANNO) VALUES (2, 2, 2024)");
    Exec("INSERT INTO VOCI_DOCUMENTO (ID_DOCUMENTO, ID_ARTICOLO, TIPO, PREZZO, QUANTITA, ALIQUOTA_IVA, SCONTA_IVA, "
         "MOLTIPLICATORE_QTA) VALUES (1, 'VINO', 'A', '20', '2', '22', 1, 1)");
    Exec("INSERT INTO VOCI_DOCUMENTO (ID_DOCUMENTO, ID_ARTICOLO, TIPO, PREZZO, QUANTITA, ALIQUOTA_IVA, SCONTA_IVA, "
         "MOLTIPLICATORE_QTA) VALUES (1, 'PANE', 'A', '1.10', '3', '4', 1, 1)");
    // A line without article counts when its own category text matches.
    Exec("INSERT INTO VOCI_DOCUMENTO (ID_DOCUMENTO, TIPO, PREZZO, QUANTITA, ALIQUOTA_IVA, SCONTA_IVA, MOLTIPLICATORE_QTA, "
         "INFO3) VALUES (1, 'B', '5', '1', '0', 1, 1, 'C1')");
    Exec("INSERT INTO VOCI_DOCUMENTO (ID_DOCUMENTO, ID_ARTICOLO, TIPO, PREZZO, QUANTITA, ALIQUOTA_IVA, SCONTA_IVA, "
         "MOLTIPLICATORE_QTA) VALUES (2, 'VINO', 'A', '20', '1', '22', 1, 1)");

    const char* query = "SELECT   SUM(V.TOTALE) AS TOTALE FROM   VOCI_DOCUMENTO_CALC V   LEFT JOIN ARTICOLO A ON "
                        "V.ID_ARTICOLO = A.ID WHERE   ( V.ID_DOCUMENTO = 1 )  AND (  ( ( A.ID_CATEGORIA IN ('C1') ) "
                        "OR ( V.INFO3 IN ('C1') ) )  ) ";
    std::optional<std::string> total = QueryText(query);
    ASSERT_TRUE(total);
    EXPECT_NEAR(std::stod(*total), 48.80 + 5.00, 1e-9);

    // No line matches: one row whose total is NULL.
    EXPECT_FALSE(QueryText("SELECT SUM(V.TOTALE) AS TOTALE FROM VOCI_DOCUMENTO_CALC V LEFT JOIN ARTICOLO A ON "
                           "V.ID_ARTICOLO = A.ID WHERE ( V.ID_DOCUMENTO = 1 ) AND ( ( A.ID_CATEGORIA IN ('XX') ) )"));
}

TEST_P(DocumentViews, LinesWithTheirDocumentShowTheAmountsAsCentsText)
{
    AddMasterRows();
    AddFullHeader(100);
    Exec("INSERT INTO VOCI_DOCUMENTO (ID_DOCUMENTO, ID_ARTICOLO, TIPO, PREZZO, QUANTITA, SCONTO_1, SCONTO_2, "
         "ALIQUOTA_IVA, SCONTA_IVA, MOLTIPLICATORE_QTA) VALUES (100, 'ART', 'A', '100', '10', '10', '5', '22', 1, 1)");
    CDocumentoVoceDocumentoSet rs(&db());
    rs.m_strFilter = "D_ID = 100";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.ID_ARTICOLO, "ART");
    EXPECT_EQ(rs.TOTALE_NO_SCONTO, "1000.00");
    EXPECT_EQ(rs.TOTALE_SCONTO, "145.00");
    EXPECT_EQ(rs.TOTALE_IMPONIBILE, "855.00");
    EXPECT_EQ(rs.TOTALE_IVA, "188.10");
    EXPECT_EQ(rs.D_SERIE, "A");
    EXPECT_EQ(rs.D_DATA_DOCUMENTO.GetYear(), 2024);
    EXPECT_EQ(rs.D_DATA_DOCUMENTO.GetMonth(), 3);
    EXPECT_EQ(rs.D_DATA_DOCUMENTO.GetDay(), 15);
    EXPECT_EQ(rs.S_ID, 1);
    EXPECT_EQ(rs.DEP_ID, 11);
    EXPECT_EQ(rs.CLI_FAT_RAGIONE_SOCIALE, "Cliente SpA");
}

TEST_P(DocumentViews, TillReceiptLinesAreSplitByWhetherTheArticlePrintsOnTheFiscalReceipt)
{
    Exec("INSERT INTO IVA (CODICE, ALIQUOTA, CODICE_CASSA) VALUES ('22', '22', 1)");
    Exec("INSERT INTO IVA (CODICE, ALIQUOTA, CODICE_CASSA) VALUES ('10', '10', 2)");
    Exec("INSERT INTO REPARTO (ID, DESCRIZIONE, ID_IVA) VALUES ('R1', 'Alimentari', '10')");
    Exec("INSERT INTO ARTICOLO (ID, ID_REPARTO, ID_IVA, F_STAMPA_IN_SCONTRINO) VALUES ('FISC', 'R1', '22', 1)");
    Exec("INSERT INTO ARTICOLO (ID, ID_IVA, F_STAMPA_IN_SCONTRINO) VALUES ('NOFISC', '10', 0)");
    Exec("INSERT INTO DOCUMENTO (ID, NUMERO, ANNO) VALUES (1, 1, 2024)");
    Exec("INSERT INTO VOCI_DOCUMENTO (ID_DOCUMENTO, ID_ARTICOLO, TIPO, NRIGA) VALUES (1, 'FISC', 'A', 1)");
    Exec("INSERT INTO VOCI_DOCUMENTO (ID_DOCUMENTO, ID_ARTICOLO, TIPO, NRIGA, ID_IVA) VALUES (1, 'FISC', 'A', 2, '10')");
    Exec("INSERT INTO VOCI_DOCUMENTO (ID_DOCUMENTO, ID_ARTICOLO, TIPO, NRIGA) VALUES (1, 'NOFISC', 'A', 3)");
    Exec("INSERT INTO VOCI_DOCUMENTO (ID_DOCUMENTO, TIPO, NRIGA) VALUES (1, 'B', 4)");

    CVociDocumentoScontrinoSet fiscal(&db());
    fiscal.m_strFilter = "ID_DOCUMENTO = 1";
    fiscal.m_strSort = "ID";
    fiscal.Open();
    ASSERT_FALSE(fiscal.IsEOF());
    EXPECT_EQ(fiscal.ID_ARTICOLO, "FISC");
    EXPECT_EQ(fiscal.ID_REPARTO, "R1");
    EXPECT_EQ(fiscal.CODICE_CASSA_IVA_REPARTO, 2);
    EXPECT_EQ(fiscal.CODICE_CASSA_IVA_ARTICOLO, 1);  // the article's VAT code: the line has none
    EXPECT_EQ(fiscal.F_STAMPA_IN_SCONTRINO, 1);
    fiscal.MoveNext();
    ASSERT_FALSE(fiscal.IsEOF());
    EXPECT_EQ(fiscal.CODICE_CASSA_IVA_ARTICOLO, 2);  // the line's own VAT code
    fiscal.MoveNext();
    ASSERT_FALSE(fiscal.IsEOF());
    EXPECT_TRUE(fiscal.IsFieldNull(&fiscal.ID_ARTICOLO));
    EXPECT_TRUE(fiscal.IsFieldNull(&fiscal.ID_REPARTO));
    EXPECT_TRUE(fiscal.IsFieldNull(&fiscal.CODICE_CASSA_IVA_REPARTO));
    fiscal.MoveNext();
    EXPECT_TRUE(fiscal.IsEOF());

    CVociDocumentoScontrinoNofiscSet other(&db());
    other.m_strFilter = "ID_DOCUMENTO = 1";
    other.Open();
    ASSERT_FALSE(other.IsEOF());
    EXPECT_EQ(other.ID_ARTICOLO, "NOFISC");
    EXPECT_EQ(other.F_STAMPA_IN_SCONTRINO, 0);
    EXPECT_TRUE(other.IsFieldNull(&other.ID_REPARTO));
    other.MoveNext();
    EXPECT_TRUE(other.IsEOF());
}

// ---- Delete procedures ----

namespace {

// Every table that holds rows of a document, and the column naming it.
const char* const kDocumentRows[][2] = {
    {"DOCUMENTO", "ID"},
    {"VOCI_DOCUMENTO", "ID_DOCUMENTO"},
    {"IVA_DOCUMENTO", "ID_DOCUMENTO"},
    {"DOC_REFERENZIA_DOCS", "ID_DOCUMENTO"},
    {"DOC_REFERENZIA_DOCS", "ID_DOCUMENTO_REF"},
    {"DOC_VUOTO_REFERENZIA_DOCS", "ID_DOCUMENTO_REF"},
    {"PAGAMENTO_BANCO", "ID_DOCUMENTO"},
    {"SCADENZARIO_DOCUMENTO", "ID_DOCUMENTO"},
    {"BUONO_EMESSO", "ID_DOCUMENTO"},
    {"DOCUMENTO", "ID_DOCUMENTO_GENERATORE"},
};

class DocumentDelete : public DocumentViews {
protected:
    // A document with everything that can hang on it, and links to and from a second one.
    void AddDocumentWithEverything(long id, long other)
    {
        CString sql;
        const char* statements[] = {
            "INSERT INTO DOCUMENTO (ID, NUMERO, ANNO) VALUES (%1$ld, 1, 2024)",
            "INSERT INTO VOCI_DOCUMENTO (ID_DOCUMENTO, TIPO, QUANTITA) VALUES (%1$ld, 'A', '1')",
            "INSERT INTO VOCI_DOCUMENTO (ID_DOCUMENTO, TIPO, QUANTITA) VALUES (%1$ld, 'B', '2')",
            ("INSERT INTO VOCE_DOCUMENTO_RIVALUTAZIONE (ID_VOCE_DOCUMENTO, PREZZO_USD) "
             "SELECT ID, '3.50' FROM VOCI_DOCUMENTO WHERE ID_DOCUMENTO = %1$ld"),
            "INSERT INTO IVA_DOCUMENTO (ID_DOCUMENTO, ID_IVA, TOTALE_IMPONIBILE) VALUES (%1$ld, '22', '10')",
            "INSERT INTO IVA_DOCUMENTO (ID_DOCUMENTO, ID_IVA, TOTALE_IMPONIBILE) VALUES (%1$ld, '10', '5')",
            "INSERT INTO DOC_REFERENZIA_DOCS (ID_DOCUMENTO, ID_DOCUMENTO_REF) VALUES (%1$ld, %2$ld)",
            "INSERT INTO DOC_REFERENZIA_DOCS (ID_DOCUMENTO, ID_DOCUMENTO_REF) VALUES (%2$ld, %1$ld)",
            "INSERT INTO DOCUMENTO_VUOTO (ID, NUMERO, ANNO) VALUES (%1$ld, 1, 2024)",
            "INSERT INTO DOC_VUOTO_REFERENZIA_DOCS (ID_DOCUMENTO_VUOTO, ID_DOCUMENTO_REF) VALUES (%1$ld, %1$ld)",
            "INSERT INTO PAGAMENTO_BANCO (ID_DOCUMENTO, ID_TIPO_PAGAMENTO, VALORE) VALUES (%1$ld, 1, '10')",
            "INSERT INTO SCADENZARIO (ID, DESCRIZIONE) VALUES (%1$ld, 'Rate')",
            "INSERT INTO SCADENZARIO_DOCUMENTO (ID_SCADENZARIO, ID_DOCUMENTO) VALUES (%1$ld, %1$ld)",
            "INSERT INTO BUONO_EMESSO (ID, ID_DOCUMENTO, VALORE) VALUES (%1$ld, %1$ld, '5')",
            "UPDATE DOCUMENTO SET ID_DOCUMENTO_GENERATORE = %1$ld WHERE ID = %2$ld",
        };
        for (const char* text : statements) {
            sql.Format(text, id, other);
            Exec(sql);
        }
    }

    void AddPlainDocument(long id)
    {
        CString sql;
        sql.Format("INSERT INTO DOCUMENTO (ID, NUMERO, ANNO) VALUES (%ld, 2, 2024)", id);
        Exec(sql);
        sql.Format("INSERT INTO VOCI_DOCUMENTO (ID_DOCUMENTO, TIPO, QUANTITA) VALUES (%ld, 'A', '7')", id);
        Exec(sql);
    }

    // How many rows still name the document.
    long RowsOf(long id)
    {
        long rows = 0;
        for (const auto& table : kDocumentRows) {
            CString sql;
            sql.Format("SELECT COUNT(*) FROM %s WHERE %s = %ld", table[0], table[1], id);
            rows += Count(sql);
        }
        return rows;
    }

    void ExpectOnlyTheOtherDocumentLeft(long id, long other)
    {
        EXPECT_EQ(RowsOf(id), 0);
        CString sql;
        sql.Format("SELECT COUNT(*) FROM VOCE_DOCUMENTO_RIVALUTAZIONE R WHERE NOT EXISTS "
                   "(SELECT 1 FROM VOCI_DOCUMENTO V WHERE V.ID = R.ID_VOCE_DOCUMENTO)");
        EXPECT_EQ(Count(sql), 0);
        sql.Format("SELECT COUNT(*) FROM DOCUMENTO WHERE ID = %ld AND ID_DOCUMENTO_GENERATORE IS NULL", other);
        EXPECT_EQ(Count(sql), 1);
        sql.Format("SELECT COUNT(*) FROM VOCI_DOCUMENTO WHERE ID_DOCUMENTO = %ld", other);
        EXPECT_EQ(Count(sql), 1);
        // The voucher handed out stays, without its document; the schedule and the container
        // document stay too.
        sql.Format("SELECT VALORE FROM BUONO_EMESSO WHERE ID = %ld AND ID_DOCUMENTO IS NULL", id);
        EXPECT_EQ(QueryText(sql), "5");
        sql.Format("SELECT COUNT(*) FROM SCADENZARIO WHERE ID = %ld", id);
        EXPECT_EQ(Count(sql), 1);
        sql.Format("SELECT COUNT(*) FROM DOCUMENTO_VUOTO WHERE ID = %ld", id);
        EXPECT_EQ(Count(sql), 1);
    }
};

}  // namespace

TEST_P(DocumentDelete, TheDeleteProcedureRemovesADocumentWithEverythingHungOnIt)
{
    AddPlainDocument(6);
    AddDocumentWithEverything(5, 6);
    ASSERT_GT(RowsOf(5), 10);
    db().ExecuteSQL("{call ELIMINA_DOCUMENTO(5)}");
    ExpectOnlyTheOtherDocumentLeft(5, 6);
}

TEST_P(DocumentDelete, TheFashionDeleteProcedureDoesTheSame)
{
    AddPlainDocument(6);
    AddDocumentWithEverything(5, 6);
    db().ExecuteSQL("{call ELIMINA_DOCUMENTO_MODA(5)}");
    ExpectOnlyTheOtherDocumentLeft(5, 6);
}

TEST_P(DocumentDelete, DeletingAnUnknownDocumentChangesNothing)
{
    AddPlainDocument(6);
    AddDocumentWithEverything(5, 6);
    long before = RowsOf(5) + RowsOf(6);
    db().ExecuteSQL("{call ELIMINA_DOCUMENTO(404)}");
    EXPECT_EQ(RowsOf(5) + RowsOf(6), before);
}

TEST_P(DocumentDelete, TheCallersRollbackBringsTheDocumentBack)
{
    AddPlainDocument(6);
    AddDocumentWithEverything(5, 6);
    long before = RowsOf(5);
    db().BeginTrans();
    db().ExecuteSQL("{call ELIMINA_DOCUMENTO(5)}");
    EXPECT_EQ(RowsOf(5), 0);
    db().Rollback();
    EXPECT_EQ(RowsOf(5), before);
}

TEST_P(DocumentDelete, DeletingTwoDocumentsOneAfterTheOtherLeavesNothing)
{
    AddPlainDocument(6);
    AddDocumentWithEverything(5, 6);
    db().ExecuteSQL("{call ELIMINA_DOCUMENTO(5)}");
    db().ExecuteSQL("{call ELIMINA_DOCUMENTO(6)}");
    EXPECT_EQ(CountRows("DOCUMENTO"), 0);
    EXPECT_EQ(CountRows("VOCI_DOCUMENTO"), 0);
    EXPECT_EQ(CountRows("VOCE_DOCUMENTO_RIVALUTAZIONE"), 0);
    EXPECT_EQ(CountRows("IVA_DOCUMENTO"), 0);
    EXPECT_EQ(CountRows("DOC_REFERENZIA_DOCS"), 0);
    EXPECT_EQ(CountRows("DOC_VUOTO_REFERENZIA_DOCS"), 0);
    EXPECT_EQ(CountRows("PAGAMENTO_BANCO"), 0);
    EXPECT_EQ(CountRows("SCADENZARIO_DOCUMENTO"), 0);
}

ORVEL_DATABASE_TEST_SUITE(DocumentViews);
ORVEL_DATABASE_TEST_SUITE(DocumentDelete);
