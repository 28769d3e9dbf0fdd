// CString behaviour that business code relies on: printf formatting (long results, aliasing
// arguments), clamped extraction, searching, trimming, case, comparison, concatenation, and the
// exception a host sees for an index out of range.
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>

#include "afx/Exception.h"
#include "afx/String.h"

TEST(StringFormat, FollowsPrintfRules)
{
    CString s;
    s.Format("%ld|%s|%.2f|%05d|%-4s|%x", 1234567890L, "abc", 3.14159, 42, "ab", 255);
    EXPECT_EQ(s, "1234567890|abc|3.14|00042|ab  |ff");
    s.Format("%.2f", 2.675);  // binary 2.67499999... : printf rounding, not decimal rounding
    EXPECT_EQ(s, "2.67");
    s.Format("%ld", -2147483648L);
    EXPECT_EQ(s, "-2147483648");
}

TEST(StringFormat, ResultsLongerThanTheInlineBuffer)
{
    const std::string part(300, 'x');
    CString s;
    s.Format("[%s]-%d", part.c_str(), 7);
    EXPECT_EQ(s.GetLength(), 300 + 4);
    EXPECT_EQ(s, ("[" + part + "]-7").c_str());

    CString t("head:");
    t.AppendFormat("%s%s", part.c_str(), part.c_str());
    EXPECT_EQ(t.GetLength(), 5 + 600);
    EXPECT_EQ(t.Left(5), "head:");
    EXPECT_EQ(t.Right(3), "xxx");
}

TEST(StringFormat, ArgumentMayBeTheStringItself)
{
    CString s("abc");
    s.Format("(%s)", s.GetString());
    EXPECT_EQ(s, "(abc)");

    CString longText(std::string(400, 'q'));
    longText.AppendFormat("%s", longText.GetString());
    EXPECT_EQ(longText.GetLength(), 800);
    EXPECT_EQ(longText.Find('x'), -1);
    longText.Format("%s!", longText.GetString());
    EXPECT_EQ(longText.GetLength(), 801);
    EXPECT_EQ(longText.Right(2), "q!");
}

TEST(StringFormat, NullFormatIsAnInvalidArgument)
{
    CString s("keep");
    EXPECT_THROW(s.Format(nullptr), CInvalidArgException);
}

TEST(StringExtract, LeftMidRightClampToTheText)
{
    const CString s("ABCDEF");
    EXPECT_EQ(s.Left(2), "AB");
    EXPECT_EQ(s.Left(99), "ABCDEF");
    EXPECT_EQ(s.Left(-1), "");
    EXPECT_EQ(s.Right(2), "EF");
    EXPECT_EQ(s.Right(99), "ABCDEF");
    EXPECT_EQ(s.Right(-5), "");
    EXPECT_EQ(s.Mid(2), "CDEF");
    EXPECT_EQ(s.Mid(2, 2), "CD");
    EXPECT_EQ(s.Mid(4, 99), "EF");
    EXPECT_EQ(s.Mid(-3, 2), "AB");
    EXPECT_EQ(s.Mid(6), "");
    EXPECT_EQ(s.Mid(99, 2), "");
    EXPECT_EQ(s.Mid(1, -2), "");
    EXPECT_EQ(CString().Left(3), "");
}

TEST(StringSearch, FindFromAndReverse)
{
    const CString s("a.b.c");
    EXPECT_EQ(s.Find('.'), 1);
    EXPECT_EQ(s.Find('.', 2), 3);
    EXPECT_EQ(s.Find('.', 4), -1);
    EXPECT_EQ(s.Find('z'), -1);
    EXPECT_EQ(s.Find(".c"), 3);
    EXPECT_EQ(s.Find("b", 3), -1);
    EXPECT_EQ(s.Find(""), 0);
    EXPECT_EQ(s.Find('.', -1), -1);
    EXPECT_EQ(s.Find('.', 99), -1);
    EXPECT_EQ(s.ReverseFind('.'), 3);
    EXPECT_EQ(s.FindOneOf("cb"), 2);
    EXPECT_EQ(s.FindOneOf("xyz"), -1);
}

TEST(StringTrim, WhitespaceAndTargets)
{
    CString s(" \t ab c \r\n");
    EXPECT_EQ(CString(s).Trim(), "ab c");
    EXPECT_EQ(CString(s).TrimLeft(), "ab c \r\n");
    EXPECT_EQ(CString(s).TrimRight(), " \t ab c");
    EXPECT_EQ(CString("000120").TrimLeft('0'), "120");
    EXPECT_EQ(CString("xxaxx").Trim('x'), "a");
    EXPECT_EQ(CString("-+a+-").Trim("+-"), "a");
    EXPECT_EQ(CString("   ").Trim(), "");
    EXPECT_EQ(CString("").Trim(), "");
    // Trim returns the string itself, so calls chain and the object changes
    CString chained("  x  ");
    chained.Trim().MakeUpper();
    EXPECT_EQ(chained, "X");
}

TEST(StringCase, UpperLowerAndNoCaseCompare)
{
    CString s("Articolo 12b");
    s.MakeUpper();
    EXPECT_EQ(s, "ARTICOLO 12B");
    s.MakeLower();
    EXPECT_EQ(s, "articolo 12b");
    EXPECT_EQ(CString("abc").CompareNoCase("ABC"), 0);
    EXPECT_LT(CString("abc").CompareNoCase("ABD"), 0);
}

