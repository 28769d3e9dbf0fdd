// The promotion, voucher and point-of-sale tables and views on real databases: what is written
// through the recordsets comes out of the views with the company, article, VAT and department
// names the references imply (NULL where a reference is empty or points nowhere), open-ended
// dates stay NULL, a promotion's articles are a set while a campaign's lists keep what the
// campaign object saves, and every source of the area has exactly the columns its recordset
// binds.
#include <gtest/gtest.h>

#include <string>

#include "odbc/DBException.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/recordsets/promotions/ArticoloPromozioneListSet.h"
#include "orvelmagdb/recordsets/promotions/ArticoloPromozioneSet.h"
#include "orvelmagdb/recordsets/promotions/BuonoEmessoSet.h"
#include "orvelmagdb/ArticlePrivateRecordset.h"
#include "orvelmagdb/recordsets/promotions/detail/EmissioneBuonoCausaleSet.h"
#include "orvelmagdb/recordsets/promotions/EmissioneBuonoCompletaSet.h"
#include "orvelmagdb/recordsets/promotions/EmissioneBuonoSet.h"
#include "orvelmagdb/recordsets/promotions/PostazioneCompletaSet.h"
#include "orvelmagdb/recordsets/promotions/PromozioneCompletaSet.h"
#include "orvelmagdb/recordsets/promotions/PromozioneSet.h"
#include "orvelmagdb/recordsets/promotions/RicercaPromozioneSet.h"
#include "orvelmagdb/recordsets/promotions/TouchPulsanteCompletoSet.h"
#include "orvelmagdb/recordsets/promotions/VENDITA_MISURATORE_COMPLETA.h"
#include "orvelmagdb/recordsets/promotions/VENDITA_REPARTO_MISURATORE_COMP.h"
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

void ExpectDate(const COleDateTime& date, int year, int month, int day, int hour = 0, int minute = 0)
{
    ASSERT_EQ(date.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(date.GetYear(), year);
    EXPECT_EQ(date.GetMonth(), month);
    EXPECT_EQ(date.GetDay(), day);
    EXPECT_EQ(date.GetHour(), hour);
    EXPECT_EQ(date.GetMinute(), minute);
}

class PromotionViews : public orvel::test::DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        CSchema::Create(db());
        Exec("INSERT INTO SOCIETA (ID, NOME, RAGIONE_SOCIALE) VALUES (1, 'Negozio centro', 'Centro Casa srl')");
        Exec("INSERT INTO IVA (CODICE, DESCRIZIONE, ALIQUOTA, CODICE_CASSA) VALUES ('22', 'Ordinaria', '22', 1)");
        Exec("INSERT INTO IVA (CODICE, DESCRIZIONE, ALIQUOTA, CODICE_CASSA) VALUES ('10', 'Ridotta', '10', 2)");
        Exec("INSERT INTO REPARTO (ID, DESCRIZIONE, ID_IVA) VALUES ('R1', 'Bevande', '10')");
        Exec("INSERT INTO ARTICOLO (ID, DESCRIZIONE, DESCRIZIONE_RIDOTTA, CODICE_EAN, PREZZO_PZ_EURO, "
             "PREZZO_PZ_EURO_IVATO, ID_IVA, ID_REPARTO, PEZZI_X_CONFEZIONE, UM, PREZZO_ACQ_PZ_EURO) "
             "VALUES ('A1', 'Chianti classico 0,75', 'Chianti', '8001234567890', '8.20', '10.00', '22', 'R1', "
             "'6', 'PZ', '4.10')");
        Exec("INSERT INTO ARTICOLO (ID, DESCRIZIONE) VALUES ('A2', 'Sfuso')");
    }

    // A "discount %" promotion of company 1, written as the promotion object writes it: the
    // other kinds' amounts NULL, no end date when `end` is null.
    void AddPromotion(long id, const TIMESTAMP_STRUCT& start, const TIMESTAMP_STRUCT* end, long company = 1)
    {
        CPromozioneSet rs(&db());
        rs.m_strFilter.Format("ID = %ld AND ID_SOCIETA = %ld", id, company);
        rs.Open();
        rs.AddNew();
        rs.ID = id;
        rs.TIPO_PROMOZIONE = 1;
        rs.DATA_INIZIO = start;
        if (end)
            rs.DATA_FINE = *end;
        else
            rs.SetFieldNull(&rs.DATA_FINE);
        rs.DESCRIZIONE = "Settimana del vino";
        rs.SCONTO_1_PROMOZIONE = "10";
        rs.SCONTO_2_PROMOZIONE = "5";
        rs.SCONTO_3_PROMOZIONE = "0";
        rs.SCONTO_4_PROMOZIONE = "0";
        rs.MXN_PARTE_M = "0";
        rs.SetFieldNull(&rs.PREZZO_PROMOZIONE);
        rs.SetFieldNull(&rs.MXN_PARTE_N);
        rs.SetFieldNull(&rs.SCONTO_EURO);
        rs.SetFieldNull(&rs.F_TIPO_PREZZO_PROMOZIONE);
        rs.SetFieldNull(&rs.F_TIPO_SCONTO_EURO);
        rs.ID_SOCIETA = company;
        rs.F_SUBTOTALE = 1;
        ASSERT_TRUE(rs.Update());
        rs.Close();
    }

    void AddMember(long promotion, const char* article)
    {
        CArticoloPromozioneSet rs(&db());
        rs.m_strFilter.Format("ID_PROMOZIONE = %ld", promotion);
        rs.Open();
        rs.AddNew();
        rs.ID_PROMOZIONE = promotion;
        rs.ID_ARTICOLO = article;
        ASSERT_TRUE(rs.Update());
        rs.Close();
    }
};

