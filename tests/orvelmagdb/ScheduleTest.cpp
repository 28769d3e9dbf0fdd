// Payment schedules on both databases: the due dates a payment formula gives across month ends,
// leap years, year ends and weekday limits; how the amount is split when percentages round, do
// not add up to 100 or only part of the total is left; the save that orders, numbers and prunes
// the instalments; a save failing half-way; the collection expenses of a formula.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "orvelmagdb/ConfigGuard.h"
#include "orvelmagdb/MessageRecorder.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/domain/payments/DomainScadenzario.h"
#include "orvelmagdb/recordsets/payments/FormulaPagamentoSet.h"
#include "support/DatabaseTest.h"

using orvel::test::ConfigGuard;
using orvel::test::MessageRecorder;

namespace {

Decimal D(const char* text) { return Decimal(CString(text), 127); }
// Amounts as numbers, without trailing zeros: the value counts, not the scale.
std::string S(const Decimal& value) { return value.ToString2(127, true).str(); }

COleDateTime Date(const char* text)
{
    COleDateTime date;
    EXPECT_TRUE(date.ParseDateTime(text)) << text;
    return date;
}

std::string Text(const COleDateTime& date, const char* format = "%d/%m/%Y") { return date.Format(format).str(); }

struct Line {
    long days;
    const char* percent;
    long endOfMonth = 0;
    long type = 0;  // 0: no payment type (NULL)
};

class Schedules : public orvel::test::DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        config.Set("precisione/totali", "2");
        CSchema::Create(db());
        Exec("INSERT INTO TIPO_PAGAMENTO (ID, DESCRIZIONE) VALUES (1, 'Rimessa diretta')");
        Exec("INSERT INTO TIPO_PAGAMENTO (ID, DESCRIZIONE) VALUES (2, 'Ri.Ba.')");
    }

    void Formula(long id, const std::vector<Line>& lines, const char* expenses = "0", long perFormula = 0)
    {
        CString sql;
        sql.Format("INSERT INTO FORMULA_PAGAMENTO (ID, DESCRIZIONE, SPESE_INCASSO, F_SPESE_INCASSO_TOTALE) "
                   "VALUES (%ld, 'Formula %ld', '%s', %ld)",
                   id, id, expenses, perFormula);
        Exec(sql.GetString());
        for (const Line& line : lines) {
            CString type = "NULL";
            if (line.type > 0)
                type.Format("%ld", line.type);
            sql.Format("INSERT INTO VOCE_FORMULA_PAGAMENTO (ID, GIORNI, PERCENTUALE, ID_FORMULA_PAGAMENTO, F_FINE_MESE, "
                       "ID_TIPO_PAGAMENTO) VALUES (%ld, %ld, '%s', %ld, %ld, %s)",
                       ++lastLine, line.days, line.percent, id, line.endOfMonth, type.GetString());
            Exec(sql.GetString());
        }
    }

    CDomainScadenzario Schedule(const char* date, const char* total)
    {
        CDomainScadenzario s(&db());
        s.SetTransController(true);
        s.Set_DESCRIZIONE("Fattura 1");
        s.Set_DATA_MOVIMENTO(Date(date));
        s.Set_IMPORTO_IMPONIBILE(D(total));
        return s;
    }

    static std::vector<std::string> Amounts(const CDomainScadenzario& s)
    {
        std::vector<std::string> amounts;
        for (int i = 0; i < s.SCADENZE_GetSize(); ++i)
            amounts.push_back(S(s.SCADENZE_Get().GetAt(i).Get_IMPORTO()));
        return amounts;
    }

    CDomainScadenza Instalment(const char* due, const char* amount, long numero = CDomainScadenza::NUMERO_NON_ASSEGNATO)
    {
        CDomainScadenza i(&db());
        i.Set_DATA_SCADENZA(Date(due));
        i.Set_IMPORTO(D(amount));
        i.Set_NUMERO(numero);
        return i;
    }

    ConfigGuard config;
    long lastLine = 0;
};

