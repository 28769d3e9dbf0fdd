// The article object on real databases: every column of the article table written through the
// object, saved, read back by a direct query and loaded again; the NULL rules of a bare article;
// rounding on save and on load; the modified flag; the related loads; and the supplier and
// alternative-code collections, whose loads append and whose saves replace.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <optional>
#include <set>
#include <tuple>
#include <utility>
#include <string>

#include "orvelmagdb/ConfigGuard.h"
#include "orvelmagdb/MessageRecorder.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/domain/articles/DomainArticolo.h"
#include "orvelmagdb/recordsets/articles/ArticoloSet.h"
#include "orveldblib/Decimal.h"
#include "support/DatabaseTest.h"

using orvel::test::ConfigGuard;
using orvel::test::MessageRecorder;
using A = CDomainArticolo;

namespace {

Decimal D(const char* text) { return Decimal(text, 127); }
std::string S(const Decimal& value) { return value.ToString2(127, false).str(); }

// One column of the article table: the value given to the object, what the table then holds
// (nullopt: NULL) and what a bare article (code only) stores there.
struct Column {
    const char* name;
    const char* value;
    std::optional<std::string> stored;
    std::optional<std::string> bare;
    std::function<void(A&, const char*)> set;
    std::function<std::string(const A&)> get;
};

#define TEXT(col, v, bare) {#col, v, v, bare, [](A& a, const char* s) { a.Set_##col(s); }, [](const A& a) { return a.Get_##col().str(); }}
#define LONG_AS(col, member, v, stored, bare) \
    {#col, v, stored, bare, [](A& a, const char* s) { a.Set_##member(std::atol(s)); }, [](const A& a) { return std::to_string(a.Get_##member()); }}
#define DEC(col, v) {#col, v, v, "0", [](A& a, const char* s) { a.Set_##col(D(s)); }, [](const A& a) { return S(a.Get_##col()); }}
// The price chain's setters, told not to recompute.
#define CHAIN(col, v, ...) \
    {#col, v, v, "0", [](A& a, const char* s) { a.Set_##col(D(s), __VA_ARGS__); }, [](const A& a) { return S(a.Get_##col()); }}

const Column kColumns[] = {
    TEXT(ID, "A1", "A1"), TEXT(CODICE_EAN, "8001234567890", std::nullopt), TEXT(CODICE_INTERNO, "INT-1", std::nullopt),
    TEXT(DESCRIZIONE, "Chianti 0,75", std::nullopt), TEXT(DESCRIZIONE_RIDOTTA, "Chianti", ""),
    TEXT(FILEFOTO, "chianti.jpg", std::nullopt), TEXT(PEZZI_X_CONFEZIONE, "6", "1"), TEXT(UM, "BT", "PZ"),
    TEXT(ID_IVA, "22", std::nullopt), TEXT(ID_CATEGORIA, "C1", std::nullopt), TEXT(ID_FAMIGLIA, "F1", std::nullopt),
    TEXT(ID_GRUPPO, "G1", std::nullopt), TEXT(ID_REPARTO, "R1", std::nullopt), TEXT(NOTE, "note", std::nullopt),
    TEXT(INFO_STR1, "s1", std::nullopt), TEXT(INFO_STR2, "s2", std::nullopt), TEXT(INFO_STR3, "s3", std::nullopt),
    TEXT(INFO_STR4, "s4", std::nullopt), TEXT(INFO_STR5, "s5", std::nullopt), TEXT(INFO_NUM1, "1", std::nullopt),
    TEXT(INFO_NUM2, "2", std::nullopt), TEXT(INFO_NUM3, "3", std::nullopt), TEXT(INFO_NUM4, "4", std::nullopt),
    TEXT(INFO_NUM5, "5", std::nullopt),
    LONG_AS(F_PUBBLICA, F_PUBBLICA, "0", "0", "1"), LONG_AS(ID_TIPO_ARTICOLO, ID_TIPO_ARTICOLO, "2", "2", "1"),
    LONG_AS(F_RIPORTA_NOTE, F_RIPORTA_NOTE, "1", "1", "0"),
    LONG_AS(F_GESTISCI_GIACENZE, F_GESTISCI_GIACENZE, "0", "0", "1"),
    LONG_AS(F_STAMPA_IN_SCONTRINO, F_STAMPA_IN_SCONTRINO, "0", "0", "1"),
    LONG_AS(F_GESTISCI_LOTTI, F_GESTISCI_LOTTI, "0", "0", "1"),
    // Formula ids below 1 are NULL; every save marks the row modified for the tills.
    LONG_AS(ID_FORMULA_PREZZO_VENDITA, FOR_PREZZO_VENDITA_ID, "7", "7", std::nullopt),
    LONG_AS(ID_FORMULA_COSTO_NETTO, FOR_COSTO_NETTO_ID, "8", "8", std::nullopt),
    LONG_AS(F_MODIFICATO, F_MODIFICATO, "0", "1", "1"),
    DEC(SCORTA_MINIMA, "12.5"), DEC(PROVVIGIONE, "3.5"), DEC(SCONTO_PREZZO_IMPOSTO, "5"),
    DEC(PREZZO_IMPOSTO_IVATO, "9.9"), DEC(SCONTO_VEND1, "1"), DEC(SCONTO_VEND2, "2"), DEC(SCONTO_VEND3, "3"),
    DEC(SCONTO_VEND4, "4"), DEC(ART_PESO_KG, "1.2345"), DEC(ART_LUNGHEZZA_CM, "7"), DEC(ART_LARGHEZZA_CM, "8"),
    DEC(ART_ALTEZZA_CM, "30"), DEC(ART_VOLUME_M3, "0.00168"), DEC(CONF_PESO_KG, "7.5"),
    DEC(CONF_LUNGHEZZA_CM, "21"), DEC(CONF_LARGHEZZA_CM, "16"), DEC(CONF_ALTEZZA_CM, "31"),
    DEC(CONF_VOLUME_M3, "0.010416"), DEC(PERCENTUALE_DAZIO, "2.7"), DEC(RAEE_EURO, "0.15"),
    // Stored while the density is managed (the loop turns it on), NULL otherwise.
    {"DENSITA", "0.98765", "0.98765", std::nullopt, [](A& a, const char* s) { a.Set_DENSITA(D(s)); },
     [](const A& a) { return S(a.Get_DENSITA()); }},
    CHAIN(PREZZO_ACQ_LISTINO_EURO, "10", false, false), CHAIN(SCONTO_1, "10", false), CHAIN(SCONTO_2, "10", false),
    CHAIN(SCONTO_3, "1.5", false), CHAIN(SCONTO_4, "0", false), CHAIN(PREZZO_ACQ_PZ_EURO, "7.98", false, false),
    CHAIN(PREZZO_PZ_EURO, "10.13", false), CHAIN(PREZZO_PZ_EURO_IVATO, "12.36", false),
};

class ArticleObject : public orvel::test::DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        config.SetShopDefaults();
        CSchema::Create(db());
        for (const char* sql :
             {"INSERT INTO IVA (CODICE, DESCRIZIONE, ALIQUOTA, CODICE_CASSA) VALUES ('22', 'Ordinaria', '22', 3), "
              "('4', 'Minima', '4.045', NULL)",
              "INSERT INTO REPARTO (ID, DESCRIZIONE, ID_IVA) VALUES ('R1', 'Bevande', '22')",
              "INSERT INTO CATEGORIA (ID, DESCRIZIONE) VALUES ('C1', 'Vini'), ('C2', 'Vuota')",
              "INSERT INTO FAMIGLIA (ID, DESCRIZIONE, ID_CATEGORIA, PERC_COSTO_OMAGGIO) VALUES ('F1', 'Rossi', 'C1', '30')",
              "INSERT INTO GRUPPO (ID, DESCRIZIONE, ID_FAMIGLIA) VALUES ('G1', 'Toscani', 'F1')",
              "INSERT INTO FORMULA_PREZZO (ID, DESCRIZIONE) VALUES (7, 'Ricarico 40%'), (8, 'Listino meno sconti')",
              "INSERT INTO AZIENDA (ID, RAGIONESOCIALE) VALUES (100, 'Zeta Vini srl'), (101, 'Alfa Cantine spa'), (102, 'Beta')"})
            Exec(sql);
    }

    std::optional<std::string> Stored(const char* column, const char* id = "A1")
    {
        CString sql;
        sql.Format("SELECT %s FROM ARTICOLO WHERE ID = '%s'", column, id);
        return QueryText(sql);
    }

    // The article of the table above, saved.
    void AddFull()
    {
        A a(&db());
        a.Set_GESTISCI_DENSITA(1);
        for (const Column& c : kColumns)
            c.set(a, c.value);
        ASSERT_TRUE(a.DB_AddNew());
    }

    A Loaded(const char* id = "A1")
    {
        A a(&db());
        a.Set_ID(id);
        EXPECT_TRUE(a.DB_Load()) << id;
        return a;
    }

    ConfigGuard config;
};

}  // namespace