TEST_P(PromotionViews, PromotionShowsItsCompanyAndKeepsAnOpenEnd)
{
    const TIMESTAMP_STRUCT end = Ts(2024, 3, 31, 23, 59);
    AddPromotion(1, Ts(2024, 3, 1, 9, 0), &end);
    AddPromotion(2, Ts(2024, 4, 1), nullptr);
    AddPromotion(3, Ts(2024, 4, 1), nullptr, 77);  // a company that does not exist

    CPromozioneCompletaSet rs(&db());
    rs.m_strFilter = "ID = 1 AND ID_SOCIETA = 1";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.TIPO_PROMOZIONE, 1);
    ExpectDate(rs.DATA_INIZIO, 2024, 3, 1, 9, 0);
    ExpectDate(rs.DATA_FINE, 2024, 3, 31, 23, 59);
    EXPECT_STREQ(rs.DESCRIZIONE, "Settimana del vino");
    EXPECT_STREQ(rs.SCONTO_1_PROMOZIONE, "10");
    EXPECT_STREQ(rs.SCONTO_2_PROMOZIONE, "5");
    EXPECT_STREQ(rs.MXN_PARTE_M, "0");
    EXPECT_TRUE(rs.IsFieldNull(&rs.PREZZO_PROMOZIONE));
    EXPECT_TRUE(rs.IsFieldNull(&rs.F_TIPO_PREZZO_PROMOZIONE));
    EXPECT_TRUE(rs.IsFieldNull(&rs.MXN_PARTE_N));
    EXPECT_TRUE(rs.IsFieldNull(&rs.SCONTO_EURO));
    EXPECT_EQ(rs.ID_SOCIETA, 1);
    EXPECT_STREQ(rs.NOME_SOCIETA, "Negozio centro");
    EXPECT_STREQ(rs.RAGIONESOCIALE_SOCIETA, "Centro Casa srl");
    EXPECT_EQ(rs.F_SUBTOTALE, 1);
    rs.Close();

    rs.m_strFilter = "ID = 2 AND ID_SOCIETA = 1";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.DATA_FINE.GetStatus(), COleDateTime::null);
    rs.Close();

    // The load filter names the company too: promotion 3 belongs to another one.
    rs.m_strFilter = "ID = 3 AND ID_SOCIETA = 1";
    rs.Open();
    EXPECT_TRUE(rs.IsEOF());
    rs.Close();
    rs.m_strFilter = "ID = 3";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.ID_SOCIETA, 77);
    EXPECT_TRUE(rs.IsFieldNull(&rs.NOME_SOCIETA));
    EXPECT_TRUE(rs.IsFieldNull(&rs.RAGIONESOCIALE_SOCIETA));
    rs.Close();

    // Deleting a promotion by its key leaves its article memberships to the host.
    AddMember(1, "A1");
    Exec("DELETE FROM PROMOZIONE WHERE ID = 1 AND ID_SOCIETA = 1");
    EXPECT_EQ(CountRows("ARTICOLO_PROMOZIONE"), 1);
}

