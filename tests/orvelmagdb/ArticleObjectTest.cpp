// The article object on real databases: the defaults of a new article, what a save stores (the
// NULL rules, checked with direct queries), what a load gives back, the modified flag, the related
// loads, and the supplier and alternative-code collections, whose loads append and whose saves
// replace.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "odbc/DBException.h"
#include "orvelmagdb/ConfigGuard.h"
#include "orvelmagdb/MessageRecorder.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/domain/articles/DomainArticolo.h"
#include "orveldblib/Decimal.h"
#include "support/DatabaseTest.h"

using orvel::test::ConfigGuard;
using orvel::test::MessageRecorder;

namespace {

Decimal D(const char* text) { return Decimal(text, 127); }
std::string S(const Decimal& value) { return value.ToString2(127, false).str(); }

class ArticleObject : public orvel::test::DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        config.SetShopDefaults();
        CSchema::Create(db());
        Exec("INSERT INTO IVA (CODICE, DESCRIZIONE, ALIQUOTA, CODICE_CASSA) VALUES ('22', 'Ordinaria', '22', 3)");
        Exec("INSERT INTO IVA (CODICE, DESCRIZIONE, ALIQUOTA) VALUES ('4', 'Minima', '4.045')");
        Exec("INSERT INTO REPARTO (ID, DESCRIZIONE, ID_IVA) VALUES ('R1', 'Bevande', '22')");
        Exec("INSERT INTO CATEGORIA (ID, DESCRIZIONE) VALUES ('C1', 'Vini')");
        Exec("INSERT INTO CATEGORIA (ID, DESCRIZIONE) VALUES ('C2', 'Vuota')");
        Exec("INSERT INTO FAMIGLIA (ID, DESCRIZIONE, ID_CATEGORIA, PERC_COSTO_OMAGGIO) VALUES ('F1', 'Rossi', 'C1', '30')");
        Exec("INSERT INTO GRUPPO (ID, DESCRIZIONE, ID_FAMIGLIA) VALUES ('G1', 'Toscani', 'F1')");
        Exec("INSERT INTO FORMULA_PREZZO (ID, DESCRIZIONE) VALUES (7, 'Ricarico 40%')");
        Exec("INSERT INTO FORMULA_PREZZO (ID, DESCRIZIONE) VALUES (8, 'Listino meno sconti')");
        Exec("INSERT INTO AZIENDA (ID, RAGIONESOCIALE) VALUES (100, 'Zeta Vini srl')");
        Exec("INSERT INTO AZIENDA (ID, RAGIONESOCIALE) VALUES (101, 'Alfa Cantine spa')");
        Exec("INSERT INTO AZIENDA (ID, RAGIONESOCIALE) VALUES (102, 'Beta')");
    }

    std::optional<std::string> Column(const char* column, const char* id = "A1")
    {
        CString sql;
        sql.Format("SELECT %s FROM ARTICOLO WHERE ID = '%s'", column, id);
        return QueryText(sql);
    }

    // A fully described article, prices run through the chain.
    void Fill(CDomainArticolo& a)
    {
        a.Set_ID("A1");
        a.Set_CODICE_EAN("8001234567890");
        a.Set_CODICE_INTERNO("INT-1");
        a.Set_DESCRIZIONE("Chianti 0,75");
        a.Set_DESCRIZIONE_RIDOTTA("Chianti");
        a.Set_FILEFOTO("chianti.jpg");
        a.Set_PEZZI_X_CONFEZIONE("6");
        a.Set_UM("BT");
        a.Set_ID_IVA("22");
        a.Set_ALIQUOTA_IVA(D("22"));
        a.Set_SCORTA_MINIMA(D("12.5"));
        a.Set_ID_CATEGORIA("C1");
        a.Set_ID_FAMIGLIA("F1");
        a.Set_ID_GRUPPO("G1");
        a.Set_ID_REPARTO("R1");
        a.Set_NOTE("note");
        a.Set_INFO_STR1("s1");
        a.Set_INFO_STR5("s5");
        a.Set_INFO_NUM1("1");
        a.Set_INFO_NUM5("5");
        a.Set_F_PUBBLICA(0);
        a.Set_PROVVIGIONE(D("3.5"));
        a.Set_FOR_PREZZO_VENDITA_ID(7);
        a.Set_FOR_COSTO_NETTO_ID(8);
        a.Set_GESTISCI_DENSITA(1);
        a.Set_DENSITA(D("0.98765"));
        a.Set_ID_TIPO_ARTICOLO(2);
        a.Set_F_RIPORTA_NOTE(1);
        a.Set_F_GESTISCI_GIACENZE(0);
        a.Set_F_STAMPA_IN_SCONTRINO(0);
        a.Set_F_GESTISCI_LOTTI(0);
        a.Set_PREZZO_IMPOSTO_IVATO(D("9.9"));
        a.Set_SCONTO_PREZZO_IMPOSTO(D("5"));
        a.Set_SCONTO_VEND1(D("1"));
        a.Set_SCONTO_VEND2(D("2"));
        a.Set_SCONTO_VEND3(D("3"));
        a.Set_SCONTO_VEND4(D("4"));
        a.Set_ART_PESO_KG(D("1.2345"));
        a.Set_ART_LUNGHEZZA_CM(D("7"));
        a.Set_ART_LARGHEZZA_CM(D("8"));
        a.Set_ART_ALTEZZA_CM(D("30"));
        a.Set_ART_VOLUME_M3(D("0.00168"));
        a.Set_CONF_PESO_KG(D("7.5"));
        a.Set_CONF_LUNGHEZZA_CM(D("21"));
        a.Set_CONF_LARGHEZZA_CM(D("16"));
        a.Set_CONF_ALTEZZA_CM(D("31"));
        a.Set_CONF_VOLUME_M3(D("0.010416"));
        a.Set_PERCENTUALE_DAZIO(D("2.7"));
        a.Set_RAEE_EURO(D("0.15"));
        a.Set_SCONTO_1(D("10"), false);
        a.Set_SCONTO_2(D("10"), false);
        a.Set_RICARICO(D("25"), false);
        a.Set_PREZZO_ACQ_LISTINO_EURO(D("10"), true, true);
    }

    ConfigGuard config;
};

}  // namespace