TEST_P(ArticleObject, EveryColumnOfTheTableRoundTripsThroughTheObject)
{
    std::set<std::string> expected, tested;
    CArticoloSet table(nullptr);
    for (const CFieldInfo& f : table.DescribeFields())
        expected.insert(std::string(f.name.Mid(1, f.name.GetLength() - 2).GetString()));
    for (const Column& c : kColumns)
        tested.insert(c.name);
    EXPECT_EQ(tested, expected) << "every bound column of the article table has a row here";

    AddFull();
    const A b = Loaded();
    for (const Column& c : kColumns) {
        EXPECT_EQ(Stored(c.name), c.stored) << c.name;
        EXPECT_EQ(c.get(b), c.stored.value_or("")) << c.name;
    }
    // The view adds the descriptions of what the article refers to; the mark-up is not stored
    // but derived from the rounded prices, (10.13 - 7.98) * 100 / 7.98.
    const std::pair<std::string, const char*> derived[] = {
        {b.Get_DESCRIZIONE_IVA().str(), "Ordinaria"}, {S(b.Get_ALIQUOTA_IVA()), "22"},
        {std::to_string(b.Get_CODICE_CASSA_IVA()), "3"}, {b.Get_DESCRIZIONE_CATEGORIA().str(), "Vini"},
        {b.Get_DESCRIZIONE_FAMIGLIA().str(), "Rossi"}, {b.Get_DESCRIZIONE_GRUPPO().str(), "Toscani"},
        {b.Get_DESCRIZIONE_REPARTO().str(), "Bevande"}, {S(b.Get_PERC_COSTO_OMAGGIO()), "30"},
        {b.Get_FOR_PREZZO_VENDITA_DESCRIZIONE().str(), "Ricarico 40%"},
        {b.Get_FOR_COSTO_NETTO_DESCRIZIONE().str(), "Listino meno sconti"}, {S(b.Get_RICARICO()), "26.942"},
    };
    for (const auto& [got, want] : derived)
        EXPECT_EQ(got, want);
    EXPECT_EQ(b.Get_GESTISCI_DENSITA(), 1);
}

