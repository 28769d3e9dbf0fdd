// The partner library on real databases: partners' sites, accounts and bands come out of its
// views with the names their references imply (NULL where a reference is empty), a partner loads
// with its band and price list as document lines need them, and errors reach the error box
// instead of the host.
#include <gtest/gtest.h>

#include <string>

#include "orveldb/domain/DomainAzienda.h"
#include "orveldb/recordsets/AziendaScontoCompletoSet.h"
#include "orveldb/recordsets/ContoCompletoSet.h"
#include "orveldb/recordsets/ScontoSet.h"
#include "orveldb/recordsets/SedeCompletaSet.h"
#include "orvelmagdb/ConfigGuard.h"
#include "orvelmagdb/MessageRecorder.h"
#include "orvelmagdb/base/Schema.h"
#include "support/DatabaseTest.h"

namespace {

std::string S(const Decimal& value) { return value.ToString2(127, false).str(); }

class OrvelDbPartners : public orvel::test::DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        config.Set("precisione/sconti", "2");
        CSchema::Create(db());
        for (const char* sql : {
                 "INSERT INTO SOCIETA (ID, NOME, RAGIONE_SOCIALE) VALUES (1, 'Negozio centro', 'Centro Casa srl')",
                 "INSERT INTO TIPO_SEDE (ID, NOME) VALUES (1, 'Sede legale'), (2, 'Consegna')",
                 "INSERT INTO SCONTO (ID, DESCRIZIONE, SCONTO_1, SCONTO_2, SCONTO_3, SCONTO_4, PROVVIGIONE) "
                 "VALUES ('RIV', 'Rivenditori', '10', '5.125', '0', '0', '3'), ('D''A', 'Dell''Angelo', '1', '0', '0', '0', '0')",
                 "INSERT INTO LISTINO (ID, DESCRIZIONE, TIPO_LISTINO, F_IVATO) VALUES ('L2', 'Ingrosso', 1, 0)",
                 "INSERT INTO AZIENDA (ID, RAGIONESOCIALE, PARTITAIVA, CODICEFISCALE, F_TIPO_RAPPORTO, "
                 "ID_FORMULA_PAGAMENTO, ID_SCONTO, ID_LISTINO) "
                 "VALUES (7, 'Rossi Forniture srl', '01234567890', 'RSSFNT80A01H501U', 2, 3, 'RIV', 'L2')",
                 "INSERT INTO AZIENDA (ID, RAGIONESOCIALE, F_TIPO_RAPPORTO) VALUES (8, 'Mario Bianchi', 1)"})
            Exec(sql);
    }

    orvel::test::ConfigGuard config;
};

TEST_P(OrvelDbPartners, ViewsNameWhatTheReferencesPointAtAndNullWhereTheyAreEmpty)
{
    Exec("INSERT INTO SEDE_AZIENDA (ID, IDAZIENDA, IDTIPOSEDE, VIA, CAP, F_PRIMARIA) VALUES "
         "(70, 7, 2, 'Via Roma 1', '50100', 0), (71, 7, 1, 'Piazza Duomo 3', '50122', 1)");
    Exec("INSERT INTO SEDE_AZIENDA (ID, IDAZIENDA, VIA) VALUES (80, 8, 'Via senza tipo')");
    CSedeCompletaSet sites(&db());
    sites.m_strSort = "IDAZIENDA, F_PRIMARIA DESC";
    sites.Open();
    ASSERT_EQ(sites.GetRecordCount(), 3);
    EXPECT_EQ(sites.ID, 71) << "the main site first";
    EXPECT_STREQ(sites.RAGIONESOCIALE, "Rossi Forniture srl");
    EXPECT_STREQ(sites.NOMETIPOSEDE, "Sede legale");
    EXPECT_STREQ(sites.CAP, "50122");
    sites.MoveNext();
    EXPECT_STREQ(sites.NOMETIPOSEDE, "Consegna");
    sites.MoveNext();
    EXPECT_TRUE(sites.IsFieldNull(&sites.IDTIPOSEDE) && sites.IsFieldNull(&sites.NOMETIPOSEDE));

    Exec("INSERT INTO BANCA (ID, DESCRIZIONE, ABI) VALUES (1, 'Banca del Borgo', '01234')");
    Exec("INSERT INTO BANCA_AGENZIA (ID, ID_BANCA, DESCRIZIONE, CAB) VALUES (11, 1, 'Filiale Duomo', '56789')");
    Exec("INSERT INTO CONTO (ID, DESCRIZIONE, ID_SOCIETA, ID_BANCA_AGENZIA, IBAN) "
         "VALUES (8, 'C/C Borgo', 1, 11, 'IT60X0123456789000000123456')");
    Exec("INSERT INTO CONTO (ID, DESCRIZIONE, ID_SOCIETA) VALUES (9, 'Cassa negozio', 1)");
    CContoCompletoSet accounts(&db());
    accounts.m_strSort = "ID";
    accounts.Open();
    EXPECT_STREQ(accounts.BANCA_DESCRIZIONE, "Banca del Borgo");
    EXPECT_STREQ(accounts.BANCA_ABI, "01234");
    EXPECT_STREQ(accounts.AGENZIA_DESCRIZIONE, "Filiale Duomo");
    EXPECT_STREQ(accounts.AGENZIA_CAB, "56789");
    EXPECT_STREQ(accounts.IBAN, "IT60X0123456789000000123456");
    accounts.MoveNext();
    EXPECT_TRUE(accounts.IsFieldNull(&accounts.BANCA_ID) && accounts.IsFieldNull(&accounts.AGENZIA_CAB));

    CAziendaScontoCompletoSet partners(&db());
    partners.m_strSort = "ID";
    partners.Open();
    EXPECT_STREQ(partners.SCONTO_DESCRIZIONE, "Rivenditori");
    EXPECT_STREQ(partners.SCONTO_SCONTO_2, "5.125") << "the view gives the band as stored";
    EXPECT_STREQ(partners.LISTINO_DESCRIZIONE, "Ingrosso");
    partners.MoveNext();
    EXPECT_TRUE(partners.IsFieldNull(&partners.SCONTO_ID) && partners.IsFieldNull(&partners.LISTINO_DESCRIZIONE));

    CScontoSet band(&db());  // bands are looked up by their text id, quotes and all
    band.m_strFilter.Format("ID = '%s'", (const char*)CDomainClass::SetFilterParam("D'A"));
    band.Open();
    ASSERT_FALSE(band.IsEOF());
    EXPECT_STREQ(band.DESCRIZIONE, "Dell'Angelo");
}

