// VAT codes and the other master-data objects on real databases: persistence, the NULL rules,
// rounding to the configured precision, quoting of codes, and the error box on a failed save.
#include <gtest/gtest.h>

#include <clocale>
#include <memory>

#include "orvelmagdb/ConfigGuard.h"
#include "orvelmagdb/MessageRecorder.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/domain/masterdata/DomainCategoria.h"
#include "orvelmagdb/domain/masterdata/DomainFamiglia.h"
#include "orvelmagdb/domain/masterdata/DomainGruppo.h"
#include "orvelmagdb/domain/masterdata/DomainIva.h"
#include "orvelmagdb/domain/masterdata/DomainReparto.h"
#include "orvelmagdb/domain/masterdata/DomainUnitaMisura.h"
#include "orvelmagdb/recordsets/masterdata/CategoriaSet.h"
#include "orvelmagdb/recordsets/masterdata/FamigliaListSet.h"
#include "orvelmagdb/recordsets/masterdata/FamigliaSet.h"
#include "orvelmagdb/recordsets/masterdata/GruppoSet.h"
#include "orvelmagdb/recordsets/masterdata/RepartoCompletoSet.h"
#include "orvelmagdb/recordsets/masterdata/RepartoSet.h"
#include "orvelmagdb/recordsets/masterdata/UnitaMisuraSet.h"
#include "support/DatabaseTest.h"

using orvel::test::ConfigGuard;
using orvel::test::MessageRecorder;

namespace {

class MasterData : public orvel::test::DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        config.Set("precisione/iva", "2");
        CSchema::Create(db());
    }

    bool AddVat(const char* code, const char* rate, const char* description, long till = -1)
    {
        CDomainIva vat(&db());
        vat.Set_CODICE(code);
        vat.Set_ALIQUOTA(CString(rate));
        vat.Set_DESCRIZIONE(description);
        vat.Set_CODICE_CASSA(till);
        return vat.DB_AddNew();
    }

    ConfigGuard config;
};

}  // namespace

TEST_P(MasterData, VatCodeSavesLoadsEditsAndDeletes)
{
    ASSERT_TRUE(AddVat("22", "22", "Aliquota ordinaria", 1));
    CDomainIva vat(&db());
    vat.Set_CODICE("22");
    ASSERT_TRUE(vat.DB_Load());
    EXPECT_STREQ(vat.Get_DESCRIZIONE(), "Aliquota ordinaria");
    EXPECT_STREQ(vat.Get_ALIQUOTA().ToString2(127, false), "22");
    EXPECT_EQ(vat.Get_CODICE_CASSA(), 1);
    EXPECT_STREQ(vat.Get_NOTE(), "");

    vat.Set_ALIQUOTA(CString("21.5"));
    vat.Set_NOTE("rate changed");
    ASSERT_TRUE(vat.DB_Edit());
    EXPECT_EQ(QueryText("SELECT ALIQUOTA FROM IVA WHERE CODICE = '22'"), "21.5");
    EXPECT_EQ(QueryText("SELECT NOTE FROM IVA WHERE CODICE = '22'"), "rate changed");

    ASSERT_TRUE(vat.DB_Delete());
    EXPECT_EQ(CountRows("IVA"), 0);
}

TEST_P(MasterData, TillCodeMinusOneIsNullAndReadsBackAsMinusOne)
{
    ASSERT_TRUE(AddVat("N4", "0", "Esente art. 10"));
    EXPECT_EQ(QueryText("SELECT CODICE_CASSA FROM IVA WHERE CODICE = 'N4'"), std::nullopt);
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM IVA WHERE CODICE_CASSA IS NULL"), 1);
    CDomainIva vat(&db());
    vat.Set_CODICE("N4");
    ASSERT_TRUE(vat.DB_Load());
    EXPECT_EQ(vat.Get_CODICE_CASSA(), -1);
    // An empty note is NULL too, as every empty optional text.
    EXPECT_EQ(QueryText("SELECT NOTE FROM IVA WHERE CODICE = 'N4'"), std::nullopt);
}