TEST(StringCompare, OrderingAndEquality)
{
    EXPECT_LT(CString("A").Compare("B"), 0);
    EXPECT_GT(CString("b").Compare("B"), 0);
    EXPECT_EQ(CString("x").Compare("x"), 0);
    EXPECT_GT(CString("x").Compare(nullptr), 0);
    EXPECT_TRUE(CString("abc") == "abc");
    EXPECT_TRUE("abc" == CString("abc"));
    EXPECT_TRUE(CString("abc") != CString("abd"));
    EXPECT_TRUE(CString("abc") < CString("abd"));
    EXPECT_TRUE(CString("ab") < CString("abc"));
    EXPECT_FALSE(CString("b") <= CString("a"));
}

TEST(StringConcat, OperatorsAndAppend)
{
    CString a("ab");
    CString b = a + "cd" + 'e' + CString("f");
    EXPECT_EQ(b, "abcdef");
    EXPECT_EQ("<" + a, "<ab");
    a += a;
    EXPECT_EQ(a, "abab");
    a += static_cast<const char*>(nullptr);
    EXPECT_EQ(a, "abab");
    a.Append("xyz", 2);
    EXPECT_EQ(a, "ababxy");
    CString n(static_cast<const char*>(nullptr));
    EXPECT_TRUE(n.IsEmpty());
}

TEST(StringEdit, ReplaceRemoveInsertDelete)
{
    CString s("a'b'c");
    EXPECT_EQ(s.Replace("'", "''"), 2);
    EXPECT_EQ(s, "a''b''c");
    EXPECT_EQ(s.Remove('\''), 4);
    EXPECT_EQ(s, "abc");
    EXPECT_EQ(s.Insert(1, "XY"), 5);
    EXPECT_EQ(s, "aXYbc");
    EXPECT_EQ(s.Insert(99, '!'), 6);
    EXPECT_EQ(s, "aXYbc!");
    EXPECT_EQ(s.Delete(1, 2), 4);
    EXPECT_EQ(s, "abc!");
    EXPECT_EQ(s.Delete(2, 99), 2);
    EXPECT_EQ(s, "ab");
}

TEST(StringTokenize, WalksTokensAndEndsWithMinusOne)
{
    const CString s("a;;b;c");
    int pos = 0;
    EXPECT_EQ(s.Tokenize(";", pos), "a");
    EXPECT_EQ(s.Tokenize(";", pos), "b");
    EXPECT_EQ(s.Tokenize(";", pos), "c");
    EXPECT_EQ(s.Tokenize(";", pos), "");
    EXPECT_EQ(pos, -1);
}

TEST(StringAccess, OutOfRangeThrowsACatchableInvalidArgument)
{
    CString s("ab");
    EXPECT_EQ(s.GetAt(1), 'b');
    EXPECT_EQ(s[0], 'a');
    EXPECT_THROW(s.GetAt(2), CInvalidArgException);
    EXPECT_THROW(s.GetAt(-1), CInvalidArgException);
    EXPECT_THROW(s.SetAt(2, 'x'), CInvalidArgException);
    EXPECT_THROW(static_cast<void>(s[5]), CInvalidArgException);
    EXPECT_THROW(s.Truncate(3), CInvalidArgException);
    EXPECT_EQ(s, "ab");  // nothing changed by the failed calls

    // A host catches it as the framework's base class and as a standard exception.
    bool caughtAsCException = false;
    try {
        s.GetAt(9);
    } catch (const CException& e) {
        caughtAsCException = true;
        char buffer[64];
        EXPECT_EQ(e.GetErrorMessage(buffer, sizeof buffer), 1);
        EXPECT_NE(std::string(buffer).find("out of range"), std::string::npos);
    }
    EXPECT_TRUE(caughtAsCException);
    bool caughtAsStd = false;
    try {
        s.SetAt(-4, 'z');
    } catch (const std::exception& e) {
        caughtAsStd = true;
        EXPECT_NE(std::string(e.what()).find("Invalid argument"), std::string::npos);
    }
    EXPECT_TRUE(caughtAsStd);
}

TEST(StringException, GetErrorMessageTruncatesSafely)
{
    CInvalidArgException e("0123456789");
    char buffer[5];
    EXPECT_EQ(e.GetErrorMessage(buffer, sizeof buffer), 1);
    EXPECT_STREQ(buffer, "0123");
    unsigned int help = 99;
    EXPECT_EQ(e.GetErrorMessage(buffer, 1, &help), 1);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(help, 0u);
}

TEST(StringBuffer, WrittenInPlaceThenCutToLength)
{
    CString s('x', 3);
    EXPECT_STREQ(s, "xxx");
    char* p = s.GetBuffer(10);  // lengthened to 10, the text kept
    EXPECT_EQ(s.GetLength(), 10);
    EXPECT_EQ(std::string(p, 3), "xxx");
    std::memcpy(p, "hello\0tail", 10);
    s.ReleaseBuffer();  // up to the first NUL
    EXPECT_STREQ(s, "hello");
    EXPECT_EQ(s.GetLength(), 5);

    std::memcpy(s.GetBufferSetLength(4), "abcd", 4);
    s.ReleaseBuffer(2);
    EXPECT_STREQ(s, "ab");
    EXPECT_EQ(s.GetBuffer(), s.GetBuffer(1));  // no shorter than it is: the same characters
    EXPECT_EQ(CString('z', 0).GetLength(), 0);
    EXPECT_EQ(CString('z', -3).GetLength(), 0);
}
