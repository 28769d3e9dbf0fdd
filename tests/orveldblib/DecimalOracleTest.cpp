// Decimal against the reference results of tools/gen_decimal_vectors.py: several thousand
// operations computed independently with Python's exact integers and its decimal module,
// covering every operator, comparison, Round3, Fixed, conversion to long and text reading.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "DecimalTestHelpers.h"
#include "orveldblib/Decimal.h"

using decimal_test::D;
using decimal_test::Exact;

namespace {

std::string vectorsPath()
{
    return std::string(ORVEL_SOURCE_DIR) + "/tests/orveldblib/data/decimal_vectors.txt";
}

std::string binary(const std::string& op, const Decimal& a, const Decimal& b)
{
    try {
        if (op == "add")
            return Exact(a + b);
        if (op == "sub")
            return Exact(a - b);
        if (op == "mul")
            return Exact(a * b);
        return Exact(a / b);
    } catch (const DecimalOverflowException&) {
        return "overflow";
    } catch (const DecimalDivideByZeroException&) {
        return "divzero";
    }
}

std::string compare(const Decimal& a, const Decimal& b)
{
    int code = VarDecCmp(a, b);
    std::string viaOperators = a < b ? "LT" : (a > b ? "GT" : "EQ");
    std::string viaCode = code == VARCMP_LT ? "LT" : (code == VARCMP_GT ? "GT" : (code == VARCMP_EQ ? "EQ" : "?"));
    return viaCode == viaOperators ? viaCode : viaCode + "/" + viaOperators;
}

std::string parse(const std::string& text)
{
    Decimal d;
    bool ok = Decimal::TryParse(text.c_str(), d);
    std::string viaConstructor;
    try {
        viaConstructor = Exact(Decimal(text.c_str(), LOCALE_INVARIANT));
    } catch (const DecimalOverflowException&) {
        viaConstructor = "overflow";
    }
    if (!ok) {
        // A failed TryParse is either overflow (the constructor throws) or malformed (the
        // constructor gives zero).
        if (viaConstructor == "overflow")
            return "overflow";
        return viaConstructor == "0" && Exact(d) == "0" ? "malformed" : "malformed?" + viaConstructor;
    }
    return Exact(d) == viaConstructor ? Exact(d) : Exact(d) + "/" + viaConstructor;
}

}  // namespace

TEST(DecimalOracle, MatchesTheGeneratedReferenceResults)
{
    std::ifstream in(vectorsPath());
    ASSERT_TRUE(in) << "cannot open " << vectorsPath();
    std::map<std::string, int> checked;
    int failures = 0;
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string op, a, b, expected;
        fields >> op >> a;
        std::string actual;
        if (op == "add" || op == "sub" || op == "mul" || op == "div" || op == "cmp") {
            fields >> b >> expected;
            actual = op == "cmp" ? compare(D(a), D(b)) : binary(op, D(a), D(b));
        } else if (op == "round") {
            fields >> b >> expected;
            Decimal x = D(a);
            actual = Exact(x.Round3(std::stoi(b)));
        } else if (op == "fix") {
            fields >> expected;
            actual = Exact(D(a).Fixed());
        } else if (op == "long") {
            fields >> expected;
            try {
                actual = std::to_string(static_cast<long>(D(a)));
            } catch (const DecimalOverflowException&) {
                actual = "overflow";
            }
        } else if (op == "parse") {
            fields >> expected;
            actual = parse(a);
        } else {
            ADD_FAILURE() << "line " << lineNo << ": unknown operation " << op;
            continue;
        }
        ASSERT_FALSE(expected.empty()) << "line " << lineNo << " has no expected result";
        ++checked[op];
        if (actual != expected) {
            ++failures;
            if (failures <= 40)
                ADD_FAILURE() << "line " << lineNo << ": " << line << "\n  got " << actual;
        }
    }
    EXPECT_EQ(failures, 0);
    // The file must really exercise every operation, not just open.
    for (const char* op : {"add", "sub", "mul", "div", "cmp", "round", "fix", "long", "parse"})
        EXPECT_GE(checked[op], 90) << op;
    int total = 0;
    for (const auto& entry : checked)
        total += entry.second;
    EXPECT_GE(total, 5000);
}
