// VAT codes and the other master-data objects on real databases: persistence, the NULL rules,
// rounding to the configured precision, quoting of codes, and the error box on a failed save.
#include <gtest/gtest.h>

#include <clocale>
#include <optional>
#include <string>
#include <utility>

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

std::string S(const Decimal& value) { return value.ToString2(127, false).str(); }

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

    bool AddVat(const char* code, const char* rate, const char* description = "", long till = -1)
    {
        CDomainIva vat(&db());
        vat.Set_CODICE(code);
        vat.Set_ALIQUOTA(CString(rate));
        vat.Set_DESCRIZIONE(description);
        vat.Set_CODICE_CASSA(till);
        return vat.DB_AddNew();
    }
    std::optional<std::string> Rate(const char* code)
    {
        return QueryText((std::string("SELECT ALIQUOTA FROM IVA WHERE CODICE = '") + code + "'").c_str());
    }

    ConfigGuard config;
};

}  // namespace

TEST_P(MasterData, VatCodeSavesRoundedLoadsEditsDeletesAndCopies)
{
    ASSERT_TRUE(AddVat("22", "22", "Aliquota ordinaria", 1));
    for (const auto& [code, rate] : {std::pair{"N4", "0"}, std::pair{"X", "10.005"}, std::pair{"Y", "-4.125"}, std::pair{"Z", "4.1249"}})
        ASSERT_TRUE(AddVat(code, rate)) << code;
    EXPECT_EQ(Rate("X"), "10.01");
    EXPECT_EQ(Rate("Y"), "-4.13") << "half away from zero";
    EXPECT_EQ(Rate("Z"), "4.12");
    // A till code of -1 and an empty note are NULL, and read back as -1 and "".
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM IVA WHERE CODICE = 'N4' AND CODICE_CASSA IS NULL AND NOTE IS NULL"), 1);
    CDomainIva vat(&db());
    vat.Set_CODICE("N4");
    ASSERT_TRUE(vat.DB_Load());
    EXPECT_EQ(vat.Get_CODICE_CASSA(), -1);
    vat.Set_CODICE("22");
    ASSERT_TRUE(vat.DB_Load());
    EXPECT_STREQ(vat.Get_DESCRIZIONE(), "Aliquota ordinaria");
    EXPECT_EQ(vat.Get_CODICE_CASSA(), 1);
    EXPECT_STREQ(vat.Get_NOTE(), "");

    vat.Set_ALIQUOTA(CString("21.5"));
    vat.Set_NOTE("rate changed");
    ASSERT_TRUE(vat.DB_Edit());
    EXPECT_EQ(Rate("22"), "21.5");
    EXPECT_EQ(QueryText("SELECT NOTE FROM IVA WHERE CODICE = '22'"), "rate changed");
    ASSERT_TRUE(vat.DB_Delete());
    EXPECT_EQ(CountRows("IVA"), 4);

    // A rate stored with more decimals by another program is rounded when read.
    Exec("UPDATE IVA SET ALIQUOTA = '22.4567' WHERE CODICE = 'X'");
    vat.Set_CODICE("X");
    ASSERT_TRUE(vat.DB_Load());
    EXPECT_EQ(S(vat.Get_ALIQUOTA()), "22.46");

    // The precision is read when the object is built, and copies round again.
    CDomainIva before(&db());
    config.Set("precisione/iva", "0");
    CDomainIva after(&db());
    before.Set_ALIQUOTA(CString("22.5"));
    after.Set_ALIQUOTA(CString("22.5"));
    EXPECT_EQ(S(before.Get_ALIQUOTA()), "22.5");
    EXPECT_EQ(S(after.Get_ALIQUOTA()), "23");
    // The copy constructor takes the precision in force now and rounds again; assignment copies.
    EXPECT_EQ(S(CDomainIva(before).Get_ALIQUOTA()), "23");
    CDomainIva assigned(nullptr);
    assigned = before;
    EXPECT_EQ(S(assigned.Get_ALIQUOTA()), "22.5");
    EXPECT_EQ(assigned.GetDatabase(), &db());
}

TEST_P(MasterData, MissingEmptyQuotedAndDuplicateCodes)
{
    ASSERT_TRUE(AddVat("22", "22", "Ordinaria"));
    ASSERT_TRUE(AddVat("O'NEIL", "5", "quote inside"));
    CDomainIva noDatabase(nullptr);
    EXPECT_FALSE(noDatabase.DB_Load()) << "an empty code must not reach the (missing) connection";
    CDomainIva vat(&db());
    vat.Set_CODICE("O'NEIL");
    ASSERT_TRUE(vat.DB_Load());
    EXPECT_STREQ(vat.Get_DESCRIZIONE(), "quote inside");
    for (const char* ghost : {"99", "x' OR '1'='1"}) {
        CDomainIva missing(&db());
        missing.Set_CODICE(ghost);
        EXPECT_FALSE(missing.DB_Load()) << ghost;
        missing.Set_ALIQUOTA(CString("0"));
        EXPECT_TRUE(missing.DB_Edit()) << "nothing to edit is no error";
        EXPECT_TRUE(missing.DB_Delete());
    }
    EXPECT_EQ(CountRows("IVA"), 2);
    EXPECT_EQ(Rate("22"), "22");

    // A duplicate is refused by the database and shown; inside the caller's transaction the
    // connection stays usable.
    MessageRecorder boxes;
    db().BeginTrans();
    EXPECT_TRUE(AddVat("10", "10", "Ridotta"));
    EXPECT_FALSE(AddVat("22", "20", "Duplicate"));
    EXPECT_TRUE(AddVat("4", "4", "Minima"));
    db().CommitTrans();
    EXPECT_EQ(CountRows("IVA"), 4);
    EXPECT_EQ(QueryText("SELECT DESCRIZIONE FROM IVA WHERE CODICE = '22'"), "Ordinaria");
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0].style, 48u);
    EXPECT_EQ(boxes.messages[0].helpId, 0u);
    EXPECT_FALSE(boxes.messages[0].text.empty());
}