TEST_P(ArticleObject, NewArticleHasTheTableDefaultsAndTheConfiguredUnit)
{
    config.Set("default/documento/unitamisura", "KG");
    CDomainArticolo a(&db());
    EXPECT_FALSE(a.IsValid());
    EXPECT_STREQ(a.Get_ID(), "");
    EXPECT_STREQ(a.Get_CODICE_EAN(), "");
    EXPECT_STREQ(a.Get_PEZZI_X_CONFEZIONE(), "1");
    EXPECT_STREQ(a.Get_UM(), "KG");
    EXPECT_EQ(a.Get_F_PUBBLICA(), 1);
    EXPECT_EQ(a.Get_ID_TIPO_ARTICOLO(), 1);
    EXPECT_EQ(a.Get_F_GESTISCI_GIACENZE(), 1);
    EXPECT_EQ(a.Get_F_STAMPA_IN_SCONTRINO(), 1);
    EXPECT_EQ(a.Get_F_GESTISCI_LOTTI(), 1);
    EXPECT_EQ(a.Get_F_MODIFICATO(), 1);
    EXPECT_EQ(a.Get_F_RIPORTA_NOTE(), 0);
    EXPECT_EQ(a.Get_GESTISCI_DENSITA(), 0);
    EXPECT_TRUE(a.Get_DENSITA().IsZero());
    EXPECT_EQ(a.Get_FOR_PREZZO_VENDITA_ID(), -1);
    EXPECT_EQ(a.Get_FOR_COSTO_NETTO_ID(), -1);
    EXPECT_EQ(a.Get_CODICE_CASSA_IVA(), 0);
    EXPECT_TRUE(a.Get_PREZZO_PZ_EURO().IsZero());
    EXPECT_TRUE(a.Get_RICARICO().IsZero());
    EXPECT_EQ(a.Get_ArticoloFornitore().GetSize(), 0);
    EXPECT_EQ(a.Get_CodiciAlternativi().GetSize(), 0);
    EXPECT_EQ(a.GetUmAlternative().GetCount(), 0);
    EXPECT_EQ(a.GetUmAlternative().GetDatabase(), &db());
    a.Set_ID("X");
    EXPECT_TRUE(a.IsValid());
}

