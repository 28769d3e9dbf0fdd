// orvelmag: the command-line host of OrvelMagDb. It creates and fills a shop database and shows
// what the library computes, so that the library can be tried without writing a program.
#include <exception>
#include <functional>
#include <iostream>
#include <map>

#include "Cli.h"
#include "afx/Exception.h"
#include "odbc/DBException.h"
#include "orvelmagdb/module/Library.h"

namespace {

struct Command {
    std::function<int(const std::vector<std::string>&, std::ostream&)> run;
    const char* usage;
};

const std::map<std::string, Command>& Commands()
{
    static const std::map<std::string, Command> commands = {
        {"article", {orvelmag::RunArticle,
                     "article add CODE DESCRIPTION [--ean E] [--vat V] [--category C] [--unit U]\n"
                     "          [--list-price P | --cost C] [--discounts s1,s2,s3,s4]\n"
                     "          [--markup R | --price X | --price-vat Y]\n"
                     "          [--alt CODE:TYPE]... [--supplier ID:CODE:DESCRIPTION]...\n"
                     "                                  add an article (type 0: another article code,\n"
                     "                                  other types: a barcode)\n"
                     "  orvelmag article show CODE\n"
                     "                                  show an article with its price chain\n"
                     "  orvelmag article find KEY [--partner ID]\n"
                     "                                  find by code, alternative code, EAN or barcode,\n"
                     "                                  with the discount band for the partner\n"
                     "  orvelmag article price KEY [--list-price P | --cost C] [--discounts ...]\n"
                     "          [--markup R | --price X | --price-vat Y | --margin G] [--save]\n"
                     "                                  run the price chain, step by step\n"
                     "  orvelmag article import FILE.csv [--batch N]\n"
                     "                                  load articles from a CSV file"}},
        {"band", {orvelmag::RunBand,
                  "band add ID DESCRIPTION [--discounts s1,s2,s3,s4] [--commission P] | show ID | list\n"
                  "                                  discount bands"}},
        {"bill", {orvelmag::RunBill,
                  "bill new --instalments ID|SCHEDULE/N,... [--amount A] [--date dd/mm/yyyy]\n"
                  "          [--type T] [--account ID] [--note TEXT]\n"
                  "                                  gather instalments of one partner into a bill\n"
                  "  orvelmag bill show ID           a bill with its instalments by due date"}},
        {"category", {orvelmag::RunCategory,
                      "category add ID DESCRIPTION [--band B] | list\n"
                      "                                  article categories and their default band"}},
        {"company", {orvelmag::RunCompany,
                     "company set [--id N] [--name X] [--vat-number V] [--tax-code C] [--address A]\n"
                     "          [--postcode Z] [--city C] [--province P] [--regime RFnn] | show [--id N]\n"
                     "                                  the seller's data for electronic invoices\n"
                     "  orvelmag company customer ID [--vat-number V] [--tax-code C] [--address A] [--postcode Z]\n"
                     "          [--city C] [--province P] [--country CC] [--recipient CODE] [--pec MAIL]\n"
                     "                                  a buyer's codes, address and exchange-system code"}},
        {"config", {orvelmag::RunConfig, "config [--file F]               print the effective configuration"}},
        {"doc", {orvelmag::RunDoc,
                 "doc new --reason N [--customer ID | --supplier ID] [--series S]\n"
                 "          --line CODE:QTY[:PRICE[:DISC1+DISC2...]]... [--gift CODE:QTY]...\n"
                 "          [--extra-discount P] [--transport AMOUNT] [--kind warehouse|fashion|restaurant]\n"
                 "          [--from DOC [--ship KEY:QTY]...]...\n"
                 "                                  make, number and save a document, from scanned\n"
                 "                                  articles or from stored documents (open orders)\n"
                 "  orvelmag doc show ID | list [--from dd/mm/yyyy] [--to dd/mm/yyyy] | delete ID\n"
                 "                                  documents with their lines, totals and VAT\n"
                 "  orvelmag doc export ID [--out DIR] [--schema FILE]\n"
                 "                                  write an invoice as a FatturaPA file, print its name"}},
        {"garment", {orvelmag::RunGarment,
                     "garment add MODEL DESCRIPTION --scale S --garment SIZE:COLOUR:EAN... [--ean E]\n"
                     "          [--vat V] [--category C] [--unit U] [price options of article add]\n"
                     "                                  add a fashion model with one garment per size\n"
                     "                                  and colour, each with its barcode\n"
                     "  orvelmag garment find BARCODE | find MODEL [--size S --colour C]\n"
                     "                                  a garment by its barcode, with its price; a\n"
                     "                                  model's garments, or one by size and colour"}},
        {"formula", {orvelmag::RunFormula,
                     "formula add ID DESCRIPTION --line DAYS:PERCENT[:eom][:TYPE]...\n"
                     "                                  a payment formula: instalments DAYS after the date\n"
                     "                                  (end of that month with eom), PERCENT of the total"}},
        {"init", {orvelmag::RunInit, "init [--connect S]              create the shop database"}},
        {"lot", {orvelmag::RunLot,
                 "lot new ARTICLE [--qty Q] [--date dd/mm/yyyy] [--expiry dd/mm/yyyy]\n"
                 "          [--supplier-lot CODE]\n"
                 "                                  number a lot of an article in the year of its date\n"
                 "  orvelmag lot show YEAR/NUMBER | find CODE\n"
                 "                                  a lot by its number, or by the 13-digit code on its label"}},
        {"partner", {orvelmag::RunPartner,
                     "partner add ID NAME [--kind customer|supplier] [--band B] | band ID CATEGORY BAND\n"
                     "          | show ID\n"
                     "                                  business partners and their bands per category"}},
        {"promo", {orvelmag::RunPromo,
                   "promo add fixed|percent|mxn|amount DESCRIPTION [--price P] [--discounts s1,s2,s3,s4]\n"
                   "          [--mxn M:N] [--amount A] [--net yes|no] [--from dd/mm/yyyy[ hh:mm]]\n"
                   "          [--to dd/mm/yyyy|open] [--article KEY]...\n"
                   "                                  add a promotion (default: today only) on articles\n"
                   "  orvelmag promo list | show ID   promotions of the company, running or not\n"
                   "  orvelmag promo price KEY [--qty N]\n"
                   "                                  the price at the till under today's promotions"}},
        {"reason", {orvelmag::RunReason,
                    "reason add ID DESCRIPTION --type TYPE [--stock load|unload|none]\n"
                    "          [--value load|unload|none] [--party customer|supplier|none]\n"
                    "          [--order customer|supplier|none] [--prices sale|purchase]\n"
                    "          [--payment yes|no] [--transport yes|no] [--shipping yes|no]\n"
                    "          [--state yes|no] [--schedule receivable|payable|none]\n"
                    "          [--valuation yes|no] [--counter SERIES:YEAR:LAST] | list\n"
                    "                                  movement reasons, the kinds of documents"}},
        {"schedule", {orvelmag::RunSchedule,
                      "schedule make DOC --formula F [--save]\n"
                      "                                  the instalments of a document by a payment formula\n"
                      "  orvelmag schedule show ID | pay ID N [--date dd/mm/yyyy]\n"
                      "                                  a stored schedule; settle its instalment N"}},
        {"schema", {orvelmag::RunSchema,
                    "schema check [--connect S]      list what a database lacks for the library\n"
                    "  orvelmag schema upgrade [--connect S]    add the keys an older database lacks\n"
                    "  orvelmag schema sql [--dialect sqlite|postgresql]\n"
                    "                                  print the statements that init runs"}},
        {"till", {orvelmag::RunTill,
                  "till type add ID DESCRIPTION [--short S] | coin add ID VALUE DESCRIPTION [--banknote]\n"
                  "                                  the shop's payment types and coin and banknote kinds\n"
                  "  orvelmag till pay DOC TYPE:AMOUNT...\n"
                  "                                  pay a document at the till, part with each type\n"
                  "                                  (by id or description); they make up its total\n"
                  "  orvelmag till withdraw [--coins VALUE:COUNT,...] [--amount A] [--station S] [--staff ID]\n"
                  "                                  take cash out of the drawer, counting the pieces"}},
        {"vat", {orvelmag::RunVat,
                 "vat list|show CODE|add CODE RATE DESCRIPTION [--till N] [--note T]|delete CODE\n"
                 "                                  VAT codes (all take --connect S and --file F)\n"
                 "  orvelmag vat nature CODE N        the nature (N1, N2.1 ... N7) of a zero-rate VAT code"}},
        {"voucher", {orvelmag::RunVoucher,
                     "voucher add --kind percent|amount|goods|points [--discount P] [--amount A]\n"
                     "          [--threshold T] [--max M] [--from dd/mm/yyyy|none] [--to dd/mm/yyyy|none]\n"
                     "          [--text T]... [--category C]... [--family F]... [--group G]... [--reason N]...\n"
                     "                                  add a voucher campaign (days default to today)\n"
                     "  orvelmag voucher check DOC       the vouchers a stored document earns today"}},
    };
    return commands;
}

void PrintUsage(std::ostream& out)
{
    out << "orvelmag " << OrvelMagDbVersion() << " — shop database tool\n\nusage:\n";
    for (const auto& [name, command] : Commands())
        out << "  orvelmag " << command.usage << "\n";
    out << "  orvelmag version                print the library version\n"
        << "\nWithout --connect, data lives in the SQLite file orvelmag.db of the current folder.\n"
        << "Exit codes: 0 done, 1 refused, 2 bad command line or file, 3 the database failed\n"
        << "(full disk, lost connection, not a shop database): the command stopped.\n";
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty() || words[0] == "help" || words[0] == "--help" || words[0] == "-h") {
        PrintUsage(std::cout);
        return words.empty() ? 2 : 0;
    }
    if (words[0] == "version" || words[0] == "--version") {
        std::cout << OrvelMagDbVersion() << "\n";
        return 0;
    }
    auto it = Commands().find(words[0]);
    if (it == Commands().end()) {
        std::cerr << "orvelmag: unknown command \"" << words[0] << "\"\n";
        PrintUsage(std::cerr);
        return 2;
    }
    try {
        return it->second.run({words.begin() + 1, words.end()}, std::cout);
    } catch (const orvelmag::UsageError& e) {
        std::cerr << "orvelmag " << words[0] << ": " << e.message << "\n";
        return 2;
    } catch (const orvelmag::DatabaseFailure& e) {
        std::cerr << "orvelmag " << words[0] << ": " << e.message << "\n";
        return 3;
    } catch (const orvelmag::DatabaseError&) {
        return 1;
    } catch (const CDBException& e) {
        // The database's own words; a failure that ended the transaction or the connection
        // stops the command with its own exit code.
        std::cerr << "orvelmag " << words[0] << ": " << (e.IsFatal() ? orvelmag::FailureWords(e) : e.what())
                  << "\n";
        return e.IsFatal() ? 3 : 1;
    } catch (const std::exception& e) {
        std::cerr << "orvelmag " << words[0] << ": " << e.what() << "\n";
        return 1;
    }
}
