// "orvelmag doc export" as a shop runs it, on both databases: every file it writes is checked
// against the official schema kept in the repository, and the figures a bookkeeper would look at
// (kind, rates, taxable amounts and VAT, discounts, natures, delivery notes, instalments) are read
// back from it. The refusals name the field at fault and write no file.
#include <regex>

#include "cli/CliDatabaseTest.h"
#include "einvoice/FiscalCodes.h"
#include "einvoice/SchemaValidator.h"

namespace {

const char* const kSchema = ORVEL_SOURCE_DIR "/data/einvoice/FatturaPA_v1.2.2.xsd";

class EInvoiceExport : public orvel::test::CliDatabaseTest {
protected:
    // A shop selling at 22% and 10% and an exempt book (code E, nature N2.1), to customer 101;
    // reasons: 1 invoice, 2 credit note, 3 delivery note, 4 deferred invoice, 5 order.
    void SetUpShop()
    {
        Ok("vat add 22 22 Ordinaria");
        Ok("vat add 10 10 Ridotta");
        Ok("vat add E 0 Esente");
        Ok("vat nature E N2.1");
        Ok("partner add 101 'Bar Sport' --kind customer");
        Ok("company set --name 'Negozio Srl' --vat-number 01234567897 --address 'Via Roma 1' --postcode 20100 "
           "--city Milano --province MI");
        Ok("company customer 101 --vat-number 12345678903 --tax-code RSSMRA80A01H501U --address 'Piazza Duomo 2' "
           "--postcode 20121 --city Milano --province MI");
        Ok("article add A1 Vino --vat 22 --price 10");
        Ok("article add A2 Pane --vat 10 --price 2");
        Ok("article add A3 Libro --vat E --price 5");
        Ok("reason add 1 Fattura --type FT --party customer --payment yes");
        Ok("reason add 2 'Nota di credito' --type NC --party customer");
        Ok("reason add 3 DDT --type DDT --party customer --stock unload");
        Ok("reason add 4 'Fattura differita' --type FT --party customer");
        Ok("reason add 5 Ordine --type OC --party customer --order customer");
    }

    std::string Made(const std::string& args)
    {
        std::smatch m;
        const std::string output = Ok(args);
        return std::regex_search(output, m, std::regex("added document (\\d+):")) ? m[1].str() : "?";
    }