TEST_P(Schedules, DueDatesCountDaysFromTheScheduleDateThenEndOfMonthThenWeekdays)
{
    const struct {
        const char* from;
        Line line;
        int firstDay, lastDay;
        const char* due;
    } cases[] = {
        {"31/01/2023 10:30", {30, "100"}, 0, 6, "02/03/2023 10:30"},  // days, not months; time kept
        {"31/01/2024", {30, "100"}, 0, 6, "01/03/2024 00:00"},        // leap year
        {"31/01/2023 10:30", {30, "100", 1}, 0, 6, "31/03/2023 00:00"},
        {"15/02/2024", {0, "100", 1}, 0, 6, "29/02/2024 00:00"},
        {"15/02/2023", {0, "100", 1}, 0, 6, "28/02/2023 00:00"},
        {"10/02/2000", {0, "100", 1}, 0, 6, "29/02/2000 00:00"},
        {"10/02/2100", {0, "100", 1}, 0, 6, "28/02/2100 00:00"},
        {"15/12/2023", {30, "100"}, 0, 6, "14/01/2024 00:00"},
        {"15/12/2023", {30, "100", 1}, 0, 6, "31/01/2024 00:00"},
        {"05/01/2024", {1, "100"}, 0, 4, "08/01/2024 00:00"},     // Saturday -> Monday
        {"01/03/2024", {0, "100", 1}, 0, 4, "29/03/2024 00:00"},  // Sunday 31st, end of month -> Friday
        {"01/03/2024", {0, "100", 2}, 0, 4, "01/04/2024 00:00"},  // other end-of-month flags move forward
    };
    long formula = 0;
    for (const auto& c : cases) {
        Formula(++formula, {c.line});
        CDomainScadenzario s = Schedule(c.from, "1000");
        ASSERT_TRUE(s.GeneraScadenze(formula, c.firstDay, c.lastDay, false));
        ASSERT_EQ(s.SCADENZE_GetSize(), 1);
        EXPECT_EQ(Text(s.SCADENZE_Get().GetAt(0).Get_DATA_SCADENZA(), "%d/%m/%Y %H:%M"), c.due)
            << c.from << " + " << c.line.days << " end of month " << c.line.endOfMonth;
        EXPECT_EQ(S(s.SCADENZE_Get().GetAt(0).Get_IMPORTO()), "1000");
    }
}

TEST_P(Schedules, OneInstalmentPerMonthMovesToTheFirstOfTheNextMonthAcrossTheYearEnd)
{
    const struct {
        const char* from;
        std::vector<Line> lines;
        std::vector<std::string> due;
    } cases[] = {
        {"01/03/2024", {{30, "50"}, {45, "50"}}, {"31/03/2024", "15/04/2024"}},
        {"01/03/2024", {{10, "50"}, {20, "50"}}, {"11/03/2024", "01/04/2024"}},
        // only the instalment accepted just before counts: the third falls back in December
        {"01/12/2023", {{5, "30"}, {20, "30"}, {25, "40"}}, {"06/12/2023", "01/01/2024", "26/12/2023"}},
        {"01/11/2023", {{5, "50"}, {20, "50", 1}}, {"06/11/2023", "31/12/2023"}},
    };
    long formula = 0;
    for (const auto& c : cases) {
        Formula(++formula, c.lines);
        CDomainScadenzario s = Schedule(c.from, "100");
        ASSERT_TRUE(s.GeneraScadenze(formula, 0, 6, true));
        std::vector<std::string> due;
        for (int i = 0; i < s.SCADENZE_GetSize(); ++i)
            due.push_back(Text(s.SCADENZE_Get().GetAt(i).Get_DATA_SCADENZA()));
        EXPECT_EQ(due, c.due) << c.from;
    }
}

