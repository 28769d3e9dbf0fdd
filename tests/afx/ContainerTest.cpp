// CArray, CStringArray and CMap: bounds checked at every accessor, shifting on removal and
// insertion, resizing, deep copies, and CMap walks that visit every key exactly once.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
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

CArray<int, int> Numbers(std::initializer_list<int> values)
{
    CArray<int, int> a;
    for (int v : values)
        a.Add(v);
    return a;
}

std::string Dump(const CArray<int, int>& a)
{
    std::string s;
    for (INT_PTR i = 0; i < a.GetSize(); ++i)
        s += std::to_string(a[i]) + (i + 1 < a.GetSize() ? "," : "");
    return s;
}

}  // namespace

TEST(Array, AddReturnsTheIndexAndSizesFollow)
{
    CArray<int, int> a;
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_EQ(a.GetUpperBound(), -1);
    EXPECT_EQ(a.GetData(), nullptr);
    EXPECT_EQ(a.Add(10), 0);
    EXPECT_EQ(a.Add(20), 1);
    EXPECT_EQ(a.GetSize(), 2);
    EXPECT_EQ(a.GetCount(), 2);
    EXPECT_EQ(a.GetUpperBound(), 1);
    EXPECT_FALSE(a.IsEmpty());
    a[0] = 11;
    a.ElementAt(1) += 1;
    a.SetAt(0, a.GetAt(0) + 1);
    EXPECT_EQ(Dump(a), "12,21");
    EXPECT_EQ(a.GetData()[1], 21);
}

TEST(Array, EveryAccessorChecksTheIndex)
{
    CArray<int, int> a = Numbers({1, 2, 3});
    const CArray<int, int>& c = a;
    for (INT_PTR bad : {INT_PTR(-1), INT_PTR(3), INT_PTR(1000)}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(a.GetAt(bad), CInvalidArgException);
        EXPECT_THROW(c.GetAt(bad), CInvalidArgException);
        EXPECT_THROW(a.ElementAt(bad), CInvalidArgException);
        EXPECT_THROW(c.ElementAt(bad), CInvalidArgException);
        EXPECT_THROW(a.SetAt(bad, 9), CInvalidArgException);
        EXPECT_THROW(a[bad], CInvalidArgException);
        EXPECT_THROW(c[bad], CInvalidArgException);
        EXPECT_THROW(a.RemoveAt(bad), CInvalidArgException);
    }
    EXPECT_THROW(a.RemoveAt(1, 3), CInvalidArgException);   // runs past the end
    EXPECT_THROW(a.RemoveAt(0, -1), CInvalidArgException);
    EXPECT_THROW(a.InsertAt(4, 9), CInvalidArgException);   // beyond size
    EXPECT_THROW(a.InsertAt(-1, 9), CInvalidArgException);
    EXPECT_THROW(a.InsertAt(0, 9, -2), CInvalidArgException);
    EXPECT_THROW(a.InsertAt(0, nullptr), CInvalidArgException);
    EXPECT_THROW(a.SetSize(-1), CInvalidArgException);
    EXPECT_THROW(a.SetAtGrow(-1, 0), CInvalidArgException);
    EXPECT_EQ(Dump(a), "1,2,3");  // no failed call changed anything
    CArray<int, int> empty;
    EXPECT_THROW(empty[0], CInvalidArgException);
    EXPECT_THROW(empty.RemoveAt(0), CInvalidArgException);
}

TEST(Array, RemoveAndInsertShiftTheRest)
{
    CArray<int, int> a = Numbers({0, 1, 2, 3, 4, 5});
    a.RemoveAt(1);
    EXPECT_EQ(Dump(a), "0,2,3,4,5");
    a.RemoveAt(2, 2);
    EXPECT_EQ(Dump(a), "0,2,5");
    a.RemoveAt(2);
    EXPECT_EQ(Dump(a), "0,2");
    a.RemoveAt(2, 0);  // nothing, at the end
    a.InsertAt(1, 7, 2);
    EXPECT_EQ(Dump(a), "0,7,7,2");
    a.InsertAt(4, 9);  // at the end
    EXPECT_EQ(Dump(a), "0,7,7,2,9");
    a.InsertAt(0, a[4]);  // the argument is an element of the array itself
    EXPECT_EQ(Dump(a), "9,0,7,7,2,9");
    const CArray<int, int> more = Numbers({-1, -2});
    a.InsertAt(2, &more);
    EXPECT_EQ(Dump(a), "9,0,-1,-2,7,7,2,9");
    a.InsertAt(0, &a);  // itself
    EXPECT_EQ(a.GetSize(), 16);
    EXPECT_EQ(a[8], 9);
    a.RemoveAll();
    EXPECT_TRUE(a.IsEmpty());
}