TEST_P(ArticleObject, EveryFieldRoundTripsAndTheViewAddsItsDescriptions)
{
    CDomainArticolo a(&db());
    Fill(a);
    ASSERT_TRUE(a.DB_AddNew());

    CDomainArticolo b(&db());
    b.Set_ID("A1");
    ASSERT_TRUE(b.DB_Load());
    EXPECT_STREQ(b.Get_CODICE_EAN(), "8001234567890");
    EXPECT_STREQ(b.Get_CODICE_INTERNO(), "INT-1");
    EXPECT_STREQ(b.Get_DESCRIZIONE(), "Chianti 0,75");
    EXPECT_STREQ(b.Get_DESCRIZIONE_RIDOTTA(), "Chianti");
    EXPECT_STREQ(b.Get_FILEFOTO(), "chianti.jpg");
    EXPECT_STREQ(b.Get_PEZZI_X_CONFEZIONE(), "6");
    EXPECT_STREQ(b.Get_UM(), "BT");
    EXPECT_STREQ(b.Get_ID_IVA(), "22");
    EXPECT_STREQ(b.Get_DESCRIZIONE_IVA(), "Ordinaria");
    EXPECT_EQ(b.Get_ALIQUOTA_IVA(), D("22"));
    EXPECT_EQ(b.Get_CODICE_CASSA_IVA(), 3);
    EXPECT_EQ(S(b.Get_SCORTA_MINIMA()), "12.5");
    EXPECT_STREQ(b.Get_DESCRIZIONE_CATEGORIA(), "Vini");
    EXPECT_STREQ(b.Get_DESCRIZIONE_FAMIGLIA(), "Rossi");
    EXPECT_STREQ(b.Get_DESCRIZIONE_GRUPPO(), "Toscani");
    EXPECT_STREQ(b.Get_DESCRIZIONE_REPARTO(), "Bevande");
    EXPECT_STREQ(b.Get_NOTE(), "note");
    EXPECT_STREQ(b.Get_INFO_STR1(), "s1");
    EXPECT_STREQ(b.Get_INFO_STR5(), "s5");
    EXPECT_STREQ(b.Get_INFO_NUM1(), "1");
    EXPECT_STREQ(b.Get_INFO_NUM5(), "5");
    EXPECT_EQ(b.Get_F_PUBBLICA(), 0);
    EXPECT_EQ(b.Get_PROVVIGIONE(), D("3.5"));
    EXPECT_EQ(b.Get_FOR_PREZZO_VENDITA_ID(), 7);
    EXPECT_STREQ(b.Get_FOR_PREZZO_VENDITA_DESCRIZIONE(), "Ricarico 40%");
    EXPECT_EQ(b.Get_FOR_COSTO_NETTO_ID(), 8);
    EXPECT_STREQ(b.Get_FOR_COSTO_NETTO_DESCRIZIONE(), "Listino meno sconti");
    EXPECT_EQ(b.Get_GESTISCI_DENSITA(), 1);
    EXPECT_EQ(S(b.Get_DENSITA()), "0.98765");
    EXPECT_EQ(b.Get_ID_TIPO_ARTICOLO(), 2);
    EXPECT_EQ(b.Get_F_RIPORTA_NOTE(), 1);
    EXPECT_EQ(b.Get_F_GESTISCI_GIACENZE(), 0);
    EXPECT_EQ(b.Get_F_STAMPA_IN_SCONTRINO(), 0);
    EXPECT_EQ(b.Get_F_GESTISCI_LOTTI(), 0);
    EXPECT_EQ(b.Get_PREZZO_IMPOSTO_IVATO(), D("9.9"));
    EXPECT_EQ(b.Get_SCONTO_PREZZO_IMPOSTO(), D("5"));
    EXPECT_EQ(b.Get_SCONTO_VEND1(), D("1"));
    EXPECT_EQ(b.Get_SCONTO_VEND4(), D("4"));
    EXPECT_EQ(S(b.Get_PERC_COSTO_OMAGGIO()), "30") << "read from the family through the view";
    EXPECT_EQ(S(b.Get_ART_PESO_KG()), "1.2345");
    EXPECT_EQ(S(b.Get_ART_VOLUME_M3()), "0.00168");
    EXPECT_EQ(S(b.Get_CONF_VOLUME_M3()), "0.010416");
    EXPECT_EQ(S(b.Get_CONF_ALTEZZA_CM()), "31");
    EXPECT_EQ(S(b.Get_PERCENTUALE_DAZIO()), "2.7");
    EXPECT_EQ(S(b.Get_RAEE_EURO()), "0.15");
    EXPECT_EQ(b.Get_PREZZO_ACQ_LISTINO_EURO(), D("10"));
    EXPECT_EQ(b.Get_SCONTO_1(), D("10"));
    EXPECT_EQ(b.Get_SCONTO_2(), D("10"));
    EXPECT_EQ(b.Get_PREZZO_ACQ_PZ_EURO(), D("8.1"));
    EXPECT_EQ(b.Get_PREZZO_PZ_EURO(), D("10.13"));
    EXPECT_EQ(b.Get_PREZZO_PZ_EURO_IVATO(), D("12.36"));
    // The mark-up is not stored: it comes back from the rounded prices, (10.13 - 8.1) * 100 / 8.1.
    EXPECT_EQ(S(b.Get_RICARICO()), "25.062");
}