TEST_P(ArticleObject, BareArticleStoresNullsDefaultsAndAnEmptyShortDescription)
{
    A a(&db());
    EXPECT_FALSE(a.IsValid());
    EXPECT_EQ(a.GetUmAlternative().GetDatabase(), &db());
    a.Set_ID("A1");
    a.Set_FOR_COSTO_NETTO_ID(-5);
    ASSERT_TRUE(a.DB_AddNew());
    for (const Column& c : kColumns)
        EXPECT_EQ(Stored(c.name), c.bare) << c.name;

    A b = Loaded();
    EXPECT_EQ(b.Get_FOR_PREZZO_VENDITA_ID(), -1);
    EXPECT_EQ(b.Get_CODICE_CASSA_IVA(), -1) << "no VAT code, no till number";
    EXPECT_EQ(b.Get_GESTISCI_DENSITA(), 0);
    // An edit fills columns that were NULL and empties them again; a managed density of 0 is 0.
    b.Set_FILEFOTO("late.jpg");
    b.Set_FOR_PREZZO_VENDITA_ID(7);
    b.Set_GESTISCI_DENSITA(1);
    ASSERT_TRUE(b.DB_Edit());
    EXPECT_EQ(Stored("FILEFOTO"), "late.jpg");
    EXPECT_EQ(Stored("ID_FORMULA_PREZZO_VENDITA"), "7");
    EXPECT_EQ(Stored("DENSITA"), "0");
    EXPECT_EQ(Loaded().Get_GESTISCI_DENSITA(), 1);
    b.Set_FILEFOTO("");
    b.Set_FOR_PREZZO_VENDITA_ID(0);
    b.Set_GESTISCI_DENSITA(0);
    ASSERT_TRUE(b.DB_Edit());
    for (const char* column : {"FILEFOTO", "ID_FORMULA_PREZZO_VENDITA", "DENSITA"})
        EXPECT_EQ(Stored(column), std::nullopt) << column;
}