TEST(Array, SetSizeGrowsWithZeroesAndShrinks)
{
    CArray<long, long> a;
    a.Add(5);
    a.SetSize(4, 16);
    ASSERT_EQ(a.GetSize(), 4);
    EXPECT_EQ(a[0], 5);
    EXPECT_EQ(a[3], 0);
    a.SetSize(1);
    EXPECT_EQ(a.GetSize(), 1);
    EXPECT_EQ(a[0], 5);
    a.SetAtGrow(3, 8);
    EXPECT_EQ(a.GetSize(), 4);
    EXPECT_EQ(a[2], 0);
    EXPECT_EQ(a[3], 8);
    a.SetAtGrow(10, a[0]);  // argument from the array while it grows
    EXPECT_EQ(a[10], 5);
    CArray<Line*, Line*> pointers;
    pointers.SetSize(2);
    EXPECT_EQ(pointers[1], nullptr);
    a.SetSize(0);
    EXPECT_TRUE(a.IsEmpty());
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
    ASSERT_EQ(c.GetSize(), 2);
    EXPECT_EQ(c[1].id, 2);
    c.Copy(c);  // self copy keeps the content
    EXPECT_EQ(c.GetSize(), 2);
    CArray<Line, const Line&> d;
    d.Copy(a);
    d[1].id = 99;
    EXPECT_EQ(a[1].id, 2);
    EXPECT_EQ(d.Append(a), 2);
    EXPECT_EQ(d.GetSize(), 4);
    EXPECT_EQ(d[3].id, 2);
    EXPECT_EQ(d.Append(d), 4);
    EXPECT_EQ(d.GetSize(), 8);
    EXPECT_EQ(d[5].id, 99);
}

TEST(StringArray, TakesTextsAndStrings)
{
    CStringArray a;
    EXPECT_EQ(a.Add("uno"), 0);
    EXPECT_EQ(a.Add(CString("due")), 1);
    EXPECT_EQ(a.Add(static_cast<const char*>(nullptr)), 2);
    EXPECT_EQ(a[2], "");
    a.SetAt(2, "tre");
    a.InsertAt(0, "zero");
    EXPECT_EQ(a.GetSize(), 4);
    EXPECT_EQ(a.GetAt(0), "zero");
    EXPECT_EQ(a.GetAt(3), "tre");
    EXPECT_EQ(a.Find("due"), 2);
    EXPECT_EQ(a.Find("quattro"), -1);
    a.RemoveAt(0);
    EXPECT_EQ(a[0], "uno");
    EXPECT_THROW(a.GetAt(3), CInvalidArgException);
    EXPECT_THROW(a.SetAt(5, "x"), CInvalidArgException);

    CStringArray b;
    b.Copy(a);
    b[0] = "UNO";
    EXPECT_EQ(a[0], "uno");
    EXPECT_EQ(b.Append(a), 3);
    EXPECT_EQ(b.GetSize(), 6);
    EXPECT_EQ(b[3], "uno");
    CStringArray c(b);
    EXPECT_EQ(c.GetSize(), 6);
    EXPECT_TRUE(c.IsKindOf(RUNTIME_CLASS(CStringArray)));
    b.RemoveAll();
    EXPECT_EQ(c.GetSize(), 6);
}

