// The partner library on real databases: partners' sites, accounts and bands come out of its
// views with the names their references imply (NULL where a reference is empty), a partner loads
// with its band and price list as document lines need them, and errors reach the error box
// instead of the host.
#include <gtest/gtest.h>

#include <string>

#include "orveldb/domain/DomainAzienda.h"
#include "orveldb/recordsets/AziendaScontoCompletoSet.h"
#include "orveldb/recordsets/AziendaSet.h"
#include "orveldb/recordsets/ContoCompletoSet.h"
#include "orveldb/recordsets/ListinoSet.h"
#include "orveldb/recordsets/ScontoSet.h"
#include "orveldb/recordsets/SedeCompletaSet.h"
#include "orvelmagdb/ConfigGuard.h"
#include "orvelmagdb/MessageRecorder.h"
#include "orvelmagdb/base/Schema.h"
#include "support/DatabaseTest.h"

namespace {

class OrvelDbPartners : public orvel::test::DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        config.Set("precisione/sconti", "2");
        CSchema::Create(db());
        Exec("INSERT INTO SOCIETA (ID, NOME, RAGIONE_SOCIALE) VALUES (1, 'Negozio centro', 'Centro Casa srl')");
        Exec("INSERT INTO TIPO_SEDE (ID, NOME) VALUES (1, 'Sede legale')");
        Exec("INSERT INTO TIPO_SEDE (ID, NOME) VALUES (2, 'Consegna')");
        Exec("INSERT INTO SCONTO (ID, DESCRIZIONE, SCONTO_1, SCONTO_2, SCONTO_3, SCONTO_4, PROVVIGIONE) "
             "VALUES ('RIV', 'Rivenditori', '10', '5.125', '0', '0', '3')");
        Exec("INSERT INTO LISTINO (ID, DESCRIZIONE, TIPO_LISTINO, F_IVATO) VALUES ('L2', 'Ingrosso', 1, 0)");
        Exec("INSERT INTO AZIENDA (ID, RAGIONESOCIALE, PARTITAIVA, CODICEFISCALE, F_TIPO_RAPPORTO, "
             "ID_FORMULA_PAGAMENTO, ID_SCONTO, ID_LISTINO) "
             "VALUES (7, 'Rossi Forniture srl', '01234567890', 'RSSFNT80A01H501U', 2, 3, 'RIV', 'L2')");
        Exec("INSERT INTO AZIENDA (ID, RAGIONESOCIALE, F_TIPO_RAPPORTO) VALUES (8, 'Mario Bianchi', 1)");
    }

    orvel::test::ConfigGuard config;
};

TEST_P(OrvelDbPartners, SitesOfAPartnerComeMainFirstWithTheirKind)
{
    Exec("INSERT INTO SEDE_AZIENDA (ID, IDAZIENDA, IDTIPOSEDE, VIA, CAP, NOMEZONAPOSTALE, SIGLAPROVINCIA, F_PRIMARIA) "
         "VALUES (70, 7, 2, 'Via Roma 1', '50100', 'Firenze', 'FI', 0)");
    Exec("INSERT INTO SEDE_AZIENDA (ID, IDAZIENDA, IDTIPOSEDE, VIA, CAP, NOMEZONAPOSTALE, SIGLAPROVINCIA, F_PRIMARIA) "
         "VALUES (71, 7, 1, 'Piazza Duomo 3', '50122', 'Firenze', 'FI', 1)");
    Exec("INSERT INTO SEDE_AZIENDA (ID, IDAZIENDA, VIA) VALUES (80, 8, 'Via senza tipo')");

    // What the document header reads for the invoiced customer's address.
    CSedeCompletaSet rs(&db());
    rs.m_strFilter = "IDAZIENDA = 7";
    rs.m_strSort = "F_PRIMARIA DESC";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.ID, 71);
    EXPECT_STREQ(rs.RAGIONESOCIALE, "Rossi Forniture srl");
    EXPECT_EQ(rs.IDTIPOSEDE, 1);
    EXPECT_STREQ(rs.NOMETIPOSEDE, "Sede legale");
    EXPECT_STREQ(rs.VIA, "Piazza Duomo 3");
    EXPECT_STREQ(rs.CAP, "50122");
    EXPECT_STREQ(rs.NOMEZONAPOSTALE, "Firenze");
    EXPECT_STREQ(rs.SIGLAPROVINCIA, "FI");
    EXPECT_EQ(rs.F_PRIMARIA, 1);
    rs.MoveNext();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.ID, 70);
    EXPECT_STREQ(rs.NOMETIPOSEDE, "Consegna");
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
    rs.Close();

    rs.m_strFilter = "IDAZIENDA = 8";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_TRUE(rs.IsFieldNull(&rs.IDTIPOSEDE));
    EXPECT_TRUE(rs.IsFieldNull(&rs.NOMETIPOSEDE));
    EXPECT_TRUE(rs.IsFieldNull(&rs.F_PRIMARIA));
}