TEST_P(ArticleObject, EmptyOptionalTextsAreNullButTheShortDescriptionIsAnEmptyText)
{
    CDomainArticolo a(&db());
    a.Set_ID("A1");
    a.Set_DESCRIZIONE("bare");
    a.Set_UM("");
    ASSERT_TRUE(a.DB_AddNew());

    EXPECT_EQ(Column("DESCRIZIONE_RIDOTTA"), "") << "stored, and as an empty text";
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM ARTICOLO WHERE DESCRIZIONE_RIDOTTA IS NULL"), 0);
    for (const char* column : {"FILEFOTO", "UM", "ID_CATEGORIA", "ID_FAMIGLIA", "ID_GRUPPO", "ID_REPARTO", "NOTE",
                               "INFO_STR1", "INFO_STR3", "INFO_STR5", "INFO_NUM1", "INFO_NUM4", "DENSITA",
                               "ID_FORMULA_PREZZO_VENDITA", "ID_FORMULA_COSTO_NETTO", "CODICE_EAN", "ID_IVA"}) {
        CString sql;
        sql.Format("SELECT COUNT(*) FROM ARTICOLO WHERE %s IS NULL", column);
        EXPECT_EQ(QueryLong(sql), 1) << column << " should be NULL";
    }
    // Amounts and flags are always written.
    EXPECT_EQ(Column("PREZZO_PZ_EURO"), "0");
    EXPECT_EQ(Column("PEZZI_X_CONFEZIONE"), "1");
    EXPECT_EQ(QueryLong("SELECT F_PUBBLICA FROM ARTICOLO WHERE ID = 'A1'"), 1);
    EXPECT_EQ(QueryLong("SELECT F_RIPORTA_NOTE FROM ARTICOLO WHERE ID = 'A1'"), 0);
    EXPECT_EQ(QueryLong("SELECT ID_TIPO_ARTICOLO FROM ARTICOLO WHERE ID = 'A1'"), 1);

    CDomainArticolo b(&db());
    b.Set_ID("A1");
    ASSERT_TRUE(b.DB_Load());
    EXPECT_EQ(b.Get_GESTISCI_DENSITA(), 0);
    EXPECT_TRUE(b.Get_DENSITA().IsZero());
    EXPECT_EQ(b.Get_FOR_PREZZO_VENDITA_ID(), -1);
    EXPECT_EQ(b.Get_FOR_COSTO_NETTO_ID(), -1);
    EXPECT_STREQ(b.Get_FOR_PREZZO_VENDITA_DESCRIZIONE(), "");
    EXPECT_EQ(b.Get_CODICE_CASSA_IVA(), -1) << "no VAT code, no till number";
    EXPECT_STREQ(b.Get_UM(), "");

    // Saving the loaded article again keeps the same NULLs, and an unmanaged density of 0 too.
    ASSERT_TRUE(b.DB_Edit());
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM ARTICOLO WHERE DENSITA IS NULL AND ID_GRUPPO IS NULL"), 1);
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM ARTICOLO WHERE DESCRIZIONE_RIDOTTA IS NULL"), 0);

    // An edit fills columns that were NULL, and empties them again.
    b.Set_FILEFOTO("late.jpg");
    b.Set_ID_CATEGORIA("C1");
    b.Set_FOR_PREZZO_VENDITA_ID(7);
    b.Set_GESTISCI_DENSITA(1);
    b.Set_DENSITA(D("1.5"));
    ASSERT_TRUE(b.DB_Edit());
    EXPECT_EQ(Column("FILEFOTO"), "late.jpg");
    EXPECT_EQ(Column("ID_CATEGORIA"), "C1");
    EXPECT_EQ(QueryLong("SELECT ID_FORMULA_PREZZO_VENDITA FROM ARTICOLO WHERE ID = 'A1'"), 7);
    EXPECT_EQ(Column("DENSITA"), "1.5");
    b.Set_FILEFOTO("");
    b.Set_FOR_PREZZO_VENDITA_ID(-1);
    b.Set_GESTISCI_DENSITA(0);
    ASSERT_TRUE(b.DB_Edit());
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM ARTICOLO WHERE FILEFOTO IS NULL AND DENSITA IS NULL "
                        "AND ID_FORMULA_PREZZO_VENDITA IS NULL"),
              1);
}

