// The till: a document paid with several payment types, whose stored payments add up to its
// total, replaced or removed as a whole; and a cash withdrawal with its coin and banknote counts.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "odbc/DBException.h"
#include "orveldblib/TransactionGuard.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/domain/payments/DomainPagamentoBancoDocumento.h"
#include "orvelmagdb/domain/payments/DomainPrelievoBanco.h"
#include "support/DatabaseTest.h"

namespace {

Decimal Dec(const char* text) { return Decimal(text, 127); }

CDomainPagamentoBanco Payment(long document, long type, const char* amount)
{
    CDomainPagamentoBanco payment;
    payment.Set_ID_DOCUMENTO(document);
    payment.Set_ID_TIPO_PAGAMENTO(type);
    payment.Set_VALORE(Dec(amount));
    return payment;
}

class TillDb : public orvel::test::DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        CSchema::Create(db());
        Exec("INSERT INTO DOCUMENTO (ID, NUMERO, ANNO, TOTALE) VALUES (7, 1, 2025, '55.51')");
        Exec("INSERT INTO DOCUMENTO (ID, NUMERO, ANNO, TOTALE) VALUES (8, 2, 2025, '10')");
    }

    // The stored payments of a document as (type, amount), in the order they load.
    std::vector<std::pair<long, CString>> Stored(long document)
    {
        CDomainPagamentoBancoDocumento payments(&db());
        payments.Set_ID_DOCUMENTO(document);
        EXPECT_TRUE(payments.DB_Load());
        std::vector<std::pair<long, CString>> rows;
        for (INT_PTR i = 0; i < payments.GetPagamenti().GetSize(); ++i) {
            const CDomainPagamentoBanco& p = payments.GetPagamenti()[i];
            EXPECT_EQ(p.Get_ID_DOCUMENTO(), document);
            rows.emplace_back(p.Get_ID_TIPO_PAGAMENTO(), p.Get_VALORE().ToString2(127, false));
        }
        return rows;
    }
};

using Rows = std::vector<std::pair<long, CString>>;

TEST_P(TillDb, ADocumentPaidWithSeveralTypesIsStoredWholeAndReplacedWhole)
{
    // Cash, a card, and a voucher whose own document is another one: all stored under document 7.
    CDomainPagamentoBancoDocumento paid(&db());
    paid.Set_ID_DOCUMENTO(7);
    paid.Add(Payment(7, 1, "20"));
    paid.Add(Payment(7, 3, "30.005"));
    paid.Add(Payment(99, 2, "5.5"));
    ASSERT_TRUE(paid.DB_AddNew());
    EXPECT_EQ(Stored(7), (Rows{{3, "30.01"}, {2, "5.5"}, {1, "20"}}))
        << "highest type first; three decimals read back rounded to the cent";
    Decimal sum;
    for (const auto& [type, amount] : Stored(7))
        sum = sum + Dec(amount);
    EXPECT_EQ(sum.ToString2(127, false), CString(QueryText("SELECT TOTALE FROM DOCUMENTO WHERE ID = 7")->c_str()))
        << "the payments add up to the document's total";
    EXPECT_EQ(QueryText("SELECT VALORE FROM PAGAMENTO_BANCO WHERE ID_TIPO_PAGAMENTO = 3"), "30.005")
        << "stored as given";

    // Loading appends to what the object holds.
    CDomainPagamentoBancoDocumento twice(&db());
    twice.Set_ID_DOCUMENTO(7);
    ASSERT_TRUE(twice.DB_Load() && twice.DB_Load());
    EXPECT_EQ(twice.GetPagamenti().GetSize(), 6);

    // An insert adds to the stored rows, an edit replaces them, a delete leaves none; the other
    // document's payments are never touched.
    CDomainPagamentoBancoDocumento other(&db());
    other.Set_ID_DOCUMENTO(8);
    other.Add(Payment(8, 1, "10"));
    ASSERT_TRUE(other.DB_AddNew());
    paid.RemoveAll();
    paid.Add(Payment(7, 1, "55.51"));
    ASSERT_TRUE(paid.DB_AddNew());
    EXPECT_EQ(Stored(7).size(), 4u);
    ASSERT_TRUE(paid.DB_Edit());
    EXPECT_EQ(Stored(7), (Rows{{1, "55.51"}}));
    ASSERT_TRUE(paid.DB_Delete());
    EXPECT_TRUE(Stored(7).empty());
    EXPECT_EQ(Stored(8), (Rows{{1, "10"}}));

    // No document: refused before the database is touched.
    CDomainPagamentoBancoDocumento none(&db());
    none.Set_ID_DOCUMENTO(0);
    none.Add(Payment(7, 1, "1"));
    EXPECT_FALSE(none.DB_AddNew());
    EXPECT_FALSE(none.DB_Load());
    EXPECT_EQ(CountRows("PAGAMENTO_BANCO"), 1);
}

