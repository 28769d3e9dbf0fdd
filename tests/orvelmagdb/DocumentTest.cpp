// The warehouse document on real databases: the number text before and after a reload, the
// header sections a reason keeps or drops, the stored lines following the detail through the
// marker column, deletion by the database's procedure, a failed write undone by the host's
// rollback, the counter lookup, and the totals and VAT summary on figures a bookkeeper checks.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "odbc/Database.h"
#include "orvelmagdb/ConfigGuard.h"
#include "orvelmagdb/MessageRecorder.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/domain/documents/DomainDettaglioDocumento.h"
#include "orvelmagdb/domain/documents/DomainDocumentoMagazzino.h"
#include "orvelmagdb/domain/documents/DomainVoceDocumentoMagazzino.h"
#include "orveldblib/Decimal.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "support/DatabaseTest.h"

using orvel::test::ConfigGuard;
using orvel::test::MessageRecorder;

namespace {

Decimal D(const char* text) { return Decimal(text, 127); }
// The stored text form, trailing zeros dropped: "450.00" and "450" read the same.
std::string S(const Decimal& value) { return value.ToString2(127, true).str(); }

TIMESTAMP_STRUCT Date(int year, int month, int day)
{
    TIMESTAMP_STRUCT ts{};
    ts.year = static_cast<SQLSMALLINT>(year);
    ts.month = static_cast<SQLUSMALLINT>(month);
    ts.day = static_cast<SQLUSMALLINT>(day);
    return ts;
}

class Document : public orvel::test::DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        CSchema::Create(db());
        config.SetShopDefaults();
        config.Set("default/magazzino/spese/iva", "22");
        config.Set("default/documento/datainiziotrasportoimpostata", "0");
        user()->Set_ID_SOCIETA(1);
        user()->Set_ID_SEDE_SOCIETA(10);
        user()->Set_ID_DEPOSITO(11);
        user()->Set_ID_AGENTE(-1);
        // Reason 1 has no sections; reason 2 has supplier, transport, payment and order status.
        for (const char* sql :
             {"INSERT INTO IVA (CODICE, DESCRIZIONE, ALIQUOTA) VALUES ('22', 'Ordinaria', '22'), ('00', 'Esente', '0')",
              "INSERT INTO CAUSALE (ID, DESCRIZIONE, TIPO_DOCUMENTO, F_QUANTITA, F_RICAVO, F_LISTINO) "
              "VALUES (1, 'Scarico', 'DDT', -1, 1, 1)",
              "INSERT INTO CAUSALE (ID, DESCRIZIONE, TIPO_DOCUMENTO, F_FORNITORE, F_INFO_TRASPORTO, F_PAGAMENTO, "
              "F_STATO) VALUES (2, 'Carico', 'BF', 1, 1, 1, 1)"})
            Exec(sql);
    }
    void TearDown() override
    {
        user()->Reset();
        DatabaseTest::TearDown();
    }
    static CUserAdministrator* user() { return CApplicationAdministrator::GetInstance()->GetUser(); }

    // A document of reason 1 dated 15/03/2024 with the given number.
    std::unique_ptr<CDomainDocumentoMagazzino> NewDocument(long number, long reason = 1)
    {
        auto doc = std::make_unique<CDomainDocumentoMagazzino>(&db());
        doc->SetCausale(reason);
        doc->Set_DATA_DOCUMENTO(Date(2024, 3, 15));
        doc->Set_NUMERO(number);
        return doc;
    }
    std::unique_ptr<CDomainDocumentoMagazzino> Reload(long id)
    {
        auto doc = std::make_unique<CDomainDocumentoMagazzino>(&db());
        doc->Set_ID(id);
        EXPECT_TRUE(doc->DB_Load());
        return doc;
    }
    // A sold article line: quantity x price at VAT 22, extra discount 10 as the document's.
    CDomainVoceDocumentoMagazzino Line(const char* article, const char* quantity, const char* price)
    {
        CDomainVoceDocumentoMagazzino line(&db());
        line.Set_TIPO("A");
        line.Set_ID_ARTICOLO(article);
        line.Set_QUANTITA(D(quantity));
        line.Set_PREZZO_PZ(D(price), false);
        line.Set_ID_IVA("22", false);
        line.Set_ALIQUOTA_IVA(D("22"));
        line.Set_SCONTO_EXTRA(D("10"));
        return line;
    }
    void AddLine(CDomainDocumento& doc, const char* article, const char* quantity, const char* price)
    {
        const CDomainVoceDocumentoMagazzino line = Line(article, quantity, price);
        ASSERT_GE(doc.Fwd_DETTAGLIO_Add(&line), 0);
    }
    std::string Query(const std::string& sql) { return QueryText(sql.c_str()).value_or("NULL"); }

    ConfigGuard config;
};