TEST_P(PromotionViews, ArticlesOfAPromotionShowPricesVatAndDepartment)
{
    const TIMESTAMP_STRUCT end = Ts(2024, 3, 31);
    AddPromotion(1, Ts(2024, 3, 1), &end);
    AddMember(1, "A1");
    AddMember(1, "A2");
    AddMember(1, "GONE");  // an article no longer in the register

    CArticoloPromozioneListSet rs(&db());
    rs.m_strFilter = "ID = 1";
    rs.m_strSort = "ARTICOLO_ID";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.ID, 1);
    EXPECT_EQ(rs.ID_SOCIETA, 1);
    ExpectDate(rs.DATA_INIZIO, 2024, 3, 1);
    ExpectDate(rs.DATA_FINE, 2024, 3, 31);
    EXPECT_EQ(rs.F_SUBTOTALE, 1);
    EXPECT_STREQ(rs.ARTICOLO_ID, "A1");
    EXPECT_STREQ(rs.ARTICOLO_DESCRIZIONE, "Chianti classico 0,75");
    EXPECT_STREQ(rs.ARTICOLO_PREZZO_VENDITA, "8.20");
    EXPECT_STREQ(rs.ARTICOLO_PREZZO_VENDITA_II, "10.00");
    EXPECT_STREQ(rs.ARTICOLO_CODICE_EAN, "8001234567890");
    EXPECT_STREQ(rs.IVA_ID, "22");
    EXPECT_STREQ(rs.IVA_ALIQUOTA, "22");
    EXPECT_EQ(rs.IVA_CODICE_CASSA, 1);
    EXPECT_STREQ(rs.REPARTO_ID, "R1");
    EXPECT_STREQ(rs.REPARTO_DESCRIZIONE, "Bevande");
    EXPECT_STREQ(rs.REPARTO_IVA_ID, "10");
    EXPECT_EQ(rs.REPARTO_IVA_CODICE_CASSA, 2);
    rs.MoveNext();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_STREQ(rs.ARTICOLO_ID, "A2");
    EXPECT_STREQ(rs.ARTICOLO_DESCRIZIONE, "Sfuso");
    EXPECT_TRUE(rs.IsFieldNull(&rs.IVA_ID));
    EXPECT_TRUE(rs.IsFieldNull(&rs.IVA_ALIQUOTA));
    EXPECT_TRUE(rs.IsFieldNull(&rs.IVA_CODICE_CASSA));
    EXPECT_TRUE(rs.IsFieldNull(&rs.REPARTO_ID));
    EXPECT_TRUE(rs.IsFieldNull(&rs.REPARTO_DESCRIZIONE));
    EXPECT_TRUE(rs.IsFieldNull(&rs.REPARTO_IVA_CODICE_CASSA));
    rs.MoveNext();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_STREQ(rs.ARTICOLO_ID, "GONE");
    EXPECT_TRUE(rs.IsFieldNull(&rs.ARTICOLO_DESCRIZIONE));
    EXPECT_TRUE(rs.IsFieldNull(&rs.ARTICOLO_PREZZO_VENDITA));
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
    rs.Close();

    // An article is in a promotion once.
    CArticoloPromozioneSet member(&db());
    member.m_strFilter = "ID_PROMOZIONE = 1";
    member.Open();
    member.AddNew();
    member.ID_PROMOZIONE = 1;
    member.ID_ARTICOLO = "A1";
    EXPECT_THROW(member.Update(), CDBException);
    member.CancelUpdate();
    EXPECT_EQ(CountRows("ARTICOLO_PROMOZIONE"), 3);
}

