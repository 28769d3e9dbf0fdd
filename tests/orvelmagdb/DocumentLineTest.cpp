// Document lines: the amounts of a line as a table of business situations (discounts, extra
// discount, free gifts both ways, non-positive prices, negative VAT rates, multiplier and unit
// coefficient, another price precision), the rounding setters and the two prices that derive
// from each other, merging equality and sums of the warehouse and fashion kinds, and, on real
// databases, the VAT rate lookup and a round trip through the stored-line tables.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "orvelmagdb/ConfigGuard.h"
#include "orvelmagdb/MessageRecorder.h"
#include "orvelmagdb/ViewCase.h"
#include "orvelmagdb/domain/documents/DomainVoceDocumentoMagazzino.h"
#include "orvelmagdb/domain/documents/DomainVoceDocumentoModa.h"
#include "orvelmagdb/domain/promotions/DomainInformazioneSconti.h"
#include "orvelmagdb/recordsets/documentlines/VociDocumentoModaOperSet.h"
#include "orvelmagdb/recordsets/documentlines/VociDocumentoOperSet.h"
#include "orvelmagdb/recordsets/documentlines/VociDocumentoSet.h"
#include "orvelmagdb/recordsets/documentlines/detail/VociDocumentoModaLoadSet.h"

using orvel::test::ConfigGuard;
using Line = CDomainVoceDocumentoMagazzino;