TEST(DocumentNumber, SeriesAndNumberText)
{
    const std::tuple<const char*, long, const char*> printed[] = {
        {"", 12, "00012"}, {" ", 12, "00012"}, {"B", 7, "B/00007"}, {"", 123456, "123456"}, {"A", 0, "A/00000"}};
    for (const auto& [serie, numero, text] : printed)
        EXPECT_EQ(CDomainDocumento::Trasforma_SERIE_E_NUMERO(serie, numero).str(), text) << serie << numero;

    // What Set_SERIE_E_NUMERO makes of a text, starting from series "Z" and number 99.
    const std::tuple<const char*, const char*, long> parsed[] = {
        {"A/12", "A", 12}, {"12", "Z", 12}, {"A/", "A", 0}, {"x", "Z", 0}, {"C/7/8", "C", 7}};
    for (const auto& [text, serie, numero] : parsed) {
        CDomainDocumentoMagazzino doc;
        doc.Set_SERIE("Z");
        doc.Set_NUMERO(99);
        doc.Set_SERIE_E_NUMERO(text);
        EXPECT_EQ(doc.Get_SERIE().str(), serie) << text;
        EXPECT_EQ(doc.Get_NUMERO(), numero) << text;
    }
}

TEST_P(Document, NumberWithoutSeriesIsStoredAsOneBlankAndCounterIsRead)
{
    auto doc = NewDocument(12);
    EXPECT_EQ(doc->Get_ANNO(), 2024);
    // A new document takes the user's company and the expenses' VAT code with its rate.
    EXPECT_EQ(doc->Get_ID_SOCIETA(), 1);
    EXPECT_EQ(doc->Get_ID_IVA_SPESE_TRASPORTO().str(), "22");
    EXPECT_EQ(S(doc->Get_ALIQUOTA_IVA_SPESE_VARIE()), "22");
    EXPECT_FALSE(doc->IsValid_DATA_ORA_INIZIO_TRASPORTO());
    EXPECT_EQ(doc->Get_SERIE_E_NUMERO().str(), "00012");
    ASSERT_TRUE(doc->DB_AddNew());
    ASSERT_GT(doc->Get_ID(), 0);
    EXPECT_EQ(Query("SELECT '[' || SERIE || ']' FROM DOCUMENTO WHERE ID = " + std::to_string(doc->Get_ID())), "[ ]");

    auto loaded = Reload(doc->Get_ID());
    EXPECT_EQ(loaded->Get_SERIE().str(), " ");
    EXPECT_EQ(loaded->Get_SERIE_E_NUMERO().str(), "00012");
    EXPECT_EQ(loaded->GetDescrizione().str(), "DDT n. 00012 del 15/03/2024");

    auto serieA = NewDocument(40);
    serieA->Set_SERIE("A");
    ASSERT_TRUE(serieA->DB_AddNew());
    auto next = NewDocument(0);
    EXPECT_EQ(next->GeneraNumeroDocumento(), 12);
    next->Set_SERIE("A");
    EXPECT_EQ(next->GeneraNumeroDocumento(), 40);
    next->Set_SERIE("NOCOUNTER");
    EXPECT_EQ(next->GeneraNumeroDocumento(), 0);
    EXPECT_EQ(next->Get_NUMERO(), 0);
}