TEST_P(OrvelDbPartners, PartnerLoadsWithItsBandRoundedToTheDiscountPrecisionOrShowsTheError)
{
    CDomainAzienda partner(&db());
    partner.Set_ID(7);
    ASSERT_TRUE(partner.DB_Load());
    EXPECT_STREQ(partner.Get_RAGIONESOCIALE(), "Rossi Forniture srl");
    EXPECT_STREQ(partner.Get_CODICEFISCALE(), "RSSFNT80A01H501U");
    EXPECT_EQ(partner.Get_F_TIPO_RAPPORTO(), CDomainAzienda::FORNITORE);
    EXPECT_TRUE(partner.IsValid_ID_FORMULA_PAGAMENTO());
    EXPECT_EQ(S(partner.Get_SCONTO_SCONTO_2()), "5.13") << "half away from zero";
    EXPECT_EQ(S(partner.Get_SCONTO_PROVVIGIONE()), "3");
    EXPECT_STREQ(partner.Get_LISTINO_DESCRIZIONE(), "Ingrosso");
    const CDomainAzienda copy(partner);
    EXPECT_EQ(S(copy.Get_SCONTO_SCONTO_2()), "5.13");
    EXPECT_STREQ(copy.Get_LISTINO_ID(), "L2");

    CDomainAzienda customer(&db());
    customer.Set_ID(8);
    ASSERT_TRUE(customer.DB_Load());
    EXPECT_EQ(customer.Get_F_TIPO_RAPPORTO(), CDomainAzienda::CLIENTE);
    EXPECT_EQ(customer.Get_ID_FORMULA_PAGAMENTO(), -1);
    EXPECT_FALSE(customer.IsValid_ID_FORMULA_PAGAMENTO());
    EXPECT_STREQ(customer.Get_SCONTO_ID(), "");
    EXPECT_STREQ(customer.Get_LISTINO_ID(), "");

    config.Set("precisione/sconti", "1");
    CDomainAzienda later(&db());
    later.Set_SCONTO_SCONTO_1(Decimal(CString("12.25"), 127));
    later.Set_SCONTO_PROVVIGIONE(Decimal(CString("-2.25"), 127));
    CDomainAzienda assigned;
    assigned = later;
    EXPECT_EQ(S(assigned.Get_SCONTO_SCONTO_1()), "12.3");
    EXPECT_EQ(S(assigned.Get_SCONTO_PROVVIGIONE()), "-2.3");

    // A partner that is not there does not load; a database error is shown.
    orvel::test::MessageRecorder messages;
    CDomainAzienda none(&db());
    EXPECT_FALSE(none.IsValid());
    EXPECT_FALSE(none.DB_Load()) << "no id: nothing is asked of the database";
    none.Set_ID(999);
    EXPECT_FALSE(none.DB_Load());
    EXPECT_STREQ(none.Get_RAGIONESOCIALE(), "");
    EXPECT_TRUE(messages.messages.empty());
    Exec("DROP VIEW AZIENDA_SCONTO_COMPLETO");
    none.Set_ID(7);
    EXPECT_FALSE(none.DB_Load());
    EXPECT_EQ(messages.messages.size(), 1u);
}

ORVEL_DATABASE_TEST_SUITE(OrvelDbPartners);

}  // namespace
