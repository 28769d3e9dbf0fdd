// CString operations. Clamping rules follow the framework: a negative start counts as 0, a count
// past the end stops at the end, so extraction never throws; element access does.
#include "afx/String.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

#include "afx/Exception.h"

namespace {

constexpr const char* kWhitespace = " \t\n\r\v\f";

int clampIndex(int value, int length)
{
    return std::clamp(value, 0, length);
}

}  // namespace

CString::CString(const char* text, int length)
{
    if (text != nullptr && length > 0)
        m_s.assign(text, strnlen(text, static_cast<std::size_t>(length)));
}

char CString::GetAt(int index) const
{
    if (index < 0 || index >= GetLength())
        AfxThrowInvalidArgException("string index out of range");
    return m_s[static_cast<std::size_t>(index)];
}

void CString::SetAt(int index, char ch)
{
    if (index < 0 || index >= GetLength())
        AfxThrowInvalidArgException("string index out of range");
    m_s[static_cast<std::size_t>(index)] = ch;
}

CString CString::Left(int count) const
{
    return CString(m_s.substr(0, static_cast<std::size_t>(clampIndex(count, GetLength()))));
}

CString CString::Right(int count) const
{
    int n = clampIndex(count, GetLength());
    return CString(m_s.substr(static_cast<std::size_t>(GetLength() - n)));
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const
{
    int start = clampIndex(first, GetLength());
    int n = clampIndex(count, GetLength() - start);
    return CString(m_s.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(n)));
}

CString CString::SpanIncluding(const char* charSet) const
{
    std::size_t n = m_s.find_first_not_of(charSet != nullptr ? charSet : "");
    return CString(m_s.substr(0, n));
}

CString CString::SpanExcluding(const char* charSet) const
{
    std::size_t n = m_s.find_first_of(charSet != nullptr ? charSet : "");
    return CString(m_s.substr(0, n));
}

CString CString::Tokenize(const char* tokens, int& start) const
{
    if (start < 0 || start >= GetLength() || tokens == nullptr) {
        start = -1;
        return CString();
    }
    std::size_t from = m_s.find_first_not_of(tokens, static_cast<std::size_t>(start));
    if (from == std::string::npos) {
        start = -1;
        return CString();
    }
    std::size_t to = m_s.find_first_of(tokens, from);
    if (to == std::string::npos)
        to = m_s.size();
    start = static_cast<int>(std::min(to + 1, m_s.size()));
    return CString(m_s.substr(from, to - from));
}

int CString::Find(char ch, int start) const
{
    if (start < 0 || start >= GetLength())
        return -1;
    std::size_t p = m_s.find(ch, static_cast<std::size_t>(start));
    return p == std::string::npos ? -1 : static_cast<int>(p);
}

int CString::Find(const char* sub, int start) const
{
    if (sub == nullptr || start < 0 || start > GetLength())
        return -1;
    std::size_t p = m_s.find(sub, static_cast<std::size_t>(start));
    return p == std::string::npos ? -1 : static_cast<int>(p);
}

int CString::ReverseFind(char ch) const
{
    std::size_t p = m_s.rfind(ch);
    return p == std::string::npos ? -1 : static_cast<int>(p);
}