TEST_P(MasterData, RateIsStoredRoundedToTheVatPrecision)
{
    ASSERT_TRUE(AddVat("X", "10.005", "half up"));
    ASSERT_TRUE(AddVat("Y", "-4.125", "negative, half away from zero"));
    ASSERT_TRUE(AddVat("Z", "4.1249", "below half"));
    EXPECT_EQ(QueryText("SELECT ALIQUOTA FROM IVA WHERE CODICE = 'X'"), "10.01");
    EXPECT_EQ(QueryText("SELECT ALIQUOTA FROM IVA WHERE CODICE = 'Y'"), "-4.13");
    EXPECT_EQ(QueryText("SELECT ALIQUOTA FROM IVA WHERE CODICE = 'Z'"), "4.12");

    // A rate stored with more decimals by another program is rounded when read.
    Exec("UPDATE IVA SET ALIQUOTA = '22.4567' WHERE CODICE = 'X'");
    CDomainIva vat(&db());
    vat.Set_CODICE("X");
    ASSERT_TRUE(vat.DB_Load());
    EXPECT_STREQ(vat.Get_ALIQUOTA().ToString2(127, false), "22.46");
}

TEST_P(MasterData, PrecisionIsReadWhenTheObjectIsBuilt)
{
    CDomainIva before(&db());
    config.Set("precisione/iva", "0");
    CDomainIva after(&db());
    before.Set_ALIQUOTA(CString("22.5"));
    after.Set_ALIQUOTA(CString("22.5"));
    EXPECT_STREQ(before.Get_ALIQUOTA().ToString2(127, false), "22.5");
    EXPECT_STREQ(after.Get_ALIQUOTA().ToString2(127, false), "23") << "precision 0 rounds to whole units";

    // The copy constructor takes the precision in force now and rounds again; assignment copies.
    CDomainIva copy(before);
    EXPECT_STREQ(copy.Get_ALIQUOTA().ToString2(127, false), "23");
    CDomainIva assigned(&db());
    assigned = before;
    EXPECT_STREQ(assigned.Get_ALIQUOTA().ToString2(127, false), "22.5");
    EXPECT_EQ(assigned.GetDatabase(), &db());
}

TEST_P(MasterData, EmptyCodeLoadsNothingWithoutAskingTheDatabase)
{
    CDomainIva noDatabase(nullptr);
    EXPECT_FALSE(noDatabase.DB_Load()) << "an empty code must not reach the (missing) connection";
    CDomainIva vat(&db());
    vat.Set_CODICE("MISSING");
    EXPECT_FALSE(vat.DB_Load());
}

TEST_P(MasterData, EditAndDeleteOfAMissingCodeChangeNothingAndSucceed)
{
    ASSERT_TRUE(AddVat("22", "22", "Ordinaria"));
    CDomainIva ghost(&db());
    ghost.Set_CODICE("99");
    ghost.Set_ALIQUOTA(CString("99"));
    EXPECT_TRUE(ghost.DB_Edit());
    EXPECT_TRUE(ghost.DB_Delete());
    EXPECT_EQ(CountRows("IVA"), 1);
    EXPECT_EQ(QueryText("SELECT ALIQUOTA FROM IVA"), "22");
}

TEST_P(MasterData, DuplicateCodeIsRefusedByTheDatabaseAndShownInTheErrorBox)
{
    ASSERT_TRUE(AddVat("22", "22", "Ordinaria"));
    MessageRecorder boxes;
    EXPECT_FALSE(AddVat("22", "20", "Duplicate"));
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0].style, 48u);
    EXPECT_EQ(boxes.messages[0].helpId, 0u);
    EXPECT_FALSE(boxes.messages[0].text.empty());
    EXPECT_EQ(CountRows("IVA"), 1);
    EXPECT_EQ(QueryText("SELECT DESCRIZIONE FROM IVA"), "Ordinaria");
    // The connection is still usable after the refused insert.
    EXPECT_TRUE(AddVat("10", "10", "Ridotta"));
}

TEST_P(MasterData, FailedSaveInsideTheCallersTransactionLeavesItUsable)
{
    ASSERT_TRUE(AddVat("22", "22", "Ordinaria"));
    MessageRecorder boxes;
    db().BeginTrans();
    EXPECT_TRUE(AddVat("10", "10", "Ridotta"));
    EXPECT_FALSE(AddVat("22", "20", "Duplicate"));
    EXPECT_TRUE(AddVat("4", "4", "Minima"));
    db().CommitTrans();
    EXPECT_EQ(CountRows("IVA"), 3);
}