TEST_P(Document, ReasonDecidesWhichHeaderSectionsAreStored)
{
    // The same header on a reason without sections and on one with them.
    auto fill = [](CDomainDocumento& doc) {
        doc.Set_FORN_ID(7);
        doc.Set_FORN_RAGIONE_SOCIALE("Fornitore Srl");
        doc.Set_ID_STATO_ORDINE(5);
        doc.Set_ID_FORMULA_PAGAMENTO(3);
        doc.Set_IBAN("IT60X0542811101000000123456");
        doc.Set_ID_PORTO(4);
        doc.Set_IMBALLI(-2);
        TIMESTAMP_STRUCT start = Date(2024, 3, 16);
        start.hour = 25;  // a valid date with an impossible time
        doc.Set_DATA_ORA_INIZIO_TRASPORTO(start);
    };
    auto bare = NewDocument(1, 1);
    fill(*bare);
    auto full = NewDocument(2, 2);
    fill(*full);
    ASSERT_TRUE(bare->DB_AddNew());
    ASSERT_TRUE(full->DB_AddNew());

    const std::string columns = "SELECT COALESCE(CAST(FORN_ID AS TEXT), 'N') || '|' || COALESCE(FORN_RAGIONE_SOCIALE, 'N') "
                                "|| '|' || COALESCE(CAST(ID_STATO_ORDINE AS TEXT), 'N') || '|' || "
                                "COALESCE(CAST(ID_FORMULA_PAGAMENTO AS TEXT), 'N') || '|' || COALESCE(IBAN, 'N') || '|' || "
                                "COALESCE(CAST(ID_PORTO AS TEXT), 'N') || '|' || COALESCE(CAST(IMBALLI AS TEXT), 'N') || '|' "
                                "|| COALESCE(CAST(DATA_ORA_INIZIO_TRASPORTO AS TEXT), 'N') || '|' || "
                                "CAST(F_MODIFICATO AS TEXT) FROM DOCUMENTO WHERE ID = ";
    EXPECT_EQ(Query(columns + std::to_string(bare->Get_ID())), "N|N|N|N|N|N|N|N|1");
    EXPECT_EQ(Query(columns + std::to_string(full->Get_ID())), "7|Fornitore Srl|5|3|IT60X0542811101000000123456|4|0|N|1");

    // A stored order status is read only when the reason has one.
    Exec(("UPDATE DOCUMENTO SET ID_STATO_ORDINE = 5 WHERE ID = " + std::to_string(bare->Get_ID())).c_str());
    auto bareLoaded = Reload(bare->Get_ID());
    EXPECT_EQ(bareLoaded->Get_FORN_ID(), -1);
    EXPECT_EQ(bareLoaded->Get_FORN_RAGIONE_SOCIALE().str(), "");
    EXPECT_EQ(bareLoaded->Get_ID_STATO_ORDINE(), -1);
    auto fullLoaded = Reload(full->Get_ID());
    EXPECT_EQ(fullLoaded->Get_FORN_ID(), 7);
    EXPECT_EQ(fullLoaded->Get_FORN_RAGIONE_SOCIALE().str(), "Fornitore Srl");
    EXPECT_EQ(fullLoaded->Get_ID_STATO_ORDINE(), 5);
    EXPECT_EQ(fullLoaded->Get_IMBALLI(), 0);
}

TEST_P(Document, StoredLinesFollowTheDetailAndDeleteRemovesEverything)
{
    auto doc = NewDocument(3);
    for (const char* article : {"KEEP1", "DROP", "KEEP2"})
        AddLine(*doc, article, "1", "10");
    ASSERT_TRUE(doc->DB_AddNew());
    const std::string id = std::to_string(doc->Get_ID());
    const std::string ids = "SELECT ID FROM VOCI_DOCUMENTO WHERE ID_DOCUMENTO = " + id + " AND ID_ARTICOLO = ";
    const std::string keep1 = Query(ids + "'KEEP1'"), keep2 = Query(ids + "'KEEP2'");

    // The reloaded lines carry their row ids; one is removed, one is added, and the header's
    // extra discount changes.
    auto loaded = Reload(doc->Get_ID());
    ASSERT_EQ(loaded->Get_DETTAGLIO()->GetSize(), 3);
    loaded->Ref_DETTAGLIO()->RemoveAt(1);
    AddLine(*loaded, "NEW", "2", "5");
    loaded->Set_SCONTO_EXTRA(D("5"));
    ASSERT_TRUE(loaded->DB_Edit());

    EXPECT_EQ(CountRows("VOCI_DOCUMENTO"), 3);
    EXPECT_EQ(Query(ids + "'KEEP1'"), keep1);
    EXPECT_EQ(Query(ids + "'KEEP2'"), keep2);
    EXPECT_EQ(Query(ids + "'DROP'"), "NULL");
    EXPECT_EQ(Query("SELECT COUNT(*) FROM VOCI_DOCUMENTO WHERE ID_DOCUMENTO = " + id +
                    " AND MARCATORE = 1 AND SCONTO_EXTRA = '5' AND C_F_QUANTITA = -1 AND C_F_RICAVO = 1 AND "
                    "C_F_MOVIMENTA_CARBURANTE = 0 AND D_ANNO = 2024 AND D_ID_DEPOSITO = 11"),
              "3");

    ASSERT_TRUE(loaded->DB_Delete());
    EXPECT_EQ(CountRows("DOCUMENTO"), 0);
    EXPECT_EQ(CountRows("VOCI_DOCUMENTO"), 0);
    EXPECT_EQ(CountRows("IVA_DOCUMENTO"), 0);
}

