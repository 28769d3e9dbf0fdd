// Coins and banknotes of the till: a piece carries a kind, a face value and a count, the value of
// the pieces is face value times count (not rounded), an array of pieces copies by value, and
// the kinds load with their face values from the database.
#include <gtest/gtest.h>

#include <utility>

#include "afx/Exception.h"
#include "orveldb/domain/DomainArrayPezzoMoneta.h"
#include "orveldb/domain/DomainPezzoMoneta.h"
#include "orvelmagdb/MessageRecorder.h"
#include "orvelmagdb/base/Schema.h"
#include "support/DatabaseTest.h"

namespace {

CDomainPezzoMoneta Piece(long kind, const char* faceValue, long count)
{
    CDomainPezzoMoneta piece;
    piece.Set_ID_PEZZO_MONETA(kind);
    piece.Set_VALORE_MONETA(Decimal(CString(faceValue), 127));
    piece.Set_NUMERO_MONETE(count);
    return piece;
}

TEST(OrvelDbCoins, TotalIsFaceValueTimesCountUnroundedAndArraysHoldCopies)
{
    CDomainPezzoMoneta none;
    EXPECT_EQ(none.Get_ID_PEZZO_MONETA(), -1);
    EXPECT_TRUE(none.Get_TOTALE_VALORE().IsZero());
    EXPECT_FALSE(none.DB_Load()) << "no kind: nothing to load, and no database either";
    const std::pair<CDomainPezzoMoneta, const char*> totals[] = {
        {Piece(3, "0.05", 7), "0.35"}, {Piece(9, "500", 3), "1500"},
        {Piece(1, "0.125", 3), "0.375"},  // more decimals than money has: the piece does not round
        {Piece(1, "2", 0), "0"}};
    for (const auto& [piece, total] : totals)
        EXPECT_STREQ(piece.Get_TOTALE_VALORE().ToString2(127, false), total);

    CDomainArrayPezzoMoneta coins;
    CDomainPezzoMoneta piece = Piece(5, "2", 10);
    EXPECT_EQ(coins.Add(piece), 0);
    EXPECT_EQ(coins.Add(Piece(7, "0.50", 3)), 1);
    piece.Set_NUMERO_MONETE(99);  // the array holds its own copy
    EXPECT_STREQ(coins.Get_TOTALE_VALORE().ToString2(127, false), "21.50");
    coins.GetAt(1).Set_NUMERO_MONETE(4);  // the non-const access changes the element
    EXPECT_EQ(coins.GetAt(1).Get_NUMERO_MONETE(), 4);
    CDomainArrayPezzoMoneta other;
    other.Add(Piece(1, "100", 1));
    other.Copy(coins);
    other.Copy(other);
    coins.GetAt(0).Set_NUMERO_MONETE(1);
    ASSERT_EQ(other.GetSize(), 2);
    EXPECT_EQ(other.GetAt(0).Get_NUMERO_MONETE(), 10);
    CDomainPezzoMoneta assigned;
    assigned = other.GetAt(1);
    EXPECT_STREQ(CDomainPezzoMoneta(assigned).Get_VALORE_MONETA().ToString2(127, false), "0.50");
    const CDomainArrayPezzoMoneta& constant = other;
    EXPECT_THROW(constant.GetAt(2), CInvalidArgException);
    EXPECT_THROW(other.GetAt(-1), CInvalidArgException);
    other.RemoveAll();
    EXPECT_EQ(coins.GetSize(), 2);
}

class OrvelDbCoinKinds : public orvel::test::DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        CSchema::Create(db());
        Exec("INSERT INTO PEZZO_MONETA (ID, DESCRIZIONE, VALORE, F_BANCONOTA) VALUES (2, '50 centesimi', '0.50', 0)");
        Exec("INSERT INTO PEZZO_MONETA (ID, DESCRIZIONE, VALORE, F_BANCONOTA) VALUES (1, '5 centesimi', '0.05', 0)");
        Exec("INSERT INTO PEZZO_MONETA (ID, DESCRIZIONE, VALORE, F_BANCONOTA) VALUES (10, '20 euro', '20', 1)");
    }
};

TEST_P(OrvelDbCoinKinds, PieceLoadsItsFaceValueAndKeepsItsCount)
{
    CDomainPezzoMoneta piece(&db());
    piece.Set_ID_PEZZO_MONETA(2);
    piece.Set_NUMERO_MONETE(9);
    ASSERT_TRUE(piece.DB_Load());
    EXPECT_STREQ(piece.Get_DESCRIZIONE(), "50 centesimi");
    EXPECT_STREQ(piece.Get_VALORE_MONETA().ToString2(127, false), "0.50");
    EXPECT_EQ(piece.Get_NUMERO_MONETE(), 9);
    EXPECT_STREQ(piece.Get_TOTALE_VALORE().ToString2(127, false), "4.50");

    CDomainPezzoMoneta unknown(&db());
    unknown.Set_ID_PEZZO_MONETA(3);
    unknown.Set_VALORE_MONETA(Decimal(CString("1"), 127));
    EXPECT_FALSE(unknown.DB_Load());
    EXPECT_STREQ(unknown.Get_VALORE_MONETA().ToString2(127, false), "1");
}

TEST_P(OrvelDbCoinKinds, BlankTillCountListsEveryKindByIdWithNoPieces)
{
    CDomainArrayPezzoMoneta coins;
    coins.Add(Piece(99, "1", 1));
    ASSERT_TRUE(coins.DB_LoadPezzi(&db()));
    ASSERT_EQ(coins.GetSize(), 3);
    EXPECT_EQ(coins.GetAt(0).Get_ID_PEZZO_MONETA(), 1);
    EXPECT_EQ(coins.GetAt(1).Get_ID_PEZZO_MONETA(), 2);
    EXPECT_EQ(coins.GetAt(2).Get_ID_PEZZO_MONETA(), 10);
    EXPECT_STREQ(coins.GetAt(2).Get_VALORE_MONETA().ToString2(127, false), "20");
    EXPECT_EQ(coins.GetAt(2).Get_NUMERO_MONETE(), 0);
    EXPECT_EQ(coins.GetAt(0).GetDatabase(), &db());
    EXPECT_TRUE(coins.Get_TOTALE_VALORE().IsZero());
}

TEST_P(OrvelDbCoinKinds, DatabaseErrorsAreShownAndLeaveNothingHalfLoaded)
{
    orvel::test::MessageRecorder messages;
    Exec("DROP TABLE PEZZO_MONETA");
    CDomainPezzoMoneta piece(&db());
    piece.Set_ID_PEZZO_MONETA(2);
    EXPECT_FALSE(piece.DB_Load());
    CDomainArrayPezzoMoneta coins;
    coins.Add(Piece(5, "2", 1));
    EXPECT_FALSE(coins.DB_LoadPezzi(&db()));
    EXPECT_EQ(coins.GetSize(), 0);
    EXPECT_EQ(messages.messages.size(), 2u);
}

ORVEL_DATABASE_TEST_SUITE(OrvelDbCoinKinds);

}  // namespace