TEST_P(MasterData, FullDescriptionKeepsBothSeparatorsInTheUsersNumberFormat)
{
    CDomainIva vat(&db());
    vat.Set_CODICE("N4");
    vat.Set_ALIQUOTA(CString("0"));
    EXPECT_STREQ(vat.GetDescrizioneCompleta(), "N4 -  (0%)");
    vat.Set_CODICE("5");
    vat.Set_DESCRIZIONE("Ridotta");
    vat.Set_ALIQUOTA(CString("4.5"));
    EXPECT_STREQ(vat.GetDescrizioneCompleta(), "5 - Ridotta (4.5%)");
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "it_IT.UTF-8") == nullptr)
        GTEST_SKIP() << "the it_IT.UTF-8 locale is not installed";
    const CString text = vat.GetDescrizioneCompleta();
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_STREQ(text, "5 - Ridotta (4,5%)");
}

TEST_P(MasterData, DepartmentsCategoriesFamiliesAndGroupsComeBackFromTheirRows)
{
    ASSERT_TRUE(AddVat("22", "22", "Ordinaria", 1));
    for (const char* sql :
         {"INSERT INTO SOCIETA (ID, NOME, RAGIONE_SOCIALE) VALUES (1, 'Negozio', 'Negozio S.r.l.')",
          "INSERT INTO REPARTO (ID, DESCRIZIONE, ID_IVA, PREZZO_MINIMO, PREZZO_MASSIMO, PREZZO_DUE, PREZZO_UNO, "
          "STAMPANTE, ID_SOCIETA) VALUES ('R1', 'Alimentari', '22', '0.50', '999.999', '2', '1.5', 'LPT1', 1)",
          "INSERT INTO REPARTO (ID, DESCRIZIONE) VALUES ('R2', 'Senza IVA')",
          "INSERT INTO CATEGORIA (ID, DESCRIZIONE, F_COMPLETA, ID_REPARTO) VALUES ('C1', 'Bevande', 1, 'R1')",
          "INSERT INTO FAMIGLIA (ID, DESCRIZIONE, ID_CATEGORIA, PERC_COSTO_OMAGGIO) VALUES ('F1', 'Vini', 'C1', '12.345')",
          "INSERT INTO FAMIGLIA (ID, DESCRIZIONE) VALUES ('F2', 'Orfana')",
          "INSERT INTO GRUPPO (ID, DESCRIZIONE, ID_FAMIGLIA) VALUES ('G1', 'Rossi', 'F1')",
          "INSERT INTO UNITA_MISURA (ID, DESCRIZIONE) VALUES ('KG', 'Chilogrammi')"})
        Exec(sql);

    CRepartoSet reparti(&db());
    reparti.m_strFilter = "ID = 'R1'";
    reparti.Open();
    CDomainReparto reparto(&db());
    reparto.FromRecordset(reparti);
    EXPECT_STREQ(reparto.Get_ID_IVA(), "22");
    EXPECT_EQ(S(reparto.Get_PREZZO_MASSIMO()), "999.999") << "kept as read, not rounded";
    EXPECT_STREQ(reparto.Get_STAMPANTE(), "LPT1");
    EXPECT_FALSE(reparto.DB_Load() || reparto.DB_AddNew()) << "departments have no database operations";
    const CDomainReparto copy(reparto);
    EXPECT_EQ(copy.GetDatabase(), &db());

    CRepartoCompletoSet completi(&db());
    completi.m_strSort = "REP_ID";
    completi.Open();
    EXPECT_EQ(completi.REP_IVA_CODICE_CASSA, 1);
    EXPECT_STREQ(completi.REP_SOCIETA_NOME, "Negozio");
    completi.MoveNext();
    EXPECT_TRUE(completi.IsFieldNull(&completi.REP_IVA_ALIQUOTA)) << "no VAT code: NULL through the join";

    CCategoriaSet categorie(&db());
    categorie.Open();
    CDomainCategoria categoria;
    categoria.FromRecordset(categorie);
    EXPECT_EQ(categoria.Get_F_COMPLETA(), 1);
    CFamigliaSet famiglie(&db());
    famiglie.m_strFilter = "ID = 'F1'";
    famiglie.Open();
    CDomainFamiglia famiglia;
    famiglia.FromRecordset(famiglie);
    EXPECT_EQ(S(famiglia.Get_PERC_COSTO_OMAGGIO()), "12.345");
    CFamigliaListSet lista(&db());
    lista.m_strSort = "ID";
    lista.Open();
    EXPECT_STREQ(lista.CAT_ID, "C1");
    lista.MoveNext();
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

ORVEL_DATABASE_TEST_SUITE(MasterData);