TEST_P(Document, FailedLineWriteLeavesNothingAfterTheHostsRollback)
{
    MessageRecorder messages;
    Exec("DROP VIEW VOCI_DOCUMENTO_OPER");
    auto doc = NewDocument(4);
    AddLine(*doc, "ART", "1", "10");
    ASSERT_TRUE(db().BeginTrans());
    EXPECT_FALSE(doc->DB_AddNew());
    EXPECT_GT(doc->Get_ID(), 0);  // the header had its key before the lines failed
    EXPECT_EQ(CountRows("DOCUMENTO"), 1);
    EXPECT_EQ(messages.messages.size(), 1U);
    ASSERT_TRUE(db().Rollback());
    EXPECT_EQ(CountRows("DOCUMENTO"), 0);
    EXPECT_EQ(CountRows("IVA_DOCUMENTO"), 0);
}

// One line of 2 x 250 at VAT 22 with 10 percent extra discount (net 450, VAT 99), plus transport
// expenses. The header adds the expense and its VAT unrounded; the summary row of the code is
// rounded after the addition; an expense without VAT code counts in the header only.
TEST_P(Document, TotalsAndVatSummaryOfLinesAndExpenses)
{
    struct Case {
        const char *amount, *code, *rate;
        const char *netto, *imponibile, *iva, *totale;
        std::vector<std::string> rows;  // code|taxable|VAT of IVA_DOCUMENTO, by code
    };
    const Case cases[] = {
        {"0", "22", "22", "450", "450", "99", "549", {"22|450|99"}},
        {"10", "22", "22", "460", "460", "101.2", "561.2", {"22|460|101.2"}},
        {"10.05", "22", "22", "460.05", "460.05", "101.211", "561.261", {"22|460.05|101.21"}},
        {"10", "00", "0", "460", "450", "99", "559", {"00|10|0", "22|450|99"}},
        {"10", "", "22", "460", "460", "101.2", "561.2", {"22|450|99"}},
    };
    long number = 100;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.amount) + " at code '" + c.code + "'");
        auto doc = NewDocument(++number);
        AddLine(*doc, "ART", "2", "250");
        doc->Set_SCONTO_EXTRA(D("10"));
        doc->Set_SPESE_TRASPORTO(D(c.amount));
        doc->Set_ID_IVA_SPESE_TRASPORTO(c.code);
        doc->Set_ALIQUOTA_IVA_SPESE_TRASPORTO(D(c.rate));
        EXPECT_EQ(S(doc->Get_TOTALE()), "0");  // nothing is computed until asked
        doc->Ricalcola_TOTALI();
        EXPECT_EQ(doc->Get_TOTALE_IMPORTO(), D("500"));
        EXPECT_EQ(doc->Get_TOTALE_SCONTO_EXTRA(), D("50"));
        EXPECT_EQ(doc->Get_TOTALE_SCONTO(), D("50"));
        EXPECT_EQ(doc->Get_TOTALE_IMPORTO_NETTO(), D("450"));
        EXPECT_EQ(doc->Get_TOTALE_NETTO_DOCUMENTO(), D(c.netto));
        EXPECT_EQ(doc->Get_TOTALE_IMPONIBILE(), D(c.imponibile));
        EXPECT_EQ(doc->Get_TOTALE_IVA(), D(c.iva));
        EXPECT_EQ(doc->Get_TOTALE(), D(c.totale));

        auto summary = [&] {
            std::vector<std::string> rows;
            for (const char* code : {"00", "22"}) {
                const std::string where = " FROM IVA_DOCUMENTO WHERE ID_DOCUMENTO = " + std::to_string(doc->Get_ID()) +
                                          " AND ID_IVA = '" + code + "'";
                const auto imponibile = QueryText(("SELECT TOTALE_IMPONIBILE" + where).c_str());
                if (imponibile)
                    rows.push_back(std::string(code) + "|" + S(D(imponibile->c_str())) + "|" +
                                   S(D(Query("SELECT TOTALE_IVA" + where).c_str())));
            }
            return rows;
        };
        ASSERT_TRUE(doc->DB_AddNew());
        EXPECT_EQ(summary(), c.rows);
        EXPECT_EQ(D(Query("SELECT TOTALE FROM DOCUMENTO WHERE ID = " + std::to_string(doc->Get_ID())).c_str()),
                  D(c.totale));
        auto loaded = Reload(doc->Get_ID());
        EXPECT_EQ(loaded->Get_TOTALE_IVA(), D(c.iva));
        EXPECT_EQ(loaded->Get_TOTALE_IMPONIBILE(), D(c.imponibile));
        EXPECT_EQ(loaded->Get_TOTALE_SCONTO_EXTRA(), D("50"));
        EXPECT_EQ(loaded->Get_SPESE_TRASPORTO(), D(c.amount));
        EXPECT_EQ(loaded->Get_ID_IVA_SPESE_TRASPORTO().str(), c.code);
        EXPECT_EQ(loaded->Get_ALIQUOTA_IVA_SPESE_TRASPORTO(), D(c.rate));
        // An edit replaces the summary with the one of the document as it is now.
        doc->Set_SPESE_TRASPORTO(D("0"));
        ASSERT_TRUE(doc->DB_Edit());
        EXPECT_EQ(summary(), std::vector<std::string>{"22|450|99"});
    }
}