TEST(Map, LookupSetAtRemoveKey)
{
    CMap<long, long, CString, const CString&> m;
    EXPECT_TRUE(m.IsEmpty());
    EXPECT_EQ(m.GetStartPosition(), nullptr);
    m.SetAt(1, "one");
    m[2] = "two";
    m.SetAt(1, "uno");  // replaces
    EXPECT_EQ(m.GetCount(), 2);
    EXPECT_EQ(m.GetSize(), 2);
    CString value("untouched");
    EXPECT_TRUE(m.Lookup(1, value));
    EXPECT_EQ(value, "uno");
    value = "untouched";
    EXPECT_FALSE(m.Lookup(3, value));
    EXPECT_EQ(value, "untouched");
    EXPECT_EQ(m[3], "");  // operator[] inserts a default value
    EXPECT_EQ(m.GetCount(), 3);
    EXPECT_TRUE(m.RemoveKey(3));
    EXPECT_FALSE(m.RemoveKey(3));
    EXPECT_EQ(m.GetCount(), 2);
    CMap<int, int, double, double> numbers;
    EXPECT_EQ(numbers[7], 0.0);
    m.RemoveAll();
    EXPECT_TRUE(m.IsEmpty());
}

TEST(Map, StringKeysThroughConstCharArguments)
{
    CMap<CString, const char*, Line, const Line&> vat;
    vat.SetAt("22", {22, "ordinary"});
    vat.SetAt(CString("10"), {10, "reduced"});
    const CString key("4");
    vat[key].id = 4;
    Line found;
    EXPECT_TRUE(vat.Lookup("10", found));
    EXPECT_EQ(found.code, "reduced");
    EXPECT_TRUE(vat.Lookup(key, found));
    EXPECT_EQ(found.id, 4);
    EXPECT_FALSE(vat.Lookup("22 ", found));  // keys are exact
    EXPECT_TRUE(vat.RemoveKey("22"));
    EXPECT_EQ(vat.GetCount(), 2);
}

TEST(Map, WalkVisitsEveryKeyOnceWhileBeingBuiltAndTrimmed)
{
    CMap<CString, const char*, long, long> m;
    std::map<std::string, long> expected;
    // Build up with removals in between, enough to make the table rehash several times.
    for (long i = 0; i < 500; ++i) {
        CString k;
        k.Format("K%03ld", i);
        m.SetAt(k, i);
        expected[k.GetString()] = i;
        if (i % 7 == 3) {
            CString gone;
            gone.Format("K%03ld", i - 2);
            EXPECT_TRUE(m.RemoveKey(gone));
            expected.erase(gone.GetString());
        }
    }
    ASSERT_EQ(m.GetCount(), static_cast<INT_PTR>(expected.size()));

    std::map<std::string, long> seen;
    POSITION pos = m.GetStartPosition();
    CString key;
    long value = 0;
    while (pos != nullptr) {
        m.GetNextAssoc(pos, key, value);
        EXPECT_TRUE(seen.emplace(key.GetString(), value).second) << "visited twice: " << key.GetString();
    }
    EXPECT_EQ(seen, expected);

    // Removing the element just returned while walking is allowed and skips nothing.
    std::set<std::string> visited;
    pos = m.GetStartPosition();
    while (pos != nullptr) {
        m.GetNextAssoc(pos, key, value);
        visited.insert(key.GetString());
        if (value % 2 == 0)
            m.RemoveKey(key);
    }
    EXPECT_EQ(visited.size(), expected.size());
    for (const auto& [k, v] : expected) {
        long dummy = 0;
        EXPECT_EQ(m.Lookup(k.c_str(), dummy), v % 2 == 0 ? FALSE : TRUE) << k;
    }

    POSITION end = nullptr;
    EXPECT_THROW(m.GetNextAssoc(end, key, value), CInvalidArgException);
}

TEST(Map, CopiesAreDeepAndDerivedClassesWork)
{
    class VatSummary : public CMap<CString, const char*, long, long> {
    public:
        long Total() const
        {
            long sum = 0;
            POSITION pos = GetStartPosition();
            CString k;
            long v = 0;
            while (pos != nullptr) {
                GetNextAssoc(pos, k, v);
                sum += v;
            }
            return sum;
        }
    };
    VatSummary a;
    a.SetAt("22", 100);
    a.SetAt("10", 50);
    VatSummary b(a);
    b.SetAt("22", 1);
    EXPECT_EQ(a.Total(), 150);
    EXPECT_EQ(b.Total(), 51);
    b = a;
    EXPECT_EQ(b.Total(), 150);
    std::unique_ptr<CObject> owned = std::make_unique<VatSummary>(a);  // deletable through the base
    EXPECT_EQ(static_cast<VatSummary*>(owned.get())->Total(), 150);
}