TEST_P(ArticleObject, FormulaIdsBelowOneAreNullAndADensityOfZeroIsStillManaged)
{
    CDomainArticolo a(&db());
    a.Set_ID("A1");
    a.Set_FOR_PREZZO_VENDITA_ID(0);
    a.Set_FOR_COSTO_NETTO_ID(-5);
    a.Set_GESTISCI_DENSITA(1);
    ASSERT_TRUE(a.DB_AddNew());
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM ARTICOLO WHERE ID_FORMULA_PREZZO_VENDITA IS NULL "
                        "AND ID_FORMULA_COSTO_NETTO IS NULL"),
              1);
    EXPECT_EQ(Column("DENSITA"), "0");
    CDomainArticolo b(&db());
    b.Set_ID("A1");
    ASSERT_TRUE(b.DB_Load());
    EXPECT_EQ(b.Get_GESTISCI_DENSITA(), 1);
    EXPECT_TRUE(b.Get_DENSITA().IsZero());

    // A density written by another program with more digits is rounded to five on reading.
    Exec("UPDATE ARTICOLO SET DENSITA = '1.234567' WHERE ID = 'A1'");
    CDomainArticolo c(&db());
    c.Set_ID("A1");
    ASSERT_TRUE(c.DB_Load());
    EXPECT_EQ(S(c.Get_DENSITA()), "1.23457");
}

TEST_P(ArticleObject, ValuesWrittenByOthersAreRoundedOnLoadAndTheMarkUpDerived)
{
    config.Set("precisione/sconti", "1");
    Exec("INSERT INTO ARTICOLO (ID, ID_IVA, PREZZO_ACQ_LISTINO_EURO, SCONTO_1, PREZZO_ACQ_PZ_EURO, PREZZO_PZ_EURO, "
         "PREZZO_PZ_EURO_IVATO, SCONTO_VEND2, SCONTO_PREZZO_IMPOSTO, PREZZO_IMPOSTO_IVATO, SCORTA_MINIMA) VALUES "
         "('A1', '4', '10.005', '12.25', '3.3333', '4.4449', '4.625', '7.75', '1.25', '9.999', '0.3333')");
    CDomainArticolo a(&db());
    a.Set_ID("A1");
    ASSERT_TRUE(a.DB_Load());
    EXPECT_EQ(S(a.Get_ALIQUOTA_IVA()), "4.05") << "the view's rate, to the VAT precision";
    EXPECT_EQ(S(a.Get_PREZZO_ACQ_LISTINO_EURO()), "10.01");
    EXPECT_EQ(S(a.Get_SCONTO_1()), "12.3");
    EXPECT_EQ(S(a.Get_PREZZO_ACQ_PZ_EURO()), "3.33");
    EXPECT_EQ(S(a.Get_PREZZO_PZ_EURO()), "4.44");
    EXPECT_EQ(S(a.Get_PREZZO_PZ_EURO_IVATO()), "4.63");
    EXPECT_EQ(S(a.Get_SCONTO_VEND2()), "7.8");
    EXPECT_EQ(S(a.Get_SCONTO_PREZZO_IMPOSTO()), "1.3");
    EXPECT_EQ(S(a.Get_PREZZO_IMPOSTO_IVATO()), "10.00");
    EXPECT_EQ(S(a.Get_SCORTA_MINIMA()), "0.3333") << "not rounded";
    // From the rounded prices: (4.44 - 3.33) * 100 / 3.33 = 33.333...
    EXPECT_EQ(S(a.Get_RICARICO()), "33.333");
}

TEST_P(ArticleObject, SaveRunsTheRoundingPassAndEveryWriteMarksTheRowModified)
{
    CDomainArticolo a(&db());
    a.Set_ID("A1");
    a.Ref_PREZZO_PZ_EURO() = D("1.23456");  // bypasses the setter's rounding
    a.Ref_SCONTO_3() = D("33.335");
    a.Set_F_MODIFICATO(0);
    ASSERT_TRUE(a.DB_AddNew());
    EXPECT_EQ(Column("PREZZO_PZ_EURO"), "1.23");
    EXPECT_EQ(Column("SCONTO_3"), "33.34");
    EXPECT_EQ(QueryLong("SELECT F_MODIFICATO FROM ARTICOLO WHERE ID = 'A1'"), 1);
    EXPECT_EQ(a.Get_F_MODIFICATO(), 1);

    // A till program picks the change up and clears the flag; the next edit sets it again.
    Exec("UPDATE ARTICOLO SET F_MODIFICATO = 0 WHERE ID = 'A1'");
    CDomainArticolo b(&db());
    b.Set_ID("A1");
    ASSERT_TRUE(b.DB_Load());
    EXPECT_EQ(b.Get_F_MODIFICATO(), 0);
    b.Set_DESCRIZIONE("changed");
    b.Set_F_MODIFICATO(0);
    ASSERT_TRUE(b.DB_Edit());
    EXPECT_EQ(QueryLong("SELECT F_MODIFICATO FROM ARTICOLO WHERE ID = 'A1'"), 1);
    EXPECT_EQ(Column("DESCRIZIONE"), "changed");
}