// Ricalcola_TOTALI walks the lines once for all the totals; each must come out, to the last digit
// and scale, as its single operation computes it, whatever the lines hold.
TEST_P(Document, AllTotalsAtOnceEqualEachTotalAlone)
{
    auto doc = NewDocument(1);
    struct Spec {
        const char *tipo, *qty, *gift, *paidGift, *price, *rate, *s1, *s2, *commission;
        long scontaIva;
    };
    const Spec lines[] = {
        {"A", "3", "0", "0", "19.99", "22", "10", "5", "50", 1},   {"A", "2", "2", "1", "7.333", "10", "0", "0", "0", 0},
        {"B", "1.5", "0", "0", "-4.10", "22", "50", "0", "0", 1}, {"A", "4", "0", "0", "12.50", "-1", "12.5", "0", "2.5", 1},
        {"R", "9", "0", "0", "100", "22", "0", "0", "0", 1},      {"A", "0.333", "0", "0", "0", "4", "20", "20", "0", 1},
    };
    for (const Spec& l : lines) {
        CDomainVoceDocumentoMagazzino line(&db());
        line.Set_TIPO(l.tipo);
        line.Set_QUANTITA(D(l.qty));
        line.Set_QUANTITA_OMAGGIO(D(l.gift));
        line.Set_QUANTITA_OMAGGIO_PAGATA(D(l.paidGift));
        line.Set_SCONTA_IVA(l.scontaIva);
        line.Set_PREZZO_PZ(D(l.price), false);
        line.Set_PREZZO_ACQUISTO(D("3.21"));
        line.Set_ALIQUOTA_IVA(D(l.rate));
        line.Set_SCONTO1(D(l.s1));
        line.Set_SCONTO2(D(l.s2));
        line.Set_PROVVIGIONE(D(l.commission));
        ASSERT_GE(doc->Fwd_DETTAGLIO_Add(&line), 0);
    }
    doc->Set_SCONTO_EXTRA(D("7.5"));
    doc->Set_SPESE_TRASPORTO(D("10.05"));
    doc->Set_SPESE_INCASSO(D("2"));
    doc->Set_ALIQUOTA_IVA_SPESE_INCASSO(D("0"));

    auto each = std::unique_ptr<CDomainDocumento>(doc->Clone());
    doc->Ricalcola_TOTALI();
    each->Ricalcola_TOTALE_IMPORTO_ACQUISTO();
    each->Ricalcola_TOTALE_NETTO_DOCUMENTO();
    each->Ricalcola_TOTALE_IMPORTO();
    each->Ricalcola_TOTALE_SCONTO();
    each->Ricalcola_TOTALE_OMAGGIO();
    each->Ricalcola_TOTALE_IMPORTO_NETTO();
    each->Ricalcola_TOTALE_SCONTO_EXTRA();
    each->Ricalcola_TOTALE_IMPONIBILE();
    each->Ricalcola_TOTALE_IVA();
    each->Ricalcola_TOTALE();
    each->Ricalcola_TOTALE_PROVVIGIONE();
    const auto totals = [](const CDomainDocumento& d) {
        std::string text;
        for (const Decimal* v :
             {&d.Get_TOTALE_IMPORTO_ACQUISTO(), &d.Get_TOTALE_NETTO_DOCUMENTO(), &d.Get_TOTALE_IMPORTO(),
              &d.Get_TOTALE_SCONTO(), &d.Get_TOTALE_OMAGGIO(), &d.Get_TOTALE_IMPORTO_NETTO(),
              &d.Get_TOTALE_SCONTO_EXTRA(), &d.Get_TOTALE_IMPONIBILE(), &d.Get_TOTALE_IVA(), &d.Get_TOTALE(),
              &d.Get_TOTALE_PROVVIGIONE()})
            text += v->ToString2(127, false).str() + " ";
        return text;
    };
    EXPECT_EQ(totals(*doc), totals(*each));
    EXPECT_NE(doc->Get_TOTALE(), Decimal());
}

