// EInvoiceSettings: what the electronic invoice needs beyond the documents, kept in the shop
// database: the seller (the company's name and codes in SOCIETA, its main site's address in
// SEDE_SOCIETA, its tax regime in FATTURA_ELETTRONICA), each buyer's codes, address and recipient
// code (AZIENDA, its main site in SEDE_AZIENDA, DESTINATARIO_FATTURA), the nature of each zero-rate
// VAT code (NATURA_IVA) and the progressive that names each exported file.
//
// The setters check what they are given (check digits, nature codes, a five-digit postcode, a
// two-letter country) and throw EInvoiceError naming the field; each writes in one transaction.
// Database errors pass as CDBException.
#pragma once

#include <string>

class CDatabase;

namespace einvoice {

struct Party {
    long id = 0;
    std::string name, vatNumber, taxCode;
    std::string address, postcode, city, province, country = "IT";
    std::string regime;         // the seller's tax regime (RF01 ordinary when not set)
    std::string recipientCode;  // the buyer's code at the exchange system ("0000000" when none)
    std::string pec;            // the buyer's certified mail, when it has no code
};

class EInvoiceSettings {
public:
    // The company with its main site and regime; false when there is no company of that id.
    static bool LoadCompany(CDatabase& db, long id, Party& company);
    // Creates or updates the company, its main site and its regime. Empty texts are stored empty.
    static void SaveCompany(CDatabase& db, const Party& company);

    // The partner's codes, main site and recipient code; false when there is no such partner.
    static bool LoadPartner(CDatabase& db, long id, Party& partner);
    // Updates the partner's codes, main site and recipient code; the partner must exist.
    static void SavePartner(CDatabase& db, const Party& partner);

    // The nature of a VAT code, empty when none is set.
    static std::string Nature(CDatabase& db, const std::string& vatCode);
    // Sets the nature of an existing VAT code (N1, N2.1, N4 ...).
    static void SetNature(CDatabase& db, const std::string& vatCode, const std::string& nature);
    // True for a nature code the exchange system accepts today (the bare N2, N3 and N6 it no
    // longer does: they need their sub-code).
    static bool IsNature(const std::string& nature);

    // Advances the company's progressive and answers it as five characters, digits and capital
    // letters (base 36: "00001" ... "0000Z", "00010" ...).
    static std::string NextProgressive(CDatabase& db, long companyId);

    // The problems of a party's data that the exchange system would refuse, the first one thrown
    // as EInvoiceError ("the seller's VAT number ... has a wrong check digit"). `who` names the
    // party ("the seller", "the customer 101").
    static void CheckParty(const Party& party, const std::string& who, bool seller);
};

}  // namespace einvoice