TEST_P(ArticleObject, EditAndDeleteOfAMissingArticleWriteNothingAndSucceed)
{
    CDomainArticolo a(&db());
    Fill(a);
    ASSERT_TRUE(a.DB_AddNew());
    CDomainArticolo ghost(&db());
    ghost.Set_ID("GHOST");
    ghost.Set_DESCRIZIONE("never stored");
    EXPECT_TRUE(ghost.DB_Edit());
    EXPECT_TRUE(ghost.DB_Delete());
    EXPECT_EQ(CountRows("ARTICOLO"), 1);
    EXPECT_EQ(Column("DESCRIZIONE"), "Chianti 0,75");

    EXPECT_TRUE(a.DB_Delete());
    EXPECT_EQ(CountRows("ARTICOLO"), 0);

    // A quote in the code reaches the right row for edit and delete.
    CDomainArticolo quoted(&db());
    quoted.Set_ID("O'NEIL");
    ASSERT_TRUE(quoted.DB_AddNew());
    quoted.Set_DESCRIZIONE("edited");
    ASSERT_TRUE(quoted.DB_Edit());
    EXPECT_EQ(Column("DESCRIZIONE", "O''NEIL"), "edited");
    ASSERT_TRUE(quoted.DB_Delete());
    EXPECT_EQ(CountRows("ARTICOLO"), 0);
}

TEST_P(ArticleObject, FailedSaveShowsTheErrorAndAnswersFalse)
{
    CDomainArticolo a(&db());
    Fill(a);
    ASSERT_TRUE(a.DB_AddNew());
    MessageRecorder recorder;
    EXPECT_FALSE(a.DB_AddNew()) << "the same code twice";
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].style, MB_ICONEXCLAMATION);
    EXPECT_FALSE(recorder.messages[0].text.empty());
    EXPECT_EQ(CountRows("ARTICOLO"), 1);
}

TEST_P(ArticleObject, CopiesCarryEveryMemberAndTheCollections)
{
    CDomainArticolo a(&db());
    Fill(a);
    CDomainArticolo::CArrayCodiceAlternativo codes;
    codes.Add(CDomainArticolo::CCodiceAlternativo("ALT", 0));
    a.Set_CodiciAlternativi(codes);
    CDomainArticolo::CArticoloFornitore supplier;
    supplier.Set_ID_FORNITORE(100);
    CDomainArticolo::CArrayArticoloFornitore suppliers;
    suppliers.Add(supplier);
    a.Set_ArticoloFornitore(suppliers);

    config.Set("precisione/prezzi", "0");  // a copy keeps the original's precisions
    CDomainArticolo copy(a);
    EXPECT_STREQ(copy.Get_ID(), "A1");
    EXPECT_STREQ(copy.Get_CODICE_EAN(), "8001234567890");
    EXPECT_EQ(copy.Get_PREZZO_PZ_EURO(), D("10.13"));
    EXPECT_EQ(copy.Get_DENSITA(), D("0.98765"));
    EXPECT_EQ(copy.Get_CodiciAlternativi().GetSize(), 1);
    EXPECT_EQ(copy.Get_ArticoloFornitore().GetAt(0).Get_ID_FORNITORE(), 100);
    EXPECT_EQ(copy.GetDatabase(), &db());
    copy.Set_PREZZO_PZ_EURO(D("1.55"), false);
    EXPECT_EQ(S(copy.Get_PREZZO_PZ_EURO()), "1.55") << "price precision 2 kept from the original";

    CDomainArticolo assigned(nullptr);
    assigned = a;
    EXPECT_STREQ(assigned.Get_DESCRIZIONE(), "Chianti 0,75");
    EXPECT_EQ(assigned.Get_FOR_COSTO_NETTO_ID(), 8);
    EXPECT_EQ(assigned.GetDatabase(), &db());
}

TEST_P(ArticleObject, VatLoadFillsDescriptionAndRateOnly)
{
    CDomainArticolo a(&db());
    EXPECT_FALSE(a.DB_Load_IVA()) << "no VAT code";
    a.Set_ID_IVA("4");
    a.Set_CODICE_CASSA_IVA(9);
    ASSERT_TRUE(a.DB_Load_IVA());
    EXPECT_STREQ(a.Get_DESCRIZIONE_IVA(), "Minima");
    EXPECT_EQ(S(a.Get_ALIQUOTA_IVA()), "4.05");
    EXPECT_EQ(a.Get_CODICE_CASSA_IVA(), 9) << "the till number is not the VAT load's business";
    a.Set_ID_IVA("99");
    EXPECT_FALSE(a.DB_Load_IVA());
    EXPECT_STREQ(a.Get_DESCRIZIONE_IVA(), "Minima");
}