TEST_P(Document, LinksAreStoredOnceAndReplacedOnEdit)
{
    auto first = NewDocument(5), second = NewDocument(6), unsaved = NewDocument(7);
    ASSERT_TRUE(first->DB_AddNew());
    ASSERT_TRUE(second->DB_AddNew());
    auto doc = NewDocument(8);
    EXPECT_EQ(doc->AssociaDocumento(*first, false, false, false), 0);
    EXPECT_EQ(doc->AssociaDocumento(first->Get_ID(), false, false, false), -1);
    EXPECT_EQ(doc->AssociaDocumento(*unsaved, false, false, false), -1);
    EXPECT_EQ(doc->AssociaDocumento(second->Get_ID(), false, false, false), 1);
    EXPECT_EQ(doc->Fwd_LISTA_DOCUMENTI_ASSOCIATI_GetAt(1).Get_NUMERO(), 6);
    EXPECT_THROW(doc->Fwd_LISTA_DOCUMENTI_ASSOCIATI_GetAt(2), CInvalidArgException);
    ASSERT_TRUE(doc->DB_AddNew());
    EXPECT_EQ(CountRows("DOC_REFERENZIA_DOCS"), 2);

    auto loaded = Reload(doc->Get_ID());
    // The stored links come back in the order the database gives them.
    const CDomainListaDocumentiAssociati& links = loaded->Get_LISTA_DOCUMENTI_ASSOCIATI();
    ASSERT_EQ(links.GetSize(), 2);
    ASSERT_TRUE(links.IsDocumentoPresente(second->Get_ID()));
    const int at = links.Find(first->Get_ID());
    ASSERT_GE(at, 0);
    EXPECT_EQ(links[at].Get_NUMERO(), 5);
    EXPECT_EQ(loaded->DisassociaDocumento(first->Get_ID()), at);
    EXPECT_EQ(loaded->DisassociaDocumento(first->Get_ID()), -1);
    ASSERT_TRUE(loaded->DB_Edit());
    EXPECT_EQ(Query("SELECT ID_DOCUMENTO_REF FROM DOC_REFERENZIA_DOCS"), std::to_string(second->Get_ID()));
}

}  // namespace

ORVEL_DATABASE_TEST_SUITE(Document);
