// "orvelmag schedule make|show|pay": the payment schedule of a document. "make DOC --formula F"
// builds the schedule of the document's total (taxable plus VAT) for its customer or supplier,
// dated on the document's date, generates its instalments from the payment formula and prints
// them; with --save it stores the schedule, its instalments and the link to the document in one
// transaction. "show ID" prints a stored schedule; "pay ID N" settles its instalment number N.
#include <ostream>

#include "ArticleInput.h"
#include "Cli.h"
#include "odbc/Database.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/domain/payments/DomainScadenzario.h"
#include "orvelmagdb/recordsets/documents/RicercaDocumentoSet.h"

namespace orvelmag {

namespace {

constexpr const char* kUsage = "schedule make DOC --formula F [--save] | schedule show ID | schedule pay ID N [--date dd/mm/yyyy]";

std::string Money(const Decimal& value)
{
    return FormatFixed(value, CApplicationAdministrator::GetInstance()->GetConfig()->GetParamAsInt("precisione/totali"));
}

std::string DateText(const COleDateTime& date)
{
    return date.GetStatus() == COleDateTime::valid ? date.Format("%d/%m/%Y").GetString() : "-";
}

long Whole(const std::string& what, const std::string& text)
{
    try {
        return ParseWhole(what, text, 1, 2147483647L);
    } catch (const InputError& e) {
        throw UsageError{e.message};
    }
}

// "  2  31/03/2025      610.00  Bonifico  paid 20/03/2025"
void PrintInstalments(const CDomainScadenzario& schedule, std::ostream& out)
{
    const CDomainListaScadenze& list = schedule.SCADENZE_Get();
    for (INT_PTR i = 0; i < list.GetSize(); ++i) {
        const CDomainScadenza& s = list.GetAt(i);
        const long number = s.Get_NUMERO() == CDomainScadenza::NUMERO_NON_ASSEGNATO ? static_cast<long>(i) + 1
                                                                                   : s.Get_NUMERO();
        std::string amount = Money(s.Get_IMPORTO());
        out << "  " << number << "  " << DateText(s.Get_DATA_SCADENZA()) << "  "
            << std::string(amount.size() < 10 ? 10 - amount.size() : 0, ' ') << amount;
        if (s.Get_ID_TIPO_PAGAMENTO() > 0)
            out << "  " << Printable(s.Get_DESCRIZIONE_TIPO_PAGAMENTO().GetString());
        if (s.Get_F_EVASA() != 0)
            out << "  paid " << DateText(s.Get_DATA_PAGAMENTO());
        out << "\n";
    }
}

std::string Direction(long fAttivo)
{
    return fAttivo == 1 ? "receivable" : fAttivo == -1 ? "payable" : "no direction";
}

int Make(CDatabase& db, const Arguments& args, bool save, std::ostream& out)
{
    const long idDocument = Whole("the document id", args.Positional()[1]);
    const auto formulaText = args.Option("formula");
    if (!formulaText)
        throw UsageError{"schedule make needs --formula F"};
    const long idFormula = Whole("the formula id", *formulaText);

    CRicercaDocumentoSet doc(&db);
    doc.m_strFilter.Format("ID_DOCUMENTO = %ld", idDocument);
    doc.Open();
    if (doc.IsEOF()) {
        out << "no document " << idDocument << "\n";
        return 1;
    }

    CDomainScadenzario schedule(&db);
    schedule.SetTransController(true);
    const Decimal total(doc.TOTALE, 127), vat(doc.TOTALE_IVA, 127);
    // The schedule stands for what the document asks to be paid: its taxable part is the total
    // without VAT, so that the expenses and discounts of the document are in it too.
    schedule.Set_IMPORTO_IMPONIBILE(total - vat);
    schedule.Set_IMPORTO_IVA(vat);
    COleDateTime date;
    CDomainClass::From_TIMESTAMP_STRUCT_To_COleDateTime(doc.DATA_DOCUMENTO, date);
    schedule.Set_DATA_MOVIMENTO(date);
    CString series = doc.SERIE;
    series.Trim();
    CString number;
    number.Format("%s %ld%s%s del %s", doc.TIPO_DOCUMENTO.GetString(), doc.NUMERO, series.IsEmpty() ? "" : "/",
                  series.GetString(), DateText(date).c_str());
    schedule.Set_DESCRIZIONE(number);
    schedule.Set_ID_SOGGETTO(doc.CLI_FAT_ID > 0 ? doc.CLI_FAT_ID : doc.FORN_ID);
    doc.Close();
    if (schedule.IsValid_ID_SOGGETTO())
        Found(db, [&] { return schedule.DB_Load_SOGGETTO(false, true); });
    schedule.Set_ID_FORMULA_PAGAMENTO(idFormula);
    if (!Found(db, [&] { return schedule.GeneraScadenze(idFormula, 0, 6, false); }))
        return 1;  // no such formula: the library has said so
    schedule.DOCUMENTI_Add(idDocument, 1);

    out << "schedule of document " << idDocument << " (" << Printable(number.GetString()) << ")";
    if (schedule.IsValid_ID_SOGGETTO())
        out << ", " << Printable(schedule.Get_SOGGETTO().GetString()) << " (" << schedule.Get_ID_SOGGETTO() << ")";
    out << ", " << Direction(schedule.Get_F_ATTIVO()) << ": " << Money(schedule.Get_IMPORTO_TOTALE()) << " in "
        << schedule.SCADENZE_GetSize() << (schedule.SCADENZE_GetSize() == 1 ? " instalment\n" : " instalments\n");
    PrintInstalments(schedule, out);
    if (save) {
        if (!Found(db, [&] { return schedule.DB_AddNew(); }))
            throw DatabaseError{};
        out << "saved schedule " << schedule.Get_ID() << "\n";
    }
    return 0;
}

bool LoadSchedule(CDatabase& db, CDomainScadenzario& schedule, long id, std::ostream& out)
{
    schedule.Set_ID(id);
    if (Found(db, [&] { return schedule.DB_Load(); }))
        return true;
    out << "no schedule " << id << "\n";
    return false;
}

int Show(CDatabase& db, long id, std::ostream& out)
{
    CDomainScadenzario schedule(&db);
    if (!LoadSchedule(db, schedule, id, out))
        return 1;
    out << "schedule " << id << " \"" << Printable(schedule.Get_DESCRIZIONE().GetString()) << "\" of "
        << DateText(schedule.Get_DATA_MOVIMENTO()) << ", " << Direction(schedule.Get_F_ATTIVO());
    if (schedule.IsValid_ID_SOGGETTO())
        out << ", " << Printable(schedule.Get_SOGGETTO().GetString()) << " (" << schedule.Get_ID_SOGGETTO() << ")";
    out << ": total " << Money(schedule.Get_IMPORTO_TOTALE()) << " (taxable " << Money(schedule.Get_IMPORTO_IMPONIBILE())
        << ", VAT " << Money(schedule.Get_IMPORTO_IVA()) << ")";
    if (schedule.IsValid_ID_FORMULA_PAGAMENTO())
        out << ", formula " << schedule.Get_ID_FORMULA_PAGAMENTO() << " \""
            << Printable(schedule.Get_DESCRIZIONE_FORMULA_PAGAMENTO().GetString()) << "\"";
    out << "\n";
    PrintInstalments(schedule, out);
    if (!schedule.Get_IMPORTO_RESIDUO().IsZero())
        out << "not in any instalment: " << Money(schedule.Get_IMPORTO_RESIDUO()) << "\n";
    for (int i = 0; i < schedule.DOCUMENTI_GetSize(); ++i) {
        const CDomainDocumentoScadenzarioAssociato d = schedule.DOCUMENTI_GetAt(i);
        CString date;
        d.Get_DATA_DOCUMENTO(date);
        out << "  document " << d.Get_ID() << " " << Printable(d.Get_TIPO_DOCUMENTO().GetString()) << " "
            << d.Get_NUMERO() << " of " << date.GetString() << ", total " << Money(d.Get_TOTALE()) << "\n";
    }
    return 0;
}

int Pay(CDatabase& db, const Arguments& args, std::ostream& out)
{
    const long id = Whole("the schedule id", args.Positional()[1]);
    const long number = Whole("the instalment number", args.Positional()[2]);
    COleDateTime paid = COleDateTime::GetCurrentTime();
    paid = COleDateTime(paid.GetYear(), paid.GetMonth(), paid.GetDay(), 0, 0, 0);
    if (auto text = args.Option("date"))
        if (!CDomainClass::From_StringDate_To_COleDateTime(CString(text->c_str()), paid))
            throw UsageError{"--date takes dd/mm/yyyy, not \"" + Printable(*text) + "\""};

    CDomainScadenzario schedule(&db);
    if (!LoadSchedule(db, schedule, id, out))
        return 1;
    const CDomainListaScadenze& list = schedule.SCADENZE_Get();
    for (INT_PTR i = 0; i < list.GetSize(); ++i) {
        CDomainScadenza instalment = list.GetAt(i);
        if (instalment.Get_NUMERO() != number)
            continue;
        if (instalment.Get_F_EVASA() != 0) {
            out << "instalment " << number << " of schedule " << id << " was already paid on "
                << DateText(instalment.Get_DATA_PAGAMENTO()) << "\n";
            return 1;
        }
        instalment.Set_F_EVASA(1);
        instalment.Set_DATA_PAGAMENTO(paid);
        instalment.SetTransController(true);
        if (!Found(db, [&] { return instalment.DB_Edit(); }))
            throw DatabaseError{};
        out << "paid instalment " << number << " of schedule " << id << ": " << Money(instalment.Get_IMPORTO())
            << " due " << DateText(instalment.Get_DATA_SCADENZA()) << ", paid " << DateText(paid) << "\n";
        return 0;
    }
    out << "schedule " << id << " has no instalment " << number << "\n";
    return 1;
}

}  // namespace

int RunSchedule(const std::vector<std::string>& words, std::ostream& out)
{
    std::vector<std::string> rest = words;
    bool save = false;
    for (auto it = rest.begin(); it != rest.end();)
        if (*it == "--save") {
            save = true;
            it = rest.erase(it);
        } else {
            ++it;
        }
    Arguments args(rest, {"connect", "file", "formula", "date"});
    const auto& positional = args.Positional();
    const std::string verb = positional.empty() ? "" : positional[0];
    const bool fits = (verb == "make" && positional.size() == 2) || (verb == "show" && positional.size() == 2) ||
                      (verb == "pay" && positional.size() == 3);
    if (!fits)
        throw UsageError{kUsage};
    if (verb != "make" && (save || args.Option("formula")))
        throw UsageError{"--formula and --save are for schedule make"};
    if (verb != "pay" && args.Option("date"))
        throw UsageError{"--date is for schedule pay"};
    const auto database = OpenShopDatabase(args);
    CDatabase& db = *database;
    if (verb == "make")
        return Make(db, args, save, out);
    if (verb == "show")
        return Show(db, Whole("the schedule id", positional[1]), out);
    return Pay(db, args, out);
}

}  // namespace orvelmag