// The new instalments always add up to what was left to split; the first one takes the rounding,
// the shortfall or the excess.
TEST_P(Schedules, TheSplitAddsUpToTheUncoveredAmountWhateverThePercentages)
{
    const struct {
        const char* total;
        const char* existing;  // an instalment already there, or nullptr
        std::vector<Line> lines;
        std::vector<std::string> amounts;
    } cases[] = {
        {"100", nullptr, {{30, "33.33"}, {60, "33.33"}, {90, "33.34"}}, {"33.33", "33.33", "33.34"}},
        {"100", nullptr, {{30, "33"}, {60, "33"}, {90, "33"}}, {"34", "33", "33"}},
        {"10", nullptr, {{30, "33.33"}, {60, "33.33"}, {90, "33.33"}}, {"3.34", "3.33", "3.33"}},
        {"0.01", nullptr, {{30, "50"}, {60, "50"}}, {"0", "0.01"}},
        {"100", nullptr, {{30, "60"}, {60, "60"}}, {"40", "60"}},
        {"1000", "400", {{30, "50"}, {60, "50"}}, {"400", "300", "300"}},
    };
    long formula = 0;
    for (const auto& c : cases) {
        Formula(++formula, c.lines);
        CDomainScadenzario s = Schedule("01/03/2024", c.total);
        if (c.existing) {
            CDomainScadenza first = Instalment("10/03/2024", c.existing, 1);
            s.SCADENZE_Add(first);
        }
        ASSERT_TRUE(s.GeneraScadenze(formula, 0, 6, false));
        EXPECT_EQ(Amounts(s), c.amounts) << c.total;
        EXPECT_EQ(S(s.Get_IMPORTO_RESIDUO()), "0") << c.total;
        EXPECT_EQ(s.Get_NUMERO_SCADENZE(), static_cast<long>(c.amounts.size()));
        EXPECT_EQ(s.SCADENZE_Get().GetAt(s.SCADENZE_GetSize() - 1).Get_NUMERO(), s.SCADENZE_GetSize())
            << "new instalments are numbered after the existing ones";
    }
}

TEST_P(Schedules, GenerationCopiesTheScheduleAndRepeatsAMissingPaymentType)
{
    Formula(1, {{30, "50", 0, 2}, {60, "50"}});
    Formula(2, {});
    CDomainScadenzario s = Schedule("01/03/2024", "100");
    s.Set_ID_SOGGETTO(7);
    s.Set_F_ATTIVO(-1);
    ASSERT_TRUE(s.GeneraScadenze(1, 0, 6, false));
    for (int i = 0; i < 2; ++i) {
        const CDomainScadenza& n = s.SCADENZE_Get().GetAt(i);
        EXPECT_EQ(n.Get_ID_TIPO_PAGAMENTO(), 2);
        EXPECT_EQ(n.Get_DESCRIZIONE_TIPO_PAGAMENTO().str(), "Ri.Ba.");
        EXPECT_EQ(n.Get_NOTA().str(), "generata con condizioni di pagamento:\r\nFormula 1");
        EXPECT_EQ(n.Get_ID_SOGGETTO(), 7);
        EXPECT_EQ(n.Get_F_ATTIVA(), -1);
        EXPECT_EQ(Text(n.Get_DATA_REGISTRAZIONE()), "01/03/2024");
    }

    // A formula without lines adds nothing; one that does not exist is refused with a message.
    MessageRecorder recorder;
    EXPECT_TRUE(s.GeneraScadenze(2, 0, 6, false));
    EXPECT_EQ(s.SCADENZE_GetSize(), 2);
    EXPECT_FALSE(s.GeneraScadenze(99, 0, 6, false));
    EXPECT_EQ(s.SCADENZE_GetSize(), 2);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text, "ATTENZIONE\nLa formula di pagamento fornita è inesistente.");
}

