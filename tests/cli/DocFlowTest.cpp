// "orvelmag doc new --from": an order shipped in two deliveries and billed by one invoice, with
// what the order still has open after each step, on screen and in the database; documents cited by
// others kept, a deleted delivery giving its quantities back; tills shipping one order at once
// never shipping more than it has open; a fashion sale scanned by garment barcodes.
#include <regex>

#include "CliDatabaseTest.h"

namespace {

class DocFlow : public orvel::test::CliDatabaseTest {
protected:
    // Customer 101 orders 5 of A1 (10.00) and 3 of A2 (2.00), VAT 22: reason 5 an order from a
    // customer, 6 a delivery note, 7 an invoice. Returns the order's id.
    std::string MakeOrder()
    {
        Ok("vat add 22 22 Ordinaria");
        Ok("partner add 101 'Bar Sport' --kind customer");
        Ok("partner add 102 Altro --kind customer");
        Ok("article add A1 Vino --vat 22 --price 10");
        Ok("article add A2 Succo --vat 22 --price 2");
        Ok("reason add 5 'Ordine cliente' --type OC --party customer --order customer");
        Ok("reason add 6 DDT --type DDT --party customer --stock unload");
        Ok("reason add 7 Fattura --type FT --party customer");
        return Made(Ok("doc new --reason 5 --customer 101 --line A1:5 --line A2:3"));
    }

    static std::string Made(const std::string& output)
    {
        std::smatch m;
        return std::regex_search(output, m, std::regex("added document (\\d+):")) ? m[1].str() : "?";
    }

    // "shipped/open" of the order's line of the article, as stored.
    std::string Fulfilment(const std::string& order, const char* article)
    {
        const std::string where = " FROM VOCI_DOCUMENTO WHERE ID_DOCUMENTO = " + order + " AND ID_ARTICOLO = '" +
                                  article + "'";
        return QueryText(("SELECT QUANTITA_EVASA" + where).c_str()).value_or("-") + "/" +
               QueryText(("SELECT QUANTITA_DA_EVADERE" + where).c_str()).value_or("-");
    }

