// CArray, CStringArray and CMap as the business objects use them: bounds checked at every
// accessor, shifting on removal and insertion, deep copies, and map walks that visit every key once.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "afx/Array.h"
#include "afx/Exception.h"
#include "afx/Map.h"
#include "afx/String.h"
#include "afx/StringArray.h"

namespace {

struct Line {
    long id = 0;
    CString code;
};

std::string Dump(const CArray<int, int>& a)
{
    std::string s;
    for (INT_PTR i = 0; i < a.GetSize(); ++i)
        s += std::to_string(a[i]) + (i + 1 < a.GetSize() ? "," : "");
    return s;
}

}  // namespace

TEST(Array, EditsShiftTheRestAndBadIndexesChangeNothing)
{
    CArray<int, int> a;
    for (int v : {0, 1, 2, 3, 4, 5})
        EXPECT_EQ(a.Add(v), v);
    a.RemoveAt(1);
    a.RemoveAt(2, 2);
    EXPECT_EQ(Dump(a), "0,2,5");
    a.InsertAt(1, 7, 2);
    a.InsertAt(5, 9);  // at the end
    a.InsertAt(0, a[5]);  // the argument is an element of the array itself
    EXPECT_EQ(Dump(a), "9,0,7,7,2,5,9");
    a.SetAtGrow(9, a[0]);  // grows with zeroes while reading from itself
    EXPECT_EQ(Dump(a), "9,0,7,7,2,5,9,0,0,9");
    a.SetSize(3);
    a.ElementAt(1) += 1;
    EXPECT_EQ(Dump(a), "9,1,7");

    const CArray<int, int>& c = a;
    for (INT_PTR bad : {INT_PTR(-1), INT_PTR(3)}) {
        EXPECT_THROW(c.GetAt(bad), CInvalidArgException);
        EXPECT_THROW(a.SetAt(bad, 9), CInvalidArgException);
        EXPECT_THROW(a[bad], CInvalidArgException);
        EXPECT_THROW(a.RemoveAt(bad), CInvalidArgException);
    }
    EXPECT_THROW(a.RemoveAt(1, 3), CInvalidArgException);  // runs past the end
    EXPECT_THROW(a.InsertAt(4, 9), CInvalidArgException);
    EXPECT_THROW(a.InsertAt(0, nullptr), CInvalidArgException);
    EXPECT_THROW(a.SetSize(-1), CInvalidArgException);
    EXPECT_EQ(Dump(a), "9,1,7");
}

TEST(Array, CopiesAreDeep)
{
    CArray<Line, const Line&> a;
    a.Add({1, "A"});
    a.Add({2, "B"});
    CArray<Line, const Line&> b(a);
    b[0].code = "changed";
    EXPECT_EQ(a[0].code, "A");
    CArray<Line, const Line&> c;
    c.Add({9, "Z"});
    c = a;
    c.Copy(c);
    ASSERT_EQ(c.GetSize(), 2);
    EXPECT_EQ(c[1].id, 2);
    EXPECT_EQ(c.Append(c), 2);
    EXPECT_EQ(c.GetSize(), 4);
    EXPECT_EQ(c[3].id, 2);
}

TEST(StringArray, TakesTextsAndStringsAndCopiesDeep)
{
    CStringArray a;
    a.Add("uno");
    a.Add(CString("due"));
    EXPECT_EQ(a.Add(static_cast<const char*>(nullptr)), 2);
    EXPECT_EQ(a[2], "");
    a.InsertAt(0, "zero");
    EXPECT_EQ(a.Find("due"), 2);
    EXPECT_EQ(a.Find("tre"), -1);
    EXPECT_THROW(a.SetAt(5, "x"), CInvalidArgException);
    CStringArray b(a);
    b[0] = "ZERO";
    EXPECT_EQ(a[0], "zero");
    EXPECT_EQ(b.Append(a), 4);
    EXPECT_EQ(b.GetSize(), 8);
    EXPECT_TRUE(CStringArray(b).IsKindOf(RUNTIME_CLASS(CStringArray)));
}

TEST(Map, LookupReplaceRemoveAndAWalkThatVisitsEveryKeyOnce)
{
    CMap<CString, const char*, long, long> m;
    std::map<std::string, long> expected;
    // Enough keys, with removals in between, to make the table rehash several times.
    for (long i = 0; i < 500; ++i) {
        CString k;
        k.Format("K%03ld", i);
        m.SetAt(k, i);
        expected[k.GetString()] = i;
        if (i % 7 == 3) {
            k.Format("K%03ld", i - 2);
            EXPECT_TRUE(m.RemoveKey(k));
            expected.erase(k.GetString());
        }
    }
    m.SetAt("K000", -1);  // replaces
    expected["K000"] = -1;
    long value = 7;
    EXPECT_FALSE(m.Lookup("K001", value));
    EXPECT_EQ(value, 7);
    EXPECT_FALSE(m.RemoveKey("K001"));
    EXPECT_EQ(m["NEW"], 0);  // operator[] inserts a default value
    EXPECT_TRUE(m.RemoveKey("NEW"));
    ASSERT_EQ(m.GetCount(), static_cast<INT_PTR>(expected.size()));

    // Removing the element just returned while walking skips nothing.
    std::map<std::string, long> seen;
    POSITION pos = m.GetStartPosition();
    CString key;
    while (pos != nullptr) {
        m.GetNextAssoc(pos, key, value);
        EXPECT_TRUE(seen.emplace(key.GetString(), value).second) << "visited twice: " << key.GetString();
        if (value % 2 == 0)
            m.RemoveKey(key);
    }
    EXPECT_EQ(seen, expected);
    INT_PTR kept = 0;
    for (const auto& [k, v] : expected) {
        EXPECT_EQ(m.Lookup(k.c_str(), value) != FALSE, v % 2 != 0) << k;
        kept += v % 2 != 0 ? 1 : 0;
    }
    CMap<CString, const char*, long, long> copy(m);
    m.RemoveAll();
    EXPECT_EQ(copy.GetCount(), kept);
    POSITION end = nullptr;
    EXPECT_THROW(m.GetNextAssoc(end, key, value), CInvalidArgException);
}