TEST_P(ArticleObject, ReferenceLoadsTakeTheFirstArticleOfTheCategoryFamilyOrGroup)
{
    Exec("INSERT INTO ARTICOLO (ID, DESCRIZIONE, ID_CATEGORIA, ID_FAMIGLIA, ID_GRUPPO) "
         "VALUES ('B2', 'second', 'C1', 'F1', NULL)");
    Exec("INSERT INTO ARTICOLO (ID, DESCRIZIONE, ID_CATEGORIA, ID_FAMIGLIA, ID_GRUPPO) "
         "VALUES ('B1', 'first', 'C1', NULL, 'G1')");
    Exec("INSERT INTO ARTICOLO (ID, DESCRIZIONE, ID_CATEGORIA, ID_FAMIGLIA, ID_GRUPPO) "
         "VALUES ('B3', 'third', 'C1', 'F1', 'G1')");

    CDomainArticolo a(&db());
    a.Set_ID("NEW");
    a.Set_ID_CATEGORIA("C1");
    ASSERT_TRUE(a.DB_Load_RiferimentoCategoria());
    EXPECT_STREQ(a.Get_ID(), "B1") << "the whole object is replaced, code included";
    EXPECT_STREQ(a.Get_DESCRIZIONE(), "first");
    EXPECT_STREQ(a.GetUmAlternative().GetArticolo(), "B1");

    a.Set_ID_FAMIGLIA("F1");
    ASSERT_TRUE(a.DB_Load_RiferimentoFamiglia());
    EXPECT_STREQ(a.Get_ID(), "B2");
    a.Set_ID_GRUPPO("G1");
    ASSERT_TRUE(a.DB_Load_RiferimentoGruppo());
    EXPECT_STREQ(a.Get_ID(), "B1");

    CDomainArticolo empty(&db());
    empty.Set_ID("KEEP");
    empty.Set_DESCRIZIONE("unchanged");
    EXPECT_FALSE(empty.DB_Load_RiferimentoCategoria()) << "no category";
    empty.Set_ID_CATEGORIA("C2");
    EXPECT_FALSE(empty.DB_Load_RiferimentoCategoria()) << "a category without articles";
    EXPECT_STREQ(empty.Get_ID(), "KEEP");
    EXPECT_STREQ(empty.Get_DESCRIZIONE(), "unchanged");
    EXPECT_STREQ(empty.Get_ID_CATEGORIA(), "C2");
    EXPECT_FALSE(empty.DB_Load_RiferimentoFamiglia());
    EXPECT_FALSE(empty.DB_Load_RiferimentoGruppo());
}

TEST_P(ArticleObject, SuppliersLoadByNameAppendAndSaveByReplacing)
{
    CDomainArticolo a(&db());
    Fill(a);
    ASSERT_TRUE(a.DB_AddNew());
    Exec("INSERT INTO ARTICOLO (ID) VALUES ('OTHER')");
    Exec("INSERT INTO ARTICOLO_FORNITORE (ID_ARTICOLO, ID_FORNITORE, CODICE_FORNITORE) VALUES ('OTHER', 100, 'x')");

    CDomainArticolo::CArrayArticoloFornitore suppliers;
    const struct {
        long id;
        const char* code;
        const char* description;
    } rows[] = {{100, "Z-1", "Chianti Zeta"}, {101, "A-9", ""}};
    for (const auto& row : rows) {
        CDomainArticolo::CArticoloFornitore s;
        s.Set_ID_FORNITORE(row.id);
        s.Set_RAGIONE_SOCIALE("ignored on save");
        s.Set_CODICE_FORNITORE(row.code);
        s.Set_DESCRIZIONE_FORNITORE(row.description);
        suppliers.Add(s);
    }
    a.Set_ArticoloFornitore(suppliers);
    ASSERT_TRUE(a.DB_Update_ArticoloFornitore());
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM ARTICOLO_FORNITORE WHERE ID_ARTICOLO = 'A1'"), 2);
    EXPECT_EQ(QueryText("SELECT DESCRIZIONE_FORNITORE FROM ARTICOLO_FORNITORE WHERE ID_FORNITORE = 101"),
              std::nullopt);

    CDomainArticolo b(&db());
    b.Set_ID("A1");
    ASSERT_TRUE(b.DB_Load_ArticoloFornitore());
    const auto& loaded = b.Get_ArticoloFornitore();
    ASSERT_EQ(loaded.GetSize(), 2);
    EXPECT_EQ(loaded[0].Get_ID_FORNITORE(), 101) << "ordered by the supplier's name";
    EXPECT_STREQ(loaded[0].Get_RAGIONE_SOCIALE(), "Alfa Cantine spa");
    EXPECT_STREQ(loaded[0].Get_CODICE_FORNITORE(), "A-9");
    EXPECT_STREQ(loaded[1].Get_RAGIONE_SOCIALE(), "Zeta Vini srl");
    EXPECT_STREQ(loaded[1].Get_DESCRIZIONE_FORNITORE(), "Chianti Zeta");
    ASSERT_TRUE(b.DB_Load_ArticoloFornitore());
    EXPECT_EQ(b.Get_ArticoloFornitore().GetSize(), 4) << "a second load appends";

    CDomainArticolo::CArrayArticoloFornitore one;
    CDomainArticolo::CArticoloFornitore s;
    s.Set_ID_FORNITORE(102);
    one.Add(s);
    b.Set_ArticoloFornitore(one);
    ASSERT_TRUE(b.DB_Update_ArticoloFornitore());
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM ARTICOLO_FORNITORE WHERE ID_ARTICOLO = 'A1'"), 1);
    EXPECT_EQ(QueryLong("SELECT ID_FORNITORE FROM ARTICOLO_FORNITORE WHERE ID_ARTICOLO = 'A1'"), 102);
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM ARTICOLO_FORNITORE WHERE ID_ARTICOLO = 'OTHER'"), 1);
}