namespace {

Decimal D(const char* text) { return Decimal(text, 127); }
std::string S(const Decimal& value) { return value.ToString2(127, false).str(); }
// Numeric form without trailing zeros, so expectations read as figures.
std::string N(const Decimal& value) { return value.ToString2(127, true).str(); }

// Every field of a line, as one text: two lines with the same fingerprint carry the same values.
std::string Fingerprint(const CDomainVoceDocumento& l)
{
    std::string out = std::to_string(l.Get_ID());
    for (const CString* t : {&l.Get_ID_ARTICOLO(), &l.Get_DESCRIZIONE(), &l.Get_UM(), &l.Get_ID_IVA(), &l.Get_TIPO(),
                             &l.Get_PZ_X_CONF(), &l.Get_CODICE_EAN(), &l.Get_INFO1(), &l.Get_INFO2(), &l.Get_INFO3(),
                             &l.Get_INFO4(), &l.Get_INFO5(), &l.Get_INFO6(), &l.Get_ID_SCONTO(), &l.Get_ID_LISTINO(),
                             &l.Get_ID_IMBALLO(), &l.Get_NOTE()})
        out += "|" + t->str();
    for (const Decimal* d :
         {&l.Get_QUANTITA(), &l.Get_QUANTITA_EVASA(), &l.Get_QUANTITA_DA_EVADERE(), &l.Get_QUANTITA_OMAGGIO(),
          &l.Get_QUANTITA_OMAGGIO_PAGATA(), &l.Get_COEFFICIENTE_UM(), &l.Get_PREZZO_COMPLETO(), &l.Get_PREZZO_PZ(),
          &l.Get_PREZZO_PZ_IVATO(), &l.Get_PREZZO_ACQUISTO(), &l.Get_ALIQUOTA_IVA(), &l.Get_SCONTO1(), &l.Get_SCONTO2(),
          &l.Get_SCONTO3(), &l.Get_SCONTO4(), &l.Get_SCONTO_EXTRA(), &l.Get_PROVVIGIONE(), &l.Get_QUANTITA_LORDA(),
          &l.Get_PESO_IMBALLO()})
        out += "|" + S(*d);
    for (long v : {l.Get_SCONTA_IVA(), l.Get_MOLTIPLICATORE_QTA(), l.Get_NUMERO_IMBALLI(), l.Get_LOTTO_ANNO(),
                   l.Get_LOTTO_NUMERO(), l.Get_NRIGA()})
        out += "|" + std::to_string(v);
    return out;
}

// A line with a value of its own in every field.
void FillAll(CDomainVoceDocumento& l)
{
    l.Set_ID_ARTICOLO("ART1"), l.Set_DESCRIZIONE("Chianti 0,75"), l.Set_UM("BT"), l.Set_ID_IVA("22", false);
    l.Set_TIPO("A"), l.Set_PZ_X_CONF("6"), l.Set_CODICE_EAN("8001234567890");
    l.Set_INFO1("i1"), l.Set_INFO2("i2"), l.Set_INFO3("i3"), l.Set_INFO4("i4"), l.Set_INFO5("i5"), l.Set_INFO6("i6");
    l.Set_ID_SCONTO("B1"), l.Set_ID_LISTINO("L2"), l.Set_ID_IMBALLO("CASSA"), l.Set_NOTE("O'Neil's note");
    l.Set_QUANTITA(D("12.5")), l.Set_QUANTITA_EVASA(D("2")), l.Set_QUANTITA_DA_EVADERE(D("10.5"));
    l.Set_QUANTITA_OMAGGIO(D("1")), l.Set_QUANTITA_OMAGGIO_PAGATA(D("0.12345")), l.Set_COEFFICIENTE_UM(D("6"));
    l.Set_PREZZO_COMPLETO(D("9.99")), l.Set_PREZZO_PZ(D("7.5"), false), l.Set_PREZZO_PZ_IVATO(D("9.15"), false);
    l.Set_PREZZO_ACQUISTO(D("0.85")), l.Set_ALIQUOTA_IVA(D("22")), l.Set_SCONTO1(D("10")), l.Set_SCONTO2(D("5"));
    l.Set_SCONTO3(D("2.5")), l.Set_SCONTO4(D("1")), l.Set_SCONTO_EXTRA(D("3")), l.Set_PROVVIGIONE(D("4"));
    l.Set_QUANTITA_LORDA(D("13")), l.Set_PESO_IMBALLO(D("0.4")), l.Set_SCONTA_IVA(0), l.Set_MOLTIPLICATORE_QTA(2);
    l.Set_NUMERO_IMBALLI(3), l.Set_LOTTO_ANNO(2024), l.Set_LOTTO_NUMERO(17), l.Set_NRIGA(4);
}

// Every precision 2 but quantities, 3.
void ShopPrecisions(ConfigGuard& config) { config.SetShopDefaults(), config.Set("precisione/quantita", "3"); }

class DocumentLine : public ::testing::Test {
protected:
    void SetUp() override { ShopPrecisions(config); }
    ConfigGuard config;
};

TEST_F(DocumentLine, AmountsOfBusinessSituations)
{
    const Line fresh(nullptr);
    EXPECT_EQ(Fingerprint(fresh), "-1|||||A|1||||||||||||0|0|0|0|0|1|0|0|0|0|0|0|0|0|0|0|0|0|0|1|1|0|-1|-1|0");
    for (const Decimal& amount : {fresh.Get_TOTALE_IMPORTO(), fresh.Get_TOTALE(D("10")), fresh.Get_MARGINE_APPLICATO()})
        EXPECT_EQ(N(amount), "0");

    const struct {
        const char* what;
        // price precision, Q QO QOP P PA S1 S2 S3 S4 X(also the line's own) VAT commission, gift switch,
        // multiplier, unit coefficient
        const char* line;
        // gross|net|taxable|taxable without extra|VAT|total|discount|gift|cost|commission|finished price|margin
        const char* expected;
    } cases[] = {
        {"two cascading discounts", "2 10 0 0 100 60 10 5 0 0 0 22 5 1 1 1",
         "1000|855|855|855|188.1|1043.1|145|0|600|42.75|85.5|29.825"},
        {"and an extra discount", "2 10 0 0 100 0 10 5 0 0 10 22 0 1 1 1",
         "1000|769.5|769.5|855|169.29|938.79|230.5|0|0|0|76.95|100"},
        {"four discounts", "2 1 0 0 200 0 50 10 10 50 0 0 0 1 1 1", "200|40.5|40.5|40.5|0|40.5|159.5|0|0|0|40.5|100"},
        {"all given away, gift as discount", "2 3 3 0 10 4 0 0 0 0 0 22 0 1 1 1", "30|0|0|0|0|0|30|0|0|0|10|0"},
        {"all given away, gift charged with VAT", "2 3 3 0 10 4 0 0 0 0 0 22 0 0 1 1",
         "30|0|30|30|6.6|6.6|0|30|0|0|10|0"},
        {"part gift as discount, borne gift", "2 5 1 1 10 2 10 0 0 0 0 10 0 1 1 1",
         "50|36|36|36|3.6|39.6|14|0|10|0|9|72.222"},
        {"part gift charged with VAT", "2 5 1 0 10 0 10 0 0 0 0 10 0 0 1 1", "50|36|46|46|4.6|40.6|4|10|0|0|9|100"},
        {"negative price: no discount", "2 2 1 0 -5 0 10 0 0 0 20 22 0 1 1 1", "-10|-5|-5|-5|-1.1|-6.1|0|0|0|0|-3.6|0"},
        {"zero price", "2 2 1 0 0 1 10 0 0 0 0 22 0 0 1 1", "0|0|0|0|0|0|0|0|1|0|0|0"},
        {"negative VAT rate: nothing taxed", "2 2 0 0 10 0 0 0 0 0 0 -1 0 1 1 1", "20|20|0|0|0|20|0|0|0|0|10|100"},
        {"multiplier and unit coefficient", "2 3 1 1 10 1.5 0 0 0 0 0 22 0 1 2 6", "60|40|40|40|8.8|48.8|20|0|54|0|10|-35"},
        {"total rounded once", "2 1 0 0 1.25 0 10 0 0 0 0 22 0 1 1 1", "1.25|1.13|1.13|1.13|0.25|1.37|0.13|0|0|0|1.13|100"},
        {"three decimals", "3 3 0 0 1.2345 0 12.5 0 0 0 0 22 0 1 1 1",
         "3.705|3.242|3.242|3.242|0.713|3.955|0.463|0|0|0|1.081|100"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<std::string> f = orvel::test::Split(c.line, ' ');
        auto v = [&](int i) { return D(f[i].c_str()); };
        ConfigGuard local;
        local.Set("precisione/prezzi", f[0]);
        Line l(nullptr);
        l.Set_QUANTITA(v(1)), l.Set_QUANTITA_OMAGGIO(v(2)), l.Set_QUANTITA_OMAGGIO_PAGATA(v(3));
        l.Set_PREZZO_PZ(v(4), false), l.Set_PREZZO_ACQUISTO(v(5)), l.Set_SCONTO1(v(6)), l.Set_SCONTO2(v(7));
        l.Set_SCONTO3(v(8)), l.Set_SCONTO4(v(9)), l.Set_SCONTO_EXTRA(v(10)), l.Set_ALIQUOTA_IVA(v(11));
        l.Set_PROVVIGIONE(v(12)), l.Set_SCONTA_IVA(std::stol(f[13])), l.Set_MOLTIPLICATORE_QTA(std::stol(f[14]));
        l.Set_COEFFICIENTE_UM(v(15));
        const Decimal x = v(10);
        std::string got;
        for (const Decimal& a : {l.Get_TOTALE_IMPORTO(), l.Get_TOTALE_IMPORTO_NETTO(x), l.Get_TOTALE_IMPONIBILE(x),
                                 l.Get_TOTALE_IMPONIBILE_NOSCONTOEXTRA(), l.Get_TOTALE_IVA(x), l.Get_TOTALE(x),
                                 l.Get_TOTALE_SCONTO(x), l.Get_TOTALE_OMAGGIO(), l.Get_TOTALE_IMPORTO_ACQUISTO(),
                                 l.Get_TOTALE_PROVVIGIONE(x), l.Get_PREZZO_FINITO_IVA_ESCLUSA(),
                                 l.Get_MARGINE_APPLICATO()})
            got += (got.empty() ? "" : "|") + N(a);
        EXPECT_EQ(got, c.expected);
    }
}

TEST_F(DocumentLine, SettersRoundToTheirPrecisionAndDeriveThePrices)
{
    Line l(nullptr);
    l.Set_QUANTITA(CString("1.23456")), l.Set_QUANTITA_OMAGGIO_PAGATA(D("0.1234567"));
    l.Set_COEFFICIENTE_UM(D("2.123456")), l.Set_SCONTO1(CString("10.125")), l.Set_ALIQUOTA_IVA(D("-4.555"));
    l.Set_PREZZO_ACQUISTO(D("1.005"));
    EXPECT_EQ(S(l.Get_QUANTITA()) + " " + S(l.Get_QUANTITA_OMAGGIO_PAGATA()) + " " + S(l.Get_COEFFICIENTE_UM()) + " " +
                  S(l.Get_SCONTO1()) + " " + S(l.Get_ALIQUOTA_IVA()) + " " + S(l.Get_PREZZO_ACQUISTO()),
              "1.235 0.12346 2.1235 10.13 -4.56 1.01");

    l.Set_ALIQUOTA_IVA(D("22")), l.Set_PREZZO_PZ(CString("100"), true);
    EXPECT_EQ(N(l.Get_PREZZO_PZ_IVATO()), "122");
    l.Set_PREZZO_PZ_IVATO(D("10"), true);
    EXPECT_EQ(S(l.Get_PREZZO_PZ()), "8.20");
    l.Set_PREZZO_PZ_IVATO(D("50"), false), l.Set_PREZZO_PZ(D("1.234"), false);
    EXPECT_EQ(S(l.Get_PREZZO_PZ()) + " " + N(l.Get_PREZZO_PZ_IVATO()), "1.23 50");

    // A line keeps the precisions it was built with; a new line, or a reset one, takes the new.
    config.Set("precisione/prezzi", "0");
    Line copy(l);
    l.Set_PREZZO_PZ(D("2.5"), false), copy.Set_PREZZO_PZ(D("2.555"), false);
    EXPECT_EQ(S(l.Get_PREZZO_PZ()) + " " + S(copy.Get_PREZZO_PZ()), "2.5 2.56");
    l.Reset();
    EXPECT_EQ(Fingerprint(l), Fingerprint(Line(nullptr)));
    l.Set_PREZZO_PZ(D("2.5"), false);
    EXPECT_EQ(S(l.Get_PREZZO_PZ()), "3");
}

TEST_F(DocumentLine, EqualityForMergingLooksAtTheIdentityOfTheSaleOnly)
{
    Line a(nullptr);
    FillAll(a);
    Line b(a);
    // Quantities, texts, extra discount, VAT rate and purchase price do not count; numbers are
    // compared as numbers.
    b.Set_QUANTITA(D("99")), b.Set_DESCRIZIONE("other"), b.Set_SCONTO_EXTRA(D("50")), b.Set_ALIQUOTA_IVA(D("4"));
    b.Set_PREZZO_ACQUISTO(D("3")), b.Set_PREZZO_PZ(D("7.50"), false), b.Set_TIPO("B");
    EXPECT_TRUE(a == b) << "the other line's type is not examined";
    EXPECT_FALSE(b == a) << "a line of type B never merges";

    using Change = void (*)(Line&);
    for (Change change : std::initializer_list<Change>{
             [](Line& l) { l.Set_ID_ARTICOLO("ART2"); }, [](Line& l) { l.Set_CODICE_EAN("8000000000000"); },
             [](Line& l) { l.Set_UM("bt"); }, [](Line& l) { l.Set_PREZZO_PZ(D("7.51"), false); },
             [](Line& l) { l.Set_SCONTA_IVA(1); }, [](Line& l) { l.Set_ID_IVA("10", false); },
             [](Line& l) { l.Set_SCONTO1(D("11")); }, [](Line& l) { l.Set_SCONTO2(D("6")); },
             [](Line& l) { l.Set_SCONTO3(D("3")); }, [](Line& l) { l.Set_SCONTO4(D("2")); },
             [](Line& l) { l.Set_PROVVIGIONE(D("5")); }, [](Line& l) { l.Set_ID_IMBALLO(""); },
             [](Line& l) { l.Set_LOTTO_ANNO(2023); }, [](Line& l) { l.Set_LOTTO_NUMERO(18); },
             [](Line& l) { l.Set_TIPO("R"); }}) {
        Line c(a);
        change(c);
        EXPECT_FALSE(c == a) << Fingerprint(c);
    }

    using Fashion = CDomainVoceDocumentoModa;
    Fashion m(nullptr), o(nullptr);
    FillAll(m), FillAll(o);
    EXPECT_TRUE(m == o);
    for (auto change : {+[](Fashion& l) { l.Set_ID_TAGLIA("44"); }, +[](Fashion& l) { l.Set_ID_COLORE("ROSSO"); },
                        +[](Fashion& l) { l.Set_ID_SCALA_TAGLIA("IT"); }, +[](Fashion& l) { l.Set_RN(2); }})
        EXPECT_FALSE(m == (o = m, change(o), o)) << "size, colour, size scale and row number count";
}

TEST_F(DocumentLine, SumsAddQuantitiesAndKeepEverythingElse)
{
    Line a(nullptr), b(nullptr);
    FillAll(a), FillAll(b);
    b.Set_PREZZO_PZ(D("1"), false), b.Set_DESCRIZIONE("other"), b.Set_PESO_IMBALLO(D("9"));
    b.Set_QUANTITA_OMAGGIO_PAGATA(D("0.00001"));
    const Line sum = a + b;
    Line expected(a);  // all but the quantities come from the left line
    expected.Set_QUANTITA(D("25.0")), expected.Set_QUANTITA_OMAGGIO(D("2")), expected.Set_QUANTITA_EVASA(D("4"));
    expected.Set_QUANTITA_OMAGGIO_PAGATA(D("0.12346")), expected.Set_QUANTITA_DA_EVADERE(D("21.0"));
    expected.Set_QUANTITA_LORDA(D("26")), expected.Set_NUMERO_IMBALLI(6);
    EXPECT_EQ(Fingerprint(sum), Fingerprint(expected));
    CDomainVoceDocumento& target = a;  // through a plain line reference, as a detail merges
    target += b;
    EXPECT_EQ(Fingerprint(a), Fingerprint(sum));

    CDomainVoceDocumentoModa m(nullptr);
    FillAll(m), m.Set_ID_COLORE("NERO");
    m += b;
    expected.Set_QUANTITA_LORDA(D("13")), expected.Set_NUMERO_IMBALLI(3);
    EXPECT_EQ(Fingerprint(m), Fingerprint(expected)) << "a fashion sum keeps gross quantity and packages";
    std::unique_ptr<CDomainVoceDocumento> clone(m.Clone());
    auto* fashion = dynamic_cast<CDomainVoceDocumentoModa*>(clone.get());
    ASSERT_TRUE(fashion && *fashion == m && fashion->Get_ID_COLORE() == "NERO");
    fashion->Reset();
    EXPECT_EQ(fashion->Get_ID_COLORE() + Fingerprint(*fashion).c_str(), Fingerprint(Line(nullptr)).c_str());
}

// ---- on real databases ----

class DocumentLineDb : public orvel::test::ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        ShopPrecisions(config);
        if (!IsSkipped())
            Seed("INSERT INTO DOCUMENTO (ID, NUMERO, ANNO, SERIE) VALUES (7, 1, 2024, ' ');"
                 "INSERT INTO IVA (CODICE, DESCRIZIONE, ALIQUOTA) VALUES ('22', 'Ordinaria', '22.00');"
                 "INSERT INTO IVA (CODICE, DESCRIZIONE, ALIQUOTA) VALUES ('O''4', 'Quoted', '4.125')");
    }