TEST_P(PromotionViews, SearchFindsThePromotionsOfAnArticleOnADay)
{
    const TIMESTAMP_STRUCT march = Ts(2024, 3, 31);
    AddPromotion(1, Ts(2024, 3, 1), &march);
    AddPromotion(2, Ts(2024, 4, 1), nullptr);
    AddPromotion(3, Ts(2024, 3, 10), nullptr, 2);
    AddMember(1, "A1");
    AddMember(2, "A1");
    AddMember(3, "A1");
    AddMember(2, "A2");
    AddMember(9, "A1");  // membership of a promotion that does not exist

    CRicercaPromozioneSet rs(&db());
    rs.m_strFilter = "ID_ARTICOLO = 'A1' AND ID_SOCIETA = 1";
    rs.m_strSort = "ID";
    rs.Open();
    ASSERT_EQ(rs.GetRecordCount(), 2);
    EXPECT_EQ(rs.ID, 1);
    EXPECT_EQ(rs.DATA_INIZIO.month, 3);
    EXPECT_EQ(rs.DATA_FINE.day, 31);
    rs.MoveNext();
    EXPECT_EQ(rs.ID, 2);
    EXPECT_TRUE(rs.IsFieldNull(&rs.DATA_FINE));
    EXPECT_STREQ(rs.ID_ARTICOLO, "A1");
    rs.Close();

    rs.m_strFilter = "ID_ARTICOLO = 'A1'";
    rs.Open();
    EXPECT_EQ(rs.GetRecordCount(), 3);
}