TEST_P(OrvelDbPartners, AccountsShowTheirBankAndBranch)
{
    Exec("INSERT INTO BANCA (ID, DESCRIZIONE, ABI) VALUES (1, 'Banca del Borgo', '01234')");
    Exec("INSERT INTO BANCA_AGENZIA (ID, ID_BANCA, DESCRIZIONE, CAB) VALUES (11, 1, 'Filiale Duomo', '56789')");
    Exec("INSERT INTO CONTO (ID, DESCRIZIONE, ID_SOCIETA, ID_BANCA_AGENZIA, CIN, CONTO_CORRENTE, IBAN) "
         "VALUES (8, 'C/C Borgo', 1, 11, 'X', '000123456', 'IT60X0123456789000000123456')");
    Exec("INSERT INTO CONTO (ID, DESCRIZIONE, ID_SOCIETA) VALUES (9, 'Cassa negozio', 1)");

    CContoCompletoSet rs(&db());
    rs.m_strFilter = "ID = 8";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_STREQ(rs.DESCRIZIONE, "C/C Borgo");
    EXPECT_EQ(rs.ID_SOCIETA, 1);
    EXPECT_EQ(rs.BANCA_ID, 1);
    EXPECT_STREQ(rs.BANCA_DESCRIZIONE, "Banca del Borgo");
    EXPECT_STREQ(rs.BANCA_ABI, "01234");
    EXPECT_EQ(rs.AGENZIA_ID, 11);
    EXPECT_STREQ(rs.AGENZIA_DESCRIZIONE, "Filiale Duomo");
    EXPECT_STREQ(rs.AGENZIA_CAB, "56789");
    EXPECT_STREQ(rs.CIN, "X");
    EXPECT_STREQ(rs.CONTO_CORRENTE, "000123456");
    EXPECT_STREQ(rs.IBAN, "IT60X0123456789000000123456");
    rs.Close();

    rs.m_strFilter = "ID = 9";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_STREQ(rs.DESCRIZIONE, "Cassa negozio");
    EXPECT_TRUE(rs.IsFieldNull(&rs.BANCA_ID));
    EXPECT_TRUE(rs.IsFieldNull(&rs.BANCA_DESCRIZIONE));
    EXPECT_TRUE(rs.IsFieldNull(&rs.AGENZIA_CAB));
}

TEST_P(OrvelDbPartners, PartnerBandAndPriceListComeInTheOrderLinesReadThem)
{
    CAziendaScontoCompletoSet rs(&db());
    rs.m_strFilter = "ID = 7";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_STREQ(rs.SCONTO_ID, "RIV");
    EXPECT_STREQ(rs.SCONTO_DESCRIZIONE, "Rivenditori");
    EXPECT_STREQ(rs.SCONTO_SCONTO_1, "10");
    EXPECT_STREQ(rs.SCONTO_SCONTO_2, "5.125");
    EXPECT_STREQ(rs.SCONTO_SCONTO_3, "0");
    EXPECT_STREQ(rs.SCONTO_SCONTO_4, "0");
    EXPECT_STREQ(rs.SCONTO_PROVVIGIONE, "3");
    EXPECT_STREQ(rs.LISTINO_DESCRIZIONE, "Ingrosso");
    EXPECT_STREQ(rs.LISTINO_ID, "L2");
    EXPECT_STREQ(rs.RAGIONESOCIALE, "Rossi Forniture srl");
    rs.Close();

    rs.m_strFilter = "ID = 8";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_TRUE(rs.IsFieldNull(&rs.SCONTO_ID));
    EXPECT_TRUE(rs.IsFieldNull(&rs.SCONTO_SCONTO_1));
    EXPECT_TRUE(rs.IsFieldNull(&rs.LISTINO_ID));
    EXPECT_TRUE(rs.IsFieldNull(&rs.LISTINO_DESCRIZIONE));
    rs.Close();

    // Bands and price lists are looked up by their text id, quotes and all.
    Exec("INSERT INTO SCONTO (ID, DESCRIZIONE) VALUES ('D''A', 'Dell''Angelo')");
    CScontoSet band(&db());
    band.m_strFilter.Format("ID = '%s'", (const char*)CDomainClass::SetFilterParam("D'A"));
    band.Open();
    ASSERT_FALSE(band.IsEOF());
    EXPECT_STREQ(band.DESCRIZIONE, "Dell'Angelo");
    CListinoSet list(&db());
    list.m_strFilter = "ID = 'L2'";
    list.Open();
    ASSERT_FALSE(list.IsEOF());
    EXPECT_STREQ(list.DESCRIZIONE, "Ingrosso");
    EXPECT_EQ(list.TIPO_LISTINO, 1);
}

