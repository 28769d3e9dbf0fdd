// CString: the framework's text type, a single-byte (UTF-8 or Latin-1, as stored) string with
// the framework's operations. It wraps std::string; positions and lengths are in bytes, and
// out-of-range positions are clamped the way the framework clamps them (Left(99) of a short
// text is the whole text), while element access out of range throws CInvalidArgException.
#pragma once

#include <cstdarg>
#include <functional>
#include <string>
#include <string_view>

#include "afx/Export.h"
#include "afx/Types.h"

class ORVEL_API CString {
public:
    CString() = default;
    CString(const char* text) : m_s(text != nullptr ? text : "") {}  // NOLINT: implicit as in the framework
    CString(const char* text, int length);
    CString(const std::string& text) : m_s(text) {}  // NOLINT
    CString(std::string&& text) : m_s(std::move(text)) {}  // NOLINT
    CString(std::string_view text) : m_s(text) {}  // NOLINT
    explicit CString(char ch, int repeat = 1) : m_s(repeat > 0 ? static_cast<std::size_t>(repeat) : 0, ch) {}

    // Size and content
    int GetLength() const { return static_cast<int>(m_s.size()); }
    bool IsEmpty() const { return m_s.empty(); }
    void Empty() { m_s.clear(); }
    char GetAt(int index) const;
    void SetAt(int index, char ch);
    char operator[](int index) const { return GetAt(index); }
    const char* GetString() const { return m_s.c_str(); }
    operator const char*() const { return m_s.c_str(); }  // NOLINT: the framework's LPCTSTR conversion
    const std::string& str() const { return m_s; }

    // Direct access to the characters, as the framework gives it: GetBuffer returns the text's
    // own characters, first lengthened (with NULs) to minLength; after writing, ReleaseBuffer sets
    // the length (-1: up to the first NUL). Inline, so that text built in place costs no call.
    char* GetBuffer(int minLength = 0)
    {
        if (minLength > GetLength())
            m_s.resize(static_cast<std::size_t>(minLength));
        return m_s.data();
    }
    char* GetBufferSetLength(int length)
    {
        m_s.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
        return m_s.data();
    }
    void ReleaseBuffer(int newLength = -1)
    {
        m_s.resize(newLength < 0 ? std::char_traits<char>::length(m_s.c_str()) : static_cast<std::size_t>(newLength));
    }

    // Extraction: counts and positions are clamped to the text.
    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString SpanIncluding(const char* charSet) const;
    CString SpanExcluding(const char* charSet) const;
    CString Tokenize(const char* tokens, int& start) const;

    // Searching: -1 when not found.
    int Find(char ch, int start = 0) const;
    int Find(const char* sub, int start = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(const char* charSet) const;

    // Changes in place; each returns *this so calls chain.
    CString& Trim();
    CString& Trim(char target);
    CString& Trim(const char* targets);
    CString& TrimLeft();
    CString& TrimLeft(char target);
    CString& TrimLeft(const char* targets);
    CString& TrimRight();
    CString& TrimRight(char target);
    CString& TrimRight(const char* targets);
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();
    int Replace(char oldCh, char newCh);
    int Replace(const char* oldText, const char* newText);
    int Remove(char ch);
    int Insert(int index, char ch);
    int Insert(int index, const char* text);
    int Delete(int index, int count = 1);
    void Truncate(int newLength);

    // printf-style formatting, replacing the content. Text arguments are passed as const char*
    // (a CString converts with (LPCTSTR) or GetString()).
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void AppendFormat(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(const char* format, va_list args);
    void AppendFormatV(const char* format, va_list args);

    // Comparison: Compare gives <0, 0, >0 by byte value.
    int Compare(const char* other) const;
    int CompareNoCase(const char* other) const;

    CString& operator=(const char* text);
    CString& operator=(char ch);
    CString& operator+=(const CString& text) { m_s += text.m_s; return *this; }
    CString& operator+=(const char* text);
    CString& operator+=(char ch) { m_s += ch; return *this; }
    void Append(const char* text, int length);

    friend bool operator==(const CString& a, const CString& b) { return a.m_s == b.m_s; }
    friend bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
    friend bool operator==(const char* a, const CString& b) { return b.Compare(a) == 0; }
    friend bool operator!=(const CString& a, const CString& b) { return a.m_s != b.m_s; }
    friend bool operator!=(const CString& a, const char* b) { return a.Compare(b) != 0; }
    friend bool operator!=(const char* a, const CString& b) { return b.Compare(a) != 0; }
    friend bool operator<(const CString& a, const CString& b) { return a.m_s < b.m_s; }
    friend bool operator>(const CString& a, const CString& b) { return a.m_s > b.m_s; }
    friend bool operator<=(const CString& a, const CString& b) { return a.m_s <= b.m_s; }
    friend bool operator>=(const CString& a, const CString& b) { return a.m_s >= b.m_s; }

    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_s + b.m_s); }
    friend ORVEL_API CString operator+(const CString& a, const char* b);
    friend ORVEL_API CString operator+(const char* a, const CString& b);
    friend CString operator+(const CString& a, char b) { return CString(a.m_s + b); }
    friend CString operator+(char a, const CString& b) { return CString(a + b.m_s); }

private:
    std::string m_s;
};

template <>
struct std::hash<CString> {
    std::size_t operator()(const CString& s) const noexcept { return std::hash<std::string>()(s.str()); }
};