    // Exports the document and answers the file's text, after checking it against the schema.
    std::string Export(const std::string& id, const std::string& expectedName)
    {
        const std::string output = Ok("doc export " + id + " --schema '" + kSchema + "'");
        EXPECT_EQ(output, expectedName + "\n");
        std::ifstream file(dir / expectedName, std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        EXPECT_FALSE(text.empty()) << output;
        EXPECT_EQ(validator.Problems(text), std::vector<std::string>{}) << text;
        return text;
    }

    static int Count(const std::string& text, const std::string& pattern)
    {
        const std::regex re(pattern);
        return static_cast<int>(std::distance(std::sregex_iterator(text.begin(), text.end(), re), std::sregex_iterator()));
    }

    static std::string Summary(const std::string& rate, const std::string& rest)
    {
        return "<DatiRiepilogo>\\s*<AliquotaIVA>" + rate + "</AliquotaIVA>\\s*" + rest;
    }

    int Files() const
    {
        int n = 0;
        for (const auto& entry : std::filesystem::directory_iterator(dir))
            n += entry.path().extension() == ".xml" ? 1 : 0;
        return n;
    }

    einvoice::SchemaValidator validator{kSchema};
};

TEST_P(EInvoiceExport, InvoiceWithTwoRatesDiscountsAndAnExemptLineAgreesWithItsSummary)
{
    SetUpShop();
    const std::string id = Made("doc new --reason 1 --customer 101 --line A1:3:10:10+5 --line A2:4 --line A3:1");
    const std::string xml = Export(id, "IT01234567897_00001.xml");
    EXPECT_EQ(Count(xml, "versione=\"FPR12\""), 1);
    EXPECT_EQ(Count(xml, "<TipoDocumento>TD01</TipoDocumento>\\s*<Divisa>EUR</Divisa>"), 1);
    EXPECT_EQ(Count(xml, "<CodiceDestinatario>0000000</CodiceDestinatario>"), 1);
    EXPECT_EQ(Count(xml, "<CodiceFiscale>RSSMRA80A01H501U</CodiceFiscale>"), 1);
    EXPECT_EQ(Count(xml, "<DettaglioLinee>"), 3);
    // 3 x 10.00 less 10% and 5%: 25.65 at 22%; 4 x 2.00 at 10%; the book exempt with its nature.
    EXPECT_EQ(Count(xml, "<Quantita>3.00</Quantita>\\s*<UnitaMisura>PZ</UnitaMisura>\\s*<PrezzoUnitario>10.00</PrezzoUnitario>"
                         "\\s*<ScontoMaggiorazione>\\s*<Tipo>SC</Tipo>\\s*<Percentuale>10.00</Percentuale>\\s*"
                         "</ScontoMaggiorazione>\\s*<ScontoMaggiorazione>\\s*<Tipo>SC</Tipo>\\s*<Percentuale>5.00"
                         "</Percentuale>\\s*</ScontoMaggiorazione>\\s*<PrezzoTotale>25.65</PrezzoTotale>"),
              1);
    EXPECT_EQ(Count(xml, "<PrezzoTotale>5.00</PrezzoTotale>\\s*<AliquotaIVA>0.00</AliquotaIVA>\\s*<Natura>N2.1</Natura>"), 1);
    EXPECT_EQ(Count(xml, Summary("22.00", "<ImponibileImporto>25.65</ImponibileImporto>\\s*<Imposta>5.64</Imposta>")), 1);
    EXPECT_EQ(Count(xml, Summary("10.00", "<ImponibileImporto>8.00</ImponibileImporto>\\s*<Imposta>0.80</Imposta>")), 1);
    EXPECT_EQ(Count(xml, Summary("0.00", "<Natura>N2.1</Natura>\\s*<ImponibileImporto>5.00</ImponibileImporto>\\s*"
                                          "<Imposta>0.00</Imposta>\\s*<RiferimentoNormativo>Esente")),
              1);
    EXPECT_EQ(Count(xml, "<ImportoTotaleDocumento>45.09</ImportoTotaleDocumento>"), 1);
    EXPECT_EQ(Count(xml, "<DatiPagamento>|<DatiDDT>"), 0);
    // Each export takes the next progressive, in the file name and in the transmission data.
    EXPECT_EQ(Count(Export(id, "IT01234567897_00002.xml"), "<ProgressivoInvio>00002</ProgressivoInvio>"), 1);
}

TEST_P(EInvoiceExport, KindsOfDocumentComeFromTheReasonAndItsLinks)
{
    SetUpShop();
    const std::string credit = Made("doc new --reason 2 --customer 101 --line A1:1");
    EXPECT_EQ(Count(Export(credit, "IT01234567897_00001.xml"), "<TipoDocumento>TD04</TipoDocumento>"), 1);

    // Two delivery notes billed by one deferred invoice: TD24, each note cited, no reference line.
    const std::string first = Made("doc new --reason 3 --customer 101 --line A1:2");
    const std::string second = Made("doc new --reason 3 --customer 101 --line A2:5");
    const std::string deferred = Made("doc new --reason 4 --from " + first + " --from " + second);
    const std::string xml = Export(deferred, "IT01234567897_00002.xml");
    EXPECT_EQ(Count(xml, "<TipoDocumento>TD24</TipoDocumento>"), 1);
    EXPECT_EQ(Count(xml, "<DatiDDT>\\s*<NumeroDDT>0000[12]</NumeroDDT>\\s*<DataDDT>\\d{4}-\\d\\d-\\d\\d</DataDDT>"), 2);
    EXPECT_EQ(Count(xml, "<DettaglioLinee>"), 2);
    EXPECT_EQ(Count(xml, Summary("22.00", "<ImponibileImporto>20.00</ImponibileImporto>\\s*<Imposta>4.40</Imposta>")), 1);
    EXPECT_EQ(Count(xml, Summary("10.00", "<ImponibileImporto>10.00</ImponibileImporto>\\s*<Imposta>1.00</Imposta>")), 1);

    // A public administration's six-character code makes the file FPA12.
    Ok("company customer 101 --recipient UFABC1");
    EXPECT_EQ(Count(Export(credit, "IT01234567897_00003.xml"), "versione=\"FPA12\"[^]*<FormatoTrasmissione>FPA12<"), 1);
}

TEST_P(EInvoiceExport, ScheduleGivesThePaymentTermsAndInstalmentsAndFreePiecesCostNothing)
{
    SetUpShop();
    // 100.00 + 22.00 and two loaves given away, written at their price less as much per piece.
    const std::string id = Made("doc new --reason 1 --customer 101 --line A1:10 --gift A2:2");
    Ok("formula add 1 '30/60' --line 30:50 --line 60:50");
    Ok("schedule make " + id + " --formula 1 --save");
    const std::string xml = Export(id, "IT01234567897_00001.xml");
    EXPECT_EQ(Count(xml, "<CondizioniPagamento>TP01</CondizioniPagamento>"), 1);
    EXPECT_EQ(Count(xml, "<DettaglioPagamento>\\s*<ModalitaPagamento>MP05</ModalitaPagamento>\\s*<DataScadenzaPagamento>"
                         "\\d{4}-\\d\\d-\\d\\d</DataScadenzaPagamento>\\s*<ImportoPagamento>61.00</ImportoPagamento>"),
              2);
    EXPECT_EQ(Count(xml, "<Quantita>2.00</Quantita>\\s*<UnitaMisura>PZ</UnitaMisura>\\s*<PrezzoUnitario>2.00</PrezzoUnitario>"
                         "\\s*<ScontoMaggiorazione>\\s*<Tipo>SC</Tipo>\\s*<Importo>2.00</Importo>\\s*"
                         "</ScontoMaggiorazione>\\s*<PrezzoTotale>0.00</PrezzoTotale>"),
              1);
}

TEST_P(EInvoiceExport, WhatTheExchangeSystemWouldRejectIsRefusedNamingTheField)
{
    SetUpShop();
    const std::string id = Made("doc new --reason 1 --customer 101 --line A1:1 --line A2:1 --line A3:1");
    const std::string order = Made("doc new --reason 5 --customer 101 --line A1:1");
    const struct {
        const char* change;  // SQL that spoils the data, undone after the case
        const char* undo;
        std::string document, message;
    } refused[] = {
        {"UPDATE DOCUMENTO SET CLI_FAT_PARTITA_IVA = '12345678901'", "UPDATE DOCUMENTO SET CLI_FAT_PARTITA_IVA = NULL",
         id, "the customer 101's VAT number 12345678901 has a wrong check digit"},
        {"UPDATE DOCUMENTO SET CLI_FAT_CODICE_FISCALE = 'RSSMRA80A01H501X'",
         "UPDATE DOCUMENTO SET CLI_FAT_CODICE_FISCALE = 'RSSMRA80A01H501U'", id, "the customer 101's tax code RSSMRA80A01H501X has a wrong check character"},
        {"UPDATE SOCIETA SET PARTITA_IVA = '01234567890'", "UPDATE SOCIETA SET PARTITA_IVA = '01234567897'", id,
         "the seller (company 1)'s VAT number 01234567890 has a wrong check digit"},
        {"DELETE FROM NATURA_IVA", "INSERT INTO NATURA_IVA (ID_IVA, NATURA) VALUES ('E', 'N2.1')", id,
         "line 3 (A3) has VAT code E at rate 0 without a nature"},
        {"UPDATE IVA_DOCUMENTO SET TOTALE_IMPONIBILE = '2.01' WHERE ID_IVA = '10'",
         "UPDATE IVA_DOCUMENTO SET TOTALE_IMPONIBILE = '2.00' WHERE ID_IVA = '10'", id,
         "the VAT summary of code 10 does not add up: its lines make 2.00, the summary holds 2.01"},
        {"UPDATE SEDE_AZIENDA SET CAP = '2012'", "UPDATE SEDE_AZIENDA SET CAP = '20121'", id,
         "the customer 101's postcode \"2012\" is not five digits"},
        {"SELECT 1", "SELECT 1", order, "a OC (reason 5) is not an invoice"},
        {"SELECT 1", "SELECT 1", "999", "document 999 not found"},
    };
    for (const auto& r : refused) {
        Exec(r.change);
        const CommandResult result = Run("doc export " + r.document);
        Exec(r.undo);
        EXPECT_EQ(result.exitCode, 1) << r.change << "\n" << result.output;
        EXPECT_NE(result.output.find(r.message), std::string::npos) << r.change << "\n" << result.output;
    }
    EXPECT_EQ(Files(), 0);
    Export(id, "IT01234567897_00001.xml");  // the undone data exports again

    // Settings that the exchange system would not take are refused when given.
    const struct {
        std::string args, message;
    } settings[] = {
        {"company set --vat-number 01234567890", "the seller's VAT number 01234567890 has a wrong check digit"},
        {"company set --regime XX01", "the tax regime \"XX01\" is not a code RF01 ... RF19"},
        {"company customer 101 --recipient AB", "recipient code \"AB\" is not six or seven letters and digits"},
        {"vat nature E N2", "\"N2\" is not a VAT nature"},
        {"vat nature X N4", "VAT code X not found"},
        {"doc export " + id + " --schema missing.xsd", "the schema missing.xsd cannot be read"},
    };
    for (const auto& s : settings) {
        const CommandResult result = Run(s.args);
        EXPECT_EQ(result.exitCode, 1) << s.args << "\n" << result.output;
        EXPECT_NE(result.output.find(s.message), std::string::npos) << s.args << "\n" << result.output;
    }
    EXPECT_EQ(Files(), 1);
    EXPECT_EQ(QueryText("SELECT NATURA FROM NATURA_IVA WHERE ID_IVA = 'E'").value_or("-"), "N2.1");
}

TEST_P(EInvoiceExport, SchemaCatchesWhatTheWriterGotWrongAndUpgradeAddsTheTables)
{
    SetUpShop();
    const std::string xml = Export(Made("doc new --reason 1 --customer 101 --line A1:1"), "IT01234567897_00001.xml");
    for (const auto& [from, to] : {std::pair{"<Divisa>EUR</Divisa>", "<Divisa>EURO</Divisa>"},
                                   {"<PrezzoTotale>10.00</PrezzoTotale>", "<PrezzoTotale>10</PrezzoTotale>"},
                                   {"<TipoDocumento>TD01</TipoDocumento>", ""}}) {
        std::string spoiled = xml;
        spoiled.replace(spoiled.find(from), std::string(from).size(), to);
        EXPECT_FALSE(validator.Problems(spoiled).empty()) << from;
    }

    Exec("DROP TABLE NATURA_IVA");
    EXPECT_NE(Run("schema check").output.find("table NATURA_IVA: missing"), std::string::npos);
    EXPECT_NE(Ok("schema upgrade").find("added the table NATURA_IVA\n"), std::string::npos);
    Ok("vat nature E N4");
}

ORVEL_DATABASE_TEST_SUITE(EInvoiceExport);

TEST(FiscalCodes, CheckCharactersOfVatNumbersAndTaxCodes)
{
    using einvoice::FiscalCodes;
    const struct {
        const char* code;
        bool vatNumber;
        const char* problem;
    } cases[] = {
        {"01234567897", true, ""},
        {"12345678903", true, ""},
        {"01234567890", true, "has a wrong check digit"},
        {"0123456789", true, "is not eleven digits"},
        {"0123456789A", true, "is not eleven digits"},
        {"RSSMRA80A01H501U", false, ""},
        {"RSSMRA80A01H501X", false, "has a wrong check character"},
        {"RSSMRA80A01H5LMX", false, ""},  // digits replaced by letters: still checked
        {"rssmra80a01h501u", false, "holds a character other than a digit or a capital letter"},
        {"01234567897", false, ""},
        {"01234567890", false, "has a wrong check digit"},
        {"RSSMRA80A01", false, "is neither sixteen characters nor eleven digits"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.vatNumber ? FiscalCodes::VatNumberProblem(c.code) : FiscalCodes::TaxCodeProblem(c.code), c.problem)
            << c.code;
}

}  // namespace