TEST_P(TillDb, AFailedPaymentSaveReachesTheCallerWhoseRollbackKeepsTheOldPayments)
{
    CDomainPagamentoBancoDocumento paid(&db());
    paid.Set_ID_DOCUMENTO(8);
    paid.Add(Payment(8, 1, "10"));
    ASSERT_TRUE(paid.DB_AddNew());

    // The edit replaces the stored payment; the next save fails on a document that does not
    // exist. The error reaches the caller, whose rollback brings the old payment back.
    CDomainPagamentoBancoDocumento wrong(&db());
    wrong.Set_ID_DOCUMENTO(8);
    wrong.Add(Payment(8, 2, "4"));
    {
        CTransactionGuard transaction(db());
        ASSERT_TRUE(wrong.DB_Edit());
        EXPECT_EQ(Stored(8), (Rows{{2, "4"}}));
        wrong.Set_ID_DOCUMENTO(99);
        EXPECT_THROW(wrong.DB_AddNew(), CDBException);
    }
    EXPECT_EQ(Stored(8), (Rows{{1, "10"}}));
}

TEST_P(TillDb, AWithdrawalKeepsItsCoinCountsAndItsStaffMember)
{
    CDomainArrayPezzoMoneta coins;
    for (auto [kind, count] : {std::pair{50L, 2L}, std::pair{20L, 5L}}) {
        CDomainPezzoMoneta piece;
        piece.Set_ID_PEZZO_MONETA(kind);
        piece.Set_NUMERO_MONETE(count);
        coins.Add(piece);
    }
    CDomainPrelievoBanco withdrawal(&db());
    withdrawal.Set_DATA(COleDateTime(2025, 3, 31, 18, 30, 0));
    withdrawal.Set_VALORE(Dec("200.004"));
    withdrawal.Set_ID_SOCIETA(1);
    withdrawal.Set_ID_POSTAZIONE("CASSA-2");
    withdrawal.Set_ID_COLLABORATORE(0);
    withdrawal.SetArrayPezzoMoneta(coins);
    ASSERT_TRUE(withdrawal.DB_AddNew());
    ASSERT_GT(withdrawal.Get_ID(), 0);
    EXPECT_EQ(CountRows("PRELIEVO_BANCO") * 10 + CountRows("PRELIEVO_BANCO_MONETA"), 12);

    CDomainPrelievoBanco loaded(&db());
    loaded.Set_ID(withdrawal.Get_ID());
    ASSERT_TRUE(loaded.DB_Load());
    EXPECT_EQ(loaded.Get_VALORE().ToString2(127, false), CString("200.00"));
    EXPECT_EQ(loaded.Get_DATA().Format("%d/%m/%Y %H:%M"), CString("31/03/2025 18:30"));
    EXPECT_EQ(loaded.Get_ID_POSTAZIONE(), CString("CASSA-2"));
    EXPECT_EQ(loaded.Get_ID_COLLABORATORE(), 0) << "0 is a staff member, stored as 0";
    const CDomainArrayPezzoMoneta& read = loaded.GetArrayPezzoMoneta();
    ASSERT_EQ(read.GetSize(), 2);
    EXPECT_EQ(read.GetAt(0).Get_ID_PEZZO_MONETA() * 100 + read.GetAt(0).Get_NUMERO_MONETE(), 5002);
    EXPECT_EQ(read.GetAt(1).Get_ID_PEZZO_MONETA() * 100 + read.GetAt(1).Get_NUMERO_MONETE(), 2005);
    CDomainPezzoMoneta fifty = read.GetAt(0);
    fifty.Set_VALORE_MONETA(Dec("50"));
    EXPECT_EQ(fifty.Get_TOTALE_VALORE(), Dec("100")) << "the host's face value times the loaded count";

    // An edit with no staff member and one coin kind replaces the row and the counts.
    loaded.Set_ID_COLLABORATORE(-1);
    CDomainArrayPezzoMoneta one;
    one.Add(read.GetAt(1));
    loaded.SetArrayPezzoMoneta(one);
    ASSERT_TRUE(loaded.DB_Edit());
    EXPECT_EQ(QueryLong("SELECT ID_COLLABORATORE FROM PRELIEVO_BANCO"), -999999) << "stored as NULL";
    CDomainPrelievoBanco again(&db());
    again.Set_ID(withdrawal.Get_ID());
    ASSERT_TRUE(again.DB_Load());
    EXPECT_EQ(again.Get_ID_COLLABORATORE(), -1);
    EXPECT_EQ(again.GetArrayPezzoMoneta().GetSize(), 1);

    ASSERT_TRUE(again.DB_Delete());
    EXPECT_EQ(CountRows("PRELIEVO_BANCO") + CountRows("PRELIEVO_BANCO_MONETA"), 0);
    EXPECT_FALSE(again.DB_Load()) << "no row";
    EXPECT_THROW(again.DB_Edit(), CDBException) << "an edit of a withdrawal without row";
}

}  // namespace

ORVEL_DATABASE_TEST_SUITE(TillDb);