TEST_P(PromotionViews, VoucherCampaignShowsItsCompanyAndKeepsItsListsAsSaved)
{
    CEmissioneBuonoSet rs(&db());
    rs.m_strFilter = "ID IS NULL";
    rs.Open();
    rs.AddNew();
    rs.ID = 5;
    rs.DATA_INIZIO = COleDateTime(2024, 12, 1, 0, 0, 0);
    rs.SetFieldNull(&rs.DATA_FINE);
    rs.TESTO1 = "Buono Natale";
    rs.TESTO2 = "valido fino all'Epifania";
    rs.SCONTO = "10";
    rs.IMPORTO = "5.00";
    rs.F_TIPO = 1;
    rs.F_TIPO_ARTICOLI = 2;
    rs.IMPORTO_SOGLIA = "50.00";
    rs.IMPORTO_MASSIMO = "20.00";
    rs.ID_SOCIETA = 1;
    rs.NUMERO_PUNTI = 3;
    ASSERT_TRUE(rs.Update());
    rs.Close();

    CEmissioneBuonoCompletaSet view(&db());
    view.m_strFilter = "ID = 5 AND SOCIETA_ID = 1";
    view.Open();
    ASSERT_FALSE(view.IsEOF());
    ExpectDate(view.DATA_INIZIO, 2024, 12, 1);
    EXPECT_EQ(view.DATA_FINE.GetStatus(), COleDateTime::null);
    EXPECT_STREQ(view.TESTO1, "Buono Natale");
    EXPECT_STREQ(view.TESTO2, "valido fino all'Epifania");
    EXPECT_TRUE(view.IsFieldNull(&view.TESTO3));
    EXPECT_STREQ(view.SCONTO, "10");
    EXPECT_STREQ(view.IMPORTO, "5.00");
    EXPECT_EQ(view.F_TIPO, 1);
    EXPECT_EQ(view.F_TIPO_ARTICOLI, 2);
    EXPECT_STREQ(view.IMPORTO_SOGLIA, "50.00");
    EXPECT_STREQ(view.IMPORTO_MASSIMO, "20.00");
    EXPECT_EQ(view.NUMERO_PUNTI, 3);
    EXPECT_EQ(view.SOCIETA_ID, 1);
    EXPECT_STREQ(view.SOCIETA_NOME, "Negozio centro");
    EXPECT_STREQ(view.SOCIETA_RAGIONESOCIALE, "Centro Casa srl");
    view.Close();

    // The campaign's lists are written as the object holds them: an object loaded twice holds
    // every id twice and saves it so without failing.
    auto made = orvel::test::MakePrivateRecordset<CEmissioneBuonoCausaleSet>("CEmissioneBuonoCausaleSet", &db());
    ASSERT_NE(made, nullptr);
    CEmissioneBuonoCausaleSet& reasons = *made;
    reasons.m_strFilter = "ID_EMISSIONE_BUONO IS NULL";
    reasons.Open();
    for (long reason : {4L, 9L, 4L}) {
        reasons.AddNew();
        reasons.ID_EMISSIONE_BUONO = 5;
        reasons.ID_CAUSALE = reason;
        ASSERT_TRUE(reasons.Update());
    }
    reasons.Close();
    reasons.m_strFilter = "ID_EMISSIONE_BUONO = 5";
    reasons.m_strSort = "ID_CAUSALE";
    reasons.Open();
    EXPECT_EQ(reasons.GetRecordCount(), 3);
    EXPECT_EQ(reasons.ID_CAUSALE, 4);
    reasons.Close();
    for (const char* table : {"EMISSIONE_BUONO_CATEGORIA (ID_EMISSIONE_BUONO, ID_CATEGORIA)",
                              "EMISSIONE_BUONO_FAMIGLIA (ID_EMISSIONE_BUONO, ID_FAMIGLIA)",
                              "EMISSIONE_BUONO_GRUPPO (ID_EMISSIONE_BUONO, ID_GRUPPO)"}) {
        SCOPED_TRACE(table);
        CString sql;
        sql.Format("INSERT INTO %s VALUES (5, 'X1')", table);
        Exec(sql);
        // A link without its id is refused.
        sql.Format("INSERT INTO %s VALUES (5, NULL)", table);
        EXPECT_THROW(Exec(sql), CDBException);
    }
    // Deleting the campaign by its key leaves the links to the host.
    Exec("DELETE FROM EMISSIONE_BUONO WHERE ID = 5 AND ID_SOCIETA = 1");
    EXPECT_EQ(CountRows("EMISSIONE_BUONO_CAUSALE"), 3);
    EXPECT_EQ(CountRows("EMISSIONE_BUONO_CATEGORIA"), 1);
    view.Open();
    EXPECT_TRUE(view.IsEOF());
}

TEST_P(PromotionViews, IssuedVoucherKeepsItsDocumentAndValue)
{
    CBuonoEmessoSet rs(&db());
    rs.m_strFilter = "ID IS NULL";
    rs.Open();
    rs.AddNew();
    rs.ID = 1;
    rs.DATA = COleDateTime(2024, 12, 20, 17, 5, 0);
    rs.ID_DOCUMENTO = 42;
    rs.ID_EMISSIONE_BUONO = 5;
    rs.VALORE = "5.00";
    rs.SetFieldNull(&rs.BENE);
    rs.PUNTI = 3;
    ASSERT_TRUE(rs.Update());
    rs.Close();

    rs.m_strFilter = "ID_DOCUMENTO = 42";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    ExpectDate(rs.DATA, 2024, 12, 20, 17, 5);
    EXPECT_EQ(rs.ID_EMISSIONE_BUONO, 5);
    EXPECT_STREQ(rs.VALORE, "5.00");
    EXPECT_TRUE(rs.IsFieldNull(&rs.BENE));
    EXPECT_EQ(rs.PUNTI, 3);
}

