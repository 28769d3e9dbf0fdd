// "orvelmag garment": a model saved with its garments is found again by every garment barcode and
// by size and colour, priced through its chain; a model that clashes with what the shop has is
// refused whole; keys that are not a garment's are told apart.
#include <gtest/gtest.h>

#include <string>

#include "CliDatabaseTest.h"

namespace {

class GarmentCommand : public orvel::test::CliDatabaseTest {
protected:
    void SetUp() override
    {
        CliDatabaseTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        Ok("vat add 22 22 Ordinaria");
        Ok("article add A3 Calzini --ean 8003333333335 --alt 2009999999997:1");
        Ok("garment add M1 'Polo piquet' --scale IT --vat 22 --cost 45 --markup 100 "
           "--garment 46:NERO:2000000000466 --garment 48:NERO:2000000000480 --garment 46:BLU:2000000000459");
    }

    long long Rows(const char* table) { return QueryLong((std::string("SELECT COUNT(*) FROM ") + table).c_str()); }
};

}  // namespace

TEST_P(GarmentCommand, ModelIsFoundAgainByEveryBarcodeAndBySizeAndColour)
{
    const struct {
        const char* args;
        const char* size;
        const char* colour;
        const char* row;
    } cases[] = {
        {"find 2000000000466", "46 (scale IT)", "NERO", "1"},
        {"find 2000000000480", "48 (scale IT)", "NERO", "2"},
        {"find 2000000000459", "46 (scale IT)", "BLU", "3"},
        {"find M1 --size 48 --colour NERO", "48 (scale IT)", "NERO", "2"},
    };
    for (const auto& c : cases) {
        const std::string out = Ok(std::string("garment ") + c.args);
        EXPECT_NE(out.find("model:          M1 - Polo piquet\n"), std::string::npos) << c.args << "\n" << out;
        EXPECT_NE(out.find(std::string("size:           ") + c.size + "\n"), std::string::npos) << c.args << "\n" << out;
        EXPECT_NE(out.find(std::string("colour:         ") + c.colour + "\n"), std::string::npos) << out;
        EXPECT_NE(out.find(std::string("row:            ") + c.row + "\n"), std::string::npos) << out;
        // 45 plus 100% mark-up, plus 22% VAT.
        EXPECT_NE(out.find("sale price:     90.00\nwith VAT:       109.80 (VAT 22%)\n"), std::string::npos) << out;
    }
    EXPECT_EQ(Ok("garment find M1"),
              "model:          M1 - Polo piquet\n"
              "  scale IT  size 46  colour BLU  EAN 2000000000459  row 3\n"
              "  scale IT  size 46  colour NERO  EAN 2000000000466  row 1\n"
              "  scale IT  size 48  colour NERO  EAN 2000000000480  row 2\n");
    // A second model in the same scale reuses its sizes and colours and adds the new ones.
    Ok("garment add M2 Camicia --scale IT --garment 48:NERO:2000000000497 --garment 50:ROSSO:2000000000503");
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM TAGLIA WHERE ID_SCALA_TAGLIA = 'IT'"), 3);
    EXPECT_EQ(QueryLong("SELECT RN FROM TAGLIA WHERE ID = '50'"), 3);
    EXPECT_EQ(Rows("COLORE"), 3);
    EXPECT_NE(Ok("garment find 2000000000503").find("model:          M2 - Camicia\n"), std::string::npos);
}

TEST_P(GarmentCommand, KeysThatAreNoGarmentsAndClashingModelsAreRefused)
{
    const struct {
        const char* args;
        int exit;
        const char* says;
    } cases[] = {
        {"find 8003333333335", 1, "8003333333335 is not a garment's barcode: it leads to article A3 Calzini"},
        {"find 2009999999997", 1, "2009999999997 is not a garment's barcode: it leads to article A3 Calzini"},
        {"find 2000000000473", 1, "no garment has the barcode 2000000000473"},
        {"find M1 --size 50 --colour NERO", 1, "model M1 has no garment of size 50 and colour NERO"},
        {"find A3 --size 46 --colour NERO", 1, "no model has the code A3"},
        {"find M1 --size 46", 2, "give --size and --colour together"},
        {"add M2 X --scale IT --garment 46:NERO:2000000000466", 1,
         "the EAN 2000000000466 already belongs to a garment of model M1"},
        {"add M2 X --scale IT --garment 46:NERO:8003333333335", 1, "the EAN 8003333333335 already leads to article A3"},
        {"add M2 X --scale IT --ean 2000000000459 --garment 46:NERO:2000000000497", 1,
         "the EAN 2000000000459 already belongs to a garment of model M1"},
        {"add M1 X --scale IT --garment 46:NERO:2000000000497", 1, "article M1 already exists"},
        {"add M2 X --scale IT --garment 46:NERO:2000000000498", 2, "has a wrong check digit (expected 7)"},
        {"add M2 X --scale IT --garment 46:NERO:2000000000497 --garment 46:NERO:2000000000503", 2,
         "the garment of size 46 and colour NERO is given twice"},
        {"add M2 X --scale IT --garment 46:NERO:2000000000497 --garment 48:NERO:2000000000497", 2,
         "the EAN 2000000000497 is given twice"},
        {"add M2 X --scale IT --garment 46-NERO-2000000000497", 2, "is not SIZE:COLOUR:EAN"},
        {"add M2 X --garment 46:NERO:2000000000497", 2, "a model needs its size scale (--scale)"},
        {"add M2 X --scale IT --vat 99 --garment 46:NERO:2000000000497", 1, "VAT code 99 does not exist"},
    };
    for (const auto& c : cases) {
        const CommandResult r = Run(std::string("garment ") + c.args);
        EXPECT_EQ(r.exitCode, c.exit) << c.args << "\n" << r.output;
        EXPECT_NE(r.output.find(c.says), std::string::npos) << c.args << "\n" << r.output;
    }
    // Nothing of a refused model was written.
    EXPECT_EQ(Rows("ARTICOLO"), 2);
    EXPECT_EQ(Rows("ARTICOLO_MODA"), 1);
    EXPECT_EQ(Rows("CAPO"), 3);
    EXPECT_EQ(Rows("TAGLIA"), 2);
}

ORVEL_DATABASE_TEST_SUITE(GarmentCommand);