TEST_P(MasterData, QuotesInCodesAreDataNotSql)
{
    ASSERT_TRUE(AddVat("O'NEIL", "5", "quote inside"));
    ASSERT_TRUE(AddVat("22", "22", "Ordinaria"));
    CDomainIva vat(&db());
    vat.Set_CODICE("O'NEIL");
    ASSERT_TRUE(vat.DB_Load());
    EXPECT_STREQ(vat.Get_DESCRIZIONE(), "quote inside");

    CDomainIva attack(&db());
    attack.Set_CODICE("x' OR '1'='1");
    EXPECT_FALSE(attack.DB_Load());
    attack.Set_ALIQUOTA(CString("0"));
    EXPECT_TRUE(attack.DB_Edit());
    EXPECT_TRUE(attack.DB_Delete());
    EXPECT_EQ(CountRows("IVA"), 2);
    EXPECT_EQ(QueryText("SELECT ALIQUOTA FROM IVA WHERE CODICE = '22'"), "22");
}

TEST_P(MasterData, FullDescriptionKeepsBothSeparators)
{
    CDomainIva vat(&db());
    vat.Set_CODICE("N4");
    vat.Set_ALIQUOTA(CString("0"));
    EXPECT_STREQ(vat.GetDescrizioneCompleta(), "N4 -  (0%)");
    vat.Set_DESCRIZIONE("Ordinaria");
    vat.Set_CODICE("22");
    vat.Set_ALIQUOTA(CString("22"));
    EXPECT_STREQ(vat.GetDescrizioneCompleta(), "22 - Ordinaria (22%)");
}

TEST_P(MasterData, FullDescriptionShowsTheRateInTheUsersNumberFormat)
{
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = previous != nullptr ? previous : "C";
    if (std::setlocale(LC_NUMERIC, "it_IT.UTF-8") == nullptr)
        GTEST_SKIP() << "the it_IT.UTF-8 locale is not installed";
    CDomainIva vat(&db());
    vat.Set_CODICE("5");
    vat.Set_DESCRIZIONE("Ridotta");
    vat.Set_ALIQUOTA(CString("4.5"));
    CString text = vat.GetDescrizioneCompleta();
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_STREQ(text, "5 - Ridotta (4,5%)");
}