TEST_P(PromotionViews, TouchButtonsShowTheirArticleSectionAndLayout)
{
    Exec("INSERT INTO TOUCH_CONFIGURAZIONE (ID, DESCRIZIONE, SEZ_BTN_WIDTH, PULS_FONT_FACE) "
         "VALUES (1, 'Bar', 120, 'Sans')");
    Exec("INSERT INTO TOUCH_SEZIONE (ID, DESCRIZIONE, COLOR_BACK, NUMERO, ICON, ID_CONFIGURAZIONE) "
         "VALUES (10, 'Vini', 16777215, 1, 3, 1)");
    Exec("INSERT INTO TOUCH_PULSANTE (ID, NUMERO, ICONA, COLOR_BACK, ID_ARTICOLO, DESCRIZIONE, ID_SEZIONE) "
         "VALUES (100, 1, 7, 255, 'A1', 'Chianti calice', 10)");
    Exec("INSERT INTO TOUCH_PULSANTE (ID, NUMERO, DESCRIZIONE) VALUES (101, 2, 'Vuoto')");

    CTouchPulsanteCompletoSet rs(&db());
    rs.m_strSort = "ID";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.ID, 100);
    EXPECT_STREQ(rs.DESCRIZIONE, "Chianti calice");
    EXPECT_EQ(rs.ICONA, 7);
    EXPECT_EQ(rs.COLOR_BACK, 255);
    EXPECT_EQ(rs.NUMERO, 1);
    EXPECT_STREQ(rs.ARTICOLO_ID, "A1");
    EXPECT_STREQ(rs.ARTICOLO_DESCRIZIONE, "Chianti classico 0,75");
    EXPECT_STREQ(rs.ARTICOLO_DESCRIZIONE_RIDOTTA, "Chianti");
    EXPECT_EQ(rs.SEZIONE_ID, 10);
    EXPECT_STREQ(rs.SEZIONE_DESCRIZIONE, "Vini");
    EXPECT_EQ(rs.CONFIGURAZIONE_ID, 1);
    EXPECT_STREQ(rs.CONFIGURAZIONE_DESCRIZIONE, "Bar");
    rs.MoveNext();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.ID, 101);
    EXPECT_TRUE(rs.IsFieldNull(&rs.ARTICOLO_ID));
    EXPECT_TRUE(rs.IsFieldNull(&rs.ARTICOLO_DESCRIZIONE));
    EXPECT_TRUE(rs.IsFieldNull(&rs.SEZIONE_ID));
    EXPECT_TRUE(rs.IsFieldNull(&rs.SEZIONE_DESCRIZIONE));
    EXPECT_TRUE(rs.IsFieldNull(&rs.CONFIGURAZIONE_ID));
    EXPECT_TRUE(rs.IsFieldNull(&rs.CONFIGURAZIONE_DESCRIZIONE));
}