TEST_P(OrvelDbPartners, PartnerLoadsWithBandRoundedToTheDiscountPrecision)
{
    CDomainAzienda partner(&db());
    partner.Set_ID(7);
    ASSERT_TRUE(partner.DB_Load());
    EXPECT_EQ(partner.Get_ID(), 7);
    EXPECT_STREQ(partner.Get_RAGIONESOCIALE(), "Rossi Forniture srl");
    EXPECT_STREQ(partner.Get_PARTITAIVA(), "01234567890");
    EXPECT_STREQ(partner.Get_CODICEFISCALE(), "RSSFNT80A01H501U");
    EXPECT_EQ(partner.Get_F_TIPO_RAPPORTO(), CDomainAzienda::FORNITORE);
    EXPECT_EQ(partner.Get_ID_FORMULA_PAGAMENTO(), 3);
    EXPECT_TRUE(partner.IsValid_ID_FORMULA_PAGAMENTO());
    EXPECT_STREQ(partner.Get_SCONTO_ID(), "RIV");
    EXPECT_STREQ(partner.Get_SCONTO_DESCRIZIONE(), "Rivenditori");
    EXPECT_STREQ(partner.Get_SCONTO_SCONTO_1().ToString2(127, false), "10");
    EXPECT_STREQ(partner.Get_SCONTO_SCONTO_2().ToString2(127, false), "5.13");  // half away from zero
    EXPECT_TRUE(partner.Get_SCONTO_SCONTO_3().IsZero());
    EXPECT_STREQ(partner.Get_SCONTO_PROVVIGIONE().ToString2(127, false), "3");
    EXPECT_STREQ(partner.Get_LISTINO_ID(), "L2");
    EXPECT_STREQ(partner.Get_LISTINO_DESCRIZIONE(), "Ingrosso");

    // A copy is the same partner.
    CDomainAzienda copy(partner);
    EXPECT_STREQ(copy.Get_SCONTO_SCONTO_2().ToString2(127, false), "5.13");
    EXPECT_STREQ(copy.Get_LISTINO_ID(), "L2");
    EXPECT_EQ(copy.GetDatabase(), &db());

    // A customer without formula, band or price list.
    CDomainAzienda customer(&db());
    customer.Set_ID(8);
    ASSERT_TRUE(customer.DB_Load());
    EXPECT_EQ(customer.Get_F_TIPO_RAPPORTO(), CDomainAzienda::CLIENTE);
    EXPECT_EQ(customer.Get_ID_FORMULA_PAGAMENTO(), -1);
    EXPECT_FALSE(customer.IsValid_ID_FORMULA_PAGAMENTO());
    EXPECT_STREQ(customer.Get_SCONTO_ID(), "");
    EXPECT_TRUE(customer.Get_SCONTO_SCONTO_1().IsZero());
    EXPECT_STREQ(customer.Get_LISTINO_ID(), "");
    EXPECT_STREQ(customer.Get_PARTITAIVA(), "");
}

TEST_P(OrvelDbPartners, PartnerThatIsNotThereDoesNotLoad)
{
    orvel::test::MessageRecorder messages;
    CDomainAzienda none(&db());
    EXPECT_FALSE(none.IsValid());
    EXPECT_FALSE(none.DB_Load());  // no id: nothing is asked of the database
    none.Set_ID(999);
    EXPECT_FALSE(none.DB_Load());
    EXPECT_EQ(none.Get_ID(), 999);
    EXPECT_STREQ(none.Get_RAGIONESOCIALE(), "");
    EXPECT_TRUE(messages.messages.empty());

    // A database error is shown, not thrown.
    Exec("DROP VIEW AZIENDA_SCONTO_COMPLETO");
    CDomainAzienda partner(&db());
    partner.Set_ID(7);
    EXPECT_FALSE(partner.DB_Load());
    ASSERT_EQ(messages.messages.size(), 1u);
}

TEST_P(OrvelDbPartners, SettersRoundTheBandToThePrecisionInForce)
{
    config.Set("precisione/sconti", "1");
    CDomainAzienda partner(&db());
    partner.Set_SCONTO_SCONTO_1(Decimal(CString("12.25"), 127));
    partner.Set_SCONTO_PROVVIGIONE(Decimal(CString("-2.25"), 127));
    EXPECT_STREQ(partner.Get_SCONTO_SCONTO_1().ToString2(127, false), "12.3");
    EXPECT_STREQ(partner.Get_SCONTO_PROVVIGIONE().ToString2(127, false), "-2.3");
    CDomainAzienda assigned;
    assigned = partner;
    EXPECT_STREQ(assigned.Get_SCONTO_SCONTO_1().ToString2(127, false), "12.3");
}

ORVEL_DATABASE_TEST_SUITE(OrvelDbPartners);

}  // namespace
