// CString as business code uses it: printf formatting (long results, the string as its own
// argument), clamped extraction, searching, trimming, editing, comparison, and the exception a host
// sees for an index out of range.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>

#include "afx/Exception.h"
#include "afx/String.h"

TEST(String, FormatFollowsPrintfAndMayReadItself)
{
    CString s;
    s.Format("%ld|%s|%.2f|%05d|%-4s|%x", 1234567890L, "abc", 3.14159, 42, "ab", 255);
    EXPECT_EQ(s, "1234567890|abc|3.14|00042|ab  |ff");
    const std::string part(300, 'x');  // longer than any inline buffer
    s.Format("[%s]-%d", part.c_str(), 7);
    EXPECT_EQ(s, ("[" + part + "]-7").c_str());
    s.AppendFormat("%s", s.GetString());
    EXPECT_EQ(s.GetLength(), 2 * 304);
    s = "abc";
    s.Format("(%s)", s.GetString());
    EXPECT_EQ(s, "(abc)");
    EXPECT_THROW(s.Format(nullptr), CInvalidArgException);
}

TEST(String, ExtractionSearchAndTrimTable)
{
    const CString s("ABCDEF");
    const CString dots("a.b.c");
    const CString blank(" \t ab c \r\n");
    const struct {
        std::function<CString()> run;
        const char* expected;
    } cases[] = {
        {[&] { return s.Left(2); }, "AB"},         {[&] { return s.Left(99); }, "ABCDEF"},
        {[&] { return s.Left(-1); }, ""},          {[&] { return s.Right(2); }, "EF"},
        {[&] { return s.Right(-5); }, ""},         {[&] { return s.Mid(2); }, "CDEF"},
        {[&] { return s.Mid(2, 2); }, "CD"},       {[&] { return s.Mid(4, 99); }, "EF"},
        {[&] { return s.Mid(-3, 2); }, "AB"},      {[&] { return s.Mid(99, 2); }, ""},
        {[&] { return s.Mid(1, -2); }, ""},        {[&] { return CString(blank).Trim(); }, "ab c"},
        {[&] { return CString(blank).TrimLeft(); }, "ab c \r\n"},
        {[&] { return CString(blank).TrimRight(); }, " \t ab c"},
        {[] { return CString("000120").TrimLeft('0'); }, "120"},
        {[] { return CString("-+a+-").Trim("+-"); }, "a"},
        {[] { return CString("xxaxx").Trim('x'); }, "a"},
        {[] { return CString("   ").Trim(); }, ""},
        {[] { return CString("Art 12b").MakeUpper(); }, "ART 12B"},
        {[] { return CString("Art 12B").MakeLower(); }, "art 12b"},
        {[] { return CString("ab") + "cd" + 'e' + CString("f"); }, "abcdef"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.run(), c.expected);
    const struct {
        int found, expected;
    } finds[] = {
        {dots.Find('.'), 1},        {dots.Find('.', 2), 3},      {dots.Find('.', 4), -1},
        {dots.Find(".c"), 3},       {dots.Find("b", 3), -1},     {dots.Find('.', -1), -1},
        {dots.Find('.', 99), -1},   {dots.ReverseFind('.'), 3},  {dots.FindOneOf("cb"), 2},
        {dots.FindOneOf("xy"), -1}, {CString("abc").CompareNoCase("ABC"), 0},
    };
    for (const auto& f : finds)
        EXPECT_EQ(f.found, f.expected);
    CString chained("  x  ");
    chained.Trim().MakeUpper();  // Trim returns the string itself
    EXPECT_EQ(chained, "X");
}

TEST(String, ComparisonOrdersByCharacter)
{
    EXPECT_TRUE(CString("A").Compare("B") < 0 && CString("b").Compare("B") > 0 && CString("x").Compare(nullptr) > 0);
    EXPECT_TRUE(CString("abc").CompareNoCase("ABD") < 0 && "abc" == CString("abc") && CString("ab") < CString("abc"));
    EXPECT_FALSE(CString("b") <= CString("a"));
}

TEST(String, EditingAndTokens)
{
    CString s("a'b'c");
    EXPECT_EQ(s.Replace("'", "''"), 2);
    EXPECT_EQ(s, "a''b''c");
    EXPECT_EQ(s.Remove('\''), 4);
    EXPECT_EQ(s.Insert(1, "XY"), 5);
    EXPECT_EQ(s.Insert(99, '!'), 6);
    EXPECT_EQ(s, "aXYbc!");
    EXPECT_EQ(s.Delete(1, 2), 4);
    EXPECT_EQ(s.Delete(2, 99), 2);
    EXPECT_EQ(s, "ab");
    s += s;
    s += static_cast<const char*>(nullptr);
    s.Append("xyz", 2);
    EXPECT_EQ(s, "ababxy");

    const CString list("a;;b;c");
    int pos = 0;
    for (const char* token : {"a", "b", "c", ""})
        EXPECT_EQ(list.Tokenize(";", pos), token);
    EXPECT_EQ(pos, -1);
}

TEST(String, OutOfRangeThrowsWhatAHostCatchesAndChangesNothing)
{
    CString s("ab");
    EXPECT_THROW(s.GetAt(2), CInvalidArgException);
    EXPECT_THROW(s.GetAt(-1), CInvalidArgException);
    EXPECT_THROW(s.SetAt(2, 'x'), CInvalidArgException);
    EXPECT_THROW(s.Truncate(3), CInvalidArgException);
    EXPECT_EQ(s, "ab");
    try {
        s.GetAt(9);
        ADD_FAILURE() << "no exception";
    } catch (const CException& e) {
        char buffer[64];
        EXPECT_EQ(e.GetErrorMessage(buffer, sizeof buffer), 1);
        EXPECT_NE(std::string(buffer).find("out of range"), std::string::npos);
    }
    try {
        s.SetAt(-4, 'z');
        ADD_FAILURE() << "no exception";
    } catch (const std::exception& e) {
        EXPECT_NE(std::string(e.what()).find("Invalid argument"), std::string::npos);
    }
    CInvalidArgException e("0123456789");
    char small[5];
    unsigned int help = 99;
    EXPECT_EQ(e.GetErrorMessage(small, sizeof small, &help), 1);
    EXPECT_STREQ(small, "0123");
    EXPECT_EQ(help, 0u);
}

TEST(String, BufferWrittenInPlaceThenCutToLength)
{
    CString s('x', 3);
    char* p = s.GetBuffer(10);
    EXPECT_EQ(std::string(p, 3), "xxx");
    std::memcpy(p, "hello\0tail", 10);
    s.ReleaseBuffer();  // up to the first NUL
    EXPECT_STREQ(s, "hello");
    std::memcpy(s.GetBufferSetLength(4), "abcd", 4);
    s.ReleaseBuffer(2);
    EXPECT_STREQ(s, "ab");
    EXPECT_EQ(CString('z', -3).GetLength(), 0);
}