    long long Count(const std::string& sql) { return QueryLong(sql.c_str()); }
};

TEST_P(DocFlow, OrderShippedInTwoDeliveriesThenInvoicedLeavesExactlyWhatIsOpen)
{
    const std::string order = MakeOrder();
    EXPECT_EQ(Fulfilment(order, "A1"), "0/5");

    // Given twice, the order is linked and shipped from once; the customer is the order's.
    const std::string first = Made(Ok("doc new --reason 6 --from " + order + " --from " + order +
                                      " --ship A1:2 --ship A2:1"));
    EXPECT_EQ(Count("SELECT COUNT(*) FROM DOC_REFERENZIA_DOCS WHERE ID_DOCUMENTO = " + first), 1);
    EXPECT_EQ(Count("SELECT CLI_FAT_ID FROM DOCUMENTO WHERE ID = " + first), 101);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM VOCI_DOCUMENTO WHERE TIPO = 'R' AND ID_DOCUMENTO = " + first), 1);
    EXPECT_EQ(Fulfilment(order, "A1"), "2/3");
    EXPECT_EQ(Fulfilment(order, "A2"), "1/2");
    std::string show = Ok("doc show " + order);
    EXPECT_TRUE(std::regex_search(show, std::regex("\nA1 .*  shipped 2, open 3\n"))) << show;
    EXPECT_TRUE(std::regex_search(show, std::regex("\ncited by:  DDT n\\. 00001 del .* \\(document " + first + "\\)")))
        << show;

    // Refused, with nothing written: more than is open, another customer's order, a missing one.
    const struct {
        std::string args, message;
    } refused[] = {
        {"--from " + order + " --ship A1:4", "only 3 of A1 is open"},
        {"--customer 102 --from " + order, "is for customer 101, not 102"},
        {"--from 999", "document 999 not found"},
        {"--ship A1:1", "--ship limits what is shipped from the documents given with --from"},
    };
    for (const auto& r : refused) {
        const CommandResult result = Run("doc new --reason 6 " + r.args);
        EXPECT_NE(result.exitCode, 0) << r.args;
        EXPECT_NE(result.output.find(r.message), std::string::npos) << r.args << "\n" << result.output;
    }
    EXPECT_EQ(CountRows("DOCUMENTO"), 2);
    EXPECT_EQ(Fulfilment(order, "A1"), "2/3");

    const std::string second = Made(Ok("doc new --reason 6 --from " + order));
    EXPECT_EQ(Fulfilment(order, "A1"), "5/0");
    EXPECT_EQ(Fulfilment(order, "A2"), "3/0");
    EXPECT_NE(Run("doc new --reason 6 --from " + order).output.find("has nothing left open"), std::string::npos);

    // The invoice bills both deliveries: all four article lines, the lines citing the order and
    // each delivery, and the whole order's total; the order is not shipped again.
    const std::string invoice = Made(Ok("doc new --reason 7 --from " + first + " --from " + second));
    EXPECT_EQ(Count("SELECT COUNT(*) FROM VOCI_DOCUMENTO WHERE TIPO = 'A' AND ID_DOCUMENTO = " + invoice), 4);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM VOCI_DOCUMENTO WHERE TIPO = 'R' AND ID_DOCUMENTO = " + invoice), 4);
    EXPECT_EQ(QueryText(("SELECT TOTALE FROM DOCUMENTO WHERE ID = " + invoice).c_str()).value_or(""), "68.32");
    EXPECT_EQ(Count("SELECT COUNT(*) FROM DOC_REFERENZIA_DOCS WHERE ID_DOCUMENTO = " + invoice + " AND ID_DOCUMENTO_REF IN (" +
                    first + ", " + second + ")"),
              2);
    show = Ok("doc show " + invoice);
    EXPECT_TRUE(std::regex_search(show, std::regex("cites:     DDT n\\. 00001 .*\ncites:     DDT n\\. 00002 "))) << show;
    EXPECT_EQ(Fulfilment(order, "A1"), "5/0");
}

// A document cited by another stays; deleting a delivery gives the order back what it shipped,
// which a new delivery can then ship.
TEST_P(DocFlow, CitedDocumentsStayAndADeletedDeliveryGivesItsQuantitiesBack)
{
    const std::string order = MakeOrder();
    const std::string first = Made(Ok("doc new --reason 6 --from " + order + " --ship A1:2 --ship A2:0"));
    const std::string second = Made(Ok("doc new --reason 6 --from " + order + " --ship A1:1"));
    const std::string invoice = Made(Ok("doc new --reason 7 --from " + first));
    EXPECT_EQ(Fulfilment(order, "A1"), "3/2");
    EXPECT_EQ(Fulfilment(order, "A2"), "3/0");

    for (const std::string& cited : {order, first}) {
        const CommandResult r = Run("doc delete " + cited);
        EXPECT_EQ(r.exitCode, 1) << r.output;
        EXPECT_NE(r.output.find("is cited by document"), std::string::npos) << r.output;
    }
    EXPECT_EQ(CountRows("DOCUMENTO"), 4);

    Ok("doc delete " + second);
    EXPECT_EQ(Fulfilment(order, "A1"), "2/3");
    EXPECT_EQ(Fulfilment(order, "A2"), "0/3");
    Ok("doc delete " + invoice);
    Ok("doc delete " + first);
    EXPECT_EQ(Fulfilment(order, "A1"), "0/5");
    Made(Ok("doc new --reason 6 --from " + order));
    EXPECT_EQ(Fulfilment(order, "A1"), "5/0");
    EXPECT_EQ(Fulfilment(order, "A2"), "3/0");
}

// Four tills ship 2 of A1 from the same order at once: two get it, the others are told that only
// 1 is left, and the order has shipped exactly what the deliveries hold.
TEST_P(DocFlow, TillsShippingOneOrderAtOnceNeverShipMoreThanIsOpen)
{
    const std::string order = MakeOrder();
    const std::vector<std::vector<std::string>> tills(4, {"doc new --reason 6 --from " + order + " --ship A1:2 --ship A2:0"});
    int shipped = 0;
    for (const std::string& output : RunTogether(tills)) {
        shipped += output.find("exit 0") != std::string::npos;
        EXPECT_TRUE(output.find("exit 0") != std::string::npos || output.find("only 1 of A1 is open") != std::string::npos)
            << output;
    }
    EXPECT_EQ(shipped, 2);
    EXPECT_EQ(Fulfilment(order, "A1"), "4/1");
    EXPECT_EQ(Count("SELECT COUNT(*) FROM VOCI_DOCUMENTO WHERE ID_ARTICOLO = 'A1' AND ID_DOCUMENTO <> " + order), 2);
}

TEST_P(DocFlow, FashionSaleScannedByGarmentBarcodesKeepsSizeAndColour)
{
    Ok("vat add 22 22 Ordinaria");
    Ok("reason add 8 Vendita --type VE --stock unload");
    Ok("garment add M1 Polo --scale IT --vat 22 --price 30 --garment 46:NERO:2000000000510 "
       "--garment 48:BLU:2000000000527");
    const std::string sale =
        Made(Ok("doc new --reason 8 --kind fashion --line 2000000000527:1 --line 2000000000510:1 --line 2000000000527:1"));
    const std::string show = Ok("doc show " + sale);
    EXPECT_TRUE(std::regex_search(show, std::regex("\nM1 .* 2 PZ .*  size 48 colour BLU\n"))) << show;
    EXPECT_TRUE(std::regex_search(show, std::regex("\nM1 .* 1 PZ .*  size 46 colour NERO\n"))) << show;
    EXPECT_EQ(Count("SELECT COUNT(*) FROM VOCI_DOCUMENTO WHERE CODICE_EAN = '2000000000527' AND ID_TAGLIA = '48' "
                    "AND ID_COLORE = 'BLU' AND ID_DOCUMENTO = " + sale),
              1);
}

}  // namespace

ORVEL_DATABASE_TEST_SUITE(DocFlow);
