// The document kinds on real databases: a fashion document keeps sizes and colours through save,
// edit and delete and stores a repeated garment as its second row; a restaurant pre-bill gathers
// the kitchen orders of a table with its covers and service charge to the cent; the print model
// falls back on the generic warehouse model when the restaurant file is not there.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <tuple>

#include "orvelmagdb/DocumentFixture.h"
#include "orvelmagdb/domain/documents/DomainDettaglioDocumentoModa.h"
#include "orvelmagdb/domain/documents/DomainDocumentoComanda.h"
#include "orvelmagdb/domain/documents/DomainDocumentoModa.h"
#include "orvelmagdb/domain/documents/DomainVoceDocumentoModa.h"

namespace {

using orvel::test::Dec;

class DocumentKind : public orvel::test::DocumentFixture {};

TEST_P(DocumentKind, FashionLinesKeepSizesAndColoursAndARepeatedGarmentIsItsSecondRow)
{
    CDomainDocumentoModa doc(&db());
    doc.SetCausale(2);
    // size, colour, bar code: the third line repeats the first garment without its code
    for (const auto& [size, colour, ean] : {std::tuple{"42", "ROSSO", "8001234567890"},
                                            std::tuple{"44", "BLU", "8001234567906"}, std::tuple{"42", "ROSSO", ""}}) {
        auto line = NewLine<CDomainVoceDocumentoModa>("A", "MOD1", "1");
        line.Set_ID_TAGLIA(size);
        line.Set_ID_COLORE(colour);
        line.Set_CODICE_EAN(ean);
        doc.Fwd_DETTAGLIO_Add(&line);
    }
    ASSERT_TRUE(doc.DB_AddNew());
    CDomainDocumentoModa loaded(&db());
    loaded.Set_ID(doc.Get_ID());
    ASSERT_TRUE(loaded.DB_Load());
    const auto& lines = dynamic_cast<const CDomainDettaglioDocumentoModa&>(*loaded.Get_DETTAGLIO());
    ASSERT_EQ(lines.GetSize(), 3);
    EXPECT_EQ(lines[1]->Get_ID_TAGLIA() + lines[1]->Get_ID_COLORE(), "44BLU");
    EXPECT_EQ(lines[0]->Get_RN(), 0);
    EXPECT_EQ(lines[2]->Get_RN(), 1);
    EXPECT_EQ(lines[2]->Get_CODICE_EAN(), "8001234567890");

    loaded.Ref_DETTAGLIO()->RemoveAt(1);
    ASSERT_TRUE(loaded.DB_Edit());
    EXPECT_EQ(QueryText("SELECT MIN(ID_COLORE) || MAX(ID_COLORE) || COUNT(*) FROM VOCI_DOCUMENTO"), "ROSSOROSSO2");
    ASSERT_TRUE(loaded.DB_Delete());
    EXPECT_EQ(CountRows("DOCUMENTO") + CountRows("VOCI_DOCUMENTO"), 0);
}

TEST_P(DocumentKind, PreBillGathersTheKitchenOrdersWithCoversAndServiceToTheCent)
{
    Exec("INSERT INTO COMANDA (ID, COPERTI, PREZZO_COPERTO, PERC_SERVIZIO) VALUES "
         "(1, 2, '1.50', '10'), (2, 0, '1.50', '10'), (3, 4, '0', '0')");
    // Two kitchen orders for table 1: the same dish in both, and a second dish in the second.
    for (const char* second : {"", "P2"}) {
        CDomainDocumentoComanda order(&db());
        order.SetCausale(3);
        for (const auto& dish : {NewLine("A", "P1", "1", "0", "12.50"), NewLine("A", second, "1", "0", "8.35")})
            if (!dish.Get_ID_ARTICOLO().IsEmpty())
                order.Fwd_DETTAGLIO_Add(&dish);
        ASSERT_TRUE(order.DB_AddNew());
        Exec(("INSERT INTO COMANDA_ORDINE (ID_COMANDA, ID_DOCUMENTO) VALUES (1, " + std::to_string(order.Get_ID()) + ")").c_str());
    }
    CDomainDocumentoComanda bill(&db());
    EXPECT_FALSE(bill.AggiungiServizio(1));  // nothing to charge on a total of 0
    ASSERT_TRUE(bill.CaricaPreConto(1, false, true));
    EXPECT_EQ(bill.Get_CAUSALE().Get_TIPO_DOCUMENTO(), "PC");
    const CDomainDettaglioDocumento& lines = *bill.Get_DETTAGLIO();
    ASSERT_EQ(lines.GetSize(), 3);
    EXPECT_EQ(lines.GetAt(0)->Get_QUANTITA(), Dec("2"));
    EXPECT_EQ(lines.GetAt(2)->Get_DESCRIZIONE() + lines.GetAt(2)->Get_QUANTITA().ToString2(127, false), "Coperto2");
    EXPECT_EQ(lines.GetAt(2)->Get_PREZZO_PZ_IVATO(), Dec("1.50"));
    bill.Ricalcola_TOTALI();
    ASSERT_EQ(bill.Get_TOTALE(), Dec("36.35"));
    ASSERT_TRUE(bill.AggiungiServizio(1));
    EXPECT_EQ(lines.GetAt(3)->Get_DESCRIZIONE(), "Servizio");
    EXPECT_EQ(lines.GetAt(3)->Get_PREZZO_PZ_IVATO(), Dec("3.64"));  // 10% of 36.35, half up
    for (long comanda : {2L, 3L, 99L})  // no covers, a free cover, no such restaurant order
        EXPECT_FALSE(bill.AggiungiCoperti(comanda)) << comanda;
    // Built again, the orders already linked bring nothing more: only the covers.
    ASSERT_TRUE(bill.CaricaPreConto(1, false, true));
    EXPECT_EQ(lines.GetSize(), 1);
}

TEST(PrintModel, AutomaticNamesPreferTheRestaurantModelWhenItsFileExists)
{
    const auto root = std::filesystem::temp_directory_path() / ("orvel_models_" + std::to_string(::getpid()));
    std::filesystem::create_directories(root / "documento_magazzino");
    std::ofstream(root / "documento_magazzino" / "doc_mgristo_ddt.rpt") << "model";
    const std::string dir = root.string(), sub = dir + "\\documento_magazzino\\";
    for (const auto& [folder, model, expected] :
         {std::tuple{" " + dir + "\t", "fattura.rpt", dir + "\\fattura.rpt"}, {dir + "\\", "@ddt.rpt", sub + "doc_mgristo_ddt.rpt"},
          {dir, "@fattura.rpt", sub + "doc_mg_fattura.rpt"}, {dir, " @ddt.rpt", dir + "\\ @ddt.rpt"}})
        EXPECT_EQ(CDomainDocumentoBase::CalcolaModelloStampa(folder.c_str(), model).str(), expected) << model;
    std::filesystem::remove_all(root);
}

}  // namespace

ORVEL_DATABASE_TEST_SUITE(DocumentKind);