TEST_P(PromotionViews, WorkstationAndFiscalPrinterCounters)
{
    Exec("INSERT INTO STAMPANTE_FISCALE (ID, DESCRIZIONE, F_CHIUSURA) VALUES ('EPS', 'Epson FP-81', 1)");
    Exec("INSERT INTO POSTAZIONE (ID, ID_STAMPANTE_FISCALE, PRODOTTO, PORTA, PARAMETRI, CUSTOMER_DISPLAY) "
         "VALUES ('CASSA1', 'EPS', 'FP81', 3, '9600,8,N,1', 'VFD')");
    Exec("INSERT INTO POSTAZIONE (ID, PRODOTTO) VALUES ('CASSA2', 'nessuna')");
    Exec("INSERT INTO VENDITA_MISURATORE (ID_ARTICOLO, QUANTITA, TOTALE_IVATO) VALUES ('A1', '3', '30.00')");
    Exec("INSERT INTO VENDITA_MISURATORE (ID_ARTICOLO, QUANTITA, TOTALE_IVATO) VALUES ('GONE', '1', '2.00')");
    Exec("INSERT INTO VENDITA_REPARTO_MISURATORE (ID_REPARTO, QUANTITA, TOTALE_IVATO) VALUES ('R1', '4', '32.00')");
    Exec("INSERT INTO VENDITA_REPARTO_MISURATORE (ID_REPARTO, QUANTITA, TOTALE_IVATO) VALUES ('R9', '1', '1.00')");

    CPostazioneCompletaSet station(&db());
    station.m_strSort = "ID";
    station.Open();
    ASSERT_FALSE(station.IsEOF());
    EXPECT_STREQ(station.ID, "CASSA1");
    EXPECT_STREQ(station.PRODOTTO, "FP81");
    EXPECT_STREQ(station.STAFIS_ID, "EPS");
    EXPECT_STREQ(station.STAFIS_DESCRIZIONE, "Epson FP-81");
    EXPECT_EQ(station.PORTA, 3);
    EXPECT_STREQ(station.PARAMETRI, "9600,8,N,1");
    EXPECT_STREQ(station.CUSTOMER_DISPLAY, "VFD");
    station.MoveNext();
    ASSERT_FALSE(station.IsEOF());
    EXPECT_TRUE(station.IsFieldNull(&station.STAFIS_ID));
    EXPECT_TRUE(station.IsFieldNull(&station.STAFIS_DESCRIZIONE));

    CVENDITA_MISURATORE_COMPLETA sales(&db());
    sales.m_strSort = "ID_ARTICOLO";
    sales.Open();
    ASSERT_FALSE(sales.IsEOF());
    EXPECT_STREQ(sales.ID_ARTICOLO, "A1");
    EXPECT_STREQ(sales.DESCRIZIONE_ARTICOLO, "Chianti classico 0,75");
    EXPECT_STREQ(sales.CODICE_EAN, "8001234567890");
    EXPECT_STREQ(sales.PEZZI_X_CONFEZIONE, "6");
    EXPECT_STREQ(sales.UM, "PZ");
    EXPECT_STREQ(sales.ALIQUOTA_IVA, "22");
    EXPECT_STREQ(sales.ID_IVA, "22");
    EXPECT_STREQ(sales.PREZZO_ACQ_PZ_EURO, "4.10");
    EXPECT_STREQ(sales.ID_REPARTO, "R1");
    EXPECT_STREQ(sales.QUANTITA, "3");
    EXPECT_STREQ(sales.TOTALE_IVATO, "30.00");
    sales.MoveNext();
    ASSERT_FALSE(sales.IsEOF());
    EXPECT_STREQ(sales.ID_ARTICOLO, "GONE");
    EXPECT_TRUE(sales.IsFieldNull(&sales.DESCRIZIONE_ARTICOLO));
    EXPECT_TRUE(sales.IsFieldNull(&sales.ALIQUOTA_IVA));
    EXPECT_STREQ(sales.TOTALE_IVATO, "2.00");

    CVENDITA_REPARTO_MISURATORE_COMP departments(&db());
    departments.m_strSort = "ID_REPARTO";
    departments.Open();
    ASSERT_FALSE(departments.IsEOF());
    EXPECT_STREQ(departments.DESCRIZIONE_REPARTO, "Bevande");
    EXPECT_STREQ(departments.QUANTITA, "4");
    EXPECT_STREQ(departments.TOTALE_IVATO, "32.00");
    departments.MoveNext();
    ASSERT_FALSE(departments.IsEOF());
    EXPECT_STREQ(departments.ID_REPARTO, "R9");
    EXPECT_TRUE(departments.IsFieldNull(&departments.DESCRIZIONE_REPARTO));
}

ORVEL_DATABASE_TEST_SUITE(PromotionViews);

}  // namespace