TEST_P(ArticleObject, AlternativeCodesLoadByCodeAppendAndSaveByReplacing)
{
    CDomainArticolo a(&db());
    Fill(a);
    ASSERT_TRUE(a.DB_AddNew());
    CDomainArticolo::CArrayCodiceAlternativo codes;
    codes.Add(CDomainArticolo::CCodiceAlternativo("ZZ-OLD", 0));
    codes.Add(CDomainArticolo::CCodiceAlternativo("8009999999999", 1));
    codes.Add(CDomainArticolo::CCodiceAlternativo("IT'S", 0));
    a.Set_CodiciAlternativi(codes);
    ASSERT_TRUE(a.DB_Update_CodiciAlternativi());
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM CODICE_ALTERNATIVO_ARTICOLO WHERE ID_ARTICOLO = 'A1'"), 3);
    EXPECT_EQ(QueryLong("SELECT TIPO FROM CODICE_ALTERNATIVO_ARTICOLO WHERE CODICE = '8009999999999'"), 1);

    CDomainArticolo b(&db());
    b.Set_ID("A1");
    ASSERT_TRUE(b.DB_Load_CodiciAlternativi());
    ASSERT_EQ(b.Get_CodiciAlternativi().GetSize(), 3);
    EXPECT_STREQ(b.Get_CodiciAlternativi()[0].Get_CODICE(), "8009999999999");
    EXPECT_EQ(b.Get_CodiciAlternativi()[0].Get_TIPO(), 1);
    EXPECT_STREQ(b.Get_CodiciAlternativi()[1].Get_CODICE(), "IT'S");
    EXPECT_STREQ(b.Get_CodiciAlternativi()[2].Get_CODICE(), "ZZ-OLD");
    ASSERT_TRUE(b.DB_Load_CodiciAlternativi());
    EXPECT_EQ(b.Get_CodiciAlternativi().GetSize(), 6);

    b.Set_CodiciAlternativi(CDomainArticolo::CArrayCodiceAlternativo());
    ASSERT_TRUE(b.DB_Update_CodiciAlternativi());
    EXPECT_EQ(CountRows("CODICE_ALTERNATIVO_ARTICOLO"), 0);
}

TEST_P(ArticleObject, PrecisionsAreFixedWhenTheArticleIsBuilt)
{
    CDomainArticolo before(&db());
    config.Set("precisione/iva", "0");
    config.Set("precisione/sconti", "0");
    CDomainArticolo after(&db());
    before.Set_ALIQUOTA_IVA(D("10.5"));
    after.Set_ALIQUOTA_IVA(D("10.5"));
    EXPECT_EQ(S(before.Get_ALIQUOTA_IVA()), "10.5");
    EXPECT_EQ(S(after.Get_ALIQUOTA_IVA()), "11");
    before.Set_SCONTO_VEND1(D("2.5"));
    after.Set_SCONTO_VEND1(D("2.5"));
    EXPECT_EQ(S(before.Get_SCONTO_VEND1()), "2.5");
    EXPECT_EQ(S(after.Get_SCONTO_VEND1()), "3");
}

ORVEL_DATABASE_TEST_SUITE(ArticleObject);