int CString::FindOneOf(const char* charSet) const
{
    if (charSet == nullptr)
        return -1;
    std::size_t p = m_s.find_first_of(charSet);
    return p == std::string::npos ? -1 : static_cast<int>(p);
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::Trim(char target) { return TrimRight(target).TrimLeft(target); }
CString& CString::Trim(const char* targets) { return TrimRight(targets).TrimLeft(targets); }
CString& CString::TrimLeft() { return TrimLeft(kWhitespace); }
CString& CString::TrimRight() { return TrimRight(kWhitespace); }

CString& CString::TrimLeft(char target)
{
    const char set[2] = {target, '\0'};
    return TrimLeft(set);
}

CString& CString::TrimRight(char target)
{
    const char set[2] = {target, '\0'};
    return TrimRight(set);
}

CString& CString::TrimLeft(const char* targets)
{
    std::size_t p = m_s.find_first_not_of(targets != nullptr ? targets : "");
    m_s.erase(0, p == std::string::npos ? m_s.size() : p);
    return *this;
}

CString& CString::TrimRight(const char* targets)
{
    std::size_t p = m_s.find_last_not_of(targets != nullptr ? targets : "");
    m_s.erase(p == std::string::npos ? 0 : p + 1);
    return *this;
}

CString& CString::MakeUpper()
{
    for (char& c : m_s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return *this;
}

CString& CString::MakeLower()
{
    for (char& c : m_s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return *this;
}

CString& CString::MakeReverse()
{
    std::reverse(m_s.begin(), m_s.end());
    return *this;
}

int CString::Replace(char oldCh, char newCh)
{
    int n = 0;
    for (char& c : m_s) {
        if (c == oldCh) {
            c = newCh;
            ++n;
        }
    }
    return n;
}

int CString::Replace(const char* oldText, const char* newText)
{
    if (oldText == nullptr || *oldText == '\0')
        return 0;
    std::string from(oldText);
    std::string to(newText != nullptr ? newText : "");
    int n = 0;
    std::size_t p = 0;
    while ((p = m_s.find(from, p)) != std::string::npos) {
        m_s.replace(p, from.size(), to);
        p += to.size();
        ++n;
    }
    return n;
}

int CString::Remove(char ch)
{
    auto it = std::remove(m_s.begin(), m_s.end(), ch);
    int n = static_cast<int>(m_s.end() - it);
    m_s.erase(it, m_s.end());
    return n;
}

int CString::Insert(int index, char ch)
{
    m_s.insert(static_cast<std::size_t>(clampIndex(index, GetLength())), 1, ch);
    return GetLength();
}

int CString::Insert(int index, const char* text)
{
    if (text != nullptr)
        m_s.insert(static_cast<std::size_t>(clampIndex(index, GetLength())), text);
    return GetLength();
}

int CString::Delete(int index, int count)
{
    int start = clampIndex(index, GetLength());
    int n = clampIndex(count, GetLength() - start);
    m_s.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(n));
    return GetLength();
}

void CString::Truncate(int newLength)
{
    if (newLength < 0 || newLength > GetLength())
        AfxThrowInvalidArgException("string truncation past its length");
    m_s.resize(static_cast<std::size_t>(newLength));
}

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::AppendFormat(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    AppendFormatV(format, args);
    va_end(args);
}

void CString::FormatV(const char* format, va_list args)
{
    // Formatted into a separate text first: an argument may be this string's own buffer
    // (s.Format("(%s)", s.GetString())), which clearing it first would destroy.
    CString result;
    result.AppendFormatV(format, args);
    m_s.swap(result.m_s);
}

void CString::AppendFormatV(const char* format, va_list args)
{
    if (format == nullptr)
        AfxThrowInvalidArgException("null format");
    char small[256];
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (n < 0)
        AfxThrowInvalidArgException("bad format");
    if (static_cast<std::size_t>(n) < sizeof small) {
        m_s.append(small, static_cast<std::size_t>(n));
        return;
    }
    // Long results go to their own buffer, then are appended: growing m_s in place could
    // move the very text an argument points into.
    std::string large(static_cast<std::size_t>(n) + 1, '\0');
    std::vsnprintf(large.data(), large.size(), format, args);
    large.resize(static_cast<std::size_t>(n));
    m_s += large;
}

int CString::Compare(const char* other) const
{
    return std::strcmp(m_s.c_str(), other != nullptr ? other : "");
}

int CString::CompareNoCase(const char* other) const
{
    return strcasecmp(m_s.c_str(), other != nullptr ? other : "");
}

CString& CString::operator=(const char* text)
{
    m_s = text != nullptr ? text : "";
    return *this;
}

CString& CString::operator=(char ch)
{
    m_s.assign(1, ch);
    return *this;
}

CString& CString::operator+=(const char* text)
{
    if (text != nullptr)
        m_s += text;
    return *this;
}

void CString::Append(const char* text, int length)
{
    if (text != nullptr && length > 0)
        m_s.append(text, static_cast<std::size_t>(length));
}

CString operator+(const CString& a, const char* b)
{
    CString r(a);
    r += b;
    return r;
}

CString operator+(const char* a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}
