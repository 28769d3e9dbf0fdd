// "orvelmag vat list|show CODE|add CODE RATE DESCRIPTION|delete CODE": the VAT codes of the shop,
// through the library's VAT object and recordset.
#include <iomanip>
#include <ostream>

#include "ArticleInput.h"
#include "Cli.h"
#include "odbc/Database.h"
#include "orveldblib/TransactionGuard.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/domain/masterdata/DomainIva.h"
#include "orvelmagdb/recordsets/masterdata/IvaSet.h"

namespace orvelmag {

namespace {

void PrintVat(const CDomainIva& vat, std::ostream& out)
{
    out << std::left << std::setw(8) << vat.Get_CODICE().GetString() << std::right << std::setw(8)
        << vat.Get_ALIQUOTA().ToString2(127, false).GetString() << "%  " << std::left << std::setw(30)
        << vat.Get_DESCRIZIONE().GetString();
    if (vat.Get_CODICE_CASSA() >= 0)
        out << "  till rate " << vat.Get_CODICE_CASSA();
    out << "\n";
}

int List(CDatabase& db, std::ostream& out)
{
    CIvaSet rs(&db);
    rs.m_strSort = "CODICE";
    rs.Open();
    int n = 0;
    for (; !rs.IsEOF(); rs.MoveNext(), ++n) {
        CDomainIva vat(&db);
        vat.FromRecordset(rs);
        PrintVat(vat, out);
    }
    rs.Close();
    out << n << (n == 1 ? " VAT code\n" : " VAT codes\n");
    return 0;
}

int Show(CDatabase& db, const std::string& code, std::ostream& out)
{
    CDomainIva vat(&db);
    vat.Set_CODICE(code.c_str());
    if (!vat.DB_Load()) {
        out << "VAT code " << Printable(code) << " not found\n";
        return 1;
    }
    out << "code:        " << vat.Get_CODICE().GetString() << "\n"
        << "description: " << vat.Get_DESCRIZIONE().GetString() << "\n"
        << "rate:        " << vat.Get_ALIQUOTA().ToString2(127, false).GetString() << "%\n"
        << "till rate:   " << (vat.Get_CODICE_CASSA() >= 0 ? std::to_string(vat.Get_CODICE_CASSA()) : "none")
        << "\n"
        << "notes:       " << vat.Get_NOTE().GetString() << "\n"
        << "shown as:    " << vat.GetDescrizioneCompleta().GetString() << "\n";
    return 0;
}

int Add(CDatabase& db, const Arguments& args, std::ostream& out)
{
    const auto& words = args.Positional();
    if (words.size() != 4)
        throw UsageError{"vat add CODE RATE DESCRIPTION [--till N] [--note TEXT]"};
    CIvaSet columns(nullptr);
    if (words[1].empty())
        throw UsageError{"the VAT code is empty"};
    CheckArgument("the VAT code", words[1], columns, "CODICE");
    CheckArgument("the description", words[3], columns, "DESCRIZIONE");
    CheckArgument("the note", args.Option("note").value_or(""), columns, "NOTE");
    CDomainIva vat(&db);
    try {
        vat.Set_ALIQUOTA(ParseAmount("rate", words[2]));
        if (auto till = args.Option("till"))
            vat.Set_CODICE_CASSA(ParseWhole("till rate", *till, 0, 999));
    } catch (const InputError& e) {
        throw UsageError{e.message};
    }
    vat.Set_CODICE(words[1].c_str());
    vat.Set_DESCRIZIONE(words[3].c_str());
    if (auto note = args.Option("note"))
        vat.Set_NOTE(note->c_str());
    CTransactionGuard transaction(db);
    if (!vat.DB_AddNew()) {
        StopIfFailed(db);
        return 1;
    }
    transaction.Commit();
    out << "added ";
    PrintVat(vat, out);
    return 0;
}

int Delete(CDatabase& db, const std::string& code, std::ostream& out)
{
    CTransactionGuard transaction(db);
    CDomainIva vat(&db);
    vat.Set_CODICE(code.c_str());
    if (!vat.DB_Load()) {
        out << "VAT code " << Printable(code) << " not found\n";
        return 1;
    }
    if (!vat.DB_Delete()) {
        StopIfFailed(db);
        return 1;
    }
    transaction.Commit();
    out << "deleted VAT code " << code << "\n";
    return 0;
}

}  // namespace

int RunVat(const std::vector<std::string>& words, std::ostream& out)
{
    Arguments args(words, {"connect", "file", "till", "note"});
    const auto& positional = args.Positional();
    if (positional.empty())
        throw UsageError{"vat list | show CODE | add CODE RATE DESCRIPTION | delete CODE | nature CODE N"};
    if (positional[0] == "nature")
        return RunVatNature(words, out);
    const auto database = OpenShopDatabase(args);
    CDatabase& db = *database;
    const std::string& verb = positional[0];
    if (verb == "list" && positional.size() == 1)
        return List(db, out);
    if (verb == "show" && positional.size() == 2)
        return Show(db, positional[1], out);
    if (verb == "add")
        return Add(db, args, out);
    if (verb == "delete" && positional.size() == 2)
        return Delete(db, positional[1], out);
    throw UsageError{"vat list | show CODE | add CODE RATE DESCRIPTION | delete CODE | nature CODE N"};
}

}  // namespace orvelmag
