// EInvoiceSettings: the seller, the buyers, the VAT natures and the file progressive, read with
// one query each and written in one transaction each.
#include "einvoice/EInvoiceSettings.h"

#include <cctype>

#include "einvoice/EInvoiceError.h"
#include "einvoice/EInvoiceRowSet.h"
#include "einvoice/FiscalCodes.h"
#include "odbc/Database.h"
#include "orveldblib/DomainClass.h"
#include "orveldblib/TransactionGuard.h"

namespace einvoice {

namespace {

// A text as an SQL literal: quoted, its quotes doubled; NULL when empty.
CString Literal(const std::string& text)
{
    if (text.empty())
        return "NULL";
    return "'" + CDomainClass::SetFilterParam(CString(text.c_str())) + "'";
}

std::vector<CEInvoiceRowSet::Row> Rows(CDatabase& db, const char* format, long id)
{
    CString sql;
    sql.Format(format, id);
    return CEInvoiceRowSet::Rows(db, sql);
}

void Exec(CDatabase& db, const CString& sql)
{
    db.ExecuteSQL(sql);
}

bool AllOf(const std::string& text, int (*test)(int))
{
    for (char c : text)
        if (!test(static_cast<unsigned char>(c)))
            return false;
    return true;
}

void CheckAddress(const Party& party, const std::string& who)
{
    if (party.address.empty())
        throw EInvoiceError(who + " has no address");
    if (party.city.empty())
        throw EInvoiceError(who + " has no city in the address");
    if (party.country.size() != 2 || !AllOf(party.country, isupper))
        throw EInvoiceError(who + "'s country \"" + party.country + "\" is not two capital letters");
    if (party.country == "IT" && (party.postcode.size() != 5 || !AllOf(party.postcode, isdigit)))
        throw EInvoiceError(who + "'s postcode \"" + party.postcode + "\" is not five digits");
    if (!party.province.empty() && (party.province.size() != 2 || !AllOf(party.province, isupper)))
        throw EInvoiceError(who + "'s province \"" + party.province + "\" is not two capital letters");
}

// The main site of a company or partner: its id, or 0 when it has none.
long MainSite(CDatabase& db, const char* table, const char* owner, long id)
{
    CString sql;
    sql.Format("SELECT ID AS C1, NULL AS C2, NULL AS C3, NULL AS C4, NULL AS C5, NULL AS C6, NULL AS C7, "
               "NULL AS C8 FROM %s WHERE %s = %ld ORDER BY F_PRIMARIA DESC, ID",
               table, owner, id);
    const auto rows = CEInvoiceRowSet::Rows(db, sql);
    return rows.empty() ? 0 : std::stol(rows.front()[0]);
}

void SaveSite(CDatabase& db, const char* table, const char* owner, long id, const Party& party, bool withCountry)
{
    CString sql;
    long site = MainSite(db, table, owner, id);
    if (site == 0) {
        const auto rows = CEInvoiceRowSet::Rows(
            db, CString("SELECT CAST(COALESCE(MAX(ID), 0) + 1 AS TEXT) AS C1, NULL AS C2, NULL AS C3, NULL AS C4, "
                        "NULL AS C5, NULL AS C6, NULL AS C7, NULL AS C8 FROM ") + table);
        site = std::stol(rows.front()[0]);
        sql.Format("INSERT INTO %s (ID, %s, F_PRIMARIA) VALUES (%ld, %ld, 1)", table, owner, site, id);
        Exec(db, sql);
    }
    sql.Format("UPDATE %s SET VIA = %s, CAP = %s, NOMEZONAPOSTALE = %s, SIGLAPROVINCIA = %s WHERE ID = %ld", table,
               Literal(party.address).GetString(), Literal(party.postcode).GetString(),
               Literal(party.city).GetString(), Literal(party.province).GetString(), site);
    Exec(db, sql);
    if (withCountry) {
        sql.Format("UPDATE %s SET NAZIONE = %s WHERE ID = %ld", table, Literal(party.country).GetString(), site);
        Exec(db, sql);
    }
}

}  // namespace

bool EInvoiceSettings::LoadCompany(CDatabase& db, long id, Party& company)
{
    const auto rows = Rows(db,
                           "SELECT S.RAGIONE_SOCIALE AS C1, S.PARTITA_IVA AS C2, S.CODICE_FISCALE AS C3, "
                           "F.REGIME_FISCALE AS C4, S.NOME AS C5, NULL AS C6, NULL AS C7, NULL AS C8 "
                           "FROM SOCIETA S LEFT JOIN FATTURA_ELETTRONICA F ON F.ID_SOCIETA = S.ID WHERE S.ID = %ld",
                           id);
    if (rows.empty())
        return false;
    const auto& r = rows.front();
    company = Party{};
    company.id = id;
    company.name = r[0].empty() ? r[4] : r[0];
    company.vatNumber = r[1];
    company.taxCode = r[2];
    company.regime = r[3].empty() ? "RF01" : r[3];
    const auto sites = Rows(db,
                            "SELECT VIA AS C1, CAP AS C2, NOMEZONAPOSTALE AS C3, SIGLAPROVINCIA AS C4, NULL AS C5, "
                            "NULL AS C6, NULL AS C7, NULL AS C8 FROM SEDE_SOCIETA WHERE ID_SOCIETA = %ld "
                            "ORDER BY F_PRIMARIA DESC, ID",
                            id);
    if (!sites.empty()) {
        company.address = sites.front()[0];
        company.postcode = sites.front()[1];
        company.city = sites.front()[2];
        company.province = sites.front()[3];
    }
    return true;
}

void EInvoiceSettings::SaveCompany(CDatabase& db, const Party& company)
{
    CheckParty(company, "the seller", true);
    if (company.regime.size() != 4 || company.regime.compare(0, 2, "RF") != 0)
        throw EInvoiceError("the tax regime \"" + company.regime + "\" is not a code RF01 ... RF19");
    CTransactionGuard transaction(db);
    CString sql;
    if (Rows(db, "SELECT ID AS C1, NULL AS C2, NULL AS C3, NULL AS C4, NULL AS C5, NULL AS C6, NULL AS C7, "
                 "NULL AS C8 FROM SOCIETA WHERE ID = %ld",
             company.id)
            .empty()) {
        sql.Format("INSERT INTO SOCIETA (ID, NOME) VALUES (%ld, %s)", company.id, Literal(company.name).GetString());
        Exec(db, sql);
    }
    sql.Format("UPDATE SOCIETA SET RAGIONE_SOCIALE = %s, PARTITA_IVA = %s, CODICE_FISCALE = %s WHERE ID = %ld",
               Literal(company.name).GetString(), Literal(company.vatNumber).GetString(),
               Literal(company.taxCode).GetString(), company.id);
    Exec(db, sql);
    SaveSite(db, "SEDE_SOCIETA", "ID_SOCIETA", company.id, company, false);
    sql.Format("UPDATE FATTURA_ELETTRONICA SET REGIME_FISCALE = %s WHERE ID_SOCIETA = %ld",
               Literal(company.regime).GetString(), company.id);
    Exec(db, sql);
    sql.Format("INSERT INTO FATTURA_ELETTRONICA (ID_SOCIETA, REGIME_FISCALE, PROGRESSIVO) SELECT %ld, %s, 0 "
               "WHERE NOT EXISTS (SELECT 1 FROM FATTURA_ELETTRONICA WHERE ID_SOCIETA = %ld)",
               company.id, Literal(company.regime).GetString(), company.id);
    Exec(db, sql);
    transaction.Commit();
}

bool EInvoiceSettings::LoadPartner(CDatabase& db, long id, Party& partner)
{
    const auto rows = Rows(db,
                           "SELECT A.RAGIONESOCIALE AS C1, A.PARTITAIVA AS C2, A.CODICEFISCALE AS C3, "
                           "D.CODICE_DESTINATARIO AS C4, D.PEC AS C5, NULL AS C6, NULL AS C7, NULL AS C8 "
                           "FROM AZIENDA A LEFT JOIN DESTINATARIO_FATTURA D ON D.ID_AZIENDA = A.ID WHERE A.ID = %ld",
                           id);
    if (rows.empty())
        return false;
    const auto& r = rows.front();
    partner = Party{};
    partner.id = id;
    partner.name = r[0];
    partner.vatNumber = r[1];
    partner.taxCode = r[2];
    partner.recipientCode = r[3].empty() ? "0000000" : r[3];
    partner.pec = r[4];
    const auto sites = Rows(db,
                            "SELECT VIA AS C1, CAP AS C2, NOMEZONAPOSTALE AS C3, SIGLAPROVINCIA AS C4, NAZIONE AS C5, "
                            "NULL AS C6, NULL AS C7, NULL AS C8 FROM SEDE_AZIENDA WHERE IDAZIENDA = %ld "
                            "ORDER BY F_PRIMARIA DESC, ID",
                            id);
    if (!sites.empty()) {
        const auto& s = sites.front();
        partner.address = s[0];
        partner.postcode = s[1];
        partner.city = s[2];
        partner.province = s[3];
        if (!s[4].empty())
            partner.country = s[4];
    }
    return true;
}

void EInvoiceSettings::SavePartner(CDatabase& db, const Party& partner)
{
    const std::string who = "the customer " + std::to_string(partner.id);
    CheckParty(partner, who, false);
    const std::string& code = partner.recipientCode;
    if ((code.size() != 6 && code.size() != 7) || !AllOf(code, isalnum))
        throw EInvoiceError(who + "'s recipient code \"" + code + "\" is not six or seven letters and digits");
    Party stored;
    if (!LoadPartner(db, partner.id, stored))
        throw EInvoiceError("partner " + std::to_string(partner.id) + " not found");
    CTransactionGuard transaction(db);
    CString sql;
    sql.Format("UPDATE AZIENDA SET PARTITAIVA = %s, CODICEFISCALE = %s WHERE ID = %ld",
               Literal(partner.vatNumber).GetString(), Literal(partner.taxCode).GetString(), partner.id);
    Exec(db, sql);
    SaveSite(db, "SEDE_AZIENDA", "IDAZIENDA", partner.id, partner, true);
    sql.Format("DELETE FROM DESTINATARIO_FATTURA WHERE ID_AZIENDA = %ld", partner.id);
    Exec(db, sql);
    sql.Format("INSERT INTO DESTINATARIO_FATTURA (ID_AZIENDA, CODICE_DESTINATARIO, PEC) VALUES (%ld, %s, %s)",
               partner.id, Literal(code).GetString(), Literal(partner.pec).GetString());
    Exec(db, sql);
    transaction.Commit();
}

std::string EInvoiceSettings::Nature(CDatabase& db, const std::string& vatCode)
{
    CString sql;
    sql.Format("SELECT NATURA AS C1, NULL AS C2, NULL AS C3, NULL AS C4, NULL AS C5, NULL AS C6, NULL AS C7, "
               "NULL AS C8 FROM NATURA_IVA WHERE ID_IVA = %s",
               Literal(vatCode).GetString());
    const auto rows = CEInvoiceRowSet::Rows(db, sql);
    return rows.empty() ? std::string() : rows.front()[0];
}

bool EInvoiceSettings::IsNature(const std::string& nature)
{
    static const char* const natures[] = {"N1",   "N2.1", "N2.2", "N3.1", "N3.2", "N3.3", "N3.4", "N3.5", "N3.6",
                                          "N4",   "N5",   "N6.1", "N6.2", "N6.3", "N6.4", "N6.5", "N6.6", "N6.7",
                                          "N6.8", "N6.9", "N7"};
    for (const char* n : natures)
        if (nature == n)
            return true;
    return false;
}

void EInvoiceSettings::SetNature(CDatabase& db, const std::string& vatCode, const std::string& nature)
{
    if (!IsNature(nature))
        throw EInvoiceError("\"" + nature + "\" is not a VAT nature (N1, N2.1, N2.2, N3.1 ... N3.6, N4, N5, "
                            "N6.1 ... N6.9, N7)");
    CString sql;
    sql.Format("SELECT CODICE AS C1, NULL AS C2, NULL AS C3, NULL AS C4, NULL AS C5, NULL AS C6, NULL AS C7, "
               "NULL AS C8 FROM IVA WHERE CODICE = %s",
               Literal(vatCode).GetString());
    if (vatCode.empty() || CEInvoiceRowSet::Rows(db, sql).empty())
        throw EInvoiceError("VAT code " + vatCode + " not found");
    CTransactionGuard transaction(db);
    sql.Format("DELETE FROM NATURA_IVA WHERE ID_IVA = %s", Literal(vatCode).GetString());
    Exec(db, sql);
    sql.Format("INSERT INTO NATURA_IVA (ID_IVA, NATURA) VALUES (%s, %s)", Literal(vatCode).GetString(),
               Literal(nature).GetString());
    Exec(db, sql);
    transaction.Commit();
}

std::string EInvoiceSettings::NextProgressive(CDatabase& db, long companyId)
{
    CTransactionGuard transaction(db);
    CString sql;
    sql.Format("INSERT INTO FATTURA_ELETTRONICA (ID_SOCIETA, PROGRESSIVO) SELECT %ld, 0 "
               "WHERE NOT EXISTS (SELECT 1 FROM FATTURA_ELETTRONICA WHERE ID_SOCIETA = %ld)",
               companyId, companyId);
    Exec(db, sql);
    // Advanced before it is read, so that two exports at once never read the same number.
    sql.Format("UPDATE FATTURA_ELETTRONICA SET PROGRESSIVO = COALESCE(PROGRESSIVO, 0) + 1 WHERE ID_SOCIETA = %ld",
               companyId);
    Exec(db, sql);
    const auto rows = Rows(db,
                           "SELECT PROGRESSIVO AS C1, NULL AS C2, NULL AS C3, NULL AS C4, NULL AS C5, NULL AS C6, "
                           "NULL AS C7, NULL AS C8 FROM FATTURA_ELETTRONICA WHERE ID_SOCIETA = %ld",
                           companyId);
    transaction.Commit();
    long n = std::stol(rows.front()[0]);
    if (n >= 36L * 36 * 36 * 36 * 36)
        throw EInvoiceError("the progressive of the exported files of company " + std::to_string(companyId) +
                            " has used all five characters");
    std::string text(5, '0');
    for (int i = 4; i >= 0 && n > 0; --i, n /= 36)
        text[i] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"[n % 36];
    return text;
}

void EInvoiceSettings::CheckParty(const Party& party, const std::string& who, bool seller)
{
    if (party.name.empty())
        throw EInvoiceError(who + " has no name");
    const bool italian = party.country == "IT";
    if (seller && party.vatNumber.empty())
        throw EInvoiceError(who + " has no VAT number");
    if (party.vatNumber.empty() && party.taxCode.empty())
        throw EInvoiceError(who + " has neither a VAT number nor a tax code");
    if (!party.vatNumber.empty() && italian) {
        const std::string problem = FiscalCodes::VatNumberProblem(party.vatNumber);
        if (!problem.empty())
            throw EInvoiceError(who + "'s VAT number " + party.vatNumber + " " + problem);
    }
    if (!party.taxCode.empty() && italian) {
        const std::string problem = FiscalCodes::TaxCodeProblem(party.taxCode);
        if (!problem.empty())
            throw EInvoiceError(who + "'s tax code " + party.taxCode + " " + problem);
    }
    CheckAddress(party, who);
}

}  // namespace einvoice