    // Writes a line as the document's line write does (the database gives the id), and reads it
    // back through the load set named; returns the line read.
    template <class OperSet, class LoadSet, class LineKind>
    LineKind RoundTrip(const LineKind& line, const char* loadSet)
    {
        Exec("DELETE FROM VOCI_DOCUMENTO");
        OperSet out(&db());
        out.m_strFilter = "ID = -1";
        out.Open();
        out.AddNew();
        line.ToRecordset(out);
        out.ID_DOCUMENTO = 7;
        out.Update();
        // The fashion load set is the library's own: reached through the class registry.
        std::unique_ptr<CRecordset> in = Make(loadSet);
        LineKind read(&db());
        if (in == nullptr || (in->Open(), in->IsEOF()))
            ADD_FAILURE() << "no line read back through " << loadSet;
        else
            read.FromRecordset(static_cast<LoadSet&>(*in));
        return read;
    }
    ConfigGuard config;
};

TEST_P(DocumentLineDb, VatCodeLooksUpItsRate)
{
    orvel::test::MessageRecorder boxes;  // no box but for the failure at the end
    Line l(&db());
    l.Set_ALIQUOTA_IVA(D("10")), l.Set_ID_IVA("22", false);
    EXPECT_EQ(N(l.Get_ALIQUOTA_IVA()), "10") << "no lookup asked";
    l.Set_ID_IVA("O'4", true);
    EXPECT_EQ(S(l.Get_ALIQUOTA_IVA()), "4.13");
    l.Set_ID_IVA("99", true);
    EXPECT_EQ(l.Get_ID_IVA() + S(l.Get_ALIQUOTA_IVA()).c_str(), "994.13") << "a missing code leaves the rate";

    Exec("ALTER TABLE IVA RENAME TO IVA_ALTROVE");
    l.Set_ID_IVA("22", true);
    EXPECT_EQ(S(l.Get_ALIQUOTA_IVA()) + " " + std::to_string(boxes.messages.size()), "4.13 1") << "error shown";
}

