// Base-36 counter arithmetic on digit text: addition and subtraction ripple carries from the
// last digit, exactly as written arithmetic does.
#include "orveldblib/Base36Numeric.h"

#include <cctype>
#include <cstdlib>
#include <string>

#include "afx/Exception.h"

namespace {

constexpr const char* kDigits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 10;
    return -1;
}

std::string stripLeadingZeros(std::string s)
{
    std::size_t p = s.find_first_not_of('0');
    return p == std::string::npos ? std::string("0") : s.substr(p);
}

// Base-36 digits of a non-negative number.
std::string toBase36(unsigned long long n)
{
    std::string s;
    do {
        s.insert(s.begin(), kDigits[n % 36]);
        n /= 36;
    } while (n != 0);
    return s;
}

// a + b on digit texts.
std::string add(const std::string& a, const std::string& b)
{
    std::string r;
    int carry = 0;
    for (std::size_t i = 0; i < a.size() || i < b.size() || carry != 0; ++i) {
        int d = carry;
        if (i < a.size())
            d += digitValue(a[a.size() - 1 - i]);
        if (i < b.size())
            d += digitValue(b[b.size() - 1 - i]);
        r.insert(r.begin(), kDigits[d % 36]);
        carry = d / 36;
    }
    return stripLeadingZeros(r);
}

// a - b on digit texts, a >= b.
std::string subtract(const std::string& a, const std::string& b)
{
    std::string r;
    int borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        int d = digitValue(a[a.size() - 1 - i]) - borrow;
        if (i < b.size())
            d -= digitValue(b[b.size() - 1 - i]);
        borrow = d < 0 ? 1 : 0;
        r.insert(r.begin(), kDigits[d + 36 * borrow]);
    }
    return stripLeadingZeros(r);
}

bool lessThan(const std::string& a, const std::string& b)
{
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

}  // namespace

CBase36Numeric& CBase36Numeric::operator=(const CString& text)
{
    CString t(text);
    t.Trim();
    std::string digits;
    bool valid = !t.IsEmpty();
    for (int i = 0; valid && i < t.GetLength(); ++i) {
        int v = digitValue(t[i]);
        if (v < 0)
            valid = false;
        else
            digits += kDigits[v];
    }
    m_valid = valid;
    m_text = valid ? stripLeadingZeros(digits) : std::string("0");
    return *this;
}

CBase36Numeric& CBase36Numeric::operator+=(int amount)
{
    std::string current = stripLeadingZeros(m_text.str());
    unsigned long long magnitude = amount < 0 ? 0ULL - static_cast<unsigned long long>(static_cast<long long>(amount))
                                              : static_cast<unsigned long long>(amount);
    std::string delta = toBase36(magnitude);
    if (amount >= 0) {
        m_text = add(current, delta);
    } else {
        if (lessThan(current, delta))
            AfxThrowInvalidArgException("base-36 counter would go below zero");
        m_text = subtract(current, delta);
    }
    return *this;
}

const CString& CBase36Numeric::Format(int minDigits)
{
    if (m_text.GetLength() < minDigits)
        m_text = CString('0', minDigits - m_text.GetLength()) + m_text;
    return m_text;
}
