// "orvelmag formula add ID DESCRIPTION --line DAYS:PERCENT[:eom][:TYPE]...": a payment formula
// and its lines, the payment terms a schedule is generated from. Each line is an instalment due
// DAYS after the schedule's date (at the end of that month with "eom"), carrying PERCENT of the
// amount and paid with payment type TYPE. Percentages that do not add up to 100 are accepted:
// the schedule's first instalment takes the difference, and the command says so.
#include <ostream>

#include "ArticleInput.h"
#include "Cli.h"
#include "odbc/Database.h"
#include "orveldblib/ODBCRecordset.h"
#include "orveldblib/TransactionGuard.h"
#include "orvelmagdb/recordsets/payments/FormulaPagamentoSet.h"
#include "orvelmagdb/recordsets/payments/TipoPagamentoSet.h"
#include "orvelmagdb/recordsets/payments/VoceFormulaPagamentoSet.h"

namespace orvelmag {

namespace {

constexpr const char* kUsage = "formula add ID DESCRIPTION --line DAYS:PERCENT[:eom][:TYPE]...";

struct FormulaLine {
    long days = 0;
    Decimal percent;
    bool endOfMonth = false;
    long type = -1;
};

std::vector<std::string> Split(const std::string& text)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t colon; (colon = text.find(':', start)) != std::string::npos; start = colon + 1)
        parts.push_back(text.substr(start, colon - start));
    parts.push_back(text.substr(start));
    return parts;
}

FormulaLine ParseLine(const std::string& text)
{
    const auto parts = Split(text);
    if (parts.size() < 2 || parts.size() > 4)
        throw UsageError{"--line takes DAYS:PERCENT[:eom][:TYPE], not \"" + Printable(text) + "\""};
    FormulaLine line;
    try {
        line.days = ParseWhole("the days", parts[0], 0, 36500);
        line.percent = ParseAmount("the percentage", parts[1]);
        std::size_t next = 2;
        if (next < parts.size() && parts[next] == "eom") {
            line.endOfMonth = true;
            ++next;
        }
        if (next < parts.size())
            line.type = ParseWhole("the payment type", parts[next++], 1, 2147483647L);
        if (next != parts.size())
            throw UsageError{"--line takes DAYS:PERCENT[:eom][:TYPE], not \"" + Printable(text) + "\""};
    } catch (const InputError& e) {
        throw UsageError{e.message};
    }
    if (line.percent.IsZero() || line.percent > Decimal(100))
        throw UsageError{"the percentage of --line " + Printable(text) + " is not above 0 and at most 100"};
    return line;
}

bool Exists(CRecordset&& rs, long id)
{
    rs.m_strFilter.Format("ID = %ld", id);
    rs.Open();
    const bool found = !rs.IsEOF();
    rs.Close();
    return found;
}

long NextLineId(CDatabase& db)
{
    CODBCRecordset rs(&db);
    rs.Open("SELECT MAX(ID) AS ULTIMO FROM VOCE_FORMULA_PAGAMENTO");
    const long last = !rs.IsEOF() && !rs.Field("ULTIMO")->IsNull() ? rs.Field("ULTIMO")->AsLong() : 0;
    rs.Close();
    return last + 1;
}

// "30 days end of month 50%, 60 days end of month 50% (type 2)"
std::string Terms(const std::vector<FormulaLine>& lines)
{
    std::string terms;
    for (const auto& line : lines) {
        terms += terms.empty() ? "" : ", ";
        terms += std::to_string(line.days) + " days" + (line.endOfMonth ? " end of month " : " ") +
                 FormatPercent(line.percent) + "%";
        if (line.type > 0)
            terms += " (type " + std::to_string(line.type) + ")";
    }
    return terms;
}

int Add(CDatabase& db, const Arguments& args, const std::vector<std::string>& lineTexts, std::ostream& out)
{
    long id = 0;
    try {
        id = ParseWhole("the formula id", args.Positional()[1], 1, 2147483647L);
    } catch (const InputError& e) {
        throw UsageError{e.message};
    }
    const std::string& description = args.Positional()[2];
    CFormulaPagamentoSet columns(nullptr);
    CheckArgument("the description", description, columns, "DESCRIZIONE");
    if (lineTexts.empty())
        throw UsageError{"a formula needs at least one --line DAYS:PERCENT[:eom][:TYPE]"};
    std::vector<FormulaLine> lines;
    Decimal total;
    for (const auto& text : lineTexts) {
        lines.push_back(ParseLine(text));
        total += lines.back().percent;
    }

    CTransactionGuard transaction(db, "FORMULA_PAGAMENTO");
    if (Exists(CFormulaPagamentoSet(&db), id)) {
        out << "formula " << id << " already exists; nothing was added\n";
        return 1;
    }
    for (const auto& line : lines)
        if (line.type > 0 && !Exists(CTipoPagamentoSet(&db), line.type)) {
            out << "no payment type " << line.type << "; nothing was added\n";
            return 1;
        }

    CFormulaPagamentoSet formula(&db);
    formula.m_strFilter = "ID IS NULL";
    formula.Open();
    formula.AddNew();
    formula.ID = id;
    formula.DESCRIZIONE = description.c_str();
    formula.SetFieldNull(&formula.SPESE_INCASSO, FALSE);
    formula.SPESE_INCASSO = "0";
    formula.SetFieldNull(&formula.F_SPESE_INCASSO_TOTALE, FALSE);
    formula.F_SPESE_INCASSO_TOTALE = 0;
    formula.SetFieldNull(&formula.F_RIPORTA_IN_NOTE_DOCUMENTO, FALSE);
    formula.F_RIPORTA_IN_NOTE_DOCUMENTO = 0;
    formula.Update();
    formula.Close();

    CVoceFormulaPagamentoSet voce(&db);
    voce.m_strFilter = "ID IS NULL";
    voce.Open();
    long lineId = NextLineId(db);
    for (const auto& line : lines) {
        voce.AddNew();
        voce.ID = lineId++;
        voce.SetFieldNull(&voce.GIORNI, FALSE);
        voce.GIORNI = line.days;
        voce.PERCENTUALE = ToStoredText(line.percent);
        voce.ID_FORMULA_PAGAMENTO = id;
        voce.SetFieldNull(&voce.F_FINE_MESE, FALSE);
        voce.F_FINE_MESE = line.endOfMonth ? 1 : 0;
        if (line.type > 0)
            voce.ID_TIPO_PAGAMENTO = line.type;
        voce.Update();
    }
    voce.Close();
    transaction.Commit();

    out << "added formula " << id << " \"" << Printable(description) << "\": " << Terms(lines);
    if (total != Decimal(100))
        out << "; the percentages add up to " << FormatPercent(total)
            << "%, the first instalment of a schedule takes the difference";
    out << "\n";
    return 0;
}

}  // namespace

int RunFormula(const std::vector<std::string>& words, std::ostream& out)
{
    std::vector<std::string> rest = words;
    const std::vector<std::string> lines = TakeRepeated(rest, "line");
    Arguments args(rest, {"connect", "file"});
    const auto& positional = args.Positional();
    if (positional.size() != 3 || positional[0] != "add")
        throw UsageError{kUsage};
    const auto database = OpenShopDatabase(args);
    return Add(*database, args, lines, out);
}

}  // namespace orvelmag