TEST_P(ArticleObject, RoundingOnSaveAndOnLoadAndTheModifiedFlag)
{
    A a(&db());
    a.Set_ID("A1");
    a.Ref_PREZZO_PZ_EURO() = D("1.23456");  // bypasses the setter's rounding
    a.Ref_SCONTO_3() = D("33.335");
    ASSERT_TRUE(a.DB_AddNew());
    EXPECT_EQ(Stored("PREZZO_PZ_EURO"), "1.23");
    EXPECT_EQ(Stored("SCONTO_3"), "33.34");

    // Values written by another program are rounded on load (discounts to 1 decimal here, the
    // density to 5); the stock level is not; the mark-up comes from the rounded prices.
    config.Set("precisione/sconti", "1");
    Exec("UPDATE ARTICOLO SET ID_IVA = '4', PREZZO_ACQ_LISTINO_EURO = '10.005', SCONTO_1 = '12.25', "
         "PREZZO_ACQ_PZ_EURO = '3.3333', PREZZO_PZ_EURO = '4.4449', PREZZO_PZ_EURO_IVATO = '4.625', "
         "SCONTO_VEND2 = '7.75', SCONTO_PREZZO_IMPOSTO = '1.25', PREZZO_IMPOSTO_IVATO = '9.999', "
         "SCORTA_MINIMA = '0.3333', DENSITA = '1.234567', F_MODIFICATO = 0 WHERE ID = 'A1'");
    A b = Loaded();
    const std::pair<Decimal, const char*> rounded[] = {
        {b.Get_ALIQUOTA_IVA(), "4.05"},        {b.Get_PREZZO_ACQ_LISTINO_EURO(), "10.01"},
        {b.Get_SCONTO_1(), "12.3"},            {b.Get_PREZZO_ACQ_PZ_EURO(), "3.33"},
        {b.Get_PREZZO_PZ_EURO(), "4.44"},      {b.Get_PREZZO_PZ_EURO_IVATO(), "4.63"},
        {b.Get_SCONTO_VEND2(), "7.8"},         {b.Get_SCONTO_PREZZO_IMPOSTO(), "1.3"},
        {b.Get_PREZZO_IMPOSTO_IVATO(), "10.00"}, {b.Get_SCORTA_MINIMA(), "0.3333"},
        {b.Get_DENSITA(), "1.23457"},          {b.Get_RICARICO(), "33.333"},
    };
    for (const auto& [value, want] : rounded)
        EXPECT_EQ(S(value), want);

    // A till picked the change up and cleared the flag; the next edit sets it again.
    EXPECT_EQ(b.Get_F_MODIFICATO(), 0);
    b.Set_DESCRIZIONE("changed");
    ASSERT_TRUE(b.DB_Edit());
    EXPECT_EQ(Stored("F_MODIFICATO"), "1");
    EXPECT_EQ(b.Get_F_MODIFICATO(), 1);

    // Precisions are fixed when an object is built, and a copy keeps the original's.
    config.Set("precisione/sconti", "0");
    A whole(&db());
    A copy(b);
    whole.Set_SCONTO_VEND1(D("2.5"));
    copy.Set_SCONTO_VEND1(D("2.45"));
    EXPECT_EQ(S(whole.Get_SCONTO_VEND1()), "3");
    EXPECT_EQ(S(copy.Get_SCONTO_VEND1()), "2.5");
}