TEST_P(Schedules, SaveOrdersNumbersAndPrunesTheInstalmentsAndLoadsThemBack)
{
    CDomainScadenzario s = Schedule("01/03/2024", "300");
    CDomainScadenza late = Instalment("30/04/2024", "100.00");
    CDomainScadenza sameDayNew = Instalment("31/03/2024", "50.00");
    CDomainScadenza sameDayFirst = Instalment("31/03/2024", "150.00", 1);
    sameDayFirst.Set_ID_TIPO_PAGAMENTO(1);
    s.SCADENZE_Add(late);
    s.SCADENZE_Add(sameDayNew);
    s.SCADENZE_Add(sameDayFirst);
    ASSERT_TRUE(s.DB_AddNew());
    EXPECT_EQ(QueryText("SELECT IMPORTO FROM SCADENZA WHERE NUMERO = 1"), "150.00");
    EXPECT_EQ(QueryText("SELECT IMPORTO FROM SCADENZA WHERE NUMERO = 2"), "50.00");
    EXPECT_EQ(QueryText("SELECT IMPORTO FROM SCADENZA WHERE NUMERO = 3"), "100.00");
    EXPECT_EQ(QueryLong("SELECT NUMERO_SCADENZE FROM SCADENZARIO"), 3);
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM SCADENZA WHERE ID_TIPO_PAGAMENTO IS NULL"), 2);

    CDomainScadenzario loaded(&db());
    loaded.Set_ID(s.Get_ID());
    ASSERT_TRUE(loaded.DB_Load());
    ASSERT_EQ(Amounts(loaded), (std::vector<std::string>{"150", "50", "100"}));
    EXPECT_EQ(loaded.SCADENZE_Get().GetAt(1).Get_ID_TIPO_PAGAMENTO(), -1);
    EXPECT_EQ(loaded.SCADENZE_Get().GetAt(0).Get_DESCRIZIONE_TIPO_PAGAMENTO().str(), "Rimessa diretta");
    EXPECT_EQ(S(loaded.Get_IMPORTO_TOTALE()), "300");

    // Dropping the middle instalment and editing deletes that row and no other.
    const long dropped = loaded.SCADENZE_Get().GetAt(1).Get_ID();
    CDomainListaScadenze kept = loaded.SCADENZE_Get();
    kept.RemoveAt(1);
    loaded.SCADENZE_Set(kept);
    loaded.SetTransController(true);
    ASSERT_TRUE(loaded.DB_Edit());
    EXPECT_EQ(CountRows("SCADENZA"), 2);
    CString sql;
    sql.Format("SELECT COUNT(*) FROM SCADENZA WHERE ID = %ld", dropped);
    EXPECT_EQ(QueryLong(sql.GetString()), 0);
    EXPECT_EQ(QueryLong("SELECT NUMERO FROM SCADENZA WHERE IMPORTO = '100.00'"), 2);
    EXPECT_EQ(QueryLong("SELECT NUMERO_SCADENZE FROM SCADENZARIO"), 2);

    // A schedule is not deleted through these objects: the delete fails and changes nothing.
    MessageRecorder recorder;
    EXPECT_FALSE(loaded.DB_Delete());
    EXPECT_EQ(CountRows("SCADENZARIO"), 1);
    EXPECT_EQ(CountRows("SCADENZA"), 2);
}

// An instalment that claims a row no longer there fails its update after the schedule row and the
// first instalment were written. A schedule that controls its transaction leaves nothing; one
// that does not leaves its writes to the caller.
TEST_P(Schedules, ASaveFailingHalfWayRollsBackOnlyWhenTheScheduleOwnsTheTransaction)
{
    for (const bool controller : {true, false}) {
        Exec("DELETE FROM SCADENZA");
        Exec("DELETE FROM SCADENZARIO");
        CDomainScadenzario s = Schedule("01/03/2024", "200");
        s.SetTransController(controller);
        CDomainScadenza good = Instalment("31/03/2024", "100");
        CDomainScadenza gone = Instalment("30/04/2024", "100");
        gone.Set_ID(424242);
        s.SCADENZE_Add(good);
        s.SCADENZE_Add(gone);
        MessageRecorder recorder;
        EXPECT_FALSE(s.DB_AddNew());
        EXPECT_FALSE(recorder.messages.empty());
        EXPECT_EQ(CountRows("SCADENZARIO"), controller ? 0 : 1) << controller;
        EXPECT_EQ(CountRows("SCADENZA"), controller ? 0 : 1) << controller;
    }
}

TEST_P(Schedules, CollectionExpensesApplyPerInstalmentUnlessChargedOnce)
{
    Formula(1, {{30, "30"}, {60, "30"}, {90, "40"}}, "2", 0);
    Formula(2, {{30, "30"}, {60, "30"}, {90, "40"}}, "2", 1);
    for (const auto& [id, expected] : {std::pair{1, "6"}, std::pair{2, "2"}}) {
        CFormulaPagamentoSet rs(&db());
        rs.m_strFilter.Format("ID = %d", id);
        rs.Open();
        ASSERT_FALSE(rs.IsEOF());
        EXPECT_EQ(S(rs.GetSpeseIncasso()), expected) << id;
        rs.Close();
    }
}

}  // namespace

ORVEL_DATABASE_TEST_SUITE(Schedules);