TEST_P(MasterData, DepartmentsCategoriesFamiliesAndGroupsComeBackFromTheirRows)
{
    ASSERT_TRUE(AddVat("22", "22", "Ordinaria", 1));
    Exec("INSERT INTO SOCIETA (ID, NOME, RAGIONE_SOCIALE) VALUES (1, 'Negozio', 'Negozio S.r.l.')");
    Exec("INSERT INTO REPARTO (ID, DESCRIZIONE, ID_IVA, PREZZO_MINIMO, PREZZO_MASSIMO, PREZZO_DUE, PREZZO_UNO, "
         "STAMPANTE, ID_SOCIETA) VALUES ('R1', 'Alimentari', '22', '0.50', '999.999', '2', '1.5', 'LPT1', 1)");
    Exec("INSERT INTO REPARTO (ID, DESCRIZIONE) VALUES ('R2', 'Senza IVA')");
    Exec("INSERT INTO CATEGORIA (ID, DESCRIZIONE, F_COMPLETA, ID_REPARTO) VALUES ('C1', 'Bevande', 1, 'R1')");
    Exec("INSERT INTO FAMIGLIA (ID, DESCRIZIONE, ID_CATEGORIA, PERC_COSTO_OMAGGIO) VALUES ('F1', 'Vini', 'C1', "
         "'12.345')");
    Exec("INSERT INTO FAMIGLIA (ID, DESCRIZIONE) VALUES ('F2', 'Orfana')");
    Exec("INSERT INTO GRUPPO (ID, DESCRIZIONE, ID_FAMIGLIA) VALUES ('G1', 'Rossi', 'F1')");
    Exec("INSERT INTO UNITA_MISURA (ID, DESCRIZIONE) VALUES ('KG', 'Chilogrammi')");

    CRepartoSet reparti(&db());
    reparti.m_strFilter = "ID = 'R1'";
    reparti.Open();
    ASSERT_FALSE(reparti.IsEOF());
    CDomainReparto reparto;
    reparto.FromRecordset(reparti);
    EXPECT_STREQ(reparto.Get_ID_IVA(), "22");
    EXPECT_STREQ(reparto.Get_PREZZO_MASSIMO().ToString2(127, false), "999.999") << "kept as read, not rounded";
    EXPECT_STREQ(reparto.Get_PREZZO_UNO().ToString2(127, false), "1.5");
    EXPECT_STREQ(reparto.Get_STAMPANTE(), "LPT1");

    CRepartoCompletoSet completi(&db());
    completi.m_strSort = "REP_ID";
    completi.Open();
    ASSERT_FALSE(completi.IsEOF());
    EXPECT_STREQ(completi.REP_IVA_ALIQUOTA, "22");
    EXPECT_EQ(completi.REP_IVA_CODICE_CASSA, 1);
    EXPECT_STREQ(completi.REP_SOCIETA_NOME, "Negozio");
    completi.MoveNext();
    ASSERT_FALSE(completi.IsEOF());
    EXPECT_STREQ(completi.REP_ID, "R2");
    EXPECT_TRUE(completi.IsFieldNull(&completi.REP_IVA_ALIQUOTA)) << "no VAT code: NULL through the join";
    EXPECT_TRUE(completi.IsFieldNull(&completi.REP_SOCIETA_ID));

    CCategoriaSet categorie(&db());
    categorie.Open();
    CDomainCategoria categoria;
    categoria.FromRecordset(categorie);
    EXPECT_STREQ(categoria.Get_ID(), "C1");
    EXPECT_EQ(categoria.Get_F_COMPLETA(), 1);
    *categoria.GetPtr_ID() = "C9";
    EXPECT_STREQ(categoria.Get_ID(), "C9");

    CFamigliaSet famiglie(&db());
    famiglie.m_strFilter = "ID = 'F1'";
    famiglie.Open();
    CDomainFamiglia famiglia;
    famiglia.FromRecordset(famiglie);
    EXPECT_STREQ(famiglia.Get_ID_CATEGORIA(), "C1");
    EXPECT_STREQ(famiglia.Get_PERC_COSTO_OMAGGIO().ToString2(127, false), "12.345");

    CFamigliaListSet lista(&db());
    lista.m_strSort = "ID";
    lista.Open();
    ASSERT_FALSE(lista.IsEOF());
    EXPECT_STREQ(lista.CAT_ID, "C1");
    EXPECT_EQ(lista.CAT_F_COMPLETA, 1);
    lista.MoveNext();
    ASSERT_FALSE(lista.IsEOF());
    EXPECT_STREQ(lista.ID, "F2");
    EXPECT_TRUE(lista.IsFieldNull(&lista.CAT_F_COMPLETA));

    CGruppoSet gruppi(&db());
    gruppi.Open();
    CDomainGruppo gruppo;
    gruppo.FromRecordset(gruppi);
    EXPECT_STREQ(gruppo.Get_ID_FAMIGLIA(), "F1");

    CUnitaMisuraSet unita(&db());
    unita.Open();
    CDomainUnitaMisura um;
    um.FromRecordset(unita);
    EXPECT_STREQ(um.Get_DESCRIZIONE(), "Chilogrammi");
}

TEST_P(MasterData, PlainObjectsHaveNoDatabaseOperations)
{
    CDomainReparto reparto(&db());
    reparto.Set_ID("R1");
    EXPECT_FALSE(reparto.DB_Load());
    EXPECT_FALSE(reparto.DB_AddNew());
    EXPECT_EQ(CountRows("REPARTO"), 0);
    Decimal price(CString("1.23456"), 127);
    reparto.Set_PREZZO_MINIMO(price);
    EXPECT_STREQ(reparto.Get_PREZZO_MINIMO().ToString2(127, false), "1.23456") << "stored without rounding";
    CDomainReparto copy(reparto);
    EXPECT_STREQ(copy.Get_ID(), "R1");
    EXPECT_EQ(copy.GetDatabase(), &db());
}

ORVEL_DATABASE_TEST_SUITE(MasterData);