TEST_P(ArticleObject, EditDeleteMissingRowsQuotedCodesAndAFailedSave)
{
    AddFull();
    A ghost(&db());
    ghost.Set_ID("GHOST");
    ghost.Set_DESCRIZIONE("never stored");
    EXPECT_TRUE(ghost.DB_Edit()) << "nothing to edit is no error";
    EXPECT_TRUE(ghost.DB_Delete());
    EXPECT_EQ(CountRows("ARTICOLO"), 1);

    A quoted(&db());
    quoted.Set_ID("O'NEIL");
    ASSERT_TRUE(quoted.DB_AddNew());
    quoted.Set_DESCRIZIONE("edited");
    ASSERT_TRUE(quoted.DB_Edit());
    EXPECT_EQ(Stored("DESCRIZIONE", "O''NEIL"), "edited");
    ASSERT_TRUE(quoted.DB_Delete());
    EXPECT_EQ(CountRows("ARTICOLO"), 1);

    MessageRecorder recorder;
    A twice = Loaded();
    EXPECT_FALSE(twice.DB_AddNew()) << "the same code twice";
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].style, MB_ICONEXCLAMATION);
    EXPECT_FALSE(recorder.messages[0].text.empty());
    EXPECT_EQ(CountRows("ARTICOLO"), 1);
}

TEST_P(ArticleObject, VatAndReferenceLoads)
{
    A a(&db());
    EXPECT_FALSE(a.DB_Load_IVA()) << "no VAT code";
    a.Set_ID_IVA("4");
    a.Set_CODICE_CASSA_IVA(9);
    ASSERT_TRUE(a.DB_Load_IVA());
    EXPECT_STREQ(a.Get_DESCRIZIONE_IVA(), "Minima");
    EXPECT_EQ(S(a.Get_ALIQUOTA_IVA()), "4.05");
    EXPECT_EQ(a.Get_CODICE_CASSA_IVA(), 9) << "the till number is not the VAT load's business";
    a.Set_ID_IVA("99");
    EXPECT_FALSE(a.DB_Load_IVA());

    // The first article (by code) of the category, family or group replaces the whole object.
    Exec("INSERT INTO ARTICOLO (ID, DESCRIZIONE, ID_CATEGORIA, ID_FAMIGLIA, ID_GRUPPO) VALUES ('B2', 'second', 'C1', 'F1', "
         "NULL), ('B1', 'first', 'C1', NULL, 'G1'), ('B3', NULL, 'C1', 'F1', 'G1')");
    A r(&db());
    r.Set_ID("NEW");
    r.Set_ID_CATEGORIA("C1");
    ASSERT_TRUE(r.DB_Load_RiferimentoCategoria());
    EXPECT_STREQ(r.Get_ID(), "B1");
    EXPECT_STREQ(r.Get_DESCRIZIONE(), "first");
    EXPECT_STREQ(r.GetUmAlternative().GetArticolo(), "B1");
    r.Set_ID_FAMIGLIA("F1");
    ASSERT_TRUE(r.DB_Load_RiferimentoFamiglia());
    EXPECT_STREQ(r.Get_ID(), "B2");
    r.Set_ID_GRUPPO("G1");
    ASSERT_TRUE(r.DB_Load_RiferimentoGruppo());
    EXPECT_STREQ(r.Get_ID(), "B1");

    A empty(&db());
    empty.Set_ID("KEEP");
    empty.Set_ID_CATEGORIA("C2");
    EXPECT_FALSE(empty.DB_Load_RiferimentoCategoria()) << "a category without articles";
    EXPECT_FALSE(empty.DB_Load_RiferimentoFamiglia());
    EXPECT_FALSE(empty.DB_Load_RiferimentoGruppo());
    EXPECT_STREQ(empty.Get_ID(), "KEEP");
}