TEST_P(DocumentLineDb, LinesRoundTripThroughTheStoredLines)
{
    Line full(&db()), bare(&db());
    FillAll(full);
    bare.Set_LOTTO_ANNO(0);  // no lot: stored as NULL, read back as none
    bare.Set_ID_LISTINO(CDomainInformazioneSconti::GetIDListinoUltimoPrezzo());
    Line bareRead(bare);  // what comes back: no lot, no price list
    bareRead.Set_LOTTO_ANNO(-1), bareRead.Set_ID_LISTINO("");
    CDomainVoceDocumentoModa fashion(&db());
    FillAll(fashion);
    fashion.Set_ID_SCALA_TAGLIA("IT"), fashion.Set_ID_TAGLIA("42"), fashion.Set_ID_COLORE("NERO"), fashion.Set_RN(3);

    const struct {
        const CDomainVoceDocumento* line;
        const CDomainVoceDocumento* expected;
        const char* rawColumns;  // as the table holds them
        const char* raw;
    } cases[] = {
        {&full, &full, "LOTTO_ANNO|LOTTO_NUMERO|ID_LISTINO|NRIGA|QUANTITA", "2024|17|L2|4|12.5"},
        {&bare, &bareRead, "LOTTO_ANNO|LOTTO_NUMERO|ID_LISTINO|DESCRIZIONE|NRIGA|SCONTA_IVA", "NULL|NULL|NULL|NULL|0|1"},
        {&fashion, &fashion, "ID_TAGLIA|RN|PREZZO_COMPLETO", "42|3|9.99"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Fingerprint(*c.line));
        std::string read;
        if (const auto* asFashion = dynamic_cast<const CDomainVoceDocumentoModa*>(c.line)) {
            CDomainVoceDocumentoModa line =
                RoundTrip<CVociDocumentoModaOperSet, CVociDocumentoModaLoadSet>(*asFashion, "CVociDocumentoModaLoadSet");
            EXPECT_TRUE(line == *asFashion) << "size scale, size, colour and row number read back";
            read = Fingerprint(line);
        } else {
            read = Fingerprint(RoundTrip<CVociDocumentoOperSet, CVociDocumentoSet>(*static_cast<const Line*>(c.line),
                                                                                   "CVociDocumentoSet"));
        }
        const std::string id = std::to_string(QueryLong("SELECT MAX(ID) FROM VOCI_DOCUMENTO"));
        std::string expected = Fingerprint(*c.expected);
        EXPECT_EQ(read, expected.replace(0, expected.find('|'), id));  // the database gave the id
        std::string raw;
        for (const std::string& column : orvel::test::Split(c.rawColumns, '|')) {
            auto value = QueryText(("SELECT " + column + " FROM VOCI_DOCUMENTO WHERE ID = " + id).c_str());
            raw += (raw.empty() ? "" : "|") + value.value_or("NULL");
        }
        EXPECT_EQ(raw, c.raw);
    }
}

ORVEL_DATABASE_TEST_SUITE(DocumentLineDb);

}  // namespace
