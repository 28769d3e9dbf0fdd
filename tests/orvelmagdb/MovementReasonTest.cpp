// Movement reasons: what their flags mean to a document, and loading them from CAUSALE and from
// the document view on real databases.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/domain/documents/DomainCausaleMagazzino.h"
#include "orvelmagdb/recordsets/documents/DocumentoCausaleSet.h"
#include "support/DatabaseTest.h"

namespace {

using Reason = CDomainCausaleMagazzino;

// The answers of a reason, in this order: load, unload, value load, quantity load, quantity
// movement, return, order, sale list, receivable schedule, customer required, may create.
std::string Answers(const Reason& r)
{
    std::string a;
    for (bool b : {r.IsCarico(), r.IsScarico(), r.IsCaricoValore(), r.IsCaricoQuantita(), r.IsMovimentoQuantita(),
                   r.IsReso(), r.IsOrdine(), r.WantListinoVendita(), r.WantScadenzarioAttivo(),
                   r.WantClienteObbligatorio(), r.Get_FNuovo()})
        a += b ? '1' : '0';
    return a;
}

TEST(MovementReason, FlagsDecideWhatADocumentDoes)
{
    struct Case {
        const char* what;
        std::function<void(Reason&)> set;
        const char* answers;
    };
    const Case cases[] = {
        {"a new reason: an unload on the sale list, every operation allowed", [](Reason&) {}, "01000001001"},
        {"value returned to stock", [](Reason& r) { r.Set_F_RESO_VALORE(-1); }, "10000101001"},
        {"value returned by us", [](Reason& r) { r.Set_F_RESO_VALORE(1); }, "01000101001"},
        {"opening inventory", [](Reason& r) { r.Set_F_INVENTARIO_INIZIALE(1); }, "10110001001"},
        {"quantity unload", [](Reason& r) { r.Set_F_QUANTITA(-1); }, "01001001001"},
        {"supplier order", [](Reason& r) { r.Set_F_ORDINE_AL_FORNITORE(1); }, "10000011001"},
        {"purchase list", [](Reason& r) { r.Set_F_LISTINO(-1); }, "01000000001"},
        {"receivable side without a schedule", [](Reason& r) { r.Set_F_SCAD_ATTIVO(1); }, "01000001001"},
        {"receivable schedule", [](Reason& r) { r.Set_F_SCAD_ATTIVO(1), r.Set_F_SCADENZARIO(1); }, "01000001101"},
        {"customer flag of 2 is no customer", [](Reason& r) { r.Set_F_CLIENTE_OBBLIGATORIO(1), r.Set_F_CLIENTE(2); },
         "01000001001"},
        {"customer required", [](Reason& r) { r.Set_F_CLIENTE_OBBLIGATORIO(1), r.Set_F_CLIENTE(1); }, "01000001011"},
        {"creation allowed by -1", [](Reason& r) { r.Set_F_NUOVO(-1); }, "01000001001"},
        {"creation refused", [](Reason& r) { r.Set_F_NUOVO(0); }, "01000001000"},
    };
    for (const Case& c : cases) {
        Reason r;
        c.set(r);
        EXPECT_EQ(Answers(Reason(r)), c.answers) << c.what;
    }
}

class MovementReasonDb : public orvel::test::DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        CSchema::Create(db());
    }
};

TEST_P(MovementReasonDb, LoadReadsNullLinksAsUnsetAMissingReasonChangesNothingAndTheViewKeepsWhatItLacks)
{
    // Only the key, a description, a quantity unload and a zero container link: every other
    // column NULL.
    Exec("INSERT INTO CAUSALE (ID, DESCRIZIONE, F_QUANTITA, ID_CAUSALE_VUOTO, ID_CAUSALE_DISTINTA) "
         "VALUES (4, 'Scarico', -1, 0, 9)");
    Reason r(&db());
    r.Set_ID(4);
    r.Set_ID_CAUSALE_DISTINTA_AUTO(12);
    r.Set_ID_CAUSALE_MOV_DISTRIBUTORE(13);
    ASSERT_TRUE(r.DB_Load());
    EXPECT_TRUE(r.Get_DESCRIZIONE() == "Scarico" && r.IsScaricoQuantita());
    EXPECT_FALSE(r.IsValid_ID_CAUSALE_VUOTO()) << "an id of 0 is no link";
    EXPECT_TRUE(r.IsValid_ID_CAUSALE_DISTINTA());
    EXPECT_EQ(r.Get_ID_CAUSALE_DISTINTA_AUTO() + r.Get_ID_CAUSALE_MOV_DISTRIBUTORE(), -2) << "NULL links read -1";
    EXPECT_EQ(r.Get_F_NUOVO(), 0) << "a NULL flag reads as 0";

    r.Set_ID(77);
    EXPECT_FALSE(r.DB_Load());
    EXPECT_TRUE(r.Get_DESCRIZIONE() == "Scarico" && r.Get_ID_CAUSALE_DISTINTA() == 9) << "a missing reason changes nothing";

    // The document view resets what it does not carry and keeps fuel and permissions.
    Exec("INSERT INTO CAUSALE (ID, DESCRIZIONE, TIPO_DOCUMENTO, F_VALORE, F_QUANTITA, F_CLIENTE, F_LISTINO, "
         "F_SCADENZARIO, F_STATO, ID_CAUSALE_VUOTO, F_NUOVO) VALUES (3, 'Fattura', 'FT', -1, -1, 1, 1, 1, 1, 8, 0)");
    Exec("INSERT INTO DOCUMENTO (ID, ID_CAUSALE, NUMERO, ANNO, SERIE, ID_SOCIETA) VALUES (50, 3, 0, 2026, 'A', 1)");
    r.Set_F_SCAD_ATTIVO(1);
    r.Set_F_ABILITA_SPESE(1);
    r.Set_ID_CAUSALE_DISTINTA(4);
    r.Set_F_MOVIMENTA_CARBURANTE(1);
    r.Set_ID_CAUSALE_MOV_DISTRIBUTORE(6);
    r.Set_F_NUOVO(1);
    CDocumentoCausaleSet rs(&db());
    rs.m_strFilter = "D_ID = 50";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    r.FromRecordset(rs);
    EXPECT_EQ(r.Get_TIPO_DOCUMENTO(), "FT");
    EXPECT_TRUE(r.IsScaricoValore() && r.WantCliente());
    EXPECT_EQ(r.Get_F_SCADENZARIO() + r.Get_F_STATO() + r.Get_F_SCAD_ATTIVO() + r.Get_F_ABILITA_SPESE(), 0)
        << "not in the view: reset";
    EXPECT_EQ(r.Get_ID_CAUSALE_VUOTO() + r.Get_ID_CAUSALE_DISTINTA(), -2);
    EXPECT_EQ(r.Get_F_MOVIMENTA_CARBURANTE() + r.Get_ID_CAUSALE_MOV_DISTRIBUTORE(), 7) << "kept";
    EXPECT_EQ(r.Get_F_NUOVO(), 1) << "the view's reason forbids creation, but permissions are not in the view";
}

ORVEL_DATABASE_TEST_SUITE(MovementReasonDb);

}  // namespace