TEST_P(ArticleObject, SuppliersAndAlternativeCodesLoadByAppendingAndSaveByReplacing)
{
    AddFull();
    Exec("INSERT INTO ARTICOLO (ID) VALUES ('OTHER')");
    Exec("INSERT INTO ARTICOLO_FORNITORE (ID_ARTICOLO, ID_FORNITORE, CODICE_FORNITORE) VALUES ('OTHER', 100, 'x')");
    A a = Loaded();
    A::CArrayArticoloFornitore suppliers;
    for (const auto& [id, code, description] : {std::tuple{100L, "Z-1", "Chianti Zeta"}, std::tuple{101L, "A-9", ""}}) {
        A::CArticoloFornitore s;
        s.Set_ID_FORNITORE(id);
        s.Set_RAGIONE_SOCIALE("ignored on save");
        s.Set_CODICE_FORNITORE(code);
        s.Set_DESCRIZIONE_FORNITORE(description);
        suppliers.Add(s);
    }
    a.Set_ArticoloFornitore(suppliers);
    A::CArrayCodiceAlternativo codes;
    for (const auto& [code, type] : {std::pair{"ZZ-OLD", 0L}, std::pair{"8009999999999", 1L}, std::pair{"IT'S", 0L}})
        codes.Add(A::CCodiceAlternativo(code, type));
    a.Set_CodiciAlternativi(codes);
    const A copy(a);  // a copy carries both collections
    ASSERT_TRUE(copy.Get_ArticoloFornitore().GetSize() == 2 && copy.Get_CodiciAlternativi().GetSize() == 3);
    ASSERT_TRUE(a.DB_Update_ArticoloFornitore());
    ASSERT_TRUE(a.DB_Update_CodiciAlternativi());
    EXPECT_EQ(QueryText("SELECT DESCRIZIONE_FORNITORE FROM ARTICOLO_FORNITORE WHERE ID_FORNITORE = 101"), std::nullopt);
    EXPECT_EQ(QueryLong("SELECT TIPO FROM CODICE_ALTERNATIVO_ARTICOLO WHERE CODICE = '8009999999999'"), 1);

    A b = Loaded();
    ASSERT_TRUE(b.DB_Load_ArticoloFornitore());
    ASSERT_TRUE(b.DB_Load_CodiciAlternativi());
    const auto& loaded = b.Get_ArticoloFornitore();
    ASSERT_EQ(loaded.GetSize(), 2);
    EXPECT_STREQ(loaded[0].Get_RAGIONE_SOCIALE(), "Alfa Cantine spa") << "ordered by the supplier's name";
    EXPECT_STREQ(loaded[0].Get_CODICE_FORNITORE(), "A-9");
    EXPECT_STREQ(loaded[1].Get_DESCRIZIONE_FORNITORE(), "Chianti Zeta");
    const auto& alt = b.Get_CodiciAlternativi();
    ASSERT_EQ(alt.GetSize(), 3);
    EXPECT_STREQ(alt[0].Get_CODICE(), "8009999999999") << "ordered by code";
    EXPECT_EQ(alt[0].Get_TIPO(), 1);
    EXPECT_STREQ(alt[1].Get_CODICE(), "IT'S");
    ASSERT_TRUE(b.DB_Load_ArticoloFornitore());
    ASSERT_TRUE(b.DB_Load_CodiciAlternativi());
    EXPECT_EQ(b.Get_ArticoloFornitore().GetSize(), 4) << "a second load appends";
    EXPECT_EQ(b.Get_CodiciAlternativi().GetSize(), 6);

    A::CArrayArticoloFornitore one;
    one.Add(A::CArticoloFornitore());
    one[0].Set_ID_FORNITORE(102);
    b.Set_ArticoloFornitore(one);
    b.Set_CodiciAlternativi(A::CArrayCodiceAlternativo());
    ASSERT_TRUE(b.DB_Update_ArticoloFornitore());
    ASSERT_TRUE(b.DB_Update_CodiciAlternativi());
    EXPECT_EQ(QueryLong("SELECT ID_FORNITORE FROM ARTICOLO_FORNITORE WHERE ID_ARTICOLO = 'A1'"), 102);
    EXPECT_EQ(CountRows("ARTICOLO_FORNITORE"), 2) << "one left for A1, the other article's untouched";
    EXPECT_EQ(CountRows("CODICE_ALTERNATIVO_ARTICOLO"), 0);
}

ORVEL_DATABASE_TEST_SUITE(ArticleObject);
